#include "ItemTestSupport.h"

#include "EveryIndex.h"
#include "MenuCountry.h"
#include "MenuEnum.h"
#include "MenuInt.h"
#include "MenuVolume.h"

#include <cmath>
#include <cstring>

namespace {

using namespace itemtest;

using MenuChooserTest = ItemTest;

// The default item is 256 wide at the origin: the arrows' hot spots are
// centred 24 units inside its ends, 26 units in radius. The pointer stands
// on whole pixels, one unit each.
constexpr float LEFT_ARROW = -104.0f;
constexpr float RIGHT_ARROW = 104.0f;

TEST_F(MenuChooserTest, PressesStepTheValueOnTheArrowsAndKeepItInRange)
{
    struct Case { const char* name; int start; int min, max, step; int width; float mouseX; bool disabled;
        int expected; bool clicked; };
    const Case cases[] = {
        {"LeftArrow", 5, 0, 10, 1, 256, LEFT_ARROW, false, 4, true},
        {"InsideTheHotSpot", 5, 0, 10, 1, 256, RIGHT_ARROW - 25.0f, false, 6, true},
        {"OutsideTheHotSpot", 5, 0, 10, 1, 256, RIGHT_ARROW - 27.0f, false, 5, true},
        {"StopsAtMin", 0, 0, 10, 1, 256, LEFT_ARROW, false, 0, true},
        {"Step", 5, 0, 10, 3, 256, RIGHT_ARROW, false, 8, true},
        {"StepPastMax", 9, 0, 10, 3, 256, RIGHT_ARROW, false, 10, true},
        {"BelowRangeClampedAfterTheStep", -7, 0, 10, 1, 256, RIGHT_ARROW, false, 0, true},
        // On a narrow item both hot spots cover the centre and cancel out.
        {"NarrowBothArrows", 5, 0, 10, 1, 80, 0.0f, false, 5, true},
        {"Disabled", 5, 0, 10, 1, 256, RIGHT_ARROW, true, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int value = c.start;
        MenuInt* chooser = add(new MenuInt(0.0f, 0.0f, 0.0f, "", "", &value, c.min, c.max, c.step));
        chooser->setWidth(c.width);
        chooser->disabled = c.disabled;
        pressAt(c.mouseX, 0.0f);
        EXPECT_EQ(c.expected, value);
        EXPECT_EQ(c.clicked, chooser->wasClicked());
        chooser->deleteMe();
    }
}

// A click on the volume bars applies every setting at once (here the mouse
// speed, 0.5 + 0.25 per sensitivity step, shows it) without reopening the
// display.
TEST_F(MenuChooserTest, VolumeClickAppliesTheSettingsAtOnce)
{
    HSTdata& hst = pGlobal->hst;
    hst.resolution = 1;
    hst.bFullScreen = false;
    hst.mouseSensitivity = 4;
    pKiv->pInput->mouseSpeed = 1.0;
    int value = 10;
    MenuVolume* bars = add(new MenuVolume(0.0f, 0.0f, 0.0f, "", "", &value, 0, 24));
    pressAt(RIGHT_ARROW, 0.0f);
    EXPECT_EQ(11, value);
    EXPECT_TRUE(bars->wasClicked());
    EXPECT_DOUBLE_EQ(1.5, pKiv->pInput->mouseSpeed) << "the settings reached the engine";
    EXPECT_FALSE(pKiv->bRestartRequested);
    pKiv->pInput->mouseSpeed = 1.0;
}

// One bar per step of the value, 7 units apart from x = -84: at 24 the last
// stands at 77, and nothing where a 25th would be.
TEST_F(MenuChooserTest, VolumeShowsOneBarPerStep)
{
    for (int level : {0, 1, 5, 24}) {
        SCOPED_TRACE(level);
        int value = level;
        MenuVolume* bars = add(new MenuVolume(0.0f, 0.0f, 0.0f, "", "", &value, 0, 24));
        step();
        const std::unique_ptr<MemoryImageFile> image = draw();
        for (int i = 0; i <= 24; ++i)
            EXPECT_EQ(i < level, pixelShows(bars->textColor, worldPixel(*image, -84.0f + 7.0f * i, 0.0f)))
                << "bar " << i << (i < level ? " missing" : " drawn past the level");
        bars->deleteMe();
    }
}

// The value's text of the chooser's run ("Low", "High"), drawn as a caption
// of that text centred on the item is.
TEST_F(MenuChooserTest, ListShowsTheTextOfItsValue)
{
    for (const Language::StringsEnum text : {Language::ENUMDETAIL0, Language::ENUMDETAIL1}) {
        int value = text - Language::ENUMDETAIL0;
        MenuEnum* chooser = add(new MenuEnum(0.0f, 0.0f, 0.0f, "", "", &value, 0, 1, Language::ENUMDETAIL0));
        const std::unique_ptr<MemoryImageFile> shown = draw();
        chooser->deleteMe();
        MenuItem* caption = add(new MenuItem(0.0f, 0.0f, 0.0f, pKiv->pLanguage->getText(text), ""));
        caption->captionLocation = 5;
        EXPECT_EQ(testsupport::frameChange(*shown, *draw()).pixels, 0) << value;
        caption->deleteMe();
    }
}

int positionOf(const char* code)
{
    for (int position = 0; position < MenuCountry::COUNTRY_COUNT; ++position)
        if (std::strcmp(MenuCountry::countryTable[MenuCountry::countryOrder[position]].code, code) == 0)
            return position;
    return -1;
}

TEST_F(MenuChooserTest, TypedLetterJumpsToTheNextCountryWithThatInitial)
{
    struct Case { const char* name; const char* from; int character; const char* to; };
    const Case cases[] = {
        {"FromNone", "--", 'g', "GA"},
        {"OtherLetter", "GB", 'a', "AD"},
        // Past the end and round to the one country before the start.
        {"WrapsToTheOnlyOtherOfItsLetter", "WS", 'w', "WF"},
        {"CapitalMatchesNothing", "FR", 'G', "FR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int value = 0;
        MenuCountry* chooser = add(new MenuCountry(0.0f, 0.0f, 0.0f, "", "", &value));
        value = positionOf(c.from);
        moveMouseTo(0.0f, 0.0f);
        typeKey(KEY_G, c.character);
        step();
        EXPECT_EQ(positionOf(c.to), value);
        EXPECT_TRUE(chooser->wasClicked());
        const MenuCountry::Country& chosen = MenuCountry::countryTable[MenuCountry::countryOrder[value]];
        EXPECT_EQ(0, std::memcmp(chosen.code, pGlobal->hst.countryCode, 2)) << "the stored code follows";
        EXPECT_NE(-1.0f, pGlobal->hst.countryVector[2]) << "and so does its direction on the globe";
        chooser->deleteMe();
    }
}

// The stored direction is (0, 0, -1) turned about the X axis by the
// latitude, then about the Y axis by minus the longitude.
TEST_F(MenuChooserTest, ChosenCountryStoresItsCodeAndItsPlaceOnTheGlobe)
{
    struct Case { const char* code; double latitude, longitude; };
    const Case cases[] = {
        {"--", 0.0, 0.0},     {"AD", 42.51, 1.53},  {"AQ", -80.0, 0.0},      {"AR", -35.5, -60.0},
        {"GB", 51.6, 0.08},   {"JP", 36.0, 138.0},  {"NZ", -40.68, 174.76},  {"US", 40.51, -76.96},
        {"ZW", -16.28, 31.03},
    };
    const double toRadians = M_PI / 180.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        int value = positionOf(c.code);
        MenuCountry* chooser = add(new MenuCountry(0.0f, 0.0f, 0.0f, "", "", &value));
        // Between the arrows: the value stays and is stored.
        pressAt(0.0f, 0.0f);
        EXPECT_EQ(0, std::memcmp(c.code, pGlobal->hst.countryCode, 2));
        const double latitude = c.latitude * toRadians, longitude = c.longitude * toRadians;
        const double expected[3] = {std::cos(latitude) * std::sin(longitude), std::sin(latitude),
                                    -std::cos(latitude) * std::cos(longitude)};
        for (int axis = 0; axis < 3; ++axis)
            EXPECT_NEAR(expected[axis], pGlobal->hst.countryVector[axis], 1e-4) << "axis " << axis;
        chooser->deleteMe();
    }
    // The order the choosers built: "--", then every code, ascending.
    const auto code = [](size_t position) {
        return MenuCountry::countryTable[MenuCountry::countryOrder[position]].code;
    };
    EXPECT_STREQ(code(0), "--");
    EXPECT_TRUE(testsupport::everyIndex(MenuCountry::COUNTRY_COUNT - 2, [&](size_t p) {
        return ::testing::AssertionResult(std::strcmp(code(p + 1), code(p + 2)) < 0)
               << code(p + 1) << " before " << code(p + 2);
    }));
}

// A stored value outside the chooser's range is brought in when the chooser
// is made; one changed behind its back still draws, and the letter search
// starts, inside the table.
TEST_F(MenuChooserTest, StoredValuesOutsideTheRangeAreBroughtIn)
{
    for (int stored : {-5, 241, 100000}) {
        SCOPED_TRACE(stored);
        int listValue = stored, volume = stored, value = stored;
        add(new MenuEnum(0.0f, 0.0f, 0.0f, "", "", &listValue, 0, 4, Language::ENUMSENSITIVITY0))->deleteMe();
        add(new MenuVolume(0.0f, 0.0f, 0.0f, "", "", &volume, 0, 4))->deleteMe();
        MenuCountry* chooser = add(new MenuCountry(0.0f, 0.0f, 0.0f, "", "", &value));
        EXPECT_EQ(stored < 0 ? 0 : 4, listValue);
        EXPECT_EQ(stored < 0 ? 0 : 4, volume);
        EXPECT_EQ(stored < 0 ? 0 : 240, value);
        value = stored;
        draw();
        moveMouseTo(0.0f, 0.0f);
        typeKey(KEY_A, 'a');
        step();
        EXPECT_EQ(positionOf("AD"), value);
        chooser->deleteMe();
    }
}

TEST_F(MenuChooserTest, ArrowsAppearOnlyWhereTheValueCanGo)
{
    struct Case { const char* name; int value, min, max; bool left, right; };
    const Case cases[] = {
        {"Middle", 5, 0, 10, true, true},
        {"AtMin", 0, 0, 10, false, true},
        {"AtMax", 10, 0, 10, true, false},
        {"SingleValue", 3, 3, 3, false, false},
    };
    // The arrow glyphs sit 15 units inside the frame's ends, in the
    // highlight colour once the highlight is full (after a quarter of a
    // second; six frames, the clock's rounding aside).
    const UColor arrow(255, 255, 192, 255);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int value = c.value;
        MenuInt* chooser = add(new MenuInt(0.0f, 0.0f, 0.0f, "", "", &value, c.min, c.max, 1));
        moveMouseTo(0.0f, 20.0f);
        for (int i = 0; i < 6; ++i)
            step();
        const std::unique_ptr<MemoryImageFile> image = draw();
        EXPECT_EQ(c.left, pixelShows(arrow, worldPixel(*image, -113.0f + 3.0f, 3.0f)));
        EXPECT_EQ(c.right, pixelShows(arrow, worldPixel(*image, 113.0f - 3.0f, 3.0f)));
        chooser->deleteMe();
    }
}

} // namespace
