#pragma once
// MenuCountry: the country chooser of the high-score options. Its value is a
// position in countryOrder (the countries by code, "--" for none first);
// the arrows step through it and a typed letter jumps to the next country
// whose code begins with it. Whenever the item has an unread click it also
// writes the chosen country's code and direction on the globe into the
// persistent block. The value read from its setting is brought into range
// at construction. The two tables are shared by every instance.
// Main thread only.
#include "MenuInt.h"

class MenuCountry : public MenuInt {
public:
    static constexpr int COUNTRY_COUNT = 241;
    static constexpr int CHOOSER_WIDTH = 512;

    struct Country {
        // ISO 3166-1 alpha-2; "--" for none.
        const char* code;
        // Degrees.
        float latitude;
        float longitude;
    };

    // Row r is named by the string-table identifier COUNTRYNONE + r.
    static const Country countryTable[COUNTRY_COUNT];
    // Rows in the order the chooser presents them; built before main, so
    // that screens may look positions up before any chooser exists.
    static int countryOrder[COUNTRY_COUNT];

    // Range 0..240, caption above, 512 wide.
    MenuCountry(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, int* value);

    // Arrows, then the letter search while highlighted, then the persistent
    // block's country while a click is unread.
    void tick(double t, double dt) override;
    // "CODE (name)".
    void drawValue(float x, float y, float z) override;

    // The row at a position of countryOrder, the position brought into range.
    static int rowAt(int position);

private:
    static bool buildOrder();
    static const bool bOrderBuilt;
    void searchLetter(int letter);
    void storeCountry() const;
};
