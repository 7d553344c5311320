#include "CWJCompBusInterface.h"

#include "CWJCompInst.h"
#include "CWJPortGroup.h"
#include "binding/BoundProperty.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/createBoundObject.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <new>
#include <vector>

CWJCompBusInterface::CWJCompBusInterface(xercesc::DOMElement* element, IWJXMLObject* parent)
    : TWJPortGroupBase(element, Kind::BusInterface, CWJCompInst::busInterfacesOwnedBy(parent), this, true),
      m_compInst(ofKind<CWJCompInst>(parent, Kind::CompInst))
{
    registerHandlers();
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
    static const std::vector<ClassHandler> handlers =
        joinHandlers(groupHandlers(),
                     {TWJXMLObjFunctor<CWJCompBusInterface>::tag<&CWJCompBusInterface::setDefinition>("Definition")});
    RegisterClassHandlers(&handlers);
}

// "<cell name>.<name>"; the name alone without a component instance.
std::string CWJCompBusInterface::path() const
{
    return m_compInst ? std::string(m_compInst->cellName()) + '.' + m_name : m_name;
}

int CWJCompBusInterface::groupKind()
{
    return 0;
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
    storeTagText(*this, m_definition, "Definition", definition);
}

IWJCompInst* CWJCompBusInterface::compInst()
{
    return m_compInst;
}

IWJPortGroup* CWJCompBusInterface::findPortGroupById(const char* id)
{
    return container().findPortGroupById(id);
}

IWJXMLObject* CreateCompBusInterface(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    return createBoundObject<CWJCompBusInterface>(parent, element);
}
