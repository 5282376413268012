// The skinned dialog: caption band, border and client area at the main frame's metrics and in
// the theme's colours, the caption close button ending a modal dialog with IDCANCEL, control
// colours, captions from the string table, and no GDI objects left behind by many dialogs.
#include "skin/core/LuLibAux.h"
#include "skin/theme/GdiWrappers.h"
#include "tests/gui/skin_ctrl/CtrlTestSupport.h"
#include "tests/gui/skin_ctrl/SkinCtrlTestRes.h"

#include <gtest/gtest.h>

using namespace ctrltest;

namespace {

struct ShownDialog {
    explicit ShownDialog(UINT nID) : dlg(nID)
    {
        MoveCursorAway();
        ok = dlg.Create(nID, nullptr) != FALSE;
        if (ok) {
            ::SetWindowPos(dlg.GetSafeHwnd(), nullptr, 30, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            ShowAndPaint(dlg.GetSafeHwnd());
            ::GetWindowRect(dlg.GetSafeHwnd(), &rcWindow);
        }
    }
    ~ShownDialog() { dlg.DestroyWindow(); }
    HWND h() const { return dlg.GetSafeHwnd(); }
    LRESULT HitTest(int x, int y) const
    {
        return ::SendMessageW(h(), WM_NCHITTEST, 0, MAKELPARAM(rcWindow.left + x, rcWindow.top + y));
    }
    CRecordingDlg dlg;
    bool ok = false;
    CRect rcWindow;
};

}  // namespace

TEST(SkinDialog, CaptionBandBorderAndClientAtTheFrameMetrics)
{
    ShownDialog d(IDD_BUTTONS);
    ASSERT_TRUE(d.ok);
    const int w = d.rcWindow.Width(), h = d.rcWindow.Height();

    // The client area is the window inset 2 left, right and bottom and 25 at the top.
    CRect rcClient;
    ::GetClientRect(d.h(), &rcClient);
    POINT origin{0, 0};
    ::ClientToScreen(d.h(), &origin);
    EXPECT_EQ(origin.x - d.rcWindow.left, 2);
    EXPECT_EQ(origin.y - d.rcWindow.top, 25);
    EXPECT_EQ(rcClient.Width(), w - 4);
    EXPECT_EQ(rcClient.Height(), h - 27);

    // Border: outer line colour 0, inner line colour 5, on the sides and at the bottom.
    const COLORREF outer = ThemeColor(LUCLR_BASE), inner = ThemeColor(LUCLR_HIGHLIGHT);
    EXPECT_EQ(WindowPixel(d.h(), 0, h / 2), outer);
    EXPECT_EQ(WindowPixel(d.h(), 1, h / 2), inner);
    EXPECT_EQ(WindowPixel(d.h(), w - 1, h / 2), outer);
    EXPECT_EQ(WindowPixel(d.h(), w - 2, h / 2), inner);
    EXPECT_EQ(WindowPixel(d.h(), w / 2, h - 1), outer);
    EXPECT_EQ(WindowPixel(d.h(), w / 2, h - 2), inner);
    EXPECT_EQ(WindowPixel(d.h(), w / 2, 0), outer);

    // The band (rows 2 to 24) is a glassy fill of theme colour 1: its upper half starts with
    // that colour lightened by 30, its lower half (from row 14) with the colour itself. The
    // caption text and buttons lie elsewhere.
    const COLORREF body = ThemeColor(LUCLR_LIGHTBASE);
    EXPECT_TRUE(Near(WindowPixel(d.h(), w - 70, 2), CLuPainter::LightColor(body, 30)))
        << std::hex << WindowPixel(d.h(), w - 70, 2);
    EXPECT_TRUE(Near(WindowPixel(d.h(), w - 70, 14), body)) << std::hex << WindowPixel(d.h(), w - 70, 14);

    // The dialog's face is the theme's face colour.
    EXPECT_EQ(ClientPixel(d.h(), rcClient.right - 3, rcClient.bottom - 3), ThemeColor(LUCLR_FACE));

    // Hit testing: the close button's 25 x 16 box ends 5 pixels from the right edge.
    EXPECT_EQ(d.HitTest(w - 17, 13), HTCLOSE);
    EXPECT_EQ(d.HitTest(w - 30, 13), HTCLOSE);
    EXPECT_EQ(d.HitTest(w - 31, 13), HTCAPTION);
    EXPECT_EQ(d.HitTest(w - 3, 13), HTCAPTION);
    EXPECT_EQ(d.HitTest(w / 2, 10), HTCAPTION);
    EXPECT_EQ(d.HitTest(0, h / 2), HTBORDER);
    EXPECT_EQ(d.HitTest(w / 2, h / 2), HTCLIENT);

    // Without a system menu there is no close button.
    ShownDialog plain(IDD_NOSYSMENU);
    ASSERT_TRUE(plain.ok);
    EXPECT_EQ(plain.HitTest(plain.rcWindow.Width() - 17, 13), HTCAPTION);
}

TEST(SkinDialog, TextChangeRepaintsTheSkinnedBorder)
{
    ShownDialog d(IDD_BUTTONS);
    ASSERT_TRUE(d.ok);
    d.dlg.SetWindowText("新标题");
    fxtest::PumpPending();
    const int h = d.rcWindow.Height();
    EXPECT_EQ(d.dlg.GetWindowText(), "新标题");
    EXPECT_EQ(WindowPixel(d.h(), 0, h / 2), ThemeColor(LUCLR_BASE));
    EXPECT_EQ(WindowPixel(d.h(), 1, h / 2), ThemeColor(LUCLR_HIGHLIGHT));
    EXPECT_EQ(WindowPixel(d.h(), 2, h / 2), ThemeColor(LUCLR_FACE));
}

namespace {

// Presses and releases the caption's close button the way the mouse does, once running.
class CCloseByCaptionDlg : public CRecordingDlg {
public:
    CCloseByCaptionDlg() : CRecordingDlg(IDD_BUTTONS) {}
    LRESULT m_hit = 0;

protected:
    BOOL OnInitDialog() override
    {
        CRecordingDlg::OnInitDialog();
        PostMessage(WM_APP);
        return TRUE;
    }
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message != WM_APP)
            return CRecordingDlg::OnWndMsg(message, wParam, lParam, pResult);
        CRect rc;
        GetWindowRect(&rc);
        POINT pt{rc.right - 17, rc.top + 13};
        m_hit = SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        SendMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(m_hit), MAKELPARAM(pt.x, pt.y));
        ScreenToClient(&pt);
        SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(static_cast<short>(pt.x), static_cast<short>(pt.y)));
        *pResult = 0;
        return TRUE;
    }
};

}  // namespace

TEST(SkinDialog, CaptionCloseButtonEndsWithCancel)
{
    fxtest::ModalTimeout guard(10000);
    CCloseByCaptionDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_hit, HTCLOSE);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST(SkinDialog, StaticsAndButtonsGetTheFaceBrush)
{
    ShownDialog d(IDD_BUTTONS);
    ASSERT_TRUE(d.ok);
    HBRUSH face = static_cast<HBRUSH>(CLuThemeManager::Instance()->GetTheme()->GetBntFaceBrush()->GetSafeHandle());
    HDC hdc = ::GetDC(d.h());
    for (UINT msg : {UINT(WM_CTLCOLORSTATIC), UINT(WM_CTLCOLORBTN), UINT(WM_CTLCOLORDLG)}) {
        ::SetBkMode(hdc, OPAQUE);
        HWND hCtl = msg == WM_CTLCOLORDLG ? d.h() : ::GetDlgItem(d.h(), IDC_CHECK);
        const LRESULT r = ::SendMessageW(d.h(), msg, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hCtl));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(r), face) << msg;
        EXPECT_EQ(::GetBkMode(hdc), TRANSPARENT) << msg;
        EXPECT_EQ(::GetBkColor(hdc), ThemeColor(LUCLR_FACE)) << msg;
    }
    // An edit field keeps the system's answer.
    const LRESULT r = ::SendMessageW(d.h(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hdc),
                                     reinterpret_cast<LPARAM>(::GetDlgItem(d.h(), IDC_EDIT)));
    EXPECT_NE(reinterpret_cast<HBRUSH>(r), face);
    ::ReleaseDC(d.h(), hdc);
}

TEST(SkinDialog, CaptionsFromTheStringTableOnlyWhenSwitchedOn)
{
    {
        CLuDialog dlg(IDD_CBST, nullptr);
        ASSERT_TRUE(dlg.Create(IDD_CBST, nullptr));
        EXPECT_EQ(CWnd::FromHandle(::GetDlgItem(dlg.GetSafeHwnd(), IDC_LABEL))->GetWindowText(), "template");
        EXPECT_EQ(CWnd::FromHandle(::GetDlgItem(dlg.GetSafeHwnd(), IDOK))->GetWindowText(), "OK");
        dlg.DestroyWindow();
    }
    LuLibAux::SetCBST(TRUE);
    CLuDialog dlg(IDD_CBST, nullptr);
    const BOOL created = dlg.Create(IDD_CBST, nullptr);
    LuLibAux::SetCBST(FALSE);
    ASSERT_TRUE(created);
    EXPECT_EQ(CWnd::FromHandle(::GetDlgItem(dlg.GetSafeHwnd(), IDC_LABEL))->GetWindowText(), "来自字符串表");
    // IDOK (1) names no string: unchanged.
    EXPECT_EQ(CWnd::FromHandle(::GetDlgItem(dlg.GetSafeHwnd(), IDOK))->GetWindowText(), "OK");
    dlg.DestroyWindow();
}

TEST(SkinDialog, ManyDialogsLeaveNoGdiObjectsBehind)
{
    // Drawn off screen: showing and hiding a top-level window costs the X server a second or
    // more under Wine, and painting is what allocates GDI objects.
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 600, 500);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    auto cycle = [hMem] {
        CRecordingDlg dlg(IDD_SMALL);
        if (!dlg.Create(IDD_SMALL, nullptr))
            return false;
        CLuAttachDC dc(hMem);
        dlg.PaintNonClient(dc);
        ::SendMessageW(dlg.GetSafeHwnd(), WM_NCPAINT, 1, 0);
        ::SendMessageW(dlg.GetSafeHwnd(), WM_NCACTIVATE, TRUE, 0);
        ::SendMessageW(::GetDlgItem(dlg.GetSafeHwnd(), IDC_CHECK), BM_SETCHECK, BST_CHECKED, 0);
        for (HWND h = ::GetWindow(dlg.GetSafeHwnd(), GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
            ::SendMessageW(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hMem), PRF_CLIENT | PRF_ERASEBKGND);
        dlg.DestroyWindow();
        return true;
    };
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(cycle());
    fxtest::PumpPending();
    const int before = CountGdiObjects();
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(cycle());
    fxtest::PumpPending();
    const int after = CountGdiObjects();
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    // One object lost per dialog would show as 200.
    EXPECT_LT(after - before, 20) << before << " -> " << after;
}
