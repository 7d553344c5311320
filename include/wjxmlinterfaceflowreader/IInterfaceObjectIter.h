#ifndef WJXMLINTERFACEFLOWREADER_IINTERFACEOBJECTITER_H
#define WJXMLINTERFACEFLOWREADER_IINTERFACEOBJECTITER_H

#include "wjxmlinterfaceflowreader/WJExport.h"

/// A forward-only iterator over a sequence of T, held by a
/// CInterfaceObjectIterator handle; hosts use the handle. value() may be
/// called only while isValid() is true; an increment at the end leaves the
/// iterator at the end.
template <class T> class WJ_API IInterfaceObjectIter {
public:
    /// Frees the iterator and what it walks.
    virtual ~IInterfaceObjectIter() {}

    /// The element at the position.
    virtual T value() = 0;
    //@{
    /// Advances one element and returns the iterator itself: the postfix
    /// form does not return an earlier position.
    virtual IInterfaceObjectIter<T>& operator++(int) = 0;
    /// Advances one element and returns the iterator itself.
    virtual IInterfaceObjectIter<T>& operator++() = 0;
    //@}
    /// True while the iterator stands on an element.
    virtual bool isValid() = 0;
};

#endif
