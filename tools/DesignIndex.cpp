#include "DesignIndex.h"

#include "CheckReport.h"

#include <cstdlib>

namespace {

// As the library reads a bound: empty text is no value.
int bound(const std::string& text)
{
    return text.empty() ? -1 : std::atoi(text.c_str());
}

std::string orId(const std::string& label, const XmlElement* element)
{
    return label.empty() ? element->attribute("id") : label;
}

} // namespace

DesignIndex::DesignIndex(const XmlElement* root, CheckReport& report) : m_report(report)
{
    for (const XmlElement* instance : root->items("CompInsts", "CompInst"))
        addInstance(instance);
    for (const XmlElement* footprint : root->items("Footprints", "Footprint"))
        addFootprint(footprint);
}

const DesignIndex::Instance* DesignIndex::instance(const std::string& id) const
{
    const auto found = m_instanceIds.find(id);
    return found == m_instanceIds.end() ? nullptr : &m_instances[found->second];
}

const DesignIndex::Footprint* DesignIndex::footprint(const std::string& id) const
{
    const auto found = m_footprints.find(id);
    return found == m_footprints.end() ? nullptr : &found->second;
}

void DesignIndex::addInstance(const XmlElement* element)
{
    noteId(element);
    Instance instance{element, orId(element->childText("Refdes"), element), {}, {}, {}, {}};
    for (const XmlElement* port : element->items("Ports", "Port")) {
        noteId(port);
        const std::string instancePortName = port->childText("InstancePortName");
        const XmlElement* range = port->child("Range");
        instance.ports[port->attribute("id")] = {
            port, instancePortName.empty() ? port->childText("Name") : instancePortName,
            range ? bound(range->attribute("lsb")) : -1, range ? bound(range->attribute("msb")) : -1};
    }
    for (const XmlElement* pair : element->items("DifferentialPorts", "DifferentialPort")) {
        noteId(pair);
        std::vector<std::string>& members = instance.pairs[pair->attribute("id")];
        members.clear();
        for (const char* member : {"PositivePort", "NegativePort"}) {
            if (const XmlElement* reference = pair->child(member))
                members.push_back(reference->attribute("ref"));
        }
    }
    for (const XmlElement* bus : element->items("BusInterfaces", "BusInterface")) {
        noteId(bus);
        instance.busInterfaces[bus->attribute("id")] = bus;
        addGroups(instance, bus);
    }
    m_instanceIds[element->attribute("id")] = m_instances.size();
    m_instances.push_back(std::move(instance));
}

void DesignIndex::addGroups(Instance& instance, const XmlElement* parent)
{
    for (const XmlElement* group : parent->items("PortGroups", "PortGroup")) {
        noteId(group);
        instance.groups[group->attribute("id")] = group;
        addGroups(instance, group);
    }
}

void DesignIndex::addFootprint(const XmlElement* element)
{
    noteId(element);
    Footprint& footprint = m_footprints[element->attribute("id")];
    footprint = {orId(element->childText("Name"), element), {}};
    for (const XmlElement* pin : element->items("Pins", "Pin")) {
        noteId(pin);
        footprint.pinNames[pin->attribute("id")] = orId(pin->childText("Name"), pin);
    }
}

void DesignIndex::noteId(const XmlElement* element)
{
    const std::string id = element->attribute("id");
    if (id.empty())
        return;
    const auto earlier = m_ids.emplace(id, element);
    if (!earlier.second)
        m_report.error(element, "duplicate id \"" + id + "\" (first at line " +
                                    std::to_string(earlier.first->second->line()) + ")");
}
