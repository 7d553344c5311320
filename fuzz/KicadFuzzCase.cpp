#include "KicadFuzzCase.h"

#include "wjxmlkicad/DevicePins.h"
#include "wjxmlkicad/KicadFootprint.h"
#include "wjxmlkicad/KicadSymbolLibrary.h"
#include "wjxmlkicad/SExpression.h"

#include <cctype>
#include <fstream>
#include <map>
#include <set>

namespace {

// The items as text that parses back to them.
std::string written(const SExpression& item)
{
    if (!item.isList)
        return item.quoted ? SExpressionParser::quoted(item.atom) : item.atom;
    std::string text = "(";
    for (std::size_t i = 0; i < item.items.size(); ++i)
        text += (i ? " " : "") + written(item.items[i]);
    return text + ")";
}

// "" when error is "name:LINE...", as every failure of the readers must be.
std::string placed(const std::string& name, const std::string& error)
{
    const bool placedSo = error.compare(0, name.size() + 1, name + ":") == 0 && error.size() > name.size() + 1 &&
                          std::isdigit(static_cast<unsigned char>(error[name.size() + 1]));
    return placedSo ? "" : "an error without its place: " + error;
}

std::string checkParse(const std::string& content)
{
    SExpression root;
    std::string error;
    if (!SExpressionParser::parse("input", content, &root, &error))
        return placed("input", error);
    const std::string text = written(root);
    SExpression again;
    if (!SExpressionParser::parse("again", text, &again, &error))
        return "the items written do not parse: " + error;
    return written(again) == text ? "" : "the items written parse to others: " + text;
}

std::string checkPins(const DevicePins& pins)
{
    std::map<std::string, const DevicePin*> numbers;
    for (const DevicePin& pin : pins.pins) {
        if (pin.number.empty() || !numbers.emplace(pin.number, &pin).second)
            return "pin number \"" + pin.number + "\" is empty or listed twice";
    }
    for (const DevicePin& pin : pins.pins) {
        const auto partner = numbers.find(pin.partner);
        if (!pin.partner.empty() && (partner == numbers.end() || partner->second->partner != pin.number))
            return "pin " + pin.number + " has the partner " + pin.partner + ", which does not have it";
    }
    return "";
}

bool isNumber(const std::string& text)
{
    double value = 0;
    return KicadFootprint::number(text, &value);
}

std::string checkFootprint(const std::string& path)
{
    KicadFootprint footprint;
    std::string error;
    if (!KicadFootprint::read(path, &footprint, &error))
        return placed(path, error);
    if ((!footprint.width.empty() && !isNumber(footprint.width)) ||
        (!footprint.length.empty() && !isNumber(footprint.length)))
        return "an outline that is no number: " + footprint.width + " by " + footprint.length;
    std::set<std::string> names;
    for (const FootprintPad& pad : footprint.pads) {
        const std::size_t comma = pad.location.find(',');
        if (pad.name.empty() || !names.insert(pad.name).second)
            return "pad name \"" + pad.name + "\" is empty or given twice";
        if (comma == std::string::npos || !isNumber(pad.location.substr(0, comma)) ||
            !isNumber(pad.location.substr(comma + 1)))
            return "pad " + pad.name + " is at \"" + pad.location + "\"";
    }
    return "";
}

std::string checkSymbols(const std::string& path)
{
    KicadSymbolLibrary library;
    std::string error;
    if (!library.read(path, &error))
        return placed(path, error);
    for (const std::string& name : library.symbolNames()) {
        DevicePins pins;
        if (!library.pins(name, &pins, &error)) {
            if (!placed(path, error).empty())
                return placed(path, error);
        } else if (!checkPins(pins).empty()) {
            return name + ": " + checkPins(pins);
        }
    }
    return "";
}

std::string checkCsv(const std::string& content)
{
    DevicePins pins;
    std::string error;
    return DevicePins::readCsv("input.csv", content, &pins, &error) ? checkPins(pins) : placed("input.csv", error);
}

} // namespace

KicadFuzzCase::KicadFuzzCase(std::string folder, std::string name) : m_path(folder + '/' + name + ".kicad") {}

std::string KicadFuzzCase::run(const std::string& content) const
{
    {
        std::ofstream file(m_path, std::ios::binary | std::ios::trunc);
        file << content;
        if (!file.flush())
            return "the input could not be written to " + m_path;
    }
    for (const std::string& problem :
         {checkParse(content), checkFootprint(m_path), checkSymbols(m_path), checkCsv(content)}) {
        if (!problem.empty())
            return problem;
    }
    return "";
}
