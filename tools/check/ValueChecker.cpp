#include "check/ValueChecker.h"

#include "check/CheckReport.h"
#include "check/Dom.h"
#include "model/ModelText.h"
#include "render/PinPlacement.h"
#include "wjxmlinterchange/PinConstraints.h"

#include <unordered_map>

using xercesc::DOMElement;

namespace {

const std::set<std::string> kPortTypes(modeltext::portTypes().begin(), modeltext::portTypes().end());
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

std::string labelOf(const DOMElement* element, const char* nameChild)
{
    const std::string name = Dom::childText(element, nameChild);
    return name.empty() ? Dom::attribute(element, "id") : name;
}

} // namespace

void ValueChecker::check(const DOMElement* root, CheckReport& report)
{
    ValueChecker checker(report);
    std::set<std::string> mapped;
    for (const DOMElement* partMap : Dom::items(root, "PartMaps", "PartMap")) {
        if (const DOMElement* instanceRef = Dom::child(partMap, "CompInstRef"))
            mapped.insert(Dom::attribute(instanceRef, "ref"));
    }
    std::unordered_map<std::string, const DOMElement*> refdes;
    for (const DOMElement* instance : Dom::items(root, "CompInsts", "CompInst")) {
        checker.checkInstance(instance, mapped);
        const std::string name = Dom::childText(instance, "Refdes");
        const auto first = refdes.emplace(PinConstraints::refdesKey(name), instance);
        if (!first.second && !name.empty())
            report.error("refdes-case", instance,
                         "the refdes " + quoted(name) + " names the instance of line " +
                             std::to_string(Dom::line(first.first->second)) +
                             " too: letter case does not tell instances apart");
    }
    for (const DOMElement* footprint : Dom::items(root, "Footprints", "Footprint"))
        checker.checkFootprint(footprint);
}

void ValueChecker::checkInstance(const DOMElement* instance, const std::set<std::string>& mapped)
{
    const std::string label = labelOf(instance, "Refdes");
    if (!mapped.count(Dom::attribute(instance, "id")))
        m_report.warning("no-part-map", instance, "instance " + label + " has no part map");
    for (const DOMElement* port : Dom::items(instance, "Ports", "Port")) {
        const std::string name = label + '.' + labelOf(port, "Name");
        checkWord(port, kPortTypes, "port " + name);
        checkCount(port, "NumPhysPins", "port " + name);
        if (const DOMElement* range = Dom::child(port, "Range")) {
            for (const char* bound : {"lsb", "msb"}) {
                const std::string value = Dom::attribute(range, bound);
                if (!value.empty() && !isWholeNumber(value))
                    m_report.error("not-a-number", range,
                                   std::string("the ") + bound + ' ' + quoted(value) + " of port " + name +
                                       " is not a whole number");
            }
        }
    }
    for (const DOMElement* pair : Dom::items(instance, "DifferentialPorts", "DifferentialPort"))
        checkWord(pair, kPortTypes, "differential pair " + label + '.' + labelOf(pair, "Name"));
    checkGroups(instance, label);
}

void ValueChecker::checkGroups(const DOMElement* parent, const std::string& owner)
{
    for (const char* container : {"BusInterfaces", "PortGroups"}) {
        const char* item = container[0] == 'B' ? "BusInterface" : "PortGroup";
        for (const DOMElement* group : Dom::items(parent, container, item)) {
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

void ValueChecker::checkFootprint(const DOMElement* footprint)
{
    const std::string label = labelOf(footprint, "Name");
    std::unordered_map<std::string, const DOMElement*> names;
    for (const DOMElement* pin : Dom::items(footprint, "Pins", "Pin")) {
        const std::string name = labelOf(pin, "Name");
        const auto first = names.emplace(name, pin);
        if (!first.second)
            m_report.error("duplicate-pin-name", pin,
                           "footprint " + label + " has two pins named " + quoted(name) + " (first at line " +
                               std::to_string(Dom::line(first.first->second)) + ')');
        for (const char* child : {"XY", "Location"}) {
            const std::string location = Dom::childText(pin, child);
            PinPoint point{0, 0};
            if (!location.empty() && !PinPlacement::parseLocation(location, point))
                m_report.error("bad-location", Dom::child(pin, child),
                               "the location " + quoted(location) + " of pin " + name + " of footprint " + label +
                                   " cannot be read as \"x,y\"");
        }
    }
}

void ValueChecker::checkWord(const DOMElement* element, const std::set<std::string>& words, const std::string& what)
{
    const std::string type = Dom::childText(element, "Type");
    if (!type.empty() && !words.count(type)) {
        std::string allowed;
        for (const std::string& word : words)
            allowed += (allowed.empty() ? "" : ", ") + word;
        m_report.error("bad-type", Dom::child(element, "Type"),
                       "the type " + quoted(type) + " of " + what + " is none of " + allowed);
    }
}

void ValueChecker::checkCount(const DOMElement* element, const char* child, const std::string& what)
{
    const std::string count = Dom::childText(element, child);
    if (!count.empty() && !isWholeNumber(count))
        m_report.error("not-a-number", Dom::child(element, child),
                       std::string("the ") + child + ' ' + quoted(count) + " of " + what + " is not a whole number");
}
