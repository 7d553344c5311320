#ifndef IFX_PINMAPCOMMAND_H
#define IFX_PINMAPCOMMAND_H

#include <string>

// ifx pinmap: the pin assignment table as text, CSV or JSON.
class PinMapCommand {
public:
    // format is "table", "csv" or "json"; refdes, when not empty, keeps the
    // rows of that instance only.
    static int run(const std::string& fileName, const std::string& refdes, const std::string& format);
};

#endif
