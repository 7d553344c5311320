#ifndef WJXMLINTERCHANGE_EDITDISTANCE_H
#define WJXMLINTERCHANGE_EDITDISTANCE_H

#include <cstddef>
#include <string>

// The Levenshtein distance of a and b: how many characters inserted, removed
// or replaced make a into b. The closest names of a name that finds nothing
// (a pin, a port, a ball) are those at the least distance.
std::size_t editDistance(const std::string& a, const std::string& b);

#endif
