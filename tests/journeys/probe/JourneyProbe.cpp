// journey_probe: what a person sees of TaveloPro, for the journey runner outside Wine. xdotool
// sees only top-level X windows; the controls inside them, their texts, list items and screen
// rectangles, and the process's memory and object counts are read here through the ordinary
// Windows calls and written as UTF-8 JSON to a file (Wine's services keep pipes open, so the
// runner reads files, never our standard output).
//
//   journey_probe tree OUT [EXE]      every visible window of the processes named EXE
//                                     (default TaveloPro.exe) and all their descendants, and the
//                                     tools of their tooltip controls: the buttons that are no
//                                     windows (the toolbars' buttons), with text and screen rect
//   journey_probe proc OUT [EXE]      working set, peak working set, GDI and USER objects, handles
//   journey_probe serialcomm N [del]  list (or remove) COMN under HARDWARE\DEVICEMAP\SERIALCOMM
//   journey_probe managed OUT VALUE   sets Wine's X11 "Managed" value (- removes it) and writes
//                                     the previous one (- when there was none) to OUT
#include <windows.h>
// The headers below need windows.h first.
#include <commctrl.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

namespace {

const UINT SEND_TIMEOUT_MS = 3000;  // a window whose thread is busy (a modal worker) answers late

std::string Utf8(const std::wstring& w)
{
    if (w.empty())
        return std::string();
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr,
                                        0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), &out[0], n, nullptr,
                          nullptr);
    return out;
}

std::string Json(const std::wstring& w)
{
    std::string out = "\"";
    for (unsigned char c : Utf8(w)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof(buf), "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::wstring Text(HWND h)
{
    wchar_t text[1024] = {};
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutW(h, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                              SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS, &result))
        return text;
    // The window's thread did not answer in time (busy, or taken for hung): the caption the
    // system keeps for it needs no answer, so a top-level window is still found by its title.
    ::GetWindowTextW(h, text, 1024);
    return text;
}

std::wstring ClassOf(HWND h)
{
    wchar_t cls[128] = {};
    ::GetClassNameW(h, cls, 128);
    return cls;
}

// The process ids whose image is EXE (case ignored).
std::set<DWORD> ProcessesNamed(const std::wstring& exe)
{
    std::set<DWORD> ids;
    HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL ok = ::Process32FirstW(snap, &entry); ok; ok = ::Process32NextW(snap, &entry))
        if (_wcsicmp(entry.szExeFile, exe.c_str()) == 0)
            ids.insert(entry.th32ProcessID);
    ::CloseHandle(snap);
    return ids;
}

// Items of a list box or combo box (the system carries these texts across processes).
std::string Items(HWND h, bool bCombo)
{
    const UINT countMsg = bCombo ? CB_GETCOUNT : LB_GETCOUNT;
    const UINT lenMsg = bCombo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    const UINT textMsg = bCombo ? CB_GETLBTEXT : LB_GETTEXT;
    const UINT selMsg = bCombo ? CB_GETCURSEL : LB_GETCURSEL;
    DWORD_PTR count = 0, sel = 0;
    ::SendMessageTimeoutW(h, countMsg, 0, 0, SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS, &count);
    ::SendMessageTimeoutW(h, selMsg, 0, 0, SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS, &sel);
    std::string out = ", \"sel\": " + std::to_string(static_cast<int>(static_cast<LRESULT>(sel))) +
                      ", \"items\": [";
    const int n = static_cast<int>(static_cast<LRESULT>(count));
    for (int i = 0; i < n && i < 256; ++i) {
        DWORD_PTR len = 0;
        ::SendMessageTimeoutW(h, lenMsg, i, 0, SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS, &len);
        std::wstring item(static_cast<size_t>(static_cast<LRESULT>(len) > 0 ? len : 0) + 1, L'\0');
        DWORD_PTR got = 0;
        ::SendMessageTimeoutW(h, textMsg, i, reinterpret_cast<LPARAM>(&item[0]), SMTO_ABORTIFHUNG,
                              SEND_TIMEOUT_MS, &got);
        item.resize(std::wcslen(item.c_str()));
        out += (i ? ", " : "") + Json(item);
    }
    return out + "]";
}

struct TreeWriter {
    FILE* out;
    bool bFirst = true;

    void Window(HWND h, HWND parent, DWORD pid, int depth)
    {
        RECT rc = {};
        ::GetWindowRect(h, &rc);
        const std::wstring cls = ClassOf(h);
        std::string line = "{\"hwnd\": " + std::to_string(reinterpret_cast<uintptr_t>(h)) +
                           ", \"parent\": " + std::to_string(reinterpret_cast<uintptr_t>(parent)) +
                           ", \"pid\": " + std::to_string(pid) +
                           ", \"depth\": " + std::to_string(depth) + ", \"cls\": " + Json(cls) +
                           ", \"id\": " + std::to_string(static_cast<int>(::GetDlgCtrlID(h))) +
                           ", \"text\": " + Json(Text(h)) + ", \"rect\": [" +
                           std::to_string(rc.left) + ", " + std::to_string(rc.top) + ", " +
                           std::to_string(rc.right) + ", " + std::to_string(rc.bottom) +
                           "], \"visible\": " + (::IsWindowVisible(h) ? "true" : "false") +
                           ", \"enabled\": " + (::IsWindowEnabled(h) ? "true" : "false");
        const LONG style = ::GetWindowLongW(h, GWL_STYLE);
        line += ", \"style\": " + std::to_string(static_cast<unsigned long>(style));
        if (_wcsicmp(cls.c_str(), L"ComboBox") == 0)
            line += Items(h, true);
        else if (_wcsicmp(cls.c_str(), L"ListBox") == 0)
            line += Items(h, false);
        else if (_wcsicmp(cls.c_str(), L"Button") == 0) {
            DWORD_PTR state = 0;
            ::SendMessageTimeoutW(h, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS, &state);
            line += ", \"checked\": " + std::to_string(static_cast<int>(state));
        }
        std::fprintf(out, "%s  %s}", bFirst ? "" : ",\n", line.c_str());
        bFirst = false;
        for (HWND child = ::GetWindow(h, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            Window(child, h, pid, depth + 1);
    }
};

// The tools of one tooltip control of another process. The tool records and their texts are
// read through a block of the owner's memory, as the messages carry pointers into it.
void WriteTools(FILE* out, HWND tip, DWORD pid, bool& bFirst)
{
    HANDLE process =
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process == nullptr)
        return;
    const SIZE_T TEXT_CHARS = 256;
    const SIZE_T size = sizeof(TTTOOLINFOW) + TEXT_CHARS * sizeof(wchar_t);
    auto* remote =
        static_cast<BYTE*>(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    DWORD_PTR count = 0;
    if (remote != nullptr)
        ::SendMessageTimeoutW(tip, TTM_GETTOOLCOUNT, 0, 0, SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS,
                              &count);
    for (DWORD_PTR i = 0; remote != nullptr && i < count && i < 512; ++i) {
        TTTOOLINFOW info = {};
        info.cbSize = sizeof(info);
        info.lpszText = reinterpret_cast<LPWSTR>(remote + sizeof(TTTOOLINFOW));
        wchar_t text[TEXT_CHARS] = {};
        SIZE_T done = 0;
        ::WriteProcessMemory(process, remote, &info, sizeof(info), &done);
        ::WriteProcessMemory(process, remote + sizeof(TTTOOLINFOW), text, sizeof(text), &done);
        DWORD_PTR ok = 0;
        ::SendMessageTimeoutW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remote),
                              SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS, &ok);
        if (!ok)
            continue;
        ::ReadProcessMemory(process, remote, &info, sizeof(info), &done);
        ::ReadProcessMemory(process, remote + sizeof(TTTOOLINFOW), text,
                            sizeof(text) - sizeof(wchar_t), &done);
        if (info.uFlags & TTF_IDISHWND)
            continue;  // a tool that is a window is in the tree already
        RECT rc = info.rect;
        ::MapWindowPoints(info.hwnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        std::fprintf(out,
                     "%s  {\"owner\": %llu, \"id\": %llu, \"text\": %s, \"rect\": [%ld, %ld, %ld, "
                     "%ld], \"visible\": %s}",
                     bFirst ? "" : ",\n",
                     static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(info.hwnd)),
                     static_cast<unsigned long long>(info.uId), Json(text).c_str(), rc.left, rc.top,
                     rc.right, rc.bottom, ::IsWindowVisible(info.hwnd) ? "true" : "false");
        bFirst = false;
    }
    if (remote != nullptr)
        ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    ::CloseHandle(process);
}

int Tree(const wchar_t* path, const std::wstring& exe)
{
    const std::set<DWORD> ids = ProcessesNamed(exe);
    std::vector<std::pair<HWND, DWORD>> tops;
    struct Ctx {
        const std::set<DWORD>* ids;
        std::vector<std::pair<HWND, DWORD>>* tops;
    } ctx = {&ids, &tops};
    ::EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* c = reinterpret_cast<Ctx*>(lp);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(h, &pid);
            if (c->ids->count(pid) && ::IsWindowVisible(h))
                c->tops->push_back({h, pid});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&ctx));
    FILE* out = _wfopen(path, L"wb");
    if (!out)
        return 2;
    std::fprintf(out, "{\"processes\": %u, \"windows\": [\n", static_cast<unsigned>(ids.size()));
    TreeWriter writer{out};
    for (const auto& top : tops)
        writer.Window(top.first, nullptr, top.second, 0);
    std::fprintf(out, "\n], \"tools\": [\n");
    // Tooltip controls are hidden top-level windows while no tip shows.
    std::vector<std::pair<HWND, DWORD>> tips;
    struct TipCtx {
        const std::set<DWORD>* ids;
        std::vector<std::pair<HWND, DWORD>>* tips;
    } tipCtx = {&ids, &tips};
    ::EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* c = reinterpret_cast<TipCtx*>(lp);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(h, &pid);
            if (c->ids->count(pid) && _wcsicmp(ClassOf(h).c_str(), TOOLTIPS_CLASSW) == 0)
                c->tips->push_back({h, pid});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tipCtx));
    bool bFirstTool = true;
    for (const auto& tip : tips)
        WriteTools(out, tip.first, tip.second, bFirstTool);
    std::fprintf(out, "\n]}\n");
    std::fclose(out);
    return 0;
}

int Proc(const wchar_t* path, const std::wstring& exe)
{
    FILE* out = _wfopen(path, L"wb");
    if (!out)
        return 2;
    std::fprintf(out, "[");
    bool bFirst = true;
    for (DWORD pid : ProcessesNamed(exe)) {
        HANDLE h = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
        if (!h)
            continue;
        PROCESS_MEMORY_COUNTERS pmc = {};
        pmc.cb = sizeof(pmc);
        ::GetProcessMemoryInfo(h, &pmc, sizeof(pmc));
        DWORD handles = 0;
        ::GetProcessHandleCount(h, &handles);
        std::fprintf(out,
                     "%s{\"pid\": %lu, \"working_set\": %llu, \"peak_working_set\": %llu, "
                     "\"private\": %llu, "
                     "\"gdi\": %lu, \"user\": %lu, \"handles\": %lu}",
                     bFirst ? "" : ", ", static_cast<unsigned long>(pid),
                     static_cast<unsigned long long>(pmc.WorkingSetSize),
                     static_cast<unsigned long long>(pmc.PeakWorkingSetSize),
                     static_cast<unsigned long long>(pmc.PagefileUsage),
                     static_cast<unsigned long>(::GetGuiResources(h, GR_GDIOBJECTS)),
                     static_cast<unsigned long>(::GetGuiResources(h, GR_USEROBJECTS)),
                     static_cast<unsigned long>(handles));
        bFirst = false;
        ::CloseHandle(h);
    }
    std::fprintf(out, "]\n");
    std::fclose(out);
    return 0;
}

// The register of serial ports is volatile, as the system's own: gone with the Wine server.
int SerialComm(int port, bool bRemove)
{
    const std::wstring name = L"\\Device\\JourneySerial" + std::to_wstring(port);
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr,
                          REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return 2;
    LONG rc;
    if (bRemove) {
        rc = ::RegDeleteValueW(key, name.c_str());
        if (rc == ERROR_FILE_NOT_FOUND)
            rc = ERROR_SUCCESS;
    } else {
        const std::wstring data = L"COM" + std::to_wstring(port);
        rc = ::RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(data.c_str()),
                              static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }
    ::RegCloseKey(key);
    return rc == ERROR_SUCCESS ? 0 : 3;
}

// Without a window manager Wine leaves a managed window's caption and border to nobody, so the
// X window shows the client area alone, and waits for a manager to take back each window that
// goes. With "Managed" = "N" Wine draws the whole window itself, the program's own caption
// included, as on Windows; the runner puts the previous value back after the journey.
int Managed(const wchar_t* path, const std::wstring& value)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 2;
    wchar_t previous[64] = {};
    DWORD size = sizeof(previous) - sizeof(wchar_t);
    DWORD type = 0;
    const bool bHad =
        ::RegQueryValueExW(key, L"Managed", nullptr, &type, reinterpret_cast<BYTE*>(previous),
                           &size) == ERROR_SUCCESS &&
        type == REG_SZ;
    FILE* out = _wfopen(path, L"wb");
    if (out) {
        std::fprintf(out, "%s\n", bHad ? Utf8(previous).c_str() : "-");
        std::fclose(out);
    }
    LONG rc;
    if (value == L"-") {
        rc = ::RegDeleteValueW(key, L"Managed");
        if (rc == ERROR_FILE_NOT_FOUND)
            rc = ERROR_SUCCESS;
    } else {
        rc = ::RegSetValueExW(key, L"Managed", 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    ::RegCloseKey(key);
    return out && rc == ERROR_SUCCESS ? 0 : 3;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "journey_probe tree|proc OUT [EXE] | serialcomm N [del]\n");
        return 1;
    }
    const std::wstring command = argv[1];
    const std::wstring exe = argc > 3 ? argv[3] : L"TaveloPro.exe";
    if (command == L"tree")
        return Tree(argv[2], exe);
    if (command == L"proc")
        return Proc(argv[2], exe);
    if (command == L"managed" && argc > 3)
        return Managed(argv[2], argv[3]);
    if (command == L"serialcomm")
        return SerialComm(_wtoi(argv[2]), argc > 3 && std::wstring(argv[3]) == L"del");
    return 1;
}
