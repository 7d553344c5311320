#include "kicadio/KicadSymbolWriter.h"

#include "model/PinMapTable.h"
#include "wjxmlkicad/KicadFootprint.h"
#include "wjxmlkicad/SExpression.h"

#include "wjxmlinterfaceflowreader.h"

#include <sstream>
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
    return row.type == "power" || row.type == "ground" ? "power_in" : "passive";
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

} // namespace

bool KicadSymbolWriter::write(IWJInterfaceView* design, const std::string& refdes, std::string* result,
                              std::string* error)
{
    const PinMapTable table(design, refdes, true);
    if (table.rows().empty() || !table.rows()[0].partMap->footprint()) {
        *error = "no instance " + refdes + " with a part map and footprint";
        return false;
    }
    IWJPartMap* partMap = table.rows()[0].partMap;
    const std::string cell = partMap->compInst()->cellName();
    // The pins by port (or group), each pin once, as the table orders them.
    std::vector<std::vector<SymbolPin>> ports;
    std::string lastPort = "\n";
    std::unordered_set<std::string> written;
    for (const PinMapRow& row : table.rows()) {
        if (!written.insert(row.pinId).second)
            continue;
        const std::string owner = row.port.empty() ? row.group : row.port;
        if (ports.empty() || owner != lastPort)
            ports.emplace_back();
        lastPort = owner;
        std::string name = owner.empty() ? row.pin : localName(owner, cell);
        if (row.bit != -1)
            name += "[" + std::to_string(row.bit) + "]";
        ports.back().push_back({row.pin, name, electricalType(row)});
    }
    std::vector<std::vector<SymbolPin>> units(1);
    for (const std::vector<SymbolPin>& port : ports) {
        for (const SymbolPin& pin : port) {
            if (units.back().size() == kUnitPins ||
                (&pin == &port.front() && !units.back().empty() &&
                 units.back().size() + port.size() > static_cast<std::size_t>(kUnitPins)))
                units.emplace_back();
            units.back().push_back(pin);
        }
    }
    std::ostringstream out;
    out << "(kicad_symbol_lib (version 20220914) (generator ifx)\n"
        << "  (symbol " << SExpressionParser::quoted(cell) << " (in_bom yes) (on_board yes)\n";
    const std::pair<const char*, std::string> properties[] = {
        {"Reference", "U"}, {"Value", cell}, {"Footprint", partMap->footprint()->name()}, {"Datasheet", ""}};
    for (const auto& property : properties)
        out << "    (property " << SExpressionParser::quoted(property.first) << " "
            << SExpressionParser::quoted(property.second) << " (at 0 0 0) (effects (font (size 1.27 1.27))"
            << (property.first[0] == 'R' || property.first[0] == 'V' ? "" : " hide") << "))\n";
    for (std::size_t unit = 0; unit < units.size(); ++unit)
        writeUnit(out, cell, static_cast<int>(unit + 1), units[unit]);
    out << "  )\n)\n";
    *result = out.str();
    return true;
}
