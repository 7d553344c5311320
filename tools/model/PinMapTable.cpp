#include "model/PinMapTable.h"

#include "model/ModelText.h"
#include "model/PinFacts.h"
#include "model/PortGroupIndex.h"
#include "text/NaturalOrder.h"
#include "wjxmlinterchange/PinConstraints.h"

#include "wjxmlinterchange/IoStandards.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

// Compares two texts in natural order: -1, 0 or 1.
int compare(const std::string& a, const std::string& b)
{
    return NaturalOrder::before(a, b) ? -1 : (NaturalOrder::before(b, a) ? 1 : 0);
}

bool rowBefore(const PinMapRow& a, const PinMapRow& b, PinMapTable::Order order)
{
    if (int byRefdes = compare(a.refdes, b.refdes))
        return byRefdes < 0;
    if (order == PinMapTable::Order::Pin) {
        if (int byPin = compare(a.pin, b.pin))
            return byPin < 0;
    }
    const bool aIsGroup = a.port.empty();
    const bool bIsGroup = b.port.empty();
    if (aIsGroup != bIsGroup)
        return bIsGroup;
    for (const auto& [first, second] : {std::make_pair(&a.port, &b.port), std::make_pair(&a.group, &b.group)}) {
        if (int byName = compare(*first, *second))
            return byName < 0;
    }
    if (a.bit != b.bit)
        return a.bit < b.bit;
    return compare(a.pin, b.pin) < 0;
}

} // namespace

PinMapTable::PinMapTable(IWJInterfaceView* design, const std::string& onlyRefdes, bool allPins, Order order)
{
    for (auto footprints = design->footprints(); footprints.isValid(); ++footprints) {
        for (auto pins = footprints.value()->pins(); pins.isValid(); ++pins)
            m_pinIds.emplace(pins.value(), pins.key());
    }
    int index = 0;
    for (auto partMaps = design->partMaps(); partMaps.isValid(); ++partMaps, ++index) {
        IWJCompInst* instance = partMaps.value()->compInst();
        if (instance && (onlyRefdes.empty() || sameRefdes(onlyRefdes, instance->refdes())))
            addPartMap(partMaps.value(), index, allPins);
    }
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [order](const PinMapRow& a, const PinMapRow& b) { return rowBefore(a, b, order); });
}

const std::vector<std::string>& PinMapTable::columns()
{
    static const std::vector<std::string> names{"refdes",   "port",       "port_name", "type",      "bit",   "pin",
                                                "pin_id",   "location",   "padstack",  "mapping",   "group", "pair",
                                                "polarity", "port_group", "voltage",   "iostandard"};
    return names;
}

std::vector<std::string> PinMapTable::cells(const PinMapRow& row)
{
    return {row.refdes,    row.port,  row.portName, row.type,      row.bit == -1 ? "" : std::to_string(row.bit),
            row.pin,       row.pinId, row.location, row.padstack,  row.mapping,
            row.group,     row.pair,  row.polarity, row.portGroup, row.voltage,
            row.ioStandard};
}

bool PinMapTable::sameRefdes(const std::string& a, const std::string& b)
{
    return PinConstraints::refdesKey(a) == PinConstraints::refdesKey(b);
}

void PinMapTable::eachPartMap(IWJInterfaceView* design,
                              const std::function<void(IWJPartMap*, const std::vector<const PinMapRow*>&)>& visit) const
{
    std::map<int, std::vector<const PinMapRow*>> rowsByPartMap;
    for (const PinMapRow& row : m_rows)
        rowsByPartMap[row.partMap].push_back(&row);
    int index = 0;
    for (auto partMaps = design->partMaps(); partMaps.isValid(); ++partMaps, ++index) {
        IWJPartMap* partMap = partMaps.value();
        if (partMap->compInst() && partMap->footprint())
            visit(partMap, rowsByPartMap[index]);
    }
}

IWJPartMap* PinMapTable::partMapAt(IWJInterfaceView* design, int number)
{
    auto partMaps = design->partMaps();
    for (int index = 0; partMaps.isValid() && index < number; ++index)
        ++partMaps;
    return partMaps.isValid() ? partMaps.value() : nullptr;
}

void PinMapTable::addPartMap(IWJPartMap* partMap, int index, bool allPins)
{
    IWJCompInst* instance = partMap->compInst();
    const PortGroupIndex groups(instance);
    const std::map<std::string, pinfacts::PairMember> pairs = pinfacts::pairMembers(instance);
    const IoStandards standards(instance);
    const std::size_t firstRow = m_rows.size();
    PinMapRow mapping{instance->refdes(), "", "", "", -1, "", "", "", "", "", "", "", "", "", "", "", index};
    const auto describePort = [&](IWJPort* port) {
        mapping.port = port ? port->fullName() : "";
        mapping.portName = port && modeltext::localName(port) != port->name() ? port->name() : "";
        mapping.type = port ? modeltext::portType(port->type()) : "";
        const auto pair = pairs.find(mapping.port);
        mapping.pair = pair == pairs.end() ? "" : pair->second.pair;
        mapping.polarity = pair == pairs.end() ? "" : pair->second.polarity;
        mapping.portGroup = port ? groups.groupOf(mapping.port, mapping.bit) : "";
        mapping.voltage = groups.voltageOf(mapping.portGroup);
        mapping.ioStandard = port ? standards.of(port, mapping.bit) : "";
    };
    for (auto maps = partMap->portPinMaps(); maps.isValid(); ++maps) {
        describePort(maps.key()->port(&mapping.bit, nullptr));
        mapping.mapping = "pin";
        addPin(mapping, maps.value());
    }
    for (auto maps = partMap->portPinGroupMaps(); maps.isValid(); ++maps) {
        describePort(maps.key()->port(&mapping.bit, nullptr));
        mapping.mapping = "pin-group";
        addPins(mapping, maps.value());
    }
    mapping.bit = -1;
    describePort(nullptr);
    mapping.mapping = "group";
    for (auto maps = partMap->portGroupPinGroupMaps(); maps.isValid(); ++maps) {
        mapping.group = maps.key()->fullName();
        mapping.voltage = maps.key()->voltage();
        addPins(mapping, maps.value());
    }
    if (!allPins || !partMap->footprint())
        return;
    std::set<std::string> mapped;
    for (std::size_t i = firstRow; i < m_rows.size(); ++i)
        mapped.insert(m_rows[i].pinId);
    mapping.mapping.clear();
    mapping.group.clear();
    mapping.voltage.clear();
    for (auto pins = partMap->footprint()->pins(); pins.isValid(); ++pins) {
        if (!mapped.count(pins.key()))
            addPin(mapping, pins.value());
    }
}

void PinMapTable::addPins(const PinMapRow& mapping, IWJFootPrintPinGroup* pins)
{
    for (auto walk = pins->pins(); walk.isValid(); ++walk)
        addPin(mapping, walk.value());
}

void PinMapTable::addPin(PinMapRow row, IWJFootPrintPin* pin)
{
    row.pin = pin->name();
    const auto id = m_pinIds.find(pin);
    row.pinId = id == m_pinIds.end() ? "" : id->second;
    row.location = pin->location();
    row.padstack = pin->padstack();
    m_rows.push_back(row);
}
