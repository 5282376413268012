// CLuScrollBar: a scroll-bar control drawn entirely by the theme, with its own range, page,
// position and mouse tracking. It reports to its parent with WM_VSCROLL (vertical bar) or
// WM_HSCROLL, the code in the low word of wParam, the bar's position in the high word and
// lParam 0; it never moves its own position: the parent answers with SetScrollPos.
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/ControlBase.h"

// The thumb arithmetic along a track of nTrack pixels, for a range nMin..nMax and a page.
// Divisions are done in floating point and truncated.
struct LULIB_API LuScrollGeometry {
    int nMin;
    int nMax;
    int nPage;
    int nTrack;

    // 0 when the range is empty or the track shorter than 15 pixels; never below 10 otherwise.
    int ThumbLength() const;
    int ThumbOffset(int nPos) const;
    // The position a thumb dragged to nOffset stands for.
    int PosFromOffset(int nOffset) const;
};

// The timer that repeats an arrow or track press while the button stays down.
#define LU_SCROLL_TIMER 100
#define LU_SCROLL_REPEAT_MS 50

class LULIB_API CLuScrollBar : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CLuScrollBar)
    LU_DECLARE_CONTROL(CLuScrollBar, CWnd)
public:
    CLuScrollBar();
    ~CLuScrollBar() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

    int GetScrollPos() const;
    // Below the minimum the position becomes the minimum; one whose page would pass the maximum
    // is refused. Returns the previous position.
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int* pMin, int* pMax) const;
    // The page and the position are kept within the new range.
    void SetScrollRange(int nMin, int nMax, BOOL bRedraw = TRUE);
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit() const;
    void ShowScrollBar(BOOL bShow = TRUE);
    // 1 disables the first arrow, 2 the second, 3 both (ESB_* values).
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH);

    BOOL IsVertical() const;
    UINT GetArrowFlags() const { return m_nArrowFlags; }
    BOOL IsTracking() const { return m_bTracking; }
    int GetThumbOffset() const { return m_nThumbOffset; }
    int GetThumbLength() const { return m_nThumbLength; }
    int GetArrowLength() const { return m_nArrowLength; }
    // The parts of the bar in client coordinates.
    CRect GetArrowRect(BOOL bFirst) const;
    CRect GetTrackRect() const;
    CRect GetThumbRect() const;

    void PaintBar(CDC& dc);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    void OnTimer(UINT_PTR nIDEvent);
    void OnCaptureChanged(CWnd* pWnd);

private:
    enum Part { kNone, kFirstArrow, kSecondArrow, kTrackBefore, kThumb, kTrackAfter };
    Part HitPart(CPoint pt) const;
    // Acts on a press at pt: the first press may start dragging the thumb; a repeat never does.
    void PressAt(CPoint pt, BOOL bFirst);
    void Notify(UINT nCode);
    void Recalc();
    LuScrollGeometry Geometry() const;
    void Redraw();
    void EndPress();

    int m_nMin = 0;
    int m_nMax = 1000;
    int m_nPage = 5;
    int m_nPos = 0;
    BOOL m_bMouseDown = FALSE;
    BOOL m_bTracking = FALSE;
    int m_nArrowLength;
    int m_nThumbOffset = 0;
    int m_nThumbLength = 0;
    CPoint m_ptLast{-1, -1};
    UINT m_nArrowFlags = ESB_DISABLE_BOTH;
    BOOL m_bLeaveTracked = FALSE;

    DECLARE_MESSAGE_MAP()
};
