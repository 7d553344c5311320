#include "check/PinReviewChecker.h"

#include "check/CheckReport.h"
#include "check/Dom.h"
#include "model/ModelText.h"
#include "model/PinFacts.h"
#include "model/PinMapTable.h"
#include "wjxmlinterfaceflowreader/IWJXMLObject.h"

#include <cstdlib>

using xercesc::DOMElement;

namespace {

const DOMElement* elementOf(IWJPort* object)
{
    return dynamic_cast<IWJXMLObject*>(object)->GetDomElement();
}

const DOMElement* elementOf(IWJPortGroup* object)
{
    return dynamic_cast<IWJXMLObject*>(object)->GetDomElement();
}

// The Name of an element, else its id, as check names what it reports.
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

void PinReviewChecker::check(IWJInterfaceView* design, CheckReport& report)
{
    PinMapTable(design, "")
        .eachPartMap(design, [&report](IWJPartMap* partMap, const std::vector<const PinMapRow*>& rows) {
            PinReviewChecker checker(partMap, rows, report);
            checker.checkPinCounts();
            checker.checkPairs();
            for (const auto& group : checker.m_voltageGroups) {
                checker.checkVoltageGroup(group.first, group.second, IWJPort::Power);
                checker.checkVoltageGroup(group.first, group.second, IWJPort::Ground);
            }
        });
}

PinReviewChecker::PinReviewChecker(IWJPartMap* partMap, const std::vector<const PinMapRow*>& rows, CheckReport& report)
    : m_instance(partMap->compInst()), m_report(report), m_label(m_instance->refdes())
{
    if (m_label.empty())
        m_label = Dom::attribute(dynamic_cast<IWJXMLObject*>(m_instance)->GetDomElement(), "id");
    for (auto ports = m_instance->ports(); ports.isValid(); ++ports)
        m_ports[ports.value()->fullName()] = ports.value();
    for (auto pins = partMap->footprint()->pins(); pins.isValid(); ++pins) {
        m_pins[pins.key()] = m_pinNames.size();
        const std::string name = pins.value()->name();
        m_pinNames.push_back(name.empty() ? pins.key() : name);
        m_pinLocations.push_back(pins.value()->location());
    }
    for (const PinMapRow* row : rows) {
        if (!row->port.empty())
            m_mapped[row->port][row->bit].insert(row->pinId);
    }
    for (auto buses = m_instance->busInterfaces(); buses.isValid(); ++buses)
        findVoltageGroups(buses.value(), m_label + '.' + nameOf(elementOf(buses.value())));
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
            m_report.error("pin-count", elementOf(declared),
                           "port " + m_label + '.' + modeltext::localName(declared) + " declares " +
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
            std::string name = m_label + '.' + nameOf(elementOf(pair));
            if (bit.first != -1)
                name += '<' + std::to_string(bit.first) + '>';
            m_report.warning("pair-not-adjacent", elementOf(pair),
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
        const std::string childName = name + '.' + nameOf(elementOf(child));
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
        m_report.warning("voltage-pins", elementOf(group),
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
    if (!m_adjacency) {
        m_adjacency = std::make_unique<PinAdjacency>(m_pinNames, m_pinLocations);
        m_signal.assign(m_pinNames.size(), false);
        for (const auto& entry : m_mapped) {
            const auto port = m_ports.find(entry.first);
            if (port != m_ports.end() && pinfacts::isSupply(modeltext::portType(port->second->type())))
                continue;
            for (const std::string& pin : pinsOf({entry.first}))
                m_signal[m_pins.at(pin)] = true;
        }
    }
    for (const std::string& p : a) {
        for (const std::string& n : b) {
            if (m_adjacency->adjacent(m_pins.at(p), m_pins.at(n), m_signal))
                return true;
        }
    }
    return false;
}
