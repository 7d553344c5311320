#ifndef WJXMLINTERCHANGE_PINTABLE_H
#define WJXMLINTERCHANGE_PINTABLE_H

#include <string>
#include <vector>

class IWJInterfaceView;
class IWJFootPrintPinGroup;

// A port, or one bit of it, on one pin, by the port's local name, with the
// port's type word and the bit's IO standard ("" when none).
struct PinTableEntry {
    std::string port;
    int bit = -1;
    std::string pin;
    std::string type;
    std::string ioStandard;
};

// A mapping onto several pins: a port's pin-group mapping ("pin-group") or a
// port group's or bus interface's ("group"), by full name.
struct PinTableGroup {
    std::string kind;
    std::string name;
    std::vector<std::string> pins;
};

// The pin mappings of one instance, as an export writes them: the pin
// mappings sorted by port and bit, then the mappings onto several pins.
class PinTable {
public:
    // False when no instance of design has the refdes.
    bool collect(IWJInterfaceView* design, const std::string& refdes);

    const std::string& design() const { return m_design; }
    const std::string& refdes() const { return m_refdes; }
    const std::string& cell() const { return m_cell; }
    const std::vector<PinTableEntry>& entries() const { return m_entries; }
    // Gives the entries without an IO standard this one.
    void setDefaultStandard(const std::string& standard);
    const std::vector<PinTableGroup>& groups() const { return m_groups; }

private:
    void addGroup(const char* kind, const std::string& name, IWJFootPrintPinGroup* pins);

    std::string m_design;
    std::string m_refdes;
    std::string m_cell;
    std::vector<PinTableEntry> m_entries;
    std::vector<PinTableGroup> m_groups;
};

#endif
