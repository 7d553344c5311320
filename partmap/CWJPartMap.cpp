#include "CWJPartMap.h"

#include "binding/CWJDOM2DesignData.h"
#include "binding/TWJXMLObjFunctor.h"
#include "components/CWJCompBusInterface.h"
#include "components/CWJCompInst.h"
#include "components/CWJDPPort.h"
#include "components/CWJPort.h"
#include "components/CWJPortGroup.h"
#include "components/CWJPortRef.h"
#include "components/ComponentText.h"
#include "flowreader/CWJInterfaceView.h"
#include "flowreader/OutOfMemory.h"
#include "flowreader/toUpperKey.h"
#include "footprints/CWJFootPrint.h"
#include "footprints/CWJFootPrintPin.h"
#include "footprints/CWJFootPrintPinGroup.h"
#include "wjxmlinterfaceflowreader/CSTLIOMapIterator.h"
#include "wjxmlinterfaceflowreader/IWJFootPrintPin.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <climits>

using xercesc::DOMElement;

namespace {

const char* portId(IWJPort* port)
{
    if (auto* plain = dynamic_cast<CWJPort*>(port))
        return plain->id();
    if (auto* differential = dynamic_cast<CWJDPPort*>(port))
        return differential->id();
    return "";
}

const char* groupId(IWJPortGroup* group)
{
    if (auto* portGroup = dynamic_cast<CWJPortGroup*>(group))
        return portGroup->id();
    if (auto* busInterface = dynamic_cast<CWJCompBusInterface*>(group))
        return busInterface->id();
    return "";
}

const char* pinId(IWJFootPrintPin* pin)
{
    auto* known = dynamic_cast<CWJFootPrintPin*>(pin);
    return known ? known->id() : "";
}

// The key under which a part map keeps its reference for a port and bit: the
// port's local name, "<bit>" for a single bit, upper-cased.
std::string portRefKey(IWJPort* port, int bit)
{
    std::string key = *port->instancePortName() ? port->instancePortName() : port->name();
    if (bit != -1)
        key += '<' + std::to_string(bit) + '>';
    return toUpperKey(key.c_str());
}

// The port of the instance with that id, single-ended or differential.
IWJPort* findAnyPortById(CWJCompInst* compInst, const char* id)
{
    IWJPort* port = compInst->findPortById(id);
    return port ? port : compInst->findDifferentialPortById(id);
}

} // namespace

CWJPartMap::CWJPartMap(DOMElement* element, IWJXMLObject* parent) : IWJXMLObject(element)
{
    registerHandlers();
    m_view = dynamic_cast<IWJInterfaceView*>(parent);
}

CWJPartMap::~CWJPartMap()
{
    if (GetDomElement()) {
        getDesignData()->RemoveDOMNode(GetDomElement());
        SetDomElement(nullptr);
    }
}

void CWJPartMap::registerHandlers()
{
    static const std::vector<std::string> sequence{"CompInstRef:ref", "PartDefRef:ref", "PortMaps", "GroupMaps"};
    getDesignData()->RegisterTagSequence("PartMap", sequence);
    using Handler = TWJXMLObjFunctor<CWJPartMap>;
    RegisterXMLAttribFP("CompInstRef:ref", new Handler(this, &CWJPartMap::readCompInstRef));
    RegisterXMLAttribFP("PartDefRef:ref", new Handler(this, &CWJPartMap::readPartDefRef));
    RegisterXMLAttribFP("PortMaps:PortMap:PortRefNoRange:ref", new Handler(this, &CWJPartMap::readPortReference));
    RegisterXMLTagFP("PortMaps:PortMap:PortRefNoRange:Bit", new Handler(this, &CWJPartMap::readBit));
    RegisterXMLAttribFP("PortMaps:PortMap:PinRef:ref", new Handler(this, &CWJPartMap::readPinRef));
    RegisterXMLAttribFP("GroupMaps:GroupMap:PortGroupRef:ref", new Handler(this, &CWJPartMap::readGroupReference));
    RegisterXMLAttribFP("GroupMaps:GroupMap:BusInterfaceRef:ref", new Handler(this, &CWJPartMap::readGroupReference));
}

IWJFootPrint* CWJPartMap::footprint() const
{
    return m_footprint;
}

IWJCompInst* CWJPartMap::compInst() const
{
    return m_compInst;
}

void CWJPartMap::setFootprint(IWJFootPrint* footprint)
try {
    m_footprint = footprint;
    auto* known = dynamic_cast<CWJFootPrint*>(footprint);
    getDesignData()->UpdateDOMAttr(GetDomElement(), "PartDefRef:ref", known ? known->id() : "");
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::setCompInst(IWJCompInst* compInst)
try {
    m_compInst = compInst;
    auto* known = dynamic_cast<CWJCompInst*>(compInst);
    getDesignData()->UpdateDOMAttr(GetDomElement(), "CompInstRef:ref", known ? known->id() : "");
} catch (...) {
    noteOutOfMemory(this);
}

IWJFootPrintPinGroup* CWJPartMap::makePinGroup(const std::vector<std::string>& pinNames)
{
    auto* pinGroup = new CWJFootPrintPinGroup(nullptr, this);
    m_ownedPinGroups.emplace_back(pinGroup);
    for (const std::string& name : pinNames) {
        if (IWJFootPrintPin* pin = m_footprint ? m_footprint->findPin(name.c_str()) : nullptr)
            pinGroup->addPin(pin);
    }
    return pinGroup;
}

void CWJPartMap::mapPortToPinNames(IWJPort* port, const std::vector<std::string>& pinNames, int bit)
try {
    if (port)
        mapPortToPinGroup(port, makePinGroup(pinNames), bit);
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::mapPortToPinName(IWJPort* port, const char* pinName, int bit)
try {
    if (IWJFootPrintPin* pin = m_footprint && pinName ? m_footprint->findPin(pinName) : nullptr)
        mapPortToPin(port, pin, bit);
} catch (...) {
    noteOutOfMemory(this);
}

DOMElement* CWJPartMap::newPortMapElement(IWJPort* port, int bit)
{
    CWJDOM2DesignData* binder = getDesignData();
    DOMElement* container = binder->CreateDOMNode(GetDomElement(), "PortMaps", false);
    DOMElement* portMap = binder->CreateDOMNode(container, "PortMap", true);
    binder->UpdateDOMAttr(portMap, "PortRefNoRange:ref", portId(port));
    if (bit != -1)
        binder->UpdateDOMTag(portMap, "PortRefNoRange:Bit", std::to_string(bit).c_str(), false);
    return portMap;
}

void CWJPartMap::writePinGroup(DOMElement* parent, IWJFootPrintPinGroup* pinGroup)
{
    CWJDOM2DesignData* binder = getDesignData();
    DOMElement* groupElement = binder->CreateDOMNode(parent, "PinGroup", false);
    for (auto pins = pinGroup->pins(); pins.isValid(); ++pins) {
        DOMElement* pinRef = binder->CreateDOMNode(groupElement, "PinRef", true);
        binder->UpdateDOMAttr(pinRef, "ref", pinId(pins.value()));
    }
}

void CWJPartMap::mapPortToPinGroup(IWJPort* port, IWJFootPrintPinGroup* pinGroup, int bit)
try {
    if (!port || !pinGroup)
        return;
    m_pinGroupMap[obtainPortRef(port, bit)] = pinGroup;
    writePinGroup(newPortMapElement(port, bit), pinGroup);
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::mapPortToPin(IWJPort* port, IWJFootPrintPin* pin, int bit)
try {
    if (!port || !pin)
        return;
    m_pinMap[obtainPortRef(port, bit)] = pin;
    getDesignData()->UpdateDOMAttr(newPortMapElement(port, bit), "PinRef:ref", pinId(pin));
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::dropPortRef(const std::string& key)
{
    const auto found = m_portRefs.find(key);
    if (found == m_portRefs.end())
        return;
    IWJPortRef* ref = found->second.get();
    m_pinMap.erase(ref);
    m_pinGroupMap.erase(ref);
    int bit = -1;
    int msb = -1;
    const auto made = m_keys.find({ref->port(&bit, &msb), bit});
    if (made != m_keys.end() && made->second == key)
        m_keys.erase(made);
    m_portRefs.erase(found);
}

void CWJPartMap::unmapPort(IWJPort* port, int bit)
try {
    if (!port)
        return;
    const std::string key = portRefKey(port, bit);
    if (bit == -1) {
        // The whole port goes, with every single-bit mapping of it, as its
        // PortMap elements all go from the document.
        const std::string bitPrefix = key + '<';
        std::vector<std::string> keys;
        for (const auto& entry : m_portRefs) {
            if (entry.first == key || entry.first.compare(0, bitPrefix.size(), bitPrefix) == 0)
                keys.push_back(entry.first);
        }
        for (auto made = m_keys.lower_bound({port, INT_MIN}); made != m_keys.end() && made->first.first == port; ++made)
            keys.push_back(made->second);
        for (const std::string& other : keys)
            dropPortRef(other);
        for (const std::string& id : idsSharingKey(port))
            removeMapElements("PortMaps", "PortMap", "PortRefNoRange:ref", id.c_str());
    } else {
        // findPortRef also finds the reference of a port renamed since it was
        // mapped, filed under the port's current key.
        if (findPortRef(port, bit))
            dropPortRef(key);
        for (const std::string& id : idsSharingKey(port))
            removeMapElements("PortMaps", "PortMap", "PortRefNoRange:ref", id.c_str(), "PortRefNoRange:Bit",
                              std::to_string(bit).c_str());
    }
} catch (...) {
    noteOutOfMemory(this);
}

// A port and a differential port, or ports whose names differ only in case,
// share one key and so one mapping: what unmapping drops from memory, it drops
// from the document under each of their ids, or a save would bring it back.
std::vector<std::string> CWJPartMap::idsSharingKey(IWJPort* port)
{
    std::vector<std::string> ids{portId(port)};
    if (!m_compInst)
        return ids;
    const std::string key = portRefKey(port, -1);
    for (auto ports : {m_compInst->ports(), m_compInst->differentialPorts()}) {
        for (; ports.isValid(); ++ports) {
            if (ports.value() != port && portRefKey(ports.value(), -1) == key)
                ids.push_back(portId(ports.value()));
        }
    }
    return ids;
}

void CWJPartMap::mapPortGroupToPinNames(IWJPortGroup* portGroup, const std::vector<std::string>& pinNames)
try {
    if (portGroup)
        mapPortGroupToPinGroup(portGroup, makePinGroup(pinNames));
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::mapPortGroupToPinGroup(IWJPortGroup* portGroup, IWJFootPrintPinGroup* pinGroup)
try {
    if (!portGroup || !pinGroup)
        return;
    m_groupMap[portGroup] = pinGroup;
    CWJDOM2DesignData* binder = getDesignData();
    DOMElement* container = binder->CreateDOMNode(GetDomElement(), "GroupMaps", false);
    DOMElement* groupMap = binder->CreateDOMNode(container, "GroupMap", true);
    binder->UpdateDOMAttr(groupMap, portGroup->groupKind() == 1 ? "PortGroupRef:ref" : "BusInterfaceRef:ref",
                          groupId(portGroup));
    writePinGroup(groupMap, pinGroup);
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPartMap::unmapPortGroup(IWJPortGroup* portGroup)
try {
    if (!portGroup)
        return;
    m_groupMap.erase(portGroup);
    removeMapElements("GroupMaps", "GroupMap", portGroup->groupKind() == 1 ? "PortGroupRef:ref" : "BusInterfaceRef:ref",
                      groupId(portGroup));
} catch (...) {
    noteOutOfMemory(this);
}

IWJFootPrintPin* CWJPartMap::pinForPort(IWJPort* port, int bit)
try {
    const auto found = m_pinMap.find(findPortRef(port, bit));
    return found == m_pinMap.end() ? nullptr : found->second;
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

IWJFootPrintPinGroup* CWJPartMap::pinGroupForPortGroup(IWJPortGroup* portGroup)
try {
    const auto found = m_groupMap.find(portGroup);
    return found == m_groupMap.end() ? nullptr : found->second;
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

IWJFootPrintPinGroup* CWJPartMap::pinGroupForPort(IWJPort* port, int bit)
try {
    const auto found = m_pinGroupMap.find(findPortRef(port, bit));
    return found == m_pinGroupMap.end() ? nullptr : found->second;
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPin*> CWJPartMap::portPinMaps()
try {
    return CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPin*>(
        new CSTLIOMapIterator<IWJPortRef*, IWJFootPrintPin*>(m_pinMap));
} catch (...) {
    noteOutOfMemory(this);
    return {};
}

CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPinGroup*> CWJPartMap::portPinGroupMaps()
try {
    return CInterfaceObjectMapIterator<IWJPortRef*, IWJFootPrintPinGroup*>(
        new CSTLIOMapIterator<IWJPortRef*, IWJFootPrintPinGroup*>(m_pinGroupMap));
} catch (...) {
    noteOutOfMemory(this);
    return {};
}

CInterfaceObjectMapIterator<IWJPortGroup*, IWJFootPrintPinGroup*> CWJPartMap::portGroupPinGroupMaps()
try {
    return CInterfaceObjectMapIterator<IWJPortGroup*, IWJFootPrintPinGroup*>(
        new CSTLIOMapIterator<IWJPortGroup*, IWJFootPrintPinGroup*>(m_groupMap));
} catch (...) {
    noteOutOfMemory(this);
    return {};
}

IWJPortRef* CWJPartMap::findPortRef(IWJPort* port, int bit)
try {
    if (!port)
        return nullptr;
    const std::string key = portRefKey(port, bit);
    const auto found = m_portRefs.find(key);
    if (found != m_portRefs.end())
        return found->second.get();
    // A port renamed since it was mapped: its reference is filed under the
    // old name. File it under the new one, where a reload would find it.
    const auto renamed = m_keys.find({port, bit});
    if (renamed == m_keys.end())
        return nullptr;
    auto entry = m_portRefs.extract(renamed->second);
    entry.key() = key;
    renamed->second = key;
    return m_portRefs.insert(std::move(entry)).position->second.get();
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

IWJPortRef* CWJPartMap::obtainPortRef(IWJPort* port, int bit)
{
    if (IWJPortRef* existing = findPortRef(port, bit))
        return existing;
    const std::string key = portRefKey(port, bit);
    m_keys[{port, bit}] = key;
    std::unique_ptr<IWJPortRef>& slot = m_portRefs[key];
    slot.reset(new CWJPortRef(port, bit, bit));
    return slot.get();
}

void CWJPartMap::removeMapElements(const char* container, const char* item, const char* refPath, const char* value,
                                   const char* bitPath, const char* bitValue)
{
    CWJDOM2DesignData* binder = getDesignData();
    std::size_t count = 0;
    DOMElement* holder = binder->GetNthElement(binder->GetElementList(GetDomElement(), container, &count), 0);
    if (!holder)
        return;
    const std::vector<DOMElement*> items = binder->GetElementList(holder, item, &count);
    for (std::size_t i = 0; i < count; ++i) {
        DOMElement* candidate = binder->GetNthElement(items, i);
        if (!candidate || !binder->MatchAttr(candidate, refPath, value))
            continue;
        if (!bitPath || binder->MatchNodeValue(candidate, bitPath, bitValue))
            binder->RemoveDOMNode(candidate);
    }
    if (!binder->hasChildNodes(holder))
        binder->RemoveDOMNode(holder);
}

void CWJPartMap::readCompInstRef(const char* id)
{
    auto* view = dynamic_cast<CWJInterfaceView*>(m_view);
    setCompInst(view ? view->findCompInst(id) : nullptr);
}

void CWJPartMap::readPartDefRef(const char* id)
{
    auto* view = dynamic_cast<CWJInterfaceView*>(m_view);
    setFootprint(view ? view->findFootprint(id) : nullptr);
}

void CWJPartMap::readPortReference(const char* id)
{
    m_pendingReference = id;
    m_pendingBit = -1;
}

void CWJPartMap::readBit(const char* text)
{
    m_pendingBit = readInt(text);
}

void CWJPartMap::readGroupReference(const char* id)
{
    m_pendingReference = id;
}

void CWJPartMap::readPinRef(const char* id)
{
    auto* compInst = dynamic_cast<CWJCompInst*>(m_compInst);
    auto* footprint = dynamic_cast<CWJFootPrint*>(m_footprint);
    if (!compInst || !footprint)
        return;
    IWJPort* port = findAnyPortById(compInst, m_pendingReference.c_str());
    IWJFootPrintPin* pin = footprint->findPinById(id);
    if (port && pin)
        mapPortToPin(port, pin, m_pendingBit);
}

void CWJPartMap::AddChild(DOMElement*, IWJXMLObject* child)
{
    auto* pinGroup = dynamic_cast<IWJFootPrintPinGroup*>(child);
    if (!pinGroup)
        return;
    m_ownedPinGroups.emplace_back(pinGroup);
    auto* compInst = dynamic_cast<CWJCompInst*>(m_compInst);
    if (!compInst)
        return;
    const char* reference = m_pendingReference.c_str();
    if (IWJPortGroup* portGroup = compInst->findPortGroupAtAnyDepthById(reference))
        mapPortGroupToPinGroup(portGroup, pinGroup);
    else if (IWJCompBusInterface* busInterface = compInst->findBusInterfaceById(reference))
        mapPortGroupToPinGroup(busInterface, pinGroup);
    else if (IWJPort* port = findAnyPortById(compInst, reference))
        mapPortToPinGroup(port, pinGroup, m_pendingBit);
}

IWJXMLObject* CreatePartMapObject(IWJXMLObject* parent, DOMElement* element)
try {
    return new CWJPartMap(getDesignData()->bindElements ? element : nullptr, parent);
} catch (...) {
    noteOutOfMemory(nullptr);
    return nullptr;
}
