// What the framework keeps per user-interface thread: the handle maps from HWND (and HMENU) to
// objects, the window being created, and the message being handled. Windows belong to the
// thread that made them, so these maps are per thread and need no locks. Internal to fx/win.
#pragma once

#include <windows.h>

#include <unordered_map>

class CWnd;
class CMenu;
class CWinThread;

namespace fx::detail {

struct ThreadState {
    ThreadState() = default;
    ~ThreadState();
    ThreadState(const ThreadState&) = delete;
    ThreadState& operator=(const ThreadState&) = delete;

    // Objects that own their window for its whole life (created or subclassed by the
    // framework): the window procedure finds its object here.
    std::unordered_map<HWND, CWnd*> permanentWnds;
    // Wrappers made on demand for windows that have no object (FromHandle); owned here and
    // deleted when the thread goes idle.
    std::unordered_map<HWND, CWnd*> tempWnds;
    std::unordered_map<HMENU, CMenu*> tempMenus;

    // The object whose window CreateEx / a dialog is creating right now, taken by the
    // creation hook at the first message of that window.
    CWnd* pWndInit = nullptr;
    HHOOK hCbtHook = nullptr;

    // The message being handled, for Default() and for paint code that needs to know whether
    // it serves WM_PAINT or WM_PRINTCLIENT.
    MSG lastSent{};

    CWinThread* pThread = nullptr;
};

ThreadState& State();

// Deletes the temporary wrappers (idle time; nobody may keep their pointers across messages).
void DeleteTempMaps();

}  // namespace fx::detail
