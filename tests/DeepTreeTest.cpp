#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// The stack is what a deep tree threatens, and the plain build proves it
// holds at full depth; the sanitized build checks the same code on a smaller
// tree, for memory errors.
const int kLevels = kSanitized ? 20000 : 100000;

} // namespace

// A host may nest port groups as deep as it likes: the tree is built and
// released without recursion, in the model and in the document. A file that
// deep could not be read back, so the save is refused and writes nothing.
// Removing the instance releases the tree.
TEST(DeepTree, AHundredThousandLevelsOfGroupsAreRefusedAtSaveAndReleased)
{
    View view = create("deep");
    IWJCompInst* inst = view->addCompInst("CELL", "U1");
    IWJPort* port = inst->addPort("P", "", IWJPort::Input, 1, -1, -1);
    IWJPortGroup* group = inst->addBusInterface("BUS", "def");
    for (int level = 0; level < kLevels; ++level)
        group = group->addPortGroup("G", IWJPortGroup::Bus, nullptr, 0, 0);
    group->addPortRef(port, 0, 0);
    EXPECT_EQ(std::string(group->fullName()).size(), std::string("CELL.BUS").size() + 2 * kLevels);

    const std::string path = inputPath("deep-groups-saved.xml");
    CWJXMLFlowReader writer(view.get());
    writer.writeXMLFile(path.c_str());
    EXPECT_NE(std::string(writer.lastError()).find("nests elements more than 512 deep"), std::string::npos)
        << writer.lastError();
    EXPECT_TRUE(readFile(path).empty());

    view->removeCompInst(inst);
    EXPECT_FALSE(view->compInsts().isValid());
}
