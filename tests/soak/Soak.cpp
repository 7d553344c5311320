// Reads, edits and writes the example in a loop for a while and reports the
// resident size of the process: after the first round it must stay flat.
//
// Usage: wjxml_soak EXAMPLE FOLDER SECONDS
#include "model/DesignRecords.h"
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

// The edits of one round: a new instance with ports, a bus interface and a
// group, a footprint with pins and a part map, mappings, renames and a removal.
void edit(IWJInterfaceView* view, long round)
{
    const std::string text = std::to_string(round);
    view->setDesignName(("soak " + text).c_str());
    IWJCompInst* inst = view->addCompInst("SOAK", ("S" + text).c_str());
    IWJPort* clock = inst->addPort("CLK", "", IWJPort::Input, 1, -1, -1);
    IWJPort* data = inst->addPort("DATA", "D", IWJPort::Inout, 8, 0, 7);
    IWJPortGroup* group = inst->addBusInterface("BUS", "def")->addPortGroup("G", IWJPortGroup::Bus, "1.8", 1, 1);
    group->addPortRef(data, 0, 3);
    IWJFootPrint* footprint = view->addFootprint(("FP" + text).c_str(), "5", "5", "1", "0,0", "0");
    footprint->addPin("A1", "0,0", "pad", nullptr, "round");
    footprint->addPin("A2", "0,1", "pad", nullptr, "round");
    IWJPartMap* partMap = view->addPartMap(footprint, inst);
    partMap->mapPortToPinName(clock, "A1", -1);
    partMap->mapPortToPinNames(data, {"A1", "A2"}, 2);
    partMap->mapPortGroupToPinNames(group, {"A2"});
    partMap->unmapPort(data, 2);
    clock->setName("CLOCK");
    inst->removePort(clock);
    if (round % 2 == 0) {
        view->removeCompInst(inst);
        view->removeFootprint(("FP" + text).c_str());
    }
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
        edit(view.get(), round);
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
