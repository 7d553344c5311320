#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(ComponentFiles, BoundEditsOfReadObjectsAreSaved)
{
    const View view = read(sourcePath("tests/data/valid/components.xml"), true);
    IWJCompInst* u1 = view->compInsts().value();
    u1->findPort("a")->setRange(5, -1);
    u1->busInterfaces().value()->portGroups().value()->portGroups().value()->setVoltage("3V3");
    const std::string written = readFile(write(view.get(), "components-edited.xml"));
    EXPECT_NE(written.find("<Range lsb=\"5\" msb=\"\"/>"), std::string::npos);
    EXPECT_NE(written.find("<Name>G2</Name>\n                  <Voltage>3V3</Voltage>"), std::string::npos);
}
