#ifndef WJXML_BINDING_CWJSPAREELEMENTS_H
#define WJXML_BINDING_CWJSPAREELEMENTS_H

#include <xercesc/util/XercesDefs.hpp>

#include <cstddef>
#include <string>
#include <string_view>
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
    // How many elements of one name are kept at most: enough for the edits
    // that follow a removal to reuse, not all that a large removal frees,
    // which is released as it is faster to.
    static constexpr std::size_t kMostKept = 64;

    // Whether an element of element's name and namespace would be kept.
    bool wants(const xercesc::DOMElement* element) const;
    // Keeps element, which has left its tree and has neither children nor
    // attributes. False, with nothing kept, when there is no memory, as many
    // of its name are kept as may be, or the element carries a line number.
    bool keep(xercesc::DOMElement* element) noexcept;
    // A kept element of that namespace and qualified name, no longer kept,
    // or null.
    xercesc::DOMElement* take(const XMLCh* namespaceURI, const std::u16string& qualifiedName);
    // Forgets every kept element; their document is about to go.
    void clear() { m_shelves.clear(); }

private:
    // The kept elements of one name in one namespace.
    struct Shelf {
        const XMLCh* namespaceURI;
        std::vector<xercesc::DOMElement*> elements;
    };

    // By qualified name: a view of the name the document keeps for its
    // elements, which lives as long as the document.
    std::unordered_map<std::u16string_view, std::vector<Shelf>> m_shelves;

    // The shelf of element's name and namespace, or null.
    const Shelf* shelfOf(const xercesc::DOMElement* element) const;
};

#endif
