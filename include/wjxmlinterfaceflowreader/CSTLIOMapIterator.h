#ifndef WJXMLINTERFACEFLOWREADER_CSTLIOMAPITERATOR_H
#define WJXMLINTERFACEFLOWREADER_CSTLIOMAPITERATOR_H

#include "wjxmlinterfaceflowreader/IInterfaceObjectIterMap.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <map>

/// The map iterator of the model's enumerators: walks its own copy of a map,
/// taken at construction, in ascending key order; later changes of the source
/// are not seen. Not copyable; handles share it instead.
template <class K, class V> class WJ_API CSTLIOMapIterator : public IInterfaceObjectIterMap<K, V> {
public:
    /// Copies items and stands on the first pair.
    explicit CSTLIOMapIterator(const std::map<K, V>& items) : m_position(), m_items(items)
    {
        m_position = m_items.begin();
    }

    /// Frees the copy.
    virtual ~CSTLIOMapIterator() {}

    /// The value at the position; a value-initialised one (null) at the end.
    virtual V value() { return isValid() ? m_position->second : V(); }

    /// A copy of the key at the position; a value-initialised one at the end.
    virtual K key() { return isValid() ? m_position->first : K(); }

    /// Advances one pair, staying at the end; returns the iterator itself.
    virtual IInterfaceObjectIterMap<K, V>& operator++(int) { return ++*this; }

    /// Advances one pair; returns the iterator itself.
    virtual IInterfaceObjectIterMap<K, V>& operator++()
    {
        if (isValid())
            ++m_position;
        return *this;
    }

    /// True until the end of the copy.
    virtual bool isValid() { return m_position != m_items.end(); }

private:
    // A copy would keep a position into the source's items.
    CSTLIOMapIterator(const CSTLIOMapIterator&) = delete;
    CSTLIOMapIterator& operator=(const CSTLIOMapIterator&) = delete;

    typename std::map<K, V>::iterator m_position;
    std::map<K, V> m_items;
};

#endif
