// Message dispatch: from WindowProc through the message maps to a handler, commands and
// notifications through OnCmdMsg, notifications reflected to the controls that sent them, and
// the pre-translation walk and modal loop.
#include "fx/win/Wnd.h"

#include "fx/win/ThreadState.h"
#include "fx/win/WinApp.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

bool IsCtlColor(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

// The control a parent's notification message is about, for reflection; null when none.
HWND NotifyingChild(HWND hParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsCtlColor(message))
        return reinterpret_cast<HWND>(lParam);
    switch (message) {
    case WM_DRAWITEM: {
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return dis->CtlType == ODT_MENU ? nullptr : dis->hwndItem;
    }
    case WM_MEASUREITEM: {
        const auto* mis = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return mis->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(hParent, static_cast<int>(mis->CtlID));
    }
    case WM_DELETEITEM:
        return reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
    case WM_COMPAREITEM:
        return reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    default:
        (void)wParam;
        return nullptr;
    }
}

}  // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& current = fx::detail::State().lastSent;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

const MSG* CWnd::GetCurrentMessage() { return &fx::detail::State().lastSent; }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        if (hdr == nullptr || hdr->hwndFrom == nullptr || !OnNotify(wParam, lParam, &result))
            return FALSE;
        *pResult = result;
        return TRUE;
    }
    if (DispatchWindowMessage(message, wParam, lParam, pResult))
        return TRUE;
    // A window that paints only for WM_PAINT still answers PrintWindow: WM_PRINTCLIENT runs the
    // same paint handler, and CPaintDC then draws into the DC the message carries.
    if (message == WM_PRINTCLIENT && DispatchWindowMessage(WM_PAINT, wParam, lParam, pResult))
        return TRUE;
    // Colour, owner-draw and scroll messages nobody here handled go back to the control that
    // sent them, so a control can keep its own look.
    HWND hChild = NotifyingChild(m_hWnd, message, wParam, lParam);
    if (hChild != nullptr && hChild != m_hWnd)
        return ReflectMsg(hChild, message, wParam, lParam, pResult);
    return FALSE;
}

BOOL CWnd::DispatchWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // The WM_CTLCOLOR* family shares one map entry; reflected commands and notifications are
    // told apart by their code.
    UINT key = message;
    if (IsCtlColor(message))
        key = WM_CTLCOLOR;
    else if (message >= WM_REFLECT_BASE && IsCtlColor(message - WM_REFLECT_BASE))
        key = WM_REFLECT_BASE + WM_CTLCOLOR;
    bool matchCode = false;
    UINT code = 0;
    if (message == WM_REFLECT_BASE + WM_COMMAND) {
        matchCode = true;
        code = HIWORD(wParam);
    } else if (message == WM_REFLECT_BASE + WM_NOTIFY) {
        matchCode = true;
        code = LOWORD(reinterpret_cast<const NMHDR*>(lParam)->code);
    }

    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn != nullptr; ++e) {
            if (e->pnMessage != nullptr) {
                if (*e->pnMessage == 0 || *e->pnMessage != message)
                    continue;
            } else if (e->nMessage != key || (matchCode && e->nCode != code)) {
                continue;
            }
            fx::MsgCall call{message, wParam, lParam, 0, 0, nullptr, 0};
            if (!e->pfn(this, call))
                return FALSE;  // a reflected handler that declined
            // A reflected colour handler answering null leaves the colour to the parent.
            if (key == WM_REFLECT_BASE + WM_CTLCOLOR && call.result == 0)
                return FALSE;
            *pResult = call.result;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        nCode = CN_COMMAND;  // a menu item or an accelerator
    } else if (hWndCtrl != m_hWnd) {
        // The control sees its own notification first.
        LRESULT ignored = 0;
        if (ReflectMsg(hWndCtrl, WM_COMMAND, wParam, lParam, &ignored))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (hdr->hwndFrom != m_hWnd && ReflectMsg(hdr->hwndFrom, WM_NOTIFY, hdr->idFrom, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify{pResult, hdr};
    return OnCmdMsg(static_cast<UINT>(hdr->idFrom), static_cast<int>(MAKELONG(hdr->code, WM_NOTIFY)),
                    &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    if (!DispatchWindowMessage(WM_REFLECT_BASE + message, wParam, lParam, &result))
        return FALSE;
    if (pResult != nullptr)
        *pResult = result;
    return TRUE;
}

BOOL CWnd::ReflectMsg(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == nullptr)
        return FALSE;
    LRESULT ignored = 0;
    return pChild->OnChildNotify(message, wParam, lParam, pResult != nullptr ? pResult : &ignored);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    const MSG& current = fx::detail::State().lastSent;
    return ReflectMsg(hWndChild, current.message, current.wParam, current.lParam, pResult);
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT result = 0;
    if (pWnd != nullptr && pWnd->m_hWnd != m_hWnd && ReflectLastMsg(pWnd->m_hWnd, &result))
        return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU &&
        ReflectLastMsg(::GetDlgItem(m_hWnd, nIDCtl)))
        return;
    Default();
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr;) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        // A top-level window ends the walk: its owner (behind a modal dialog, say) must not
        // translate keys meant for this one.
        if (!(::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD))
            break;
        hWnd = ::GetParent(hWnd);
    }
    return FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

namespace {

void SendToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr;
         hChild = ::GetNextWindow(hChild, GW_HWNDNEXT)) {
        if (bOnlyPerm) {
            // Straight to the object: framework messages such as WM_IDLEUPDATECMDUI mean
            // nothing to windows without one.
            if (CWnd* pWnd = CWnd::FromHandlePermanent(hChild))
                AfxCallWndProc(pWnd, hChild, message, wParam, lParam);
        } else {
            ::SendMessageW(hChild, message, wParam, lParam);
        }
        if (bDeep)
            SendToDescendants(hChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

}  // namespace

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm) const
{
    SendToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr;
         hChild = ::GetNextWindow(hChild, GW_HWNDNEXT)) {
        CCmdUI state;
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
        state.m_pOther = FromHandle(hChild);
        // Only push buttons are disabled for want of a handler; check boxes and radio buttons
        // work on their own.
        const UINT dlgCode = static_cast<UINT>(::SendMessageW(hChild, WM_GETDLGCODE, 0, 0));
        const BOOL pushButton = (dlgCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
        state.DoUpdate(pTarget, bDisableIfNoHndler && pushButton);
    }
}

// ---- Modal loop ----

int CWnd::RunModalLoop(DWORD dwFlags)
{
    m_bContinueModal = TRUE;
    m_nModalResult = -1;
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    MSG msg;

    for (;;) {
        // Idle: show the window once the queue is empty, then let it update its controls.
        while (bIdle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != nullptr && lIdleCount == 0)
                ::SendMessageW(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
            if ((dwFlags & MLF_NOKICKIDLE) || !ContinueModal() ||
                !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }
        // Messages until the queue is empty again.
        do {
            if (!ContinueModal())
                return m_nModalResult;
            if (!AfxPumpMessage()) {
                // The application is ending: leave WM_QUIT, with its exit code, for Run.
                CWinThread* pThread = AfxGetThread();
                ::PostQuitMessage(pThread != nullptr ? static_cast<int>(pThread->m_msgCur.wParam) : 0);
                m_bContinueModal = FALSE;
                return -1;
            }
            if (!ContinueModal())
                return m_nModalResult;
            CWinThread* pThread = AfxGetThread();
            const MSG& last = pThread != nullptr ? pThread->m_msgCur : msg;
            if (bShowIdle && (last.message == WM_SYSKEYDOWN || last.message == WM_KEYDOWN)) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (pThread == nullptr || pThread->IsIdleMessage(&pThread->m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal) {
        m_bContinueModal = FALSE;
        // Wake the loop if it is waiting for a message.
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    }
}
