// CLuMenuBar's loops: the popups opened under its items, the message-filter hook that moves
// between items while a popup runs, keyboard mode without a popup, and the frame's keys.
#include "skin/menu/MenuBar.h"

#include "fx/win/WinApp.h"
#include "skin/core/LuLibAux.h"
#include "skin/menu/PlainNames.h"

CLuMenuBar* CLuMenuBar::s_pTracking = nullptr;
HHOOK CLuMenuBar::s_hHook = nullptr;

namespace {

const UINT kMsgOpenItem = WM_USER + 0x0101;

bool IsAccessKey(UINT nVirtKey) { return (nVirtKey >= '0' && nVirtKey <= '9') || (nVirtKey >= 'A' && nVirtKey <= 'Z'); }

// The screen point of a mouse message (client messages carry client coordinates).
CPoint ScreenPoint(const MSG& msg)
{
    CPoint pt(msg.lParam);
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST && msg.hwnd != nullptr)
        ::ClientToScreen(msg.hwnd, &pt);
    return pt;
}

}  // namespace

CWnd* CLuMenuBar::PopupOwner() const
{
    // Commands of the bar's popups go to its top-level window (the frame), which routes them.
    return CWnd::FromHandle(LuLibAux::GetTopLevelParent(m_hWnd));
}

// ---- The bar's loop ----

void CLuMenuBar::RunBarLoop(int nItem, BOOL bOpen, BOOL bKeyboard)
{
    if (s_pTracking != nullptr || nItem < 0 || nItem >= static_cast<int>(m_items.size()))
        return;
    s_pTracking = this;
    const HWND hBar = m_hWnd;
    m_hWndOldFocus = ::SetFocus(m_hWnd);
    s_hHook = ::SetWindowsHookExW(WH_MSGFILTER, &MsgFilterHook, nullptr, ::GetCurrentThreadId());
    m_bKeyboardMode = bKeyboard;
    m_bKeepHot = FALSE;
    SetItemState(nItem, bOpen ? statePressed : stateHot);
    int nOpen = bOpen ? nItem : -1;
    for (;;) {
        if (nOpen >= 0) {
            m_nOpenNext = -1;
            m_bKeepHot = FALSE;
            TrackItemPopup(nOpen, m_bKeyboardMode);
            if (!::IsWindow(hBar))
                break;
            if (m_nOpenNext >= 0) {
                nOpen = m_nOpenNext;
                continue;
            }
            if (!m_bKeepHot)
                break;  // a command, a click elsewhere, or Alt
            SetItemState(m_nCurSel, stateHot);
            if (!m_bKeyboardMode)
                break;  // a click on the open item's own title
            nOpen = -1;  // Esc: the item stays hot for the keyboard
            continue;
        }
        if (!m_bKeyboardMode)
            break;
        nOpen = KeyboardStep();
        if (nOpen == -2 || !::IsWindow(hBar))
            break;
    }
    if (s_hHook != nullptr)
        ::UnhookWindowsHookEx(s_hHook);
    s_hHook = nullptr;
    s_pTracking = nullptr;
    if (!::IsWindow(hBar))
        return;
    const BOOL bKeepHot = m_bKeepHot && !m_bKeyboardMode;
    const HWND hTop = LuLibAux::GetTopLevelParent(m_hWnd);
    if (!bKeepHot || ::GetActiveWindow() != hTop)
        ClearSelection();
    m_bKeyboardMode = FALSE;
    if (::GetActiveWindow() == hTop && ::IsWindow(m_hWndOldFocus) && ::GetFocus() == m_hWnd)
        ::SetFocus(m_hWndOldFocus);
    m_hWndOldFocus = nullptr;
}

void CLuMenuBar::TrackItemPopup(int nItem, BOOL bKeyboard)
{
    m_nTracking = nItem;
    m_nCurSel = nItem;
    SetItemState(nItem, statePressed);
    CRect rc = m_items[static_cast<size_t>(nItem)].rect;
    ClientToScreen(&rc);
    CWnd* pOwner = PopupOwner();
    CLuMenu* pPopup = m_menu.GetSubMenu(nItem);
    if (pPopup == nullptr) {
        // A top-level entry without a popup is a command of its own.
        const UINT nState = m_menu.GetMenuState(static_cast<UINT>(nItem), MF_BYPOSITION);
        const UINT nID = m_menu.GetMenuItemID(nItem);
        if (!(nState & (MF_DISABLED | MF_GRAYED)) && nID != 0 && nID != static_cast<UINT>(-1) && pOwner != nullptr)
            pOwner->PostMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
        m_nTracking = -1;
        return;
    }
    // From the keyboard the popup opens with its first item selected.
    if (bKeyboard && pOwner != nullptr)
        pOwner->PostMessage(WM_KEYDOWN, VK_DOWN, 0);
    pPopup->SetReservePopPos(rc.left, rc.top);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN, rc.left, rc.bottom, pOwner);
    m_nTracking = -1;
}

void CLuMenuBar::CancelPopup()
{
    if (CWnd* pOwner = PopupOwner())
        pOwner->PostMessage(WM_CANCELMODE);
}

// One message of keyboard mode (an item hot, no popup): the item to open, -1 to go on, or -2
// when keyboard mode ends.
int CLuMenuBar::KeyboardStep()
{
    MSG msg;
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return -2;
    }
    const int n = static_cast<int>(m_items.size());
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        const UINT vk = static_cast<UINT>(msg.wParam);
        switch (vk) {
        case VK_LEFT:
        case VK_RIGHT:
            SetItemState(((m_nCurSel + (vk == VK_LEFT ? -1 : 1)) % n + n) % n, stateHot);
            return -1;
        case VK_DOWN:
        case VK_UP:
        case VK_RETURN:
            return m_nCurSel;
        case VK_ESCAPE:
        case VK_MENU:
        case VK_F10:
            return -2;
        default:
            return IsAccessKey(vk) ? FindAccessKey(vk) : -1;
        }
    }
    // The Alt release that began keyboard mode, and characters, are the bar's.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
        return -1;
    if (msg.message == WM_CANCELMODE)
        return -2;
    if (msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN || msg.message == WM_RBUTTONDOWN) {
        CPoint pt = ScreenPoint(msg);
        ScreenToClient(&pt);
        const int nPos = HitTest(pt);
        if (nPos >= 0) {
            m_bKeyboardMode = FALSE;
            return nPos;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
        return -2;  // a click elsewhere ends keyboard mode and does its own work
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    return ::GetFocus() == m_hWnd ? -1 : -2;
}

// ---- The hook: messages of the running popup ----

LRESULT CALLBACK CLuMenuBar::MsgFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == MSGF_MENU && s_pTracking != nullptr && lParam != 0 &&
        s_pTracking->OnFilterMessage(*reinterpret_cast<const MSG*>(lParam)))
        return 1;
    return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
}

BOOL CLuMenuBar::OnFilterMessage(const MSG& msg)
{
    if (m_nTracking < 0)
        return FALSE;
    const int n = static_cast<int>(m_items.size());
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const UINT vk = static_cast<UINT>(msg.wParam);
        if (vk == VK_MENU || vk == VK_F10) {
            CancelPopup();
            m_bKeepHot = FALSE;
            return TRUE;
        }
        if (vk == VK_ESCAPE) {
            CancelPopup();
            m_bKeepHot = TRUE;
            m_bKeyboardMode = TRUE;
            return TRUE;
        }
        if (vk == VK_LEFT || vk == VK_RIGHT) {
            CLuMenu* pOpen = CLuMenu::GetTopLevelMenu();
            if (pOpen != nullptr && pOpen->UsesNavigationKey(vk))
                return FALSE;
            m_nOpenNext = ((m_nTracking + (vk == VK_LEFT ? -1 : 1)) % n + n) % n;
            m_bKeyboardMode = TRUE;
            CancelPopup();
            return TRUE;
        }
        return FALSE;
    }
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: {
        CPoint pt = ScreenPoint(msg);
        ScreenToClient(&pt);
        const int nPos = HitTest(pt);
        if (nPos < 0)
            return FALSE;
        const bool bDown = msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN;
        if (bDown && nPos == m_nTracking) {
            // A click on the open item's own title closes its popup.
            CancelPopup();
            m_bKeepHot = TRUE;
            return TRUE;
        }
        if (!bDown && nPos != m_nTracking) {
            m_nOpenNext = nPos;
            m_bKeyboardMode = FALSE;
            SetItemState(nPos, statePressed);
            CancelPopup();
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

// ---- Keys from the frame ----

BOOL CLuMenuBar::OnMenuAccelator(UINT message, UINT wParam, LONG)
{
    if (m_items.empty() || s_pTracking != nullptr)
        return FALSE;
    if (message == WM_SYSKEYDOWN) {
        if (wParam == VK_MENU) {
            m_bAltCombo = FALSE;
            return FALSE;
        }
        m_bAltCombo = TRUE;
        const int nPos = IsAccessKey(wParam) ? FindAccessKey(wParam) : -1;
        if (nPos < 0)
            return FALSE;
        RunBarLoop(nPos, TRUE, TRUE);
        return TRUE;
    }
    if (message == WM_SYSKEYUP && (wParam == VK_MENU || wParam == VK_F10)) {
        // Alt released after Alt + another key was a shortcut, not a request for the menu.
        if (wParam == VK_MENU && m_bAltCombo) {
            m_bAltCombo = FALSE;
            return FALSE;
        }
        RunBarLoop(0, FALSE, TRUE);
        return TRUE;
    }
    return FALSE;
}

BOOL CLuMenuBar::OnMenuChar(UINT nChar, UINT, CMenu*, LRESULT& lResult)
{
    const UINT vk = nChar >= 'a' && nChar <= 'z' ? nChar - 'a' + 'A' : nChar;
    const int nPos = IsAccessKey(vk) ? FindAccessKey(vk) : -1;
    if (nPos < 0)
        return FALSE;
    PostMessage(kMsgOpenItem, static_cast<WPARAM>(nPos), 0);
    lResult = MAKELRESULT(0, MNC_CLOSE);
    return TRUE;
}
