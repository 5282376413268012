// CLuFrameWnd: the skinned main window. Its control bars (menu bar, toolbars, status bar) are
// laid out by the library: every bar names the side it docks to, a dock bar per side stacks
// them in rows, and the space left goes to the client window (CLuClientWnd), which holds the
// main child and the side bars. Commands go to the client window first. With a caption the
// frame draws its own caption band, caption buttons and border, and rounds its top corners.
#pragma once

#include "fx/win/FrameWnd.h"
#include "skin/core/CmdMsgPumper.h"
#include "skin/core/LuLibDefs.h"
#include "skin/core/WinSink.h"
#include "skin/frame/CaptionFrame.h"
#include "skin/frame/ClientWnd.h"
#include "skin/frame/DockBar.h"
#include "skin/frame/TButton.h"

class CLuCContext;
class CLuMenuBar;
class CLuStatusBar;
class CLuToolBar;
class CMenu;
struct CPrintPreviewState;

// Commands of the bar toggles and the menu-bar toggle a toolbar sends.
#define LU_ID_VIEW_TOOLBAR 0xE800
#define LU_ID_VIEW_STATUS_BAR 0xE801
#define LU_WM_TOGGLEMENUBAR (WM_USER + 0x1004)

// The bar style a frame's own menu bar gets: top side, a row of its own.
#define LU_MENUBAR_STYLE 0x0500

class LULIB_API CLuFrameWnd : public CFrameWnd, public ILuWinSink {
    DECLARE_DYNCREATE(CLuFrameWnd)
public:
    CLuFrameWnd();
    ~CLuFrameWnd() override;

    virtual void OnSize(UINT nType, int cx, int cy);
    // Offers WM_SYSKEYDOWN and WM_SYSKEYUP to a visible menu bar; TRUE when it took them.
    // The spelling "OnMenuAccelator" is part of the library's interface.
    virtual BOOL OnMenuAccelator(MSG* pMsg);
    // The frame title for a document name, the standard way.
    virtual void SetTitle(LPCSTR lpszTitle);

    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCreateClient(LPCREATESTRUCTW lpcs, CCreateContext* pContext) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // ---- Bars ----
    // Replaces the frame's own menu bar by one made from menu nIDMenu (0: none).
    BOOL SetMenuID(UINT nIDMenu);
    // pBar becomes the current menu bar (null: the frame's own again).
    BOOL SetMenu(CLuMenuBar* pBar);
    BOOL ShowMainMenuBar(BOOL bShow);
    BOOL IsMainMenuBarVisible() const;
    CLuMenuBar* GetMenuBar() const;
    HMENU GetMenuHandle() const;
    BOOL SetStatusBar(CLuStatusBar* pBar);
    CLuStatusBar* GetStatusBar() const { return m_pStatusBar; }
    BOOL AddToolBar(CLuToolBar* pBar);
    CLuDockBarMgr& GetDockBarMgr() { return m_dockBarMgr; }

    // ---- Client window ----
    CLuClientWnd& GetClientWnd();
    CWnd* GetMainChild();
    CWnd* SetMainChild(CLuCContext* pContext, CWnd*& pOld);
    BOOL SetMainChild(CWnd* pWnd, CWnd*& pOld, CLuSetParentAux* pAux = nullptr);

    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

    // ---- Caption ----
    // The caption band, caption buttons and border on a DC in window coordinates.
    void PaintNonClient(CDC& dc);
    BOOL HasSkinCaption() const { return (GetStyle() & WS_CAPTION) == WS_CAPTION; }
    // A caption button (LU_CAPBTN_*), placed for the window as it is now.
    CLuTButton& GetCaptionButton(UINT nButton);
    // The caption band's rectangle in window coordinates.
    CRect GetCaptionRect() const;

    // ---- The caption buttons' sink ----
    BOOL IsCapture() override;
    void Capture() override;
    void RelsCapture() override;
    void OnClick(UINT nButton) override;
    CWnd* GetSinkWnd() override { return this; }
    void RedrawSinkButton(UINT nButton) override;
    POINT GetSinkCursorPos() override;

protected:
    int OnCreate(LPCREATESTRUCTW lpcs);
    void OnDestroy();
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);
    LRESULT OnToggleMenuBar(WPARAM wParam, LPARAM lParam);

    // Non-client: caption, buttons, border.
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    BOOL OnNcActivate(BOOL bActive);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

    // Places the caption buttons for the current window size and style.
    void LayoutCaptionButtons();
    // The window rectangle with its origin at its own top-left corner.
    CRect WindowRectAtOrigin() const;
    // A point in screen or client coordinates as the caption buttons see it.
    CPoint ScreenToWindow(CPoint ptScreen) const;
    CPoint ClientToWindow(CPoint ptClient) const;
    void RelayToButtons(UINT message, UINT nFlags, CPoint ptWindow);
    // Paints the non-client area now, in a window DC.
    void RedrawCaption();
    void UpdateWindowRegion();
    // Deletes the frame's own menu bar; both menu-bar pointers stop naming it.
    void DeleteOwnMenuBar();
    BOOL ToggleBar(CLuControlBar* pBar);

    CLuClientWnd m_wndClient;
    CLuStatusBar* m_pStatusBar = nullptr;   // the program's
    CLuControlBar* m_pOwnMenuBar = nullptr; // made by SetMenuID, owned
    CLuControlBar* m_pMenuBar = nullptr;    // the current one: the own one or the program's
    UINT m_nSizeType = static_cast<UINT>(-1);
    CLuDockBarMgr m_dockBarMgr;
    BOOL m_bInLayout = FALSE;
    BOOL m_bPreview = FALSE;
    CLuCmdMsgPumper m_pumper;

    luframe::CaptionButtons m_captionButtons{this};
    BOOL m_bBtnCapture = FALSE;  // a caption button holds the mouse
    BOOL m_bActive = FALSE;

    DECLARE_MESSAGE_MAP()
};
