// The placements read from fixture files written like the board files
// engineers start from, and the errors of lines that cannot be read.

#include "InterchangeSupport.h"

#include "wjxmlinterchange/IoStandards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

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
    std::vector<std::string> standards;
    std::vector<std::string> pairs;
    const char* firstCommented; // read with includeCommented
};

const FixtureCase kFixtures[] = {
    {"board.xdc",
     "U1",
     {"CLK100MHZ=E3", "LED_R=G6", "ck_rst=C12", "fan_pwm=W19", "hdmi_tx_n[0]=AB20", "hdmi_tx_n[1]=AC21",
      "hdmi_tx_p[0]=AA20", "hdmi_tx_p[1]=AB21", "led[0]=H5", "led[1]=J5", "led[2]=T9", "led[3]=T10", "led_rgb[0]=G6",
      "led_rgb[1]=F6", "led_rgb[2]=E1", "sw[1]=C11", "sw[3]=A10", "sysclk_n=T4", "sysclk_p=R4"},
     {20, 4, 4, 11, 18, 2},
     {"CLK100MHZ=LVCMOS33", "ck_rst=LVCMOS33", "fan_pwm=LVCMOS12", "hdmi_tx_n[0]=TMDS_33", "hdmi_tx_n[1]=TMDS_33",
      "hdmi_tx_p[0]=TMDS_33", "hdmi_tx_p[1]=TMDS_33", "led[0]=LVCMOS33", "led[1]=LVCMOS33", "led[2]=LVCMOS33",
      "led[3]=LVCMOS33", "sw[1]=LVCMOS33", "sw[3]=LVCMOS33", "sysclk_n=DIFF_SSTL15", "sysclk_p=DIFF_SSTL15"},
     {"hdmi_tx=hdmi_tx_p/hdmi_tx_n", "sysclk=sysclk_p/sysclk_n"},
     "sw[0]=A8"},
    {"board.qsf",
     "U1",
     {"CLOCK_50=AF14", "HEX0[0]=AE26", "KEY[0]=AA14", "KEY[1]=AA15", "LEDR[0]=V16", "LEDR[1]=W16", "LEDR[2]=V17",
      "LEDR[3]=V18"},
     {8, 5, 1, 4, 8, 1},
     {"CLOCK_50=3.3-V LVTTL", "KEY[0]=2.5 V", "KEY[1]=2.5 V", "LEDR[0]=3.3-V LVTTL", "LEDR[1]=3.3-V LVTTL",
      "LEDR[2]=3.3-V LVTTL", "LEDR[3]=3.3-V LVTTL"},
     {},
     "KEY[2]=W15"},
    {"board.lpf",
     "U1",
     {"btn[0]=D6", "btn[1]=R1", "clk_25mhz=G2", "gpdi_dn[0]=B16", "gpdi_dn[1]=C14", "gpdi_dp[0]=A16", "gpdi_dp[1]=A14",
      "led[0]=B2", "led[4]=D1", "led[5]=E2", "led[6]=E1", "led[7]=H3", "user_rst=D6"},
     {13, 4, 2, 6, 12, 1},
     {"btn[0]=LVCMOS33", "btn[1]=LVCMOS33", "clk_25mhz=LVCMOS33", "gpdi_dn[0]=LVCMOS33D", "gpdi_dn[1]=LVCMOS33D",
      "gpdi_dp[0]=LVCMOS33D", "gpdi_dp[1]=LVCMOS33D", "led[0]=LVCMOS33", "led[4]=LVCMOS33", "led[5]=LVCMOS33",
      "led[6]=LVCMOS33", "led[7]=LVCMOS33", "user_rst=LVCMOS33"},
     {"gpdi_d=gpdi_dp/gpdi_dn"},
     "led[1]=C2"},
    {"board.pcf",
     "U1",
     {"BTN[0]=12", "BTN[1]=11", "BTN_N=10", "CLK=35", "LED_G=41", "LED_R=42"},
     {7, 1, 2, 5, 6, 1},
     {"LED_G=SB_LVCMOS"},
     {},
     "LED_B=39"},
    {"board.csv",
     "U7",
     {"-RESET=R1", "GPIO[0]=P1", "GPIO[1]=P2", "GPIO[2]=P3", "UART_TX=T,1"},
     {5, 4, 0, 3, 5, 0},
     {},
     {},
     ""},
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
        EXPECT_EQ(standards(design.get(), fixture.refdes), fixture.standards);
        EXPECT_EQ(pairs(design.get(), fixture.refdes), fixture.pairs);
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

// LOC on a port places it as PACKAGE_PIN does; on a cell it places no pin.
TEST(ConstraintRead, LocPlacesPortsOnly)
{
    const testsupport::View design = testsupport::create();
    const ImportReport report = importText(design.get(), ConstraintFormat::Xdc,
                                           "set_property LOC E3 [get_ports clk]\n"
                                           "set_property -dict {loc F4 IOSTANDARD LVCMOS33} [get_ports {d[1]}]\n"
                                           "set_property LOC MMCME2_ADV_X1Y2 [get_cells pll]\n");
    EXPECT_EQ(placements(design.get(), "U1"), (std::vector<std::string>{"clk=E3", "d[1]=F4"}));
    EXPECT_EQ(report.linesReadPast, 1);
}

// A made port takes the type of its rows; an existing one keeps its own.
TEST(ConstraintRead, PortsTakeTheTypeOfTheirRowsWhenMade)
{
    const testsupport::View design = testsupport::create();
    importText(design.get(), ConstraintFormat::Csv, "port,pin,type\nq,A1,Output\n");
    const ImportReport report = importText(design.get(), ConstraintFormat::Csv, "port,pin,type\nq,A2,input\n");
    EXPECT_EQ(report.warnings.size(), 1u);
    EXPECT_EQ(testsupport::valueAt(design->compInsts(), "U1")->findPort("q")->type(), IWJPort::Output);
}

// The voltage groups of U1's IO standards: name to voltage.
std::map<std::string, std::string> standardGroups(IWJInterfaceView* design)
{
    std::map<std::string, std::string> groups;
    IWJCompInst* instance = testsupport::valueAt(design->compInsts(), "U1");
    for (auto buses = instance->busInterfaces(); buses.isValid(); ++buses) {
        for (auto walk = buses.value()->portGroups(); walk.isValid(); ++walk) {
            EXPECT_EQ(walk.value()->groupType(), IWJPortGroup::VoltageDefn);
            groups[walk.value()->name()] = walk.value()->voltage();
        }
    }
    return groups;
}

// One voltage group per standard, in any letter case, with the supply its
// name implies.
TEST(ConstraintRead, StandardsAreVoltageGroupsNamedAfterThem)
{
    const testsupport::View design = testsupport::create();
    importText(design.get(), ConstraintFormat::Csv,
               "port,pin,iostandard\na,A1,LVCMOS33\nb,A2,SSTL135\nc,A3,3.3-V LVTTL\nd,A4,2.5 V\ne,A5,HSTL_I_18\n"
               "f,A6,LVDS\ng,A7,LVTTL\nh,A8,lvcmos33\ni,A9,SSTL-15 CLASS I\n");
    EXPECT_EQ(standardGroups(design.get()), (std::map<std::string, std::string>{{"2.5 V", "2.5V"},
                                                                                {"3.3-V LVTTL", "3.3V"},
                                                                                {"HSTL_I_18", "1.8V"},
                                                                                {"LVCMOS33", "3.3V"},
                                                                                {"LVDS", ""},
                                                                                {"LVTTL", "3.3V"},
                                                                                {"SSTL-15 CLASS I", "1.5V"},
                                                                                {"SSTL135", "1.35V"}}));
}

// A later import changes standards; no group is left naming an unused one.
TEST(ConstraintRead, LaterImportsChangeStandards)
{
    const testsupport::View design = testsupport::create();
    importText(design.get(), ConstraintFormat::Pcf, "set_io a A1 -io_std LVCMOS33\nset_io b A2 -io_std LVCMOS33\n");
    importText(design.get(), ConstraintFormat::Pcf, "set_io a A1 -io_std LVCMOS18\n");
    EXPECT_EQ(standards(design.get(), "U1"), (std::vector<std::string>{"a=LVCMOS18", "b=LVCMOS33"}));
    importText(design.get(), ConstraintFormat::Pcf, "set_io b A2 -io_std LVCMOS18\n");
    EXPECT_EQ(standards(design.get(), "U1"), (std::vector<std::string>{"a=LVCMOS18", "b=LVCMOS18"}));
    EXPECT_EQ(standardGroups(design.get()), (std::map<std::string, std::string>{{"LVCMOS18", "1.8V"}}));
}

// Names pair ports unless that is turned off; a differential standard pairs
// them always, and is said when there is no port to pair with.
TEST(ConstraintRead, PairsComeFromNamesAndDifferentialStandards)
{
    const std::string text = "set_io clk_p A1\nset_io clk_n A2\nset_io d_p[0] B1 -io_std LVDS\nset_io d_n[0] B2\n"
                             "set_io e_P C1 -io_std SB_LVDS_INPUT\nset_io qp D1\nset_io QN D2\nset_io r_n E1\n";
    for (const bool byName : {true, false}) {
        SCOPED_TRACE(byName);
        const testsupport::View design = testsupport::create();
        ImportOptions options;
        options.refdes = "U1";
        options.pairsByName = byName;
        const ImportReport report = importText(design.get(), ConstraintFormat::Pcf, text, options);
        const std::vector<std::string> expected =
            byName ? std::vector<std::string>{"clk=clk_p/clk_n", "d=d_p/d_n", "q=qp/QN"}
                   : std::vector<std::string>{"d=d_p/d_n"};
        EXPECT_EQ(pairs(design.get(), "U1"), expected);
        EXPECT_EQ(report.pairsMade, byName ? 3 : 1);
        ASSERT_EQ(report.warnings.size(), 1u);
        EXPECT_EQ(report.warnings[0].rfind("in.pcf:5: warning: port U1.e_P has a differential", 0), 0u);
    }
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
    {ConstraintFormat::Xdc, "set_property LOC [get_ports x]\n", 1},
    {ConstraintFormat::Xdc, "set_property PACKAGE_PIN E3 [get_ports led*]\n", 1},
    {ConstraintFormat::Xdc, "set_property PACKAGE_PIN E3 [get_ports {led?}]\n", 1},
    {ConstraintFormat::Xdc, "set pin E3\nset_property PACKAGE_PIN $pin [get_ports x]\n", 2},
    {ConstraintFormat::Xdc, "set_property PACKAGE_PIN E 3 [get_ports x]\n", 1},
    {ConstraintFormat::Xdc, "set_property IOSTANDARD $std [get_ports x]\n", 1},
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
    {ConstraintFormat::Csv, "port,pin,type\nx,A1,bidir\n", 2},
    {ConstraintFormat::Csv, "port,pin,type\nx[0],A1,input\nx[1],A2,output\n", 3},
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
    const ImportReport report =
        importText(board.get(), ConstraintFormat::Pcf, "set_io DATA[0] Z1\nset_io dqs1 Z2 -io_std LVDS\n");
    EXPECT_EQ(report.portsMade, 0);
    const std::vector<std::string> placed = placements(board.get(), "U1");
    EXPECT_EQ(
        std::count(placed.begin(), placed.end(), "D[0]=Z1") + std::count(placed.begin(), placed.end(), "DQS1_P=Z2"), 2);
    // The pair's standard is both members'.
    IWJCompInst* instance = testsupport::valueAt(board->compInsts(), "U1");
    const IoStandards held(instance);
    EXPECT_EQ(held.of(instance->findPort("DQS1_P"), -1) + held.of(instance->findPort("DQS1_N"), -1), "LVDSLVDS");
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
        const ImportReport report = importText(board.get(), ConstraintFormat::Pcf, test.text, options);
        std::string errors;
        for (const std::string& error : report.errors)
            errors += error;
        EXPECT_EQ(errors, test.errors);
        EXPECT_EQ(report.warnings.size(), test.warnings);
    }
}

// The IO standards of commented-out lines are read with their placements.
TEST(ConstraintRead, CommentedStandardsAreReadWhenAsked)
{
    const std::pair<ConstraintFormat, const char*> cases[] = {
        {ConstraintFormat::Xdc, "#set_property -dict { PACKAGE_PIN A1 IOSTANDARD LVCMOS18 } [get_ports a]\n"},
        {ConstraintFormat::Qsf,
         "#set_location_assignment PIN_A1 -to a\n#set_instance_assignment -name IO_STANDARD LVCMOS18 -to a\n"},
        {ConstraintFormat::Lpf, "# LOCATE COMP \"a\" SITE \"A1\"; IOBUF PORT \"a\" IO_TYPE=LVCMOS18;\n"}};
    ImportOptions options;
    options.refdes = "U1";
    options.includeCommented = true;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.second);
        const testsupport::View design = testsupport::create();
        importText(design.get(), test.first, test.second, options);
        EXPECT_EQ(standards(design.get(), "U1"), std::vector<std::string>{"a=LVCMOS18"});
    }
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
        {ConstraintFormat::Pcf, testsupport::utf16("set_io a A1\n", false), 0},
        {ConstraintFormat::Pcf, testsupport::utf16("set_io a A1\n", true), 0},
        {ConstraintFormat::Pcf, std::string("set_io a A1\nset_io a\0b B1\n", 25), 2},
        {ConstraintFormat::Pcf, testsupport::utf16("set_io a A1\n", false).substr(2), 1},
        {ConstraintFormat::Pcf, testsupport::utf16("set_io a A1\n\n", false) + "x", 3},
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
