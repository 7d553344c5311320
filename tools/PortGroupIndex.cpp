#include "PortGroupIndex.h"

#include <algorithm>

PortGroupIndex::PortGroupIndex(IWJCompInst* instance)
{
    for (auto buses = instance->busInterfaces(); buses.isValid(); ++buses)
        addGroup(buses.value(), 0);
}

std::string PortGroupIndex::groupOf(const std::string& portFullName, int bit) const
{
    const auto found = m_members.find(portFullName);
    if (found == m_members.end())
        return "";
    const Member* best = nullptr;
    for (const Member& member : found->second) {
        const bool wholePort = member.lsb == -1 && member.msb == -1;
        const int low = std::min(member.lsb, member.msb);
        const int high = std::max(member.lsb, member.msb);
        const bool holds = wholePort || bit == -1 || (low <= bit && bit <= high);
        if (holds && (!best || member.depth > best->depth))
            best = &member;
    }
    return best ? best->group : "";
}

std::string PortGroupIndex::voltageOf(const std::string& group) const
{
    const auto found = m_voltages.find(group);
    return found == m_voltages.end() ? "" : found->second;
}

void PortGroupIndex::addGroup(IWJPortGroup* group, int depth)
{
    const std::string name = group->fullName();
    m_voltages[name] = group->voltage();
    for (auto refs = group->portRefs(); refs.isValid(); ++refs) {
        int lsb = -1;
        int msb = -1;
        IWJPort* port = refs.value()->port(&lsb, &msb);
        addMember(port, lsb, msb, depth, name);
    }
    for (auto pairs = group->differentialPorts(); pairs.isValid(); ++pairs) {
        IWJDPPort* pair = dynamic_cast<IWJDPPort*>(pairs.value());
        if (!pair)
            continue;
        int lsb = -1;
        int msb = -1;
        IWJPort* positive = pair->positivePort(&lsb, &msb);
        addMember(positive, lsb, msb, depth, name);
        IWJPort* negative = pair->negativePort(&lsb, &msb);
        addMember(negative, lsb, msb, depth, name);
    }
    for (auto children = group->portGroups(); children.isValid(); ++children)
        addGroup(children.value(), depth + 1);
}

void PortGroupIndex::addMember(IWJPort* port, int lsb, int msb, int depth, const std::string& group)
{
    if (port)
        m_members[port->fullName()].push_back({lsb, msb, depth, group});
}
