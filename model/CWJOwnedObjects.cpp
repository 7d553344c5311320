#include "CWJOwnedObjects.h"

#include "CWJModelObject.h"

CWJOwnedObjects::~CWJOwnedObjects()
{
    deleteAll();
}

// Each object unlinks itself as it is deleted.
void CWJOwnedObjects::deleteAll(bool unbind)
{
    while (CWJModelObject* object = m_first) {
        if (unbind)
            object->SetDomElement(nullptr);
        delete object;
    }
}

CWJModelObject* CWJOwnedObjects::next(const CWJModelObject* object)
{
    return object->m_next;
}

void CWJOwnedObjects::append(CWJModelObject* object)
{
    object->m_rank = m_made++;
    object->m_previous = m_last;
    if (m_last)
        m_last->m_next = object;
    else
        m_first = object;
    m_last = object;
}

void CWJOwnedObjects::unlink(CWJModelObject* object)
{
    (object->m_previous ? object->m_previous->m_next : m_first) = object->m_next;
    (object->m_next ? object->m_next->m_previous : m_last) = object->m_previous;
    object->m_previous = nullptr;
    object->m_next = nullptr;
}
