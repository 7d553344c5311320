#ifndef IFX_PINMAPTABLE_H
#define IFX_PINMAPTABLE_H

#include "DesignIds.h"

#include <string>
#include <vector>

// One pin of a mapping. A pin mapping puts a port or one of its bits on one
// pin; a pin-group mapping puts a port on several pins, one row each; a group
// mapping puts a port group or bus interface on several pins, one row each,
// naming the group instead of a port.
struct PinMapRow {
    std::string refdes;
    std::string port; // full name; "" in a group mapping
    int bit;          // -1: the whole port, or a group mapping
    std::string pin;
    std::string pinId;
    std::string location;
    std::string padstack;
    std::string mapping; // "pin", "pin-group" or "group"
    std::string group;   // full name of the port group in a group mapping
};

// The pin assignment of a design, sorted by refdes, then port, then bit; the
// rows of group mappings follow the port rows of their instance.
class PinMapTable {
public:
    static const std::vector<std::string>& columns();

    // Only the instances whose refdes is onlyRefdes, unless that is empty.
    PinMapTable(IWJInterfaceView* design, const std::string& onlyRefdes);

    const std::vector<PinMapRow>& rows() const { return m_rows; }
    static std::vector<std::string> cells(const PinMapRow& row);

private:
    void addPartMap(IWJPartMap* partMap);
    void addPins(const PinMapRow& mapping, IWJFootPrintPinGroup* pins);
    void addPin(PinMapRow row, IWJFootPrintPin* pin);

    DesignIds m_ids;
    std::vector<PinMapRow> m_rows;
};

#endif
