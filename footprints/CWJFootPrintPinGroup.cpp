#include "CWJFootPrintPinGroup.h"

#include "binding/CWJDOM2DesignData.h"
#include "binding/TWJXMLObjFunctor.h"
#include "flowreader/OutOfMemory.h"
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

// Pin groups that part maps make hold no element: a failure goes to the part
// map's document.
CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> CWJFootPrintPinGroup::pins()
try {
    return CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*>(
        new CSTLIOMapIterator<std::string, IWJFootPrintPin*>(m_pinsById));
} catch (...) {
    noteOutOfMemory(dynamic_cast<IWJXMLObject*>(m_partMap));
    return {};
}

void CWJFootPrintPinGroup::addPin(IWJFootPrintPin* pin)
try {
    auto* own = dynamic_cast<CWJFootPrintPin*>(pin);
    if (!own)
        return;
    m_pinsById[own->id()] = pin;
    m_pinsByName[toUpperKey(pin->name())] = pin;
} catch (...) {
    noteOutOfMemory(dynamic_cast<IWJXMLObject*>(m_partMap));
}

IWJFootPrintPin* CWJFootPrintPinGroup::findPin(const char* name)
try {
    const auto found = m_pinsByName.find(toUpperKey(name));
    return found == m_pinsByName.end() ? nullptr : found->second;
} catch (...) {
    noteOutOfMemory(dynamic_cast<IWJXMLObject*>(m_partMap));
    return nullptr;
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
try {
    return new CWJFootPrintPinGroup(getDesignData()->bindElements ? element : nullptr, parent);
} catch (...) {
    noteOutOfMemory(nullptr);
    return nullptr;
}
