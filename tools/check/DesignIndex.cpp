#include "check/DesignIndex.h"

#include "check/CheckReport.h"

#include <algorithm>
#include <cctype>
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

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
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
    Instance instance{element, orId(element->childText("Refdes"), element), {}, {}, {}, {}, {}};
    for (const XmlElement* port : element->items("Ports", "Port")) {
        noteId(port);
        const std::string instancePortName = port->childText("InstancePortName");
        const XmlElement* range = port->child("Range");
        instance.ports[port->attribute("id")] = {port,
                                                 instancePortName.empty() ? port->childText("Name") : instancePortName,
                                                 range ? bound(range->attribute("lsb")) : -1,
                                                 range ? bound(range->attribute("msb")) : -1,
                                                 lowerCase(port->childText("Type")),
                                                 std::atoi(port->childText("NumPhysPins").c_str())};
    }
    for (const XmlElement* pair : element->items("DifferentialPorts", "DifferentialPort")) {
        noteId(pair);
        Pair& entry = instance.pairs[pair->attribute("id")];
        entry = {pair, {}};
        for (const char* member : {"PositivePort", "NegativePort"}) {
            if (const XmlElement* reference = pair->child(member))
                entry.members.push_back(reference->attribute("ref"));
        }
    }
    for (const XmlElement* bus : element->items("BusInterfaces", "BusInterface")) {
        noteId(bus);
        instance.busInterfaces[bus->attribute("id")] = bus;
        addGroups(instance, bus, instance.label + '.' + orId(bus->childText("Name"), bus));
    }
    m_instanceIds[element->attribute("id")] = m_instances.size();
    m_instances.push_back(std::move(instance));
}

void DesignIndex::addGroups(Instance& instance, const XmlElement* parent, const std::string& owner)
{
    for (const XmlElement* group : parent->items("PortGroups", "PortGroup")) {
        noteId(group);
        instance.groups[group->attribute("id")] = group;
        const std::string name = owner + '.' + orId(group->childText("Name"), group);
        if (group->childText("Type") == "voltageDefn")
            instance.voltageGroups.push_back({group, name});
        addGroups(instance, group, name);
    }
}

void DesignIndex::addFootprint(const XmlElement* element)
{
    noteId(element);
    Footprint& footprint = m_footprints[element->attribute("id")];
    footprint = {orId(element->childText("Name"), element), {}, {}, {}};
    for (const XmlElement* pin : element->items("Pins", "Pin")) {
        noteId(pin);
        footprint.pins[pin->attribute("id")] = footprint.pinNames.size();
        footprint.pinNames.push_back(orId(pin->childText("Name"), pin));
        const XmlElement* location = pin->child("XY");
        footprint.pinLocations.push_back(location ? location->text() : pin->childText("Location"));
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
