#ifndef WJXML_FOOTPRINTS_CWJFOOTPRINTPINGROUP_H
#define WJXML_FOOTPRINTS_CWJFOOTPRINTPINGROUP_H

#include "model/CWJModelObject.h"
#include "model/CWJUsers.h"
#include "wjxmlinterfaceflowreader/IWJFootPrintPinGroup.h"

#include <map>
#include <string>
#include <vector>

class CWJFootPrint;

// A set of pins of a footprint, read from a "PinGroup" element. It neither
// owns its pins nor writes to the document: the part map that uses it writes
// the element, and is told when the pins change and when the group goes.
//
// A group made under a part map (read, or made from pin names) belongs to it
// and is used by it from construction. A group a host makes on its own stays
// the host's; the first part map that maps it uses it from then on. A group
// has at most one user.
class CWJFootPrintPinGroup : public IWJFootPrintPinGroup, public CWJModelObject {
public:
    // A group in owner's list (none for a host's group) that partMap, when
    // given, uses from now on, of pins of footprint.
    CWJFootPrintPinGroup(xercesc::DOMElement* element, CWJOwnedObjects* owner, CWJModelObject* partMap,
                         CWJFootPrint* footprint);
    ~CWJFootPrintPinGroup() override;

    CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> pins() override;
    // Takes only pins of this library, and, once a part map uses the group,
    // only live pins of its footprint.
    void addPin(IWJFootPrintPin* pin) override;
    // The pin with that name now, in any letter case; of several, the one
    // with the greatest id, as a reload finds it.
    IWJFootPrintPin* findPin(const char* name) override;

    const std::map<std::string, IWJFootPrintPin*>& pinsById() const { return m_pinsById; }
    // The part map that uses the group, if any: told of PinsChanged and
    // Deleted.
    CWJUsers& users() { return m_users; }
    // The user's footprint, whose pins the group may take while used.
    void setFootprint(CWJFootPrint* footprint) { m_footprint = footprint; }
    // Replaces the pins, without telling the user.
    void setPins(const std::vector<IWJFootPrintPin*>& pins);

private:
    void registerHandlers();
    // Adds the pin of the footprint whose id is exactly ref.
    void addPinRef(const char* ref);

    std::map<std::string, IWJFootPrintPin*> m_pinsById;
    CWJFootPrint* m_footprint;
    CWJUsers m_users;
};

#endif
