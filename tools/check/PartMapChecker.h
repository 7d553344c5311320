#ifndef IFX_PARTMAPCHECKER_H
#define IFX_PARTMAPCHECKER_H

#include "check/DesignIndex.h"
#include "model/PinFacts.h"

#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CheckReport;

// The pins that the port maps of one part map put each port on: by port id,
// by bit (-1 for the whole port), the pin ids.
using PortPins = std::map<std::string, std::map<int, std::set<std::string>>>;

// Checks the part maps: their references, the bits they map, pins mapped to
// two port bits (shorts), port bits mapped twice, and the ports that the part
// maps of an instance leave without pins.
class PartMapChecker {
public:
    static void check(const xercesc::DOMElement* root, const DesignIndex& index, CheckReport& report);

private:
    // The ports of one instance that its part maps put on pins.
    struct Coverage {
        std::set<std::string> wholePorts;
        std::map<std::string, std::set<int>> bits; // by port id
        std::set<const xercesc::DOMElement*> groups;
    };
    // A mapping that put a pin to use.
    struct PinUse {
        pinfacts::PortBit portBit; // the port by id
        const xercesc::DOMElement* where;
    };
    // The distinct port bits on one pin.
    struct PinUses {
        std::set<pinfacts::PortBit> seen;
        std::vector<PinUse> inOrder;
    };
    // One part map being checked.
    struct PartMap {
        const DesignIndex::Instance* instance;
        const DesignIndex::Footprint* footprint;
        std::map<std::pair<std::string, int>, const xercesc::DOMElement*> mappedBits;
        std::unordered_map<std::string, PinUses> pins;
        PortPins portPins;
    };

    PartMapChecker(const DesignIndex& index, CheckReport& report) : m_index(index), m_report(report) {}

    void checkPartMap(const xercesc::DOMElement* element);
    void checkPortMap(PartMap& partMap, const xercesc::DOMElement* portMap);
    // The bit a port map names, -1 for none; false when it is no valid bit,
    // with bit set when that is a number outside the port's bits.
    bool readBit(const DesignIndex::Port& port, const xercesc::DOMElement* portRef, const std::string& name, int& bit);
    void checkGroupMap(PartMap& partMap, const xercesc::DOMElement* groupMap);
    // The port group or bus interface a group map names, if it can be mapped.
    const xercesc::DOMElement* findGroup(const DesignIndex::Instance& instance, const xercesc::DOMElement* groupMap);
    // Checks that each PinRef child of element names a pin of the footprint
    // and, when a port is given, that the pin serves no other port bit.
    void checkPins(PartMap& partMap, const xercesc::DOMElement* element, const std::string* port, int bit);
    // Reports a bit mapped to pins its whole port, mapped too, is not on:
    // the two mappings contradict each other.
    void checkWholeAndBits(const PartMap& partMap);
    // Notes the ports of group and of the groups below it as mapped.
    void cover(const DesignIndex::Instance& instance, const xercesc::DOMElement* group);
    void reportUnmappedPorts();
    // "U1.DATA" or "U1.DATA<3>".
    static std::string portName(const DesignIndex::Instance& instance, const std::string& port, int bit);

    const DesignIndex& m_index;
    CheckReport& m_report;
    std::map<const DesignIndex::Instance*, Coverage> m_coverage;
};

#endif
