#ifndef IFX_CHECKCOMMAND_H
#define IFX_CHECKCOMMAND_H

#include <string>

namespace CLI {
class App;
}

// ifx check: what the schema cannot see. The library reads the file, keeping
// each element's line, and reports a file it refuses as it words it; then the
// references and mappings of the document read are checked. Exit 1 when there
// are errors, or with warningsAreErrors any warnings; otherwise 0. format is
// text, json (one JSON object) or waivers (a waiver file of the findings);
// the findings waiverFile names are counted as waived, not printed.
class CheckCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    // format is text, json or waivers; waiverFile, when not empty, names the
    // findings waived. package, when not empty, is a device pin list
    // (DevicePins::read) that the part map of refdes is checked against too.
    static int run(const std::string& fileName, const std::string& format, bool warningsAreErrors,
                   const std::string& waiverFile, const std::string& package = "", const std::string& refdes = "");
};

#endif
