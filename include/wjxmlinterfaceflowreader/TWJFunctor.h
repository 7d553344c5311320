#ifndef WJXMLINTERFACEFLOWREADER_TWJFUNCTOR_H
#define WJXMLINTERFACEFLOWREADER_TWJFUNCTOR_H

#include "wjxmlinterfaceflowreader/WJExport.h"

// A handler the binder calls with the text of a child element or the value of
// an attribute while it reads an element into a model object.
class WJ_API TWJFunctor {
public:
    TWJFunctor() = default;
    TWJFunctor(const TWJFunctor&) = delete;
    TWJFunctor& operator=(const TWJFunctor&) = delete;
    virtual ~TWJFunctor();

    virtual void operator()(const char* text) = 0;
};

#endif
