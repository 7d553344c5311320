#include "wjxmlkicad/DevicePins.h"

#include "CsvColumns.h"
#include "EditDistance.h"
#include "TextRules.h"
#include "wjxmlkicad/KicadSymbolLibrary.h"
#include "wjxmlkicad/SExpression.h"
#include "wjxmlkicad/TextFile.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

namespace {

bool endsWith(const std::string& text, const std::string& end)
{
    if (text.size() < end.size())
        return false;
    for (std::size_t i = 0; i < end.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])) != end[i])
            return false;
    }
    return true;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The index of the P or N of the first _L<n>P / _L<n>N mark in name, or
// npos; pair is set to "L<n>" in upper case.
std::size_t pairMark(const std::string& name, std::string* pair)
{
    for (std::size_t at = name.find('_'); at != std::string::npos; at = name.find('_', at + 1)) {
        std::size_t i = at + 1;
        if (i >= name.size() || (name[i] != 'L' && name[i] != 'l'))
            continue;
        const std::size_t digits = ++i;
        while (i < name.size() && isDigit(name[i]))
            ++i;
        if (i == digits || i >= name.size())
            continue;
        const char mark = static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
        if ((mark == 'P' || mark == 'N') && (i + 1 == name.size() || name[i + 1] == '_')) {
            *pair = "L" + name.substr(digits, i - digits);
            return i;
        }
    }
    return std::string::npos;
}

} // namespace

bool DevicePins::read(const std::string& source, DevicePins* result, std::string* error)
{
    if (endsWith(source, ".csv")) {
        std::string text;
        return TextFile::read(source, SExpressionParser::kMaximumBytes, &text, error) &&
               readCsv(source, text, result, error);
    }
    const std::size_t extension = source.rfind(".kicad_sym");
    const std::size_t end = extension == std::string::npos ? extension : extension + 10;
    if (end == std::string::npos || (end < source.size() && source[end] != ':')) {
        *error = source + ": name a pin list as FILE.kicad_sym:SYMBOL or FILE.csv";
        return false;
    }
    KicadSymbolLibrary library;
    if (!library.read(source.substr(0, end), error))
        return false;
    std::string symbol = end < source.size() ? source.substr(end + 1) : "";
    if (symbol.empty()) {
        const std::vector<std::string> names = library.symbolNames();
        if (names.size() != 1) {
            *error = source + ": the library holds " + std::to_string(names.size()) +
                     " symbols: name one as FILE.kicad_sym:SYMBOL";
            return false;
        }
        symbol = names[0];
    }
    return library.pins(symbol, result, error);
}

bool DevicePins::readCsv(const std::string& name, const std::string& text, DevicePins* result, std::string* error)
{
    int unclosedLine = 0;
    const std::vector<CsvRecord> rows = CsvColumns::records(text, &unclosedLine);
    if (unclosedLine) {
        *error = name + ":" + std::to_string(unclosedLine) + ": a quoted field opened here is never closed";
        return false;
    }
    std::size_t first = 0;
    while (first < rows.size() && CsvColumns::isEmpty(rows[first]))
        ++first;
    const CsvColumns columns(first < rows.size() ? rows[first] : CsvRecord{});
    if (!columns.has("PIN") || !columns.has("NAME")) {
        *error = name + ":" + std::to_string(first < rows.size() ? rows[first].line : 1) +
                 ": the header row must name the columns pin and name";
        return false;
    }
    const std::size_t slash = name.rfind('/');
    result->device = name.substr(slash == std::string::npos ? 0 : slash + 1);
    result->pins.clear();
    std::unordered_map<std::string, int> lines;
    for (std::size_t i = first + 1; i < rows.size(); ++i) {
        if (CsvColumns::isEmpty(rows[i]))
            continue;
        DevicePin pin{columns.of(rows[i], "PIN"), columns.of(rows[i], "NAME"), columns.of(rows[i], "TYPE"),
                      columns.of(rows[i], "BANK"), ""};
        const std::string at = name + ":" + std::to_string(rows[i].line) + ": ";
        if (pin.number.empty()) {
            *error = at + "a row without a pin";
            return false;
        }
        const auto earlier = lines.emplace(pin.number, rows[i].line);
        if (!earlier.second) {
            *error =
                at + "pin " + pin.number + " is listed on line " + std::to_string(earlier.first->second) + " already";
            return false;
        }
        result->pins.push_back(std::move(pin));
    }
    result->completeBanksAndPartners();
    return true;
}

const DevicePin* DevicePins::find(const std::string& number) const
{
    for (const DevicePin& pin : pins) {
        if (pin.number == number)
            return &pin;
    }
    return nullptr;
}

std::unordered_map<std::string, const DevicePin*> DevicePins::byNumber() const
{
    std::unordered_map<std::string, const DevicePin*> index;
    for (const DevicePin& pin : pins)
        index.emplace(numberKey(pin.number), &pin);
    return index;
}

std::string DevicePins::numberKey(const std::string& number)
{
    return TextRules::upper(number);
}

std::vector<std::string> DevicePins::closest(const std::string& number) const
{
    const std::string wanted = TextRules::upper(number);
    std::vector<std::pair<std::size_t, std::string>> near;
    for (const DevicePin& pin : pins) {
        const std::size_t distance = editDistance(wanted, TextRules::upper(pin.number));
        if (distance <= 2)
            near.emplace_back(distance, pin.number);
    }
    std::sort(near.begin(), near.end());
    std::vector<std::string> names;
    for (std::size_t i = 0; i < near.size() && i < 3; ++i)
        names.push_back(near[i].second);
    return names;
}

bool DevicePins::isUserIo(const DevicePin& pin)
{
    return TextRules::upper(pin.name.substr(0, 2)) == "IO";
}

char DevicePins::polarityOfName(const std::string& name)
{
    std::string pair;
    const std::size_t mark = pairMark(name, &pair);
    return mark == std::string::npos ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(name[mark])));
}

std::string DevicePins::bankOfName(const std::string& name)
{
    // IOB_24 and IOR_66 are the 24th and 66th I/O of the die, on its bottom
    // and right sides: what follows a side letter counts I/Os, not banks.
    const std::string function = TextRules::upper(name.substr(0, 4));
    const bool sideLetter = function.size() > 2 && std::isalpha(static_cast<unsigned char>(function[2]));
    if ((function.compare(0, 2, "IO") != 0 || sideLetter) && function != "VCCO")
        return "";
    std::size_t start = name.size();
    while (start > 0 && isDigit(name[start - 1]))
        --start;
    if (start == name.size() || start == 0 || name[start - 1] != '_')
        return "";
    return name.substr(start);
}

void DevicePins::completeBanksAndPartners()
{
    // The pins of each pair mark of a bank, and the letter P or N of each.
    std::unordered_map<std::string, std::vector<std::size_t>> pairs;
    std::vector<char> polarities(pins.size());
    for (std::size_t i = 0; i < pins.size(); ++i) {
        DevicePin& pin = pins[i];
        if (pin.bank.empty())
            pin.bank = bankOfName(pin.name);
        pin.partner.clear();
        std::string pair;
        const std::size_t mark = pairMark(pin.name, &pair);
        if (mark == std::string::npos)
            continue;
        polarities[i] = polarityOfName(pin.name);
        pairs[pair + "_" + pin.bank].push_back(i);
    }
    for (const auto& pair : pairs) {
        const std::vector<std::size_t>& members = pair.second;
        if (members.size() != 2 || polarities[members[0]] == polarities[members[1]])
            continue;
        pins[members[0]].partner = pins[members[1]].number;
        pins[members[1]].partner = pins[members[0]].number;
    }
}
