// Random designs built through the interfaces, as an editing host builds them:
// the editing fuzz case decodes pseudo-random bytes into adds, renames, maps,
// unmaps and removals, saves the design, reads it back bound and unbound and
// compares the models, and writes the read-back design again.

#include "EditFuzzCase.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace testsupport;

namespace {

// Each operation takes one to a few bytes: about sixty operations.
const std::size_t kOperationBytes = 200;

std::string randomOperations(unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string operations(kOperationBytes, '\0');
    for (char& c : operations)
        c = static_cast<char>(byte(random));
    return operations;
}

} // namespace

TEST(RandomDesigns, WhatIsWrittenReadsBackAsTheModelInMemory)
{
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        const EditFuzzCase design(WJ_TEST_OUTPUT_DIR, "random-" + std::to_string(seed % 50),
                                  sourcePath("examples/board.xml"));
        ASSERT_EQ(design.run(randomOperations(seed)), "") << "seed " << seed;
    }
}
