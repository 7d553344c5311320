#include "wjxmlinterfaceflowreader/IWJPartMap.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJPartMap::IWJPartMap() {}

IWJPartMap::IWJPartMap(const IWJPartMap&) {}

IWJPartMap& IWJPartMap::operator=(const IWJPartMap&)
{
    return *this;
}

IWJPartMap::~IWJPartMap() {}
