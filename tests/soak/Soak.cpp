// Reads, edits and writes the example in a loop for a while and reports the
// resident size of the process: after the first round it must stay flat.
//
// Usage: wjxml_soak EXAMPLE FOLDER SECONDS
#include "model/DesignRecords.h"
#include "robustness/DesignEdits.h"
#include "wjxmlinterfaceflowreader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using View = std::unique_ptr<IWJInterfaceView>;

long residentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

View read(const std::string& path, bool bind)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(path.c_str(), bind);
    if (!reader.getInterfaceView())
        std::fprintf(stderr, "soak: %s\n", reader.lastError());
    return View(reader.getInterfaceView());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s EXAMPLE FOLDER SECONDS\n", argv[0]);
        return 2;
    }
    const std::string example = argv[1];
    const std::string output = std::string(argv[2]) + "/soak.xml";
    const double seconds = std::atof(argv[3]);
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };

    long startKilobytes = 0;
    double nextReport = 0;
    long round = 0;
    for (; round == 0 || elapsed() < seconds; ++round) {
        const View view = read(example, true);
        if (!view)
            return 1;
        editDesign(view.get());
        // Every second round also removes an instance and the footprint added.
        if (round % 2 == 0) {
            view->removeCompInst(view->compInsts().value());
            view->removeFootprint("FP");
        }
        CWJXMLFlowReader writer(view.get());
        writer.writeXMLFile(output.c_str());
        if (*writer.lastError()) {
            std::fprintf(stderr, "soak: %s\n", writer.lastError());
            return 1;
        }
        const View back = read(output, false);
        if (!back || DesignRecords(back.get()).text() != DesignRecords(view.get()).text()) {
            std::fprintf(stderr, "soak: round %ld does not read back as written\n", round);
            return 1;
        }
        if (round == 0)
            startKilobytes = residentKilobytes();
        if (elapsed() >= nextReport) {
            std::printf("%6.0f s  %8ld rounds  resident %6ld KB\n", elapsed(), round + 1, residentKilobytes());
            std::fflush(stdout);
            nextReport += 30;
        }
    }
    const long endKilobytes = residentKilobytes();
    std::printf("%ld rounds in %.0f s; resident size after the first round %ld KB, at the end %ld KB\n", round,
                elapsed(), startKilobytes, endKilobytes);
    // Allocator slack may add a little; a leak of one round adds up over thousands.
    if (endKilobytes > startKilobytes + startKilobytes / 10 + 2048) {
        std::fprintf(stderr, "soak: the resident size grew\n");
        return 1;
    }
    return 0;
}
