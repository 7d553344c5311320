#ifndef WJXML_MODEL_TWJFILEDBYID_H
#define WJXML_MODEL_TWJFILEDBYID_H

#include "binding/CWJText.h"
#include "model/CWJPointerSet.h"
#include "model/TWJTextKeyIterator.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

// The filed objects of one kind of a parent, by id: what a lookup by id and
// an enumerator (in byte order of the ids) find. Filing under a taken id
// replaces the entry, as a read of a file with a repeated id does; the object
// displaced stays owned by the parent, unfiled. Whether an object is filed is
// told without looking into it, so a pointer of another parent or a removed
// object is safe to ask about.
template <class T> class TWJFiledById {
public:
    // Files object under id. When this throws, nothing has changed.
    void file(std::string_view id, T* object)
    {
        const bool added = m_filed.insert(object);
        try {
            auto entry = m_byId.lower_bound(id);
            if (entry == m_byId.end() || !(entry->first == id)) {
                CWJText key;
                key = id;
                entry = m_byId.emplace_hint(entry, std::move(key), nullptr);
            }
            if (entry->second && entry->second != object)
                m_filed.erase(entry->second);
            entry->second = object;
        } catch (...) {
            if (added)
                m_filed.erase(object);
            throw;
        }
    }

    // Takes object out of the index; nothing when it is not filed under id.
    void unfile(std::string_view id, const T* object)
    {
        const auto found = m_byId.find(id);
        if (found != m_byId.end() && found->second == object) {
            m_byId.erase(found);
            m_filed.erase(object);
        }
    }

    bool holds(const T* object) const { return m_filed.contains(object); }

    T* find(std::string_view id) const
    {
        const auto found = m_byId.find(id);
        return found == m_byId.end() ? nullptr : found->second;
    }

    using ById = typename TWJTextKeyIterator<T*>::Items;

    const ById& byId() const { return m_byId; }
    // An enumerator over a copy of the index, for the interfaces.
    IInterfaceObjectIterMap<std::string, T*>* enumerate() const { return new TWJTextKeyIterator<T*>(m_byId); }

private:
    ById m_byId;
    CWJPointerSet m_filed;
};

#endif
