#include "TestSupport.h"

#include "wjxmlinterfaceflowreader/WJFactories.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(Ids, AreMadeUniqueAndValidByTheView)
{
    const View view = create();
    const char* const seeds[][2] = {{"U1", "U1"},       {"U1", "U1_1"},     {"U1", "U1_2"},
                                    {"U1_1", "U1_1_1"}, {"3V3", "TVN_3V3"}, {"a b/c", "a_b_c"},
                                    {"", "TVN_"},       {"_x", "TVN__x"},   {"x-1:2.3", "x-1:2.3"}};
    for (const auto& seed : seeds) {
        IWJCompInst* made = view->addCompInst("CELL", seed[0]);
        EXPECT_EQ(valueAt(view->compInsts(), seed[1]), made) << seed[0];
    }
    IWJCompInst* u1 = valueAt(view->compInsts(), "U1");
    IWJPort* port = u1->addPort("U1", "", IWJPort::Input, 1, -1, -1);
    IWJPort* named = u1->addPort("NAME", "U1", IWJPort::Input, 1, -1, -1);
    EXPECT_EQ(valueAt(u1->ports(), "U1_3"), port) << "ports share the ids of the view";
    EXPECT_EQ(valueAt(u1->ports(), "U1_4"), named) << "made from the instance port name";
    EXPECT_EQ(valueAt(u1->differentialPorts(), "A"), u1->addDifferentialPort("A", nullptr));

    view->removeCompInst(valueAt(view->compInsts(), "TVN_"));
    EXPECT_EQ(valueAt(view->compInsts(), "TVN_"), nullptr);
    EXPECT_EQ(valueAt(view->compInsts(), "TVN__1"), view->addCompInst("CELL", "")) << "removed ids are not reused";
    write(view.get(), "ids.xml");
}

TEST(Lookups, NamesIgnoreCaseAndKindsStayApart)
{
    const View view = create();
    IWJCompInst* c = view->addCompInst("C", nullptr);
    IWJPort* lower = c->addPort("Clk", nullptr, IWJPort::Input, 1, -1, -1);
    auto before = c->ports();
    IWJPort* upper = c->addPort("CLK", nullptr, IWJPort::Input, 1, -1, -1);
    IWJPort* data = c->addPort("DATA", "D", IWJPort::Input, 1, -1, -1);
    IWJDPPort* pair = c->addDifferentialPort("PAIR", nullptr);
    EXPECT_EQ(count(before), 1) << "a handle shows the ports filed when it was made";
    EXPECT_EQ(count(c->ports()), 3);
    EXPECT_NE(lower, upper);
    EXPECT_EQ(c->findPort("clk"), upper) << "the port filed last";
    EXPECT_EQ(c->findPort("d"), data);
    EXPECT_EQ(c->findPort("data"), nullptr) << "the instance port name is the local name";
    EXPECT_EQ(c->findPort("pair"), nullptr);
    EXPECT_EQ(c->findDifferentialPort("Pair"), pair);
    EXPECT_EQ(c->findDifferentialPort("D"), nullptr);
}

TEST(Lookups, DuplicateIdsInAFileLeaveTheLastReachableAndReleaseAll)
{
    const View view = read(sourcePath("tests/data/valid/duplicate-ids-dangling-refs.xml"), true);
    EXPECT_EQ(count(view->compInsts()), 1);
    IWJCompInst* u1 = view->compInsts().value();
    EXPECT_STREQ(u1->cellName(), "SECOND");
    EXPECT_FALSE(u1->ports().isValid());
    view->removeCompInst(u1);
    EXPECT_FALSE(view->compInsts().isValid());
    const std::string written = readFile(write(view.get(), "duplicates-removed.xml"));
    EXPECT_EQ(written.find("SECOND"), std::string::npos);
    EXPECT_NE(written.find("FIRST"), std::string::npos) << "the displaced instance lives until the view goes";
}

TEST(RemoveCompInst, TakesItsElementOutAndIgnoresWhatIsNotFiled)
{
    const View view = create();
    IWJCompInst* gone = view->addCompInst("GONE", "U1");
    gone->addPort("P", nullptr, IWJPort::Input, 1, -1, -1);
    gone->addBusInterface("B", "")->addPortGroup("G", IWJPortGroup::Bus, nullptr, 0, 0);
    view->addCompInst("KEPT", "U2");
    auto* stranger = dynamic_cast<IWJCompInst*>(CreateInterfaceCompInst(nullptr, nullptr));
    view->removeCompInst(stranger);
    view->removeCompInst(nullptr);
    view->removeCompInst(gone);
    EXPECT_EQ(keys(view->compInsts()), "U2 ");
    const std::string written = readFile(write(view.get(), "removed-comp-inst.xml"));
    EXPECT_EQ(written.find("GONE"), std::string::npos);
    EXPECT_NE(written.find("KEPT"), std::string::npos);
    delete stranger;
}

TEST(RemovePort, LeavesNoElementReferringToItAndNoPointerDangling)
{
    const View view =
        read(writeDocument("remove-port.xml",
                           "<CompInsts><CompInst id=\"U1\"><CellName>C</CellName>"
                           "<Ports><Port id=\"P\"><Name>P</Name></Port><Port id=\"Q\"><Name>Q</Name></Port></Ports>"
                           "<DifferentialPorts><DifferentialPort id=\"PQ\"><Name>PQ</Name>"
                           "<PositivePort ref=\"P\"><Range lsb=\"0\"/></PositivePort><NegativePort ref=\"Q\"/>"
                           "</DifferentialPort></DifferentialPorts>"
                           "<BusInterfaces><BusInterface id=\"B\"><Name>B</Name>"
                           "<PortRefs><PortRef ref=\"P\"><Range lsb=\"1\"/></PortRef><PortRef ref=\"Q\"/></PortRefs>"
                           "<DifferentialPortRefs><DifferentialPortRef ref=\"P\"/><DifferentialPortRef ref=\"PQ\"/>"
                           "</DifferentialPortRefs><PortGroups><PortGroup id=\"G\"><Name>G</Name>"
                           "<PortRefs><PortRef ref=\"P\"/><PortRef ref=\"PQ\"/></PortRefs></PortGroup></PortGroups>"
                           "</BusInterface></BusInterfaces></CompInst></CompInsts>"),
             true);
    IWJCompInst* u1 = view->compInsts().value();
    IWJPort* p = u1->findPort("P");
    IWJCompBusInterface* bus = u1->busInterfaces().value();
    IWJPortGroup* group = bus->findPortGroup("G");
    group->addPortRef(p, 2, 3);
    IWJPortRef* kept = bus->portRefs().value();
    auto* pair = dynamic_cast<IWJDPPort*>(u1->findDifferentialPort("PQ"));
    auto handle = u1->ports();

    u1->removePort(p);
    EXPECT_EQ(u1->findPort("P"), nullptr);
    EXPECT_EQ(keys(u1->ports()), "Q ");
    EXPECT_EQ(count(handle), 2) << "a handle made before still walks its own copy";
    EXPECT_STREQ(kept->name(), "C.P<1..-1>") << "a reference handed out stays readable";
    EXPECT_STREQ(p->fullName(), "C.P");
    p->setName("RENAMED");
    EXPECT_EQ(count(bus->portRefs()), 1);
    EXPECT_FALSE(group->portRefs().isValid());
    int lsb = 0;
    EXPECT_EQ(pair->positivePort(&lsb, nullptr), nullptr);
    EXPECT_EQ(lsb, -1);
    EXPECT_EQ(pair->negativePort(nullptr, nullptr), u1->findPort("Q"));
    u1->removePort(p);

    const std::string written = readFile(write(view.get(), "removed-port.xml"));
    EXPECT_EQ(written.find("\"P\""), std::string::npos) << written;
    EXPECT_EQ(written.find("RENAMED"), std::string::npos);
    EXPECT_NE(written.find("<NegativePort ref=\"Q\"/>"), std::string::npos);

    EXPECT_EQ(group->differentialPorts().value(), pair) << "a PortRef may name a differential port";
    u1->removePort(pair);
    EXPECT_FALSE(u1->differentialPorts().isValid());
    EXPECT_FALSE(bus->differentialPorts().isValid());
    EXPECT_FALSE(group->differentialPorts().isValid());
    const std::string after = readFile(write(view.get(), "removed-differential-port.xml"));
    EXPECT_EQ(after.find("PQ"), std::string::npos) << after;
}
