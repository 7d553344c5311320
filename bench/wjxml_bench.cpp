// wjxml_bench: the library against Xerces-C alone on generated designs of
// several sizes, then summary tables. Options besides Google Benchmark's:
//   --sizes=1000,10000,...   the design sizes (ports and pins)
//   --data=FOLDER            where the generated designs are cached

#include "BenchCase.h"
#include "BenchClock.h"
#include "BenchFiles.h"
#include "BenchOperations.h"
#include "BenchSummary.h"
#include "EditCycles.h"
#include "EditScenarios.h"
#include "PeakMemory.h"
#include "PortRefReads.h"
#include "XercesBaseline.h"

#include "wjxmlinterfaceflowreader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

using namespace benchop;

namespace {

const std::string kSchema = WJ_SOURCE_DIR "/schema/InterfaceExchangeSchema.xsd";

// Fewer repetitions for the larger designs keep the whole run within minutes.
// The largest still runs three times: a single run of it says little (the
// kernel's page faults, a third of its time, vary widely between runs).
int repetitionsFor(std::size_t size)
{
    return size >= 100000 ? 3 : size >= 10000 ? 7 : 9;
}

std::unique_ptr<IWJInterfaceView> readView(const std::string& file, bool bind)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(file.c_str(), bind);
    if (!reader.getInterfaceView())
        throw std::runtime_error(reader.lastError());
    return std::unique_ptr<IWJInterfaceView>(reader.getInterfaceView());
}

// Each read's view is deleted before the next read, untimed, so that every
// read starts with nothing of the design in memory.
void readDesign(benchmark::State& state, BenchCase& design, bool bind)
{
    CWJXMLFlowReader reader;
    for (auto _ : state) {
        reader.readFlowXML(design.file().c_str(), bind);
        state.PauseTiming();
        std::unique_ptr<IWJInterfaceView> view(reader.getInterfaceView());
        if (!view)
            state.SkipWithError(reader.lastError());
        view.reset();
        state.ResumeTiming();
    }
}

// As readDesign, each document is released before the next parse.
void parseWithXerces(benchmark::State& state, XercesBaseline& xerces, BenchCase& design, bool validate)
{
    for (auto _ : state) {
        xercesc::DOMDocument* document = xerces.parse(design.file(), validate);
        state.PauseTiming();
        document->release();
        state.ResumeTiming();
    }
}

void serialiseWithXerces(benchmark::State& state, XercesBaseline& xerces, BenchCase& design, const std::string& output)
{
    if (!design.document())
        design.keepDocument(xerces.parse(design.file(), true));
    for (auto _ : state)
        XercesBaseline::serialise(design.document(), output);
    design.releaseDocument();
}

void writeDesign(benchmark::State& state, BenchCase& design, const std::string& output)
{
    if (!design.view())
        design.keepView(readView(design.file(), true));
    CWJXMLFlowReader writer(design.view());
    for (auto _ : state) {
        writer.writeXMLFile(output.c_str());
        if (*writer.lastError())
            state.SkipWithError(writer.lastError());
    }
}

// Runs edit and reports its wall-clock and processor seconds as the
// counters name and name_cpu.
template <class Edit> void timeEdit(benchmark::State& state, const char* name, Edit edit)
{
    const double wall = benchclock::wallSeconds();
    const double cpu = benchclock::threadCpuSeconds();
    edit();
    state.counters[name] = benchclock::wallSeconds() - wall;
    state.counters[std::string(name) + kCpuSuffix] = benchclock::threadCpuSeconds() - cpu;
}

// The four edits, one after the other on a design read bound for every
// iteration (the first takes the view that the reads left), then the
// deletion of the edited view, each timed on its own.
void editDesign(benchmark::State& state, BenchCase& design)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto view = design.view() ? design.takeView() : readView(design.file(), true);
        EditScenarios scenarios(view.get());
        state.ResumeTiming();
        timeEdit(state, kAddPorts, [&] { scenarios.addPorts(design.size() / kAddedPortsPerSize); });
        timeEdit(state, kMapEveryBit, [&] { scenarios.mapEveryBit(); });
        timeEdit(state, kRemoveHalfPorts, [&] { scenarios.removeHalfThePorts(); });
        timeEdit(state, kRemoveHalf, [&] { scenarios.removeHalfTheInstances(); });
        timeEdit(state, kDeleteView, [&] { view.reset(); });
    }
}

template <class Function> void add(const char* name, std::size_t size, Function function)
{
    benchmark::RegisterBenchmark(name, function)
        ->Arg(static_cast<long>(size))
        ->Iterations(1)
        ->Repetitions(repetitionsFor(size))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

// In this order: the serialisation parses the document it writes and the
// write reads the view it writes, untimed; the edits take that view.
void registerCase(BenchCase& design, const BenchFiles& files, XercesBaseline& xerces)
{
    const std::size_t size = design.size();
    const std::string xercesOutput = files.scratch("xerces_" + std::to_string(size) + ".xml");
    const std::string ourOutput = files.scratch("written_" + std::to_string(size) + ".xml");
    BenchCase* d = &design;
    add(kXercesParseValidated, size, [&xerces, d](benchmark::State& s) { parseWithXerces(s, xerces, *d, true); });
    add(kXercesParse, size, [&xerces, d](benchmark::State& s) { parseWithXerces(s, xerces, *d, false); });
    add(kXercesSerialise, size,
        [&xerces, d, xercesOutput](benchmark::State& s) { serialiseWithXerces(s, xerces, *d, xercesOutput); });
    add(kReadBound, size, [d](benchmark::State& s) { readDesign(s, *d, true); });
    add(kReadUnbound, size, [d](benchmark::State& s) { readDesign(s, *d, false); });
    add(kWrite, size, [d, ourOutput](benchmark::State& s) { writeDesign(s, *d, ourOutput); });
    add(kEdits, size, [d](benchmark::State& s) { editDesign(s, *d); });
}

std::vector<std::size_t> parseSizes(const std::string& list)
{
    std::vector<std::size_t> sizes;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t comma = list.find(',', start);
        sizes.push_back(std::stoul(list.substr(start, comma - start)));
        start = comma == std::string::npos ? list.size() : comma + 1;
    }
    return sizes;
}

long long fileBytes(const std::string& file)
{
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (PeakMemory::childMain(argc, argv) || EditCycles::childMain(argc, argv))
        return 0;
    benchmark::Initialize(&argc, argv);
    std::vector<std::size_t> sizes{1000, 10000, 100000, 1000000};
    std::string data = "bench-data";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--sizes=", 8) == 0) {
            sizes = parseSizes(argv[i] + 8);
        } else if (std::strncmp(argv[i], "--data=", 7) == 0) {
            data = argv[i] + 7;
        } else {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
    }
    try {
        const BenchFiles files(data);
        XercesBaseline xerces(kSchema);
        BenchSummary summary;
        std::vector<std::unique_ptr<BenchCase>> designs;
        for (const std::size_t size : sizes) {
            designs.push_back(std::make_unique<BenchCase>(size, files.design(size)));
            summary.setFileSize(size, fileBytes(designs.back()->file()));
        }
        for (const auto& design : designs)
            registerCase(*design, files, xerces);
        benchmark::RunSpecifiedBenchmarks(&summary);
        for (const auto& design : designs) {
            BenchSummary::Peaks peaks;
            peaks.bareKiB = PeakMemory::measure(PeakMemory::BareParse, design->file(), kSchema);
            peaks.boundKiB = PeakMemory::measure(PeakMemory::BoundRead, design->file(), kSchema);
            summary.setPeaks(design->size(), peaks);
        }
        summary.printTables();
        PortRefReads(files).printTable();
        EditCycles::printTable();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "wjxml_bench: %s\n", failure.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
