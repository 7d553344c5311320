#include "check/PinReviewChecker.h"

#include "check/CheckReport.h"
#include "check/Dom.h"
#include "check/MappingLines.h"
#include "check/PortCoverage.h"
#include "model/ModelText.h"
#include "model/PinFacts.h"

#include <algorithm>
#include <cstdlib>

using xercesc::DOMElement;

namespace {

// The Name of an element, else its id, as check names what it reports.
std::string nameOf(const DOMElement* element)
{
    const std::string name = Dom::childText(element, "Name");
    return name.empty() ? Dom::attribute(element, "id") : name;
}

std::string idOf(IWJPort* port)
{
    return Dom::attribute(Dom::of(port), "id");
}

// "1 pin", "2 pins".
std::string pinCount(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " pin" : " pins");
}

} // namespace

void PinReviewChecker::check(IWJInterfaceView* design, const MappingLines& lines, CheckReport& report)
{
    PortCoverage coverage;
    PinFacts::each(design, "", [&](const PinFacts& facts) {
        coverage.add(facts);
        if (!facts.partMap()->footprint())
            return;
        PinReviewChecker checker(facts, lines, report);
        checker.checkShorts(facts);
        checker.checkWholePorts(facts);
        checker.checkPinCounts();
        checker.checkPairs();
        for (const auto& group : checker.m_voltageGroups) {
            checker.checkVoltageGroup(group.first, group.second, IWJPort::Power);
            checker.checkVoltageGroup(group.first, group.second, IWJPort::Ground);
        }
    });
    coverage.report(design, report);
}

PinReviewChecker::PinReviewChecker(const PinFacts& facts, const MappingLines& lines, CheckReport& report)
    : m_instance(facts.instance()), m_partMap(Dom::of(facts.partMap())), m_lines(lines), m_report(report),
      m_label(Dom::label(m_instance))
{
    for (auto ports = m_instance->ports(); ports.isValid(); ++ports)
        m_ports[ports.value()->fullName()] = ports.value();
    for (const PinFacts::Pin& pin : facts.pins()) {
        m_pins[pin.id] = m_pinNames.size();
        const std::string name = pin.pin->name();
        m_pinNames.push_back(name.empty() ? pin.id : name);
        m_pinLocations.push_back(pin.pin->location());
        m_signal.push_back(false);
        for (const PinFacts::Use* use : pin.uses) {
            if (!use->port)
                continue;
            m_mapped[use->portName][use->bit].insert(pin.id);
            m_signal.back() = m_signal.back() || !PinFacts::isSupply(use->type);
        }
    }
    for (auto buses = m_instance->busInterfaces(); buses.isValid(); ++buses)
        findVoltageGroups(buses.value(), m_label + '.' + nameOf(Dom::of(buses.value())));
}

// Each port bit on a pin that shorts a bit put on the pin before it, in the
// order in which the file states them.
void PinReviewChecker::checkShorts(const PinFacts& facts)
{
    struct Stated {
        const PinFacts::Use* use;
        const DOMElement* where;
    };
    for (const PinFacts::Pin& pin : facts.pins()) {
        if (!pin.isShort)
            continue;
        std::vector<Stated> uses;
        for (const PinFacts::Use* use : pin.uses) {
            if (use->port)
                uses.push_back({use, m_lines.pin(m_partMap, idOf(use->port), use->bit, pin.id)});
        }
        std::stable_sort(uses.begin(), uses.end(),
                         [](const Stated& a, const Stated& b) { return Dom::line(a.where) < Dom::line(b.where); });
        for (auto later = uses.begin(); later != uses.end(); ++later) {
            const PinFacts::PortBit portBit{later->use->portName, later->use->bit};
            const auto earlier = std::find_if(uses.begin(), later, [&portBit](const Stated& stated) {
                return PinFacts::shorts({stated.use->portName, stated.use->bit}, portBit);
            });
            if (earlier != later)
                m_report.error("short", later->where,
                               "pin " + m_pinNames[m_pins.at(pin.id)] + " is mapped to " +
                                   portName(earlier->use->port, earlier->use->bit) + " and to " +
                                   portName(later->use->port, later->use->bit) + ": a short (first at line " +
                                   std::to_string(Dom::line(earlier->where)) + ")");
        }
    }
}

// A port with bits mapped whole to one pin; a bit mapped to pins its whole
// port, mapped too, is not on: the two mappings contradict each other.
void PinReviewChecker::checkWholePorts(const PinFacts& facts)
{
    for (const PinFacts::Use& use : facts.uses()) {
        int low = 0;
        int high = 0;
        if (use.mapping == PinFacts::Mapping::Pin && use.bit == -1 &&
            PinFacts::bitsOf(use.port->lsb(), use.port->msb(), low, high) && low != high)
            m_report.error("whole-port-on-one-pin", m_lines.port(m_partMap, idOf(use.port), -1),
                           "port " + portName(use.port, -1) + " has bits " + std::to_string(low) + ".." +
                               std::to_string(high) + " but is mapped whole to one pin");
    }
    const auto names = [this](const std::set<std::string>& pins) {
        std::string text = pins.size() == 1 ? "pin" : "pins";
        for (const std::string& pin : pins)
            text += ' ' + m_pinNames[m_pins.at(pin)];
        return text;
    };
    for (const auto& port : m_mapped) {
        const auto whole = port.second.find(-1);
        if (whole == port.second.end())
            continue;
        IWJPort* mapped = m_ports.at(port.first);
        for (const auto& bit : port.second) {
            if (bit.first == -1 ||
                std::includes(whole->second.begin(), whole->second.end(), bit.second.begin(), bit.second.end()))
                continue;
            m_report.error("whole-and-bit", m_lines.port(m_partMap, idOf(mapped), bit.first),
                           "port " + portName(mapped, -1) + " is mapped whole to " + names(whole->second) +
                               " but its bit " + std::to_string(bit.first) + " to " + names(bit.second) +
                               ", which the whole port is not on");
        }
    }
}

void PinReviewChecker::checkPinCounts()
{
    for (const auto& entry : m_mapped) {
        const auto port = m_ports.find(entry.first);
        if (port == m_ports.end() || port->second->numPhysPins() <= 0)
            continue;
        // A port with only some of its bits mapped is reported as such.
        IWJPort* declared = port->second;
        const long long width = declared->lsb() == -1 || declared->msb() == -1
                                    ? 1
                                    : std::llabs(static_cast<long long>(declared->msb()) - declared->lsb()) + 1;
        if (!entry.second.count(-1) && static_cast<long long>(entry.second.size()) < width)
            continue;
        const std::size_t pins = pinsOf({entry.first}).size();
        if (pins != static_cast<std::size_t>(declared->numPhysPins()))
            m_report.error("pin-count", Dom::of(declared),
                           "port " + portName(declared, -1) + " declares " +
                               pinCount(static_cast<std::size_t>(declared->numPhysPins())) + " but is mapped to " +
                               std::to_string(pins));
    }
}

void PinReviewChecker::checkPairs()
{
    for (auto pairs = m_instance->differentialPorts(); pairs.isValid(); ++pairs) {
        IWJDPPort* pair = dynamic_cast<IWJDPPort*>(pairs.value());
        IWJPort* members[2] = {pair ? pair->positivePort(nullptr, nullptr) : nullptr,
                               pair ? pair->negativePort(nullptr, nullptr) : nullptr};
        if (!members[0] || !members[1])
            continue;
        const auto positive = m_mapped.find(members[0]->fullName());
        const auto negative = m_mapped.find(members[1]->fullName());
        if (positive == m_mapped.end() || negative == m_mapped.end())
            continue;
        for (const auto& bit : positive->second) {
            const auto other = negative->second.find(bit.first);
            if (other == negative->second.end() || adjacent(bit.second, other->second))
                continue;
            std::string name = m_label + '.' + nameOf(Dom::of(pair));
            if (bit.first != -1)
                name += '<' + std::to_string(bit.first) + '>';
            m_report.warning("pair-not-adjacent", Dom::of(pair),
                             "differential pair " + name + " is mapped to pins " +
                                 m_pinNames[m_pins.at(*bit.second.begin())] + " and " +
                                 m_pinNames[m_pins.at(*other->second.begin())] + ", which are not adjacent");
        }
    }
}

void PinReviewChecker::findVoltageGroups(IWJPortGroup* group, const std::string& name)
{
    for (auto children = group->portGroups(); children.isValid(); ++children) {
        IWJPortGroup* child = children.value();
        const std::string childName = name + '.' + nameOf(Dom::of(child));
        if (child->groupType() == IWJPortGroup::VoltageDefn)
            m_voltageGroups.emplace_back(child, childName);
        findVoltageGroups(child, childName);
    }
}

// Ground is common to every supply of a part, and a supply port named by
// several voltage groups serves them all: such ports have more pins than one
// group needs, so for them only too few pins are reported.
void PinReviewChecker::checkVoltageGroup(IWJPortGroup* group, const std::string& name, int type)
{
    const int declared = type == IWJPort::Power ? group->numPhysPowerPins() : group->numPhysGroundPins();
    if (declared <= 0)
        return;
    const auto portsOf = [](IWJPortGroup* of) {
        std::set<IWJPort*> ports;
        for (auto refs = of->portRefs(); refs.isValid(); ++refs)
            ports.insert(refs.value()->port(nullptr, nullptr));
        return ports;
    };
    std::set<std::string> ports;
    for (IWJPort* port : portsOf(group)) {
        if (port && port->type() == type)
            ports.insert(port->fullName());
    }
    bool shared = type == IWJPort::Ground;
    for (const auto& other : m_voltageGroups) {
        for (IWJPort* port : portsOf(other.first))
            shared = shared || (other.first != group && port && ports.count(port->fullName()));
    }
    const std::string word = modeltext::portType(type);
    const std::size_t pins = pinsOf(ports).size();
    const std::size_t wanted = static_cast<std::size_t>(declared);
    if (pins < wanted || (pins > wanted && !shared))
        m_report.warning("voltage-pins", Dom::of(group),
                         "voltage group " + name + " declares " + std::to_string(declared) + ' ' + word +
                             (declared == 1 ? " pin" : " pins") + " but its " + word + " ports are mapped to " +
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
    if (!m_adjacency)
        m_adjacency = std::make_unique<PinAdjacency>(m_pinNames, m_pinLocations);
    for (const std::string& p : a) {
        for (const std::string& n : b) {
            if (m_adjacency->adjacent(m_pins.at(p), m_pins.at(n), m_signal))
                return true;
        }
    }
    return false;
}

std::string PinReviewChecker::portName(IWJPort* port, int bit) const
{
    const std::string name = m_label + '.' + modeltext::localName(port);
    return bit == -1 ? name : name + '<' + std::to_string(bit) + '>';
}
