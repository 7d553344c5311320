#include "TWJPortGroupBase.h"

#include "CWJCompInst.h"
#include "CWJPortGroup.h"
#include "binding/BoundProperty.h"
#include "binding/OutOfMemory.h"
#include "binding/TWJXMLObjFunctor.h"
#include "wjxmlinterfaceflowreader/IWJCompBusInterface.h"

template <class Interface>
TWJPortGroupBase<Interface>::TWJPortGroupBase(xercesc::DOMElement* element, Kind kind, CWJOwnedObjects* owner,
                                              CWJCompBusInterface* busInterface, bool ignoreCaseFirst)
    : CWJModelObject(element, kind, owner), m_ignoreCaseFirst(ignoreCaseFirst), m_container(this, busInterface)
{
}

template <class Interface> const char* TWJPortGroupBase<Interface>::fullName()
try {
    static thread_local std::string fullName;
    fullName = path();
    return fullName.c_str();
} catch (...) {
    noteLookupOutOfMemory();
    return "";
}

template <class Interface> std::vector<IWJXMLObject::ClassHandler> TWJPortGroupBase<Interface>::groupHandlers()
{
    using Functor = TWJXMLObjFunctor<TWJPortGroupBase>;
    using Container = CWJPortGroupContainer;
    return {Functor::template tag<&TWJPortGroupBase::setName>("Name"),
            Functor::template attribute<&TWJPortGroupBase::setId>("id"),
            {"PortRefs:PortRef", false, &readIntoContainer<&Container::beginPortRef>},
            {"PortRefs:PortRef:ref", true, &readIntoContainer<&Container::readRef>},
            {"PortRefs:PortRef:Range:lsb", true, &readIntoContainer<&Container::readRangeLsb>},
            {"PortRefs:PortRef:Range:msb", true, &readIntoContainer<&Container::readRangeMsb>},
            {"DifferentialPortRefs:DifferentialPortRef", false, &readIntoContainer<&Container::beginDifferentialRef>},
            {"DifferentialPortRefs:DifferentialPortRef:ref", true, &readIntoContainer<&Container::readRef>}};
}

template <class Interface> const char* TWJPortGroupBase<Interface>::name()
{
    return m_name.c_str();
}

template <class Interface> void TWJPortGroupBase<Interface>::setName(const char* name)
{
    storeTagText(*this, m_name, "Name", name);
}

template <class Interface> CInterfaceObjectIterator<IWJPortRef*> TWJPortGroupBase<Interface>::portRefs()
try {
    return m_container.portRefs();
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

template <class Interface> CInterfaceObjectIterator<IWJPort*> TWJPortGroupBase<Interface>::differentialPorts()
try {
    return m_container.differentialPorts();
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

template <class Interface>
CInterfaceObjectMapIterator<std::string, IWJPortGroup*> TWJPortGroupBase<Interface>::portGroups()
try {
    return m_container.portGroups();
} catch (...) {
    noteLookupOutOfMemory();
    return {};
}

template <class Interface> void TWJPortGroupBase<Interface>::addPortRef(IWJPort* port, int lsb, int msb)
try {
    m_container.addPortRef(port, lsb, msb);
} catch (...) {
    noteOutOfMemory(this);
}

template <class Interface>
IWJPortGroup* TWJPortGroupBase<Interface>::addPortGroup(const char* name, IWJPortGroupType type, const char* voltage,
                                                        int numPowerPins, int numGroundPins)
try {
    return m_container.addPortGroup(name, type, voltage, numPowerPins, numGroundPins);
} catch (...) {
    noteOutOfMemory(this);
    return nullptr;
}

template <class Interface> void TWJPortGroupBase<Interface>::insertPortGroup(IWJPortGroup* group)
try {
    m_container.insertPortGroup(group);
} catch (...) {
    noteOutOfMemory(this);
}

template <class Interface>
void TWJPortGroupBase<Interface>::changePortRef(CWJPortRef& ref, IWJPort* port, int lsb, int msb)
{
    m_container.changePortRef(ref, port, lsb, msb);
}

template <class Interface> IWJPortGroup* TWJPortGroupBase<Interface>::findPortGroup(const char* path)
try {
    return groupAt(path);
} catch (...) {
    noteLookupOutOfMemory();
    return nullptr;
}

template <class Interface> IWJPortGroup* TWJPortGroupBase<Interface>::groupAt(const char* path) const
{
    return m_container.findPortGroup(path, m_ignoreCaseFirst);
}

template <class Interface> void TWJPortGroupBase<Interface>::AddChild(xercesc::DOMElement*, IWJXMLObject* child)
try {
    m_container.take(child);
} catch (...) {
    noteOutOfMemory(this);
}

template <class Interface> void TWJPortGroupBase<Interface>::setId(const char* text)
{
    CWJCompInst* compInst = m_container.compInst();
    storeId(*this, compInst ? compInst->ids() : nullptr, m_id, text);
}

template class TWJPortGroupBase<IWJPortGroup>;
template class TWJPortGroupBase<IWJCompBusInterface>;
