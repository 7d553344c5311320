#include "CWJPartMap.h"

#include "binding/CWJDOM2DesignData.h"
#include "binding/CWJDesignRoot.h"
#include "binding/ModelText.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/createBoundObject.h"
#include "components/CWJCompBusInterface.h"
#include "components/CWJCompInst.h"
#include "components/CWJPort.h"
#include "components/CWJPortGroup.h"
#include "components/CWJPortRef.h"
#include "footprints/CWJFootPrint.h"
#include "footprints/CWJFootPrintPin.h"
#include "footprints/CWJFootPrintPinGroup.h"
#include "wjxmlinterfaceflowreader/CSTLIOMapIterator.h"
#include "wjxmlinterfaceflowreader/IWJFootPrintPin.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <climits>
#include <set>

using xercesc::DOMElement;

namespace {

const char* pinId(const IWJFootPrintPin* pin)
{
    return static_cast<const CWJFootPrintPin*>(pin)->id();
}

// The key under which a part map keeps the mapping of a port and bit.
std::string portRefKey(IWJPort* port, int bit)
{
    std::string key = CWJPort::localNameKey(port);
    if (bit != -1)
        key += '<' + std::to_string(bit) + '>';
    return key;
}

// The port of the instance with that id, single-ended or differential.
IWJPort* findAnyPortById(CWJCompInst* compInst, const char* id)
{
    IWJPort* port = compInst->findPortById(id);
    return port ? port : compInst->findDifferentialPortById(id);
}

const char* groupRefPath(IWJPortGroup* portGroup)
{
    return portGroup->groupKind() == 1 ? "PortGroupRef:ref" : "BusInterfaceRef:ref";
}

bool loading()
{
    return getDesignData()->loading;
}

// Runs visit on the key of each mapping filed under group in an index of the
// mappings by pin group. visit may drop the mapping it is given; it needs no
// memory, so that a pin group's destructor can run this.
template <class Key, class Visit>
void forEachOnPinGroup(const std::set<std::pair<const IWJFootPrintPinGroup*, Key>>& index,
                       const IWJFootPrintPinGroup* group, Visit visit)
{
    auto entry = index.lower_bound({group, Key()});
    while (entry != index.end() && entry->first == group)
        visit((entry++)->second);
}

} // namespace

CWJPartMap::CWJPartMap(DOMElement* element, IWJXMLObject* parent)
    : CWJModelObject(element, Kind::PartMap, CWJDesignRoot::partMapsOwnedBy(parent)),
      m_view(dynamic_cast<CWJDesignRoot*>(parent))
{
    registerHandlers();
}

template <class Visit> void CWJPartMap::forEachPinGroup(Visit visit)
{
    m_ownedPinGroups.forEach<CWJFootPrintPinGroup>(visit);
    for (CWJFootPrintPinGroup* group : m_hostPinGroups)
        visit(group);
}

CWJPartMap::~CWJPartMap()
{
    if (m_compInst)
        m_compInst->users().forget(this);
    if (m_footprint)
        m_footprint->users().forget(this);
    forEachPinGroup([this](CWJFootPrintPinGroup* group) {
        group->users().forget(this);
        group->setFootprint(nullptr);
    });
    if (GetDomElement()) {
        getDesignData()->RemoveDOMNode(GetDomElement());
        SetDomElement(nullptr);
    }
}

void CWJPartMap::registerHandlers()
{
    static const std::vector<std::string> sequence{"CompInstRef:ref", "PartDefRef:ref", "PortMaps", "GroupMaps"};
    getDesignData()->RegisterTagSequence("PartMap", sequence);
    using Functor = TWJXMLObjFunctor<CWJPartMap>;
    static const std::vector<ClassHandler> handlers{
        Functor::attribute<&CWJPartMap::readCompInstRef>("CompInstRef:ref"),
        Functor::attribute<&CWJPartMap::readPartDefRef>("PartDefRef:ref"),
        Functor::tag<&CWJPartMap::beginPortMap>("PortMaps:PortMap"),
        Functor::attribute<&CWJPartMap::readReference>("PortMaps:PortMap:PortRefNoRange:ref"),
        Functor::tag<&CWJPartMap::readBit>("PortMaps:PortMap:PortRefNoRange:Bit"),
        Functor::attribute<&CWJPartMap::readPinRef>("PortMaps:PortMap:PinRef:ref"),
        Functor::tag<&CWJPartMap::beginGroupMap>("GroupMaps:GroupMap"),
        Functor::attribute<&CWJPartMap::readReference>("GroupMaps:GroupMap:PortGroupRef:ref"),
        Functor::attribute<&CWJPartMap::readReference>("GroupMaps:GroupMap:BusInterfaceRef:ref")};
    RegisterClassHandlers(&handlers);
}

IWJFootPrint* CWJPartMap::footprint() const
{
    return m_footprint;
}

IWJCompInst* CWJPartMap::compInst() const
{
    return m_compInst;
}

// The mappings move to the new footprint's pins of the same names; those
// whose pin it lacks go, in memory and in the document.
void CWJPartMap::setFootprint(IWJFootPrint* footprint)
try {
    if (!m_view || !m_view->holdsFootprint(footprint) || footprint == m_footprint)
        return;
    auto* known = static_cast<CWJFootPrint*>(footprint);
    if (m_footprint)
        resolvePinsOn(known);
    known->users().note(this);
    if (m_footprint)
        m_footprint->users().forget(this);
    m_footprint = known;
    forEachPinGroup([known](CWJFootPrintPinGroup* group) { group->setFootprint(known); });
    getDesignData()->UpdateDOMAttr(GetDomElement(), "PartDefRef:ref", known->id());
} catch (...) {
    noteOutOfMemory(this);
}

// The mappings move to the new instance's ports and groups of the same names;
// those it lacks go, in memory and in the document.
void CWJPartMap::setCompInst(IWJCompInst* compInst)
try {
    if (!m_view || !m_view->holdsCompInst(compInst) || compInst == m_compInst)
        return;
    auto* known = static_cast<CWJCompInst*>(compInst);
    if (m_compInst)
        resolvePortsOn(known);
    known->users().note(this);
    if (m_compInst)
        m_compInst->users().forget(this);
    m_compInst = known;
    getDesignData()->UpdateDOMAttr(GetDomElement(), "CompInstRef:ref", known->id());
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::resolvePinsOn(CWJFootPrint* footprint)
{
    CWJDOM2DesignData* binder = getDesignData();
    forEachPinGroup([footprint](CWJFootPrintPinGroup* group) {
        std::vector<IWJFootPrintPin*> pins;
        for (const auto& entry : group->pinsById()) {
            if (IWJFootPrintPin* pin = footprint->pinNamed(entry.second->name()))
                pins.push_back(pin);
        }
        group->setPins(pins);
    });
    // A group of the host's own class cannot follow: its mappings go.
    const auto foreign = [](IWJFootPrintPinGroup* group) {
        return group && !ofKind<CWJFootPrintPinGroup>(group, Kind::PinGroup);
    };
    for (auto mapping = m_groupMappings.begin(); mapping != m_groupMappings.end();) {
        if (foreign(mapping->second.pinGroup))
            dropGroupMapping(mapping++);
        else
            ++mapping;
    }
    for (auto mapping = m_portMappings.begin(); mapping != m_portMappings.end();) {
        PortMapping& entry = mapping->second;
        if (foreign(entry.pinGroup)) {
            dropMapping(mapping++);
            continue;
        }
        if (!entry.pin) {
            ++mapping;
            continue;
        }
        IWJFootPrintPin* pin = footprint->pinNamed(entry.pin->name());
        if (!pin) {
            dropMapping(mapping++);
            continue;
        }
        entry.pin = pin;
        dropSuperseded(entry.elements);
        for (DOMElement* element : entry.elements)
            binder->UpdateDOMAttr(element, "PinRef:ref", pinId(pin));
        ++mapping;
    }
    for (auto& mapping : m_portMappings) {
        if (mapping.second.pinGroup)
            rewritePinGroup(mapping.second.elements, mapping.second.pinGroup);
    }
    for (auto& mapping : m_groupMappings)
        rewritePinGroup(mapping.second.elements, mapping.second.pinGroup);
}

void CWJPartMap::resolvePortsOn(CWJCompInst* compInst)
{
    CWJDOM2DesignData* binder = getDesignData();
    for (auto mapping = m_portMappings.begin(); mapping != m_portMappings.end();) {
        PortMapping& entry = mapping->second;
        int bit = -1;
        IWJPort* old = entry.ref->port(&bit, nullptr);
        const char* localName = *old->instancePortName() ? old->instancePortName() : old->name();
        IWJPort* port = compInst->portNamed(localName, old->portKind() == 1);
        if (!port) {
            dropMapping(mapping++);
            continue;
        }
        m_keys.erase({old, bit});
        m_keys[{port, bit}] = mapping->first;
        entry.ref->assign(port, bit, bit);
        dropSuperseded(entry.elements);
        for (DOMElement* element : entry.elements)
            binder->UpdateDOMAttr(element, "PortRefNoRange:ref", CWJPort::idOf(port));
        ++mapping;
    }
    GroupMappings moved;
    for (auto mapping = m_groupMappings.begin(); mapping != m_groupMappings.end();) {
        IWJPortGroup* old = mapping->first;
        IWJPortGroup* group = compInst->portGroupAt(CWJPortGroup::pathOf(old));
        if (!group || group->groupKind() != old->groupKind()) {
            dropGroupMapping(mapping++);
            continue;
        }
        dropSuperseded(mapping->second.elements);
        for (DOMElement* element : mapping->second.elements)
            binder->UpdateDOMAttr(element, groupRefPath(group), CWJPortGroup::idOf(group));
        moved[group] = std::move(mapping->second);
        mapping = m_groupMappings.erase(mapping);
    }
    m_groupMappings.swap(moved);
    m_portGroupsByPinGroup.clear();
    for (const auto& mapping : m_groupMappings) {
        if (mapping.second.pinGroup)
            m_portGroupsByPinGroup.emplace(mapping.second.pinGroup, mapping.first);
    }
}

bool CWJPartMap::holdsPort(const IWJPort* port) const
{
    return m_compInst && m_compInst->holdsPort(port);
}

bool CWJPartMap::acceptsPin(const IWJFootPrintPin* pin) const
{
    return m_footprint && m_footprint->holdsPin(pin);
}

bool CWJPartMap::usablePinGroup(IWJFootPrintPinGroup* pinGroup)
{
    if (!pinGroup)
        return false;
    auto* group = ofKind<CWJFootPrintPinGroup>(pinGroup, Kind::PinGroup);
    if (!group) {
        for (auto pins = pinGroup->pins(); pins.isValid(); ++pins) {
            if (!acceptsPin(pins.value()))
                return false;
        }
        return true;
    }
    const std::vector<CWJModelObject*>& users = group->users().list();
    if (!users.empty() && users.front() != this)
        return false;
    for (const auto& entry : group->pinsById()) {
        if (!acceptsPin(entry.second))
            return false;
    }
    if (users.empty()) {
        m_hostPinGroups.insert(group);
        try {
            group->users().note(this);
        } catch (...) {
            m_hostPinGroups.erase(group);
            throw;
        }
        group->setFootprint(m_footprint);
    }
    return true;
}

CWJFootPrintPinGroup* CWJPartMap::newPinGroup(DOMElement* element)
{
    return new CWJFootPrintPinGroup(element, &m_ownedPinGroups, this, m_footprint);
}

CWJFootPrintPinGroup* CWJPartMap::makePinGroup(const std::vector<std::string>& pinNames)
{
    // Owned from its construction on, and handed over at once: AddChild has
    // nothing to file for it.
    CWJFootPrintPinGroup* pinGroup = newPinGroup(nullptr);
    pinGroup->handOverTo(m_ownedPinGroups);
    std::vector<IWJFootPrintPin*> pins;
    for (const std::string& name : pinNames) {
        if (IWJFootPrintPin* pin = m_footprint ? m_footprint->pinNamed(name.c_str()) : nullptr)
            pins.push_back(pin);
    }
    pinGroup->setPins(pins);
    return pinGroup;
}

void CWJPartMap::mapPortToPinNames(IWJPort* port, const std::vector<std::string>& pinNames, int bit)
try {
    if (holdsPort(port) && m_footprint)
        mapPortToPinGroup(port, makePinGroup(pinNames), bit);
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::mapPortToPinName(IWJPort* port, const char* pinName, int bit)
try {
    if (IWJFootPrintPin* pin = m_footprint && pinName ? m_footprint->pinNamed(pinName) : nullptr)
        mapPortToPin(port, pin, bit);
} catch (...) {
    noteOutOfMemory(this);
}

DOMElement* CWJPartMap::newPortMapElement(IWJPort* port, int bit)
{
    CWJDOM2DesignData* binder = getDesignData();
    DOMElement* container = binder->CreateDOMNode(GetDomElement(), "PortMaps", false);
    DOMElement* portMap = binder->CreateDOMNode(container, "PortMap", true);
    binder->UpdateDOMAttr(portMap, "PortRefNoRange:ref", CWJPort::idOf(port));
    if (bit != -1)
        binder->UpdateDOMTag(portMap, "PortRefNoRange:Bit", std::to_string(bit).c_str(), false);
    return portMap;
}

// The pins go in ascending id order, as a reload files them.
void CWJPartMap::writePinGroup(DOMElement* parent, IWJFootPrintPinGroup* pinGroup)
{
    std::set<std::string> ids;
    if (auto* group = ofKind<CWJFootPrintPinGroup>(pinGroup, Kind::PinGroup)) {
        for (const auto& entry : group->pinsById())
            ids.insert(entry.first);
    } else {
        for (auto pins = pinGroup->pins(); pins.isValid(); ++pins)
            ids.insert(pinId(pins.value()));
    }
    CWJDOM2DesignData* binder = getDesignData();
    DOMElement* groupElement = binder->CreateDOMNode(parent, "PinGroup", false);
    for (const std::string& id : ids) {
        DOMElement* pinRef = binder->CreateDOMNode(groupElement, "PinRef", true);
        binder->UpdateDOMAttr(pinRef, "ref", id.c_str());
    }
}

void CWJPartMap::mapPortToPinGroup(IWJPort* port, IWJFootPrintPinGroup* pinGroup, int bit)
try {
    if (!holdsPort(port) || !usablePinGroup(pinGroup))
        return;
    DOMElement* element = newPortMapElement(port, bit);
    writePinGroup(element, pinGroup);
    fileMapping(port, bit, nullptr, pinGroup, element);
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::mapPortToPin(IWJPort* port, IWJFootPrintPin* pin, int bit)
try {
    if (!holdsPort(port) || !acceptsPin(pin))
        return;
    DOMElement* element = newPortMapElement(port, bit);
    getDesignData()->UpdateDOMAttr(element, "PinRef:ref", pinId(pin));
    fileMapping(port, bit, pin, nullptr, element);
} catch (...) {
    noteOutOfMemory(this);
}

// While a file is read the document does not change: a repeated mapping
// keeps the elements of the one it replaces, so that unmapping removes them
// all.
void CWJPartMap::fileMapping(IWJPort* port, int bit, IWJFootPrintPin* pin, IWJFootPrintPinGroup* pinGroup,
                             DOMElement* element, CWJPortRef* reuse)
{
    const std::string key = portRefKey(port, bit);
    auto found = m_portMappings.find(key);
    if (found == m_portMappings.end()) {
        CWJPortRef* ref = reuse;
        if (!ref) {
            m_portRefs.push_back(std::make_unique<CWJPortRef>(port, bit, bit, this));
            ref = m_portRefs.back().get();
        }
        PortMapping fresh;
        fresh.ref = ref;
        found = m_portMappings.emplace(key, std::move(fresh)).first;
    }
    PortMapping& mapping = found->second;
    int oldBit = -1;
    m_keys.erase({mapping.ref->port(&oldBit, nullptr), oldBit});
    if (!loading())
        removeElements(mapping.elements);
    if (reuse && reuse != mapping.ref) {
        mapping.ref->release();
        mapping.ref = reuse;
    }
    mapping.ref->assign(port, bit, bit);
    mapping.pin = pin;
    setPinGroup(mapping, key, pinGroup);
    if (element)
        mapping.elements.push_back(element);
    m_keys[{port, bit}] = key;
}

void CWJPartMap::fileGroupMapping(IWJPortGroup* portGroup, IWJFootPrintPinGroup* pinGroup, DOMElement* element)
{
    GroupMapping& mapping = m_groupMappings[portGroup];
    if (!loading())
        removeElements(mapping.elements);
    setPinGroup(mapping, portGroup, pinGroup);
    if (element)
        mapping.elements.push_back(element);
}

void CWJPartMap::removeElements(std::vector<DOMElement*>& elements)
{
    CWJDOM2DesignData* binder = getDesignData();
    for (DOMElement* element : elements) {
        auto* container = static_cast<DOMElement*>(element->getParentNode());
        binder->RemoveDOMNode(element);
        if (container && !container->getFirstElementChild())
            binder->RemoveDOMNode(container);
    }
    elements.clear();
}

// Clearing keeps the vector's memory: putting the last one back cannot fail.
void CWJPartMap::dropSuperseded(std::vector<DOMElement*>& elements)
{
    if (elements.empty())
        return;
    DOMElement* inEffect = elements.back();
    elements.pop_back();
    removeElements(elements);
    elements.push_back(inEffect);
}

void CWJPartMap::dropMapping(PortMappings::iterator mapping)
{
    removeElements(mapping->second.elements);
    setPinGroup(mapping->second, mapping->first, nullptr);
    int bit = -1;
    IWJPort* port = mapping->second.ref->port(&bit, nullptr);
    m_keys.erase({port, bit});
    mapping->second.ref->release();
    m_portMappings.erase(mapping);
}

void CWJPartMap::dropGroupMapping(GroupMappings::iterator mapping)
{
    removeElements(mapping->second.elements);
    setPinGroup(mapping->second, mapping->first, nullptr);
    m_groupMappings.erase(mapping);
}

std::vector<std::string> CWJPartMap::keysOf(IWJPort* port) const
{
    std::vector<std::string> keys;
    for (auto entry = m_keys.lower_bound({port, INT_MIN}); entry != m_keys.end() && entry->first.first == port; ++entry)
        keys.push_back(entry->second);
    return keys;
}

// A whole port goes with every single-bit mapping of it.
void CWJPartMap::unmapPort(IWJPort* port, int bit)
try {
    if (!holdsPort(port))
        return;
    std::vector<std::string> keys{portRefKey(port, bit)};
    if (bit == -1) {
        const std::vector<std::string> bits = keysOf(port);
        keys.insert(keys.end(), bits.begin(), bits.end());
    }
    for (const std::string& key : keys) {
        const auto mapping = m_portMappings.find(key);
        if (mapping != m_portMappings.end())
            dropMapping(mapping);
    }
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::usedObjectChanged(const CWJModelObject& used, IWJPort* port, Change change)
{
    if (used.kind() == Kind::PinGroup) {
        pinGroupChanged(static_cast<const CWJFootPrintPinGroup&>(used), change);
        return;
    }
    switch (change) {
    case Change::PortRenamed: portRenamed(port); break;
    case Change::PortRangeChanged: portRangeChanged(port); break;
    case Change::PortRemoved: portRemoved(port); break;
    case Change::PinsChanged: break;
    case Change::Deleted: letGo(used); break;
    }
}

void CWJPartMap::letGo(const CWJModelObject& used)
{
    const bool instance = &used == static_cast<const CWJModelObject*>(m_compInst);
    if (!instance && &used != static_cast<const CWJModelObject*>(m_footprint))
        return;
    while (!m_portMappings.empty())
        dropMapping(m_portMappings.begin());
    while (!m_groupMappings.empty())
        dropGroupMapping(m_groupMappings.begin());
    if (instance) {
        m_compInst = nullptr;
        return;
    }
    // The groups' pins go with the footprint.
    forEachPinGroup([](CWJFootPrintPinGroup* group) {
        group->setPins({});
        group->setFootprint(nullptr);
    });
    m_footprint = nullptr;
}

// Only the removed port's own mappings go: a port whose name differs only in
// case keeps what it maps.
void CWJPartMap::portRemoved(IWJPort* port)
{
    for (const std::string& key : keysOf(port)) {
        const auto mapping = m_portMappings.find(key);
        if (mapping != m_portMappings.end())
            dropMapping(mapping);
    }
}

// The mappings of bits the port no longer has go, as unmapping them would.
void CWJPartMap::portRangeChanged(IWJPort* port)
{
    for (const std::string& key : keysOf(port)) {
        const auto mapping = m_portMappings.find(key);
        int bit = -1;
        if (mapping != m_portMappings.end() && mapping->second.ref->port(&bit, nullptr) == port &&
            !CWJPort::hasBit(port, bit))
            dropMapping(mapping);
    }
}

// The port's mappings move to the keys of its new name, replacing what other
// ports mapped there, as one mapping per key is what a reload gives.
void CWJPartMap::portRenamed(IWJPort* port)
{
    for (const std::string& key : keysOf(port)) {
        const auto mapping = m_portMappings.find(key);
        if (mapping == m_portMappings.end() || mapping->second.ref->port(nullptr, nullptr) != port)
            continue;
        int bit = -1;
        mapping->second.ref->port(&bit, nullptr);
        const std::string renamed = portRefKey(port, bit);
        if (renamed == key)
            continue;
        IWJFootPrintPinGroup* pinGroup = mapping->second.pinGroup;
        setPinGroup(mapping->second, key, nullptr);
        PortMapping moving = std::move(mapping->second);
        m_portMappings.erase(mapping);
        const auto displaced = m_portMappings.find(renamed);
        if (displaced != m_portMappings.end())
            dropMapping(displaced);
        PortMapping& moved = m_portMappings[renamed];
        moved = std::move(moving);
        setPinGroup(moved, renamed, pinGroup);
        m_keys[{port, bit}] = renamed;
    }
}

// A host's change of a part map's reference moves its mapping to the new
// port and bit, which must be one bit (or the whole port) of the instance.
void CWJPartMap::changePortRef(CWJPortRef& ref, IWJPort* port, int lsb, int msb)
{
    int bit = -1;
    IWJPort* old = ref.port(&bit, nullptr);
    const auto key = m_keys.find({old, bit});
    if (!holdsPort(port) || lsb != msb || key == m_keys.end())
        return;
    const auto mapping = m_portMappings.find(key->second);
    if (mapping == m_portMappings.end() || mapping->second.ref != &ref)
        return;
    IWJFootPrintPin* pin = mapping->second.pin;
    IWJFootPrintPinGroup* pinGroup = mapping->second.pinGroup;
    removeElements(mapping->second.elements);
    setPinGroup(mapping->second, mapping->first, nullptr);
    m_keys.erase(key);
    m_portMappings.erase(mapping);
    DOMElement* element = newPortMapElement(port, lsb);
    if (pin)
        getDesignData()->UpdateDOMAttr(element, "PinRef:ref", pinId(pin));
    else
        writePinGroup(element, pinGroup);
    fileMapping(port, lsb, pin, pinGroup, element, &ref);
}

void CWJPartMap::rewritePinGroup(std::vector<DOMElement*>& elements, IWJFootPrintPinGroup* pinGroup)
{
    dropSuperseded(elements);
    CWJDOM2DesignData* binder = getDesignData();
    for (DOMElement* element : elements) {
        std::size_t count = 0;
        binder->RemoveDOMNode(binder->GetNthElement(binder->GetElementList(element, "PinGroup", &count), 0));
        writePinGroup(element, pinGroup);
    }
}

void CWJPartMap::pinGroupChanged(const CWJFootPrintPinGroup& group, Change change)
{
    if (change == Change::PinsChanged) {
        forEachOnPinGroup(m_portKeysByPinGroup, &group, [this](const std::string& key) {
            PortMapping& mapping = m_portMappings.find(key)->second;
            rewritePinGroup(mapping.elements, mapping.pinGroup);
        });
        forEachOnPinGroup(m_portGroupsByPinGroup, &group, [this](IWJPortGroup* portGroup) {
            GroupMapping& mapping = m_groupMappings.find(portGroup)->second;
            rewritePinGroup(mapping.elements, mapping.pinGroup);
        });
    } else if (change == Change::Deleted) {
        const auto host = m_hostPinGroups.find(&group);
        if (host != m_hostPinGroups.end())
            m_hostPinGroups.erase(host);
        forEachOnPinGroup(m_portKeysByPinGroup, &group,
                          [this](const std::string& key) { dropMapping(m_portMappings.find(key)); });
        forEachOnPinGroup(m_portGroupsByPinGroup, &group,
                          [this](IWJPortGroup* portGroup) { dropGroupMapping(m_groupMappings.find(portGroup)); });
    }
}

void CWJPartMap::setPinGroup(PortMapping& mapping, const std::string& key, IWJFootPrintPinGroup* pinGroup)
{
    if (pinGroup)
        m_portKeysByPinGroup.emplace(pinGroup, key);
    if (mapping.pinGroup && mapping.pinGroup != pinGroup)
        m_portKeysByPinGroup.erase({mapping.pinGroup, key});
    mapping.pinGroup = pinGroup;
}

void CWJPartMap::setPinGroup(GroupMapping& mapping, IWJPortGroup* portGroup, IWJFootPrintPinGroup* pinGroup)
{
    if (pinGroup)
        m_portGroupsByPinGroup.emplace(pinGroup, portGroup);
    if (mapping.pinGroup && mapping.pinGroup != pinGroup)
        m_portGroupsByPinGroup.erase({mapping.pinGroup, portGroup});
    mapping.pinGroup = pinGroup;
}

void CWJPartMap::mapPortGroupToPinNames(IWJPortGroup* portGroup, const std::vector<std::string>& pinNames)
try {
    if (m_compInst && m_compInst->holdsGroup(portGroup) && m_footprint)
        mapPortGroupToPinGroup(portGroup, makePinGroup(pinNames));
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::mapPortGroupToPinGroup(IWJPortGroup* portGroup, IWJFootPrintPinGroup* pinGroup)
try {
    if (!m_compInst || !m_compInst->holdsGroup(portGroup) || !usablePinGroup(pinGroup))
        return;
    CWJDOM2DesignData* binder = getDesignData();
    DOMElement* container = binder->CreateDOMNode(GetDomElement(), "GroupMaps", false);
    DOMElement* groupMap = binder->CreateDOMNode(container, "GroupMap", true);
    binder->UpdateDOMAttr(groupMap, groupRefPath(portGroup), CWJPortGroup::idOf(portGroup));
    writePinGroup(groupMap, pinGroup);
    fileGroupMapping(portGroup, pinGroup, groupMap);
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::unmapPortGroup(IWJPortGroup* portGroup)
try {
    const auto mapping = m_groupMappings.find(portGroup);
    if (mapping != m_groupMappings.end())
        dropGroupMapping(mapping);
} catch (...) {
    noteOutOfMemory(this);
}

const CWJPartMap::PortMapping* CWJPartMap::findMapping(IWJPort* port, int bit) const
{
    if (!holdsPort(port))
        return nullptr;
    const auto mapping = m_portMappings.find(portRefKey(port, bit));
    return mapping == m_portMappings.end() ? nullptr : &mapping->second;
}

IWJFootPrintPin* CWJPartMap::pinForPort(IWJPort* port, int bit)
try {
    const PortMapping* mapping = findMapping(port, bit);
    return mapping ? mapping->pin : nullptr;
} catch (...) {
    noteLookupOutOfMemory();
    return nullptr;
}

IWJFootPrintPinGroup* CWJPartMap::pinGroupForPortGroup(IWJPortGroup* portGroup)
{
    const auto mapping = m_groupMappings.find(portGroup);
    return mapping == m_groupMappings.end() ? nullptr : mapping->second.pinGroup;
}

IWJFootPrintPinGroup* CWJPartMap::pinGroupForPort(IWJPort* port, int bit)
try {
    const PortMapping* mapping = findMapping(port, bit);
    return mapping ? mapping->pinGroup : nullptr;
} catch (...) {
    noteLookupOutOfMemory();
    return nullptr;
}

IWJPortRef* CWJPartMap::findPortRef(IWJPort* port, int bit)
try {
    const PortMapping* mapping = findMapping(port, bit);
    return mapping ? mapping->ref : nullptr;
} catch (...) {
    noteLookupOutOfMemory();
    return nullptr;
}

CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPin*> CWJPartMap::portPinMaps()
try {
    std::map<IWJPortRef*, IWJFootPrintPin*> pins;
    for (const auto& mapping : m_portMappings) {
        if (mapping.second.pin)
            pins.emplace(mapping.second.ref, mapping.second.pin);
    }
    return CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPin*>(
        new CSTLIOMapIterator<IWJPortRef*, IWJFootPrintPin*>(pins));
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPinGroup*> CWJPartMap::portPinGroupMaps()
try {
    std::map<IWJPortRef*, IWJFootPrintPinGroup*> groups;
    for (const auto& mapping : m_portMappings) {
        if (mapping.second.pinGroup)
            groups.emplace(mapping.second.ref, mapping.second.pinGroup);
    }
    return CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPinGroup*>(
        new CSTLIOMapIterator<IWJPortRef*, IWJFootPrintPinGroup*>(groups));
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

CInterfaceObjectMapIterator<IWJPortGroup*, IWJFootPrintPinGroup*> CWJPartMap::portGroupPinGroupMaps()
try {
    std::map<IWJPortGroup*, IWJFootPrintPinGroup*> groups;
    for (const auto& mapping : m_groupMappings)
        groups.emplace(mapping.first, mapping.second.pinGroup);
    return CInterfaceObjectMapIterator<IWJPortGroup*, IWJFootPrintPinGroup*>(
        new CSTLIOMapIterator<IWJPortGroup*, IWJFootPrintPinGroup*>(groups));
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

void CWJPartMap::readCompInstRef(const char* id)
{
    setCompInst(m_view ? m_view->findCompInst(id) : nullptr);
}

void CWJPartMap::readPartDefRef(const char* id)
{
    setFootprint(m_view ? m_view->findFootprint(id) : nullptr);
}

// Each mapping element starts from nothing: a reference or bit of an earlier
// one never carries over.
void CWJPartMap::beginPortMap(const char*)
{
    m_reading = Reading::PortMap;
    m_pendingReference.clear();
    m_pendingBit = -1;
    m_readElement = m_portMapCursor.next(GetDomElement());
}

void CWJPartMap::beginGroupMap(const char*)
{
    m_reading = Reading::GroupMap;
    m_pendingReference.clear();
    m_pendingBit = -1;
    m_readElement = m_groupMapCursor.next(GetDomElement());
}

void CWJPartMap::readReference(const char* id)
{
    m_pendingReference = textOrEmpty(id);
}

void CWJPartMap::readBit(const char* text)
{
    m_pendingBit = readInt(text);
}

void CWJPartMap::readPinRef(const char* id)
{
    if (m_reading != Reading::PortMap || !m_compInst || !m_footprint || m_pendingReference.empty())
        return;
    IWJPort* port = findAnyPortById(m_compInst, m_pendingReference.c_str());
    IWJFootPrintPin* pin = m_footprint->findPinById(id);
    if (port && pin)
        fileMapping(port, m_pendingBit, pin, nullptr, m_readElement);
}

void CWJPartMap::AddChild(DOMElement*, IWJXMLObject* child)
try {
    CWJModelObject* object = CWJModelObject::of(child);
    if (!object || !object->handOverTo(m_ownedPinGroups))
        return;
    auto* pinGroup = static_cast<CWJFootPrintPinGroup*>(object);
    // While a file is read, the mapping element being read says what the
    // group is mapped for; the state of the last one read means nothing later.
    if (!CWJDOM2DesignData::loading || !m_compInst || m_pendingReference.empty())
        return;
    const char* reference = m_pendingReference.c_str();
    if (m_reading == Reading::PortMap) {
        IWJPort* port = findAnyPortById(m_compInst, reference);
        if (port)
            fileMapping(port, m_pendingBit, nullptr, pinGroup, m_readElement);
    } else if (m_reading == Reading::GroupMap) {
        IWJPortGroup* group = m_compInst->findPortGroupAtAnyDepthById(reference);
        if (!group)
            group = m_compInst->findBusInterfaceById(reference);
        if (group)
            fileGroupMapping(group, pinGroup, m_readElement);
    }
} catch (...) {
    noteOutOfMemory(this);
}

IWJXMLObject* CreatePartMapObject(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    return createBoundObject<CWJPartMap>(parent, element);
}

// A pin group belongs to the part map it is made under; one made under
// anything else is its maker's.
IWJXMLObject* CreateFootPrintPinGroupObject(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    auto* partMap = CWJModelObject::ofKind<CWJPartMap>(parent, CWJModelObject::Kind::PartMap);
    return createBound(element, [partMap](DOMElement* bound) -> IWJXMLObject* {
        return partMap ? partMap->newPinGroup(bound) : new CWJFootPrintPinGroup(bound, nullptr, nullptr, nullptr);
    });
}
