#ifndef IFX_KICADEXPORT_H
#define IFX_KICADEXPORT_H

#include <string>

// The KiCad formats of ifx export: kicad_sym writes the instance as a
// symbol, kicad_mod its footprint.
class KicadExport {
public:
    // Whether format names a KiCad format, or is empty and output's
    // extension does, or a package is given, which only kicad_sym takes.
    static bool handles(const std::string& format, const std::string& output, const std::string& package);
    // output, when empty, is standard output; package, when not empty, a
    // device pin list (DevicePins::read) that names the unmapped pins. An
    // ioStandard, which KiCad files do not carry, is refused.
    static int run(const std::string& designFile, const std::string& refdes, const std::string& format,
                   const std::string& output, const std::string& package, const std::string& ioStandard);
};

#endif
