#ifndef WJXML_BENCH_PORTREFREADS_H
#define WJXML_BENCH_PORTREFREADS_H

#include "BenchFiles.h"

// Bound reads of a bus interface with N ranged PortRef elements that all
// name one port, against the same number of references each naming a port
// of its own; both files have the same N + 1 ports. Prints the processor
// time of each read, medians of five, and their ratio: a linear read keeps
// the ratio near 1 at every N, a quadratic one doubles it with N.
class PortRefReads {
public:
    explicit PortRefReads(const BenchFiles& files) : m_files(files) {}

    void printTable() const;

private:
    // The file, written on the first call.
    std::string design(int count, bool onePort) const;

    const BenchFiles& m_files;
};

#endif
