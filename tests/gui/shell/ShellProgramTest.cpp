// The real TaveloPro.exe, started in a folder of its own with its DLLs and profiles, driven from
// outside through posted messages and read through its windows: the missing device library, the
// login dialog's rules, the administrator's command line against tzsim (COM51), the stored colour
// scheme, the exit prompt, the communication settings dialog and the about command.
#include "tests/gui/shell/ProgramDriver.h"

#include <gtest/gtest.h>

using namespace shelltest;

namespace {

const int PROGRAM_COM = 51;

// The colour scheme the program keeps for the current user.
const char SCHEME_KEY[] = "Software\\TAVELO\\TaveloPro\\THEME";

void DeleteScheme() { ::RegDeleteKeyA(HKEY_CURRENT_USER, SCHEME_KEY); }

bool ReadScheme(DWORD* pValue)
{
    DWORD size = sizeof(*pValue);
    return ::RegGetValueA(HKEY_CURRENT_USER, SCHEME_KEY, "COLOR", RRF_RT_REG_DWORD, nullptr, pValue, &size) == ERROR_SUCCESS;
}

void WriteScheme(DWORD value)
{
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, SCHEME_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    ::RegSetValueExA(key, "COLOR", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    ::RegCloseKey(key);
}

#define REQUIRE_SIMULATOR() \
    if (!UnderSimulator()) \
        GTEST_SKIP() << "runs under tzsim (see CMakeLists.txt)"

}  // namespace

TEST(ShellProgram, MissingDeviceLibraryIsReportedAndEndsTheProgram)
{
    Program program(L"run_nolink", PROGRAM_COM, false);
    ASSERT_TRUE(program.Start(L"Administrator 807162"));
    HWND box = program.WaitMessageBox(Utf16("加载通讯库失败!"));
    ASSERT_NE(box, nullptr) << "the load failure is reported";
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    DWORD code = 0;
    ASSERT_TRUE(program.WaitExit(&code));
    EXPECT_EQ(program.Find(MAIN_TITLE, false), nullptr);
}

TEST(ShellProgram, LoginRefusesUserWithPasswordSwallowsEscapeAndEndsOnClose)
{
    Program program(L"run_login", PROGRAM_COM);
    ASSERT_TRUE(program.Start(L"Administrator"));  // one argument: the dialog is shown
    HWND dialog = program.WaitWindow(Utf16("登录"));
    ASSERT_NE(dialog, nullptr);
    HWND edit = ::GetDlgItem(dialog, 1004);
    ASSERT_NE(edit, nullptr);
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"secret"));
    PostClicked(dialog, 1003);
    HWND box = program.WaitMessageBox(Utf16("密码错误，请重试！"));
    ASSERT_NE(box, nullptr) << "User with a password is refused";
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_NE(program.WaitWindow(Utf16("登录")), nullptr);
    EXPECT_EQ(WindowText(edit), L"secret") << "the dialog keeps its contents";

    // Escape through the dialog's message loop does nothing.
    ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageW(edit, WM_KEYUP, VK_ESCAPE, 0);
    ::Sleep(500);
    EXPECT_TRUE(program.Running());
    EXPECT_NE(program.Find(Utf16("登录")), nullptr);

    // The caption's close ends the program without a main window.
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD code = 0;
    ASSERT_TRUE(program.WaitExit(&code));
    EXPECT_EQ(program.Find(MAIN_TITLE, false), nullptr);
}

TEST(ShellProgram, CommandLineLoginShowsTheMainWindowAndTheExitPromptDecides)
{
    REQUIRE_SIMULATOR();
    DeleteScheme();
    ListSimulatorPort();
    Program program(L"run_main", PROGRAM_COM);
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr) << "the administrator's command line skips the login";
    EXPECT_EQ(program.Find(Utf16("登录")), nullptr);
    DWORD scheme = 0;
    ASSERT_TRUE(ReadScheme(&scheme));
    EXPECT_EQ(scheme, 3u) << "the default scheme is applied and written back";

    RECT rc;
    ::GetWindowRect(frame, &rc);
    EXPECT_EQ(rc.right - rc.left, 880);
    EXPECT_EQ(rc.bottom - rc.top, 760);
    // The status bar's text is pane 0's: the configured wall (mpdnums + 1 MPD windows).
    HWND status = FindDescendant(frame, 59393);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(WindowText(status), Utf16("   MPD区路数为:4.  拼接屏数目:1x1.  分辨率为:1080p"));

    // No keeps the program; Yes ends it.
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    HWND box = program.WaitMessageBox(Utf16("是否要退出高清多画面分割器?"));
    ASSERT_NE(box, nullptr);
    ::PostMessageW(box, WM_COMMAND, IDNO, 0);
    ASSERT_NE(program.WaitWindow(MAIN_TITLE, false), nullptr);
    ::Sleep(300);
    EXPECT_TRUE(program.Running());
    ::PostMessageW(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    box = program.WaitMessageBox(Utf16("是否要退出高清多画面分割器?"));
    ASSERT_NE(box, nullptr) << "the close button asks the same question";
    ::PostMessageW(box, WM_COMMAND, IDYES, 0);
    DWORD code = 0;
    EXPECT_TRUE(program.WaitExit(&code));
}

TEST(ShellProgram, ExitCommandAndExitButtonAskTheExitQuestion)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    Program program(L"run_exit", PROGRAM_COM);
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    PostCommand(frame, 57665);  // 退出(&X) of the 场景 tab
    HWND box = program.WaitMessageBox(Utf16("是否要退出高清多画面分割器?"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Program::Answer(box, IDNO));
    EXPECT_TRUE(program.Running());
    HWND view = FindControlView(frame);
    ASSERT_NE(view, nullptr);
    PostClicked(view, 32878);  // the control view's hidden 退出
    box = program.WaitMessageBox(Utf16("是否要退出高清多画面分割器?"));
    ASSERT_NE(box, nullptr);
    ::PostMessageW(box, WM_COMMAND, IDYES, 0);
    DWORD code = 0;
    EXPECT_TRUE(program.WaitExit(&code));
}

TEST(ShellProgram, StoredSchemeSevenIsWrittenBackAsSeven)
{
    REQUIRE_SIMULATOR();
    WriteScheme(7);
    ListSimulatorPort();
    Program program(L"run_scheme7", PROGRAM_COM);
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(program.CloseThroughPrompt(frame));
    DWORD scheme = 0;
    ASSERT_TRUE(ReadScheme(&scheme));
    EXPECT_EQ(scheme, 7u);
    DeleteScheme();
}

TEST(ShellProgram, CommSettingsPreselectGuardTheTimeOutAndCancelKeepsComIni)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    Program program(L"run_comm", PROGRAM_COM);
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    const std::string before = program.ReadText(L"com.ini");
    PostCommand(frame, 1012);  // 通讯设置
    HWND dialog = program.WaitWindow(Utf16("通讯设置"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(::GetDlgItem(dialog, 1010)), L"COM51") << "the stored port is chosen";
    EXPECT_EQ(WindowText(::GetDlgItem(dialog, 1043)), L"115200") << "the stored baud rate is chosen";
    EXPECT_EQ(WindowText(::GetDlgItem(dialog, 1042)), L"10");
    HWND edit = ::GetDlgItem(dialog, 1042);
    HWND ok = ::GetDlgItem(dialog, IDOK);
    const struct { const wchar_t* text; bool bEnabled; } cases[] = {
        {L"9", false}, {L"10", true}, {L"61", false}, {L"60", true}, {L"", false}};
    for (const auto& c : cases) {
        ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.text));
        EXPECT_TRUE(WaitUntil([&] { return (::IsWindowEnabled(ok) != FALSE) == c.bEnabled; }, 10000))
            << "time-out \"" << std::string(c.text, c.text + wcslen(c.text)) << "\"";
    }
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"33"));
    ::SendMessageW(::GetDlgItem(dialog, 1043), CB_SETCURSEL, 0, 0);
    PostClicked(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    EXPECT_EQ(program.ReadText(L"com.ini"), before) << "Cancel writes nothing";
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}

TEST(ShellProgram, AboutShowsTheLoginAgainAndClosingItKeepsTheProgram)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    Program program(L"run_about", PROGRAM_COM);
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    PostCommand(frame, 57664);
    HWND login = program.WaitWindow(Utf16("登录"));
    ASSERT_NE(login, nullptr) << "关于 logs in again";
    ::PostMessageW(login, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(login); }));
    EXPECT_TRUE(program.Running());
    EXPECT_NE(program.Find(MAIN_TITLE, false), nullptr);
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}
