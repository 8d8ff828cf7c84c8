#pragma once
// MenuGroup: a titled panel drawn behind a group of items or the lines of a
// dialog. It takes no input. It owns its frame, a stretch skin on
// "gui-game-square:0". A child of its screen or dialog. Main thread only.
#include "Renderable.h"
#include "UString.h"

#include <string>

class MenuGroup : public Renderable {
public:
    // Distance of the caption's centre below the frame's top edge, view units.
    static constexpr float CAPTION_DROP = 30.0f;
    // Border widths of the frame's source skin, pixels.
    static constexpr int BORDER = 16;

    // A width x height panel centred on (x, y, z). Fatal when
    // "gui-game-square:0" is not registered.
    MenuGroup(float x, float y, float z, const std::string& groupCaption, float width, float height);
    MenuGroup(const MenuGroup&) = delete;
    MenuGroup& operator=(const MenuGroup&) = delete;

    // The frame, then the caption near its top edge.
    void render() override;

    UString caption;
};
