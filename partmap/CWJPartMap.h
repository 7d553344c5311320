#ifndef WJXML_PARTMAP_CWJPARTMAP_H
#define WJXML_PARTMAP_CWJPARTMAP_H

#include "wjxmlinterfaceflowreader/IWJPartMap.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class IWJInterfaceView;

// The mapping of one component instance onto one footprint, bound to a
// PartMap element: ports and single port bits onto pins or pin groups, port
// groups and bus interfaces onto pin groups.
//
// The part map owns the port references it makes (one per port-reference key)
// and the pin groups it makes or reads, mapped or not; pin groups a host
// passes in stay the host's.
class CWJPartMap : public IWJPartMap, public IWJXMLObject {
public:
    CWJPartMap(xercesc::DOMElement* element, IWJXMLObject* parent);
    ~CWJPartMap() override;

    IWJFootPrint* footprint() const override;
    IWJCompInst* compInst() const override;
    void setFootprint(IWJFootPrint* footprint) override;
    void setCompInst(IWJCompInst* compInst) override;
    void mapPortToPinNames(IWJPort* port, const std::vector<std::string>& pinNames, int bit) override;
    void mapPortToPinName(IWJPort* port, const char* pinName, int bit) override;
    void mapPortToPinGroup(IWJPort* port, IWJFootPrintPinGroup* pinGroup, int bit) override;
    void mapPortToPin(IWJPort* port, IWJFootPrintPin* pin, int bit) override;
    void unmapPort(IWJPort* port, int bit) override;
    void mapPortGroupToPinNames(IWJPortGroup* portGroup, const std::vector<std::string>& pinNames) override;
    void mapPortGroupToPinGroup(IWJPortGroup* portGroup, IWJFootPrintPinGroup* pinGroup) override;
    void unmapPortGroup(IWJPortGroup* portGroup) override;
    IWJFootPrintPin* pinForPort(IWJPort* port, int bit) override;
    IWJFootPrintPinGroup* pinGroupForPortGroup(IWJPortGroup* portGroup) override;
    IWJFootPrintPinGroup* pinGroupForPort(IWJPort* port, int bit) override;
    CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPin*> portPinMaps() override;
    CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPinGroup*> portPinGroupMaps() override;
    CInterfaceObjectMapIterator<IWJPortGroup*, IWJFootPrintPinGroup*> portGroupPinGroupMaps() override;
    IWJPortRef* findPortRef(IWJPort* port, int bit) override;

    void AddChild(xercesc::DOMElement* childElement, IWJXMLObject* child) override;

    // The part map's reference for port and bit, made on first use.
    IWJPortRef* obtainPortRef(IWJPort* port, int bit);
    // Removes the items of the container whose reference at refPath is value
    // (and, with a bitPath, whose bit text is bitValue); an emptied container
    // goes too.
    void removeMapElements(const char* container, const char* item, const char* refPath, const char* value,
                           const char* bitPath = nullptr, const char* bitValue = nullptr);

private:
    void registerHandlers();
    void readCompInstRef(const char* id);
    void readPartDefRef(const char* id);
    void readPortReference(const char* id);
    void readBit(const char* text);
    void readPinRef(const char* id);
    void readGroupReference(const char* id);
    // A new unbound pin group, owned by this part map, of the footprint's pins
    // with those names; names the footprint lacks are skipped.
    IWJFootPrintPinGroup* makePinGroup(const std::vector<std::string>& pinNames);
    // The PortMap element of a new mapping, with its port reference and bit.
    xercesc::DOMElement* newPortMapElement(IWJPort* port, int bit);
    void writePinGroup(xercesc::DOMElement* parent, IWJFootPrintPinGroup* pinGroup);
    // Forgets the mappings of the port reference under key and releases it.
    void dropPortRef(const std::string& key);
    // The ids of port and of the instance's other ports under the same key.
    std::vector<std::string> idsSharingKey(IWJPort* port);

    IWJFootPrint* m_footprint = nullptr;
    IWJCompInst* m_compInst = nullptr;
    IWJInterfaceView* m_view = nullptr;
    std::string m_pendingReference;
    int m_pendingBit = -1;
    std::map<IWJPortRef*, IWJFootPrintPin*> m_pinMap;
    std::map<IWJPortRef*, IWJFootPrintPinGroup*> m_pinGroupMap;
    std::map<IWJPortGroup*, IWJFootPrintPinGroup*> m_groupMap;
    std::map<std::string, std::unique_ptr<IWJPortRef>> m_portRefs;
    // For each port and bit mapped, the key its reference was filed under.
    std::map<std::pair<IWJPort*, int>, std::string> m_keys;
    std::vector<std::unique_ptr<IWJFootPrintPinGroup>> m_ownedPinGroups;
};

#endif
