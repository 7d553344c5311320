// ifx import and ifx export as a user runs them.

#include "IfxRunner.h"
#include "InterchangeSupport.h"

#include <gtest/gtest.h>

using namespace interchange;

namespace {

// A copy of the example board to import into.
std::string boardCopy(const std::string& name)
{
    const std::string path = testsupport::outputPath(name);
    testsupport::writeFile(path, testsupport::readFile(testsupport::sourcePath("examples/board.xml")));
    return path;
}

TEST(IfxImport, AnyErrorWritesNothing)
{
    const std::string board = boardCopy("import-error.xml");
    const std::string before = testsupport::readFile(board);
    const std::string good = testsupport::writeInput("good.pcf", "set_io CLK_IN H3\n");
    const std::string bad =
        testsupport::writeInput("bad.xdc", "# pins\nset_property PACKAGE_PIN H4 [get_ports {DQ[3]]\n");
    const std::string fresh = testsupport::inputPath("never-made.xml");
    for (const std::string& design : {board, fresh}) {
        const IfxRun run = runIfx({"import", design, good, bad, "--refdes", "U1"});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(bad + ":2: "), std::string::npos) << run.err;
    }
    EXPECT_EQ(testsupport::readFile(board), before);
    EXPECT_EQ(testsupport::readFile(fresh), "");
}

TEST(IfxImport, ExistingDesignKeepsOrReplacesItsPinMappings)
{
    const testsupport::View original = testsupport::read(testsupport::sourcePath("examples/board.xml"), false);
    const std::vector<std::string> before = placements(original.get(), "U1");
    const std::string pins = testsupport::writeInput("move.pcf", "set_io CLK_IN H3\nset_io SPARE[2] Z9\n");
    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace);
        const std::string board = boardCopy(replace ? "import-replace.xml" : "import-keep.xml");
        std::vector<std::string> arguments{"import", board, pins, "--refdes", "U1"};
        if (replace)
            arguments.push_back("--replace");
        const IfxRun run = runIfx(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out,
                  "U1: 2 placements and 0 IO standards read, 0 other statements read past, 1 ports, 1 pins and 0 "
                  "differential pairs made, 0 warnings\n");
        const testsupport::View design = testsupport::read(board, false);
        const std::vector<std::string> after = placements(design.get(), "U1");
        if (replace) {
            EXPECT_EQ(after, (std::vector<std::string>{"CLK_IN=H3", "SPARE[2]=Z9"}));
        } else {
            EXPECT_EQ(after.size(), before.size() + 1);
            EXPECT_EQ(std::count(after.begin(), after.end(), "CLK_IN=H3"), 1);
        }
        IWJCompInst* instance = testsupport::valueAt(design->compInsts(), "U1");
        EXPECT_EQ(testsupport::count(design->findPartMap(instance)->portPinGroupMaps()), 4);
    }
}

TEST(IfxImport, PinMapCsvImportsUnchanged)
{
    const IfxRun table = runIfx({"pinmap", testsupport::sourcePath("examples/board.xml"), "--format", "csv"});
    ASSERT_EQ(table.status, 0);
    const std::string csv = testsupport::writeInput("pinmap.csv", table.out);
    const std::string design = testsupport::outputPath("from-pinmap.xml");
    const IfxRun run = runIfx({"import", design, csv, "--refdes", "U1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const testsupport::View original = testsupport::read(testsupport::sourcePath("examples/board.xml"), false);
    const testsupport::View imported = testsupport::read(design, false);
    EXPECT_EQ(placements(imported.get(), "U1"), placements(original.get(), "U1"));
    IWJCompInst* instance = testsupport::valueAt(imported->compInsts(), "U1");
    EXPECT_STREQ(instance->cellName(), "FPGA_BGA56");
    for (const char* port : {"CLK_IN", "D", "TDO"})
        EXPECT_EQ(instance->findPort(port)->type(),
                  testsupport::valueAt(original->compInsts(), "U1")->findPort(port)->type())
            << port;
}

TEST(IfxImport, NoPairsLeavesPairingToStandards)
{
    const std::string pins = testsupport::writeInput("pairs.pcf", "set_io clk_p A1\nset_io clk_n A2\n");
    for (const bool byName : {true, false}) {
        std::vector<std::string> arguments{"import", testsupport::outputPath(byName ? "named.xml" : "unnamed.xml"),
                                           pins, "--refdes", "U1"};
        if (!byName)
            arguments.push_back("--no-pairs");
        const IfxRun run = runIfx(arguments);
        EXPECT_NE(run.out.find(byName ? "and 1 differential pairs made" : "and 0 differential pairs made"),
                  std::string::npos)
            << run.out;
    }
}

// ifx pinmap shows each placement's IO standard, in text, CSV and JSON.
TEST(IfxImport, PinMapShowsTheStandards)
{
    const std::string design = testsupport::outputPath("standards.xml");
    const std::string lpf = testsupport::sourcePath("tests/data/interchange/board.lpf");
    ASSERT_EQ(runIfx({"import", design, lpf, "--refdes", "U1"}).status, 0);
    EXPECT_NE(runIfx({"pinmap", design}).out.find("U1.gpdi_d  P                              LVCMOS33D\n"),
              std::string::npos);
    EXPECT_NE(runIfx({"pinmap", design, "--format", "csv"})
                  .out.find("\nU1,U1.gpdi_dp,,inout,0,A16,A16,,,pin,,U1.gpdi_d,P,,,"
                            "LVCMOS33D\r\n"),
              std::string::npos);
    EXPECT_NE(runIfx({"pinmap", design, "--format", "json"}).out.find("\"iostandard\": \"LVCMOS33D\""),
              std::string::npos);
}

TEST(IfxExport, WritesTheDialectsQuotingHeaderAndGroups)
{
    const std::string board = testsupport::sourcePath("examples/board.xml");
    const IfxRun xdc = runIfx({"export", board, "--refdes", "U1", "--format", "xdc", "--iostandard", "SSTL15"});
    ASSERT_EQ(xdc.status, 0) << xdc.err;
    EXPECT_EQ(xdc.out.rfind("# Pin placements of U1 (cell FPGA_BGA56) in design fpga_ddr_board\n", 0), 0u);
    EXPECT_NE(xdc.out.find("set_property -dict { PACKAGE_PIN C1 IOSTANDARD SSTL15 } [get_ports {D[7]}]\n"),
              std::string::npos)
        << xdc.out;
    EXPECT_NE(xdc.out.find("# pin-group mapping: FPGA_BGA56.GND on pins"), std::string::npos);
    EXPECT_NE(xdc.out.find("# group mapping: FPGA_BGA56.DDR.VDDQ on pins"), std::string::npos);
    const std::string qsf = testsupport::inputPath("u1.qsf");
    ASSERT_EQ(runIfx({"export", board, "--refdes", "U1", "-o", qsf, "--iostandard", "1.5 V"}).status, 0);
    EXPECT_NE(testsupport::readFile(qsf).find("set_location_assignment PIN_C1 -to D[7]\n"
                                              "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to D[7]\n"),
              std::string::npos);
    EXPECT_EQ(runIfx({"export", board, "--refdes", "NONE", "--format", "lpf"}).status, 1);
}

} // namespace
