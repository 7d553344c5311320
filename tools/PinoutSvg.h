#ifndef IFX_PINOUTSVG_H
#define IFX_PINOUTSVG_H

#include "Pinout.h"

#include <ostream>
#include <string>
#include <vector>

// Draws one part map as an SVG drawing: the footprint seen from the top, a
// circle per pin filled by what the pin is mapped to, and a legend. Each pin
// is one <g class="pin FILL"> holding its circle, its label and a <title>
// with its details.
class PinoutSvg {
public:
    // groups: Pinout::groups(). number tells the drawings of one page apart:
    // the drawing's ids end in it.
    static void write(std::ostream& out, const PinoutMap& map, const std::vector<std::string>& groups, int number);
};

#endif
