// CLuMenu on screen: the popup's placement, fade-in and the modal loop of each cascade level.
// Every level runs its own loop while it is the deepest open one; mouse messages go to the
// level under the pointer, keys to the deepest level, and the cascade ends together when a
// command is chosen, a click lands outside it, the owner loses activation or a cancel key comes.
#include "skin/menu/Menu.h"

#include "skin/core/CreateContext.h"
#include "skin/core/LuLibAux.h"
#include "skin/menu/MenuMetrics.h"
#include "skin/theme/Painter.h"

#include <algorithm>
#include "skin/menu/PlainNames.h"

using namespace lumenu;

namespace {

bool IsClientMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL; }
bool IsNcMouseMessage(UINT msg) { return msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK; }

bool IsButtonDown(UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

bool IsKeyboardMessage(UINT msg) { return msg >= WM_KEYFIRST && msg <= WM_KEYLAST; }

CRect WorkArea()
{
    CRect rc;
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0))
        rc = CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return rc;
}

}  // namespace

// ---- Public entry points ----

BOOL CLuMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner, const RECT*)
{
    if (m_bInLoop || m_hMenu == nullptr || pOwner == nullptr || !::IsWindow(pOwner->GetSafeHwnd()))
        return FALSE;
    // Only one library menu is open at a time: another one (an outer loop) closes as well.
    CLuMenu* pOther = m_pPopedMenu;
    if (pOther != nullptr && pOther != this)
        pOther->EndMenu();
    m_pParentMenu = nullptr;
    m_nChosenID = 0;
    m_bEndAll = FALSE;
    m_bKeyboardMode = FALSE;
    m_ptLastMouse = CPoint(-1, -1);
    m_ptAnchor = m_ptReserve.x != -1 || m_ptReserve.y != -1 ? m_ptReserve : CPoint(x, y);
    const HWND hOwner = pOwner->GetSafeHwnd();
    if (!ShowPopup(pOwner, 0, CPoint(x, y), nFlags))
        return FALSE;
    m_pPopedMenu = this;
    SetCapture();
    RunMenuLoop();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    HidePopup();
    m_pPopedMenu = pOther != this ? pOther : nullptr;
    if (::IsWindow(hOwner)) {
        ::SendMessageW(hOwner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        // Posted once every window of the cascade is gone, so the command runs after the menu.
        if (m_nChosenID != 0)
            ::PostMessageW(hOwner, WM_COMMAND, MAKEWPARAM(m_nChosenID, 0), 0);
    }
    return TRUE;
}

BOOL CLuMenu::TrackPopupMenuEx(UINT nFlags, int x, int y, CWnd* pOwner, TPMPARAMS*)
{
    return TrackPopupMenu(nFlags, x, y, pOwner, nullptr);
}

void CLuMenu::SetReservePopPos(int x, int y) { m_ptReserve = CPoint(x, y); }

void CLuMenu::EndMenu() { Root()->m_bEndAll = TRUE; }

CLuMenu* CLuMenu::Root()
{
    CLuMenu* p = this;
    while (p->m_pParentMenu != nullptr)
        p = p->m_pParentMenu;
    return p;
}

CLuMenu* CLuMenu::GetActiveLevel()
{
    CLuMenu* p = this;
    while (p->m_pSubMenu != nullptr)
        p = p->m_pSubMenu;
    return p;
}

BOOL CLuMenu::UsesNavigationKey(UINT nVirtKey)
{
    CLuMenu* pLevel = GetActiveLevel();
    if (nVirtKey == VK_LEFT)
        return pLevel->m_pParentMenu != nullptr;
    if (nVirtKey == VK_RIGHT) {
        const int n = pLevel->m_nCurSel;
        return n >= 0 && n < static_cast<int>(pLevel->m_items.size()) &&
               pLevel->m_items[static_cast<size_t>(n)].hSubMenu != nullptr &&
               pLevel->m_items[static_cast<size_t>(n)].IsEnabled();
    }
    return FALSE;
}

// ---- Placement ----

CPoint CLuMenu::CalcPopPos(int x, int y, UINT nFlags)
{
    const CRect rcWork = WorkArea();
    const int cx = m_szMenu.cx, cy = m_szMenu.cy;
    const int cxWnd = cx + kWindowExtraX, cyWnd = cy + kWindowExtraY;
    if (m_pParentMenu != nullptr) {
        // Beside the parent's item; to its left at the right screen edge, moved up at the bottom.
        if (x + cxWnd > rcWork.right)
            x = x - m_rcParentItem.Width() + kSubMenuFlipExtra - cx;
        if (y + cyWnd > rcWork.bottom)
            y -= cy;
        return CPoint(std::max(x, 0), std::max(y, 0));
    }
    if (y + cyWnd > rcWork.bottom)
        y = m_ptAnchor.y - cy - kAboveGap;
    y = std::max(y, 0);
    if (nFlags & TPM_CENTERALIGN) {
        x = std::max(0, std::min(x - cx / 2, static_cast<int>(rcWork.right) - cxWnd));
    } else if (nFlags & TPM_RIGHTALIGN) {
        if (x - cx >= 0)
            x -= cx;
        if (x + cxWnd > rcWork.right)
            x = rcWork.right - cxWnd;
    } else if (x + cxWnd > rcWork.right) {
        x -= cx;
    }
    return CPoint(std::max(x, 0), y);
}

// ---- Showing and hiding one level ----

BOOL CLuMenu::ShowPopup(CWnd* pOwner, UINT nIndex, CPoint pt, UINT nFlags)
{
    m_pOwner = pOwner;
    m_nTrackFlags = nFlags;
    m_nCurSel = m_nSubSel = m_nPendingOpen = -1;
    m_pSubMenu = nullptr;
    m_bEndLoop = FALSE;
    const HWND hOwner = pOwner->GetSafeHwnd();
    {
        CLuCreateBlock block(this);
        if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, LU_WNDCLASS_NAME("Menu"), "", WS_POPUP,
                      0, 0, 0, 0, LuLibAux::GetTopLevelParent(hOwner), nullptr, &block))
            return FALSE;
    }
    ::SendMessageW(hOwner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_hMenu), MAKELPARAM(nIndex, FALSE));
    if (!::IsWindow(m_hWnd) || !::IsWindow(hOwner) || !BuildItems()) {
        if (::IsWindow(m_hWnd))
            DestroyWindow();
        m_items.clear();
        return FALSE;
    }
    if (m_pParentMenu == nullptr) {
        // The owner's application comes to the front; losing it later ends the menu.
        const HWND hTop = LuLibAux::GetTopLevelParent(hOwner);
        if (::GetActiveWindow() != hTop)
            ::SetForegroundWindow(hTop);
        m_hActiveTop = ::GetActiveWindow() == hTop ? hTop : nullptr;
    }
    const CSize sizeWnd(m_szMenu.cx + kWindowExtraX, m_szMenu.cy + kWindowExtraY);
    const CPoint ptPos = CalcPopPos(pt.x, pt.y, nFlags);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, ptPos.x, ptPos.y, sizeWnd.cx, sizeWnd.cy, SWP_NOACTIVATE);
    SaveScreen();
    MakeShadow();
    FadeIn();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow();
    m_nHoverTimer = SetTimer(kHoverTimerID, kHoverTickMs);
    return TRUE;
}

void CLuMenu::HidePopup()
{
    if (m_nHoverTimer != 0)
        KillTimer(m_nHoverTimer);
    m_nHoverTimer = 0;
    if (::IsWindow(m_hWnd)) {
        CRect rc;
        GetWindowRect(&rc);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        // What was under the menu goes back at once; the windows there repaint as well.
        if (m_bmScreen.GetSafeHandle() != nullptr) {
            HDC hScreen = ::GetDC(nullptr);
            CDC mem;
            mem.CreateCompatibleDC(hScreen);
            {
                CScopedSelect sel(mem, m_bmScreen);
                ::BitBlt(hScreen, rc.left, rc.top, rc.Width(), rc.Height(), mem, 0, 0, SRCCOPY);
            }
            ::ReleaseDC(nullptr, hScreen);
        }
        DestroyWindow();
    }
    m_bmScreen.DeleteObject();
    m_bmShadow.DeleteObject();
    m_items.clear();
    m_nCurSel = m_nSubSel = -1;
    m_pSubMenu = nullptr;
}

void CLuMenu::SaveScreen()
{
    m_bmScreen.DeleteObject();
    CRect rc;
    GetWindowRect(&rc);
    if (rc.IsRectEmpty() || !m_bmScreen.CreateDIBSection32(rc.Width(), rc.Height()))
        return;
    HDC hScreen = ::GetDC(nullptr);
    CDC mem;
    mem.CreateCompatibleDC(hScreen);
    {
        CScopedSelect sel(mem, m_bmScreen);
        ::BitBlt(mem, 0, 0, rc.Width(), rc.Height(), hScreen, rc.left, rc.top, SRCCOPY);
    }
    ::ReleaseDC(nullptr, hScreen);
}

void CLuMenu::FadeIn()
{
    if (!CLuPainter::IsSupportAlphaBlend() || m_bmScreen.GetSafeHandle() == nullptr)
        return;
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    const int cx = rcWnd.Width(), cy = rcWnd.Height();
    HDC hScreen = ::GetDC(nullptr);
    CLuAttachDC screen(hScreen);
    {
        // The finished menu, frame and items, drawn once.
        CLuCompatibleDC image(screen, cx, cy);
        PaintFrame(image);
        image.SetViewportOrg(kFrameLeft, kFrameTop);
        PaintMenu(image, TRUE);
        image.SetViewportOrg(0, 0);
        CLuCompatibleDC frame(screen, cx, cy);
        CDC saved;
        saved.CreateCompatibleDC(hScreen);
        CScopedSelect sel(saved, m_bmScreen);
        const CRect rcAll(0, 0, cx, cy);
        for (int i = 1; i <= kFadeFrames; ++i) {
            frame.BitBlt(0, 0, cx, cy, saved, 0, 0, SRCCOPY);
            BLENDFUNCTION bf{AC_SRC_OVER, 0, static_cast<BYTE>(i * kFadeStep), 0};
            CLuPainter::AlphaBlend(frame, rcAll, image, rcAll, bf);
            screen.BitBlt(rcWnd.left, rcWnd.top, cx, cy, frame, 0, 0, SRCCOPY);
        }
        ::GdiFlush();
    }
    ::ReleaseDC(nullptr, hScreen);
}

// ---- The loop ----

BOOL CLuMenu::IsLoopEnded() const
{
    const CLuMenu* pRoot = this;
    while (pRoot->m_pParentMenu != nullptr)
        pRoot = pRoot->m_pParentMenu;
    return m_bEndLoop || pRoot->m_bEndAll || !::IsWindow(m_hWnd);
}

void CLuMenu::RunMenuLoop()
{
    m_bInLoop = TRUE;
    CLuMenu* pRoot = Root();
    while (!IsLoopEnded()) {
        MSG msg;
        const BOOL bGot = ::GetMessageW(&msg, nullptr, 0, 0);
        if (bGot <= 0) {
            // The program is ending: the menu goes, and the outer loop gets its quit message.
            pRoot->m_bEndAll = TRUE;
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        // A message-filter hook (the menu bar's) sees every message of the menu first.
        if (::CallMsgFilterW(&msg, MSGF_MENU))
            continue;
        HandleLoopMessage(msg);
        if (pRoot->m_hActiveTop != nullptr && ::GetActiveWindow() != pRoot->m_hActiveTop)
            pRoot->m_bEndAll = TRUE;
    }
    m_bInLoop = FALSE;
}

void CLuMenu::HandleLoopMessage(MSG& msg)
{
    CLuMenu* pRoot = Root();
    if (msg.message == WM_CANCELMODE) {
        pRoot->m_bEndAll = TRUE;
        return;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        pRoot->m_bKeyboardMode = TRUE;
        pRoot->GetActiveLevel()->OnKeyInLoop(static_cast<UINT>(msg.wParam));
        return;
    }
    // Other keys and characters belong to the menu too: the windows behind it must not see them.
    if (IsKeyboardMessage(msg.message))
        return;
    if (msg.message == WM_TIMER && msg.wParam == kHoverTimerID) {
        for (CLuMenu* p = pRoot; p != nullptr; p = p->m_pSubMenu) {
            if (p->m_hWnd == msg.hwnd) {
                p->OnHoverTimer();
                return;
            }
        }
    }
    if (IsClientMouseMessage(msg.message) || IsNcMouseMessage(msg.message)) {
        RouteMouse(msg);
        return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

CLuMenu* CLuMenu::MenuAtPoint(CPoint ptScreen)
{
    CLuMenu* pFound = nullptr;
    for (CLuMenu* p = this; p != nullptr; p = p->m_pSubMenu) {
        CRect rc;
        if (::IsWindow(p->m_hWnd) && ::GetWindowRect(p->m_hWnd, &rc) && rc.PtInRect(ptScreen))
            pFound = p;  // the deepest level wins where menus overlap
    }
    return pFound;
}

void CLuMenu::RouteMouse(const MSG& msg)
{
    CLuMenu* pRoot = Root();
    CPoint pt(msg.lParam);
    if (IsClientMouseMessage(msg.message) && msg.hwnd != nullptr)
        ::ClientToScreen(msg.hwnd, &pt);
    CLuMenu* pMenu = pRoot->MenuAtPoint(pt);
    CPoint ptClient = pt;
    if (pMenu != nullptr)
        pMenu->ScreenToClient(&ptClient);

    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        // A pointer that did not move (a sub-menu appearing under it) changes nothing.
        if (pt == pRoot->m_ptLastMouse)
            return;
        pRoot->m_ptLastMouse = pt;
        if (pMenu != nullptr) {
            pMenu->OnMouseMoveItem(ptClient);
        } else {
            CLuMenu* pLevel = pRoot->GetActiveLevel();
            if (pLevel->m_nCurSel != pLevel->m_nSubSel)
                pLevel->Select(pLevel->m_nSubSel, FALSE);
        }
        return;
    }
    if (IsButtonDown(msg.message)) {
        if (pMenu == nullptr)
            pRoot->m_bEndAll = TRUE;  // a click outside every open menu
        return;
    }
    const bool bRightChooses = (pRoot->m_nTrackFlags & TPM_RIGHTBUTTON) != 0;
    if (pMenu != nullptr && (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP ||
                             (bRightChooses && (msg.message == WM_RBUTTONUP || msg.message == WM_NCRBUTTONUP))))
        pMenu->OnButtonUpItem(ptClient);
}

// ---- Mouse ----

void CLuMenu::OnMouseMoveItem(CPoint pt)
{
    // Back inside an open sub-menu: its item in the parent is the selected one again.
    if (m_pParentMenu != nullptr && m_pParentMenu->m_nCurSel != m_pParentMenu->m_nSubSel)
        m_pParentMenu->Select(m_pParentMenu->m_nSubSel, FALSE);
    const int nPos = HitTest(pt);
    if (nPos >= 0 && nPos != m_nCurSel)
        Select(nPos, FALSE);
}

void CLuMenu::OnButtonUpItem(CPoint pt)
{
    const int nPos = HitTest(pt);
    if (nPos < 0)
        return;
    if (nPos != m_nCurSel)
        Select(nPos, FALSE);
    ChooseItem(nPos, FALSE);
}

void CLuMenu::OnHoverTimer()
{
    if (m_nCurSel < 0 || m_nCurSel >= static_cast<int>(m_items.size()))
        return;
    MenuItem& item = m_items[static_cast<size_t>(m_nCurSel)];
    if (!item.bArmed || ::GetTickCount() - item.dwHoverTick < kHoverDelayMs)
        return;
    item.bArmed = FALSE;
    const BOOL bOpens = item.hSubMenu != nullptr && item.IsEnabled();
    if (m_pSubMenu != nullptr) {
        if (m_nCurSel == m_nSubSel)
            return;
        // The pointer left the open sub-menu's item: it closes, and the item now under the
        // pointer opens its own once this level's loop has it back.
        m_nPendingOpen = bOpens ? m_nCurSel : -1;
        CloseSubMenu();
    } else if (bOpens) {
        OpenSubMenu(m_nCurSel, FALSE);
    }
}

// ---- Selection and choice ----

void CLuMenu::InvalidateItem(int nPos)
{
    if (nPos < 0 || nPos >= static_cast<int>(m_items.size()) || !::IsWindow(m_hWnd))
        return;
    m_items[static_cast<size_t>(nPos)].bDirty = TRUE;
    InvalidateRect(m_items[static_cast<size_t>(nPos)].rect, FALSE);
}

void CLuMenu::Select(int nPos, BOOL bFromKeyboard)
{
    if (nPos >= static_cast<int>(m_items.size()))
        nPos = -1;
    if (nPos == m_nCurSel)
        return;
    InvalidateItem(m_nCurSel);
    m_nCurSel = nPos;
    InvalidateItem(nPos);
    if (nPos < 0)
        return;
    MenuItem& item = m_items[static_cast<size_t>(nPos)];
    item.dwHoverTick = ::GetTickCount();
    item.bArmed = !bFromKeyboard;
    if (m_pOwner != nullptr && ::IsWindow(m_pOwner->GetSafeHwnd())) {
        UINT nFlags = item.hSubMenu != nullptr ? MF_POPUP : 0;
        if (!item.IsEnabled())
            nFlags |= MF_GRAYED;
        if (item.nKind == MenuItem::kSeparator)
            nFlags |= MF_SEPARATOR;
        const UINT nItem = item.hSubMenu != nullptr ? static_cast<UINT>(nPos) : item.nID;
        m_pOwner->SendMessage(WM_MENUSELECT, MAKEWPARAM(nItem, nFlags), reinterpret_cast<LPARAM>(m_hMenu));
    }
}

void CLuMenu::MoveSelection(int nStep)
{
    const int n = static_cast<int>(m_items.size());
    if (n == 0)
        return;
    int nPos = m_nCurSel >= 0 ? m_nCurSel : (nStep > 0 ? -1 : n);
    // At most one lap: a menu without any selectable item keeps its selection.
    for (int k = 0; k < n; ++k) {
        nPos = ((nPos + nStep) % n + n) % n;
        if (m_items[static_cast<size_t>(nPos)].IsSelectable()) {
            Select(nPos, TRUE);
            return;
        }
    }
}

void CLuMenu::ChooseItem(int nPos, BOOL bSelectFirst)
{
    if (nPos < 0 || nPos >= static_cast<int>(m_items.size()))
        return;
    const MenuItem& item = m_items[static_cast<size_t>(nPos)];
    // Disabled items do nothing, whichever way they are reached (a withheld command stays so).
    if (!item.IsSelectable())
        return;
    if (item.hSubMenu != nullptr) {
        if (m_pSubMenu == nullptr) {
            OpenSubMenu(nPos, bSelectFirst);
        } else if (m_nSubSel != nPos) {
            m_nPendingOpen = nPos;
            CloseSubMenu();
        }
        return;
    }
    CLuMenu* pRoot = Root();
    pRoot->m_nChosenID = item.nID;
    pRoot->m_bEndAll = TRUE;
}

void CLuMenu::OpenSubMenu(int nPos, BOOL bSelectFirst)
{
    while (nPos >= 0 && !IsLoopEnded()) {
        m_nPendingOpen = -1;
        CLuMenu* pSub = GetSubMenu(nPos);
        if (pSub == nullptr || pSub->m_bInLoop)
            break;
        Select(nPos, bSelectFirst);
        m_pSubMenu = pSub;
        m_nSubSel = nPos;
        CRect rcItem = m_items[static_cast<size_t>(nPos)].rect;
        ClientToScreen(&rcItem);
        pSub->m_pParentMenu = this;
        pSub->m_rcParentItem = rcItem;
        if (pSub->ShowPopup(m_pOwner, static_cast<UINT>(nPos),
                            CPoint(rcItem.right - kSubMenuOverlap, rcItem.top), 0)) {
            if (bSelectFirst)
                pSub->MoveSelection(1);
            pSub->RunMenuLoop();
            pSub->HidePopup();
        }
        pSub->m_pParentMenu = nullptr;
        m_pSubMenu = nullptr;
        m_nSubSel = -1;
        InvalidateItem(nPos);
        nPos = m_nPendingOpen;
        bSelectFirst = FALSE;
    }
    m_nPendingOpen = -1;
}

void CLuMenu::CloseSubMenu()
{
    for (CLuMenu* p = m_pSubMenu; p != nullptr; p = p->m_pSubMenu)
        p->m_bEndLoop = TRUE;
}

// ---- Keyboard ----

void CLuMenu::OnKeyInLoop(UINT nVirtKey)
{
    switch (nVirtKey) {
    case VK_ESCAPE:
    case VK_MENU:
    case VK_F10:
    case VK_CANCEL:  // Ctrl+Break
        Root()->m_bEndAll = TRUE;
        return;
    case VK_UP:
        MoveSelection(-1);
        return;
    case VK_DOWN:
        MoveSelection(1);
        return;
    case VK_RIGHT:
    case VK_RETURN:
        ChooseItem(m_nCurSel, TRUE);
        return;
    case VK_LEFT:
        if (m_pParentMenu != nullptr)
            m_bEndLoop = TRUE;
        else
            Root()->m_bEndAll = TRUE;
        return;
    default:
        break;
    }
    const bool bAccessKey = (nVirtKey >= '0' && nVirtKey <= '9') || (nVirtKey >= 'A' && nVirtKey <= 'Z');
    if (!bAccessKey)
        return;
    for (size_t i = 0; i < m_items.size(); ++i) {
        const MenuItem& item = m_items[i];
        if (item.cAccel == static_cast<char>(nVirtKey) && item.IsSelectable()) {
            Select(static_cast<int>(i), TRUE);
            ChooseItem(static_cast<int>(i), TRUE);
            return;
        }
    }
}
