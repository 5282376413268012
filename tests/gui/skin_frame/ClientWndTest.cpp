// The client window: the side bars' slices and parts, splitter drags through posted mouse
// messages, the close box, floating and docking a bar's child, the main child's rules,
// children that fail to come, and the program's messages passed up to the parent.
#include "skin/core/LuLibAux.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"
#include "tests/gui/skin_frame/FrameTestSupport.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

using frametest::Post;
using frametest::RectInParent;

namespace {

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

const DWORD kFullStyle = LU_CBS_SPLITTER | LU_CBS_CAPTION | LU_CBS_TITLE | LU_CBS_CLOSEBOX;

class ClientFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = CTestFrame::Make(400, 300);
        ASSERT_NE(m_pFrame, nullptr);
        Client().GetClientRect(&m_rc);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
    }
    // A library-owned pane in the bar of that side.
    CTestPane* AddChild(bar_pos nPos)
    {
        CTestPaneContext context(RUNTIME_CLASS(CTestPane));
        return DYNAMIC_DOWNCAST(CTestPane, Client().CreateBarChild(nPos, &context));
    }
    CRect ChildRect(CWnd* pWnd) { return RectInParent(pWnd->GetSafeHwnd(), Client().GetSafeHwnd()); }
    void Mouse(UINT message, UINT nFlags, CPoint pt)
    {
        Post(Client().GetSafeHwnd(), message, nFlags, MAKELPARAM(pt.x, pt.y));
    }
    // Drags the splitter at from along the path; the button stays down until release.
    void Drag(CPoint from, std::initializer_list<CPoint> path, bool release = true)
    {
        Mouse(WM_MOUSEMOVE, 0, from);
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, from);
        for (CPoint pt : path)
            Mouse(WM_MOUSEMOVE, MK_LBUTTON, pt);
        if (release)
            Mouse(WM_LBUTTONUP, 0, *(path.end() - 1));
    }

    CLuClientWnd& Client() { return m_pFrame->GetClientWnd(); }

    CTestFrame* m_pFrame = nullptr;
    CRect m_rc;
};

}  // namespace

TEST_F(ClientFixture, BarsTakeSlicesInCreationOrderWithTheirParts)
{
    const int W = m_rc.Width(), H = m_rc.Height();
    ASSERT_TRUE(Client().CreateBar(BAR_LEFT, kFullStyle, 100, TRUE, "控制视图"));
    ASSERT_TRUE(Client().CreateBar(BAR_BOTTOM, LU_CBS_SPLITTER | LU_CBS_CAPTION | LU_CBS_CLOSEBOX, 60));
    ASSERT_TRUE(Client().CreateBar(BAR_TOP, LU_CBS_SPLITTER, 40));
    ASSERT_TRUE(Client().CreateBar(BAR_RIGHT, LU_CBS_CAPTION | LU_CBS_TITLE, 50, TRUE, "右"));
    CTestPane* pLeft = AddChild(BAR_LEFT);
    CTestPane* pBottom = AddChild(BAR_BOTTOM);
    CTestPane* pTop = AddChild(BAR_TOP);
    CTestPane* pRight = AddChild(BAR_RIGHT);
    ASSERT_TRUE(pLeft && pBottom && pTop && pRight);

    CLuClientBar& left = *Client().GetBar(BAR_LEFT);
    EXPECT_EQ(left.GetBarRect(), CRect(0, 0, 100, H));
    EXPECT_EQ(CRect(left.GetSplitter().GetRect()), CRect(95, 0, 100, H));
    EXPECT_EQ(left.GetCaptionRect(), CRect(0, 0, 95, 25));
    EXPECT_EQ(CRect(left.GetCloseBox().GetRect()), CRect(78, 5, 93, 20));
    EXPECT_EQ(left.GetTitleRect(), CRect(7, 2, 78, 23));
    EXPECT_EQ(ChildRect(pLeft), CRect(0, 25, 95, H));

    CLuClientBar& bottom = *Client().GetBar(BAR_BOTTOM);
    EXPECT_EQ(bottom.GetBarRect(), CRect(100, H - 60, W, H));
    EXPECT_EQ(CRect(bottom.GetSplitter().GetRect()), CRect(100, H - 60, W, H - 55));
    EXPECT_EQ(bottom.GetCaptionRect(), CRect(100, H - 55, 125, H));
    EXPECT_EQ(CRect(bottom.GetCloseBox().GetRect()), CRect(105, H - 53, 120, H - 38));
    EXPECT_TRUE(bottom.GetTitleRect().IsRectEmpty());  // horizontal bars show no title
    EXPECT_EQ(ChildRect(pBottom), CRect(125, H - 55, W, H));

    EXPECT_EQ(ChildRect(pTop), CRect(100, 0, W, 35));
    EXPECT_EQ(CRect(Client().GetBar(BAR_TOP)->GetSplitter().GetRect()), CRect(100, 35, W, 40));
    EXPECT_EQ(ChildRect(pRight), CRect(W - 50, 65, W, H - 60));
    EXPECT_TRUE(CRect(Client().GetBar(BAR_RIGHT)->GetCloseBox().GetRect()).IsRectEmpty());
    EXPECT_EQ(Client().GetMainRect(), CRect(100, 40, W - 50, H - 60));

    // A hidden bar gives its slice back; its child hides with it.
    Client().ShowBar(BAR_RIGHT, FALSE);
    EXPECT_FALSE(frametest::HasVisibleStyle(*pRight));
    EXPECT_EQ(Client().GetMainRect(), CRect(100, 40, W, H - 60));
    // A bar never takes more than is left.
    Client().SetBarWidth(BAR_TOP, 5000);
    EXPECT_EQ(Client().GetBar(BAR_TOP)->GetBarRect(), CRect(100, 0, W, H - 60));
    EXPECT_EQ(Client().GetMainRect().Height(), 0);
}

TEST_F(ClientFixture, BarsAndTheirChildrenAreMadeOnce)
{
    ASSERT_TRUE(Client().CreateBar(BAR_LEFT, LU_CBS_CAPTION, 100, TRUE, "first"));
    ASSERT_TRUE(Client().CreateBar(BAR_LEFT, LU_CBS_SPLITTER, 70, FALSE, "second"));
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 100);
    EXPECT_EQ(Client().GetBar(BAR_LEFT)->GetTitle(), CString("first"));
    EXPECT_EQ(Client().GetBar(BAR_LEFT)->GetStyle(), static_cast<DWORD>(LU_CBS_CAPTION | BAR_LEFT));
    EXPECT_TRUE(Client().IsBarShow(BAR_LEFT));

    CTestPane* pChild = AddChild(BAR_LEFT);
    ASSERT_NE(pChild, nullptr);
    EXPECT_EQ(AddChild(BAR_LEFT), pChild);
    EXPECT_EQ(pChild->m_dockNotices, (std::vector<WPARAM>{1}));
    EXPECT_NE(pChild->GetExStyle() & WS_EX_TOOLWINDOW, 0u);
    EXPECT_EQ(Client().GetBarChild(BAR_LEFT), pChild);

    // Sides without a bar, or no side at all, do nothing.
    EXPECT_EQ(AddChild(BAR_RIGHT), nullptr);
    EXPECT_EQ(Client().GetBarChild(BAR_RIGHT), nullptr);
    EXPECT_EQ(Client().GetBarWidth(BAR_RIGHT), -1);
    EXPECT_FALSE(Client().IsBarShow(BAR_RIGHT));
    EXPECT_FALSE(Client().DockBar(BAR_RIGHT, FALSE));
    EXPECT_FALSE(Client().CreateBar(static_cast<bar_pos>(7), 0, 10));
    EXPECT_EQ(Client().GetBar(static_cast<bar_pos>(-1)), nullptr);
}

TEST_F(ClientFixture, SplitterDragsStayWithinTheMinimumAndMaximum)
{
    const int W = m_rc.Width(), H = m_rc.Height();
    ASSERT_TRUE(Client().CreateBar(BAR_LEFT, LU_CBS_SPLITTER, 100));
    ASSERT_TRUE(Client().CreateBar(BAR_RIGHT, 0, 60));
    ASSERT_TRUE(Client().CreateBar(BAR_BOTTOM, LU_CBS_SPLITTER, 80));
    CTestPane* pLeft = AddChild(BAR_LEFT);
    ASSERT_NE(pLeft, nullptr);

    Drag(CPoint(97, 50), {CPoint(150, 50)}, false);
    EXPECT_EQ(::GetCapture(), Client().GetSafeHwnd());
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 152);
    EXPECT_EQ(ChildRect(pLeft).Width(), 152 - LU_CB_SPLITTER);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, CPoint(W - 1, 50));
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), W - LU_CB_MAINMIN - 60);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, CPoint(3, 50));
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), LU_CB_MINSIZE);
    Mouse(WM_LBUTTONUP, 0, CPoint(3, 50));
    EXPECT_EQ(::GetCapture(), nullptr);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, CPoint(200, 50));
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), LU_CB_MINSIZE);  // not dragging any more

    // Without a visible right bar the left one may grow up to the main area's minimum.
    Client().ShowBar(BAR_RIGHT, FALSE);
    Drag(CPoint(LU_CB_MINSIZE - 2, 50), {CPoint(W - 1, 50)});
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), W - LU_CB_MAINMIN);
    // Any size by program.
    Client().SetBarWidth(BAR_LEFT, 10);
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 10);
    EXPECT_EQ(Client().GetMaxSize(BAR_TOP), H - LU_CB_MAINMIN - 80);

    // The bottom bar's splitter: size = bar bottom - y + 2.
    const int top = H - 80;
    Drag(CPoint(200, top + 2), {CPoint(200, top - 20)});
    EXPECT_EQ(Client().GetBarWidth(BAR_BOTTOM), 80 + 22);
}

TEST_F(ClientFixture, SplitterDragEndsOnCaptureLossOrAMoveWithoutTheButton)
{
    ASSERT_TRUE(Client().CreateBar(BAR_LEFT, LU_CBS_SPLITTER, 100));
    Drag(CPoint(97, 50), {CPoint(120, 50)}, false);
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 122);
    ::ReleaseCapture();
    EXPECT_FALSE(Client().GetBar(BAR_LEFT)->GetSplitter().IsDragging());
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, CPoint(200, 50));
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 122);

    Drag(CPoint(119, 50), {CPoint(140, 50)}, false);
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 142);
    Mouse(WM_MOUSEMOVE, 0, CPoint(180, 50));  // the button came up unseen
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 142);
    EXPECT_EQ(::GetCapture(), nullptr);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, CPoint(200, 50));
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 142);
}

TEST_F(ClientFixture, CloseBoxClickHidesTheBar)
{
    ASSERT_TRUE(Client().CreateBar(BAR_LEFT, kFullStyle, 100));
    CTestPane* pChild = AddChild(BAR_LEFT);
    const CPoint centre = CRect(Client().GetBar(BAR_LEFT)->GetCloseBox().GetRect()).CenterPoint();
    Mouse(WM_MOUSEMOVE, 0, centre);
    EXPECT_TRUE(Client().GetBar(BAR_LEFT)->GetCloseBox().Tracing());
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    Mouse(WM_LBUTTONUP, 0, centre);
    EXPECT_FALSE(Client().IsBarShow(BAR_LEFT));
    EXPECT_FALSE(frametest::HasVisibleStyle(*pChild));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Client().GetMainRect(), m_rc);
}

TEST_F(ClientFixture, FloatAndDockRoundTripRestoresTheSize)
{
    ASSERT_TRUE(Client().CreateBar(BAR_LEFT, LU_CBS_SPLITTER, 120));
    CTestPane* pChild = AddChild(BAR_LEFT);
    ASSERT_NE(pChild, nullptr);
    const CRect rcDocked = ChildRect(pChild);
    pChild->m_rcFloat = CRect(500, 100, 700, 260);
    ASSERT_TRUE(Client().DockBar(BAR_LEFT, FALSE));
    EXPECT_EQ(pChild->m_dockNotices, (std::vector<WPARAM>{1, 0}));
    EXPECT_EQ(::GetParent(pChild->GetSafeHwnd()), nullptr);
    EXPECT_EQ(pChild->GetStyle() & WS_CHILD, 0u);
    EXPECT_TRUE(Client().IsFloatBarShow(BAR_LEFT));
    CRect rcFloat;
    pChild->GetWindowRect(&rcFloat);
    EXPECT_EQ(rcFloat, CRect(500, 100, 700, 260));
    EXPECT_FALSE(Client().IsBarDock(BAR_LEFT));
    EXPECT_FALSE(Client().IsBarShow(BAR_LEFT));
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 0);
    EXPECT_EQ(Client().GetBarChild(BAR_LEFT), nullptr);
    EXPECT_EQ(Client().GetMainRect(), m_rc);
    EXPECT_TRUE(Client().DockBar(BAR_LEFT, FALSE));  // already floating

    Client().ShowFloatBar(BAR_LEFT, FALSE);
    EXPECT_FALSE(Client().IsFloatBarShow(BAR_LEFT));
    Client().ShowFloatBar(BAR_LEFT, TRUE);
    ASSERT_TRUE(Client().DockBar(BAR_LEFT, TRUE));
    EXPECT_EQ(pChild->m_dockNotices, (std::vector<WPARAM>{1, 0, 1}));
    EXPECT_EQ(::GetParent(pChild->GetSafeHwnd()), Client().GetSafeHwnd());
    EXPECT_NE(pChild->GetStyle() & WS_CHILD, 0u);
    EXPECT_TRUE(Client().IsBarDock(BAR_LEFT));
    EXPECT_TRUE(Client().IsBarShow(BAR_LEFT));
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 120);
    EXPECT_EQ(ChildRect(pChild), rcDocked);

    // A child that names no place floats where it is; a size set meanwhile is the one restored.
    pChild->m_rcFloat = CRect();
    CRect rcScreen;
    pChild->GetWindowRect(&rcScreen);
    ASSERT_TRUE(Client().DockBar(BAR_LEFT, FALSE));
    pChild->GetWindowRect(&rcFloat);
    EXPECT_EQ(rcFloat, rcScreen);
    Client().SetBarWidth(BAR_LEFT, 90);
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 0);
    ASSERT_TRUE(Client().DockBar(BAR_LEFT, TRUE));
    EXPECT_EQ(Client().GetBarWidth(BAR_LEFT), 90);
}

TEST_F(ClientFixture, FloatingChildGoesWithItsClientWindowAndWithTheLibrary)
{
    const int nLive = CTestPane::s_nLive;
    ASSERT_TRUE(Client().CreateBar(BAR_LEFT, 0, 120));
    ASSERT_TRUE(Client().CreateBar(BAR_RIGHT, 0, 80));
    CTestPane* pLeft = AddChild(BAR_LEFT);
    ASSERT_NE(pLeft, nullptr);
    ASSERT_TRUE(Client().DockBar(BAR_LEFT, FALSE));
    HWND hFloat = pLeft->GetSafeHwnd();
    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    EXPECT_FALSE(::IsWindow(hFloat));
    EXPECT_EQ(CTestPane::s_nLive, nLive);

    // A client window still alive when the library ends loses its floating window then.
    m_pFrame = CTestFrame::Make(400, 300);
    ASSERT_TRUE(Client().CreateBar(BAR_RIGHT, 0, 80));
    CTestPaneContext context(RUNTIME_CLASS(CTestPane));
    ASSERT_NE(Client().CreateBarChild(BAR_RIGHT, &context), nullptr);
    ASSERT_TRUE(Client().DockBar(BAR_RIGHT, FALSE));
    hFloat = Client().GetBar(BAR_RIGHT)->GetFloatWnd()->GetSafeHwnd();
    ASSERT_EQ(LuLibAux::m_nRefCount, 1);
    LuLibAux::UninitLuLib(::GetModuleHandleW(nullptr), nullptr);
    EXPECT_FALSE(::IsWindow(hFloat));
    LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(CTestPane::s_nLive, nLive);
    EXPECT_TRUE(Client().IsBarDock(BAR_RIGHT));
    EXPECT_EQ(Client().GetBarChild(BAR_RIGHT), nullptr);
}

TEST_F(ClientFixture, MainChildRules)
{
    CTestPane a, b;
    ASSERT_TRUE(a.Make(&Client()));
    ASSERT_TRUE(b.Make(m_pFrame));  // another parent: re-parented when it becomes main
    CWnd* pOld = reinterpret_cast<CWnd*>(1);
    ASSERT_TRUE(Client().SetMainChild(&a, pOld));
    EXPECT_EQ(pOld, nullptr);
    EXPECT_TRUE(frametest::HasVisibleStyle(a));
    EXPECT_EQ(ChildRect(&a), m_rc);
    pOld = reinterpret_cast<CWnd*>(1);
    EXPECT_FALSE(Client().SetMainChild(&a, pOld));
    EXPECT_EQ(pOld, reinterpret_cast<CWnd*>(1));
    ASSERT_TRUE(Client().SetMainChild(&b, pOld));
    EXPECT_EQ(pOld, &a);
    EXPECT_EQ(::GetParent(b.GetSafeHwnd()), Client().GetSafeHwnd());
    EXPECT_EQ(ChildRect(&b), m_rc);
    ASSERT_TRUE(Client().SetMainChild(static_cast<CWnd*>(nullptr), pOld));
    EXPECT_EQ(pOld, &b);
    EXPECT_EQ(Client().GetMainChild(), nullptr);

    // From a context: the new child is placed in the main area, the old one handed back.
    CTestPaneContext context(RUNTIME_CLASS(CTestPane));
    Client().SetMainChild(&a, pOld);
    CWnd* pNew = Client().SetMainChild(&context, pOld);
    ASSERT_NE(pNew, nullptr);
    EXPECT_EQ(pOld, &a);
    EXPECT_EQ(Client().GetMainChild(), pNew);
    EXPECT_EQ(ChildRect(pNew), m_rc);
}

TEST_F(ClientFixture, ChildrenThatFailToComeLeaveNothingBehind)
{
    const int nLive = CTestPane::s_nLive;
    const int nWindows = frametest::CountThreadWindows();
    CTestPane main;
    ASSERT_TRUE(main.Make(&Client()));
    CWnd* pOld = nullptr;
    Client().SetMainChild(&main, pOld);

    CTestPaneContext failing(RUNTIME_CLASS(CFailingPane));
    pOld = reinterpret_cast<CWnd*>(1);
    EXPECT_EQ(Client().SetMainChild(&failing, pOld), nullptr);
    EXPECT_EQ(pOld, reinterpret_cast<CWnd*>(1));
    EXPECT_EQ(Client().GetMainChild(), &main);
    ASSERT_TRUE(Client().CreateBar(BAR_LEFT, 0, 80));
    EXPECT_EQ(Client().CreateBarChild(BAR_LEFT, &failing), nullptr);
    EXPECT_FALSE(Client().GetBar(BAR_LEFT)->HasChild());
    // A window of the caller's that never came is not used either.
    CTestPane never;
    CLuCContext custom(&never);
    EXPECT_EQ(Client().CreateBarChild(BAR_LEFT, &custom), nullptr);
    EXPECT_EQ(Client().SetMainChild(&custom, pOld), nullptr);
    EXPECT_EQ(CTestPane::s_nLive, nLive + 2);  // main and never, nothing else
    EXPECT_EQ(frametest::CountThreadWindows(), nWindows + 1);
    // A bar without a child shows the face colour there.
    skintest::Canvas canvas(m_rc.Width(), m_rc.Height());
    Client().PaintClient(canvas.dc());
    EXPECT_EQ(canvas.At(40, 100), Theme().GetThemeColor(LUCLR_FACE));
}

TEST_F(ClientFixture, PaintsCaptionSplitterAndEmptyAreas)
{
    ASSERT_TRUE(Client().CreateBar(BAR_LEFT, kFullStyle, 100, TRUE, "T"));
    skintest::Canvas canvas(m_rc.Width(), m_rc.Height());
    Client().PaintClient(canvas.dc());
    CLuTheme& t = Theme();
    const COLORREF c0 = t.GetThemeColor(LUCLR_BASE);
    EXPECT_EQ(canvas.At(40, 24), c0);  // the caption's edge line along its bottom row
    EXPECT_EQ(canvas.At(95, 10), CLuPainter::LightColor(c0, 20));  // splitter edges
    EXPECT_EQ(canvas.At(99, 10), CLuPainter::LightColor(c0, 20));
    EXPECT_EQ(canvas.At(97, 10), t.GetThemeColor(LUCLR_HIGHLIGHT));
    EXPECT_EQ(canvas.At(200, 100), t.GetThemeColor(LUCLR_FACE));  // no main child
    int nMark = 0;
    for (int y = 5; y < 20; ++y)
        for (int x = 78; x < 93; ++x)
            nMark += canvas.At(x, y) == c0;
    EXPECT_GT(nMark, 4);  // the close box's mark

    // The border is one pixel; the stored colour is the one it is painted in.
    CRect rcWindow;
    Client().GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow.Width(), m_rc.Width() + 2);
    EXPECT_EQ(Client().GetBorderColor(), 0xFFFFFFFFu);
    Client().SetBoderColor(RGB(1, 2, 3));
    EXPECT_EQ(Client().GetBorderColor(), RGB(1, 2, 3));
}

TEST_F(ClientFixture, TheProgramsMessagesGoUpToTheParent)
{
    EXPECT_EQ(Client().SendMessage(WM_USER + 0x1010, 12, 0), 0x55);
    EXPECT_EQ(m_pFrame->m_pageMessages, (std::vector<WPARAM>{12}));
    Client().SendMessage(WM_USER + 0xFFE, 13, 0);  // below the range: the window's own
    EXPECT_EQ(m_pFrame->m_pageMessages.size(), 1u);
}

TEST_F(ClientFixture, AClientWindowMadeThroughItsCreateContextIsAPage)
{
    CLuClientWnd page;
    CLuCWCContext context(&page, WS_CHILD | WS_VISIBLE, 5);
    int bCustom = 0;
    ASSERT_EQ(LuLibAux::CreateWnd(&context, &Client(), bCustom), &page);
    EXPECT_EQ(bCustom, 1);
    ASSERT_TRUE(::IsWindow(page.GetSafeHwnd()));
    wchar_t cls[32] = {};
    ::GetClassNameW(page.GetSafeHwnd(), cls, 32);
    EXPECT_STREQ(cls, L"luClientWnd");
    EXPECT_EQ(LuLibAux::CtrlFromHandle(page.GetSafeHwnd()), static_cast<CLuControlBase*>(&page));
    page.SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(page.CreateBar(BAR_BOTTOM, 0, 110));
    CTestPaneContext paneContext(RUNTIME_CLASS(CTestPane));
    CWnd* pPreset = page.CreateBarChild(BAR_BOTTOM, &paneContext);
    ASSERT_NE(pPreset, nullptr);
    EXPECT_EQ(RectInParent(pPreset->GetSafeHwnd(), page.GetSafeHwnd()), CRect(0, 90, 300, 200));
    // The page's messages for the frame pass through both client windows.
    EXPECT_EQ(page.SendMessage(WM_USER + 0x1010, 3, 0), 0x55);
    EXPECT_EQ(m_pFrame->m_pageMessages, (std::vector<WPARAM>{3}));
    page.DestroyWindow();
}
