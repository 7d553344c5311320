// interchange_bench: importing and exporting pin placements against reading
// and writing a design file of the same placements, at 10 000 and 100 000
// placements, then a summary of the ratios and of the growth.

#include "wjxmlinterchange/PinConstraints.h"
#include "wjxmlinterfaceflowreader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {

using View = std::unique_ptr<IWJInterfaceView>;

const int kBitsPerPort = 16;

std::string designFile(int placements)
{
    return "interchange_bench_" + std::to_string(placements) + ".xml";
}

std::string constraintFile(int placements)
{
    return "interchange_bench_" + std::to_string(placements) + ".xdc";
}

// A design whose one instance has its ports' bits mapped on as many pins,
// written to a file, and its placements exported with an IO standard each.
void makeFiles(int placements)
{
    CWJXMLFlowReader reader;
    View design(reader.CreateInterfaceView("bench", "", "bench"));
    IWJCompInst* instance = design->addCompInst("CHIP", "U1");
    IWJFootPrint* footprint = design->addFootprint("CHIP_PACKAGE", "", "", "", "", "");
    IWJPartMap* map = design->addPartMap(footprint, instance);
    for (int first = 0; first < placements; first += kBitsPerPort) {
        const std::string name = "BUS" + std::to_string(first / kBitsPerPort);
        IWJPort* port = instance->addPort(name.c_str(), "", IWJPort::Inout, kBitsPerPort, 0, kBitsPerPort - 1);
        for (int bit = 0; bit < kBitsPerPort; ++bit) {
            const std::string pin = "P" + std::to_string(first + bit);
            map->mapPortToPin(port, footprint->addPin(pin.c_str(), "", "", "", ""), bit);
        }
    }
    reader.writeXMLFile(designFile(placements).c_str());
    ExportOptions options;
    options.refdes = "U1";
    options.ioStandard = "LVCMOS33"; // so that the import reads and keeps a standard per placement
    std::string text;
    std::string error;
    PinConstraints::exportConstraints(design.get(), options, &text, &error);
    std::ofstream(constraintFile(placements)) << text;
}

View readDesign(int placements)
{
    CWJXMLFlowReader reader;
    reader.readFlowXML(designFile(placements).c_str(), true);
    return View(reader.getInterfaceView());
}

void readBench(benchmark::State& state, int placements)
{
    for (auto _ : state) {
        View design = readDesign(placements);
        state.PauseTiming();
        design.reset();
        state.ResumeTiming();
    }
}

void writeBench(benchmark::State& state, int placements)
{
    View design = readDesign(placements);
    CWJXMLFlowReader writer(design.get());
    const std::string output = "written_" + designFile(placements);
    for (auto _ : state)
        writer.writeXMLFile(output.c_str());
}

// Loading the file and placing every pin on a new design.
void importBench(benchmark::State& state, int placements)
{
    ImportOptions options;
    options.refdes = "U1";
    for (auto _ : state) {
        CWJXMLFlowReader reader;
        View design(reader.CreateInterfaceView("bench", "", "bench"));
        ConstraintSource source;
        std::string error;
        ImportReport report;
        if (!PinConstraints::loadSource(constraintFile(placements), "", &source, &error) ||
            !PinConstraints::importConstraints(design.get(), {source}, options, &report))
            state.SkipWithError("the import failed");
        state.PauseTiming();
        design.reset();
        state.ResumeTiming();
    }
}

// Writing the constraint file of a design read bound.
void exportBench(benchmark::State& state, int placements)
{
    View design = readDesign(placements);
    ExportOptions options;
    options.refdes = "U1";
    const std::string output = "written_" + constraintFile(placements);
    for (auto _ : state) {
        std::string text;
        std::string error;
        PinConstraints::exportConstraints(design.get(), options, &text, &error);
        std::ofstream(output) << text;
    }
}

// Keeps the median of each run for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                m_seconds[run.run_name.function_name] = run.GetAdjustedRealTime() / 1000.0;
                m_cpuSeconds[run.run_name.function_name] = run.GetAdjustedCPUTime() / 1000.0;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double seconds(const std::string& name, int placements) { return m_seconds[key(name, placements)]; }
    double cpuSeconds(const std::string& name, int placements) { return m_cpuSeconds[key(name, placements)]; }

private:
    static std::string key(const std::string& name, int placements) { return name + "/" + std::to_string(placements); }

    std::map<std::string, double> m_seconds;
    std::map<std::string, double> m_cpuSeconds;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const int sizes[] = {10000, 100000};
    const struct {
        const char* name;
        void (*run)(benchmark::State&, int);
    } benches[] = {{"read", readBench}, {"import", importBench}, {"write", writeBench}, {"export", exportBench}};
    for (const int size : sizes) {
        makeFiles(size);
        for (const auto& bench : benches) {
            auto run = bench.run;
            benchmark::RegisterBenchmark((std::string(bench.name) + "/" + std::to_string(size)).c_str(),
                                         [run, size](benchmark::State& state) { run(state, size); })
                ->Repetitions(5)
                ->Iterations(1)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nMedians of wall-clock time, (cpu) of the benchmark thread's processor time; import against a\n"
                "bound read of the design file and export against its write (<= 1.0), and each at 100 000\n"
                "against 10 000 placements (<= 11):\n\n"
                "| placements | read | import | import / read | write | export | export / write |\n"
                "|---:|---:|---:|---:|---:|---:|---:|\n");
    auto ratio = [&reporter](const char* a, const char* b, int sizeA, int sizeB) {
        return std::make_pair(reporter.seconds(a, sizeA) / reporter.seconds(b, sizeB),
                              reporter.cpuSeconds(a, sizeA) / reporter.cpuSeconds(b, sizeB));
    };
    for (const int size : sizes) {
        const auto imported = ratio("import", "read", size, size);
        const auto exported = ratio("export", "write", size, size);
        std::printf("| %d | %.1f ms | %.1f ms | %.2f (cpu %.2f) | %.1f ms | %.1f ms | %.2f (cpu %.2f) |\n", size,
                    reporter.seconds("read", size) * 1e3, reporter.seconds("import", size) * 1e3, imported.first,
                    imported.second, reporter.seconds("write", size) * 1e3, reporter.seconds("export", size) * 1e3,
                    exported.first, exported.second);
    }
    const auto importGrowth = ratio("import", "import", sizes[1], sizes[0]);
    const auto exportGrowth = ratio("export", "export", sizes[1], sizes[0]);
    std::printf("\ngrowth 100 000 / 10 000: import %.2f (cpu %.2f), export %.2f (cpu %.2f)\n", importGrowth.first,
                importGrowth.second, exportGrowth.first, exportGrowth.second);
    benchmark::Shutdown();
    return 0;
}
