// The model's compact text: every length on either side of the in-place
// limit, through every way of setting and moving it.

#include "binding/CWJText.h"
#include "robustness/FailingAllocator.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <utility>

namespace {

const std::size_t kLengths[] = {0, 1, 14, 15, 16, 100};

std::string textOf(std::size_t length)
{
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += static_cast<char>('a' + i % 26);
    return text;
}

void expectHolds(const CWJText& text, const std::string& expected)
{
    ASSERT_NE(text.c_str(), nullptr);
    EXPECT_EQ(std::string(text.c_str()), expected);
    EXPECT_EQ(text.size(), expected.size());
    EXPECT_EQ(text.empty(), expected.empty());
    EXPECT_TRUE(text == expected);
}

} // namespace

TEST(Text, HoldsEveryLengthThroughCopiesAndMoves)
{
    expectHolds(CWJText(), "");
    for (std::size_t length : kLengths) {
        const std::string expected = textOf(length);
        CWJText text;
        text = expected;
        expectHolds(text, expected);
        text = expected.c_str();
        expectHolds(text, expected);

        CWJText copy(text);
        expectHolds(copy, expected);
        if (length > 0) {
            EXPECT_NE(copy.c_str(), text.c_str());
        }
        CWJText assigned;
        assigned = text;
        expectHolds(assigned, expected);

        CWJText moved(std::move(copy));
        expectHolds(moved, expected);
        expectHolds(copy, "");
        CWJText moveAssigned;
        moveAssigned = textOf(40);
        moveAssigned = std::move(moved);
        expectHolds(moveAssigned, expected);
        expectHolds(moved, "");

        const CWJText& self = text;
        text = self;
        expectHolds(text, expected);
        text = text.c_str();
        expectHolds(text, expected);
        CWJText& same = text;
        text = std::move(same);
        expectHolds(text, expected);
        text = static_cast<const char*>(nullptr);
        expectHolds(text, "");
    }
}

TEST(Text, ReassignsBetweenEveryPairOfLengths)
{
    for (std::size_t from : kLengths)
        for (std::size_t to : kLengths) {
            CWJText text;
            text = textOf(from);
            text = textOf(to) + "!";
            expectHolds(text, textOf(to) + "!");
            text = text.c_str() + 1;
            expectHolds(text, (textOf(to) + "!").substr(1));
        }
}

// A text whose new block cannot be had stays as it was.
TEST(Text, KeepsItsTextWhenMemoryRunsOut)
{
    for (std::size_t from : kLengths) {
        CWJText text;
        text = textOf(from);
        const std::string longer = textOf(16);
        failingallocator::arm(1);
        EXPECT_THROW(text = longer.c_str(), std::bad_alloc);
        EXPECT_TRUE(failingallocator::disarm());
        expectHolds(text, textOf(from));
    }
}

TEST(Text, ComparesAsItsBytes)
{
    struct Case {
        const char* a;
        const char* b;
        bool equal;
        bool less;
    };
    const std::string longer = textOf(20);
    const Case cases[] = {
        {"", "", true, false},
        {"", "a", false, true},
        {"ab", "a", false, false},
        {"abc", "abd", false, true},
        {longer.c_str(), longer.c_str(), true, false},
        {longer.c_str(), "abd", false, true},
        {"abd", longer.c_str(), false, false},
    };
    for (const Case& c : cases) {
        CWJText a;
        a = c.a;
        CWJText b;
        b = c.b;
        EXPECT_EQ(a == b, c.equal) << c.a << " " << c.b;
        EXPECT_EQ(a == std::string(c.b), c.equal) << c.a << " " << c.b;
        EXPECT_EQ(a < b, c.less) << c.a << " " << c.b;
        EXPECT_EQ(a < c.b, c.less) << c.a << " " << c.b;
        EXPECT_EQ(std::string_view(c.a) < b, c.less) << c.a << " " << c.b;
    }
}
