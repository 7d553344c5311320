#include "IoStandardWriter.h"

#include "IoStandardRules.h"
#include "PortBitName.h"
#include "TextRules.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <set>

IoStandardWriter::IoStandardWriter(IWJCompInst* instance) : m_instance(instance), m_held(instance) {}

void IoStandardWriter::set(IWJPort* port, int bit, const std::string& standard)
{
    PortStandards& standards = m_set[port];
    if (bit == -1) {
        standards.whole = standard;
        standards.bits.clear();
    } else {
        standards.bits[bit] = standard;
    }
}

std::string IoStandardWriter::of(IWJPort* port, int bit) const
{
    const auto set = m_set.find(port);
    if (set == m_set.end())
        return m_held.of(port, bit);
    const auto ownBit = set->second.bits.find(bit);
    if (ownBit != set->second.bits.end())
        return ownBit->second;
    return set->second.whole.empty() ? m_held.of(port, bit) : set->second.whole;
}

bool IoStandardWriter::isDifferential(IWJPort* port) const
{
    if (IoStandardRules::isDifferential(of(port, -1)))
        return true;
    const int lsb = std::min(port->lsb(), port->msb());
    const int msb = std::max(port->lsb(), port->msb());
    for (int bit = std::max(lsb, 0); lsb >= 0 && bit <= msb; ++bit) {
        if (IoStandardRules::isDifferential(of(port, bit)))
            return true;
    }
    return false;
}

// Each port as one reference when all its bits share a standard, else a
// reference per run of bits with one; ports in the order of their names.
std::map<std::string, IoStandardWriter::Group> IoStandardWriter::groups() const
{
    std::vector<IWJPort*> ports = m_held.ports();
    for (const auto& entry : m_set)
        ports.push_back(entry.first);
    std::sort(ports.begin(), ports.end(), [](IWJPort* a, IWJPort* b) {
        return TextRules::upper(PortBitName::localName(a)) < TextRules::upper(PortBitName::localName(b));
    });
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    std::map<std::string, Group> result;
    const auto add = [&result](const std::string& standard, const Reference& reference) {
        if (standard.empty())
            return;
        Group& group = result[TextRules::upper(standard)];
        if (group.name.empty())
            group.name = standard;
        group.references.push_back(reference);
    };
    for (IWJPort* port : ports) {
        const int lsb = std::min(port->lsb(), port->msb());
        const int msb = std::max(port->lsb(), port->msb());
        if (lsb < 0) {
            add(of(port, -1), {port, -1, -1});
            continue;
        }
        std::vector<Reference> runs;
        std::vector<std::string> standards;
        for (int bit = lsb; bit <= msb; ++bit) {
            const std::string standard = of(port, bit);
            if (!runs.empty() && runs.back().msb == bit - 1 && TextRules::equalIgnoringCase(standards.back(), standard))
                runs.back().msb = bit;
            else if (!standard.empty()) {
                runs.push_back({port, bit, bit});
                standards.push_back(standard);
            }
        }
        if (runs.size() == 1 && runs[0].lsb == lsb && runs[0].msb == msb)
            runs[0] = {port, -1, -1};
        for (std::size_t i = 0; i < runs.size(); ++i)
            add(standards[i], runs[i]);
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
