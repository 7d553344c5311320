#ifndef IFX_PORTGROUPINDEX_H
#define IFX_PORTGROUPINDEX_H

#include "wjxmlinterfaceflowreader.h"

#include <map>
#include <string>
#include <vector>

// The bus interfaces and port groups of one instance that each port, or bit
// range of a port, belongs to, through port references and the members of
// referenced differential pairs. Each query takes time logarithmic in the
// references to the port, however many bits and references it has.
class PortGroupIndex {
public:
    explicit PortGroupIndex(IWJCompInst* instance);

    // The full name of the innermost group holding the bit of the port with
    // this full name (bit -1: the whole port); "" when none does. Of groups
    // equally deep, the first referenced wins.
    std::string groupOf(const std::string& portFullName, int bit) const;
    // The voltage of the group with this full name; "" when it has none.
    std::string voltageOf(const std::string& group) const;

private:
    struct Member {
        int lsb; // -1 with msb -1: the whole port
        int msb;
        int depth;
        int order; // of reference, from 0
        std::string group;
    };
    // The references to one port: which member holds each bit, as segments
    // starting at their key (null: none); the innermost member of the whole
    // port, and of all.
    struct Port {
        std::vector<Member> members;
        std::map<long long, const Member*> segments;
        const Member* whole = nullptr;
        const Member* deepest = nullptr;
    };

    void addGroup(IWJPortGroup* group, int depth);
    void addMember(IWJPort* port, int lsb, int msb, int depth, const std::string& group);
    static void index(Port& port);

    std::map<std::string, Port> m_ports;           // by port full name
    std::map<std::string, std::string> m_voltages; // by group full name
};

#endif
