#include "IfxRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <vector>

using namespace testsupport;

namespace {

// A file and what check prints of it, each line after "FILE:".
struct CheckCase {
    const char* file;
    int status;
    std::vector<const char*> lines;
};

const CheckCase kCases[] = {
    {"examples/board.xml", 0, {" 0 errors, 0 warnings"}},
    {"examples/fpga_board.xml", 0, {" 0 errors, 0 warnings"}},
    {"tests/data/ifx/check-errors.xml",
     1,
     {"12: warning: port U1.B has 1 of its 4 bits mapped", "22: warning: port U1.UNMAPPED is mapped to no pin",
      "30: error: the negative member \"U1_NOPORT\" of differential pair U1.D names no port of U1",
      "32: error: differential pair U1.E has no negative member",
      "41: error: PortRef \"U1_NOPORT\" names no port of U1",
      "44: error: DifferentialPortRef \"U1_NOPAIR\" names no differential pair of U1",
      "78: error: duplicate id \"FP_1\" (first at line 64)", "86: error: CompInstRef \"NO_INSTANCE\" names no instance",
      "87: error: PartDefRef \"NO_FOOTPRINT\" names no footprint",
      "99: error: pin 1 is mapped to U1.A and to U1.P: a short (first at line 95)",
      "103: error: bit 7 is outside the bits 0..3 of port U1.B",
      "114: error: port U1.B<0> is mapped twice (first at line 108)",
      "120: error: PortRefNoRange \"U1_NOPORT\" names no port of U1",
      "125: error: PinRef \"FP_NOPIN\" names no pin of footprint FP",
      "130: error: PortGroupRef \"U1_NOGROUP\" names no port group of U1",
      "134: error: BusInterfaceRef \"U1_NOBUS\" names no bus interface of U1", " 14 errors, 2 warnings"}},
    {"tests/data/ifx/check-warnings.xml", 0, {"12: warning: port U1.B is mapped to no pin", " 0 errors, 1 warning"}},
    {"tests/data/ifx/check-values.xml",
     1,
     {"11: error: the type \"bidir\" of port U1.A is none of ground, inout, input, output, power",
      "12: error: the NumPhysPins \"two\" of port U1.A is not a whole number",
      "13: error: the msb \"x\" of port U1.A is not a whole number",
      "26: error: the type \"rail\" of group U1.BUS.G is none of bus, voltageDefn",
      "27: error: the NumPowerPins \"1.5\" of group U1.BUS.G is not a whole number",
      "33: warning: instance R1 has no part map", "45: error: footprint FP has two pins named \"1\" (first at line 41)",
      "47: error: the location \"near pin 1\" of pin 1 of footprint FP cannot be read as \"x,y\"",
      "62: error: port U1.B has bits 0..3 but is mapped whole to one pin", " 8 errors, 1 warning"}},
    {"tests/data/ifx/check-pins.xml",
     1,
     {"9: error: port U1.A declares 2 pins but is mapped to 1",
      "42: warning: differential pair U1.D is mapped to pins B1 and B3, which are not adjacent",
      "52: warning: voltage group U1.BUS.VG declares 2 power pins but its power ports are mapped to 1",
      "52: warning: voltage group U1.BUS.VG declares 3 ground pins but its ground ports are mapped to 2",
      " 1 error, 3 warnings"}},
};

} // namespace

TEST(IfxCheck, ReportsEachFindingOnItsElementsLine)
{
    for (const CheckCase& test : kCases) {
        const std::string file = sourcePath(test.file);
        const IfxRun run = runIfx({"check", file});
        EXPECT_EQ(run.status, test.status) << test.file;
        std::string expected;
        for (const char* line : test.lines)
            expected += file + ':' + line + '\n';
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(run.err, "");
    }
}

TEST(IfxCheck, WarningsFailWithWerrorAndFindingsPrintAsJson)
{
    EXPECT_EQ(runIfx({"check", "--werror", sourcePath("tests/data/ifx/check-warnings.xml")}).status, 1);
    const IfxRun run = runIfx({"check", "--format", "json", sourcePath("tests/data/ifx/check-values.xml")});
    const nlohmann::json report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["errors"], 8);
    EXPECT_EQ(report["warnings"], 1);
    EXPECT_EQ(
        report["findings"][5],
        nlohmann::json::parse(R"({"line": 33, "severity": "warning", "message": "instance R1 has no part map"})"));
}

TEST(IfxCheck, AFileTheLibraryRefusesIsReportedAsTheLibraryWordsIt)
{
    const std::string invalid = sourcePath("tests/data/invalid/port-under-root.xml");
    const IfxRun run = runIfx({"check", invalid});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind(invalid + ":6:17: no declaration found for element 'Port'\n", 0), 0u) << run.err;

    const std::string doctype = inputPath("ifx-doctype.xml");
    writeFile(doctype, "<!DOCTYPE InterfaceExchangeSchema [<!ENTITY x \"y\">]>\n"
                       "<InterfaceExchangeSchema xmlns=\"http://www.wjxmlflow.org/mxa/tvn\"/>\n");
    const IfxRun refused = runIfx({"check", doctype});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("DOCTYPE"), std::string::npos) << refused.err;

    const IfxRun missing = runIfx({"check", inputPath("no-such-design.xml")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(occurrences(missing.err, "cannot open the file"), 1) << missing.err;
}
