#ifndef WJXML_BINDING_ERASEENTRY_H
#define WJXML_BINDING_ERASEENTRY_H

#include <algorithm>

// Erases from a multimap the first entry of key whose value is value, if
// there is one. Needs no memory.
template <class Multimap, class Value>
void eraseEntry(Multimap& multimap, const typename Multimap::key_type& key, const Value& value)
{
    const auto range = multimap.equal_range(key);
    const auto entry = std::find_if(range.first, range.second, [&value](const auto& e) { return e.second == value; });
    if (entry != range.second)
        multimap.erase(entry);
}

#endif
