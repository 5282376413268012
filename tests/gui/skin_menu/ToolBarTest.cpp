// CLuToolBar under Xvfb: button sizes and the bar's size, the "tooltip\ncaption" split,
// separators for ID 0, clicks as WM_COMMAND with the bar as lParam, drop-downs as TBN_DROPDOWN
// with the command and nothing else, tooltip tools that follow the layout, checked and
// disabled states from the command update, hosted controls, and the tail's 0x1404.
#include "skin/menu/ToolBar.h"
#include "tests/gui/skin_menu/MenuTestRes.h"
#include "tests/gui/skin_menu/MenuTestSupport.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

using menutest::COwnerWnd;
using menutest::PostMouse;
using menutest::ThemeTextSize;

namespace {

const UINT kBarID = 59424;

// Update handlers as a frame has them: New checked, Open disabled until allowed, Exit only a
// command handler, Cut nothing.
class CUpdateTarget : public CCmdTarget {
public:
    BOOL m_bOpenEnabled = FALSE;
    void OnUpdateNew(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void OnNew() {}
    void OnUpdateOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bOpenEnabled); }
    void OnExit() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdateTarget, CCmdTarget)
    ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateNew)
    ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, OnUpdateOpen)
    ON_COMMAND(ID_FILE_NEW, OnNew)
    ON_COMMAND(ID_FILE_EXIT, OnExit)
END_MESSAGE_MAP()

// A bar with 32 x 32 images on the owner, created and destroyed by each test.
class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        COwnerWnd& owner = menutest::Owner();
        m_pOwner = &owner;
        ASSERT_TRUE(m_bar.Create(&owner, WS_VISIBLE | 0x4400, kBarID));
        m_bar.SetImageSize(CSize(32, 32));
        ASSERT_TRUE(m_bar.LoadBitmap(IDB_TOOL32));
    }
    void TearDown() override
    {
        if (m_bar.GetSafeHwnd() != nullptr)
            m_bar.DestroyWindow();
    }

    void Add(int idCommand, int iImage, LPCSTR text)
    {
        LUTBBUTTON b{iImage, idCommand, 0xFF, 0xFF, 0, text};
        ASSERT_TRUE(m_bar.InsertButton(m_bar.GetButtonCount(), &b));
    }
    // Places the bar at its own size and lays it out.
    void Place()
    {
        const CSize size = m_bar.CalcFixedLayout();
        m_bar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        m_bar.UpdateWindow();
    }
    CRect ItemRect(int n)
    {
        CRect rc;
        m_bar.GetItemRect(n, &rc);
        return rc;
    }
    void Click(CPoint pt)
    {
        PostMouse(m_bar.m_hWnd, WM_LBUTTONDOWN, pt, MK_LBUTTON);
        PostMouse(m_bar.m_hWnd, WM_LBUTTONUP, pt);
        fxtest::PumpPending();
    }
    // The tooltip tool's rectangle of button n (empty when it has none).
    CRect ToolRect(int n)
    {
        const CTBButton* p = m_bar.GetButton(n);
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.hwnd = m_bar.m_hWnd;
        info.uId = p != nullptr ? p->m_nToolID : 0;
        if (!::SendMessageW(m_bar.GetToolTip().m_hWnd, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)))
            return CRect();
        return info.rect;
    }
    int ToolCount() { return static_cast<int>(::SendMessageW(m_bar.GetToolTip().m_hWnd, TTM_GETTOOLCOUNT, 0, 0)); }

    COwnerWnd* m_pOwner = nullptr;
    CLuToolBar m_bar;
};

}  // namespace

TEST_F(ToolBarTest, ButtonSizesFollowImageCaptionAndDropDown)
{
    Add(ID_FILE_NEW, 0, "New scene");                  // no line feed: all of it is the caption
    Add(0, 3, "ignored\nignored");                    // ID 0: a separator whatever else it says
    Add(ID_FILE_OPEN, 1, "Open\nOpen a saved scene");  // tooltip, then caption
    Add(ID_FILE_EXIT, 2, "Exit");
    Add(ID_EDIT_CUT, -1, nullptr);                     // no image
    ASSERT_TRUE(m_bar.SetButtonShowText(2, TRUE));
    ASSERT_TRUE(m_bar.SetButtonDropDown(3, TRUE));
    Place();
    const CSize caption = ThemeTextSize("Open a saved scene");
    EXPECT_EQ(ItemRect(0).Size(), CSize(40, 40));
    EXPECT_EQ(ItemRect(1).Size(), CSize(8, 8));
    EXPECT_EQ(m_bar.GetButtonStyle(1), static_cast<UINT>(LUTBS_SEPARATOR));
    EXPECT_EQ(ItemRect(2).Size(), CSize(40 + caption.cx + 3, std::max(40, static_cast<int>(caption.cy))));
    EXPECT_EQ(ItemRect(3).Size(), CSize(40 + 16, 40));
    EXPECT_EQ(ItemRect(4).Size(), CSize(8, 8));
    EXPECT_STREQ(m_bar.GetButtonText(2), "Open a saved scene");
    EXPECT_STREQ(m_bar.GetButtonToolTip(2), "Open");
    EXPECT_STREQ(m_bar.GetButtonText(0), "New scene");
    EXPECT_STREQ(m_bar.GetButtonToolTip(0), "");
    // Side by side, the bar as high as its tallest button, plus the tail at its end.
    int x = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ItemRect(i).left, x) << i;
        x = ItemRect(i).right;
    }
    EXPECT_EQ(m_bar.CalcFixedLayout(), CSize(x + 10, std::max(40, static_cast<int>(caption.cy))));
    EXPECT_EQ(m_bar.GetBarType(), 3u);
}

TEST_F(ToolBarTest, InsertClampsItsIndexAndFillsTheRecord)
{
    Add(ID_FILE_NEW, 0, "a");
    LUTBBUTTON front{1, ID_FILE_OPEN, 0x7F, 0x7F, 77, "front"};
    ASSERT_TRUE(m_bar.InsertButton(-5, &front));
    LUTBBUTTON back{2, 0, 0x7F, 0x00, 0, nullptr};
    ASSERT_TRUE(m_bar.InsertButton(99, &back));
    // The record tells what the bar made of it.
    EXPECT_EQ(front.fsState, 0);
    EXPECT_EQ(front.fsStyle, 0);
    EXPECT_EQ(back.fsStyle, LUTBS_SEPARATOR);
    ASSERT_EQ(m_bar.GetButtonCount(), 3);
    EXPECT_EQ(m_bar.GetItemID(0), static_cast<UINT>(ID_FILE_OPEN));
    EXPECT_EQ(m_bar.GetItemID(1), static_cast<UINT>(ID_FILE_NEW));
    EXPECT_EQ(m_bar.GetItemID(2), 0u);
    EXPECT_EQ(m_bar.GetButtonData(0), 77u);
    EXPECT_EQ(m_bar.CommandToIndex(ID_FILE_NEW), 1);
    EXPECT_EQ(m_bar.CommandToIndex(4242), -1);
    CRect rc(1, 2, 3, 4);
    m_bar.GetButtonRect(4242, &rc);
    EXPECT_TRUE(rc.IsRectNull());
    // Every operation checks its index (-1 is what CommandToIndex gives for an unknown ID).
    EXPECT_FALSE(m_bar.DeleteButton(-1));
    EXPECT_FALSE(m_bar.DeleteButton(3));
    EXPECT_FALSE(m_bar.SetButtonShowText(7, TRUE));
    EXPECT_FALSE(m_bar.SetButtonDropDown(-1, TRUE));
    EXPECT_FALSE(m_bar.SetButtonData(3, 1));
    EXPECT_FALSE(m_bar.SetButtonText(-1, "x"));
    EXPECT_STREQ(m_bar.GetButtonText(9), "");
    EXPECT_FALSE(m_bar.IsButtonEnable(-1));
    m_bar.EnableButton(-1, FALSE);
    m_bar.CheckedButton(5, TRUE);
    m_bar.SetButtonStyle(5, LUTBS_DROPDOWN);
    m_bar.SetButtonInfo(-1, 1, 0, 0);
    EXPECT_EQ(m_bar.GetButtonCount(), 3);
}

TEST_F(ToolBarTest, ClickSendsTheCommandWithTheBarAsSender)
{
    Add(ID_FILE_NEW, 0, "New");
    Add(ID_FILE_OPEN, 1, "Open");
    Place();
    Click(ItemRect(1).CenterPoint());
    ASSERT_EQ(m_pOwner->commands.size(), 1u);
    EXPECT_EQ(m_pOwner->commands[0].wParam, static_cast<WPARAM>(ID_FILE_OPEN));
    EXPECT_EQ(m_pOwner->commands[0].lParam, reinterpret_cast<LPARAM>(m_bar.m_hWnd));

    // Disabled: nothing. Released outside the pressed button: nothing.
    m_pOwner->commands.clear();
    m_bar.EnableButton(0, FALSE);
    Click(ItemRect(0).CenterPoint());
    PostMouse(m_bar.m_hWnd, WM_LBUTTONDOWN, ItemRect(1).CenterPoint(), MK_LBUTTON);
    PostMouse(m_bar.m_hWnd, WM_LBUTTONUP, ItemRect(0).CenterPoint());
    fxtest::PumpPending();
    EXPECT_TRUE(m_pOwner->commands.empty());
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(ToolBarTest, DropDownSendsOnlyTheNotificationWithTheCommand)
{
    Add(ID_FILE_NEW, 0, "Split");
    Add(ID_FILE_OPEN, 1, "Whole");
    ASSERT_TRUE(m_bar.SetButtonDropDown(0, TRUE));
    m_bar.SetButtonStyle(1, LUTBS_WHOLEDROPDOWN);
    Place();
    BOOL bCaptureDuringNotice = FALSE;
    m_pOwner->onDropDown = [&](const menutest::DropDown&) { bCaptureDuringNotice = ::GetCapture() == m_bar.m_hWnd; };

    // The arrow part: the notification, no command.
    const CRect rc0 = ItemRect(0);
    Click(CPoint(rc0.right - 8, rc0.CenterPoint().y));
    ASSERT_EQ(m_pOwner->dropDowns.size(), 1u);
    const menutest::DropDown& d = m_pOwner->dropDowns[0];
    EXPECT_EQ(d.hwndFrom, m_bar.m_hWnd);
    EXPECT_EQ(d.idFrom, static_cast<UINT_PTR>(kBarID));
    EXPECT_EQ(static_cast<int>(d.code), TBN_DROPDOWN);
    EXPECT_EQ(d.iItem, ID_FILE_NEW);
    EXPECT_TRUE(d.restZero);
    EXPECT_TRUE(bCaptureDuringNotice);
    EXPECT_TRUE(m_pOwner->commands.empty());
    EXPECT_EQ(::GetCapture(), nullptr);

    // The image part of the same button is a plain click.
    Click(CPoint(rc0.left + 10, rc0.CenterPoint().y));
    ASSERT_EQ(m_pOwner->commands.size(), 1u);
    EXPECT_EQ(m_pOwner->commands[0].wParam, static_cast<WPARAM>(ID_FILE_NEW));

    // A whole-button drop-down never sends a command.
    m_pOwner->commands.clear();
    Click(CPoint(ItemRect(1).left + 5, ItemRect(1).CenterPoint().y));
    ASSERT_EQ(m_pOwner->dropDowns.size(), 2u);
    EXPECT_EQ(m_pOwner->dropDowns[1].iItem, ID_FILE_OPEN);
    EXPECT_TRUE(m_pOwner->commands.empty());
}

TEST_F(ToolBarTest, TooltipToolsFollowEveryRelayout)
{
    Add(ID_FILE_NEW, 0, "New tip\nNew");
    Add(0, 0, nullptr);
    Add(ID_FILE_OPEN, 1, "Open tip\nOpen");
    Add(ID_FILE_EXIT, 2, "Exit tip\nExit");
    Place();
    // Separators have no tool.
    EXPECT_EQ(ToolCount(), 3);
    EXPECT_EQ(ToolRect(2), ItemRect(2));
    // Captions shown on the first button move the others; their tools move with them.
    ASSERT_TRUE(m_bar.SetButtonShowText(0, TRUE));
    EXPECT_EQ(ToolRect(0), ItemRect(0));
    EXPECT_EQ(ToolRect(2), ItemRect(2));
    EXPECT_EQ(ToolRect(3), ItemRect(3));
    EXPECT_GT(ItemRect(2).left, 48);
    // A deleted button takes its tool with it; the rest follow the new places.
    const UINT_PTR idGone = m_bar.GetButton(2)->m_nToolID;
    ASSERT_TRUE(m_bar.DeleteButton(2));
    EXPECT_EQ(ToolCount(), 2);
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = m_bar.m_hWnd;
    info.uId = idGone;
    EXPECT_FALSE(::SendMessageW(m_bar.GetToolTip().m_hWnd, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(ToolRect(2), ItemRect(2));
    EXPECT_EQ(m_bar.GetItemID(2), static_cast<UINT>(ID_FILE_EXIT));
}

TEST_F(ToolBarTest, VerticalBarStacksItsButtons)
{
    m_bar.DestroyWindow();
    CLuToolBar bar;
    ASSERT_TRUE(bar.Create(m_pOwner, WS_VISIBLE | 1 /* dock side left */, kBarID));
    bar.SetImageSize(CSize(32, 32));
    ASSERT_TRUE(bar.LoadBitmap(IDB_TOOL32));
    LUTBBUTTON b[3] = {{0, ID_FILE_NEW, 0, 0, 0, "a"}, {0, 0, 0, 0, 0, nullptr}, {1, ID_FILE_OPEN, 0, 0, 0, "b"}};
    ASSERT_TRUE(bar.AddButtons(3, b));
    EXPECT_TRUE(bar.IsVertical());
    EXPECT_EQ(bar.CalcFixedLayout(), CSize(40, 40 + 8 + 40 + 10));
    CRect rc;
    bar.GetItemRect(2, &rc);
    EXPECT_EQ(rc.top, 48);
    bar.DestroyWindow();
}

TEST_F(ToolBarTest, CommandUpdateChecksAndDisablesButtons)
{
    Add(ID_FILE_NEW, 0, "New");
    Add(ID_FILE_OPEN, 1, "Open");
    Add(ID_FILE_EXIT, 2, "Exit");
    Add(ID_EDIT_CUT, 3, "Cut");
    CUpdateTarget target;
    m_bar.UpdateButtonStates(&target, TRUE);
    EXPECT_TRUE(m_bar.IsButtonChecked(0));
    EXPECT_TRUE(m_bar.IsButtonEnable(0));
    EXPECT_FALSE(m_bar.IsButtonEnable(1));
    EXPECT_TRUE(m_bar.IsButtonEnable(2));   // a command handler without an update handler
    EXPECT_FALSE(m_bar.IsButtonEnable(3));  // no handler at all
    // Enabled again once a handler says so.
    target.m_bOpenEnabled = TRUE;
    m_bar.UpdateButtonStates(&target, TRUE);
    EXPECT_TRUE(m_bar.IsButtonEnable(1));
}

TEST_F(ToolBarTest, HostedControlGoesWithItsButtonWhenOwned)
{
    Add(ID_FILE_NEW, 0, "New");
    for (const BOOL bDestroy : {TRUE, FALSE}) {
        CWnd* pEdit = new CWnd;
        ASSERT_TRUE(pEdit->CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), m_pOwner, 77));
        const HWND hEdit = pEdit->m_hWnd;
        LUTBBUTTON b{-1, 1077, 0, 0, 0, "Edit tip\nEdit"};
        SIZE size{60, 20};
        ASSERT_TRUE(m_bar.InsertButtonEx(1, &b, pEdit, &size, bDestroy));
        Place();
        EXPECT_EQ(::GetParent(hEdit), m_bar.m_hWnd);
        EXPECT_EQ(ItemRect(1).Size(), CSize(68, 28));
        CRect rcEdit;
        ::GetWindowRect(hEdit, &rcEdit);
        m_bar.ScreenToClient(&rcEdit);
        EXPECT_EQ(rcEdit.TopLeft(), ItemRect(1).TopLeft() + CSize(4, 4));
        EXPECT_EQ(ToolCount(), 1);  // no tool for a hosted control
        ASSERT_TRUE(m_bar.DeleteButton(1));
        EXPECT_EQ(::IsWindow(hEdit) != FALSE, bDestroy == FALSE);
        if (::IsWindow(hEdit))
            pEdit->DestroyWindow();
        delete pEdit;
    }
}

TEST_F(ToolBarTest, TailAsksTheMainWindowForTheMenuBar)
{
    Add(ID_FILE_NEW, 0, "New");
    Place();
    CRect rcWnd;
    m_bar.GetWindowRect(&rcWnd);
    const CPoint ptTail(rcWnd.right - 5, rcWnd.top + rcWnd.Height() / 2);
    EXPECT_EQ(m_bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptTail.x, ptTail.y)), HTBORDER);
    EXPECT_EQ(m_bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcWnd.left + 5, ptTail.y)), HTCLIENT);
    m_bar.SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(ptTail.x, ptTail.y));
    EXPECT_EQ(m_pOwner->toggles, 0);
    m_bar.SendMessage(WM_NCLBUTTONUP, HTBORDER, MAKELPARAM(ptTail.x, ptTail.y));
    EXPECT_EQ(m_pOwner->toggles, 1);
    // The client area ends before the tail.
    CRect rcClient;
    m_bar.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Width(), rcWnd.Width() - 10);
}

TEST_F(ToolBarTest, HotAndCheckedButtonsPaintTheirFrame)
{
    Add(ID_FILE_NEW, 0, "New");
    Add(ID_FILE_OPEN, 1, "Open");
    Add(ID_FILE_EXIT, 2, "Exit");
    Place();
    m_bar.CheckedButton(2, TRUE);
    PostMouse(m_bar.m_hWnd, WM_MOUSEMOVE, ItemRect(0).CenterPoint());
    fxtest::PumpPending();
    CLuTheme* pTheme = CLuThemeManager::Instance()->GetTheme();
    const CSize size = m_bar.CalcFixedLayout();
    skintest::Canvas canvas(size.cx, size.cy);
    ::SendMessageW(m_bar.m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);
    // The frame of a highlighted button: its rectangle less 1, outlined in theme colour 4 (the
    // edges stop 3 pixels short of the corners).
    for (int n : {0, 2}) {
        const CRect rc = ItemRect(n);
        EXPECT_EQ(canvas.At(rc.left + 10, rc.top + 1), pTheme->GetThemeColor(4)) << n;
        EXPECT_EQ(canvas.At(rc.left + 1, rc.top + 10), pTheme->GetThemeColor(4)) << n;
    }
    // A plain button shows the bar's background there, no outline.
    const CRect rc1 = ItemRect(1);
    EXPECT_NE(canvas.At(rc1.left + 10, rc1.top + 1), pTheme->GetThemeColor(4));
    EXPECT_EQ(canvas.At(rc1.left + 10, rc1.top + 1), canvas.At(rc1.left - 1, rc1.top + 1));
    // The image itself: its inner colour where the strip's masked border leaves it.
    EXPECT_EQ(canvas.At(rc1.left + 4 + 16, rc1.top + 4 + 16), RGB(0, 160, 0));
    EXPECT_EQ(canvas.At(rc1.left + 4 + 1, rc1.top + 4 + 1), canvas.At(rc1.left + 2, rc1.top + 4 + 1));
}

TEST_F(ToolBarTest, NoHandlesLeftAfterManyBars)
{
    Add(ID_FILE_NEW, 0, "warm-up\nwarm-up");
    m_bar.DestroyWindow();
    const int gdiBefore = menutest::CountGdiObjects();
    const int wndBefore = menutest::CountThreadWindows();
    for (int i = 0; i < 100; ++i) {
        CLuToolBar bar;
        ASSERT_TRUE(bar.Create(m_pOwner, WS_VISIBLE, kBarID));
        bar.SetImageSize(CSize(32, 32));
        ASSERT_TRUE(bar.LoadBitmap(IDB_TOOL32));
        LUTBBUTTON b[3] = {{0, ID_FILE_NEW, 0, 0, 0, "a\nb"}, {0, 0, 0, 0, 0, nullptr}, {1, ID_FILE_OPEN, 0, 0, 0, "c"}};
        ASSERT_TRUE(bar.AddButtons(3, b));
        bar.SetButtonShowText(0, TRUE);
        bar.UpdateWindow();
        ASSERT_TRUE(bar.DeleteButton(0));
        bar.DestroyWindow();
    }
    fxtest::PumpPending();
    EXPECT_LE(menutest::CountGdiObjects(), gdiBefore + 2);
    EXPECT_EQ(menutest::CountThreadWindows(), wndBefore);
}

TEST_F(ToolBarTest, LoadsButtonsAndImagesFromAToolbarResource)
{
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_TESTMENU));
    EXPECT_EQ(m_bar.GetImageSize(), CSize(16, 16));
    ASSERT_EQ(m_bar.GetButtonCount(), 4);
    UINT nID = 0, nStyle = 0;
    int iImage = 0;
    m_bar.GetButtonInfo(3, nID, nStyle, iImage);
    EXPECT_EQ(nID, static_cast<UINT>(ID_EDIT_CUT));
    EXPECT_EQ(iImage, 2);  // the gap takes no image
    EXPECT_EQ(m_bar.GetButtonStyle(2), static_cast<UINT>(LUTBS_SEPARATOR));
    Place();
    EXPECT_EQ(ItemRect(0).Size(), CSize(24, 24));
    EXPECT_FALSE(m_bar.LoadToolBar(9999));
}

TEST_F(ToolBarTest, HostedControlsFromContextsAndTheirNotifications)
{
    Add(ID_FILE_NEW, 0, "New");
    // A caller's window through a context: hosted, its notifications passed on to the owner.
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), m_pOwner, 78));
    CLuCContext ctx(&edit);
    LUTBBUTTON b{-1, 78, 0, 0, 0, nullptr};
    SIZE size{80, 20};
    ASSERT_TRUE(m_bar.InsertButtonEx(5, &b, &ctx, &size, TRUE));
    ASSERT_EQ(m_bar.GetButtonCount(), 2);
    EXPECT_TRUE(m_bar.GetButton(1)->HasControl());
    m_bar.SendMessage(WM_COMMAND, MAKEWPARAM(78, EN_CHANGE), reinterpret_cast<LPARAM>(edit.m_hWnd));
    ASSERT_EQ(m_pOwner->commands.size(), 1u);
    EXPECT_EQ(m_pOwner->commands[0].wParam, MAKEWPARAM(78, EN_CHANGE));
    EXPECT_EQ(m_pOwner->commands[0].lParam, reinterpret_cast<LPARAM>(edit.m_hWnd));
    // Deleted with the button: the caller's object keeps living without its window.
    ASSERT_TRUE(m_bar.DeleteButton(1));
    EXPECT_EQ(edit.m_hWnd, nullptr);

    // A context that makes no window: nothing is inserted and nothing is left behind.
    CLuCContext plain(RUNTIME_CLASS(CWnd));
    EXPECT_FALSE(m_bar.InsertButtonEx(0, &b, &plain, &size, TRUE));
    EXPECT_EQ(m_bar.GetButtonCount(), 1);
}
