#include "app/core/command/win/BusyDialog.h"

#include "app/core/command/DeviceCommand.h"

#include <commctrl.h>

CBusyDialog::AnimationStarter CBusyDialog::s_pfnStarter = nullptr;

CBusyDialog::AnimationStarter CBusyDialog::SetAnimationStarter(AnimationStarter pfnStarter)
{
    const AnimationStarter previous = s_pfnStarter;
    s_pfnStarter = pfnStarter;
    return previous;
}

CBusyDialog::CBusyDialog(LPCSTR lpszTitle, DeviceCommand& command)
    : m_strTitle(lpszTitle), m_command(command), m_hWnd(nullptr), m_hThread(nullptr),
      m_hFrames(nullptr), m_nFrameWidth(0), m_nFrameHeight(0), m_nFrame(0)
{
}

CBusyDialog::~CBusyDialog()
{
    // Normally closed with the window; this covers a window that never came up.
    if (m_hThread)
        CloseHandle(m_hThread);
    if (m_hFrames)
        ImageList_Destroy(m_hFrames);
}

INT_PTR CBusyDialog::DoModal(HWND hParent)
{
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD), hParent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CBusyDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        CBusyDialog* self = reinterpret_cast<CBusyDialog*>(lParam);
        SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        self->m_hWnd = hWnd;
        return self->OnInitDialog();
    }
    CBusyDialog* self = reinterpret_cast<CBusyDialog*>(GetWindowLongPtrW(hWnd, DWLP_USER));
    if (!self)
        return FALSE;
    switch (message) {
    case WM_COMMAND_ENDED: EndDialog(hWnd, static_cast<INT_PTR>(wParam)); return TRUE;
    case WM_TIMER: self->OnTimer(wParam); return TRUE;
    case WM_DRAWITEM: self->OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    // Escape, Enter and the close box do nothing: the command runs to its end.
    case WM_COMMAND: return TRUE;
    case WM_DESTROY: self->OnDestroy(); return FALSE;
    default: return FALSE;
    }
}

DWORD WINAPI CBusyDialog::WorkerProc(LPVOID pParam)
{
    CBusyDialog* self = static_cast<CBusyDialog*>(pParam);
    const HWND hWnd = self->m_hWnd;
    const int result = executeOnWorker(self->m_command);
    // The last touch of the dialog: it ends its modal loop on this message.
    PostMessageW(hWnd, WM_COMMAND_ENDED, static_cast<WPARAM>(result), 0);
    return 0;
}

BOOL CBusyDialog::OnInitDialog()
{
    SetDlgItemTextW(m_hWnd, IDC_BUSY_TEXT, m_strTitle.ToWide().c_str());
    const bool bOwnControl = s_pfnStarter != nullptr && s_pfnStarter(GetDlgItem(m_hWnd, IDC_BUSY_ANIMATE));
    if (!bOwnControl && LoadFrames())
        SetTimer(m_hWnd, ANIMATION_TIMER, ANIMATION_PERIOD, nullptr);
    m_hThread = CreateThread(nullptr, 0, WorkerProc, this, 0, nullptr);
    if (!m_hThread) {
        // Without a worker nothing would end the window; report the command as not run.
        EndDialog(m_hWnd, RUN_FAILED);
    }
    return TRUE;
}

bool CBusyDialog::LoadFrames()
{
    HBITMAP hStrip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                     MAKEINTRESOURCEW(IDB_BUSY_FRAMES),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!hStrip)
        return false;
    BITMAP bm = {};
    GetObjectW(hStrip, sizeof(bm), &bm);
    m_nFrameWidth = bm.bmWidth / FRAME_COUNT;
    m_nFrameHeight = bm.bmHeight;
    if (m_nFrameWidth > 0)
        m_hFrames = ImageList_Create(m_nFrameWidth, m_nFrameHeight, ILC_COLOR24 | ILC_MASK,
                                     FRAME_COUNT, 0);
    if (m_hFrames)
        ImageList_AddMasked(m_hFrames, hStrip, RGB(255, 0, 255));
    DeleteObject(hStrip);
    m_nFrame = 0;
    return m_hFrames != nullptr;
}

void CBusyDialog::OnTimer(UINT_PTR nId)
{
    if (nId != ANIMATION_TIMER)
        return;
    m_nFrame = (m_nFrame + 1) % FRAME_COUNT;
    InvalidateRect(GetDlgItem(m_hWnd, IDC_BUSY_ANIMATE), nullptr, TRUE);
}

void CBusyDialog::OnDrawItem(const DRAWITEMSTRUCT* pDraw)
{
    if (!pDraw || pDraw->CtlID != IDC_BUSY_ANIMATE)
        return;
    const RECT& rc = pDraw->rcItem;
    FillRect(pDraw->hDC, &rc, GetSysColorBrush(COLOR_BTNFACE));
    if (!m_hFrames)
        return;
    const int x = rc.left + (rc.right - rc.left - m_nFrameWidth) / 2;
    const int y = rc.top + (rc.bottom - rc.top - m_nFrameHeight) / 2;
    ImageList_Draw(m_hFrames, m_nFrame, pDraw->hDC, x, y, ILD_TRANSPARENT);
}

void CBusyDialog::OnDestroy()
{
    KillTimer(m_hWnd, ANIMATION_TIMER);
    if (m_hThread) {
        CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
}

int BusyDialogPresenter::Present(LPCSTR lpszTitle, DeviceCommand& command)
{
    CBusyDialog dialog(lpszTitle, command);
    const INT_PTR result = dialog.DoModal(GetActiveWindow());
    if (result == RUN_OK || result == RUN_FAILED)
        return static_cast<int>(result);
    if (dialog.GetSafeHwnd())
        return RUN_FAILED;
    ThreadPresenter fallback;
    return fallback.Present(lpszTitle, command);
}
