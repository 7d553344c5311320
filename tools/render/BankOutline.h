#ifndef IFX_BANKOUTLINE_H
#define IFX_BANKOUTLINE_H

#include "render/PinPlacement.h"

#include <string>
#include <utility>
#include <vector>

// The border around the balls of one bank.
struct BankBorder {
    std::string bank;
    std::vector<std::pair<PinPoint, PinPoint>> lines; // from, to
};

// The borders of the banks of a ball grid. Each ball owns the square cell,
// one pitch wide, of the grid through the lowest ball on each axis that it
// lies nearest to; a bank's border runs along the sides of its cells that
// face a cell of another bank or none, inset into its cells so that the
// borders of neighbouring banks lie side by side. On staggered or irregular
// pads the cells are only as true as the rounding to the nearest one.
class BankOutline {
public:
    // points[i] lies in banks[i], "" for none; pitch and inset in the units
    // of the points. In natural order of the banks.
    static std::vector<BankBorder> borders(const std::vector<PinPoint>& points, const std::vector<std::string>& banks,
                                           double pitch, double inset);
};

#endif
