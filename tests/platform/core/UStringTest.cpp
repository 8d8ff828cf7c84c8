#include "UString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(UString, FormattingOfAnyLength)
{
    // Results longer than the 65536-byte working buffer grow instead of
    // overflowing it or being cut.
    const size_t lengths[] = {0, 1, 65534, 65535, 65536, 65537, 200000};
    for (size_t length : lengths) {
        std::string longText(length, 'x');
        UString formatted = formatString("<%s>", longText.c_str());
        EXPECT_EQ(formatted.size(), length + 2) << length;
        EXPECT_EQ(formatted, "<" + longText + ">") << length;
        UString into = "previous contents";
        formatInto(into, "%s%d", longText.c_str(), 7);
        EXPECT_EQ(into, longText + "7") << length;
    }
}

// What the system hands back for an unset variable, for instance.
TEST(UString, NullTextIsEmpty)
{
    EXPECT_TRUE(UString(static_cast<const char*>(nullptr)).empty());
}

} // namespace
