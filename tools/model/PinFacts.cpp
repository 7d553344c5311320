#include "model/PinFacts.h"

#include "model/ModelText.h"
#include "model/PortGroupIndex.h"
#include "text/NaturalOrder.h"
#include "wjxmlinterchange/IoStandards.h"
#include "wjxmlinterchange/PinConstraints.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <unordered_map>

namespace {

struct PairMember {
    std::string pair;     // the pair's full name
    std::string polarity; // "P" or "N"
};

// The differential pair and polarity of each member port of the instance,
// by the port's full name.
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

bool useBefore(const PinFacts::Use* a, const PinFacts::Use* b)
{
    if (!a->port != !b->port)
        return a->port;
    const std::string& aName = a->port ? a->portName : a->groupName;
    const std::string& bName = b->port ? b->portName : b->groupName;
    if (NaturalOrder::before(aName, bName) || NaturalOrder::before(bName, aName))
        return NaturalOrder::before(aName, bName);
    return a->bit < b->bit;
}

} // namespace

PinFacts::PinFacts(IWJPartMap* partMap, int index) : m_partMap(partMap), m_index(index)
{
    IWJFootPrint* footprint = partMap->footprint();
    if (!footprint)
        return;
    std::unordered_map<const IWJFootPrintPin*, std::size_t> pinIndex;
    for (auto pins = footprint->pins(); pins.isValid(); ++pins) {
        pinIndex.emplace(pins.value(), m_pins.size());
        m_pins.push_back({pins.value(), pins.key(), {}, false});
    }
    const auto add = [this, &pinIndex](IWJFootPrintPin* pin, Use use) {
        const auto found = pinIndex.find(pin);
        if (found == pinIndex.end() || (!use.port && !use.group))
            return;
        use.pin = found->second;
        m_uses.push_back(std::move(use));
    };
    const auto addAll = [&add](IWJFootPrintPinGroup* pins, const Use& use) {
        for (auto walk = pins->pins(); walk.isValid(); ++walk)
            add(walk.value(), use);
    };

    IWJCompInst* instance = partMap->compInst();
    const PortGroupIndex groups(instance);
    const std::map<std::string, PairMember> pairs = pairMembers(instance);
    const IoStandards standards(instance);
    const auto describe = [&](IWJPortRef* ref, Mapping mapping) {
        Use use{nullptr, "", -1, mapping, nullptr, "", "", "", "", "", "", "", 0};
        use.port = ref->port(&use.bit, nullptr);
        if (!use.port)
            return use;
        use.portName = use.port->fullName();
        use.type = modeltext::portType(use.port->type());
        const auto pair = pairs.find(use.portName);
        if (pair != pairs.end()) {
            use.pair = pair->second.pair;
            use.polarity = pair->second.polarity;
        }
        use.portGroup = groups.groupOf(use.portName, use.bit);
        use.voltage = groups.voltageOf(use.portGroup);
        use.ioStandard = standards.of(use.port, use.bit);
        return use;
    };
    for (auto maps = partMap->portPinMaps(); maps.isValid(); ++maps)
        add(maps.value(), describe(maps.key(), Mapping::Pin));
    for (auto maps = partMap->portPinGroupMaps(); maps.isValid(); ++maps)
        addAll(maps.value(), describe(maps.key(), Mapping::PinGroup));
    for (auto maps = partMap->portGroupPinGroupMaps(); maps.isValid(); ++maps)
        addAll(maps.value(), {nullptr, "", -1, Mapping::Group, maps.key(), maps.key()->fullName(), "", "", "", "",
                              maps.key()->voltage(), "", 0});

    for (const Use& use : m_uses)
        m_pins[use.pin].uses.push_back(&use);
    for (Pin& pin : m_pins) {
        std::stable_sort(pin.uses.begin(), pin.uses.end(), useBefore);
        std::set<PortBit> portBits;
        for (const Use* use : pin.uses) {
            if (use->port)
                portBits.insert({use->portName, use->bit});
        }
        pin.isShort = anyShort(portBits);
    }
}

void PinFacts::each(IWJInterfaceView* design, const std::string& onlyRefdes,
                    const std::function<void(const PinFacts&)>& visit)
{
    int index = 0;
    for (auto partMaps = design->partMaps(); partMaps.isValid(); ++partMaps, ++index) {
        IWJCompInst* instance = partMaps.value()->compInst();
        if (instance && (onlyRefdes.empty() || sameRefdes(onlyRefdes, instance->refdes())))
            visit(PinFacts(partMaps.value(), index));
    }
}

const char* PinFacts::word(Mapping mapping)
{
    switch (mapping) {
    case Mapping::Pin: return "pin";
    case Mapping::PinGroup: return "pin-group";
    case Mapping::Group: return "group";
    }
    return "";
}

bool PinFacts::shorts(const PortBit& a, const PortBit& b)
{
    return a.first != b.first || (a.second != b.second && a.second != -1 && b.second != -1);
}

bool PinFacts::anyShort(const std::set<PortBit>& onPin)
{
    for (auto a = onPin.begin(); a != onPin.end(); ++a) {
        if (std::any_of(std::next(a), onPin.end(), [&a](const PortBit& b) { return shorts(*a, b); }))
            return true;
    }
    return false;
}

bool PinFacts::sameRefdes(const std::string& a, const std::string& b)
{
    return PinConstraints::refdesKey(a) == PinConstraints::refdesKey(b);
}

bool PinFacts::isSupply(const std::string& type)
{
    return type == "power" || type == "ground";
}

bool PinFacts::bitsOf(int lsb, int msb, int& low, int& high)
{
    if (lsb == -1 && msb == -1)
        return false;
    const int first = lsb == -1 ? msb : lsb;
    const int second = msb == -1 ? lsb : msb;
    low = std::min(first, second);
    high = std::max(first, second);
    return true;
}
