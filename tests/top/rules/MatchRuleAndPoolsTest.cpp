// The match rule and the generator's pools over plain faces: which pairs
// may be matched and which features clash; how hardness cuts the pools, and
// how steering makes the next smiley a partner of a face or not, the same
// for the same seed.
#include "rules/MatchRule.h"
#include "rules/SmileyPools.h"
#include "rules/StandardRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <set>
#include <vector>

namespace {

constexpr int KINDS = SmileyPools::FEATURE_KINDS;
constexpr uint32_t NONE = 0, EYES = 1 << 1, MOUTH = 1 << 2, HAIR = 1 << 3, BROWS = 1 << 4;
// Frames of eyes, mouths, hair and brows.
const SmileyPools::FrameCounts EIGHT_EACH = {8, 8, 8, 8};

// A variant digit per slot ('-': no feature; "clown": a clown); slots in
// fixedMask do not vary in the house (not relevant).
SmileyFace face(const char* variants, uint32_t fixedMask = NONE, int featureCount = KINDS)
{
    SmileyFace made;
    made.clown = variants[0] == 'c';
    made.featureCount = made.clown ? 0 : featureCount;
    for (int i = 0; i < KINDS && !made.clown; ++i) {
        made.present[i] = variants[i] != '-';
        made.variant[i] = variants[i] - '0';
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

TEST(SmileyPools, HardnessCutsTheLargestPoolsDownToTwoVariantsTiesFromTheBrows)
{
    const struct {
        int flags;
        float hardness;
        std::vector<int> expected;
    } rows[] = {
        {7, 0.0f, {3, 8, 8, 8, 8}},  {7, 1.0f, {2, 2, 2, 2, 2}}, {0, 0.0f, {1, 8, 8, 1, 1}},
        {2, 1.0f, {2, 2, 2, 1, 1}},  {0, 0.05f, {1, 8, 7, 1, 1}}, {7, 0.05f, {3, 8, 8, 7, 7}},
        {1, 0.5f, {1, 5, 5, 4, 1}},
    };
    for (const auto& row : rows) {
        SmileyPools pools;
        pools.configure(row.flags);
        pools.prepare(row.hardness, EIGHT_EACH, StandardRandom::shared());
        EXPECT_EQ(std::vector<int>(pools.poolSize, pools.poolSize + KINDS), row.expected)
            << "flags " << row.flags << " hardness " << row.hardness;
        for (int f = 0; f < KINDS; ++f)
            EXPECT_EQ(std::set<int>(pools.frameOf[f], pools.frameOf[f] + pools.poolSize[f]).size(),
                      static_cast<size_t>(pools.poolSize[f]))
                << "distinct frames of feature " << f;
    }
}

// On a seed: a face, a partner steered to match it, and a face steered to
// share a feature with both; each drawn as the generator draws a smiley.
std::array<SmileyFace, 3> drawThree(int flags, float hardness, unsigned seed)
{
    std::srand(seed);
    StandardRandom random;
    SmileyPools pools;
    pools.configure(flags);
    pools.prepare(hardness, EIGHT_EACH, random);
    const auto draw = [&] {
        SmileyFace made = face("00000");
        for (int f = 0; f < KINDS; ++f) {
            made.variant[f] = pools.drawVariant(f, pools.poolSize[f], random);
            made.relevant[f] = pools.variantTotal[f] > 1;
        }
        pools.resetPools();
        return made;
    };
    pools.resetPools();
    const SmileyFace a = draw();
    pools.avoid(a);
    const SmileyFace partner = draw();
    pools.share(a, random);
    pools.share(partner, random);
    return {a, partner, draw()};
}

TEST(SmileyPools, PartnersMatchBothWaysSharersClashAndTheSameSeedDrawsTheSameFaces)
{
    for (int flags = 0; flags < 8; ++flags)
        for (const float hardness : {0.0f, 0.5f, 1.0f})
            for (unsigned seed = 1; seed <= 20; ++seed) {
                SCOPED_TRACE(testing::Message() << "flags " << flags << " hardness " << hardness << " seed " << seed);
                const std::array<SmileyFace, 3> faces = drawThree(flags, hardness, seed);
                const auto& [a, partner, sharer] = faces;
                EXPECT_TRUE(MatchRule::canMatch(a, partner) && MatchRule::canMatch(partner, a));
                EXPECT_FALSE(MatchRule::canMatch(sharer, a) || MatchRule::canMatch(sharer, partner));
                const std::array<SmileyFace, 3> again = drawThree(flags, hardness, seed);
                for (int i = 0; i < 3; ++i)
                    EXPECT_EQ(std::vector<int>(again[i].variant, again[i].variant + KINDS),
                              std::vector<int>(faces[i].variant, faces[i].variant + KINDS))
                        << i;
            }
}

}
