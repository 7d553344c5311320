#include "TestSupport.h"
#include "model/DesignRecords.h"

#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <gtest/gtest.h>

#include <pthread.h>

using namespace testsupport;

namespace {

std::string names(CInterfaceObjectIterator<IWJPortRef*> walk)
{
    std::string text;
    for (; walk.isValid(); ++walk)
        text += std::string(walk.value()->name()) + " ";
    return text;
}

std::string names(CInterfaceObjectMapIterator<std::string, IWJPortGroup*> walk)
{
    std::string text;
    for (; walk.isValid(); ++walk)
        text += walk.key() + "=" + walk.value()->name() + " ";
    return text;
}

void* releaseInstance(void* instance)
{
    delete static_cast<IWJCompInst*>(instance);
    return nullptr;
}

} // namespace

TEST(AddPortGroup, WritesItsChildrenInOrder)
{
    const View view = create();
    IWJCompBusInterface* bus = view->addCompInst("U1", nullptr)->addBusInterface("DDR", "DDR4");
    IWJPortGroup* g1 = bus->addPortGroup("G1", IWJPortGroup::Bus, "1.2V", 2, 0);
    IWJPortGroup* g2 = g1->addPortGroup("G2", IWJPortGroup::NoType, nullptr, 0, 0);
    g2->setGroupType(static_cast<IWJPortGroup::IWJPortGroupType>(5));
    g2->setNumPhysPins(0, 3);
    EXPECT_EQ(g2->groupType(), 5);
    EXPECT_STREQ(g2->voltage(), "");
    EXPECT_EQ(g2->groupKind(), 1);
    EXPECT_EQ(g2->busInterface(), bus);

    const std::string written = readFile(write(view.get(), "add-port-group.xml"));
    EXPECT_NE(written.find("          <PortGroups>\n"
                           "            <PortGroup id=\"G1\">\n"
                           "              <Name>G1</Name>\n"
                           "              <Type>bus</Type>\n"
                           "              <Voltage>1.2V</Voltage>\n"
                           "              <NumPowerPins>2</NumPowerPins>\n"
                           "              <NumGroundPins/>\n"
                           "              <PortGroups>\n"
                           "                <PortGroup id=\"G2\">\n"
                           "                  <Name>G2</Name>\n"
                           "                  <Type/>\n"
                           "                  <NumPowerPins/>\n"
                           "                  <NumGroundPins>3</NumGroundPins>\n"
                           "                </PortGroup>\n"),
              std::string::npos)
        << written;
}

TEST(AddPortRef, WritesTheRefAndOnlyTheBoundsGiven)
{
    const View view = create();
    IWJCompInst* u1 = view->addCompInst("U1", nullptr);
    IWJPort* a = u1->addPort("A", nullptr, IWJPort::Input, 4, 0, 3);
    IWJDPPort* ad = u1->addDifferentialPort("AD", nullptr);
    IWJPortGroup* group = u1->addBusInterface("DDR", "")->addPortGroup("G", IWJPortGroup::Bus, nullptr, 0, 0);
    auto before = group->portRefs();
    group->addPortRef(a, -1, 4);
    group->addPortRef(ad, 1, 2);
    group->addPortRef(a, 0, 0);
    group->addPortRef(a, -1, -1);
    EXPECT_FALSE(before.isValid()) << "a handle shows the list as it was";
    EXPECT_EQ(names(group->portRefs()), "U1.A<-1..4> U1.A<0> U1.A ");
    EXPECT_EQ(count(group->differentialPorts()), 1);

    const std::string written = readFile(write(view.get(), "add-port-ref.xml"));
    EXPECT_NE(written.find("              <PortRefs>\n"
                           "                <PortRef ref=\"A\">\n"
                           "                  <Range msb=\"4\"/>\n"
                           "                </PortRef>\n"
                           "                <PortRef ref=\"A\">\n"
                           "                  <Range lsb=\"0\" msb=\"0\"/>\n"
                           "                </PortRef>\n"
                           "                <PortRef ref=\"A\"/>\n"
                           "              </PortRefs>\n"
                           "              <DifferentialPortRefs>\n"
                           "                <DifferentialPortRef ref=\"AD\"/>\n"
                           "              </DifferentialPortRefs>\n"),
              std::string::npos)
        << written;
}

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

TEST(PortGroupNames, FullNamesRunFromTheCellThroughEveryEnclosingGroup)
{
    const View view = create();
    IWJCompBusInterface* ddr = view->addCompInst("U1", nullptr)->addBusInterface("DDR", "");
    IWJPortGroup* g1 = ddr->addPortGroup("G1", IWJPortGroup::Bus, nullptr, 0, 0);
    IWJPortGroup* g3 =
        g1->addPortGroup("G2", IWJPortGroup::Bus, nullptr, 0, 0)->addPortGroup("G3", IWJPortGroup::Bus, nullptr, 0, 0);
    EXPECT_STREQ(g3->fullName(), "U1.DDR.G1.G2.G3");
    EXPECT_STREQ(g1->fullName(), "U1.DDR.G1");
    EXPECT_STREQ(ddr->fullName(), "U1.DDR");
    EXPECT_EQ(g1->findPortGroup("G2.G3"), g3);
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
    EXPECT_EQ(names(bus->portGroups()), "G=second ");
    IWJPortGroup* second = bus->portGroups().value();
    IWJPortGroup* d = second->addPortGroup("D", IWJPortGroup::Bus, nullptr, 0, 0);
    IWJPortGroup* c = d->addPortGroup("C", IWJPortGroup::Bus, nullptr, 0, 0);
    bus->insertPortGroup(c);
    d->insertPortGroup(d);
    c->insertPortGroup(d);
    d->insertPortGroup(c);
    bus->insertPortGroup(bus);
    EXPECT_EQ(names(bus->portGroups()), "C=C G=second ");
    EXPECT_EQ(c->findPortGroup("D"), d);
    EXPECT_EQ(names(second->portGroups()), "");
    EXPECT_STREQ(d->fullName(), "..C.D") << "no cell name, a bus interface without a name";

    const std::string expected = DesignRecords(view.get()).text();
    const View back = read(write(view.get(), "moved-groups.xml"), true);
    ASSERT_TRUE(back);
    EXPECT_EQ(DesignRecords(back.get()).text(), expected);
}

TEST(PortGroupOwnership, DeepTreesAreReleasedWithoutRecursion)
{
    auto* instance = dynamic_cast<IWJCompInst*>(CreateInterfaceCompInst(nullptr, nullptr));
    ASSERT_TRUE(instance);
    IWJPortGroup* group = instance->addBusInterface("B", "");
    for (int depth = 0; depth < 20000; ++depth)
        group = group->addPortGroup("G", IWJPortGroup::Bus, nullptr, 0, 0);
    EXPECT_EQ(group->busInterface(), instance->busInterfaces().value());

    // A stack far too small for one frame per level.
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 256 * 1024);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, releaseInstance, instance), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}
