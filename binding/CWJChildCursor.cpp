#include "CWJChildCursor.h"

#include "CWJDOM2DesignData.h"

using xercesc::DOMElement;

CWJChildCursor::CWJChildCursor(const char* container, const char* item) : m_container(container), m_item(item) {}

DOMElement* CWJChildCursor::next(DOMElement* holder)
{
    if (!holder)
        return nullptr;
    CWJDOM2DesignData* binder = getDesignData();
    DOMElement* candidate = nullptr;
    if (m_last) {
        candidate = m_last->getNextElementSibling();
    } else {
        std::size_t count = 0;
        DOMElement* container = binder->GetNthElement(binder->GetElementList(holder, m_container.c_str(), &count), 0);
        candidate = container ? container->getFirstElementChild() : nullptr;
    }
    while (candidate && !binder->MatchNodeName(candidate, m_item.c_str()))
        candidate = candidate->getNextElementSibling();
    m_last = candidate;
    return candidate;
}
