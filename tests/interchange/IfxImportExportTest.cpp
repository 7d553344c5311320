// ifx import and ifx export as a user runs them.

#include "IfxRunner.h"
#include "InterchangeSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

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
        EXPECT_EQ(run.err, "U1: 2 placements and 0 IO standards read, 0 placements commented out, 0 other statements "
                           "read past, 1 ports, 1 pins and 0 differential pairs made, 0 warnings\n"
                           "U1: ports made: SPARE\nU1: pins made: Z9\n");
        const testsupport::View design = testsupport::read(board, false);
        EXPECT_NE(std::string(design->lastUpdatedBy()).find("(ifx import)"), std::string::npos);
        EXPECT_EQ(std::string(design->lastUpdatedAt()).back(), 'Z') << "ISO 8601 in UTC";
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

// Every command finds an instance by refdes in any letter case; check
// reports two refdes that differ in case only.
TEST(IfxImport, RefdesIsOneInstanceInAnyLetterCase)
{
    const std::string board = boardCopy("refdes-case.xml");
    const std::string pins = testsupport::writeInput("refdes-case.csv", "refdes,port,pin\nu1,CLK_IN,H3\n");
    ASSERT_EQ(runIfx({"import", board, pins, "--refdes", "u1"}).status, 0);
    const testsupport::View design = testsupport::read(board, true);
    EXPECT_EQ(testsupport::count(design->compInsts()), 2);
    const std::vector<std::string> placed = placements(design.get(), "U1");
    EXPECT_EQ(std::count(placed.begin(), placed.end(), "CLK_IN=H3"), 1);
    const IfxRun exported = runIfx({"export", board, "--refdes", "u1", "--format", "pcf"});
    EXPECT_EQ(exported.out.rfind("# Pin placements of U1 ", 0), 0u) << exported.err;
    design->addCompInst("OTHER", "j1");
    const std::string twice = testsupport::write(design.get(), "refdes-twice.xml");
    const IfxRun checked = runIfx({"check", twice});
    EXPECT_EQ(checked.status, 1);
    EXPECT_NE(checked.out.find("error: the refdes \"j1\" names the instance of line"), std::string::npos)
        << checked.out;
}

TEST(IfxImport, PinMapCsvImportsUnchanged)
{
    const IfxRun table =
        runIfx({"pinmap", testsupport::sourcePath("examples/board.xml"), "--all-pins", "--format", "csv"});
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
        EXPECT_NE(run.err.find(byName ? "and 1 differential pairs made" : "and 0 differential pairs made"),
                  std::string::npos)
            << run.err;
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

// Outputs never replace an input, are renamed into place (a hard link to the
// old file keeps it), "-" is standard output; a folder is no input.
TEST(IfxOutputs, NeverReplaceAnInputAndAreRenamedIntoPlace)
{
    const std::string board = boardCopy("outputs.xml");
    const std::string before = testsupport::readFile(board);
    const std::string pins = testsupport::writeInput("outputs.pcf", "set_io CLK_IN H3\n");
    EXPECT_EQ(runIfx({"export", board, "--refdes", "U1", "--format", "xdc", "-o", board}).status, 1);
    EXPECT_EQ(runIfx({"import", board, pins, "--refdes", "U1", "-o", pins}).status, 1);
    EXPECT_EQ(runIfx({"copy", board, board}).status, 1);
    EXPECT_EQ(testsupport::readFile(board), before);
    const std::string page = testsupport::outputPath("outputs.html");
    const std::string xdc = testsupport::outputPath("outputs.xdc");
    for (const std::string& output : {page, xdc}) {
        testsupport::writeFile(output, "old");
        const std::string link = output + ".link";
        std::remove(link.c_str());
        ASSERT_EQ(::link(output.c_str(), link.c_str()), 0);
    }
    EXPECT_EQ(runIfx({"render", board, "-o", page}).status, 0);
    EXPECT_EQ(runIfx({"export", board, "--refdes", "U1", "-o", xdc}).status, 0);
    EXPECT_EQ(testsupport::readFile(page + ".link") + testsupport::readFile(xdc + ".link"), "oldold");
    const IfxRun exported = runIfx({"export", board, "--refdes", "U1", "--format", "pcf", "-o", "-"});
    EXPECT_NE(exported.out.find("set_io CLK_IN A1\n"), std::string::npos) << exported.out;
    const IfxRun imported = runIfx({"import", board, pins, "--refdes", "U1", "-o", "-"});
    EXPECT_EQ(imported.out.substr(imported.out.size() - 27), "</InterfaceExchangeSchema>\n");
    EXPECT_NE(imported.err.find("U1: 1 placements and 0 IO standards read"), std::string::npos) << imported.err;
    const IfxRun folder =
        runIfx({"import", board, testsupport::sourcePath("tests/data"), "--refdes", "U1", "--format", "pcf"});
    EXPECT_NE(folder.err.find("is a folder"), std::string::npos) << folder.err;
}

TEST(IfxImport, WarningsAreCapped)
{
    std::string text;
    for (int port = 0; port < 102; ++port)
        text += "set_io p" + std::to_string(port) + " A1\n";
    const IfxRun run = runIfx({"import", testsupport::outputPath("capped.xml"),
                               testsupport::writeInput("capped.pcf", text), "--refdes", "U1"});
    EXPECT_EQ(testsupport::occurrences(run.err, "warning: pin A1"), 100);
    EXPECT_NE(run.err.find("\n1 more warnings not reported\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\nU1: ports made: p0, p1, p10, p100, p101, p11,"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(", p24 and 82 more\nU1: pins made: A1\n"), std::string::npos) << run.err;
}

} // namespace
