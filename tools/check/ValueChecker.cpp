#include "check/ValueChecker.h"

#include "check/CheckReport.h"
#include "render/PinPlacement.h"

#include <unordered_map>

namespace {

const std::set<std::string> kPortTypes{"input", "output", "inout", "power", "ground"};
const std::set<std::string> kGroupTypes{"bus", "voltageDefn"};

bool isWholeNumber(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return false;
    const std::size_t digits = text[first] == '-' ? first + 1 : first;
    const std::size_t end = text.find_first_not_of("0123456789", digits);
    return end != digits &&
           text.find_first_not_of(" \t\r\n", end == std::string::npos ? text.size() : end) == std::string::npos;
}

std::string quoted(const std::string& text)
{
    return '"' + text + '"';
}

std::string labelOf(const XmlElement* element, const char* nameChild)
{
    const std::string name = element->childText(nameChild);
    return name.empty() ? element->attribute("id") : name;
}

} // namespace

void ValueChecker::check(const XmlElement* root, CheckReport& report)
{
    ValueChecker checker(report);
    std::set<std::string> mapped;
    for (const XmlElement* partMap : root->items("PartMaps", "PartMap")) {
        if (const XmlElement* instanceRef = partMap->child("CompInstRef"))
            mapped.insert(instanceRef->attribute("ref"));
    }
    for (const XmlElement* instance : root->items("CompInsts", "CompInst"))
        checker.checkInstance(instance, mapped);
    for (const XmlElement* footprint : root->items("Footprints", "Footprint"))
        checker.checkFootprint(footprint);
}

void ValueChecker::checkInstance(const XmlElement* instance, const std::set<std::string>& mapped)
{
    const std::string label = labelOf(instance, "Refdes");
    if (!mapped.count(instance->attribute("id")))
        m_report.warning(instance, "instance " + label + " has no part map");
    for (const XmlElement* port : instance->items("Ports", "Port")) {
        const std::string name = label + '.' + labelOf(port, "Name");
        checkWord(port, kPortTypes, "port " + name);
        checkCount(port, "NumPhysPins", "port " + name);
        if (const XmlElement* range = port->child("Range")) {
            for (const char* bound : {"lsb", "msb"}) {
                const std::string& value = range->attribute(bound);
                if (!value.empty() && !isWholeNumber(value))
                    m_report.error(range, std::string("the ") + bound + ' ' + quoted(value) + " of port " + name +
                                              " is not a whole number");
            }
        }
    }
    for (const XmlElement* pair : instance->items("DifferentialPorts", "DifferentialPort"))
        checkWord(pair, kPortTypes, "differential pair " + label + '.' + labelOf(pair, "Name"));
    checkGroups(instance, label);
}

void ValueChecker::checkGroups(const XmlElement* parent, const std::string& owner)
{
    for (const char* container : {"BusInterfaces", "PortGroups"}) {
        const char* item = container[0] == 'B' ? "BusInterface" : "PortGroup";
        for (const XmlElement* group : parent->items(container, item)) {
            const std::string name = owner + '.' + labelOf(group, "Name");
            if (container[0] == 'P') {
                checkWord(group, kGroupTypes, "group " + name);
                checkCount(group, "NumPowerPins", "group " + name);
                checkCount(group, "NumGroundPins", "group " + name);
            }
            checkGroups(group, name);
        }
    }
}

void ValueChecker::checkFootprint(const XmlElement* footprint)
{
    const std::string label = labelOf(footprint, "Name");
    std::unordered_map<std::string, const XmlElement*> names;
    for (const XmlElement* pin : footprint->items("Pins", "Pin")) {
        const std::string name = labelOf(pin, "Name");
        const auto first = names.emplace(name, pin);
        if (!first.second)
            m_report.error(pin, "footprint " + label + " has two pins named " + quoted(name) + " (first at line " +
                                    std::to_string(first.first->second->line()) + ')');
        for (const char* child : {"XY", "Location"}) {
            const XmlElement* location = pin->child(child);
            PinPoint point{0, 0};
            if (location && !location->text().empty() && !PinPlacement::parseLocation(location->text(), point))
                m_report.error(location, "the location " + quoted(location->text()) + " of pin " + name +
                                             " of footprint " + label + " cannot be read as \"x,y\"");
        }
    }
}

void ValueChecker::checkWord(const XmlElement* element, const std::set<std::string>& words, const std::string& what)
{
    const XmlElement* type = element->child("Type");
    if (type && !type->text().empty() && !words.count(type->text())) {
        std::string allowed;
        for (const std::string& word : words)
            allowed += (allowed.empty() ? "" : ", ") + word;
        m_report.error(type, "the type " + quoted(type->text()) + " of " + what + " is none of " + allowed);
    }
}

void ValueChecker::checkCount(const XmlElement* element, const char* child, const std::string& what)
{
    const XmlElement* count = element->child(child);
    if (count && !count->text().empty() && !isWholeNumber(count->text()))
        m_report.error(count, std::string("the ") + child + ' ' + quoted(count->text()) + " of " + what +
                                  " is not a whole number");
}
