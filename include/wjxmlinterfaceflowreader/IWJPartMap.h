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

// The mapping of one component instance's ports and port groups onto one
// footprint's pins and pin groups. A bit argument is one bit number, -1
// meaning the whole port.
class WJ_API IWJPartMap
{
public:
    IWJPartMap();
    IWJPartMap(const IWJPartMap&);
    IWJPartMap& operator=(const IWJPartMap&);
    // Removes its element from the document and empties its maps.
    virtual ~IWJPartMap();

    virtual IWJFootPrint* footprint() const = 0;
    virtual IWJCompInst* compInst() const = 0;
    virtual void setFootprint(IWJFootPrint* footprint) = 0;
    virtual void setCompInst(IWJCompInst* compInst) = 0;
    virtual void mapPortToPinNames(IWJPort* port, const std::vector<std::string>& pinNames,
                                   int bit) = 0;
    virtual void mapPortToPinName(IWJPort* port, const char* pinName, int bit) = 0;
    virtual void mapPortToPinGroup(IWJPort* port, IWJFootPrintPinGroup* pinGroup, int bit) = 0;
    virtual void mapPortToPin(IWJPort* port, IWJFootPrintPin* pin, int bit) = 0;
    virtual void unmapPort(IWJPort* port, int bit) = 0;
    virtual void mapPortGroupToPinNames(IWJPortGroup* portGroup,
                                        const std::vector<std::string>& pinNames) = 0;
    virtual void mapPortGroupToPinGroup(IWJPortGroup* portGroup,
                                        IWJFootPrintPinGroup* pinGroup) = 0;
    virtual void unmapPortGroup(IWJPortGroup* portGroup) = 0;
    // The three lookups return null when nothing is mapped.
    virtual IWJFootPrintPin* pinForPort(IWJPort* port, int bit) = 0;
    virtual IWJFootPrintPinGroup* pinGroupForPortGroup(IWJPortGroup* portGroup) = 0;
    virtual IWJFootPrintPinGroup* pinGroupForPort(IWJPort* port, int bit) = 0;
    // Keyed by pointer: the order of these walks is not meaningful.
    virtual CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPin*> portPinMaps() = 0;
    virtual CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPinGroup*> portPinGroupMaps() = 0;
    virtual CInterfaceObjectMapIterator<IWJPortGroup*, IWJFootPrintPinGroup*>
    portGroupPinGroupMaps() = 0;
    virtual IWJPortRef* findPortRef(IWJPort* port, int bit) = 0;
};

#endif
