// The theme's colour table, scheme building from five base colours, fonts and a few drawing
// operations checked by pixels.
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

#include <cstring>

using skintest::Canvas;

namespace {

const COLORREF kDefaultTable[17] = {
    RGB(63, 63, 71),    RGB(197, 197, 199), RGB(0, 0, 0),       RGB(239, 236, 222),
    RGB(174, 174, 177), RGB(231, 231, 232), RGB(230, 139, 44),  RGB(120, 120, 126),
    RGB(0, 0, 0),       RGB(128, 128, 128), RGB(128, 128, 128), RGB(228, 228, 229),
    RGB(33, 161, 33),   RGB(239, 236, 222), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(235, 235, 236)};

COLORREF BrushColour(CBrush* pBrush)
{
    LOGBRUSH lb{};
    pBrush->GetObject(sizeof(lb), &lb);
    return lb.lbColor;
}

}  // namespace

TEST(Theme, FreshThemeHoldsTheDefaultTable)
{
    CLuTheme theme;
    for (UINT i = 0; i < 17; ++i)
        EXPECT_EQ(theme.GetThemeColor(i), kDefaultTable[i]) << "index " << i;
    EXPECT_EQ(BrushColour(theme.GetBntFaceBrush()), RGB(239, 236, 222));
    EXPECT_NE(theme.GetThemeFont()->GetSafeHandle(), nullptr);
    EXPECT_NE(theme.GetThemeBoldFont()->GetSafeHandle(), nullptr);
    EXPECT_EQ(CLuPainter::m_clrFocus, RGB(63, 63, 71));
}

TEST(Theme, AutoBuildWithDefaultInputsGivesTheDefaultTable)
{
    CLuTheme theme;
    theme.AutoBuildColorTheme(RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4), RGB(5, 5, 5));
    theme.AutoBuildColorTheme(RGB(63, 63, 71), RGB(239, 236, 222), RGB(0, 0, 0), RGB(128, 128, 128),
                              RGB(255, 255, 255));
    for (UINT i = 0; i < 17; ++i)
        EXPECT_EQ(theme.GetThemeColor(i), kDefaultTable[i]) << "index " << i;
}

TEST(Theme, SchemeFromFiveBaseColours)
{
    CLuTheme theme;
    theme.AutoBuildColorTheme(RGB(0, 64, 128), RGB(240, 240, 240), RGB(20, 20, 20), RGB(90, 90, 90),
                              RGB(250, 250, 200));
    const COLORREF expected[17] = {
        RGB(0, 64, 128),    RGB(178, 197, 216), RGB(20, 20, 20),    RGB(240, 240, 240),
        RGB(148, 174, 201), RGB(224, 231, 239), RGB(230, 139, 44),  RGB(76, 121, 166),
        RGB(20, 20, 20),    RGB(90, 90, 90),    RGB(90, 90, 90),    RGB(219, 228, 237),
        RGB(33, 161, 33),   RGB(240, 240, 240), RGB(250, 250, 200), RGB(250, 250, 200),
        RGB(229, 235, 242)};
    for (UINT i = 0; i < 17; ++i)
        EXPECT_EQ(theme.GetThemeColor(i), expected[i]) << "index " << i;
    EXPECT_EQ(BrushColour(theme.GetBntFaceBrush()), RGB(240, 240, 240));
    EXPECT_EQ(CLuPainter::m_clrFocus, RGB(0, 64, 128));

    // 0xFFFFFFFF keeps face, text, disabled and window; the base is always taken.
    theme.AutoBuildColorTheme(RGB(63, 63, 71), LU_DEFAULT_COLOR, LU_DEFAULT_COLOR, LU_DEFAULT_COLOR,
                              LU_DEFAULT_COLOR);
    EXPECT_EQ(theme.GetThemeColor(3), RGB(240, 240, 240));
    EXPECT_EQ(theme.GetThemeColor(2), RGB(20, 20, 20));
    EXPECT_EQ(theme.GetThemeColor(9), RGB(90, 90, 90));
    EXPECT_EQ(theme.GetThemeColor(14), RGB(250, 250, 200));
    EXPECT_EQ(theme.GetThemeColor(1), RGB(197, 197, 199));
    EXPECT_EQ(theme.GetThemeColor(13), RGB(240, 240, 240));
    theme.DefaultColorTheme();
    EXPECT_EQ(theme.GetThemeColor(3), RGB(239, 236, 222));
}

TEST(Theme, SetThemeColorLeavesTheBrushUntilRebuilt)
{
    CLuTheme theme;
    EXPECT_EQ(theme.SetThemeColor(3, RGB(10, 20, 30)), RGB(239, 236, 222));
    EXPECT_EQ(theme.GetThemeColor(3), RGB(10, 20, 30));
    EXPECT_EQ(theme.GetThemeColor(13), RGB(239, 236, 222));  // no derivation either
    EXPECT_EQ(BrushColour(theme.GetBntFaceBrush()), RGB(239, 236, 222));
    theme.SetThemeColor(0, RGB(1, 2, 3));
    theme.BuildColorTheme();
    EXPECT_EQ(BrushColour(theme.GetBntFaceBrush()), RGB(10, 20, 30));
    EXPECT_EQ(CLuPainter::m_clrFocus, RGB(1, 2, 3));
    // Indexes outside the table are refused instead of writing past it.
    EXPECT_EQ(theme.SetThemeColor(17, RGB(1, 1, 1)), CLR_INVALID);
    EXPECT_EQ(theme.GetThemeColor(40), CLR_INVALID);
    EXPECT_EQ(theme.GetThemeColor(16), RGB(235, 235, 236));
}

TEST(Theme, FontsFromFaceAndPointSize)
{
    CLuTheme theme;
    ASSERT_TRUE(theme.SetThemeBoldFont("Tahoma", 12));
    LOGFONTA lf{};
    ASSERT_TRUE(theme.GetThemeBoldFont()->GetLogFont(&lf));
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
    HDC hScreen = ::GetDC(nullptr);
    EXPECT_EQ(lf.lfHeight, -::MulDiv(12, ::GetDeviceCaps(hScreen, LOGPIXELSY), 72));
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);

    // Sixteen two-byte characters are 32 bytes: the face keeps fifteen whole ones.
    const CString longFace("高清多画面分割器高清多画面分割器");
    ASSERT_TRUE(theme.SetThemeFont(longFace, 9));
    ASSERT_TRUE(theme.GetThemeFont()->GetLogFont(&lf));
    EXPECT_EQ(lf.lfWeight, 400);
    EXPECT_EQ(CString(lf.lfFaceName), longFace.Left(30));
}

TEST(Theme, ManagerOwnsOneTheme)
{
    CLuThemeManager* pManager = CLuThemeManager::Instance();
    ASSERT_EQ(pManager, CLuThemeManager::Instance());
    CLuTheme* pOriginal = pManager->GetTheme();
    ASSERT_NE(pOriginal, nullptr);
    CLuTheme* pMine = new CLuTheme;
    EXPECT_EQ(pManager->SetTheme(pMine), pOriginal);
    EXPECT_EQ(pManager->GetTheme(), pMine);
    EXPECT_EQ(pManager->SetTheme(pOriginal), pMine);
    delete pMine;
}

TEST(ThemeDraw, CheckBoxMarksAndTextlessBoxes)
{
    CLuPainter::InitLuPainter();
    CLuTheme theme;
    Canvas c(60, 20);
    _LUDRAW_PARAM p;
    p.rect = CRect(0, 0, 40, 17);
    p.bEnabled = TRUE;
    p.dwData = MAKELONG(2, 0);  // indeterminate, no text
    theme.DrawCheckBox(c.dc(), p);
    // Box at (1, 2) .. (14, 15); the mark centred in it at (4, 5), its pixel (6, 0) at (10, 5).
    EXPECT_EQ(c.At(1, 2), theme.GetThemeColor(0));
    EXPECT_EQ(c.At(10, 5), theme.GetThemeColor(9));
    EXPECT_EQ(c.At(30, 8), RGB(255, 255, 255));  // no background without text
    p.dwData = MAKELONG(1, 0);
    theme.DrawCheckBox(c.dc(), p);
    EXPECT_EQ(c.At(10, 5), theme.GetThemeColor(12));
    p.dwData = MAKELONG(1, 1);
    p.strText = "";
    theme.DrawCheckBox(c.dc(), p);
    EXPECT_EQ(c.At(30, 8), theme.GetThemeColor(3));  // with the text flag: face background
}

TEST(ThemeDraw, ClientAndCloseButtons)
{
    CLuTheme theme;
    Canvas c(40, 40);
    _LUDRAW_PARAM p;
    p.rect = CRect(0, 0, 20, 20);
    p.bEnabled = TRUE;
    theme.DrawClientRect(c.dc(), p);
    EXPECT_EQ(c.At(0, 10), theme.GetThemeColor(4));
    EXPECT_EQ(c.At(10, 10), theme.GetThemeColor(14));
    p.bEnabled = FALSE;
    theme.DrawClientRect(c.dc(), p);
    EXPECT_EQ(c.At(0, 10), theme.GetThemeColor(9));
    EXPECT_EQ(c.At(10, 10), theme.GetThemeColor(3));
    p.nBkColor = 12;
    theme.FillClient(c.dc(), p);
    EXPECT_EQ(c.At(0, 10), theme.GetThemeColor(12));

    c.Clear(RGB(255, 255, 255));
    p.rect = CRect(0, 0, 7, 7);  // smaller than the 8 x 7 close mark
    p.bEnabled = TRUE;
    p.bHot = TRUE;
    theme.DrawTCloseButton(c.dc(), p);
    EXPECT_EQ(c.CountNot(RGB(255, 255, 255), 0, 0, 40, 40), 0);
    p.rect = CRect(0, 0, 16, 16);
    theme.DrawTCloseButton(c.dc(), p);
    EXPECT_GT(c.CountNot(RGB(255, 255, 255), 0, 0, 40, 40), 0);
}
