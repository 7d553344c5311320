#include "check/PartMapChecker.h"

#include "check/CheckReport.h"
#include "check/Dom.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

using xercesc::DOMElement;

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

void PartMapChecker::check(const DOMElement* root, const DesignIndex& index, CheckReport& report)
{
    PartMapChecker checker(index, report);
    for (const DOMElement* partMap : Dom::items(root, "PartMaps", "PartMap"))
        checker.checkPartMap(partMap);
    checker.reportUnmappedPorts();
}

void PartMapChecker::checkPartMap(const DOMElement* element)
{
    PartMap partMap{nullptr, nullptr, {}, {}, {}};
    const DOMElement* instanceRef = Dom::child(element, "CompInstRef");
    if (!instanceRef) {
        m_report.error("unresolved", element, "the part map names no instance");
    } else {
        const std::string id = Dom::attribute(instanceRef, "ref");
        partMap.instance = m_index.instance(id);
        if (!partMap.instance)
            m_report.error("unresolved", instanceRef, "CompInstRef " + quoted(id) + " names no instance");
    }
    const DOMElement* footprintRef = Dom::child(element, "PartDefRef");
    if (!footprintRef) {
        m_report.error("unresolved", element, "the part map names no footprint");
    } else {
        const std::string id = Dom::attribute(footprintRef, "ref");
        partMap.footprint = m_index.footprint(id);
        if (!partMap.footprint)
            m_report.error("unresolved", footprintRef, "PartDefRef " + quoted(id) + " names no footprint");
    }
    // Every port of an instance with a part map is expected on a pin.
    if (partMap.instance)
        m_coverage.emplace(partMap.instance, Coverage());
    for (const DOMElement* portMap : Dom::items(element, "PortMaps", "PortMap"))
        checkPortMap(partMap, portMap);
    for (const DOMElement* groupMap : Dom::items(element, "GroupMaps", "GroupMap"))
        checkGroupMap(partMap, groupMap);
    if (partMap.instance && partMap.footprint)
        checkWholeAndBits(partMap);
}

void PartMapChecker::checkPortMap(PartMap& partMap, const DOMElement* portMap)
{
    const DOMElement* portRef = Dom::child(portMap, "PortRefNoRange");
    const DOMElement* pinGroup = Dom::child(portMap, "PinGroup");
    const DOMElement* pins = pinGroup ? pinGroup : portMap;
    if (!portRef || !partMap.instance) {
        checkPins(partMap, pins, nullptr, -1);
        return;
    }
    const DesignIndex::Instance& instance = *partMap.instance;
    const std::string id = Dom::attribute(portRef, "ref");
    const auto port = instance.ports.find(id);
    if (port == instance.ports.end()) {
        m_report.error("unresolved", portRef, "PortRefNoRange " + quoted(id) + " names no port of " + instance.label);
        checkPins(partMap, pins, nullptr, -1);
        return;
    }
    int bit = -1;
    if (!readBit(port->second, portRef, portName(instance, id, -1), bit)) {
        // A bit outside the port's bits is still on its pins, as pinmap and
        // render show it.
        checkPins(partMap, pins, bit == -1 ? nullptr : &id, bit);
        return;
    }
    int low = 0;
    int high = 0;
    if (bit == -1 && !pinGroup && Dom::child(portMap, "PinRef") && bitsOf(port->second, low, high) && low != high)
        m_report.error("whole-port-on-one-pin", portRef,
                       "port " + portName(instance, id, -1) + " has bits " + std::to_string(low) + ".." +
                           std::to_string(high) + " but is mapped whole to one pin");
    if (pinGroup || Dom::child(portMap, "PinRef")) {
        const auto first = partMap.mappedBits.emplace(std::make_pair(id, bit), portRef);
        if (!first.second)
            m_report.error("mapped-twice", portRef,
                           "port " + portName(instance, id, bit) + " is mapped twice (first at line " +
                               std::to_string(Dom::line(first.first->second)) + ")");
        Coverage& coverage = m_coverage[&instance];
        if (bit == -1)
            coverage.wholePorts.insert(id);
        else
            coverage.bits[id].insert(bit);
    }
    checkPins(partMap, pins, &id, bit);
}

bool PartMapChecker::readBit(const DesignIndex::Port& port, const DOMElement* portRef, const std::string& name,
                             int& bit)
{
    const DOMElement* bitElement = Dom::child(portRef, "Bit");
    if (!bitElement) {
        bit = -1;
        return true;
    }
    const std::string text = Dom::text(bitElement);
    if (!parseBit(text, bit)) {
        m_report.error("not-a-number", bitElement,
                       "the Bit " + quoted(text) + " of port " + name + " is not a whole number");
        return false;
    }
    int low = 0;
    int high = 0;
    if (!bitsOf(port, low, high)) {
        m_report.error("bit-range", bitElement,
                       "bit " + std::to_string(bit) + " is mapped, but port " + name + " has no bits");
        return false;
    }
    if (bit < low || bit > high) {
        m_report.error("bit-range", bitElement,
                       "bit " + std::to_string(bit) + " is outside the bits " + std::to_string(low) + ".." +
                           std::to_string(high) + " of port " + name);
        return false;
    }
    return true;
}

void PartMapChecker::checkGroupMap(PartMap& partMap, const DOMElement* groupMap)
{
    checkPins(partMap, Dom::child(groupMap, "PinGroup"), nullptr, -1);
    if (!partMap.instance)
        return;
    if (const DOMElement* group = findGroup(*partMap.instance, groupMap))
        cover(*partMap.instance, group);
}

const DOMElement* PartMapChecker::findGroup(const DesignIndex::Instance& instance, const DOMElement* groupMap)
{
    if (const DOMElement* ref = Dom::child(groupMap, "BusInterfaceRef")) {
        const std::string id = Dom::attribute(ref, "ref");
        const auto bus = instance.busInterfaces.find(id);
        if (bus != instance.busInterfaces.end())
            return bus->second;
        m_report.error("unresolved", ref,
                       "BusInterfaceRef " + quoted(id) + " names no bus interface of " + instance.label);
        return nullptr;
    }
    const DOMElement* ref = Dom::child(groupMap, "PortGroupRef");
    if (!ref)
        return nullptr;
    const std::string id = Dom::attribute(ref, "ref");
    const auto group = instance.groups.find(id);
    if (group == instance.groups.end()) {
        m_report.error("unresolved", ref, "PortGroupRef " + quoted(id) + " names no port group of " + instance.label);
        return nullptr;
    }
    return group->second;
}

void PartMapChecker::checkPins(PartMap& partMap, const DOMElement* element, const std::string* port, int bit)
{
    if (!partMap.footprint || !element)
        return;
    for (const DOMElement* pinRef : Dom::children(element, "PinRef")) {
        const std::string id = Dom::attribute(pinRef, "ref");
        const auto pin = partMap.footprint->pins.find(id);
        if (pin == partMap.footprint->pins.end()) {
            m_report.error("unresolved", pinRef,
                           "PinRef " + quoted(id) + " names no pin of footprint " + partMap.footprint->label);
            continue;
        }
        if (!port)
            continue;
        partMap.portPins[*port][bit].insert(id);
        // A repeat adds nothing, and is reported as a port bit mapped twice.
        PinUses& uses = partMap.pins[id];
        const pinfacts::PortBit portBit{*port, bit};
        if (!uses.seen.insert(portBit).second)
            continue;
        const auto earlier = std::find_if(uses.inOrder.begin(), uses.inOrder.end(), [&portBit](const PinUse& use) {
            return pinfacts::shorts(use.portBit, portBit);
        });
        if (earlier != uses.inOrder.end())
            m_report.error("short", pinRef,
                           "pin " + partMap.footprint->pinNames[pin->second] + " is mapped to " +
                               portName(*partMap.instance, earlier->portBit.first, earlier->portBit.second) +
                               " and to " + portName(*partMap.instance, *port, bit) + ": a short (first at line " +
                               std::to_string(Dom::line(earlier->where)) + ")");
        uses.inOrder.push_back({portBit, pinRef});
    }
}

void PartMapChecker::checkWholeAndBits(const PartMap& partMap)
{
    const auto names = [&partMap](const std::set<std::string>& pins) {
        std::string text = pins.size() == 1 ? "pin" : "pins";
        for (const std::string& pin : pins)
            text += ' ' + partMap.footprint->pinNames[partMap.footprint->pins.at(pin)];
        return text;
    };
    for (const auto& port : partMap.portPins) {
        const auto whole = port.second.find(-1);
        if (whole == port.second.end())
            continue;
        for (const auto& bit : port.second) {
            if (bit.first == -1 ||
                std::includes(whole->second.begin(), whole->second.end(), bit.second.begin(), bit.second.end()))
                continue;
            m_report.error("whole-and-bit", partMap.mappedBits.at({port.first, bit.first}),
                           "port " + portName(*partMap.instance, port.first, -1) + " is mapped whole to " +
                               names(whole->second) + " but its bit " + std::to_string(bit.first) + " to " +
                               names(bit.second) + ", which the whole port is not on");
        }
    }
}

void PartMapChecker::cover(const DesignIndex::Instance& instance, const DOMElement* group)
{
    Coverage& coverage = m_coverage[&instance];
    if (!coverage.groups.insert(group).second)
        return;
    for (const auto& refs :
         {Dom::items(group, "PortRefs", "PortRef"), Dom::items(group, "DifferentialPortRefs", "DifferentialPortRef")}) {
        for (const DOMElement* ref : refs) {
            const std::string id = Dom::attribute(ref, "ref");
            if (instance.ports.count(id))
                coverage.wholePorts.insert(id);
            const auto pair = instance.pairs.find(id);
            if (pair != instance.pairs.end())
                coverage.wholePorts.insert(pair->second.members.begin(), pair->second.members.end());
        }
    }
    for (const DOMElement* child : Dom::items(group, "PortGroups", "PortGroup"))
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
                m_report.warning("unmapped", entry.second.element,
                                 "port " + portName(instance, id, -1) + " is mapped to no pin");
                continue;
            }
            int low = 0;
            int high = 0;
            bitsOf(entry.second, low, high);
            const long long width = static_cast<long long>(high) - low + 1;
            if (static_cast<long long>(bits->second.size()) < width)
                m_report.warning("partly-mapped", entry.second.element,
                                 "port " + portName(instance, id, -1) + " has " + std::to_string(bits->second.size()) +
                                     " of its " + std::to_string(width) + " bits mapped");
        }
    }
}

std::string PartMapChecker::portName(const DesignIndex::Instance& instance, const std::string& port, int bit)
{
    const auto found = instance.ports.find(port);
    const std::string name = instance.label + '.' + (found == instance.ports.end() ? port : found->second.name);
    return bit == -1 ? name : name + '<' + std::to_string(bit) + '>';
}
