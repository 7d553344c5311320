#ifndef WJXML_PYTHON_MEMBERCACHE_H
#define WJXML_PYTHON_MEMBERCACHE_H

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <unordered_set>

// The members of each container (the ports of an instance, the pins of a
// footprint, ...) as sets, kept until the design's structure changes. The
// module checks against them every model object that the core hands back
// through a reference (a mapped port, a pair's member), so that a reference
// the core failed to drop never reaches Python.
class MemberCache {
public:
    using Fill = std::function<void(std::unordered_set<const void*>&)>;

    bool contains(const void* container, const void* member, std::uint64_t structure, const Fill& fill);

private:
    std::unordered_map<const void*, std::unordered_set<const void*>> m_members;
    std::uint64_t m_structure = 0;
};

#endif
