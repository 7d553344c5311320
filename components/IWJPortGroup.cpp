#include "wjxmlinterfaceflowreader/IWJPortGroup.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJPortGroup::IWJPortGroup() {}

IWJPortGroup::IWJPortGroup(const IWJPortGroup&) {}

IWJPortGroup& IWJPortGroup::operator=(const IWJPortGroup&)
{
    return *this;
}

IWJPortGroup::~IWJPortGroup() {}
