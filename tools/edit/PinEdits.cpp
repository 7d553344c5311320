#include "edit/PinEdits.h"

#include "model/ModelText.h"

#include <algorithm>
#include <tuple>

namespace {

std::string pinList(const std::vector<IWJFootPrintPin*>& pins)
{
    std::string text = pins.size() == 1 ? "pin" : "pins";
    for (IWJFootPrintPin* pin : pins)
        text += std::string(" ") + pin->name();
    return text;
}

bool contains(const std::vector<IWJFootPrintPin*>& pins, IWJFootPrintPin* pin)
{
    return std::find(pins.begin(), pins.end(), pin) != pins.end();
}

std::vector<IWJFootPrintPin*> groupPins(IWJFootPrintPinGroup* group)
{
    std::vector<IWJFootPrintPin*> pins;
    for (auto walk = group->pins(); walk.isValid(); ++walk)
        pins.push_back(walk.value());
    return pins;
}

std::vector<std::string> pinNames(const std::vector<IWJFootPrintPin*>& pins)
{
    std::vector<std::string> names;
    for (IWJFootPrintPin* pin : pins)
        names.emplace_back(pin->name());
    return names;
}

// Two mappings short a pin they share unless they are of one port and one
// of them is the whole port, which holds its bits.
bool shorts(PortBit a, PortBit b)
{
    return a.port != b.port || (a.bit != b.bit && a.bit != -1 && b.bit != -1);
}

} // namespace

PinEdits::PinEdits(IWJPartMap* partMap) : m_partMap(partMap) {}

std::string PinEdits::portName(PortBit what)
{
    IWJCompInst* instance = what.port->compInst();
    return (instance ? std::string(instance->refdes()) + "." : std::string()) + modeltext::localName(what.port) +
           (what.bit == -1 ? std::string() : "<" + std::to_string(what.bit) + ">");
}

std::string PinEdits::bitProblem(IWJPort* port, int bit)
{
    if (bit == -1)
        return "";
    const int lsb = port->lsb();
    const int msb = port->msb();
    const std::string name = portName({port, -1});
    if (lsb == -1 && msb == -1)
        return "port " + name + " has no bits: map it whole";
    const int low = lsb == -1 ? msb : msb == -1 ? lsb : std::min(lsb, msb);
    const int high = std::max(lsb, msb);
    if (bit < low || bit > high)
        return "bit " + std::to_string(bit) + " is outside the bits " + std::to_string(low) + ".." +
               std::to_string(high) + " of port " + name;
    return "";
}

EditOutcome PinEdits::setType(IWJPort* port, const std::string& type)
{
    EditOutcome outcome;
    for (int code = IWJPort::Input; code <= IWJPort::Ground; ++code) {
        if (modeltext::portType(code) != type)
            continue;
        const std::string before = modeltext::portType(port->type());
        if (code != port->type()) {
            port->setType(code);
            outcome.changes.push_back("changed the type of " + portName({port, -1}) + " from " +
                                      (before.empty() ? "none" : before) + " to " + type);
        }
        return outcome;
    }
    outcome.refusal = "unknown port type \"" + type + "\": input, output, inout, power or ground";
    return outcome;
}

std::vector<PinEdits::Mapping> PinEdits::mappings() const
{
    std::vector<Mapping> all;
    int lsb = -1;
    int msb = -1;
    for (auto walk = m_partMap->portPinMaps(); walk.isValid(); ++walk) {
        IWJPort* port = walk.key()->port(&lsb, &msb);
        all.push_back({{port, lsb}, nullptr, false, {walk.value()}});
    }
    for (auto walk = m_partMap->portPinGroupMaps(); walk.isValid(); ++walk) {
        IWJPort* port = walk.key()->port(&lsb, &msb);
        all.push_back({{port, lsb}, nullptr, true, groupPins(walk.value())});
    }
    for (auto walk = m_partMap->portGroupPinGroupMaps(); walk.isValid(); ++walk)
        all.push_back({{}, walk.key(), true, groupPins(walk.value())});
    const auto order = [this](const Mapping& m) { return std::make_tuple(m.group != nullptr, name(m)); };
    std::sort(all.begin(), all.end(), [&order](const Mapping& a, const Mapping& b) { return order(a) < order(b); });
    return all;
}

std::string PinEdits::name(const Mapping& mapping) const
{
    if (!mapping.group)
        return portName(mapping.port);
    // The group's full name starts with the cell name; the refdes says more here.
    std::string fullName = mapping.group->fullName();
    IWJCompInst* instance = m_partMap->compInst();
    const std::string cell = std::string(instance->cellName()) + ".";
    if (fullName.compare(0, cell.size(), cell) == 0)
        fullName.erase(0, cell.size());
    return "group " + std::string(instance->refdes()) + "." + fullName;
}

template <class Visit> void PinEdits::forEachPortPin(Visit visit) const
{
    int lsb = -1;
    int msb = -1;
    for (auto walk = m_partMap->portPinMaps(); walk.isValid(); ++walk) {
        IWJPort* port = walk.key()->port(&lsb, &msb);
        visit(PortBit{port, lsb}, walk.value());
    }
    for (auto walk = m_partMap->portPinGroupMaps(); walk.isValid(); ++walk) {
        IWJPort* port = walk.key()->port(&lsb, &msb);
        for (auto pin = walk.value()->pins(); pin.isValid(); ++pin)
            visit(PortBit{port, lsb}, pin.value());
    }
}

bool PinEdits::mapped(PortBit what) const
{
    bool found = false;
    forEachPortPin([&](PortBit on, IWJFootPrintPin*) {
        found = found || (on.port == what.port && (what.bit == -1 || on.bit == what.bit));
    });
    return found;
}

EditOutcome PinEdits::map(PortBit what, const std::vector<IWJFootPrintPin*>& pins, bool force)
{
    EditOutcome outcome;
    outcome.refusal = bitProblem(what.port, what.bit);
    const int lsb = what.port->lsb();
    const int msb = what.port->msb();
    if (outcome.refusal.empty() && what.bit == -1 && pins.size() == 1 && lsb != msb && lsb != -1 && msb != -1)
        outcome.refusal = "port " + portName(what) + " has bits " + modeltext::range(lsb, msb) +
                          ": map each bit, or the whole port on as many pins";
    for (auto pin = pins.begin(); outcome.refusal.empty() && pin != pins.end(); ++pin) {
        if (std::find(pins.begin(), pin, *pin) != pin)
            outcome.refusal = "pin " + std::string((*pin)->name()) + " is given twice";
    }
    // One walk over the mappings, naming only what carries the pins given:
    // naming and sorting every mapping made each call cost many times more.
    std::vector<IWJFootPrintPin*> before;
    std::vector<std::pair<IWJFootPrintPin*, std::string>> others;
    forEachPortPin([&](PortBit on, IWJFootPrintPin* pin) {
        if (on.port == what.port && on.bit == what.bit)
            before.push_back(pin);
        if (contains(pins, pin) && shorts(on, what))
            others.emplace_back(pin, portName(on));
    });
    // By the name of what carries the pin, then in the order the pins were given.
    const auto place = [&pins](IWJFootPrintPin* pin) {
        return std::find(pins.begin(), pins.end(), pin) - pins.begin();
    };
    std::stable_sort(others.begin(), others.end(), [&place](const auto& a, const auto& b) {
        return std::make_pair(a.second, place(a.first)) < std::make_pair(b.second, place(b.first));
    });
    if (outcome.refusal.empty() && !others.empty() && !force) {
        outcome.refusal = "pin " + std::string(others.front().first->name()) + " is mapped to " + others.front().second;
        outcome.occupied = true;
    }
    if (!outcome.refusal.empty() || before == pins)
        return outcome;
    if (pins.size() == 1)
        m_partMap->mapPortToPin(what.port, pins.front(), what.bit);
    else
        m_partMap->mapPortToPinNames(what.port, pinNames(pins), what.bit);
    std::string change = "mapped " + portName(what) + " to " + pinList(pins);
    if (!before.empty())
        change += " (was " + pinList(before) + ")";
    for (const auto& other : others)
        change += ", beside " + other.second + " on pin " + other.first->name();
    outcome.changes.push_back(change);
    return outcome;
}

EditOutcome PinEdits::unmap(PortBit what)
{
    EditOutcome outcome;
    outcome.refusal = bitProblem(what.port, what.bit);
    if (outcome.refusal.empty() && !mapped(what))
        outcome.refusal = portName(what) + " is not mapped";
    if (!outcome.refusal.empty())
        return outcome;
    for (const Mapping& mapping : mappings()) {
        if (!mapping.group && mapping.port.port == what.port && (what.bit == -1 || mapping.port.bit == what.bit))
            outcome.changes.push_back("unmapped " + name(mapping) + " from " + pinList(mapping.pins));
    }
    m_partMap->unmapPort(what.port, what.bit);
    return outcome;
}

EditOutcome PinEdits::unmapPin(IWJFootPrintPin* pin)
{
    EditOutcome outcome = rewritePins([pin](IWJFootPrintPin* each) { return each == pin ? nullptr : each; });
    if (outcome.changes.empty())
        outcome.refusal = "nothing is mapped to pin " + std::string(pin->name());
    return outcome;
}

EditOutcome PinEdits::swap(IWJFootPrintPin* first, IWJFootPrintPin* second)
{
    EditOutcome outcome;
    if (first == second)
        outcome.refusal = "pin " + std::string(first->name()) + " is given twice";
    else
        outcome = rewritePins([first, second](IWJFootPrintPin* each) {
            return each == first ? second : each == second ? first : each;
        });
    if (outcome.done() && outcome.changes.empty())
        outcome.refusal = "nothing is mapped to pin " + std::string(first->name()) + " or pin " + second->name();
    return outcome;
}

template <class Change> EditOutcome PinEdits::rewritePins(Change change)
{
    std::vector<std::pair<Mapping, Mapping>> rewrites;
    for (const Mapping& mapping : mappings()) {
        Mapping after = mapping;
        after.pins.clear();
        for (IWJFootPrintPin* pin : mapping.pins) {
            IWJFootPrintPin* moved = change(pin);
            if (moved && !contains(after.pins, moved))
                after.pins.push_back(moved);
        }
        if (!std::is_permutation(after.pins.begin(), after.pins.end(), mapping.pins.begin(), mapping.pins.end()))
            rewrites.emplace_back(mapping, after);
    }
    EditOutcome outcome;
    for (const auto& rewrite : rewrites) {
        const Mapping& after = rewrite.second;
        if (after.pins.empty()) {
            remove(rewrite.first);
            outcome.changes.push_back("unmapped " + name(after) + " from " + pinList(rewrite.first.pins));
        } else {
            apply(after);
            outcome.changes.push_back("moved " + name(after) + " from " + pinList(rewrite.first.pins) + " to " +
                                      pinList(after.pins));
        }
    }
    return outcome;
}

void PinEdits::apply(const Mapping& mapping)
{
    if (mapping.group)
        m_partMap->mapPortGroupToPinNames(mapping.group, pinNames(mapping.pins));
    else if (mapping.pinGroup)
        m_partMap->mapPortToPinNames(mapping.port.port, pinNames(mapping.pins), mapping.port.bit);
    else
        m_partMap->mapPortToPin(mapping.port.port, mapping.pins.front(), mapping.port.bit);
}

void PinEdits::remove(const Mapping& mapping)
{
    if (mapping.group) {
        m_partMap->unmapPortGroup(mapping.group);
        return;
    }
    if (mapping.port.bit != -1) {
        m_partMap->unmapPort(mapping.port.port, mapping.port.bit);
        return;
    }
    // Unmapping a whole port takes its bits' mappings too: they are put back.
    std::vector<Mapping> bits;
    for (const Mapping& other : mappings()) {
        if (!other.group && other.port.port == mapping.port.port && other.port.bit != -1)
            bits.push_back(other);
    }
    m_partMap->unmapPort(mapping.port.port, -1);
    for (const Mapping& bit : bits)
        apply(bit);
}
