#include "IoStandardWriter.h"

#include "IoStandardRules.h"
#include "PortBitName.h"
#include "TextRules.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <functional>
#include <set>

IoStandardWriter::IoStandardWriter(IWJCompInst* instance) : m_instance(instance), m_held(instance) {}

void IoStandardWriter::set(IWJPort* port, int bit, const std::string& standard)
{
    PortStandards& standards = m_set[port];
    if (bit == -1) {
        standards.wholeSet = true;
        standards.whole = standard;
        standards.bits.clear();
    } else {
        standards.bits[bit] = standard;
    }
}

bool IoStandardWriter::isDifferential(IWJPort* port) const
{
    for (const Run& run : runs(port)) {
        if (IoStandardRules::isDifferential(run.standard))
            return true;
    }
    return false;
}

// The standards of the port's bits, painted as segments from the lowest
// bit: the whole port's, then the ranges held, then the bits set, so that
// the work follows the standards given, not the width of the port. Equal
// neighbours merge; one run over all bits is the whole port.
std::vector<IoStandardWriter::Run> IoStandardWriter::runs(IWJPort* port) const
{
    const auto set = m_set.find(port);
    const PortStandards none;
    const PortStandards& given = set == m_set.end() ? none : set->second;
    const std::string whole = given.wholeSet ? given.whole : m_held.of(port, -1);
    const long long lsb = std::min(port->lsb(), port->msb());
    const long long msb = std::max(port->lsb(), port->msb());
    if (lsb < 0)
        return whole.empty() ? std::vector<Run>() : std::vector<Run>{{{port, -1, -1}, whole}};
    std::map<long long, std::string> segments{{lsb, whole}, {msb + 1, ""}};
    const auto paint = [&segments, lsb, msb](long long low, long long high, const std::string& standard) {
        low = std::max(low, lsb);
        high = std::min(high, msb);
        if (low > high)
            return;
        for (const long long at : {low, high + 1}) {
            const auto segment = std::prev(segments.upper_bound(at));
            if (segment->first != at)
                segments.emplace(at, segment->second);
        }
        segments.erase(segments.find(low), segments.find(high + 1));
        segments[low] = standard;
    };
    for (const IoStandards::Range& range : given.wholeSet ? std::vector<IoStandards::Range>() : m_held.ranges(port))
        paint(range.lsb, range.msb, range.standard);
    for (const auto& bit : given.bits)
        paint(bit.first, bit.first, bit.second);
    std::vector<Run> result;
    for (auto segment = segments.begin(); std::next(segment) != segments.end(); ++segment) {
        const int high = static_cast<int>(std::next(segment)->first - 1);
        if (!result.empty() && result.back().reference.msb == static_cast<int>(segment->first) - 1 &&
            TextRules::equalIgnoringCase(result.back().standard, segment->second))
            result.back().reference.msb = high;
        else if (!segment->second.empty())
            result.push_back({{port, static_cast<int>(segment->first), high}, segment->second});
    }
    if (result.size() == 1 && result[0].reference.lsb == lsb && result[0].reference.msb == msb)
        result[0].reference = {port, -1, -1};
    return result;
}

// Each port's runs, the ports in the order of their names.
std::map<std::string, IoStandardWriter::Group> IoStandardWriter::groups() const
{
    std::vector<IWJPort*> ports = m_held.ports();
    for (const auto& entry : m_set)
        ports.push_back(entry.first);
    std::sort(ports.begin(), ports.end(), [](IWJPort* a, IWJPort* b) {
        const std::string first = TextRules::upper(PortBitName::localName(a));
        const std::string second = TextRules::upper(PortBitName::localName(b));
        return first != second ? first < second : std::less<IWJPort*>()(a, b);
    });
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    std::map<std::string, Group> result;
    for (IWJPort* port : ports) {
        for (const Run& run : runs(port)) {
            Group& group = result[TextRules::upper(run.standard)];
            if (group.name.empty())
                group.name = run.standard;
            group.references.push_back(run.reference);
        }
    }
    return result;
}

void IoStandardWriter::write()
{
    if (m_set.empty())
        return;
    const std::map<std::string, Group> wanted = groups();
    if (wanted.empty())
        return;
    IWJPortGroup* bus = nullptr;
    for (auto buses = m_instance->busInterfaces(); buses.isValid() && !bus; ++buses) {
        if (IoStandards::holdsStandards(buses.value()))
            bus = buses.value();
    }
    if (!bus)
        bus = m_instance->addBusInterface(IoStandards::busInterfaceName(), "IO standards of the ports");
    // Groups keep their standard where it is still used; the others take
    // one that is new, or repeat the first so that no stale one is left.
    std::vector<IWJPortGroup*> spare;
    std::set<std::string> filled;
    for (auto walk = bus->portGroups(); walk.isValid(); ++walk) {
        const std::string key = TextRules::upper(walk.value()->name());
        const auto match = wanted.find(key);
        if (match != wanted.end() && filled.insert(key).second)
            fill(walk.value(), match->second.references);
        else
            spare.push_back(walk.value());
    }
    for (const auto& entry : wanted) {
        if (filled.count(entry.first))
            continue;
        const Group& group = entry.second;
        const std::string voltage = IoStandardRules::impliedVoltage(group.name);
        IWJPortGroup* target = nullptr;
        if (spare.empty()) {
            target = bus->addPortGroup(group.name.c_str(), IWJPortGroup::VoltageDefn,
                                       voltage.empty() ? nullptr : voltage.c_str(), 0, 0);
        } else {
            target = spare.back();
            spare.pop_back();
            target->setName(group.name.c_str());
            target->setGroupType(IWJPortGroup::VoltageDefn);
            target->setVoltage(voltage.c_str());
        }
        fill(target, group.references);
    }
    const Group& first = wanted.begin()->second;
    for (IWJPortGroup* group : spare) {
        group->setName(first.name.c_str());
        group->setGroupType(IWJPortGroup::VoltageDefn);
        group->setVoltage(IoStandardRules::impliedVoltage(first.name).c_str());
        fill(group, {first.references.front()});
    }
}

void IoStandardWriter::fill(IWJPortGroup* group, const std::vector<Reference>& references)
{
    std::size_t next = 0;
    for (auto refs = group->portRefs(); refs.isValid(); ++refs, ++next) {
        const Reference& wanted = references[std::min(next, references.size() - 1)];
        int lsb = -1;
        int msb = -1;
        IWJPort* port = refs.value()->port(&lsb, &msb);
        if (port != wanted.port)
            refs.value()->setPort(wanted.port);
        if (lsb != wanted.lsb || msb != wanted.msb)
            refs.value()->setRange(wanted.lsb, wanted.msb);
    }
    for (; next < references.size(); ++next)
        group->addPortRef(references[next].port, references[next].lsb, references[next].msb);
}
