#ifndef IFX_PACKAGEIMPORT_H
#define IFX_PACKAGEIMPORT_H

#include "wjxmlinterchange/PinConstraints.h"

#include <string>
#include <vector>

class IWJInterfaceView;

// The device package an import places on.
struct PackageOptions {
    std::string package;       // the pin list: FILE.kicad_sym[:SYMBOL] or FILE.csv; "" for none
    std::string footprintFile; // a KiCad footprint whose pads place the footprint's pins; "" for none
    bool supplies = false;     // make a power or ground port per supply name
};

// Completes an import with the device package: the placements are checked
// against it, the instance's footprint gets every ball, and supply ports are
// made.
class PackageImport {
public:
    // After the sources were imported into design on the instance refdes:
    // every pin and pin-group mapping of the instance is checked against the
    // package: a pin the package lacks is an error naming the closest balls;
    // a port other than a power or ground port on a power, ground or
    // no-connect ball (PinFunction) is an error. An error names the last line
    // of the sources that names the pin, else the refdes. Without errors,
    // a footprint with fewer pins than the package gets the balls it lacks;
    // the footprint file's pads then place the pins by name as
    // FootprintApplier does, pads and balls that one of the two lacks being
    // warnings; with supplies, each power or ground function name (VCCINT,
    // VCCO_34, GND) gets a port of that name and type, made when missing,
    // mapped onto all its balls as one pin group. Made pins and ports are
    // counted in report. False when report got an error.
    static bool apply(IWJInterfaceView* design, const std::vector<ConstraintSource>& sources, const std::string& refdes,
                      const PackageOptions& options, ImportReport* report);
};

#endif
