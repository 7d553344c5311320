#ifndef WJXML_TESTS_ROBUSTNESS_FAILINGALLOCATOR_H
#define WJXML_TESTS_ROBUSTNESS_FAILINGALLOCATOR_H

// The global operator new and new[] of the fault test: while armed they count
// allocations and throw std::bad_alloc at the chosen one; they always count
// the bytes allocated and not yet freed. The library, the
// C++ library and Xerces (whose memory manager uses operator new) all
// allocate through them.
namespace failingallocator {

// The failAt-th allocation from now on fails.
void arm(long long failAt);
// Stops counting; true when the chosen allocation was reached.
bool disarm();
// The bytes allocated through them and not yet freed.
long long liveBytes();

} // namespace failingallocator

#endif
