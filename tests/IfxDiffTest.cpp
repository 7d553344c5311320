#include "IfxRunner.h"
#include "TestSupport.h"
#include "model/DesignDiff.h"
#include "model/DesignRecords.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>

using namespace testsupport;

namespace {

const std::string kExample = sourcePath("examples/board.xml");

// The example with the first occurrence of from replaced by to, in a new file.
std::string exampleWith(const std::string& name, const std::string& from, const std::string& to)
{
    std::string text = readFile(kExample);
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    const std::string path = inputPath(name);
    writeFile(path, text);
    return path;
}

const char kTdo[] = "        <Port id=\"U1_TDO\">\n"
                    "          <Name>TDO</Name>\n"
                    "          <Type>output</Type>\n"
                    "          <NumPhysPins>1</NumPhysPins>\n"
                    "        </Port>\n";

} // namespace

TEST(IfxDiff, TheSameDesignHasNoDifferences)
{
    const std::string copy = outputPath("ifx-diff-copy.xml");
    ASSERT_EQ(runIfx({"copy", kExample, copy}).status, 0);
    const IfxRun run = runIfx({"diff", kExample, copy});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "no differences\n");
    const IfxRun json = runIfx({"diff", "--json", kExample, copy});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(nlohmann::json::parse(json.out),
              nlohmann::json::parse(R"({"same": true, "added": [], "removed": [], "changed": []})"));
}

TEST(IfxDiff, ReportsEachKindOfChangeByIdWithOldAndNewValues)
{
    struct Case {
        const char* from;
        std::string to;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"<Refdes>J1</Refdes>", "<Refdes>J2</Refdes>", "changed instance J1 (J2): refdes \"J1\" -> \"J2\"\n"},
        {"  </CompInsts>", "    <CompInst id=\"R1\"/>\n  </CompInsts>", "added instance R1\n"},
        {kTdo, std::string(kTdo) + "        <Port id=\"U1_TMS\">\n          <Name>TMS</Name>\n        </Port>\n",
         "added port U1/U1_TMS (FPGA_BGA56.TMS)\n"},
        {kTdo, "", "removed port U1/U1_TDO (FPGA_BGA56.TDO)\n"},
        {"<Type>inout</Type>\n          <InstancePortName>D", "<Type>output</Type>\n          <InstancePortName>D",
         "changed port U1/U1_DATA (FPGA_BGA56.D): type \"inout\" -> \"output\"\n"},
        {"<NegativePort ref=\"U1_DQS0_N\"/>", "<NegativePort ref=\"U1_DQS1_N\"/>",
         "changed differential pair U1/U1_DQS0 (FPGA_BGA56.DQS0): negative \"U1_DQS0_N\" -> \"U1_DQS1_N\"\n"},
        {"<Voltage>1.5V</Voltage>", "<Voltage>1.35V</Voltage>",
         "changed group U1/U1_DDR_LANE0 (FPGA_BGA56.DDR.LANE0): voltage \"1.5V\" -> \"1.35V\"\n"},
        {"<Width>7.0</Width>", "<Width>7.5</Width>",
         "changed footprint FP_BGA56 (BGA56_P0.8): width \"7.0\" -> \"7.5\"\n"},
        {"<Pin id=\"BGA56_H7\">", "<Pin id=\"BGA56_H8\">",
         "removed pin FP_BGA56/BGA56_H7 (H7)\nadded pin FP_BGA56/BGA56_H8 (H7)\n"},
        {"<XY>0.0,0.0</XY>", "<XY>0.1,0.0</XY>",
         "changed pin FP_BGA56/BGA56_A1 (A1): location \"0.0,0.0\" -> \"0.1,0.0\"\n"},
        {"<PinRef ref=\"BGA56_A1\"/>", "<PinRef ref=\"BGA56_H3\"/>",
         "changed pin mapping U1/U1_CLK_IN (FPGA_BGA56.CLK_IN): pin A1 -> H3\n"},
        {"<PinRef ref=\"BGA56_A7\"/>", "<PinRef ref=\"BGA56_A7\"/><PinRef ref=\"BGA56_H3\"/>",
         "changed pin-group mapping U1/U1_VCCAUX (FPGA_BGA56.VCCAUX): pins A7 -> A7 H3\n"},
        {"<BusInterfaceRef ref=\"J1_I2C\"/>\n          <PinGroup>",
         "<BusInterfaceRef ref=\"J1_I2C\"/>\n          <PinGroup>\n            <PinRef ref=\"HDR2X5_5\"/>",
         "changed group mapping J1/J1_I2C (HDR_2X5.I2C): pins 3 4 -> 3 4 5\n"},
        {"<PartDefRef ref=\"FP_HDR2X5\"/>", "<PartDefRef ref=\"FP_BGA56\"/>",
         "changed part map J1 (J1): footprint \"FP_HDR2X5\" -> \"FP_BGA56\"\n"},
    };
    int index = 0;
    for (const Case& change : cases) {
        SCOPED_TRACE(change.expected);
        const std::string changed = exampleWith("ifx-diff-" + std::to_string(index++) + ".xml", change.from, change.to);
        const IfxRun run = runIfx({"diff", kExample, changed});
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.out.find(change.expected), std::string::npos) << run.out;
    }
}

TEST(IfxDiff, JsonListsTheChangesOfTheText)
{
    const std::string changed = exampleWith("ifx-diff-json.xml", kTdo, "");
    const IfxRun text = runIfx({"diff", kExample, changed});
    EXPECT_EQ(text.out, "removed port U1/U1_TDO (FPGA_BGA56.TDO)\n"
                        "removed pin mapping U1/U1_TDO (FPGA_BGA56.TDO) on pin A6\n"
                        "0 added, 2 removed, 0 changed\n");
    const IfxRun run = runIfx({"diff", kExample, changed, "--json"});
    EXPECT_EQ(run.status, 1);
    const nlohmann::json diff = nlohmann::json::parse(run.out);
    EXPECT_EQ(diff["same"], false);
    EXPECT_EQ(diff["removed"], nlohmann::json::parse(R"([
        {"kind": "port", "id": "U1/U1_TDO", "name": "FPGA_BGA56.TDO"},
        {"kind": "pin mapping", "id": "U1/U1_TDO", "name": "FPGA_BGA56.TDO", "pins": ["A6"]}])"));

    const std::string voltage =
        exampleWith("ifx-diff-json-voltage.xml", "<Voltage>1.5V</Voltage>", "<Voltage>2V</Voltage>");
    const nlohmann::json changes = nlohmann::json::parse(runIfx({"diff", "--json", kExample, voltage}).out);
    EXPECT_EQ(changes["changed"][0]["fields"],
              nlohmann::json::parse(R"([{"field": "voltage", "old": "1.5V", "new": "2V"}])"));

    // A moved mapping names its pins beside the ids compared.
    const std::string moved =
        exampleWith("ifx-diff-json-moved.xml", "<PinRef ref=\"BGA56_A1\"/>", "<PinRef ref=\"BGA56_H3\"/>");
    EXPECT_EQ(nlohmann::json::parse(runIfx({"diff", "--json", kExample, moved}).out)["changed"][0],
              nlohmann::json::parse(R"({"kind": "pin mapping", "id": "U1/U1_CLK_IN", "name": "FPGA_BGA56.CLK_IN",
                  "old pins": ["A1"], "pins": ["H3"],
                  "fields": [{"field": "pin", "old": "BGA56_A1", "new": "BGA56_H3"}]})"));
    // When only the pin's id tells the change, the ids are shown.
    const std::string newId = inputPath("ifx-diff-new-pin-id.xml");
    writeFile(newId, std::regex_replace(readFile(kExample), std::regex("BGA56_A1\""), "BGA56_Z1\""));
    EXPECT_NE(runIfx({"diff", kExample, newId})
                  .out.find("changed pin mapping U1/U1_CLK_IN (FPGA_BGA56.CLK_IN): pin \"BGA56_A1\" -> \"BGA56_Z1\"\n"),
              std::string::npos);
}

TEST(IfxDiff, AFileThatCannotBeReadExitsThree)
{
    const std::string missing = inputPath("no-such-design.xml");
    const IfxRun run = runIfx({"diff", kExample, missing});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, missing + ": cannot open the file: No such file or directory\n");
}

TEST(IfxDiff, ByNameADesignWithNewIdsIsTheSameAndASwapIsOneLine)
{
    const std::string renamed =
        std::regex_replace(readFile(kExample), std::regex("(id|ref)=\"([^\"]+)\""), "$1=\"N$2\"");
    const std::string regenerated = inputPath("ifx-diff-regenerated.xml");
    writeFile(regenerated, renamed);
    // Saved through the library, as an editor would write it.
    const std::string saved = outputPath("ifx-diff-regenerated.xml");
    ASSERT_EQ(runIfx({"copy", regenerated, saved}).status, 0);
    EXPECT_EQ(runIfx({"diff", kExample, saved}).status, 1);
    IfxRun run = runIfx({"diff", "--by-name", kExample, saved});
    EXPECT_EQ(run.status, 0) << run.out;

    std::string moved = std::regex_replace(renamed, std::regex("ref=\"NBGA56_A1\""), "ref=\"NBGA56_H3\"");
    writeFile(regenerated, moved);
    run = runIfx({"diff", "--by-name", kExample, regenerated});
    EXPECT_EQ(run.out, "changed pin mapping U1/CLK_IN (U1.CLK_IN): pin A1 -> H3\n0 added, 0 removed, 1 changed\n");

    moved = std::regex_replace(renamed, std::regex("\"NHDR2X5_3\"/>"), "\"NHDR2X5_X\"/>");
    moved = std::regex_replace(moved, std::regex("\"NHDR2X5_4\"/>"), "\"NHDR2X5_3\"/>");
    moved = std::regex_replace(moved, std::regex("\"NHDR2X5_X\"/>"), "\"NHDR2X5_4\"/>");
    writeFile(regenerated, moved);
    run = runIfx({"diff", "--by-name", kExample, regenerated});
    EXPECT_NE(run.out.find("swapped pin mappings J1/SCL and J1/SDA (J1.SCL, J1.SDA): pins 4 and 3\n"),
              std::string::npos)
        << run.out;

    // A footprint renamed with the same pins is one change, not each pin removed and added.
    writeFile(regenerated, std::regex_replace(renamed, std::regex("HDR_2X5_P2.54"), "HDR_2X5_NEW"));
    run = runIfx({"diff", "--by-name", kExample, regenerated});
    EXPECT_EQ(run.out, "changed footprint HDR_2X5_NEW (HDR_2X5_NEW): name \"HDR_2X5_P2.54\" -> \"HDR_2X5_NEW\"\n"
                       "changed part map J1 (J1): footprint \"HDR_2X5_P2.54\" -> \"HDR_2X5_NEW\"\n"
                       "0 added, 0 removed, 2 changed\n");
}

TEST(IfxDiff, IdsWithSlashesDoNotCollide)
{
    const auto design = [](const std::string& name, const char* instance, const char* port) {
        return writeDocument(name, std::string("<CompInsts><CompInst id=\"") + instance + "\"><Refdes>U</Refdes>" +
                                       "<Ports><Port id=\"" + port + "\"><Name>P</Name></Port></Ports>" +
                                       "</CompInst></CompInsts>");
    };
    const IfxRun run =
        runIfx({"diff", design("ifx-diff-slash-a.xml", "A/B", "C"), design("ifx-diff-slash-b.xml", "A", "B/C")});
    EXPECT_EQ(run.status, 1) << run.out << run.err;
}

// diff keeps the first design's records packed while it reads the second.
TEST(IfxDiff, PackedRecordsUnpackAsTheyWere)
{
    const View view = read(sourcePath("examples/fpga_board.xml"), false);
    const DesignRecords design(view.get());
    for (const bool byName : {false, true}) {
        const KeyedRecords records(design, byName);
        const std::string packed = records.pack();
        const KeyedRecords unpacked(packed);
        EXPECT_EQ(unpacked.records().size(), records.records().size());
        EXPECT_TRUE(DesignDiff(records, unpacked).same());
        EXPECT_EQ(unpacked.pack(), packed);
    }
}
