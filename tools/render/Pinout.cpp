#include "render/Pinout.h"

#include "model/PinFacts.h"
#include "model/PinMapTable.h"

#include "wjxmlinterchange/IoStandards.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

namespace {

double numberOr0(const char* text)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    return end != text && *end == '\0' && std::isfinite(value) && value > 0 && value < 1e9 ? value : 0;
}

// A port's name without a bit written into it ("[3]", "<3>", "_3" at its
// end), so that the one-bit ports of a bus get its colour.
std::string busName(const std::string& port)
{
    std::size_t end = port.size();
    const char close = end > 0 && (port.back() == ']' || port.back() == '>') ? port.back() : '\0';
    end -= close ? 1 : 0;
    const std::size_t open = end > 0 ? port.find_last_not_of("0123456789", end - 1) : std::string::npos;
    if (open == std::string::npos || open == 0 || open + 1 == end)
        return port;
    const char expected = close == ']' ? '[' : (close == '>' ? '<' : '_');
    return port[open] == expected ? port.substr(0, open) : port;
}

// Whether any instance has a bus interface other than its IO standards,
// which colour no pins.
bool hasGroups(IWJInterfaceView* design)
{
    for (auto instances = design->compInsts(); instances.isValid(); ++instances) {
        for (auto buses = instances.value()->busInterfaces(); buses.isValid(); ++buses) {
            if (!IoStandards::holdsStandards(buses.value()))
                return true;
        }
    }
    return false;
}

std::string bitName(const std::string& port, int bit)
{
    return bit == -1 ? port : port + '<' + std::to_string(bit) + '>';
}

} // namespace

Pinout::Pinout(IWJInterfaceView* design) : m_designName(design->designName()), m_byPort(!hasGroups(design))
{
    PinMapTable(design, "").eachPartMap(design, [this](IWJPartMap* partMap, const std::vector<const PinMapRow*>& rows) {
        addPartMap(partMap, rows);
    });
}

void Pinout::addPartMap(IWJPartMap* partMap, const std::vector<const PinMapRow*>& rows)
{
    IWJCompInst* instance = partMap->compInst();
    IWJFootPrint* footprint = partMap->footprint();
    std::vector<std::pair<std::string, IWJFootPrintPin*>> pins;
    std::vector<std::string> names;
    std::vector<std::string> locations;
    std::map<std::string, std::size_t> pinIndex;
    for (auto walk = footprint->pins(); walk.isValid(); ++walk) {
        pinIndex[walk.key()] = pins.size();
        pins.emplace_back(walk.key(), walk.value());
        names.push_back(walk.value()->name());
        locations.push_back(walk.value()->location());
    }

    const std::size_t cellPrefix = std::string(instance->cellName()).size() + 1;
    std::vector<std::vector<Use>> uses(pins.size());
    for (const PinMapRow* row : rows) {
        const auto pin = pinIndex.find(row->pinId);
        if (pin == pinIndex.end())
            continue;
        if (row->port.empty())
            uses[pin->second].push_back({"", "", -1, "", row->group, "", ""});
        else
            uses[pin->second].push_back({row->port, row->port.substr(cellPrefix), row->bit, row->type, row->portGroup,
                                         row->pair.empty() ? busName(row->port) : row->pair,
                                         row->pair.empty() ? "" : row->pair.substr(cellPrefix)});
    }

    const PinPlacement placement(names, locations, footprint->name());
    const bool outline = placement.method() == PinPlacement::Method::Outline;
    PinoutMap map{instance->refdes(),
                  footprint->name(),
                  placement.method(),
                  {},
                  outline ? placement.outlineWidth() : numberOr0(footprint->width()),
                  outline ? placement.outlineLength() : numberOr0(footprint->length()),
                  footprint->rotation(),
                  "",
                  {}};
    for (std::size_t i = 0; i < pins.size(); ++i)
        map.pins.push_back(describe(pins[i].second, pins[i].first, placement.points()[i], uses[i], map.refdes));
    for (const std::size_t i : placement.unreadable())
        map.notes.push_back("location of pin " + names[i] + ": \"" + locations[i] + "\" cannot be read");
    m_maps.push_back(std::move(map));
}

PinoutPin Pinout::describe(IWJFootPrintPin* pin, const std::string& id, const PinPoint& at,
                           const std::vector<Use>& uses, const std::string& refdes)
{
    PinoutPin drawn{pin->name(), id, at, fillOf(uses), false, {}, "", "", pin->name(), ""};
    drawn.details.push_back("pin " + drawn.name + " (id " + id + ")");
    const std::string location = pin->location();
    const std::string padstack = pin->padstack();
    if (!location.empty() || !padstack.empty())
        drawn.details.push_back("location " + (location.empty() ? "none" : location) + ", padstack " +
                                (padstack.empty() ? "none" : padstack));
    std::set<pinfacts::PortBit> portBits;
    for (const Use& use : uses) {
        if (use.port.empty()) {
            drawn.details.push_back("mapped with group " + use.group);
            drawn.searchText += '|' + use.group;
            if (drawn.label.empty())
                drawn.label = use.group.substr(use.group.rfind('.') + 1);
            continue;
        }
        if (drawn.label.empty())
            drawn.label = bitName(use.local, use.bit);
        if (!use.pairLocal.empty())
            drawn.searchText += '|' + use.port.substr(0, use.port.size() - use.local.size()) + use.pairLocal + '|' +
                                refdes + '.' + use.pairLocal;
        drawn.searchText += '|' + refdes + '.' + bitName(use.local, use.bit);
        portBits.insert({use.port, use.bit});
        const std::string name = bitName(use.port, use.bit);
        drawn.details.push_back(name + ": " + (use.type.empty() ? "no type" : use.type) +
                                (use.group.empty() ? "" : ", group " + use.group));
        drawn.searchText += '|' + name + (use.group.empty() ? "" : '|' + use.group);
    }
    if (uses.empty())
        drawn.details.push_back("unmapped");
    if (pinfacts::anyShort(portBits)) {
        drawn.isShort = true;
        drawn.details.push_back("short: mapped to " + std::to_string(portBits.size()) + " different port bits");
    }
    return drawn;
}

std::string Pinout::fillOf(const std::vector<Use>& uses)
{
    if (uses.empty())
        return "unmapped";
    for (const Use& use : uses) {
        if (use.port.empty())
            continue;
        if (use.type == "power")
            return "power";
        if (use.type == "ground")
            return "ground";
        if (!use.group.empty())
            return "g" + std::to_string(groupNumber(use.group));
        if (m_byPort)
            return "g" + std::to_string(groupNumber(use.family));
        break;
    }
    // A pin mapped with a group and with a group inside it takes the inner
    // one, whose full name has more parts.
    const Use* innermost = nullptr;
    for (const Use& use : uses) {
        if (use.port.empty() && (!innermost || std::count(use.group.begin(), use.group.end(), '.') >
                                                   std::count(innermost->group.begin(), innermost->group.end(), '.')))
            innermost = &use;
    }
    return innermost ? "g" + std::to_string(groupNumber(innermost->group)) : "ungrouped";
}

int Pinout::groupNumber(const std::string& group)
{
    const auto found = m_groupNumbers.find(group);
    if (found != m_groupNumbers.end())
        return found->second;
    const int number = static_cast<int>(m_groups.size());
    m_groups.push_back(group);
    m_groupNumbers[group] = number;
    return number;
}
