#ifndef IFX_COPYCOMMAND_H
#define IFX_COPYCOMMAND_H

#include <string>

namespace CLI {
class App;
}

// ifx copy: reads a file and writes it again as the library saves designs.
class CopyCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    static int run(const std::string& input, const std::string& output);
};

#endif
