// Skinned edit fields, combo boxes and list boxes: objects for template and code-made controls
// (none for a combo box's own parts), the one-pixel themed frame, the drop-down list's text
// colours, and the combo button's hover with its capture.
#include "skin/core/LuLibAux.h"
#include "skin/ctrl/ComboBox.h"
#include "skin/ctrl/Edit.h"
#include "skin/ctrl/ListBox.h"
#include "fx/win/Text.h"
#include "tests/gui/skin_ctrl/CtrlTestSupport.h"
#include "tests/gui/skin_ctrl/SkinCtrlTestRes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ctrltest;

namespace {

class StdCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MoveCursorAway();
        ASSERT_TRUE(m_dlg.Create(IDD_BUTTONS, nullptr));
        ::SetWindowPos(m_dlg.GetSafeHwnd(), nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        m_combo = DYNAMIC_DOWNCAST(CLuComboBox, CWnd::FromHandlePermanent(Item(IDC_COMBO)));
        ASSERT_NE(m_combo, nullptr);
        for (LPCSTR s : {"甲", "乙乙乙乙"})
            m_combo->AddString(s);
        m_combo->SetCurSel(1);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }
    HWND Item(UINT nID) { return ::GetDlgItem(m_dlg.GetSafeHwnd(), static_cast<int>(nID)); }
    // The darkest pixel in a rectangle of the control (sum of channels) and whether any pixel
    // differs from the background.
    static int DarkestIn(HWND hWnd, const CRect& rc)
    {
        int darkest = 3 * 255;
        HDC hdc = ::GetDC(hWnd);
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x) {
                const COLORREF c = ::GetPixel(hdc, x, y);
                darkest = std::min(darkest, GetRValue(c) + GetGValue(c) + GetBValue(c));
            }
        ::ReleaseDC(hWnd, hdc);
        return darkest;
    }
    COMBOBOXINFO Info()
    {
        COMBOBOXINFO cbi{};
        m_combo->GetComboBoxInfo(&cbi);
        return cbi;
    }

    CRecordingDlg m_dlg{IDD_BUTTONS};
    CLuComboBox* m_combo = nullptr;
};

}  // namespace

TEST_F(StdCtrlTest, ControlsGetObjectsButTheComboPartsStayPlain)
{
    EXPECT_NE(DYNAMIC_DOWNCAST(CLuEdit, CWnd::FromHandlePermanent(Item(IDC_EDIT))), nullptr);
    EXPECT_NE(DYNAMIC_DOWNCAST(CLuListBox, CWnd::FromHandlePermanent(Item(IDC_LIST))), nullptr);
    EXPECT_TRUE(LuLibAux::IsFrameCreate(m_combo));
    CWnd* pEditCombo = CWnd::FromHandlePermanent(Item(IDC_COMBO_EDIT));
    ASSERT_NE(DYNAMIC_DOWNCAST(CLuComboBox, pEditCombo), nullptr);
    COMBOBOXINFO cbi{};
    ASSERT_TRUE(static_cast<CLuComboBox*>(pEditCombo)->GetComboBoxInfo(&cbi));
    ASSERT_NE(cbi.hwndItem, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(cbi.hwndItem), nullptr);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(cbi.hwndItem), nullptr);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(cbi.hwndList), nullptr);

    // Made by code through the system class: skinned as well.
    HWND hEdit = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD, 0, 0, 50, 20, m_dlg.GetSafeHwnd(),
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hEdit, nullptr);
    EXPECT_NE(DYNAMIC_DOWNCAST(CLuEdit, CWnd::FromHandlePermanent(hEdit)), nullptr);
    ::DestroyWindow(hEdit);
}

TEST_F(StdCtrlTest, EditAndListFramesAreOneThemedPixel)
{
    HWND hEdit = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"text", WS_CHILD | WS_VISIBLE, 10, 150, 120, 24,
                                   m_dlg.GetSafeHwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    HWND hList = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE, 150, 150, 120, 60,
                                   m_dlg.GetSafeHwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hEdit, nullptr);
    ASSERT_NE(hList, nullptr);
    ShowAndPaint(m_dlg.GetSafeHwnd());
    for (HWND h : {hEdit, hList}) {
        CRect rcWindow, rcClient;
        ::GetWindowRect(h, &rcWindow);
        ::GetClientRect(h, &rcClient);
        POINT origin{0, 0};
        ::ClientToScreen(h, &origin);
        // A client edge takes one pixel instead of two.
        EXPECT_EQ(origin.x - rcWindow.left, 1);
        EXPECT_EQ(origin.y - rcWindow.top, 1);
        EXPECT_EQ(rcClient.Width(), rcWindow.Width() - 2);
        EXPECT_EQ(WindowPixel(h, 0, 0), ThemeColor(LUCLR_BORDER));
        EXPECT_EQ(WindowPixel(h, rcWindow.Width() - 1, rcWindow.Height() / 2), ThemeColor(LUCLR_BORDER));
        EXPECT_EQ(WindowPixel(h, rcWindow.Width() / 2, rcWindow.Height() - 1), ThemeColor(LUCLR_BORDER));
    }
    // Disabled: the frame in the disabled colour.
    ::EnableWindow(hEdit, FALSE);
    ::RedrawWindow(hEdit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(WindowPixel(hEdit, 0, 0), ThemeColor(LUCLR_DISABLED));
    ::DestroyWindow(hEdit);
    ::DestroyWindow(hList);
}

TEST_F(StdCtrlTest, DropDownListTextAndFaceInTheThemeColours)
{
    ShowAndPaint(m_dlg.GetSafeHwnd());
    const COMBOBOXINFO cbi = Info();
    CRect rcClient;
    m_combo->GetClientRect(&rcClient);
    // The face: a frame in the border colour; the button with its own border.
    EXPECT_EQ(ClientPixel(m_combo->GetSafeHwnd(), 0, 0), ThemeColor(LUCLR_BORDER));
    EXPECT_EQ(ClientPixel(m_combo->GetSafeHwnd(), cbi.rcButton.left, cbi.rcButton.top), ThemeColor(LUCLR_BORDER));
    // Enabled: the selected text in colour 2 (black); disabled: in colour 10 (grey), so
    // nothing in the item is darker than that grey.
    const CRect item(cbi.rcItem);
    EXPECT_LT(DarkestIn(m_combo->GetSafeHwnd(), item), 3 * 40);
    m_combo->EnableWindow(FALSE);
    m_combo->RedrawWindow();
    const COLORREF grey = ThemeColor(LUCLR_DISABLEDTEXT);
    const int darkest = DarkestIn(m_combo->GetSafeHwnd(), item);
    EXPECT_GE(darkest, GetRValue(grey) + GetGValue(grey) + GetBValue(grey) - 6);
    EXPECT_LT(darkest, 3 * 200);  // the text is there
    m_combo->EnableWindow(TRUE);
}

TEST_F(StdCtrlTest, ButtonHoverCapturesAndLetsGo)
{
    ShowAndPaint(m_dlg.GetSafeHwnd());
    const COMBOBOXINFO cbi = Info();
    const CPoint onButton = CRect(cbi.rcButton).CenterPoint();
    const HWND h = m_combo->GetSafeHwnd();
    const COLORREF normal = ClientPixel(h, onButton.x - 3, cbi.rcButton.top + 2);

    ::SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(onButton.x, onButton.y));
    EXPECT_TRUE(m_combo->IsHot());
    EXPECT_EQ(CWnd::GetCapture(), m_combo);
    EXPECT_NE(ClientPixel(h, onButton.x - 3, cbi.rcButton.top + 2), normal);  // drawn hot at once
    ::SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(m_combo->IsHot());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(ClientPixel(h, onButton.x - 3, cbi.rcButton.top + 2), normal);

    // Another window taking the mouse ends the hover.
    ::SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(onButton.x, onButton.y));
    ASSERT_TRUE(m_combo->HasHoverCapture());
    ::SetCapture(m_dlg.GetSafeHwnd());
    EXPECT_FALSE(m_combo->IsHot());
    EXPECT_FALSE(m_combo->HasHoverCapture());
    ::ReleaseCapture();

    // Pressing while hot lets go of the hover capture before the list opens.
    ::SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(onButton.x, onButton.y));
    ASSERT_TRUE(m_combo->HasHoverCapture());
    ::SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onButton.x, onButton.y));
    EXPECT_FALSE(m_combo->HasHoverCapture());
    EXPECT_FALSE(m_combo->IsHot());
    EXPECT_TRUE(m_combo->GetDroppedState());
    ::SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(onButton.x, onButton.y));
    m_combo->ShowDropDown(FALSE);
    fxtest::PumpPending();
}
