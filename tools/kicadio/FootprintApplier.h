#ifndef IFX_FOOTPRINTAPPLIER_H
#define IFX_FOOTPRINTAPPLIER_H

#include "wjxmlkicad/KicadFootprint.h"

#include <string>
#include <vector>

class IWJInterfaceView;

// What applying a footprint file did.
struct FootprintReport {
    std::string footprint;               // the name of the design's footprint
    int pinsPlaced = 0;                  // pins that had their name and got the pad's values
    int pinsAdded = 0;                   // pads the footprint lacked, added as pins
    std::vector<std::string> pinsLacked; // the footprint's pins the file has no pad for, in natural order
};

// Gives a design's footprint the pads of a KiCad footprint.
class FootprintApplier {
public:
    // With refdes, the footprint is the one of that instance's part map (the
    // refdes in any case) (an
    // instance without one gets a footprint, found by name or made, and a
    // part map); without, the footprint named name (default: the file's), made
    // when missing. Each pad sets the location, size, shape and padstack of
    // the pin of its name (in any case), or is added as a pin; the file's
    // width and length are set. False, with error, when there is no instance
    // refdes.
    static bool apply(IWJInterfaceView* design, const KicadFootprint& file, const std::string& name,
                      const std::string& refdes, FootprintReport* report, std::string* error);
    // "FILE: warning: no pad for N pins of FOOTPRINT: A1 A2 ...", naming the
    // pins of report that fileName has no pad for.
    static std::string lackedWarning(const std::string& fileName, const FootprintReport& report);
};

#endif
