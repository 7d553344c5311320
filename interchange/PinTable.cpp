#include "PinTable.h"

#include "PortBitName.h"
#include "TextRules.h"

#include "wjxmlinterchange/IoStandards.h"
#include "wjxmlinterchange/PinConstraints.h"
#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <tuple>

bool PinTable::collect(IWJInterfaceView* design, const std::string& refdes)
{
    IWJCompInst* instance = PinConstraints::findInstance(design, refdes);
    if (!instance)
        return false;
    m_design = design->designName();
    m_refdes = instance->refdes();
    m_cell = instance->cellName();
    IWJPartMap* partMap = design->findPartMap(instance);
    if (!partMap)
        return true;
    const IoStandards standards(instance);
    for (auto maps = partMap->portPinMaps(); maps.isValid(); ++maps) {
        PinTableEntry entry;
        IWJPort* port = maps.key()->port(&entry.bit, nullptr);
        if (!port)
            continue;
        entry.port = PortBitName::localName(port);
        entry.pin = maps.value()->name();
        entry.type = TextRules::portTypeWord(port->type());
        entry.ioStandard = standards.of(port, entry.bit);
        m_entries.push_back(entry);
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const PinTableEntry& a, const PinTableEntry& b) {
        return std::tie(a.port, a.bit) < std::tie(b.port, b.bit);
    });
    for (auto maps = partMap->portPinGroupMaps(); maps.isValid(); ++maps) {
        int bit = -1;
        IWJPort* port = maps.key()->port(&bit, nullptr);
        if (port)
            addGroup("pin-group", PortBitName::format(port->fullName(), bit), maps.value());
    }
    for (auto maps = partMap->portGroupPinGroupMaps(); maps.isValid(); ++maps)
        addGroup("group", maps.key()->fullName(), maps.value());
    std::sort(m_groups.begin(), m_groups.end(), [](const PinTableGroup& a, const PinTableGroup& b) {
        // The ports' pin-group mappings first, then the groups'.
        return a.kind != b.kind ? a.kind > b.kind : a.name < b.name;
    });
    return true;
}

void PinTable::addGroup(const char* kind, const std::string& name, IWJFootPrintPinGroup* pins)
{
    PinTableGroup group{kind, name, {}};
    for (auto walk = pins->pins(); walk.isValid(); ++walk)
        group.pins.push_back(walk.value()->name());
    m_groups.push_back(group);
}

void PinTable::setDefaultStandard(const std::string& standard)
{
    for (PinTableEntry& entry : m_entries) {
        if (entry.ioStandard.empty())
            entry.ioStandard = standard;
    }
}
