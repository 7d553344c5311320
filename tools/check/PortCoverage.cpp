#include "check/PortCoverage.h"

#include "check/CheckReport.h"
#include "check/Dom.h"
#include "model/ModelText.h"
#include "model/PinFacts.h"

void PortCoverage::add(const PinFacts& facts)
{
    Ports& ports = m_instances[facts.instance()];
    for (const PinFacts::Use& use : facts.uses()) {
        int low = 0;
        int high = 0;
        if (!use.port)
            cover(use.group, ports);
        else if (use.bit == -1)
            ports.whole.insert(use.port);
        else if (PinFacts::bitsOf(use.port->lsb(), use.port->msb(), low, high) && use.bit >= low && use.bit <= high)
            ports.bits[use.port].insert(use.bit);
    }
}

void PortCoverage::cover(IWJPortGroup* group, Ports& ports)
{
    if (!ports.groups.insert(group).second)
        return;
    for (auto refs = group->portRefs(); refs.isValid(); ++refs) {
        if (IWJPort* port = refs.value()->port(nullptr, nullptr))
            ports.whole.insert(port);
    }
    for (auto pairs = group->differentialPorts(); pairs.isValid(); ++pairs) {
        IWJDPPort* pair = dynamic_cast<IWJDPPort*>(pairs.value());
        for (IWJPort* member : {pair ? pair->positivePort(nullptr, nullptr) : nullptr,
                                pair ? pair->negativePort(nullptr, nullptr) : nullptr}) {
            if (member)
                ports.whole.insert(member);
        }
    }
    for (auto children = group->portGroups(); children.isValid(); ++children)
        cover(children.value(), ports);
}

void PortCoverage::report(IWJInterfaceView* design, CheckReport& report) const
{
    for (auto instances = design->compInsts(); instances.isValid(); ++instances) {
        const auto found = m_instances.find(instances.value());
        if (found == m_instances.end())
            continue;
        const Ports& covered = found->second;
        for (auto walk = instances.value()->ports(); walk.isValid(); ++walk) {
            IWJPort* port = walk.value();
            if (covered.whole.count(port))
                continue;
            const std::string name = "port " + Dom::label(instances.value()) + '.' + modeltext::localName(port);
            const auto bits = covered.bits.find(port);
            if (bits == covered.bits.end()) {
                report.warning("unmapped", Dom::of(port), name + " is mapped to no pin");
                continue;
            }
            int low = 0;
            int high = 0;
            PinFacts::bitsOf(port->lsb(), port->msb(), low, high);
            const long long width = static_cast<long long>(high) - low + 1;
            if (static_cast<long long>(bits->second.size()) < width)
                report.warning("partly-mapped", Dom::of(port),
                               name + " has " + std::to_string(bits->second.size()) + " of its " +
                                   std::to_string(width) + " bits mapped");
        }
    }
}
