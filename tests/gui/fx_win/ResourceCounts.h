// Counts that leak tests compare before and after many create/destroy cycles: the process's GDI
// objects and the calling thread's windows (top-level ones and all their descendants).
#pragma once

#include <windows.h>

namespace fxtest {

inline int CountGdiObjects()
{
    const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (n != 0)
        return static_cast<int>(n);
    // Where the system keeps no count: a scan of the handle table.
    int count = 0;
    for (UINT_PTR h = 1; h < 0x10000; ++h)
        count += ::GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0;
    return count;
}

namespace detail {
inline BOOL CALLBACK CountChildWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}
inline BOOL CALLBACK CountTopWindow(HWND hWnd, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, &CountChildWindow, lParam);
    return TRUE;
}
}  // namespace detail

inline int CountThreadWindows()
{
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &detail::CountTopWindow, reinterpret_cast<LPARAM>(&n));
    return n;
}

}  // namespace fxtest
