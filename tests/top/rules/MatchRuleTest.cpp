// The match rule over plain faces: which pairs may be matched, and which
// features clash (what a tried pair lights up).
#include "rules/MatchRule.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t NONE = 0, EYES = 1 << 1, MOUTH = 1 << 2, HAIR = 1 << 3, BROWS = 1 << 4;

// A variant digit per slot ('-': no feature; "clown": a clown); slots in
// fixedMask do not vary in the house (not relevant).
SmileyFace face(const char* variants, uint32_t fixedMask = NONE, int featureCount = SmileyFace::FEATURE_SLOTS)
{
    SmileyFace made;
    made.clown = std::string(variants) == "clown";
    if (made.clown)
        return made;
    made.featureCount = featureCount;
    for (int i = 0; i < SmileyFace::FEATURE_SLOTS; ++i) {
        made.present[i] = variants[i] != '-';
        made.variant[i] = made.present[i] ? variants[i] - '0' : 0;
        made.relevant[i] = ((fixedMask >> i) & 1) == 0;
    }
    return made;
}

TEST(MatchRule, PairsMatchWhenTheyShareNoRelevantFeatureAndEveryClashIsNamed)
{
    const struct {
        const char* name;
        SmileyFace a;
        SmileyFace b;
        bool match;
        uint32_t clashes;
    } rows[] = {
        {"every feature differs", face("00000"), face("11111"), true, NONE},
        {"the eyes are shared", face("00000"), face("10111"), false, EYES},
        {"every clash, not only the first", face("00000"), face("10010"), false, EYES | MOUTH | BROWS},
        {"a shared feature that does not vary", face("00000", HAIR), face("11101", HAIR), true, NONE},
        {"relevance is read from the first face", face("00000"), face("11101", HAIR), false, HAIR},
        {"beyond the first face's feature count", face("00000", NONE, 2), face("11000"), true, NONE},
        {"the first face has no features", face("00000", NONE, 0), face("-0000"), true, NONE},
        {"an empty slot in the second face", face("00000"), face("11-11"), false, NONE},
        {"clashes before an empty slot", face("00000"), face("0-000"), false, 1},
        {"a clown with a smiley", face("clown"), face("00000"), true, NONE},
        {"a smiley with a clown", face("00000"), face("clown"), true, NONE},
        {"two clowns", face("clown"), face("clown"), true, NONE},
    };
    for (const auto& row : rows) {
        const MatchRule::Verdict verdict = MatchRule::judge(row.a, row.b);
        EXPECT_EQ(verdict.match, row.match) << row.name;
        EXPECT_EQ(verdict.clashes, row.clashes) << row.name;
    }
}

}
