// A smiley asked whether it may be matched lights the clashing features of
// both smileys; the feature a smiley made to clash shares, drawn over many
// smileys; and the feature textures the generator refuses to work with.
#include "BoardTestSupport.h"
#include "DrawnRange.h"
#include "SkinKey.h"

#include "Skin.h"
#include "Texture.h"
#include "board/Feature.h"

namespace boardtest {
namespace {

constexpr uint8_t NONE = 0, EYES = 1 << 1, MOUTH = 1 << 2, BROWS = 1 << 4;

// A variant digit per feature slot, or "clown".
std::unique_ptr<Smiley> makeSmiley(const std::string& variants)
{
    if (variants == "clown")
        return std::make_unique<Clown>();
    auto smiley = std::make_unique<Smiley>();
    smiley->featureCount = Smiley::FEATURE_SLOTS;
    for (int i = 0; i < Smiley::FEATURE_SLOTS; ++i) {
        Feature* feature = new Feature(8);
        feature->setVariant(variants[i] - '0', 0);
        smiley->features[i] = feature;
        smiley->addFeature(feature);
    }
    return smiley;
}

// The features glowing.
uint8_t glowingMask(const Smiley& smiley)
{
    uint8_t mask = NONE;
    for (int i = 0; i < Smiley::FEATURE_SLOTS; ++i)
        if (const Feature* feature = smiley.features[i])
            mask |= static_cast<uint8_t>(feature->glow > 0.0f ? 1 << i : 0);
    return mask;
}

using MatchRule = BoardTest;

TEST_F(MatchRule, AClashLightsEveryClashingFeatureOfBothSmileysAndNothingMatchesItself)
{
    const struct {
        const char* a;
        const char* b;
        bool bSameSmiley;
        bool match;
        uint8_t clashes;
    } rows[] = {
        {"00000", "11111", false, true, NONE},   {"00000", "10010", false, false, EYES | MOUTH | BROWS},
        {"00000", "00000", true, false, NONE},   {"clown", "00000", false, true, NONE},
        {"clown", "clown", true, false, NONE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << " with " << (row.bSameSmiley ? "itself" : row.b));
        const std::unique_ptr<Smiley> a = makeSmiley(row.a);
        const std::unique_ptr<Smiley> b = makeSmiley(row.b);
        Smiley* other = row.bSameSmiley ? a.get() : b.get();
        for (const bool highlight : {false, true}) {
            EXPECT_EQ(a->canMatch(other, highlight), row.match);
            EXPECT_EQ(glowingMask(*a), highlight ? row.clashes : NONE);
            EXPECT_EQ(glowingMask(*other), highlight ? row.clashes : NONE);
        }
    }
}

using Generator = BoardTest;

// The name a feature skin is registered under ("eyes:3"); "none" for none.
std::string skinName(const Skin* skin)
{
    constexpr int FRAMES = Feature::MAX_VARIANTS;
    return skinKey(skin, {{"body", FRAMES}, {"eyes", FRAMES}, {"mouths", FRAMES}, {"hair", FRAMES}, {"brows", FRAMES},
                          {"eyesGlow", FRAMES}, {"mouthsGlow", FRAMES}, {"hairGlow", FRAMES}, {"browsGlow", FRAMES}});
}

// Each slot of a generated smiley shows its frame of its own texture and
// glows in that frame's outline (the body in its one outline, frame 5); in
// a house where the hair does not vary there is no hair to draw.
TEST_F(Generator, EachSlotOfASmileyShowsItsOwnFeatureAndGlowsInItsOutline)
{
    const struct {
        const char* texture;
        // With the frame's number appended, but for the body's.
        const char* glow;
    } slots[] = {{"body", "body:5"}, {"eyes", "eyesGlow"}, {"mouths", "mouthsGlow"}, {"hair", "hairGlow"},
                 {"brows", "browsGlow"}};
    for (const int flags : {7, 0}) {
        game->generator->configure(flags);
        game->generator->setup(0.0f);
        game->generator->resetPools();
        const std::unique_ptr<Smiley> smiley(game->generator->createSmiley());
        for (int slot = 0; slot < Smiley::FEATURE_SLOTS; ++slot) {
            const Feature* feature = smiley->features[slot];
            ASSERT_NE(feature, nullptr) << slot;
            const std::string frame = std::to_string(feature->frame);
            const bool drawn = flags == 7 || slot != 3;
            EXPECT_EQ(skinName(feature->pSkin), drawn ? std::string(slots[slot].texture) + ":" + frame : "none")
                << "slot " << slot << " with flags " << flags;
            EXPECT_EQ(skinName(feature->glowSkins[feature->frame]),
                      !drawn ? "none" : slot == 0 ? slots[slot].glow : std::string(slots[slot].glow) + ":" + frame)
                << "slot " << slot << " with flags " << flags;
        }
    }
}

// On a fixed seed, with every feature varying: the smiley made to clash
// with another shares any one of its features with it, each about as
// often as another.
TEST_F(Generator, ASmileyMadeToClashSharesAnyOneOfItsFeaturesAsOftenAsAnother)
{
    constexpr int DRAWS = 1000;
    GameHarness::seed(12);
    SmileyGenerator& generator = *game->generator;
    generator.configure(7);
    generator.setup(0.0f);
    int shared[Smiley::FEATURE_SLOTS] = {};
    for (int draw = 0; draw < DRAWS; ++draw) {
        generator.resetPools();
        const std::unique_ptr<Smiley> first(generator.createSmiley());
        generator.resetPools();
        generator.shareFeatureWith(first.get());
        for (int f = 0; f < Smiley::FEATURE_SLOTS; ++f)
            shared[f] += static_cast<int>(std::count(generator.required[f], generator.required[f] + SmileyPools::MAX_VARIANTS, true));
    }
    for (int f = 0; f < Smiley::FEATURE_SLOTS; ++f)
        EXPECT_TRUE(countNear(shared[f], DRAWS / 5.0)) << "clashes in feature " << f;
}

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
