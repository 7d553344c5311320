#include "BenchSummary.h"

#include "BenchOperations.h"

#include <algorithm>
#include <cstdio>

using namespace benchop;

namespace {

// Goals: ours over Xerces, memory, and growth per tenfold size.
constexpr double kBoundReadGoal = 2.0;
constexpr double kUnboundReadGoal = 1.7;
constexpr double kWriteGoal = 1.3;
constexpr double kMemoryGoal = 2.5;
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

void printRatio(double ratio, double goal)
{
    if (ratio < 0)
        std::printf(" %9s |", "-");
    else
        std::printf(" %5.2f%-4s |", ratio, verdict(ratio, goal));
}

double ratioOf(double ours, double theirs)
{
    return ours < 0 || theirs <= 0 ? -1.0 : ours / theirs;
}

} // namespace

void BenchSummary::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
            continue;
        const std::size_t size = std::stoul(run.run_name.args);
        m_seconds[run.run_name.function_name][size].push_back(run.real_accumulated_time /
                                                              static_cast<double>(run.iterations));
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

double BenchSummary::median(const std::string& operation, std::size_t size) const
{
    const auto byOperation = m_seconds.find(operation);
    if (byOperation == m_seconds.end())
        return -1.0;
    const auto bySize = byOperation->second.find(size);
    if (bySize == byOperation->second.end() || bySize->second.empty())
        return -1.0;
    std::vector<double> times = bySize->second;
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

void BenchSummary::printTables() const
{
    std::printf("\nSummary: medians of wall-clock time; ratios are ours / Xerces, measured in this run.\n");
    printTimes();
    printEdits();
    printMemory();
    printGrowth();
}

void BenchSummary::printTimes() const
{
    std::printf("\n| size | file | Xerces parse, validated | Xerces parse, no validation | read bound | bound/Xerces "
                "(<= %.1f) | read unbound | unbound/Xerces (<= %.1f) | Xerces serialise | write | "
                "write/Xerces (<= %.1f) |\n",
                kBoundReadGoal, kUnboundReadGoal, kWriteGoal);
    std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const auto& entry : m_fileBytes) {
        const std::size_t size = entry.first;
        const double validated = median(kXercesParseValidated, size);
        const double bound = median(kReadBound, size);
        const double unbound = median(kReadUnbound, size);
        const double serialise = median(kXercesSerialise, size);
        const double write = median(kWrite, size);
        std::printf("| %zu | %.1f MB |", size, static_cast<double>(entry.second) / 1e6);
        printSeconds(validated);
        printSeconds(median(kXercesParse, size));
        printSeconds(bound);
        printRatio(ratioOf(bound, validated), kBoundReadGoal);
        printSeconds(unbound);
        printRatio(ratioOf(unbound, validated), kUnboundReadGoal);
        printSeconds(serialise);
        printSeconds(write);
        printRatio(ratioOf(write, serialise), kWriteGoal);
        std::printf("\n");
    }
}

void BenchSummary::printEdits() const
{
    std::printf("\n| size | add size/%zu ports to one instance, half named alike | map every bit of the largest "
                "instance | remove half the instances |\n",
                kAddedPortsPerSize);
    std::printf("|---:|---:|---:|---:|\n");
    for (const auto& entry : m_fileBytes) {
        const std::size_t size = entry.first;
        std::printf("| %zu |", size);
        printSeconds(median(kAddPorts, size));
        printSeconds(median(kMapEveryBit, size));
        printSeconds(median(kRemoveHalf, size));
        std::printf("\n");
    }
}

void BenchSummary::printMemory() const
{
    std::printf("\n| size | peak, Xerces validated parse | peak, read bound | bound/Xerces (<= %.1f) | peak, read "
                "unbound |\n",
                kMemoryGoal);
    std::printf("|---:|---:|---:|---:|---:|\n");
    for (const auto& entry : m_peaks) {
        const Peaks& peaks = entry.second;
        std::printf("| %zu | %.1f MB | %.1f MB |", entry.first, static_cast<double>(peaks.bareKiB) / 1024,
                    static_cast<double>(peaks.boundKiB) / 1024);
        printRatio(ratioOf(static_cast<double>(peaks.boundKiB), static_cast<double>(peaks.bareKiB)), kMemoryGoal);
        std::printf(" %.1f MB |\n", static_cast<double>(peaks.unboundKiB) / 1024);
    }
}

void BenchSummary::printGrowth() const
{
    const char* const operations[] = {kXercesParseValidated, kXercesParse, kXercesSerialise, kReadBound,
                                      kReadUnbound,          kWrite,       kAddPorts,        kMapEveryBit,
                                      kRemoveHalf};
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
                const double goal = kGrowthGoal * static_cast<double>(entry.first) / (10.0 * previous);
                printRatio(ratioOf(median(operation, entry.first), median(operation, previous)), goal);
            }
            previous = entry.first;
        }
        std::printf("\n");
    }
}
