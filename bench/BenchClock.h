#ifndef WJXML_BENCH_BENCHCLOCK_H
#define WJXML_BENCH_BENCHCLOCK_H

// Seconds of wall-clock time, and of processor time of the calling thread,
// since an arbitrary start.
namespace benchclock {

double wallSeconds();
double threadCpuSeconds();

} // namespace benchclock

#endif
