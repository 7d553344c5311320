#ifndef WJXML_FOOTPRINTS_CWJFOOTPRINTPINGROUP_H
#define WJXML_FOOTPRINTS_CWJFOOTPRINTPINGROUP_H

#include "model/CWJModelObject.h"
#include "wjxmlinterfaceflowreader/IWJFootPrintPinGroup.h"

#include <map>
#include <string>
#include <vector>

class CWJPinGroupWatcher;
class IWJPartMap;

// A set of pins of the part map's footprint, read from a "PinGroup" element.
// It neither owns its pins nor writes to the document: the part map it
// belongs to writes the element, and is told when the pins change.
//
// A group made under a part map (read, or made from pin names) belongs to it
// from construction. A group a host makes on its own stays the host's; the
// first part map that maps it watches it from then on.
class CWJFootPrintPinGroup : public IWJFootPrintPinGroup, public CWJModelObject {
public:
    CWJFootPrintPinGroup(xercesc::DOMElement* element, IWJXMLObject* parent);
    ~CWJFootPrintPinGroup() override;

    CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> pins() override;
    // Takes only pins of this library, and, once the group belongs to a part
    // map, only live pins of its footprint.
    void addPin(IWJFootPrintPin* pin) override;
    // The pin with that name now, in any letter case; of several, the one
    // with the greatest id, as a reload finds it.
    IWJFootPrintPin* findPin(const char* name) override;

    const std::map<std::string, IWJFootPrintPin*>& pinsById() const { return m_pinsById; }
    CWJPinGroupWatcher* watcher() const { return m_watcher; }
    void watch(CWJPinGroupWatcher* watcher) { m_watcher = watcher; }
    // Replaces the pins, without telling the watcher.
    void setPins(const std::vector<IWJFootPrintPin*>& pins);

private:
    void registerHandlers();
    // Adds the pin of the part map's footprint whose id is exactly ref.
    void addPinRef(const char* ref);

    std::map<std::string, IWJFootPrintPin*> m_pinsById;
    IWJPartMap* m_partMap = nullptr;
    CWJPinGroupWatcher* m_watcher = nullptr;
};

#endif
