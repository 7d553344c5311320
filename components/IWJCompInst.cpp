#include "wjxmlinterfaceflowreader/IWJCompInst.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJCompInst::IWJCompInst() {}

IWJCompInst::IWJCompInst(const IWJCompInst&) {}

IWJCompInst& IWJCompInst::operator=(const IWJCompInst&)
{
    return *this;
}

IWJCompInst::~IWJCompInst() {}
