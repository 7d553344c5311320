#include "CWJPortGroup.h"

#include "CWJCompBusInterface.h"
#include "CWJCompInst.h"
#include "binding/BoundProperty.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/ModelText.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/createBoundObject.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <new>
#include <vector>

namespace {

using Kind = CWJModelObject::Kind;

CWJCompBusInterface* busInterfaceOf(IWJXMLObject* parent)
{
    if (auto* busInterface = CWJModelObject::ofKind<CWJCompBusInterface>(parent, Kind::BusInterface))
        return busInterface;
    if (auto* group = CWJModelObject::ofKind<CWJPortGroup>(parent, Kind::PortGroup))
        return static_cast<CWJCompBusInterface*>(group->busInterface());
    return nullptr;
}

CWJOwnedObjects* groupsOwnedBy(IWJXMLObject* parent)
{
    if (auto* busInterface = CWJModelObject::ofKind<CWJCompBusInterface>(parent, Kind::BusInterface))
        return &busInterface->container().ownedGroups();
    if (auto* group = CWJModelObject::ofKind<CWJPortGroup>(parent, Kind::PortGroup))
        return &group->container().ownedGroups();
    return nullptr;
}

} // namespace

CWJPortGroup::CWJPortGroup(xercesc::DOMElement* element, IWJXMLObject* parent)
    : TWJPortGroupBase(element, Kind::PortGroup, groupsOwnedBy(parent), busInterfaceOf(parent), false),
      m_busInterface(busInterfaceOf(parent)), m_parentGroup(ofKind<CWJPortGroup>(parent, Kind::PortGroup)),
      m_ownerGroup(m_parentGroup)
{
    registerHandlers();
}

CWJPortGroup::CWJPortGroup(xercesc::DOMElement* element, IWJXMLObject* parent, const char* idSeed)
    : CWJPortGroup(element, parent)
{
    setId(idSeed);
}

CWJPortGroup::~CWJPortGroup() = default;

void CWJPortGroup::registerHandlers()
{
    static const std::vector<std::string> sequence{
        "Name", "Type", "Voltage", "NumPowerPins", "NumGroundPins", "PortRefs", "DifferentialPortRefs", "PortGroups"};
    getDesignData()->RegisterTagSequence("PortGroup", sequence);
    using Functor = TWJXMLObjFunctor<CWJPortGroup>;
    static const std::vector<ClassHandler> handlers =
        joinHandlers(groupHandlers(), {Functor::tag<&CWJPortGroup::readType>("Type"),
                                       Functor::tag<&CWJPortGroup::readVoltage>("Voltage"),
                                       Functor::tag<&CWJPortGroup::readNumPowerPins>("NumPowerPins"),
                                       Functor::tag<&CWJPortGroup::readNumGroundPins>("NumGroundPins")});
    RegisterClassHandlers(&handlers);
}

// "<cell name>.<bus interface name>.<enclosing groups, outermost first>.<name>";
// the parts that cannot be reached are left out.
std::string CWJPortGroup::path() const
{
    std::vector<const std::string*> groupNames;
    for (const CWJPortGroup* group = this; group; group = group->m_parentGroup)
        groupNames.push_back(&group->m_name);

    std::string fullName;
    if (m_busInterface) {
        if (IWJCompInst* compInst = m_busInterface->compInst())
            fullName.append(compInst->cellName()).append(".");
        fullName.append(m_busInterface->name()).append(".");
    }
    for (auto name = groupNames.rbegin(); name != groupNames.rend(); ++name)
        fullName.append(**name).append(".");
    fullName.pop_back();
    return fullName;
}

IWJPortGroup::IWJPortGroupType CWJPortGroup::groupType() const
{
    return m_groupType;
}

void CWJPortGroup::setGroupType(IWJPortGroupType type)
{
    // A type without a word is saved as no word, which reads as NoType.
    const IWJPortGroupType kept = type == VoltageDefn || type == Bus ? type : NoType;
    storeTagWord(*this, m_groupType, kept, "Type", kept == VoltageDefn ? "voltageDefn" : kept == Bus ? "bus" : "");
}

int CWJPortGroup::numPhysPowerPins() const
{
    return m_numPowerPins;
}

int CWJPortGroup::numPhysGroundPins() const
{
    return m_numGroundPins;
}

void CWJPortGroup::setNumPhysPins(int power, int ground)
{
    storeTagCount(*this, m_numPowerPins, "NumPowerPins", power);
    storeTagCount(*this, m_numGroundPins, "NumGroundPins", ground);
}

const char* CWJPortGroup::voltage() const
{
    return m_voltage.c_str();
}

int CWJPortGroup::groupKind()
{
    return 1;
}

void CWJPortGroup::setVoltage(const char* voltage)
{
    storeTagText(*this, m_voltage, "Voltage", voltage);
}

IWJCompBusInterface* CWJPortGroup::busInterface()
{
    return m_busInterface;
}

CWJPortGroupContainer& CWJPortGroup::parentContainer()
{
    return m_parentGroup ? m_parentGroup->container() : m_busInterface->container();
}

void CWJPortGroup::reparent(CWJPortGroup* parentGroup, CWJCompBusInterface* busInterface)
{
    m_parentGroup = parentGroup;
    m_busInterface = busInterface;
    container().setBusInterface(busInterface);
}

std::string CWJPortGroup::pathOf(IWJPortGroup* group)
{
    if (auto* portGroup = ofKind<CWJPortGroup>(group, Kind::PortGroup))
        return portGroup->path();
    if (auto* busInterface = ofKind<CWJCompBusInterface>(group, Kind::BusInterface))
        return busInterface->path();
    return std::string();
}

const char* CWJPortGroup::idOf(IWJPortGroup* group)
{
    const CWJModelObject* object = CWJModelObject::of(group);
    return object ? object->id() : "";
}

void CWJPortGroup::readType(const char* text)
{
    const std::string word = textOrEmpty(text);
    if (word == "voltageDefn")
        setGroupType(VoltageDefn);
    else if (word == "bus")
        setGroupType(Bus);
}

void CWJPortGroup::readVoltage(const char* text)
{
    m_voltage = storableText(text);
}

void CWJPortGroup::readNumPowerPins(const char* text)
{
    m_numPowerPins = readInt(text);
}

void CWJPortGroup::readNumGroundPins(const char* text)
{
    m_numGroundPins = readInt(text);
}

IWJXMLObject* CreateInterfacePortGroupObject(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    return createBoundObject<CWJPortGroup>(parent, element);
}
