#include "wjxmlinterchange/IoStandards.h"

#include "TextRules.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>

const char* IoStandards::busInterfaceName()
{
    return "IO_STANDARDS";
}

bool IoStandards::holdsStandards(IWJPortGroup* group)
{
    return group && group->groupKind() == 0 && TextRules::equalIgnoringCase(group->name(), busInterfaceName());
}

IoStandards::IoStandards(IWJCompInst* instance)
{
    for (auto buses = instance->busInterfaces(); buses.isValid(); ++buses) {
        if (!holdsStandards(buses.value()))
            continue;
        for (auto groups = buses.value()->portGroups(); groups.isValid(); ++groups) {
            IWJPortGroup* group = groups.value();
            const std::string standard = group->name();
            for (auto refs = group->portRefs(); refs.isValid(); ++refs) {
                int lsb = -1;
                int msb = -1;
                IWJPort* port = refs.value()->port(&lsb, &msb);
                add(port, lsb, msb, standard);
            }
            for (auto pairs = group->differentialPorts(); pairs.isValid(); ++pairs) {
                IWJDPPort* pair = dynamic_cast<IWJDPPort*>(pairs.value());
                int lsb = -1;
                int msb = -1;
                for (IWJPort* member :
                     {pair ? pair->positivePort(&lsb, &msb) : nullptr, pair ? pair->negativePort(&lsb, &msb) : nullptr})
                    add(member, lsb, msb, standard);
            }
        }
    }
}

void IoStandards::add(IWJPort* port, int lsb, int msb, const std::string& standard)
{
    if (!port)
        return;
    PortStandards& standards = m_ports[port];
    if (lsb == -1 && msb == -1)
        standards.whole = standard;
    else if (lsb == -1 || msb == -1)
        standards.ranges[std::max(lsb, msb)] = {std::max(lsb, msb), standard};
    else
        standards.ranges[std::min(lsb, msb)] = {std::max(lsb, msb), standard};
}

std::string IoStandards::of(IWJPort* port, int bit) const
{
    const auto found = m_ports.find(port);
    if (found == m_ports.end())
        return "";
    const PortStandards& standards = found->second;
    if (bit != -1) {
        const auto range = standards.ranges.upper_bound(bit);
        if (range != standards.ranges.begin() && bit <= std::prev(range)->second.first)
            return std::prev(range)->second.second;
    }
    return standards.whole;
}

std::vector<IWJPort*> IoStandards::ports() const
{
    std::vector<IWJPort*> result;
    for (const auto& entry : m_ports)
        result.push_back(entry.first);
    return result;
}

std::vector<IoStandards::Range> IoStandards::ranges(IWJPort* port) const
{
    std::vector<Range> result;
    const auto found = m_ports.find(port);
    if (found != m_ports.end()) {
        for (const auto& range : found->second.ranges)
            result.push_back({range.first, range.second.first, range.second.second});
    }
    return result;
}
