#ifndef WJXML_FOOTPRINTS_CWJFOOTPRINTPINGROUP_H
#define WJXML_FOOTPRINTS_CWJFOOTPRINTPINGROUP_H

#include "wjxmlinterfaceflowreader/IWJFootPrintPinGroup.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <map>
#include <string>

class IWJPartMap;

// A set of pins of the part map's footprint, read from a "PinGroup" element.
// It neither owns its pins nor writes to the document: the part map writes
// the element.
class CWJFootPrintPinGroup : public IWJFootPrintPinGroup, public IWJXMLObject {
public:
    CWJFootPrintPinGroup(xercesc::DOMElement* element, IWJXMLObject* parent);
    ~CWJFootPrintPinGroup() override;

    CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> pins() override;
    // Takes only pins of this library: they carry the id the group is keyed by.
    void addPin(IWJFootPrintPin* pin) override;
    IWJFootPrintPin* findPin(const char* name) override;

private:
    void registerHandlers();
    // Adds the pin of the part map's footprint whose id is exactly ref.
    void addPinRef(const char* ref);

    std::map<std::string, IWJFootPrintPin*> m_pinsById;
    std::map<std::string, IWJFootPrintPin*> m_pinsByName;
    IWJPartMap* m_partMap = nullptr;
};

#endif
