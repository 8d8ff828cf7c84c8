#include "PropertyDouble.h"
#include "PropertyFloat.h"
#include "PropertyInt.h"
#include "PropertyUColor.h"
#include "UColor.h"

#include <gtest/gtest.h>

namespace {

TEST(Property, TextFormsReadBackAndRejectBadValues)
{
    int32_t number = 0;
    float single = 0.0f;
    double precise = 0.0;
    UColor colour;
    PropertyInt intProperty("n", &number);
    PropertyFloat floatProperty("f", &single);
    PropertyDouble doubleProperty("d", &precise);
    PropertyUColor colourProperty("c", &colour);
    struct Case { Property* property; const char* text; bool ok; const char* readBack; };
    const Case cases[] = {
        {&intProperty, "-12", true, "-12"},         {&intProperty, "12x", false, "-12"},
        {&intProperty, "99999999999", false, "-12"}, {&intProperty, "", false, "-12"},
        {&floatProperty, "0.25", true, "0.25"},     {&floatProperty, "nan", false, "0.25"},
        {&doubleProperty, "0.1", true, "0.10000000000000001"}, {&doubleProperty, "1e999", false, "0.10000000000000001"},
        {&colourProperty, "1,2,3,255", true, "1,2,3,255"}, {&colourProperty, "1,2,3,256", false, "1,2,3,255"},
        {&colourProperty, "1,2,3", false, "1,2,3,255"}, {&colourProperty, "1,2,3,4,5", false, "1,2,3,255"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.property->setText(c.text), c.ok) << c.property->name << " " << c.text;
        EXPECT_EQ(c.property->getText(), c.readBack) << c.property->name << " " << c.text;
    }
    EXPECT_EQ(colour, UColor(1, 2, 3, 255));
}

} // namespace
