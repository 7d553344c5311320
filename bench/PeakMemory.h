#ifndef WJXML_BENCH_PEAKMEMORY_H
#define WJXML_BENCH_PEAKMEMORY_H

#include <string>

// Peak resident memory of one read, measured in a child process of its own
// so that no figure includes what another measurement left behind. The
// benchmark program runs itself as that child (childMain).
class PeakMemory {
public:
    enum Read { BareParse, BoundRead };

    // The child's peak resident set, in KiB, after it read file as asked.
    static long measure(Read read, const std::string& file, const std::string& schemaFile);

    // The child's side: true when argv asks for a measurement, which is then
    // made and printed.
    static bool childMain(int argc, char** argv);

    // Runs the benchmark program with these arguments and returns the one
    // number it prints.
    static double childFigure(const std::string& arguments);
};

#endif
