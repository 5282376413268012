// The preset panel (dialog 131) beside the real wall view control, with the application's message
// boxes answered by the test: captions from button.ini, the "btnpop" menu at the button's corner
// with the role rule, and each operation's questions, messages, files and device calls in order.
#include "app/core/preset/PresetSceneDlg.h"
#include "app/core/view/TzCtrlPresetOps.h"
#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "skin/core/LuLibAux.h"
#include "skin/ctrl/Button.h"
#include "skin/ctrl/Edit.h"
#include "tests/gui/view/ViewGuiSupport.h"

#include <deque>
#include <fstream>

namespace {

// The application object: message boxes are recorded and answered from a script (OK otherwise).
class ScriptedApp : public CWinApp {
public:
    std::vector<std::pair<std::string, UINT>> boxes;
    std::deque<int> answers;
    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) override
    {
        boxes.emplace_back(lpszPrompt, nType);
        if (answers.empty())
            return IDOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
ScriptedApp theApp;

// The skin library started once, as the program starts it: every button and edit of the process
// becomes the library's.
class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        theApp.m_hInstance = ::GetModuleHandleW(nullptr);
        LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), nullptr);
    }
    void TearDown() override { LuLibAux::UninitLuLib(::GetModuleHandleW(nullptr), nullptr); }
};
::testing::Environment* const g_library = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

// The menu the panel tracks, read while it is open; then the chosen command is posted.
struct SeenMenu {
    std::vector<UINT> ids;
    CPoint at;
    UINT choose = 0;
};
SeenMenu g_menu;
HMENU g_popup = nullptr;
HWND g_panel = nullptr;

void CALLBACK ReadMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    if (g_popup == nullptr)
        return;
    for (int i = 0; i < ::GetMenuItemCount(g_popup); ++i)
        g_menu.ids.push_back(::GetMenuItemID(g_popup, i));
    ::EndMenu();
    if (g_menu.choose != 0)
        ::PostMessageW(g_panel, WM_COMMAND, g_menu.choose, 0);
}

class SpyPanel : public CPresetSceneDlg {
public:
    using CPresetSceneDlg::CPresetSceneDlg;

protected:
    void TrackPresetMenu(CMenu& popup, CPoint screen) override
    {
        g_popup = popup.m_hMenu;
        g_menu.at = screen;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &ReadMenu);
        CPresetSceneDlg::TrackPresetMenu(popup, screen);
        ::KillTimer(nullptr, timer);
        g_popup = nullptr;
    }
};

// Answers the rename dialog: first with the texts queued, pressing OK after each.
std::deque<std::wstring> g_renames;
int g_renameOks = 0;
bool g_renameEditSkinned = false;

void CALLBACK AnswerRename(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = ::FindWindowW(L"#32770", L"预设场景");
    if (dialog == nullptr || !::IsWindowVisible(dialog) || g_renames.empty())
        return;
    HWND edit = ::GetDlgItem(dialog, IDC_PRESET_NEW_NAME);
    CWnd* object = CWnd::FromHandlePermanent(edit);
    g_renameEditSkinned = object != nullptr && object->IsKindOf(RUNTIME_CLASS(CLuEdit));
    ::SetDlgItemTextW(dialog, IDC_PRESET_NEW_NAME, g_renames.front().c_str());
    g_renames.pop_front();
    ++g_renameOks;
    ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace

class PresetPanel : public ViewGuiTest {
protected:
    void SetUp() override
    {
        ViewGuiTest::SetUp();
        theApp.boxes.clear();
        theApp.answers.clear();
        g_menu = SeenMenu();
        wchar_t dir[MAX_PATH] = {};
        ::GetCurrentDirectoryW(MAX_PATH, dir);
        m_previousDir = dir;
        // button.ini is read from the working directory.
        ::SetCurrentDirectoryW(fx::ToWide(scratch.path().c_str()).c_str());
    }
    void TearDown() override
    {
        if (m_panel && m_panel->m_hWnd)
            m_panel->DestroyWindow();
        ViewGuiTest::TearDown();
        ::SetCurrentDirectoryW(m_previousDir.c_str());
    }
    void Open(CTzCtrl& control, SpyPanel& panel)
    {
        CreateFrame(control);
        ASSERT_TRUE(panel.Create(page.GetParent()));
        panel.MoveWindow(0, 490, 660, 110);
        panel.ShowWindow(SW_SHOW);
        m_panel = &panel;
        g_panel = panel.m_hWnd;
        // A region with one window, so a stored scene has something to send.
        Press(100, 100);
        Release(100, 100);
        Command(ID_WALL_MPD);
        Command(ID_WALL_ADD_PIP);
        link.Clear();
        titles.titles.clear();
    }
    // Clicks preset n's button and picks a command from its menu.
    void Choose(int n, UINT command)
    {
        g_menu = SeenMenu();
        g_menu.choose = command;
        const UINT id = kPresetButtonIds[n];
        ::SendMessageW(g_panel, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(g_panel, static_cast<int>(id))));
        viewtest::PumpUntil([] { return false; }, 50);
    }
    std::vector<std::string> Boxes() const
    {
        std::vector<std::string> texts;
        for (const auto& b : theApp.boxes)
            texts.push_back(b.first);
        return texts;
    }
    std::string Path(const std::string& name) const { return scratch.file("insidemode\\" + name); }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }

    MessageBoxPrompts prompts;

private:
    CPresetSceneDlg* m_panel = nullptr;
    std::wstring m_previousDir;
};

TEST_F(PresetPanel, CaptionsAndTheMenuAtTheButtonsCorner)
{
    std::ofstream("button.ini") << "[quick2_text]\r\npreset_button3=大厅\r\n";
    CTzCtrl control(scratch.path().c_str());
    CTzCtrlPresetOps ops(control);
    SpyPanel panel(ops, prompts, scratch.path().c_str());
    Open(control, panel);
    CString text;
    panel.GetDlgItemText(IDC_PRESET_3, text);
    EXPECT_EQ(CString("大厅"), text);
    panel.GetDlgItemText(IDC_PRESET_19, text);
    EXPECT_EQ(CString("19"), text);
    panel.GetDlgItemText(IDC_PRESET_0, text);
    EXPECT_EQ(CString("0"), text);
    for (UINT id : kPresetButtonIds) {
        CWnd* button = CWnd::FromHandlePermanent(::GetDlgItem(g_panel, static_cast<int>(id)));
        EXPECT_TRUE(button != nullptr && button->IsKindOf(RUNTIME_CLASS(CLuButton))) << id;
    }

    // A User: no 删除 for presets 0 .. 8 (nor its separator), but for 9 .. 19.
    Choose(3, 0);
    EXPECT_EQ((std::vector<UINT>{ID_PRESET_LOAD, ID_PRESET_SAVE_SEND, 0, ID_PRESET_RENAME}), g_menu.ids);
    RECT rc{};
    ::GetWindowRect(::GetDlgItem(g_panel, IDC_PRESET_3), &rc);
    EXPECT_EQ(rc.right, g_menu.at.x);
    EXPECT_EQ(rc.bottom, g_menu.at.y);
    EXPECT_EQ(3, panel.ClickedPreset());
    Choose(9, 0);
    EXPECT_EQ((std::vector<UINT>{ID_PRESET_LOAD, ID_PRESET_SAVE_SEND, 0, ID_PRESET_DELETE, 0,
                                 ID_PRESET_RENAME}),
              g_menu.ids);
    panel.SetRole(PresetScenes::kAdministratorRole);
    Choose(0, 0);
    EXPECT_EQ(6u, g_menu.ids.size());
}

TEST_F(PresetPanel, SaveAndSendStoresTheSceneFileAndThePreset)
{
    CTzCtrl control(scratch.path().c_str());
    CTzCtrlPresetOps ops(control);
    SpyPanel panel(ops, prompts, scratch.path().c_str());
    Open(control, panel);
    Choose(19, ID_PRESET_SAVE_SEND);
    viewtest::PumpUntil([&] { return theApp.boxes.size() >= 2; });
    EXPECT_EQ((std::vector<std::string>{"确定要发送[预设场景19]吗?", "保存并发送预设场景成功!"}),
              Boxes());
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION), theApp.boxes[0].second);
    EXPECT_TRUE(Exists(Path("tzinsidemode39.tzs")));
    EXPECT_EQ((std::vector<std::string>{"存储预设场景"}), titles.titles);
    ASSERT_GE(link.calls.size(), 3u);
    EXPECT_EQ("RecordPreset(19,1)", link.calls.front());
    EXPECT_EQ("NewScene(0)", link.calls[1]);
    EXPECT_EQ("RecordPreset(19,0)", link.calls.back());
    EXPECT_NE(std::string::npos, link.Joined().find("SetPip(2,0,1,85,85,85)"));

    // Again: asked before overwriting; Cancel there leaves file and device alone.
    theApp.boxes.clear();
    link.Clear();
    theApp.answers = {IDOK, IDCANCEL};
    Choose(19, ID_PRESET_SAVE_SEND);
    viewtest::PumpUntil([&] { return theApp.boxes.size() >= 2; });
    EXPECT_EQ((std::vector<std::string>{"确定要发送[预设场景19]吗?", "该预设场景已经存在,是否覆盖?"}),
              Boxes());
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(PresetPanel, ARefusedStoreIsReportedWithoutTheSuccessMessage)
{
    CTzCtrl control(scratch.path().c_str());
    CTzCtrlPresetOps ops(control);
    SpyPanel panel(ops, prompts, scratch.path().c_str());
    Open(control, panel);
    link.respond = [](const std::string& call, int) {
        return call.rfind("RecordPreset(5,0)", 0) == 0 ? 3 : 0;
    };
    Choose(5, ID_PRESET_SAVE_SEND);
    viewtest::PumpUntil([&] { return !Shown().empty(); });
    EXPECT_EQ((std::vector<std::string>{"确定要发送[预设场景5]吗?"}), Boxes());
    EXPECT_EQ((std::vector<std::string>{"通讯失败;\n错误码:0X0003"}), Shown());
    EXPECT_TRUE(Exists(Path("tzinsidemode25.tzs")));
}

TEST_F(PresetPanel, LoadRestoresAStoredPresetOrWarns)
{
    CTzCtrl control(scratch.path().c_str());
    CTzCtrlPresetOps ops(control);
    SpyPanel panel(ops, prompts, scratch.path().c_str());
    Open(control, panel);
    Choose(7, ID_PRESET_LOAD);
    viewtest::PumpUntil([&] { return !theApp.boxes.empty(); });
    ASSERT_EQ(1u, theApp.boxes.size());
    EXPECT_EQ("未存储该预设场景!", theApp.boxes[0].first);
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), theApp.boxes[0].second);
    EXPECT_TRUE(link.calls.empty());

    ASSERT_TRUE(control.saveScene(CString(Path("tzinsidemode27.tzs").c_str())));
    Choose(7, ID_PRESET_LOAD);
    viewtest::PumpUntil([&] { return !titles.titles.empty(); });
    EXPECT_EQ((std::vector<std::string>{"恢复场景"}), titles.titles);
    EXPECT_EQ("NewScene(0)", link.calls.front());
}

TEST_F(PresetPanel, DeleteRemovesFileAndThumbnailWithoutTheDevice)
{
    CTzCtrl control(scratch.path().c_str());
    CTzCtrlPresetOps ops(control);
    SpyPanel panel(ops, prompts, scratch.path().c_str());
    Open(control, panel);
    // No scene file: no question.
    std::ofstream(Path("tzinsidemode1X1-32.bmp")) << "bmp";
    Choose(12, ID_PRESET_DELETE);
    viewtest::PumpUntil([&] { return !Exists(Path("tzinsidemode1X1-32.bmp")); });
    EXPECT_TRUE(theApp.boxes.empty());

    std::ofstream(Path("tzinsidemode32.tzs")) << "tzs";
    std::ofstream(Path("tzinsidemode1X1-32.bmp")) << "bmp";
    Choose(12, ID_PRESET_DELETE);
    viewtest::PumpUntil([&] { return !Exists(Path("tzinsidemode32.tzs")); });
    EXPECT_EQ((std::vector<std::string>{"确定要删除该预设场景吗?"}), Boxes());
    EXPECT_FALSE(Exists(Path("tzinsidemode1X1-32.bmp")));
    EXPECT_TRUE(link.calls.empty());

    // A forged 删除 for preset 2 from a User is refused.
    std::ofstream(Path("tzinsidemode22.tzs")) << "tzs";
    Choose(2, ID_PRESET_DELETE);
    viewtest::PumpUntil([] { return false; }, 100);
    EXPECT_TRUE(Exists(Path("tzinsidemode22.tzs")));
}

TEST_F(PresetPanel, RenameRefusesAnEmptyNameThenTakesTheNewCaption)
{
    CTzCtrl control(scratch.path().c_str());
    CTzCtrlPresetOps ops(control);
    SpyPanel panel(ops, prompts, scratch.path().c_str());
    Open(control, panel);
    g_renames = {L"", L"会议"};
    g_renameOks = 0;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 150, &AnswerRename);
    Choose(14, ID_PRESET_RENAME);
    viewtest::PumpUntil([] { return g_renameOks == 2; }, 10000);
    viewtest::PumpUntil([] { return ::FindWindowW(L"#32770", L"预设场景") == nullptr; });
    ::KillTimer(nullptr, timer);
    EXPECT_EQ((std::vector<std::string>{"名称不能为空"}), Boxes());
    EXPECT_TRUE(g_renameEditSkinned);
    CString caption;
    panel.GetDlgItemText(IDC_PRESET_14, caption);
    EXPECT_EQ(CString("会议"), caption);
    char text[64] = {};
    ::GetPrivateProfileStringA("quick2_text", "preset_button14", "", text, sizeof text, ".\\button.ini");
    EXPECT_EQ(std::string("会议"), text);
}
