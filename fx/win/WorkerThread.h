// A short-lived worker thread that runs one job and posts its outcome to a window (the progress
// window's device operation, for example). The owner waits for the thread when it goes, so a
// job never outlives the objects it was given.
#pragma once

#include <windows.h>

#include <functional>

class CWorkerThread {
public:
    CWorkerThread() = default;
    ~CWorkerThread() { Join(); }
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Runs job on a new thread; when it returns, posts nMessage to hWndNotify with the job's
    // result as wParam and lParam as given. FALSE when a job is still running or the thread
    // could not be started.
    BOOL Start(std::function<WPARAM()> job, HWND hWndNotify, UINT nMessage, LPARAM lParam = 0);
    // Waits for the job; TRUE when no thread is left.
    BOOL Join(DWORD dwTimeout = INFINITE);
    BOOL IsRunning() const;

private:
    struct Job {
        std::function<WPARAM()> work;
        HWND hWnd;
        UINT message;
        LPARAM lParam;
    };
    static DWORD WINAPI ThreadMain(LPVOID pParam);

    HANDLE m_hThread = nullptr;
};
