#ifndef IFX_VALIDATECOMMAND_H
#define IFX_VALIDATECOMMAND_H

#include <string>
#include <vector>

namespace CLI {
class App;
}

// ifx validate: reads each file through the library, which checks it against
// the schema. Exit 0 when all are valid, 1 when any is not.
class ValidateCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    static int run(const std::vector<std::string>& fileNames);
};

#endif
