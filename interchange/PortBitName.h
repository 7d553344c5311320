#ifndef WJXMLINTERCHANGE_PORTBITNAME_H
#define WJXMLINTERCHANGE_PORTBITNAME_H

#include <string>

// The names that constraint files give port bits: "x" for the whole port,
// "x[3]" for bit 3.
class PortBitName {
public:
    // Splits text (surrounding blanks ignored) into the port and the bit;
    // false, with problem, when the text is no such name.
    static bool parse(const std::string& text, std::string* port, int* bit, std::string* problem);
    static std::string format(const std::string& port, int bit);
};

#endif
