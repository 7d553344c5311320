#ifndef IFX_PINOUTSVG_H
#define IFX_PINOUTSVG_H

#include "render/Pinout.h"

#include <ostream>
#include <string>
#include <vector>

// Draws one part map as an SVG drawing: the footprint seen from the top (y
// of the file upwards) or from the bottom (x mirrored), its outline, a mark
// at pin 1, a circle per pin filled by what the pin is mapped to (an
// unmapped ball of a device package by what it is for), a border in a colour
// of its own around the balls of each I/O bank, and a legend. Each pin is one
// <g class="pin FILL"> holding its circle, its label, the port name beside it
// on packages with pins on their edges, or inside it elsewhere when small
// letters fit, and a <title> with its details. One pitch between
// neighbouring pins is 28 pixels unless the footprint would then be wider
// than 900.
class PinoutSvg {
public:
    // groups: Pinout::groups(). number tells the drawings of one page apart:
    // the drawing's ids end in it.
    static void write(std::ostream& out, const PinoutMap& map, const std::vector<std::string>& groups, int number,
                      bool bottom);
};

#endif
