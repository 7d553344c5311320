#ifndef IFX_PINREVIEWCHECKER_H
#define IFX_PINREVIEWCHECKER_H

#include "check/PinAdjacency.h"
#include "wjxmlinterfaceflowreader.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CheckReport;
struct PinMapRow;

// Compares what each part map puts on pins, as pinmap lists it, with what its
// instance declares: each port's count of pins, the pins of each voltage
// group's supply ports, and that the members of each differential pair sit on
// neighbouring pins. The design is read bound: its objects give the lines.
class PinReviewChecker {
public:
    static void check(IWJInterfaceView* design, CheckReport& report);

private:
    PinReviewChecker(IWJPartMap* partMap, const std::vector<const PinMapRow*>& rows, CheckReport& report);

    void checkPinCounts();
    void checkPairs();
    // The voltage groups of group and below, by their names ("U1.BUS.GROUP").
    void findVoltageGroups(IWJPortGroup* group, const std::string& name);
    void checkVoltageGroup(IWJPortGroup* group, const std::string& name, int type);
    // The distinct pins of the ports (by full name), all bits together.
    std::set<std::string> pinsOf(const std::set<std::string>& ports) const;
    bool adjacent(const std::set<std::string>& a, const std::set<std::string>& b);

    IWJCompInst* m_instance;
    CheckReport& m_report;
    std::string m_label;                     // the refdes, else the id
    std::map<std::string, IWJPort*> m_ports; // by full name
    // The footprint's pins, and the index of each by id.
    std::vector<std::string> m_pinNames;
    std::vector<std::string> m_pinLocations;
    std::map<std::string, std::size_t> m_pins;
    // The pins that the port maps put each port on: by port full name, by
    // bit (-1 for the whole port), the pin ids.
    std::map<std::string, std::map<int, std::set<std::string>>> m_mapped;
    std::vector<std::pair<IWJPortGroup*, std::string>> m_voltageGroups;
    // Made for the first pair: the footprint's neighbours, and the pins that
    // the port maps put a signal (no supply) on.
    std::unique_ptr<PinAdjacency> m_adjacency;
    std::vector<bool> m_signal;
};

#endif
