// The wall view control's commands reach the dialogs: 1079, 1080, 1081, 1065 and 1082 sent to a
// real control (an MPD region over its one panel holding one window, made current by the right
// button) open the transparency, parameter, sub-window and quick edge-mask dialogs over the
// control, each for that window; a nudge from the sub-window dialog moves the window the control
// shows and repaints the control. The program's wall page gives its view these dialogs.
#include "app/shell/dialogs/WallViewDialogs.h"
#include "app/core/profile/ProfileState.h"
#include "app/core/view/TzCtrl.h"
#include "app/res/WallViewRes.h"
#include "app/shell/DialogItems.h"
#include "app/shell/WallPage.h"
#include "app/shell/dialogs/ParamDlg.h"
#include "tests/gui/dialogs/DialogTestSupport.h"

#include <filesystem>
#include <string>

using namespace dlgtest;

namespace {

// What the dialog that came up showed; filled while it runs, then it is closed.
struct Seen {
    std::wstring caption;
    HWND owner = nullptr;
    CCell* target = nullptr;  // the parameter dialog's window
    int transparency = -2;    // the transparency dialog's selection
};
Seen g_seen;

void NoteAndClose(HWND hDlg)
{
    wchar_t text[64] = {};
    ::GetWindowTextW(hDlg, text, 64);
    g_seen.caption = text;
    g_seen.owner = ::GetWindow(hDlg, GW_OWNER);
    if (CParamDlg* pParam = dynamic_cast<CParamDlg*>(CWnd::FromHandlePermanent(hDlg)))
        g_seen.target = pParam->Target();
    if (::GetDlgItem(hDlg, IDC_TRANSPARENCY_LEVEL) != nullptr)
        g_seen.transparency = dlgitem::GetCurSel(hDlg, IDC_TRANSPARENCY_LEVEL);
    // The sub-window dialog nudges its window one step to the right before closing.
    if (::GetDlgItem(hDlg, IDC_SUB_RIGHT) != nullptr)
        Click(hDlg, IDC_SUB_RIGHT);
    ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

class WallViewDialogsTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        m_profiles = std::filesystem::temp_directory_path() / "tavelo_dialogs_wall_view";
        std::filesystem::remove_all(m_profiles);
        std::filesystem::create_directories(m_profiles);
        m_configured = configuredSystem();
        m_working = workingSystem();
        // One panel, 8 MPD channels at 1080p, no matrix inputs.
        SystemConfig& c = configuredSystem();
        c.wallRows = 1;
        c.wallColumns = 1;
        c.mpdCount = 8;
        c.resolution = 6;
        c.mpdResolution = 6;
        c.vgaInputs = c.cvbsInputs = c.dviInputs = 0;
        workingSystem() = c;

        CTzCtrl::RegisterWindowClass();
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "wall page", WS_POPUP | WS_VISIBLE,
                                    CRect(20, 20, 680, 520), nullptr, 0));
        m_view = std::make_unique<CTzCtrl>(CString(m_profiles.string().c_str()));
        ASSERT_TRUE(
            m_view->Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 645, 485), &m_host, IDC_WALL_VIEW));
        m_view->resetScene();
        m_dialogs = std::make_unique<CWallViewDialogs>(m_view.get());
        m_view->setDialogs(m_dialogs.get());
    }
    void TearDown() override
    {
        if (m_view && m_view->GetSafeHwnd())
            m_view->DestroyWindow();
        m_host.DestroyWindow();
        configuredSystem() = m_configured;
        workingSystem() = m_working;
        std::error_code ec;
        std::filesystem::remove_all(m_profiles, ec);
        DialogTest::TearDown();
    }

    // The panel made the MPD region with one window, (213,160)-(427,320), which the right button
    // then makes current.
    CPIPCell* CurrentWindow()
    {
        WallEditor& editor = m_view->editor();
        editor.press({100, 100});
        editor.release({100, 100});
        ::SendMessageW(m_view->GetSafeHwnd(), WM_COMMAND, ID_WALL_MPD, 0);
        ::SendMessageW(m_view->GetSafeHwnd(), WM_COMMAND, ID_WALL_ADD_PIP, 0);
        EXPECT_TRUE(editor.pointAt({300, 240}));
        return editor.currentPip();
    }

    // Sends the command to the control and returns what the dialog it opened showed.
    Seen Open(UINT nID)
    {
        g_seen = Seen();
        WhenDialogUp(NoteAndClose);
        fxtest::ModalTimeout guard(10000);
        ::SendMessageW(m_view->GetSafeHwnd(), WM_COMMAND, nID, 0);
        return g_seen;
    }

    CWnd m_host;
    std::unique_ptr<CTzCtrl> m_view;
    std::unique_ptr<CWallViewDialogs> m_dialogs;
    std::filesystem::path m_profiles;

private:
    SystemConfig m_configured;
    SystemConfig m_working;
};

}  // namespace

TEST_F(WallViewDialogsTest, EachCommandOpensItsDialogForTheCurrentWindow)
{
    CPIPCell* pip = CurrentWindow();
    ASSERT_NE(nullptr, pip);
    ASSERT_EQ(2, pip->number());
    pip->setTransparency(7);
    link.Clear();
    titles.titles.clear();
    HWND hHost = m_host.GetSafeHwnd();

    Seen seen = Open(ID_WALL_TRANSPARENCY);
    EXPECT_EQ(L"屏幕微调", seen.caption);
    EXPECT_EQ(7, seen.transparency) << "the current window's stored level";
    EXPECT_EQ(hHost, seen.owner) << "over the page holding the control";

    for (UINT nID : {UINT(ID_WALL_PARAMETERS), UINT(ID_WALL_PIP_PARAMETERS)}) {
        seen = Open(nID);
        EXPECT_EQ(L"参数调整", seen.caption) << nID;
        EXPECT_EQ(pip, seen.target) << nID;
        EXPECT_EQ(hHost, seen.owner) << nID;
    }

    seen = Open(ID_WALL_EDGE_MASK);
    EXPECT_EQ(L"快速边缘屏蔽设置", seen.caption);
    EXPECT_TRUE(link.calls.empty()) << "opening and closing sends nothing";

    // The sub-window dialog works on the window the control shows: one step right moves it there
    // and the control repaints.
    const WallRect before = pip->rect();
    ::ValidateRect(m_view->GetSafeHwnd(), nullptr);
    seen = Open(ID_WALL_FINE_ADJUST);
    EXPECT_EQ(L"子窗口调整", seen.caption);
    EXPECT_EQ(hHost, seen.owner);
    EXPECT_EQ(std::vector<std::string>{"位置微调"}, titles.titles);
    EXPECT_EQ(before.left + 1, pip->rect().left);
    EXPECT_EQ(before.top, pip->rect().top);
    RECT update = {};
    EXPECT_TRUE(::GetUpdateRect(m_view->GetSafeHwnd(), &update, FALSE));
    EXPECT_TRUE(App().m_messages.empty());
}

TEST_F(WallViewDialogsTest, ParametersOfAPanelWithoutAWindowGoToThePanel)
{
    // A plain panel made current by the left button: 1080 opens for it.
    m_view->editor().press({100, 100});
    m_view->editor().release({100, 100});
    CCell* panel = m_view->editor().currentCell();
    ASSERT_NE(nullptr, panel);
    ASSERT_EQ(nullptr, m_view->editor().currentPip());
    const Seen seen = Open(ID_WALL_PARAMETERS);
    EXPECT_EQ(L"参数调整", seen.caption);
    EXPECT_EQ(panel, seen.target);
}

TEST_F(WallViewDialogsTest, TheProgramsWallPageGivesItsViewTheDialogs)
{
    CWallPage page(CString(m_profiles.string().c_str()));
    ASSERT_TRUE(page.Create(CWallPage::IDD, &m_host));
    CTzCtrl& view = page.GetView();
    ASSERT_NE(nullptr, view.GetSafeHwnd());
    view.editor().press({100, 100});
    view.editor().release({100, 100});
    CCell* panel = view.editor().currentCell();
    ASSERT_NE(nullptr, panel);
    g_seen = Seen();
    WhenDialogUp(NoteAndClose);
    {
        fxtest::ModalTimeout guard(10000);
        ::SendMessageW(view.GetSafeHwnd(), WM_COMMAND, ID_WALL_PARAMETERS, 0);
    }
    EXPECT_EQ(L"参数调整", g_seen.caption);
    EXPECT_EQ(panel, g_seen.target);
    page.DestroyWindow();
}
