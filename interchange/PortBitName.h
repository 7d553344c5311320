#ifndef WJXMLINTERCHANGE_PORTBITNAME_H
#define WJXMLINTERCHANGE_PORTBITNAME_H

#include <string>

class IWJCompInst;
class IWJPort;

// The names that constraint files give port bits: "x" for the whole port,
// "x[3]" for bit 3.
class PortBitName {
public:
    // Splits text (surrounding blanks ignored) into the port and the bit;
    // false, with problem, when the text is no such name.
    static bool parse(const std::string& text, std::string* port, int* bit, std::string* problem);
    static std::string format(const std::string& port, int bit);
    // The name a port is found and written by: its instance port name when
    // it has one, else its name.
    static std::string localName(IWJPort* port);
    // The port of instance with that local name, else with that name, in any
    // letter case; null when none has it.
    static IWJPort* find(IWJCompInst* instance, const std::string& name);
};

#endif
