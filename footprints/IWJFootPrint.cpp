#include "wjxmlinterfaceflowreader/IWJFootPrint.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJFootPrint::IWJFootPrint() {}

IWJFootPrint::IWJFootPrint(const IWJFootPrint&) {}

IWJFootPrint& IWJFootPrint::operator=(const IWJFootPrint&)
{
    return *this;
}

IWJFootPrint::~IWJFootPrint() {}
