#include "CWJDPPort.h"

#include "CWJCompInst.h"
#include "CWJPort.h"
#include "ComponentText.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/TWJXMLObjFunctor.h"
#include "flowreader/OutOfMemory.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <new>

CWJDPPort::CWJDPPort(xercesc::DOMElement* element, IWJXMLObject* parent)
    : IWJXMLObject(element), m_owner(dynamic_cast<CWJCompInst*>(parent))
{
    registerHandlers();
    if (m_owner)
        m_owner->adoptPort(this);
}

CWJDPPort::CWJDPPort(xercesc::DOMElement* element, IWJXMLObject* parent, const char* idSeed)
    : CWJDPPort(element, parent)
{
    setId(idSeed);
}

CWJDPPort::~CWJDPPort() = default;

void CWJDPPort::registerHandlers()
{
    static const std::vector<std::string> sequence{"Name", "InstancePortName", "PositivePort", "NegativePort"};
    getDesignData()->RegisterTagSequence("DifferentialPort", sequence);
    RegisterXMLTagFP("Name", new TWJXMLObjFunctor<CWJDPPort>(this, &CWJDPPort::setName));
    RegisterXMLAttribFP("id", new TWJXMLObjFunctor<CWJDPPort>(this, &CWJDPPort::setId));
    RegisterXMLTagFP("InstancePortName", new TWJXMLObjFunctor<CWJDPPort>(this, &CWJDPPort::setInstancePortName));
    RegisterXMLAttribFP("PositivePort:ref", new TWJXMLObjFunctor<CWJDPPort>(this, &CWJDPPort::readPositiveRef));
    RegisterXMLAttribFP("NegativePort:ref", new TWJXMLObjFunctor<CWJDPPort>(this, &CWJDPPort::readNegativeRef));
    RegisterXMLAttribFP("PositivePort:Range:msb", new TWJXMLObjFunctor<CWJDPPort>(this, &CWJDPPort::readPositiveMsb));
    RegisterXMLAttribFP("PositivePort:Range:lsb", new TWJXMLObjFunctor<CWJDPPort>(this, &CWJDPPort::readPositiveLsb));
    RegisterXMLAttribFP("NegativePort:Range:msb", new TWJXMLObjFunctor<CWJDPPort>(this, &CWJDPPort::readNegativeMsb));
    RegisterXMLAttribFP("NegativePort:Range:lsb", new TWJXMLObjFunctor<CWJDPPort>(this, &CWJDPPort::readNegativeLsb));
}

int CWJDPPort::portKind()
{
    return m_portKind;
}

void CWJDPPort::setPortKind(int kind)
{
    m_portKind = kind;
}

const char* CWJDPPort::fullName()
try {
    return CWJPort::composeFullName(m_owner, m_instancePortName.empty() ? m_name : m_instancePortName);
} catch (...) {
    noteOutOfMemory(this);
    return "";
}

const char* CWJDPPort::name()
{
    return m_name.c_str();
}

void CWJDPPort::setName(const char* name)
try {
    const std::string oldKey = CWJPort::localNameKey(this);
    m_name = storableText(name);
    getDesignData()->UpdateDOMTag(GetDomElement(), "Name", CWJDPPort::name(), false);
    if (m_owner)
        m_owner->portRenamed(this, oldKey);
} catch (...) {
    noteOutOfMemory(this);
}

const char* CWJDPPort::instancePortName()
{
    return m_instancePortName.c_str();
}

void CWJDPPort::setInstancePortName(const char* instancePortName)
try {
    const std::string oldKey = CWJPort::localNameKey(this);
    m_instancePortName = storableText(instancePortName);
    getDesignData()->UpdateDOMTag(GetDomElement(), "InstancePortName", CWJDPPort::instancePortName(), false);
    if (m_owner)
        m_owner->portRenamed(this, oldKey);
} catch (...) {
    noteOutOfMemory(this);
}

int CWJDPPort::type()
{
    return Unknown;
}

void CWJDPPort::setType(int) {}

int CWJDPPort::numPhysPins()
{
    return 0;
}

void CWJDPPort::setNumPhysPins(int) {}

int CWJDPPort::lsb()
{
    return -1;
}

int CWJDPPort::msb()
{
    return -1;
}

void CWJDPPort::setRange(int, int) {}

IWJCompInst* CWJDPPort::compInst()
{
    return m_owner;
}

IWJPort* CWJDPPort::positivePort(int* lsb, int* msb)
{
    if (lsb)
        *lsb = m_positiveLsb;
    if (msb)
        *msb = m_positiveMsb;
    return m_positivePort;
}

// The bounds go through the Range readers, which store them as a reload of
// the written text gives them (-1 is written empty and reads back as 0).
void CWJDPPort::setPositivePort(IWJPort* port, int lsb, int msb)
try {
    if (!acceptsMember(port))
        return;
    tellOwnerOf(port);
    m_positivePort = port;
    getDesignData()->UpdateDOMAttr(GetDomElement(), "PositivePort:ref", CWJPort::idOf(port));
    readPositiveLsb(boundText(lsb).c_str());
    readPositiveMsb(boundText(msb).c_str());
} catch (...) {
    noteOutOfMemory(this);
}

IWJPort* CWJDPPort::negativePort(int* lsb, int* msb)
{
    if (lsb)
        *lsb = m_negativeLsb;
    if (msb)
        *msb = m_negativeMsb;
    return m_negativePort;
}

void CWJDPPort::setNegativePort(IWJPort* port, int lsb, int msb)
try {
    if (!acceptsMember(port))
        return;
    tellOwnerOf(port);
    m_negativePort = port;
    getDesignData()->UpdateDOMAttr(GetDomElement(), "NegativePort:ref", CWJPort::idOf(port));
    readNegativeLsb(boundText(lsb).c_str());
    readNegativeMsb(boundText(msb).c_str());
} catch (...) {
    noteOutOfMemory(this);
}

// A member is a single-ended port of the same instance, or none.
bool CWJDPPort::acceptsMember(IWJPort* port) const
{
    return !port || (m_owner && m_owner->holdsPort(port) && port->portKind() == 0);
}

const char* CWJDPPort::id() const
{
    return m_id.c_str();
}

void CWJDPPort::setId(const char* text)
try {
    m_id = m_owner ? m_owner->makeUniqueId(text) : textOrEmpty(text);
    getDesignData()->UpdateDOMAttr(GetDomElement(), "id", id());
} catch (...) {
    noteOutOfMemory(this);
}

void CWJDPPort::forgetMember(IWJPort* port)
{
    CWJDOM2DesignData* binder = getDesignData();
    if (m_positivePort == port) {
        m_positivePort = nullptr;
        m_positiveLsb = m_positiveMsb = -1;
        for (xercesc::DOMElement* member : binder->GetElementList(GetDomElement(), "PositivePort", nullptr))
            binder->RemoveDOMNode(member);
    }
    if (m_negativePort == port) {
        m_negativePort = nullptr;
        m_negativeLsb = m_negativeMsb = -1;
        for (xercesc::DOMElement* member : binder->GetElementList(GetDomElement(), "NegativePort", nullptr))
            binder->RemoveDOMNode(member);
    }
}

IWJPort* CWJDPPort::findMember(const char* id) const
{
    return m_owner ? m_owner->findPortById(id) : nullptr;
}

// Before the member is kept: when telling fails, the pair stays as it was.
void CWJDPPort::tellOwnerOf(IWJPort* member)
{
    if (member && m_owner)
        m_owner->noteMember(member, this);
}

void CWJDPPort::readPositiveRef(const char* text)
{
    IWJPort* member = findMember(text);
    tellOwnerOf(member);
    m_positivePort = member;
}

void CWJDPPort::readNegativeRef(const char* text)
{
    IWJPort* member = findMember(text);
    tellOwnerOf(member);
    m_negativePort = member;
}

void CWJDPPort::readPositiveMsb(const char* text)
{
    m_positiveMsb = readBound(text);
    getDesignData()->UpdateDOMAttr(GetDomElement(), "PositivePort:Range:msb", text);
}

void CWJDPPort::readPositiveLsb(const char* text)
{
    m_positiveLsb = readBound(text);
    getDesignData()->UpdateDOMAttr(GetDomElement(), "PositivePort:Range:lsb", text);
}

void CWJDPPort::readNegativeMsb(const char* text)
{
    m_negativeMsb = readBound(text);
    getDesignData()->UpdateDOMAttr(GetDomElement(), "NegativePort:Range:msb", text);
}

void CWJDPPort::readNegativeLsb(const char* text)
{
    m_negativeLsb = readBound(text);
    getDesignData()->UpdateDOMAttr(GetDomElement(), "NegativePort:Range:lsb", text);
}

IWJXMLObject* CreateInterfaceDPPortObject(IWJXMLObject* parent, xercesc::DOMElement* element)
try {
    return new CWJDPPort(getDesignData()->bindElements ? element : nullptr, parent);
} catch (...) {
    noteOutOfMemory(nullptr);
    return nullptr;
}
