#ifndef WJXMLKICAD_KICADSYMBOLLIBRARY_H
#define WJXMLKICAD_KICADSYMBOLLIBRARY_H

#include "wjxmlkicad/DevicePins.h"
#include "wjxmlkicad/SExpression.h"

#include <string>
#include <unordered_map>
#include <vector>

/// A KiCad symbol library file (kicad_symbol_lib), as KiCad 6 and later
/// write it.
class KicadSymbolLibrary {
public:
    KicadSymbolLibrary() = default;
    /// The look-up of symbols points into the library: not copied.
    KicadSymbolLibrary(const KicadSymbolLibrary&) = delete;
    KicadSymbolLibrary& operator=(const KicadSymbolLibrary&) = delete;

    /// Parses the file at path. False, with error, when it cannot be read or
    /// is no symbol library.
    bool read(const std::string& path, std::string* error);
    /// The names of its symbols, in file order.
    std::vector<std::string> symbolNames() const;
    /// The pins of the symbol name, of all its units, through extends: each
    /// number once, as the first unit that draws it has it; the alternate
    /// body style is not read. Banks and partners are filled in. False,
    /// with error, when there is no such symbol or a pin lacks its number or
    /// name.
    bool pins(const std::string& name, DevicePins* result, std::string* error) const;

private:
    const SExpression* symbol(const std::string& name) const;
    bool collectPins(const SExpression& symbol, int depth, std::vector<DevicePin>* pins, std::string* error) const;

    std::string m_path;
    SExpression m_root;
    std::unordered_map<std::string, const SExpression*> m_symbols;
};

#endif
