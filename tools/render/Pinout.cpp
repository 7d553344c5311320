#include "render/Pinout.h"

#include "wjxmlinterchange/IoStandards.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
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
    PinFacts::each(design, "", [this](const PinFacts& facts) { addPartMap(facts); });
}

void Pinout::addPartMap(const PinFacts& facts)
{
    IWJFootPrint* footprint = facts.partMap()->footprint();
    if (!footprint)
        return;
    std::vector<std::string> names;
    std::vector<std::string> locations;
    for (const PinFacts::Pin& pin : facts.pins()) {
        names.push_back(pin.pin->name());
        locations.push_back(pin.pin->location());
    }
    const PinPlacement placement(names, locations, footprint->name());
    const bool outline = placement.method() == PinPlacement::Method::Outline;
    PinoutMap map{facts.instance()->refdes(),
                  footprint->name(),
                  placement.method(),
                  {},
                  outline ? placement.outlineWidth() : numberOr0(footprint->width()),
                  outline ? placement.outlineLength() : numberOr0(footprint->length()),
                  footprint->rotation(),
                  "",
                  {}};
    // Full names start with the cell's name and a dot.
    const std::size_t cellPrefix = std::string(facts.instance()->cellName()).size() + 1;
    for (std::size_t i = 0; i < names.size(); ++i)
        map.pins.push_back(describe(facts.pins()[i], placement.points()[i], map.refdes, cellPrefix));
    for (const std::size_t i : placement.unreadable())
        map.notes.push_back("location of pin " + names[i] + ": \"" + locations[i] + "\" cannot be read");
    m_maps.push_back(std::move(map));
}

PinoutPin Pinout::describe(const PinFacts::Pin& pin, const PinPoint& at, const std::string& refdes,
                           std::size_t cellPrefix)
{
    const std::string name = pin.pin->name();
    PinoutPin drawn{name, pin.id, at, fillOf(pin.uses), pin.isShort, {}, "", "", name, ""};
    drawn.details.push_back("pin " + name + " (id " + pin.id + ")");
    const std::string location = pin.pin->location();
    const std::string padstack = pin.pin->padstack();
    if (!location.empty() || !padstack.empty())
        drawn.details.push_back("location " + (location.empty() ? "none" : location) + ", padstack " +
                                (padstack.empty() ? "none" : padstack));
    std::size_t portBits = 0;
    for (const PinFacts::Use* use : pin.uses) {
        if (!use->port) {
            drawn.details.push_back("mapped with group " + use->groupName);
            drawn.searchText += '|' + use->groupName;
            if (drawn.label.empty())
                drawn.label = use->groupName.substr(use->groupName.rfind('.') + 1);
            continue;
        }
        const std::string local = use->portName.substr(cellPrefix);
        if (drawn.label.empty())
            drawn.label = bitName(local, use->bit);
        if (!use->pair.empty()) {
            const std::string pairLocal = use->pair.substr(cellPrefix);
            drawn.searchText += '|' + use->pair + '|' + refdes + '.' + pairLocal;
        }
        drawn.searchText += '|' + refdes + '.' + bitName(local, use->bit);
        ++portBits;
        const std::string bit = bitName(use->portName, use->bit);
        drawn.details.push_back(bit + ": " + (use->type.empty() ? "no type" : use->type) +
                                (use->portGroup.empty() ? "" : ", group " + use->portGroup));
        drawn.searchText += '|' + bit + (use->portGroup.empty() ? "" : '|' + use->portGroup);
    }
    if (pin.uses.empty())
        drawn.details.push_back("unmapped");
    if (pin.isShort)
        drawn.details.push_back("short: mapped to " + std::to_string(portBits) + " different port bits");
    return drawn;
}

std::string Pinout::fillOf(const std::vector<const PinFacts::Use*>& uses)
{
    if (uses.empty())
        return "unmapped";
    for (const PinFacts::Use* use : uses) {
        if (!use->port)
            continue;
        if (use->type == "power")
            return "power";
        if (use->type == "ground")
            return "ground";
        if (!use->portGroup.empty())
            return "g" + std::to_string(groupNumber(use->portGroup));
        if (m_byPort)
            return "g" + std::to_string(groupNumber(use->pair.empty() ? busName(use->portName) : use->pair));
        break;
    }
    // A pin mapped with a group and with a group inside it takes the inner
    // one, whose full name has more parts.
    const PinFacts::Use* innermost = nullptr;
    for (const PinFacts::Use* use : uses) {
        const auto parts = [](const PinFacts::Use& of) {
            return std::count(of.groupName.begin(), of.groupName.end(), '.');
        };
        if (!use->port && (!innermost || parts(*use) > parts(*innermost)))
            innermost = use;
    }
    return innermost ? "g" + std::to_string(groupNumber(innermost->groupName)) : "ungrouped";
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
