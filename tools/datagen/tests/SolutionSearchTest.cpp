#include "SolutionSearch.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SolutionSearchTest, ValidityRejectsEveryKindOfBrokenRecord) {
    struct Case { const char* what; std::vector<uint8_t> record; bool bValid; };
    // 2 x 2 grid; byte = column << 4 | row.
    const Case cases[] = {
        {"a loop round the square", {0x00, 0x10, 0x11, 0x01}, true},
        {"too short", {0x00, 0x10, 0x11}, false},
        {"a cell twice", {0x00, 0x10, 0x00, 0x01}, false},
        {"a diagonal step", {0x00, 0x11, 0x10, 0x01}, false},
        {"a column outside the grid", {0x00, 0x10, 0x20, 0x01}, false},
        {"a jump", {0x00, 0x01, 0x10, 0x11}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.bValid, SolutionSearch::isValid(c.record, 2, 2)) << c.what;
}

TEST(SolutionSearchTest, SmallGridsGiveEveryPathLargeOnesDistinctSamples) {
    struct Case { int width, height, asked; size_t expected; };
    const Case cases[] = {{3, 3, 500, 40}, {2, 3, 500, 16}, {5, 6, 60, 60}, {7, 7, 30, 30}};
    for (const Case& c : cases) {
        SolutionSearch search(c.width, c.height, 5);
        const auto records = search.find(c.asked);
        EXPECT_EQ(c.expected, records.size()) << c.width << "x" << c.height;
        EXPECT_EQ(records.size(), std::set<std::vector<uint8_t>>(records.begin(), records.end()).size());
        for (const auto& r : records)
            EXPECT_TRUE(SolutionSearch::isValid(r, c.width, c.height));
    }
}

TEST(SolutionSearchTest, TheSameSeedFindsTheSamePaths) {
    SolutionSearch a(6, 7, 42), b(6, 7, 42);
    EXPECT_EQ(a.find(20), b.find(20));
}

}  // namespace
