#include "IfxRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <regex>

using namespace testsupport;

namespace {

struct EditCase {
    std::vector<std::string> arguments; // after the command and DESIGN
    int status;
    std::string out; // standard output; on a refusal the end of standard error
};

} // namespace

// Each edit on a fresh copy of the example: made (one line per change) or
// refused (exit 1, the file as it was).
TEST(IfxEdit, EditsReportEachChangeAndRefusalsLeaveTheFileAsItWas)
{
    const std::vector<EditCase> cases{
        {{"map", "--refdes", "u1", "CLK_IN", "h3"}, 0, "mapped U1.CLK_IN to pin H3 (was pin A1)\n"},
        {{"map", "--refdes", "U1", "DQ[3]", "H3"}, 0, "mapped U1.DQ<3> to pin H3\n"},
        {{"map", "--refdes", "U1", "DQ 3", "H3", "H4"}, 0, "mapped U1.DQ<3> to pins H3 H4\n"},
        {{"map", "--refdes", "U1", "RST_N", "A1", "--force"},
         0,
         "mapped U1.RST_N to pin A1 (was pin A2), beside U1.CLK_IN on pin A1\n"},
        {{"map", "--refdes", "U1", "RST_N", "A1"}, 1, "pin A1 is mapped to U1.CLK_IN (--force maps it there too)\n"},
        {{"map", "--refdes", "U1", "DQ<16>", "H3"}, 1, "bit 16 is outside the bits 0..15 of port U1.DQ\n"},
        {{"map", "--refdes", "U1", "CLK", "H3"}, 1, "no port \"CLK\" on U1; did you mean CLK_IN?\n"},
        {{"map", "--refdes", "U1", "TDO", "H9"},
         1,
         "no pin \"H9\" on footprint BGA56_P0.8; did you mean H1, H2, H3?\n"},
        {{"map", "--refdes", "U1", "DM", "H3"},
         1,
         "port U1.DM has bits 0..1: map each bit, or the whole port on as many pins\n"},
        {{"map", "--refdes", "U9", "TDO", "H3"}, 1, "no instance has the refdes \"U9\"; did you mean U1, J1?\n"},
        {{"unmap", "--refdes", "U1", "TDO"}, 0, "unmapped U1.TDO from pin A6\n"},
        {{"unmap", "--refdes", "J1", "--pin", "9"}, 0, "moved J1.GND from pins 10 9 to pin 10\n"},
        {{"unmap", "--refdes", "U1", "--pin", "H3"}, 1, "nothing is mapped to pin H3\n"},
        {{"unmap", "--refdes", "U1", "DQ<3>"}, 1, "U1.DQ<3> is not mapped\n"},
        {{"swap", "--refdes", "J1", "3", "4"},
         0,
         "moved J1.SCL from pin 4 to pin 3\nmoved J1.SDA from pin 3 to pin 4\n"},
        {{"swap", "--refdes", "U1", "A6", "H3"}, 0, "moved U1.TDO from pin A6 to pin H3\n"},
        {{"swap", "--refdes", "U1", "H3", "H4"}, 1, "nothing is mapped to pin H3 or pin H4\n"},
        {{"set-type", "--refdes", "U1", "d", "output"}, 0, "changed the type of U1.D from inout to output\n"},
        {{"set-type", "--refdes", "U1", "D[0]", "output"}, 1, "the type is the whole port's: name U1.D\n"},
    };
    const std::string original = readFile(sourcePath("examples/board.xml"));
    for (const EditCase& edit : cases) {
        SCOPED_TRACE(edit.arguments[0] + " " + edit.arguments[3]);
        const std::string design = outputPath("ifx-edit.xml");
        writeFile(design, original);
        std::vector<std::string> arguments{edit.arguments[0], design};
        arguments.insert(arguments.end(), edit.arguments.begin() + 1, edit.arguments.end());
        const IfxRun run = runIfx(arguments);
        EXPECT_EQ(run.status, edit.status) << run.err;
        if (edit.status == 0) {
            EXPECT_EQ(run.out, edit.out);
            EXPECT_TRUE(std::regex_search(readFile(design), std::regex("<LastUpdatedAt>20\\d\\d-\\d\\d-\\d\\dT\\d\\d:"
                                                                       "\\d\\d:\\d\\dZ</LastUpdatedAt>")));
        } else {
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, design + ": " + edit.out);
            EXPECT_EQ(readFile(design), original);
        }
    }
}

// -o writes the edit elsewhere; what was read stays, and the edit reads back.
TEST(IfxEdit, OutputLeavesTheDesignAndHoldsTheEdit)
{
    const std::string edited = outputPath("ifx-edit-output.xml");
    const IfxRun run =
        runIfx({"map", sourcePath("examples/board.xml"), "--refdes", "J1", "sda", "9", "--force", "-o", edited});
    ASSERT_EQ(run.status, 0) << run.err;
    View view = read(edited, false);
    IWJCompInst* j1 = valueAt(view->compInsts(), "J1");
    ASSERT_NE(j1, nullptr);
    EXPECT_STREQ(view->findPartMap(j1)->pinForPort(j1->findPort("SDA"), -1)->name(), "9");
}
