#ifndef WJXMLKICAD_PINFUNCTION_H
#define WJXMLKICAD_PINFUNCTION_H

#include "wjxmlkicad/DevicePins.h"

/// What a pin of a device package is for, as the board sees it.
class PinFunction {
public:
    /// The kinds of pins, as pin planners tell them apart.
    enum Kind {
        UserIo,    ///< a name starting with IO
        Power,     ///< a supply: a name starting with VCC or VDD, or KiCad's type power_in or power_out
        Ground,    ///< a name starting with GND or VSS
        NoConnect, ///< KiCad's type no_connect, or the name NC, NC_..., DNU or DNU_...
        Other      ///< configuration, clocks, analog inputs and the like
    };

    /// The kind of the pin, by its name in any letter case first, in the
    /// order UserIo, NoConnect, Ground, Power, then by its type.
    static Kind of(const DevicePin& pin);
};

#endif
