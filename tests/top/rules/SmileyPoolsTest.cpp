// The generator's pools over plain values: how hardness cuts them, and how
// steering makes the next smiley a partner of a face or not, the same for
// the same seed.
#include "rules/MatchRule.h"
#include "rules/SmileyPools.h"
#include "rules/StandardRandom.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

constexpr int KINDS = SmileyPools::FEATURE_KINDS;
// Frames of eyes, mouths, hair and brows.
const SmileyPools::FrameCounts EIGHT_EACH = {8, 8, 8, 8};

// A face drawn from the pools as the generator draws one: a variant per
// slot, relevant where the feature has more than one variant in the house.
SmileyFace draw(const SmileyPools& pools, RandomSource& random)
{
    SmileyFace made;
    made.featureCount = KINDS;
    for (int f = 0; f < KINDS; ++f) {
        made.present[f] = true;
        made.variant[f] = pools.drawVariant(f, pools.poolSize[f], random);
        made.relevant[f] = pools.variantTotal[f] > 1;
    }
    return made;
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
        for (int f = 0; f < KINDS; ++f) {
            const std::set<int> frames(pools.frameOf[f], pools.frameOf[f] + pools.poolSize[f]);
            EXPECT_EQ(static_cast<int>(frames.size()), pools.poolSize[f]) << "distinct frames of feature " << f;
        }
    }
}

TEST(SmileyPools, PartnersMatchBothWaysSharersClashAndTheSameSeedDrawsTheSameFaces)
{
    for (int flags = 0; flags < 8; ++flags)
        for (const float hardness : {0.0f, 0.5f, 1.0f})
            for (unsigned seed = 1; seed <= 20; ++seed) {
                SCOPED_TRACE(testing::Message() << "flags " << flags << " hardness " << hardness << " seed " << seed);
                std::vector<int> variants[2];
                for (std::vector<int>& drawn : variants) {
                    std::srand(seed);
                    StandardRandom random;
                    SmileyPools pools;
                    pools.configure(flags);
                    pools.prepare(hardness, EIGHT_EACH, random);
                    pools.resetPools();
                    const SmileyFace a = draw(pools, random);
                    pools.resetPools();
                    pools.avoid(a);
                    const SmileyFace partner = draw(pools, random);
                    pools.resetPools();
                    pools.share(a, random);
                    pools.share(partner, random);
                    const SmileyFace sharer = draw(pools, random);

                    EXPECT_TRUE(MatchRule::canMatch(a, partner));
                    EXPECT_TRUE(MatchRule::canMatch(partner, a));
                    EXPECT_FALSE(MatchRule::canMatch(sharer, a));
                    EXPECT_FALSE(MatchRule::canMatch(sharer, partner));
                    for (const SmileyFace* each : {&a, &partner, &sharer})
                        drawn.insert(drawn.end(), each->variant, each->variant + KINDS);
                }
                EXPECT_EQ(variants[0], variants[1]);
            }
}

TEST(SmileyPools, EveryVariantForbiddenStillDrawsOne)
{
    SmileyPools pools;
    pools.configure(0);
    pools.prepare(0.0f, EIGHT_EACH, StandardRandom::shared());
    pools.resetPools();
    for (bool& allowed : pools.allowed[SmileyFace::EYES])
        allowed = false;
    const int drawn = pools.drawVariant(SmileyFace::EYES, 8, StandardRandom::shared());
    EXPECT_TRUE(drawn >= 0 && drawn < 8) << drawn;
}

}
