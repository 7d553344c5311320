#include "CWJPort.h"

#include "CWJCompInst.h"
#include "CWJDPPort.h"
#include "ComponentText.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/TWJXMLObjFunctor.h"
#include "flowreader/OutOfMemory.h"
#include "flowreader/toUpperKey.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <new>

namespace {

// Indexed by type code.
const char* const kTypeWords[] = {"input", "output", "inout", "power", "ground"};
const int kTypeWordCount = 5;

} // namespace

CWJPort::CWJPort(xercesc::DOMElement* element, IWJXMLObject* parent)
    : IWJXMLObject(element), m_owner(dynamic_cast<CWJCompInst*>(parent))
{
    registerHandlers();
    if (m_owner)
        m_owner->adoptPort(this);
}

CWJPort::CWJPort(xercesc::DOMElement* element, IWJXMLObject* parent, const char* idSeed) : CWJPort(element, parent)
{
    setId(idSeed);
}

CWJPort::~CWJPort() = default;

void CWJPort::registerHandlers()
{
    static const std::vector<std::string> sequence{"Name", "Type", "InstancePortName", "NumPhysPins", "Range"};
    getDesignData()->RegisterTagSequence("Port", sequence);
    RegisterXMLTagFP("Name", new TWJXMLObjFunctor<CWJPort>(this, &CWJPort::setName));
    RegisterXMLTagFP("Type", new TWJXMLObjFunctor<CWJPort>(this, &CWJPort::readType));
    RegisterXMLTagFP("NumPhysPins", new TWJXMLObjFunctor<CWJPort>(this, &CWJPort::readNumPhysPins));
    RegisterXMLTagFP("InstancePortName", new TWJXMLObjFunctor<CWJPort>(this, &CWJPort::setInstancePortName));
    RegisterXMLAttribFP("id", new TWJXMLObjFunctor<CWJPort>(this, &CWJPort::setId));
    RegisterXMLAttribFP("Range:msb", new TWJXMLObjFunctor<CWJPort>(this, &CWJPort::readMsb));
    RegisterXMLAttribFP("Range:lsb", new TWJXMLObjFunctor<CWJPort>(this, &CWJPort::readLsb));
}

int CWJPort::portKind()
{
    return m_portKind;
}

void CWJPort::setPortKind(int kind)
{
    m_portKind = kind;
}

const char* CWJPort::fullName()
try {
    return composeFullName(m_owner, m_instancePortName.empty() ? m_name : m_instancePortName);
} catch (...) {
    noteOutOfMemory(this);
    return "";
}

const char* CWJPort::name()
{
    return m_name.c_str();
}

void CWJPort::setName(const char* name)
try {
    const std::string oldKey = CWJPort::localNameKey(this);
    m_name = storableText(name);
    getDesignData()->UpdateDOMTag(GetDomElement(), "Name", CWJPort::name(), false);
    if (m_owner)
        m_owner->portRenamed(this, oldKey);
} catch (...) {
    noteOutOfMemory(this);
}

const char* CWJPort::instancePortName()
{
    return m_instancePortName.c_str();
}

void CWJPort::setInstancePortName(const char* instancePortName)
try {
    const std::string oldKey = CWJPort::localNameKey(this);
    m_instancePortName = storableText(instancePortName);
    getDesignData()->UpdateDOMTag(GetDomElement(), "InstancePortName", CWJPort::instancePortName(), false);
    if (m_owner)
        m_owner->portRenamed(this, oldKey);
} catch (...) {
    noteOutOfMemory(this);
}

int CWJPort::type()
{
    return m_type;
}

void CWJPort::setType(int type)
try {
    m_type = type;
    const char* word = m_type >= 0 && m_type < kTypeWordCount ? kTypeWords[m_type] : "";
    getDesignData()->UpdateDOMTag(GetDomElement(), "Type", word, false);
} catch (...) {
    noteOutOfMemory(this);
}

int CWJPort::numPhysPins()
{
    return m_numPhysPins;
}

void CWJPort::setNumPhysPins(int numPhysPins)
try {
    m_numPhysPins = numPhysPins;
    getDesignData()->UpdateDOMTag(GetDomElement(), "NumPhysPins", countText(CWJPort::numPhysPins()).c_str(), false);
} catch (...) {
    noteOutOfMemory(this);
}

int CWJPort::lsb()
{
    return m_lsb;
}

int CWJPort::msb()
{
    return m_msb;
}

void CWJPort::setRange(int lsb, int msb)
try {
    m_lsb = lsb;
    m_msb = msb;
    getDesignData()->UpdateDOMAttr(GetDomElement(), "Range:lsb", boundText(CWJPort::lsb()).c_str());
    getDesignData()->UpdateDOMAttr(GetDomElement(), "Range:msb", boundText(CWJPort::msb()).c_str());
} catch (...) {
    noteOutOfMemory(this);
}

IWJCompInst* CWJPort::compInst()
{
    return m_owner;
}

const char* CWJPort::id() const
{
    return m_id.c_str();
}

void CWJPort::setId(const char* text)
try {
    m_id = m_owner ? m_owner->makeUniqueId(text) : textOrEmpty(text);
    getDesignData()->UpdateDOMAttr(GetDomElement(), "id", id());
} catch (...) {
    noteOutOfMemory(this);
}

void CWJPort::readType(const char* text)
{
    for (int code = 0; code < kTypeWordCount; ++code) {
        if (equalsIgnoringCase(textOrEmpty(text), kTypeWords[code])) {
            m_type = code;
            return;
        }
    }
}

void CWJPort::readNumPhysPins(const char* text)
{
    m_numPhysPins = readInt(text);
}

void CWJPort::readMsb(const char* text)
{
    m_msb = readBound(text);
}

void CWJPort::readLsb(const char* text)
{
    m_lsb = readBound(text);
}

const char* CWJPort::composeFullName(IWJCompInst* owner, const std::string& localName)
{
    static thread_local std::string fullName;
    fullName = owner ? std::string(owner->cellName()) + '.' + localName : localName;
    return fullName.c_str();
}

const char* CWJPort::idOf(IWJPort* port)
{
    if (auto* plain = dynamic_cast<CWJPort*>(port))
        return plain->id();
    if (auto* differential = dynamic_cast<CWJDPPort*>(port))
        return differential->id();
    return "";
}

std::string CWJPort::localNameKey(IWJPort* port)
{
    return toUpperKey(*port->instancePortName() ? port->instancePortName() : port->name());
}

IWJXMLObject* CreateInterfacePortObject(IWJXMLObject* parent, xercesc::DOMElement* element)
try {
    return new CWJPort(getDesignData()->bindElements ? element : nullptr, parent);
} catch (...) {
    noteOutOfMemory(nullptr);
    return nullptr;
}
