#ifndef IFX_PACKAGECHECKER_H
#define IFX_PACKAGECHECKER_H

#include <string>

class CheckReport;
class DevicePins;
class IWJInterfaceView;

// Checks the pin mappings of an instance against its device package, as a
// pin planner does: a pin the package lacks (with the closest ball names); a
// port other than a power or ground port on a ball that is not user I/O (a
// group mapping is taken for a supply and not checked); the two ports of a
// differential pair on balls that are no pair of the package, or on a pair
// the wrong way round; user I/O of one bank whose ports' voltage groups give
// different voltages. Each finding is an error on the line of the part map.
class PackageChecker {
public:
    // The part maps of refdes (any case), or of every instance when it is "".
    // False, reporting nothing, when they map no pins.
    static bool check(IWJInterfaceView* design, const DevicePins& package, const std::string& refdes,
                      CheckReport& report);
};

#endif
