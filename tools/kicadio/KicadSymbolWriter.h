#ifndef IFX_KICADSYMBOLWRITER_H
#define IFX_KICADSYMBOLWRITER_H

#include <string>

class IWJInterfaceView;

// Writes one instance as a KiCad symbol library holding one symbol, named
// after its cell: a pin per footprint pin, numbered by the pin's name and
// named after the port or bit mapped to it (PORT, PORT[3]), the port group of
// a group mapping, else the pin's name. Its electrical type follows the port:
// input, output, bidirectional (inout), power_in (power and ground), passive
// (no type, or a group); no_connect for a pin nothing is mapped to. Pins come
// port by port in natural order, the unmapped last; a symbol of more than
// kUnitPins pins has units of at most kUnitPins, a port split only when it
// alone has more. Each unit's pins stand down its left side, then its right.
class KicadSymbolWriter {
public:
    static constexpr int kUnitPins = 40;

    // False, with error, when no instance has the refdes (any case) or it has
    // no part map.
    static bool write(IWJInterfaceView* design, const std::string& refdes, std::string* text, std::string* error);
};

#endif
