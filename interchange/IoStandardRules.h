#ifndef WJXMLINTERCHANGE_IOSTANDARDRULES_H
#define WJXMLINTERCHANGE_IOSTANDARDRULES_H

#include <string>

// What the name of an IO standard tells, in the words vendors give them:
// LVCMOS33, SSTL135, TMDS_33, LVDS, LVCMOS33D, "3.3-V LVTTL", "2.5 V".
class IoStandardRules {
public:
    // The supply voltage the name implies, as "3.3V"; "" when it implies
    // none (LVDS, SB_LVCMOS).
    static std::string impliedVoltage(const std::string& standard);
    // Whether the standard drives a pair of pins: LVDS, TMDS and their
    // kin, DIFF_*, and names ending in D after the voltage (LVCMOS33D,
    // SSTL15D_I) or in _D.
    static bool isDifferential(const std::string& standard);
};

#endif
