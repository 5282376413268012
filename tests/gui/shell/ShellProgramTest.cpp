// The real TaveloPro.exe, started in a folder of its own with its DLLs and profiles, driven from
// outside through posted messages and read through its windows and the screen: the missing
// device library, the login dialog's rules, the administrator's command line against tzsim
// (COM51), the stored colour scheme and the exit prompt.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

const wchar_t MAIN_TITLE[] = L"高清多画面分割器";
const int PROGRAM_COM = 51;

std::wstring Utf16(const char* gbk)
{
    const int n = ::MultiByteToWideChar(936, 0, gbk, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
    if (n > 1)
        ::MultiByteToWideChar(936, 0, gbk, -1, &out[0], n);
    return out;
}

std::wstring WindowText(HWND hWnd)
{
    wchar_t text[512] = {};
    ::SendMessageTimeoutW(hWnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

std::wstring BinFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s(path);
    return s.substr(0, s.find_last_of(L"\\/"));
}

// One program folder with the program, its libraries and its profiles, and the process.
class Program {
public:
    explicit Program(const std::wstring& name, bool bWithDeviceLibrary = true)
    {
        wchar_t cwd[MAX_PATH] = {};
        ::GetCurrentDirectoryW(MAX_PATH, cwd);
        m_folder = std::wstring(cwd) + L"\\" + name;
        ::CreateDirectoryW(m_folder.c_str(), nullptr);
        const wchar_t* files[] = {L"TaveloPro.exe", L"LuLib20.dll", L"TzComm.dll", L"TzCommFun.dll"};
        for (const wchar_t* f : files) {
            const std::wstring target = m_folder + L"\\" + f;
            ::DeleteFileW(target.c_str());
            if (!bWithDeviceLibrary && std::wstring(f) == L"TzComm.dll")
                continue;
            ::CopyFileW((BinFolder() + L"\\" + f).c_str(), target.c_str(), FALSE);
        }
        WriteText(L"com.ini", "[comm]\r\ncommport=" + std::to_string(PROGRAM_COM) + "\r\ntimeout=10\r\nbaudrate=115200\r\n");
        WriteText(L"TzView.ini", "[application]\r\nmpdnums=3\r\nresolution=6\r\n");
    }
    ~Program()
    {
        if (m_pi.hProcess) {
            if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
                ::TerminateProcess(m_pi.hProcess, 99);
            ::WaitForSingleObject(m_pi.hProcess, 10000);
            ::CloseHandle(m_pi.hProcess);
            ::CloseHandle(m_pi.hThread);
        }
    }

    void WriteText(const wchar_t* name, const std::string& text)
    {
        const std::wstring path = m_folder + L"\\" + name;
        HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        ::WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        ::CloseHandle(h);
    }

    bool Start(const std::wstring& args)
    {
        std::wstring cmd = L"\"" + m_folder + L"\\TaveloPro.exe\" " + args;
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        return ::CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, m_folder.c_str(), &si, &m_pi) != FALSE;
    }

    // A visible top-level window of the program with that title, within the time-out.
    HWND WaitWindow(const std::wstring& title, bool bDialog = true, int timeoutMs = 30000) const
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < end) {
            if (HWND h = Find(title, bDialog))
                return h;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return nullptr;
    }

    // bDialog false: only windows that are not dialogs (the main frame, not the progress window
    // that shares its title).
    HWND Find(const std::wstring& title, bool bDialog = true) const
    {
        struct Ctx { DWORD pid; const std::wstring* title; bool bDialog; HWND found; } ctx = {m_pi.dwProcessId, &title, bDialog, nullptr};
        ::EnumWindows([](HWND h, LPARAM lp) -> BOOL {
            Ctx* c = reinterpret_cast<Ctx*>(lp);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(h, &pid);
            wchar_t cls[32] = {};
            ::GetClassNameW(h, cls, 32);
            const bool bIsDialog = std::wstring(cls) == L"#32770";
            if (pid == c->pid && ::IsWindowVisible(h) && (c->bDialog || !bIsDialog) && WindowText(h) == *c->title) {
                c->found = h;
                return FALSE;
            }
            return TRUE;
        }, reinterpret_cast<LPARAM>(&ctx));
        return ctx.found;
    }

    // The message box with that caption whose text is the one given.
    HWND WaitMessageBox(const std::wstring& text, int timeoutMs = 30000) const
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < end) {
            HWND box = Find(L"TaveloPro");
            if (box && BoxText(box) == text)
                return box;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return nullptr;
    }

    static std::wstring BoxText(HWND box)
    {
        std::wstring found;
        for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            wchar_t cls[32] = {};
            ::GetClassNameW(child, cls, 32);
            if (std::wstring(cls) == L"Static" && !WindowText(child).empty())
                found = WindowText(child);
        }
        return found;
    }

    bool WaitExit(DWORD* pCode, int timeoutMs = 30000) const
    {
        if (::WaitForSingleObject(m_pi.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
            return false;
        ::GetExitCodeProcess(m_pi.hProcess, pCode);
        return true;
    }
    bool Running() const { return ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT; }

private:
    std::wstring m_folder;
    PROCESS_INFORMATION m_pi = {};
};

bool UnderSimulator() { return std::getenv("TZSIM_STATE") != nullptr; }

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

// The machine lists the simulator's port, as the run script does for the program.
void ListSimulatorPort()
{
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr, REG_OPTION_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const char data[] = "COM51";
    ::RegSetValueExA(key, "\\Device\\ShellProgram51", 0, REG_SZ, reinterpret_cast<const BYTE*>(data), sizeof(data));
    ::RegCloseKey(key);
}

}  // namespace

TEST(ShellProgram, MissingDeviceLibraryIsReportedAndEndsTheProgram)
{
    Program program(L"run_nolink", false);
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
    Program program(L"run_login");
    ASSERT_TRUE(program.Start(L"Administrator"));  // one argument: the dialog is shown
    HWND dialog = program.WaitWindow(Utf16("登录"));
    ASSERT_NE(dialog, nullptr);
    HWND edit = ::GetDlgItem(dialog, 1004);
    ASSERT_NE(edit, nullptr);
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"secret"));
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(1003, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, 1003)));
    HWND box = program.WaitMessageBox(Utf16("密码错误，请重试！"));
    ASSERT_NE(box, nullptr) << "User with a password is refused";
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_NE(program.WaitWindow(Utf16("登录")), nullptr);
    EXPECT_EQ(WindowText(edit), L"secret") << "the dialog keeps its contents";

    // Escape through the dialog's message loop does nothing.
    ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageW(edit, WM_KEYUP, VK_ESCAPE, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
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
    if (!UnderSimulator())
        GTEST_SKIP() << "runs under tzsim (see CMakeLists.txt)";
    DeleteScheme();
    ListSimulatorPort();
    Program program(L"run_main");
    ASSERT_TRUE(program.Start(L"Administrator 807162"));
    HWND frame = program.WaitWindow(MAIN_TITLE, false);
    ASSERT_NE(frame, nullptr) << "the administrator's command line skips the login";
    EXPECT_EQ(program.Find(Utf16("登录")), nullptr);
    DWORD scheme = 0;
    ASSERT_TRUE(ReadScheme(&scheme));
    EXPECT_EQ(scheme, 3u) << "the default scheme is applied and written back";

    RECT rc;
    ::GetWindowRect(frame, &rc);
    EXPECT_EQ(rc.right - rc.left, 880);
    EXPECT_EQ(rc.bottom - rc.top, 760);

    // No keeps the program; Yes ends it.
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    HWND box = program.WaitMessageBox(Utf16("是否要退出高清多画面分割器?"));
    ASSERT_NE(box, nullptr);
    ::PostMessageW(box, WM_COMMAND, IDNO, 0);
    ASSERT_NE(program.WaitWindow(MAIN_TITLE, false), nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(program.Running());
    ::PostMessageW(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    box = program.WaitMessageBox(Utf16("是否要退出高清多画面分割器?"));
    ASSERT_NE(box, nullptr) << "the close button asks the same question";
    ::PostMessageW(box, WM_COMMAND, IDYES, 0);
    DWORD code = 0;
    EXPECT_TRUE(program.WaitExit(&code));
}

TEST(ShellProgram, StoredSchemeSevenIsWrittenBackAsSeven)
{
    if (!UnderSimulator())
        GTEST_SKIP() << "runs under tzsim (see CMakeLists.txt)";
    WriteScheme(7);
    ListSimulatorPort();
    Program program(L"run_scheme7");
    ASSERT_TRUE(program.Start(L"Administrator 807162"));
    HWND frame = program.WaitWindow(MAIN_TITLE, false);
    ASSERT_NE(frame, nullptr);
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    HWND box = program.WaitMessageBox(Utf16("是否要退出高清多画面分割器?"));
    ASSERT_NE(box, nullptr);
    ::PostMessageW(box, WM_COMMAND, IDYES, 0);
    DWORD code = 0;
    EXPECT_TRUE(program.WaitExit(&code));
    DWORD scheme = 0;
    ASSERT_TRUE(ReadScheme(&scheme));
    EXPECT_EQ(scheme, 7u);
    DeleteScheme();
}
