#ifndef IFX_PINFACTS_H
#define IFX_PINFACTS_H

#include "wjxmlinterfaceflowreader.h"

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// What one part map puts on each pin of its footprint, as the model says it:
// the port bits and groups on the pin, through which kind of mapping, each
// port's type word, differential pair, innermost port group and IO standard,
// and whether the port bits on the pin short each other. check, pinmap and
// render all read these facts and the rules below, so that they tell one
// story.
class PinFacts {
public:
    // A port, by a name or id that tells the ports of one instance apart, and a
    // bit of it, -1 for the whole port.
    using PortBit = std::pair<std::string, int>;

    enum class Mapping { Pin, PinGroup, Group };

    // One port bit or group on a pin, through one mapping.
    struct Use {
        IWJPort* port;          // null in a group mapping
        std::string portName;   // the port's full name; "" in a group mapping
        int bit;                // -1: the whole port, or a group mapping
        Mapping mapping;        // pin or pin-group mapping of the port, or group mapping
        IWJPortGroup* group;    // the port group or bus interface of a group mapping, else null
        std::string groupName;  // its full name
        std::string type;       // the word of the port's type
        std::string pair;       // full name of the differential pair holding the port
        std::string polarity;   // "P" or "N" in a pair
        std::string portGroup;  // full name of the innermost group holding the bit
        std::string voltage;    // of that group, or of the group of a group mapping
        std::string ioStandard; // of the bit, or of the whole port
        std::size_t pin;        // in pins()
    };
    struct Pin {
        IWJFootPrintPin* pin;
        std::string id;
        // The port bits in natural order of the ports' full names, then
        // bits, then the groups in natural order of their full names.
        std::vector<const Use*> uses;
        bool isShort; // port bits on it short each other
    };

    // The facts of a part map that has an instance; index is its number
    // among the design's part maps, from 0.
    PinFacts(IWJPartMap* partMap, int index);
    // The pins point into the uses.
    PinFacts(const PinFacts&) = delete;
    PinFacts& operator=(const PinFacts&) = delete;

    // Calls visit with the facts of each part map of design that has an
    // instance, in the design's order, of only those whose refdes is
    // onlyRefdes in any letter case unless that is empty. One part map's
    // facts are held at a time.
    static void each(IWJInterfaceView* design, const std::string& onlyRefdes,
                     const std::function<void(const PinFacts&)>& visit);

    IWJPartMap* partMap() const { return m_partMap; }
    IWJCompInst* instance() const { return m_partMap->compInst(); }
    int index() const { return m_index; }
    // Every pin of the footprint in its order; none without a footprint.
    const std::vector<Pin>& pins() const { return m_pins; }
    // In the order in which the part map gives its mappings: the pin
    // mappings, the pin-group mappings, then the group mappings, each of
    // the last two on its pins in their order.
    const std::vector<Use>& uses() const { return m_uses; }

    // "pin", "pin-group" or "group".
    static const char* word(Mapping mapping);
    // Whether two port bits mapped to one pin are a short: two ports, or two
    // different bits of one. A whole port and one of its bits are one signal.
    static bool shorts(const PortBit& a, const PortBit& b);
    // Whether any two of the port bits on one pin are a short.
    static bool anyShort(const std::set<PortBit>& onPin);
    // Whether two refdes are one in any letter case.
    static bool sameRefdes(const std::string& a, const std::string& b);
    // Whether a port of this type word is a supply, power or ground, which
    // carries no signal.
    static bool isSupply(const std::string& type);
    // The lowest and highest bit of a port with these bounds (-1: no value;
    // a missing bound takes the value of the other); false for a port
    // without bits.
    static bool bitsOf(int lsb, int msb, int& low, int& high);

private:
    IWJPartMap* m_partMap;
    int m_index;
    std::vector<Pin> m_pins;
    std::vector<Use> m_uses;
};

#endif
