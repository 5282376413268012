// The scene file dialogs of the real control, answered like an operator would: the filter, the
// default extension, the overwrite question, the folder remembered for the next dialog, loading
// with the restore sent, and the process's current directory kept across both dialogs.
#include "tests/gui/view/ViewGuiSupport.h"

#include "fx/win/Text.h"

#include <filesystem>

namespace {

// What the file dialog showed and how to answer it.
struct DialogScript {
    std::wstring typed;          // the name typed into the dialog
    std::wstring filterText;     // the first entry of its file-type list
    std::wstring folderShown;    // the folder it opened in
    bool overwriteAsked = false;
    bool answerOverwrite = true;
    bool cancelNext = false;     // after No to the question, the dialog is cancelled
};

DialogScript g_script;
HWND g_fileDialog = nullptr;

HWND VisibleDialogOfThread()
{
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            wchar_t cls[16] = {};
            ::GetClassNameW(hWnd, cls, 16);
            if (std::wstring(cls) != L"#32770" || !::IsWindowVisible(hWnd))
                return TRUE;
            // A question box owned by the file dialog comes before its owner.
            HWND* out = reinterpret_cast<HWND*>(lParam);
            if (*out == nullptr || ::GetWindow(hWnd, GW_OWNER) == *out)
                *out = hWnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = VisibleDialogOfThread();
    if (dialog == nullptr)
        return;
    if (g_fileDialog != nullptr && dialog != g_fileDialog) {
        // The overwrite question.
        g_script.overwriteAsked = true;
        g_script.cancelNext = !g_script.answerOverwrite;
        ::PostMessageW(dialog, WM_COMMAND, g_script.answerOverwrite ? IDYES : IDNO, 0);
        return;
    }
    if (g_fileDialog == dialog) {
        // Answered already: waiting for it to close, or to be cancelled after a No.
        if (g_script.cancelNext) {
            g_script.cancelNext = false;
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        return;
    }
    g_fileDialog = dialog;
    constexpr int kTypeCombo = 0x0470;   // cmb1
    constexpr int kNameCombo = 0x047C;   // cmb13
    constexpr int kNameEdit = 0x0480;    // edt1
    wchar_t filter[64] = {};
    ::SendDlgItemMessageW(dialog, kTypeCombo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
    g_script.filterText = filter;
    wchar_t folder[MAX_PATH] = {};
    ::SendMessageW(dialog, 0x0466 /* CDM_GETFOLDERPATH */, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    g_script.folderShown = folder;
    while (!g_script.folderShown.empty() && g_script.folderShown.back() == L'\\')
        g_script.folderShown.pop_back();
    ::SetDlgItemTextW(dialog, kNameCombo, g_script.typed.c_str());
    ::SetDlgItemTextW(dialog, kNameEdit, g_script.typed.c_str());
    ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

// Runs one dialog of the control with the script answering it.
template <class Run>
BOOL WithDialog(const std::wstring& typed, Run run)
{
    g_script = DialogScript();
    g_script.typed = typed;
    g_fileDialog = nullptr;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 200, &Answer);
    const BOOL result = run();
    ::KillTimer(nullptr, timer);
    g_fileDialog = nullptr;
    return result;
}

std::wstring CurrentDirectory()
{
    wchar_t dir[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, dir);
    return dir;
}

}  // namespace

class TzCtrlSceneFile : public ViewGuiTest {};

TEST_F(TzCtrlSceneFile, SaveAsAddsTheExtensionAsksBeforeOverwritingAndLoadRestores)
{
    CTzCtrl control(scratch.path().c_str());
    CreateFrame(control);
    const std::filesystem::path scenes = std::filesystem::path(scratch.path()) / "scenes";
    std::filesystem::create_directories(scenes);
    const std::wstring before = CurrentDirectory();
    // ASCII names: this Wine maps no other characters to host file names.
    const std::wstring typed = (scenes / L"hall").wstring();

    ASSERT_TRUE(WithDialog(typed, [&] { return control.saveSceneAs(); }));
    EXPECT_EQ(L"Tavelo Scene(*.tzs)", g_script.filterText);
    EXPECT_FALSE(g_script.overwriteAsked);
    const std::filesystem::path saved = scenes / L"hall.tzs";
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(fx::ToGbk(scenes.wstring().c_str()), control.scenes().lastFolder());
    EXPECT_EQ(before, CurrentDirectory());

    // The same name again: the dialog asks; No keeps the file as it was.
    const auto written = std::filesystem::last_write_time(saved);
    EXPECT_FALSE(WithDialog(typed, [&] {
        g_script.answerOverwrite = false;
        return control.saveSceneAs();
    }));
    EXPECT_TRUE(g_script.overwriteAsked);
    EXPECT_EQ(written, std::filesystem::last_write_time(saved));

    // Loading it restores the scene behind the progress window; the dialog opens where the
    // last one was left.
    link.Clear();
    titles.titles.clear();
    ASSERT_TRUE(WithDialog(saved.wstring(), [&] { return control.loadSceneAs(); }));
    EXPECT_EQ(L"Tavelo Scene(*.tzs)", g_script.filterText);
    EXPECT_EQ(scenes.wstring(), g_script.folderShown);
    EXPECT_EQ((std::vector<std::string>{"恢复场景"}), titles.titles);
    EXPECT_EQ("NewScene(0) SetResolution(0,6) SetLayout(9,1,1,1)", link.Joined());
    EXPECT_EQ(before, CurrentDirectory());
}
