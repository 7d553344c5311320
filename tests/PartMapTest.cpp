#include "TestSupport.h"
#include "model/DesignRecords.h"

#include "wjxmlinterfaceflowreader/CSTLIOMapIterator.h"

#include <gtest/gtest.h>

#include <map>

using namespace testsupport;

namespace {

// A small design: instance U1 (cell FPGA) with ports, a bus interface DDR with
// a lane group, and footprint BGA with pins A1..B2, mapped by one part map.
struct Design {
    View view = create();
    IWJCompInst* inst = nullptr;
    IWJPort* clk = nullptr;
    IWJPort* data = nullptr;
    IWJCompBusInterface* ddr = nullptr;
    IWJPortGroup* lane = nullptr;
    IWJPortGroup* nested = nullptr;
    IWJFootPrint* bga = nullptr;
    IWJPartMap* map = nullptr;

    Design()
    {
        inst = view->addCompInst("FPGA", "U1");
        clk = inst->addPort("CLK", "", IWJPort::Input, 1, -1, -1);
        data = inst->addPort("DATA", "", IWJPort::Inout, 8, 0, 7);
        ddr = inst->addBusInterface("DDR", "ddr3");
        lane = ddr->addPortGroup("LANE0", IWJPortGroup::Bus, nullptr, 0, 0);
        nested = lane->addPortGroup("BYTE", IWJPortGroup::NoType, nullptr, 0, 0);
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

TEST(PartMap, AddPartMapWritesItsReferencesAndIsFound)
{
    Design d;
    EXPECT_EQ(d.map->compInst(), d.inst);
    EXPECT_EQ(d.map->footprint(), d.bga);
    EXPECT_EQ(d.view->findPartMap(d.inst), d.map);
    const std::string written = readFile(write(d.view.get(), "partmap-empty.xml"));
    EXPECT_NE(written.find("  <PartMaps>\n"
                           "    <PartMap>\n"
                           "      <CompInstRef ref=\"U1\"/>\n"
                           "      <PartDefRef ref=\"BGA\"/>\n"
                           "    </PartMap>\n"
                           "  </PartMaps>\n"),
              std::string::npos)
        << written;
}

TEST(PartMap, MappingAWholePortAndABitWritesPortMaps)
{
    Design d;
    d.map->mapPortToPin(d.clk, d.pin("A1"), -1);
    d.map->mapPortToPinName(d.data, "b2", 3);
    const std::string written = readFile(write(d.view.get(), "partmap-pins.xml"));
    EXPECT_NE(written.find("      <PortMaps>\n"
                           "        <PortMap>\n"
                           "          <PortRefNoRange ref=\"CLK\"/>\n"
                           "          <PinRef ref=\"A1\"/>\n"
                           "        </PortMap>\n"
                           "        <PortMap>\n"
                           "          <PortRefNoRange ref=\"DATA\">\n"
                           "            <Bit>3</Bit>\n"
                           "          </PortRefNoRange>\n"
                           "          <PinRef ref=\"B2\"/>\n"
                           "        </PortMap>\n"
                           "      </PortMaps>\n"),
              std::string::npos)
        << written;

    EXPECT_EQ(d.map->pinForPort(d.clk, -1), d.pin("A1"));
    EXPECT_EQ(d.map->pinForPort(d.data, 3), d.pin("B2"));
    EXPECT_EQ(d.map->pinForPort(d.data, -1), nullptr);
    EXPECT_STREQ(d.map->findPortRef(d.clk, -1)->name(), "FPGA.CLK");
    EXPECT_STREQ(d.map->findPortRef(d.data, 3)->name(), "FPGA.DATA<3>");
    EXPECT_EQ(count(d.map->portPinMaps()), 2);
    for (auto maps = d.map->portPinMaps(); maps.isValid(); ++maps) {
        int lsb = 0, msb = 0;
        IWJPort* port = maps.key()->port(&lsb, &msb);
        EXPECT_EQ(maps.value(), port == d.clk ? d.pin("A1") : d.pin("B2"));
        EXPECT_EQ(lsb, port == d.clk ? -1 : 3);
    }
}

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

TEST(PartMap, RemappingReusesThePortReferenceAndReplacesTheElement)
{
    Design d;
    d.map->mapPortToPin(d.data, d.pin("A1"), 2);
    IWJPortRef* first = d.map->findPortRef(d.data, 2);
    d.map->mapPortToPin(d.data, d.pin("A2"), 2);
    EXPECT_EQ(d.map->findPortRef(d.data, 2), first);
    EXPECT_EQ(d.map->pinForPort(d.data, 2), d.pin("A2"));
    EXPECT_EQ(count(d.map->portPinMaps()), 1);
    const std::string path = write(d.view.get(), "partmap-remap.xml");
    const std::string written = readFile(path);
    EXPECT_EQ(written.find("<PinRef ref=\"A1\"/>"), std::string::npos);
    EXPECT_NE(written.find("<PinRef ref=\"A2\"/>"), std::string::npos);

    const View back = read(path, false);
    ASSERT_TRUE(back);
    EXPECT_EQ(DesignRecords(back.get()).text(), DesignRecords(d.view.get()).text());
}

TEST(PartMap, PortsWhoseNamesDifferInCaseShareAPortReference)
{
    Design d;
    IWJPort* lower = d.inst->addPort("clk", "", IWJPort::Input, 1, -1, -1);
    d.map->mapPortToPin(d.clk, d.pin("A1"), -1);
    EXPECT_EQ(d.map->findPortRef(lower, -1), d.map->findPortRef(d.clk, -1));
    EXPECT_EQ(d.map->pinForPort(lower, -1), d.pin("A1"));
}

TEST(PartMap, PinGroupsAreWrittenInPinIdOrder)
{
    Design d;
    d.map->mapPortToPinNames(d.data, {"B2", "A1"}, -1);
    d.map->mapPortGroupToPinNames(d.lane, {"A2"});
    d.map->mapPortGroupToPinNames(d.ddr, {});
    const std::string written = readFile(write(d.view.get(), "partmap-groups.xml"));
    EXPECT_NE(written.find("        <PortMap>\n"
                           "          <PortRefNoRange ref=\"DATA\"/>\n"
                           "          <PinGroup>\n"
                           "            <PinRef ref=\"A1\"/>\n"
                           "            <PinRef ref=\"B2\"/>\n"
                           "          </PinGroup>\n"
                           "        </PortMap>\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("      <GroupMaps>\n"
                           "        <GroupMap>\n"
                           "          <PortGroupRef ref=\"LANE0\"/>\n"
                           "          <PinGroup>\n"
                           "            <PinRef ref=\"A2\"/>\n"
                           "          </PinGroup>\n"
                           "        </GroupMap>\n"
                           "        <GroupMap>\n"
                           "          <BusInterfaceRef ref=\"DDR\"/>\n"
                           "          <PinGroup/>\n"
                           "        </GroupMap>\n"
                           "      </GroupMaps>\n"),
              std::string::npos)
        << written;
    EXPECT_EQ(pinNames(d.map->pinGroupForPortGroup(d.lane)), "A2 ");
    EXPECT_EQ(pinNames(d.map->pinGroupForPortGroup(d.ddr)), "");
    EXPECT_EQ(count(d.map->portGroupPinGroupMaps()), 2);
}

TEST(PartMap, EveryMappingFormLoadsBoundAndUnbound)
{
    Design d;
    d.map->mapPortToPin(d.clk, d.pin("A1"), -1);
    d.map->mapPortToPin(d.data, d.pin("A2"), 0);
    d.map->mapPortToPinNames(d.data, {"B1", "B2"}, 5);
    d.map->mapPortGroupToPinNames(d.lane, {"B1"});
    d.map->mapPortGroupToPinNames(d.ddr, {"A1", "B2"});
    const std::string path = write(d.view.get(), "partmap-forms.xml");
    for (const bool bind : {true, false}) {
        const View back = read(path, bind);
        ASSERT_TRUE(back);
        EXPECT_EQ(DesignRecords(back.get()).text(), DesignRecords(d.view.get()).text());
        IWJCompInst* inst = back->compInsts().value();
        IWJPartMap* map = back->findPartMap(inst);
        ASSERT_NE(map, nullptr);
        IWJPort* data = inst->findPort("data");
        EXPECT_STREQ(map->pinForPort(data, 0)->name(), "A2");
        // A pin group mapped to one bit keeps its bit.
        EXPECT_EQ(pinNames(map->pinGroupForPort(data, 5)), "B1 B2 ");
        EXPECT_EQ(map->pinGroupForPort(data, -1), nullptr);
    }
    EXPECT_EQ(readFile(write(read(path, true).get(), "partmap-forms-again.xml")), readFile(path));
}

TEST(PartMap, ReferencesThatNameNothingLeaveAHarmlessPartMap)
{
    const std::string path = inputPath("dangling.xml");
    writeFile(path, document(R"(<CompInsts><CompInst id="U1"><Ports><Port id="P"><Name>P</Name></Port></Ports>
</CompInst></CompInsts><PartMaps><PartMap><CompInstRef ref="U9"/><PartDefRef ref="NOFP"/><PortMaps>
<PortMap><PortRefNoRange ref="P"/><PinRef ref="X1"/></PortMap>
<PortMap><PortRefNoRange ref="P"/><PinGroup><PinRef ref="X1"/></PinGroup></PortMap></PortMaps></PartMap></PartMaps>)"));
    for (const bool bind : {true, false}) {
        const View view = read(path, bind);
        ASSERT_TRUE(view);
        IWJPartMap* map = view->partMaps().value();
        EXPECT_EQ(map->compInst(), nullptr);
        EXPECT_EQ(map->footprint(), nullptr);
        EXPECT_EQ(count(map->portPinMaps()), 0);
        EXPECT_EQ(count(map->portPinGroupMaps()), 0);
        IWJPort* port = view->compInsts().value()->findPort("P");
        map->mapPortToPinName(port, "X1", -1);
        map->mapPortToPinNames(port, {"X1"}, 2);
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

TEST(PartMap, ARenamedPortKeepsItsMappings)
{
    Design d;
    d.map->mapPortToPin(d.data, d.pin("A1"), 4);
    IWJPortRef* ref = d.map->findPortRef(d.data, 4);
    d.data->setName("BUS");
    EXPECT_EQ(d.map->findPortRef(d.data, 4), ref);
    d.map->mapPortToPin(d.data, d.pin("A2"), 4);
    EXPECT_EQ(count(d.map->portPinMaps()), 1);
    EXPECT_EQ(DesignRecords(read(write(d.view.get(), "partmap-renamed.xml"), false).get()).text(),
              DesignRecords(d.view.get()).text());
    d.data->setName("WIDE");
    d.map->unmapPort(d.data, 4);
    EXPECT_EQ(count(d.map->portPinMaps()), 0);
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

TEST(PartMap, RemovingAPortSharingAKeyKeepsTheOthersMappings)
{
    Design d;
    IWJDPPort* pair = d.inst->addDifferentialPort("clk", nullptr);
    d.map->mapPortToPin(d.clk, d.pin("A1"), -1);
    d.map->mapPortToPin(d.clk, d.pin("A2"), 0);
    // The pair shares the key of CLK, but the mappings are CLK's.
    d.inst->removePort(pair);
    EXPECT_EQ(count(d.map->portPinMaps()), 2);

    const std::string expected = DesignRecords(d.view.get()).text();
    const View back = read(write(d.view.get(), "shared-key-unmapped.xml"), true);
    ASSERT_TRUE(back);
    EXPECT_EQ(DesignRecords(back.get()).text(), expected);
}
