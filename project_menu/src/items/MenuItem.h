#pragma once
// MenuItem: base class of the interactive elements of the menu screens
// (buttons, switches, choosers, key and text fields). An item is a drawable
// child of its screen, which owns it through the object tree. It draws a
// stretchable frame with a caption beside or on it, fades in a highlight
// frame while the mouse is over it, shows its hint at the bottom of the view
// while highlighted, and reports clicks through wasClicked, which the screen
// polls in its contents update.
//
// There is no keyboard focus: the mouse alone decides which item is
// addressed, read from the screen the engine is processing. Subclasses edit
// a value through a pointer their creator hands over and keeps alive. The
// item owns both of its frames. Main thread only.
#include "Renderable.h"
#include "UString.h"

#include <string>

class FontQuad;
class Texture;

class MenuItem : public Renderable {
public:
    // Highlight change per second while the mouse arrives or leaves.
    static constexpr double HIGHLIGHT_RATE = 4.0;
    // Distance of an outside caption from the frame, view units.
    static constexpr float CAPTION_GAP = 5.0f;
    // Width of a new item's frame, view units.
    static constexpr int DEFAULT_WIDTH = 256;

    // An edit-box frame 256 wide at (x, y, z), caption left of it. Fatal
    // when "gui-game-editbox" is not registered.
    MenuItem(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // Children, then highlight and text colour from the current screen's mouse.
    void tick(double t, double dt) override;
    // Shadow, frame, highlight frame, value, hint line, caption.
    void render() override;
    // The item's value at its position; nothing here.
    virtual void drawValue(float x, float y, float z);
    // Sets the click flag and plays "mouseClick" (fatal when missing).
    virtual void click();

    // Replaces both frames with new ones on the texture's skins 0 (frame) and
    // 1 (highlight), with the given border widths in source pixels.
    void setFrameSkin(Texture* texture, int left, int top, int bottom, int right);
    // Both frames' width in view units; their height stays the source's.
    void setWidth(int width);
    // The cloud frame "gui-game-button-cloud" (fatal when missing), no shadow.
    void useCloudSkin();
    // The click flag, cleared by reading it.
    bool wasClicked();

    // 4 left of the frame, 5 centred on it, 6 right of it, 8 above it;
    // anything else is fatal at the next render.
    int captionLocation = 4;
    bool disabled = false;
    // Shadows under frame, caption and value (when the display draws shadows).
    bool dropShadow = true;
    // The mouse is over the frame; recomputed every tick.
    bool highlighted = false;
    UString caption;
    // Shown in the hint line instead of the hint while disabled.
    UString disabledText;
    bool clicked = false;
    // 0..1.
    double highlightFactor = 0.0;
    UColor normalColor = UColor(255, 128, 0, 255);
    UColor highlightColor = UColor(255, 255, 192, 255);
    UColor textColor = UColor(255, 255, 255, 255);
    UColor disabledColor = UColor(64, 32, 0, 255);
    UString hint;
    // Not owned.
    FontQuad* font;
    // Drawn over the item, its alpha following highlightFactor. It takes the
    // item's position only once, when the item is made.
    Renderable highlightLayer;

protected:
    // A text centred on (x, y, z) with the item's rotation, scale and text
    // colour in the medium font, with the value shadow when dropShadow is on.
    void printValue(float x, float y, float z, const std::string& text);
    // A drawable at the point with the item's rotation, scale and the colour,
    // for printing texts in the item's orientation.
    void placeText(Renderable& at, V3 point, UColor atColor);
    // The value shadow of the items: two units down, black at quarter alpha.
    static const UColor VALUE_SHADOW;

private:
    void renderCaption();
};
