// Command routing on real windows: a command goes to the active view, then the frame, then the
// application; control notifications are reflected to the control that sent them; update
// handlers set the state of a popup's items when it opens.
#include "GuiTestSupport.h"
#include "TestApp.h"

#include "fx/win/FrameWnd.h"
#include "fx/win/Menu.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

constexpr UINT kViewCommand = 0x7101;
constexpr UINT kFrameCommand = 0x7102;
constexpr UINT kBothCommand = 0x7103;
constexpr UINT kNobodyCommand = 0x7104;
constexpr UINT kRangeFirst = 0x7110;
constexpr UINT kRangeLast = 0x7113;
constexpr UINT kToggled = 0x7201;
constexpr UINT kHandledOnly = 0x7202;
constexpr UINT kUnhandled = 0x7203;
constexpr UINT kRetitled = 0x7204;

class CCountingView : public CView {
    DECLARE_DYNCREATE(CCountingView)
public:
    int viewCommands = 0;
    int bothCommands = 0;
    void OnDraw(CDC*) override {}

protected:
    void OnViewCommand() { ++viewCommands; }
    void OnBothCommand() { ++bothCommands; }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CCountingView, CView)
BEGIN_MESSAGE_MAP(CCountingView, CView)
    ON_COMMAND(kViewCommand, OnViewCommand)
    ON_COMMAND(kBothCommand, OnBothCommand)
END_MESSAGE_MAP()

class CCountingFrame : public CFrameWnd {
public:
    int frameCommands = 0;
    int bothCommands = 0;
    UINT lastRangeId = 0;
    bool toggledOn = false;
    int handledOnly = 0;

protected:
    void OnFrameCommand() { ++frameCommands; }
    void OnBothCommand() { ++bothCommands; }
    void OnRange(UINT id) { lastRangeId = id; }
    void OnHandledOnly() { ++handledOnly; }
    void OnToggled() {}
    void OnUpdateToggled(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(toggledOn);
        pCmdUI->SetCheck(toggledOn ? 1 : 0);
    }
    void OnUpdateRetitled(CCmdUI* pCmdUI) { pCmdUI->SetText(toggledOn ? "联机" : "脱机"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingFrame, CFrameWnd)
    ON_COMMAND(kFrameCommand, OnFrameCommand)
    ON_COMMAND(kBothCommand, OnBothCommand)
    ON_COMMAND_RANGE(kRangeFirst, kRangeLast, OnRange)
    ON_COMMAND(kToggled, OnToggled)
    ON_UPDATE_COMMAND_UI(kToggled, OnUpdateToggled)
    ON_COMMAND(kHandledOnly, OnHandledOnly)
    ON_UPDATE_COMMAND_UI(kRetitled, OnUpdateRetitled)
END_MESSAGE_MAP()

struct FrameWithView {
    CCountingFrame* frame = new CCountingFrame;
    CCountingView* view = nullptr;
    FrameWithView()
    {
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CCountingView);
        if (!frame->Create(nullptr, "routing", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, nullptr, 0,
                           &context)) {
            frame = nullptr;
            return;
        }
        view = static_cast<CCountingView*>(frame->GetActiveView());
    }
    ~FrameWithView()
    {
        if (frame != nullptr)
            frame->DestroyWindow();  // deletes frame and view
    }
};

}  // namespace

TEST(FxRouting, CommandsGoViewThenFrameThenApplication)
{
    FrameWithView fv;
    ASSERT_NE(nullptr, fv.frame);
    ASSERT_NE(nullptr, fv.view);
    EXPECT_EQ(static_cast<CWnd*>(fv.view), fv.frame->GetDlgItem(AFX_IDW_PANE_FIRST));
    CRect client, pane;
    fv.frame->GetClientRect(&client);
    fv.view->GetClientRect(&pane);
    EXPECT_EQ(client.Size(), pane.Size()) << "the frame's layout gives the pane its client area";

    const int appBefore = TestApp().m_nAppCommands;
    fv.frame->SendMessage(WM_COMMAND, kViewCommand);
    fv.frame->SendMessage(WM_COMMAND, kBothCommand);
    fv.frame->SendMessage(WM_COMMAND, kFrameCommand);
    fv.frame->SendMessage(WM_COMMAND, kAppCommand);
    EXPECT_EQ(1, fv.view->viewCommands);
    EXPECT_EQ(1, fv.view->bothCommands);
    EXPECT_EQ(0, fv.frame->bothCommands) << "a command the view handles does not reach the frame";
    EXPECT_EQ(1, fv.frame->frameCommands);
    EXPECT_EQ(appBefore + 1, TestApp().m_nAppCommands);

    fv.frame->SendMessage(WM_COMMAND, kRangeFirst + 2);
    EXPECT_EQ(kRangeFirst + 2, fv.frame->lastRangeId);
    EXPECT_FALSE(fv.frame->OnCmdMsg(kNobodyCommand, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(appBefore + 1, TestApp().m_nAppCommands);

    AFX_CMDHANDLERINFO info{};
    EXPECT_TRUE(fv.frame->OnCmdMsg(kViewCommand, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(static_cast<CCmdTarget*>(fv.view), info.pTarget) << "the question names the target, nothing runs";
    EXPECT_EQ(1, fv.view->viewCommands);
}

TEST(FxRouting, UpdateHandlersSetMenuItemsWhenThePopupOpens)
{
    FrameWithView fv;
    ASSERT_NE(nullptr, fv.frame);
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, kToggled, "开机");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING, kHandledOnly, "关机");
    popup.AppendMenu(MF_STRING, kUnhandled, "无");
    popup.AppendMenu(MF_STRING, kRetitled, "状态");

    auto open = [&] { fv.frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.m_hMenu), 0); };
    open();
    EXPECT_TRUE(popup.GetMenuState(kToggled, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(popup.GetMenuState(kToggled, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(popup.GetMenuState(kHandledOnly, MF_BYCOMMAND) & MF_GRAYED) << "a handler enables the item";
    EXPECT_TRUE(popup.GetMenuState(kUnhandled, MF_BYCOMMAND) & MF_GRAYED) << "no handler: disabled";
    CString text;
    popup.GetMenuString(kRetitled, text, MF_BYCOMMAND);
    EXPECT_EQ(CString("脱机"), text);

    fv.frame->toggledOn = true;
    open();
    EXPECT_FALSE(popup.GetMenuState(kToggled, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(popup.GetMenuState(kToggled, MF_BYCOMMAND) & MF_CHECKED);
    popup.GetMenuString(kRetitled, text, MF_BYCOMMAND);
    EXPECT_EQ(CString("联机"), text);

    fv.frame->toggledOn = false;
    open();
    EXPECT_TRUE(popup.GetMenuState(kToggled, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(popup.GetMenuState(kToggled, MF_BYCOMMAND) & MF_CHECKED);
}

namespace {

constexpr UINT kReflectingButton = 2001;
constexpr UINT kPlainButton = 2002;

class CReflectingButton : public CWnd {
public:
    int clicks = 0;
    int colourQuestions = 0;
    CBrush brush{RGB(1, 2, 3)};

protected:
    void OnClicked() { ++clicks; }
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        ++colourQuestions;
        EXPECT_EQ(static_cast<UINT>(CTLCOLOR_BTN), nCtlColor);
        pDC->SetTextColor(RGB(200, 0, 0));
        return brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CButtonParent : public CWnd {
public:
    int reflectingClicks = 0;
    int plainClicks = 0;

protected:
    void OnReflectingClicked() { ++reflectingClicks; }
    void OnPlainClicked() { ++plainClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CButtonParent, CWnd)
    ON_BN_CLICKED(kReflectingButton, OnReflectingClicked)
    ON_BN_CLICKED(kPlainButton, OnPlainClicked)
END_MESSAGE_MAP()

}  // namespace

TEST(FxRouting, NotificationsAreReflectedToTheControlThatSentThem)
{
    CButtonParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
    CReflectingButton reflecting;
    ASSERT_TRUE(reflecting.Create("BUTTON", "a", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 80, 30), &parent,
                                  kReflectingButton));
    CWnd plain;
    ASSERT_TRUE(plain.Create("BUTTON", "b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(90, 0, 170, 30), &parent,
                             kPlainButton));

    reflecting.SendMessage(BM_CLICK);
    plain.SendMessage(BM_CLICK);
    EXPECT_EQ(1, reflecting.clicks);
    EXPECT_EQ(0, parent.reflectingClicks) << "the control handled its own notification";
    EXPECT_EQ(1, parent.plainClicks);

    HDC hdc = ::GetDC(reflecting.m_hWnd);
    const LRESULT brush = parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc),
                                             reinterpret_cast<LPARAM>(reflecting.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(static_cast<HBRUSH>(reflecting.brush)), brush);
    EXPECT_EQ(RGB(200, 0, 0), ::GetTextColor(hdc));
    ::ReleaseDC(reflecting.m_hWnd, hdc);
    EXPECT_GE(reflecting.colourQuestions, 1);
    parent.DestroyWindow();
}

namespace {

constexpr UINT kBarId = 59424;

class CNotifyingBar : public CWnd {
public:
    int reflectedDropDowns = 0;
    bool handleReflected = false;

protected:
    void OnReflectedDropDown(NMHDR*, LRESULT* pResult)
    {
        ++reflectedDropDowns;
        *pResult = 9;
    }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        return handleReflected && CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyingBar, CWnd)
    ON_NOTIFY_REFLECT(TBN_DROPDOWN, OnReflectedDropDown)
END_MESSAGE_MAP()

class CNotifyParent : public CWnd {
public:
    UINT droppedItem = 0;
    UINT rangeId = 0;

protected:
    void OnDropDown(NMHDR* pNMHDR, LRESULT* pResult)
    {
        droppedItem = static_cast<UINT>(reinterpret_cast<NMTOOLBARW*>(pNMHDR)->iItem);
        *pResult = TBDDRET_DEFAULT;
    }
    void OnAnyDropDown(UINT id, NMHDR*, LRESULT*) { rangeId = id; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyParent, CWnd)
    ON_NOTIFY(TBN_DROPDOWN, kBarId, OnDropDown)
    ON_NOTIFY_RANGE(TBN_DROPDOWN, kBarId + 1, kBarId + 3, OnAnyDropDown)
END_MESSAGE_MAP()

}  // namespace

TEST(FxRouting, NotificationsReachTheParentsMapOrTheSendersReflection)
{
    CNotifyParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CNotifyingBar bar;
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 100, 30), &parent, kBarId));

    // The 44-byte toolbar record the skinned toolbar sends for a drop-down button.
    NMTOOLBARW record{};
    record.hdr.hwndFrom = bar.m_hWnd;
    record.hdr.idFrom = kBarId;
    record.hdr.code = TBN_DROPDOWN;
    record.iItem = 1002;
    EXPECT_EQ(TBDDRET_DEFAULT, parent.SendMessage(WM_NOTIFY, kBarId, reinterpret_cast<LPARAM>(&record)));
    EXPECT_EQ(1002u, parent.droppedItem);
    EXPECT_EQ(0, bar.reflectedDropDowns);

    record.hdr.idFrom = kBarId + 2;
    parent.SendMessage(WM_NOTIFY, kBarId + 2, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(kBarId + 2, parent.rangeId);

    bar.handleReflected = true;
    parent.droppedItem = 0;
    record.hdr.idFrom = kBarId;
    EXPECT_EQ(9, parent.SendMessage(WM_NOTIFY, kBarId, reinterpret_cast<LPARAM>(&record)));
    EXPECT_EQ(1, bar.reflectedDropDowns);
    EXPECT_EQ(0u, parent.droppedItem) << "the sender handled its own notification";
    parent.DestroyWindow();
}

TEST(FxRouting, TrackedPopupUpdatesItsItemsAndSendsTheChosenCommand)
{
    FrameWithView fv;
    ASSERT_NE(nullptr, fv.frame);
    fv.frame->ShowWindow(SW_SHOW);
    fv.frame->SetForegroundWindow();
    fv.frame->toggledOn = false;
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, kHandledOnly, "关机");
    popup.AppendMenu(MF_STRING, kToggled, "开机");

    // Down selects the first item, Enter chooses it; both are waiting when the menu loop starts.
    fv.frame->PostMessage(WM_KEYDOWN, VK_DOWN, 0x00500001);
    fv.frame->PostMessage(WM_KEYDOWN, VK_RETURN, 0x001C0001);
    fxtest::ModalTimeout guard(60000);
    ASSERT_TRUE(popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 20, 20, fv.frame));
    EXPECT_TRUE(popup.GetMenuState(kToggled, MF_BYCOMMAND) & MF_GRAYED) << "updated when it opened";
    EXPECT_TRUE(fxtest::PumpUntil([&] { return fv.frame->handledOnly == 1; }))
        << "the chosen command arrives as WM_COMMAND";
}
