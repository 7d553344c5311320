#include "DesignGenerator.h"
#include "FpgaBoardExample.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

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

TEST(ExampleDesign, RegeneratesToTheCommittedBytes)
{
    const auto view = DesignGenerator(kFpgaBoardSize, kFpgaBoardSeed).generate();
    const std::string regenerated = readFile(write(view.get(), "fpga-board-regenerated.xml"));
    EXPECT_TRUE(regenerated == readFile(example())) << "run make_example to regenerate examples/fpga_board.xml";
}

TEST(DesignGenerator, MakesAboutTheSizeAskedFor)
{
    for (const int size : {1000, 20000}) {
        const auto view = DesignGenerator(static_cast<std::size_t>(size), 1).generate();
        EXPECT_NEAR(portsAndPins(view.get()), size, size / 10) << "size " << size;
    }
}
