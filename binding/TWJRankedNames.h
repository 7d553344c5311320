#ifndef WJXML_BINDING_TWJRANKEDNAMES_H
#define WJXML_BINDING_TWJRANKEDNAMES_H

#include <cstddef>
#include <limits>
#include <map>
#include <string>
#include <utility>

// Objects under the key of their name, in the order of their rank: their
// place in the file. A lookup gives the last of a key, as a read of the file
// does. Filing, erasing and looking up each take logarithmic time, however
// many objects share a key.
template <class T> class TWJRankedNames {
public:
    // Files object, of that rank, under key; an object of the same rank
    // already there stays.
    void file(const std::string& key, std::size_t rank, T* object) { m_objects.emplace(Key(key, rank), object); }
    void erase(const std::string& key, std::size_t rank) { m_objects.erase(Key(key, rank)); }
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
        auto after = m_objects.upper_bound(Key(key, std::numeric_limits<std::size_t>::max()));
        if (after == m_objects.begin())
            return nullptr;
        --after;
        return after->first.first == key ? after->second : nullptr;
    }

private:
    using Key = std::pair<std::string, std::size_t>;

    std::map<Key, T*> m_objects;
};

#endif
