#include "EditFuzzCase.h"
#include "KicadFuzzCase.h"
#include "ReaderFuzzCase.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

using namespace testsupport;

namespace {

// The files of a folder below fuzz/, in name order.
std::vector<std::filesystem::path> inputsIn(const std::string& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(sourcePath("fuzz/" + folder))) {
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Runs every input of the folder through run(name, content), which must
// return "".
template <class Run> void replay(const std::string& folder, Run run)
{
    const std::vector<std::filesystem::path> files = inputsIn(folder);
    EXPECT_FALSE(files.empty());
    for (const auto& file : files)
        EXPECT_EQ(run(file.filename().stem().string(), readFile(file.string())), "") << file;
}

std::string readerCase(const std::string& name, const std::string& content)
{
    return ReaderFuzzCase(WJ_TEST_INPUT_DIR, WJ_TEST_OUTPUT_DIR, "fuzz-reader-" + name).run(content);
}

std::string editCase(const std::string& name, const std::string& content)
{
    return EditFuzzCase(WJ_TEST_OUTPUT_DIR, "fuzz-edit-" + name, sourcePath("examples/board.xml")).run(content);
}

std::string kicadCase(const std::string& name, const std::string& content)
{
    return KicadFuzzCase(WJ_TEST_OUTPUT_DIR, "fuzz-kicad-" + name).run(content);
}

} // namespace

TEST(FuzzReplay, ReaderCorpus)
{
    replay("corpus/reader", readerCase);
}

TEST(FuzzReplay, ReaderRegressions)
{
    replay("regressions/reader", readerCase);
}

TEST(FuzzReplay, EditCorpus)
{
    replay("corpus/edit", editCase);
}

TEST(FuzzReplay, EditRegressions)
{
    replay("regressions/edit", editCase);
}

TEST(FuzzReplay, KicadCorpus)
{
    replay("corpus/kicad", kicadCase);
}

TEST(FuzzReplay, KicadRegressions)
{
    replay("regressions/kicad", kicadCase);
}
