// How a replay's failure marks the first differing pair of lines
// (FirstDifference.h): wherever along a line they part, short or hundreds
// of characters long, the caret stands under the first differing
// character of both as shown, and says its column.
#include "FirstDifference.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

using namespace testsupport;

struct Parting {
    const char* what;
    // The lines are a run of 'a's of this length, then each its own
    // character (none: the line ends there), then a run of 'b's.
    size_t same;
    char expected, got;
    size_t after;
    // Whether the shown lines are cut before and after the part shown.
    bool bCutBefore, bCutAfter;
};

const Parting PARTINGS[] = {
    {"short lines", 4, 'x', 'y', 6, false, false},
    {"a long line parting near its start", 20, 'x', 'y', 280, false, true},
    {"a long line parting far along it", 250, 'x', 'y', 50, true, false},
    {"a long line parting far along and going on", 200, 'x', 'y', 300, true, true},
    {"a run longer than the record", 30, '\0', 'y', 0, false, false},
    {"a long run longer than the record", 300, '\0', 'y', 0, true, false},
};

std::string line(const Parting& p, char own)
{
    return std::string(p.same, 'a') + (own ? std::string(1, own) + std::string(p.after, 'b') : "");
}

TEST(FirstDifference, TheCaretStandsUnderTheFirstDifferingCharacterWhereverItIs)
{
    for (const Parting& p : PARTINGS) {
        SCOPED_TRACE(p.what);
        std::istringstream marked(markFirstDifference("expected", line(p, p.expected), "got", line(p, p.got)));
        std::vector<std::string> shown;
        for (std::string text; std::getline(marked, text);)
            shown.push_back(text);
        ASSERT_EQ(shown.size(), 3u);
        const size_t caret = shown[2].find('^');
        ASSERT_NE(caret, std::string::npos);
        EXPECT_EQ(shown[2].substr(caret), "^ column " + std::to_string(p.same + 1));
        // Both lines show the common part up to the caret alike, and their
        // own characters at it.
        const size_t from = shown[1].find_first_of(".a");
        EXPECT_EQ(shown[0].substr(from, caret - from), shown[1].substr(from, caret - from));
        EXPECT_EQ(shown[0].substr(caret, 1), std::string(p.expected ? 1 : 0, p.expected));
        EXPECT_EQ(shown[1].substr(caret, 1), std::string(1, p.got));
        EXPECT_EQ(shown[1].compare(from, 3, "...") == 0, p.bCutBefore) << shown[1];
        EXPECT_EQ(shown[0].compare(shown[0].size() - 3, 3, "...") == 0, p.bCutAfter) << shown[0];
    }
}

} // namespace
