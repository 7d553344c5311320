#include "TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace testsupport;

namespace {

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(AddPort, WritesEveryChildInItsOrderWithEmptyTextsForNoValue)
{
    const View view = create();
    IWJCompInst* u1 = view->addCompInst("CELL", "U1");
    IWJPort* a = u1->addPort("A", "", IWJPort::Unknown, 0, -1, -1);
    u1->addPort("DATA", "D", IWJPort::Inout, 8, 0, 7);
    IWJPort* odd = u1->addPort("ODD", nullptr, IWJPort::Ground, 1, -1, 5);
    odd->setType(9);
    EXPECT_EQ(odd->type(), 9);
    EXPECT_EQ(a->lsb(), -1);
    EXPECT_EQ(a->numPhysPins(), 0);

    const std::string written = readFile(write(view.get(), "add-port.xml"));
    EXPECT_TRUE(contains(written, "      <Ports>\n"
                                  "        <Port id=\"A\">\n"
                                  "          <Name>A</Name>\n"
                                  "          <Type/>\n"
                                  "          <NumPhysPins/>\n"
                                  "          <Range lsb=\"\" msb=\"\"/>\n"
                                  "        </Port>\n"
                                  "        <Port id=\"D\">\n"
                                  "          <Name>DATA</Name>\n"
                                  "          <Type>inout</Type>\n"
                                  "          <InstancePortName>D</InstancePortName>\n"
                                  "          <NumPhysPins>8</NumPhysPins>\n"
                                  "          <Range lsb=\"0\" msb=\"7\"/>\n"
                                  "        </Port>\n"
                                  "        <Port id=\"ODD\">\n"
                                  "          <Name>ODD</Name>\n"
                                  "          <Type/>\n"
                                  "          <NumPhysPins>1</NumPhysPins>\n"
                                  "          <Range lsb=\"\" msb=\"5\"/>\n"))
        << written;
}

TEST(AddPort, WritesEveryIntExactlyAndReadsItBack)
{
    const View view = create();
    view->addCompInst("CELL", "U1")->addPort("M", nullptr, IWJPort::Output, INT_MIN, INT_MIN, INT_MAX);
    const std::string path = write(view.get(), "int-limits.xml");
    EXPECT_TRUE(contains(readFile(path), "<NumPhysPins>-2147483648</NumPhysPins>\n"
                                         "          <Range lsb=\"-2147483648\" msb=\"2147483647\"/>"));
    const View back = read(path, false);
    IWJPort* m = back->compInsts().value()->findPort("m");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->numPhysPins(), INT_MIN);
    EXPECT_EQ(m->lsb(), INT_MIN);
    EXPECT_EQ(m->msb(), INT_MAX);
}

TEST(ReadPort, TakesTypeWordsInAnyCaseAndIgnoresOthers)
{
    const struct {
        const char* word;
        int code;
    } cases[] = {{"InOut", 2},  {"POWER", 3}, {"gRoUnD", 4}, {"input", 0},
                 {"Output", 1}, {"bidir", 5}, {"", 5},       {"in put", 5}};
    std::string body = "<CompInsts><CompInst id=\"U1\"><Ports>";
    for (const auto& c : cases)
        body += std::string("<Port><Name>") + c.word + "</Name><Type>" + c.word + "</Type></Port>";
    const View view = read(writeDocument("type-words.xml", body + "</Ports></CompInst></CompInsts>"), true);
    IWJCompInst* u1 = view->compInsts().value();
    for (const auto& c : cases)
        EXPECT_EQ(u1->findPort(c.word)->type(), c.code) << c.word;
}

TEST(PortNames, FullNameIsCellNameAndLocalNameOfAnyLength)
{
    const View view = create();
    IWJCompInst* c = view->addCompInst("C", nullptr);
    IWJPort* data = c->addPort("DATA0", "D0", IWJPort::Input, 1, -1, -1);
    EXPECT_STREQ(data->fullName(), "C.D0");
    data->setInstancePortName("");
    EXPECT_STREQ(data->fullName(), "C.DATA0");
    EXPECT_EQ(c->findPort("data0"), data) << "a renamed port is found by its new name, as after a reload";
    EXPECT_EQ(c->findPort("d0"), nullptr);

    const std::string longCell(3000, 'c');
    const std::string longName(3000, 'n');
    IWJCompInst* big = view->addCompInst(longCell.c_str(), nullptr);
    IWJPort* port = big->addPort(longName.c_str(), nullptr, IWJPort::Input, 1, 0, 1);
    EXPECT_EQ(port->fullName(), longCell + "." + longName);
    EXPECT_EQ(big->ports().key(), longName);
    big->addBusInterface("B", "")->addPortRef(port, 0, 1);
    EXPECT_EQ(big->busInterfaces().value()->portRefs().value()->name(), longCell + "." + longName + "<0..1>");
}
