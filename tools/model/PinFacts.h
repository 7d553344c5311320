#ifndef IFX_PINFACTS_H
#define IFX_PINFACTS_H

#include "wjxmlinterfaceflowreader.h"

#include <map>
#include <set>
#include <string>
#include <utility>

// The rules by which every command tells what is on a pin: which differential
// pair a port belongs to, and which port bits on one pin short each other.
// check, pinmap and render all ask here, so that they tell one story.
namespace pinfacts {

// A port, by a name or id that tells the ports of one instance apart, and a
// bit of it, -1 for the whole port.
using PortBit = std::pair<std::string, int>;

// Whether two port bits mapped to one pin are a short: two ports, or two
// different bits of one. A whole port and one of its bits are one signal.
bool shorts(const PortBit& a, const PortBit& b);
// Whether any two of the port bits on one pin are a short.
bool anyShort(const std::set<PortBit>& onPin);

// Whether a port of this type word is a supply, power or ground, which
// carries no signal.
bool isSupply(const std::string& type);

struct PairMember {
    std::string pair;     // the pair's full name
    std::string polarity; // "P" or "N"
};
// The differential pair and polarity of each member port of the instance,
// by the port's full name.
std::map<std::string, PairMember> pairMembers(IWJCompInst* instance);

} // namespace pinfacts

#endif
