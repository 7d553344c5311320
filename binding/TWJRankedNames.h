#ifndef WJXML_BINDING_TWJRANKEDNAMES_H
#define WJXML_BINDING_TWJRANKEDNAMES_H

#include "binding/CWJText.h"

#include <cstddef>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <utility>

// Objects under the key of their name, in the order of their rank (RankOf):
// their place in the file, which never changes. A lookup gives the last of a
// key, as a read of the file does. Filing, erasing and looking up each take
// logarithmic time, however many objects share a key. The rank is asked of
// the filed objects themselves, so an object must be erased before it is
// deleted.
template <class T, std::size_t (*RankOf)(T*)> class TWJRankedNames {
public:
    // Files object under key; an object of the same rank already there stays.
    void file(const std::string& key, T* object)
    {
        Entry entry;
        entry.name = key;
        entry.object = object;
        m_objects.insert(std::move(entry));
    }
    void erase(const std::string& key, T* object)
    {
        const auto found = m_objects.find(Probe{key, RankOf(object)});
        if (found != m_objects.end())
            m_objects.erase(found);
    }
    // Moves object from oldKey to newKey.
    void rename(const std::string& oldKey, const std::string& newKey, T* object)
    {
        if (oldKey == newKey)
            return;
        file(newKey, object);
        erase(oldKey, object);
    }
    // The object of the highest rank under key; null when there is none.
    T* last(const std::string& key) const
    {
        auto after = m_objects.upper_bound(Probe{key, std::numeric_limits<std::size_t>::max()});
        if (after == m_objects.begin())
            return nullptr;
        --after;
        return after->name == key ? after->object : nullptr;
    }

private:
    struct Entry {
        CWJText name;
        T* object;
    };
    // A key to look for, without a copy of its name.
    struct Probe {
        std::string_view name;
        std::size_t rank;
    };
    // By name, then by rank; the rank is asked only of entries of one name.
    struct Order {
        using is_transparent = void;
        static std::string_view nameOf(const Entry& entry) { return entry.name.view(); }
        static std::string_view nameOf(const Probe& probe) { return probe.name; }
        static std::size_t rankOf(const Entry& entry) { return RankOf(entry.object); }
        static std::size_t rankOf(const Probe& probe) { return probe.rank; }
        template <class A, class B> bool operator()(const A& a, const B& b) const
        {
            const int byName = nameOf(a).compare(nameOf(b));
            return byName < 0 || (byName == 0 && rankOf(a) < rankOf(b));
        }
    };

    std::set<Entry, Order> m_objects;
};

#endif
