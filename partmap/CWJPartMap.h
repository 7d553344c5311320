#ifndef WJXML_PARTMAP_CWJPARTMAP_H
#define WJXML_PARTMAP_CWJPARTMAP_H

#include "binding/CWJChildCursor.h"
#include "model/CWJModelObject.h"
#include "model/CWJOwnedObjects.h"
#include "wjxmlinterfaceflowreader/IWJPartMap.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

class CWJCompInst;
class CWJFootPrint;
class CWJFootPrintPinGroup;
class CWJDesignRoot;
class CWJPortRef;

// The mapping of one component instance onto one footprint, bound to a
// PartMap element: ports and single port bits onto pins or pin groups, port
// groups and bus interfaces onto pin groups.
//
// Every mapping knows the elements that say it, so the document changes with
// memory: a new mapping of a port bit replaces the old one in both, and
// unmapping removes exactly its elements. Arguments that are not of this part
// map's instance and footprint are refused: the call changes nothing.
//
// Mappings of a port or bit are kept under the port's local name, upper-cased,
// with "<bit>" for a single bit: ports whose names differ only in case share
// one mapping, as they do when the file is read again. Renames move the
// mappings with their port.
//
// The part map owns the port references it makes, for its whole life (a
// host may still hold one after unmapping), and the pin groups made under it.
// It uses those groups, and a host's group once it maps it, which stays the
// host's.
class CWJPartMap : public IWJPartMap, public CWJModelObject {
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

    // Follows the renames, range changes and removals of the instance's
    // ports and the pin changes of its pin groups, and lets go of the
    // instance, footprint or pin group when it is deleted.
    void usedObjectChanged(const CWJModelObject& used, IWJPort* port, Change change) override;
    void changePortRef(CWJPortRef& ref, IWJPort* port, int lsb, int msb) override;
    // Makes a part map made under no parent one of root's.
    void joinRoot(CWJDesignRoot* root) { m_view = root; }
    // A pin group made under this part map, owned and used by it, bound to
    // element.
    CWJFootPrintPinGroup* newPinGroup(xercesc::DOMElement* element);

private:
    // A port or port bit onto a pin or a pin group, with the PortMap elements
    // that say so: more than one only where a file repeats a mapping, whose
    // last one is in effect. The earlier ones are never rewritten: they go
    // when the one in effect is.
    struct PortMapping {
        CWJPortRef* ref = nullptr;
        IWJFootPrintPin* pin = nullptr;
        IWJFootPrintPinGroup* pinGroup = nullptr;
        std::vector<xercesc::DOMElement*> elements;
    };
    struct GroupMapping {
        IWJFootPrintPinGroup* pinGroup = nullptr;
        std::vector<xercesc::DOMElement*> elements;
    };
    using PortMappings = std::map<std::string, PortMapping>;
    using GroupMappings = std::map<IWJPortGroup*, GroupMapping>;

    void registerHandlers();
    void beginPortMap(const char* text);
    void beginGroupMap(const char* text);
    void readCompInstRef(const char* id);
    void readPartDefRef(const char* id);
    void readReference(const char* id);
    void readBit(const char* text);
    void readPinRef(const char* id);

    bool holdsPort(const IWJPort* port) const;
    bool acceptsPin(const IWJFootPrintPin* pin) const;
    // The mapping the lookups find for port and bit, or null.
    const PortMapping* findMapping(IWJPort* port, int bit) const;
    // Whether this part map may map the group: it holds only pins of the
    // footprint and is not used by another part map. A group of this library
    // made by the host is used from now on; a group of the host's own class
    // is taken as it is now.
    bool usablePinGroup(IWJFootPrintPinGroup* pinGroup);
    // A new pin group, owned by this part map, of the footprint's pins with
    // those names; names the footprint lacks are skipped.
    CWJFootPrintPinGroup* makePinGroup(const std::vector<std::string>& pinNames);
    // The PortMap element of a new mapping, with its port reference and bit.
    xercesc::DOMElement* newPortMapElement(IWJPort* port, int bit);
    void writePinGroup(xercesc::DOMElement* parent, IWJFootPrintPinGroup* pinGroup);
    // Writes the PinGroup of the mapping element in effect anew.
    void rewritePinGroup(std::vector<xercesc::DOMElement*>& elements, IWJFootPrintPinGroup* pinGroup);
    // Files the mapping of port and bit, replacing the one under its key;
    // reuse, when given, becomes its reference.
    void fileMapping(IWJPort* port, int bit, IWJFootPrintPin* pin, IWJFootPrintPinGroup* pinGroup,
                     xercesc::DOMElement* element, CWJPortRef* reuse = nullptr);
    void fileGroupMapping(IWJPortGroup* portGroup, IWJFootPrintPinGroup* pinGroup, xercesc::DOMElement* element);
    // Drops a mapping from memory and its elements from the document.
    void dropMapping(PortMappings::iterator mapping);
    void dropGroupMapping(GroupMappings::iterator mapping);
    void removeElements(std::vector<xercesc::DOMElement*>& elements);
    // Removes all but the last of a mapping's elements, which a read
    // replaced by the last, before that one is rewritten.
    void dropSuperseded(std::vector<xercesc::DOMElement*>& elements);
    // Sets the pin group of the mapping under key, and files it in the
    // index by pin group.
    void setPinGroup(PortMapping& mapping, const std::string& key, IWJFootPrintPinGroup* pinGroup);
    void setPinGroup(GroupMapping& mapping, IWJPortGroup* portGroup, IWJFootPrintPinGroup* pinGroup);
    // The keys of the mappings whose reference is to port.
    std::vector<std::string> keysOf(IWJPort* port) const;
    void resolvePinsOn(CWJFootPrint* footprint);
    void resolvePortsOn(CWJCompInst* compInst);
    void portRenamed(IWJPort* port);
    void portRemoved(IWJPort* port);
    void portRangeChanged(IWJPort* port);
    // The instance or footprint used is being deleted while this part map
    // is on it, which only one never handed over can be (the view deletes
    // its own first): every mapping goes, and so does used. Needs no memory.
    void letGo(const CWJModelObject& used);
    // Rewrites the mappings onto a used pin group whose pins changed, or
    // drops them when it is deleted. Needs no memory for Deleted.
    void pinGroupChanged(const CWJFootPrintPinGroup& group, Change change);
    // Runs visit on every pin group this part map uses: those made under it
    // and the host's it maps.
    template <class Visit> void forEachPinGroup(Visit visit);

    CWJFootPrint* m_footprint = nullptr;
    CWJCompInst* m_compInst = nullptr;
    CWJDesignRoot* m_view = nullptr;
    PortMappings m_portMappings;
    // For each port and bit whose reference a mapping holds, its key.
    std::map<std::pair<IWJPort*, int>, std::string> m_keys;
    GroupMappings m_groupMappings;
    // The mappings onto each pin group, by their keys: a change of a pin
    // group reaches exactly its mappings.
    std::set<std::pair<const IWJFootPrintPinGroup*, std::string>> m_portKeysByPinGroup;
    std::set<std::pair<const IWJFootPrintPinGroup*, IWJPortGroup*>> m_portGroupsByPinGroup;
    std::vector<std::unique_ptr<CWJPortRef>> m_portRefs;
    CWJOwnedObjects m_ownedPinGroups;
    // The host's pin groups it uses.
    std::set<CWJFootPrintPinGroup*, std::less<>> m_hostPinGroups;

    // The mapping element being read: where it sits decides what it maps.
    enum class Reading { Nothing, PortMap, GroupMap };
    Reading m_reading = Reading::Nothing;
    std::string m_pendingReference;
    int m_pendingBit = -1;
    xercesc::DOMElement* m_readElement = nullptr;
    CWJChildCursor m_portMapCursor{"PortMaps", "PortMap"};
    CWJChildCursor m_groupMapCursor{"GroupMaps", "GroupMap"};
};

#endif
