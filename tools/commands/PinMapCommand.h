#ifndef IFX_PINMAPCOMMAND_H
#define IFX_PINMAPCOMMAND_H

#include <string>

struct PinMapOptions {
    std::string refdes;  // when not empty, only that instance, in any letter case
    std::string format;  // "table", "csv" or "json"
    bool allPins;        // the unmapped pins of the footprints too
    bool sortByPin;      // by refdes and pin instead of refdes and port
    std::string package; // a device pin list (DevicePins::read)
    bool free;           // the package's user I/O balls no mapping uses, by bank, instead
};

namespace CLI {
class App;
}

// ifx pinmap: the pin assignment table as text, CSV or JSON.
class PinMapCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    static int run(const std::string& fileName, const PinMapOptions& options);
};

#endif
