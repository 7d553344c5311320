#ifndef WJXMLKICAD_DEVICEPINS_H
#define WJXMLKICAD_DEVICEPINS_H

#include <string>
#include <unordered_map>
#include <vector>

/// One pin of a device package: a ball or lead with its function.
struct DevicePin {
    std::string number;  ///< the ball or lead, such as A1: the footprint's pin name
    std::string name;    ///< the function, such as IO_L4N_T0_15, VCCO_34 or GND
    std::string type;    ///< the electrical type as KiCad words it: input, bidirectional, power_in, ...
    std::string bank;    ///< the bank; "" when none is known
    std::string partner; ///< the number of the other pin of its differential pair; "" when none
};

/// The pin list of a device package, read from a KiCad symbol or a CSV
/// table.
///
/// A symbol gives each pin its number, name and electrical type; a pin that
/// several units draw is one pin. Its bank is the number that ends an I/O or
/// I/O supply function name (a name starting with IO or VCCO that ends in
/// _<digits>: IO_L4N_T0_15 and VCCO_15 are in bank 15; not IOB_24, whose
/// number after the side letter counts I/Os), else the number of the unit
/// that draws the pin ("" for a pin common to all units). A CSV
/// table has a header row naming its columns pin and name, and optionally
/// type and bank; a pin without a bank gets one from its name as above.
///
/// Differential partners are the two pins of one bank whose names carry
/// the same _L<n>P / _L<n>N pair mark, one P and one N (in any letter case),
/// as Xilinx names its pairs: IO_L4P_T0_15 and IO_L4N_T0_15, also
/// IO_L6P_T0_15 and IO_L6N_T0_VREF_15, whose other functions differ. A mark
/// that three or more pins of a bank share pairs none.
class DevicePins {
public:
    std::string device;          ///< the symbol's name, or the CSV file's
    std::vector<DevicePin> pins; ///< one per pin number, in the order the file first gives them

    /// Reads source: "FILE.kicad_sym:SYMBOL" (SYMBOL may be left out when the
    /// library holds one symbol) or "FILE.csv". False, with error
    /// "file:line:column: message" or "file:line: message", when it cannot.
    static bool read(const std::string& source, DevicePins* result, std::string* error);
    /// Reads a CSV pin table; name is used in messages.
    static bool readCsv(const std::string& name, const std::string& text, DevicePins* result, std::string* error);

    /// The pin of that number; null when there is none. Linear: index the
    /// pins for many look-ups.
    const DevicePin* find(const std::string& number) const;
    /// The pins by numberKey of their number.
    std::unordered_map<std::string, const DevicePin*> byNumber() const;
    /// The key of a number in byNumber: the number in upper case.
    static std::string numberKey(const std::string& number);
    /// The numbers of the package nearest to number in edit distance (at
    /// most 2), nearest first, at most three.
    std::vector<std::string> closest(const std::string& number) const;

    /// Whether the pin is a user I/O: its name starts with IO, in any case.
    static bool isUserIo(const DevicePin& pin);
    /// 'P' or 'N', the letter of the name's _L<n>P / _L<n>N mark; 0 for none.
    static char polarityOfName(const std::string& name);

    /// Gives every pin without a bank the bank its name says, and every pin
    /// its differential partner.
    void completeBanksAndPartners();

    /// The bank a function name ends with (see the class), or "".
    static std::string bankOfName(const std::string& name);
};

#endif
