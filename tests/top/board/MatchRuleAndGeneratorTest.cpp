// The feature textures the generator refuses to work with.
#include "BoardTestSupport.h"

#include "Skin.h"
#include "Texture.h"

namespace boardtest {
namespace {

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
