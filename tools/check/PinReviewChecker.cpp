#include "check/PinReviewChecker.h"

#include "check/CheckReport.h"
#include "check/Dom.h"
#include "model/PinFacts.h"

#include <cstdlib>

using xercesc::DOMElement;

namespace {

std::string nameOf(const DOMElement* element)
{
    const std::string name = Dom::childText(element, "Name");
    return name.empty() ? Dom::attribute(element, "id") : name;
}

// "1 pin", "2 pins".
std::string pinCount(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " pin" : " pins");
}

} // namespace

void PinReviewChecker::check(const DesignIndex::Instance& instance, const DesignIndex::Footprint& footprint,
                             const PortPins& mapped, CheckReport& report)
{
    PinReviewChecker checker(instance, footprint, mapped, report);
    checker.checkPinCounts();
    checker.checkPairs();
    for (const DesignIndex::VoltageGroup& group : instance.voltageGroups) {
        checker.checkVoltageGroup(group, "power", "NumPowerPins");
        checker.checkVoltageGroup(group, "ground", "NumGroundPins");
    }
}

void PinReviewChecker::checkPinCounts()
{
    for (const auto& entry : m_mapped) {
        const auto port = m_instance.ports.find(entry.first);
        if (port == m_instance.ports.end() || port->second.pins <= 0)
            continue;
        // A port with only some of its bits mapped is reported as such.
        const DesignIndex::Port& declared = port->second;
        const long long width = declared.lsb == -1 || declared.msb == -1
                                    ? 1
                                    : std::llabs(static_cast<long long>(declared.msb) - declared.lsb) + 1;
        if (!entry.second.count(-1) && static_cast<long long>(entry.second.size()) < width)
            continue;
        const std::size_t pins = pinsOf({entry.first}).size();
        if (pins != static_cast<std::size_t>(declared.pins))
            m_report.error("pin-count", declared.element,
                           "port " + m_instance.label + '.' + declared.name + " declares " +
                               pinCount(static_cast<std::size_t>(declared.pins)) + " but is mapped to " +
                               std::to_string(pins));
    }
}

void PinReviewChecker::checkPairs()
{
    for (const auto& entry : m_instance.pairs) {
        const DesignIndex::Pair& pair = entry.second;
        if (pair.members.size() != 2)
            continue;
        const auto positive = m_mapped.find(pair.members[0]);
        const auto negative = m_mapped.find(pair.members[1]);
        if (positive == m_mapped.end() || negative == m_mapped.end())
            continue;
        for (const auto& bit : positive->second) {
            const auto other = negative->second.find(bit.first);
            if (other == negative->second.end() || adjacent(bit.second, other->second))
                continue;
            std::string name = m_instance.label + '.' + nameOf(pair.element);
            if (bit.first != -1)
                name += '<' + std::to_string(bit.first) + '>';
            m_report.warning("pair-not-adjacent", pair.element,
                             "differential pair " + name + " is mapped to pins " + pinName(*bit.second.begin()) +
                                 " and " + pinName(*other->second.begin()) + ", which are not adjacent");
        }
    }
}

// Ground is common to every supply of a part, and a supply port named by
// several voltage groups serves them all: such ports have more pins than one
// group needs, so for them only too few pins are reported.
void PinReviewChecker::checkVoltageGroup(const DesignIndex::VoltageGroup& group, const char* type,
                                         const char* countChild)
{
    const int declared = std::atoi(Dom::childText(group.element, countChild).c_str());
    if (declared <= 0)
        return;
    std::set<std::string> ports;
    for (const DOMElement* ref : Dom::items(group.element, "PortRefs", "PortRef")) {
        const auto port = m_instance.ports.find(Dom::attribute(ref, "ref"));
        if (port != m_instance.ports.end() && port->second.type == type)
            ports.insert(port->first);
    }
    bool shared = std::string(type) == "ground";
    for (const DesignIndex::VoltageGroup& other : m_instance.voltageGroups) {
        for (const DOMElement* ref : Dom::items(other.element, "PortRefs", "PortRef"))
            shared = shared || (other.element != group.element && ports.count(Dom::attribute(ref, "ref")));
    }
    const std::size_t pins = pinsOf(ports).size();
    const std::size_t wanted = static_cast<std::size_t>(declared);
    if (pins < wanted || (pins > wanted && !shared))
        m_report.warning("voltage-pins", group.element,
                         "voltage group " + group.name + " declares " + std::to_string(declared) + ' ' + type +
                             (declared == 1 ? " pin" : " pins") + " but its " + type + " ports are mapped to " +
                             std::to_string(pins));
}

std::set<std::string> PinReviewChecker::pinsOf(const std::set<std::string>& ports) const
{
    std::set<std::string> pins;
    for (const std::string& port : ports) {
        const auto found = m_mapped.find(port);
        if (found == m_mapped.end())
            continue;
        for (const auto& bit : found->second)
            pins.insert(bit.second.begin(), bit.second.end());
    }
    return pins;
}

bool PinReviewChecker::adjacent(const std::set<std::string>& a, const std::set<std::string>& b)
{
    if (!m_adjacency) {
        m_adjacency = std::make_unique<PinAdjacency>(m_footprint.pinNames, m_footprint.pinLocations);
        m_signal.assign(m_footprint.pinNames.size(), false);
        for (const auto& entry : m_mapped) {
            if (pinfacts::isSupply(m_instance.ports.at(entry.first).type))
                continue;
            for (const std::string& pin : pinsOf({entry.first}))
                m_signal[m_footprint.pins.at(pin)] = true;
        }
    }
    for (const std::string& p : a) {
        for (const std::string& n : b) {
            if (m_adjacency->adjacent(m_footprint.pins.at(p), m_footprint.pins.at(n), m_signal))
                return true;
        }
    }
    return false;
}

const std::string& PinReviewChecker::pinName(const std::string& id) const
{
    return m_footprint.pinNames[m_footprint.pins.at(id)];
}
