#include "CWJFootPrint.h"

#include "binding/BoundProperty.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/CWJDesignRoot.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/createBoundObject.h"
#include "binding/toUpperKey.h"
#include "footprints/CWJFootPrintPin.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <new>
#include <vector>

CWJFootPrint::CWJFootPrint(xercesc::DOMElement* element, IWJXMLObject* parent)
    : CWJModelObject(element, Kind::Footprint, CWJDesignRoot::footprintsOwnedBy(parent)),
      m_root(dynamic_cast<CWJDesignRoot*>(parent))
{
    registerHandlers();
}

CWJFootPrint::CWJFootPrint(xercesc::DOMElement* element, IWJXMLObject* parent, const char* name)
    : CWJFootPrint(element, parent)
{
    setId(name);
    CWJFootPrint::setName(name);
}

CWJFootPrint::~CWJFootPrint()
{
    m_users.tell(*this, nullptr, Change::Deleted);
    m_ownedPins.deleteAll();
    if (GetDomElement()) {
        getDesignData()->RemoveDOMNode(GetDomElement());
        SetDomElement(nullptr);
    }
}

void CWJFootPrint::registerHandlers()
{
    static const std::vector<std::string> sequence{"Name",   "Width",    "Length", "Thickness",
                                                   "Origin", "Rotation", "Pins"};
    getDesignData()->RegisterTagSequence("Footprint", sequence);
    using Functor = TWJXMLObjFunctor<CWJFootPrint>;
    static const std::vector<ClassHandler> handlers{
        Functor::tag<&CWJFootPrint::setName>("Name"),         Functor::tag<&CWJFootPrint::setWidth>("Width"),
        Functor::tag<&CWJFootPrint::setLength>("Length"),     Functor::tag<&CWJFootPrint::setThickness>("Thickness"),
        Functor::tag<&CWJFootPrint::setRotation>("Rotation"), Functor::tag<&CWJFootPrint::setOrigin>("Origin"),
        Functor::attribute<&CWJFootPrint::setId>("id")};
    RegisterClassHandlers(&handlers);
}

CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> CWJFootPrint::pins()
try {
    return CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*>(m_pinsById.enumerate());
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

IWJFootPrintPin* CWJFootPrint::findPin(const char* name)
try {
    return pinNamed(name);
} catch (...) {
    noteLookupOutOfMemory();
    return nullptr;
}

IWJFootPrintPin* CWJFootPrint::pinNamed(const char* name) const
{
    return m_pinsByName.last(toUpperKey(name));
}

IWJFootPrintPin* CWJFootPrint::addPin(const char* name, const char* location, const char* padstack, const char* size,
                                      const char* shape)
try {
    CWJDOM2DesignData* binder = getDesignData();
    xercesc::DOMElement* container = binder->CreateDOMNode(GetDomElement(), "Pins", false);
    auto* pin = new CWJFootPrintPin(binder->CreateDOMNode(container, "Pin", true), this, name);
    if (location)
        pin->setLocation(location);
    if (padstack)
        pin->setPadstack(padstack);
    if (size)
        pin->setSize(size);
    if (shape)
        pin->setShape(shape);
    take(pin);
    return holdsPin(pin) ? pin : nullptr;
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

void CWJFootPrint::insertPin(IWJFootPrintPin* pin)
{
    auto* own = ofKind<CWJFootPrintPin>(pin, Kind::Pin);
    if (own && own->footprint() == this)
        filePin(own);
}

void CWJFootPrint::filePin(CWJFootPrintPin* pin)
try {
    m_pinsById.file(pin->id(), pin);
    m_pinsByName.file(toUpperKey(pin->name()), pin);
} catch (...) {
    noteOutOfMemory(this);
}

const char* CWJFootPrint::name()
{
    return m_name.c_str();
}

void CWJFootPrint::setName(const char* name)
try {
    const std::string oldName = m_name;
    storeTagText(*this, m_name, "Name", name);
    if (m_root)
        m_root->footprintRenamed(this, oldName);
} catch (...) {
    noteOutOfMemory(this);
}

const char* CWJFootPrint::origin()
{
    return m_origin.c_str();
}

void CWJFootPrint::setOrigin(const char* origin)
{
    storeTagText(*this, m_origin, "Origin", origin);
}

const char* CWJFootPrint::width()
{
    return m_width.c_str();
}

void CWJFootPrint::setWidth(const char* width)
{
    storeTagText(*this, m_width, "Width", width);
}

const char* CWJFootPrint::length()
{
    return m_length.c_str();
}

void CWJFootPrint::setLength(const char* length)
{
    storeTagText(*this, m_length, "Length", length);
}

const char* CWJFootPrint::thickness()
{
    return m_thickness.c_str();
}

void CWJFootPrint::setThickness(const char* thickness)
{
    storeTagText(*this, m_thickness, "Thickness", thickness);
}

const char* CWJFootPrint::rotation()
{
    return m_rotation.c_str();
}

void CWJFootPrint::setRotation(const char* rotation)
{
    storeTagText(*this, m_rotation, "Rotation", rotation);
}

void CWJFootPrint::AddChild(xercesc::DOMElement*, IWJXMLObject* child)
{
    take(child);
}

void CWJFootPrint::take(IWJXMLObject* child)
{
    CWJModelObject* object = CWJModelObject::of(child);
    if (object && object->handOverTo(m_ownedPins))
        filePin(static_cast<CWJFootPrintPin*>(object));
}

void CWJFootPrint::joinRoot(CWJDesignRoot* root)
{
    m_root = root;
    takeId(ids());
    m_ownedPins.forEach<CWJModelObject>([this](const CWJModelObject* pin) { pin->takeId(ids()); });
}

CWJOwnedObjects* CWJFootPrint::pinsOwnedBy(CWJFootPrint* footprint)
{
    return footprint ? &footprint->m_ownedPins : nullptr;
}

void CWJFootPrint::setId(const char* text)
{
    storeId(*this, ids(), m_id, text);
}

CWJIdRegistry* CWJFootPrint::ids() const
{
    return m_root ? &m_root->ids() : nullptr;
}

IWJFootPrintPin* CWJFootPrint::findPinById(const char* id)
{
    return m_pinsById.find(id ? id : "");
}

bool CWJFootPrint::holdsPin(const IWJFootPrintPin* pin) const
{
    return m_pinsById.holds(pin);
}

void CWJFootPrint::pinRenamed(IWJFootPrintPin* pin, const std::string& oldKey)
{
    if (!holdsPin(pin))
        return;
    m_pinsByName.rename(oldKey, toUpperKey(pin->name()), pin);
}

IWJXMLObject* CreateFootPrintObject(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    return createBoundObject<CWJFootPrint>(parent, element);
}
