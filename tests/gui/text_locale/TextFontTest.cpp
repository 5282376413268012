// Fonts chosen by what they draw: the theme's two fonts, a face asked for by name, the
// shortened strings of the painter and tooltips draw Latin letters, digits, the dots of "..."
// and Chinese as real glyphs, under whatever code page the test runs (the locale layer runs it
// under 1252).
#include "GlyphInk.h"

#include "fx/win/Controls.h"
#include "fx/win/Gdi.h"
#include "fx/win/TextFont.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using textcheck::Canvas;
using textcheck::InkMap;
using textcheck::kMinDistinctColumns;

namespace {

// GBK text drawn in the font through the framework's DC on a white canvas.
InkMap Drawn(CFont& font, LPCSTR text)
{
    Canvas canvas(480, 64);
    CDC dc;
    dc.Attach(canvas.dc());
    {
        CScopedSelect select(dc, font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.TextOut(4, 12, text);
    }
    dc.Detach();
    return canvas.Ink();
}

void ExpectDrawsAll(CFont& font, const char* which)
{
    EXPECT_GE(Drawn(font, "GradientFill 9600").DistinctColumns(), kMinDistinctColumns)
        << which << ": Latin letters and digits come out as boxes or not at all";
    EXPECT_GE(Drawn(font, "高清多画面分割器").DistinctColumns(), kMinDistinctColumns)
        << which << ": Chinese comes out as boxes or not at all";
    std::string why;
    EXPECT_TRUE(textcheck::EndsInDots(Drawn(font, "高清多..."), &why)) << which << ": " << why;
    EXPECT_TRUE(fx::FontHasGlyphs(font, fx::kTextFontSample)) << which;
}

int ScreenDpi()
{
    HDC hScreen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    return dpi;
}

}  // namespace

// The locale layer says which code page it runs under; without that check a run that silently
// fell back to the default locale would pass for one under 1252.
TEST(TextLocale, RunsUnderTheCodePageAskedFor)
{
    const char* expected = std::getenv("TAVELO_EXPECT_ACP");
    if (expected == nullptr)
        GTEST_SKIP() << "no code page asked for";
    EXPECT_EQ(static_cast<UINT>(std::atoi(expected)), ::GetACP());
}

TEST(TextFont, ThemeFontsDrawLatinDigitsDotsAndChinese)
{
    CLuTheme theme;
    ExpectDrawsAll(*theme.GetThemeFont(), "theme font");
    ExpectDrawsAll(*theme.GetThemeBoldFont(), "theme bold font");
}

TEST(TextFont, AFaceWithoutOneScriptGivesWayAtTheSameSizeAndStyle)
{
    LOGFONTW wanted{};
    wanted.lfHeight = -17;
    wanted.lfWeight = FW_BOLD;
    wanted.lfItalic = TRUE;
    wanted.lfCharSet = ANSI_CHARSET;
    wcscpy(wanted.lfFaceName, L"Tavelo No Such Face");
    const LOGFONTW chosen = fx::TextLogFont(wanted);
    EXPECT_EQ(chosen.lfHeight, -17);
    EXPECT_EQ(chosen.lfWeight, FW_BOLD);
    EXPECT_EQ(chosen.lfItalic, TRUE);
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&chosen));
    EXPECT_TRUE(fx::FontHasGlyphs(font, fx::kTextFontSample));
    ExpectDrawsAll(font, "fitted face");

    // A font that draws everything already is kept as it is.
    const LOGFONTW again = fx::TextLogFont(chosen);
    EXPECT_EQ(0, std::memcmp(&again, &chosen, sizeof(LOGFONTW)));
}

TEST(TextFont, OnlyCharactersThatAreDrawnNeedGlyphs)
{
    CFont font;
    const LOGFONTW lf = fx::SystemTextFont(fx::SystemFont::Message);
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    EXPECT_TRUE(fx::FontHasGlyphs(font, L"&OK\r\n\t\x786E"));
    EXPECT_TRUE(fx::FontHasGlyphs(font, L""));
    // A noncharacter has a glyph in no font.
    EXPECT_FALSE(fx::FontHasGlyphs(font, L"OK\xFFFF"));
    EXPECT_FALSE(fx::FontHasGlyphs(nullptr, L"OK"));
}

TEST(TextFont, ThemeFontsSetByNameKeepTheirSizeInAFaceThatDrawsBoth)
{
    CLuTheme theme;
    ASSERT_TRUE(theme.SetThemeFont("Tavelo No Such Face", 12));
    ASSERT_TRUE(theme.SetThemeBoldFont("宋体", 10));
    LOGFONTW lf{};
    ASSERT_TRUE(theme.GetThemeFont()->GetLogFont(&lf));
    EXPECT_EQ(lf.lfHeight, -::MulDiv(12, ScreenDpi(), 72));
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    ASSERT_TRUE(theme.GetThemeBoldFont()->GetLogFont(&lf));
    EXPECT_EQ(lf.lfHeight, -::MulDiv(10, ScreenDpi(), 72));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    ExpectDrawsAll(*theme.GetThemeFont(), "font set by an unknown name");
    ExpectDrawsAll(*theme.GetThemeBoldFont(), "bold font set by a Chinese name");
}

TEST(TextFont, ShortenedStringsFitAndEndInDrawnDots)
{
    CLuTheme theme;
    Canvas canvas(200, 40);
    CDC dc;
    dc.Attach(canvas.dc());
    {
        CScopedSelect select(dc, *theme.GetThemeFont());
        const int width = dc.GetTextExtent("高清多画面").cx;
        CString out;
        const int n = CLuPainter::MakeShortString(dc, "高清多画面分割器", out, width);
        EXPECT_EQ(n, out.GetLength());
        ASSERT_GE(out.GetLength(), 3);
        EXPECT_EQ(out.Right(3), CString("..."));
        EXPECT_LE(dc.GetTextExtent(out).cx, width);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 0));
        CRect rc(4, 0, 200, 40);
        CLuPainter::DrawHorizText(dc, out, rc, TRUE);
    }
    dc.Detach();
    std::string why;
    EXPECT_TRUE(textcheck::EndsInDots(canvas.Ink(), &why)) << why;
}

TEST(TextFont, TooltipsGetAFontWithBothScripts)
{
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(nullptr));
    HFONT hFont = reinterpret_cast<HFONT>(tip.SendMessage(WM_GETFONT));
    EXPECT_TRUE(fx::FontHasGlyphs(hFont, fx::kTextFontSample));
    tip.DestroyWindow();
}
