#ifndef WJXML_BINDING_ATTRIBUTEVALUE_H
#define WJXML_BINDING_ATTRIBUTEVALUE_H

#include <xercesc/dom/DOMNode.hpp>

// The value of an attribute node. Xerces keeps a value as the attribute's
// text children, and its own getNodeValue finds them through casts that cost
// some 750 instructions a call, a tenth of a read and a quarter of a save;
// the usual single text child is read directly.
const XMLCh* attributeValue(const xercesc::DOMNode* attribute);

#endif
