#include "RoundTripCheck.h"
#include "TestSupport.h"
#include "model/DesignRecords.h"

#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <gtest/gtest.h>

#include <functional>

using namespace testsupport;

namespace {

std::string pinName(IWJFootPrintPin* pin)
{
    return pin ? pin->name() : "-";
}

// Two instances and two footprints in one view, one part map of U1 on F1,
// and a second view whose objects the first must refuse.
struct Board {
    View view = create("board");
    View other = create("other");
    IWJCompInst* u1 = view->addCompInst("FPGA", "U1");
    IWJCompInst* u2 = view->addCompInst("MEM", "U2");
    IWJPort* clk = u1->addPort("CLK", "", IWJPort::Input, 1, -1, -1);
    IWJPort* data = u1->addPort("DATA", "", IWJPort::Inout, 8, 0, 7);
    IWJDPPort* dqs = u1->addDifferentialPort("DQS", nullptr);
    IWJCompBusInterface* ddr = u1->addBusInterface("DDR", "ddr3");
    IWJPortGroup* lane = ddr->addPortGroup("LANE", IWJPortGroup::Bus, nullptr, 0, 0);
    IWJPort* u2clk = u2->addPort("CLK", "", IWJPort::Input, 1, -1, -1);
    IWJPort* u2data = u2->addPort("DATA", "", IWJPort::Inout, 8, 0, 7);
    IWJFootPrint* f1 = view->addFootprint("F1", nullptr, nullptr, nullptr, nullptr, nullptr);
    IWJFootPrint* f2 = view->addFootprint("F2", nullptr, nullptr, nullptr, nullptr, nullptr);
    IWJPartMap* map = nullptr;

    Board()
    {
        for (const char* name : {"A1", "A2", "B1", "B2"})
            f1->addPin(name, nullptr, nullptr, nullptr, nullptr);
        for (const char* name : {"A1", "B1", "C1"})
            f2->addPin(name, nullptr, nullptr, nullptr, nullptr);
        map = view->addPartMap(f1, u1);
    }

    IWJFootPrintPin* pin(IWJFootPrint* footprint, const char* name) { return footprint->findPin(name); }
};

struct EditCase {
    const char* name;
    std::function<void(Board&)> edit;
};

// Each edit ends with a design that must save and read back as it is in
// memory; under AddressSanitizer none may touch freed memory.
const EditCase kEdits[] = {
    {"objects of another instance, footprint, part map or view change nothing",
     [](Board& b) {
         IWJPartMap* u2map = b.view->addPartMap(b.f1, b.u2);
         u2map->mapPortToPinNames(b.u2data, {"B2"}, -1);
         IWJFootPrint* foreignFootprint = b.other->addFootprint("G", nullptr, nullptr, nullptr, nullptr, nullptr);
         IWJCompInst* foreignInst = b.other->addCompInst("W", "W1");
         b.map->mapPortToPin(b.u2clk, b.pin(b.f1, "A1"), -1);
         b.map->mapPortToPin(b.clk, b.pin(b.f2, "A1"), -1);
         b.map->mapPortToPinGroup(b.clk, u2map->pinGroupForPort(b.u2data, -1), -1);
         b.map->mapPortGroupToPinNames(b.u2->addBusInterface("BUS", ""), {"A1"});
         b.lane->addPortRef(b.u2clk, -1, -1);
         b.lane->insertPortGroup(b.u2->busInterfaces().value());
         b.dqs->setPositivePort(b.u2clk, -1, -1);
         b.dqs->setNegativePort(b.dqs, -1, -1);
         b.map->setCompInst(foreignInst);
         b.map->setFootprint(foreignFootprint);
         EXPECT_EQ(b.view->addPartMap(foreignFootprint, b.u1), nullptr);
         EXPECT_EQ(b.other->addPartMap(b.f1, foreignInst), nullptr);
         EXPECT_EQ(count(b.map->portPinMaps()) + count(b.map->portPinGroupMaps()), 0);
         EXPECT_EQ(count(b.map->portGroupPinGroupMaps()), 0);
         EXPECT_EQ(count(b.lane->portRefs()) + count(b.lane->portGroups()), 0);
         EXPECT_EQ(b.dqs->positivePort(nullptr, nullptr), nullptr);
         EXPECT_EQ(b.map->compInst(), b.u1);
         EXPECT_EQ(b.map->footprint(), b.f1);
         b.view->removeCompInst(b.u2);
         b.view->removeCompInst(b.u2);
         b.view->removeFootprint("F2");
     }},
    {"a new footprint takes the mappings by pin name",
     [](Board& b) {
         b.map->mapPortToPin(b.clk, b.pin(b.f1, "A1"), -1);
         b.map->mapPortToPin(b.data, b.pin(b.f1, "A2"), 1);
         b.map->mapPortToPinNames(b.data, {"A1", "B2", "B1"}, -1);
         b.map->mapPortGroupToPinNames(b.lane, {"B1"});
         b.map->setFootprint(b.f2);
         b.view->removeFootprint("F1");
         EXPECT_EQ(b.map->pinForPort(b.clk, -1), b.pin(b.f2, "A1"));
         EXPECT_EQ(b.map->pinForPort(b.data, 1), nullptr);
         EXPECT_EQ(pinNames(b.map->pinGroupForPort(b.data, -1)), "A1 B1 ");
         EXPECT_EQ(pinNames(b.map->pinGroupForPortGroup(b.lane)), "B1 ");
     }},
    {"a new instance takes the mappings by port name",
     [](Board& b) {
         b.map->mapPortToPin(b.clk, b.pin(b.f1, "A1"), -1);
         b.map->mapPortToPin(b.data, b.pin(b.f1, "B1"), 3);
         b.map->mapPortToPin(b.dqs, b.pin(b.f1, "B2"), -1);
         b.map->mapPortGroupToPinNames(b.lane, {"A2"});
         b.map->setCompInst(b.u2);
         b.view->removeCompInst(b.u1);
         EXPECT_EQ(b.map->pinForPort(b.u2clk, -1), b.pin(b.f1, "A1"));
         EXPECT_EQ(b.map->pinForPort(b.u2data, 3), b.pin(b.f1, "B1"));
         EXPECT_EQ(count(b.map->portPinMaps()), 2);
         EXPECT_EQ(count(b.map->portGroupPinGroupMaps()), 0);
     }},
    {"a host's edit of a mapped reference moves the mapping",
     [](Board& b) {
         b.map->mapPortToPin(b.data, b.pin(b.f1, "A1"), 2);
         IWJPortRef* ref = b.map->findPortRef(b.data, 2);
         ref->setRange(5, 5);
         ref->setRange(1, 4);
         ref->setPort(b.u2clk);
         EXPECT_EQ(b.map->pinForPort(b.data, 5), b.pin(b.f1, "A1"));
         EXPECT_EQ(b.map->pinForPort(b.data, 2), nullptr);
         b.map->unmapPort(b.data, 5);
         ref->setPort(b.clk);
         EXPECT_EQ(b.map->pinForPort(b.clk, -1), nullptr);
         EXPECT_EQ(b.map->pinForPort(b.data, 5), nullptr);
     }},
    {"a renamed port keeps its mappings and frees its old name",
     [](Board& b) {
         b.map->mapPortToPin(b.clk, b.pin(b.f1, "A1"), -1);
         b.clk->setName("CLK_OLD");
         IWJPort* fresh = b.u1->addPort("CLK", "", IWJPort::Input, 1, -1, -1);
         b.map->mapPortToPin(fresh, b.pin(b.f1, "A2"), -1);
         EXPECT_EQ(pinName(b.map->pinForPort(b.clk, -1)), "A1");
         EXPECT_EQ(pinName(b.map->pinForPort(fresh, -1)), "A2");
         b.data->setInstancePortName("CLK_OLD");
         EXPECT_EQ(b.u1->findPort("clk_old"), b.data);
     }},
    {"host edits of group references, mapped pin groups and inserted groups are written",
     [](Board& b) {
         b.lane->addPortRef(b.data, 0, 3);
         b.lane->portRefs().value()->setRange(4, 7);
         b.lane->portRefs().value()->setPort(b.clk);
         b.map->mapPortToPinNames(b.data, {"A1"}, -1);
         b.map->pinGroupForPort(b.data, -1)->addPin(b.pin(b.f1, "B2"));
         b.map->pinGroupForPort(b.data, -1)->addPin(b.pin(b.f2, "C1"));
         EXPECT_EQ(pinNames(b.map->pinGroupForPort(b.data, -1)), "A1 B2 ");
         IWJPortGroup* byte = b.lane->addPortGroup("BYTE", IWJPortGroup::Bus, nullptr, 0, 0);
         b.ddr->insertPortGroup(byte);
         byte->insertPortGroup(b.lane);
         EXPECT_EQ(b.u1->findPortGroup("FPGA.DDR.BYTE"), byte);
     }},
    {"pin groups a host makes follow the part map that uses them, and may be deleted before handed over",
     [](Board& b) {
         const auto made = [](IWJXMLObject* parent) {
             return dynamic_cast<IWJFootPrintPinGroup*>(CreateFootPrintPinGroupObject(parent, nullptr));
         };
         IWJFootPrintPinGroup* own = made(dynamic_cast<IWJXMLObject*>(b.map));
         b.map->mapPortToPinGroup(b.clk, own, -1);
         b.map->mapPortGroupToPinGroup(b.lane, own);
         own->addPin(b.pin(b.f2, "C1"));
         own->addPin(b.pin(b.f1, "B1"));
         EXPECT_EQ(pinNames(b.map->pinGroupForPort(b.clk, -1)), "B1 ");
         delete own;
         EXPECT_EQ(count(b.map->portPinGroupMaps()) + count(b.map->portGroupPinGroupMaps()), 0);
         IWJFootPrintPinGroup* lone = made(nullptr);
         lone->addPin(b.pin(b.f2, "A1"));
         b.map->mapPortToPinGroup(b.clk, lone, -1);
         lone->addPin(b.pin(b.f2, "B1"));
         IWJFootPrintPinGroup* host = made(nullptr);
         host->addPin(b.pin(b.f1, "A2"));
         b.map->mapPortToPinGroup(b.clk, host, -1);
         b.view->addPartMap(b.f1, b.u2)->mapPortToPinGroup(b.u2clk, host, -1);
         host->addPin(b.pin(b.f1, "B2"));
         host->addPin(b.pin(b.f2, "C1"));
         EXPECT_EQ(pinNames(b.map->pinGroupForPort(b.clk, -1)), "A2 B2 ");
         EXPECT_EQ(count(b.view->findPartMap(b.u2)->portPinGroupMaps()), 0) << "a group has one user";
         b.map->mapPortToPinNames(b.data, {"A1"}, 3);
         delete host;
         EXPECT_EQ(pinNames(lone), "A1 B1 ") << "a group no part map uses takes any pin of the library";
         delete lone;
         EXPECT_EQ(count(b.map->portPinGroupMaps()), 1);

         auto* loose =
             dynamic_cast<IWJPartMap*>(CreatePartMapObject(dynamic_cast<IWJXMLObject*>(b.view.get()), nullptr));
         loose->setCompInst(b.u1);
         IWJFootPrintPinGroup* early = made(dynamic_cast<IWJXMLObject*>(loose));
         loose->mapPortToPinGroup(b.clk, early, -1);
         early->addPin(b.pin(b.f1, "A1"));
         loose->setFootprint(b.f1);
         early->addPin(b.pin(b.f1, "B1"));
         EXPECT_EQ(pinNames(loose->pinGroupForPort(b.clk, -1)), "B1 ") << "the footprint set later is the group's";
         delete loose;
     }},
    {"removing a port or a pair keeps what a port of the same name in another case maps",
     [](Board& b) {
         IWJPort* twin = b.u1->addPort("Clk", "", IWJPort::Input, 1, -1, -1);
         IWJPort* pair = b.u1->addDifferentialPort("clk", nullptr);
         b.map->mapPortToPin(b.clk, b.pin(b.f1, "A1"), -1);
         b.map->mapPortToPin(b.clk, b.pin(b.f1, "A2"), 0);
         b.u1->removePort(twin);
         b.u1->removePort(pair);
         EXPECT_EQ(pinName(b.map->pinForPort(b.clk, -1)), "A1");
         EXPECT_EQ(count(b.map->portPinMaps()), 2);
     }},
    {"a port or pin found by name is the last of that name in the file, as a read finds it",
     [](Board& b) {
         IWJFootPrintPin* a1 = b.pin(b.f1, "A1");
         IWJFootPrintPin* twinPin = b.f1->addPin("a1", nullptr, nullptr, nullptr, nullptr);
         EXPECT_EQ(b.pin(b.f1, "A1"), twinPin);
         twinPin->setName("Z9");
         EXPECT_EQ(b.pin(b.f1, "a1"), a1);
         IWJPort* twin = b.u1->addPort("Clk", "", IWJPort::Input, 1, -1, -1);
         EXPECT_EQ(b.u1->findPort("CLK"), twin);
         b.u1->removePort(twin);
         EXPECT_EQ(b.u1->findPort("clk"), b.clk);
         IWJPort* later = b.u1->addPort("LATER", "", IWJPort::Input, 1, -1, -1);
         later->setName("Data");
         b.clk->setName("data");
         EXPECT_EQ(b.u1->findPort("DATA"), later);
         later->setName("other");
         EXPECT_EQ(b.u1->findPort("DATA"), b.data);
         b.data->setName("gone");
         EXPECT_EQ(b.u1->findPort("DATA"), b.clk);
     }},
    {"a type without a word is kept as a read of the saved file gives it",
     [](Board& b) {
         b.clk->setType(7);
         b.data->setType(-1);
         b.lane->setGroupType(static_cast<IWJPortGroup::IWJPortGroupType>(9));
         EXPECT_EQ(b.clk->type(), IWJPort::Unknown);
         EXPECT_EQ(b.data->type(), IWJPort::Unknown);
         EXPECT_EQ(b.lane->groupType(), IWJPortGroup::NoType);
     }},
    {"a port maps to one target at a time",
     [](Board& b) {
         b.map->mapPortToPin(b.clk, b.pin(b.f1, "A1"), -1);
         b.map->mapPortToPin(b.clk, b.pin(b.f1, "A2"), -1);
         b.map->mapPortToPinNames(b.data, {"B1"}, 0);
         b.map->mapPortToPin(b.data, b.pin(b.f1, "B2"), 0);
         const std::string written = readFile(write(b.view.get(), "one-target.xml"));
         EXPECT_EQ(occurrences(written, "<PortMap>"), 2) << written;
         EXPECT_EQ(pinName(b.map->pinForPort(b.data, 0)), "B2");
         EXPECT_EQ(b.map->pinGroupForPort(b.data, 0), nullptr);
     }},
    {"texts XML cannot carry are replaced",
     [](Board& b) {
         b.u1->setRefdes("U\x01\xff"
                         "1");
         EXPECT_STREQ(b.u1->refdes(), "U\xef\xbf\xbd\xef\xbf\xbd"
                                      "1");
     }},
    {"groups nested as deep as a file may hold save and read, one level deeper do not save",
     [](Board& b) {
         // The lane is the 7th level and each group two more: the Range of
         // the innermost reference is the 512th, then a PortRef the 513th.
         IWJPortGroup* group = b.lane;
         for (int level = 0; level < 251; ++level)
             group = group->addPortGroup("G", IWJPortGroup::Bus, nullptr, 0, 0);
         group->addPortRef(b.data, 0, 1);
         const std::string path = write(b.view.get(), "deep-enough.xml");
         group->addPortGroup("G", IWJPortGroup::Bus, nullptr, 0, 0)->addPortRef(b.clk, -1, -1);
         CWJXMLFlowReader writer(b.view.get());
         writer.writeXMLFile(path.c_str());
         EXPECT_NE(std::string(writer.lastError()).find("more than 512 deep"), std::string::npos);
         EXPECT_TRUE(read(path, true)) << "the last good file stays";
         b.view->removeCompInst(b.u1);
     }},
};

TEST(EditSafety, EveryEditSavesAsItIsInMemory)
{
    const RoundTripCheck roundTrip(WJ_TEST_OUTPUT_DIR);
    int index = 0;
    for (const EditCase& c : kEdits) {
        SCOPED_TRACE(c.name);
        Board board;
        c.edit(board);
        EXPECT_EQ(roundTrip.check(board.view.get(), "edit-safety-" + std::to_string(index++)), "");
    }
}

// Each mapping element is read on its own: a reference-less one maps nothing,
// a group mapping never takes a port, and a Bit written " 3" or "03" is the
// bit 3 that unmapping removes.
TEST(EditSafety, MappingElementsAreReadOnTheirOwn)
{
    const std::string path = writeDocument("mapping-elements.xml", R"(<CompInsts><CompInst id="U1"><Ports>
<Port id="P"><Name>P</Name><Range lsb="0" msb="7"/></Port></Ports><BusInterfaces><BusInterface id="B"><Name>B</Name>
</BusInterface></BusInterfaces></CompInst></CompInsts>
<Footprints><Footprint id="F"><Name>F</Name><Pins><Pin id="X1"><Name>X1</Name></Pin><Pin id="X2"><Name>X2</Name></Pin>
</Pins></Footprint></Footprints>
<PartMaps><PartMap><CompInstRef ref="U1"/><PartDefRef ref="F"/><PortMaps>
<PortMap><PortRefNoRange ref="P"><Bit>5</Bit></PortRefNoRange><PinRef ref="X1"/></PortMap>
<PortMap><PortRefNoRange/><PinRef ref="X2"/></PortMap>
<PortMap><PortRefNoRange ref="P"><Bit> 3</Bit></PortRefNoRange><PinRef ref="X1"/></PortMap>
<PortMap><PortRefNoRange ref="P"><Bit>03</Bit></PortRefNoRange><PinRef ref="X2"/></PortMap>
</PortMaps><GroupMaps>
<GroupMap><BusInterfaceRef ref="B"/><PinGroup><PinRef ref="X1"/></PinGroup></GroupMap>
<GroupMap><BusInterfaceRef/><PinGroup><PinRef ref="X2"/></PinGroup></GroupMap>
<GroupMap><PortGroupRef ref="P"/><PinGroup><PinRef ref="X2"/></PinGroup></GroupMap>
</GroupMaps></PartMap></PartMaps>)");
    View view = read(path, true);
    ASSERT_TRUE(view);
    IWJCompInst* inst = view->compInsts().value();
    IWJPort* p = inst->findPort("P");
    IWJPartMap* map = view->findPartMap(inst);
    EXPECT_EQ(pinName(map->pinForPort(p, 5)), "X1");
    EXPECT_EQ(pinName(map->pinForPort(p, 3)), "X2");
    EXPECT_EQ(count(map->portPinMaps()), 2);
    EXPECT_EQ(count(map->portPinGroupMaps()), 0);
    EXPECT_EQ(pinNames(map->pinGroupForPortGroup(inst->busInterfaces().value())), "X1 ");
    EXPECT_EQ(count(map->portGroupPinGroupMaps()), 1);

    map->unmapPort(p, 3);
    const View back = read(write(view.get(), "mapping-elements-unmapped.xml"), true);
    ASSERT_TRUE(back);
    EXPECT_EQ(DesignRecords(back.get()).text(), DesignRecords(view.get()).text());
}

} // namespace
