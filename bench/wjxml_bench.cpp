// wjxml_bench: the library against Xerces-C alone on generated designs of
// several sizes, then summary tables. Options besides Google Benchmark's:
//   --sizes=1000,10000,...   the design sizes (ports and pins)
//   --data=FOLDER            where the generated designs are cached

#include "BenchFiles.h"
#include "BenchOperations.h"
#include "BenchSummary.h"
#include "EditScenarios.h"
#include "PeakMemory.h"
#include "XercesBaseline.h"

#include "wjxmlinterfaceflowreader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace benchop;

namespace {

const std::string kSchema = WJ_SOURCE_DIR "/schema/InterfaceExchangeSchema.xsd";

// Fewer repetitions for the larger designs keep the whole run within minutes.
int repetitionsFor(std::size_t size)
{
    return size >= 1000000 ? 3 : size >= 100000 ? 5 : size >= 10000 ? 7 : 9;
}

std::unique_ptr<IWJInterfaceView> readView(const std::string& file, bool bind)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(file.c_str(), bind);
    if (!reader.getInterfaceView())
        throw std::runtime_error(reader.lastError());
    return std::unique_ptr<IWJInterfaceView>(reader.getInterfaceView());
}

void readDesign(benchmark::State& state, const std::string& file, bool bind)
{
    CWJXMLFlowReader reader;
    for (auto _ : state) {
        reader.readFlowXML(file.c_str(), bind);
        state.PauseTiming();
        if (!reader.getInterfaceView())
            state.SkipWithError(reader.lastError());
        delete reader.getInterfaceView();
        state.ResumeTiming();
    }
}

void parseWithXerces(benchmark::State& state, XercesBaseline& xerces, const std::string& file, bool validate)
{
    for (auto _ : state) {
        xercesc::DOMDocument* document = xerces.parse(file, validate);
        state.PauseTiming();
        document->release();
        state.ResumeTiming();
    }
}

void serialiseWithXerces(benchmark::State& state, XercesBaseline& xerces, const std::string& file,
                         const std::string& output)
{
    xercesc::DOMDocument* document = xerces.parse(file, true);
    for (auto _ : state)
        XercesBaseline::serialise(document, output);
    document->release();
}

void writeDesign(benchmark::State& state, const std::string& file, const std::string& output)
{
    const auto view = readView(file, true);
    CWJXMLFlowReader writer(view.get());
    for (auto _ : state) {
        writer.writeXMLFile(output.c_str());
        if (*writer.lastError())
            state.SkipWithError(writer.lastError());
    }
}

// Times edit on a design freshly read, bound, for every iteration.
template <class Edit>
void editDesign(benchmark::State& state, const std::string& file, Edit edit)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto view = readView(file, true);
        EditScenarios scenarios(view.get());
        state.ResumeTiming();
        edit(scenarios);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}

template <class Function>
void add(const char* name, std::size_t size, Function function)
{
    benchmark::RegisterBenchmark(name, function)
        ->Arg(static_cast<long>(size))
        ->Iterations(1)
        ->Repetitions(repetitionsFor(size))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

void registerSize(std::size_t size, const std::string& file, const BenchFiles& files, XercesBaseline& xerces)
{
    const std::string xercesOutput = files.scratch("xerces_" + std::to_string(size) + ".xml");
    const std::string ourOutput = files.scratch("written_" + std::to_string(size) + ".xml");
    add(kXercesParseValidated, size, [&xerces, file](benchmark::State& s) { parseWithXerces(s, xerces, file, true); });
    add(kXercesParse, size, [&xerces, file](benchmark::State& s) { parseWithXerces(s, xerces, file, false); });
    add(kReadBound, size, [file](benchmark::State& s) { readDesign(s, file, true); });
    add(kReadUnbound, size, [file](benchmark::State& s) { readDesign(s, file, false); });
    add(kXercesSerialise, size,
        [&xerces, file, xercesOutput](benchmark::State& s) { serialiseWithXerces(s, xerces, file, xercesOutput); });
    add(kWrite, size, [file, ourOutput](benchmark::State& s) { writeDesign(s, file, ourOutput); });
    const std::size_t added = size / kAddedPortsPerSize;
    add(kAddPorts, size,
        [file, added](benchmark::State& s) { editDesign(s, file, [added](EditScenarios& e) { e.addPorts(added); }); });
    add(kMapEveryBit, size,
        [file](benchmark::State& s) { editDesign(s, file, [](EditScenarios& e) { e.mapEveryBit(); }); });
    add(kRemoveHalf, size,
        [file](benchmark::State& s) { editDesign(s, file, [](EditScenarios& e) { e.removeHalfTheInstances(); }); });
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
    if (PeakMemory::childMain(argc, argv))
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
        std::vector<std::string> designs;
        for (const std::size_t size : sizes) {
            designs.push_back(files.design(size));
            summary.setFileSize(size, fileBytes(designs.back()));
        }
        for (std::size_t i = 0; i < sizes.size(); ++i)
            registerSize(sizes[i], designs[i], files, xerces);
        benchmark::RunSpecifiedBenchmarks(&summary);
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            BenchSummary::Peaks peaks;
            peaks.bareKiB = PeakMemory::measure(PeakMemory::BareParse, designs[i], kSchema);
            peaks.boundKiB = PeakMemory::measure(PeakMemory::BoundRead, designs[i], kSchema);
            peaks.unboundKiB = PeakMemory::measure(PeakMemory::UnboundRead, designs[i], kSchema);
            summary.setPeaks(sizes[i], peaks);
        }
        summary.printTables();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "wjxml_bench: %s\n", failure.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
