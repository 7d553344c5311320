#include "model/DesignIds.h"

DesignIds::DesignIds(IWJInterfaceView* design)
{
    for (auto instances = design->compInsts(); instances.isValid(); ++instances)
        addInstance(instances.key(), instances.value());
    for (auto footprints = design->footprints(); footprints.isValid(); ++footprints) {
        m_ids[footprints.value()] = footprints.key();
        for (auto pins = footprints.value()->pins(); pins.isValid(); ++pins)
            m_ids[pins.value()] = pins.key();
    }
}

void DesignIds::addInstance(const std::string& id, IWJCompInst* instance)
{
    m_ids[instance] = id;
    for (auto ports = instance->ports(); ports.isValid(); ++ports)
        m_ids[ports.value()] = ports.key();
    for (auto pairs = instance->differentialPorts(); pairs.isValid(); ++pairs)
        m_ids[pairs.value()] = pairs.key();
    for (auto buses = instance->busInterfaces(); buses.isValid(); ++buses) {
        IWJPortGroup* bus = buses.value();
        m_ids[bus] = buses.key();
        addGroups(bus);
    }
}

void DesignIds::addGroups(IWJPortGroup* parent)
{
    for (auto children = parent->portGroups(); children.isValid(); ++children) {
        m_ids[children.value()] = children.key();
        addGroups(children.value());
    }
}

const std::string& DesignIds::find(const void* object) const
{
    static const std::string none;
    const auto found = m_ids.find(object);
    return found == m_ids.end() ? none : found->second;
}
