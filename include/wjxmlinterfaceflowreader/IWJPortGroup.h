#ifndef WJXMLINTERFACEFLOWREADER_IWJPORTGROUP_H
#define WJXMLINTERFACEFLOWREADER_IWJPORTGROUP_H

#include "wjxmlinterfaceflowreader/CInterfaceObjectIterator.h"
#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <string>

class IWJCompBusInterface;
class IWJPort;
class IWJPortRef;

/// A named group (a `PortGroup` element) of port references, differential
/// pairs and child groups, below a bus interface; groups nest to any depth.
/// Bus interfaces present the same operations through IWJCompBusInterface
/// and are the top of each tree; groupKind() tells the two apart.
///
/// The group or bus interface a group was made under owns it, with the port
/// references it made; the host never deletes either. Ports of another
/// instance than the bus interface's are refused: the call changes nothing.
class WJ_API IWJPortGroup {
public:
    /// What a group stands for; written to `Type` as its word.
    enum IWJPortGroupType : int { NoType = 0, Bus = 1, VoltageDefn = 2 };
    /// @var NoType
    /// No type, written as empty text.
    /// @var Bus
    /// "bus": the group is a bus.
    /// @var VoltageDefn
    /// "voltageDefn": the group defines a supply voltage and its pins.

    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it. Groups are made by addPortGroup.
    //@{
    /// Makes the object an instance of the interface.
    IWJPortGroup();
    /// Copies nothing.
    IWJPortGroup(const IWJPortGroup&);
    /// Copies nothing; returns this object.
    IWJPortGroup& operator=(const IWJPortGroup&);
    //@}
    /// Frees the group, with the groups and port references made under it;
    /// called by its owner. The ports are not touched.
    virtual ~IWJPortGroup();

    //@{
    /// The name (`Name`); valid until it changes.
    virtual const char* name() = 0;
    /// Sets the name; null is taken as "". When bound, writes the child
    /// `Name`. The parent keeps the group filed under its id.
    virtual void setName(const char* name) = 0;
    //@}
    /// The dotted name from the cell down: the cell name, the bus
    /// interface's name, the enclosing groups' names and the group's name,
    /// joined by ".", such as FPGA_BGA56.DDR.LANE0, in a static name buffer
    /// of this thread shared by all groups (bus interfaces have one of their
    /// own), overwritten by the next call; copy what you keep.
    virtual const char* fullName() = 0;
    //@{
    /// The type; NoType unless set or read. A file's `Type` must be exactly
    /// "bus" or "voltageDefn" (letter case counts); another word leaves it.
    virtual IWJPortGroupType groupType() const = 0;
    /// Stores Bus or VoltageDefn, and NoType for any other value, as a
    /// save and a read give it back. When bound, writes the child `Type`
    /// with the word, or empty text for NoType.
    virtual void setGroupType(IWJPortGroupType type) = 0;
    //@}
    //@{
    /// The count of physical power pins (`NumPowerPins`); 0 when none.
    virtual int numPhysPowerPins() const = 0;
    /// The count of physical ground pins (`NumGroundPins`); 0 when none.
    virtual int numPhysGroundPins() const = 0;
    /// Sets both counts. When bound, writes the children `NumPowerPins` and
    /// `NumGroundPins`, each as empty text for 0.
    virtual void setNumPhysPins(int power, int ground) = 0;
    //@}
    /// The voltage (`Voltage`), a text the library does not interpret, such
    /// as "1.5V"; valid until it changes.
    virtual const char* voltage() const = 0;
    /// 1 for a port group, 0 for a bus interface.
    virtual int groupKind() = 0;
    /// Sets the voltage; null is taken as "". When bound, writes the child
    /// `Voltage`.
    virtual void setVoltage(const char* voltage) = 0;
    /// The references to single-ended ports, in the order added; the handle
    /// walks a copy taken now. The group owns the references.
    virtual CInterfaceObjectIterator<IWJPortRef*> portRefs() = 0;
    /// The differential pairs referenced, in the order added.
    virtual CInterfaceObjectIterator<IWJPort*> differentialPorts() = 0;
    /// The child groups keyed by id, in ascending byte order of the ids.
    virtual CInterfaceObjectMapIterator<std::string, IWJPortGroup*> portGroups() = 0;
    /// Adds a reference to a port of the bus interface's instance, lsb and
    /// msb -1 for no value. A single-ended port gets a new IWJPortRef with
    /// the range and, when bound, a `PortRef` in `PortRefs` with `ref`
    /// naming the port's id and a `Range` with the bounds that are not -1. A
    /// differential pair is listed by differentialPorts() and gets a
    /// `DifferentialPortRef` in `DifferentialPortRefs`; the range is
    /// ignored. Adding a port twice gives two references. Null changes
    /// nothing.
    virtual void addPortRef(IWJPort* port, int lsb, int msb) = 0;
    /// Makes a child group, owned by this one, with its id made from name.
    /// When bound, a `PortGroup` is added to `PortGroups` with `id`, `Name`,
    /// `Type`, `Voltage` (only when voltage is not null), `NumPowerPins` and
    /// `NumGroundPins` (empty text for the type NoType and for counts of 0).
    /// A null name is taken as "".
    virtual IWJPortGroup* addPortGroup(const char* name, IWJPortGroupType type, const char* voltage, int numPowerPins,
                                       int numGroundPins) = 0;
    /// Moves an existing port group of the same component instance below
    /// this one, under its id (replacing a child filed under that id), in
    /// memory and, when bound, in the document: its element moves into this
    /// object's `PortGroups`, and its full name follows its new place. It
    /// stays owned where it was made. A group a factory made under a bus
    /// interface or group of this instance, and not handed over yet, is
    /// handed over to that parent first. A group inserted into itself or below
    /// itself, a bus interface, a group of another instance or view, or null,
    /// is refused: nothing changes.
    virtual void insertPortGroup(IWJPortGroup* group) = 0;
    /// A descendant by a dotted path of group names relative to this group,
    /// such as "LANE0" or "LANE0.SUB"; names match exactly (a bus interface
    /// matches the first step in any ASCII letter case). Children are tried
    /// in id order and only the first match of a step is followed. Null when
    /// a step matches nothing.
    virtual IWJPortGroup* findPortGroup(const char* path) = 0;
    /// The bus interface at the top of the group's tree; null for a bus
    /// interface itself.
    virtual IWJCompBusInterface* busInterface() = 0;
};

#endif
