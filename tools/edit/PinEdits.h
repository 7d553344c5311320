#ifndef IFX_PINEDITS_H
#define IFX_PINEDITS_H

#include "wjxmlinterfaceflowreader.h"

#include <string>
#include <vector>

// A port, or one bit of it (-1: the whole port).
struct PortBit {
    IWJPort* port = nullptr;
    int bit = -1;
};

// What an edit did: one line per change, or why it changed nothing.
struct EditOutcome {
    std::vector<std::string> changes;
    std::string refusal;
    // Refused only because a pin carries another port; forcing maps anyway.
    bool occupied = false;

    bool done() const { return refusal.empty(); }
};

// The pin edits of ifx and the Python module on one part map: map, unmap,
// swap. Each checks everything first and then either edits or refuses,
// changing nothing. Changes are worded "mapped U1.D<3> to pin H3 (was H2)".
class PinEdits {
public:
    // partMap has its instance and footprint.
    explicit PinEdits(IWJPartMap* partMap);

    // Maps what onto one pin (a pin mapping) or several (a pin-group
    // mapping). Refuses a bit outside the port's bits, a port with several
    // bits on one pin, and, unless force, a pin that carries another port
    // or another bit of this one.
    EditOutcome map(PortBit what, const std::vector<IWJFootPrintPin*>& pins, bool force);
    // Removes the mapping of a bit or, for -1, every mapping of the port.
    EditOutcome unmap(PortBit what);
    // Takes the pin out of every mapping that holds it.
    EditOutcome unmapPin(IWJFootPrintPin* pin);
    // Exchanges what the two pins carry; either may be free.
    EditOutcome swap(IWJFootPrintPin* first, IWJFootPrintPin* second);

    // Why bit is no bit of the port ("" when it is one, or -1).
    static std::string bitProblem(IWJPort* port, int bit);
    // Sets the port's type from the file's word for it.
    static EditOutcome setType(IWJPort* port, const std::string& type);
    // "U1.D<3>": the instance's refdes, the port's local name and the bit.
    static std::string portName(PortBit what);

private:
    // One mapping of the part map: a port or bit, or a group, on pins.
    struct Mapping {
        PortBit port;
        IWJPortGroup* group = nullptr;
        bool pinGroup = false;
        std::vector<IWJFootPrintPin*> pins;
    };

    std::vector<Mapping> mappings() const;
    // Runs visit(port or bit, pin) on each pin of each mapping of a port or
    // bit, in no set order.
    template <class Visit> void forEachPortPin(Visit visit) const;
    bool mapped(PortBit what) const;
    // Rewrites each mapping through change, a pin to its new pin or null
    // (dropped), and reports what moved.
    template <class Change> EditOutcome rewritePins(Change change);
    void apply(const Mapping& mapping);
    void remove(const Mapping& mapping);
    std::string name(const Mapping& mapping) const;

    IWJPartMap* m_partMap;
};

#endif
