// CLuControlBar: the base of every bar a skinned frame docks (menu bar, toolbar, status bar and
// the per-side dock bars themselves). A bar tells the frame its side and row flags through its
// control style, and its size through CalcFixedLayout; the frame's dock bars do the placing.
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/ControlBase.h"
#include "skin/core/LuLibDefs.h"

class CLuFrameWnd;
class CLuMenuBar;
class CLuToolBar;

// Bits of a bar's style (the low word of its control style).
#define LU_CBRS_SIDE_MASK 0x000F    // dock side, below
#define LU_CBRS_NEWROW 0x0100       // the bar starts a new row (column) in its dock bar
#define LU_CBRS_FIXEDLEN 0x0200     // the bar keeps its own length: no share of the spare space

// Dock sides; 4 and above: not dockable.
#define LU_DOCK_TOP 0
#define LU_DOCK_LEFT 1
#define LU_DOCK_BOTTOM 2
#define LU_DOCK_RIGHT 3
#define LU_DOCK_SIDES 4

// What GetBarType answers.
#define LU_BAR_MENUBAR 1
#define LU_BAR_STATUSBAR 2
#define LU_BAR_TOOLBAR 3
#define LU_BAR_DOCKBAR 4

// The height a bar starts with.
#define LU_BAR_DEFAULT_HEIGHT 22

class LULIB_API CLuControlBar : public CWnd {
    LU_DECLARE_DYNAMIC(CLuControlBar)
public:
    CLuControlBar() = default;
    ~CLuControlBar() override = default;

    // The size the bar wants when docked; a full-row bar answers 0x7FFF for its length.
    virtual CSize CalcFixedLayout() = 0;
    // The bar style: side and row flags.
    virtual WORD GetBarStyle() const { return GetCtrlStyle(); }
    virtual UINT GetBarType() = 0;
    // The frame's size type (SIZE_RESTORED, SIZE_MAXIMIZED, ...) as the dock bar passes it on.
    virtual void OnSizeType(UINT) {}
    // Brings the bar's items up to date with the commands' states (on idle).
    virtual void OnUpdateCmdUI(CLuFrameWnd*, BOOL) {}

    // The control operations every concrete bar gets from its control base.
    virtual void OnInitCtrl(DWORD dwStyle) = 0;
    virtual WORD GetCtrlStyle() const = 0;
    virtual void AddCtrlStyle(WORD wStyle) = 0;
    virtual DWORD GetCtrlStyleEx() const = 0;
    virtual void SetCtrlStyleEx(DWORD dwStyle) = 0;
    virtual void MoveCtrl(const RECT& rc, HDWP* phDwp = nullptr) { LuMoveWindow(this, rc, phDwp); }
    virtual void OnCtrlHook() {}
    virtual HWND Detach() { return CWnd::Detach(); }

    // The object has a live window.
    BOOL SafeWnd() const;
    // Live and WS_VISIBLE.
    BOOL SafeVisible() const;
    // Adds or removes WS_VISIBLE; FALSE without a live window.
    BOOL SafeShowBar(BOOL bShow);

    UINT GetDockSide() const { return GetBarStyle() & LU_CBRS_SIDE_MASK; }
    static BOOL IsBarAlive(const CLuControlBar* pBar) { return pBar != nullptr && pBar->SafeWnd(); }
    static BOOL IsBarVisible(const CLuControlBar* pBar) { return pBar != nullptr && pBar->SafeVisible(); }

    // The bars the frame takes by their own type have CLuControlBar as their first base, so a
    // pointer to one is a pointer to its control bar (the menu bar's link checks the offset).
    static CLuControlBar* FromMenuBar(CLuMenuBar* pBar);
    static CLuMenuBar* ToMenuBar(CLuControlBar* pBar);
    static CLuControlBar* FromToolBar(CLuToolBar* pBar) { return reinterpret_cast<CLuControlBar*>(pBar); }

    int m_nBarHeight = LU_BAR_DEFAULT_HEIGHT;
    BOOL m_bMaximized = FALSE;  // the frame is maximised (the status bar hides its gripper)
};
