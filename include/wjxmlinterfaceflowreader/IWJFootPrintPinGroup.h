#ifndef WJXMLINTERFACEFLOWREADER_IWJFOOTPRINTPINGROUP_H
#define WJXMLINTERFACEFLOWREADER_IWJFOOTPRINTPINGROUP_H

#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <string>

class IWJFootPrintPin;

// A set of pins of one footprint; the pins stay owned by the footprint.
class WJ_API IWJFootPrintPinGroup
{
public:
    IWJFootPrintPinGroup();
    IWJFootPrintPinGroup(const IWJFootPrintPinGroup&);
    IWJFootPrintPinGroup& operator=(const IWJFootPrintPinGroup&);
    // Forgets its pins without deleting them.
    virtual ~IWJFootPrintPinGroup();

    virtual CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> pins() = 0;
    virtual void addPin(IWJFootPrintPin* pin) = 0;
    // Looks up by name, ignoring ASCII letter case.
    virtual IWJFootPrintPin* findPin(const char* name) = 0;
};

#endif
