#include "CWJSpareElements.h"

#include "CWJElementLines.h"

#include <xercesc/dom/DOMElement.hpp>

using namespace xercesc;

std::u16string CWJSpareElements::keyOf(const XMLCh* namespaceURI, const XMLCh* qualifiedName)
{
    std::u16string key = namespaceURI ? namespaceURI : u"";
    key += u' ';
    key += qualifiedName;
    return key;
}

bool CWJSpareElements::keep(DOMElement* element) noexcept
{
    if (CWJElementLines::lineOf(element) != 0)
        return false;
    try {
        m_spares[keyOf(element->getNamespaceURI(), element->getTagName())].push_back(element);
        return true;
    } catch (...) {
        return false;
    }
}

DOMElement* CWJSpareElements::take(const XMLCh* namespaceURI, const std::u16string& qualifiedName)
{
    const auto found = m_spares.find(keyOf(namespaceURI, qualifiedName.c_str()));
    if (found == m_spares.end() || found->second.empty())
        return nullptr;
    DOMElement* element = found->second.back();
    found->second.pop_back();
    return element;
}
