#ifndef WJXMLINTERCHANGE_IOSTANDARDS_H
#define WJXMLINTERCHANGE_IOSTANDARDS_H

#include "wjxmlinterchange/WJInterchangeExport.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class IWJCompInst;
class IWJPort;
class IWJPortGroup;

/// The IO standards of one instance's ports as a design holds them, in the
/// format's own elements: a bus interface named IO_STANDARDS holds one port
/// group of type voltageDefn per standard, named after it (LVCMOS33,
/// "3.3-V LVTTL"), with the supply voltage the standard implies, if any;
/// the group references the ports, or ranges of their bits, that use the
/// standard. A reference to a differential pair gives both its members the
/// standard.
class WJ_INTERCHANGE_API IoStandards {
public:
    /// The name of the bus interface that holds the standards.
    static const char* busInterfaceName();
    /// Whether group is that bus interface (its name in any letter case).
    static bool holdsStandards(IWJPortGroup* group);

    /// Bits lsb to msb (lsb <= msb) of a port, with their standard.
    struct Range {
        int lsb;              ///< the first bit of the range
        int msb;              ///< the last bit of the range
        std::string standard; ///< the standard's name, as the group is named
    };

    /// Reads the standards of instance.
    explicit IoStandards(IWJCompInst* instance);

    /// The standard of a bit of port, or of the whole port for bit -1; a
    /// bit without one of its own has the whole port's. "" when none.
    std::string of(IWJPort* port, int bit) const;
    /// The ports that have a standard, or a bit with one.
    std::vector<IWJPort*> ports() const;
    /// The ranges of port's bits with a standard of their own, lowest first.
    std::vector<Range> ranges(IWJPort* port) const;

private:
    /// The standards of one port: of the whole port, and of bit ranges by
    /// their lowest bit, each with its highest bit.
    struct PortStandards {
        std::string whole;
        std::map<int, std::pair<int, std::string>> ranges;
    };

    void add(IWJPort* port, int lsb, int msb, const std::string& standard);

    std::map<IWJPort*, PortStandards> m_ports;
};

#endif
