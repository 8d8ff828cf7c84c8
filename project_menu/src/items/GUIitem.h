#pragma once
// GUIitem: the general-purpose widget of the menu framework: a drawable with
// one stretchable frame per state (normal, mouse-over, disabled) chosen by a
// GUItheme style, a caption placed by a numeric-keypad code, a highlight
// that follows the mouse, and a status-line text shown while the mouse is
// over it. Children move with it. It owns its three frames; the theme is
// not owned and must outlive it. Main thread only.
#include "Renderable.h"
#include "UString.h"

#include <string>

class FontQuad;
class GUItheme;
class StretchSkin;
class Texture;

class GUIitem : public Renderable {
public:
    // Highlight change per second while the mouse arrives or leaves.
    static constexpr double HIGHLIGHT_RATE = 4.0;
    // Width limit of outside and centred captions, pixels.
    static constexpr int UNLIMITED_CAPTION = 9999;

    // Frames from the theme's style (fatal when the style or its texture is
    // unknown), sized to an inner size of 0 x 0.
    GUIitem(GUItheme* itemTheme, int style);
    ~GUIitem() override;
    GUIitem(const GUIitem&) = delete;
    GUIitem& operator=(const GUIitem&) = delete;

    // Children, mouse-over flag, highlight and caption colour.
    void tick(double t, double dt) override;
    // Frame of the state, status line while under the mouse, caption, children.
    void render() override;
    // Also hands this item's transform to the live children.
    void updateVisuals() override;

    // Frame width and borders from the theme again, the theme's style, then
    // the frames sized.
    void setStyle(int style);
    // Inner size in view units; the frames get frameWidth more on every side.
    void setSize(int innerWidth, int innerHeight);
    void setTexts(const std::string& newCaption, const std::string& newTooltip, const std::string& newDisabledTip);
    // Three new frames on the texture's skins with the item's borders: skin 0
    // disabled, 1 normal, 2 mouse-over. Fatal when it has fewer skins.
    void setSkinTexture(Texture* texture);
    // Appends the child and moves it with the item.
    void addItem(Renderable* child);

    // 4 left, 5 centre, 6 right, 8 above; -4, -6, -8 inside against the left,
    // right and top edges. Anything else is fatal at the next render.
    int captionLocation = 5;
    // The item was under the mouse at the last tick.
    bool bMouseOver = false;
    UString caption;
    // Status line while under the mouse and disabled.
    UString disabledTip;
    int width = 0;
    int height = 0;
    int frameWidth;
    int borderLeft;
    int borderTop;
    int borderBottom;
    int borderRight;
    GUItheme* theme;
    StretchSkin* skinNormal = nullptr;
    StretchSkin* skinMouseOver = nullptr;
    StretchSkin* skinDisabled = nullptr;
    // 0..1.
    double highlight = 0.0;
    UColor colorNormal = UColor(116, 122, 128, 255);
    UColor colorHighlighted = UColor(204, 139, 0, 255);
    UColor colorCurrent = UColor(255, 255, 255, 255);
    UColor colorDisabled = UColor(116, 122, 128, 128);
    // Status line while under the mouse and enabled.
    UString tooltip;
    // Not owned.
    FontQuad* font;

private:
    void copyThemeFrame();
    void deleteFrames();
    void renderCaption();
};
