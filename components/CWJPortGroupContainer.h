#ifndef WJXML_COMPONENTS_CWJPORTGROUPCONTAINER_H
#define WJXML_COMPONENTS_CWJPORTGROUPCONTAINER_H

#include "binding/CWJChildCursor.h"
#include "model/CWJOwnedObjects.h"
#include "wjxmlinterfaceflowreader/CInterfaceObjectIterator.h"
#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/IWJPortGroup.h"

#include <xercesc/dom/DOMElement.hpp>

#include <list>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CWJCompBusInterface;
class CWJCompInst;
class CWJPortGroup;
class CWJPortRef;
class IWJPort;
class IWJPortRef;
class IWJXMLObject;

// What port groups and bus interfaces hold alike: references to ports, the
// differential ports referenced and child groups, written into the holder's
// element.
//
// Ownership: the container owns every port reference it made and every group
// constructed under its holder, each in a list of its own. The listed
// references and the child-group map only point, so a group displaced from
// the map or filed under a second parent is still released once, by the
// container it was made under; a reference no longer listed stays valid for
// the host that holds it.
class CWJPortGroupContainer {
public:
    // holder: the group or bus interface whose element and handlers these
    // are; busInterface: the root of its tree, whose component instance
    // resolves references (null when there is none).
    CWJPortGroupContainer(CWJModelObject* holder, CWJCompBusInterface* busInterface);
    ~CWJPortGroupContainer();
    CWJPortGroupContainer(const CWJPortGroupContainer&) = delete;
    CWJPortGroupContainer& operator=(const CWJPortGroupContainer&) = delete;

    CInterfaceObjectIterator<IWJPortRef*> portRefs() const;
    CInterfaceObjectIterator<IWJPort*> differentialPorts() const;
    CInterfaceObjectMapIterator<std::string, IWJPortGroup*> portGroups() const;
    // The child groups by id, each a CWJPortGroup, without a copy.
    const std::map<std::string, IWJPortGroup*>& groupsById() const { return m_portGroups; }
    // Refers to a port of the holder's instance; returns the reference made
    // for a single-ended port, null otherwise.
    CWJPortRef* addPortRef(IWJPort* port, int lsb, int msb);
    IWJPortGroup* addPortGroup(const char* name, IWJPortGroup::IWJPortGroupType type, const char* voltage,
                               int numPowerPins, int numGroundPins);
    // Moves a group of the same instance below the holder, in memory and in
    // the document; a group cannot move into itself or below itself. A group
    // made under a bus interface or group of the instance and not handed
    // over yet is handed over first.
    void insertPortGroup(IWJPortGroup* group);
    // Follows a dotted path of child group names; ignoreCaseFirst makes the
    // first step ignore ASCII letter case.
    IWJPortGroup* findPortGroup(const char* path, bool ignoreCaseFirst) const;
    IWJPortGroup* findPortGroupById(const char* id) const;
    // The component instance of the holder's bus interface, or null.
    CWJCompInst* compInst() const;

    // The list that owns the groups made under the holder.
    CWJOwnedObjects& ownedGroups() { return m_ownedGroups; }
    // Files a group made under the holder when it is handed over.
    void take(IWJXMLObject* child);
    // Drops the references to port, and their elements, from this container.
    void forgetPort(IWJPort* port);
    // A new root of the tree: the bus interface of every group below.
    void setBusInterface(CWJCompBusInterface* busInterface);
    // Files a child group made under the holder, or takes one out of the
    // child-group map (its element stays).
    void file(CWJPortGroup* group);
    void unfile(CWJPortGroup* group);

    // The holder's changePortRef.
    void changePortRef(CWJPortRef& ref, IWJPort* port, int lsb, int msb);

    // How many listed references containers looked at to find or forget
    // references on the calling thread.
    static thread_local unsigned long long listingSteps;

    // The handlers of the holder's PortRef and DifferentialPortRef elements.
    void beginPortRef(const char* text);
    void readRef(const char* text);
    void beginDifferentialRef(const char* text);
    void readRangeLsb(const char* text);
    void readRangeMsb(const char* text);

private:
    // One PortRef or DifferentialPortRef element of the holder, read or
    // written, with what it refers to.
    struct ListedRef {
        IWJPort* port;
        // Null for a differential port.
        CWJPortRef* portRef;
        // Null while the holder is unbound.
        xercesc::DOMElement* element;
    };
    using ListedRefs = std::list<ListedRef>;

    bool takeMadeGroup(IWJPortGroup* group);
    CWJPortRef* listPort(IWJPort* port, int lsb, int msb, xercesc::DOMElement* readElement);
    ListedRefs::iterator findListed(CWJPortRef& ref);
    // Files a listed reference under the port it now refers to.
    void refile(ListedRefs::iterator listed, IWJPort* port);
    void writeRange(xercesc::DOMElement* refElement, int lsb, int msb);

    CWJModelObject* m_holder;
    CWJCompBusInterface* m_busInterface;
    // In the order of their elements; indexed by port, so that forgetting a
    // port looks only at the references to it, and by reference object, so
    // that changing one of many references to a port finds it at once.
    ListedRefs m_listed;
    std::map<std::pair<const IWJPort*, const ListedRef*>, ListedRefs::iterator> m_listedByPort;
    std::unordered_map<const CWJPortRef*, ListedRefs::iterator> m_listedByRef;
    std::map<std::string, IWJPortGroup*> m_portGroups;
    std::vector<std::unique_ptr<CWJPortRef>> m_ownedPortRefs;
    CWJChildCursor m_portRefCursor{"PortRefs", "PortRef"};
    CWJChildCursor m_differentialRefCursor{"DifferentialPortRefs", "DifferentialPortRef"};
    CWJOwnedObjects m_ownedGroups;
    // The reference made for the PortRef element being read; null when its
    // ref did not resolve, so that its Range changes no other reference.
    CWJPortRef* m_readPortRef = nullptr;
    xercesc::DOMElement* m_readElement = nullptr;
};

#endif
