// CScrollDialog: a dialog that scrolls when it is larger than the window showing it (the control
// view and the wall page). Bars, keys and the mouse wheel move it by lines and pages of its own
// sizes; the wheel moves as many lines as the system's "WheelScrollLines" says, at most a page.
#pragma once

#include "app/shell/ShellBases.h"

class CScrollDialog : public CShellDialogBase {
    DECLARE_DYNAMIC(CScrollDialog)
public:
    CScrollDialog() = default;
    explicit CScrollDialog(UINT nIDTemplate, CWnd* pParent = nullptr) : CShellDialogBase(nIDTemplate, pParent) {}

    // The dialog as a borderless child of pParent (style exactly WS_CHILD, extended style exactly
    // WS_EX_TOOLWINDOW).
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

    // Lines per wheel notch (-1: a page per notch); found once per process.
    static int GetWheelScrollLines();
    // The distance one wheel message scrolls: nDelta x lines / 120 lines of nLine, at most one
    // page; a page per notch when lines is -1.
    static int WheelDistance(int nDelta, int nScrollLines, int nLine, int nPage);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    BOOL OnScrollKey(UINT nChar);

    // The largest scroll position on each axis for the current client size.
    CSize ScrollLimit() const;
    void UpdateBars();
    // Where a scroll-bar code takes position nCurrent (nLine, nPage the steps, nMax the limit).
    static int ScrollBarTarget(UINT nSBCode, UINT nThumb, int nCurrent, int nLine, int nPage, int nMax);

    DECLARE_MESSAGE_MAP()

    int m_nMapMode = MM_TEXT;
    CSize m_totalDev{0, 0};
    CSize m_pageDev{0, 0};
    CSize m_lineDev{0, 0};
    CPoint m_ptPos{0, 0};
    BOOL m_bInsideUpdate = FALSE;
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
