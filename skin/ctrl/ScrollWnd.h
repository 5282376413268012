// CLuScrollWnd: a frame that puts a vertical and a horizontal CLuScrollBar around one existing
// child window and takes over the child's placement, so any window can have skinned scroll
// bars. The child cooperates: its window procedure offers each of its own messages to
// HookMsg first (and returns the result when HookMsg handled it):
//
//     LRESULT CMyPane::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
//     {
//         LRESULT r = 0;
//         if (m_pScrollWnd != nullptr && m_pScrollWnd->HookMsg(msg, wp, lp, &r))
//             return r;
//         return CWnd::WindowProc(msg, wp, lp);
//     }
//
// Moving or sizing the child then moves the scroll window instead (the child is laid out inside
// it, less the bar strips), showing or hiding the child shows or hides both, and destroying the
// child destroys the scroll window.
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/ControlBase.h"
#include "skin/ctrl/ScrollBar.h"

#include <memory>

// Control style: the bars' scroll messages are passed on to the child.
#define LU_SCROLLWND_CUSTOM 0x0001
// Thickness of a bar's strip.
#define LU_SCROLLBAR_SIZE 16
// Asked by a child while it is being sized: the client rectangle it will get.
#define LU_WM_RECALCPARENT 0x0368

class LULIB_API CLuScrollWnd : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CLuScrollWnd)
    LU_DECLARE_CONTROL(CLuScrollWnd, CWnd)
public:
    CLuScrollWnd();
    ~CLuScrollWnd() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
    // The window to be framed (not owned).
    void SetChild(CWnd* pChild);
    CWnd* GetChild() const { return m_pChild; }

    // The vertical bar for SB_VERT, the horizontal one otherwise.
    CLuScrollBar* GetLuScrollBarCtrl(int nBar);
    int GetScrollPos(int nBar);
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos);
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    // SB_BOTH shows or hides both bars; the child is laid out again.
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit(int nBar);
    // Shows and enables a bar (arrows enabled), or hides and disables it; SB_BOTH does both.
    void EnableScrollBarCtrl(int nBar, BOOL bEnable);
    // 16 for each visible bar: cx for the vertical one, cy for the horizontal one.
    void GetScrollBarSizes(CSize& sz);

    // The child's messages, offered by its window procedure; TRUE when handled (*pResult set).
    BOOL HookMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Places the bars and the child for the current client size.
    void RecalcLayout();
    CRect GetCornerRect() const { return m_rcCorner; }

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnDestroy();
    LRESULT OnRecalcParent(WPARAM wParam, LPARAM lParam);

private:
    BOOL HookPosChanging(WINDOWPOS* pPos);
    BOOL BarShown(const CLuScrollBar& bar) const;
    void CreateBars();

    CLuScrollBar m_wndVert;
    CLuScrollBar m_wndHorz;
    CRect m_rcCorner;
    CWnd* m_pChild = nullptr;
    int m_nLayoutDepth = 0;
    BOOL m_bSizingChild = FALSE;  // the layout itself is sizing the child: let it through
    int m_nHookDepth = 0;
    BOOL m_bDestroying = FALSE;
    BOOL m_bTellingChild = FALSE; // the child is hearing its new size from the layout
    CRect m_rcChildSizing;        // the client rectangle it is told
    // Read by callers that may outlive this object in the middle of a hook.
    std::shared_ptr<bool> m_pAlive;

    DECLARE_MESSAGE_MAP()
};
