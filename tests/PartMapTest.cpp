#include "RoundTripCheck.h"
#include "TestSupport.h"
#include "model/DesignRecords.h"

#include "wjxmlinterfaceflowreader/CSTLIOMapIterator.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace testsupport;

namespace {

// A small design: instance U1 (cell FPGA) with ports, a bus interface DDR with
// a group, and footprint BGA with pins A1..B2, mapped by one part map.
struct Design {
    View view = create();
    IWJCompInst* inst = nullptr;
    IWJPort* clk = nullptr;
    IWJPort* data = nullptr;
    IWJCompBusInterface* ddr = nullptr;
    IWJPortGroup* lane = nullptr;
    IWJFootPrint* bga = nullptr;
    IWJPartMap* map = nullptr;

    Design()
    {
        inst = view->addCompInst("FPGA", "U1");
        clk = inst->addPort("CLK", "", IWJPort::Input, 1, -1, -1);
        data = inst->addPort("DATA", "", IWJPort::Inout, 8, 0, 7);
        ddr = inst->addBusInterface("DDR", "ddr3");
        lane = ddr->addPortGroup("LANE0", IWJPortGroup::Bus, nullptr, 0, 0);
        bga = view->addFootprint("BGA", "10", "10", "1", "0,0", "0");
        for (const char* name : {"A1", "A2", "B1", "B2"})
            bga->addPin(name, nullptr, nullptr, nullptr, nullptr);
        map = view->addPartMap(bga, inst);
    }

    IWJFootPrintPin* pin(const char* name) { return bga->findPin(name); }
};

// A host's own pin group: the library must never delete it.
class HostPinGroup : public IWJFootPrintPinGroup {
public:
    CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*> pins() override
    {
        return CInterfaceObjectMapIterator<std::string, IWJFootPrintPin*>(
            new CSTLIOMapIterator<std::string, IWJFootPrintPin*>(m_pins));
    }
    void addPin(IWJFootPrintPin* pin) override { m_pins[pin->name()] = pin; }
    IWJFootPrintPin* findPin(const char* name) override { return m_pins.count(name) ? m_pins[name] : nullptr; }

private:
    std::map<std::string, IWJFootPrintPin*> m_pins;
};

} // namespace

TEST(PartMap, UnknownPinNamesAndMissingObjectsMapNothing)
{
    Design d;
    d.map->mapPortToPinName(d.clk, "Z9", -1);
    d.map->mapPortToPin(d.clk, nullptr, -1);
    d.map->mapPortToPin(nullptr, d.pin("A1"), -1);
    d.map->mapPortToPinNames(d.data, {"A1", "nope", "a2"}, -1);
    EXPECT_EQ(d.map->pinForPort(d.clk, -1), nullptr);
    EXPECT_EQ(pinNames(d.map->pinGroupForPort(d.data, -1)), "A1 A2 ");
    EXPECT_EQ(readFile(write(d.view.get(), "partmap-unknown.xml")).find("Z9"), std::string::npos);
}

TEST(PartMap, PortsWhoseNamesDifferInCaseShareAPortReference)
{
    Design d;
    IWJPort* lower = d.inst->addPort("clk", "", IWJPort::Input, 1, -1, -1);
    d.map->mapPortToPin(d.clk, d.pin("A1"), -1);
    EXPECT_EQ(d.map->findPortRef(lower, -1), d.map->findPortRef(d.clk, -1));
    EXPECT_EQ(d.map->pinForPort(lower, -1), d.pin("A1"));
}

// The fixture's part map names no instance and no footprint: mapping onto it
// maps nothing.
TEST(PartMap, APartMapNamingNothingMapsNothing)
{
    for (const bool bind : {true, false}) {
        const View view = read(sourcePath("tests/data/valid/duplicate-ids-dangling-refs.xml"), bind);
        ASSERT_TRUE(view);
        IWJPartMap* map = view->partMaps().value();
        IWJPort* port = view->compInsts().value()->findPort("B");
        map->mapPortToPinName(port, "X", -1);
        map->mapPortToPinNames(port, {"X"}, 2);
        EXPECT_EQ(map->pinForPort(port, -1), nullptr);
        EXPECT_EQ(pinNames(map->pinGroupForPort(port, 2)), "");
        write(view.get(), bind ? "dangling-bound.xml" : "dangling-unbound.xml");
    }
}

TEST(PartMap, UnmapPortKeepsMemoryAndDocumentInStep)
{
    Design d;
    d.map->mapPortToPin(d.data, d.pin("A1"), 1);
    d.map->mapPortToPin(d.data, d.pin("A2"), 2);
    d.map->mapPortToPinNames(d.data, {"B1"}, 2);
    d.map->mapPortToPin(d.data, d.pin("B2"), -1);
    d.map->mapPortToPin(d.clk, d.pin("B2"), -1);

    d.map->unmapPort(d.data, 2);
    EXPECT_EQ(d.map->findPortRef(d.data, 2), nullptr);
    EXPECT_EQ(d.map->pinForPort(d.data, 2), nullptr);
    EXPECT_EQ(d.map->pinGroupForPort(d.data, 2), nullptr);
    EXPECT_EQ(d.map->pinForPort(d.data, 1), d.pin("A1"));
    const std::string path = write(d.view.get(), "unmap-bit.xml");
    std::string written = readFile(path);
    EXPECT_EQ(written.find("<Bit>2</Bit>"), std::string::npos);
    EXPECT_NE(written.find("<Bit>1</Bit>"), std::string::npos);
    EXPECT_EQ(DesignRecords(read(path, false).get()).text(), DesignRecords(d.view.get()).text());

    d.map->unmapPort(d.data, -1);
    EXPECT_EQ(d.map->pinForPort(d.data, 1), nullptr);
    EXPECT_EQ(d.map->pinForPort(d.data, -1), nullptr);
    EXPECT_EQ(count(d.map->portPinMaps()), 1);
    written = readFile(write(d.view.get(), "unmap-port.xml"));
    EXPECT_EQ(written.find("ref=\"DATA\""), std::string::npos);

    d.map->unmapPort(d.clk, -1);
    written = readFile(write(d.view.get(), "unmap-all.xml"));
    EXPECT_EQ(written.find("PortMaps"), std::string::npos);
    EXPECT_EQ(count(d.map->portPinMaps()), 0);
}

TEST(PartMap, UnmapPortGroupRemovesItsGroupMaps)
{
    Design d;
    d.map->mapPortGroupToPinNames(d.lane, {"A1"});
    d.map->mapPortGroupToPinNames(d.ddr, {"A2"});
    d.map->unmapPortGroup(d.lane);
    EXPECT_EQ(d.map->pinGroupForPortGroup(d.lane), nullptr);
    EXPECT_NE(d.map->pinGroupForPortGroup(d.ddr), nullptr);
    std::string written = readFile(write(d.view.get(), "unmap-group.xml"));
    EXPECT_EQ(written.find("PortGroupRef"), std::string::npos);
    EXPECT_NE(written.find("BusInterfaceRef"), std::string::npos);
    d.map->unmapPortGroup(d.ddr);
    written = readFile(write(d.view.get(), "unmap-bus.xml"));
    EXPECT_EQ(written.find("GroupMaps"), std::string::npos);
}

TEST(PartMap, AHostsPinGroupIsNeverDeleted)
{
    HostPinGroup hostGroup;
    {
        Design d;
        hostGroup.addPin(d.pin("A1"));
        d.map->mapPortToPinGroup(d.clk, &hostGroup, -1);
        d.map->mapPortGroupToPinGroup(d.lane, &hostGroup);
        EXPECT_EQ(d.map->pinGroupForPort(d.clk, -1), &hostGroup);
        d.map->unmapPort(d.clk, -1);
    }
    EXPECT_EQ(hostGroup.findPin("A2"), nullptr);
}

TEST(PartMap, RemovingAnInstanceOrFootprintRemovesEveryPartMapOfIt)
{
    Design d;
    IWJPartMap* second = d.view->addPartMap(d.bga, d.inst);
    IWJFootPrint* other = d.view->addFootprint("SOIC", nullptr, nullptr, nullptr, nullptr, nullptr);
    d.view->addPartMap(other, d.inst);
    IWJCompInst* j1 = d.view->addCompInst("CONN", "J1");
    d.view->addPartMap(d.bga, j1);
    EXPECT_EQ(d.view->findPartMap(d.inst), d.map);
    EXPECT_NE(second, d.map);

    d.view->removeFootprint("BGA");
    EXPECT_EQ(count(d.view->partMaps()), 1);
    EXPECT_EQ(d.view->findPartMap(j1), nullptr);
    d.view->removeCompInst(d.inst);
    EXPECT_EQ(count(d.view->partMaps()), 0);
    const std::string written = readFile(write(d.view.get(), "partmap-removed.xml"));
    EXPECT_EQ(written.find("<PartMap>"), std::string::npos);
    EXPECT_EQ(written.find("BGA"), std::string::npos);
    EXPECT_EQ(written.find("\"U1\""), std::string::npos);
}

TEST(PartMap, ARemovedPortTakesItsMappingsAlong)
{
    Design d;
    d.map->mapPortToPin(d.clk, d.pin("A1"), -1);
    d.map->mapPortToPinNames(d.data, {"A2", "B1"}, 3);
    d.map->mapPortToPin(d.data, d.pin("B2"), -1);
    d.inst->removePort(d.data);
    EXPECT_EQ(d.map->pinForPort(d.data, -1), nullptr);
    EXPECT_EQ(d.map->pinGroupForPort(d.data, 3), nullptr);
    EXPECT_EQ(d.map->pinForPort(d.clk, -1), d.pin("A1"));
    EXPECT_EQ(count(d.map->portPinMaps()), 1);
    EXPECT_EQ(count(d.map->portPinGroupMaps()), 0);

    const std::string expected = DesignRecords(d.view.get()).text();
    const View back = read(write(d.view.get(), "removed-port-mappings.xml"), false);
    ASSERT_TRUE(back);
    EXPECT_EQ(DesignRecords(back.get()).text(), expected);
}

// The fixture repeats mappings as earlier versions wrote them: a read takes
// the last element for each port bit and group. An edit that rewrites a
// mapping drops the elements it superseded, never turning them into another
// kind or copies: the saved file holds that mapping once and reads back as
// memory is, unmapping included.
TEST(PartMap, EditsOfRepeatedMappingsSaveWhatIsInEffect)
{
    const struct {
        std::function<void(IWJInterfaceView*, IWJPartMap*)> edit;
        int portMaps;
    } cases[] = {
        {[](IWJInterfaceView* view, IWJPartMap* map) { map->setFootprint(valueAt(view->footprints(), "F2")); }, 5},
        {[](IWJInterfaceView* view, IWJPartMap* map) { map->setCompInst(valueAt(view->compInsts(), "U2")); }, 5},
        {[](IWJInterfaceView*, IWJPartMap* map) {
             IWJCompInst* inst = map->compInst();
             map->pinGroupForPort(inst->findPort("D"), 1)->addPin(map->footprint()->findPin("1"));
             map->pinGroupForPortGroup(inst->busInterfaces().value())->addPin(map->footprint()->findPin("4"));
         },
         10},
    };
    const RoundTripCheck roundTrip(WJ_TEST_OUTPUT_DIR);
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(index);
        const View view = read(sourcePath("tests/data/valid/partmap-repeated.xml"), true);
        ASSERT_TRUE(view);
        IWJPartMap* map = view->partMaps().value();
        c.edit(view.get(), map);
        IWJPort* gnd = map->compInst()->findPort("GND");
        EXPECT_EQ(map->pinForPort(gnd, -1), map->footprint()->findPin("3"));
        const std::string name = "repeated-mappings-" + std::to_string(index++);
        EXPECT_EQ(roundTrip.check(view.get(), name), "");
        const std::string written = readFile(roundTrip.pathOf(name));
        EXPECT_EQ(occurrences(written, "<PortMap>"), c.portMaps);
        EXPECT_EQ(occurrences(written, "<GroupMap>"), 1);
        map->unmapPort(gnd, -1);
        EXPECT_EQ(roundTrip.check(view.get(), name + "-unmapped"), "");
    }
}

// A port displaced by a later one of its id is still found by its name, but
// it is no port of the instance: a mapping of it would be saved as one of the
// later port.
TEST(PartMap, APortDisplacedByALaterOneOfItsIdIsNotMapped)
{
    const std::string path = writeInput(
        "displaced-port.xml",
        document("<CompInsts><CompInst id=\"U1\"><Ports><Port id=\"P\"><Name>A</Name></Port>"
                 "<Port id=\"P\"><Name>B</Name></Port></Ports></CompInst></CompInsts>"
                 "<Footprints><Footprint id=\"F\"><Name>F</Name><Pins><Pin id=\"N1\"><Name>1</Name></Pin></Pins>"
                 "</Footprint></Footprints><PartMaps><PartMap><CompInstRef ref=\"U1\"/><PartDefRef ref=\"F\"/>"
                 "</PartMap></PartMaps>"));
    const View view = read(path, true);
    ASSERT_TRUE(view);
    IWJPort* displaced = view->compInsts().value()->findPort("A");
    ASSERT_TRUE(displaced);
    IWJPartMap* map = view->partMaps().value();
    map->mapPortToPinName(displaced, "1", -1);
    EXPECT_EQ(map->pinForPort(displaced, -1), nullptr);
    EXPECT_EQ(count(map->portPinMaps()), 0);
}
