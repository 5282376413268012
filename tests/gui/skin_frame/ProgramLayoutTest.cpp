// The family as the program puts it together: an 880 x 760 frame with a two-pane status bar;
// its client window with the control view in a 220-pixel left bar and the book as main child;
// the book's page a client window of its own with the wall page as main child and the preset
// panel in a 110-pixel bottom bar. Rectangles, the routing of commands down to the focused
// window of the page, the page's messages up to the frame, and the end of it all.
#include "skin/ctrl/BookCtrl.h"
#include "tests/gui/skin_frame/FrameTestSupport.h"

#include <gtest/gtest.h>

using frametest::RectInParent;

namespace {

const UINT kBookID = 0x1200, kPageID = 0x1201;
const int kControlView = 220, kPresetPanel = 110;

}  // namespace

TEST(ProgramLayout, FrameBookAndPageAreLaidOutRoutedAndTornDownTogether)
{
    const int nWindows = frametest::CountThreadWindows();
    const int nPanes = CTestPane::s_nLive;
    CTestFrame* pFrame = CTestFrame::Make(880, 760, WS_OVERLAPPEDWINDOW, TRUE);
    ASSERT_NE(pFrame, nullptr);
    CLuStatusBar status;
    ASSERT_TRUE(status.Create(pFrame, LU_ID_VIEW_STATUS_BAR));
    const UINT ids[] = {0, IDS_TEST_CAP};
    ASSERT_TRUE(status.SetIndicators(ids, 2));
    ASSERT_TRUE(pFrame->SetStatusBar(&status));

    CLuClientWnd& client = pFrame->GetClientWnd();
    CTestPaneContext paneContext(RUNTIME_CLASS(CTestPane));
    ASSERT_TRUE(client.CreateBar(BAR_LEFT, 0, kControlView));
    CWnd* pControlView = client.CreateBarChild(BAR_LEFT, &paneContext);
    ASSERT_NE(pControlView, nullptr);
    CLuBookCtrl book;
    ASSERT_TRUE(book.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &client, kBookID));
    CWnd* pOld = nullptr;
    ASSERT_TRUE(pFrame->SetMainChild(&book, pOld));
    EXPECT_EQ(pOld, nullptr);

    CLuClientWnd page;
    CLuCWCContext pageContext(&page, WS_CHILD | WS_VISIBLE, kPageID);
    ASSERT_EQ(book.CreatePage("视图拼接", &pageContext), 0);
    CTestPane wall;
    ASSERT_TRUE(wall.Make(&page));
    ASSERT_TRUE(page.SetMainChild(&wall, pOld));
    ASSERT_TRUE(page.CreateBar(BAR_BOTTOM, 0, kPresetPanel));
    CWnd* pPresets = page.CreateBarChild(BAR_BOTTOM, &paneContext);
    ASSERT_NE(pPresets, nullptr);
    book.SetCurSel(0);

    // The frame's client area (880 - 2 x 2 by 760 - 25 - 2): the status bar at its bottom, the
    // client window (with its one-pixel border) above it.
    HWND hFrame = pFrame->GetSafeHwnd();
    EXPECT_EQ(RectInParent(status.GetSafeHwnd(), hFrame).Height(), 22);
    CRect rcStatus;
    status.GetWindowRect(&rcStatus);
    pFrame->ScreenToClient(&rcStatus);
    EXPECT_EQ(rcStatus, CRect(0, 711, 876, 733));
    EXPECT_EQ(RectInParent(client.GetSafeHwnd(), hFrame), CRect(0, 0, 876, 711));
    HWND hClient = client.GetSafeHwnd();
    EXPECT_EQ(RectInParent(pControlView->GetSafeHwnd(), hClient), CRect(0, 0, kControlView, 709));
    EXPECT_EQ(RectInParent(book.GetSafeHwnd(), hClient), CRect(kControlView, 0, 874, 709));
    // The page fills the book below its title; the wall page and the preset panel share it.
    const CRect rcPage = book.GetPageRect();
    EXPECT_EQ(RectInParent(page.GetSafeHwnd(), book.GetSafeHwnd()), rcPage);
    EXPECT_EQ(rcPage.Width(), 874 - kControlView);
    const int cyPage = rcPage.Height();
    EXPECT_EQ(RectInParent(wall.GetSafeHwnd(), page.GetSafeHwnd()),
              CRect(0, 0, rcPage.Width(), cyPage - kPresetPanel));
    EXPECT_EQ(RectInParent(pPresets->GetSafeHwnd(), page.GetSafeHwnd()),
              CRect(0, cyPage - kPresetPanel, rcPage.Width(), cyPage));
    EXPECT_TRUE(::IsWindowVisible(wall.GetSafeHwnd()));
    EXPECT_TRUE(::IsWindowVisible(pPresets->GetSafeHwnd()));
    // Pane 0 stretches over what pane 1 and the gripper leave.
    CRect rcPane0, rcPane1;
    status.GetItemRect(0, &rcPane0);
    status.GetItemRect(1, &rcPane1);
    CRect rcStatusClient;
    status.GetClientRect(&rcStatusClient);
    EXPECT_EQ(rcPane0.right, rcPane1.left);
    EXPECT_EQ(rcPane1.right, rcStatusClient.right - 12);

    // A command goes frame, client window, book, page, to the focused wall page first; with the
    // focus in the control view it goes there.
    wall.SetFocus();
    ASSERT_EQ(::GetFocus(), wall.GetSafeHwnd());
    pFrame->SendMessage(WM_COMMAND, ID_TEST_BOTH_CMD, 0);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_FRAME_CMD, 0);
    EXPECT_EQ(wall.m_handled, (std::vector<UINT>{ID_TEST_BOTH_CMD}));
    EXPECT_EQ(pFrame->m_handled, (std::vector<UINT>{ID_TEST_FRAME_CMD}));
    pControlView->SetFocus();
    pFrame->SendMessage(WM_COMMAND, ID_TEST_BOTH_CMD, 0);
    EXPECT_EQ(static_cast<CTestPane*>(pControlView)->m_handled,
              (std::vector<UINT>{ID_TEST_BOTH_CMD}));
    EXPECT_EQ(wall.m_handled.size(), 1u);

    // The page's own messages (page activation) reach the frame through book and client window.
    EXPECT_EQ(page.SendMessage(WM_USER + 0x1010, 10, 0), 0x55);
    EXPECT_EQ(pFrame->m_pageMessages, (std::vector<WPARAM>{10}));

    // Every window goes with the frame; the panes the library made are deleted.
    pFrame->DestroyWindow();
    frametest::DispatchQueued();
    EXPECT_FALSE(::IsWindow(page.GetSafeHwnd()));
    EXPECT_FALSE(::IsWindow(wall.GetSafeHwnd()));
    EXPECT_FALSE(::IsWindow(status.GetSafeHwnd()));
    EXPECT_EQ(frametest::CountThreadWindows(), nWindows);
    EXPECT_EQ(CTestPane::s_nLive, nPanes + 1);  // the wall page is this test's object
}
