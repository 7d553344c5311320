#ifndef IFX_KICADFOOTPRINTWRITER_H
#define IFX_KICADFOOTPRINTWRITER_H

#include <string>

class IWJInterfaceView;

// Writes the footprint of one instance as a KiCad footprint file: a pad per
// pin, in natural order of the names, at the pin's location "x,y" (KiCad's y
// is the location's negated), of its size "w" or "w,h" and its shape, which
// must be one of KiCad's (circle, rect, roundrect, oval, trapezoid, custom).
// A padstack whose first word is a KiCad pad kind (smd, thru_hole,
// np_thru_hole, connect), then "drill" and the drill, gives the pad's kind
// and drill; any other padstack makes an smd pad. Width and Length, when
// numbers, give a courtyard rectangle around the origin.
class KicadFootprintWriter {
public:
    // False, with error, when no instance has the refdes (any case), it has no
    // part map, or a pin lacks a location, size or KiCad shape.
    static bool write(IWJInterfaceView* design, const std::string& refdes, std::string* text, std::string* error);
};

#endif
