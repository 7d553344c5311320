#ifndef WJXML_COMPONENTS_CWJCOMPINST_H
#define WJXML_COMPONENTS_CWJCOMPINST_H

#include "binding/TWJRankedNames.h"
#include "components/CWJPort.h"
#include "model/CWJModelObject.h"
#include "model/CWJOwnedObjects.h"
#include "model/CWJUsers.h"
#include "model/TWJFiledById.h"
#include "wjxmlinterfaceflowreader/IWJCompInst.h"

#include <map>
#include <string>
#include <unordered_set>
#include <vector>

class CWJCompBusInterface;
class CWJDesignRoot;
class CWJIdRegistry;

// A component instance, bound to a CompInst element.
//
// Ownership: it owns every port, differential port and bus interface
// constructed under it, in lists of their own, and files each once, when it
// is handed over; the maps by id and by name only index them, so an object
// displaced from a map by a duplicate key, or taken out by removePort, is
// still released with the instance.
class CWJCompInst : public IWJCompInst, public CWJModelObject {
public:
    CWJCompInst(xercesc::DOMElement* element, IWJXMLObject* parent);
    CWJCompInst(xercesc::DOMElement* element, IWJXMLObject* parent, const char* idSeed);
    // Releases its ports and bus interfaces, then takes its element out of
    // the document.
    ~CWJCompInst() override;

    const char* refdes() override;
    void setRefdes(const char* refdes) override;
    const char* cellName() override;
    void setCellName(const char* cellName) override;
    CInterfaceObjectMapIterator<std::string, IWJPort*> ports() override;
    IWJPort* findPort(const char* name) override;
    IWJPort* addPort(const char* name, const char* instancePortName, int type, int numPhysPins, int lsb,
                     int msb) override;
    void removePort(IWJPort* port) override;
    CInterfaceObjectMapIterator<std::string, IWJPort*> differentialPorts() override;
    IWJDPPort* addDifferentialPort(const char* name, const char* instancePortName) override;
    IWJPort* findDifferentialPort(const char* name) override;
    IWJCompBusInterface* addBusInterface(const char* name, const char* definition) override;
    CInterfaceObjectMapIterator<std::string, IWJCompBusInterface*> busInterfaces() override;
    IWJInterfaceView* interfaceView() override;
    IWJPortGroup* findPortGroup(const char* path) override;

    void AddChild(xercesc::DOMElement* childElement, IWJXMLObject* child) override;

    void setId(const char* text);
    IWJPort* findPortById(const char* id);
    IWJPort* findDifferentialPortById(const char* id);
    IWJCompBusInterface* findBusInterfaceById(const char* id);
    // The first top-level group with this id, over the bus interfaces in id
    // order.
    IWJPortGroup* findPortGroupById(const char* id);
    // A top-level group with this id as findPortGroupById finds it, else the
    // first with this id in a depth-first walk of the groups below. Part maps
    // resolve their group maps with these lookups while a file is read, one
    // per map: the groups are indexed once, and the index is dropped whenever
    // a bus interface or group is filed below the instance.
    IWJPortGroup* findPortGroupAtAnyDepthById(const char* id);
    // findPort or findDifferentialPort, and findPortGroup, for an edit: they
    // throw when memory runs out, failing the edit.
    IWJPort* portNamed(const char* name, bool differential) const;
    IWJPortGroup* portGroupAt(const std::string& path);
    void forgetGroupIndex();

    // Whether port is one of this instance's ports as filed by id (what a
    // reload of its id finds), and group one of its bus interfaces or groups.
    // Neither looks into the object, which may be another instance's.
    bool holdsPort(const IWJPort* port) const;
    bool holdsGroup(const IWJPortGroup* group) const;
    // Files a group handed over below one of this instance's bus interfaces.
    void registerGroup(const IWJPortGroup* group);
    // Files a renamed port under its new name and tells the users.
    void portRenamed(IWJPort* port, const std::string& oldKey);
    // Tells the users that the range of port has changed.
    void portRangeChanged(IWJPort* port);
    // The part maps on this instance, filed or not: they follow its ports'
    // renames, range changes and removals, and let go of it when it goes.
    CWJUsers& users() { return m_users; }

    // Makes an instance made under no parent one of view's (root is the
    // view), with its ids and those of everything below it taken as they are.
    void joinRoot(IWJInterfaceView* view, CWJDesignRoot* root);
    // The registry of the ids of the view, or null when the instance belongs
    // to no view.
    CWJIdRegistry* ids() const;
    // The list that owns the ports made under compInst; null without one.
    static CWJOwnedObjects* portsOwnedBy(CWJCompInst* compInst);
    // The list that owns the bus interfaces made under parent; null when
    // parent is not an instance.
    static CWJOwnedObjects* busInterfacesOwnedBy(IWJXMLObject* parent);

private:
    using PortsByName = TWJRankedNames<IWJPort, &CWJPort::rankOf>;

    void registerHandlers();
    // Files a port, differential port or bus interface handed over to it.
    void take(IWJXMLObject* child);
    // Files port, one of its own (a pair or a plain port), by its kind, id
    // and local name.
    void filePort(IWJPort* port, const char* id);
    void insertBusInterface(CWJCompBusInterface* busInterface);
    void indexGroups();
    PortsByName& portsByName(IWJPort* port);

    std::string m_cellName;
    std::string m_refdes;
    TWJFiledById<IWJPort> m_portsById;
    // The ports by the key of their local name and their rank.
    PortsByName m_portsByName;
    TWJFiledById<IWJPort> m_differentialPortsById;
    PortsByName m_differentialPortsByName;
    TWJFiledById<IWJCompBusInterface> m_busInterfacesById;
    IWJInterfaceView* m_view;
    CWJDesignRoot* m_root;
    CWJOwnedObjects m_ownedPorts;
    CWJOwnedObjects m_ownedBusInterfaces;
    // The groups below the bus interfaces by id, valid while m_groupsIndexed.
    std::map<std::string, IWJPortGroup*> m_topLevelGroups;
    std::map<std::string, IWJPortGroup*> m_allGroups;
    bool m_groupsIndexed = false;
    std::unordered_set<const IWJPortGroup*> m_groups;
    CWJUsers m_users;
};

#endif
