#ifndef WJXMLINTERFACEFLOWREADER_TWJFUNCTOR_H
#define WJXMLINTERFACEFLOWREADER_TWJFUNCTOR_H

#include "wjxmlinterfaceflowreader/WJExport.h"

/// A handler the binder calls with the text of a child element or the value
/// of an attribute while it reads an element into a model object (see
/// IWJXMLObject::RegisterXMLTagFP).
class WJ_API TWJFunctor {
public:
    /// Makes a handler.
    TWJFunctor() = default;
    /// Handlers are not copied: the object they are registered on owns them.
    TWJFunctor(const TWJFunctor&) = delete;
    /// Handlers are not assigned.
    TWJFunctor& operator=(const TWJFunctor&) = delete;
    /// Frees the handler; called by the object it is registered on.
    virtual ~TWJFunctor();

    /// Handles text, the UTF-8 text of the element or attribute.
    virtual void operator()(const char* text) = 0;
};

#endif
