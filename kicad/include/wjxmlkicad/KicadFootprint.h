#ifndef WJXMLKICAD_KICADFOOTPRINT_H
#define WJXMLKICAD_KICADFOOTPRINT_H

#include <string>
#include <vector>

/// A pin of a footprint as the interface file holds it.
struct FootprintPad {
    std::string name;     ///< the pad number, such as A1 or 33
    std::string location; ///< "x,y" in millimetres from the origin, y upwards
    std::string size;     ///< "w" for a pad as wide as high, else "w,h", as the board sees it
    std::string shape;    ///< KiCad's shape word: circle, rect, roundrect, oval, trapezoid, custom
    std::string padstack; ///< the pad kind (smd, thru_hole, np_thru_hole, connect), then " drill " and its drill
};

/// A KiCad footprint file (kicad_mod), of KiCad 6 and later (footprint) or
/// earlier (module).
///
/// Every pad with a number is a pin; pads without one are mechanical and
/// left out. Locations are KiCad's pad positions with y negated, since KiCad
/// counts y downwards, written as the file writes the numbers. Pads of one
/// number (an exposed pad in parts) are one pin: at the middle of their
/// centres, with the size, shape and padstack of the largest. A pad turned
/// by 90 or 270 degrees has its width and height swapped. Width and Length
/// are the extent of the courtyard on x and y (front, else back), else of
/// the fabrication outline; "" when the file has neither.
struct KicadFootprint {
    std::string name;               ///< the footprint's name as the file gives it
    std::string width;              ///< extent on x in millimetres, as text; "" without an outline
    std::string length;             ///< extent on y in millimetres, as text; "" without an outline
    std::vector<FootprintPad> pads; ///< in file order of each number's first pad

    /// Reads the file at path. False, with error "path:line:column: message",
    /// when it cannot be read, is no footprint, or a numbered pad lacks its
    /// position or size or has numbers that cannot be read or lie farther
    /// than 1e9 from 0.
    static bool read(const std::string& path, KicadFootprint* result, std::string* error);

    /// Millimetres as the files write them: up to six decimals, no trailing
    /// zeros ("1.27", "-0.4", "3").
    static std::string millimetres(double value);
    /// The text of a number negated as written: "1.5" and "-1.5" swap, and
    /// zero keeps no sign; value is the number.
    static std::string negated(const std::string& text, double value);
    /// The number in text (C locale); false when text is no number.
    static bool number(const std::string& text, double* value);
};

#endif
