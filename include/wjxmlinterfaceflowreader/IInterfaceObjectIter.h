#ifndef WJXMLINTERFACEFLOWREADER_IINTERFACEOBJECTITER_H
#define WJXMLINTERFACEFLOWREADER_IINTERFACEOBJECTITER_H

#include "wjxmlinterfaceflowreader/WJExport.h"

// Forward-only iterator over a sequence of T. value() and the increments may
// be called only while isValid() is true.
template <class T>
class WJ_API IInterfaceObjectIter
{
public:
    virtual ~IInterfaceObjectIter() {}

    virtual T value() = 0;
    // Both increments return the iterator itself; the postfix form does not
    // return an earlier position.
    virtual IInterfaceObjectIter<T>& operator++(int) = 0;
    virtual IInterfaceObjectIter<T>& operator++() = 0;
    virtual bool isValid() = 0;
};

#endif
