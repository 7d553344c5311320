#include "BenchSummary.h"

#include "BenchOperations.h"

#include <algorithm>
#include <cstdio>

using namespace benchop;

namespace {

// Goals: ours over Xerces, memory, and growth per tenfold size.
constexpr double kBoundReadGoal = 1.25;
constexpr double kUnboundReadGoal = 1.25;
constexpr double kWriteGoal = 0.6;
constexpr double kMemoryGoal = 1.2;
constexpr double kGrowthGoal = 11.0;

const char* verdict(double ratio, double goal)
{
    return ratio < 0 ? "" : ratio <= goal ? " ok" : " OVER";
}

void printSeconds(double seconds)
{
    if (seconds < 0)
        std::printf(" %10s |", "-");
    else if (seconds < 1.0)
        std::printf(" %7.1f ms |", seconds * 1e3);
    else
        std::printf(" %8.2f s |", seconds);
}

double ratioOf(double ours, double theirs)
{
    return ours < 0 || theirs <= 0 ? -1.0 : ours / theirs;
}

void printRatio(double ratio, double goal)
{
    if (ratio < 0)
        std::printf(" %9s |", "-");
    else
        std::printf(" %5.2f%-4s |", ratio, verdict(ratio, goal));
}

// Wall-clock ratio, then the ratio of processor times, which other work on a
// shared machine disturbs less.
void printRatios(double wall, double cpu, double goal)
{
    if (wall < 0 || cpu < 0)
        std::printf(" %20s |", "-");
    else
        std::printf(" %5.2f%-4s (cpu %4.2f%s) |", wall, verdict(wall, goal), cpu, verdict(cpu, goal));
}

} // namespace

void BenchSummary::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
            continue;
        const std::size_t size = std::stoul(run.run_name.args);
        if (run.run_name.function_name == kEdits) {
            for (const char* edit : {kAddPorts, kMapEveryBit, kRemoveHalfPorts, kRemoveHalf, kDeleteView}) {
                const auto wall = run.counters.find(edit);
                const auto cpu = run.counters.find(std::string(edit) + kCpuSuffix);
                if (wall != run.counters.end() && cpu != run.counters.end())
                    m_seconds[edit][size].push_back({wall->second.value, cpu->second.value});
            }
            continue;
        }
        const auto iterations = static_cast<double>(run.iterations);
        m_seconds[run.run_name.function_name][size].push_back(
            {run.real_accumulated_time / iterations, run.cpu_accumulated_time / iterations});
    }
}

void BenchSummary::setFileSize(std::size_t size, long long bytes)
{
    m_fileBytes[size] = bytes;
}

void BenchSummary::setPeaks(std::size_t size, const Peaks& peaks)
{
    m_peaks[size] = peaks;
}

double BenchSummary::median(const std::string& operation, std::size_t size, bool cpu) const
{
    const auto byOperation = m_seconds.find(operation);
    if (byOperation == m_seconds.end())
        return -1.0;
    const auto bySize = byOperation->second.find(size);
    if (bySize == byOperation->second.end() || bySize->second.empty())
        return -1.0;
    std::vector<double> times;
    for (const Seconds& seconds : bySize->second)
        times.push_back(cpu ? seconds.cpu : seconds.wall);
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

void BenchSummary::printTables() const
{
    std::printf("\nSummary: medians of wall-clock time; ratios are ours / Xerces, measured in this run, of wall-clock "
                "time and (cpu) of the benchmark thread's processor time.\n");
    printTimes();
    printEdits();
    printMemory();
    printGrowth();
}

void BenchSummary::printTimes() const
{
    std::printf("\n| size | file | Xerces parse, validated | Xerces parse, no validation | read bound | bound / "
                "Xerces validated (<= %.2f) | read unbound | unbound / Xerces validated (<= %.2f) | Xerces serialise "
                "| write | write / Xerces serialise (<= %.2f) |\n",
                kBoundReadGoal, kUnboundReadGoal, kWriteGoal);
    std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const auto& entry : m_fileBytes) {
        const std::size_t size = entry.first;
        std::printf("| %zu | %.1f MB |", size, static_cast<double>(entry.second) / 1e6);
        printSeconds(median(kXercesParseValidated, size));
        printSeconds(median(kXercesParse, size));
        printSeconds(median(kReadBound, size));
        printRatios(ratioOf(median(kReadBound, size), median(kXercesParseValidated, size)),
                    ratioOf(median(kReadBound, size, true), median(kXercesParseValidated, size, true)), kBoundReadGoal);
        printSeconds(median(kReadUnbound, size));
        printRatios(ratioOf(median(kReadUnbound, size), median(kXercesParseValidated, size)),
                    ratioOf(median(kReadUnbound, size, true), median(kXercesParseValidated, size, true)),
                    kUnboundReadGoal);
        printSeconds(median(kXercesSerialise, size));
        printSeconds(median(kWrite, size));
        printRatios(ratioOf(median(kWrite, size), median(kXercesSerialise, size)),
                    ratioOf(median(kWrite, size, true), median(kXercesSerialise, size, true)), kWriteGoal);
        std::printf("\n");
    }
}

void BenchSummary::printEdits() const
{
    std::printf("\nEdits, one after the other on a design read bound: size/%zu ports added to the instance with the "
                "most ports, half of them named alike; every bit of that instance mapped; every second port of "
                "that instance removed; half the instances removed; the view deleted.\n",
                kAddedPortsPerSize);
    std::printf("\n| size | add ports | map every bit | remove half its ports | remove half the instances | delete "
                "the view |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|\n");
    for (const auto& entry : m_fileBytes) {
        const std::size_t size = entry.first;
        std::printf("| %zu |", size);
        printSeconds(median(kAddPorts, size));
        printSeconds(median(kMapEveryBit, size));
        printSeconds(median(kRemoveHalfPorts, size));
        printSeconds(median(kRemoveHalf, size));
        printSeconds(median(kDeleteView, size));
        std::printf("\n");
    }
}

void BenchSummary::printMemory() const
{
    std::printf("\n| size | peak, Xerces validated parse | peak, read bound | bound / Xerces (<= %.2f) |\n",
                kMemoryGoal);
    std::printf("|---:|---:|---:|---:|\n");
    for (const auto& entry : m_peaks) {
        const Peaks& peaks = entry.second;
        std::printf("| %zu | %.1f MB | %.1f MB |", entry.first, static_cast<double>(peaks.bareKiB) / 1024,
                    static_cast<double>(peaks.boundKiB) / 1024);
        printRatio(ratioOf(static_cast<double>(peaks.boundKiB), static_cast<double>(peaks.bareKiB)), kMemoryGoal);
        std::printf("\n");
    }
}

void BenchSummary::printGrowth() const
{
    const char* const operations[] = {kXercesParseValidated, kXercesParse, kXercesSerialise, kReadBound,
                                      kReadUnbound,          kWrite,       kAddPorts,        kMapEveryBit,
                                      kRemoveHalfPorts,      kRemoveHalf,  kDeleteView};
    std::printf("\nGrowth: the time at one size over the time at the size before it (<= %.0f for tenfold).\n",
                kGrowthGoal);
    std::printf("\n| operation |");
    std::size_t previous = 0;
    for (const auto& entry : m_fileBytes) {
        if (previous)
            std::printf(" %zu / %zu |", entry.first, previous);
        previous = entry.first;
    }
    std::printf("\n|---|");
    for (std::size_t i = 1; i < m_fileBytes.size(); ++i)
        std::printf("---:|");
    std::printf("\n");
    for (const char* operation : operations) {
        std::printf("| %s |", operation);
        previous = 0;
        for (const auto& entry : m_fileBytes) {
            if (previous) {
                const double goal =
                    kGrowthGoal * static_cast<double>(entry.first) / (10.0 * static_cast<double>(previous));
                printRatios(ratioOf(median(operation, entry.first), median(operation, previous)),
                            ratioOf(median(operation, entry.first, true), median(operation, previous, true)), goal);
            }
            previous = entry.first;
        }
        std::printf("\n");
    }
}
