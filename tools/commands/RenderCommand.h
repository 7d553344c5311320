#ifndef IFX_RENDERCOMMAND_H
#define IFX_RENDERCOMMAND_H

#include <string>

struct RenderOptions {
    std::string output; // the page, "-" for standard output, or with svg the folder
    bool svg = false;
    bool bottom = false;
    std::string package; // a device pin list (DevicePins::read); "" for none
    std::string refdes;  // the instance drawn with the package's balls; "" for the design's one part map
};

namespace CLI {
class App;
}

// ifx render: the pin-out of each part map, drawn as one HTML page ("-":
// standard output), or with svg as one SVG file per part map in the folder
// output, named after the instance's refdes. A page name whose extension is
// not .html or .htm is refused, as are "-" and a new folder named like a file
// (.svg, .html, ...) for SVG files. Files are written as the library saves
// them, into a temporary file renamed over the old one, and never over the
// design read. bottom draws the footprints seen from below. With a package,
// the part maps of refdes show what its balls are for (PinoutPackage).
class RenderCommand {
public:
    // Registers the command with app; its run sets result.
    static void add(CLI::App& app, int& result);
    static int run(const std::string& fileName, const RenderOptions& options);
};

#endif
