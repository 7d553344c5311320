#include "model/PinFacts.h"

#include <algorithm>
#include <iterator>

namespace pinfacts {

bool shorts(const PortBit& a, const PortBit& b)
{
    return a.first != b.first || (a.second != b.second && a.second != -1 && b.second != -1);
}

bool anyShort(const std::set<PortBit>& onPin)
{
    for (auto a = onPin.begin(); a != onPin.end(); ++a) {
        if (std::any_of(std::next(a), onPin.end(), [&a](const PortBit& b) { return shorts(*a, b); }))
            return true;
    }
    return false;
}

bool isSupply(const std::string& type)
{
    return type == "power" || type == "ground";
}

std::map<std::string, PairMember> pairMembers(IWJCompInst* instance)
{
    std::map<std::string, PairMember> members;
    for (auto walk = instance->differentialPorts(); walk.isValid(); ++walk) {
        IWJDPPort* pair = dynamic_cast<IWJDPPort*>(walk.value());
        if (!pair)
            continue;
        const std::string name = pair->fullName();
        if (IWJPort* positive = pair->positivePort(nullptr, nullptr))
            members[positive->fullName()] = {name, "P"};
        if (IWJPort* negative = pair->negativePort(nullptr, nullptr))
            members[negative->fullName()] = {name, "N"};
    }
    return members;
}

} // namespace pinfacts
