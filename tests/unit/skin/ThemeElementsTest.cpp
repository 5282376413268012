// The theme's elements by pixels at chosen points: push buttons in their states, radio glyph
// flags, scroll-bar arrows and thumbs, tabs, captions and group boxes.
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

using skintest::Canvas;
using skintest::Near;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

class ThemeElements : public ::testing::Test {
protected:
    void SetUp() override { CLuPainter::InitLuPainter(); }
    COLORREF Colour(UINT index) { return theme.GetThemeColor(index); }

    CLuTheme theme;
    _LUDRAW_PARAM p;
};

TEST_F(ThemeElements, PushButtonOutlineHotRingAndDefaultRing)
{
    Canvas c(80, 30);
    p.rect = CRect(0, 0, 60, 24);
    p.bEnabled = TRUE;
    theme.DrawButton(c.dc(), p);
    EXPECT_EQ(c.At(0, 0), Colour(3)) << "corner pixels in the face colour";
    EXPECT_EQ(c.At(30, 1), Colour(0)) << "outline one pixel in";
    EXPECT_NE(c.At(30, 2), Colour(6));
    EXPECT_NE(c.At(30, 2), Colour(7));

    p.bHot = TRUE;
    theme.DrawButton(c.dc(), p);
    EXPECT_EQ(c.At(30, 2), Colour(6)) << "hot ring";
    EXPECT_EQ(c.At(2, 12), Colour(6));

    p.dwStyle = 0x10000000;  // the default button
    theme.DrawButton(c.dc(), p);
    EXPECT_EQ(c.At(30, 2), Colour(6)) << "hot wins over the default ring";
    p.bHot = FALSE;
    theme.DrawButton(c.dc(), p);
    EXPECT_EQ(c.At(30, 2), Colour(7)) << "default ring";

    c.Clear(kWhite);
    p.bEnabled = FALSE;
    p.dwStyle = 0;
    theme.DrawButton(c.dc(), p);
    EXPECT_EQ(c.At(30, 1), Colour(0));
    EXPECT_NE(c.At(30, 2), Colour(7));
}

TEST_F(ThemeElements, RadioGlyphFlagsFollowPressedHotCheckedAndDisabled)
{
    // The box's glyph sits at the left of the rectangle less one pixel, centred vertically.
    p.rect = CRect(0, 0, 60, 20);
    const CPoint at(1, 1 + (18 - 13) / 2);
    const struct {
        BOOL enabled, pressed, hot;
        WORD state;
        UINT flags;
    } cases[] = {
        {TRUE, FALSE, FALSE, 0, 0x00},   {TRUE, FALSE, FALSE, 1, 0x01}, {TRUE, FALSE, TRUE, 0, 0x10},
        {TRUE, TRUE, FALSE, 1, 0x31},    {TRUE, FALSE, TRUE, 2, 0x11},  {FALSE, FALSE, FALSE, 1, 0x1001},
        {FALSE, TRUE, TRUE, 0, 0x1000},
    };
    for (const auto& k : cases) {
        Canvas drawn(60, 20), expected(60, 20);
        p.bEnabled = k.enabled;
        p.bPressed = k.pressed;
        p.bHot = k.hot;
        p.dwData = MAKELONG(k.state, 0);
        theme.DrawRadioBox(drawn.dc(), p);
        CLuPainter::DrawRadio(expected.dc(), at, k.flags);
        int differing = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                differing += drawn.At(x, y) != expected.At(x, y);
        EXPECT_EQ(0, differing) << "flags 0x" << std::hex << k.flags;
    }
    // The cases are told apart by their pixels: pressed, hot and plain glyphs differ.
    Canvas plain(20, 20), pressed(20, 20), hot(20, 20);
    CLuPainter::DrawRadio(plain.dc(), CPoint(0, 0), 0x01);
    CLuPainter::DrawRadio(pressed.dc(), CPoint(0, 0), 0x31);
    CLuPainter::DrawRadio(hot.dc(), CPoint(0, 0), 0x11);
    int pressedDiffers = 0, hotDiffers = 0;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x) {
            pressedDiffers += plain.At(x, y) != pressed.At(x, y);
            hotDiffers += plain.At(x, y) != hot.At(x, y);
        }
    EXPECT_GT(pressedDiffers, 0);
    EXPECT_GT(hotDiffers, 0);
}

TEST_F(ThemeElements, ScrollBarArrowBordersAndArrowColours)
{
    Canvas c(17, 17);
    p.rect = CRect(0, 0, 17, 17);
    p.dwData = 1;  // the first arrow of a vertical bar: up
    p.bEnabled = TRUE;
    theme.DrawScrollBarArrow(c.dc(), p);
    EXPECT_EQ(c.At(0, 0), Colour(4)) << "border";
    EXPECT_EQ(c.At(16, 8), Colour(4));
    EXPECT_EQ(c.At(1, 1), Colour(5)) << "light inner edge";
    EXPECT_EQ(c.At(15, 15), Colour(1)) << "shaded inner edge";
    // The up arrow (9 x 6) centred at (4, 5): its tip (4, 0) is (8, 5), its row 4 starts at (4, 9).
    EXPECT_EQ(c.At(8, 5), Colour(0));
    EXPECT_EQ(c.At(4, 9), Colour(0));
    EXPECT_NE(c.At(8, 9), Colour(0)) << "the arrow is open in the middle of row 4";
    p.bHot = TRUE;
    theme.DrawScrollBarArrow(c.dc(), p);
    EXPECT_EQ(c.At(8, 5), Colour(7));
    p.bPressed = TRUE;
    theme.DrawScrollBarArrow(c.dc(), p);
    EXPECT_EQ(c.At(8, 5), Colour(6));
    // The second arrow points down: tip at (8, 10).
    p.dwData = 0;
    theme.DrawScrollBarArrow(c.dc(), p);
    EXPECT_EQ(c.At(8, 10), Colour(6));
    p.bEnabled = FALSE;
    theme.DrawScrollBarArrow(c.dc(), p);
    EXPECT_EQ(c.At(0, 0), Colour(9));
    EXPECT_EQ(c.At(2, 2), Colour(3));
    EXPECT_EQ(c.At(8, 10), Colour(9));
}

TEST_F(ThemeElements, ScrollBarThumbHasAGripperOnlyWhenLongEnough)
{
    // A vertical thumb's gripper is 8 pixels long: it needs at least 18.
    const auto gripperPixels = [&](int length) {
        Canvas c(17, 60);
        p.rect = CRect(0, 0, 17, length);
        p.bEnabled = TRUE;
        theme.DrawScrollBarHandle(c.dc(), p);
        EXPECT_EQ(c.At(0, 0), Colour(4)) << length;
        EXPECT_EQ(c.At(1, 1), Colour(5)) << length;
        int n = 0;
        for (int y = 2; y < length - 2; ++y)
            for (int x = 2; x < 15; ++x)
                n += c.At(x, y) == Colour(0);
        return n;
    };
    EXPECT_EQ(0, gripperPixels(17));
    EXPECT_EQ(24, gripperPixels(18)) << "four dark ridges of six pixels";
    EXPECT_EQ(24, gripperPixels(40));
}

TEST_F(ThemeElements, TabsOpenTowardsThePageWhenSelected)
{
    Canvas c(60, 30);
    p.bItem = TRUE;
    p.rect = CRect(10, 5, 50, 25);
    p.dwData = 1;
    theme.DrawTab(c.dc(), p);
    EXPECT_EQ(c.At(30, 5), Colour(0)) << "top edge";
    EXPECT_EQ(c.At(10, 15), Colour(0)) << "left edge";
    EXPECT_EQ(c.At(49, 15), Colour(0)) << "right edge";
    EXPECT_NE(c.At(30, 24), Colour(0)) << "no bottom edge";
    EXPECT_TRUE(Near(c.At(30, 25), Colour(1), 8)) << "filled one row past the bottom";

    c.Clear(kWhite);
    p.dwData = 0;
    theme.DrawTab(c.dc(), p);
    EXPECT_EQ(c.At(30, 24), Colour(0)) << "bottom edge";
    EXPECT_NE(c.At(30, 5), Colour(0)) << "no top edge";
    EXPECT_TRUE(Near(c.At(30, 4), Colour(4), 8)) << "filled one row above the top";

    c.Clear(kWhite);
    p.bItem = FALSE;  // a separator: a line down the right edge, 6 pixels short of each end
    theme.DrawTab(c.dc(), p);
    EXPECT_EQ(c.At(49, 11), Colour(0));
    EXPECT_EQ(c.At(49, 18), Colour(0));
    EXPECT_EQ(c.At(49, 10), kWhite);
    EXPECT_EQ(c.At(49, 19), kWhite);
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 49, 30), 0);
}

TEST_F(ThemeElements, CaptionGradientRunsDarkToLightWhenActive)
{
    const COLORREF dark = RGB(202, 202, 204);   // BlendColors(colour 4, colour 5, 50)
    const COLORREF light = RGB(251, 251, 248);  // LightColor(colour 3, 80)
    Canvas c(100, 20);
    p.rect = CRect(0, 0, 100, 20);
    p.bPressed = TRUE;
    theme.DrawCaption(c.dc(), p);
    EXPECT_TRUE(Near(c.At(50, 0), dark, 3));
    EXPECT_TRUE(Near(c.At(50, 18), light, 8));
    EXPECT_EQ(c.At(50, 19), Colour(3)) << "the edge line along the bottom";
    p.bPressed = FALSE;
    theme.DrawCaption(c.dc(), p);
    EXPECT_TRUE(Near(c.At(50, 0), light, 3));
    EXPECT_TRUE(Near(c.At(50, 18), dark, 8));
    p.bHorz = TRUE;  // left to right, the line down the right edge
    theme.DrawCaption(c.dc(), p);
    EXPECT_TRUE(Near(c.At(0, 10), light, 3));
    EXPECT_EQ(c.At(99, 10), Colour(3));
}

TEST_F(ThemeElements, GroupBoxFrameAndCaptionPlaces)
{
    Canvas c(100, 60);
    CDC& dc = c.dc();
    const HGDIOBJ old = dc.SelectObject(theme.GetThemeFont());
    p.strText = "WW";
    const CSize ext = dc.GetTextExtent(p.strText);
    p.rect = CRect(0, 0, 100, 60);
    theme.DrawGroupBox(dc, p);
    const int line = 1 + ext.cy / 2;
    EXPECT_EQ(c.At(1, 40), Colour(4)) << "left edge";
    EXPECT_EQ(c.At(93, line), Colour(4)) << "the top edge beyond the caption";
    EXPECT_NE(c.At(6, line), Colour(4)) << "the caption box covers the edge";

    c.Clear(kWhite);
    p.dwStyle = 0x200;  // caption on the right
    theme.DrawGroupBox(dc, p);
    EXPECT_EQ(c.At(6, line), Colour(4));
    EXPECT_NE(c.At(100 - 5 - ext.cx + 1, line), Colour(4));
    dc.SelectObject(old);
}

}  // namespace
