#ifndef IFX_KICADEXPORT_H
#define IFX_KICADEXPORT_H

#include <string>

// The KiCad formats of ifx export: kicad_sym writes the instance as a
// symbol, kicad_mod its footprint.
class KicadExport {
public:
    // Whether format names a KiCad format, or is empty and output's
    // extension does.
    static bool handles(const std::string& format, const std::string& output);
    // output, when empty, is standard output.
    static int run(const std::string& designFile, const std::string& refdes, const std::string& format,
                   const std::string& output);
};

#endif
