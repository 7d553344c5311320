#include "CWJUsers.h"

#include <algorithm>

void CWJUsers::note(CWJModelObject* user)
{
    if (std::find(m_users.begin(), m_users.end(), user) == m_users.end())
        m_users.push_back(user);
}

void CWJUsers::forget(const CWJModelObject* user)
{
    m_users.erase(std::remove(m_users.begin(), m_users.end(), user), m_users.end());
}

// From the last: a user that forgets itself moves only those already told.
void CWJUsers::tell(const CWJModelObject& used, IWJPort* port, CWJModelObject::Change change)
{
    for (std::size_t i = m_users.size(); i-- > 0;) {
        if (i < m_users.size())
            m_users[i]->usedObjectChanged(used, port, change);
    }
}
