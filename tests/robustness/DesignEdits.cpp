#include "DesignEdits.h"

#include <string>
#include <vector>

namespace {

// Made before any test runs: the fault test fails allocations of editDesign.
const std::vector<std::string> kGroupPins{"A1", "A2"};

} // namespace

void editDesign(IWJInterfaceView* view)
{
    view->setDesignName("edited");
    IWJCompInst* compInst = view->addCompInst("CELL", "U9");
    IWJPort* data = compInst ? compInst->addPort("DATA", "D", IWJPort::Inout, 4, 0, 3) : nullptr;
    IWJPort* clock = data ? compInst->addPort("CLK", "", IWJPort::Input, 1, -1, -1) : nullptr;
    IWJDPPort* pair = clock ? compInst->addDifferentialPort("PAIR", "") : nullptr;
    IWJCompBusInterface* bus = pair ? compInst->addBusInterface("BUS", "a bus") : nullptr;
    IWJPortGroup* group = bus ? bus->addPortGroup("LANE", IWJPortGroup::Bus, "1.5V", 1, 1) : nullptr;
    IWJPortGroup* inner = group ? group->addPortGroup("POWER", IWJPortGroup::VoltageDefn, "1.5V", 1, 0) : nullptr;
    IWJFootPrint* footprint = inner ? view->addFootprint("FP", "1", "2", "0.5", "0,0", "0") : nullptr;
    IWJFootPrintPin* pin = footprint ? footprint->addPin("A1", "0,0", "PAD", "", "") : nullptr;
    IWJPartMap* partMap =
        pin && footprint->addPin("A2", "1,0", "PAD", "", "") ? view->addPartMap(footprint, compInst) : nullptr;
    if (!partMap)
        return;
    pair->setPositivePort(data, 0, 0);
    pair->setNegativePort(clock, -1, -1);
    bus->addPortRef(clock, -1, -1);
    group->addPortRef(data, 0, 1);
    group->addPortRef(pair, -1, -1);
    inner->addPortRef(clock, -1, -1);
    partMap->mapPortToPin(data, pin, 0);
    partMap->mapPortToPinName(clock, "A2", -1);
    partMap->mapPortGroupToPinNames(group, kGroupPins);
    data->setName("DATA_RENAMED");
    compInst->removePort(compInst->addPort("SPARE", "", IWJPort::Output, 1, -1, -1));
}
