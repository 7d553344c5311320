#ifndef WJXML_PYTHON_HANDLES_H
#define WJXML_PYTHON_HANDLES_H

#include "ModelHandle.h"

#include <wjxmlinterfaceflowreader.h>

// The handle types behind the module's Python classes.
using InstanceHandle = ModelHandle<IWJCompInst>;
using PortHandle = ModelHandle<IWJPort>;
using GroupHandle = ModelHandle<IWJPortGroup>;
using BusInterfaceHandle = ModelHandle<IWJCompBusInterface>;
using FootprintHandle = ModelHandle<IWJFootPrint>;
using PinHandle = ModelHandle<IWJFootPrintPin>;
using PartMapHandle = ModelHandle<IWJPartMap>;

// A differential pair: a port that also has a positive and a negative member.
class DiffPortHandle : public PortHandle {
public:
    using PortHandle::PortHandle;

    IWJDPPort* pair() const { return dynamic_cast<IWJDPPort*>(get()); }
};

#endif
