#include "CWJCompBusInterface.h"

#include "CWJCompInst.h"
#include "CWJPortGroup.h"
#include "ComponentText.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/TWJXMLObjFunctor.h"
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
{
    m_name = storableText(name);
    getDesignData()->UpdateDOMTag(GetDomElement(), "Name", CWJCompBusInterface::name(), false);
}

// "<cell name>.<name>"; the name alone without a component instance.
const char* CWJCompBusInterface::fullName()
{
    static std::string fullName;
    fullName = m_compInst ? std::string(m_compInst->cellName()) + '.' + m_name : m_name;
    return fullName.c_str();
}

int CWJCompBusInterface::groupKind()
{
    return 0;
}

CInterfaceObjectIterator<IWJPortRef*> CWJCompBusInterface::portRefs()
{
    return m_container.portRefs();
}

CInterfaceObjectIterator<IWJPort*> CWJCompBusInterface::differentialPorts()
{
    return m_container.differentialPorts();
}

CInterfaceObjectMapIterator<std::string, IWJPortGroup*> CWJCompBusInterface::portGroups()
{
    return m_container.portGroups();
}

void CWJCompBusInterface::addPortRef(IWJPort* port, int lsb, int msb)
{
    m_container.addPortRef(port, lsb, msb);
}

IWJPortGroup* CWJCompBusInterface::addPortGroup(const char* name, IWJPortGroupType type, const char* voltage,
                                                int numPowerPins, int numGroundPins)
{
    return m_container.addPortGroup(name, type, voltage, numPowerPins, numGroundPins);
}

void CWJCompBusInterface::insertPortGroup(IWJPortGroup* group)
{
    m_container.insertPortGroup(group);
}

IWJPortGroup* CWJCompBusInterface::findPortGroup(const char* path)
{
    return m_container.findPortGroup(path, true);
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
{
    m_definition = storableText(definition);
    getDesignData()->UpdateDOMTag(GetDomElement(), "Definition", CWJCompBusInterface::definition(), false);
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
{
    m_id = m_compInst ? m_compInst->makeUniqueId(text) : textOrEmpty(text);
    getDesignData()->UpdateDOMAttr(GetDomElement(), "id", id());
}

IWJPortGroup* CWJCompBusInterface::findPortGroupById(const char* id)
{
    return m_container.findPortGroupById(id);
}

IWJXMLObject* CreateCompBusInterface(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    return new (std::nothrow) CWJCompBusInterface(getDesignData()->bindElements ? element : nullptr, parent);
}
