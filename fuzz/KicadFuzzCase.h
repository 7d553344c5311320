#ifndef WJXML_FUZZ_KICADFUZZCASE_H
#define WJXML_FUZZ_KICADFUZZCASE_H

#include <string>

// One input of the KiCad fuzz target: the bytes are parsed as s-expressions,
// read as a footprint file, as a symbol library (every symbol's pins) and as
// a CSV pin list. A failure must say where (name:line:...); a parse must
// write back as text that parses to the same items; a footprint's pins must
// have names of their own and locations of two numbers; a pin list's
// numbers must be distinct and its differential partners must name each
// other.
class KicadFuzzCase {
public:
    // The input file goes to folder, named after name.
    KicadFuzzCase(std::string folder, std::string name);

    // "" when the readers behaved; otherwise what went wrong.
    std::string run(const std::string& content) const;

private:
    std::string m_path;
};

#endif
