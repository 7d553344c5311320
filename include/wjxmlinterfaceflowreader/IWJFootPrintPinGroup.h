#ifndef WJXMLINTERFACEFLOWREADER_IWJFOOTPRINTPINGROUP_H
#define WJXMLINTERFACEFLOWREADER_IWJFOOTPRINTPINGROUP_H

#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/WJExport.h"

#include <string>

class IWJFootPrintPin;

/// A set of pins of one part map's footprint (a `PinGroup` element) that a
/// port, a port group or a bus interface is mapped onto as a whole.
///
/// Pin groups belong to a part map: it reads them from its file or makes them
/// (IWJPartMap::mapPortToPinNames, IWJPartMap::mapPortGroupToPinNames) and
/// deletes them with itself; the host never deletes one. The pins stay owned
/// by their footprint. The group is written by the part map when it is
/// mapped: pins added afterwards change only memory.
class WJ_API IWJFootPrintPinGroup {
public:
    /// @name Construction and copying
    /// The interface holds no state: these only make an object an instance
    /// of it.
    //@{
    /// Makes the object an instance of the interface.
    IWJFootPrintPinGroup();
    /// Copies nothing.
    IWJFootPrintPinGroup(const IWJFootPrintPinGroup&);
    /// Copies nothing; returns this object.
    IWJFootPrintPinGroup& operator=(const IWJFootPrintPinGroup&);
    //@}
    /// Forgets its pins without deleting them; called by its part map.
    virtual ~IWJFootPrintPinGroup();

    /// The pins keyed by id, in ascending byte order of the ids.
    virtual CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> pins() = 0;
    /// Adds a pin of the part map's footprint, once (adding it again changes
    /// nothing). A pin of another footprint, or null, is refused.
    virtual void addPin(IWJFootPrintPin* pin) = 0;
    /// The member pin of that name, in any ASCII letter case; null when
    /// there is none.
    virtual IWJFootPrintPin* findPin(const char* name) = 0;
};

#endif
