#include "IoStandardRules.h"

#include "TextRules.h"

#include <cctype>

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// "3.3" of "3.3-V LVTTL", "3.3 V" or "3.3V"; "" when there is no such text.
std::string decimalVolts(const std::string& name)
{
    for (std::size_t i = 0; i + 2 < name.size(); ++i) {
        if (!isDigit(name[i]) || name[i + 1] != '.' || !isDigit(name[i + 2]) || (i > 0 && isDigit(name[i - 1])))
            continue;
        std::size_t end = i + 2;
        while (end < name.size() && isDigit(name[end]))
            ++end;
        std::size_t unit = end;
        if (unit < name.size() && (name[unit] == ' ' || name[unit] == '-'))
            ++unit;
        if (unit < name.size() && name[unit] == 'V')
            return name.substr(i, end - i);
    }
    return "";
}

// The voltage of the digits that follow a family name: 33 in LVCMOS33,
// 135 in SSTL135, 18 in HSTL_I_18.
std::string familyVolts(const std::string& name)
{
    static const struct {
        const char* digits;
        const char* volts;
    } kSupplies[] = {{"10", "1.0"}, {"12", "1.2"}, {"135", "1.35"}, {"15", "1.5"},
                     {"18", "1.8"}, {"25", "2.5"}, {"33", "3.3"}};
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (!isDigit(name[i]) || isDigit(name[i - 1]) || name[i - 1] == '.')
            continue;
        std::size_t end = i;
        while (end < name.size() && isDigit(name[end]))
            ++end;
        for (const auto& supply : kSupplies) {
            if (name.compare(i, end - i, supply.digits) == 0)
                return supply.volts;
        }
        i = end;
    }
    return "";
}

} // namespace

std::string IoStandardRules::impliedVoltage(const std::string& standard)
{
    const std::string name = TextRules::upper(standard);
    std::string volts = decimalVolts(name);
    if (volts.empty())
        volts = familyVolts(name);
    if (volts.empty() && name.find("LVTTL") != std::string::npos)
        volts = "3.3";
    return volts.empty() ? "" : volts + "V";
}

bool IoStandardRules::isDifferential(const std::string& standard)
{
    const std::string name = TextRules::upper(TextRules::trimmed(standard));
    if (name.rfind("DIFF", 0) == 0)
        return true;
    for (const char* family : {"LVDS", "TMDS", "LVPECL", "RSDS", "PPDS", "SLVS", "HCSL", "DPHY"}) {
        if (name.find(family) != std::string::npos)
            return true;
    }
    const std::size_t size = name.size();
    if (size >= 2 && name[size - 1] == 'D' && (isDigit(name[size - 2]) || name[size - 2] == '_'))
        return true;
    for (std::size_t i = 1; i + 1 < size; ++i) {
        if (name[i] == 'D' && isDigit(name[i - 1]) && name[i + 1] == '_')
            return true;
    }
    return false;
}
