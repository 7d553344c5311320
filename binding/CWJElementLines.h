#ifndef WJXML_BINDING_CWJELEMENTLINES_H
#define WJXML_BINDING_CWJELEMENTLINES_H

#include <xercesc/util/XercesDefs.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class DOMElement;
XERCES_CPP_NAMESPACE_END

// The line of the file on which an element's start tag ends, kept as user
// data of the element under a key of the library's own. The number is the
// user data pointer itself, so that keeping it costs only the entry of the
// document's user data table, and it lives and goes with the document.
class CWJElementLines {
public:
    static void keep(xercesc::DOMElement* element, unsigned long long line);
    // 0 when no line was kept for element, or element is null.
    static unsigned long long lineOf(const xercesc::DOMElement* element);
};

#endif
