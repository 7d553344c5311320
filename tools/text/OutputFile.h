#ifndef IFX_OUTPUTFILE_H
#define IFX_OUTPUTFILE_H

#include <string>
#include <vector>

// Writes the files of the commands as the library saves designs: "-" is
// standard output; a file is written to a temporary file beside it and
// renamed over it, so a failed write leaves the old file as it was.
class OutputFile {
public:
    // Writes text to fileName; false, said on stderr, when it could not.
    static bool write(const std::string& fileName, const std::string& text);
    // Whether output names one of inputs (the same file by any path); said on
    // stderr for command, as an output never replaces an input.
    static bool replacesInput(const char* command, const std::string& output, const std::vector<std::string>& inputs);
};

#endif
