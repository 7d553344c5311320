#ifndef WJXMLINTERFACEFLOWREADER_IWJPARTMAP_H
#define WJXMLINTERFACEFLOWREADER_IWJPARTMAP_H

#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <string>
#include <vector>

class IWJCompInst;
class IWJFootPrint;
class IWJFootPrintPin;
class IWJFootPrintPinGroup;
class IWJPort;
class IWJPortGroup;
class IWJPortRef;

/// The mapping of one component instance's ports and port groups onto one
/// footprint's pins (a `PartMap` element), in three kinds:
///
/// - a pin mapping puts a port, or one bit of it, on one pin (`PortMap` with
///   `PinRef`);
/// - a pin-group mapping puts a port, or one bit, on a group of pins
///   (`PortMap` with `PinGroup`);
/// - a group mapping puts a port group or bus interface on a group of pins
///   (`GroupMap` with `PinGroup`).
///
/// A bit argument is one bit number, -1 meaning the whole port. Each mapping
/// is written into the element at once when the part map is bound; a `PortMap`
/// names the port by its id in `PortRefNoRange` (with `Bit` for one bit), a
/// `GroupMap` the group in `PortGroupRef` or `BusInterfaceRef`, and a
/// `PinGroup` its pins in `PinRef` elements, in id order. Mapping a port, bit
/// or group that is already mapped replaces the old mapping, in memory and in
/// the document.
///
/// A file may repeat a mapping: several `PortMap` elements for one port and
/// bit, or `GroupMap` elements for one group, as earlier versions wrote them.
/// A read takes the last of them. The earlier ones stay as read until the
/// mapping is rewritten (setFootprint, setCompInst, a change of its pin
/// group), replaced or unmapped: then they are removed, so that the document
/// states each mapping once and never another kind of mapping than memory.
///
/// The part map keeps one IWJPortRef per port and bit, keyed by the port's
/// local name and the bit without regard to ASCII letter case (two ports whose
/// names differ only in case share one). It owns those references and the
/// pin groups it reads or makes. The mapping operations refuse arguments that
/// do not belong, and the call changes nothing: a port, group or bus
/// interface of another instance, a pin not of the footprint, a pin group of
/// another part map, an object of another view, or null. The view owns the part map; it is deleted
/// with its instance or footprint (IWJInterfaceView::removeCompInst,
/// IWJInterfaceView::removeFootprint), never directly.
class WJ_API IWJPartMap {
public:
    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it. Part maps are made by IWJInterfaceView::addPartMap.
    //@{
    /// Makes the object an instance of the interface.
    IWJPartMap();
    /// Copies nothing.
    IWJPartMap(const IWJPartMap&);
    /// Copies nothing; returns this object.
    IWJPartMap& operator=(const IWJPartMap&);
    //@}
    /// Removes its element from the document and deletes the port
    /// references and pin groups it holds; called by the view.
    virtual ~IWJPartMap();

    /// The footprint mapped onto; null while unset.
    virtual IWJFootPrint* footprint() const = 0;
    /// The component instance mapped; null while unset.
    virtual IWJCompInst* compInst() const = 0;
    /// Sets the footprint and, when bound, writes `PartDefRef` naming its id.
    /// The existing mappings are resolved again on the new footprint by pin
    /// name; what does not resolve there is dropped, in memory and in the
    /// document. Null unsets the footprint (an empty reference is written); a
    /// footprint of another view is refused.
    virtual void setFootprint(IWJFootPrint* footprint) = 0;
    /// Sets the component instance and, when bound, writes `CompInstRef`
    /// naming its id. The existing mappings are resolved again on the new
    /// instance by port name; what does not resolve there is dropped, in
    /// memory and in the document. Null unsets the instance (an empty
    /// reference is written); an instance of another view is refused.
    virtual void setCompInst(IWJCompInst* compInst) = 0;
    /// Maps a port (or one bit) onto a new pin group of the footprint's pins
    /// with these names, in any ASCII letter case, as mapPortToPinGroup does;
    /// names the footprint lacks are skipped, so an empty list maps onto an
    /// empty group. The part map owns the new group.
    virtual void mapPortToPinNames(IWJPort* port, const std::vector<std::string>& pinNames, int bit) = 0;
    /// Maps a port (or one bit) onto the footprint's pin of that name, in any
    /// ASCII letter case, as mapPortToPin does; a name the footprint lacks, or
    /// null, changes nothing.
    virtual void mapPortToPinName(IWJPort* port, const char* pinName, int bit) = 0;
    /// Maps a port (or one bit) onto a pin group of this part map, such as
    /// one that pinGroupForPort() gives. When bound, writes a `PortMap` in
    /// `PortMaps` (made when missing) with `PortRefNoRange` (its `ref` the
    /// port's id, its `Bit` the bit unless -1) and a `PinGroup` of `PinRef`
    /// elements.
    virtual void mapPortToPinGroup(IWJPort* port, IWJFootPrintPinGroup* pinGroup, int bit) = 0;
    /// Maps a port (or one bit) onto one pin of the footprint. When bound,
    /// writes a `PortMap` in `PortMaps` with `PortRefNoRange` and a `PinRef`
    /// naming the pin's id.
    virtual void mapPortToPin(IWJPort* port, IWJFootPrintPin* pin, int bit) = 0;
    /// Removes the pin and pin-group mappings of a port: with bit -1 every
    /// mapping of it, whole and per bit; otherwise that bit's only. The
    /// `PortMap` elements go, and `PortMaps` with the last of them. Unmapped
    /// ports and bits, and null, change nothing.
    virtual void unmapPort(IWJPort* port, int bit) = 0;
    /// Maps a port group or bus interface onto a new pin group of the
    /// footprint's pins with these names, as mapPortToPinNames does.
    virtual void mapPortGroupToPinNames(IWJPortGroup* portGroup, const std::vector<std::string>& pinNames) = 0;
    /// Maps a port group or bus interface onto a pin group of this part map.
    /// When bound, writes a `GroupMap` in `GroupMaps` (made when missing)
    /// with `PortGroupRef` (for a port group) or `BusInterfaceRef` (for a bus
    /// interface) naming its id, and a `PinGroup` of `PinRef` elements.
    virtual void mapPortGroupToPinGroup(IWJPortGroup* portGroup, IWJFootPrintPinGroup* pinGroup) = 0;
    /// Removes the group mapping of a port group or bus interface; its
    /// `GroupMap` elements go, and `GroupMaps` with the last. The pin group
    /// stays with the part map. Unmapped groups and null change nothing.
    virtual void unmapPortGroup(IWJPortGroup* portGroup) = 0;
    /// The pin the port (or that bit) is mapped onto; null when it has no
    /// pin mapping. A whole-port mapping is not found by asking for a bit, nor
    /// a bit's by asking with -1.
    virtual IWJFootPrintPin* pinForPort(IWJPort* port, int bit) = 0;
    /// The pin group the port group or bus interface is mapped onto; null
    /// when it has no group mapping.
    virtual IWJFootPrintPinGroup* pinGroupForPortGroup(IWJPortGroup* portGroup) = 0;
    /// The pin group the port (or that bit) is mapped onto; null when it has
    /// no pin-group mapping.
    virtual IWJFootPrintPinGroup* pinGroupForPort(IWJPort* port, int bit) = 0;
    /// The pin mappings, keyed by the part map's port references (their
    /// port() and bounds tell port and bit); keyed by pointer, so the order
    /// is not meaningful. The handle walks a copy taken now; a reference
    /// lives until its mapping is removed.
    virtual CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPin*> portPinMaps() = 0;
    /// The pin-group mappings, keyed by the part map's port references, in
    /// no meaningful order.
    virtual CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPinGroup*> portPinGroupMaps() = 0;
    /// The group mappings, keyed by port group or bus interface, in no
    /// meaningful order.
    virtual CInterfaceObjectMapIterator<IWJPortGroup*, IWJFootPrintPinGroup*> portGroupPinGroupMaps() = 0;
    /// The part map's reference for that port and bit, made by its first
    /// mapping; null when the port (or bit) was never mapped here or its
    /// mappings were removed.
    virtual IWJPortRef* findPortRef(IWJPort* port, int bit) = 0;
};

#endif
