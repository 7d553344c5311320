#ifndef WJXMLINTERFACEFLOWREADER_IINTERFACEOBJECTITERMAP_H
#define WJXMLINTERFACEFLOWREADER_IINTERFACEOBJECTITERMAP_H

#include "wjxmlinterfaceflowreader/WJExport.h"

// Forward-only iterator over key/value pairs. value(), key() and the
// increments may be called only while isValid() is true.
template <class K, class V>
class WJ_API IInterfaceObjectIterMap
{
public:
    virtual ~IInterfaceObjectIterMap() {}

    virtual V value() = 0;
    virtual K key() = 0;
    // Both increments return the iterator itself; the postfix form does not
    // return an earlier position.
    virtual IInterfaceObjectIterMap<K, V>& operator++(int) = 0;
    virtual IInterfaceObjectIterMap<K, V>& operator++() = 0;
    virtual bool isValid() = 0;
};

#endif
