#ifndef WJXMLINTERFACEFLOWREADER_IWJCOMPBUSINTERFACE_H
#define WJXMLINTERFACEFLOWREADER_IWJCOMPBUSINTERFACE_H

#include "wjxmlinterfaceflowreader/IWJPortGroup.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

class IWJCompInst;

/// A bus interface of a component instance (a `BusInterface` element): a
/// named interface with a definition text, the top group of its port groups.
///
/// It holds port references, differential pairs and port groups as a port
/// group does. groupKind() is 0, busInterface() null, and its full name is
/// the cell name, ".", and its name (such as FPGA_BGA56.DDR), in a static
/// name buffer of this thread for bus interfaces. A bus interface has no group type, pin counts or voltage:
/// through IWJPortGroup those read 0 or "" and their setters change nothing.
/// The instance owns its bus interfaces.
class WJ_API IWJCompBusInterface : public IWJPortGroup {
public:
    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it. Bus interfaces are made by IWJCompInst::addBusInterface.
    //@{
    /// Makes the object an instance of the interface.
    IWJCompBusInterface();
    /// Copies nothing.
    IWJCompBusInterface(const IWJCompBusInterface&);
    /// Copies nothing; returns this object.
    IWJCompBusInterface& operator=(const IWJCompBusInterface&);
    //@}
    /// Frees the bus interface with the groups and port references made
    /// under it; called by its instance.
    virtual ~IWJCompBusInterface();

    //@{
    /// The definition (`Definition`), a text the library does not interpret,
    /// such as "DDR3 SDRAM x16".
    virtual const char* definition() = 0;
    /// Sets the definition; null is taken as "". When bound, writes the
    /// child `Definition`.
    virtual void setDefinition(const char* definition) = 0;
    //@}
    /// The component instance that owns the bus interface.
    virtual IWJCompInst* compInst() = 0;

private:
    IWJPortGroupType groupType() const override;
    void setGroupType(IWJPortGroupType type) override;
    int numPhysPowerPins() const override;
    int numPhysGroundPins() const override;
    void setNumPhysPins(int power, int ground) override;
    const char* voltage() const override;
    void setVoltage(const char* voltage) override;
};

#endif
