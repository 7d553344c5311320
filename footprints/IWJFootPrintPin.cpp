#include "wjxmlinterfaceflowreader/IWJFootPrintPin.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJFootPrintPin::IWJFootPrintPin() {}

IWJFootPrintPin::IWJFootPrintPin(const IWJFootPrintPin&) {}

IWJFootPrintPin& IWJFootPrintPin::operator=(const IWJFootPrintPin&)
{
    return *this;
}

IWJFootPrintPin::~IWJFootPrintPin() {}
