#include "IfxRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace testsupport;
using nlohmann::json;

namespace {

const std::string kExample = sourcePath("examples/board.xml");

int boundOf(const json& value)
{
    return value.is_null() ? -1 : value.get<int>();
}

void expectPortsMatch(IWJCompInst* instance, const json& ports)
{
    ASSERT_EQ(static_cast<int>(ports.size()), count(instance->ports()));
    auto entry = ports.begin();
    for (auto walk = instance->ports(); walk.isValid(); ++walk, ++entry) {
        IWJPort* port = walk.value();
        EXPECT_EQ((*entry)["id"], walk.key());
        EXPECT_EQ((*entry)["name"], port->name());
        EXPECT_EQ((*entry)["fullName"], port->fullName());
        EXPECT_EQ((*entry)["pins"], port->numPhysPins());
        EXPECT_EQ(boundOf((*entry)["lsb"]), port->lsb());
        EXPECT_EQ(boundOf((*entry)["msb"]), port->msb());
    }
}

} // namespace

TEST(IfxShow, PrintsTheExampleAsAnIndentedTree)
{
    const IfxRun run = runIfx({"show", kExample});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char* expected :
         {"Design fpga_ddr_board\n"
          "  Last updated by board.team at 2024-05-14T09:30:00\n"
          "  2 instances, 2 footprints, 2 part maps\n"
          "Instance J1: cell HDR_2X5, id J1\n",
          "  Port DATA (instance name D): inout, bits 0..7, 8 pins\n",
          "  Differential pair DQS0: positive DQS0_P, negative DQS0_N\n"
          "  Differential pair DQS1: positive DQS1_P, negative DQS1_N\n"
          "  Bus interface DDR: DDR3 SDRAM x16\n"
          "    Port ref FPGA_BGA56.DDR_CKE\n"
          "    Port ref FPGA_BGA56.DDR_ODT\n"
          "    Group LANE0: bus, 1.5V\n"
          "      Port ref FPGA_BGA56.DQ<0..7>\n"
          "      Port ref FPGA_BGA56.DM<0>\n"
          "      Differential pair ref DQS0\n",
          "    Group VDDQ: voltageDefn, 1.5V, 2 power pins, 2 ground pins\n",
          "Footprint BGA56_P0.8: id FP_BGA56, 56 pins\n"
          "  Outline: width 7.0, length 8.0, thickness 1.2, origin 0.0,0.0, rotation 0\n",
          "Part map U1 on BGA56_P0.8: 20 pin mappings, 4 pin-group mappings, 4 group mappings\n"
          "Part map J1 on HDR_2X5_P2.54: 6 pin mappings, 2 pin-group mappings, 1 group mapping\n"}) {
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\nnot in\n" << run.out;
    }
}

TEST(IfxShow, JsonSaysWhatTheModelSays)
{
    const IfxRun run = runIfx({"show", "--json", kExample});
    ASSERT_EQ(run.status, 0) << run.err;
    const json shown = json::parse(run.out);
    const View view = read(kExample, false);
    ASSERT_TRUE(view);

    EXPECT_EQ(shown["designName"], view->designName());
    EXPECT_EQ(shown["lastUpdatedBy"], view->lastUpdatedBy());
    EXPECT_EQ(shown["lastUpdatedAt"], view->lastUpdatedAt());
    ASSERT_EQ(static_cast<int>(shown["instances"].size()), count(view->compInsts()));
    auto instance = shown["instances"].begin();
    for (auto walk = view->compInsts(); walk.isValid(); ++walk, ++instance) {
        SCOPED_TRACE(walk.key());
        EXPECT_EQ((*instance)["id"], walk.key());
        EXPECT_EQ((*instance)["refdes"], walk.value()->refdes());
        EXPECT_EQ((*instance)["cellName"], walk.value()->cellName());
        expectPortsMatch(walk.value(), (*instance)["ports"]);
        EXPECT_EQ(static_cast<int>((*instance)["differentialPairs"].size()), count(walk.value()->differentialPorts()));
        EXPECT_EQ(static_cast<int>((*instance)["busInterfaces"].size()), count(walk.value()->busInterfaces()));
    }
    const json& lane0 = shown["instances"][1]["busInterfaces"][0]["groups"][0];
    EXPECT_EQ(lane0["fullName"], "FPGA_BGA56.DDR.LANE0");
    EXPECT_EQ(lane0["portRefs"][0], json({{"port", "U1_DQ"}, {"name", "FPGA_BGA56.DQ<0..7>"}, {"lsb", 0}, {"msb", 7}}));
    EXPECT_EQ(shown["instances"][1]["differentialPairs"][0]["negative"]["port"], "U1_DQS0_N");

    ASSERT_EQ(static_cast<int>(shown["footprints"].size()), count(view->footprints()));
    auto footprint = shown["footprints"].begin();
    for (auto walk = view->footprints(); walk.isValid(); ++walk, ++footprint) {
        EXPECT_EQ((*footprint)["id"], walk.key());
        EXPECT_EQ((*footprint)["name"], walk.value()->name());
        EXPECT_EQ((*footprint)["pins"], count(walk.value()->pins()));
    }
    ASSERT_EQ(static_cast<int>(shown["partMaps"].size()), count(view->partMaps()));
    auto partMap = shown["partMaps"].begin();
    for (auto walk = view->partMaps(); walk.isValid(); ++walk, ++partMap) {
        EXPECT_EQ((*partMap)["refdes"], walk.value()->compInst()->refdes());
        EXPECT_EQ((*partMap)["pinMappings"], count(walk.value()->portPinMaps()));
        EXPECT_EQ((*partMap)["pinGroupMappings"], count(walk.value()->portPinGroupMaps()));
        EXPECT_EQ((*partMap)["groupMappings"], count(walk.value()->portGroupPinGroupMaps()));
    }
}

TEST(IfxShow, AMissingFileIsReportedOnceWithoutOutput)
{
    const std::string missing = inputPath("no-such-design.xml");
    const IfxRun run = runIfx({"show", missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, missing + ": cannot open the file: No such file or directory\n");
}
