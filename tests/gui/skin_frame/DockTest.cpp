// Docking: where the dock bars go around the frame's client window, how bars are put in rows
// (new-row flag, menu and status bars on rows of their own, fixed-length bars), what is left
// uncovered, and the manager's list when a dock bar has to be replaced.
#include "skin/theme/Theme.h"
#include "tests/gui/skin_frame/FrameTestSupport.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

namespace {

class DockFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = CTestFrame::Make(400, 300);
        ASSERT_NE(m_pFrame, nullptr);
        m_pFrame->GetClientRect(&m_rcClient);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
    }
    // Docks a bar of the given size and style.
    CTestBar& Dock(CTestBar& bar, DWORD dwStyle)
    {
        EXPECT_TRUE(bar.Make(m_pFrame, dwStyle));
        EXPECT_TRUE(m_pFrame->GetDockBarMgr().AddBar(&bar));
        return bar;
    }
    CRect DockRect(UINT nSide)
    {
        CLuDockBar* pDock = m_pFrame->GetDockBarMgr().GetDockBar(nSide);
        return pDock != nullptr ? frametest::RectInParent(pDock->GetSafeHwnd(), m_pFrame->GetSafeHwnd()) : CRect();
    }
    CRect ClientWndRect()
    {
        return frametest::RectInParent(m_pFrame->GetClientWnd().GetSafeHwnd(), m_pFrame->GetSafeHwnd());
    }
    int CountNodes()
    {
        int n = 0;
        for (const DOCKBAR_NODE* p = m_pFrame->GetDockBarMgr().GetFirstNode(); p != nullptr; p = p->pNext)
            ++n;
        return n;
    }

    CTestFrame* m_pFrame = nullptr;
    CRect m_rcClient;
};

}  // namespace

TEST_F(DockFixture, DockBarsTakeTheirSidesInTheOrderTheSidesWereFirstUsed)
{
    const int W = m_rcClient.Width(), H = m_rcClient.Height();
    CTestBar right(CSize(25, 40)), top(CSize(120, 20)), left(CSize(30, 50)), bottom(CSize(0x7FFF, 22), LU_BAR_STATUSBAR);
    Dock(right, LU_DOCK_RIGHT);
    Dock(top, LU_DOCK_TOP);
    Dock(left, LU_DOCK_LEFT);
    Dock(bottom, LU_DOCK_BOTTOM);
    m_pFrame->RecalcLayout();
    // Right first: the full height; then top, left and bottom within what remains.
    EXPECT_EQ(DockRect(LU_DOCK_RIGHT), CRect(W - 25, 0, W, H));
    EXPECT_EQ(DockRect(LU_DOCK_TOP), CRect(0, 0, W - 25, 20));
    EXPECT_EQ(DockRect(LU_DOCK_LEFT), CRect(0, 20, 30, H));
    EXPECT_EQ(DockRect(LU_DOCK_BOTTOM), CRect(30, H - 22, W - 25, H));
    EXPECT_EQ(ClientWndRect(), CRect(30, 20, W - 25, H - 22));
    // Bars fill their dock bars: each alone in its row gets the row's whole length.
    EXPECT_EQ(top.RectIn(m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_TOP)), CRect(0, 0, W - 25, 20));
    EXPECT_EQ(left.RectIn(m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_LEFT)), CRect(0, 0, 30, H - 20));
    EXPECT_EQ(top.m_nLastSizeType, static_cast<UINT>(SIZE_RESTORED));

    // A side that is not a side is refused.
    CTestBar floating(CSize(10, 10));
    ASSERT_TRUE(floating.Make(m_pFrame, 4));
    EXPECT_FALSE(m_pFrame->GetDockBarMgr().AddBar(&floating));
    EXPECT_FALSE(m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_TOP)->AddBar(&left));
}

TEST_F(DockFixture, RowsSplitOnTheNewRowFlagAndAfterMenuAndStatusBars)
{
    const int W = m_rcClient.Width();
    CTestBar a(CSize(100, 20)), b(CSize(80, 24)), c(CSize(60, 30)), menu(CSize(0x7FFF, 18), LU_BAR_MENUBAR),
        tool(CSize(50, 26));
    Dock(menu, LU_DOCK_TOP);
    Dock(tool, LU_DOCK_TOP);                     // no new-row flag, still a row of its own
    Dock(a, LU_DOCK_TOP | LU_CBRS_NEWROW);
    Dock(c, LU_DOCK_TOP);                        // shares a's row
    Dock(b, LU_DOCK_TOP | LU_CBRS_NEWROW);
    m_pFrame->RecalcLayout();
    CLuDockBar* pTop = m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_TOP);
    ASSERT_NE(pTop, nullptr);
    EXPECT_EQ(pTop->GetCount(), 5);
    EXPECT_EQ(DockRect(LU_DOCK_TOP).Height(), 18 + 26 + 30 + 24);
    EXPECT_EQ(menu.RectIn(pTop), CRect(0, 0, W, 18));
    EXPECT_EQ(tool.RectIn(pTop), CRect(0, 18, W, 44));
    // a and c share the spare length equally and take the row's height.
    const int spare = (W - 160) / 2;
    EXPECT_EQ(a.RectIn(pTop), CRect(0, 44, 100 + spare, 74));
    EXPECT_EQ(c.RectIn(pTop), CRect(100 + spare, 44, 160 + 2 * spare, 74));
    EXPECT_EQ(b.RectIn(pTop), CRect(0, 74, W, 98));
    EXPECT_EQ(ClientWndRect().top, 98);

    // A hidden bar takes no room, and a hidden menu bar still ends its row.
    menu.ShowWindow(SW_HIDE);
    c.ShowWindow(SW_HIDE);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(tool.RectIn(pTop), CRect(0, 0, W, 26));
    EXPECT_EQ(a.RectIn(pTop), CRect(0, 26, W, 46));
    EXPECT_EQ(ClientWndRect().top, 26 + 20 + 24);
}

TEST_F(DockFixture, FixedLengthBarsKeepTheirLengthAndTheRestIsPaintedFace)
{
    const int W = m_rcClient.Width();
    CTestBar a(CSize(100, 20)), b(CSize(60, 16));
    Dock(a, LU_DOCK_TOP | LU_CBRS_FIXEDLEN);
    Dock(b, LU_DOCK_TOP);
    m_pFrame->RecalcLayout();
    CLuDockBar* pTop = m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_TOP);
    EXPECT_EQ(a.RectIn(pTop), CRect(0, 0, 100, 20));
    EXPECT_EQ(b.RectIn(pTop), CRect(100, 0, W, 20));  // the only sharing bar takes all the spare

    b.SetCtrlStyleEx(b.GetCtrlStyleEx() | LU_CBRS_FIXEDLEN);
    m_pFrame->RecalcLayout();  // the dock bar keeps its size, its rows are laid out again
    EXPECT_EQ(b.RectIn(pTop), CRect(100, 0, 160, 20));
    skintest::Canvas canvas(W, 20);
    pTop->PaintDock(canvas.dc());
    const COLORREF face = CLuThemeManager::Instance()->GetTheme()->GetThemeColor(LUCLR_FACE);
    EXPECT_EQ(canvas.At(200, 10), face);
    EXPECT_EQ(canvas.At(W - 1, 0), face);
    EXPECT_EQ(canvas.At(50, 10), RGB(255, 255, 255));  // under a bar: the bar paints itself
}

TEST_F(DockFixture, LeftAndRightDocksStackBarsInColumns)
{
    const int H = m_rcClient.Height();
    CTestBar a(CSize(30, 50)), b(CSize(40, 60)), c(CSize(20, 70));
    Dock(a, LU_DOCK_LEFT);
    Dock(b, LU_DOCK_LEFT);
    Dock(c, LU_DOCK_LEFT | LU_CBRS_NEWROW);
    m_pFrame->RecalcLayout();
    CLuDockBar* pLeft = m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_LEFT);
    EXPECT_EQ(DockRect(LU_DOCK_LEFT), CRect(0, 0, 60, H));
    const int spare = (H - 110) / 2;
    EXPECT_EQ(a.RectIn(pLeft), CRect(0, 0, 40, 50 + spare));
    EXPECT_EQ(b.RectIn(pLeft), CRect(0, 50 + spare, 40, 110 + 2 * spare));
    EXPECT_EQ(c.RectIn(pLeft), CRect(40, 0, 60, H));
}

TEST_F(DockFixture, ReplacingADeadDockBarLeavesOneNodePerSide)
{
    CTestBar a(CSize(100, 20)), b(CSize(100, 20)), c(CSize(30, 30));
    Dock(c, LU_DOCK_LEFT);
    Dock(a, LU_DOCK_TOP);
    EXPECT_EQ(CountNodes(), 2);
    CLuDockBar* pOld = m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_TOP);
    ASSERT_NE(pOld, nullptr);
    ::DestroyWindow(pOld->GetSafeHwnd());
    EXPECT_EQ(m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_TOP), nullptr);

    Dock(b, LU_DOCK_TOP);
    CLuDockBar* pNew = m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_TOP);
    ASSERT_NE(pNew, nullptr);
    EXPECT_EQ(CountNodes(), 2);
    // The new dock bar goes to the end of the list; the left one keeps its place.
    const DOCKBAR_NODE* pFirst = m_pFrame->GetDockBarMgr().GetFirstNode();
    EXPECT_EQ(pFirst->pDockBar, m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_LEFT));
    EXPECT_EQ(pFirst->pNext->pDockBar, pNew);
    m_pFrame->RecalcLayout();  // walks the list: no node may name the deleted dock bar
    EXPECT_EQ(ClientWndRect().top, 20);

    m_pFrame->GetDockBarMgr().DeleteDockBars();
    EXPECT_EQ(m_pFrame->GetDockBarMgr().GetFirstNode(), nullptr);
    EXPECT_EQ(m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_LEFT), nullptr);
    EXPECT_FALSE(::IsWindow(b.GetSafeHwnd()));  // went with its dock bar
}
