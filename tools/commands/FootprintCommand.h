#ifndef IFX_FOOTPRINTCOMMAND_H
#define IFX_FOOTPRINTCOMMAND_H

#include <string>

namespace CLI {
class App;
}

// ifx footprint: a KiCad footprint's pads into a design's footprint.
class FootprintCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    // output, when empty, is designFile.
    static int run(const std::string& designFile, const std::string& footprintFile, const std::string& name,
                   const std::string& refdes, const std::string& output);
};

#endif
