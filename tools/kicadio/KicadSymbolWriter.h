#ifndef IFX_KICADSYMBOLWRITER_H
#define IFX_KICADSYMBOLWRITER_H

#include <string>

class DevicePins;
class IWJInterfaceView;

// Writes one instance as a KiCad symbol library holding one symbol, named
// after its cell: a pin per footprint pin, numbered by the pin's name and
// named after the port or bit mapped to it (PORT, PORT[3]), the port group of
// a group mapping, else the ball's function in the package when one is given,
// else the pin's name. Its electrical type follows the port: input, output,
// bidirectional (inout), power_in (power and ground), passive (no type, or a
// group); a pin nothing is mapped to has the package's type for a ball that
// is not user I/O, else no_connect. Pins come port by port in natural order,
// the unmapped last, and a symbol of more than kUnitPins pins has units of at
// most kUnitPins, a port split only when it alone has more; with a package,
// such a symbol has a unit per bank instead, its pins in natural order. Each
// unit's pins stand down its left side, then its right.
class KicadSymbolWriter {
public:
    static constexpr int kUnitPins = 40;

    // False, with error, when no instance has the refdes (any case) or it has
    // no part map.
    // package may be null.
    static bool write(IWJInterfaceView* design, const std::string& refdes, const DevicePins* package, std::string* text,
                      std::string* error);
};

#endif
