#include "wjxmlkicad/KicadSymbolLibrary.h"

#include <unordered_set>

namespace {

// The text of a name without KiCad's markup: ~{...} draws a bar over the
// text (an active-low signal), _{...} and ^{...} lower and raise it.
std::string withoutMarkup(const std::string& name)
{
    std::string plain;
    int open = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if ((c == '~' || c == '_' || c == '^') && i + 1 < name.size() && name[i + 1] == '{') {
            ++open;
            ++i;
        } else if (c == '}' && open > 0) {
            --open;
        } else {
            plain += c;
        }
    }
    return plain;
}

// Symbols extend symbols at most this deep (KiCad itself allows one level).
constexpr int kMaximumExtends = 8;

// The number that the text is, or -1.
int numberOf(const std::string& text)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(text);
}

// The unit and body style that end a unit's name, SYMBOL_<unit>_<style>;
// false when the name does not end so.
bool unitOf(const std::string& name, int* unit, int* style)
{
    const std::size_t last = name.rfind('_');
    const std::size_t before = last == std::string::npos || last == 0 ? last : name.rfind('_', last - 1);
    if (before == std::string::npos)
        return false;
    *unit = numberOf(name.substr(before + 1, last - before - 1));
    *style = numberOf(name.substr(last + 1));
    return *unit >= 0 && *style >= 0;
}

} // namespace

bool KicadSymbolLibrary::read(const std::string& path, std::string* error)
{
    m_path = path;
    if (!SExpressionParser::parseFile(path, &m_root, error))
        return false;
    if (m_root.head() != "kicad_symbol_lib") {
        *error = SExpressionParser::where(path, m_root, "not a KiCad symbol library (kicad_symbol_lib)");
        return false;
    }
    m_symbols.clear();
    for (const SExpression& item : m_root.items) {
        if (item.head() == "symbol")
            m_symbols.emplace(item.text(1), &item);
    }
    return true;
}

std::vector<std::string> KicadSymbolLibrary::symbolNames() const
{
    std::vector<std::string> names;
    for (const SExpression& item : m_root.items) {
        if (item.head() == "symbol")
            names.push_back(item.text(1));
    }
    return names;
}

const SExpression* KicadSymbolLibrary::symbol(const std::string& name) const
{
    const auto found = m_symbols.find(name);
    return found == m_symbols.end() ? nullptr : found->second;
}

bool KicadSymbolLibrary::pins(const std::string& name, DevicePins* result, std::string* error) const
{
    const SExpression* found = symbol(name);
    if (!found) {
        *error = m_path + ": no symbol \"" + name + "\" in the library";
        return false;
    }
    result->device = name;
    result->pins.clear();
    std::vector<DevicePin> pins;
    if (!collectPins(*found, 0, &pins, error))
        return false;
    std::unordered_set<std::string> numbers;
    for (DevicePin& pin : pins) {
        if (numbers.insert(pin.number).second)
            result->pins.push_back(std::move(pin));
    }
    result->completeBanksAndPartners();
    return true;
}

bool KicadSymbolLibrary::collectPins(const SExpression& symbol, int depth, std::vector<DevicePin>* pins,
                                     std::string* error) const
{
    if (const SExpression* extends = symbol.child("extends")) {
        const SExpression* base = depth < kMaximumExtends ? this->symbol(extends->text(1)) : nullptr;
        if (!base) {
            *error = SExpressionParser::where(m_path, *extends,
                                              depth < kMaximumExtends
                                                  ? "extends \"" + extends->text(1) + "\", which the library lacks"
                                                  : "symbols extend each other too deep");
            return false;
        }
        if (!collectPins(*base, depth + 1, pins, error))
            return false;
    }
    for (const SExpression& unit : symbol.items) {
        int number = 0;
        int style = 0;
        if (unit.head() != "symbol" || !unitOf(unit.text(1), &number, &style) || style > 1)
            continue;
        for (const SExpression& pin : unit.items) {
            if (pin.head() != "pin")
                continue;
            const SExpression* name = pin.child("name");
            const SExpression* numberItem = pin.child("number");
            if (!name || !numberItem || numberItem->text(1).empty()) {
                *error = SExpressionParser::where(m_path, pin, "a pin without its name or number");
                return false;
            }
            DevicePin read;
            read.number = numberItem->text(1);
            read.name = withoutMarkup(name->text(1));
            read.type = pin.text(1);
            read.bank = DevicePins::bankOfName(read.name);
            if (read.bank.empty() && number != 0)
                read.bank = std::to_string(number);
            pins->push_back(std::move(read));
        }
    }
    return true;
}
