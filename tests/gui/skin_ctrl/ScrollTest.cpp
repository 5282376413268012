// Scroll bars and scroll windows: the thumb arithmetic (also with a non-zero minimum), the
// defaults and limits of a fresh bar, clicks on arrows, track and thumb with the messages they
// send, auto-repeat while held, and a scroll window laying out, moving, showing and losing its
// child.
#include "skin/core/LuLibAux.h"
#include "skin/ctrl/ScrollView.h"
#include "skin/ctrl/ScrollWnd.h"
#include "tests/gui/skin_ctrl/CtrlTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace ctrltest;

namespace {

// A scroll message as the parent saw it: message, code, position, lParam.
using ScrollNote = std::tuple<UINT, UINT, UINT, LPARAM>;

class CScrollHost : public CWnd {
public:
    std::vector<ScrollNote> m_notes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_VSCROLL || message == WM_HSCROLL) {
            m_notes.emplace_back(message, LOWORD(wParam), HIWORD(wParam), lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(SkinScrollGeometry, ThumbLengthOffsetAndPosition)
{
    const LuScrollGeometry fresh{0, 1000, 5, 100};
    EXPECT_EQ(fresh.ThumbLength(), 10);  // 0.5 pixel, raised to the minimum
    EXPECT_EQ((LuScrollGeometry{0, 1000, 5, 14}.ThumbLength()), 0);
    EXPECT_EQ((LuScrollGeometry{0, 1000, 5, 15}.ThumbLength()), 10);
    EXPECT_EQ((LuScrollGeometry{0, 0, 0, 200}.ThumbLength()), 0);
    EXPECT_EQ((LuScrollGeometry{0, 1000, 500, 200}.ThumbLength()), 100);
    EXPECT_EQ((LuScrollGeometry{0, 1000, 95, 100}.ThumbLength()), 10);  // 9.5 truncates to 9

    EXPECT_EQ(fresh.ThumbOffset(0), 0);
    EXPECT_EQ(fresh.ThumbOffset(995), 90);
    EXPECT_EQ(fresh.ThumbOffset(500), 45);  // 500 * 90 / 995 = 45.2
    EXPECT_EQ(fresh.PosFromOffset(45), 497);  // 45 * 995 / 90 = 497.5
    EXPECT_EQ(fresh.PosFromOffset(0), 0);
    EXPECT_EQ(fresh.PosFromOffset(-4), 0);
    EXPECT_EQ(fresh.PosFromOffset(90), 995);
    EXPECT_EQ(fresh.PosFromOffset(200), 995);

    // With a non-zero minimum the page is limited to the range, so the thumb fits the track
    // at every position.
    const LuScrollGeometry shifted{100, 200, 150, 120};
    EXPECT_EQ(shifted.ThumbLength(), 120);
    for (int pos = 80; pos <= 220; pos += 5)
        EXPECT_LE(shifted.ThumbOffset(pos) + shifted.ThumbLength(), 120) << pos;
    const LuScrollGeometry narrow{100, 200, 20, 120};
    EXPECT_EQ(narrow.ThumbLength(), 24);
    EXPECT_EQ(narrow.ThumbOffset(100), 0);
    EXPECT_EQ(narrow.ThumbOffset(140), 48);  // 40 * 96 / 80
    EXPECT_EQ(narrow.ThumbOffset(180), 96);
    EXPECT_EQ(narrow.PosFromOffset(48), 140);
    EXPECT_EQ(narrow.PosFromOffset(96), 180);
}

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MoveCursorAway();
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_POPUP, CRect(40, 40, 340, 340), nullptr, 0));
        ASSERT_TRUE(m_bar.Create(WS_VISIBLE | SBS_VERT, CRect(0, 0, 16, 200), &m_host, 7));
        m_arrow = m_bar.GetArrowLength();
    }
    void TearDown() override { m_host.DestroyWindow(); }
    // A click posted as the mouse would: down and up at the same point.
    void PostClick(int x, int y)
    {
        m_bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        m_bar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        m_bar.PostMessage(WM_APP);
        fxtest::PumpPending();
    }
    std::vector<UINT> Codes() const
    {
        std::vector<UINT> codes;
        for (const ScrollNote& n : m_host.m_notes)
            codes.push_back(std::get<1>(n));
        return codes;
    }

    CScrollHost m_host;
    CLuScrollBar m_bar;
    int m_arrow = 0;
};

}  // namespace

TEST_F(ScrollBarTest, FreshBarDefaultsAndPositionLimits)
{
    int nMin = -1, nMax = -1;
    m_bar.GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMin, 0);
    EXPECT_EQ(nMax, 1000);
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    m_bar.GetScrollInfo(&si, SIF_ALL);
    EXPECT_EQ(si.nPage, 5u);
    EXPECT_EQ(si.nPos, 0);
    EXPECT_EQ(m_bar.GetArrowFlags(), static_cast<UINT>(ESB_DISABLE_BOTH));
    EXPECT_EQ(m_bar.GetScrollLimit(), 995);

    EXPECT_EQ(m_bar.SetScrollPos(996), 0);
    EXPECT_EQ(m_bar.GetScrollPos(), 0);  // refused
    EXPECT_EQ(m_bar.SetScrollPos(995), 0);
    EXPECT_EQ(m_bar.GetScrollPos(), 995);
    EXPECT_EQ(m_bar.GetThumbOffset() + m_bar.GetThumbLength(), 200 - 2 * m_arrow);
    EXPECT_EQ(m_bar.SetScrollPos(-5), 995);
    EXPECT_EQ(m_bar.GetScrollPos(), 0);

    // A new range keeps page and position inside it.
    m_bar.SetScrollPos(900);
    m_bar.SetScrollRange(100, 200);
    EXPECT_EQ(m_bar.GetScrollPos(), 195);
    si.fMask = SIF_PAGE;
    si.nPage = 500;
    m_bar.SetScrollInfo(&si);
    m_bar.GetScrollInfo(&si, SIF_PAGE | SIF_POS);
    EXPECT_EQ(si.nPage, 100u);
    EXPECT_EQ(si.nPos, 100);
    EXPECT_EQ(m_bar.GetThumbLength(), 200 - 2 * m_arrow);
    EXPECT_EQ(m_bar.SetScrollPos(50), 100);
    EXPECT_EQ(m_bar.GetScrollPos(), 100);  // below the minimum: the minimum

    // A track shorter than 15 pixels shows no thumb.
    m_bar.SetScrollRange(0, 1000);
    m_bar.SetWindowPos(nullptr, 0, 0, 16, 2 * m_arrow + 14, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(m_bar.GetThumbLength(), 0);
    m_bar.SetWindowPos(nullptr, 0, 0, 16, 2 * m_arrow + 15, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(m_bar.GetThumbLength(), 10);
}

TEST_F(ScrollBarTest, ClicksOnArrowsAndTrackNotifyTheParent)
{
    // Arrows start disabled: nothing.
    PostClick(8, 3);
    PostClick(8, 197);
    EXPECT_TRUE(m_host.m_notes.empty());

    m_bar.EnableScrollBar(ESB_ENABLE_BOTH);
    PostClick(8, 3);
    PostClick(8, 197);
    PostClick(8, 150);
    m_bar.SetScrollPos(500);
    PostClick(8, m_arrow + 2);
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_LINEUP, SB_LINEDOWN, SB_PAGEDOWN, SB_PAGEUP}));
    ASSERT_EQ(m_host.m_notes.size(), 4u);
    EXPECT_EQ(m_host.m_notes[0], ScrollNote(WM_VSCROLL, SB_LINEUP, 0, 0));
    EXPECT_EQ(m_host.m_notes[3], ScrollNote(WM_VSCROLL, SB_PAGEUP, 500, 0));
    // The bar moves only when its parent says so.
    EXPECT_EQ(m_bar.GetScrollPos(), 500);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // A disabled bar does nothing.
    m_host.m_notes.clear();
    m_bar.EnableWindow(FALSE);
    PostClick(8, 197);
    EXPECT_TRUE(m_host.m_notes.empty());
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndTheReleaseSendsNothing)
{
    m_bar.EnableScrollBar(ESB_ENABLE_BOTH);
    m_bar.SetScrollPos(500);
    const CRect thumb = m_bar.GetThumbRect();
    const int y = thumb.top + 3;
    m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, y));
    EXPECT_TRUE(m_bar.IsTracking());
    EXPECT_TRUE(m_host.m_notes.empty());
    m_bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, y + 20));
    const LuScrollGeometry g{0, 1000, 5, 200 - 2 * m_arrow};
    ASSERT_EQ(m_host.m_notes.size(), 1u);
    EXPECT_EQ(m_host.m_notes[0], ScrollNote(WM_VSCROLL, SB_THUMBTRACK, g.PosFromOffset(thumb.top - m_arrow + 20), 0));
    EXPECT_EQ(m_bar.GetThumbOffset(), thumb.top - m_arrow + 20);
    // Far past the end: the thumb stops at the end of the track.
    m_bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, y + 400));
    EXPECT_EQ(m_bar.GetThumbOffset() + m_bar.GetThumbLength(), g.nTrack);
    EXPECT_EQ(std::get<2>(m_host.m_notes.back()), 995u);
    m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(8, y + 400));
    EXPECT_EQ(m_host.m_notes.size(), 2u);
    EXPECT_FALSE(m_bar.IsTracking());
}

TEST_F(ScrollBarTest, HeldArrowRepeatsUntilReleased)
{
    m_bar.EnableScrollBar(ESB_ENABLE_BOTH);
    m_bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 197));
    ASSERT_TRUE(fxtest::PumpUntil([&] { return m_host.m_notes.size() >= 3; }, 10000));
    m_bar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(8, 197));
    fxtest::PumpUntil([&] { return CWnd::GetCapture() == nullptr; });
    const size_t count = m_host.m_notes.size();
    // Timers tick at 10-16 ms at best: several periods of 50 ms with no further message.
    fxtest::PumpUntil([] { return false; }, 300);
    EXPECT_EQ(m_host.m_notes.size(), count);
    for (UINT code : Codes())
        EXPECT_EQ(code, static_cast<UINT>(SB_LINEDOWN));
}

namespace {

// A child that offers its messages to its scroll window, as a framed pane does.
class CFramedChild : public CWnd {
public:
    CLuScrollWnd* m_pScroll = nullptr;
    std::vector<CSize> m_sizes;
    std::vector<CRect> m_recalcAnswers;
    std::vector<std::pair<UINT, UINT>> m_scrolls;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT r = 0;
        if (m_pScroll != nullptr && m_pScroll->HookMsg(message, wParam, lParam, &r))
            return r;
        if (message == WM_SIZE) {
            m_sizes.emplace_back(LOWORD(lParam), HIWORD(lParam));
            CRect rc(-1, -1, -1, -1);
            if (::SendMessageW(::GetParent(m_hWnd), LU_WM_RECALCPARENT, 0, reinterpret_cast<LPARAM>(&rc)))
                m_recalcAnswers.push_back(rc);
        } else if (message == WM_VSCROLL || message == WM_HSCROLL) {
            m_scrolls.emplace_back(message, LOWORD(wParam));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ScrollWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_POPUP, CRect(40, 40, 440, 440), nullptr, 0));
    }
    void TearDown() override { m_host.DestroyWindow(); }
    CRect ChildRectIn(CWnd& child, CWnd& parent)
    {
        CRect rc;
        child.GetWindowRect(&rc);
        parent.ScreenToClient(&rc);
        return rc;
    }
    CScrollHost m_host;
};

}  // namespace

TEST_F(ScrollWndTest, BarsAroundTheChildAndTheChildsOwnMoves)
{
    CLuScrollWnd scroll;
    ASSERT_TRUE(scroll.Create(WS_VISIBLE | LU_SCROLLWND_CUSTOM, CRect(0, 0, 300, 200), &m_host, 9));
    CLuScrollBar* pVert = scroll.GetLuScrollBarCtrl(SB_VERT);
    CLuScrollBar* pHorz = scroll.GetLuScrollBarCtrl(SB_HORZ);
    ASSERT_NE(pVert->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(pVert->IsVertical());
    EXPECT_FALSE(pHorz->IsVertical());
    EXPECT_FALSE(pVert->GetStyle() & WS_VISIBLE);
    int nMin = -1, nMax = -1;
    scroll.GetScrollRange(SB_HORZ, &nMin, &nMax);
    EXPECT_EQ(nMax, 0);
    CSize sizes(-1, -1);
    scroll.GetScrollBarSizes(sizes);
    EXPECT_EQ(sizes, CSize(0, 0));

    CFramedChild child;
    ASSERT_TRUE(child.CreateEx(0, nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &scroll, 0));
    child.m_pScroll = &scroll;
    scroll.SetChild(&child);
    EXPECT_EQ(ChildRectIn(child, scroll), CRect(0, 0, 300, 200));

    child.m_sizes.clear();
    child.m_recalcAnswers.clear();
    scroll.EnableScrollBarCtrl(SB_BOTH, TRUE);
    scroll.GetScrollBarSizes(sizes);
    EXPECT_EQ(sizes, CSize(16, 16));
    EXPECT_EQ(pVert->GetArrowFlags(), static_cast<UINT>(ESB_ENABLE_BOTH));
    EXPECT_EQ(ChildRectIn(child, scroll), CRect(0, 0, 284, 184));
    EXPECT_EQ(ChildRectIn(*pVert, scroll), CRect(284, 0, 300, 184));
    EXPECT_EQ(ChildRectIn(*pHorz, scroll), CRect(0, 184, 284, 200));
    EXPECT_EQ(scroll.GetCornerRect(), CRect(284, 184, 300, 200));
    // The child heard the reduced size first, and the scroll window answered its question
    // about the client rectangle with it while it did.
    ASSERT_FALSE(child.m_sizes.empty());
    EXPECT_EQ(child.m_sizes.front(), CSize(284, 184));
    // Only then: the real WM_SIZE that follows gets no answer.
    EXPECT_EQ(child.m_recalcAnswers, std::vector<CRect>{CRect(0, 0, 284, 184)});

    // The child moving itself moves the scroll window; it stays inside, less the strips.
    child.MoveWindow(10, 20, 200, 150);
    EXPECT_EQ(ChildRectIn(scroll, m_host), CRect(10, 20, 210, 170));
    EXPECT_EQ(ChildRectIn(child, scroll), CRect(0, 0, 184, 134));
    // Only a move: the size stays.
    child.SetWindowPos(nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(ChildRectIn(scroll, m_host), CRect(30, 40, 230, 190));
    // Only a size: the place stays.
    child.SetWindowPos(nullptr, 0, 0, 120, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(ChildRectIn(scroll, m_host), CRect(30, 40, 150, 140));
    EXPECT_EQ(ChildRectIn(child, scroll), CRect(0, 0, 104, 84));

    // Hiding and showing the child does the same to the scroll window.
    child.ShowWindow(SW_HIDE);
    EXPECT_FALSE(scroll.GetStyle() & WS_VISIBLE);
    child.ShowWindow(SW_SHOW);
    EXPECT_TRUE(scroll.GetStyle() & WS_VISIBLE);

    // A click on the vertical bar's lower arrow reaches the child (custom scroll style).
    const CRect lower = pVert->GetArrowRect(FALSE);
    pVert->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(lower.left + 2, lower.top + 2));
    pVert->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(lower.left + 2, lower.top + 2));
    fxtest::PumpPending();
    EXPECT_EQ(child.m_scrolls, (std::vector<std::pair<UINT, UINT>>{{WM_VSCROLL, SB_LINEDOWN}}));

    // The child going takes the scroll window and its bars with it.
    const HWND hBar = pVert->GetSafeHwnd();
    child.DestroyWindow();
    EXPECT_EQ(scroll.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(::IsWindow(hBar));
}

TEST_F(ScrollWndTest, ChildGoingDestroysALibraryMadeScrollWindowSafely)
{
    // A scroll window whose object the library made: it deletes itself with its window, in
    // the middle of the child's hook.
    HWND hScroll = ::CreateWindowExW(0, L"luScrollWnd", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100,
                                     m_host.GetSafeHwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hScroll, nullptr);
    auto* pScroll = DYNAMIC_DOWNCAST(CLuScrollWnd, CWnd::FromHandlePermanent(hScroll));
    ASSERT_NE(pScroll, nullptr);
    EXPECT_TRUE(LuLibAux::IsFrameCreate(pScroll));
    CFramedChild child;
    ASSERT_TRUE(child.CreateEx(0, nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pScroll, 0));
    child.m_pScroll = pScroll;
    pScroll->SetChild(&child);
    pScroll->EnableScrollBarCtrl(SB_VERT, TRUE);
    child.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hScroll));
    EXPECT_EQ(LuLibAux::CtrlFromHandle(hScroll), nullptr);
}

namespace {

// A document of 1000 x 800 pixels; remembers the viewport origin it was drawn with.
class CDocView : public CLuScrollView {
public:
    CPoint m_drawnOrigin{-1, -1};
    void OnDraw(CDC* pDC) override
    {
        m_drawnOrigin = pDC->GetViewportOrg();
        pDC->FillSolidRect(0, 0, 1000, 800, RGB(255, 255, 255));
    }
};

}  // namespace

TEST_F(ScrollWndTest, ScrollViewWrapsItselfAndScrollsItsDocument)
{
    auto* pView = new CDocView;  // a view deletes itself with its window
    ASSERT_TRUE(pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_host, 0xE900));
    CLuScrollWnd* pScroll = pView->GetScrollWnd();
    EXPECT_EQ(pView->GetParent(), pScroll);
    EXPECT_EQ(pScroll->GetParent(), &m_host);
    // Laid out by its parent as any view: the scroll window takes the place.
    pView->MoveWindow(10, 10, 300, 200);
    EXPECT_EQ(ChildRectIn(*pScroll, m_host), CRect(10, 10, 310, 210));

    pView->SetScrollSizes(CSize(1000, 800), CSize(0, 0), CSize(0, 0));
    CSize bars;
    pScroll->GetScrollBarSizes(bars);
    EXPECT_EQ(bars, CSize(16, 16));
    EXPECT_EQ(ChildRectIn(*pView, *pScroll), CRect(0, 0, 284, 184));
    EXPECT_EQ(pScroll->GetScrollLimit(SB_VERT), 800 - 184);

    // A line is a tenth of a page, a page a tenth of the document.
    pScroll->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 8));
    pScroll->SendMessage(WM_HSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(100, 8));
    pScroll->SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(100, 800 - 184));
    pView->ScrollToPosition(CPoint(5000, -3));
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(1000 - 284, 0));
    ShowAndPaint(m_host.GetSafeHwnd());
    EXPECT_EQ(pView->m_drawnOrigin, CPoint(-(1000 - 284), 0));

    // A document that fits needs no bars.
    pView->SetScrollSizes(CSize(100, 100));
    pScroll->GetScrollBarSizes(bars);
    EXPECT_EQ(bars, CSize(0, 0));
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 0));

    const HWND hScroll = pScroll->GetSafeHwnd();
    pView->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hScroll));
}
