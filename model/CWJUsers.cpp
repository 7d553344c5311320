#include "CWJUsers.h"

#include <algorithm>

std::size_t CWJUsers::placeOf(const CWJModelObject* user) const
{
    if (!m_places)
        return static_cast<std::size_t>(std::find(m_users.begin(), m_users.end(), user) - m_users.begin());
    const auto place = m_places->find(user);
    return place == m_places->end() ? m_users.size() : place->second;
}

void CWJUsers::note(CWJModelObject* user)
{
    if (placeOf(user) != m_users.size())
        return;
    m_users.push_back(user);
    try {
        if (m_places) {
            m_places->emplace(user, m_users.size() - 1);
        } else if (m_users.size() > kUnindexed) {
            auto places = std::make_unique<Places>();
            for (std::size_t i = 0; i < m_users.size(); ++i)
                places->emplace(m_users[i], i);
            m_places = std::move(places);
        }
    } catch (...) {
        m_users.pop_back();
        throw;
    }
}

// The last user takes the place of the one forgotten.
void CWJUsers::forget(const CWJModelObject* user)
{
    const std::size_t index = placeOf(user);
    if (index == m_users.size())
        return;
    if (m_places)
        m_places->erase(user);
    if (index + 1 != m_users.size()) {
        m_users[index] = m_users.back();
        if (m_places)
            m_places->find(m_users[index])->second = index;
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
