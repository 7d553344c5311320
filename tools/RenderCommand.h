#ifndef IFX_RENDERCOMMAND_H
#define IFX_RENDERCOMMAND_H

#include <string>

// ifx render: the pin-out of each part map, drawn as one HTML page ("-":
// standard output), or with svg as one SVG file per part map in the folder
// output, named after the instance's refdes. A page name whose extension is
// not .html or .htm is refused, as is "-" for SVG files. bottom draws the
// footprints seen from below.
class RenderCommand {
public:
    static int run(const std::string& fileName, const std::string& output, bool svg, bool bottom);
};

#endif
