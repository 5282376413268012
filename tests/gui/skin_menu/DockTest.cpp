// The menu bar and the toolbar docked in a skinned frame: the frame makes its menu bar from a
// menu ID, both bars take rows of their own at the top (a vertical toolbar a column at the
// left), the toolbar's clicks and drop-downs reach the frame's handlers, the frame's idle update
// sets the buttons' states, the toolbar's tail hides the menu bar, and the frame's keys open the
// menu bar's popups.
#include "fx/win/WinApp.h"
#include "skin/frame/FrameWnd.h"
#include "skin/menu/MenuBar.h"
#include "skin/menu/ToolBar.h"
#include "tests/gui/skin_menu/MenuTestRes.h"
#include "tests/gui/skin_menu/MenuTestSupport.h"

#include <gtest/gtest.h>

using menutest::PostKey;
using menutest::PostMouse;

namespace {

// The program's application object: the toolbar offers commands to its main window.
class CMenuTestApp : public CWinApp {
public:
    CMenuTestApp() : CWinApp("menu tests") { m_hInstance = ::GetModuleHandleW(nullptr); }
};
CMenuTestApp g_app;

class CDockFrame : public CLuFrameWnd {
public:
    std::vector<UINT> handled;
    std::vector<int> dropDowns;
    BOOL m_bOpenEnabled = FALSE;

protected:
    void OnNew() { handled.push_back(ID_FILE_NEW); }
    void OnCut() { handled.push_back(ID_EDIT_CUT); }
    void OnUpdateNew(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void OnUpdateOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bOpenEnabled); }
    void OnDropDown(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        dropDowns.push_back(reinterpret_cast<NMTOOLBARA*>(pNMHDR)->iItem);
        *pResult = 0;
    }
    void PostNcDestroy() override {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDockFrame, CLuFrameWnd)
    ON_COMMAND(ID_FILE_NEW, OnNew)
    ON_COMMAND(ID_EDIT_CUT, OnCut)
    ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateNew)
    ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, OnUpdateOpen)
    ON_NOTIFY_RANGE(TBN_DROPDOWN, 59424, 59430, OnDropDown)
END_MESSAGE_MAP()

class DockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.Create(nullptr, "Dock test", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 440)));
        m_frame.SetWindowPos(nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        g_app.m_pMainWnd = &m_frame;
    }
    void TearDown() override
    {
        g_app.m_pMainWnd = nullptr;
        if (m_bar.GetSafeHwnd() != nullptr)
            m_bar.DestroyWindow();
        m_frame.DestroyWindow();
    }
    // A bar's rectangle in the frame's client coordinates.
    CRect InFrame(CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        m_frame.ScreenToClient(&rc);
        return rc;
    }
    void MakeToolBar(DWORD dwSide)
    {
        ASSERT_TRUE(m_bar.Create(&m_frame, WS_VISIBLE | dwSide, 59424));
        m_bar.SetImageSize(CSize(32, 32));
        ASSERT_TRUE(m_bar.LoadBitmap(IDB_TOOL32));
        LUTBBUTTON b[3] = {{0, ID_FILE_NEW, 0, 0, 0, "New"}, {1, ID_FILE_OPEN, 0, 0, 0, "Open"},
                           {2, ID_EDIT_COPY, 0, 0, 0, "Copy"}};
        ASSERT_TRUE(m_bar.AddButtons(3, b));
        m_bar.SetButtonDropDown(2, TRUE);
        ASSERT_TRUE(m_frame.AddToolBar(&m_bar));
        m_frame.RecalcLayout(TRUE);
        m_frame.GetDockBarMgr().ForceLayout();
    }

    CDockFrame m_frame;
    CLuToolBar m_bar;
};

}  // namespace

TEST_F(DockTest, MenuBarAndToolBarTakeRowsOfTheirOwn)
{
    ASSERT_TRUE(m_frame.SetMenuID(IDR_TESTMENU));
    CLuMenuBar* pMenuBar = m_frame.GetMenuBar();
    ASSERT_NE(pMenuBar, nullptr);
    EXPECT_EQ(m_frame.GetMenuHandle(), pMenuBar->GetMenuHandle());
    EXPECT_EQ(pMenuBar->GetMenuItemCount(), 3u);
    MakeToolBar(0);
    CRect rcClient;
    m_frame.GetClientRect(&rcClient);
    const CRect rcMenu = InFrame(*pMenuBar), rcBar = InFrame(m_bar);
    EXPECT_EQ(rcMenu, CRect(0, 0, rcClient.right, pMenuBar->GetBarHeight()));
    // The toolbar follows the menu bar on a row of its own and takes the row's spare length.
    EXPECT_EQ(rcBar, CRect(0, rcMenu.bottom, rcClient.right, rcMenu.bottom + m_bar.CalcFixedLayout().cy));
    // Its tail hides the menu bar; the toolbar moves up into the space.
    CRect rcWnd;
    m_bar.GetWindowRect(&rcWnd);
    const CPoint ptTail(rcWnd.right - 4, rcWnd.top + 8);
    m_bar.SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(ptTail.x, ptTail.y));
    m_bar.SendMessage(WM_NCLBUTTONUP, HTBORDER, MAKELPARAM(ptTail.x, ptTail.y));
    EXPECT_FALSE(m_frame.IsMainMenuBarVisible());
    EXPECT_EQ(InFrame(m_bar).top, 0);
}

TEST_F(DockTest, VerticalToolBarTakesAColumnAtTheLeft)
{
    ASSERT_TRUE(m_frame.SetMenuID(IDR_TESTMENU));
    MakeToolBar(LU_DOCK_LEFT);
    const CRect rcBar = InFrame(m_bar);
    const CSize size = m_bar.CalcFixedLayout();
    EXPECT_EQ(rcBar.left, 0);
    EXPECT_EQ(rcBar.top, m_frame.GetMenuBar()->GetBarHeight());
    EXPECT_EQ(rcBar.Width(), size.cx);
    EXPECT_GE(rcBar.Height(), size.cy);
}

TEST_F(DockTest, ClicksDropDownsAndStatesGoThroughTheFrame)
{
    MakeToolBar(0);
    CRect rc;
    m_bar.GetItemRect(0, &rc);
    PostMouse(m_bar.m_hWnd, WM_LBUTTONDOWN, rc.CenterPoint(), MK_LBUTTON);
    PostMouse(m_bar.m_hWnd, WM_LBUTTONUP, rc.CenterPoint());
    m_bar.GetItemRect(2, &rc);
    PostMouse(m_bar.m_hWnd, WM_LBUTTONDOWN, CPoint(rc.right - 5, rc.CenterPoint().y), MK_LBUTTON);
    ASSERT_TRUE(fxtest::PumpUntil([&] { return !m_frame.handled.empty() && !m_frame.dropDowns.empty(); }));
    EXPECT_EQ(m_frame.handled, std::vector<UINT>{ID_FILE_NEW});
    EXPECT_EQ(m_frame.dropDowns, std::vector<int>{ID_EDIT_COPY});

    // The frame's idle update reaches the docked toolbar.
    m_frame.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(m_bar.IsButtonChecked(0));
    EXPECT_FALSE(m_bar.IsButtonEnable(1));
    m_frame.m_bOpenEnabled = TRUE;
    m_frame.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(m_bar.IsButtonEnable(1));
}

TEST_F(DockTest, FrameKeysOpenTheMenuBarsPopups)
{
    ASSERT_TRUE(m_frame.SetMenuID(IDR_TESTMENU));
    fxtest::ModalTimeout timeout(15000);
    MSG msg{m_frame.m_hWnd, WM_SYSKEYDOWN, 'E', 0, 0, {0, 0}};
    // Edit opens from the keyboard with its first item selected; Enter chooses Cut.
    menutest::Owner().When(
        [] { return CLuMenu::GetTopLevelMenu() != nullptr && CLuMenu::GetTopLevelMenu()->GetCurSel() == 0; },
        [&] { PostKey(m_frame.m_hWnd, VK_RETURN); });
    EXPECT_TRUE(m_frame.OnMenuAccelator(&msg));
    ASSERT_TRUE(fxtest::PumpUntil([&] { return !m_frame.handled.empty(); }));
    EXPECT_EQ(m_frame.handled, std::vector<UINT>{ID_EDIT_CUT});
    // Hidden, the menu bar takes no keys.
    m_frame.ShowMainMenuBar(FALSE);
    EXPECT_FALSE(m_frame.OnMenuAccelator(&msg));
}
