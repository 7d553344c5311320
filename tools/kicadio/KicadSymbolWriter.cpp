#include "kicadio/KicadSymbolWriter.h"

#include "model/PinFacts.h"
#include "model/PinMapTable.h"
#include "text/NaturalOrder.h"
#include "wjxmlkicad/DevicePins.h"
#include "wjxmlkicad/KicadFootprint.h"
#include "wjxmlkicad/SExpression.h"

#include "wjxmlinterfaceflowreader.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

namespace {

struct SymbolPin {
    std::string number;
    std::string name;
    std::string type;
};

// The port or group name without the cell's name before it.
std::string localName(const std::string& fullName, const std::string& cell)
{
    return fullName.compare(0, cell.size() + 1, cell + ".") == 0 ? fullName.substr(cell.size() + 1) : fullName;
}

std::string electricalType(const PinMapRow& row)
{
    if (row.mapping.empty())
        return "no_connect";
    if (row.type == "input" || row.type == "output")
        return row.type;
    if (row.type == "inout")
        return "bidirectional";
    return PinFacts::isSupply(row.type) ? "power_in" : "passive";
}

std::string at(double x, double y, int angle)
{
    return "(at " + KicadFootprint::millimetres(x) + " " + KicadFootprint::millimetres(y) + " " +
           std::to_string(angle) + ")";
}

std::string text(const char* kind, const std::string& value)
{
    return std::string("(") + kind + " " + SExpressionParser::quoted(value) + " (effects (font (size 1.27 1.27))))";
}

void writeUnit(std::ostream& out, const std::string& symbol, int unit, const std::vector<SymbolPin>& pins)
{
    constexpr double kPitch = 2.54;
    constexpr double kHalfWidth = 15.24;
    const int rows = static_cast<int>(pins.size() + 1) / 2;
    const double top = kPitch * ((rows - 1) / 2);
    out << "    (symbol " << SExpressionParser::quoted(symbol + "_" + std::to_string(unit) + "_1") << "\n"
        << "      (rectangle (start " << KicadFootprint::millimetres(-kHalfWidth) << " "
        << KicadFootprint::millimetres(top + kPitch) << ") (end " << KicadFootprint::millimetres(kHalfWidth) << " "
        << KicadFootprint::millimetres(top - rows * kPitch)
        << ") (stroke (width 0.254) (type default)) (fill (type background)))\n";
    for (std::size_t i = 0; i < pins.size(); ++i) {
        const bool left = static_cast<int>(i) < rows;
        const double y = top - kPitch * static_cast<double>(left ? i : i - static_cast<std::size_t>(rows));
        out << "      (pin " << pins[i].type << " line "
            << at(left ? -kHalfWidth - kPitch : kHalfWidth + kPitch, y, left ? 0 : 180) << " (length 2.54)\n"
            << "        " << text("name", pins[i].name) << "\n"
            << "        " << text("number", pins[i].number) << ")\n";
    }
    out << "    )\n";
}

// The pins in groups, each pin once: port by port (or group), as the table
// orders them; with a package, bank by bank in natural order, each bank's
// pins in natural order.
std::vector<std::vector<SymbolPin>> pinGroups(const PinMapTable& table, const std::string& cell,
                                              const DevicePins* package)
{
    const std::unordered_map<std::string, const DevicePin*> balls =
        package ? package->byNumber() : std::unordered_map<std::string, const DevicePin*>();
    std::map<std::string, std::vector<SymbolPin>, bool (*)(const std::string&, const std::string&)> banks(
        NaturalOrder::before);
    std::vector<std::vector<SymbolPin>> groups;
    std::string lastOwner = "\n";
    std::unordered_set<std::string> written;
    for (const PinMapRow& row : table.rows()) {
        if (!written.insert(row.pinId).second)
            continue;
        const std::string owner = row.port.empty() ? row.group : row.port;
        const auto found = balls.find(DevicePins::numberKey(row.pin));
        const DevicePin* ball = found == balls.end() ? nullptr : found->second;
        SymbolPin pin{row.pin, owner.empty() ? (ball ? ball->name : row.pin) : localName(owner, cell),
                      electricalType(row)};
        if (row.bit != -1)
            pin.name += "[" + std::to_string(row.bit) + "]";
        if (owner.empty() && ball && !DevicePins::isUserIo(*ball) && !ball->type.empty())
            pin.type = ball->type;
        if (package) {
            banks[ball ? ball->bank : ""].push_back(pin);
            continue;
        }
        if (groups.empty() || owner != lastOwner)
            groups.emplace_back();
        lastOwner = owner;
        groups.back().push_back(pin);
    }
    for (auto& bank : banks) {
        std::sort(bank.second.begin(), bank.second.end(),
                  [](const SymbolPin& a, const SymbolPin& b) { return NaturalOrder::before(a.number, b.number); });
        groups.push_back(std::move(bank.second));
    }
    return groups;
}

// The units: one for all pins when they are few or, with a package, one per
// bank; else groups packed into units of at most kUnitPins.
std::vector<std::vector<SymbolPin>> units(const std::vector<std::vector<SymbolPin>>& groups, bool byBank)
{
    constexpr std::size_t kUnitPins = KicadSymbolWriter::kUnitPins;
    std::size_t pins = 0;
    for (const std::vector<SymbolPin>& group : groups)
        pins += group.size();
    if (byBank && pins > kUnitPins)
        return groups;
    std::vector<std::vector<SymbolPin>> packed(1);
    for (const std::vector<SymbolPin>& group : groups) {
        for (const SymbolPin& pin : group) {
            if (packed.back().size() == kUnitPins ||
                (&pin == &group.front() && !packed.back().empty() && packed.back().size() + group.size() > kUnitPins))
                packed.emplace_back();
            packed.back().push_back(pin);
        }
    }
    return packed;
}

} // namespace

bool KicadSymbolWriter::write(IWJInterfaceView* design, const std::string& refdes, const DevicePins* package,
                              std::string* result, std::string* error)
{
    const PinMapTable table(design, refdes, true);
    IWJPartMap* partMap = table.rows().empty() ? nullptr : PinMapTable::partMapAt(design, table.rows()[0].partMap);
    if (!partMap || !partMap->footprint()) {
        *error = "no instance " + refdes + " with a part map and footprint";
        return false;
    }
    const std::string cell = partMap->compInst()->cellName();
    const std::vector<std::vector<SymbolPin>> symbolUnits = units(pinGroups(table, cell, package), package);
    std::ostringstream out;
    out << "(kicad_symbol_lib (version 20220914) (generator ifx)\n"
        << "  (symbol " << SExpressionParser::quoted(cell) << " (in_bom yes) (on_board yes)\n";
    const std::pair<const char*, std::string> properties[] = {
        {"Reference", "U"}, {"Value", cell}, {"Footprint", partMap->footprint()->name()}, {"Datasheet", ""}};
    for (std::size_t id = 0; id < std::size(properties); ++id)
        out << "    (property " << SExpressionParser::quoted(properties[id].first) << " "
            << SExpressionParser::quoted(properties[id].second) << " (id " << id
            << ") (at 0 0 0) (effects (font (size 1.27 1.27))" << (id < 2 ? "" : " hide") << "))\n";
    for (std::size_t unit = 0; unit < symbolUnits.size(); ++unit)
        writeUnit(out, cell, static_cast<int>(unit + 1), symbolUnits[unit]);
    out << "  )\n)\n";
    *result = out.str();
    return true;
}
