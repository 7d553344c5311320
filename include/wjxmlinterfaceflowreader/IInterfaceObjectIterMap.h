#ifndef WJXMLINTERFACEFLOWREADER_IINTERFACEOBJECTITERMAP_H
#define WJXMLINTERFACEFLOWREADER_IINTERFACEOBJECTITERMAP_H

#include "wjxmlinterfaceflowreader/WJExport.h"

/// A forward-only iterator over key/value pairs in ascending key order,
/// held by a CInterfaceObjectMapIterator handle; hosts use the handle.
/// value() and key() may be called only while isValid() is true; an increment
/// at the end leaves the iterator at the end.
template <class K, class V> class WJ_API IInterfaceObjectIterMap {
public:
    /// Frees the iterator and what it walks.
    virtual ~IInterfaceObjectIterMap() {}

    /// The value at the position.
    virtual V value() = 0;
    /// A copy of the key at the position.
    virtual K key() = 0;
    //@{
    /// Advances one pair and returns the iterator itself: the postfix form
    /// does not return an earlier position.
    virtual IInterfaceObjectIterMap<K, V>& operator++(int) = 0;
    /// Advances one pair and returns the iterator itself.
    virtual IInterfaceObjectIterMap<K, V>& operator++() = 0;
    //@}
    /// True while the iterator stands on a pair.
    virtual bool isValid() = 0;
};

#endif
