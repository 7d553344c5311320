#include "CWJDPPort.h"

#include "CWJCompInst.h"
#include "CWJPort.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/ModelText.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/createBoundObject.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <new>

namespace {

const char* const kPositiveKeys[] = {"PositivePort:ref", "PositivePort:Range:lsb", "PositivePort:Range:msb"};
const char* const kNegativeKeys[] = {"NegativePort:ref", "NegativePort:Range:lsb", "NegativePort:Range:msb"};

} // namespace

CWJDPPort::CWJDPPort(xercesc::DOMElement* element, IWJXMLObject* parent)
    : TWJPortBase(element, parent, 1), m_positive{"PositivePort", kPositiveKeys}, m_negative{"NegativePort",
                                                                                             kNegativeKeys}
{
    registerHandlers();
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
    static const std::vector<ClassHandler> handlers =
        joinHandlers(nameHandlers(), {{kPositiveKeys[Ref], true, &readMemberField<&CWJDPPort::m_positive, Ref>},
                                      {kPositiveKeys[Lsb], true, &readMemberField<&CWJDPPort::m_positive, Lsb>},
                                      {kPositiveKeys[Msb], true, &readMemberField<&CWJDPPort::m_positive, Msb>},
                                      {kNegativeKeys[Ref], true, &readMemberField<&CWJDPPort::m_negative, Ref>},
                                      {kNegativeKeys[Lsb], true, &readMemberField<&CWJDPPort::m_negative, Lsb>},
                                      {kNegativeKeys[Msb], true, &readMemberField<&CWJDPPort::m_negative, Msb>}});
    RegisterClassHandlers(&handlers);
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

IWJPort* CWJDPPort::positivePort(int* lsb, int* msb)
{
    return member(m_positive, lsb, msb);
}

void CWJDPPort::setPositivePort(IWJPort* port, int lsb, int msb)
try {
    setMember(m_positive, port, lsb, msb);
} catch (...) {
    noteOutOfMemory(this);
}

IWJPort* CWJDPPort::negativePort(int* lsb, int* msb)
{
    return member(m_negative, lsb, msb);
}

void CWJDPPort::setNegativePort(IWJPort* port, int lsb, int msb)
try {
    setMember(m_negative, port, lsb, msb);
} catch (...) {
    noteOutOfMemory(this);
}

void CWJDPPort::forgetMember(IWJPort* port)
{
    forgetMember(m_positive, port);
    forgetMember(m_negative, port);
}

// A member is a single-ended port of the same instance, or none.
bool CWJDPPort::acceptsMember(IWJPort* port) const
{
    return !port || (m_owner && m_owner->holdsPort(port) && port->portKind() == 0);
}

IWJPort* CWJDPPort::member(const Member& member, int* lsb, int* msb)
{
    if (lsb)
        *lsb = member.lsb;
    if (msb)
        *msb = member.msb;
    return member.port;
}

// The bounds go through the reader, which stores them as a reload of the
// written text gives them (-1 is written empty and reads back as 0).
void CWJDPPort::setMember(Member& member, IWJPort* port, int lsb, int msb)
{
    if (!acceptsMember(port))
        return;
    tellOwnerOf(port);
    member.port = port;
    getDesignData()->UpdateDOMAttr(GetDomElement(), member.keys[Ref], CWJPort::idOf(port));
    readMember(member, Lsb, boundText(lsb).c_str());
    readMember(member, Msb, boundText(msb).c_str());
}

void CWJDPPort::forgetMember(Member& member, IWJPort* port)
{
    if (member.port != port)
        return;
    member.port = nullptr;
    member.lsb = member.msb = -1;
    CWJDOM2DesignData* binder = getDesignData();
    for (xercesc::DOMElement* element : binder->GetElementList(GetDomElement(), member.element, nullptr))
        binder->RemoveDOMNode(element);
}

// Before the member is kept: when telling fails, the pair stays as it was.
void CWJDPPort::tellOwnerOf(IWJPort* member)
{
    if (member && m_owner)
        CWJPort::noteUser(member, this);
}

// A reference resolves among the instance's ports; a bound is stored and
// written back as read.
void CWJDPPort::readMember(Member& member, MemberField field, const char* text)
{
    if (field == Ref) {
        IWJPort* port = m_owner ? m_owner->findPortById(text) : nullptr;
        tellOwnerOf(port);
        member.port = port;
        return;
    }
    (field == Lsb ? member.lsb : member.msb) = readBound(text);
    getDesignData()->UpdateDOMAttr(GetDomElement(), member.keys[field], text);
}

IWJXMLObject* CreateInterfaceDPPortObject(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    return createBoundObject<CWJDPPort>(parent, element);
}
