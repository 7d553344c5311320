#include "CWJFootPrintPinGroup.h"

#include "binding/CWJDOM2DesignData.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/createBoundObject.h"
#include "binding/toUpperKey.h"
#include "footprints/CWJFootPrint.h"
#include "footprints/CWJFootPrintPin.h"
#include "footprints/CWJPinGroupWatcher.h"
#include "wjxmlinterfaceflowreader/CSTLIOMapIterator.h"
#include "wjxmlinterfaceflowreader/IWJPartMap.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <new>

namespace {

CWJOwnedObjects* pinGroupsOwnedBy(IWJXMLObject* parent)
{
    auto* watcher = dynamic_cast<CWJPinGroupWatcher*>(parent);
    return watcher ? &watcher->ownedPinGroups() : nullptr;
}

} // namespace

CWJFootPrintPinGroup::CWJFootPrintPinGroup(xercesc::DOMElement* element, IWJXMLObject* parent)
    : CWJModelObject(element, Kind::PinGroup, pinGroupsOwnedBy(parent)), m_partMap(dynamic_cast<IWJPartMap*>(parent)),
      m_watcher(dynamic_cast<CWJPinGroupWatcher*>(parent))
{
    registerHandlers();
}

CWJFootPrintPinGroup::~CWJFootPrintPinGroup()
{
    if (m_watcher)
        m_watcher->pinGroupDeleted(this);
}

void CWJFootPrintPinGroup::registerHandlers()
{
    static const std::vector<std::string> sequence{"PinRef"};
    getDesignData()->RegisterTagSequence("PinGroup", sequence);
    static const std::vector<ClassHandler> handlers{
        TWJXMLObjFunctor<CWJFootPrintPinGroup>::attribute<&CWJFootPrintPinGroup::addPinRef>("PinRef:ref")};
    RegisterClassHandlers(&handlers);
}

CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> CWJFootPrintPinGroup::pins()
try {
    return CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*>(
        new CSTLIOMapIterator<std::string, IWJFootPrintPin*>(m_pinsById));
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

// Pin groups that part maps make hold no element: a failed edit goes to the
// part map's document.
void CWJFootPrintPinGroup::addPin(IWJFootPrintPin* pin)
try {
    if (m_watcher && !m_watcher->acceptsPin(pin))
        return;
    auto* own = dynamic_cast<CWJFootPrintPin*>(pin);
    if (!own)
        return;
    m_pinsById[own->id()] = pin;
    if (m_watcher)
        m_watcher->pinGroupChanged(this);
} catch (...) {
    noteOutOfMemory(dynamic_cast<IWJXMLObject*>(m_partMap));
}

IWJFootPrintPin* CWJFootPrintPinGroup::findPin(const char* name)
try {
    const std::string key = toUpperKey(name);
    IWJFootPrintPin* found = nullptr;
    for (const auto& entry : m_pinsById) {
        if (key == toUpperKey(entry.second->name()))
            found = entry.second;
    }
    return found;
} catch (...) {
    noteLookupOutOfMemory();
    return nullptr;
}

void CWJFootPrintPinGroup::setPins(const std::vector<IWJFootPrintPin*>& pins)
{
    m_pinsById.clear();
    for (IWJFootPrintPin* pin : pins)
        m_pinsById[static_cast<CWJFootPrintPin*>(pin)->id()] = pin;
}

void CWJFootPrintPinGroup::addPinRef(const char* ref)
{
    auto* footprint = m_partMap ? dynamic_cast<CWJFootPrint*>(m_partMap->footprint()) : nullptr;
    if (!footprint)
        return;
    if (IWJFootPrintPin* pin = footprint->findPinById(ref))
        m_pinsById[static_cast<CWJFootPrintPin*>(pin)->id()] = pin;
}

IWJXMLObject* CreateFootPrintPinGroupObject(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    return createBoundObject<CWJFootPrintPinGroup>(parent, element);
}
