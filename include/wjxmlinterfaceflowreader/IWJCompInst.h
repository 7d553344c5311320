#ifndef WJXMLINTERFACEFLOWREADER_IWJCOMPINST_H
#define WJXMLINTERFACEFLOWREADER_IWJCOMPINST_H

#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <string>

class IWJCompBusInterface;
class IWJDPPort;
class IWJInterfaceView;
class IWJPort;
class IWJPortGroup;

/// A placed component (a `CompInst` element): its reference designator, its
/// cell name, and the ports, differential ports and bus interfaces it owns.
///
/// The view owns the instance; delete it with
/// IWJInterfaceView::removeCompInst, never directly. Ports are found by their
/// local name: the instance port name when it is not empty, else the name,
/// compared without regard to ASCII letter case. An instance files a port
/// under the names it has when it is added: renaming a port later does not
/// file it again. Ports of another instance are refused wherever a port of
/// this one is expected: the call changes nothing.
class WJ_API IWJCompInst {
public:
    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it. Instances are made by IWJInterfaceView::addCompInst.
    //@{
    /// Makes the object an instance of the interface.
    IWJCompInst();
    /// Copies nothing.
    IWJCompInst(const IWJCompInst&);
    /// Copies nothing; returns this object.
    IWJCompInst& operator=(const IWJCompInst&);
    //@}
    /// Deletes its ports, differential ports and bus interfaces and removes
    /// its element from the document. Called by the view.
    virtual ~IWJCompInst();

    //@{
    /// The reference designator (`Refdes`), such as U1; valid until it
    /// changes.
    virtual const char* refdes() = 0;
    /// Sets the reference designator; null is taken as "". When bound,
    /// writes the child `Refdes`. The id stays as it was made.
    virtual void setRefdes(const char* refdes) = 0;
    //@}
    //@{
    /// The cell name (`CellName`): the component's name, the first part of
    /// the full names of its ports, bus interfaces and groups.
    virtual const char* cellName() = 0;
    /// Sets the cell name; null is taken as "". When bound, writes the child
    /// `CellName`.
    virtual void setCellName(const char* cellName) = 0;
    //@}
    /// The single-ended ports keyed by id, in ascending byte order of the
    /// ids; the handle walks a copy taken now.
    virtual CInterfaceObjectMapIterator<std::string, IWJPort*> ports() = 0;
    /// The single-ended port of that local name, in any ASCII letter case;
    /// null when there is none (or for null).
    virtual IWJPort* findPort(const char* name) = 0;
    /// Makes a single-ended port, owned by the instance. type is an
    /// IWJPort::IWJPortType code; lsb and msb are -1 for no value. The id is
    /// made from instancePortName when that is neither null nor empty, else
    /// from name. When bound, a `Port` element is added to `Ports` (made when
    /// missing) with `id`, `Name`, `InstancePortName` (only when given),
    /// `Type` (empty text for a code outside 0 to 4), `NumPhysPins` (empty
    /// text for 0) and `Range` with `lsb` and `msb` (empty text for -1).
    virtual IWJPort* addPort(const char* name, const char* instancePortName, int type, int numPhysPins, int lsb,
                             int msb) = 0;
    /// Takes a port or differential port of this instance out of the model:
    /// it is no longer listed or found, and its element, its membership of
    /// differential pairs, the references to it in bus interfaces and groups
    /// and its mappings in this instance's part maps leave the document and
    /// memory. The object itself lives on, unused, until the instance is
    /// deleted, so pointers to it do not dangle. Null, or a port this
    /// instance does not hold, changes nothing.
    virtual void removePort(IWJPort* port) = 0;
    /// The differential pairs keyed by id, in ascending byte order of the
    /// ids; each value is an IWJDPPort.
    virtual CInterfaceObjectMapIterator<std::string, IWJPort*> differentialPorts() = 0;
    /// Makes a differential pair, owned by the instance, without members:
    /// set them with IWJDPPort::setPositivePort and
    /// IWJDPPort::setNegativePort. The id is made as for addPort. When bound,
    /// a `DifferentialPort` element is added to `DifferentialPorts` with
    /// `id`, `Name` and `InstancePortName` (only when given).
    virtual IWJDPPort* addDifferentialPort(const char* name, const char* instancePortName) = 0;
    /// The differential pair of that local name, in any ASCII letter case;
    /// null when there is none. Single-ended ports are not found here.
    virtual IWJPort* findDifferentialPort(const char* name) = 0;
    /// Makes a bus interface, owned by the instance, with its id made from
    /// name. When bound, a `BusInterface` element is added to
    /// `BusInterfaces` (made when missing) with `id`, `Name` and
    /// `Definition`. Null texts are taken as "".
    virtual IWJCompBusInterface* addBusInterface(const char* name, const char* definition) = 0;
    /// The bus interfaces keyed by id, in ascending byte order of the ids.
    virtual CInterfaceObjectMapIterator<std::string, IWJCompBusInterface*> busInterfaces() = 0;
    /// The view that owns the instance.
    virtual IWJInterfaceView* interfaceView() = 0;
    /// A bus interface or port group by its full name, as
    /// IWJPortGroup::fullName gives it: "CELL.BUS" or "CELL.BUS.GROUP.SUB".
    /// The first step is not compared; the bus interface name and the first
    /// group name match in any ASCII letter case, deeper group names exactly.
    /// Null when a step matches nothing or the path has no ".".
    virtual IWJPortGroup* findPortGroup(const char* path) = 0;
};

#endif
