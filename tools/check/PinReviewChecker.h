#ifndef IFX_PINREVIEWCHECKER_H
#define IFX_PINREVIEWCHECKER_H

#include "check/PinAdjacency.h"
#include "wjxmlinterfaceflowreader.h"

#include <xercesc/dom/DOMElement.hpp>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CheckReport;
class MappingLines;
class PinFacts;

// Reviews what each part map puts on pins, as its pin facts tell it: pins
// whose port bits short each other, ports with bits mapped whole to one pin,
// bits on pins that their whole port, mapped too, is not on; and against what
// the instance declares, each port's count of pins, the pins of each voltage
// group's supply ports, and that the members of each differential pair sit on
// neighbouring pins; then the ports left without pins (PortCoverage). The
// design is read bound: its objects give the lines, and lines those of the
// mappings.
class PinReviewChecker {
public:
    static void check(IWJInterfaceView* design, const MappingLines& lines, CheckReport& report);

private:
    PinReviewChecker(const PinFacts& facts, const MappingLines& lines, CheckReport& report);

    void checkShorts(const PinFacts& facts);
    void checkWholePorts(const PinFacts& facts);
    void checkPinCounts();
    void checkPairs();
    // The voltage groups of group and below, by their names ("U1.BUS.GROUP").
    void findVoltageGroups(IWJPortGroup* group, const std::string& name);
    void checkVoltageGroup(IWJPortGroup* group, const std::string& name, int type);
    // The distinct pins of the ports (by full name), all bits together.
    std::set<std::string> pinsOf(const std::set<std::string>& ports) const;
    bool adjacent(const std::set<std::string>& a, const std::set<std::string>& b);
    // "U1.DATA" or "U1.DATA<3>".
    std::string portName(IWJPort* port, int bit) const;

    IWJCompInst* m_instance;
    const xercesc::DOMElement* m_partMap;
    const MappingLines& m_lines;
    CheckReport& m_report;
    std::string m_label;
    std::map<std::string, IWJPort*> m_ports; // by full name
    // The footprint's pins, and the index of each by id.
    std::vector<std::string> m_pinNames;
    std::vector<std::string> m_pinLocations;
    std::map<std::string, std::size_t> m_pins;
    // The pins that the mappings put each port on: by port full name, by
    // bit (-1 for the whole port), the pin ids.
    std::map<std::string, std::map<int, std::set<std::string>>> m_mapped;
    std::vector<std::pair<IWJPortGroup*, std::string>> m_voltageGroups;
    // Whether a port that is no supply is on each pin.
    std::vector<bool> m_signal;
    // The footprint's neighbours, made for the first pair.
    std::unique_ptr<PinAdjacency> m_adjacency;
};

#endif
