#include "check/PartMapChecker.h"

#include "check/CheckReport.h"
#include "check/Dom.h"
#include "check/MappingLines.h"
#include "model/PinFacts.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

using xercesc::DOMElement;

namespace {

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

void PartMapChecker::check(const DOMElement* root, const DesignIndex& index, CheckReport& report, MappingLines& lines)
{
    PartMapChecker checker(index, report, lines);
    for (const DOMElement* partMap : Dom::items(root, "PartMaps", "PartMap"))
        checker.checkPartMap(partMap);
}

void PartMapChecker::checkPartMap(const DOMElement* element)
{
    PartMap partMap{element, nullptr, nullptr};
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
    for (const DOMElement* portMap : Dom::items(element, "PortMaps", "PortMap"))
        checkPortMap(partMap, portMap);
    for (const DOMElement* groupMap : Dom::items(element, "GroupMaps", "GroupMap"))
        checkGroupMap(partMap, groupMap);
}

void PartMapChecker::checkPortMap(const PartMap& partMap, const DOMElement* portMap)
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
    const bool valid = readBit(port->second, portRef, portName(instance, id, -1), bit);
    // A bit outside the port's bits is still on its pins, as the model
    // keeps it.
    if (!valid && bit == -1) {
        checkPins(partMap, pins, nullptr, -1);
        return;
    }
    if (pinGroup || Dom::child(portMap, "PinRef")) {
        const DOMElement* first = m_lines.notePort(partMap.element, id, bit, portRef);
        if (valid && first != portRef)
            m_report.error("mapped-twice", portRef,
                           "port " + portName(instance, id, bit) + " is mapped twice (first at line " +
                               std::to_string(Dom::line(first)) + ")");
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
    if (!PinFacts::bitsOf(port.lsb, port.msb, low, high)) {
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

void PartMapChecker::checkGroupMap(const PartMap& partMap, const DOMElement* groupMap)
{
    checkPins(partMap, Dom::child(groupMap, "PinGroup"), nullptr, -1);
    if (!partMap.instance)
        return;
    const DesignIndex::Instance& instance = *partMap.instance;
    if (const DOMElement* ref = Dom::child(groupMap, "BusInterfaceRef")) {
        const std::string id = Dom::attribute(ref, "ref");
        if (!instance.busInterfaces.count(id))
            m_report.error("unresolved", ref,
                           "BusInterfaceRef " + quoted(id) + " names no bus interface of " + instance.label);
        return;
    }
    const DOMElement* ref = Dom::child(groupMap, "PortGroupRef");
    const std::string id = ref ? Dom::attribute(ref, "ref") : "";
    if (ref && !instance.groups.count(id))
        m_report.error("unresolved", ref, "PortGroupRef " + quoted(id) + " names no port group of " + instance.label);
}

void PartMapChecker::checkPins(const PartMap& partMap, const DOMElement* element, const std::string* port, int bit)
{
    if (!partMap.footprint || !element)
        return;
    for (const DOMElement* pinRef : Dom::children(element, "PinRef")) {
        const std::string id = Dom::attribute(pinRef, "ref");
        if (!partMap.footprint->pins.count(id))
            m_report.error("unresolved", pinRef,
                           "PinRef " + quoted(id) + " names no pin of footprint " + partMap.footprint->label);
        else if (port)
            m_lines.notePin(partMap.element, *port, bit, id, pinRef);
    }
}

std::string PartMapChecker::portName(const DesignIndex::Instance& instance, const std::string& port, int bit)
{
    const auto found = instance.ports.find(port);
    const std::string name = instance.label + '.' + (found == instance.ports.end() ? port : found->second.name);
    return bit == -1 ? name : name + '<' + std::to_string(bit) + '>';
}
