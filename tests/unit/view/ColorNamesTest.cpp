// The wall model's named colours: every entry's value in its order, lookups by name in any letter
// case, and the names of colours.
#include "app/core/wall/ColorNames.h"

#include <gtest/gtest.h>

#include <string>

TEST(ColorNames, TableHoldsTheSixteenColoursInOrder)
{
    const char* names[] = {"Black", "Maroon", "Green",  "Olive",   "Navy", "Purple",
                           "Teal",  "Grey",   "Silver", "Red",     "Lime", "Yellow",
                           "Blue",  "Fushcia", "Aqua",  "White"};
    const COLORREF colors[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                               0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                               0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < kNamedColorCount; ++i) {
        EXPECT_EQ(std::string(names[i]), namedColors()[i].name) << i;
        EXPECT_EQ(colors[i], namedColors()[i].color) << i;
    }
}

TEST(ColorNames, LookupsByNameAndByColour)
{
    COLORREF color = 1;
    EXPECT_TRUE(colorByName("fushcia", &color));
    EXPECT_EQ(0xFF00FFu, color);
    EXPECT_TRUE(colorByName("RED", &color));
    EXPECT_EQ(0x0000FFu, color);
    color = 7;
    EXPECT_FALSE(colorByName("Fuchsia", &color));
    EXPECT_FALSE(colorByName("Reddish", &color));
    EXPECT_FALSE(colorByName(nullptr, &color));
    EXPECT_EQ(7u, color);
    EXPECT_EQ(std::string("Teal"), nameOfColor(0x808000));
    EXPECT_EQ(nullptr, nameOfColor(0x123456));
}
