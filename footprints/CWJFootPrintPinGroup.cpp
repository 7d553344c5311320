#include "CWJFootPrintPinGroup.h"

#include "binding/CWJDOM2DesignData.h"
#include "binding/TWJXMLObjFunctor.h"
#include "flowreader/toUpperKey.h"
#include "footprints/CWJFootPrint.h"
#include "footprints/CWJFootPrintPin.h"
#include "wjxmlinterfaceflowreader/CSTLIOMapIterator.h"
#include "wjxmlinterfaceflowreader/IWJPartMap.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <new>

CWJFootPrintPinGroup::CWJFootPrintPinGroup(xercesc::DOMElement* element, IWJXMLObject* parent)
    : IWJXMLObject(element)
{
    registerHandlers();
    m_partMap = dynamic_cast<IWJPartMap*>(parent);
}

CWJFootPrintPinGroup::~CWJFootPrintPinGroup() = default;

void CWJFootPrintPinGroup::registerHandlers()
{
    static const std::vector<std::string> sequence{"PinRef"};
    getDesignData()->RegisterTagSequence("PinGroup", sequence);
    RegisterXMLAttribFP("PinRef:ref",
                        new TWJXMLObjFunctor<CWJFootPrintPinGroup>(this, &CWJFootPrintPinGroup::addPinRef));
}

CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> CWJFootPrintPinGroup::pins()
{
    return CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*>(
        new CSTLIOMapIterator<std::string, IWJFootPrintPin*>(m_pinsById));
}

void CWJFootPrintPinGroup::addPin(IWJFootPrintPin* pin)
{
    auto* own = dynamic_cast<CWJFootPrintPin*>(pin);
    if (!own)
        return;
    m_pinsById[own->id()] = pin;
    m_pinsByName[toUpperKey(pin->name())] = pin;
}

IWJFootPrintPin* CWJFootPrintPinGroup::findPin(const char* name)
{
    const auto found = m_pinsByName.find(toUpperKey(name));
    return found == m_pinsByName.end() ? nullptr : found->second;
}

void CWJFootPrintPinGroup::addPinRef(const char* ref)
{
    auto* footprint = m_partMap ? dynamic_cast<CWJFootPrint*>(m_partMap->footprint()) : nullptr;
    if (!footprint)
        return;
    if (IWJFootPrintPin* pin = footprint->findPinById(ref))
        addPin(pin);
}

IWJXMLObject* CreateFootPrintPinGroupObject(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    try {
        return new CWJFootPrintPinGroup(getDesignData()->bindElements ? element : nullptr, parent);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
