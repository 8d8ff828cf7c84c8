#pragma once
// MenuEnum: a list chooser: a MenuInt stepping by one whose value is shown
// as a text of the string table, firstTextId + value. The value read from
// its setting is brought into range at construction, so it never names a
// text outside the run meant for it. Main thread only.
#include "MenuInt.h"

class MenuEnum : public MenuInt {
public:
    MenuEnum(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, int* value,
             int min, int max, int firstText);

    // The text of firstTextId + value in the current language.
    void drawValue(float x, float y, float z) override;
    // That text: what the chooser shows for its value.
    std::string shownText() const;

    // A Language::StringsEnum value.
    int firstTextId;
};
