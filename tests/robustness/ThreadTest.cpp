// Threads with readers of their own read, edit and save files of their own at
// the same time; each must save what one thread alone saves.

#include "DesignEdits.h"
#include "TestSupport.h"
#include "model/DesignRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

using namespace testsupport;

namespace {

// Reads the example, edits it and saves it to path; returns what the host
// saw of the edited model, full names included.
std::string readEditAndSave(const std::string& path, bool bind)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(sourcePath("examples/fpga_board.xml").c_str(), bind);
    View view{reader.getInterfaceView()};
    if (!view)
        return reader.lastError();
    editDesign(view.get());
    reader.writeXMLFile(path.c_str());
    return DesignRecords(view.get()).text() + reader.lastError();
}

TEST(Threads, SeparateReadersOnSeparateThreadsDoNotDisturbEachOther)
{
    const std::size_t kThreads = 4;
    const int kRounds = 3;
    for (const bool bind : {true, false}) {
        const std::string alonePath = outputPath("thread-alone.xml");
        const std::string aloneSeen = readEditAndSave(alonePath, bind);
        std::vector<std::string> paths;
        std::vector<std::string> seen(kThreads);
        for (std::size_t t = 0; t < kThreads; ++t)
            paths.push_back(outputPath("thread-" + std::to_string(t) + ".xml"));
        std::vector<std::thread> threads;
        for (std::size_t t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                for (int round = 0; round < kRounds; ++round)
                    seen[t] = readEditAndSave(paths[t], bind);
            });
        }
        for (std::thread& thread : threads)
            thread.join();
        for (std::size_t t = 0; t < kThreads; ++t) {
            EXPECT_EQ(seen[t], aloneSeen) << "thread " << t << (bind ? ", bound" : ", unbound");
            EXPECT_EQ(readFile(paths[t]), readFile(alonePath)) << "thread " << t << (bind ? ", bound" : ", unbound");
        }
    }
}

} // namespace
