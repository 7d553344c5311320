#ifndef WJXMLINTERCHANGE_IOSTANDARDWRITER_H
#define WJXMLINTERCHANGE_IOSTANDARDWRITER_H

#include "wjxmlinterchange/IoStandards.h"

#include <map>
#include <string>
#include <vector>

class IWJCompInst;
class IWJPort;
class IWJPortGroup;

// Sets IO standards of an instance's ports and writes them into the
// instance as IoStandards reads them: one group per standard, each
// referencing whole ports where all bits share it, else runs of bits.
class IoStandardWriter {
public:
    // Starts from the standards the instance holds; those set override them.
    explicit IoStandardWriter(IWJCompInst* instance);

    // Sets the standard of a bit, or of every bit of the port for bit -1.
    void set(IWJPort* port, int bit, const std::string& standard);
    // Whether the whole port or one of its bits has a differential standard.
    bool isDifferential(IWJPort* port) const;
    // The instance's standards into its IO_STANDARDS bus interface, made
    // when missing. Groups and references are reused where they exist, so
    // that writing the standards read changes nothing.
    void write();

private:
    struct PortStandards {
        bool wholeSet = false;
        std::string whole;
        std::map<int, std::string> bits;
    };
    struct Reference {
        IWJPort* port;
        int lsb;
        int msb;
    };
    // A whole port (lsb and msb -1) or a run of its bits, with a standard.
    struct Run {
        Reference reference;
        std::string standard;
    };
    struct Group {
        std::string name;
        std::vector<Reference> references;
    };

    std::vector<Run> runs(IWJPort* port) const;
    std::map<std::string, Group> groups() const; // by upper-case standard
    static void fill(IWJPortGroup* group, const std::vector<Reference>& references);

    IWJCompInst* m_instance;
    IoStandards m_held;
    std::map<IWJPort*, PortStandards> m_set;
};

#endif
