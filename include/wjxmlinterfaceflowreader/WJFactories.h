#ifndef WJXMLINTERFACEFLOWREADER_WJFACTORIES_H
#define WJXMLINTERFACEFLOWREADER_WJFACTORIES_H

#include "wjxmlinterfaceflowreader/IWJXMLObject.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

// The factories the reader registers per element tag, in the order it
// registers them. Each makes a model object under parent, bound to element
// only while the last read binds elements, and returns its IWJXMLObject part.
// An object made under a parent that owns such objects belongs to that
// parent; any other belongs to the caller.

extern "C" WJ_API IWJXMLObject* CreateInterfacePortObject(IWJXMLObject* parent, xercesc::DOMElement* element);
extern "C" WJ_API IWJXMLObject* CreateInterfaceDPPortObject(IWJXMLObject* parent, xercesc::DOMElement* element);
extern "C" WJ_API IWJXMLObject* CreateInterfacePortGroupObject(IWJXMLObject* parent, xercesc::DOMElement* element);
extern "C" WJ_API IWJXMLObject* CreateCompBusInterface(IWJXMLObject* parent, xercesc::DOMElement* element);
extern "C" WJ_API IWJXMLObject* CreateInterfaceCompInst(IWJXMLObject* parent, xercesc::DOMElement* element);
extern "C" WJ_API IWJXMLObject* CreateFootPrintPinObject(IWJXMLObject* parent, xercesc::DOMElement* element);
extern "C" WJ_API IWJXMLObject* CreateFootPrintPinGroupObject(IWJXMLObject* parent, xercesc::DOMElement* element);
extern "C" WJ_API IWJXMLObject* CreateFootPrintObject(IWJXMLObject* parent, xercesc::DOMElement* element);
extern "C" WJ_API IWJXMLObject* CreatePartMapObject(IWJXMLObject* parent, xercesc::DOMElement* element);

#endif
