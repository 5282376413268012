#include "fx/win/Menu.h"

#include "fx/win/Text.h"
#include "fx/win/ThreadState.h"
#include "fx/win/WinApp.h"
#include "fx/win/Wnd.h"

#include <utility>
#include <vector>

CMenu& CMenu::operator=(CMenu&& other) noexcept
{
    if (this != &other) {
        DestroyMenu();
        m_hMenu = other.Detach();
    }
    return *this;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    auto& temps = fx::detail::State().tempMenus;
    auto it = temps.find(hMenu);
    if (it != temps.end())
        return it->second;
    auto* p = new CMenu;
    p->m_hMenu = hMenu;
    temps.emplace(hMenu, p);
    return p;
}

CMenu* fx::MenuFromHandle(HMENU hMenu) { return CMenu::FromHandle(hMenu); }

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu != nullptr || hMenu == nullptr)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach() { return std::exchange(m_hMenu, nullptr); }

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }
BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    return Attach(::LoadMenuW(AfxGetResourceHandle(), fx::WideArg(lpszResourceName)));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const int n = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (n <= 0) {
        rString.Empty();
        return 0;
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(n) + 1);
    const int got = ::GetMenuStringW(m_hMenu, nIDItem, buffer.data(), n + 1, nFlags);
    rString = fx::ToGbk(buffer.data(), got);
    return rString.GetLength();
}

int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const
{
    CString text;
    GetMenuString(nIDItem, text, nFlags);
    return fx::CopyToBuffer(text, lpString, nMaxCount);
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOW lpMenuItemInfo, BOOL fByPos) const
{
    return ::GetMenuItemInfoW(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }
UINT CMenu::CheckMenuItem(UINT nID, UINT nCheck) { return static_cast<UINT>(::CheckMenuItem(m_hMenu, nID, nCheck)); }
BOOL CMenu::CheckMenuRadioItem(UINT nFirst, UINT nLast, UINT nItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nFirst, nLast, nItem, nFlags);
}
UINT CMenu::EnableMenuItem(UINT nID, UINT nEnable) { return static_cast<UINT>(::EnableMenuItem(m_hMenu, nID, nEnable)); }
BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos) { return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos); }
UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) const { return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags); }
BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }
BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }

namespace {

// Only string items carry text; bitmaps and owner-drawn items carry a value in its place.
LPCWSTR ItemArg(UINT nFlags, LPCSTR lpszNewItem, std::wstring& storage)
{
    if (nFlags & (MF_BITMAP | MF_OWNERDRAW))
        return reinterpret_cast<LPCWSTR>(lpszNewItem);
    storage = fx::ToWide(lpszNewItem);
    return lpszNewItem != nullptr ? storage.c_str() : nullptr;
}

}  // namespace

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    std::wstring text;
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, ItemArg(nFlags, lpszNewItem, text));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    std::wstring text;
    return ::InsertMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, ItemArg(nFlags, lpszNewItem, text));
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    std::wstring text;
    return ::ModifyMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, ItemArg(nFlags, lpszNewItem, text));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    TPMPARAMS params{};
    params.cbSize = sizeof(params);
    if (lpRect != nullptr)
        params.rcExclude = *lpRect;
    return ::TrackPopupMenuEx(m_hMenu, nFlags, x, y, CWnd::SafeHwnd(pWnd),
                              lpRect != nullptr ? &params : nullptr);
}
