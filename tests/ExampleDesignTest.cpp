#include "DesignGenerator.h"
#include "FpgaBoardExample.h"
#include "ModelSnapshot.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace testsupport;

namespace {

std::string example()
{
    return sourcePath("examples/fpga_board.xml");
}

// Ports, differential ports and pins of the whole design.
int portsAndPins(IWJInterfaceView* view)
{
    int n = 0;
    for (auto insts = view->compInsts(); insts.isValid(); ++insts)
        n += count(insts.value()->ports()) + count(insts.value()->differentialPorts());
    for (auto footprints = view->footprints(); footprints.isValid(); ++footprints)
        n += count(footprints.value()->pins());
    return n;
}

} // namespace

TEST(ExampleDesign, ReadsBoundAndUnbound)
{
    for (const bool bind : {true, false}) {
        std::string error;
        const View view = read(example(), bind, &error);
        ASSERT_TRUE(view) << error;
        EXPECT_EQ(error, "");
        IWJCompInst* fpga = valueAt(view->compInsts(), "U1");
        ASSERT_TRUE(fpga);
        EXPECT_TRUE(fpga->findPortGroup("FPGA_FBGA625.DDR0.DATA.LANE3"));
        IWJPartMap* map = view->findPartMap(fpga);
        ASSERT_TRUE(map);
        EXPECT_TRUE(map->pinForPort(fpga->findPort("DDR0_DQ"), 31));
        EXPECT_EQ(count(map->portPinGroupMaps()), 13);
        EXPECT_EQ(count(map->portGroupPinGroupMaps()), 8);
        EXPECT_TRUE(valueAt(view->compInsts(), "J1"));
    }
}

TEST(ExampleDesign, RegeneratesToTheCommittedBytes)
{
    const auto view = DesignGenerator(kFpgaBoardSize, kFpgaBoardSeed).generate();
    const std::string regenerated = readFile(write(view.get(), "fpga-board-regenerated.xml"));
    EXPECT_TRUE(regenerated == readFile(example())) << "run make_example to regenerate examples/fpga_board.xml";
}

TEST(ExampleDesign, BoundReadWritesTheSameBytes)
{
    const View view = read(example(), true);
    ASSERT_TRUE(view);
    EXPECT_TRUE(readFile(write(view.get(), "fpga-board-copy.xml")) == readFile(example()));
}

TEST(ExampleDesign, UnboundReadGivesTheBoundModel)
{
    const View bound = read(example(), true);
    const View unbound = read(example(), false);
    ASSERT_TRUE(bound && unbound);
    EXPECT_EQ(modelSnapshot(unbound.get()), modelSnapshot(bound.get()));
}

TEST(ExampleDesign, IfxShowPrintsItsPartMaps)
{
    FILE* pipe = popen((std::string(WJ_IFX_PATH) + " show " + example()).c_str(), "r");
    ASSERT_TRUE(pipe);
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_NE(output.find("Part map J1 on HDR2X20_J1: 24 pin mappings, 3 pin-group mappings, 2 group mappings\n"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("Part map U1 on FBGA625_U1: "), std::string::npos) << output;
}

TEST(DesignGenerator, MakesAboutTheSizeAskedFor)
{
    for (const int size : {1000, 20000}) {
        const auto view = DesignGenerator(static_cast<std::size_t>(size), 1).generate();
        EXPECT_NEAR(portsAndPins(view.get()), size, size / 10) << "size " << size;
    }
}
