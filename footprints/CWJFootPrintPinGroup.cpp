#include "CWJFootPrintPinGroup.h"

#include "binding/CWJDOM2DesignData.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/toUpperKey.h"
#include "footprints/CWJFootPrint.h"
#include "footprints/CWJFootPrintPin.h"
#include "wjxmlinterfaceflowreader/CSTLIOMapIterator.h"

CWJFootPrintPinGroup::CWJFootPrintPinGroup(xercesc::DOMElement* element, CWJOwnedObjects* owner,
                                           CWJModelObject* partMap, CWJFootPrint* footprint)
    : CWJModelObject(element, Kind::PinGroup, owner), m_footprint(footprint)
{
    if (partMap)
        m_users.note(partMap);
    registerHandlers();
}

CWJFootPrintPinGroup::~CWJFootPrintPinGroup()
{
    m_users.tell(*this, nullptr, Change::Deleted);
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
// user's document.
void CWJFootPrintPinGroup::addPin(IWJFootPrintPin* pin)
try {
    const bool used = !m_users.list().empty();
    if (used && !(m_footprint && m_footprint->holdsPin(pin)))
        return;
    auto* own = ofKind<CWJFootPrintPin>(pin, Kind::Pin);
    if (!own)
        return;
    m_pinsById[own->id()] = pin;
    m_users.tell(*this, nullptr, Change::PinsChanged);
} catch (...) {
    noteOutOfMemory(m_users.list().empty() ? nullptr : m_users.list().front());
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
    if (IWJFootPrintPin* pin = m_footprint ? m_footprint->findPinById(ref) : nullptr)
        m_pinsById[static_cast<CWJFootPrintPin*>(pin)->id()] = pin;
}
