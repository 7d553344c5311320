#ifndef IFX_RENDERCOMMAND_H
#define IFX_RENDERCOMMAND_H

#include <string>

namespace CLI {
class App;
}

// ifx render: the pin-out of each part map, drawn as one HTML page ("-":
// standard output), or with svg as one SVG file per part map in the folder
// output, named after the instance's refdes. A page name whose extension is
// not .html or .htm is refused, as are "-" and a new folder named like a file
// (.svg, .html, ...) for SVG files. Files are written as the library saves
// them, into a temporary file renamed over the old one, and never over the
// design read. bottom draws the footprints seen from below.
class RenderCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    static int run(const std::string& fileName, const std::string& output, bool svg, bool bottom);
};

#endif
