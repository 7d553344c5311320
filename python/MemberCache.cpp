#include "MemberCache.h"

bool MemberCache::contains(const void* container, const void* member, std::uint64_t structure, const Fill& fill)
{
    if (structure != m_structure) {
        m_members.clear();
        m_structure = structure;
    }
    auto found = m_members.find(container);
    if (found == m_members.end()) {
        found = m_members.emplace(container, std::unordered_set<const void*>()).first;
        fill(found->second);
    }
    return found->second.count(member) != 0;
}
