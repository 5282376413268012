#include "tests/gui/shell/ProgramDriver.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace shelltest {

const wchar_t MAIN_TITLE[] = L"高清多画面分割器";

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

std::wstring ClassName(HWND hWnd)
{
    wchar_t name[64] = {};
    ::GetClassNameW(hWnd, name, 64);
    return name;
}

namespace {

std::wstring BinFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s(path);
    return s.substr(0, s.find_last_of(L"\\/"));
}

}  // namespace

Program::Program(const std::wstring& name, int nComPort, bool bWithDeviceLibrary, const std::string& viewProfile)
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
    WriteText(L"com.ini", "[comm]\r\ncommport=" + std::to_string(nComPort) + "\r\ntimeout=10\r\nbaudrate=115200\r\n");
    WriteText(L"TzView.ini", viewProfile);
}

Program::~Program()
{
    if (m_pi.hProcess) {
        if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_pi.hProcess, 99);
        ::WaitForSingleObject(m_pi.hProcess, 10000);
        ::CloseHandle(m_pi.hProcess);
        ::CloseHandle(m_pi.hThread);
    }
}

void Program::WriteText(const wchar_t* name, const std::string& text)
{
    const std::wstring path = m_folder + L"\\" + name;
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    ::WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(h);
}

std::string Program::ReadText(const wchar_t* name) const
{
    const std::wstring path = m_folder + L"\\" + name;
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        text.append(buffer, got);
    ::CloseHandle(h);
    return text;
}

bool Program::Start(const std::wstring& args)
{
    std::wstring cmd = L"\"" + m_folder + L"\\TaveloPro.exe\" " + args;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    return ::CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, m_folder.c_str(), &si, &m_pi) != FALSE;
}

HWND Program::WaitWindow(const std::wstring& title, bool bDialog, int timeoutMs) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = Find(title, bDialog)) != nullptr; }, timeoutMs);
    return found;
}

HWND Program::Find(const std::wstring& title, bool bDialog) const
{
    struct Ctx { DWORD pid; const std::wstring* title; bool bDialog; HWND found; } ctx = {m_pi.dwProcessId, &title, bDialog, nullptr};
    ::EnumWindows([](HWND h, LPARAM lp) -> BOOL {
        Ctx* c = reinterpret_cast<Ctx*>(lp);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(h, &pid);
        const bool bIsDialog = ClassName(h) == L"#32770";
        if (pid == c->pid && ::IsWindowVisible(h) && (c->bDialog || !bIsDialog) && WindowText(h) == *c->title) {
            c->found = h;
            return FALSE;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

HWND Program::WaitMessageBox(const std::wstring& text, int timeoutMs) const
{
    HWND found = nullptr;
    const bool bShown = WaitUntil([&] {
        std::wstring shown;
        found = FindMessageBox(&shown);
        return found != nullptr && shown == text;
    }, timeoutMs);
    return bShown ? found : nullptr;
}

HWND Program::FindMessageBox(std::wstring* pText) const
{
    HWND box = Find(L"TaveloPro");
    if (box != nullptr && pText != nullptr)
        *pText = BoxText(box);
    return box;
}

std::wstring Program::BoxText(HWND box)
{
    std::wstring found;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == L"Static" && !WindowText(child).empty())
            found = WindowText(child);
    }
    return found;
}

bool Program::Answer(HWND box, int nButton)
{
    ::PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(nButton), 0);
    return WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }, 30000);
}

bool Program::WaitExit(DWORD* pCode, int timeoutMs) const
{
    if (::WaitForSingleObject(m_pi.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
        return false;
    ::GetExitCodeProcess(m_pi.hProcess, pCode);
    return true;
}

bool Program::Running() const
{
    return m_pi.hProcess != nullptr && ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

HWND Program::StartAsAdministrator()
{
    if (!Start(L"Administrator 807162"))
        return nullptr;
    return WaitWindow(MAIN_TITLE, false, 60000);
}

bool Program::CloseThroughPrompt(HWND frame)
{
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    HWND box = WaitMessageBox(Utf16("是否要退出高清多画面分割器?"));
    if (box == nullptr)
        return false;
    ::PostMessageW(box, WM_COMMAND, IDYES, 0);
    DWORD code = 0;
    return WaitExit(&code);
}

HWND FindDescendant(HWND hParent, int nID, const wchar_t* className)
{
    struct Ctx { int nID; const wchar_t* cls; HWND found; } ctx = {nID, className, nullptr};
    ::EnumChildWindows(hParent, [](HWND h, LPARAM lp) -> BOOL {
        Ctx* c = reinterpret_cast<Ctx*>(lp);
        if (::GetDlgCtrlID(h) == c->nID && (c->cls == nullptr || ClassName(h) == c->cls)) {
            c->found = h;
            return FALSE;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

HWND FindControlView(HWND frame)
{
    const int ID_POWER_ON_BUTTON = 32877;
    HWND button = FindDescendant(frame, ID_POWER_ON_BUTTON);
    return button != nullptr ? ::GetParent(button) : nullptr;
}

void PostCommand(HWND frame, UINT nID)
{
    ::PostMessageW(frame, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}

void PostClicked(HWND dialog, int nID)
{
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, nID)));
}

// ---- The simulator ----

namespace {

std::string EnvText(const char* name)
{
    const char* v = std::getenv(name);
    return v != nullptr ? v : "";
}

// tzsim hands out Linux paths; under Wine they are reached through drive Z:.
std::string HostPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::string p = "Z:" + path;
    for (char& c : p) {
        if (c == '/')
            c = '\\';
    }
    return p;
}

}  // namespace

bool UnderSimulator()
{
    return !EnvText("TZSIM_TRACE").empty() && !EnvText("TZSIM_STATE").empty();
}

int SimulatorCom()
{
    const std::string com = EnvText("TZSIM_COM");
    return com.empty() ? 0 : std::atoi(com.c_str());
}

std::string SimulatorFile(const char* variable)
{
    std::ifstream in(HostPath(EnvText(variable)), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string WaitForTrace(const std::string& text, int timeoutMs)
{
    std::string trace;
    WaitUntil([&] {
        trace = SimulatorFile("TZSIM_TRACE");
        return trace.find(text) != std::string::npos;
    }, timeoutMs);
    return trace;
}

void ListSimulatorPort()
{
    const int nCom = SimulatorCom();
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr, REG_OPTION_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const std::string name = "\\Device\\ShellProgram" + std::to_string(nCom);
    const std::string data = "COM" + std::to_string(nCom);
    ::RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                     static_cast<DWORD>(data.size() + 1));
    ::RegCloseKey(key);
}

}  // namespace shelltest
