#include "CWJModelObject.h"

#include "CWJOwnedObjects.h"
#include "binding/CWJIdRegistry.h"

CWJModelObject::CWJModelObject(xercesc::DOMElement* element, Kind kind, CWJOwnedObjects* owner)
    : IWJXMLObject(element), m_owner(owner), m_kind(kind)
{
    if (m_owner)
        m_owner->append(this);
}

CWJModelObject::~CWJModelObject()
{
    if (m_owner)
        m_owner->unlink(this);
}

bool CWJModelObject::handOverTo(const CWJOwnedObjects& owner)
{
    if (m_owner != &owner || m_handedOver)
        return false;
    m_handedOver = true;
    return true;
}

bool CWJModelObject::joinOwner(CWJOwnedObjects& owner, Kind kind)
{
    if (m_owner || m_handedOver || m_kind != kind)
        return false;
    m_owner = &owner;
    m_owner->append(this);
    return true;
}

void CWJModelObject::takeId(CWJIdRegistry* ids) const
{
    if (ids && !m_id.empty())
        ids->take(m_id.c_str());
}

void CWJModelObject::usedObjectChanged(const CWJModelObject&, IWJPort*, Change) {}

void CWJModelObject::changePortRef(CWJPortRef&, IWJPort*, int, int) {}
