// Buttons of a dialog template: their objects, exactly one notification per click, the release
// notification, radio groups, the three-state cycle, the theme's drawing, and Enter and Escape
// in a skinned dialog.
#include "skin/core/LuLibAux.h"
#include "skin/ctrl/Button.h"
#include "tests/gui/skin_ctrl/CtrlTestSupport.h"
#include "tests/gui/skin_ctrl/SkinCtrlTestRes.h"

#include <gtest/gtest.h>

using namespace ctrltest;

namespace {

// The buttons dialog, modeless and shown.
class ButtonsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MoveCursorAway();
        ASSERT_TRUE(m_dlg.Create(IDD_BUTTONS, nullptr));
        ::SetWindowPos(m_dlg.GetSafeHwnd(), nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowAndPaint(m_dlg.GetSafeHwnd());
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    CLuButton* Button(UINT nID) { return DYNAMIC_DOWNCAST(CLuButton, CWnd::FromHandlePermanent(Item(nID))); }
    HWND Item(UINT nID) { return ::GetDlgItem(m_dlg.GetSafeHwnd(), static_cast<int>(nID)); }
    int Check(UINT nID) { return static_cast<int>(::SendMessageW(Item(nID), BM_GETCHECK, 0, 0)); }

    CRecordingDlg m_dlg{IDD_BUTTONS};
};

}  // namespace

TEST_F(ButtonsTest, TemplateButtonsAreLibraryButtonsOfTheirKind)
{
    for (UINT id : {UINT(IDC_PUSH), UINT(IDOK), UINT(IDC_CHECK), UINT(IDC_3STATE), UINT(IDC_RADIO1), UINT(IDC_GROUP)}) {
        CLuButton* p = Button(id);
        ASSERT_NE(p, nullptr) << id;
        EXPECT_TRUE(LuLibAux::IsFrameCreate(p)) << id;
        EXPECT_EQ(LuLibAux::CtrlFromHandle(Item(id)), static_cast<CLuControlBase*>(p)) << id;
    }
    EXPECT_TRUE(Button(IDC_PUSH)->IsButton());
    EXPECT_FALSE(Button(IDC_PUSH)->IsDefaultButton());
    EXPECT_TRUE(Button(IDOK)->IsDefaultButton());
    EXPECT_TRUE(Button(IDC_CHECK)->IsCheckBox());
    EXPECT_FALSE(Button(IDC_CHECK)->IsThreeState());
    EXPECT_TRUE(Button(IDC_3STATE)->IsThreeState());
    EXPECT_TRUE(Button(IDC_RADIO1)->IsRadio());
    EXPECT_TRUE(Button(IDC_GROUP)->IsGroupBox());
    // Push buttons are drawn by their object; the other kinds keep their system style.
    EXPECT_EQ(::GetWindowLongW(Item(IDC_PUSH), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(::GetWindowLongW(Item(IDOK), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(::GetWindowLongW(Item(IDC_CHECK), GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
}

TEST_F(ButtonsTest, EveryClickNotifiesOnce)
{
    Click(Item(IDC_PUSH), 5, 5);
    EXPECT_EQ(m_dlg.CodesOf(IDC_PUSH), (std::vector<UINT>{LU_BN_PUSHED, LU_BN_CLICKED}));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(Button(IDC_PUSH)->GetInState() & LU_BTNSTATE_PUSHED, 0u);

    // A double click is two clicks.
    m_dlg.m_notes.clear();
    ::SendMessageW(Item(IDC_PUSH), WM_LBUTTONDOWN, MK_LBUTTON, Pt(5, 5));
    ::SendMessageW(Item(IDC_PUSH), WM_LBUTTONUP, 0, Pt(5, 5));
    ::SendMessageW(Item(IDC_PUSH), WM_LBUTTONDBLCLK, MK_LBUTTON, Pt(5, 5));
    ::SendMessageW(Item(IDC_PUSH), WM_LBUTTONUP, 0, Pt(5, 5));
    EXPECT_EQ(m_dlg.CodesOf(IDC_PUSH),
              (std::vector<UINT>{LU_BN_PUSHED, LU_BN_CLICKED, LU_BN_PUSHED, LU_BN_CLICKED}));

    // The keyboard path of the system control counts too, once.
    m_dlg.m_notes.clear();
    ::SendMessageW(Item(IDC_PUSH), BM_CLICK, 0, 0);
    EXPECT_EQ(m_dlg.CodesOf(IDC_PUSH), (std::vector<UINT>{LU_BN_PUSHED, LU_BN_CLICKED}));

    // A disabled button ignores the mouse.
    m_dlg.m_notes.clear();
    ::EnableWindow(Item(IDC_PUSH), FALSE);
    Click(Item(IDC_PUSH), 5, 5);
    EXPECT_TRUE(m_dlg.CodesOf(IDC_PUSH).empty());
}

TEST_F(ButtonsTest, ReleaseOutsideAndCaptureLossNotifyReleasedWithoutClick)
{
    ::SendMessageW(Item(IDC_CHECK), WM_LBUTTONDOWN, MK_LBUTTON, Pt(3, 3));
    EXPECT_EQ(CWnd::GetCapture(), CWnd::FromHandle(Item(IDC_CHECK)));
    EXPECT_NE(Button(IDC_CHECK)->GetInState() & LU_BTNSTATE_PUSHED, 0u);
    ::SendMessageW(Item(IDC_CHECK), WM_LBUTTONUP, 0, Pt(-20, 3));
    EXPECT_EQ(m_dlg.CodesOf(IDC_CHECK), (std::vector<UINT>{LU_BN_PUSHED, LU_BN_RELEASED}));
    EXPECT_EQ(Check(IDC_CHECK), BST_UNCHECKED);
    EXPECT_EQ(Button(IDC_CHECK)->GetInState() & LU_BTNSTATE_PUSHED, 0u);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // Held, then another window takes the capture: released once, and the later button-up
    // (wherever it lands) adds nothing.
    m_dlg.m_notes.clear();
    ::SendMessageW(Item(IDC_PUSH), WM_LBUTTONDOWN, MK_LBUTTON, Pt(5, 5));
    ::SetCapture(Item(IDOK));
    EXPECT_EQ(m_dlg.CodesOf(IDC_PUSH), (std::vector<UINT>{LU_BN_PUSHED, LU_BN_RELEASED}));
    EXPECT_EQ(Button(IDC_PUSH)->GetInState() & LU_BTNSTATE_PUSHED, 0u);
    ::ReleaseCapture();
    ::SendMessageW(Item(IDC_PUSH), WM_LBUTTONUP, 0, Pt(5, 5));
    EXPECT_EQ(m_dlg.CodesOf(IDC_PUSH), (std::vector<UINT>{LU_BN_PUSHED, LU_BN_RELEASED}));
    EXPECT_TRUE(m_dlg.CodesOf(IDOK).empty());
}

TEST_F(ButtonsTest, RadioClickUnchecksTheRestOfItsGroupOnly)
{
    ::SendMessageW(Item(IDC_RADIO_OTHER), BM_SETCHECK, BST_CHECKED, 0);
    Click(Item(IDC_RADIO1), 3, 3);
    EXPECT_EQ(Check(IDC_RADIO1), BST_CHECKED);
    Click(Item(IDC_RADIO3), 3, 3);
    EXPECT_EQ(Check(IDC_RADIO1), BST_UNCHECKED);
    EXPECT_EQ(Check(IDC_RADIO2), BST_UNCHECKED);
    EXPECT_EQ(Check(IDC_RADIO3), BST_CHECKED);
    EXPECT_EQ(Button(IDC_RADIO1)->GetInCheck(), 0);
    EXPECT_EQ(Button(IDC_RADIO3)->GetInCheck(), 1);
    // The next group and the check box before the group are untouched.
    EXPECT_EQ(Check(IDC_RADIO_OTHER), BST_CHECKED);
    EXPECT_EQ(m_dlg.CodesOf(IDC_RADIO3), (std::vector<UINT>{LU_BN_PUSHED, LU_BN_CLICKED}));

    // A disabled radio button of the group is unchecked as well.
    ::SendMessageW(Item(IDC_RADIO2), BM_SETCHECK, BST_CHECKED, 0);
    ::EnableWindow(Item(IDC_RADIO2), FALSE);
    Click(Item(IDC_RADIO1), 3, 3);
    EXPECT_EQ(Check(IDC_RADIO2), BST_UNCHECKED);
    EXPECT_EQ(Check(IDC_RADIO3), BST_UNCHECKED);
}

TEST_F(ButtonsTest, CheckBoxesCycleThroughTheirStates)
{
    std::vector<int> three, two;
    for (int i = 0; i < 4; ++i) {
        Click(Item(IDC_3STATE), 3, 3);
        three.push_back(Check(IDC_3STATE));
        EXPECT_EQ(Button(IDC_3STATE)->GetInCheck(), three.back());
        Click(Item(IDC_CHECK), 3, 3);
        two.push_back(Check(IDC_CHECK));
    }
    EXPECT_EQ(three, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(two, (std::vector<int>{1, 0, 1, 0}));

    CLuButton* p3 = Button(IDC_3STATE);
    p3->SetInCheck(3);
    EXPECT_EQ(p3->GetInCheck(), 0);
    p3->SetInCheck(6);
    EXPECT_EQ(p3->GetInCheck(), 2);
    CLuButton* p2 = Button(IDC_CHECK);
    p2->SetInCheck(2);
    EXPECT_EQ(p2->GetInCheck(), 0);
    p2->SetInCheck(3);
    EXPECT_EQ(p2->GetInCheck(), 1);
}

TEST_F(ButtonsTest, ThemeDrawsBoxesAndTheDefaultRing)
{
    HWND hCheck = Item(IDC_CHECK);
    ::SendMessageW(hCheck, BM_SETCHECK, BST_CHECKED, 0);
    ShowAndPaint(m_dlg.GetSafeHwnd());
    CRect rc;
    ::GetClientRect(hCheck, &rc);
    // A 13 x 13 box at the left edge (inside a one-pixel margin), centred vertically, outlined in
    // colour 0; the face behind the text is the dialog's face colour.
    const int top = 1 + (rc.Height() - 2 - 13) / 2;
    EXPECT_EQ(ClientPixel(hCheck, 1, top), ThemeColor(LUCLR_BASE));
    EXPECT_EQ(ClientPixel(hCheck, 13, top + 12), ThemeColor(LUCLR_BASE));
    EXPECT_NE(ClientPixel(hCheck, 14, top + 12), ThemeColor(LUCLR_BASE));
    EXPECT_EQ(ClientPixel(hCheck, rc.right - 2, 1), ThemeColor(LUCLR_FACE));

    // The default push button has the default ring (colour 7) one pixel inside its body.
    CRect rcOk;
    ::GetClientRect(Item(IDOK), &rcOk);
    EXPECT_EQ(ClientPixel(Item(IDOK), rcOk.Width() / 2, 2), ThemeColor(LUCLR_DEFRING));
    EXPECT_NE(ClientPixel(Item(IDC_PUSH), rcOk.Width() / 2, 2), ThemeColor(LUCLR_DEFRING));
    // Its corners are the face colour, not the system's button edge.
    EXPECT_EQ(ClientPixel(Item(IDOK), 0, 0), ThemeColor(LUCLR_FACE));
}

TEST_F(ButtonsTest, DefaultRingFollowsTheFocusAmongPushButtons)
{
    // The dialog manager makes a focused push button the default one and back.
    ::SendMessageW(m_dlg.GetSafeHwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_PUSH)), TRUE);
    EXPECT_TRUE(Button(IDC_PUSH)->IsDefaultButton());
    EXPECT_FALSE(Button(IDOK)->IsDefaultButton());
    EXPECT_NE(Button(IDC_PUSH)->GetInState() & LU_BTNSTATE_FOCUS, 0u);
    EXPECT_EQ(::GetWindowLongW(Item(IDC_PUSH), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    ::SendMessageW(m_dlg.GetSafeHwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_EDIT)), TRUE);
    EXPECT_FALSE(Button(IDC_PUSH)->IsDefaultButton());
    EXPECT_TRUE(Button(IDOK)->IsDefaultButton());
    EXPECT_EQ(Button(IDC_PUSH)->GetInState() & LU_BTNSTATE_FOCUS, 0u);
}

namespace {

// A modal dialog that, once running, posts one key to its edit field.
class CKeyDlg : public CRecordingDlg {
public:
    CKeyDlg(UINT nIDTemplate, UINT vk) : CRecordingDlg(nIDTemplate), m_vk(vk) {}
    int m_nLoginCommands = 0;

protected:
    BOOL OnInitDialog() override
    {
        CRecordingDlg::OnInitDialog();
        HWND hEdit = ::GetDlgItem(m_hWnd, IDC_EDIT);
        ::SetFocus(hEdit);
        ::PostMessageW(hEdit, WM_KEYDOWN, m_vk, 1);
        ::PostMessageW(hEdit, WM_KEYUP, m_vk, 0xC0000001);
        return FALSE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == IDC_LOGIN && HIWORD(wParam) == BN_CLICKED) {
            ++m_nLoginCommands;
            EndDialog(IDC_LOGIN);
            return TRUE;
        }
        return CRecordingDlg::OnCommand(wParam, lParam);
    }
    UINT m_vk;
};

}  // namespace

TEST(SkinDialogKeys, EnterAndEscapeFollowTheDialogManager)
{
    fxtest::ModalTimeout guard(10000);
    CKeyDlg enter(IDD_BUTTONS, VK_RETURN);
    EXPECT_EQ(enter.DoModal(), IDOK);
    CKeyDlg escape(IDD_BUTTONS, VK_ESCAPE);
    EXPECT_EQ(escape.DoModal(), IDCANCEL);
    // The default button need not be IDOK: Enter presses the owner-drawn default button.
    CKeyDlg login(IDD_DEFBUTTON, VK_RETURN);
    EXPECT_EQ(login.DoModal(), IDC_LOGIN);
    EXPECT_EQ(login.m_nLoginCommands, 1);
}
