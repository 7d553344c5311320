#include "CWJUsers.h"

void CWJUsers::note(CWJModelObject* user)
{
    if (m_places.count(user) != 0)
        return;
    m_users.push_back(user);
    try {
        m_places.emplace(user, m_users.size() - 1);
    } catch (...) {
        m_users.pop_back();
        throw;
    }
}

// The last user takes the place of the one forgotten.
void CWJUsers::forget(const CWJModelObject* user)
{
    const auto place = m_places.find(user);
    if (place == m_places.end())
        return;
    const std::size_t index = place->second;
    m_places.erase(place);
    if (index + 1 != m_users.size()) {
        m_users[index] = m_users.back();
        m_places.find(m_users[index])->second = index;
    }
    m_users.pop_back();
}

// From the last: a user that forgets itself is replaced by one already told.
void CWJUsers::tell(const CWJModelObject& used, IWJPort* port, CWJModelObject::Change change)
{
    for (std::size_t i = m_users.size(); i-- > 0;) {
        if (i < m_users.size())
            m_users[i]->usedObjectChanged(used, port, change);
    }
}
