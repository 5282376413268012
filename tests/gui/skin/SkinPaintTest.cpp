// Skinned windows paint through the theme: changing the theme's colours changes their pixels;
// and painting many times leaves no GDI objects behind.
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"
#include "tests/gui/skin/TestControls.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

using skintest::Canvas;

namespace {

// What the window paints for WM_PRINTCLIENT, the same code as for WM_PAINT.
void PrintClient(HWND h, Canvas& canvas)
{
    ::SendMessageW(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);
}

void DrawEveryElement(CLuTheme& theme, CDC& dc)
{
    _LUDRAW_PARAM p;
    p.rect = CRect(2, 2, 60, 24);
    p.rcText = CRect(4, 4, 58, 22);
    p.bEnabled = TRUE;
    p.bHot = TRUE;
    p.strText = "按钮";
    p.dwStyle = LU_STYLE_DEFBUTTON;
    p.dwData = 1;
    using Op = void (CLuTheme::*)(CDC&, _LUDRAW_PARAM&);
    const Op ops[] = {&CLuTheme::DrawScrollBarArrow, &CLuTheme::DrawScrollBarTrack, &CLuTheme::DrawScrollBarHandle,
                      &CLuTheme::DrawButton, &CLuTheme::DrawGroupBox, &CLuTheme::DrawCheckBox,
                      &CLuTheme::DrawRadioBox, &CLuTheme::DrawFrameRect, &CLuTheme::DrawClientRect,
                      &CLuTheme::FillClient, &CLuTheme::DrawComboBoxArrow, &CLuTheme::DrawSplitter,
                      &CLuTheme::DrawTButton, &CLuTheme::DrawTCloseButton, &CLuTheme::DrawCaption,
                      &CLuTheme::DrawCaption2, &CLuTheme::DrawAButton, &CLuTheme::DrawCButton,
                      &CLuTheme::DrawSeparator, &CLuTheme::FillPadding, &CLuTheme::DrawFramePadding,
                      &CLuTheme::DrawTab, &CLuTheme::DrawNcStatusBar, &CLuTheme::DrawStatusBarGripper,
                      &CLuTheme::DrawText};
    for (Op op : ops) {
        (theme.*op)(dc, p);
        p.bEnabled = !p.bEnabled;
        (theme.*op)(dc, p);
        p.bEnabled = !p.bEnabled;
    }
}

}  // namespace

TEST(SkinPaint, SubclassedControlPaintsThroughTheTheme)
{
    HWND h = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 60, 30, nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(h, nullptr);
    ASSERT_NE(CWnd::FromHandlePermanent(h), nullptr);
    CLuTheme* pTheme = CLuThemeManager::Instance()->GetTheme();
    Canvas canvas(60, 30);
    PrintClient(h, canvas);
    EXPECT_EQ(canvas.At(5, 5), pTheme->GetThemeColor(3));
    EXPECT_EQ(canvas.At(59, 29), pTheme->GetThemeColor(3));

    const COLORREF old = pTheme->SetThemeColor(3, RGB(10, 200, 30));
    PrintClient(h, canvas);
    EXPECT_EQ(canvas.At(5, 5), RGB(10, 200, 30));
    pTheme->SetThemeColor(3, old);

    // The same on screen after a real paint.
    ::UpdateWindow(h);
    HDC hdc = ::GetDC(h);
    EXPECT_EQ(::GetPixel(hdc, 5, 5), old);
    ::ReleaseDC(h, hdc);
    ::DestroyWindow(h);
}

TEST(SkinPaint, NewThemeReskinsTheProgramsPanel)
{
    HWND h = ::CreateWindowExW(0, L"tstPanel", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(h, nullptr);
    Canvas canvas(40, 40);
    PrintClient(h, canvas);
    CLuTheme* pTheme = CLuThemeManager::Instance()->GetTheme();
    EXPECT_EQ(canvas.At(0, 20), pTheme->GetThemeColor(4));
    EXPECT_EQ(canvas.At(20, 20), pTheme->GetThemeColor(14));

    auto* pDark = new CLuTheme;
    pDark->AutoBuildColorTheme(RGB(0, 64, 128), LU_DEFAULT_COLOR, LU_DEFAULT_COLOR, LU_DEFAULT_COLOR, RGB(20, 20, 20));
    CLuTheme* pOld = CLuThemeManager::Instance()->SetTheme(pDark);
    PrintClient(h, canvas);
    EXPECT_EQ(canvas.At(0, 20), RGB(148, 174, 201));
    EXPECT_EQ(canvas.At(20, 20), RGB(20, 20, 20));
    delete CLuThemeManager::Instance()->SetTheme(pOld);
    ::DestroyWindow(h);
}

TEST(SkinPaint, RepeatedPaintsLeaveNoGdiObjects)
{
    HWND hStatic = ::CreateWindowExW(0, L"STATIC", L"测试", WS_POPUP, 0, 0, 60, 30, nullptr, nullptr,
                                     ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hStatic, nullptr);
    CLuTheme& theme = *CLuThemeManager::Instance()->GetTheme();
    Canvas canvas(80, 40);
    auto round = [&] {
        DrawEveryElement(theme, canvas.dc());
        PrintClient(hStatic, canvas);
        CLuPainter::DrawLine(canvas.dc(), CPoint(0, 0), CPoint(10, 10), RGB(1, 2, 3));
        CLuPainter::DrawCloseMark(canvas.dc(), CPoint(3, 3), RGB(1, 2, 3));
        CLuPainter::SetClipBoxRect(canvas.dc(), CRect(0, 0, 80, 40));  // the DC keeps one region
        CLuCompatibleDC mem(canvas.dc(), 10, 10);
        theme.AutoBuildColorTheme(RGB(63, 63, 71), LU_DEFAULT_COLOR, LU_DEFAULT_COLOR, LU_DEFAULT_COLOR, LU_DEFAULT_COLOR);
    };
    // One round first, so what is made once and kept (the canvas's clip region, cached
    // glyph tables) is not counted as growth.
    round();
    const int before = skintest::CountGdiObjects();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 200; ++i)
        round();
    const int after = skintest::CountGdiObjects();
    EXPECT_LE(after, before) << "GDI objects before " << before << ", after " << after;
    ::DestroyWindow(hStatic);
}

TEST(SkinPaint, LayeredAttributesThroughTheRunTimeEntryPoint)
{
    HWND h = ::CreateWindowExW(WS_EX_LAYERED, L"tstPanel", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(CLuPainter::SetLayeredAttributes(h, 0, 128, LWA_ALPHA));
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(h, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    ::DestroyWindow(h);
}
