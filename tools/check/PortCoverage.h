#ifndef IFX_PORTCOVERAGE_H
#define IFX_PORTCOVERAGE_H

#include "wjxmlinterfaceflowreader.h"

#include <map>
#include <set>

class CheckReport;
class PinFacts;

// The ports of each instance with a part map that its part maps put on pins,
// as their pin facts tell it: whole, by bits within their range, or as
// members of a group mapped to pins. Every port of such an instance is
// expected on a pin.
class PortCoverage {
public:
    void add(const PinFacts& facts);
    // Warns of each port of those instances on no pin, or with only some of
    // its bits on pins.
    void report(IWJInterfaceView* design, CheckReport& report) const;

private:
    struct Ports {
        std::set<IWJPort*> whole;
        std::map<IWJPort*, std::set<int>> bits;
        std::set<IWJPortGroup*> groups;
    };

    // Notes the ports of group and of the groups below it as on pins whole.
    static void cover(IWJPortGroup* group, Ports& ports);

    std::map<IWJCompInst*, Ports> m_instances;
};

#endif
