#include "CWJCompInst.h"

#include "CWJCompBusInterface.h"
#include "CWJDPPort.h"
#include "CWJPort.h"
#include "CWJPortGroup.h"
#include "CWJPortGroupContainer.h"
#include "binding/BoundProperty.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/CWJDesignRoot.h"
#include "binding/ModelText.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/createBoundObject.h"
#include "binding/toUpperKey.h"
#include "wjxmlinterfaceflowreader/IWJInterfaceView.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <algorithm>
#include <iterator>
#include <new>

namespace {

template <class T> T* lookUp(const std::map<std::string, T*>& map, const std::string& key)
{
    const auto found = map.find(key);
    return found == map.end() ? nullptr : found->second;
}

} // namespace

CWJCompInst::CWJCompInst(xercesc::DOMElement* element, IWJXMLObject* parent)
    : CWJModelObject(element, Kind::CompInst, CWJDesignRoot::compInstsOwnedBy(parent)),
      m_view(dynamic_cast<IWJInterfaceView*>(parent)), m_root(dynamic_cast<CWJDesignRoot*>(parent))
{
    registerHandlers();
}

CWJCompInst::CWJCompInst(xercesc::DOMElement* element, IWJXMLObject* parent, const char* idSeed)
    : CWJCompInst(element, parent)
{
    setId(idSeed);
}

CWJCompInst::~CWJCompInst()
{
    m_users.tell(*this, nullptr, Change::Deleted);
    m_ownedBusInterfaces.deleteAll();
    m_ownedPorts.deleteAll();
    getDesignData()->RemoveDOMNode(GetDomElement());
    SetDomElement(nullptr);
}

void CWJCompInst::registerHandlers()
{
    static const std::vector<std::string> sequence{"Refdes", "CellName", "Ports", "DifferentialPorts", "BusInterfaces"};
    getDesignData()->RegisterTagSequence("CompInst", sequence);
    using Functor = TWJXMLObjFunctor<CWJCompInst>;
    static const std::vector<ClassHandler> handlers{Functor::tag<&CWJCompInst::setRefdes>("Refdes"),
                                                    Functor::tag<&CWJCompInst::setCellName>("CellName"),
                                                    Functor::attribute<&CWJCompInst::setId>("id")};
    RegisterClassHandlers(&handlers);
}

const char* CWJCompInst::refdes()
{
    return m_refdes.c_str();
}

void CWJCompInst::setRefdes(const char* refdes)
{
    storeTagText(*this, m_refdes, "Refdes", refdes);
}

const char* CWJCompInst::cellName()
{
    return m_cellName.c_str();
}

void CWJCompInst::setCellName(const char* cellName)
{
    storeTagText(*this, m_cellName, "CellName", cellName);
}

CInterfaceObjectMapIterator<std::string, IWJPort*> CWJCompInst::ports()
try {
    return CInterfaceObjectMapIterator<std::string, IWJPort*>(m_portsById.enumerate());
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

IWJPort* CWJCompInst::findPort(const char* name)
try {
    return portNamed(name, false);
} catch (...) {
    noteLookupOutOfMemory();
    return nullptr;
}

IWJPort* CWJCompInst::portNamed(const char* name, bool differential) const
{
    return (differential ? m_differentialPortsByName : m_portsByName).last(toUpperKey(name));
}

IWJPort* CWJCompInst::addPort(const char* name, const char* instancePortName, int type, int numPhysPins, int lsb,
                              int msb)
try {
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* element =
        binder->CreateDOMNode(binder->CreateDOMNode(GetDomElement(), "Ports", false), "Port", true);
    const bool hasInstancePortName = instancePortName && *instancePortName;
    // Owned by this instance from its construction on.
    auto* port = new CWJPort(element, this, hasInstancePortName ? instancePortName : name);
    port->setName(name);
    if (hasInstancePortName)
        port->setInstancePortName(instancePortName);
    port->setRange(lsb, msb);
    port->setType(type);
    port->setNumPhysPins(numPhysPins);
    take(port);
    return port;
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

// The port leaves the model, but its object lives on, unfiled, until the
// instance is released, so that no pointer handed out dangles. Its element,
// its place as a member of differential ports, every reference to it in the
// bus interfaces and groups and its mappings in the part maps leave the
// document.
void CWJCompInst::removePort(IWJPort* port)
try {
    if (!holdsPort(port))
        return;
    const std::string id = CWJPort::idOf(port);
    m_portsById.unfile(id, port);
    m_differentialPortsById.unfile(id, port);
    portsByName(port).erase(CWJPort::localNameKey(port), port);

    CWJModelObject* object = CWJModelObject::of(port);
    getDesignData()->RemoveDOMNode(object->GetDomElement());
    object->SetDomElement(nullptr);
    CWJPort::leaveUsers(port);
    m_users.tell(*this, port, Change::PortRemoved);
} catch (...) {
    noteOutOfMemory(this);
}

CInterfaceObjectMapIterator<std::string, IWJPort*> CWJCompInst::differentialPorts()
try {
    return CInterfaceObjectMapIterator<std::string, IWJPort*>(m_differentialPortsById.enumerate());
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

IWJDPPort* CWJCompInst::addDifferentialPort(const char* name, const char* instancePortName)
try {
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* element = binder->CreateDOMNode(
        binder->CreateDOMNode(GetDomElement(), "DifferentialPorts", false), "DifferentialPort", true);
    const bool hasInstancePortName = instancePortName && *instancePortName;
    // Owned by this instance from its construction on.
    auto* port = new CWJDPPort(element, this, hasInstancePortName ? instancePortName : name);
    port->setName(name);
    if (hasInstancePortName)
        port->setInstancePortName(instancePortName);
    take(port);
    return port;
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

IWJPort* CWJCompInst::findDifferentialPort(const char* name)
try {
    return portNamed(name, true);
} catch (...) {
    noteLookupOutOfMemory();
    return nullptr;
}

IWJCompBusInterface* CWJCompInst::addBusInterface(const char* name, const char* definition)
try {
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* element =
        binder->CreateDOMNode(binder->CreateDOMNode(GetDomElement(), "BusInterfaces", false), "BusInterface", true);
    // Owned by this instance from its construction on.
    auto* busInterface = new CWJCompBusInterface(element, this, name);
    busInterface->setName(name);
    busInterface->setDefinition(definition);
    take(busInterface);
    return busInterface;
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

CInterfaceObjectMapIterator<std::string, IWJCompBusInterface*> CWJCompInst::busInterfaces()
try {
    return CInterfaceObjectMapIterator<std::string, IWJCompBusInterface*>(m_busInterfacesById.enumerate());
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

IWJInterfaceView* CWJCompInst::interfaceView()
{
    return m_view;
}

// The first step of path is the cell name and is not compared; the second
// names a bus interface in any letter case; the rest is the bus interface's.
IWJPortGroup* CWJCompInst::findPortGroup(const char* path)
try {
    return portGroupAt(textOrEmpty(path));
} catch (...) {
    noteLookupOutOfMemory();
    return nullptr;
}

IWJPortGroup* CWJCompInst::portGroupAt(const std::string& text)
{
    const std::string::size_type first = text.find('.');
    if (first == std::string::npos)
        return nullptr;
    const std::string remainder = text.substr(first + 1);
    const std::string::size_type second = remainder.find('.');
    const std::string busName = remainder.substr(0, second);
    const std::string rest = second == std::string::npos ? std::string() : remainder.substr(second + 1);
    for (const auto& entry : m_busInterfacesById.byId()) {
        if (equalsIgnoringCase(entry.second->name(), busName))
            return rest.empty() ? entry.second : static_cast<CWJCompBusInterface*>(entry.second)->groupAt(rest.c_str());
    }
    return nullptr;
}

void CWJCompInst::AddChild(xercesc::DOMElement*, IWJXMLObject* child)
try {
    take(child);
} catch (...) {
    noteOutOfMemory(this);
}

void CWJCompInst::take(IWJXMLObject* child)
{
    CWJModelObject* object = CWJModelObject::of(child);
    if (!object)
        return;
    if (object->handOverTo(m_ownedPorts)) {
        if (object->kind() == Kind::DifferentialPort)
            filePort(static_cast<CWJDPPort*>(object), object->id());
        else
            filePort(static_cast<CWJPort*>(object), object->id());
    } else if (object->handOverTo(m_ownedBusInterfaces))
        insertBusInterface(static_cast<CWJCompBusInterface*>(object));
}

void CWJCompInst::setId(const char* text)
{
    storeId(*this, ids(), m_id, text);
}

IWJPort* CWJCompInst::findPortById(const char* id)
{
    return m_portsById.find(textOrEmpty(id));
}

IWJPort* CWJCompInst::findDifferentialPortById(const char* id)
{
    return m_differentialPortsById.find(textOrEmpty(id));
}

IWJCompBusInterface* CWJCompInst::findBusInterfaceById(const char* id)
{
    return m_busInterfacesById.find(textOrEmpty(id));
}

IWJPortGroup* CWJCompInst::findPortGroupById(const char* id)
{
    indexGroups();
    return lookUp(m_topLevelGroups, textOrEmpty(id));
}

IWJPortGroup* CWJCompInst::findPortGroupAtAnyDepthById(const char* id)
{
    indexGroups();
    IWJPortGroup* topLevel = lookUp(m_topLevelGroups, textOrEmpty(id));
    return topLevel ? topLevel : lookUp(m_allGroups, textOrEmpty(id));
}

// Each index keeps, per id, the group its lookup met first: the top-level
// groups bus interface by bus interface in id order, and all groups in a
// depth-first walk.
void CWJCompInst::indexGroups()
{
    if (m_groupsIndexed)
        return;
    std::vector<CWJPortGroupContainer*> pending;
    for (const auto& entry : m_busInterfacesById.byId()) {
        CWJPortGroupContainer& container = static_cast<CWJCompBusInterface*>(entry.second)->container();
        m_topLevelGroups.insert(container.groupsById().begin(), container.groupsById().end());
        pending.push_back(&container);
    }
    while (!pending.empty()) {
        const CWJPortGroupContainer* container = pending.back();
        pending.pop_back();
        for (const auto& [id, child] : container->groupsById()) {
            m_allGroups.emplace(id, child);
            pending.push_back(&static_cast<CWJPortGroup*>(child)->container());
        }
    }
    m_groupsIndexed = true;
}

void CWJCompInst::forgetGroupIndex()
{
    m_topLevelGroups.clear();
    m_allGroups.clear();
    m_groupsIndexed = false;
}

void CWJCompInst::filePort(IWJPort* port, const char* id)
{
    (port->portKind() == 1 ? m_differentialPortsById : m_portsById).file(id, port);
    portsByName(port).file(CWJPort::localNameKey(port), port);
}

void CWJCompInst::insertBusInterface(CWJCompBusInterface* busInterface)
{
    m_busInterfacesById.file(busInterface->id(), busInterface);
    m_groups.insert(busInterface);
    forgetGroupIndex();
}

bool CWJCompInst::holdsPort(const IWJPort* port) const
{
    return m_portsById.holds(port) || m_differentialPortsById.holds(port);
}

bool CWJCompInst::holdsGroup(const IWJPortGroup* group) const
{
    return group && m_groups.count(group) != 0;
}

void CWJCompInst::registerGroup(const IWJPortGroup* group)
{
    m_groups.insert(group);
}

void CWJCompInst::portRenamed(IWJPort* port, const std::string& oldKey)
{
    if (!holdsPort(port))
        return;
    portsByName(port).rename(oldKey, CWJPort::localNameKey(port), port);
    m_users.tell(*this, port, Change::PortRenamed);
}

void CWJCompInst::portRangeChanged(IWJPort* port)
{
    if (holdsPort(port))
        m_users.tell(*this, port, Change::PortRangeChanged);
}

CWJIdRegistry* CWJCompInst::ids() const
{
    return m_root ? &m_root->ids() : nullptr;
}

CWJCompInst::PortsByName& CWJCompInst::portsByName(IWJPort* port)
{
    return port->portKind() == 1 ? m_differentialPortsByName : m_portsByName;
}

void CWJCompInst::joinRoot(IWJInterfaceView* view, CWJDesignRoot* root)
{
    m_view = view;
    m_root = root;
    takeId(ids());
    m_ownedPorts.forEach<CWJModelObject>([this](const CWJModelObject* port) { port->takeId(ids()); });
    for (const auto& entry : m_busInterfacesById.byId())
        ids()->take(entry.first.c_str());
    indexGroups();
    for (const auto& entry : m_allGroups)
        ids()->take(entry.first.c_str());
}

CWJOwnedObjects* CWJCompInst::portsOwnedBy(CWJCompInst* compInst)
{
    return compInst ? &compInst->m_ownedPorts : nullptr;
}

CWJOwnedObjects* CWJCompInst::busInterfacesOwnedBy(IWJXMLObject* parent)
{
    auto* compInst = ofKind<CWJCompInst>(parent, Kind::CompInst);
    return compInst ? &compInst->m_ownedBusInterfaces : nullptr;
}

IWJXMLObject* CreateInterfaceCompInst(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    return createBoundObject<CWJCompInst>(parent, element);
}
