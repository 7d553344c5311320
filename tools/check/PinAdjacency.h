#ifndef IFX_PINADJACENCY_H
#define IFX_PINADJACENCY_H

#include "render/PinPlacement.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// Whether two pins of one footprint sit side by side, as the two members of
// a differential pair are expected to. Where the pins are placed by location
// or on a ball grid, they are neighbours when they touch: one of the eight
// pins around the other, no farther apart than the footprint's pitch along a
// row or a column, or diagonally. Where only names are known, they are
// neighbours when they follow each other in name order (pins 7 and 8). In
// both cases a single pin between them that carries no signal (a supply or
// an unused pin) keeps them neighbours: it shields the pair rather than
// splitting it.
class PinAdjacency {
public:
    // names[i] and locations[i] belong to one pin.
    PinAdjacency(std::vector<std::string> names, const std::vector<std::string>& locations);

    // signal[i] tells whether pin i carries a signal.
    bool adjacent(std::size_t a, std::size_t b, const std::vector<bool>& signal) const;

private:
    // The pin between a and b when they are two steps apart along a row or
    // a column (or in name order); -1 for none.
    long between(std::size_t a, std::size_t b) const;
    std::pair<long, long> halfStep(const PinPoint& point) const;

    std::vector<std::string> m_names;
    PinPlacement m_placement;
    double m_pitch;
    // Pins by their place in half pitches, or by their rank in name order.
    std::map<std::pair<long, long>, std::size_t> m_at;
    std::vector<std::size_t> m_rank;
    std::vector<std::size_t> m_byRank;
};

#endif
