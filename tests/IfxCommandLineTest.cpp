#include "IfxRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

using namespace testsupport;

namespace {

const std::string kExample = sourcePath("examples/board.xml");

} // namespace

TEST(IfxCommandLine, EveryCommandHasHelpWithAnExample)
{
    for (const char* command :
         {"validate", "show", "pinmap", "check", "diff", "copy", "map", "unmap", "swap", "set-type"}) {
        SCOPED_TRACE(command);
        const IfxRun run = runIfx({command, "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find(std::string("Example:\n  ifx ") + command + ' '), std::string::npos) << run.out;
    }
    const IfxRun version = runIfx({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("ifx ", 0), 0u) << version.out;
}

TEST(IfxCommandLine, UsageErrorsExitTwoWithAMessage)
{
    const std::vector<std::vector<std::string>> mistakes{
        {}, {"show"}, {"show", kExample, "--bogus"}, {"pinmap", kExample, "--format", "xml"}, {"frobnicate"}};
    for (const auto& arguments : mistakes) {
        const IfxRun run = runIfx(arguments);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find("Run with --help for more information."), std::string::npos) << run.err;
    }
}

TEST(IfxCommandLine, ValidateReportsEachProblemOnceAndExitsOneWhenAnyFileIsInvalid)
{
    const std::string invalid = sourcePath("tests/data/invalid/port-under-root.xml");
    const std::string missing = inputPath("no-such-design.xml");
    const IfxRun all = runIfx({"validate", kExample, invalid, missing});
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(all.out, kExample + ": valid\n");
    EXPECT_NE(all.err.find(invalid + ":6:17: no declaration found for element 'Port'\n"), std::string::npos) << all.err;
    EXPECT_EQ(occurrences(all.err, missing + ": cannot open the file"), 1) << all.err;

    const IfxRun valid = runIfx({"validate", kExample, sourcePath("tests/data/valid/minimal.xml")});
    EXPECT_EQ(valid.status, 0);
    EXPECT_EQ(valid.err, "");
}

TEST(IfxCommandLine, CopyWritesTheSameBytesAndReportsAnUnwritablePath)
{
    const std::string copied = outputPath("ifx-copy.xml");
    const IfxRun run = runIfx({"copy", kExample, copied});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(copied), readFile(kExample));

    const std::string unwritable = inputPath("no-such-folder") + "/copy.xml";
    const IfxRun failed = runIfx({"copy", kExample, unwritable});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, unwritable + ": cannot create a file in its folder: No such file or directory\n");

    const IfxRun missing = runIfx({"copy", inputPath("no-such-design.xml"), outputPath("ifx-never-written.xml")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(occurrences(missing.err, "\n"), 1) << missing.err;
}

// "-" is standard output; a page is not written under another format's name.
TEST(IfxCommandLine, DashWritesToStandardOutputAndRenderKeepsToHtmlNames)
{
    const IfxRun copied = runIfx({"copy", kExample, "-"});
    EXPECT_EQ(copied.status, 0) << copied.err;
    EXPECT_EQ(copied.out, readFile(kExample));
    const IfxRun page = runIfx({"render", kExample, "-o", "-"});
    EXPECT_EQ(page.status, 0) << page.err;
    EXPECT_EQ(page.out.rfind("<!DOCTYPE html>", 0), 0u);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"render", kExample, "-o", inputPath("pinout.png")},
          std::vector<std::string>{"render", kExample, "--svg", "-o", "-"}}) {
        const IfxRun refused = runIfx(arguments);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(occurrences(refused.err, "ifx render: "), 1) << refused.err;
    }
    EXPECT_FALSE(std::ifstream(inputPath("pinout.png")));
}

// Names from a file, and file names, cannot add lines to text output or
// smuggle in a spreadsheet formula; pins too far out to draw are not drawn
// where they claim to be.
TEST(IfxCommandLine, HostileNamesCannotForgeOutput)
{
    const std::string path = inputPath("forged\nname.xml");
    writeFile(path, document("<DesignName>d&#10;Instance FORGED</DesignName><CompInsts><CompInst id=\"U1\">"
                             "<Refdes>@SUM(A1)</Refdes><CellName>=CELL</CellName><Ports><Port id=\"P\">"
                             "<Name>+P&#13;&#10;x</Name><Type>input</Type></Port><Port id=\"Q\"><Name>Q</Name></Port>"
                             "</Ports></CompInst></CompInsts><Footprints><Footprint id=\"F\"><Name>F</Name><Pins>"
                             "<Pin id=\"1\"><Name>-1+1</Name><XY>1e300,0</XY></Pin><Pin id=\"2\"><Name>2</Name>"
                             "<XY>-1e300,1</XY></Pin></Pins></Footprint></Footprints><PartMaps><PartMap>"
                             "<CompInstRef ref=\"U1\"/><PartDefRef ref=\"F\"/><PortMaps><PortMap>"
                             "<PortRefNoRange ref=\"P\"/><PinRef ref=\"1\"/></PortMap><PortMap>"
                             "<PortRefNoRange ref=\"Q\"/><PinRef ref=\"9\"/></PortMap></PortMaps></PartMap>"
                             "</PartMaps>"));
    const std::string shown = runIfx({"show", path}).out;
    EXPECT_NE(shown.find("Design d\\nInstance FORGED\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Port +P\\r\\nx: input"), std::string::npos) << shown;
    const IfxRun checked = runIfx({"check", path});
    EXPECT_EQ(checked.out.rfind(inputPath("forged\\nname.xml") + ":", 0), 0u) << checked.out;
    EXPECT_EQ(occurrences(checked.out, "\n"), occurrences(checked.out, "forged\\nname.xml:")) << checked.out;
    const std::string missing = runIfx({"validate", path + "-missing"}).err;
    EXPECT_EQ(occurrences(missing, "\n"), 1) << missing;
    EXPECT_EQ(runIfx({"pinmap", path, "--format", "csv"}).out,
              "refdes,port,port_name,type,bit,pin,pin_id,location,padstack,mapping,group,pair,polarity,port_group,"
              "voltage,iostandard\r\n'@SUM(A1),\"'=CELL.+P\r\nx\",,input,,'-1+1,1,\"1e300,0\",,pin,,,,,,\r\n");
    const std::string page = runIfx({"render", path, "-o", "-"}).out;
    EXPECT_EQ(page.find("nan\""), std::string::npos);
    EXPECT_EQ(page.find("inf\""), std::string::npos);
}

// A finding's key stays when lines move; the waiver file --format waivers
// writes waives every finding, a pattern a kind of them.
TEST(IfxCommandLine, CheckWaivesFindingsByKeyOrPattern)
{
    const std::string design = sourcePath("tests/data/ifx/check-errors.xml");
    const std::string text = readFile(design);
    const std::string moved = writeInput(
        "check-moved.xml", std::regex_replace(text, std::regex("\n<Interface"), "\n<!-- a line -->\n<Interface"));
    const IfxRun before = runIfx({"check", design});
    const auto keys = [](const std::string& out) { return std::regex_replace(out, std::regex(".*(\\[|: )"), ""); };
    EXPECT_EQ(keys(runIfx({"check", moved}).out), keys(before.out));
    EXPECT_NE(before.out.find(": a short (first at line 95) [short/"), std::string::npos) << before.out;

    const std::string all = writeInput("check-all.waivers", runIfx({"check", design, "--format", "waivers"}).out);
    const IfxRun waived = runIfx({"check", moved, "--waive", all});
    EXPECT_EQ(waived.status, 0);
    EXPECT_EQ(waived.out, inputPath("check-moved.xml") + ": 0 errors, 0 warnings, 18 waived\n");

    const std::string some = writeInput("check-some.waivers", "# shorts are aliases here\nshort/*\n  nothing/*\n");
    const IfxRun shorts = runIfx({"check", design, "--waive", some});
    EXPECT_EQ(shorts.status, 1);
    EXPECT_EQ(shorts.out.find("short/"), std::string::npos);
    EXPECT_NE(shorts.out.find(": 13 errors, 3 warnings, 2 waived\n"), std::string::npos) << shorts.out;
    EXPECT_EQ(shorts.err, some + ":3: waiver \"nothing/*\" matches no finding\n");
}
