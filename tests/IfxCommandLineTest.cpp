#include "IfxRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

const std::string kExample = sourcePath("examples/board.xml");

} // namespace

TEST(IfxCommandLine, EveryCommandHasHelpWithAnExample)
{
    for (const char* command : {"validate", "show", "pinmap", "check", "diff", "copy"}) {
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
    EXPECT_EQ(occurrences(all.err, missing + ":0:0: cannot open the file"), 1) << all.err;

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
    EXPECT_EQ(failed.err, unwritable + ":0:0: cannot create a file in its folder: No such file or directory\n");

    const IfxRun missing = runIfx({"copy", inputPath("no-such-design.xml"), outputPath("ifx-never-written.xml")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(occurrences(missing.err, "\n"), 1) << missing.err;
}
