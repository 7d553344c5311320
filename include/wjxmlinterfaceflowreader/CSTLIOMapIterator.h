#ifndef WJXMLINTERFACEFLOWREADER_CSTLIOMAPITERATOR_H
#define WJXMLINTERFACEFLOWREADER_CSTLIOMAPITERATOR_H

#include "wjxmlinterfaceflowreader/IInterfaceObjectIterMap.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <map>

// Walks its own copy of a map, taken at construction, in ascending key order;
// later changes of the source are not seen.
template <class K, class V>
class WJ_API CSTLIOMapIterator : public IInterfaceObjectIterMap<K, V>
{
public:
    explicit CSTLIOMapIterator(const std::map<K, V>& items)
        : m_position(), m_items(items)
    {
        m_position = m_items.begin();
    }

    virtual ~CSTLIOMapIterator() {}

    // At the end: a value-initialised value and key.
    virtual V value() { return isValid() ? m_position->second : V(); }

    virtual K key() { return isValid() ? m_position->first : K(); }

    // Advancing at the end stays at the end.
    virtual IInterfaceObjectIterMap<K, V>& operator++(int) { return ++*this; }

    virtual IInterfaceObjectIterMap<K, V>& operator++()
    {
        if (isValid())
            ++m_position;
        return *this;
    }

    virtual bool isValid() { return m_position != m_items.end(); }

private:
    // A copy would keep a position into the source's items.
    CSTLIOMapIterator(const CSTLIOMapIterator&) = delete;
    CSTLIOMapIterator& operator=(const CSTLIOMapIterator&) = delete;

    typename std::map<K, V>::iterator m_position;
    std::map<K, V> m_items;
};

#endif
