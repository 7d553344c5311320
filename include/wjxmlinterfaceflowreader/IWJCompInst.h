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

// A placed component with its ports, differential ports and bus interfaces.
class WJ_API IWJCompInst
{
public:
    IWJCompInst();
    IWJCompInst(const IWJCompInst&);
    IWJCompInst& operator=(const IWJCompInst&);
    // Deletes its ports, differential ports and bus interfaces and removes its
    // element from the document.
    virtual ~IWJCompInst();

    virtual const char* refdes() = 0;
    virtual void setRefdes(const char* refdes) = 0;
    virtual const char* cellName() = 0;
    virtual void setCellName(const char* cellName) = 0;
    virtual CInterfaceObjectMapIterator<std::string, IWJPort*> ports() = 0;
    // Looks up by local name, ignoring ASCII letter case.
    virtual IWJPort* findPort(const char* name) = 0;
    // type is a port type code (IWJPort::IWJPortType); lsb and msb are -1 for
    // no value.
    virtual IWJPort* addPort(const char* name, const char* instancePortName, int type,
                             int numPhysPins, int lsb, int msb) = 0;
    virtual void removePort(IWJPort* port) = 0;
    virtual CInterfaceObjectMapIterator<std::string, IWJPort*> differentialPorts() = 0;
    virtual IWJDPPort* addDifferentialPort(const char* name, const char* instancePortName) = 0;
    // Looks up by local name, ignoring ASCII letter case.
    virtual IWJPort* findDifferentialPort(const char* name) = 0;
    virtual IWJCompBusInterface* addBusInterface(const char* name, const char* definition) = 0;
    virtual CInterfaceObjectMapIterator<std::string, IWJCompBusInterface*> busInterfaces() = 0;
    virtual IWJInterfaceView* interfaceView() = 0;
    // path is dotted: a bus interface name, then child group names.
    virtual IWJPortGroup* findPortGroup(const char* path) = 0;
};

#endif
