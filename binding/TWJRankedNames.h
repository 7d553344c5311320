#ifndef WJXML_BINDING_TWJRANKEDNAMES_H
#define WJXML_BINDING_TWJRANKEDNAMES_H

#include "binding/CWJText.h"

#include <cstddef>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <utility>

// Objects under the key of their name, in the order of their rank: their
// place in the file. A lookup gives the last of a key, as a read of the file
// does. Filing, erasing and looking up each take logarithmic time, however
// many objects share a key.
template <class T> class TWJRankedNames {
public:
    // Files object, of that rank, under key; an object of the same rank
    // already there stays.
    void file(const std::string& key, std::size_t rank, T* object)
    {
        Key filed;
        filed.name = key;
        filed.rank = rank;
        m_objects.emplace(std::move(filed), object);
    }
    void erase(const std::string& key, std::size_t rank)
    {
        const auto found = m_objects.find(Probe{key, rank});
        if (found != m_objects.end())
            m_objects.erase(found);
    }
    // Moves the object of that rank from oldKey to newKey.
    void rename(const std::string& oldKey, const std::string& newKey, std::size_t rank, T* object)
    {
        if (oldKey == newKey)
            return;
        file(newKey, rank, object);
        erase(oldKey, rank);
    }
    // The object of the highest rank under key; null when there is none.
    T* last(const std::string& key) const
    {
        auto after = m_objects.upper_bound(Probe{key, std::numeric_limits<std::size_t>::max()});
        if (after == m_objects.begin())
            return nullptr;
        --after;
        return after->first.name == key ? after->second : nullptr;
    }

private:
    struct Key {
        CWJText name;
        std::size_t rank;
    };
    // A key to look for, without a copy of its name.
    struct Probe {
        std::string_view name;
        std::size_t rank;
    };
    // By name, then by rank.
    struct Order {
        using is_transparent = void;
        static std::string_view nameOf(const Key& key) { return key.name.view(); }
        static std::string_view nameOf(const Probe& probe) { return probe.name; }
        template <class A, class B> bool operator()(const A& a, const B& b) const
        {
            const int byName = nameOf(a).compare(nameOf(b));
            return byName < 0 || (byName == 0 && a.rank < b.rank);
        }
    };

    std::map<Key, T*, Order> m_objects;
};

#endif
