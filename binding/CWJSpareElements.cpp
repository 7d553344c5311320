#include "CWJSpareElements.h"

#include "CWJElementLines.h"

#include <sanitizer/asan_interface.h>
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
        // Every use of an element goes through its virtual table: under
        // AddressSanitizer a stale pointer to a kept element is reported as
        // it would be for a released one.
        ASAN_POISON_MEMORY_REGION(element, sizeof(void*));
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
    ASAN_UNPOISON_MEMORY_REGION(element, sizeof(void*));
    return element;
}
