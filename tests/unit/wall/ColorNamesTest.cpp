// The table of named colours: every name with its value in its place, lookups both ways.
#include "app/core/wall/ColorNames.h"

#include <gtest/gtest.h>

#include <string>

TEST(ColorNames, SixteenNamesWithTheirValuesInOrder)
{
    const struct {
        const char* name;
        COLORREF color;
    } expected[COLOR_NAME_COUNT] = {
        {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000},  {"Olive", 0x008080},
        {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},   {"Grey", 0x808080},
        {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},   {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},   {"Fushcia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
    };
    const ColorName* table = colorNames();
    for (int i = 0; i < COLOR_NAME_COUNT; ++i) {
        EXPECT_EQ(std::string(expected[i].name), table[i].name) << i;
        EXPECT_EQ(expected[i].color, table[i].color) << expected[i].name;
    }
}

TEST(ColorNames, LookupsByNameAndByValue)
{
    COLORREF color = 0x12345678;
    EXPECT_TRUE(colorOfName("Navy", &color));
    EXPECT_EQ(0x800000u, color) << "blue is the high byte";
    EXPECT_TRUE(colorOfName("fushcia", &color));
    EXPECT_EQ(0xFF00FFu, color);
    EXPECT_TRUE(colorOfName("AQUA", &color));
    EXPECT_EQ(0xFFFF00u, color);

    color = 0x12345678;
    EXPECT_FALSE(colorOfName("Fuchsia", &color)) << "only the table's own spelling";
    EXPECT_FALSE(colorOfName("Gre", &color));
    EXPECT_FALSE(colorOfName("Greyish", &color));
    EXPECT_FALSE(colorOfName("", &color));
    EXPECT_FALSE(colorOfName(nullptr, &color));
    EXPECT_EQ(0x12345678u, color) << "a miss leaves the colour alone";

    EXPECT_STREQ("Red", nameOfColor(0x0000FF));
    EXPECT_STREQ("Silver", nameOfColor(0xC0C0C0));
    EXPECT_EQ(nullptr, nameOfColor(0x010101));
}
