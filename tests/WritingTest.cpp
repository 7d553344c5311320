// Designs written after a host's edits: each file must be the one recorded in
// tests/data/golden/written (ids, layout, the order of children, escapes,
// empty texts for no value) and must read back as the model in memory.
// WJ_UPDATE_GOLDEN=1 rewrites the records.

#include "RoundTripCheck.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

using namespace testsupport;

namespace {

void addPortsAndGroups(IWJCompInst* u1)
{
    u1->addPort("A", "", IWJPort::Unknown, 0, -1, -1);
    IWJPort* data = u1->addPort("DATA", "D", IWJPort::Inout, 8, 0, 7);
    u1->addPort("ODD", nullptr, IWJPort::Ground, 1, -1, 5)->setType(IWJPort::Unknown);
    u1->addPort("M", nullptr, IWJPort::Output, INT_MIN, INT_MIN, INT_MAX);
    IWJPort* p = u1->addPort("P", nullptr, IWJPort::Output, 1, -1, -1);
    IWJPort* n = u1->addPort("N", nullptr, IWJPort::Output, 1, -1, -1);

    IWJDPPort* pair = u1->addDifferentialPort("DIFF1", nullptr);
    pair->setNegativePort(n, 3, 0);
    pair->setPositivePort(p, -1, -1);
    // A pair has no type or range of its own.
    pair->setType(IWJPort::Input);
    pair->setRange(1, 2);
    u1->addDifferentialPort("DIFF2", "D2");

    IWJCompBusInterface* ddr = u1->addBusInterface("DDR", "DDR4");
    u1->addBusInterface("DDR", "");
    // A bus interface has none of a group's properties.
    IWJPortGroup* asGroup = ddr;
    asGroup->setNumPhysPins(2, 2);
    asGroup->setVoltage("5V");
    asGroup->setGroupType(IWJPortGroup::Bus);
    IWJPortGroup* g1 = ddr->addPortGroup("G1", IWJPortGroup::Bus, "1.2V", 2, 0);
    IWJPortGroup* g2 = g1->addPortGroup("G2", IWJPortGroup::Bus, nullptr, 0, 0);
    g2->setGroupType(IWJPortGroup::NoType);
    g2->setNumPhysPins(0, 3);
    g2->addPortRef(data, -1, 4);
    g2->addPortRef(pair, 1, 2);
    g2->addPortRef(data, 0, 0);
    g2->addPortRef(data, -1, -1);
}

// A design built through the interfaces with every kind of object, each value
// given, left out or out of range.
View builtDesign()
{
    View view = create("built <&> \"design\"");
    view->addCompInst("CELL", nullptr);
    IWJCompInst* u1 = view->addCompInst("FPGA", "U1");
    addPortsAndGroups(u1);

    IWJFootPrint* partial = view->addFootprint("FP", nullptr, "2", nullptr, nullptr, "90");
    partial->setThickness("1.6");
    view->addFootprint(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    IWJFootPrint* bga = view->addFootprint("BGA", "10", "10", "1", "0,0", "0");
    IWJFootPrintPin* a1 = bga->addPin("A1", "1,1", "PAD", "0.4", "circle");
    for (const char* name : {"A1", "B2", "A2", "B1"})
        bga->addPin(name, nullptr, nullptr, nullptr, nullptr);

    IWJPartMap* map = view->addPartMap(bga, u1);
    map->mapPortToPin(u1->findPort("A"), a1, -1);
    map->mapPortToPinName(u1->findPort("D"), "b2", 3);
    map->mapPortToPinNames(u1->findPort("D"), {"B2", "A2", "nope"}, -1);
    map->mapPortToPinNames(u1->findPort("D"), {"B1", "A2"}, 5);
    map->mapPortGroupToPinNames(u1->findPortGroup("FPGA.DDR.G1"), {"B1"});
    map->mapPortGroupToPinNames(u1->findPortGroup("FPGA.DDR"), {});
    return view;
}

// Saves view and compares the file with the record of that name.
void expectRecorded(IWJInterfaceView* view, const std::string& name)
{
    const RoundTripCheck roundTrip(WJ_TEST_OUTPUT_DIR);
    EXPECT_EQ(roundTrip.check(view, "written-" + name), "");
    const std::string written = readFile(roundTrip.pathOf("written-" + name));
    const std::string golden = sourcePath("tests/data/golden/written/" + name + ".xml");
    if (std::getenv("WJ_UPDATE_GOLDEN"))
        writeFile(golden, written);
    else
        EXPECT_EQ(written, readFile(golden)) << firstDifference(readFile(golden), written);
}

} // namespace

TEST(Writing, ABuiltDesignIsWrittenAsRecorded)
{
    expectRecorded(builtDesign().get(), "built");
}

// A bound read of a file made by hand keeps its root attributes, comments,
// processing instructions, CDATA sections, escaped characters and texts;
// later children go where the sequence puts them, a pin read with
// XY gets both XY and Location, and a removal by name takes the first
// footprint of exactly that name in id order.
TEST(Writing, EditsOfAFileMadeByHandAreWrittenAsRecorded)
{
    const View view = read(sourcePath("tests/data/edited/handmade.xml"), true);
    ASSERT_TRUE(view);
    EXPECT_STREQ(view->lastUpdatedBy(), "  spaced & <escaped> \"quoted\"  ");
    EXPECT_STREQ(view->designName(), "caf\xc3\xa9");
    IWJFootPrint* footprint = valueAt(view->footprints(), "F");
    footprint->addPin("P", nullptr, nullptr, nullptr, nullptr);
    footprint->setThickness("1.6");
    footprint->setWidth("4");
    footprint->setOrigin("1,1");
    valueAt(view->footprints(), "XY")->findPin("P")->setLocation("7,8");
    for (const char* name : {"dup", "none", "DUP"})
        view->removeFootprint(name);
    view->removeFootprint(nullptr);
    EXPECT_EQ(keys(view->footprints()), "F XY ");
    expectRecorded(view.get(), "edited");
}
