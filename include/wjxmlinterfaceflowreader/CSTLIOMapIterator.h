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

    virtual V value() { return m_position->second; }

    virtual K key() { return m_position->first; }

    virtual IInterfaceObjectIterMap<K, V>& operator++(int)
    {
        ++m_position;
        return *this;
    }

    virtual IInterfaceObjectIterMap<K, V>& operator++()
    {
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
