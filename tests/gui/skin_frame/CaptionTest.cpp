// The frame's caption: band and border pixels from the theme, hit-testing of the caption
// buttons and the system command each click sends, presses that end without a click, and the
// rounded window region.
#include "skin/ctrl/Dialog.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"
#include "tests/gui/skin_frame/FrameTestSupport.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

using frametest::Post;
using skintest::Near;

namespace {

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

class CaptionFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = CTestFrame::Make(400, 300);
        ASSERT_NE(m_pFrame, nullptr);
        m_pFrame->GetWindowRect(&m_rcWindow);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
    }
    // Window coordinates to screen and to the frame's client coordinates.
    CPoint Screen(CPoint pt) const { return CPoint(m_rcWindow.left + pt.x, m_rcWindow.top + pt.y); }
    LPARAM ScreenParam(CPoint pt) const { return MAKELPARAM(m_rcWindow.left + pt.x, m_rcWindow.top + pt.y); }
    LPARAM ClientParam(CPoint pt) const
    {
        CPoint p = Screen(pt);
        m_pFrame->ScreenToClient(&p);
        return MAKELPARAM(p.x, p.y);
    }
    LRESULT HitTest(CPoint pt) { return m_pFrame->SendMessage(WM_NCHITTEST, 0, ScreenParam(pt)); }
    CPoint Centre(UINT nButton) { return CRect(m_pFrame->GetCaptionButton(nButton).GetRect()).CenterPoint(); }
    // Presses a caption button and lets go at ptUp.
    void Click(UINT nButton, UINT nHitTest, CPoint ptUp)
    {
        Post(m_pFrame->GetSafeHwnd(), WM_NCLBUTTONDOWN, nHitTest, ScreenParam(Centre(nButton)));
        Post(m_pFrame->GetSafeHwnd(), WM_LBUTTONUP, 0, ClientParam(ptUp));
    }

    CTestFrame* m_pFrame = nullptr;
    CRect m_rcWindow;
};

}  // namespace

TEST_F(CaptionFixture, BandBorderAndButtonsArePaintedFromTheTheme)
{
    const int W = m_rcWindow.Width(), H = m_rcWindow.Height();
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Width(), W - 4);
    EXPECT_EQ(rcClient.Height(), H - 27);

    skintest::Canvas canvas(W, H);
    m_pFrame->PaintNonClient(canvas.dc());
    CLuTheme& t = Theme();
    const COLORREF c0 = t.GetThemeColor(LUCLR_BASE), c5 = t.GetThemeColor(LUCLR_HIGHLIGHT);
    EXPECT_EQ(canvas.At(0, H / 2), c0);
    EXPECT_EQ(canvas.At(1, H / 2), c5);
    EXPECT_EQ(canvas.At(W - 1, H / 2), c0);
    EXPECT_EQ(canvas.At(W / 2, H - 1), c0);
    EXPECT_EQ(canvas.At(W / 2, H - 2), c5);
    EXPECT_EQ(canvas.At(W / 2, 0), c0);
    // The band: a glassy fill from colour 1 lightened by 30 at its top.
    const COLORREF body = t.GetThemeColor(LUCLR_LIGHTBASE), light = CLuPainter::LightColor(body, 30);
    EXPECT_TRUE(Near(canvas.At(W / 2, 2), light, 2));
    EXPECT_TRUE(Near(canvas.At(W / 2, 24), CLuPainter::BlendColors(body, light, 30), 8));
    EXPECT_EQ(canvas.At(W / 2, H / 2), RGB(255, 255, 255));  // the client area is the children's
    // The close mark in colour 0, the title text in colour 2.
    const CRect rcClose(m_pFrame->GetCaptionButton(LU_CAPBTN_CLOSE).GetRect());
    EXPECT_EQ(rcClose, CRect(W - 30, 5, W - 5, 21));
    int nMark = 0, nText = 0;
    for (int y = rcClose.top; y < rcClose.bottom; ++y)
        for (int x = rcClose.left; x < rcClose.right; ++x)
            nMark += canvas.At(x, y) == c0;
    for (int y = 2; y < 25; ++y)
        for (int x = 5; x < 120; ++x)
            nText += canvas.At(x, y) == t.GetThemeColor(LUCLR_TEXT);
    EXPECT_GT(nMark, 4);
    EXPECT_GT(nText, 10);

    // Another theme colour re-skins the band.
    const COLORREF old = t.SetThemeColor(LUCLR_LIGHTBASE, RGB(40, 120, 200));
    m_pFrame->PaintNonClient(canvas.dc());
    EXPECT_TRUE(Near(canvas.At(W / 2, 2), CLuPainter::LightColor(RGB(40, 120, 200), 30), 2));
    t.SetThemeColor(LUCLR_LIGHTBASE, old);
}

TEST_F(CaptionFixture, HitTestFindsButtonsCaptionBordersAndClient)
{
    const int W = m_rcWindow.Width(), H = m_rcWindow.Height();
    EXPECT_EQ(HitTest(Centre(LU_CAPBTN_CLOSE)), HTCLOSE);
    EXPECT_EQ(HitTest(Centre(LU_CAPBTN_MAX)), HTMAXBUTTON);
    EXPECT_EQ(HitTest(Centre(LU_CAPBTN_MIN)), HTMINBUTTON);
    EXPECT_EQ(Centre(LU_CAPBTN_MAX).x, Centre(LU_CAPBTN_CLOSE).x - LU_CAPBTN_WIDTH);
    EXPECT_EQ(Centre(LU_CAPBTN_MIN).x, Centre(LU_CAPBTN_CLOSE).x - 2 * LU_CAPBTN_WIDTH);
    EXPECT_EQ(HitTest(CPoint(100, 12)), HTCAPTION);
    EXPECT_EQ(HitTest(CPoint(100, 24)), HTCAPTION);
    EXPECT_EQ(HitTest(CPoint(100, 25)), HTCLIENT);
    EXPECT_EQ(HitTest(CPoint(0, 150)), HTLEFT);
    EXPECT_EQ(HitTest(CPoint(W - 1, 150)), HTRIGHT);
    EXPECT_EQ(HitTest(CPoint(200, H - 1)), HTBOTTOM);
    EXPECT_EQ(HitTest(CPoint(W - 1, H - 1)), HTBOTTOMRIGHT);
    EXPECT_EQ(HitTest(CPoint(1, 1)), HTTOPLEFT);

    // Without a minimise box the minimise button is part of the caption.
    m_pFrame->ModifyStyle(WS_MINIMIZEBOX, 0);
    EXPECT_EQ(HitTest(Centre(LU_CAPBTN_MIN)), HTCAPTION);
    // Without a system menu there are no buttons at all.
    m_pFrame->ModifyStyle(WS_SYSMENU, 0);
    EXPECT_EQ(HitTest(CPoint(W - 15, 12)), HTCAPTION);
}

TEST_F(CaptionFixture, EachButtonClickSendsItsSystemCommand)
{
    Click(LU_CAPBTN_CLOSE, HTCLOSE, Centre(LU_CAPBTN_CLOSE));
    Click(LU_CAPBTN_MIN, HTMINBUTTON, Centre(LU_CAPBTN_MIN));
    Click(LU_CAPBTN_MAX, HTMAXBUTTON, Centre(LU_CAPBTN_MAX));
    EXPECT_EQ(m_pFrame->m_sysCommands, (std::vector<UINT>{SC_CLOSE, SC_MINIMIZE, SC_MAXIMIZE}));
    EXPECT_EQ(::GetCapture(), nullptr);

    // Maximised, the same button restores.
    m_pFrame->m_sysCommands.clear();
    ::SetWindowLongW(m_pFrame->GetSafeHwnd(), GWL_STYLE, m_pFrame->GetStyle() | WS_MAXIMIZE);
    Click(LU_CAPBTN_MAX, HTMAXBUTTON, Centre(LU_CAPBTN_MAX));
    EXPECT_EQ(m_pFrame->m_sysCommands, (std::vector<UINT>{SC_RESTORE}));
}

TEST_F(CaptionFixture, APointerThatHoversFirstClicksWithItsFirstPress)
{
    // As a person clicks: the pointer enters the button (it turns hot and holds the capture),
    // so the press and the release come as client messages.
    Post(m_pFrame->GetSafeHwnd(), WM_NCMOUSEMOVE, HTCLOSE, ScreenParam(Centre(LU_CAPBTN_CLOSE)));
    ASSERT_EQ(::GetCapture(), m_pFrame->GetSafeHwnd());
    Post(m_pFrame->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, ClientParam(Centre(LU_CAPBTN_CLOSE)));
    EXPECT_TRUE(m_pFrame->GetCaptionButton(LU_CAPBTN_CLOSE).IsPressed());
    Post(m_pFrame->GetSafeHwnd(), WM_LBUTTONUP, 0, ClientParam(Centre(LU_CAPBTN_CLOSE)));
    EXPECT_EQ(m_pFrame->m_sysCommands, (std::vector<UINT>{SC_CLOSE}));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(CaptionFixture, PressesThatEndElsewhereOrLoseTheMouseClickNothing)
{
    // Released outside the button.
    Click(LU_CAPBTN_CLOSE, HTCLOSE, CPoint(100, 12));
    // The capture taken away mid-press.
    Post(m_pFrame->GetSafeHwnd(), WM_NCLBUTTONDOWN, HTCLOSE, ScreenParam(Centre(LU_CAPBTN_CLOSE)));
    ASSERT_EQ(::GetCapture(), m_pFrame->GetSafeHwnd());
    ::ReleaseCapture();
    EXPECT_FALSE(m_pFrame->GetCaptionButton(LU_CAPBTN_CLOSE).IsPressed());
    Post(m_pFrame->GetSafeHwnd(), WM_LBUTTONUP, 0, ClientParam(Centre(LU_CAPBTN_CLOSE)));
    // A move without the left button: the button came up unseen.
    Post(m_pFrame->GetSafeHwnd(), WM_NCLBUTTONDOWN, HTMINBUTTON, ScreenParam(Centre(LU_CAPBTN_MIN)));
    Post(m_pFrame->GetSafeHwnd(), WM_MOUSEMOVE, 0, ClientParam(Centre(LU_CAPBTN_MIN)));
    EXPECT_FALSE(m_pFrame->GetCaptionButton(LU_CAPBTN_MIN).IsPressed());
    EXPECT_EQ(::GetCapture(), nullptr);
    Post(m_pFrame->GetSafeHwnd(), WM_LBUTTONUP, 0, ClientParam(Centre(LU_CAPBTN_MIN)));
    EXPECT_TRUE(m_pFrame->m_sysCommands.empty());

    // A press that moves off and back on still clicks.
    Post(m_pFrame->GetSafeHwnd(), WM_NCLBUTTONDOWN, HTCLOSE, ScreenParam(Centre(LU_CAPBTN_CLOSE)));
    Post(m_pFrame->GetSafeHwnd(), WM_MOUSEMOVE, MK_LBUTTON, ClientParam(CPoint(100, 12)));
    EXPECT_TRUE(m_pFrame->GetCaptionButton(LU_CAPBTN_CLOSE).IsPressed());
    Post(m_pFrame->GetSafeHwnd(), WM_MOUSEMOVE, MK_LBUTTON, ClientParam(Centre(LU_CAPBTN_CLOSE)));
    Post(m_pFrame->GetSafeHwnd(), WM_LBUTTONUP, 0, ClientParam(Centre(LU_CAPBTN_CLOSE)));
    EXPECT_EQ(m_pFrame->m_sysCommands, (std::vector<UINT>{SC_CLOSE}));
}

TEST_F(CaptionFixture, TopCornersAreRoundOnlyWhileRestoredWithACaption)
{
    const int W = m_rcWindow.Width(), H = m_rcWindow.Height();
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(m_pFrame->GetSafeHwnd(), rgn), ERROR);
    EXPECT_FALSE(rgn.PtInRegion(CPoint(0, 0)));
    EXPECT_FALSE(rgn.PtInRegion(CPoint(W - 1, 0)));
    EXPECT_TRUE(rgn.PtInRegion(CPoint(6, 0)));
    EXPECT_TRUE(rgn.PtInRegion(CPoint(W / 2, 0)));
    EXPECT_TRUE(rgn.PtInRegion(CPoint(0, H - 1)));
    EXPECT_TRUE(rgn.PtInRegion(CPoint(W - 1, H - 1)));
    CRect box;
    rgn.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(0, 0, W, H));

    // Without a caption the window is a plain rectangle again.
    m_pFrame->ModifyStyle(WS_CAPTION, 0, SWP_FRAMECHANGED);
    m_pFrame->SetWindowPos(nullptr, 0, 0, W + 10, H, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(::GetWindowRgn(m_pFrame->GetSafeHwnd(), rgn), ERROR);
}

namespace {

// A host for loose caption buttons: the frame's window, the cursor far away.
class CLooseSink : public ILuWinSink {
public:
    explicit CLooseSink(CWnd* pHost) : m_pHost(pHost) {}
    CWnd* GetSinkWnd() override { return m_pHost; }
    void RedrawSinkButton(UINT) override {}
    POINT GetSinkCursorPos() override { return POINT{-100, -100}; }

private:
    CWnd* m_pHost;
};

int CountColour(const skintest::Canvas& canvas, const CRect& rc, COLORREF clr)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += canvas.At(x, y) == clr;
    return n;
}

}  // namespace

TEST_F(CaptionFixture, EachButtonKindDrawsItsGlyphEnabledOrNot)
{
    const COLORREF c0 = Theme().GetThemeColor(LUCLR_BASE), c10 = Theme().GetThemeColor(LUCLR_DISABLEDTEXT);
    skintest::Canvas canvas(m_rcWindow.Width(), m_rcWindow.Height());
    m_pFrame->PaintNonClient(canvas.dc());
    const CRect rcMin(m_pFrame->GetCaptionButton(LU_CAPBTN_MIN).GetRect());
    const CRect rcMax(m_pFrame->GetCaptionButton(LU_CAPBTN_MAX).GetRect());
    EXPECT_GT(CountColour(canvas, rcMin, c0), 4);
    const int nMaximise = CountColour(canvas, rcMax, c0);
    EXPECT_GT(nMaximise, 4);

    // Maximised: the restore glyph (two boxes) instead of one.
    ::SetWindowLongW(m_pFrame->GetSafeHwnd(), GWL_STYLE, m_pFrame->GetStyle() | WS_MAXIMIZE);
    canvas.Clear(RGB(255, 255, 255));
    m_pFrame->PaintNonClient(canvas.dc());
    EXPECT_NE(CountColour(canvas, rcMax, c0), nMaximise);
    // Without a minimise box its button is drawn disabled.
    ::SetWindowLongW(m_pFrame->GetSafeHwnd(), GWL_STYLE, m_pFrame->GetStyle() & ~(WS_MAXIMIZE | WS_MINIMIZEBOX));
    canvas.Clear(RGB(255, 255, 255));
    m_pFrame->PaintNonClient(canvas.dc());
    EXPECT_EQ(CountColour(canvas, rcMin, c0), 0);
    EXPECT_GT(CountColour(canvas, rcMin, c10), 4);

    CLooseSink sink(m_pFrame);
    CLuDArrowBtn arrow;
    arrow.InitButton(&sink, 7);
    EXPECT_FALSE(arrow.IsInited());
    arrow.SetArrow(LUARROW_RIGHT);
    EXPECT_TRUE(arrow.IsInited());
    EXPECT_EQ(arrow.GetArrow(), LUARROW_RIGHT);
    CRect rc(10, 40, 30, 56);
    arrow.OnSize(rc);
    arrow.OnSize(CPoint(40, 40));
    EXPECT_EQ(CRect(arrow.GetRect()), CRect(40, 40, 60, 56));
    canvas.Clear(RGB(255, 255, 255));
    arrow.OnPaint(canvas.dc());
    EXPECT_GT(CountColour(canvas, CRect(40, 40, 60, 56), c0), 4);
    EXPECT_EQ(CountColour(canvas, CRect(10, 40, 40, 56), c0), 0);
}

namespace {

// What the screen shows of a window's rectangle now.
void GrabScreen(skintest::Canvas& shot, const CRect& rcWindow)
{
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.dc().GetSafeHdc(), 0, 0, rcWindow.Width(), rcWindow.Height(), hScreen,
             rcWindow.left, rcWindow.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
}

// Non-client pixels (band, buttons, border) that differ between the screen and the expected
// picture; the corners the window region cuts off are left out.
int NonClientMismatches(const skintest::Canvas& shot, const skintest::Canvas& expected, int cx,
                        int cy)
{
    const int kCorner = 6;
    int n = 0;
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            const bool bNonClient = y < LU_FRAME_CAPTION || y >= cy - LU_FRAME_BORDER ||
                                    x < LU_FRAME_BORDER || x >= cx - LU_FRAME_BORDER;
            const bool bCorner = y < kCorner && (x < kCorner || x >= cx - kCorner);
            if (bNonClient && !bCorner)
                n += shot.At(x, y) != expected.At(x, y);
        }
    }
    return n;
}

}  // namespace

// The caption is not only painted when asked: the shown frame has it on the screen, pixel for
// pixel as PaintNonClient draws it, band, title, buttons and border, and again after the title
// changes (the system would otherwise draw a caption of its own over the band).
TEST(FrameCaptionOnScreen, TheShownFrameHasItsBandButtonsAndBorderOnTheScreen)
{
    CTestFrame* pFrame = CTestFrame::Make(400, 300, WS_OVERLAPPEDWINDOW, TRUE);
    ASSERT_NE(pFrame, nullptr);
    CRect rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    const int W = rcWindow.Width(), H = rcWindow.Height();
    skintest::Canvas expected(W, H), shot(W, H);
    auto matches = [&] {
        expected.Clear(RGB(255, 255, 255));
        pFrame->PaintNonClient(expected.dc());
        GrabScreen(shot, rcWindow);
        return NonClientMismatches(shot, expected, W, H) == 0;
    };
    EXPECT_TRUE(fxtest::PumpUntil(matches, 5000))
        << NonClientMismatches(shot, expected, W, H) << " pixels differ";
    // The band really is the theme's and not the system's caption.
    const COLORREF body = Theme().GetThemeColor(LUCLR_LIGHTBASE);
    EXPECT_TRUE(Near(shot.At(W / 2, 2), CLuPainter::LightColor(body, 30), 2));
    EXPECT_EQ(shot.At(0, H / 2), Theme().GetThemeColor(LUCLR_BASE));

    pFrame->SetWindowText("Frame test, another title");
    EXPECT_TRUE(fxtest::PumpUntil(matches, 5000))
        << NonClientMismatches(shot, expected, W, H) << " pixels differ";
    pFrame->DestroyWindow();
}

// A captioned dialog has the frame's caption on the screen: the same band colours, the close
// button at the same place from the right edge, the same border, and it stays after a new
// caption text.
TEST(FrameCaptionOnScreen, ACaptionedDialogShowsTheFramesCaption)
{
    CLuDialog dialog(IDD_TEST_CAPTIONED, nullptr);
    ASSERT_TRUE(dialog.Create(IDD_TEST_CAPTIONED, nullptr));
    dialog.SetWindowPos(nullptr, 60, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dialog.ShowWindow(SW_SHOW);
    ASSERT_TRUE(
        fxtest::PumpUntil([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) != FALSE; }));
    CRect rcWindow;
    dialog.GetWindowRect(&rcWindow);
    const int W = rcWindow.Width(), H = rcWindow.Height();
    skintest::Canvas expected(W, H), shot(W, H);
    auto matches = [&] {
        expected.Clear(RGB(255, 255, 255));
        dialog.PaintNonClient(expected.dc());
        GrabScreen(shot, rcWindow);
        return NonClientMismatches(shot, expected, W, H) == 0;
    };
    EXPECT_TRUE(fxtest::PumpUntil(matches, 5000))
        << NonClientMismatches(shot, expected, W, H) << " pixels differ";
    const COLORREF body = Theme().GetThemeColor(LUCLR_LIGHTBASE),
                   c0 = Theme().GetThemeColor(LUCLR_BASE);
    EXPECT_TRUE(Near(shot.At(W / 2, 2), CLuPainter::LightColor(body, 30), 2));
    EXPECT_EQ(shot.At(0, H / 2), c0);
    EXPECT_EQ(shot.At(1, H / 2), Theme().GetThemeColor(LUCLR_HIGHLIGHT));
    EXPECT_EQ(shot.At(W / 2, H - 1), c0);
    // The close mark where the frame has it, in colour 0.
    EXPECT_GT(CountColour(shot, CRect(W - 30, 5, W - 5, 21), c0), 4);

    dialog.SetWindowText("Another dialog caption");
    EXPECT_TRUE(fxtest::PumpUntil(matches, 5000))
        << NonClientMismatches(shot, expected, W, H) << " pixels differ";
    dialog.DestroyWindow();
}
