#ifndef IFX_DOM_H
#define IFX_DOM_H

#include "wjxmlinterfaceflowreader.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <xercesc/dom/DOMElement.hpp>

#include <string>
#include <vector>

// What check reads of the elements of a document that the library read with
// element lines kept. Elements are found by local name, so files with and
// without the format's namespace read alike; texts are in UTF-8.
class Dom {
public:
    // The line on which the element's start tag ends.
    static unsigned long long line(const xercesc::DOMElement* element);
    // The character data directly inside the element.
    static std::string text(const xercesc::DOMElement* element);
    // "" for a missing attribute.
    static std::string attribute(const xercesc::DOMElement* element, const char* name);
    // The first child of that name, or null.
    static const xercesc::DOMElement* child(const xercesc::DOMElement* element, const char* name);
    static std::vector<const xercesc::DOMElement*> children(const xercesc::DOMElement* element, const char* name);
    // The children named item of the first child named container.
    static std::vector<const xercesc::DOMElement*> items(const xercesc::DOMElement* element, const char* container,
                                                         const char* item);
    // The text of the first child of that name; "" when there is none.
    static std::string childText(const xercesc::DOMElement* element, const char* name);

    // The element an object of a design read bound was read from.
    template <typename Object> static const xercesc::DOMElement* of(Object* object)
    {
        return dynamic_cast<IWJXMLObject*>(object)->GetDomElement();
    }
    // An instance as check names it: its refdes, else its id.
    static std::string label(IWJCompInst* instance);
};

#endif
