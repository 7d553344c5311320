#include "TestSupport.h"
#include "model/DesignRecords.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(FindPortGroup, WalksNamesFromTheInstanceTheBusInterfaceAndAGroup)
{
    const View view = create();
    IWJCompInst* u1 = view->addCompInst("CELL", nullptr);
    IWJCompBusInterface* ddr = u1->addBusInterface("DDR", "");
    IWJPortGroup* upper = ddr->addPortGroup("Lane", IWJPortGroup::Bus, nullptr, 0, 0);
    IWJPortGroup* lower = ddr->addPortGroup("lane", IWJPortGroup::Bus, nullptr, 0, 0);
    IWJPortGroup* sub = upper->addPortGroup("SUB", IWJPortGroup::Bus, nullptr, 0, 0);
    IWJPortGroup* unnamed = upper->addPortGroup("", IWJPortGroup::Bus, nullptr, 0, 0);
    lower->addPortGroup("SUB", IWJPortGroup::Bus, nullptr, 0, 0);

    EXPECT_EQ(u1->findPortGroup("DDR"), nullptr) << "no full stop";
    EXPECT_EQ(u1->findPortGroup("anything.ddr"), ddr);
    EXPECT_EQ(u1->findPortGroup("x.DDR.lane.SUB"), sub) << "Lane comes first in id order";
    EXPECT_EQ(u1->findPortGroup("x.NONE"), nullptr);
    EXPECT_EQ(ddr->findPortGroup("LANE"), upper);
    EXPECT_EQ(ddr->findPortGroup("Lane.sub"), nullptr) << "steps after the first are exact";
    EXPECT_EQ(ddr->findPortGroup("lane.SUB."), sub);
    EXPECT_EQ(upper->findPortGroup("SUB."), sub);
    EXPECT_EQ(upper->findPortGroup("sub"), nullptr);
    EXPECT_EQ(upper->findPortGroup(""), unnamed);

    IWJCompInst* dotted = view->addCompInst("A.B", nullptr);
    IWJCompBusInterface* bus = dotted->addBusInterface("BUS", "");
    EXPECT_STREQ(bus->fullName(), "A.B.BUS");
    EXPECT_EQ(dotted->findPortGroup(bus->fullName()), nullptr) << "B is taken as the bus interface name";
}

// Inserting moves a group of the same instance, in memory and in the file;
// a group never moves into itself or below itself.
TEST(PortGroupOwnership, InsertingMovesAGroupAndADisplacedGroupIsReleasedOnce)
{
    const View view = read(writeDocument("duplicate-groups.xml",
                                         "<CompInsts><CompInst id=\"U1\"><BusInterfaces><BusInterface id=\"B\">"
                                         "<PortGroups><PortGroup id=\"G\"><Name>first</Name></PortGroup>"
                                         "<PortGroup id=\"G\"><Name>second</Name></PortGroup></PortGroups>"
                                         "</BusInterface></BusInterfaces></CompInst></CompInsts>"),
                           true);
    IWJCompBusInterface* bus = view->compInsts().value()->busInterfaces().value();
    EXPECT_EQ(keys(bus->portGroups()), "G ");
    IWJPortGroup* second = bus->portGroups().value();
    EXPECT_STREQ(second->name(), "second");
    IWJPortGroup* d = second->addPortGroup("D", IWJPortGroup::Bus, nullptr, 0, 0);
    IWJPortGroup* c = d->addPortGroup("C", IWJPortGroup::Bus, nullptr, 0, 0);
    bus->insertPortGroup(c);
    d->insertPortGroup(d);
    c->insertPortGroup(d);
    d->insertPortGroup(c);
    bus->insertPortGroup(bus);
    EXPECT_EQ(keys(bus->portGroups()), "C G ");
    EXPECT_EQ(c->findPortGroup("D"), d);
    EXPECT_FALSE(second->portGroups().isValid());
    EXPECT_STREQ(d->fullName(), "..C.D") << "no cell name, a bus interface without a name";

    const std::string expected = DesignRecords(view.get()).text();
    const View back = read(write(view.get(), "moved-groups.xml"), true);
    ASSERT_TRUE(back);
    EXPECT_EQ(DesignRecords(back.get()).text(), expected);
}
