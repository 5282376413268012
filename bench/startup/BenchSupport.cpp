#include "bench/startup/BenchSupport.h"

#include <algorithm>
#include <cstdio>

HighResClock::HighResClock()
{
    ::QueryPerformanceFrequency(&m_frequency);
    ::QueryPerformanceCounter(&m_start);
}

double HighResClock::Ms() const
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) /
           static_cast<double>(m_frequency.QuadPart);
}

namespace {

// Removes a folder and everything below it; a program that has just ended may still hold its
// files for a moment, so the caller retries.
bool RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE hFind = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(hFind, &found));
        ::FindClose(hFind);
    }
    return ::RemoveDirectoryW(folder.c_str()) != FALSE;
}

}  // namespace

ScratchFolder::ScratchFolder(const std::wstring& prefix)
{
    wchar_t buffer[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, buffer);
    m_previous = buffer;
    ::GetTempPathW(MAX_PATH, buffer);
    m_folder = std::wstring(buffer) + prefix + L"_" + std::to_wstring(::GetCurrentProcessId());
    m_bEntered =
        ::CreateDirectoryW(m_folder.c_str(), nullptr) && ::SetCurrentDirectoryW(m_folder.c_str());
}

ScratchFolder::~ScratchFolder()
{
    ::SetCurrentDirectoryW(m_previous.c_str());
    for (int attempt = 0; attempt < 50 && !RemoveTree(m_folder); ++attempt)
        ::Sleep(100);
}

X11Managed::X11Managed(const wchar_t* value)
{
    ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr);
    DWORD size = sizeof(m_previous) - sizeof(wchar_t);
    m_bHadValue = ::RegQueryValueExW(m_hKey, L"Managed", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(m_previous), &size) == ERROR_SUCCESS;
    ::RegSetValueExW(m_hKey, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                     static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
}

X11Managed::~X11Managed()
{
    if (m_bHadValue)
        ::RegSetValueExW(m_hKey, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(m_previous),
                         static_cast<DWORD>((wcslen(m_previous) + 1) * sizeof(wchar_t)));
    else
        ::RegDeleteValueW(m_hKey, L"Managed");
    ::RegCloseKey(m_hKey);
}

namespace {

// The text line of the program's progress window.
constexpr int kProgressTextId = 1001;

}  // namespace

void WindowTimeline::Poll(double nowMs)
{
    struct Ctx {
        DWORD pid;
        std::vector<HWND> visible;
    } ctx = {m_pid, {}};
    ::EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            Ctx* c = reinterpret_cast<Ctx*>(lp);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(h, &pid);
            if (pid == c->pid && ::IsWindowVisible(h))
                c->visible.push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&ctx));
    for (Entry& e : m_entries) {
        if (e.goneMs < 0 &&
            std::find(ctx.visible.begin(), ctx.visible.end(), e.hWnd) == ctx.visible.end())
            e.goneMs = nowMs;
    }
    for (HWND h : ctx.visible) {
        const bool bKnown = std::any_of(m_entries.begin(), m_entries.end(), [h](const Entry& e) {
            return e.hWnd == h && e.goneMs < 0;
        });
        if (bKnown)
            continue;
        wchar_t title[128] = {}, className[64] = {}, text[128] = {};
        ::GetWindowTextW(h, title, 128);
        ::GetClassNameW(h, className, 64);
        // A progress window says what it runs in its text line.
        if (HWND hText = ::GetDlgItem(h, kProgressTextId))
            ::GetWindowTextW(hText, text, 128);
        m_entries.push_back({h, title, className, text, nowMs, -1});
    }
}

std::string Utf8(const std::wstring& text)
{
    char buffer[512] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buffer, sizeof(buffer) - 1, nullptr,
                          nullptr);
    return buffer;
}

void WindowTimeline::Print() const
{
    // UTF-8: the figures are read in a terminal or log on the host.
    for (const Entry& e : m_entries) {
        const std::string what = Utf8(e.className) + " \"" + Utf8(e.title) + "\"" +
                                 (e.text.empty() ? "" : " \"" + Utf8(e.text) + "\"");
        if (e.goneMs >= 0)
            std::printf("  %8.0f .. %8.0f  (%5.0f ms)  %s\n", e.shownMs, e.goneMs,
                        e.goneMs - e.shownMs, what.c_str());
        else
            std::printf("  %8.0f ..           visible    %s\n", e.shownMs, what.c_str());
    }
}
