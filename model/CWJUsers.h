#ifndef WJXML_MODEL_CWJUSERS_H
#define WJXML_MODEL_CWJUSERS_H

#include "CWJModelObject.h"

#include <cstddef>
#include <memory>
#include <unordered_map>
#include <vector>

class IWJPort;

// The objects that use one object (the part maps on a component instance, a
// footprint or a pin group, whether filed or not), each listed once. The
// used object tells them of its changes, and that it goes, so that none
// keeps a pointer to it; a user leaves the list when it stops using the
// object or is deleted. Noting and forgetting take constant time, however
// many users there are (thousands of part maps may share one footprint); an
// object with few users, as most have, pays for no index.
class CWJUsers {
public:
    CWJUsers() = default;
    CWJUsers(const CWJUsers&) = delete;
    CWJUsers& operator=(const CWJUsers&) = delete;

    // Lists user, once. When this throws, nothing has changed.
    void note(CWJModelObject* user);
    // Needs no memory.
    void forget(const CWJModelObject* user);
    // Calls usedObjectChanged on every user, which may forget itself
    // meanwhile. Needs no memory of its own.
    void tell(const CWJModelObject& used, IWJPort* port, CWJModelObject::Change change);
    // In no particular order.
    const std::vector<CWJModelObject*>& list() const { return m_users; }

private:
    using Places = std::unordered_map<const CWJModelObject*, std::size_t>;

    // Up to this many users are found by looking at each.
    static constexpr std::size_t kUnindexed = 8;

    // The place of user in m_users; its size when user is not listed.
    std::size_t placeOf(const CWJModelObject* user) const;

    std::vector<CWJModelObject*> m_users;
    // Each user's place in m_users, from the first time there were more
    // than kUnindexed users on.
    std::unique_ptr<Places> m_places;
};

#endif
