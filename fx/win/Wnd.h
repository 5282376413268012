// CWnd: the object behind one window. The framework ties an object to its window in one place,
// the creation hook (or Attach / SubclassWindow for a window that already exists), after which
// every message reaches AfxWndProc, which finds the object in the thread's handle map and calls
// its WindowProc; that walks the class's message maps and falls back to the window's previous
// procedure (the class procedure for system controls) or DefWindowProcW.
#pragma once

#include "fx/core/String.h"
#include "fx/win/CmdTarget.h"
#include "fx/win/Gdi.h"
#include "fx/win/MessageMap.h"
#include "fx/win/Types.h"

#include <windows.h>

class CFrameWnd;
class CMenu;
struct CCreateContext;

// The framework's window procedure: every window with an object runs through it.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
WNDPROC AfxGetAfxWndProc();

// Flags of RunModalLoop.
#define MLF_NOIDLEMSG 0x0001     // no WM_ENTERIDLE to the parent
#define MLF_NOKICKIDLE 0x0002    // no WM_KICKIDLE to the window
#define MLF_SHOWONIDLE 0x0004    // show the window when the queue first goes empty

// Control ids the framework gives its own children.
#define AFX_IDW_PANE_FIRST 0xE900

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd() = default;
    // A window still alive when its object goes is destroyed with it.
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The handle of a window object that may be null.
    static HWND SafeHwnd(const CWnd* pWnd) { return pWnd != nullptr ? pWnd->m_hWnd : nullptr; }
    operator HWND() const { return GetSafeHwnd(); }  // NOLINT: hands the handle to the system

    // ---- Handle map ----
    // The object of a window: the permanent one, else a temporary wrapper that lives until the
    // thread goes idle. Null for a null handle.
    static CWnd* FromHandle(HWND hWnd);
    // Only a permanent object (one that was created, attached or subclassed here), else null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();
    // Ties this object to an existing window without taking over its messages.
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Ties this object to an existing window and routes its messages through the message maps;
    // what the object does not handle goes to the window's previous procedure.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Puts the previous procedure back and lets the window go.
    HWND UnsubclassWindow();
    // The procedure unhandled messages go to (null: DefWindowProcW).
    WNDPROC* GetSuperWndProcAddr() { return &m_pfnSuper; }

    // ---- Creation ----
    // lpszClassName null: the framework's plain child class. Texts are GBK.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName,
                          DWORD dwStyle, int x, int y, int nWidth, int nHeight,
                          HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    // The last reference to a window object went: a live window is destroyed (a heap object
    // then deletes itself in PostNcDestroy); an object without a window is deleted.
    void OnFinalRelease() override;
    // The class name a Create without one uses: registered once per process, no background.
    static LPCSTR GetDefaultClassName();
    // Registers a class of this module under a GBK name (the W function underneath); TRUE
    // when it exists afterwards.
    static BOOL RegisterClass(LPCSTR lpszClassName, UINT nClassStyle, HCURSOR hCursor,
                              HBRUSH hbrBackground, HICON hIcon = nullptr);

    // ---- Message plumbing ----
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE) const;
    // Offers the message that is being handled back to the window's default procedure.
    LRESULT Default();
    static const MSG* GetCurrentMessage();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks the message up in the message maps; FALSE when no handler took it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification the parent reflects back to this control (WM_COMMAND, WM_NOTIFY,
    // WM_CTLCOLOR*, WM_DRAWITEM, WM_MEASUREITEM ...). TRUE when the control handled it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Reflects the message being handled to the child hWndChild when it has an object.
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    // The same for an explicit message (TRUE when the child has an object and handled it).
    static BOOL ReflectMsg(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers a queued message to the windows from pMsg->hwnd up to its top-level window.
    static BOOL WalkPreTranslateTree(MSG* pMsg);

    // ---- Modal loop (dialogs, progress windows) ----
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal() { return m_bContinueModal; }
    virtual void EndModalLoop(int nResult);

    // ---- Text (GBK) ----
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    CString GetWindowText() const;
    int GetWindowTextLength() const;  // in GBK bytes
    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // ---- Styles, state and geometry ----
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void UpdateWindow();
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRgn(const CRgn* pRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, const CRgn* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw);  // the system owns hRgn afterwards
    // Stops (FALSE) or resumes (TRUE) redrawing while many changes are made.
    void SetRedraw(BOOL bRedraw = TRUE);

    // ---- Focus, capture, activation ----
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    static CWnd* GetActiveWindow();
    CWnd* SetActiveWindow();
    BOOL SetForegroundWindow();
    static CWnd* GetForegroundWindow();

    // ---- Relatives and children ----
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    BOOL IsChild(const CWnd* pWnd) const;
    // The next (or previous) control of pWndCtl's group or tab order in this dialog.
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    // Runs the update handlers of pTarget for every child control with an id (dialog controls
    // enabled and checked on idle like menu items).
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // ---- Timers, menus, fonts, scrolling ----
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL bRevert) const;
    void SetFont(HFONT hFont, BOOL bRedraw = TRUE);
    HFONT GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);

protected:
    // The window was created or subclassed: last chance to look at it before messages flow.
    virtual void PreSubclassWindow() {}
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    // The window is gone (after WM_NCDESTROY); objects made with new delete themselves here.
    virtual void PostNcDestroy() {}

    // Default handlers: derived handlers call them for the system's default behaviour.
    int OnCreate(LPCREATESTRUCTW) { return static_cast<int>(Default()); }
    BOOL OnNcCreate(LPCREATESTRUCTW) { return static_cast<BOOL>(Default()); }
    void OnDestroy() { Default(); }
    void OnNcDestroy() { Default(); }
    void OnClose() { Default(); }
    void OnPaint() { Default(); }
    void OnNcPaint() { Default(); }
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    void OnSize(UINT, int, int) { Default(); }
    void OnMove(int, int) { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    void OnLButtonDblClk(UINT, CPoint) { Default(); }
    void OnRButtonDown(UINT, CPoint) { Default(); }
    void OnRButtonUp(UINT, CPoint) { Default(); }
    void OnRButtonDblClk(UINT, CPoint) { Default(); }
    BOOL OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }
    void OnKeyUp(UINT, UINT, UINT) { Default(); }
    void OnSysKeyDown(UINT, UINT, UINT) { Default(); }
    void OnSysKeyUp(UINT, UINT, UINT) { Default(); }
    void OnChar(UINT, UINT, UINT) { Default(); }
    void OnSetFocus(CWnd*) { Default(); }
    void OnKillFocus(CWnd*) { Default(); }
    void OnHScroll(UINT, UINT, CWnd*) { Default(); }
    void OnVScroll(UINT, UINT, CWnd*) { Default(); }
    void OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
    // Reflects the colour question to the control first, then asks the system.
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
    LRESULT OnNcHitTest(CPoint) { return Default(); }
    void OnNcMouseMove(UINT, CPoint) { Default(); }
    void OnNcLButtonDown(UINT, CPoint) { Default(); }
    void OnNcLButtonUp(UINT, CPoint) { Default(); }
    void OnNcLButtonDblClk(UINT, CPoint) { Default(); }
    BOOL OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
    void OnEnable(BOOL) { Default(); }
    void OnActivate(UINT, CWnd*, BOOL) { Default(); }
    int OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    void OnShowWindow(BOOL, UINT) { Default(); }
    void OnWindowPosChanging(WINDOWPOS*) { Default(); }
    void OnWindowPosChanged(WINDOWPOS*) { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
    LRESULT OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
    void OnCaptureChanged(CWnd*) { Default(); }
    void OnCancelMode() { Default(); }
    void OnContextMenu(CWnd*, CPoint) { Default(); }
    UINT OnGetDlgCode() { return static_cast<UINT>(Default()); }

    WNDPROC m_pfnSuper = nullptr;
    int m_nModalResult = -1;
    BOOL m_bContinueModal = FALSE;

private:
    friend LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    friend void AfxHookWindowCreate(CWnd* pWnd);
    friend LRESULT CALLBACK FxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam);
    // After WM_NCDESTROY: gives the window its previous procedure back, lets it go and tells
    // the object (which may delete itself).
    void FinishNcDestroy();
    BOOL DispatchWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};

// Delivers one message to an object with the framework's bookkeeping (current message, the
// clean-up after WM_NCDESTROY, exceptions reported instead of crossing the system's frames).
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// The next window created on this thread (CreateWindowExW, a dialog) gets pWnd as its object.
void AfxHookWindowCreate(CWnd* pWnd);
// Ends a hook that was not taken; FALSE when the window never got as far as the hook.
BOOL AfxUnhookWindowCreate();
