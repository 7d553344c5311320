#ifndef IFX_PINMAPTABLE_H
#define IFX_PINMAPTABLE_H

#include "wjxmlinterfaceflowreader.h"

#include <string>
#include <vector>

class PinFacts;

// One pin of a mapping. A pin mapping puts a port or one of its bits on one
// pin; a pin-group mapping puts a port on several pins, one row each; a group
// mapping puts a port group or bus interface on several pins, one row each,
// naming the group instead of a port. With all pins, an unmapped pin has a
// row of its own with only the pin's columns.
struct PinMapRow {
    std::string refdes;
    std::string port;     // full name; "" in a group mapping
    std::string portName; // the port's Name when its local name differs
    std::string type;     // of the port
    int bit;              // -1: the whole port, or a group mapping
    std::string pin;
    std::string pinId;
    std::string location;
    std::string padstack;
    std::string mapping;    // "pin", "pin-group", "group", or "" for an unmapped pin
    std::string group;      // full name of the port group in a group mapping
    std::string pair;       // full name of the differential pair holding the port
    std::string polarity;   // "P" or "N" in a pair
    std::string portGroup;  // full name of the innermost group holding the bit
    std::string voltage;    // of that group
    std::string ioStandard; // of the bit, or of the whole port
    int partMap;            // of the row's part map among the design's, from 0
};

// The pin assignment of a design as its pin facts tell it, by refdes, then
// port, bit and pin, or by refdes, then pin, port and bit; names and numbers
// in natural order. The rows of group mappings follow the port rows of their
// instance.
class PinMapTable {
public:
    enum class Order { Port, Pin };

    static const std::vector<std::string>& columns();

    // Only the instances whose refdes is onlyRefdes in any letter case,
    // unless that is empty; allPins adds the footprint's unmapped pins.
    PinMapTable(IWJInterfaceView* design, const std::string& onlyRefdes, bool allPins = false,
                Order order = Order::Port);

    const std::vector<PinMapRow>& rows() const { return m_rows; }
    static std::vector<std::string> cells(const PinMapRow& row);
    // The part map of the rows with that number in design, which must be
    // the design the table was made of; null when there is none.
    static IWJPartMap* partMapAt(IWJInterfaceView* design, int number);

private:
    void addPartMap(const PinFacts& facts, bool allPins);

    std::vector<PinMapRow> m_rows;
};

#endif
