#include "CWJSpareElements.h"

#include "CWJElementLines.h"

#include <sanitizer/asan_interface.h>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/util/XMLString.hpp>

#include <algorithm>

using namespace xercesc;

const CWJSpareElements::Shelf* CWJSpareElements::shelfOf(const DOMElement* element) const
{
    const auto found = m_shelves.find(element->getTagName());
    if (found == m_shelves.end())
        return nullptr;
    for (const Shelf& shelf : found->second) {
        if (XMLString::equals(shelf.namespaceURI, element->getNamespaceURI()))
            return &shelf;
    }
    return nullptr;
}

bool CWJSpareElements::wants(const DOMElement* element) const
{
    const Shelf* shelf = shelfOf(element);
    return !shelf || shelf->elements.size() < kMostKept;
}

bool CWJSpareElements::keep(DOMElement* element) noexcept
{
    if (CWJElementLines::lineOf(element) != 0 || !wants(element))
        return false;
    try {
        std::vector<Shelf>& shelves = m_shelves[element->getTagName()];
        const XMLCh* namespaceURI = element->getNamespaceURI();
        auto shelf = std::find_if(shelves.begin(), shelves.end(), [namespaceURI](const Shelf& candidate) {
            return XMLString::equals(candidate.namespaceURI, namespaceURI);
        });
        if (shelf == shelves.end())
            shelf = shelves.insert(shelves.end(), Shelf{namespaceURI, {}});
        shelf->elements.push_back(element);
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
    const auto found = m_shelves.find(qualifiedName);
    if (found == m_shelves.end())
        return nullptr;
    for (Shelf& shelf : found->second) {
        if (!XMLString::equals(shelf.namespaceURI, namespaceURI) || shelf.elements.empty())
            continue;
        DOMElement* element = shelf.elements.back();
        shelf.elements.pop_back();
        ASAN_UNPOISON_MEMORY_REGION(element, sizeof(void*));
        return element;
    }
    return nullptr;
}
