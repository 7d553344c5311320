#include "model/PortGroupIndex.h"

#include "wjxmlinterchange/IoStandards.h"

#include <algorithm>
#include <climits>

namespace {

// Whether a holds a bit before b: deeper, or as deep and referenced first.
template <typename Member> bool wins(const Member* a, const Member* b)
{
    return !b || (a && (a->depth != b->depth ? a->depth > b->depth : a->order < b->order));
}

} // namespace

PortGroupIndex::PortGroupIndex(IWJCompInst* instance)
{
    // The IO standards have a column of their own.
    for (auto buses = instance->busInterfaces(); buses.isValid(); ++buses) {
        if (!IoStandards::holdsStandards(buses.value()))
            addGroup(buses.value(), 0);
    }
    for (auto& entry : m_ports)
        index(entry.second);
}

std::string PortGroupIndex::groupOf(const std::string& portFullName, int bit) const
{
    const auto found = m_ports.find(portFullName);
    if (found == m_ports.end())
        return "";
    const Port& port = found->second;
    if (bit == -1)
        return port.deepest ? port.deepest->group : "";
    const Member* ranged = std::prev(port.segments.upper_bound(bit))->second;
    const Member* best = wins(ranged, port.whole) ? ranged : port.whole;
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
    if (!port)
        return;
    std::vector<Member>& members = m_ports[port->fullName()].members;
    members.push_back({lsb, msb, depth, static_cast<int>(members.size()), group});
}

// Paints each member's bits over the segments, the weakest first, so that
// every bit ends with the member that wins it.
void PortGroupIndex::index(Port& port)
{
    std::vector<const Member*> weakestFirst;
    for (const Member& member : port.members) {
        weakestFirst.push_back(&member);
        if (wins(&member, port.deepest))
            port.deepest = &member;
    }
    std::sort(weakestFirst.begin(), weakestFirst.end(), [](const Member* a, const Member* b) { return wins(b, a); });
    port.segments[LLONG_MIN] = nullptr;
    const auto split = [&port](long long at) {
        const auto segment = std::prev(port.segments.upper_bound(at));
        if (segment->first != at)
            port.segments.emplace(at, segment->second);
    };
    for (const Member* member : weakestFirst) {
        if (member->lsb == -1 && member->msb == -1) {
            if (wins(member, port.whole))
                port.whole = member;
            continue;
        }
        const long long low = std::min(member->lsb, member->msb);
        const long long high = std::max(member->lsb, member->msb);
        split(low);
        split(high + 1);
        port.segments.erase(port.segments.find(low), port.segments.find(high + 1));
        port.segments.emplace(low, member);
    }
}
