#ifndef WJXMLINTERCHANGE_PAIRMAKER_H
#define WJXMLINTERCHANGE_PAIRMAKER_H

#include <set>
#include <string>
#include <vector>

class IoStandardWriter;
class IWJCompInst;
class IWJPort;

// Makes differential pairs of an instance's ports: a port and the one whose
// name differs only in the polarity ending (PairName), when names may pair
// them or a differential IO standard of either says they are one.
class PairMaker {
public:
    PairMaker(IWJCompInst* instance, const IoStandardWriter& standards, bool byName);

    // Pairs port with its partner unless either is in a pair already; what
    // keeps them from being one is added to warnings, "where: warning: ...".
    // True when a pair was made.
    bool pair(IWJPort* port, const std::string& where, std::vector<std::string>* warnings);

private:
    IWJCompInst* m_instance;
    const IoStandardWriter& m_standards;
    bool m_byName;
    std::set<IWJPort*> m_paired;
};

#endif
