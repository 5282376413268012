// CScrollDialog: a dialog that scrolls when it is larger than the window showing it (the control
// view and the wall page). It lives inside a host scroll window of the skin library
// (CLuScrollWnd) whose two skinned bars it drives; whoever places or shows the dialog places or
// shows the host. Bars, keys and the mouse wheel move it by lines and pages of its own sizes; the
// wheel moves as many lines as the system's "WheelScrollLines" says, at most a page.
#pragma once

#include "skin/ctrl/Dialog.h"
#include "skin/ctrl/ScrollWnd.h"
#include "skin/core/CreateContext.h"

class CScrollDialog : public CLuDialog {
    DECLARE_DYNAMIC(CScrollDialog)
public:
    enum { HOST_STYLE = WS_CHILD | WS_VISIBLE | LU_SCROLLWND_CUSTOM };

    CScrollDialog() = default;
    explicit CScrollDialog(UINT nIDTemplate, CWnd* pParent = nullptr) : CLuDialog(nIDTemplate, pParent) {}
    ~CScrollDialog() override;

    // The host scroll window in pParent, the dialog inside it (style exactly WS_CHILD, extended
    // style exactly WS_EX_TOOLWINDOW), and the host's two bars taken over.
    BOOL Create(UINT nIDTemplate, CWnd* pParent);

    // Sizes in device units (only MM_TEXT is used here). A zero page is a tenth of the total, a
    // zero line a tenth of the page.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, SIZE sizePage = SIZE{0, 0}, SIZE sizeLine = SIZE{0, 0});
    CSize GetTotalSize() const { return m_totalDev; }
    CSize GetPageSize() const { return m_pageDev; }
    CSize GetLineSize() const { return m_lineDev; }
    CPoint GetScrollPosition() const { return m_ptPos; }
    // Scrolls so that pt is the top-left visible point, within the limits.
    void ScrollToPosition(CPoint pt);
    CLuScrollWnd& GetHost() { return m_wndHost; }
    // The skinned bar of SB_VERT or SB_HORZ (null before creation).
    CLuScrollBar* GetBar(int nBar) const { return nBar == SB_VERT ? m_pVertBar : m_pHorzBar; }

    // Lines per wheel notch (-1: a page per notch); found once per process.
    static int GetWheelScrollLines();
    // The distance one wheel message scrolls: nDelta x lines / 120 lines of nLine, at most one
    // page; a page per notch when lines is -1.
    static int WheelDistance(int nDelta, int nScrollLines, int nLine, int nPage);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    // The host sees the dialog's own messages first (placement, showing, destruction).
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    BOOL OnScrollKey(UINT nChar);

    // The largest scroll position on each axis for the current client size.
    CSize ScrollLimit() const;
    void UpdateBars();
    bool BarEnabled(int nBar) const;
    // Where a scroll-bar code takes position nCurrent (nLine, nPage the steps, nMax the limit).
    static int ScrollBarTarget(UINT nSBCode, UINT nThumb, int nCurrent, int nLine, int nPage, int nMax);

    DECLARE_MESSAGE_MAP()

    CLuScrollWnd m_wndHost;
    CLuScrollBar* m_pVertBar = nullptr;
    CLuScrollBar* m_pHorzBar = nullptr;
    int m_nMapMode = MM_TEXT;
    CSize m_totalDev{0, 0};
    CSize m_pageDev{0, 0};
    CSize m_lineDev{0, 0};
    CPoint m_ptPos{0, 0};
    CSize m_sizeClient{0, 0};  // the client size last given by WM_SIZE
    BOOL m_bInsideUpdate = FALSE;
};

// How a container (a client window's bar, the main child) creates a scroll dialog: the dialog's
// own Create with the container as the host's parent.
class CScrollDialogContext : public CLuCContext {
public:
    CScrollDialogContext(CScrollDialog* pDialog, UINT nIDTemplate) : CLuCContext(pDialog), m_nIDTemplate(nIDTemplate) {}
    BOOL Create(CWnd* pWnd, CWnd* pParent) override;

private:
    UINT m_nIDTemplate;
};

// CWorkBase: a scrollable work-area dialog with its own face and one-pixel border.
class CWorkBase : public CScrollDialog {
    DECLARE_DYNAMIC(CWorkBase)
public:
    CWorkBase() = default;
    explicit CWorkBase(UINT nIDTemplate, CWnd* pParent = nullptr) : CScrollDialog(nIDTemplate, pParent) {}

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnNcPaint();

    DECLARE_MESSAGE_MAP()
};
