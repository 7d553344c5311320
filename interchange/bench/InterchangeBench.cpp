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
// written to a file, and its placements exported.
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
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_seconds[run.run_name.function_name] = run.GetAdjustedRealTime() / 1000.0;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double seconds(const std::string& name, int placements)
    {
        return m_seconds[name + "/" + std::to_string(placements)];
    }

private:
    std::map<std::string, double> m_seconds;
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
    std::printf("\nMedians; import against a bound read of the design file, export against its write (<= 1.0),\n"
                "and each at 100 000 against 10 000 placements (<= 11):\n\n"
                "| placements | read | import | import / read | write | export | export / write |\n"
                "|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const int size : sizes) {
        const double read = reporter.seconds("read", size);
        const double import = reporter.seconds("import", size);
        const double write = reporter.seconds("write", size);
        const double exported = reporter.seconds("export", size);
        std::printf("| %d | %.1f ms | %.1f ms | %.2f | %.1f ms | %.1f ms | %.2f |\n", size, read * 1e3, import * 1e3,
                    import / read, write * 1e3, exported * 1e3, exported / write);
    }
    std::printf("\ngrowth 100 000 / 10 000: import %.2f, export %.2f\n",
                reporter.seconds("import", 100000) / reporter.seconds("import", 10000),
                reporter.seconds("export", 100000) / reporter.seconds("export", 10000));
    benchmark::Shutdown();
    return 0;
}
