#include "RoundTripCheck.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace testsupport;

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

TEST(PortRefName, ShowsTheBitOrTheRangeAfterTheFullName)
{
    const View view = create();
    IWJCompInst* u1 = view->addCompInst("U1", nullptr);
    IWJPort* data = u1->addPort("DATA", nullptr, IWJPort::Inout, 8, 0, 7);
    IWJCompBusInterface* bus = u1->addBusInterface("B", "");
    const struct {
        int lsb, msb;
        const char* name;
    } cases[] = {{-1, -1, "U1.DATA"},
                 {3, 3, "U1.DATA<3>"},
                 {0, 0, "U1.DATA<0>"},
                 {0, 7, "U1.DATA<0..7>"},
                 {7, 0, "U1.DATA<7..0>"},
                 {-1, 5, "U1.DATA<-1..5>"},
                 {4, -1, "U1.DATA<4..-1>"},
                 {INT_MIN, INT_MIN, "U1.DATA<-2147483648>"},
                 {INT_MIN, INT_MAX, "U1.DATA<-2147483648..2147483647>"}};
    for (const auto& c : cases)
        bus->addPortRef(data, c.lsb, c.msb);
    auto walk = bus->portRefs();
    for (const auto& c : cases) {
        ASSERT_TRUE(walk.isValid());
        EXPECT_STREQ(walk.value()->name(), c.name);
        ++walk;
    }
    EXPECT_FALSE(walk.isValid());
}

TEST(PortRefName, EachFormHasItsOwnBuffer)
{
    const View view = create();
    IWJCompInst* u1 = view->addCompInst("U1", nullptr);
    IWJPort* data = u1->addPort("DATA", nullptr, IWJPort::Inout, 8, 0, 7);
    IWJCompBusInterface* bus = u1->addBusInterface("B", "");
    bus->addPortRef(data, -1, -1);
    bus->addPortRef(data, 1, 1);
    bus->addPortRef(data, 0, 7);
    bus->addPortRef(data, 7, 0);
    auto walk = bus->portRefs();
    IWJPortRef* whole = walk.value();
    IWJPortRef* bit = (++walk).value();
    IWJPortRef* range = (++walk).value();
    IWJPortRef* down = (++walk).value();

    EXPECT_EQ(whole->name(), data->fullName()) << "the port's own pointer";
    const char* rangeText = range->name();
    const char* bitText = bit->name();
    EXPECT_STREQ(rangeText, "U1.DATA<0..7>");
    EXPECT_EQ(down->name(), rangeText);
    EXPECT_STREQ(rangeText, "U1.DATA<7..0>");
    EXPECT_STREQ(bitText, "U1.DATA<1>");

    whole->setRange(2, 2);
    whole->setPort(nullptr);
    EXPECT_STREQ(whole->name(), "U1.DATA<2>") << "a reference keeps a port of its instance";
    const std::string written = readFile(write(view.get(), "port-ref-edits.xml"));
    EXPECT_NE(written.find("<PortRef ref=\"DATA\">\n              <Range lsb=\"2\" msb=\"2\"/>"), std::string::npos)
        << "a host's edit of a reference is written";
}

// Narrowing a port's range drops the mappings of the bits it leaves, in
// memory and in the file; a mapping of the whole port stays.
TEST(PortRange, NarrowingDropsTheMappingsOfTheBitsLeft)
{
    const struct {
        int lsb;
        int msb;
        const char* mappedBits;
    } cases[] = {{0, 3, "0 1 2 3 "}, {3, 0, "0 1 2 3 "}, {-1, 6, "6 "}, {5, 9, "5 6 7 "}, {-1, -1, ""}};
    const RoundTripCheck roundTrip(WJ_TEST_OUTPUT_DIR);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.lsb) + ".." + std::to_string(c.msb));
        const View view = create();
        IWJCompInst* inst = view->addCompInst("CHIP", "U1");
        IWJPort* data = inst->addPort("D", "", IWJPort::Inout, 8, 0, 7);
        IWJFootPrint* footprint = view->addFootprint("F", nullptr, nullptr, nullptr, nullptr, nullptr);
        IWJPartMap* map = view->addPartMap(footprint, inst);
        for (int bit = 0; bit < 8; ++bit) {
            footprint->addPin(std::to_string(bit).c_str(), nullptr, nullptr, nullptr, nullptr);
            map->mapPortToPinName(data, std::to_string(bit).c_str(), bit);
        }
        map->mapPortToPinNames(data, {"0", "7"}, -1);
        data->setRange(c.lsb, c.msb);
        std::string mappedBits;
        for (int bit = 0; bit < 8; ++bit) {
            if (map->pinForPort(data, bit))
                mappedBits += std::to_string(bit) + " ";
        }
        EXPECT_EQ(mappedBits, c.mappedBits);
        EXPECT_EQ(count(map->portPinMaps()), occurrences(c.mappedBits, " "));
        EXPECT_EQ(pinNames(map->pinGroupForPort(data, -1)), "0 7 ");
        EXPECT_EQ(roundTrip.check(view.get(), "narrowed-" + std::to_string(c.lsb) + "-" + std::to_string(c.msb)), "");
    }
}
