#include "CWJCompBusInterface.h"

#include "CWJCompInst.h"
#include "CWJPortGroup.h"
#include "ComponentText.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/TWJXMLObjFunctor.h"
#include "flowreader/OutOfMemory.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <new>
#include <vector>

CWJCompBusInterface::CWJCompBusInterface(xercesc::DOMElement* element, IWJXMLObject* parent)
    : IWJXMLObject(element), m_compInst(dynamic_cast<CWJCompInst*>(parent)), m_container(this, this)
{
    registerHandlers();
    if (m_compInst)
        m_compInst->adoptBusInterface(this);
}

CWJCompBusInterface::CWJCompBusInterface(xercesc::DOMElement* element, IWJXMLObject* parent, const char* name)
    : CWJCompBusInterface(element, parent)
{
    setName(name);
    setId(name);
}

CWJCompBusInterface::~CWJCompBusInterface() = default;

void CWJCompBusInterface::registerHandlers()
{
    static const std::vector<std::string> sequence{"Name", "Definition", "PortRefs", "DifferentialPortRefs",
                                                   "PortGroups"};
    getDesignData()->RegisterTagSequence("BusInterface", sequence);
    RegisterXMLTagFP("Name", new TWJXMLObjFunctor<CWJCompBusInterface>(this, &CWJCompBusInterface::setName));
    RegisterXMLTagFP("Definition",
                     new TWJXMLObjFunctor<CWJCompBusInterface>(this, &CWJCompBusInterface::setDefinition));
    RegisterXMLAttribFP("id", new TWJXMLObjFunctor<CWJCompBusInterface>(this, &CWJCompBusInterface::setId));
    m_container.registerHandlers();
}

const char* CWJCompBusInterface::name()
{
    return m_name.c_str();
}

void CWJCompBusInterface::setName(const char* name)
try {
    m_name = storableText(name);
    getDesignData()->UpdateDOMTag(GetDomElement(), "Name", CWJCompBusInterface::name(), false);
} catch (...) {
    noteOutOfMemory(this);
}

// "<cell name>.<name>"; the name alone without a component instance.
const char* CWJCompBusInterface::fullName()
try {
    static thread_local std::string fullName;
    fullName = m_compInst ? std::string(m_compInst->cellName()) + '.' + m_name : m_name;
    return fullName.c_str();
} catch (...) {
    noteOutOfMemory(this);
    return "";
}

int CWJCompBusInterface::groupKind()
{
    return 0;
}

CInterfaceObjectIterator<IWJPortRef*> CWJCompBusInterface::portRefs()
try {
    return m_container.portRefs();
} catch (...) {
    noteOutOfMemory(this);
    return {};
}

CInterfaceObjectIterator<IWJPort*> CWJCompBusInterface::differentialPorts()
try {
    return m_container.differentialPorts();
} catch (...) {
    noteOutOfMemory(this);
    return {};
}

CInterfaceObjectMapIterator<std::string, IWJPortGroup*> CWJCompBusInterface::portGroups()
try {
    return m_container.portGroups();
} catch (...) {
    noteOutOfMemory(this);
    return {};
}

void CWJCompBusInterface::addPortRef(IWJPort* port, int lsb, int msb)
try {
    m_container.addPortRef(port, lsb, msb);
} catch (...) {
    noteOutOfMemory(this);
}

IWJPortGroup* CWJCompBusInterface::addPortGroup(const char* name, IWJPortGroupType type, const char* voltage,
                                                int numPowerPins, int numGroundPins)
try {
    return m_container.addPortGroup(name, type, voltage, numPowerPins, numGroundPins);
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

void CWJCompBusInterface::insertPortGroup(IWJPortGroup* group)
try {
    m_container.insertPortGroup(group);
} catch (...) {
    noteOutOfMemory(this);
}

IWJPortGroup* CWJCompBusInterface::findPortGroup(const char* path)
try {
    return m_container.findPortGroup(path, true);
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

IWJCompBusInterface* CWJCompBusInterface::busInterface()
{
    return nullptr;
}

const char* CWJCompBusInterface::definition()
{
    return m_definition.c_str();
}

void CWJCompBusInterface::setDefinition(const char* definition)
try {
    m_definition = storableText(definition);
    getDesignData()->UpdateDOMTag(GetDomElement(), "Definition", CWJCompBusInterface::definition(), false);
} catch (...) {
    noteOutOfMemory(this);
}

IWJCompInst* CWJCompBusInterface::compInst()
{
    return m_compInst;
}

void CWJCompBusInterface::AddChild(xercesc::DOMElement*, IWJXMLObject* child)
{
    if (auto* group = dynamic_cast<CWJPortGroup*>(child))
        m_container.file(group);
}

const char* CWJCompBusInterface::id() const
{
    return m_id.c_str();
}

void CWJCompBusInterface::setId(const char* text)
try {
    m_id = m_compInst ? m_compInst->makeUniqueId(text) : textOrEmpty(text);
    getDesignData()->UpdateDOMAttr(GetDomElement(), "id", id());
} catch (...) {
    noteOutOfMemory(this);
}

IWJPortGroup* CWJCompBusInterface::findPortGroupById(const char* id)
{
    return m_container.findPortGroupById(id);
}

IWJXMLObject* CreateCompBusInterface(IWJXMLObject* parent, xercesc::DOMElement* element)
try {
    return new CWJCompBusInterface(getDesignData()->bindElements ? element : nullptr, parent);
} catch (...) {
    noteOutOfMemory(nullptr);
    return nullptr;
}
