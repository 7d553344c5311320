#include "CWJPort.h"

#include "CWJCompBusInterface.h"
#include "CWJCompInst.h"
#include "CWJDPPort.h"
#include "CWJPortGroup.h"
#include "binding/BoundProperty.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/ModelText.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "binding/createBoundObject.h"
#include "binding/toUpperKey.h"
#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <algorithm>
#include <new>

namespace {

// Indexed by type code.
const char* const kTypeWords[] = {"input", "output", "inout", "power", "ground"};
const int kTypeWordCount = 5;

} // namespace

CWJPort::CWJPort(xercesc::DOMElement* element, IWJXMLObject* parent) : TWJPortBase(element, parent, 0)
{
    registerHandlers();
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
    using Functor = TWJXMLObjFunctor<CWJPort>;
    static const std::vector<ClassHandler> handlers = joinHandlers(
        nameHandlers(),
        {Functor::tag<&CWJPort::readType>("Type"), Functor::tag<&CWJPort::readNumPhysPins>("NumPhysPins"),
         Functor::attribute<&CWJPort::readMsb>("Range:msb"), Functor::attribute<&CWJPort::readLsb>("Range:lsb")});
    RegisterClassHandlers(&handlers);
}

int CWJPort::type()
{
    return m_type;
}

void CWJPort::setType(int type)
{
    // A code without a word is saved as no word, which reads as Unknown.
    const bool hasWord = type >= 0 && type < kTypeWordCount;
    storeTagWord(*this, m_type, hasWord ? type : static_cast<int>(Unknown), "Type", hasWord ? kTypeWords[type] : "");
}

int CWJPort::numPhysPins()
{
    return m_numPhysPins;
}

void CWJPort::setNumPhysPins(int numPhysPins)
{
    storeTagCount(*this, m_numPhysPins, "NumPhysPins", numPhysPins);
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
    storeAttributeBound(*this, m_lsb, "Range:lsb", lsb);
    storeAttributeBound(*this, m_msb, "Range:msb", msb);
    if (m_owner)
        m_owner->portRangeChanged(this);
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

namespace {

std::vector<CWJModelObject*>* usersOf(IWJPort* port)
{
    CWJModelObject* object = CWJModelObject::of(port);
    if (!object)
        return nullptr;
    if (object->kind() == CWJModelObject::Kind::DifferentialPort)
        return &static_cast<CWJDPPort*>(object)->users();
    if (object->kind() == CWJModelObject::Kind::Port)
        return &static_cast<CWJPort*>(object)->users();
    return nullptr;
}

} // namespace

// A user that takes the port again right after is noted once.
void CWJPort::noteUser(IWJPort* port, CWJModelObject* user)
{
    std::vector<CWJModelObject*>* users = usersOf(port);
    if (users && (users->empty() || users->back() != user))
        users->push_back(user);
}

void CWJPort::leaveUsers(IWJPort* port)
{
    std::vector<CWJModelObject*>* users = usersOf(port);
    if (!users)
        return;
    for (CWJModelObject* user : *users) {
        if (user->kind() == CWJModelObject::Kind::DifferentialPort)
            static_cast<CWJDPPort*>(user)->forgetMember(port);
        else if (user->kind() == CWJModelObject::Kind::BusInterface)
            static_cast<CWJCompBusInterface*>(user)->container().forgetPort(port);
        else if (user->kind() == CWJModelObject::Kind::PortGroup)
            static_cast<CWJPortGroup*>(user)->container().forgetPort(port);
    }
    std::vector<CWJModelObject*>().swap(*users);
}

const char* CWJPort::idOf(IWJPort* port)
{
    const CWJModelObject* object = CWJModelObject::of(port);
    return object ? object->id() : "";
}

std::size_t CWJPort::rankOf(IWJPort* port)
{
    const CWJModelObject* object = CWJModelObject::of(port);
    return object ? object->rank() : 0;
}

std::string CWJPort::localNameKey(IWJPort* port)
{
    return toUpperKey(*port->instancePortName() ? port->instancePortName() : port->name());
}

bool CWJPort::hasBit(IWJPort* port, int bit)
{
    if (bit == -1)
        return true;
    const int lsb = port->lsb() == -1 ? port->msb() : port->lsb();
    const int msb = port->msb() == -1 ? port->lsb() : port->msb();
    return lsb != -1 && bit >= std::min(lsb, msb) && bit <= std::max(lsb, msb);
}

IWJXMLObject* CreateInterfacePortObject(IWJXMLObject* parent, xercesc::DOMElement* element)
{
    return createBoundObject<CWJPort>(parent, element);
}
