#include "EditFuzzCase.h"
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

void replayReader(const std::string& folder)
{
    const std::vector<std::filesystem::path> files = inputsIn(folder);
    EXPECT_FALSE(files.empty());
    for (const auto& file : files) {
        const std::string name = "fuzz-reader-" + file.filename().stem().string();
        const ReaderFuzzCase fuzzCase(WJ_TEST_INPUT_DIR, WJ_TEST_OUTPUT_DIR, name);
        EXPECT_EQ(fuzzCase.run(readFile(file.string())), "") << file;
    }
}

void replayEdit(const std::string& folder)
{
    const std::vector<std::filesystem::path> files = inputsIn(folder);
    EXPECT_FALSE(files.empty());
    for (const auto& file : files) {
        const std::string name = "fuzz-edit-" + file.filename().stem().string();
        const EditFuzzCase fuzzCase(WJ_TEST_OUTPUT_DIR, name, sourcePath("examples/board.xml"));
        EXPECT_EQ(fuzzCase.run(readFile(file.string())), "") << file;
    }
}

} // namespace

TEST(FuzzReplay, ReaderCorpus)
{
    replayReader("corpus/reader");
}

TEST(FuzzReplay, ReaderRegressions)
{
    replayReader("regressions/reader");
}

TEST(FuzzReplay, EditCorpus)
{
    replayEdit("corpus/edit");
}

TEST(FuzzReplay, EditRegressions)
{
    replayEdit("regressions/edit");
}
