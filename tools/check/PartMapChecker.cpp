#include "check/PartMapChecker.h"

#include "check/CheckReport.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// The bits of a port, lowest first; false for a port without bits. A missing
// bound takes the value of the other.
bool bitsOf(const DesignIndex::Port& port, int& low, int& high)
{
    if (port.lsb == -1 && port.msb == -1)
        return false;
    const int lsb = port.lsb == -1 ? port.msb : port.lsb;
    const int msb = port.msb == -1 ? port.lsb : port.msb;
    low = std::min(lsb, msb);
    high = std::max(lsb, msb);
    return true;
}

// A whole number, with blanks around it allowed.
bool parseBit(const std::string& text, int& bit)
{
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(start, &end, 10);
    const bool number = end != start && errno != ERANGE && value >= INT_MIN && value <= INT_MAX;
    if (!number || text.find_first_not_of(" \t\r\n", static_cast<std::size_t>(end - start)) != std::string::npos)
        return false;
    bit = static_cast<int>(value);
    return true;
}

std::string quoted(const std::string& text)
{
    return '"' + text + '"';
}

} // namespace

void PartMapChecker::check(const XmlElement* root, const DesignIndex& index, CheckReport& report)
{
    PartMapChecker checker(index, report);
    for (const XmlElement* partMap : root->items("PartMaps", "PartMap"))
        checker.checkPartMap(partMap);
    checker.reportUnmappedPorts();
}

void PartMapChecker::checkPartMap(const XmlElement* element)
{
    PartMap partMap{nullptr, nullptr, {}, {}, {}};
    const XmlElement* instanceRef = element->child("CompInstRef");
    if (!instanceRef) {
        m_report.error(element, "the part map names no instance");
    } else {
        const std::string id = instanceRef->attribute("ref");
        partMap.instance = m_index.instance(id);
        if (!partMap.instance)
            m_report.error(instanceRef, "CompInstRef " + quoted(id) + " names no instance");
    }
    const XmlElement* footprintRef = element->child("PartDefRef");
    if (!footprintRef) {
        m_report.error(element, "the part map names no footprint");
    } else {
        const std::string id = footprintRef->attribute("ref");
        partMap.footprint = m_index.footprint(id);
        if (!partMap.footprint)
            m_report.error(footprintRef, "PartDefRef " + quoted(id) + " names no footprint");
    }
    // Every port of an instance with a part map is expected on a pin.
    if (partMap.instance)
        m_coverage.emplace(partMap.instance, Coverage());
    for (const XmlElement* portMap : element->items("PortMaps", "PortMap"))
        checkPortMap(partMap, portMap);
    for (const XmlElement* groupMap : element->items("GroupMaps", "GroupMap"))
        checkGroupMap(partMap, groupMap);
    if (partMap.instance && partMap.footprint)
        PinReviewChecker::check(*partMap.instance, *partMap.footprint, partMap.portPins, m_report);
}

void PartMapChecker::checkPortMap(PartMap& partMap, const XmlElement* portMap)
{
    const XmlElement* portRef = portMap->child("PortRefNoRange");
    const XmlElement* pinGroup = portMap->child("PinGroup");
    const XmlElement* pins = pinGroup ? pinGroup : portMap;
    if (!portRef || !partMap.instance) {
        checkPins(partMap, pins, nullptr, -1);
        return;
    }
    const DesignIndex::Instance& instance = *partMap.instance;
    const std::string id = portRef->attribute("ref");
    const auto port = instance.ports.find(id);
    if (port == instance.ports.end()) {
        m_report.error(portRef, "PortRefNoRange " + quoted(id) + " names no port of " + instance.label);
        checkPins(partMap, pins, nullptr, -1);
        return;
    }
    int bit = -1;
    if (!readBit(port->second, portRef, portName(instance, id, -1), bit)) {
        checkPins(partMap, pins, nullptr, -1);
        return;
    }
    int low = 0;
    int high = 0;
    if (bit == -1 && !pinGroup && portMap->child("PinRef") && bitsOf(port->second, low, high) && low != high)
        m_report.error(portRef, "port " + portName(instance, id, -1) + " has bits " + std::to_string(low) + ".." +
                                    std::to_string(high) + " but is mapped whole to one pin");
    if (pinGroup || portMap->child("PinRef")) {
        const auto first = partMap.mappedBits.emplace(std::make_pair(id, bit), portRef);
        if (!first.second)
            m_report.error(portRef, "port " + portName(instance, id, bit) + " is mapped twice (first at line " +
                                        std::to_string(first.first->second->line()) + ")");
        Coverage& coverage = m_coverage[&instance];
        if (bit == -1)
            coverage.wholePorts.insert(id);
        else
            coverage.bits[id].insert(bit);
    }
    checkPins(partMap, pins, &id, bit);
}

bool PartMapChecker::readBit(const DesignIndex::Port& port, const XmlElement* portRef, const std::string& name,
                             int& bit)
{
    const XmlElement* bitElement = portRef->child("Bit");
    if (!bitElement) {
        bit = -1;
        return true;
    }
    const std::string& text = bitElement->text();
    if (!parseBit(text, bit)) {
        m_report.error(bitElement, "the Bit " + quoted(text) + " of port " + name + " is not a whole number");
        return false;
    }
    int low = 0;
    int high = 0;
    if (!bitsOf(port, low, high)) {
        m_report.error(bitElement, "bit " + std::to_string(bit) + " is mapped, but port " + name + " has no bits");
        return false;
    }
    if (bit < low || bit > high) {
        m_report.error(bitElement, "bit " + std::to_string(bit) + " is outside the bits " + std::to_string(low) + ".." +
                                       std::to_string(high) + " of port " + name);
        return false;
    }
    return true;
}

void PartMapChecker::checkGroupMap(PartMap& partMap, const XmlElement* groupMap)
{
    checkPins(partMap, groupMap->child("PinGroup"), nullptr, -1);
    if (!partMap.instance)
        return;
    if (const XmlElement* group = findGroup(*partMap.instance, groupMap))
        cover(*partMap.instance, group);
}

const XmlElement* PartMapChecker::findGroup(const DesignIndex::Instance& instance, const XmlElement* groupMap)
{
    if (const XmlElement* ref = groupMap->child("BusInterfaceRef")) {
        const std::string id = ref->attribute("ref");
        const auto bus = instance.busInterfaces.find(id);
        if (bus != instance.busInterfaces.end())
            return bus->second;
        m_report.error(ref, "BusInterfaceRef " + quoted(id) + " names no bus interface of " + instance.label);
        return nullptr;
    }
    const XmlElement* ref = groupMap->child("PortGroupRef");
    if (!ref)
        return nullptr;
    const std::string id = ref->attribute("ref");
    const auto group = instance.groups.find(id);
    if (group == instance.groups.end()) {
        m_report.error(ref, "PortGroupRef " + quoted(id) + " names no port group of " + instance.label);
        return nullptr;
    }
    return group->second;
}

void PartMapChecker::checkPins(PartMap& partMap, const XmlElement* element, const std::string* port, int bit)
{
    if (!partMap.footprint || !element)
        return;
    for (const XmlElement* pinRef : element->children("PinRef")) {
        const std::string id = pinRef->attribute("ref");
        const auto pin = partMap.footprint->pins.find(id);
        if (pin == partMap.footprint->pins.end()) {
            m_report.error(pinRef, "PinRef " + quoted(id) + " names no pin of footprint " + partMap.footprint->label);
            continue;
        }
        if (!port)
            continue;
        partMap.portPins[*port][bit].insert(id);
        const auto use = partMap.pins.emplace(id, PinUse{*port, bit, pinRef});
        const PinUse& first = use.first->second;
        const bool samePortBit = first.port == *port && (first.bit == bit || first.bit == -1 || bit == -1);
        if (!use.second && !samePortBit)
            m_report.error(pinRef, "pin " + partMap.footprint->pinNames[pin->second] + " is mapped to " +
                                       portName(*partMap.instance, first.port, first.bit) + " and to " +
                                       portName(*partMap.instance, *port, bit) + ": a short (first at line " +
                                       std::to_string(first.where->line()) + ")");
    }
}

void PartMapChecker::cover(const DesignIndex::Instance& instance, const XmlElement* group)
{
    Coverage& coverage = m_coverage[&instance];
    if (!coverage.groups.insert(group).second)
        return;
    for (const auto& refs :
         {group->items("PortRefs", "PortRef"), group->items("DifferentialPortRefs", "DifferentialPortRef")}) {
        for (const XmlElement* ref : refs) {
            const std::string id = ref->attribute("ref");
            if (instance.ports.count(id))
                coverage.wholePorts.insert(id);
            const auto pair = instance.pairs.find(id);
            if (pair != instance.pairs.end())
                coverage.wholePorts.insert(pair->second.members.begin(), pair->second.members.end());
        }
    }
    for (const XmlElement* child : group->items("PortGroups", "PortGroup"))
        cover(instance, child);
}

void PartMapChecker::reportUnmappedPorts()
{
    for (const DesignIndex::Instance& instance : m_index.instances()) {
        const auto found = m_coverage.find(&instance);
        if (found == m_coverage.end())
            continue;
        const Coverage& coverage = found->second;
        for (const auto& entry : instance.ports) {
            const std::string& id = entry.first;
            if (coverage.wholePorts.count(id))
                continue;
            const auto bits = coverage.bits.find(id);
            if (bits == coverage.bits.end()) {
                m_report.warning(entry.second.element, "port " + portName(instance, id, -1) + " is mapped to no pin");
                continue;
            }
            int low = 0;
            int high = 0;
            bitsOf(entry.second, low, high);
            const long long width = static_cast<long long>(high) - low + 1;
            if (static_cast<long long>(bits->second.size()) < width)
                m_report.warning(entry.second.element, "port " + portName(instance, id, -1) + " has " +
                                                           std::to_string(bits->second.size()) + " of its " +
                                                           std::to_string(width) + " bits mapped");
        }
    }
}

std::string PartMapChecker::portName(const DesignIndex::Instance& instance, const std::string& port, int bit)
{
    const auto found = instance.ports.find(port);
    const std::string name = instance.label + '.' + (found == instance.ports.end() ? port : found->second.name);
    return bit == -1 ? name : name + '<' + std::to_string(bit) + '>';
}
