#ifndef WJXMLINTERFACEFLOWREADER_WJFACTORIES_H
#define WJXMLINTERFACEFLOWREADER_WJFACTORIES_H

#include "wjxmlinterfaceflowreader/IWJXMLObject.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

// The factories the reader registers per element tag. Each makes the model
// object of one element, bound to element only while the last read asked for
// bound elements, and returns its IWJXMLObject part, or null when memory runs
// out. Whoever receives the object owns it and deletes it through its model
// interface.

extern "C" WJ_API IWJXMLObject* CreateFootPrintObject(IWJXMLObject* parent, xercesc::DOMElement* element);
extern "C" WJ_API IWJXMLObject* CreateFootPrintPinObject(IWJXMLObject* parent, xercesc::DOMElement* element);
extern "C" WJ_API IWJXMLObject* CreateFootPrintPinGroupObject(IWJXMLObject* parent, xercesc::DOMElement* element);

#endif
