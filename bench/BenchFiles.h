#ifndef WJXML_BENCH_BENCHFILES_H
#define WJXML_BENCH_BENCHFILES_H

#include <cstddef>
#include <string>

// The generated designs the benchmarks read, one file per size in a cache
// folder. A file is generated and written by the library the first time its
// size is asked for, and reused by later runs.
class BenchFiles {
public:
    explicit BenchFiles(std::string folder);

    // The file of a design of about size ports and pins.
    std::string design(std::size_t size) const;
    // A path in the cache folder for files the benchmarks write.
    std::string scratch(const std::string& name) const;

private:
    std::string m_folder;
};

#endif
