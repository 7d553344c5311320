#include "model/PinMapTable.h"

#include "model/ModelText.h"
#include "model/PinFacts.h"
#include "text/NaturalOrder.h"

#include <algorithm>

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
    PinFacts::each(design, onlyRefdes, [this, allPins](const PinFacts& facts) { addPartMap(facts, allPins); });
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

IWJPartMap* PinMapTable::partMapAt(IWJInterfaceView* design, int number)
{
    auto partMaps = design->partMaps();
    for (int index = 0; partMaps.isValid() && index < number; ++index)
        ++partMaps;
    return partMaps.isValid() ? partMaps.value() : nullptr;
}

void PinMapTable::addPartMap(const PinFacts& facts, bool allPins)
{
    const std::string refdes = facts.instance()->refdes();
    const auto pinRow = [&refdes, &facts](const PinFacts::Pin& pin) {
        return PinMapRow{
            refdes, "", "", "", -1, pin.pin->name(), pin.id, pin.pin->location(), pin.pin->padstack(), "", "",
            "",     "", "", "", "", facts.index()};
    };
    for (const PinFacts::Use& use : facts.uses()) {
        PinMapRow row = pinRow(facts.pins()[use.pin]);
        row.port = use.portName;
        row.portName = use.port && modeltext::localName(use.port) != use.port->name() ? use.port->name() : "";
        row.type = use.type;
        row.bit = use.bit;
        row.mapping = PinFacts::word(use.mapping);
        row.group = use.groupName;
        row.pair = use.pair;
        row.polarity = use.polarity;
        row.portGroup = use.portGroup;
        row.voltage = use.voltage;
        row.ioStandard = use.ioStandard;
        m_rows.push_back(std::move(row));
    }
    for (const PinFacts::Pin& pin : facts.pins()) {
        if (allPins && pin.uses.empty())
            m_rows.push_back(pinRow(pin));
    }
}
