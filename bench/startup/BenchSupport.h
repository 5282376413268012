// What the start-up bench needs around the program it starts: a high-resolution clock, a
// temporary working folder removed afterwards, Wine's X11 "Managed" value set for a series and
// put back, and a time line of the program's top-level windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class HighResClock {
public:
    HighResClock();
    // Milliseconds since construction.
    double Ms() const;

private:
    LARGE_INTEGER m_frequency;
    LARGE_INTEGER m_start;
};

// A fresh folder under the temporary folder, made the current folder; on destruction the
// previous current folder comes back and the folder is removed with everything in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    bool Entered() const { return m_bEntered; }

private:
    std::wstring m_previous;
    std::wstring m_folder;
    bool m_bEntered = false;
};

// Sets "Managed" under HKCU\Software\Wine\X11 Driver for as long as it lives, then puts back
// the value found (or removes it when there was none). Programs started meanwhile read it.
class X11Managed {
public:
    explicit X11Managed(const wchar_t* value);
    ~X11Managed();
    X11Managed(const X11Managed&) = delete;
    X11Managed& operator=(const X11Managed&) = delete;

private:
    HKEY m_hKey = nullptr;
    wchar_t m_previous[16] = {};
    bool m_bHadValue = false;
};

// The top-level windows of one process as they become visible and go away, by polling.
class WindowTimeline {
public:
    explicit WindowTimeline(DWORD pid) : m_pid(pid) {}
    void Poll(double nowMs);
    void Print() const;

private:
    struct Entry {
        HWND hWnd;
        std::wstring title;
        std::wstring className;
        std::wstring text;
        double shownMs;
        double goneMs;  // negative while still visible
    };
    DWORD m_pid;
    std::vector<Entry> m_entries;
};
