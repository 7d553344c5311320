#include "CWJChild.h"

#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

bool CWJChild::handOver(IWJXMLObject* child, const IWJXMLObject* parent)
{
    auto* ours = dynamic_cast<CWJChild*>(child);
    if (!ours || !parent || ours->m_parent != parent || ours->m_handedOver)
        return false;
    ours->m_handedOver = true;
    return true;
}
