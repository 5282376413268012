// CLuScrollView: a view that scrolls a document larger than itself with the library's skinned
// bars. At creation it puts a CLuScrollWnd in its own place and moves into it, so whoever lays
// the view out (a frame, a client window) moves and sizes the scroll window; the bars come and
// go as the document outgrows the view, and OnDraw draws in document coordinates.
#pragma once

#include "fx/win/FrameWnd.h"
#include "skin/core/LuLibDefs.h"
#include "skin/ctrl/ScrollWnd.h"

class LULIB_API CLuScrollView : public CView {
    LU_DECLARE_DYNAMIC(CLuScrollView)
public:
    CLuScrollView();
    ~CLuScrollView() override;

    // Document size, and the distances a page and a line scroll (zero: a tenth of the total
    // for a page, a tenth of a page for a line), all in pixels.
    void SetScrollSizes(CSize sizeTotal, CSize sizePage = CSize(0, 0), CSize sizeLine = CSize(0, 0));
    CSize GetTotalSize() const { return m_sizeTotal; }
    CPoint GetScrollPosition() const;
    // Clamped to the document.
    void ScrollToPosition(CPoint pt);
    CLuScrollWnd* GetScrollWnd() { return &m_scrollWnd; }

protected:
    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void UpdateBars();
    void ScrollBy(int nBar, UINT nSBCode, UINT nPos);
    // The furthest position along a bar: the document less the view's client extent.
    int Limit(int nBar) const;

    CLuScrollWnd m_scrollWnd;
    BOOL m_bHooked = FALSE;
    CSize m_sizeTotal{0, 0};
    CSize m_sizePage{0, 0};
    CSize m_sizeLine{0, 0};
    BOOL m_bInUpdate = FALSE;

    DECLARE_MESSAGE_MAP()
};
