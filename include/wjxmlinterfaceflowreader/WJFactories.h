#ifndef WJXMLINTERFACEFLOWREADER_WJFACTORIES_H
#define WJXMLINTERFACEFLOWREADER_WJFACTORIES_H

#include "wjxmlinterfaceflowreader/IWJXMLObject.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

/// @file
/// The factories the reader registers per element tag, in the order it
/// registers them (CWJXMLFlowReader::init). Each makes a model object under
/// parent, bound to element only while the last read binds elements, and
/// returns its IWJXMLObject part, or null when memory runs out. Hosts edit
/// the model through the add operations of the interfaces, which also write
/// the elements; these are what the binder calls while it reads a file,
/// handing each finished object to its parent's IWJXMLObject::AddChild.
///
/// Ownership is decided when an object is made: the parent it is made under
/// (a view, an instance, a footprint, a bus interface, a group or a part map
/// of the kind that holds it) owns it from the start, and the caller owns an
/// object made under no such parent. A parent files an object once, when it
/// is handed over, and only one made under it; one never handed over stays
/// unfiled and is released with its parent. A host may also delete an
/// object it made under a parent, through its interface, as long as it has
/// not handed it over: the parent forgets it. A view's AddChild also takes
/// an instance, footprint or part map made under no parent, which then
/// belongs to the view, its ids and those below it taken as they are.

/// Makes a single-ended port (IWJPort) for a `Port` element; a component instance parent owns it from the start,
/// otherwise the caller does.
extern "C" WJ_API IWJXMLObject* CreateInterfacePortObject(IWJXMLObject* parent, xercesc::DOMElement* element);
/// Makes a differential pair (IWJDPPort) for a `DifferentialPort` element; owned as CreateInterfacePortObject says.
extern "C" WJ_API IWJXMLObject* CreateInterfaceDPPortObject(IWJXMLObject* parent, xercesc::DOMElement* element);
/// Makes a port group (IWJPortGroup) for a `PortGroup` element; a bus interface or port group parent owns it from the
/// start, otherwise the caller does.
extern "C" WJ_API IWJXMLObject* CreateInterfacePortGroupObject(IWJXMLObject* parent, xercesc::DOMElement* element);
/// Makes a bus interface (IWJCompBusInterface) for a `BusInterface` element; a component instance parent owns it from
/// the start, otherwise the caller does.
extern "C" WJ_API IWJXMLObject* CreateCompBusInterface(IWJXMLObject* parent, xercesc::DOMElement* element);
/// Makes a component instance (IWJCompInst) for a `CompInst` element; a view parent owns it from the start, otherwise
/// the caller does.
extern "C" WJ_API IWJXMLObject* CreateInterfaceCompInst(IWJXMLObject* parent, xercesc::DOMElement* element);
/// Makes a footprint pin (IWJFootPrintPin) for a `Pin` element; a footprint parent owns it from the start, otherwise
/// the caller does.
extern "C" WJ_API IWJXMLObject* CreateFootPrintPinObject(IWJXMLObject* parent, xercesc::DOMElement* element);
/// Makes a pin group (IWJFootPrintPinGroup) for a `PinGroup` element; a part map parent owns it from the start,
/// otherwise the caller does.
extern "C" WJ_API IWJXMLObject* CreateFootPrintPinGroupObject(IWJXMLObject* parent, xercesc::DOMElement* element);
/// Makes a footprint (IWJFootPrint) for a `Footprint` element; a view parent owns it from the start, otherwise the
/// caller does.
extern "C" WJ_API IWJXMLObject* CreateFootPrintObject(IWJXMLObject* parent, xercesc::DOMElement* element);
/// Makes a part map (IWJPartMap) for a `PartMap` element; a view parent owns it from the start, otherwise the caller
/// does.
extern "C" WJ_API IWJXMLObject* CreatePartMapObject(IWJXMLObject* parent, xercesc::DOMElement* element);

#endif
