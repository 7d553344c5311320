#ifndef IFX_PINOUTPACKAGE_H
#define IFX_PINOUTPACKAGE_H

#include "render/Pinout.h"

class DevicePins;

// What the balls of a device package are for, drawn on one part map: each
// pin that is a ball of the package gets the ball's function, type, bank
// and partner among its details and its function in its search text; an
// unmapped one is filled by what the ball is for (PinFunction): "free-io",
// "supply", "ground-ball", "no-connect" or "other-ball" (configuration,
// clocks, analog inputs and the like) and gets the ball's function, written
// beside it on packages with pins on their edges. The balls of the banks
// that hold user I/O get their bank, to be outlined. Notes say which pins
// the package lacks and how many of its balls the footprint lacks.
class PinoutPackage {
public:
    static void apply(const DevicePins& package, PinoutMap& map);
};

#endif
