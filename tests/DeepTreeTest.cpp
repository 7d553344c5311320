#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace testsupport;

namespace {

// The stack is what a deep tree threatens, and the plain build proves it
// holds at full depth; the sanitized build checks the same code on a smaller
// tree, for memory errors.
const int kLevels = kSanitized ? 20000 : 100000;

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

// A host may nest port groups as deep as it likes: the tree is written
// without recursion and released without recursion, in the model and in the
// document. Its file is deeper than a file may be, so reading it back is
// refused; it goes to the input folder, as the schema check of the written
// files cannot read it either. Removing the instance releases the tree.
TEST(DeepTree, AHundredThousandLevelsOfGroupsAreWrittenAndReleased)
{
    View view = create("deep");
    IWJCompInst* inst = view->addCompInst("CELL", "U1");
    IWJPort* port = inst->addPort("P", "", IWJPort::Input, 1, -1, -1);
    IWJPortGroup* group = inst->addBusInterface("BUS", "def");
    for (int level = 0; level < kLevels; ++level)
        group = group->addPortGroup("G", IWJPortGroup::Bus, nullptr, 0, 0);
    group->addPortRef(port, 0, 0);
    EXPECT_EQ(std::string(group->fullName()).size(), std::string("CELL.BUS").size() + 2 * kLevels);

    const std::string path = inputPath("deep-groups.xml");
    CWJXMLFlowReader writer(view.get());
    writer.writeXMLFile(path.c_str());
    EXPECT_STREQ(writer.lastError(), "");
    // Indentation stops growing, so the file grows with the depth alone.
    EXPECT_LT(readFile(path).size(), 1000u * kLevels);

    const auto start = std::chrono::steady_clock::now();
    std::string error;
    EXPECT_FALSE(read(path, true, &error));
    EXPECT_NE(error.find("deep-groups.xml:"), std::string::npos);
    EXPECT_NE(error.find(": elements are nested more than 512 levels deep"), std::string::npos) << error;
    EXPECT_LT(secondsSince(start), slowdown());

    view->removeCompInst(inst);
    EXPECT_FALSE(view->compInsts().isValid());
}
