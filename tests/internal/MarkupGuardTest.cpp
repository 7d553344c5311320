// The markup guard reads a file in the pieces the scanner asks for: a cut
// between two pieces must change nothing it finds.

#include "binding/CWJMarkupGuard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Verdict {
    bool passed;
    std::string problem;
    unsigned long long line;
    unsigned long long column;
};

Verdict scanCutAt(const std::string& text, std::size_t cut)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    CWJMarkupGuard guard(64);
    const bool passed = guard.scan(bytes, cut) && guard.scan(bytes + cut, text.size() - cut);
    return {passed, guard.problem(), guard.line(), guard.column()};
}

} // namespace

// Each text ends in a start tag of 65 attributes, which the guard counts only
// when it has seen the markup before it end where it ends.
TEST(MarkupGuard, ACutAnywhereChangesNothing)
{
    std::string crowded = "<e";
    for (int i = 0; i < 65; ++i)
        crowded += " a" + std::to_string(i) + "='x'";
    crowded += "/>";
    const std::string texts[] = {
        "<?xml version=\"1.0\"?>\n<r><!-- - -- > -->\r\n\t" + crowded,
        "<r><![CDATA[ ] ]] > ]]>" + crowded,
        "<?i ? > ?>\n<r a=\"'>=\" b='\">='>" + crowded,
        "<r>\n</r >" + crowded,
    };
    for (const std::string& text : texts) {
        const Verdict whole = scanCutAt(text, text.size());
        EXPECT_EQ(whole.problem, "an element has more than 64 attributes") << text;
        for (std::size_t cut = 0; cut < text.size(); ++cut) {
            const Verdict cutOne = scanCutAt(text, cut);
            EXPECT_EQ(cutOne.passed, whole.passed) << text << " cut at " << cut;
            EXPECT_EQ(cutOne.problem, whole.problem) << text << " cut at " << cut;
            EXPECT_EQ(cutOne.line, whole.line) << text << " cut at " << cut;
            EXPECT_EQ(cutOne.column, whole.column) << text << " cut at " << cut;
        }
    }
}
