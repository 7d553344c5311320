// What ifx show, pinmap and check print for the examples and fixtures, byte for byte, against
// the files in tests/data/golden/ifx: standard output, then standard error
// after a "--- stderr" line when there is any. @SRC@ in them stands for the
// source folder. WJ_UPDATE_GOLDEN=1 rewrites the files.

#include "IfxRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace testsupport;

namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

TEST(IfxGolden, ShowAndPinMapPrintWhatTheGoldenFilesHold)
{
    struct Case {
        std::vector<std::string> arguments; // an argument with @SRC@ names a source file
        const char* golden;
        int status;
    };
    const Case cases[] = {
        {{"show", "@SRC@/examples/board.xml"}, "show-board.txt", 0},
        {{"show", "--json", "@SRC@/examples/board.xml"}, "show-board.json", 0},
        {{"show", "@SRC@/tests/data/valid/markup-in-attributes.xml"}, "show-markup-in-attributes.txt", 0},
        {{"show", "@SRC@/tests/data/valid/nested-port-groups.xml"}, "show-nested-port-groups.txt", 0},
        {{"show", "@SRC@/tests/data/valid/components.xml"}, "show-components.txt", 0},
        {{"show", "@SRC@/tests/data/valid/footprint-edge-cases.xml"}, "show-footprint-edge-cases.txt", 0},
        {{"show", "@SRC@/no-such-design.xml"}, "show-missing.txt", 1},
        {{"pinmap", "@SRC@/examples/board.xml"}, "pinmap-board.txt", 0},
        {{"pinmap", "@SRC@/examples/board.xml", "--format", "csv"}, "pinmap-board.csv", 0},
        {{"pinmap", "@SRC@/examples/board.xml", "--format", "json"}, "pinmap-board.json", 0},
        {{"pinmap", "@SRC@/examples/board.xml", "--refdes", "j1"}, "pinmap-board-j1.txt", 0},
        {{"pinmap", "@SRC@/examples/board.xml", "--refdes", "U9"}, "pinmap-board-u9.txt", 1},
        {{"pinmap", "@SRC@/examples/fpga_board.xml", "--all-pins", "--sort", "pin"},
         "pinmap-fpga-board-all-pins.txt",
         0},
        {{"pinmap", "@SRC@/examples/fpga_board.xml", "--all-pins", "--format", "json"},
         "pinmap-fpga-board-all-pins.json",
         0},
        {{"pinmap", "@SRC@/tests/data/ifx/pinmap-shared-footprint.xml", "--all-pins"},
         "pinmap-shared-footprint-all-pins.txt",
         0},
        {{"check", "@SRC@/examples/board.xml"}, "check-board.txt", 0},
        {{"check", "@SRC@/examples/fpga_board.xml"}, "check-fpga-board.txt", 0},
        {{"check", "@SRC@/tests/data/ifx/check-pins.xml"}, "check-pins.txt", 1},
        {{"check", "@SRC@/tests/data/ifx/check-errors.xml"}, "check-errors.txt", 1},
        {{"check", "@SRC@/tests/data/ifx/check-warnings.xml"}, "check-warnings.txt", 0},
        {{"check", "--werror", "@SRC@/tests/data/ifx/check-warnings.xml"}, "check-warnings.txt", 1},
        {{"check", "@SRC@/tests/data/ifx/check-values.xml"}, "check-values.txt", 1},
        {{"check", "@SRC@/tests/data/ifx/check-whole-and-bit.xml"}, "check-whole-and-bit.txt", 1},
        {{"check", "--format", "json", "@SRC@/tests/data/ifx/check-values.xml"}, "check-values.json", 1},
        {{"check", "@SRC@/tests/data/invalid/port-under-root.xml"}, "check-invalid.txt", 1},
        {{"check", "@SRC@/no-such-design.xml"}, "check-missing.txt", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        std::vector<std::string> arguments;
        for (const std::string& argument : c.arguments)
            arguments.push_back(replaced(argument, "@SRC@", WJ_SOURCE_DIR));
        const IfxRun run = runIfx(arguments);
        EXPECT_EQ(run.status, c.status);
        std::string printed = run.out;
        if (!run.err.empty())
            printed += "--- stderr\n" + run.err;
        printed = replaced(printed, WJ_SOURCE_DIR, "@SRC@");
        const std::string golden = sourcePath(std::string("tests/data/golden/ifx/") + c.golden);
        if (std::getenv("WJ_UPDATE_GOLDEN"))
            writeFile(golden, printed);
        else
            EXPECT_EQ(printed, readFile(golden));
    }
}

// A pin location holding the CSV's separator, quotes and a line break is one
// quoted field.
TEST(IfxGolden, CsvQuotesCommasQuotesAndLineBreaks)
{
    const View view = create();
    IWJCompInst* instance = view->addCompInst("CELL", "R1");
    IWJPort* port = instance->addPort("A", "", IWJPort::Input, 1, -1, -1);
    IWJFootPrint* footprint = view->addFootprint("FP", "", "", "", "", "");
    footprint->addPin("1", "say \"x,y\"\r\nthere", "P", "", "");
    view->addPartMap(footprint, instance)->mapPortToPinName(port, "1", -1);
    const IfxRun run = runIfx({"pinmap", write(view.get(), "ifx-pinmap-quotes.xml"), "--format=csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(run.out.find("\r\n") + 2),
              "R1,CELL.A,,input,,1,TVN_1,\"say \"\"x,y\"\"\r\nthere\",P,pin,,,,,,\r\n");
}
