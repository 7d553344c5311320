#ifndef IFX_DESIGNINDEX_H
#define IFX_DESIGNINDEX_H

#include <xercesc/dom/DOMElement.hpp>

#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CheckReport;

// What the references of a parsed file can name, filed by id as the library
// files it: within an instance for its ports, pairs, bus interfaces and
// groups, within a footprint for its pins; of two objects with one id the
// later is found.
class DesignIndex {
public:
    struct Port {
        const xercesc::DOMElement* element;
        std::string name; // the instance port name, else the name
        int lsb;          // -1: no value
        int msb;
        std::string type; // in lower case, as the library reads it
        int pins;         // the declared count; 0: none
    };
    struct Pair {
        const xercesc::DOMElement* element;
        std::vector<std::string> members; // the ids of its ports
    };
    struct VoltageGroup {
        const xercesc::DOMElement* element;
        std::string name; // "U1.BUS.GROUP"
    };
    struct Instance {
        const xercesc::DOMElement* element;
        std::string label; // the refdes, else the id
        std::map<std::string, Port> ports;
        std::map<std::string, Pair> pairs;
        std::map<std::string, const xercesc::DOMElement*> busInterfaces;
        std::map<std::string, const xercesc::DOMElement*> groups;
        std::vector<VoltageGroup> voltageGroups; // in document order
    };
    struct Footprint {
        std::string label;                    // the name, else the id
        std::unordered_set<std::string> pins; // by id
    };

    // Files everything below root and reports each id used twice.
    DesignIndex(const xercesc::DOMElement* root, CheckReport& report);

    // In document order.
    const std::vector<Instance>& instances() const { return m_instances; }
    const Instance* instance(const std::string& id) const;
    const Footprint* footprint(const std::string& id) const;

private:
    void addInstance(const xercesc::DOMElement* element);
    void addGroups(Instance& instance, const xercesc::DOMElement* parent, const std::string& owner);
    void addFootprint(const xercesc::DOMElement* element);
    // Reports the element's id when an earlier element has it too.
    void noteId(const xercesc::DOMElement* element);

    CheckReport& m_report;
    std::unordered_map<std::string, const xercesc::DOMElement*> m_ids;
    std::vector<Instance> m_instances;
    std::unordered_map<std::string, std::size_t> m_instanceIds;
    std::unordered_map<std::string, Footprint> m_footprints;
};

#endif
