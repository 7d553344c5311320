#ifndef WJXML_TESTS_MODELSNAPSHOT_H
#define WJXML_TESTS_MODELSNAPSHOT_H

#include "wjxmlinterfaceflowreader.h"

#include <string>

// A text of everything a host can see of a design through the interfaces, one
// line per object or mapping, independent of object addresses: two views are
// the same model when their snapshots are equal.
std::string modelSnapshot(IWJInterfaceView* view);

#endif
