// The frame: creation with its client window and main child, the menu bar it owns or is given,
// the bar toggles, keys for the menu bar, and commands routed to the client window's child first.
#include "skin/core/CreateContext.h"
#include "skin/core/LuWinApp.h"
#include "tests/gui/skin_frame/FrameTestSupport.h"

#include <gtest/gtest.h>

using frametest::RectInParent;

namespace {

// Records what an update handler does to a menu item or button.
class CRecordingCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override { m_nEnabled = bOn; }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    int m_nEnabled = -1;
    int m_nCheck = -1;
};

class FrameFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        CFakeMenuBar::s_bFailCreate = FALSE;
    }
    int ClientTop()
    {
        return RectInParent(m_pFrame->GetClientWnd().GetSafeHwnd(), m_pFrame->GetSafeHwnd()).top;
    }

    CTestFrame* m_pFrame = nullptr;
};

}  // namespace

TEST_F(FrameFixture, CreationBlockContextMakesTheMainChild)
{
    CTestPaneContext context(RUNTIME_CLASS(CTestPane));
    CLuCreateBlock block(&context);
    m_pFrame = new CTestFrame;
    ASSERT_TRUE(m_pFrame->LoadFrame(9999, WS_OVERLAPPEDWINDOW, nullptr, &block));
    EXPECT_EQ(::GetMenu(m_pFrame->GetSafeHwnd()), nullptr);
    CLuClientWnd& client = m_pFrame->GetClientWnd();
    EXPECT_EQ(client.GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(client.GetStyle() & (WS_CHILD | WS_VISIBLE | WS_BORDER), static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_BORDER));
    CWnd* pMain = m_pFrame->GetMainChild();
    ASSERT_NE(DYNAMIC_DOWNCAST(CTestPane, pMain), nullptr);
    EXPECT_EQ(::GetParent(pMain->GetSafeHwnd()), client.GetSafeHwnd());
    // The main child fills the client window (inside its 1-pixel border).
    CRect rcClient;
    client.GetClientRect(&rcClient);
    EXPECT_EQ(RectInParent(pMain->GetSafeHwnd(), client.GetSafeHwnd()), rcClient);
    CRect rcFrame;
    m_pFrame->GetClientRect(&rcFrame);
    EXPECT_EQ(RectInParent(client.GetSafeHwnd(), m_pFrame->GetSafeHwnd()), rcFrame);

    const int nLive = CTestPane::s_nLive;
    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    EXPECT_EQ(CTestPane::s_nLive, nLive - 1);  // the library's child went with the frame
}

TEST_F(FrameFixture, StandardContextMakesAViewInTheClientWindow)
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTestPane);
    m_pFrame = new CTestFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(10, 10, 300, 200), nullptr, nullptr, 0,
                                 &context));
    CWnd* pMain = m_pFrame->GetMainChild();
    ASSERT_NE(DYNAMIC_DOWNCAST(CTestPane, pMain), nullptr);
    EXPECT_EQ(pMain->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    delete pMain;  // a plain window object: its owner deletes it
}

TEST_F(FrameFixture, OwnMenuBarIsReplacedAndRemovedWithoutDanglingPointers)
{
    m_pFrame = CTestFrame::Make();
    const int nLive = CFakeMenuBar::s_nLive;
    ASSERT_TRUE(m_pFrame->SetMenuID(128));
    auto* pFirst = reinterpret_cast<CFakeMenuBar*>(m_pFrame->GetMenuBar());
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->m_nMenuID, 128u);
    EXPECT_EQ(pFirst->GetCtrlStyle(), LU_MENUBAR_STYLE);
    EXPECT_TRUE(m_pFrame->IsMainMenuBarVisible());
    EXPECT_EQ(m_pFrame->GetMenuHandle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(0x5000 + 128)));
    EXPECT_EQ(ClientTop(), 24);

    ASSERT_TRUE(m_pFrame->SetMenuID(129));
    EXPECT_EQ(CFakeMenuBar::s_nLive, nLive + 1);  // the first one is gone
    EXPECT_EQ(reinterpret_cast<CFakeMenuBar*>(m_pFrame->GetMenuBar())->m_nMenuID, 129u);
    EXPECT_EQ(ClientTop(), 24);

    ASSERT_TRUE(m_pFrame->SetMenuID(0));
    EXPECT_EQ(CFakeMenuBar::s_nLive, nLive);
    EXPECT_EQ(m_pFrame->GetMenuBar(), nullptr);
    EXPECT_EQ(ClientTop(), 0);  // its row closed up
    EXPECT_EQ(m_pFrame->GetMenuHandle(), nullptr);
    EXPECT_FALSE(m_pFrame->ShowMainMenuBar(TRUE));
    MSG msg{m_pFrame->GetSafeHwnd(), WM_SYSKEYDOWN, 'F', 0, 0, {0, 0}};
    EXPECT_FALSE(m_pFrame->OnMenuAccelator(&msg));
    m_pFrame->SendMessage(LU_WM_TOGGLEMENUBAR, 0, 0);

    CFakeMenuBar::s_bFailCreate = TRUE;
    EXPECT_FALSE(m_pFrame->SetMenuID(130));
    EXPECT_EQ(CFakeMenuBar::s_nLive, nLive);
    EXPECT_EQ(m_pFrame->GetMenuBar(), nullptr);
}

TEST_F(FrameFixture, ProgramsMenuBarTakesOverAndGivesBack)
{
    m_pFrame = CTestFrame::Make();
    ASSERT_TRUE(m_pFrame->SetMenuID(128));
    CLuMenuBar* pOwn = m_pFrame->GetMenuBar();
    CFakeMenuBar program;
    ASSERT_TRUE(program.Create(m_pFrame, LU_MENUBAR_STYLE, 200));
    ASSERT_TRUE(m_pFrame->SetMenu(program.AsMenuBar()));
    EXPECT_EQ(m_pFrame->GetMenuBar(), program.AsMenuBar());
    EXPECT_TRUE(frametest::HasVisibleStyle(program));
    EXPECT_FALSE(frametest::HasVisibleStyle(*reinterpret_cast<CFakeMenuBar*>(pOwn)));
    CLuDockBar* pTop = m_pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_TOP);
    ASSERT_NE(pTop, nullptr);
    EXPECT_TRUE(pTop->HasBar(&program));
    EXPECT_EQ(m_pFrame->GetMenuHandle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(0x5000 + 200)));
    EXPECT_EQ(ClientTop(), 24);  // one menu row, the hidden own bar takes none

    ASSERT_TRUE(m_pFrame->SetMenu(nullptr));
    EXPECT_EQ(m_pFrame->GetMenuBar(), pOwn);
    EXPECT_FALSE(pTop->HasBar(&program));
    EXPECT_TRUE(pTop->HasBar(reinterpret_cast<CFakeMenuBar*>(pOwn)));
    EXPECT_TRUE(m_pFrame->IsMainMenuBarVisible());
    // Given back while the frame's own is current: it stays docked and shown.
    ASSERT_TRUE(m_pFrame->SetMenu(nullptr));
    EXPECT_TRUE(pTop->HasBar(reinterpret_cast<CFakeMenuBar*>(pOwn)));
    EXPECT_TRUE(m_pFrame->IsMainMenuBarVisible());
    program.DestroyWindow();
}

TEST_F(FrameFixture, MenuBarToggleKeysAndMenuCharacters)
{
    m_pFrame = CTestFrame::Make();
    ASSERT_TRUE(m_pFrame->SetMenuID(128));
    auto* pBar = reinterpret_cast<CFakeMenuBar*>(m_pFrame->GetMenuBar());
    EXPECT_EQ(m_pFrame->SendMessage(LU_WM_TOGGLEMENUBAR, 0, 0), 0);
    EXPECT_FALSE(m_pFrame->IsMainMenuBarVisible());
    EXPECT_EQ(ClientTop(), 0);
    MSG msg{m_pFrame->GetSafeHwnd(), WM_SYSKEYDOWN, 'F', 0, 0, {0, 0}};
    EXPECT_FALSE(m_pFrame->OnMenuAccelator(&msg));  // hidden: keys are not its business
    EXPECT_TRUE(pBar->m_keys.empty());

    m_pFrame->SendMessage(LU_WM_TOGGLEMENUBAR, 0, 0);
    EXPECT_TRUE(m_pFrame->IsMainMenuBarVisible());
    EXPECT_EQ(ClientTop(), 24);
    EXPECT_TRUE(m_pFrame->OnMenuAccelator(&msg));
    msg.message = WM_SYSKEYUP;
    msg.wParam = 'G';
    EXPECT_FALSE(m_pFrame->OnMenuAccelator(&msg));
    msg.message = WM_KEYDOWN;
    EXPECT_FALSE(m_pFrame->OnMenuAccelator(&msg));
    EXPECT_EQ(pBar->m_keys, (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYUP}));

    // The application's pre-translation reaches the frame through the installed hook.
    ASSERT_NE(CLuWinApp::m_pfnMenuAccelator, nullptr);
    msg.message = WM_SYSKEYDOWN;
    msg.wParam = 'F';
    EXPECT_TRUE(CLuWinApp::m_pfnMenuAccelator(m_pFrame, &msg));

    EXPECT_EQ(m_pFrame->SendMessage(WM_MENUCHAR, MAKEWPARAM('x', MF_POPUP), 0), MAKELRESULT('x', MNC_CLOSE));
    EXPECT_TRUE(m_pFrame->ShowMainMenuBar(FALSE));
    EXPECT_EQ(ClientTop(), 0);
}

TEST_F(FrameFixture, BarToggleCommandsShowAndHideTheStatusBar)
{
    m_pFrame = CTestFrame::Make();
    CLuStatusBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, LU_ID_VIEW_STATUS_BAR));
    const UINT ids[] = {0};
    bar.SetIndicators(ids, 1);
    ASSERT_TRUE(m_pFrame->SetStatusBar(&bar));
    EXPECT_TRUE(m_pFrame->SetStatusBar(&bar));
    CRect rcFrame;
    m_pFrame->GetClientRect(&rcFrame);
    auto clientBottom = [&] { return RectInParent(m_pFrame->GetClientWnd().GetSafeHwnd(), m_pFrame->GetSafeHwnd()).bottom; };
    EXPECT_EQ(clientBottom(), rcFrame.bottom - LU_BAR_DEFAULT_HEIGHT);

    CRecordingCmdUI state;
    state.m_nID = LU_ID_VIEW_STATUS_BAR;
    EXPECT_TRUE(m_pFrame->OnCmdMsg(LU_ID_VIEW_STATUS_BAR, CN_UPDATE_COMMAND_UI, &state, nullptr));
    EXPECT_EQ(state.m_nCheck, 1);
    m_pFrame->SendMessage(WM_COMMAND, LU_ID_VIEW_STATUS_BAR, 0);
    EXPECT_FALSE(frametest::HasVisibleStyle(bar));
    EXPECT_EQ(clientBottom(), rcFrame.bottom);
    EXPECT_TRUE(m_pFrame->OnCmdMsg(LU_ID_VIEW_STATUS_BAR, CN_UPDATE_COMMAND_UI, &state, nullptr));
    EXPECT_EQ(state.m_nCheck, 0);
    m_pFrame->SendMessage(WM_COMMAND, LU_ID_VIEW_STATUS_BAR, 0);
    EXPECT_EQ(clientBottom(), rcFrame.bottom - LU_BAR_DEFAULT_HEIGHT);

    // No toolbar with that ID: the frame leaves the command to others.
    CRecordingCmdUI toolbarState;
    toolbarState.m_nID = LU_ID_VIEW_TOOLBAR;
    EXPECT_FALSE(m_pFrame->OnCmdMsg(LU_ID_VIEW_TOOLBAR, CN_UPDATE_COMMAND_UI, &toolbarState, nullptr));
    EXPECT_EQ(toolbarState.m_nCheck, -1);
    EXPECT_FALSE(m_pFrame->OnCmdMsg(LU_ID_VIEW_TOOLBAR, CN_COMMAND, nullptr, nullptr));
    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
}

TEST_F(FrameFixture, CommandsGoToTheFocusedChildFirstThenTheFrame)
{
    m_pFrame = CTestFrame::Make(400, 300, WS_OVERLAPPEDWINDOW, TRUE);
    CTestPane main, side;
    ASSERT_TRUE(main.Make(&m_pFrame->GetClientWnd()));
    ASSERT_TRUE(side.Make(&m_pFrame->GetClientWnd()));
    CWnd* pOld = nullptr;
    ASSERT_TRUE(m_pFrame->SetMainChild(&main, pOld));
    CLuClientWnd& client = m_pFrame->GetClientWnd();
    ASSERT_TRUE(client.CreateBar(BAR_LEFT, 0, 80));
    CLuCContext custom(&side);
    ASSERT_EQ(client.CreateBarChild(BAR_LEFT, &custom), &side);

    main.SetFocus();
    ASSERT_EQ(::GetFocus(), main.GetSafeHwnd());
    m_pFrame->SendMessage(WM_COMMAND, ID_TEST_BOTH_CMD, 0);
    m_pFrame->SendMessage(WM_COMMAND, ID_TEST_FRAME_CMD, 0);
    EXPECT_EQ(main.m_handled, (std::vector<UINT>{ID_TEST_BOTH_CMD}));
    EXPECT_EQ(m_pFrame->m_handled, (std::vector<UINT>{ID_TEST_FRAME_CMD}));
    EXPECT_EQ(client.GetActiveChild(), &main);

    side.SetFocus();
    m_pFrame->SendMessage(WM_COMMAND, ID_TEST_BOTH_CMD, 0);
    EXPECT_EQ(side.m_handled, (std::vector<UINT>{ID_TEST_BOTH_CMD}));
    EXPECT_EQ(client.GetActiveChild(), &side);
    // A command the child does not know still reaches the frame through the client window.
    m_pFrame->SendMessage(WM_COMMAND, ID_TEST_FRAME_CMD, 0);
    EXPECT_EQ(m_pFrame->m_handled.size(), 2u);

    // The remembered child goes when its bar's child is destroyed.
    client.DestoryBarChild(BAR_LEFT);
    EXPECT_FALSE(::IsWindow(side.GetSafeHwnd()));
    EXPECT_NE(client.GetActiveChild(), &side);
    m_pFrame->SendMessage(WM_COMMAND, ID_TEST_BOTH_CMD, 0);
    EXPECT_EQ(side.m_handled.size(), 1u);
    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
}

TEST_F(FrameFixture, TitleFollowsTheDocumentName)
{
    m_pFrame = CTestFrame::Make(300, 200, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE);
    static_cast<CFrameWnd*>(m_pFrame)->SetTitle("高清多画面分割器");
    m_pFrame->SetTitle("scene.tzs");
    EXPECT_EQ(m_pFrame->GetWindowText(), CString("高清多画面分割器 - scene.tzs"));
    m_pFrame->SetTitle(nullptr);
    EXPECT_EQ(m_pFrame->GetWindowText(), CString("高清多画面分割器"));
}
