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
