#include "StackTestSupport.h"

#include "Context.h"
#include "MousePointer.h"

namespace {

using namespace stacktest;

// Either button slides the pointer to its pressed frame in an eighth of a
// second, and back when let go.
TEST(MousePointerTest, HeldButtonSlidesToThePressedFrame)
{
    Context layer;
    MousePointer* pointer = new MousePointer();
    layer.addChildLast(pointer);
    layer.pCamera->tick(0.0, 0.0);
    const std::vector<Skin*>& looks = shared().pointerTexture->skins;
    struct Step { bool held; float pressed; bool pressedFrame; };
    const Step steps[] = {{true, 0.4f, false}, {true, 0.8f, false}, {true, 1.0f, true}, {false, 0.6f, false},
                          {false, 0.2f, false}, {false, 0.0f, false}};
    for (int button : {0, 1}) {
        for (const Step& s : steps) {
            pKiv->pInput->bMouseHeld[button] = s.held;
            layer.tick(0.0, 0.05);
            EXPECT_NEAR(pointer->pressed, s.pressed, 1e-5) << "button " << button;
            EXPECT_EQ(pointer->pSkin, looks[s.pressedFrame ? 1 : 0]) << "button " << button << " at " << s.pressed;
        }
        pKiv->pInput->bMouseHeld[button] = false;
    }
}

} // namespace
