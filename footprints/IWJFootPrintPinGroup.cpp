#include "wjxmlinterfaceflowreader/IWJFootPrintPinGroup.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJFootPrintPinGroup::IWJFootPrintPinGroup() {}

IWJFootPrintPinGroup::IWJFootPrintPinGroup(const IWJFootPrintPinGroup&) {}

IWJFootPrintPinGroup& IWJFootPrintPinGroup::operator=(const IWJFootPrintPinGroup&)
{
    return *this;
}

IWJFootPrintPinGroup::~IWJFootPrintPinGroup() {}
