// The flat pointer set against std::set, over long sessions of adds and
// removals in which clusters wrap around the end of the table.

#include "model/CWJPointerSet.h"
#include "robustness/FailingAllocator.h"

#include <gtest/gtest.h>

#include <new>
#include <set>

namespace {

// A deterministic sequence that picks among the candidates.
struct Picks {
    unsigned long long state;
    unsigned next(unsigned bound)
    {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>(state >> 33) % bound;
    }
};

} // namespace

TEST(PointerSet, AgreesWithASetAndGrowsOnlyWithItsSize)
{
    struct Case {
        unsigned candidates;
        unsigned stride;
        unsigned long long seed;
    };
    static char memory[64 * 1024];
    const Case cases[] = {{3, 1, 1}, {8, 8, 2}, {64, 16, 3}, {64, 1024, 4}, {1000, 64, 5}};
    for (const Case& c : cases) {
        CWJPointerSet set;
        std::set<const void*> expected;
        Picks picks{c.seed};
        for (int step = 0; step < 200000; ++step) {
            const void* pointer = memory + picks.next(c.candidates) * c.stride;
            if (picks.next(2) == 0)
                EXPECT_EQ(set.insert(pointer), expected.insert(pointer).second);
            else
                EXPECT_EQ(set.erase(pointer), expected.erase(pointer) == 1);
            ASSERT_EQ(set.size(), expected.size());
        }
        for (unsigned i = 0; i < c.candidates; ++i)
            EXPECT_EQ(set.contains(memory + i * c.stride), expected.count(memory + i * c.stride) == 1) << i;
        EXPECT_LE(set.capacity(), 4 * c.candidates) << c.candidates;
        EXPECT_FALSE(set.contains(nullptr));
    }
}

// A set that cannot grow stays as it was.
TEST(PointerSet, KeepsItsPointersWhenMemoryRunsOut)
{
    static char memory[8];
    CWJPointerSet set;
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(set.insert(memory + i));
    failingallocator::arm(1);
    EXPECT_THROW(set.insert(memory + 4), std::bad_alloc);
    EXPECT_TRUE(failingallocator::disarm());
    EXPECT_EQ(set.size(), 4U);
    EXPECT_EQ(set.capacity(), 8U);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(set.contains(memory + i), i < 4) << i;
}
