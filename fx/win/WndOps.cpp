// The window operations: thin calls to the W functions, with GBK text converted on the way in
// and out.
#include "fx/win/Wnd.h"

#include "fx/win/FrameWnd.h"
#include "fx/win/Menu.h"
#include "fx/win/Text.h"
#include "fx/win/WinApp.h"

#include <cstdio>
#include <cstdlib>

void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextW(m_hWnd, fx::WideArg(lpszString)); }

CString CWnd::GetWindowText() const { return fx::GetWindowTextGbk(m_hWnd); }
void CWnd::GetWindowText(CString& rString) const { rString = GetWindowText(); }
int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const
{
    return fx::CopyToBuffer(GetWindowText(), lpszStringBuf, nMaxCount);
}
int CWnd::GetWindowTextLength() const { return GetWindowText().GetLength(); }

void CWnd::SetDlgItemText(int nID, LPCSTR lpszString) { ::SetDlgItemTextW(m_hWnd, nID, fx::WideArg(lpszString)); }

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString = fx::GetWindowTextGbk(::GetDlgItem(m_hWnd, nID));
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }
UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return ::MessageBoxW(m_hWnd, fx::WideArg(lpszText),
                         fx::WideArg(lpszCaption != nullptr ? lpszCaption : AfxGetAppName()), nType);
}

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)); }

namespace {

BOOL ModifyLong(HWND hWnd, int index, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(hWnd, index));
    const DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLongW(hWnd, index, static_cast<LONG>(newStyle));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) { return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags); }
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) { return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags); }

void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::ClientToScreen(LPPOINT p) const { ::ClientToScreen(m_hWnd, p); }
void CWnd::ClientToScreen(LPRECT r) const { ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(r), 2); }
void CWnd::ScreenToClient(LPPOINT p) const { ::ScreenToClient(m_hWnd, p); }
void CWnd::ScreenToClient(LPRECT r) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(r), 2); }
void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT r) const
{
    ::MapWindowPoints(m_hWnd, SafeHwnd(pwndTo), reinterpret_cast<LPPOINT>(r), 2);
}
void CWnd::MoveWindow(int x, int y, int w, int h, BOOL bRepaint) { ::MoveWindow(m_hWnd, x, y, w, h, bRepaint); }
void CWnd::MoveWindow(LPCRECT r, BOOL bRepaint) { MoveWindow(r->left, r->top, r->right - r->left, r->bottom - r->top, bRepaint); }
BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    // HWND_TOP, HWND_BOTTOM, HWND_TOPMOST and HWND_NOTOPMOST come as those values cast to a
    // window pointer; anything else is a real object.
    const auto raw = reinterpret_cast<INT_PTR>(pWndInsertAfter);
    const bool special = raw == 0 || raw == 1 || raw == -1 || raw == -2;
    HWND after = special ? reinterpret_cast<HWND>(raw) : pWndInsertAfter->m_hWnd;
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    // Over the owner (or parent) when there is one, else over the work area.
    HWND hCenter = SafeHwnd(pAlternateOwner);
    const bool child = (GetStyle() & WS_CHILD) != 0;
    if (hCenter == nullptr)
        hCenter = child ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    RECT area{};
    if (child) {
        ::GetClientRect(hCenter, &area);
    } else if (hCenter != nullptr && ::IsWindowVisible(hCenter) && !::IsIconic(hCenter)) {
        ::GetWindowRect(hCenter, &area);
    } else {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT self{};
    ::GetWindowRect(m_hWnd, &self);
    const int w = self.right - self.left;
    const int h = self.bottom - self.top;
    int x = (area.left + area.right - w) / 2;
    int y = (area.top + area.bottom - h) / 2;
    if (!child) {
        RECT work{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        if (x + w > work.right) x = work.right - w;
        if (y + h > work.bottom) y = work.bottom - h;
        if (x < work.left) x = work.left;
        if (y < work.top) y = work.top;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT r, BOOL bErase) { ::InvalidateRect(m_hWnd, r, bErase); }
void CWnd::InvalidateRgn(const CRgn* pRgn, BOOL bErase) { ::InvalidateRgn(m_hWnd, pRgn != nullptr ? static_cast<HRGN>(*pRgn) : nullptr, bErase); }
void CWnd::ValidateRect(LPCRECT r) { ::ValidateRect(m_hWnd, r); }
BOOL CWnd::RedrawWindow(LPCRECT r, const CRgn* pRgn, UINT flags)
{
    return ::RedrawWindow(m_hWnd, r, pRgn != nullptr ? static_cast<HRGN>(*pRgn) : nullptr, flags);
}
int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw) { return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }
void CWnd::SetRedraw(BOOL bRedraw) { SendMessage(WM_SETREDRAW, static_cast<WPARAM>(bRedraw)); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
CWnd* CWnd::GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::SetParent(CWnd* pWndNewParent) { return FromHandle(::SetParent(m_hWnd, SafeHwnd(pWndNewParent))); }
CWnd* CWnd::GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    while (hWnd != nullptr && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return FromHandle(hWnd);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CWnd* pTop = GetTopLevelParent();
    return pTop != nullptr && FromHandlePermanent(pTop->m_hWnd) == pTop && pTop->IsKindOf(RUNTIME_CLASS(CFrameWnd))
               ? static_cast<CFrameWnd*>(pTop)
               : nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int nID) { return static_cast<int>(::SetWindowLongPtrW(m_hWnd, GWLP_ID, nID)); }
CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }

namespace {

HWND FindDescendant(HWND hParent, int nID)
{
    // Direct children first, then each child's descendants.
    for (HWND hChild = ::GetTopWindow(hParent); hChild != nullptr; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT))
        if (::GetDlgCtrlID(hChild) == nID)
            return hChild;
    for (HWND hChild = ::GetTopWindow(hParent); hChild != nullptr; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT))
        if (HWND hFound = FindDescendant(hChild, nID))
            return hFound;
    return nullptr;
}

}  // namespace

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    HWND hFound = FindDescendant(m_hWnd, nID);
    return bOnlyPerm ? FromHandlePermanent(hFound) : FromHandle(hFound);
}

BOOL CWnd::IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, SafeHwnd(pWnd)); }
CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, SafeHwnd(pWndCtl), bPrevious));
}
CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, SafeHwnd(pWndCtl), bPrevious));
}
LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageW(m_hWnd, nID, message, wParam, lParam);
}
void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
UINT CWnd::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
void CWnd::CheckRadioButton(int nFirst, int nLast, int nCheck) { ::CheckRadioButton(m_hWnd, nFirst, nLast, nCheck); }

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}
BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

CMenu* CWnd::GetMenu() const { return fx::MenuFromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu != nullptr ? pMenu->GetSafeHmenu() : nullptr); }
void CWnd::DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return fx::MenuFromHandle(::GetSystemMenu(m_hWnd, bRevert)); }
void CWnd::SetFont(HFONT hFont, BOOL bRedraw) { SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw); }
HFONT CWnd::GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

int CWnd::GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) { return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
void CWnd::GetScrollRange(int nBar, LPINT lpMin, LPINT lpMax) const { ::GetScrollRange(m_hWnd, nBar, lpMin, lpMax); }
void CWnd::SetScrollRange(int nBar, int nMin, int nMax, BOOL bRedraw) { ::SetScrollRange(m_hWnd, nBar, nMin, nMax, bRedraw); }
BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}
BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}
void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) { ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow); }
BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags) { return ::EnableScrollBar(m_hWnd, static_cast<UINT>(nSBFlags), nArrowFlags); }
void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}
