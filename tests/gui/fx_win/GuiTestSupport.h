// Helpers for tests that drive real windows: pumping the queue until a condition holds (with a
// time-out, so a missing message fails the test instead of hanging it), and a guard that ends
// any modal loop still running after a time-out.
#pragma once

#include <windows.h>

#include <functional>

namespace fxtest {

// Dispatches queued messages until done() holds or timeoutMs pass; returns done().
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (!done())
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Dispatches whatever is queued now.
inline void PumpPending() { PumpUntil([] { return false; }, 50); }

// Posts WM_QUIT after timeoutMs, which ends any modal loop of the framework with -1; the
// destructor stops the timer and removes a WM_QUIT that is still queued.
class ModalTimeout {
public:
    explicit ModalTimeout(UINT timeoutMs) : m_id(::SetTimer(nullptr, 0, timeoutMs, &Fire)) {}
    ~ModalTimeout()
    {
        ::KillTimer(nullptr, m_id);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    ModalTimeout(const ModalTimeout&) = delete;
    ModalTimeout& operator=(const ModalTimeout&) = delete;

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD)
    {
        ::KillTimer(nullptr, id);
        ::PostQuitMessage(0);
    }
    UINT_PTR m_id;
};

}  // namespace fxtest
