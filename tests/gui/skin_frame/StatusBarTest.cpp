// The status bar in a real frame: pane widths, stretch panes and the gripper's room, the window
// text of pane 0, index checks, command states, painting and the size grip.
#include "skin/theme/Theme.h"
#include "tests/gui/skin_frame/FrameTestSupport.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

using frametest::DispatchQueued;

namespace {

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

int TextWidth(LPCSTR text)
{
    HDC hScreen = ::GetDC(nullptr);
    int cx = 0;
    {
        CLuAttachDC dc(hScreen);
        CScopedSelect font(dc, *Theme().GetThemeFont());
        cx = dc.GetTextExtent(text).cx;
    }
    ::ReleaseDC(nullptr, hScreen);
    return cx;
}

// A frame with a status bar whose panes are ids.
class StatusFixture : public ::testing::Test {
protected:
    void Make(const std::vector<UINT>& ids, BOOL bShow = FALSE)
    {
        m_pFrame = CTestFrame::Make(500, 300, WS_OVERLAPPEDWINDOW, bShow);
        ASSERT_NE(m_pFrame, nullptr);
        ASSERT_TRUE(m_bar.Create(m_pFrame, LU_ID_VIEW_STATUS_BAR));
        ASSERT_TRUE(m_bar.SetIndicators(ids.data(), static_cast<int>(ids.size())));
        ASSERT_TRUE(m_pFrame->SetStatusBar(&m_bar));
        DispatchQueued();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
    }
    int PaneWidth(int i)
    {
        CRect rc;
        m_bar.GetItemRect(i, &rc);
        return rc.Width();
    }
    int ClientWidth()
    {
        CRect rc;
        m_bar.GetClientRect(&rc);
        return rc.Width();
    }

    CTestFrame* m_pFrame = nullptr;
    CLuStatusBar m_bar;
};

}  // namespace

TEST_F(StatusFixture, StretchPaneTakesTheSpareWidthTextPanesTheirText)
{
    Make({0, IDS_TEST_CAP, IDS_TEST_NUMLOCK});
    EXPECT_EQ(m_bar.GetPaneStyle(0), static_cast<UINT>(LU_SBPS_STRETCH | LU_SBPS_NOBORDERS));
    EXPECT_EQ(m_bar.GetPaneText(1), CString("CAP"));
    EXPECT_EQ(PaneWidth(1), TextWidth("CAP") + 7);
    EXPECT_EQ(PaneWidth(2), TextWidth("NUMLOCK") + 7);
    CRect rc0, rc2;
    m_bar.GetItemRect(0, &rc0);
    m_bar.GetItemRect(2, &rc2);
    EXPECT_EQ(rc0.left, 0);
    // Restored: the last 12 pixels are the gripper's.
    EXPECT_EQ(rc2.right, ClientWidth() - LU_SB_GRIPPER_WIDTH);
    EXPECT_EQ(PaneWidth(0) + PaneWidth(1) + PaneWidth(2), ClientWidth() - LU_SB_GRIPPER_WIDTH);
    // The bar sits at the bottom of the frame's client area, the full width.
    CRect rcFrame, rcBar;
    m_pFrame->GetClientRect(&rcFrame);
    m_bar.GetWindowRect(&rcBar);
    m_pFrame->ScreenToClient(&rcBar);
    EXPECT_EQ(rcBar, CRect(0, rcFrame.bottom - LU_BAR_DEFAULT_HEIGHT, rcFrame.right, rcFrame.bottom));
}

TEST_F(StatusFixture, TwoStretchPanesShareTheSpareTheLaterGetsTheOddPixel)
{
    Make({0, 0});
    m_bar.SetPaneInfo(1, 0, LU_SBPS_STRETCH, 40);
    const int avail = ClientWidth() - LU_SB_GRIPPER_WIDTH;
    int cx0 = 30;
    if ((avail - (cx0 + 4) - (40 + 4)) % 2 == 0)
        ++cx0;
    m_bar.SetPaneInfo(0, 0, LU_SBPS_STRETCH, cx0);
    const int spare = avail - (cx0 + 4) - (40 + 4);
    ASSERT_EQ(spare % 2, 1);
    EXPECT_EQ(PaneWidth(0), cx0 + 4 + spare / 2);
    EXPECT_EQ(PaneWidth(1), 40 + 4 + spare / 2 + 1);
}

// Maximised, the frame loses its gripper, its sizing end and its rounded region.
TEST_F(StatusFixture, MaximisedFrameHasNoGripperNoSizingEndAndNoRegion)
{
    Make({0, IDS_TEST_CAP}, TRUE);
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(::GetWindowRgn(m_pFrame->GetSafeHwnd(), rgn), ERROR);
    CRect rcWindow;
    m_bar.GetWindowRect(&rcWindow);
    const CPoint end(rcWindow.right - 2, rcWindow.top + 5);
    EXPECT_EQ(m_bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(end.x, end.y)), HTBOTTOMRIGHT);
    const CPoint beforeGrip(rcWindow.right - LU_SB_GRIPPER_HIT - 1, rcWindow.top + 5);
    EXPECT_EQ(m_bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(beforeGrip.x, beforeGrip.y)), HTCLIENT);

    m_pFrame->m_bPassSysCommands = TRUE;
    m_pFrame->ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(fxtest::PumpUntil([&] { return m_pFrame->IsZoomed() && m_bar.m_bMaximized; }));
    CRect rcLast;
    m_bar.GetItemRect(1, &rcLast);
    EXPECT_EQ(rcLast.right, ClientWidth());
    m_bar.GetWindowRect(&rcWindow);
    EXPECT_EQ(m_bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcWindow.right - 2, rcWindow.top + 5)), HTCLIENT);
    EXPECT_EQ(::GetWindowRgn(m_pFrame->GetSafeHwnd(), rgn), ERROR);

    m_pFrame->ShowWindow(SW_RESTORE);
    ASSERT_TRUE(fxtest::PumpUntil([&] { return !m_pFrame->IsZoomed() && !m_bar.m_bMaximized; }));
    m_bar.GetItemRect(1, &rcLast);
    EXPECT_EQ(rcLast.right, ClientWidth() - LU_SB_GRIPPER_WIDTH);
    EXPECT_NE(::GetWindowRgn(m_pFrame->GetSafeHwnd(), rgn), ERROR);
}

TEST_F(StatusFixture, WindowTextIsTheTextOfPaneZero)
{
    Make({IDS_TEST_CAP, 0});
    HWND h = m_bar.GetSafeHwnd();
    EXPECT_EQ(::SendMessageW(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abcd")), TRUE);
    EXPECT_EQ(m_bar.GetPaneText(1), CString("abcd"));
    EXPECT_EQ(m_bar.GetPaneText(0), CString("CAP"));

    wchar_t buffer[16];
    wmemset(buffer, L'#', 16);
    EXPECT_EQ(::SendMessageW(h, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(buffer)), 4);
    EXPECT_STREQ(buffer, L"abcd");
    // A short buffer: as much as fits before the terminator, and the count without it.
    wmemset(buffer, L'#', 16);
    EXPECT_EQ(::SendMessageW(h, WM_GETTEXT, 3, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_STREQ(buffer, L"ab");
    EXPECT_EQ(buffer[3], L'#');
    EXPECT_EQ(::SendMessageW(h, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(::SendMessageW(h, WM_GETTEXTLENGTH, 0, 0), 4);

    // Through the framework, in GBK both ways.
    m_bar.SetWindowText("联机");
    EXPECT_EQ(m_bar.GetPaneText(1), CString("联机"));
    EXPECT_EQ(m_bar.GetWindowText(), CString("联机"));
}

TEST_F(StatusFixture, WithoutPaneZeroSettingTheTextFails)
{
    Make({IDS_TEST_CAP});
    EXPECT_EQ(::SendMessageW(m_bar.GetSafeHwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x")), FALSE);
    EXPECT_EQ(::SendMessageW(m_bar.GetSafeHwnd(), WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(m_bar.GetPaneText(0), CString("CAP"));
}

TEST_F(StatusFixture, BadPaneIndexesAreHarmless)
{
    Make({0, IDS_TEST_CAP});
    const int missing = m_bar.CommandToIndex(4242);
    EXPECT_EQ(missing, -1);
    EXPECT_FALSE(m_bar.SetPaneText(missing, "x"));
    EXPECT_FALSE(m_bar.SetPaneText(2, "x"));
    EXPECT_TRUE(m_bar.GetPaneText(missing).IsEmpty());
    EXPECT_EQ(m_bar.GetItemID(missing), 0u);
    EXPECT_EQ(m_bar.GetPaneStyle(7), 0u);
    CRect rc(1, 2, 3, 4);
    m_bar.GetItemRect(missing, &rc);
    EXPECT_TRUE(rc.IsRectNull());
    UINT nID = 9, nStyle = 9;
    int cx = 9;
    m_bar.GetPaneInfo(missing, nID, nStyle, cx);
    EXPECT_EQ(nID + nStyle + static_cast<UINT>(cx), 0u);
    m_bar.SetPaneInfo(missing, 1, LU_SBPS_STRETCH, 10);
    m_bar.SetPaneStyle(5, LU_SBPS_DISABLED);
    EXPECT_EQ(m_bar.GetCount(), 2);
    EXPECT_EQ(m_bar.GetPaneText(1), CString("CAP"));
}

TEST_F(StatusFixture, CommandStatesReachThePanesButNeverDisablePaneZero)
{
    Make({0, IDS_TEST_CAP, IDS_TEST_NUMLOCK});
    m_bar.SetPaneText(0, "status");
    m_pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_EQ(m_bar.GetPaneStyle(0) & LU_SBPS_DISABLED, 0u);
    EXPECT_NE(m_bar.GetPaneStyle(1) & LU_SBPS_DISABLED, 0u);  // no handler anywhere
    EXPECT_EQ(m_bar.GetPaneStyle(2) & LU_SBPS_DISABLED, 0u);
    EXPECT_NE(m_bar.GetPaneStyle(2) & LU_SBPS_POPOUT, 0u);
    EXPECT_EQ(m_bar.GetPaneText(2), CString("NUMX"));
    EXPECT_EQ(m_bar.GetPaneText(0), CString("status"));
    // Without disabling for want of a handler nothing is disabled afresh.
    m_bar.SetPaneStyle(1, 0);
    m_pFrame->SendMessage(WM_IDLEUPDATECMDUI, FALSE, 0);
    EXPECT_EQ(m_bar.GetPaneStyle(1) & LU_SBPS_DISABLED, 0u);
}

TEST_F(StatusFixture, PaintsPanesSeparatorsAndADisabledPaneWithoutText)
{
    Make({0, IDS_TEST_CAP});
    m_bar.SetPaneText(0, "");
    CRect rcClient, rc0;
    m_bar.GetClientRect(&rcClient);
    m_bar.GetItemRect(0, &rc0);
    skintest::Canvas canvas(rcClient.Width(), rcClient.Height());
    ::SendMessageW(m_bar.GetSafeHwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);
    const COLORREF face = Theme().GetThemeColor(LUCLR_FACE);
    EXPECT_EQ(canvas.At(rc0.left + 5, rcClient.Height() / 2), face);
    EXPECT_EQ(canvas.At(rc0.right - 2, 3), Theme().GetThemeColor(LUCLR_BORDER));
    EXPECT_EQ(canvas.At(rc0.right - 1, 3), Theme().GetThemeColor(LUCLR_HIGHLIGHT));
    CRect rc1;
    m_bar.GetItemRect(1, &rc1);
    const int textPixels = canvas.CountNot(face, rc1.left, 0, rc1.right - 4, rcClient.Height());
    EXPECT_GT(textPixels, 0);  // "CAP"

    m_bar.SetPaneStyle(1, LU_SBPS_DISABLED);
    canvas.Clear(RGB(255, 255, 255));
    ::SendMessageW(m_bar.GetSafeHwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);
    EXPECT_EQ(canvas.CountNot(face, rc1.left, 0, rc1.right - 4, rcClient.Height()), 0);
}

TEST_F(StatusFixture, SettingTheSameTextDoesNotRepaint)
{
    Make({0, IDS_TEST_CAP}, TRUE);  // pixels are read back from the screen
    m_bar.SetPaneText(0, "same");
    m_bar.UpdateWindow();
    CRect rc0;
    m_bar.GetItemRect(0, &rc0);
    const CPoint probe(rc0.right - 8, 2);
    const COLORREF marker = RGB(255, 0, 255);
    {
        CClientDC dc(&m_bar);
        dc.SetPixelV(probe.x, probe.y, marker);
        ASSERT_EQ(dc.GetPixel(probe.x, probe.y), marker);
    }
    EXPECT_TRUE(m_bar.SetPaneText(0, "same"));
    {
        CClientDC dc(&m_bar);
        EXPECT_EQ(dc.GetPixel(probe.x, probe.y), marker);
    }
    EXPECT_TRUE(m_bar.SetPaneText(0, "other"));
    {
        CClientDC dc(&m_bar);
        EXPECT_EQ(dc.GetPixel(probe.x, probe.y), Theme().GetThemeColor(LUCLR_FACE));
    }
}

TEST_F(StatusFixture, TheGripperSizesTheFrameNotTheBar)
{
    Make({0});
    CRect rcBar;
    m_bar.GetWindowRect(&rcBar);
    const CPoint grip(rcBar.right - 3, rcBar.bottom - 3);
    ASSERT_EQ(m_bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTBOTTOMRIGHT);
    m_bar.SendMessage(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(grip.x, grip.y));
    ASSERT_EQ(m_pFrame->m_sysCommands.size(), 1u);
    EXPECT_EQ(m_pFrame->m_sysCommands[0], static_cast<UINT>(SC_SIZE | WMSZ_BOTTOMRIGHT));
    CRect rcAfter;
    m_bar.GetWindowRect(&rcAfter);
    EXPECT_EQ(rcAfter, rcBar);
}
