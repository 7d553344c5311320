#ifndef IFX_PINREVIEWCHECKER_H
#define IFX_PINREVIEWCHECKER_H

#include "check/DesignIndex.h"
#include "check/PinAdjacency.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CheckReport;

// The pins that the port maps of one part map put each port on: by port id,
// by bit (-1 for the whole port), the pin ids.
using PortPins = std::map<std::string, std::map<int, std::set<std::string>>>;

// Compares what one part map puts on pins with what the instance declares:
// each port's count of pins, the pins of each voltage group's supply ports,
// and that the members of each differential pair sit on neighbouring pins.
class PinReviewChecker {
public:
    static void check(const DesignIndex::Instance& instance, const DesignIndex::Footprint& footprint,
                      const PortPins& mapped, CheckReport& report);

private:
    PinReviewChecker(const DesignIndex::Instance& instance, const DesignIndex::Footprint& footprint,
                     const PortPins& mapped, CheckReport& report)
        : m_instance(instance), m_footprint(footprint), m_mapped(mapped), m_report(report)
    {
    }

    void checkPinCounts();
    void checkPairs();
    void checkVoltageGroup(const DesignIndex::VoltageGroup& group, const char* type, const char* countChild);
    // The distinct pins of the ports, all bits together.
    std::set<std::string> pinsOf(const std::set<std::string>& ports) const;
    bool adjacent(const std::set<std::string>& a, const std::set<std::string>& b);
    const std::string& pinName(const std::string& id) const;

    const DesignIndex::Instance& m_instance;
    const DesignIndex::Footprint& m_footprint;
    const PortPins& m_mapped;
    CheckReport& m_report;
    // Made for the first pair: the footprint's neighbours, and the pins that
    // the port maps put a signal (no supply) on.
    std::unique_ptr<PinAdjacency> m_adjacency;
    std::vector<bool> m_signal;
};

#endif
