// Dialogs from a template compiled with windres: the modal loop ended by a posted message with
// its value, the owner disabled while it runs, data exchange both ways with a refused value,
// idle updates of a control, keyboard navigation, and a worker thread posting its result to
// the modal dialog.
#include "FxWinTestRes.h"
#include "GuiTestSupport.h"
#include "TestApp.h"

#include "fx/win/Controls.h"
#include "fx/win/Dialog.h"
#include "fx/win/Text.h"
#include "fx/win/ThreadState.h"
#include "fx/win/WorkerThread.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr UINT kFinish = WM_APP + 1;
constexpr UINT kStep = WM_APP + 2;
constexpr UINT kCommandDone = WM_USER + 0x1013;

class CSettingsDlg : public CDialog {
public:
    explicit CSettingsDlg(CWnd* pParent = nullptr) : CDialog(IDD_SETTINGS, pParent) {}

    int m_nTimeout = 30;
    int m_nBaud = 2;
    int m_bLog = 1;
    // What the test does once the dialog is up (posted, so it runs inside the modal loop).
    std::function<void(CSettingsDlg&)> onStarted;
    std::function<void(CSettingsDlg&)> onStep;
    CString captionSeen;
    BOOL ownerEnabledWhileRunning = TRUE;
    HWND owner = nullptr;
    bool requireTimeout = false;
    CWorkerThread worker;
    DWORD workerThreadId = 0;

protected:
    BOOL OnInitDialog() override
    {
        CComboBox* pBaud = static_cast<CComboBox*>(GetDlgItem(IDC_BAUD));
        for (LPCSTR baud : {"9600", "19200", "38400", "57600", "115200"})
            ::SendMessageW(pBaud->m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fx::ToWide(baud).c_str()));
        CDialog::OnInitDialog();
        captionSeen = GetWindowText();
        if (owner != nullptr)
            ownerEnabledWhileRunning = ::IsWindowEnabled(owner);
        PostMessage(kStep);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TIMEOUT, m_nTimeout);
        DDV_MinMaxInt(pDX, m_nTimeout, 10, 60);
        DDX_CBIndex(pDX, IDC_BAUD, m_nBaud);
        DDX_Check(pDX, IDC_LOG, m_bLog);
    }
    LRESULT OnStep(WPARAM, LPARAM)
    {
        if (onStarted) {
            auto f = onStarted;
            onStarted = nullptr;
            f(*this);
        } else if (onStep) {
            onStep(*this);
        }
        return 0;
    }
    LRESULT OnFinish(WPARAM wParam, LPARAM)
    {
        EndDialog(static_cast<int>(wParam));
        return 0;
    }
    LRESULT OnCommandDone(WPARAM wParam, LPARAM)
    {
        EndDialog(static_cast<int>(wParam) + 100);
        return 0;
    }
    void OnUpdateOK(CCmdUI* pCmdUI)
    {
        if (requireTimeout)
            pCmdUI->Enable(GetDlgItem(IDC_TIMEOUT)->GetWindowTextLength() > 0);
    }
    void OnTimer(UINT_PTR id)
    {
        KillTimer(id);
        EndDialog(GetDlgItem(IDOK)->IsWindowEnabled() ? 1 : 0);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSettingsDlg, CDialog)
    ON_MESSAGE(kStep, OnStep)
    ON_MESSAGE(kFinish, OnFinish)
    ON_MESSAGE(kCommandDone, OnCommandDone)
    ON_UPDATE_COMMAND_UI(IDOK, OnUpdateOK)
    ON_WM_TIMER()
END_MESSAGE_MAP()

}  // namespace

TEST(FxDialog, ModalDialogFromTemplateEndsWithThePostedValue)
{
    fxtest::ModalTimeout guard(60000);
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    CSettingsDlg dlg(&owner);
    dlg.owner = owner.m_hWnd;
    dlg.onStarted = [](CSettingsDlg& d) { d.PostMessage(kFinish, 42); };
    EXPECT_EQ(42, dlg.DoModal());
    EXPECT_EQ(CString("通讯设置"), dlg.captionSeen);
    EXPECT_FALSE(dlg.ownerEnabledWhileRunning) << "the owner is disabled while the dialog runs";
    EXPECT_TRUE(owner.IsWindowEnabled()) << "and enabled again afterwards";
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    owner.DestroyWindow();
}

TEST(FxDialog, MissingTemplateGivesMinusOne)
{
    CDialog dlg(IDD_MISSING);
    EXPECT_EQ(-1, dlg.DoModal());
}

TEST(FxDialog, DataExchangeFillsControlsAndTakesThemBack)
{
    fxtest::ModalTimeout guard(60000);
    CSettingsDlg dlg;
    dlg.onStarted = [](CSettingsDlg& d) {
        EXPECT_EQ(CString("30"), d.GetDlgItem(IDC_TIMEOUT)->GetWindowText());
        EXPECT_EQ(2, static_cast<int>(d.SendDlgItemMessage(IDC_BAUD, CB_GETCURSEL)));
        EXPECT_EQ(static_cast<UINT>(BST_CHECKED), d.IsDlgButtonChecked(IDC_LOG));
        d.SetDlgItemText(IDC_TIMEOUT, "45");
        d.SendDlgItemMessage(IDC_BAUD, CB_SETCURSEL, 4);
        d.CheckDlgButton(IDC_LOG, BST_UNCHECKED);
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(45, dlg.m_nTimeout);
    EXPECT_EQ(4, dlg.m_nBaud);
    EXPECT_EQ(0, dlg.m_bLog);
}

TEST(FxDialog, RefusedValueKeepsTheDialogOpenAndTellsTheUser)
{
    fxtest::ModalTimeout guard(60000);
    TestApp().m_messages.clear();
    CSettingsDlg dlg;
    int attempts = 0;
    dlg.onStarted = [&](CSettingsDlg& d) {
        d.SetDlgItemText(IDC_TIMEOUT, "abc");
        d.SendMessage(WM_COMMAND, IDOK);  // refused: not a number
        EXPECT_EQ(30, d.m_nTimeout) << "a value that is not a number never reaches the member";
        EXPECT_EQ(d.GetDlgItem(IDC_TIMEOUT)->m_hWnd, ::GetFocus()) << "the refused control has the focus";
        ++attempts;
        d.SetDlgItemText(IDC_TIMEOUT, "61");
        d.SendMessage(WM_COMMAND, IDOK);  // refused: out of range
        ++attempts;
        d.PostMessage(kFinish, 7);
    };
    EXPECT_EQ(7, dlg.DoModal()) << "neither OK ended the dialog";
    EXPECT_EQ(2, attempts);
    ASSERT_EQ(2u, TestApp().m_messages.size());
    EXPECT_EQ("请输入整数", TestApp().m_messages[0]) << "the program's own prompt, string 61440";
    EXPECT_EQ("请输入一个介于 10 和 60 之间的整数。", TestApp().m_messages[1]);
}

TEST(FxDialog, IdleUpdateEnablesControlsFromTheirHandlers)
{
    fxtest::ModalTimeout guard(60000);
    CSettingsDlg empty;
    empty.requireTimeout = true;
    empty.onStarted = [](CSettingsDlg& d) {
        d.SetDlgItemText(IDC_TIMEOUT, "");
        d.SetTimer(1, 100);
    };
    EXPECT_EQ(0, empty.DoModal()) << "OK disabled while the time-out is empty";

    CSettingsDlg filled;
    filled.requireTimeout = true;
    filled.onStarted = [](CSettingsDlg& d) { d.SetTimer(1, 100); };
    EXPECT_EQ(1, filled.DoModal());
}

TEST(FxDialog, EscapeInAControlCancels)
{
    fxtest::ModalTimeout guard(60000);
    CSettingsDlg dlg;
    dlg.onStarted = [](CSettingsDlg& d) {
        HWND hEdit = d.GetDlgItem(IDC_TIMEOUT)->m_hWnd;
        ::SetFocus(hEdit);
        ::PostMessageW(hEdit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST(FxDialog, WorkerThreadPostsItsResultToTheModalDialog)
{
    fxtest::ModalTimeout guard(60000);
    CSettingsDlg dlg;
    dlg.onStarted = [](CSettingsDlg& d) {
        const HWND hWnd = d.m_hWnd;
        ASSERT_TRUE(d.worker.Start(
            [&d] {
                d.workerThreadId = ::GetCurrentThreadId();
                ::Sleep(50);
                return static_cast<WPARAM>(1);
            },
            hWnd, kCommandDone));
    };
    EXPECT_EQ(101, dlg.DoModal()) << "1 (success) posted back, +100 by the dialog";
    EXPECT_TRUE(dlg.worker.Join(1000));
    EXPECT_NE(0u, dlg.workerThreadId);
    EXPECT_NE(::GetCurrentThreadId(), dlg.workerThreadId);
}

TEST(FxDialog, ModelessDialogLivesLikeAWindow)
{
    CSettingsDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SETTINGS));
    EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
    EXPECT_EQ(CString("30"), dlg.GetDlgItem(IDC_TIMEOUT)->GetWindowText()) << "initialised like a modal one";
    EXPECT_FALSE(dlg.IsModal());
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(FxDialog, QuitDuringTheModalLoopEndsItAndStaysQueued)
{
    CSettingsDlg dlg;
    dlg.onStarted = [](CSettingsDlg&) { ::PostQuitMessage(5); };
    EXPECT_EQ(-1, dlg.DoModal());
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "left for the main loop";
    EXPECT_EQ(5u, msg.wParam) << "with the program's exit code";
}

TEST(FxDialog, RepeatedModalRunsLeaveNoObjectsBehind)
{
    const std::size_t before = fx::detail::State().permanentWnds.size();
    for (int i = 0; i < 40; ++i) {
        fxtest::ModalTimeout guard(60000);
        CSettingsDlg dlg;
        dlg.onStarted = [i](CSettingsDlg& d) { d.PostMessage(kFinish, static_cast<WPARAM>(i)); };
        ASSERT_EQ(i, dlg.DoModal());
    }
    EXPECT_EQ(before, fx::detail::State().permanentWnds.size());
}

namespace {

class CEndsAtOnce : public CDialog {
public:
    CEndsAtOnce() : CDialog(IDD_SETTINGS) {}
    int kickIdles = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        EndDialog(IDABORT);  // refused before the user saw anything
        return TRUE;
    }
    LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++kickIdles;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEndsAtOnce, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

}  // namespace

TEST(FxDialog, EndDialogDuringInitialisationEndsBeforeTheLoop)
{
    fxtest::ModalTimeout guard(60000);
    CEndsAtOnce dlg;
    EXPECT_EQ(IDABORT, dlg.DoModal());
    EXPECT_EQ(0, dlg.kickIdles) << "no modal loop ran";
}
