#ifndef WJXML_FUZZ_ROUNDTRIPCHECK_H
#define WJXML_FUZZ_ROUNDTRIPCHECK_H

#include "wjxmlinterfaceflowreader.h"

#include <string>

// Saves a design and checks that nothing is lost: the written file reads back,
// bound and unbound, as the same model a host sees in memory, and writing what
// was read back gives the same bytes again.
class RoundTripCheck {
public:
    // folder: where the written files go, named after the name passed to check.
    explicit RoundTripCheck(std::string folder);

    // "" when the view survives the round trip; otherwise what went wrong.
    std::string check(IWJInterfaceView* view, const std::string& name) const;
    // The file check writes the view to.
    std::string pathOf(const std::string& name) const;

private:
    std::string m_folder;
};

// The first line where two snapshots differ, for a failure message.
std::string firstDifference(const std::string& expected, const std::string& actual);

#endif
