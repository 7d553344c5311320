#ifndef IFX_EXPORTCOMMAND_H
#define IFX_EXPORTCOMMAND_H

#include "wjxmlinterchange/PinConstraints.h"

#include <string>

namespace CLI {
class App;
}

// ifx export: the pin mappings of one instance as a constraint file.
class ExportCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    // format, when empty, is taken from the extension of output; output, when
    // empty, is standard output.
    static int run(const std::string& designFile, const std::string& refdes, const std::string& format,
                   const std::string& output, const std::string& ioStandard);
};

#endif
