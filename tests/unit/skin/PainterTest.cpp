// Painter primitives checked by their pixels on a memory bitmap.
#include "skin/theme/GdiWrappers.h"
#include "skin/theme/Painter.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

using skintest::Canvas;
using skintest::Near;
typedef CLuPainter P;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// Runs the body with the system gradient library loaded or with the painter's own fall-back.
class PainterTest : public ::testing::Test {
protected:
    void SetUp() override { P::InitLuPainter(); P::m_bIsLowColorQuality = FALSE; }
    void TearDown() override { P::InitLuPainter(); }
    static void WithoutMsImg() { P::UnInitLuPainter(); }
};

}  // namespace

TEST_F(PainterTest, ColourArithmeticInPercent)
{
    EXPECT_EQ(P::LightColor(RGB(63, 63, 71), 70), RGB(197, 197, 199));
    EXPECT_EQ(P::ShadowColor(RGB(197, 197, 199), 40), RGB(174, 174, 177));
    EXPECT_EQ(P::LightColor(RGB(12, 34, 56), 0), RGB(12, 34, 56));
    EXPECT_EQ(P::LightColor(RGB(12, 34, 56), 100), kWhite);
    // A dark channel with a large shadow percentage wraps in its low 8 bits: 10 - 245 = -235.
    EXPECT_EQ(P::ShadowColor(RGB(10, 255, 255), 100), RGB(21, 255, 255));
    EXPECT_EQ(P::BlendColors(RGB(1, 2, 3), RGB(200, 100, 50), 100), RGB(1, 2, 3));
    EXPECT_EQ(P::BlendColors(RGB(1, 2, 3), RGB(200, 100, 50), 0), RGB(200, 100, 50));
    EXPECT_EQ(P::BlendColors(RGB(0, 0, 0), RGB(200, 100, 51), 50), RGB(100, 50, 25));
}

TEST_F(PainterTest, MsImgEntryPointsComeAndGo)
{
    EXPECT_NE(P::m_hMsImgDll, nullptr);
    EXPECT_NE(P::m_pfnFastGradientFill, nullptr);
    EXPECT_NE(P::m_pfnAlphaBlend, nullptr);
    EXPECT_TRUE(P::IsSupportAlphaBlend());
    WithoutMsImg();
    EXPECT_EQ(P::m_hMsImgDll, nullptr);
    EXPECT_EQ(P::m_pfnFastGradientFill, nullptr);
    EXPECT_FALSE(P::IsSupportAlphaBlend());
}

TEST_F(PainterTest, GradientFallbackFillsLineByLine)
{
    WithoutMsImg();
    Canvas c(120, 40);
    const COLORREF to = RGB(200, 100, 0);
    P::GradientFill(c.dc(), CRect(0, 0, 100, 10), kBlack, to, TRUE);
    EXPECT_EQ(c.At(0, 5), kBlack);                  // 100 % of the first colour
    EXPECT_EQ(c.At(50, 5), RGB(100, 50, 0));        // line 50 of 100: 50 %
    EXPECT_EQ(c.At(99, 5), RGB(198, 99, 0));        // line 99: 1 % of the first colour
    EXPECT_EQ(c.At(100, 5), kWhite);                // right edge excluded
    P::GradientFill(c.dc(), CRect(0, 20, 10, 40), kBlack, to, FALSE);
    EXPECT_EQ(c.At(5, 20), kBlack);
    EXPECT_EQ(c.At(5, 30), RGB(100, 50, 0));        // row 10 of 20
    EXPECT_EQ(c.At(5, 39), RGB(190, 95, 0));        // row 19 of 20: 5 %
}

TEST_F(PainterTest, GradientWithSystemRoutineReachesBothEnds)
{
    Canvas c(120, 20);
    const COLORREF to = RGB(200, 100, 0);
    P::GradientFill(c.dc(), CRect(0, 0, 100, 10), kBlack, to, TRUE);
    EXPECT_TRUE(Near(c.At(0, 5), kBlack, 3));
    EXPECT_TRUE(Near(c.At(50, 5), RGB(100, 50, 0), 4));
    EXPECT_TRUE(Near(c.At(99, 5), to, 4));
    EXPECT_EQ(c.At(100, 5), kWhite);
}

TEST_F(PainterTest, GradientSpecialCases)
{
    Canvas c(40, 40);
    P::GradientFill(c.dc(), CRect(5, 5, 5, 30), kBlack, RGB(9, 9, 9), TRUE);  // empty
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 40, 40), 0);
    P::GradientFill(c.dc(), CRect(0, 0, 10, 10), RGB(7, 8, 9), RGB(7, 8, 9), TRUE);
    EXPECT_EQ(c.CountNot(RGB(7, 8, 9), 0, 0, 10, 10), 0);
    // A low-colour screen gets the first colour only.
    P::m_bIsLowColorQuality = TRUE;
    P::GradientFill(c.dc(), CRect(20, 20, 40, 40), RGB(1, 2, 3), RGB(250, 250, 250), FALSE);
    P::m_bIsLowColorQuality = FALSE;
    EXPECT_EQ(c.CountNot(RGB(1, 2, 3), 20, 20, 40, 40), 0);
}

TEST_F(PainterTest, VitreousBandsSplitAtHalfFromTheFarEdge)
{
    WithoutMsImg();
    Canvas c(20, 20);
    const COLORREF a = RGB(100, 0, 0), b = RGB(200, 0, 0);
    // Height 11: the first band ends 5 rows before the bottom, so it is the larger one.
    P::DrawVitreousRect(c.dc(), CRect(0, 0, 10, 11), a, b, TRUE, 0, VITREOUS_DEFAULT);
    EXPECT_EQ(c.At(3, 0), b);
    EXPECT_EQ(c.At(3, 6), a);
    EXPECT_EQ(c.At(3, 5), P::BlendColors(b, P::BlendColors(a, b, 40), 100 - 5 * 100 / 6));
    // Mirrored: B -> A then A -> B.
    P::DrawVitreousRect(c.dc(), CRect(0, 0, 10, 10), a, b, FALSE, 0, VITREOUS_MIRROR);
    EXPECT_EQ(c.At(0, 3), b);
    EXPECT_EQ(c.At(5, 3), a);
}

TEST_F(PainterTest, OutlinesAndFills)
{
    Canvas c(30, 30);
    P::DrawRect(c.dc(), CRect(2, 2, 12, 12), kBlack);
    EXPECT_EQ(c.At(2, 2), kBlack);
    EXPECT_EQ(c.At(11, 11), kBlack);
    EXPECT_EQ(c.At(11, 5), kBlack);
    EXPECT_EQ(c.At(12, 5), kWhite);
    EXPECT_EQ(c.At(5, 5), kWhite);
    P::DrawFillRect(c.dc(), CRect(15, 15, 25, 25), kBlack, RGB(0, 200, 0));
    EXPECT_EQ(c.At(15, 20), kBlack);
    EXPECT_EQ(c.At(16, 20), RGB(0, 200, 0));
    EXPECT_EQ(c.At(23, 23), RGB(0, 200, 0));
    EXPECT_EQ(c.At(24, 23), kBlack);
}

TEST_F(PainterTest, RoundRectSoftensItsCorners)
{
    Canvas c(30, 30);
    P::DrawRoundRect(c.dc(), CRect(0, 0, 20, 20), kBlack);
    EXPECT_EQ(c.At(3, 0), kBlack);
    EXPECT_EQ(c.At(16, 0), kBlack);
    EXPECT_EQ(c.At(0, 0), kWhite);
    // Blur steps on white with a black edge: (2,0) keeps 20 % -> 51; (1,0) keeps 60 % of white
    // against 51 -> 173; (1,1) keeps 20 % against black -> 51.
    EXPECT_EQ(c.At(2, 0), RGB(51, 51, 51));
    EXPECT_EQ(c.At(1, 0), RGB(173, 173, 173));
    EXPECT_EQ(c.At(1, 1), RGB(51, 51, 51));
    EXPECT_EQ(c.At(2, 1), RGB(173, 173, 173));
    EXPECT_EQ(c.At(17, 0), RGB(51, 51, 51));       // top-right mirror of (2,0)
    EXPECT_EQ(c.At(19, 17), RGB(51, 51, 51));      // bottom-right, along the right edge
    EXPECT_EQ(c.At(19, 19), kWhite);
}

TEST_F(PainterTest, RoundRectExDrawsOnlyEdgesWithBothCorners)
{
    Canvas c(30, 30);
    P::DrawRoundRectEx(c.dc(), CRect(0, 0, 20, 20), kBlack, LU_CORNER_TL | LU_CORNER_TR);
    EXPECT_EQ(c.At(10, 0), kBlack);                // top edge
    EXPECT_EQ(c.At(0, 10), kWhite);                // no left edge
    EXPECT_EQ(c.At(19, 10), kWhite);               // no right edge
    EXPECT_EQ(c.At(10, 19), kWhite);               // no bottom edge
    EXPECT_EQ(c.At(2, 0), RGB(51, 51, 51));        // top corners smoothed
    EXPECT_EQ(c.At(17, 0), RGB(51, 51, 51));
}

TEST_F(PainterTest, AlphaLinesAndShadow)
{
    Canvas c(40, 40);
    c.Clear(kBlack);
    P::DrawAlphaLine(c.dc(), CPoint(0, 0), CPoint(10, 10), kWhite, 50);  // diagonal: nothing
    EXPECT_EQ(c.CountNot(kBlack, 0, 0, 40, 40), 0);
    P::DrawAlphaLine(c.dc(), CPoint(10, 5), CPoint(2, 5), RGB(200, 200, 200), 50);
    EXPECT_EQ(c.At(2, 5), RGB(100, 100, 100));
    EXPECT_EQ(c.At(9, 5), RGB(100, 100, 100));
    EXPECT_EQ(c.At(10, 5), kBlack);                // end excluded
    P::DrawAlphaLine(c.dc(), CPoint(30, 30), CPoint(30, 30), RGB(200, 200, 200), 50);
    EXPECT_EQ(c.At(30, 30), RGB(100, 100, 100));   // a single point is drawn

    Canvas s(30, 30);
    P::DrawShadowRect(s.dc(), CRect(0, 0, 20, 20), kBlack);
    EXPECT_EQ(s.At(17, 5), kBlack);                              // outline right - 3
    EXPECT_EQ(s.At(18, 5), RGB(123, 123, 123));                  // 75 % of grey 80 on white
    EXPECT_EQ(s.At(19, 5), RGB(202, 202, 202));                  // 30 %
    EXPECT_EQ(s.At(5, 18), RGB(123, 123, 123));
    EXPECT_EQ(s.At(5, 19), RGB(202, 202, 202));
}

TEST_F(PainterTest, ButtonRectCornersRowsAndOutline)
{
    WithoutMsImg();
    Canvas c(40, 30);
    const COLORREF corner = RGB(1, 2, 3), outline = RGB(10, 20, 30);
    const COLORREF light = RGB(200, 200, 200), dark = RGB(100, 100, 100);
    P::DrawButtonRect(c.dc(), CRect(0, 0, 30, 20), corner, outline, light, dark, FALSE);
    // The corner pixels themselves; their neighbours are softened by the outline afterwards.
    EXPECT_EQ(c.At(0, 0), corner);
    EXPECT_EQ(c.At(29, 0), corner);
    EXPECT_EQ(c.At(29, 19), corner);
    EXPECT_EQ(c.At(10, 0), outline);
    EXPECT_EQ(c.At(0, 10), outline);
    const COLORREF L = P::LightColor(light, 10);
    EXPECT_EQ(c.At(1, 10), L);                      // light side column
    EXPECT_EQ(c.At(10, 1), L);                      // top light row starts at L (1-pixel gradient)
    const COLORREF D2 = P::LightColor(P::LightColor(dark, 10), 20);
    EXPECT_EQ(c.At(10, 18), D2);                    // bottom row from D2
}

TEST_F(PainterTest, GlyphPatterns)
{
    Canvas c(60, 60);
    const COLORREF red = RGB(255, 0, 0);
    P::DrawArrow(c.dc(), CPoint(0, 0), red, LUARROW_UP);
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 9, 6), 23);
    EXPECT_EQ(c.At(4, 0), red);
    EXPECT_EQ(c.At(0, 4), red);
    EXPECT_EQ(c.At(4, 4), kWhite);                  // the arrow's notch
    c.Clear(kWhite);
    P::DrawArrow(c.dc(), CPoint(0, 0), red, LUARROW_DOWN);
    EXPECT_EQ(c.At(4, 5), red);
    EXPECT_EQ(c.At(0, 1), red);
    c.Clear(kWhite);
    P::DrawArrow(c.dc(), CPoint(0, 0), red, LUARROW_RIGHT);
    EXPECT_EQ(c.At(5, 4), red);
    EXPECT_EQ(c.At(1, 0), red);
    EXPECT_EQ(P::ArrowSize(LUARROW_LEFT), CSize(6, 9));

    c.Clear(kWhite);
    P::DrawDArrow(c.dc(), CPoint(0, 0), red, LUARROW_UP);
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 5, 8), 20);
    EXPECT_EQ(c.At(2, 0), red);
    EXPECT_EQ(c.At(2, 4), red);
    EXPECT_EQ(c.At(0, 3), red);
    c.Clear(kWhite);
    P::DrawCheckMark(c.dc(), CPoint(10, 10), red);
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 60, 60), 21);
    EXPECT_EQ(c.At(16, 10), red);
    EXPECT_EQ(c.At(12, 16), red);
    c.Clear(kWhite);
    P::DrawStatusBarGripper(c.dc(), CPoint(0, 0), kBlack);
    EXPECT_EQ(c.At(8, 0), kBlack);                  // dark square up-left of light (9,1)
    EXPECT_EQ(c.At(10, 2), P::LightColor(kBlack, 90));
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 11, 11), 6 * 7);  // six dots of 2x2 over 2x2, overlapping 1
    c.Clear(kWhite);
    P::DrawTopRound(c.dc(), CPoint(0, 0), kBlack, red, FALSE);
    EXPECT_EQ(c.At(0, 0), kBlack);
    EXPECT_EQ(c.At(0, 1), red);
    EXPECT_EQ(c.At(5, 5), kBlack);
    EXPECT_EQ(c.At(5, 0), kWhite);
}

TEST_F(PainterTest, RadioStatesDiffer)
{
    Canvas c(60, 20);
    P::DrawRadio(c.dc(), CPoint(0, 0), 0);
    P::DrawRadio(c.dc(), CPoint(20, 0), LU_RADIO_CHECKED);
    P::DrawRadio(c.dc(), CPoint(40, 0), LU_RADIO_DISABLED | LU_RADIO_CHECKED);
    EXPECT_EQ(c.At(0, 0), kWhite);                  // corners stay untouched
    EXPECT_NE(c.At(6, 6), c.At(26, 6));             // the dot
    EXPECT_EQ(c.At(46, 6), RGB(169, 178, 230));     // disabled dot tone
    EXPECT_EQ(c.At(40, 6), RGB(169, 178, 230));     // disabled ring
}

TEST_F(PainterTest, TextHelpers)
{
    Canvas c(200, 40);
    CRect rcLeft(0, 0, 200, 20);
    P::DrawHorizText(c.dc(), "I", rcLeft, TRUE);
    CRect rcCentre(0, 20, 200, 40);
    P::DrawHorizText(c.dc(), "I", rcCentre, FALSE);
    auto firstInk = [&](int y0, int y1) {
        for (int x = 0; x < 200; ++x)
            if (c.CountNot(kWhite, x, y0, x + 1, y1) != 0)
                return x;
        return -1;
    };
    EXPECT_GE(firstInk(0, 20), 0);
    EXPECT_LT(firstInk(0, 20), 10);
    EXPECT_GT(firstInk(20, 40), 80);

    CString out;
    const char* text = "ABCDEFGHIJKLMNOP";
    EXPECT_EQ(P::MakeShortString(c.dc(), text, out, 10000), 16);
    EXPECT_EQ(out, text);
    const int width = c.dc().GetTextExtent("ABCDEFG", 7).cx;
    P::MakeShortString(c.dc(), text, out, width);
    ASSERT_GE(out.GetLength(), 4);
    EXPECT_EQ(out.Right(3), "...");
    EXPECT_LT(out.GetLength(), 16);
    EXPECT_LE(c.dc().GetTextExtent(out.Left(out.GetLength() - 3)).cx + c.dc().GetTextExtent("...").cx, width);
}

TEST_F(PainterTest, ShortStringNeverSplitsATwoByteCharacter)
{
    Canvas c(200, 20);
    const CString text("高清多画面分割器高清多画面分割器");
    for (int width = 20; width < 120; width += 7) {
        CString out;
        P::MakeShortString(c.dc(), text, out, width);
        ASSERT_EQ(out.Right(3), "...");
        const CString head = out.Left(out.GetLength() - 3);
        ASSERT_EQ(head.GetLength() % 2, 0) << "width " << width;
        EXPECT_EQ(text.Left(head.GetLength()), head);
    }
}

TEST(GdiWrappers, ScopedOwnersRestoreAndRelease)
{
    Canvas c(20, 20);
    const HGDIOBJ hBefore = c.dc().GetCurrentObject(OBJ_BITMAP);
    {
        CLuCompatibleDC mem(c.dc(), 8, 8);
        ASSERT_NE(mem.GetSafeHdc(), nullptr);
        EXPECT_EQ(mem.GetCurrentObject(OBJ_BITMAP), mem.GetBitmap()->GetSafeHandle());
        EXPECT_EQ(mem.GetBitmap()->GetSize(), CSize(8, 8));
    }
    EXPECT_EQ(c.dc().GetCurrentObject(OBJ_BITMAP), hBefore);

    CLuPen pen(RGB(1, 2, 3));
    EXPECT_EQ(pen.Color(), RGB(1, 2, 3));

    {
        CRect clip(2, 2, 6, 6);
        CLuClipDC clipDC(c.dc(), &clip);
        CRect box;
        clipDC.GetClipBox(box);
        EXPECT_EQ(box, CRect(2, 2, 6, 6));
        c.dc().FillSolidRect(0, 0, 20, 20, kBlack);
    }
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 20, 20), 16);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetClipRgn(c.dc().GetSafeHdc(), hRgn), 0);  // no clipping left behind
    ::DeleteObject(hRgn);
    {
        CLuAttachDC attached(c.dc().GetSafeHdc());
        EXPECT_EQ(attached.GetSafeHdc(), c.dc().GetSafeHdc());
    }
    EXPECT_NE(c.dc().GetDeviceCaps(BITSPIXEL), 0);  // the handle survived the attachment

    CLuRectRgn list;
    list.BeginSetRect();
    RECT a{1, 2, 3, 4}, b{5, 6, 7, 8}, out{};
    list.SetRect(&a);
    list.SetRect(&b);
    list.EndSetRect();
    list.BeginGetRect();
    ASSERT_TRUE(list.GetRect(&out));
    EXPECT_EQ(CRect(out), CRect(a));
    ASSERT_TRUE(list.GetRect(&out));
    EXPECT_EQ(CRect(out), CRect(b));
    EXPECT_FALSE(list.GetRect(&out));
}

TEST_F(PainterTest, AlphaBlendWithTheSystemRoutineOrNotAtAll)
{
    Canvas src(10, 10), dst(10, 10);
    src.Clear(RGB(255, 0, 0));
    BLENDFUNCTION bf{AC_SRC_OVER, 0, 128, 0};
    P::AlphaBlend(dst.dc(), CRect(0, 0, 10, 10), src.dc(), CRect(0, 0, 10, 10), bf);
    EXPECT_TRUE(Near(dst.At(5, 5), RGB(255, 127, 127), 2));
    WithoutMsImg();
    dst.Clear(kWhite);
    P::AlphaBlend(dst.dc(), CRect(0, 0, 10, 10), src.dc(), CRect(0, 0, 10, 10), bf);
    EXPECT_EQ(dst.CountNot(kWhite, 0, 0, 10, 10), 0);  // skipped, never drawn opaque
}
