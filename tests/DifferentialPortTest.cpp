#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(AddDifferentialPort, WritesNameMembersAndRangesInOrder)
{
    const View view = create();
    IWJCompInst* c = view->addCompInst("C", "U1");
    IWJPort* p = c->addPort("P", nullptr, IWJPort::Output, 1, -1, -1);
    IWJPort* n = c->addPort("N", nullptr, IWJPort::Output, 1, -1, -1);
    IWJDPPort* diff = c->addDifferentialPort("DIFF1", nullptr);
    diff->setNegativePort(n, 3, 0);
    diff->setPositivePort(p, -1, -1);
    c->addDifferentialPort("DIFF2", "D2");

    int lsb = 0, msb = 0;
    EXPECT_EQ(diff->negativePort(&lsb, &msb), n);
    EXPECT_EQ(lsb, 3);
    EXPECT_EQ(msb, 0);
    EXPECT_EQ(diff->positivePort(&lsb, &msb), p);
    EXPECT_EQ(lsb, -1) << "-1 is written empty and kept as a reload reads it";
    EXPECT_EQ(msb, -1);
    EXPECT_STREQ(diff->fullName(), "C.DIFF1");
    diff->setType(IWJPort::Input);
    diff->setRange(1, 2);
    EXPECT_EQ(diff->type(), IWJPort::Unknown);
    EXPECT_EQ(diff->lsb(), -1);
    EXPECT_EQ(diff->portKind(), 1);

    const std::string written = readFile(write(view.get(), "add-differential-port.xml"));
    EXPECT_NE(written.find("      <DifferentialPorts>\n"
                           "        <DifferentialPort id=\"DIFF1\">\n"
                           "          <Name>DIFF1</Name>\n"
                           "          <PositivePort ref=\"P\">\n"
                           "            <Range lsb=\"\" msb=\"\"/>\n"
                           "          </PositivePort>\n"
                           "          <NegativePort ref=\"N\">\n"
                           "            <Range lsb=\"3\" msb=\"0\"/>\n"
                           "          </NegativePort>\n"
                           "        </DifferentialPort>\n"
                           "        <DifferentialPort id=\"D2\">\n"
                           "          <Name>DIFF2</Name>\n"
                           "          <InstancePortName>D2</InstancePortName>\n"
                           "        </DifferentialPort>\n"),
              std::string::npos)
        << written;
}

TEST(ReadDifferentialPort, MembersResolveOnlyToSingleEndedPortsByExactId)
{
    const View view = read(writeDocument("differential-members.xml",
                                         "<CompInsts><CompInst id=\"U1\"><CellName>C</CellName>"
                                         "<Ports><Port id=\"P\"><Name>P</Name></Port></Ports>"
                                         "<DifferentialPorts>"
                                         "<DifferentialPort id=\"OK\"><PositivePort ref=\"P\">"
                                         "<Range lsb=\"2\" msb=\"x\"/></PositivePort>"
                                         "<NegativePort ref=\"p\"/></DifferentialPort>"
                                         "<DifferentialPort id=\"BAD\"><PositivePort ref=\"OK\"/>"
                                         "<NegativePort ref=\"NONE\"/></DifferentialPort>"
                                         "</DifferentialPorts></CompInst></CompInsts>"),
                           true);
    IWJCompInst* u1 = view->compInsts().value();
    auto* ok = dynamic_cast<IWJDPPort*>(valueAt(u1->differentialPorts(), "OK"));
    auto* bad = dynamic_cast<IWJDPPort*>(valueAt(u1->differentialPorts(), "BAD"));
    ASSERT_TRUE(ok && bad);
    int lsb = -1, msb = -1;
    EXPECT_EQ(ok->positivePort(&lsb, &msb), u1->findPort("P"));
    EXPECT_EQ(lsb, 2);
    EXPECT_EQ(msb, 0);
    EXPECT_EQ(ok->negativePort(&lsb, &msb), nullptr) << "ids are exact";
    EXPECT_EQ(lsb, -1);
    EXPECT_EQ(bad->positivePort(nullptr, nullptr), nullptr) << "a differential port is no member";
    EXPECT_EQ(bad->negativePort(nullptr, nullptr), nullptr);
    EXPECT_EQ(u1->findDifferentialPort("P"), nullptr);
    EXPECT_EQ(u1->findPort("OK"), nullptr);
}
