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
