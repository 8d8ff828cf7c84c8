// The match rule and the smiley generator: which pairs of smileys may be
// matched, and which features light up when a tried pair clashes; the pools
// of a house, the steering that makes the next smiley a partner of a given
// one or not, repeatable draws, and the feature textures the generator
// refuses to work with.
#include "BoardTestSupport.h"

#include "Feature.h"
#include "Skin.h"
#include "Texture.h"
#include "TextureFrames.h"

namespace boardtest {
namespace {

constexpr int SLOTS = Smiley::FEATURE_SLOTS;
constexpr uint8_t NONE = 0, EYES = 1 << 1, MOUTH = 1 << 2, HAIR = 1 << 3, BROWS = 1 << 4;

// One smiley of a pair: a variant digit per feature slot ('-': no feature,
// "clown": a clown); slots in fixedMask have a single variant in this house
// (not relevant).
struct Face {
    const char* variants;
    uint8_t fixedMask = NONE;
    int featureCount = SLOTS;
};

std::unique_ptr<Smiley> makeSmiley(const Face& face)
{
    if (std::string(face.variants) == "clown")
        return std::make_unique<Clown>();
    auto smiley = std::make_unique<Smiley>();
    smiley->featureCount = face.featureCount;
    for (int i = 0; i < SLOTS; ++i)
        if (face.variants[i] != '-') {
            Feature* feature = new Feature((face.fixedMask >> i) & 1 ? 1 : 8);
            feature->setVariant(face.variants[i] - '0', 0);
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

TEST_F(MatchRule, PairsMatchWhenTheyShareNoRelevantFeatureAndAClashLightsEveryClashingFeatureOfBoth)
{
    const struct {
        const char* name;
        Face a;
        Face b;
        bool bSameSmiley;
        bool expected;
        // Features that clash, lit on both smileys when tried with highlight.
        uint8_t clashes;
    } rows[] = {
        {"every feature differs", {"00000"}, {"11111"}, false, true, NONE},
        {"the eyes are shared", {"00000"}, {"10111"}, false, false, EYES},
        {"every clash lights, not only the first", {"00000"}, {"10010"}, false, false, EYES | MOUTH | BROWS},
        {"a shared feature that does not vary", {"00000", HAIR}, {"11101", HAIR}, false, true, NONE},
        {"relevance is read from the first smiley", {"00000"}, {"11101", HAIR}, false, false, HAIR},
        {"beyond the first smiley's feature count", {"00000", NONE, 2}, {"11000"}, false, true, NONE},
        {"the first smiley has no features", {"00000", NONE, 0}, {"-0000"}, false, true, NONE},
        {"an empty slot in the second smiley", {"00000"}, {"11-11"}, false, false, NONE},
        {"an empty slot in the first smiley", {"1-111"}, {"00000"}, false, false, NONE},
        {"a smiley with itself", {"00000"}, {"00000"}, true, false, NONE},
        {"a clown with a smiley", {"clown"}, {"00000"}, false, true, NONE},
        {"a smiley with a clown", {"00000"}, {"clown"}, false, true, NONE},
        {"two clowns", {"clown"}, {"clown"}, false, true, NONE},
        {"a clown with itself", {"clown"}, {"clown"}, true, false, NONE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::unique_ptr<Smiley> a = makeSmiley(row.a);
        const std::unique_ptr<Smiley> b = makeSmiley(row.b);
        Smiley* other = row.bSameSmiley ? a.get() : b.get();
        for (const bool highlight : {false, true}) {
            EXPECT_EQ(a->canMatch(other, highlight), row.expected);
            EXPECT_EQ(glowingMask(*a), highlight ? row.clashes : NONE);
            EXPECT_EQ(glowingMask(*other), highlight ? row.clashes : NONE);
        }
    }
}

constexpr int KINDS = SmileyGenerator::FEATURE_KINDS;

using SmileyPtr = std::unique_ptr<Smiley>;

using Generator = BoardTest;

TEST_F(Generator, HardnessCutsTheLargestPoolsDownToTwoVariantsTiesFromTheBrows)
{
    // A composite skin that the loader adds to a texture is not a frame.
    Skin* composite = new Skin();
    pKiv->pResourceManager->findAs<Texture>("hair")->skins.push_back(composite);
    pKiv->pResourceManager->addResource("hair:all", composite);
    // The rows assume the generated data: 8 frames of each feature.
    for (const char* key : {"eyes", "mouths", "hair", "brows"})
        ASSERT_EQ(TextureFrames(key).count, 8) << key;
    const struct {
        int flags;
        float hardness;
        std::vector<int> expected;
    } rows[] = {
        {7, 0.0f, {3, 8, 8, 8, 8}},
        {7, 1.0f, {2, 2, 2, 2, 2}},
        {0, 0.0f, {1, 8, 8, 1, 1}},
        {2, 1.0f, {2, 2, 2, 1, 1}},
        {0, 0.05f, {1, 8, 7, 1, 1}},
        {7, 0.05f, {3, 8, 8, 7, 7}},
        {1, 0.5f, {1, 5, 5, 4, 1}},
    };
    SmileyGenerator& generator = *game->generator;
    for (const auto& row : rows) {
        generator.configure(row.flags);
        generator.setup(row.hardness);
        EXPECT_EQ(std::vector<int>(generator.poolSize, generator.poolSize + KINDS), row.expected)
            << "flags " << row.flags << " hardness " << row.hardness;
    }
}

TEST_F(Generator, PartnersMatchBothWaysSharersClashAndTheSameSeedGivesTheSameSmileys)
{
    SmileyGenerator& generator = *game->generator;
    for (int flags = 0; flags < 8; ++flags)
        for (const float hardness : {0.0f, 0.5f, 1.0f})
            for (unsigned seed = 1; seed <= 40; ++seed) {
                SCOPED_TRACE(testing::Message() << "flags " << flags << " hardness " << hardness << " seed " << seed);
                std::vector<std::pair<int, int>> faces[2];
                for (auto& face : faces) {
                    testsupport::GameHarness::seed(seed);
                    generator.configure(flags);
                    generator.setup(hardness);
                    generator.resetPools();
                    const SmileyPtr a(generator.createSmiley());
                    generator.resetPools();
                    generator.avoidFeaturesOf(a.get());
                    const SmileyPtr partner(generator.createSmiley());
                    generator.resetPools();
                    generator.shareFeatureWith(a.get());
                    generator.shareFeatureWith(partner.get());
                    const SmileyPtr sharer(generator.createSmiley());

                    EXPECT_TRUE(a->canMatch(partner.get(), false));
                    EXPECT_TRUE(partner->canMatch(a.get(), false));
                    EXPECT_FALSE(sharer->canMatch(a.get(), false));
                    EXPECT_FALSE(sharer->canMatch(partner.get(), false));
                    for (int f = 0; f < KINDS; ++f) {
                        // Eyes and mouth always vary; body, hair and brows by flag bits 1, 0 and 2.
                        const int flagBit[KINDS] = {1, -1, -1, 0, 2};
                        EXPECT_EQ(a->features[f]->relevant, flagBit[f] < 0 || ((flags >> flagBit[f]) & 1) != 0) << f;
                        // The variants in play show different frames.
                        const std::set<int> frames(generator.frameOf[f], generator.frameOf[f] + generator.poolSize[f]);
                        EXPECT_EQ(static_cast<int>(frames.size()), generator.poolSize[f]) << "feature " << f;
                        for (const Smiley* smiley : {a.get(), partner.get(), sharer.get()})
                            face.emplace_back(smiley->features[f]->variant, smiley->features[f]->frame);
                    }
                }
                EXPECT_EQ(faces[0], faces[1]);
            }
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
