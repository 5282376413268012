#include "fx/win/WorkerThread.h"

#include <memory>

DWORD WINAPI CWorkerThread::ThreadMain(LPVOID pParam)
{
    std::unique_ptr<Job> job(static_cast<Job*>(pParam));
    WPARAM result = 0;
    try {
        result = job->work();
    } catch (...) {
        result = static_cast<WPARAM>(-1);  // the window hears of the failure instead of waiting
    }
    ::PostMessageW(job->hWnd, job->message, result, job->lParam);
    return 0;
}

BOOL CWorkerThread::Start(std::function<WPARAM()> job, HWND hWndNotify, UINT nMessage, LPARAM lParam)
{
    if (IsRunning())
        return FALSE;
    Join();
    auto* pJob = new Job{std::move(job), hWndNotify, nMessage, lParam};
    m_hThread = ::CreateThread(nullptr, 0, &ThreadMain, pJob, 0, nullptr);
    if (m_hThread == nullptr) {
        delete pJob;
        return FALSE;
    }
    return TRUE;
}

BOOL CWorkerThread::Join(DWORD dwTimeout)
{
    if (m_hThread == nullptr)
        return TRUE;
    if (::WaitForSingleObject(m_hThread, dwTimeout) != WAIT_OBJECT_0)
        return FALSE;
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
    return TRUE;
}

BOOL CWorkerThread::IsRunning() const
{
    return m_hThread != nullptr && ::WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT;
}
