#include "wjxmlinterfaceflowreader/IWJPortRef.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJPortRef::IWJPortRef() {}

IWJPortRef::IWJPortRef(const IWJPortRef&) {}

IWJPortRef& IWJPortRef::operator=(const IWJPortRef&)
{
    return *this;
}

IWJPortRef::~IWJPortRef() {}
