#ifndef WJXML_TESTS_ROBUSTNESS_DESIGNEDITS_H
#define WJXML_TESTS_ROBUSTNESS_DESIGNEDITS_H

#include "wjxmlinterfaceflowreader.h"

// Adds an instance with every kind of port, a bus interface with nested groups, a
// footprint with pins and a part map with each kind of mapping, and renames
// the design. An add that gives nothing back (memory ran out) ends the edits.
void editDesign(IWJInterfaceView* view);

#endif
