#ifndef WJXML_BENCH_BENCHSUMMARY_H
#define WJXML_BENCH_BENCHSUMMARY_H

#include <benchmark/benchmark.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// Prints the runs as Google Benchmark's console does and keeps their times,
// so that the summary tables can be printed at the end: for each size the
// median of each operation, ours against Xerces's, peak memory, and how each
// operation grows from one size to the next.
class BenchSummary : public benchmark::ConsoleReporter {
public:
    struct Peaks {
        long bareKiB = 0;
        long boundKiB = 0;
    };

    void ReportRuns(const std::vector<Run>& runs) override;

    void setFileSize(std::size_t size, long long bytes);
    void setPeaks(std::size_t size, const Peaks& peaks);
    void printTables() const;

private:
    struct Seconds {
        double wall;
        double cpu;
    };

    // Median seconds of an operation at a size, of wall-clock time or of the
    // processor time of the benchmark's thread; negative when not run.
    double median(const std::string& operation, std::size_t size, bool cpu = false) const;
    void printTimes() const;
    void printEdits() const;
    void printMemory() const;
    void printGrowth() const;

    std::map<std::string, std::map<std::size_t, std::vector<Seconds>>> m_seconds;
    std::map<std::size_t, long long> m_fileBytes;
    std::map<std::size_t, Peaks> m_peaks;
};

#endif
