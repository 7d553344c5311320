#ifndef IFX_EDITCOMMAND_H
#define IFX_EDITCOMMAND_H

#include "edit/PinEdits.h"

#include <functional>
#include <string>

namespace CLI {
class App;
}

// ifx map, unmap, swap and set-type: one edit of one instance's pins or
// ports, written to the design (or -o) as the library saves, with one line
// per change on standard output.
class EditCommand {
public:
    // Where an edit is made and written.
    struct Target {
        std::string design;
        std::string refdes;
        std::string output; // "" writes the design file
    };
    // The edit, on the instance's part map; a refusal changes nothing.
    using Edit = std::function<EditOutcome(IWJPartMap* partMap, std::string* problem)>;

    // Registers the four commands with app; the one run sets result.
    static void add(CLI::App& app, int& result);
    // Reads the design, makes the edit and writes the design: 0, or 1 with
    // nothing written. command names the program in LastUpdatedBy.
    static int run(const Target& target, const std::string& command, const Edit& edit);
};

#endif
