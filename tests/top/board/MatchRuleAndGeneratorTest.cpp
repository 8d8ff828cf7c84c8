// The smiley's side of the match rule (the features a tried pair lights up)
// and the feature textures the generator refuses to work with.
#include "BoardTestSupport.h"

#include "Skin.h"
#include "Texture.h"
#include "board/Feature.h"

namespace boardtest {
namespace {

constexpr int SLOTS = Smiley::FEATURE_SLOTS;
constexpr uint8_t NONE = 0, EYES = 1 << 1, MOUTH = 1 << 2, BROWS = 1 << 4;

// A smiley with a variant digit per feature slot, every feature varying.
std::unique_ptr<Smiley> makeSmiley(const char* variants)
{
    auto smiley = std::make_unique<Smiley>();
    smiley->featureCount = SLOTS;
    for (int i = 0; i < SLOTS; ++i) {
        Feature* feature = new Feature(8);
        feature->setVariant(variants[i] - '0', 0);
        smiley->features[i] = feature;
        smiley->addFeature(feature);
    }
    return smiley;
}

// The features glowing fully; every other one must not glow at all.
uint8_t glowingMask(const Smiley& smiley)
{
    uint8_t mask = NONE;
    for (int i = 0; i < SLOTS; ++i)
        if (const Feature* feature = smiley.features[i]) {
            EXPECT_TRUE(feature->glow == 0.0f || feature->glow == 1.0f) << "slot " << i;
            mask |= static_cast<uint8_t>(feature->glow == 1.0f ? 1 << i : 0);
        }
    return mask;
}

using MatchRule = BoardTest;

// The rule itself is the rules' (MatchRule); the smiley lights what clashes.
TEST_F(MatchRule, ATriedPairLightsEveryClashingFeatureOfBothAndASmileyNeverMatchesItself)
{
    const std::unique_ptr<Smiley> a = makeSmiley("00000");
    const std::unique_ptr<Smiley> b = makeSmiley("10010");
    EXPECT_FALSE(a->canMatch(b.get(), false));
    EXPECT_EQ(glowingMask(*a), NONE) << "no light without highlight";
    EXPECT_FALSE(a->canMatch(b.get(), true));
    EXPECT_EQ(glowingMask(*a), EYES | MOUTH | BROWS);
    EXPECT_EQ(glowingMask(*b), EYES | MOUTH | BROWS);
    const std::unique_ptr<Clown> clown = std::make_unique<Clown>();
    EXPECT_FALSE(a->canMatch(a.get(), false));
    EXPECT_FALSE(clown->canMatch(clown.get(), false));
}

using Generator = BoardTest;

TEST_F(Generator, AFeatureTextureWithTooManyOrTooFewFramesIsFatalAndNamed)
{
    // The child, a fresh run of this test, ends without its harness removing
    // its data folder: it removes the folder itself and reports without the
    // error manager, which would write crash files there; the report goes to
    // the error stream as well.
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const struct {
        void (*damage)();
        const char* report;
    } rows[] = {
        {[] {
             // Frames appended and registered as the loader registers them.
             Texture* eyes = pKiv->pResourceManager->findAs<Texture>("eyes");
             for (int i = 8; i < 17; ++i)
                 pKiv->pResourceManager->addResource(formatString("eyes:%d", i), eyes->skins.emplace_back(new Skin()));
         },
         "Texture 'eyes' has 17 frames; 1 to 16 are needed."},
        {[] { pKiv->pResourceManager->removeResource("brows:0"); }, "Texture 'brows' has 0 frames; 1 to 16"},
        {[] { pKiv->pResourceManager->removeResource("mouthsGlow:7"); },
         "Texture 'mouthsGlow' has 7 frames, fewer than the 8 of 'mouths'."},
    };
    for (const auto& row : rows)
        EXPECT_EXIT(
            {
                std::filesystem::remove_all(harness->home);
                pKiv->pErrorManager = nullptr;
                row.damage();
                game->generator->configure(7);
                game->generator->setup(0.0f);
            },
            ::testing::ExitedWithCode(255), row.report);
}

}
}
