#include "EditCycles.h"

#include "PeakMemory.h"

#include "wjxmlinterfaceflowreader.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char kFlag[] = "--edit-cycles";
constexpr int kWarmUpCycles = 1000;
constexpr int kMeasuredCycles = 20000;

enum Kind { AddRemovePort, MapUnmapPins, AddRemoveFootprint, KindCount };
const char* const kKindNames[] = {"port", "pins", "footprint"};
const char* const kKindTitles[] = {"addPort, removePort", "mapPortToPinNames (4 pins), unmapPort",
                                   "addFootprint with a pin, removeFootprint"};

long residentBytes()
{
    long pages = 0;
    long resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm || std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    if (statm)
        std::fclose(statm);
    return resident * ::sysconf(_SC_PAGESIZE);
}

// Bytes of growth per cycle of kind after the warm-up.
double growthPerCycle(Kind kind)
{
    CWJXMLFlowReader reader;
    std::unique_ptr<IWJInterfaceView> view(reader.CreateInterfaceView("bench", "2026-12-07T12:00:00", "cycles"));
    IWJCompInst* instance = view->addCompInst("CELL", "U1");
    IWJPort* port = instance->addPort("D", "", IWJPort::Inout, 1, -1, -1);
    IWJFootPrint* footprint = view->addFootprint("FP", "", "", "", "", "");
    const std::vector<std::string> pins{"A1", "A2", "A3", "A4"};
    for (const std::string& pin : pins)
        footprint->addPin(pin.c_str(), "", "", "", "");
    IWJPartMap* partMap = view->addPartMap(footprint, instance);
    long before = 0;
    for (int cycle = 0; cycle < kWarmUpCycles + kMeasuredCycles; ++cycle) {
        if (cycle == kWarmUpCycles)
            before = residentBytes();
        if (kind == AddRemovePort) {
            instance->removePort(instance->addPort("P", "", IWJPort::Inout, 1, -1, -1));
        } else if (kind == MapUnmapPins) {
            partMap->mapPortToPinNames(port, pins, -1);
            partMap->unmapPort(port, -1);
        } else {
            view->addFootprint("SPARE", "1", "2", "3", "", "")->addPin("X1", "", "", "", "");
            view->removeFootprint("SPARE");
        }
    }
    return static_cast<double>(residentBytes() - before) / kMeasuredCycles;
}

} // namespace

void EditCycles::printTable()
{
    std::printf("\nEdit and undo, %d times after %d on one view: resident size growth per cycle, three runs, each in a "
                "process of its own (<= 0.1 KiB).\n\n",
                kMeasuredCycles, kWarmUpCycles);
    std::printf("| cycle | KiB per cycle |\n|---|---|\n");
    for (int kind = 0; kind < KindCount; ++kind) {
        std::string runs;
        for (int run = 0; run < 3; ++run) {
            char figure[32];
            std::snprintf(figure, sizeof figure, "%s%.3f", run ? ", " : "",
                          PeakMemory::childFigure(std::string(kFlag) + " " + kKindNames[kind]) / 1024.0);
            runs += figure;
        }
        std::printf("| %s | %s |\n", kKindTitles[kind], runs.c_str());
    }
}

bool EditCycles::childMain(int argc, char** argv)
{
    if (argc != 3 || std::strcmp(argv[1], kFlag) != 0)
        return false;
    for (int kind = 0; kind < KindCount; ++kind) {
        if (std::strcmp(argv[2], kKindNames[kind]) == 0)
            std::printf("%.1f\n", growthPerCycle(static_cast<Kind>(kind)));
    }
    return true;
}
