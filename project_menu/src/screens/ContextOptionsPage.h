#pragma once
// ContextOptionsPage: base of the option screens (gameplay, graphics, sound,
// controls, second player's controls), laid out like the other menu
// screens: the title at the top, one column of rows with the captions right-
// aligned on its left, the back button in the lower left corner. The rows'
// items write straight into the persistent block; when the screen closes
// after a setting has changed, the settings are applied (Global::
// applySettings) and the block is saved. Deleted by the stack when it
// closes. Main thread only.
#include "ContextMenu.h"
#include "Language.h"

#include <string>

class MenuButtonQuit;

class ContextOptionsPage : public ContextMenu {
public:
    // Centre of the first row and the distance between rows, view units.
    static constexpr float FIRST_ROW_Y = 120.0f;
    static constexpr float ROW_STEP = 38.0f;
    // Left edge of every item's frame; the captions end 5 units left of it.
    static constexpr float COLUMN_LEFT = -48.0f;
    static constexpr int CHOOSER_WIDTH = 256;

    explicit ContextOptionsPage(Language::StringsEnum titleId);

    // Closing after a change applies the settings and saves them.
    void deactivate(bool closing) override;

    // A setting of the block differs from what it was when the screen opened.
    bool hasChanges() const;

    MenuButtonQuit* pBackButton = nullptr;

protected:
    static const char* text(Language::StringsEnum id);
    // The centre of row index.
    static float rowY(int index);
    // The centre x of an item of the given width whose frame starts at the
    // column.
    static float columnX(int width);
    // Appends the item to the screen and sizes it; returns it.
    template <class T>
    T* addRow(T* item, int width)
    {
        addChildLast(item);
        item->setWidth(width);
        return item;
    }
    // A text in the medium font centred on the row, for a heading.
    void addHeading(int row, Language::StringsEnum id);
    // One key field per control (up, down, left, right, fire, missile) from
    // row 0 down, editing the given column of the key table (0 the first
    // player's keys, 1 the second player's).
    void addKeyRows(int keyColumn);

private:
    std::string settingsNow() const;

    std::string settingsAtOpening;
};
