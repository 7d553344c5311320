#include "wjxmlinterfaceflowreader/IWJInterfaceView.h"

// Defined here so that the table of virtual functions and the type information
// are emitted once, in the library.

IWJInterfaceView::IWJInterfaceView() {}

IWJInterfaceView::IWJInterfaceView(const IWJInterfaceView&) {}

IWJInterfaceView& IWJInterfaceView::operator=(const IWJInterfaceView&)
{
    return *this;
}

IWJInterfaceView::~IWJInterfaceView() {}
