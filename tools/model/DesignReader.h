#ifndef IFX_DESIGNREADER_H
#define IFX_DESIGNREADER_H

#include "wjxmlinterfaceflowreader.h"

#include <memory>
#include <string>

using Design = std::unique_ptr<IWJInterfaceView>;

// Reads and writes designs through the library. Every problem is printed once,
// on stderr, as the library words it.
class DesignReader {
public:
    // The design in fileName, or null when it cannot be read. With bind, edits
    // of the design would be written back by write(), and the model objects
    // give their elements; with keepLines, the library keeps each element's
    // line.
    static Design read(const std::string& fileName, bool bind = false, bool keepLines = false);
    // Writes the design to fileName as the library saves files; "-" is
    // standard output.
    static bool write(IWJInterfaceView* design, const std::string& fileName);

private:
    static bool writeToStandardOutput(IWJInterfaceView* design);
};

#endif
