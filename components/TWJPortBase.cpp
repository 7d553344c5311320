#include "TWJPortBase.h"

#include "CWJCompInst.h"
#include "CWJPort.h"
#include "binding/BoundProperty.h"
#include "binding/CWJDOM2DesignData.h"
#include "binding/ModelText.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "wjxmlinterfaceflowreader/IWJDPPort.h"

template <class Interface>
TWJPortBase<Interface>::TWJPortBase(xercesc::DOMElement* element, IWJXMLObject* parent, int portKind)
    : TWJPortBase(ofKind<CWJCompInst>(parent, Kind::CompInst), element, portKind)
{
}

template <class Interface>
TWJPortBase<Interface>::TWJPortBase(CWJCompInst* owner, xercesc::DOMElement* element, int portKind)
    : CWJModelObject(element, portKind == 1 ? Kind::DifferentialPort : Kind::Port, CWJCompInst::portsOwnedBy(owner)),
      m_owner(owner), m_portKind(portKind)
{
}

template <class Interface> std::vector<IWJXMLObject::ClassHandler> TWJPortBase<Interface>::nameHandlers()
{
    using Functor = TWJXMLObjFunctor<TWJPortBase>;
    return {Functor::template tag<&TWJPortBase::setName>("Name"),
            Functor::template tag<&TWJPortBase::setInstancePortName>("InstancePortName"),
            Functor::template attribute<&TWJPortBase::setId>("id")};
}

template <class Interface> int TWJPortBase<Interface>::portKind()
{
    return m_portKind;
}

template <class Interface> void TWJPortBase<Interface>::setPortKind(int kind)
{
    m_portKind = kind;
}

// "<cell name>.<local name>" in the one buffer of all port full names;
// without an owner, the local name alone.
template <class Interface> const char* TWJPortBase<Interface>::fullName()
try {
    const char* localName = m_instancePortName.empty() ? m_name.c_str() : m_instancePortName.c_str();
    static thread_local std::string fullName;
    fullName = m_owner ? std::string(m_owner->cellName()) + '.' + localName : localName;
    return fullName.c_str();
} catch (...) {
    noteLookupOutOfMemory();
    return "";
}

template <class Interface> const char* TWJPortBase<Interface>::name()
{
    return m_name.c_str();
}

template <class Interface> void TWJPortBase<Interface>::setName(const char* name)
try {
    rename(m_name, "Name", name);
} catch (...) {
    noteOutOfMemory(this);
}

template <class Interface> const char* TWJPortBase<Interface>::instancePortName()
{
    return m_instancePortName.c_str();
}

template <class Interface> void TWJPortBase<Interface>::setInstancePortName(const char* instancePortName)
try {
    rename(m_instancePortName, "InstancePortName", instancePortName);
} catch (...) {
    noteOutOfMemory(this);
}

// Stores text in name, the name or the instance port name, writes it as the
// text of tag and files the port under its new local name.
template <class Interface> void TWJPortBase<Interface>::rename(CWJText& name, const char* tag, const char* text)
{
    const std::string oldKey = CWJPort::localNameKey(this);
    storeTagText(*this, name, tag, text);
    if (m_owner)
        m_owner->portRenamed(this, oldKey);
}

template <class Interface> IWJCompInst* TWJPortBase<Interface>::compInst()
{
    return m_owner;
}

template <class Interface> void TWJPortBase<Interface>::setId(const char* text)
{
    storeId(*this, m_owner ? m_owner->ids() : nullptr, m_id, text);
}

template class TWJPortBase<IWJPort>;
template class TWJPortBase<IWJDPPort>;
