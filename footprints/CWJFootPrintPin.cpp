#include "CWJFootPrintPin.h"

#include "binding/BoundProperty.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/XMLText.h"
#include "binding/createBoundObject.h"
#include "binding/toUpperKey.h"
#include "footprints/CWJFootPrint.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <new>

CWJFootPrintPin::CWJFootPrintPin(xercesc::DOMElement* element, IWJXMLObject* parent)
    : CWJFootPrintPin(ofKind<CWJFootPrint>(parent, Kind::Footprint), element)
{
}

CWJFootPrintPin::CWJFootPrintPin(CWJFootPrint* footprint, xercesc::DOMElement* element)
    : CWJModelObject(element, Kind::Pin, CWJFootPrint::pinsOwnedBy(footprint)), m_footprint(footprint)
{
    registerHandlers();
}

CWJFootPrintPin::CWJFootPrintPin(xercesc::DOMElement* element, IWJXMLObject* parent, const char* name)
    : CWJFootPrintPin(element, parent)
{
    CWJFootPrintPin::setName(name);
    setId(name);
}

CWJFootPrintPin::~CWJFootPrintPin() = default;

void CWJFootPrintPin::registerHandlers()
{
    static const std::vector<std::string> sequence{"Name", "XY", "Location", "Padstack", "Size", "Shape"};
    getDesignData()->RegisterTagSequence("Pin", sequence);
    using Functor = TWJXMLObjFunctor<CWJFootPrintPin>;
    static const std::vector<ClassHandler> handlers{
        Functor::tag<&CWJFootPrintPin::setName>("Name"),         Functor::attribute<&CWJFootPrintPin::setId>("id"),
        Functor::tag<&CWJFootPrintPin::setPadstack>("Padstack"), Functor::tag<&CWJFootPrintPin::setShape>("Shape"),
        Functor::tag<&CWJFootPrintPin::setSize>("Size"),         Functor::tag<&CWJFootPrintPin::readXY>("XY"),
        Functor::tag<&CWJFootPrintPin::readLocation>("Location")};
    RegisterClassHandlers(&handlers);
}

const char* CWJFootPrintPin::name()
{
    return m_name.c_str();
}

void CWJFootPrintPin::setName(const char* name)
try {
    const std::string oldKey = toUpperKey(m_name.c_str());
    storeTagText(*this, m_name, "Name", name);
    if (m_footprint)
        m_footprint->pinRenamed(this, oldKey);
} catch (...) {
    noteOutOfMemory(this);
}

const char* CWJFootPrintPin::location()
{
    return m_location.c_str();
}

void CWJFootPrintPin::setLocation(const char* location)
try {
    storeTagText(*this, m_location, "Location", location);
    CWJDOM2DesignData* binder = getDesignData();
    std::size_t xyCount = 0;
    binder->GetElementList(GetDomElement(), "XY", &xyCount);
    if (xyCount > 0)
        binder->UpdateDOMTag(GetDomElement(), "XY", this->location(), false);
} catch (...) {
    noteOutOfMemory(this);
}

void CWJFootPrintPin::readLocation(const char* text)
{
    m_locationRead = true;
    setLocation(text);
}

void CWJFootPrintPin::readXY(const char* text)
{
    if (!m_locationRead)
        setLocation(text);
}

const char* CWJFootPrintPin::padstack()
{
    return m_padstack.c_str();
}

void CWJFootPrintPin::setPadstack(const char* padstack)
{
    storeTagText(*this, m_padstack, "Padstack", padstack);
}

const char* CWJFootPrintPin::size()
{
    return m_size.c_str();
}

void CWJFootPrintPin::setSize(const char* size)
{
    storeTagText(*this, m_size, "Size", size);
}

const char* CWJFootPrintPin::shape()
{
    return m_shape.c_str();
}

void CWJFootPrintPin::setShape(const char* shape)
{
    storeTagText(*this, m_shape, "Shape", shape);
}

void CWJFootPrintPin::setId(const char* text)
{
    storeId(*this, m_footprint ? m_footprint->ids() : nullptr, m_id, text);
}

IWJXMLObject* CreateFootPrintPinObject(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    return createBoundObject<CWJFootPrintPin>(parent, element);
}
