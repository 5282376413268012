// CLuMenu's contents, handle ownership, sub-menu wrappers and icons. Showing the menu lives in
// MenuTrack.cpp, its items' metrics and painting in MenuLayout.cpp.
#include "skin/menu/Menu.h"

#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "skin/core/ClassTable.h"
#include "skin/menu/PlainNames.h"

#include <cstring>
#include <vector>

IMPLEMENT_DYNCREATE(CLuMenu, CWnd)
LU_IMPLEMENT_CONTROL(CLuMenu)
LU_DEFAULT_INITCTRL(CLuMenu)
LU_PROVIDE_LIBRARY_CLASS(CLuMenu, LU_ROW_MENU, LuNewClassProc)

CLuMenu* CLuMenu::m_pPopedMenu = nullptr;

CLuMenu::CLuMenu() = default;

CLuMenu::~CLuMenu()
{
    if (m_pPopedMenu == this)
        m_pPopedMenu = nullptr;
    // Sub-menu wrappers go first: they only borrow handles that this menu's handle contains.
    m_subMenus.clear();
    DestroyMenu();
}

// ---- Contents ----

HMENU CLuMenu::GetSafeHmenu() const { return m_hMenu; }
CLuMenu* CLuMenu::GetTopLevelMenu() { return m_pPopedMenu; }

UINT CLuMenu::GetMenuItemCount() const
{
    const int n = ::GetMenuItemCount(m_hMenu);
    return n > 0 ? static_cast<UINT>(n) : 0;
}

UINT CLuMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
UINT CLuMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }

int CLuMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    wchar_t buffer[256] = {0};
    const int n = ::GetMenuStringW(m_hMenu, nIDItem, buffer, 256, nFlags);
    rString = n > 0 ? fx::ToGbk(buffer, n) : CString();
    return rString.GetLength();
}

int CLuMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const
{
    CString text;
    GetMenuString(nIDItem, text, nFlags);
    return lpString != nullptr && nMaxCount > 0 ? fx::CopyToBuffer(text, lpString, nMaxCount) : text.GetLength();
}

BOOL CLuMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOW lpInfo, BOOL fByPos) const
{
    return ::GetMenuItemInfoW(m_hMenu, uItem, fByPos, lpInfo);
}

BOOL CLuMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpInfo, BOOL fByPos) const
{
    if (lpInfo == nullptr)
        return FALSE;
    // Read through the W function and hand the text back in GBK within the caller's buffer.
    MENUITEMINFOW info{};
    std::memcpy(&info, lpInfo, sizeof(info) < lpInfo->cbSize ? sizeof(info) : lpInfo->cbSize);
    info.cbSize = sizeof(info);
    const bool bWantText = (lpInfo->fMask & (MIIM_STRING | MIIM_TYPE)) != 0;
    wchar_t buffer[256] = {0};
    if (bWantText) {
        info.dwTypeData = buffer;
        info.cch = 256;
    }
    if (!::GetMenuItemInfoW(m_hMenu, uItem, fByPos, &info))
        return FALSE;
    LPSTR lpText = lpInfo->dwTypeData;
    const UINT cchCaller = lpInfo->cch;
    std::memcpy(lpInfo, &info, sizeof(MENUITEMINFOA));
    lpInfo->cbSize = sizeof(MENUITEMINFOA);
    lpInfo->dwTypeData = lpText;
    if (bWantText && !(info.fType & (MFT_BITMAP | MFT_SEPARATOR))) {
        const CString text = fx::ToGbk(buffer);
        lpInfo->cch = static_cast<UINT>(text.GetLength());
        if (lpText != nullptr && cchCaller > 0)
            lpInfo->cch = static_cast<UINT>(fx::CopyToBuffer(text, lpText, static_cast<int>(cchCaller)));
    }
    return TRUE;
}

UINT CLuMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) { return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck); }

BOOL CLuMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

UINT CLuMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) { return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable); }
BOOL CLuMenu::SetDefaultItem(UINT uItem, BOOL fByPos) { return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos); }
UINT CLuMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) const { return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags); }

BOOL CLuMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    const BOOL ok = ::DeleteMenu(m_hMenu, nPosition, nFlags);
    PruneSubMenus();
    return ok;
}

BOOL CLuMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    const BOOL ok = ::RemoveMenu(m_hMenu, nPosition, nFlags);
    PruneSubMenus();
    return ok;
}

namespace {

// Text items carry GBK text; other kinds pass their argument through unchanged.
BOOL CallMenuFunction(HMENU hMenu, int nOp, UINT nPosition, UINT nFlags, UINT_PTR nID, LPCSTR lpsz)
{
    const bool bText = !(nFlags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR)) && lpsz != nullptr;
    std::wstring wide = bText ? fx::ToWide(lpsz) : std::wstring();
    LPCWSTR pItem = bText ? wide.c_str() : reinterpret_cast<LPCWSTR>(lpsz);
    switch (nOp) {
    case 0:
        return ::AppendMenuW(hMenu, nFlags, nID, pItem);
    case 1:
        return ::InsertMenuW(hMenu, nPosition, nFlags, nID, pItem);
    default:
        return ::ModifyMenuW(hMenu, nPosition, nFlags, nID, pItem);
    }
}

enum { kAppend = 0, kInsert = 1, kModify = 2 };

}  // namespace

BOOL CLuMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return CallMenuFunction(m_hMenu, kAppend, 0, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CLuMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return CallMenuFunction(m_hMenu, kInsert, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CLuMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    const BOOL ok = CallMenuFunction(m_hMenu, kModify, nPosition, nFlags, nIDNewItem, lpszNewItem);
    PruneSubMenus();
    return ok;
}

BOOL CLuMenu::AddItemIcon(UINT nFlags, UINT_PTR nID, HBITMAP hBitmap, HICON hIcon)
{
    // A popup item's "ID" is its sub-menu handle: it has no command to hang an image on.
    if (nFlags & MF_POPUP)
        return TRUE;
    return hIcon != nullptr ? m_icons.SetIcon(static_cast<UINT>(nID), hIcon)
                            : m_icons.SetIcon(static_cast<UINT>(nID), hBitmap);
}

BOOL CLuMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HBITMAP hBitmap)
{
    return AppendMenu(nFlags, nIDNewItem, lpszNewItem) && AddItemIcon(nFlags, nIDNewItem, hBitmap, nullptr);
}

BOOL CLuMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HICON hIcon)
{
    return AppendMenu(nFlags, nIDNewItem, lpszNewItem) && AddItemIcon(nFlags, nIDNewItem, nullptr, hIcon);
}

BOOL CLuMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HBITMAP hBitmap)
{
    return InsertMenu(nPosition, nFlags, nIDNewItem, lpszNewItem) && AddItemIcon(nFlags, nIDNewItem, hBitmap, nullptr);
}

BOOL CLuMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HICON hIcon)
{
    return InsertMenu(nPosition, nFlags, nIDNewItem, lpszNewItem) && AddItemIcon(nFlags, nIDNewItem, nullptr, hIcon);
}

BOOL CLuMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HBITMAP hBitmap)
{
    const UINT nOldID = ::GetMenuItemID(m_hMenu, static_cast<int>(nPosition));
    if (!(nFlags & MF_BYPOSITION))
        m_icons.RemoveIcon(nPosition);
    else if (nOldID != static_cast<UINT>(-1))
        m_icons.RemoveIcon(nOldID);
    return ModifyMenu(nPosition, nFlags, nIDNewItem, lpszNewItem) && AddItemIcon(nFlags, nIDNewItem, hBitmap, nullptr);
}

BOOL CLuMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HICON hIcon)
{
    const UINT nOldID = ::GetMenuItemID(m_hMenu, static_cast<int>(nPosition));
    if (!(nFlags & MF_BYPOSITION))
        m_icons.RemoveIcon(nPosition);
    else if (nOldID != static_cast<UINT>(-1))
        m_icons.RemoveIcon(nOldID);
    return ModifyMenu(nPosition, nFlags, nIDNewItem, lpszNewItem) && AddItemIcon(nFlags, nIDNewItem, nullptr, hIcon);
}

// ---- The handle ----

BOOL CLuMenu::CreatePopupMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == nullptr)
        return FALSE;
    DestroyMenu();
    m_hMenu = hMenu;
    m_bOwnMenu = TRUE;
    return TRUE;
}

BOOL CLuMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }

BOOL CLuMenu::LoadMenu(LPCSTR lpszResourceName)
{
    HMENU hMenu = ::LoadMenuW(AfxGetResourceHandle(), fx::WideArg(lpszResourceName));
    if (hMenu == nullptr)
        return FALSE;
    DestroyMenu();
    m_hMenu = hMenu;
    m_bOwnMenu = TRUE;
    return TRUE;
}

BOOL CLuMenu::AttachMenu(HMENU hMenu)
{
    if (hMenu == nullptr || !::IsMenu(hMenu))
        return FALSE;
    DestroyMenu();
    m_hMenu = hMenu;
    m_bOwnMenu = FALSE;
    return TRUE;
}

BOOL CLuMenu::AttachMenu(HMENU hMenu, const CLuMenuIcon* pIcons)
{
    if (!AttachMenu(hMenu))
        return FALSE;
    if (pIcons != nullptr)
        m_icons.Attach(*pIcons);
    return TRUE;
}

HMENU CLuMenu::DetachMenu()
{
    m_subMenus.clear();
    m_bOwnMenu = FALSE;
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CLuMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    const BOOL bOwn = m_bOwnMenu;
    HMENU hMenu = DetachMenu();
    return bOwn ? ::DestroyMenu(hMenu) : TRUE;
}

CLuMenu* CLuMenu::GetSubMenu(int nPos)
{
    HMENU hSub = m_hMenu != nullptr ? ::GetSubMenu(m_hMenu, nPos) : nullptr;
    if (hSub == nullptr)
        return nullptr;
    std::unique_ptr<CLuMenu>& slot = m_subMenus[hSub];
    if (!slot) {
        slot = std::make_unique<CLuMenu>();
        slot->AttachMenu(hSub, &m_icons);
    }
    return slot.get();
}

void CLuMenu::PruneSubMenus()
{
    if (m_subMenus.empty())
        return;
    std::vector<HMENU> live;
    const int n = ::GetMenuItemCount(m_hMenu);
    for (int i = 0; i < n; ++i) {
        if (HMENU hSub = ::GetSubMenu(m_hMenu, i))
            live.push_back(hSub);
    }
    for (auto it = m_subMenus.begin(); it != m_subMenus.end();) {
        bool bLive = false;
        for (HMENU h : live)
            bLive = bLive || h == it->first;
        // A wrapper that is showing stays until its popup closes.
        if (!bLive && !it->second->m_bInLoop)
            it = m_subMenus.erase(it);
        else
            ++it;
    }
}

// ---- Icons ----

CLuMenuIcon& CLuMenu::GetMenuIconList() { return m_icons; }
void CLuMenu::SetBitmap(HBITMAP hBitmap) { m_icons.SetBitmap(hBitmap); }
BOOL CLuMenu::SetMenuItemIcon(UINT nID, HBITMAP hBitmap) { return m_icons.SetIcon(nID, hBitmap); }
BOOL CLuMenu::SetMenuItemIcon(UINT nID, HICON hIcon) { return m_icons.SetIcon(nID, hIcon); }
void CLuMenu::RemoveMenuItemIcon(UINT nID) { m_icons.RemoveIcon(nID); }

BOOL CLuMenu::AttachImage(const CLuMenu* pMenu)
{
    return pMenu != nullptr && pMenu != this && m_icons.Attach(pMenu->m_icons);
}
