#ifndef WJXML_BENCH_EDITCYCLES_H
#define WJXML_BENCH_EDITCYCLES_H

// Long editing sessions that leave the design as it was: the same edit and
// its undoing, repeated on one view. Each kind runs in a child process of its
// own (the benchmark program runs itself) and reports how much its resident
// size grew per cycle after the first 1 000 cycles, from /proc/self/statm.
class EditCycles {
public:
    // Prints the growth of each kind for 20 000 cycles after the first
    // thousand, three runs each.
    static void printTable();

    // The child's side: true when argv asks for a run, which is then made
    // and its growth per cycle, in bytes, printed.
    static bool childMain(int argc, char** argv);
};

#endif
