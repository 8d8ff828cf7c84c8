#pragma once
// GUItheme: the look of GUIitems: it turns a style number into a frame
// texture (looked up by key; a missing one is fatal) and gives new items
// their caption font, caption gap, frame width and stretch borders. Global
// makes one theme of each kind after loading and owns them for the whole
// run; items keep a pointer to theirs. Main thread only.
class FontQuad;
class GUIitem;

class GUItheme {
public:
    GUItheme() = default;
    virtual ~GUItheme() = default;
    GUItheme(const GUItheme&) = delete;
    GUItheme& operator=(const GUItheme&) = delete;

    // Gives the item the style's frames (style 0 keeps its frames); a style
    // the theme does not know is fatal ("Unhandled style").
    virtual void setStyle(GUIitem* item, int style) = 0;

    // Distance between a caption and the frame edge it is placed against.
    int captionGap = 0;
    // Added on every side when an item's frames are sized.
    int frameWidth = 0;
    // Stretch borders of the frames, pixels of the source skin.
    int borderLeft = 0;
    int borderTop = 0;
    int borderBottom = 0;
    int borderRight = 0;
    // Caption font of new items; not owned.
    FontQuad* font = nullptr;

protected:
    // The texture registered under key, as the item's three frames.
    static void applyTexture(GUIitem* item, const char* key);
};
