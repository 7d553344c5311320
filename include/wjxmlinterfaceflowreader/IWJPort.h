#ifndef WJXMLINTERFACEFLOWREADER_IWJPORT_H
#define WJXMLINTERFACEFLOWREADER_IWJPORT_H

#include "wjxmlinterfaceflowreader/WJExport.h"

class IWJCompInst;

/// A single-ended port of a component instance (a `Port` element): one
/// signal, or a bus of bits when it has a range. Differential pairs present
/// the same operations through IWJDPPort.
///
/// A port has a name (`Name`, the port of the cell) and may have an instance
/// port name (`InstancePortName`, what the port is called on this instance).
/// Its local name is the instance port name when that is not empty, else the
/// name; the instance finds ports by it and full names are built on it. The
/// instance owns the port; take it out with IWJCompInst::removePort.
class WJ_API IWJPort {
public:
    /// Port type codes, stored as int by type() and setType(); each is
    /// written to `Type` as its word.
    enum IWJPortType : int { Input = 0, Output = 1, Inout = 2, Power = 3, Ground = 4, Unknown = 5 };
    /// @var Input
    /// "input".
    /// @var Output
    /// "output".
    /// @var Inout
    /// "inout": bidirectional.
    /// @var Power
    /// "power": a supply.
    /// @var Ground
    /// "ground".
    /// @var Unknown
    /// No type, written as empty text; a port read without a known word has it.

    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it. Ports are made by IWJCompInst::addPort.
    //@{
    /// Makes the object an instance of the interface.
    IWJPort();
    /// Copies nothing.
    IWJPort(const IWJPort&);
    /// Copies nothing; returns this object.
    IWJPort& operator=(const IWJPort&);
    //@}
    /// Frees the port's texts; called by its instance, never by the host.
    virtual ~IWJPort();

    //@{
    /// 0 for a single-ended port, 1 for a differential pair.
    virtual int portKind() = 0;
    /// Stores a kind in memory only; it does not change what the object is,
    /// nor where its instance filed it.
    virtual void setPortKind(int kind) = 0;
    //@}
    /// The cell name, ".", and the local name, such as U1.DATA, in a static
    /// name buffer of this thread shared by all ports and differential pairs:
    /// the next fullName() of any of them on this thread overwrites it. Copy
    /// what you keep.
    virtual const char* fullName() = 0;
    //@{
    /// The name (`Name`); valid until it changes.
    virtual const char* name() = 0;
    /// Sets the name; null is taken as "". When bound, writes the child
    /// `Name`.
    virtual void setName(const char* name) = 0;
    //@}
    //@{
    /// The instance port name (`InstancePortName`), "" when there is none.
    virtual const char* instancePortName() = 0;
    /// Sets the instance port name; null is taken as "". When bound, writes
    /// the child `InstancePortName`.
    virtual void setInstancePortName(const char* instancePortName) = 0;
    //@}
    //@{
    /// An IWJPortType code, carried as int: setType takes any int. A type
    /// word is read in any ASCII letter case; an unknown word leaves Unknown.
    virtual int type() = 0;
    /// Stores the code, or Unknown for a code outside 0 to 4, as a save and
    /// a read give it back. When bound, writes the child `Type` with the
    /// code's word, or empty text for Unknown.
    virtual void setType(int type) = 0;
    //@}
    //@{
    /// The count of physical pins (`NumPhysPins`); 0 when none is given.
    virtual int numPhysPins() = 0;
    /// Sets the count. When bound, writes the child `NumPhysPins`, as empty
    /// text for 0.
    virtual void setNumPhysPins(int numPhysPins) = 0;
    //@}
    //@{
    /// The first bound of the bit range (`Range` attribute `lsb`); -1 means
    /// no value. The two bounds are kept in the order given; lsb may exceed
    /// msb.
    virtual int lsb() = 0;
    /// The second bound of the bit range (`Range` attribute `msb`); -1 means
    /// no value.
    virtual int msb() = 0;
    /// Sets both bounds, -1 for no value. When bound, writes the `Range`
    /// attributes `lsb` and `msb`, as empty text for -1. The port's bits are
    /// those between the bounds, a missing bound taking the other's value;
    /// with neither it has none. A part map's mappings of single bits the
    /// port no longer has are dropped, in memory and in the document, as
    /// IWJPartMap::unmapPort drops them; mappings of the whole port stay.
    virtual void setRange(int lsb, int msb) = 0;
    //@}
    /// The component instance that owns the port.
    virtual IWJCompInst* compInst() = 0;
};

#endif
