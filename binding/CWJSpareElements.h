#ifndef WJXML_BINDING_CWJSPAREELEMENTS_H
#define WJXML_BINDING_CWJSPAREELEMENTS_H

#include <xercesc/util/XercesDefs.hpp>

#include <string>
#include <unordered_map>
#include <vector>

XERCES_CPP_NAMESPACE_BEGIN
class DOMElement;
XERCES_CPP_NAMESPACE_END

// Elements that left one document, kept for the next new elements of the
// same name in it. Xerces recycles a released element object but not the
// attribute maps it made for it, so without this an editing session that
// removes and adds elements grows the document's heap for good.
class CWJSpareElements {
public:
    // Keeps element, which has left its tree and has neither children nor
    // attributes. False, with nothing kept, when there is no memory or the
    // element carries a line number.
    bool keep(xercesc::DOMElement* element) noexcept;
    // A kept element of that namespace and qualified name, no longer kept,
    // or null.
    xercesc::DOMElement* take(const XMLCh* namespaceURI, const std::u16string& qualifiedName);
    // Forgets every kept element; their document is about to go.
    void clear() { m_spares.clear(); }

private:
    static std::u16string keyOf(const XMLCh* namespaceURI, const XMLCh* qualifiedName);

    std::unordered_map<std::u16string, std::vector<xercesc::DOMElement*>> m_spares;
};

#endif
