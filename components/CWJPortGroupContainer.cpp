#include "CWJPortGroupContainer.h"

#include "CWJCompBusInterface.h"
#include "CWJCompInst.h"
#include "CWJPort.h"
#include "CWJPortGroup.h"
#include "CWJPortRef.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/ModelText.h"
#include "wjxmlinterfaceflowreader/CSTLIOMapIterator.h"
#include "wjxmlinterfaceflowreader/CSTLIOVectorIterator.h"

CWJPortGroupContainer::CWJPortGroupContainer(CWJModelObject* holder, CWJCompBusInterface* busInterface)
    : m_holder(holder), m_busInterface(busInterface)
{
}

// The groups below are released leaves first, walking down through the last
// owned group and back up through the parents: a deep tree is not released
// by recursion, and nothing needs memory.
CWJPortGroupContainer::~CWJPortGroupContainer()
{
    CWJPortGroupContainer* level = this;
    for (;;) {
        if (CWJModelObject* last = level->m_ownedGroups.last()) {
            auto* group = static_cast<CWJPortGroup*>(last);
            if (!group->container().m_ownedGroups.last())
                delete group;
            else
                level = &group->container();
        } else if (level == this) {
            return;
        } else {
            CWJPortGroup* parent = static_cast<CWJPortGroup*>(level->m_holder)->ownerGroup();
            level = parent ? &parent->container() : this;
        }
    }
}

CInterfaceObjectIterator<IWJPortRef*> CWJPortGroupContainer::portRefs() const
{
    std::vector<IWJPortRef*> portRefs;
    for (const ListedRef& listed : m_listed) {
        if (listed.portRef)
            portRefs.push_back(listed.portRef);
    }
    return CInterfaceObjectIterator<IWJPortRef*>(new CSTLIOVectorIterator<IWJPortRef*>(portRefs));
}

CInterfaceObjectIterator<IWJPort*> CWJPortGroupContainer::differentialPorts() const
{
    std::vector<IWJPort*> ports;
    for (const ListedRef& listed : m_listed) {
        if (!listed.portRef)
            ports.push_back(listed.port);
    }
    return CInterfaceObjectIterator<IWJPort*>(new CSTLIOVectorIterator<IWJPort*>(ports));
}

CInterfaceObjectMapIterator<std::string, IWJPortGroup*> CWJPortGroupContainer::portGroups() const
{
    return CInterfaceObjectMapIterator<std::string, IWJPortGroup*>(
        new CSTLIOMapIterator<std::string, IWJPortGroup*>(m_portGroups));
}

CWJCompInst* CWJPortGroupContainer::compInst() const
{
    return m_busInterface ? m_busInterface->owner() : nullptr;
}

CWJPortRef* CWJPortGroupContainer::addPortRef(IWJPort* port, int lsb, int msb)
{
    return listPort(port, lsb, msb, nullptr);
}

// Lists a reference to port, in readElement when it was read and in a new
// element otherwise. A differential port has no bounds and no reference
// object.
CWJPortRef* CWJPortGroupContainer::listPort(IWJPort* port, int lsb, int msb, xercesc::DOMElement* readElement)
{
    CWJCompInst* owner = compInst();
    if (!owner || !owner->holdsPort(port))
        return nullptr;
    const bool singleEnded = port->portKind() == 0;
    if (!singleEnded && port->portKind() != 1)
        return nullptr;
    CWJPort::noteUser(port, m_holder);
    CWJPortRef* portRef = nullptr;
    if (singleEnded) {
        m_ownedPortRefs.push_back(std::make_unique<CWJPortRef>(port, lsb, msb, m_holder));
        portRef = m_ownedPortRefs.back().get();
    }
    const auto listed = m_listed.insert(m_listed.end(), {port, portRef, readElement});
    m_listedByPort.emplace(std::make_pair(port, &*listed), listed);
    if (portRef)
        m_listedByRef.emplace(portRef, listed);
    if (readElement)
        return portRef;
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* container =
        binder->CreateDOMNode(m_holder->GetDomElement(), singleEnded ? "PortRefs" : "DifferentialPortRefs", false);
    listed->element = binder->CreateDOMNode(container, singleEnded ? "PortRef" : "DifferentialPortRef", true);
    binder->UpdateDOMAttr(listed->element, "ref", CWJPort::idOf(port));
    if (lsb != -1 && singleEnded)
        binder->UpdateDOMAttr(listed->element, "Range:lsb", std::to_string(lsb).c_str());
    if (msb != -1 && singleEnded)
        binder->UpdateDOMAttr(listed->element, "Range:msb", std::to_string(msb).c_str());
    return portRef;
}

thread_local unsigned long long CWJPortGroupContainer::listingSteps = 0;

CWJPortGroupContainer::ListedRefs::iterator CWJPortGroupContainer::findListed(CWJPortRef& ref)
{
    ++listingSteps;
    const auto found = m_listedByRef.find(&ref);
    return found == m_listedByRef.end() ? m_listed.end() : found->second;
}

void CWJPortGroupContainer::refile(ListedRefs::iterator listed, IWJPort* port)
{
    m_listedByPort.emplace(std::make_pair(port, &*listed), listed);
    m_listedByPort.erase({listed->port, &*listed});
    listed->port = port;
}

// A bound of -1 is written as empty text, which reads back as -1.
void CWJPortGroupContainer::writeRange(xercesc::DOMElement* refElement, int lsb, int msb)
{
    CWJDOM2DesignData* binder = getDesignData();
    binder->UpdateDOMAttr(refElement, "Range:lsb", boundText(lsb).c_str());
    binder->UpdateDOMAttr(refElement, "Range:msb", boundText(msb).c_str());
}

void CWJPortGroupContainer::changePortRef(CWJPortRef& ref, IWJPort* port, int lsb, int msb)
{
    CWJCompInst* owner = compInst();
    if (!owner || !owner->holdsPort(port) || port->portKind() != 0)
        return;
    CWJPort::noteUser(port, m_holder);
    const auto listed = findListed(ref);
    if (listed != m_listed.end() && listed->port != port)
        refile(listed, port);
    ref.assign(port, lsb, msb);
    if (listed == m_listed.end())
        return;
    // A single-ended port named in a DifferentialPortRef keeps that element,
    // which holds no range; the change is not written there.
    CWJDOM2DesignData* binder = getDesignData();
    if (!binder->MatchNodeName(listed->element, "PortRef"))
        return;
    binder->UpdateDOMAttr(listed->element, "ref", CWJPort::idOf(port));
    writeRange(listed->element, lsb, msb);
}

IWJPortGroup* CWJPortGroupContainer::addPortGroup(const char* name, IWJPortGroup::IWJPortGroupType type,
                                                  const char* voltage, int numPowerPins, int numGroundPins)
{
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* element =
        binder->CreateDOMNode(binder->CreateDOMNode(m_holder->GetDomElement(), "PortGroups", false), "PortGroup", true);
    // Owned by this container from its construction on.
    auto* group = new CWJPortGroup(element, m_holder, name);
    group->setName(name);
    group->setGroupType(type);
    if (voltage)
        group->setVoltage(voltage);
    group->setNumPhysPins(numPowerPins, numGroundPins);
    take(group);
    return group;
}

void CWJPortGroupContainer::insertPortGroup(IWJPortGroup* group)
{
    CWJCompInst* owner = compInst();
    if (!owner || (!owner->holdsGroup(group) && !takeMadeGroup(group)))
        return;
    CWJModelObject* object = CWJModelObject::of(group);
    if (object->kind() != CWJModelObject::Kind::PortGroup)
        return;
    auto* child = static_cast<CWJPortGroup*>(object);
    auto* parentGroup =
        m_holder->kind() == CWJModelObject::Kind::PortGroup ? static_cast<CWJPortGroup*>(m_holder) : nullptr;
    if (&child->parentContainer() != this) {
        for (CWJPortGroup* above = parentGroup; above; above = above->parentGroup()) {
            if (above == child)
                return;
        }
        child->parentContainer().unfile(child);
        if (xercesc::DOMElement* element = child->GetDomElement()) {
            CWJDOM2DesignData* binder = getDesignData();
            xercesc::DOMNode* oldContainer = element->getParentNode();
            xercesc::DOMElement* container = binder->CreateDOMNode(m_holder->GetDomElement(), "PortGroups", false);
            if (oldContainer && container) {
                container->appendChild(oldContainer->removeChild(element));
                if (!oldContainer->getFirstChild())
                    binder->RemoveDOMNode(static_cast<xercesc::DOMElement*>(oldContainer));
            }
        }
        child->reparent(parentGroup, m_busInterface);
    }
    file(child);
}

void CWJPortGroupContainer::file(CWJPortGroup* group)
{
    m_portGroups[group->id()] = group;
    if (CWJCompInst* owner = compInst())
        owner->forgetGroupIndex();
}

void CWJPortGroupContainer::take(IWJXMLObject* child)
{
    CWJModelObject* object = CWJModelObject::of(child);
    if (!object || !object->handOverTo(m_ownedGroups))
        return;
    auto* group = static_cast<CWJPortGroup*>(object);
    if (CWJCompInst* owner = compInst())
        owner->registerGroup(group);
    file(group);
}

// A group made under a bus interface or group of this instance and never
// handed over is handed over there first, as a read would.
bool CWJPortGroupContainer::takeMadeGroup(IWJPortGroup* group)
{
    CWJModelObject* object = CWJModelObject::of(group);
    if (!object || object->kind() != CWJModelObject::Kind::PortGroup)
        return false;
    auto* made = static_cast<CWJPortGroup*>(object);
    if (!made->busInterface() || made->parentContainer().compInst() != compInst())
        return false;
    made->parentContainer().take(made);
    return compInst()->holdsGroup(group);
}

void CWJPortGroupContainer::unfile(CWJPortGroup* group)
{
    const auto found = m_portGroups.find(group->id());
    if (found != m_portGroups.end() && found->second == group)
        m_portGroups.erase(found);
}

void CWJPortGroupContainer::setBusInterface(CWJCompBusInterface* busInterface)
{
    std::vector<CWJPortGroupContainer*> pending{this};
    while (!pending.empty()) {
        CWJPortGroupContainer* container = pending.back();
        pending.pop_back();
        container->m_busInterface = busInterface;
        for (const auto& entry : container->m_portGroups) {
            auto* group = static_cast<CWJPortGroup*>(entry.second);
            group->setBusInterface(busInterface);
            pending.push_back(&group->container());
        }
    }
}

IWJPortGroup* CWJPortGroupContainer::findPortGroup(const char* path, bool ignoreCaseFirst) const
{
    std::string rest = textOrEmpty(path);
    const CWJPortGroupContainer* level = this;
    bool ignoreCase = ignoreCaseFirst;
    for (;;) {
        const std::string::size_type dot = rest.find('.');
        const std::string head = rest.substr(0, dot);
        rest = dot == std::string::npos ? std::string() : rest.substr(dot + 1);
        IWJPortGroup* match = nullptr;
        for (const auto& entry : level->m_portGroups) {
            const std::string name = entry.second->name();
            if (ignoreCase ? equalsIgnoringCase(name, head) : name == head) {
                match = entry.second;
                break;
            }
        }
        if (!match || rest.empty())
            return match;
        CWJModelObject* object = CWJModelObject::of(match);
        if (!object || object->kind() != CWJModelObject::Kind::PortGroup)
            return match->findPortGroup(rest.c_str());
        level = &static_cast<CWJPortGroup*>(object)->container();
        ignoreCase = false;
    }
}

IWJPortGroup* CWJPortGroupContainer::findPortGroupById(const char* id) const
{
    const auto found = m_portGroups.find(textOrEmpty(id));
    return found == m_portGroups.end() ? nullptr : found->second;
}

void CWJPortGroupContainer::forgetPort(IWJPort* port)
{
    CWJDOM2DesignData* binder = getDesignData();
    const auto first = m_listedByPort.lower_bound({port, nullptr});
    auto last = first;
    for (; last != m_listedByPort.end() && last->first.first == port; ++last) {
        ++listingSteps;
        binder->RemoveDOMNode(last->second->element);
        if (last->second->portRef)
            m_listedByRef.erase(last->second->portRef);
        m_listed.erase(last->second);
    }
    m_listedByPort.erase(first, last);
}

void CWJPortGroupContainer::beginPortRef(const char*)
{
    m_readPortRef = nullptr;
    m_readElement = m_portRefCursor.next(m_holder->GetDomElement());
}

void CWJPortGroupContainer::readRef(const char* text)
{
    CWJCompInst* owner = compInst();
    if (!owner)
        return;
    IWJPort* port = owner->findPortById(text);
    if (!port)
        port = owner->findDifferentialPortById(text);
    m_readPortRef = port ? listPort(port, -1, -1, m_readElement) : nullptr;
}

void CWJPortGroupContainer::beginDifferentialRef(const char*)
{
    m_readPortRef = nullptr;
    m_readElement = m_differentialRefCursor.next(m_holder->GetDomElement());
}

void CWJPortGroupContainer::readRangeLsb(const char* text)
{
    if (m_readPortRef)
        m_readPortRef->setRange(readBound(text), m_readPortRef->msb());
}

void CWJPortGroupContainer::readRangeMsb(const char* text)
{
    if (m_readPortRef)
        m_readPortRef->setRange(m_readPortRef->lsb(), readBound(text));
}
