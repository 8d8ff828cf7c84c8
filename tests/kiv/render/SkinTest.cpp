#include "RenderTestSupport.h"

#include "Quad.h"
#include "Renderable.h"
#include "Texture.h"


namespace {

using namespace rendertest;

TEST(SkinShape, KeypadCodesPlaceTheAnchor)
{
    struct Case { int code; V3 origin; };
    const Case cases[] = {{7, V3(-50, 25, 0)}, {8, V3(0, 25, 0)}, {6, V3(50, 0, 0)},
                          {3, V3(50, -25, 0)}, {0, V3(0, 0, 0)},  {10, V3(1, 2, 0)}};
    for (const Case& c : cases) {
        Skin skin;
        skin.width = 100;
        skin.height = 50;
        skin.origin = V3(1, 2, 3);
        skin.setOriginLocation(c.code);
        if (c.code < 0 || c.code > 9)
            EXPECT_TRUE(skin.origin == V3(1, 2, 3)) << "code " << c.code << " keeps the anchor";
        else
            EXPECT_TRUE(skin.origin == c.origin) << "code " << c.code;
    }
}

} // namespace
