#ifndef WJXMLINTERFACEFLOWREADER_CINTERFACEOBJECTMAPITERATOR_H
#define WJXMLINTERFACEFLOWREADER_CINTERFACEOBJECTMAPITERATOR_H

#include "wjxmlinterfaceflowreader/IInterfaceObjectIterMap.h"
#include "wjxmlinterfaceflowreader/WJExport.h"
#include "wjxmlinterfaceflowreader/iocounted_auto_ptr.h"

// Handle over key/value pairs, returned by value by the enumerators. Copies
// share one iterator and so one position: advancing any copy advances all.
// While isValid() is false, value() and key() give value-initialised results.
template <class K, class V>
class WJ_API CInterfaceObjectMapIterator
{
public:
    // An empty handle: not valid, increments are ignored.
    CInterfaceObjectMapIterator() : m_iter() {}

    // Takes ownership of a newly allocated iterator object.
    explicit CInterfaceObjectMapIterator(IInterfaceObjectIterMap<K, V>* iter)
        : m_iter(iter)
    {
    }

    CInterfaceObjectMapIterator(const CInterfaceObjectMapIterator<K, V>& other)
        : m_iter(other.m_iter)
    {
    }

    virtual ~CInterfaceObjectMapIterator() {}

    virtual CInterfaceObjectMapIterator<K, V>& operator=(
        const CInterfaceObjectMapIterator<K, V>& other)
    {
        m_iter = other.m_iter;
        return *this;
    }

    virtual V value() { return isValid() ? m_iter->value() : V(); }

    // A copy of the key; changing it does not change the map.
    virtual K key() { return isValid() ? m_iter->key() : K(); }

    virtual V operator*() { return value(); }

    virtual CInterfaceObjectMapIterator<K, V>& operator++(int)
    {
        if (m_iter.get())
            (*m_iter)++;
        return *this;
    }

    virtual CInterfaceObjectMapIterator<K, V>& operator++()
    {
        if (m_iter.get())
            ++(*m_iter);
        return *this;
    }

    virtual CInterfaceObjectMapIterator<K, V>& next() { return operator++(); }

    virtual bool isValid() { return m_iter.get() ? m_iter->isValid() : false; }

    virtual operator bool() { return isValid(); }

    virtual int operator!() { return isValid() ? 0 : 1; }

private:
    iocounted_auto_ptr<IInterfaceObjectIterMap<K, V> > m_iter;
};

#endif
