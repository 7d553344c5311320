#include "wjxmlinterfaceflowreader/IWJCompBusInterface.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJCompBusInterface::IWJCompBusInterface() {}

IWJCompBusInterface::IWJCompBusInterface(const IWJCompBusInterface& other) : IWJPortGroup(other) {}

IWJCompBusInterface& IWJCompBusInterface::operator=(const IWJCompBusInterface& other)
{
    IWJPortGroup::operator=(other);
    return *this;
}

IWJCompBusInterface::~IWJCompBusInterface() {}

// A bus interface has no group type, pin counts or voltage.

IWJPortGroup::IWJPortGroupType IWJCompBusInterface::groupType() const
{
    return NoType;
}

void IWJCompBusInterface::setGroupType(IWJPortGroupType) {}

int IWJCompBusInterface::numPhysPowerPins() const
{
    return 0;
}

int IWJCompBusInterface::numPhysGroundPins() const
{
    return 0;
}

void IWJCompBusInterface::setNumPhysPins(int, int) {}

const char* IWJCompBusInterface::voltage() const
{
    return "";
}

void IWJCompBusInterface::setVoltage(const char*) {}
