#ifndef IFX_DESIGNINDEX_H
#define IFX_DESIGNINDEX_H

#include "check/XmlElement.h"

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

class CheckReport;

// What the references of a parsed file can name, filed by id as the library
// files it: within an instance for its ports, pairs, bus interfaces and
// groups, within a footprint for its pins; of two objects with one id the
// later is found.
class DesignIndex {
public:
    struct Port {
        const XmlElement* element;
        std::string name; // the instance port name, else the name
        int lsb;          // -1: no value
        int msb;
        std::string type; // in lower case, as the library reads it
        int pins;         // the declared count; 0: none
    };
    struct Pair {
        const XmlElement* element;
        std::vector<std::string> members; // the ids of its ports
    };
    struct VoltageGroup {
        const XmlElement* element;
        std::string name; // "U1.BUS.GROUP"
    };
    struct Instance {
        const XmlElement* element;
        std::string label; // the refdes, else the id
        std::map<std::string, Port> ports;
        std::map<std::string, Pair> pairs;
        std::map<std::string, const XmlElement*> busInterfaces;
        std::map<std::string, const XmlElement*> groups;
        std::vector<VoltageGroup> voltageGroups; // in document order
    };
    struct Footprint {
        std::string label; // the name, else the id
        // The pins in document order, and the index of each by id.
        std::vector<std::string> pinNames;
        std::vector<std::string> pinLocations;
        std::unordered_map<std::string, std::size_t> pins;
    };

    // Files everything below root and reports each id used twice.
    DesignIndex(const XmlElement* root, CheckReport& report);

    // In document order.
    const std::vector<Instance>& instances() const { return m_instances; }
    const Instance* instance(const std::string& id) const;
    const Footprint* footprint(const std::string& id) const;

private:
    void addInstance(const XmlElement* element);
    void addGroups(Instance& instance, const XmlElement* parent, const std::string& owner);
    void addFootprint(const XmlElement* element);
    // Reports the element's id when an earlier element has it too.
    void noteId(const XmlElement* element);

    CheckReport& m_report;
    std::unordered_map<std::string, const XmlElement*> m_ids;
    std::vector<Instance> m_instances;
    std::unordered_map<std::string, std::size_t> m_instanceIds;
    std::unordered_map<std::string, Footprint> m_footprints;
};

#endif
