#ifndef WJXMLINTERFACEFLOWREADER_IWJPORTGROUP_H
#define WJXMLINTERFACEFLOWREADER_IWJPORTGROUP_H

#include "wjxmlinterfaceflowreader/CInterfaceObjectIterator.h"
#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <string>

class IWJCompBusInterface;
class IWJPort;
class IWJPortRef;

// A named group of port references, differential ports and child groups below
// a bus interface; bus interfaces present the same operations through
// IWJCompBusInterface.
class WJ_API IWJPortGroup
{
public:
    enum IWJPortGroupType : int { NoType = 0, Bus = 1, VoltageDefn = 2 };

    IWJPortGroup();
    IWJPortGroup(const IWJPortGroup&);
    IWJPortGroup& operator=(const IWJPortGroup&);
    virtual ~IWJPortGroup();

    virtual const char* name() = 0;
    virtual void setName(const char* name) = 0;
    // The dotted name from the bus interface down, in a buffer of the calling
    // thread overwritten by the thread's next call; copy what you keep.
    virtual const char* fullName() = 0;
    virtual IWJPortGroupType groupType() const = 0;
    virtual void setGroupType(IWJPortGroupType type) = 0;
    virtual int numPhysPowerPins() const = 0;
    virtual int numPhysGroundPins() const = 0;
    virtual void setNumPhysPins(int power, int ground) = 0;
    virtual const char* voltage() const = 0;
    // 1 port group, 0 bus interface.
    virtual int groupKind() = 0;
    virtual void setVoltage(const char* voltage) = 0;
    virtual CInterfaceObjectIterator<IWJPortRef*> portRefs() = 0;
    virtual CInterfaceObjectIterator<IWJPort*> differentialPorts() = 0;
    virtual CInterfaceObjectMapIterator<std::string, IWJPortGroup*> portGroups() = 0;
    // lsb and msb are -1 for no value.
    virtual void addPortRef(IWJPort* port, int lsb, int msb) = 0;
    virtual IWJPortGroup* addPortGroup(const char* name, IWJPortGroupType type,
                                       const char* voltage, int numPowerPins,
                                       int numGroundPins) = 0;
    virtual void insertPortGroup(IWJPortGroup* group) = 0;
    // path is dotted, relative to this group.
    virtual IWJPortGroup* findPortGroup(const char* path) = 0;
    virtual IWJCompBusInterface* busInterface() = 0;
};

#endif
