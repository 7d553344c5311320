#ifndef IFX_PORTGROUPINDEX_H
#define IFX_PORTGROUPINDEX_H

#include "wjxmlinterfaceflowreader.h"

#include <map>
#include <string>
#include <vector>

// The bus interfaces and port groups of one instance that each port, or bit
// range of a port, belongs to, through port references and the members of
// referenced differential pairs.
class PortGroupIndex {
public:
    explicit PortGroupIndex(IWJCompInst* instance);

    // The full name of the innermost group holding the bit of the port with
    // this full name (bit -1: the whole port); "" when none does.
    std::string groupOf(const std::string& portFullName, int bit) const;
    // The voltage of the group with this full name; "" when it has none.
    std::string voltageOf(const std::string& group) const;

private:
    struct Member {
        int lsb; // -1 with msb -1: the whole port
        int msb;
        int depth;
        std::string group;
    };

    void addGroup(IWJPortGroup* group, int depth);
    void addMember(IWJPort* port, int lsb, int msb, int depth, const std::string& group);

    std::map<std::string, std::vector<Member>> m_members; // by port full name
    std::map<std::string, std::string> m_voltages;        // by group full name
};

#endif
