#include "check/DesignIndex.h"

#include "check/CheckReport.h"
#include "check/Dom.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

using xercesc::DOMElement;

namespace {

// As the library reads a bound: empty text is no value.
int bound(const std::string& text)
{
    return text.empty() ? -1 : std::atoi(text.c_str());
}

std::string orId(const std::string& label, const DOMElement* element)
{
    return label.empty() ? Dom::attribute(element, "id") : label;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

DesignIndex::DesignIndex(const DOMElement* root, CheckReport& report) : m_report(report)
{
    for (const DOMElement* instance : Dom::items(root, "CompInsts", "CompInst"))
        addInstance(instance);
    for (const DOMElement* footprint : Dom::items(root, "Footprints", "Footprint"))
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

void DesignIndex::addInstance(const DOMElement* element)
{
    noteId(element);
    Instance instance{element, orId(Dom::childText(element, "Refdes"), element), {}, {}, {}, {}, {}};
    for (const DOMElement* port : Dom::items(element, "Ports", "Port")) {
        noteId(port);
        const std::string instancePortName = Dom::childText(port, "InstancePortName");
        const DOMElement* range = Dom::child(port, "Range");
        instance.ports[Dom::attribute(port, "id")] = {port,
                                                      instancePortName.empty() ? Dom::childText(port, "Name")
                                                                               : instancePortName,
                                                      range ? bound(Dom::attribute(range, "lsb")) : -1,
                                                      range ? bound(Dom::attribute(range, "msb")) : -1,
                                                      lowerCase(Dom::childText(port, "Type")),
                                                      std::atoi(Dom::childText(port, "NumPhysPins").c_str())};
    }
    for (const DOMElement* pair : Dom::items(element, "DifferentialPorts", "DifferentialPort")) {
        noteId(pair);
        Pair& entry = instance.pairs[Dom::attribute(pair, "id")];
        entry = {pair, {}};
        for (const char* member : {"PositivePort", "NegativePort"}) {
            if (const DOMElement* reference = Dom::child(pair, member))
                entry.members.push_back(Dom::attribute(reference, "ref"));
        }
    }
    for (const DOMElement* bus : Dom::items(element, "BusInterfaces", "BusInterface")) {
        noteId(bus);
        instance.busInterfaces[Dom::attribute(bus, "id")] = bus;
        addGroups(instance, bus, instance.label + '.' + orId(Dom::childText(bus, "Name"), bus));
    }
    m_instanceIds[Dom::attribute(element, "id")] = m_instances.size();
    m_instances.push_back(std::move(instance));
}

void DesignIndex::addGroups(Instance& instance, const DOMElement* parent, const std::string& owner)
{
    for (const DOMElement* group : Dom::items(parent, "PortGroups", "PortGroup")) {
        noteId(group);
        instance.groups[Dom::attribute(group, "id")] = group;
        const std::string name = owner + '.' + orId(Dom::childText(group, "Name"), group);
        if (Dom::childText(group, "Type") == "voltageDefn")
            instance.voltageGroups.push_back({group, name});
        addGroups(instance, group, name);
    }
}

void DesignIndex::addFootprint(const DOMElement* element)
{
    noteId(element);
    Footprint& footprint = m_footprints[Dom::attribute(element, "id")];
    footprint = {orId(Dom::childText(element, "Name"), element), {}};
    for (const DOMElement* pin : Dom::items(element, "Pins", "Pin")) {
        noteId(pin);
        footprint.pins.insert(Dom::attribute(pin, "id"));
    }
}

void DesignIndex::noteId(const DOMElement* element)
{
    const std::string id = Dom::attribute(element, "id");
    if (id.empty())
        return;
    const auto earlier = m_ids.emplace(id, element);
    if (!earlier.second)
        m_report.error("duplicate-id", element,
                       "duplicate id \"" + id + "\" (first at line " +
                           std::to_string(Dom::line(earlier.first->second)) + ")");
}
