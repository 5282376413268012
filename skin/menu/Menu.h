// CLuMenu: a menu the library draws itself. The object holds a menu handle for its contents and
// shows it in a popup window of its own ("luMenu") with its own modal loop, painting, keyboard
// handling, sub-menu cascade, fade-in and drop shadow. A chosen command is posted to the owner
// window as WM_COMMAND (lParam 0).
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/ControlBase.h"
#include "skin/menu/MenuIcon.h"
#include "skin/theme/GdiWrappers.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

// Plain operation names inside the class (see PlainNames.h); restored after it.
#pragma push_macro("AppendMenu")
#pragma push_macro("GetMenuItemInfo")
#pragma push_macro("GetMenuString")
#pragma push_macro("InsertMenu")
#pragma push_macro("LoadMenu")
#pragma push_macro("ModifyMenu")
#undef AppendMenu
#undef GetMenuItemInfo
#undef GetMenuString
#undef InsertMenu
#undef LoadMenu
#undef ModifyMenu

// Forwards an ANSI-mapped name to the plain operation.
#define LU_ANSI_FORWARDER(name) \
    template <class... Args> \
    auto name##A(Args&&... args) -> decltype(this->name(std::forward<Args>(args)...)) \
    { \
        return name(std::forward<Args>(args)...); \
    }

class LULIB_API CLuMenu : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CLuMenu)
    LU_DECLARE_CONTROL(CLuMenu, CWnd)
public:
    CLuMenu();
    ~CLuMenu() override;

    // ---- Contents: the system menu functions on the held handle (texts GBK) ----
    HMENU GetSafeHmenu() const;
    operator HMENU() const { return m_hMenu; }  // NOLINT: hands the handle to the system
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    // The A form reads and writes GBK text in dwTypeData.
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpInfo, BOOL fByPos = FALSE) const;
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFOW lpInfo, BOOL fByPos = FALSE) const;
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE);
    UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE) const;
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    // The same with an image for the item's command in the icon list (ModifyMenu first drops
    // the item's old image).
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HBITMAP hBitmap);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HICON hIcon);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HBITMAP hBitmap);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HICON hIcon);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HBITMAP hBitmap);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem, HICON hIcon);

    // ---- The handle ----
    // A menu made or loaded here belongs to this object and is destroyed with it; an attached
    // handle stays its owner's and is only let go.
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenu(LPCSTR lpszResourceName);
    BOOL AttachMenu(HMENU hMenu);
    // Shares the icons of pIcons (which must outlive the use).
    BOOL AttachMenu(HMENU hMenu, const CLuMenuIcon* pIcons);
    HMENU DetachMenu();
    // Destroys an owned handle; an attached one is let go without destroying it.
    BOOL DestroyMenu();
    BOOL IsMenuOwner() const { return m_bOwnMenu; }
    // The wrapper of the item's sub-menu, made on first request and owned by this menu (it
    // shares this menu's icons and never destroys the handle); NULL without a sub-menu.
    CLuMenu* GetSubMenu(int nPos);

    // ---- Icons ----
    void SetBitmap(HBITMAP hBitmap);
    BOOL SetMenuItemIcon(UINT nID, HBITMAP hBitmap);
    BOOL SetMenuItemIcon(UINT nID, HICON hIcon);
    void RemoveMenuItemIcon(UINT nID);
    CLuMenuIcon& GetMenuIconList();
    BOOL AttachImage(const CLuMenu* pMenu);

    // ---- Showing ----
    // Runs the menu modally; TRUE once it was shown (the chosen command is posted to pOwner).
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner, const RECT* lpRect = nullptr);
    BOOL TrackPopupMenuEx(UINT nFlags, int x, int y, CWnd* pOwner, TPMPARAMS* lptpm);
    // The anchor used when the menu has to open upwards (-1, -1: the requested point).
    void SetReservePopPos(int x, int y);
    static CLuMenu* GetTopLevelMenu();
    // The top-left screen point of the popup for a requested point (sub-menus: beside their
    // parent's item). The window size must be known (items built).
    virtual CPoint CalcPopPos(int x, int y, UINT nFlags);

    LU_ANSI_FORWARDER(AppendMenu)
    LU_ANSI_FORWARDER(GetMenuItemInfo)
    LU_ANSI_FORWARDER(GetMenuString)
    LU_ANSI_FORWARDER(InsertMenu)
    LU_ANSI_FORWARDER(LoadMenu)
    LU_ANSI_FORWARDER(ModifyMenu)

    // ---- While shown ----
    // Ends the whole cascade without a command.
    void EndMenu();
    // The menu's size from its items: the client area of the popup.
    CSize GetMenuSize() const { return m_szMenu; }
    int GetCurSel() const { return m_nCurSel; }
    // An item's rectangle in the popup's client coordinates (empty when not built).
    BOOL GetItemRect(int nPos, RECT* pRect) const;
    CLuMenu* GetOpenSubMenu() const { return m_pSubMenu; }
    CLuMenu* GetParentMenu() const { return m_pParentMenu; }
    // The level of the cascade that has the keyboard (the deepest open one).
    CLuMenu* GetActiveLevel();
    // Whether the open cascade acts on this navigation key itself: Left closes an open
    // sub-menu level, Right opens the selected item's sub-menu.
    BOOL UsesNavigationKey(UINT nVirtKey);
    // Paints the items (all, or only those marked) into a DC of the client area.
    void PaintMenu(CDC& dc, BOOL bAll);
    // Paints the frame and the shadow into a DC of the whole window.
    void PaintFrame(CDC& dc);

protected:
    // One menu item as shown.
    struct MenuItem {
        enum Kind { kText, kSeparator, kOwnerDraw };
        Kind nKind = kText;
        UINT fType = 0;       // MFT_MENUBARBREAK, MFT_MENUBREAK, MFT_RADIOCHECK
        UINT fState = 0;      // MFS_CHECKED, MFS_DISABLED | MFS_GRAYED, MFS_DEFAULT
        UINT nID = 0;
        HMENU hSubMenu = nullptr;
        ULONG_PTR dwItemData = 0;
        CString strText;      // shortened to the widest text an item shows
        char cAccel = 0;
        int nIcon = -1;
        CRect rect;
        BOOL bDirty = TRUE;
        DWORD dwHoverTick = 0;
        BOOL bArmed = FALSE;  // the sub-menu timer waits on this item

        BOOL IsEnabled() const { return !(fState & (MFS_DISABLED | MFS_GRAYED)); }
        // Keyboard and mouse may select it.
        BOOL IsSelectable() const { return nKind != kSeparator && IsEnabled(); }
    };

    // ---- Items (MenuLayout.cpp) ----
    BOOL BuildItems();
    void ClearItems() { m_items.clear(); }
    CSize MeasureItem(CDC& dc, MenuItem& item);
    void PaintItem(CDC& dc, MenuItem& item, BOOL bSelected);
    void PaintItemText(CDC& dc, const MenuItem& item, COLORREF clrText, COLORREF clrArrow);
    void PaintItemMark(CDC& dc, const MenuItem& item, COLORREF clrMark);
    void MakeShadow();
    int HitTest(CPoint ptClient) const;

    // ---- Tracking (MenuTrack.cpp) ----
    // Shows one level: nIndex is its position in the parent (0 for a top-level menu).
    BOOL ShowPopup(CWnd* pOwner, UINT nIndex, CPoint pt, UINT nFlags);
    void HidePopup();
    void SaveScreen();
    void FadeIn();
    void RunMenuLoop();
    BOOL IsLoopEnded() const;
    void HandleLoopMessage(MSG& msg);
    void RouteMouse(const MSG& msg);
    void OnKeyInLoop(UINT nVirtKey);
    void OnMouseMoveItem(CPoint pt);
    void OnButtonUpItem(CPoint pt);
    void OnHoverTimer();
    void Select(int nPos, BOOL bFromKeyboard);
    void MoveSelection(int nStep);
    void ChooseItem(int nPos, BOOL bSelectFirst);
    void OpenSubMenu(int nPos, BOOL bSelectFirst);
    void CloseSubMenu();
    CLuMenu* Root();
    CLuMenu* MenuAtPoint(CPoint ptScreen);
    void InvalidateItem(int nPos);

    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);

    HMENU m_hMenu = nullptr;
    BOOL m_bOwnMenu = FALSE;
    std::vector<MenuItem> m_items;
    CSize m_szMenu;
    UINT_PTR m_nHoverTimer = 0;
    BOOL m_bInLoop = FALSE;
    CWnd* m_pOwner = nullptr;
    CLuMenu* m_pSubMenu = nullptr;
    CLuMenu* m_pParentMenu = nullptr;
    CPoint m_ptReserve{-1, -1};
    CPoint m_ptAnchor{-1, -1};
    CRect m_rcParentItem;  // a sub-menu's item in its parent, screen coordinates
    int m_nCurSel = -1;
    int m_nSubSel = -1;
    CLuMenuIcon m_icons;
    std::map<HMENU, std::unique_ptr<CLuMenu>> m_subMenus;

    // The cascade's state while tracking (kept on the top level).
    UINT m_nTrackFlags = 0;
    BOOL m_bEndLoop = FALSE;
    BOOL m_bEndAll = FALSE;
    UINT m_nChosenID = 0;
    BOOL m_bKeyboardMode = FALSE;
    int m_nPendingOpen = -1;
    CPoint m_ptLastMouse{-1, -1};
    HWND m_hActiveTop = nullptr;
    // The screen under the popup, and that screen with the drop shadow blended in.
    CLuBitmap m_bmScreen;
    CLuBitmap m_bmShadow;

    static CLuMenu* m_pPopedMenu;

    DECLARE_MESSAGE_MAP()

private:
    void PruneSubMenus();
    BOOL AddItemIcon(UINT nFlags, UINT_PTR nID, HBITMAP hBitmap, HICON hIcon);
};

#pragma pop_macro("AppendMenu")
#pragma pop_macro("GetMenuItemInfo")
#pragma pop_macro("GetMenuString")
#pragma pop_macro("InsertMenu")
#pragma pop_macro("LoadMenu")
#pragma pop_macro("ModifyMenu")
