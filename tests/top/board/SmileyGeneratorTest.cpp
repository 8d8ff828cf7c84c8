// The smiley generator: the pools of a house, the steering that makes the
// next smiley a partner of a given one or not, repeatable draws, and the
// feature textures it refuses to work with.
#include "BoardTestSupport.h"

#include "Feature.h"
#include "Skin.h"
#include "Texture.h"
#include "TextureFrames.h"

namespace boardtest {
namespace {

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
        {7, 0.0f, {3, 8, 8, 8, 8}},  {7, 1.0f, {2, 2, 2, 2, 2}},  {0, 0.0f, {1, 8, 8, 1, 1}},
        {0, 1.0f, {1, 2, 2, 1, 1}},  {2, 1.0f, {2, 2, 2, 1, 1}},  {0, 0.05f, {1, 8, 7, 1, 1}},
        {7, 0.05f, {3, 8, 8, 7, 7}}, {1, 0.5f, {1, 5, 5, 4, 1}},
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
        {[] { pKiv->pResourceManager->removeResource("eyesBlink:7"); },
         "Texture 'eyesBlink' has 7 frames, fewer than the 8 of 'eyes'."},
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
