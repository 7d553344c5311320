#ifndef WJXML_BINDING_CWJCHILDCURSOR_H
#define WJXML_BINDING_CWJCHILDCURSOR_H

#include <xercesc/dom/DOMElement.hpp>

#include <string>

// Follows the items of one container element while the binder reads them in
// document order: a handler that runs once per item asks for the next one and
// so learns which element it is reading, without searching.
class CWJChildCursor {
public:
    // container: the child of the holder that holds the items ("PortMaps");
    // item: the items' tag ("PortMap").
    CWJChildCursor(const char* container, const char* item);

    // The item after the last one given, below holder; null when there is
    // none or holder is null.
    xercesc::DOMElement* next(xercesc::DOMElement* holder);

private:
    std::string m_container;
    std::string m_item;
    xercesc::DOMElement* m_last = nullptr;
};

#endif
