#include "wjxmlinterfaceflowreader/IWJDPPort.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJDPPort::IWJDPPort() {}

IWJDPPort::IWJDPPort(const IWJDPPort& other) : IWJPort(other) {}

IWJDPPort& IWJDPPort::operator=(const IWJDPPort& other)
{
    IWJPort::operator=(other);
    return *this;
}

IWJDPPort::~IWJDPPort() {}
