#ifndef WJXML_MODEL_CWJUSERS_H
#define WJXML_MODEL_CWJUSERS_H

#include "CWJModelObject.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

class IWJPort;

// The objects that use one object (the part maps on a component instance or
// a footprint, whether filed or not), each listed once. The used object
// tells them of its changes, and that it goes, so that none keeps a pointer
// to it; a user leaves the list when it stops using the object or is
// deleted. Noting and forgetting take constant time, however many users
// there are (thousands of part maps may share one footprint).
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
    std::vector<CWJModelObject*> m_users;
    // Each user's place in m_users.
    std::unordered_map<const CWJModelObject*, std::size_t> m_places;
};

#endif
