// The placements read from fixture files written like the board files
// engineers start from, and the errors of lines that cannot be read.

#include "InterchangeSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace interchange;

namespace {

// What an import reports: placements read, other statements read past,
// warnings, ports made, pins made and placements commented out.
struct Counts {
    int read;
    int readPast;
    int warnings;
    int portsMade;
    int pinsMade;
    int commented;
};

struct FixtureCase {
    const char* file;
    const char* refdes;
    std::vector<std::string> placements;
    Counts counts;
    const char* firstCommented; // read with includeCommented
};

const FixtureCase kFixtures[] = {
    {"board.xdc",
     "U1",
     {"CLK100MHZ=E3", "LED_R=G6", "ck_rst=C12", "led[0]=H5", "led[1]=J5", "led[2]=T9", "led[3]=T10", "led_rgb[0]=G6",
      "led_rgb[1]=F6", "led_rgb[2]=E1", "sw[1]=C11", "sw[3]=A10"},
     {13, 4, 3, 6, 11, 2},
     "sw[0]=A8"},
    {"board.qsf",
     "U1",
     {"CLOCK_50=AF14", "HEX0[0]=AE26", "KEY[0]=AA14", "KEY[1]=AA15", "LEDR[0]=V16", "LEDR[1]=W16", "LEDR[2]=V17",
      "LEDR[3]=V18"},
     {8, 6, 1, 4, 8, 1},
     "KEY[2]=W15"},
    {"board.lpf",
     "U1",
     {"btn[0]=D6", "btn[1]=R1", "clk_25mhz=G2", "led[0]=B2", "led[4]=D1", "led[5]=E2", "led[6]=E1", "led[7]=H3",
      "user_rst=D6"},
     {9, 6, 2, 4, 8, 1},
     "led[1]=C2"},
    {"board.pcf",
     "U1",
     {"BTN[0]=12", "BTN[1]=11", "BTN_N=10", "CLK=35", "LED_G=41", "LED_R=42"},
     {7, 1, 2, 5, 6, 1},
     "LED_B=39"},
    {"board.csv", "U7", {"-RESET=R1", "GPIO[0]=P1", "GPIO[1]=P2", "GPIO[2]=P3", "UART_TX=T,1"}, {5, 4, 0, 3, 5, 0}, ""},
};

TEST(ConstraintRead, FixturesGiveTheirPlacements)
{
    for (const FixtureCase& fixture : kFixtures) {
        SCOPED_TRACE(fixture.file);
        ConstraintSource source;
        std::string error;
        ASSERT_TRUE(PinConstraints::loadSource(
            testsupport::sourcePath(std::string("tests/data/interchange/") + fixture.file), "", &source, &error))
            << error;
        ImportOptions options;
        options.refdes = fixture.refdes;
        options.includeCommented = true;
        const testsupport::View withComments = testsupport::create();
        ImportReport commented;
        ASSERT_TRUE(PinConstraints::importConstraints(withComments.get(), {source}, options, &commented));
        const std::vector<std::string> all = placements(withComments.get(), fixture.refdes);
        EXPECT_EQ(all.size(), fixture.placements.size() + static_cast<std::size_t>(fixture.counts.commented));
        EXPECT_TRUE(!*fixture.firstCommented || std::count(all.begin(), all.end(), fixture.firstCommented));
        const testsupport::View design = testsupport::create();
        options.includeCommented = false;
        ImportReport report;
        ASSERT_TRUE(PinConstraints::importConstraints(design.get(), {source}, options, &report))
            << ::testing::PrintToString(report.errors);
        EXPECT_EQ(placements(design.get(), fixture.refdes), fixture.placements);
        EXPECT_EQ(report.placementsCommentedOut, fixture.counts.commented);
        EXPECT_EQ(report.placementsRead, fixture.counts.read);
        EXPECT_EQ(report.linesReadPast, fixture.counts.readPast);
        EXPECT_EQ(static_cast<int>(report.warnings.size()), fixture.counts.warnings)
            << ::testing::PrintToString(report.warnings);
        EXPECT_EQ(report.portsMade, fixture.counts.portsMade);
        EXPECT_EQ(report.pinsMade, fixture.counts.pinsMade);
    }
}

// Made ports cover the bits placed; the CSV's cell names a new instance.
TEST(ConstraintRead, MadeObjectsFollowThePlacements)
{
    const testsupport::View design = testsupport::create();
    importText(design.get(), ConstraintFormat::Csv, "port,pin\nSOC.d[5],A1\nSOC.d[2],A2\n", "U3");
    IWJCompInst* instance = testsupport::valueAt(design->compInsts(), "U3");
    ASSERT_NE(instance, nullptr);
    EXPECT_STREQ(instance->cellName(), "SOC");
    IWJPort* port = instance->findPort("D");
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(port->lsb(), 2);
    EXPECT_EQ(port->msb(), 5);
    EXPECT_EQ(port->numPhysPins(), 4);
    EXPECT_EQ(port->type(), IWJPort::Inout);
    EXPECT_STREQ(design->findPartMap(instance)->footprint()->name(), "SOC_PACKAGE");
}

struct BadLine {
    ConstraintFormat format;
    const char* text;
    int line;
};

const BadLine kBadLines[] = {
    {ConstraintFormat::Xdc, "# ok\nset_property PACKAGE_PIN [get_ports x]\n", 2},
    {ConstraintFormat::Xdc,
     "\n\nset_property -dict { PACKAGE_PIN A1 [get_ports x]\nset_property PACKAGE_PIN B1 [get_ports y]\n", 3},
    {ConstraintFormat::Xdc, "set_property PACKAGE_PIN A1 [get_ports {x[3}]\n", 1},
    {ConstraintFormat::Xdc, "set_property PACKAGE_PIN A1 [get_ports \"x]\n", 1},
    {ConstraintFormat::Xdc, "set_property PACKAGE_PIN A1 [get_ports {a b}]\n", 1},
    {ConstraintFormat::Xdc, "set_property -dict {PACKAGE_PIN} [get_ports x]\n", 1},
    {ConstraintFormat::Xdc, "set_property PACKAGE_PIN A1 [get_cells x]\n", 1},
    {ConstraintFormat::Xdc, "set_property PACKAGE_PIN E3 [get_ports led*]\n", 1},
    {ConstraintFormat::Xdc, "set_property PACKAGE_PIN E3 [get_ports {led?}]\n", 1},
    {ConstraintFormat::Xdc, "set pin E3\nset_property PACKAGE_PIN $pin [get_ports x]\n", 2},
    {ConstraintFormat::Xdc, "set_property PACKAGE_PIN E 3 [get_ports x]\n", 1},
    {ConstraintFormat::Qsf, "set_location_assignment PIN_A1 B2 -to x\n", 1},
    {ConstraintFormat::Qsf, "set_location_assignment PIN_A1 -to \"$name\"\n", 1},
    {ConstraintFormat::Qsf, "set_location_assignment PIN_ -to x\n", 1},
    {ConstraintFormat::Qsf, "set_location_assignment -to x\n", 1},
    {ConstraintFormat::Qsf, "\nset_location_assignment PIN_A1\n", 2},
    {ConstraintFormat::Qsf, "set_location_assignment PIN_A1 -to \"x\n", 1},
    {ConstraintFormat::Lpf, "LOCATE COMP \"x\" SITE;\n", 1},
    {ConstraintFormat::Lpf, "BLOCK RESETPATHS;\nLOCATE COMP \"x SITE \"A1\";\n", 2},
    {ConstraintFormat::Lpf, "LOCATE COMP \"x\" SITE \"A1\"\nLOCATE COMP \"y\" SITE \"B1\";\n", 1},
    {ConstraintFormat::Pcf, "set_io x\n", 1},
    {ConstraintFormat::Pcf, "set_io -pullup yes x[a] A1\n", 1},
    {ConstraintFormat::Csv, "port,pin\nx,\n", 2},
    {ConstraintFormat::Csv, "port,pin,bit\nx,A1,three\n", 2},
    {ConstraintFormat::Csv, "port,pin\n\"x,A1\n", 2},
    {ConstraintFormat::Csv, "name,site\nx,A1\n", 1},
};

TEST(ConstraintRead, UnreadablePlacementsAreErrorsAndChangeNothing)
{
    for (const BadLine& bad : kBadLines) {
        SCOPED_TRACE(bad.text);
        const testsupport::View design = testsupport::create();
        const ImportReport report = importText(design.get(), bad.format, bad.text);
        ASSERT_EQ(report.errors.size(), 1u) << ::testing::PrintToString(report.errors);
        const std::string where =
            std::string("in.") + PinConstraints::formatName(bad.format) + ":" + std::to_string(bad.line) + ": ";
        EXPECT_EQ(report.errors[0].rfind(where, 0), 0u) << report.errors[0];
        EXPECT_FALSE(design->compInsts().isValid());
    }
}

// A bit outside an existing port's range is an error found before any edit.
TEST(ConstraintRead, BitsOutsideAnExistingPortAreErrors)
{
    const testsupport::View design = testsupport::create();
    importText(design.get(), ConstraintFormat::Pcf, "set_io d[0] A1\nset_io d[3] A2\nset_io s B1\n");
    const ImportReport report =
        importText(design.get(), ConstraintFormat::Pcf, "set_io d[1] C1\nset_io d[4] C2\nset_io s[0] C3\n");
    ASSERT_EQ(report.errors.size(), 2u) << ::testing::PrintToString(report.errors);
    EXPECT_EQ(report.errors[0].rfind("in.pcf:2: ", 0), 0u);
    EXPECT_EQ(report.errors[1].rfind("in.pcf:3: ", 0), 0u);
    EXPECT_EQ(placements(design.get(), "U1"), (std::vector<std::string>{"d[0]=A1", "d[3]=A2", "s=B1"}));
}

// A placement names a port by its local name, else its name, else a pair's
// name (its positive member): no second port of that name is made.
TEST(ConstraintRead, PortsAreFoundByLocalNameThenNameThenPair)
{
    const testsupport::View board = testsupport::read(testsupport::sourcePath("examples/board.xml"), false);
    const ImportReport report = importText(board.get(), ConstraintFormat::Pcf, "set_io DATA[0] Z1\nset_io dqs1 Z2\n");
    EXPECT_EQ(report.portsMade, 0);
    const std::vector<std::string> placed = placements(board.get(), "U1");
    EXPECT_EQ(
        std::count(placed.begin(), placed.end(), "D[0]=Z1") + std::count(placed.begin(), placed.end(), "DQS1_P=Z2"), 2);
    const ImportReport bit = importText(board.get(), ConstraintFormat::Pcf, "\nset_io DQS0[0] Z3\n");
    ASSERT_EQ(bit.errors.size(), 1u);
    EXPECT_EQ(bit.errors[0].rfind("in.pcf:2: DQS0 is a differential pair", 0), 0u) << bit.errors[0];
}

// A pin that holds a port the files do not move is refused, unless forced;
// new ports and pins are refused when asked.
TEST(ConstraintRead, OccupiedPinsAndNewObjectsAreRefusedAsAsked)
{
    const std::string refused =
        "in.pcf:1: pin A1 is mapped to FPGA_BGA56.CLK_IN, which the files do not move; --force places TDI there too";
    const struct {
        const char* text;
        bool force;
        bool noNewPorts;
        bool noNewPins;
        std::string errors;
        std::size_t warnings;
    } cases[] = {
        {"set_io TDI A1\n", false, true, true, refused, 0},
        {"set_io TDI A1\n", true, false, false, "", 1},
        {"set_io TDI A1\nset_io CLK_IN H3\n", false, true, true, "", 0},
        {"set_io LEDRR H3\n", false, true, false,
         "in.pcf:1: the design has no port LEDRR and --no-new-ports makes none", 0},
        {"set_io TDI K111\n", false, false, true,
         "in.pcf:1: the footprint has no pin K111 and --no-new-pins makes none", 0},
        {"set_io x[0] K1\nset_io x[2147483647] K2\n", false, false, false,
         "in.pcf:1: the bits 0 to 2147483647 of the new port x are too many pins to count", 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.text);
        const testsupport::View board = testsupport::read(testsupport::sourcePath("examples/board.xml"), false);
        ImportOptions options;
        options.refdes = "U1";
        options.force = test.force;
        options.noNewPorts = test.noNewPorts;
        options.noNewPins = test.noNewPins;
        ImportReport report;
        PinConstraints::importConstraints(board.get(), {{"in.pcf", test.text, ConstraintFormat::Pcf}}, options,
                                          &report);
        std::string errors;
        for (const std::string& error : report.errors)
            errors += error;
        EXPECT_EQ(errors, test.errors);
        EXPECT_EQ(report.warnings.size(), test.warnings);
    }
}

std::string utf16(const std::string& ascii, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii)
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

// A UTF-8 mark is dropped, UTF-16 with its mark read; NUL is an error. Tcl
// continues CRLF lines and reads braces literally; .pcf is read line by line.
TEST(ConstraintRead, TextIsReadAsItsToolReadsItOrRefusedWithTheLine)
{
    const struct {
        ConstraintFormat format;
        std::string text;
        int errorLine; // 0: reads a=A1
    } cases[] = {
        {ConstraintFormat::Csv, "\xEF\xBB\xBFrefdes,port,pin\nU1,a,A1\nU2,b,B1\n", 0},
        {ConstraintFormat::Xdc, "\xEF\xBB\xBFset_property PACKAGE_PIN A1 [get_ports a]\n", 0},
        {ConstraintFormat::Pcf, utf16("set_io a A1\n", false), 0},
        {ConstraintFormat::Pcf, utf16("set_io a A1\n", true), 0},
        {ConstraintFormat::Pcf, std::string("set_io a A1\nset_io a\0b B1\n", 25), 2},
        {ConstraintFormat::Pcf, utf16("set_io a A1\n", false).substr(2), 1},
        {ConstraintFormat::Pcf, utf16("set_io a A1\n\n", false) + "x", 3},
        {ConstraintFormat::Xdc, "set_property -dict { PACKAGE_PIN A1 \\\r\n IOSTANDARD X } [get_ports a]\r\n", 0},
        {ConstraintFormat::Xdc, "set_property PACKAGE_PIN A1 [get_ports {a}] ;# $not a variable\n", 0},
        {ConstraintFormat::Pcf, "# ends in \\\nset_io a A1\n", 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(::testing::PrintToString(test.text));
        const testsupport::View design = testsupport::create();
        const ImportReport report = importText(design.get(), test.format, test.text);
        if (test.errorLine == 0) {
            EXPECT_EQ(placements(design.get(), "U1"), std::vector<std::string>{"a=A1"});
            continue;
        }
        ASSERT_EQ(report.errors.size(), 1u);
        EXPECT_EQ(report.errors[0].rfind("in.pcf:" + std::to_string(test.errorLine) + ": ", 0), 0u) << report.errors[0];
    }
}

} // namespace
