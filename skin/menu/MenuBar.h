// CLuMenuBar: the dockable menu bar (bar type 1). It shows the top level of a menu resource as
// items across the bar and opens CLuMenu popups under them, from the mouse or the keyboard
// (Alt, F10 and access keys through OnMenuAccelator). While a popup runs, a message-filter hook
// lets the bar move to the neighbouring item with Left, Right or the mouse.
#pragma once

#include "skin/core/ControlBase.h"
#include "skin/frame/ControlBar.h"
#include "skin/menu/Menu.h"

#include <vector>

#pragma push_macro("LoadMenu")
#undef LoadMenu

// Bar style bits of the menu bar's background: a vertical gradient, or a flat face.
#define LU_MENUBAR_GRADIENT 0x4000
#define LU_MENUBAR_FLAT 0x8000

class LULIB_API CLuMenuBar : public CLuControlBar, public CLuControlBase {
    DECLARE_DYNCREATE(CLuMenuBar)
    LU_DECLARE_CONTROL(CLuMenuBar, CLuControlBar)
public:
    // States of a top-level item.
    enum { stateNormal = 1, stateHot = 2, statePressed = 3 };

    CLuMenuBar();
    ~CLuMenuBar() override;

    // A visible child bar with control ID nIDMenu showing menu nIDMenu (and its icons); FALSE
    // when the window cannot be made or the menu is missing or empty.
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nIDMenu);
    BOOL LoadMenu(UINT nIDMenu);
    LU_ANSI_FORWARDER(LoadMenu)
    // The spelling is part of the library's interface.
    void DestoryMenu();
    // The icon strip for every popup of the bar.
    void SetBitmap(HBITMAP hBitmap);
    HMENU GetMenuHandle() const;
    UINT GetMenuItemCount() const;
    CLuMenu* GetSubMenu(int nPos);
    // The state of top-level item nPos (1 normal, 2 hot, 3 pressed); 0 for no such item.
    UINT GetMenuItemStatus(UINT nPos) const;
    int GetCurSel() const;
    CSize CalcFixedLayout() override;
    UINT GetBarType() override { return LU_BAR_MENUBAR; }
    // WM_SYSKEYDOWN with an item's access key opens that item; WM_SYSKEYUP of Alt or F10 makes
    // the first item hot for the keyboard. TRUE when the key was the bar's. The spelling is part
    // of the library's interface.
    BOOL OnMenuAccelator(UINT message, UINT wParam, LONG lParam);
    // Answers WM_MENUCHAR for the bar's access keys (the item opens once the system's menu closed).
    BOOL OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu, LRESULT& lResult);

    int GetBarHeight() const { return m_nBarHeight; }
    // An item's rectangle in client coordinates; FALSE for no such item.
    BOOL GetItemRect(int nPos, RECT* pRect) const;
    CLuMenu& GetMenu() { return m_menu; }
    // The bar's background and items into any DC of its client area.
    void PaintBar(CDC& dc);

protected:
    struct BarItem {
        CString strText;
        char cAccel = 0;
        CRect rect;
        UINT nState = stateNormal;
    };

    // ---- Layout and painting (MenuBar.cpp) ----
    void RecalcItems();
    int HitTest(CPoint ptClient) const;
    void SetItemState(int nPos, UINT nState);
    void ClearSelection();
    int FindAccessKey(UINT nVirtKey) const;

    // ---- Tracking (MenuBarTrack.cpp) ----
    void RunBarLoop(int nItem, BOOL bOpen, BOOL bKeyboard);
    void TrackItemPopup(int nItem, BOOL bKeyboard);
    int KeyboardStep();
    void CancelPopup();
    BOOL OnFilterMessage(const MSG& msg);
    static LRESULT CALLBACK MsgFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
    CWnd* PopupOwner() const;

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnOpenItem(WPARAM wParam, LPARAM lParam);

    CLuMenu m_menu;
    std::vector<BarItem> m_items;
    int m_nCurSel = -1;
    // While the bar tracks: the item whose popup is open, the one to open next, whether the
    // item stays hot afterwards, keyboard mode, and the focus to give back.
    int m_nTracking = -1;
    int m_nOpenNext = -1;
    BOOL m_bKeepHot = FALSE;
    BOOL m_bKeyboardMode = FALSE;
    BOOL m_bLeaveTracked = FALSE;
    BOOL m_bAltCombo = FALSE;
    HWND m_hWndOldFocus = nullptr;

    // The bar whose popup runs (one at a time) and its hook.
    static CLuMenuBar* s_pTracking;
    static HHOOK s_hHook;

    DECLARE_MESSAGE_MAP()
};

#pragma pop_macro("LoadMenu")
