// A menu handle with its owner. A menu this object loaded or created is destroyed with it
// (unless it was attached to a window, which then destroys it); GetSubMenu and FromHandle hand
// out temporary wrappers that do not own their handle and go when the thread is idle.
#pragma once

#include "fx/core/String.h"

#include <windows.h>

class CWnd;

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu() { DestroyMenu(); }
    CMenu(CMenu&& other) noexcept : m_hMenu(other.Detach()) {}
    CMenu& operator=(CMenu&& other) noexcept;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }  // NOLINT: hands the handle to the system

    static CMenu* FromHandle(HMENU hMenu);
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // A menu resource of the resource module.
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenu(LPCSTR lpszResourceName);
    BOOL DestroyMenu();

    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    // Text in GBK; the length in bytes.
    int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFOW lpMenuItemInfo, BOOL fByPos = FALSE) const;
    CMenu* GetSubMenu(int nPos) const;
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE);
    UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE) const;
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    // lpszNewItem is GBK text for MF_STRING items; with MF_POPUP nIDNewItem is the popup's
    // handle, which the menu then owns.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    // Runs the popup until it closes; the chosen command goes to pWnd as WM_COMMAND (or is
    // returned with TPM_RETURNCMD).
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
};

namespace fx {
CMenu* MenuFromHandle(HMENU hMenu);
}
