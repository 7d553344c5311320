// Every valid fixture and example, read bound and unbound: the model a host
// sees must be the one recorded in tests/data/golden/model, and it must
// survive a save and a read back; a bound read of a file laid out as the
// writer lays files out is saved byte for byte. WJ_UPDATE_GOLDEN=1 rewrites
// the records.

#include "RoundTripCheck.h"
#include "TestSupport.h"
#include "model/DesignRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> designFiles()
{
    std::vector<std::string> files;
    for (const char* folder : {"tests/data/valid", "tests/data/nonamespace", "examples"}) {
        for (const auto& entry : fs::directory_iterator(sourcePath(folder))) {
            if (entry.path().extension() == ".xml")
                files.push_back(fs::relative(entry.path(), WJ_SOURCE_DIR).string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Files laid out otherwise than the writer does: a bound read of them is
// saved in the writer's layout.
const std::set<std::string> kOtherLayouts{"tests/data/valid/comments.xml", "tests/data/valid/empty-root.xml",
                                          "tests/data/valid/empty-texts-and-containers.xml",
                                          "tests/data/valid/nested-port-groups.xml"};

std::string goldenPath(std::string file)
{
    std::replace(file.begin(), file.end(), '/', '-');
    return sourcePath("tests/data/golden/model/" + file.substr(0, file.size() - 4) + ".txt");
}

} // namespace

TEST(RoundTrip, EveryValidFixtureAndExample)
{
    const std::vector<std::string> files = designFiles();
    ASSERT_GE(files.size(), 12u);
    const RoundTripCheck roundTrip(WJ_TEST_OUTPUT_DIR);
    for (const std::string& file : files) {
        const std::string golden = goldenPath(file);
        for (const bool bind : {true, false}) {
            SCOPED_TRACE(file + (bind ? " bound" : " unbound"));
            std::string error;
            const View view = read(sourcePath(file), bind, &error);
            ASSERT_TRUE(view) << error;
            const std::string model = DesignRecords(view.get()).text();
            if (std::getenv("WJ_UPDATE_GOLDEN"))
                writeFile(golden, model);
            else if (const std::string expected = readFile(golden); model != expected)
                ADD_FAILURE() << firstDifference(expected, model);
            std::string name = file;
            std::replace(name.begin(), name.end(), '/', '-');
            name = "round-trip-" + name + (bind ? "-bound" : "");
            EXPECT_EQ(roundTrip.check(view.get(), name), "");
            if (bind && !kOtherLayouts.count(file)) {
                EXPECT_EQ(readFile(roundTrip.pathOf(name)), readFile(sourcePath(file)));
            }
        }
    }
}
