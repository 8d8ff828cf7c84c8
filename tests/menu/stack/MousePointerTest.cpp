#include "StackTestSupport.h"

#include "Context.h"
#include "MousePointer.h"

namespace {

using namespace stacktest;

class MousePointerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setInput({});
        layer.addChildLast(pointer);
        layer.pCamera->tick(0.0, 0.0);
    }
    void TearDown() override { setInput({}); }

    // One tick of the pointer's layer, dt seconds long.
    void step(double dt) { layer.tick(0.0, dt); }

    Context layer;
    MousePointer* pointer = new MousePointer();
    Skin* released = shared().pointerTexture->skins[0];
    Skin* pressedLook = shared().pointerTexture->skins[1];
};

TEST_F(MousePointerTest, HeldButtonSlidesToThePressedFrame)
{
    struct Step { bool held; float pressed; bool pressedFrame; };
    const Step steps[] = {{true, 0.4f, false},  {true, 0.8f, false}, {true, 1.0f, true},
                          {false, 0.6f, false}, {true, 1.0f, true},  {false, 0.6f, false},
                          {false, 0.2f, false}, {false, 0.0f, false}};
    for (int button : {0, 1}) {
        int index = 0;
        for (const Step& s : steps) {
            pKiv->pInput->bMouseHeld[button] = s.held;
            step(0.05);
            EXPECT_NEAR(s.pressed, pointer->pressed, 1e-5) << "button " << button << " step " << index;
            EXPECT_EQ(s.pressedFrame ? pressedLook : released, pointer->pSkin) << "step " << index;
            ++index;
        }
        pKiv->pInput->bMouseHeld[button] = false;
    }
}

} // namespace
