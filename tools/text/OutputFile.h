#ifndef IFX_OUTPUTFILE_H
#define IFX_OUTPUTFILE_H

#include <string>
#include <vector>

// Writes a command's text output: to a temporary file beside the target,
// flushed and renamed over it, so that a failed write leaves the old file
// as it was.
class OutputFile {
public:
    // Writes text to path; "" or "-" is standard output. A path that is one
    // of inputs (the same file under any name) is refused. Problems are
    // printed on stderr; false then.
    static bool write(const std::string& path, const std::string& text, const std::vector<std::string>& inputs);
    // The input that path is (the same file under any name); "" when none.
    static std::string inputAt(const std::string& path, const std::vector<std::string>& inputs);
};

#endif
