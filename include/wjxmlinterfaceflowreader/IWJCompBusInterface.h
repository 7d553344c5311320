#ifndef WJXMLINTERFACEFLOWREADER_IWJCOMPBUSINTERFACE_H
#define WJXMLINTERFACEFLOWREADER_IWJCOMPBUSINTERFACE_H

#include "wjxmlinterfaceflowreader/IWJPortGroup.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

class IWJCompInst;

// A bus interface of a component instance: the top group of its port groups.
// A bus interface has no group type, pin counts or voltage: those operations
// are fixed here, reading 0 or "" and ignoring writes.
class WJ_API IWJCompBusInterface : public IWJPortGroup
{
public:
    IWJCompBusInterface();
    IWJCompBusInterface(const IWJCompBusInterface&);
    IWJCompBusInterface& operator=(const IWJCompBusInterface&);
    virtual ~IWJCompBusInterface();

    virtual const char* definition() = 0;
    virtual void setDefinition(const char* definition) = 0;
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
