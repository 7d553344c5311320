#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(AddBusInterface, WritesNameAndDefinitionAndHasNoGroupProperties)
{
    const View view = create();
    IWJCompInst* u1 = view->addCompInst("U1", nullptr);
    IWJCompBusInterface* ddr = u1->addBusInterface("DDR", "DDR4");
    IWJCompBusInterface* again = u1->addBusInterface("DDR", "");
    EXPECT_EQ(count(u1->busInterfaces()), 2);
    EXPECT_EQ(valueAt(u1->busInterfaces(), "DDR_1"), again);
    EXPECT_EQ(ddr->compInst(), u1);
    EXPECT_EQ(ddr->busInterface(), nullptr);
    EXPECT_EQ(ddr->groupKind(), 0);

    IWJPortGroup* asGroup = ddr;
    asGroup->setNumPhysPins(2, 2);
    asGroup->setVoltage("5V");
    asGroup->setGroupType(IWJPortGroup::Bus);
    EXPECT_EQ(asGroup->numPhysPowerPins(), 0);
    EXPECT_EQ(asGroup->numPhysGroundPins(), 0);
    EXPECT_STREQ(asGroup->voltage(), "");
    EXPECT_EQ(asGroup->groupType(), IWJPortGroup::NoType);

    const std::string written = readFile(write(view.get(), "add-bus-interface.xml"));
    EXPECT_NE(written.find("      <BusInterfaces>\n"
                           "        <BusInterface id=\"DDR\">\n"
                           "          <Name>DDR</Name>\n"
                           "          <Definition>DDR4</Definition>\n"
                           "        </BusInterface>\n"
                           "        <BusInterface id=\"DDR_1\">\n"
                           "          <Name>DDR</Name>\n"
                           "          <Definition/>\n"
                           "        </BusInterface>\n"),
              std::string::npos)
        << written;
}

TEST(ReadBusInterface, TakesNameDefinitionAndTopLevelGroups)
{
    const View view = read(sourcePath("tests/data/valid/nested-port-groups.xml"), false);
    IWJCompBusInterface* ddr = view->compInsts().value()->busInterfaces().value();
    EXPECT_STREQ(ddr->name(), "DDR");
    EXPECT_STREQ(ddr->definition(), "DDR4");
    EXPECT_EQ(count(ddr->portGroups()), 2);
    IWJPortGroup* g3 = ddr->findPortGroup("g1.G2.G3");
    ASSERT_TRUE(g3);
    EXPECT_STREQ(g3->fullName(), "U1.DDR.G1.G2.G3");
    EXPECT_STREQ(g3->voltage(), "1.2V");
    EXPECT_EQ(g3->numPhysGroundPins(), 2);
    EXPECT_EQ(count(g3->differentialPorts()), 1);
    auto refs = g3->portRefs();
    EXPECT_STREQ(refs.value()->name(), "U1.A<0..1>");
    EXPECT_STREQ((++refs).value()->name(), "U1.A<-1..3>");

    const View noDefinition = read(writeDocument("no-definition.xml", "<CompInsts><CompInst><BusInterfaces>"
                                                 "<BusInterface><Name>B</Name></BusInterface>"
                                                 "</BusInterfaces></CompInst></CompInsts>"),
                                   true);
    IWJCompBusInterface* bus = noDefinition->compInsts().value()->busInterfaces().value();
    EXPECT_STREQ(bus->name(), "B");
    EXPECT_STREQ(bus->definition(), "");
}
