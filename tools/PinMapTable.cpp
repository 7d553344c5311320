#include "PinMapTable.h"

#include <algorithm>
#include <tuple>

PinMapTable::PinMapTable(IWJInterfaceView* design, const std::string& onlyRefdes) : m_ids(design)
{
    for (auto partMaps = design->partMaps(); partMaps.isValid(); ++partMaps) {
        IWJCompInst* instance = partMaps.value()->compInst();
        if (instance && (onlyRefdes.empty() || onlyRefdes == instance->refdes()))
            addPartMap(partMaps.value());
    }
    std::sort(m_rows.begin(), m_rows.end(), [](const PinMapRow& a, const PinMapRow& b) {
        const bool aIsGroup = a.port.empty();
        const bool bIsGroup = b.port.empty();
        return std::tie(a.refdes, aIsGroup, a.port, a.bit, a.group, a.pin) <
               std::tie(b.refdes, bIsGroup, b.port, b.bit, b.group, b.pin);
    });
}

const std::vector<std::string>& PinMapTable::columns()
{
    static const std::vector<std::string> names{"refdes",   "port",     "bit",     "pin",  "pin_id",
                                                "location", "padstack", "mapping", "group"};
    return names;
}

std::vector<std::string> PinMapTable::cells(const PinMapRow& row)
{
    return {row.refdes,   row.port,    row.bit == -1 ? "" : std::to_string(row.bit),
            row.pin,      row.pinId,   row.location,
            row.padstack, row.mapping, row.group};
}

void PinMapTable::addPartMap(IWJPartMap* partMap)
{
    PinMapRow mapping{partMap->compInst()->refdes(), "", -1, "", "", "", "", "", ""};
    for (auto maps = partMap->portPinMaps(); maps.isValid(); ++maps) {
        IWJPort* port = maps.key()->port(&mapping.bit, nullptr);
        mapping.port = port ? port->fullName() : "";
        mapping.mapping = "pin";
        addPin(mapping, maps.value());
    }
    for (auto maps = partMap->portPinGroupMaps(); maps.isValid(); ++maps) {
        IWJPort* port = maps.key()->port(&mapping.bit, nullptr);
        mapping.port = port ? port->fullName() : "";
        mapping.mapping = "pin-group";
        addPins(mapping, maps.value());
    }
    mapping.port.clear();
    mapping.bit = -1;
    mapping.mapping = "group";
    for (auto maps = partMap->portGroupPinGroupMaps(); maps.isValid(); ++maps) {
        mapping.group = maps.key()->fullName();
        addPins(mapping, maps.value());
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
    row.pinId = m_ids.of(pin);
    row.location = pin->location();
    row.padstack = pin->padstack();
    m_rows.push_back(row);
}
