#include "wjxmlinterfaceflowreader/IWJPort.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJPort::IWJPort() {}

IWJPort::IWJPort(const IWJPort&) {}

IWJPort& IWJPort::operator=(const IWJPort&)
{
    return *this;
}

IWJPort::~IWJPort() {}
