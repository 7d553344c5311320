#ifndef WJXML_MODEL_TWJTEXTKEYITERATOR_H
#define WJXML_MODEL_TWJTEXTKEYITERATOR_H

#include "binding/CWJText.h"
#include "wjxmlinterfaceflowreader/IInterfaceObjectIterMap.h"

#include <functional>
#include <map>
#include <string>

// An enumerator over a copy of a map keyed by model texts, in key order; it
// hands out each key as a std::string, as the interfaces' enumerators do.
template <class V> class TWJTextKeyIterator : public IInterfaceObjectIterMap<std::string, V> {
public:
    using Items = std::map<CWJText, V, std::less<>>;

    explicit TWJTextKeyIterator(const Items& items) : m_items(items), m_position(m_items.begin()) {}
    TWJTextKeyIterator(const TWJTextKeyIterator&) = delete;
    TWJTextKeyIterator& operator=(const TWJTextKeyIterator&) = delete;

    V value() override { return isValid() ? m_position->second : V(); }
    std::string key() override { return isValid() ? std::string(m_position->first.view()) : std::string(); }
    IInterfaceObjectIterMap<std::string, V>& operator++(int) override { return ++*this; }
    IInterfaceObjectIterMap<std::string, V>& operator++() override
    {
        if (isValid())
            ++m_position;
        return *this;
    }
    bool isValid() override { return m_position != m_items.end(); }

private:
    Items m_items;
    typename Items::iterator m_position;
};

#endif
