#ifndef IFX_EDITNAMES_H
#define IFX_EDITNAMES_H

#include "edit/PinEdits.h"

#include <string>
#include <vector>

// Finds what an edit names on the command line: instances by refdes, ports
// and their bits, pins. Names are matched in any ASCII letter case; a name
// that finds nothing is a problem that suggests the closest names.
class EditNames {
public:
    static bool sameName(const std::string& a, const std::string& b);
    // The part map of the instance with that refdes.
    static IWJPartMap* findPartMap(IWJInterfaceView* design, const std::string& refdes, std::string* problem);
    // "D", "D[3]", "D<3>" or "D 3" on the instance; a port named by the
    // whole text comes first.
    static bool findPort(IWJCompInst* instance, const std::string& text, PortBit* found, std::string* problem);
    static IWJFootPrintPin* findPin(IWJFootPrint* footprint, const std::string& name, std::string* problem);
    // Up to three of names closest to text, as "; did you mean A, B?", or
    // "" when none is close.
    static std::string closest(const std::string& text, const std::vector<std::string>& names);
};

#endif
