#include "skin/ctrl/ScrollBar.h"

#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/theme/Theme.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CLuScrollBar, CWnd)
LU_IMPLEMENT_CONTROL(CLuScrollBar)
LU_PROVIDE_LIBRARY_CLASS(CLuScrollBar, LU_ROW_SCROLLBAR, LuNewClassProc)

BEGIN_MESSAGE_MAP(CLuScrollBar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_TIMER()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

// A track shorter than this shows no thumb; a thumb is never shorter than the minimum.
constexpr int kMinTrackForThumb = 15;
constexpr int kMinThumb = 10;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

}  // namespace

// ---- Geometry ----

int LuScrollGeometry::ThumbLength() const
{
    const int range = nMax - nMin;
    if (range < 1 || nTrack < kMinTrackForThumb)
        return 0;
    const int page = std::clamp(nPage, 0, range);
    const int t = static_cast<int>(static_cast<double>(nTrack) * page / range);
    return t <= kMinThumb - 1 ? kMinThumb : std::min(t, nTrack);
}

int LuScrollGeometry::ThumbOffset(int nPos) const
{
    const int t = ThumbLength();
    const int room = nTrack - t;
    const int page = std::clamp(nPage, 0, std::max(0, nMax - nMin));
    if (room <= 0)
        return 0;
    if (nPos + page >= nMax)
        return room;
    if (nPos <= nMin || nMax - nMin < 1)
        return 0;
    const int span = nMax - nMin - page;
    if (span <= 0)
        return 0;
    const int off = static_cast<int>(static_cast<double>(nPos - nMin) * room / span);
    return std::min(off, room);
}

int LuScrollGeometry::PosFromOffset(int nOffset) const
{
    const int t = ThumbLength();
    const int room = nTrack - t;
    const int page = std::clamp(nPage, 0, std::max(0, nMax - nMin));
    const int limit = std::max(nMin, nMax - page);
    if (nOffset + t >= nTrack)
        return limit;
    if (nOffset <= 0 || room <= 0)
        return nMin;
    const int pos = nMin + static_cast<int>(static_cast<double>(nOffset) * (nMax - nMin - page) / room);
    return std::min(pos, limit);
}

// ---- Construction ----

CLuScrollBar::CLuScrollBar() : m_nArrowLength(::GetSystemMetrics(SM_CYVTHUMB)) {}

CLuScrollBar::~CLuScrollBar() = default;

BOOL CLuScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    CLuCreateBlock block(this);
    return CreateEx(0, LU_WNDCLASS_NAME("ScrollBar"), nullptr, dwStyle | WS_CHILD, rect, pParent, nID, &block);
}

void CLuScrollBar::OnInitCtrl(DWORD dwStyle)
{
    m_dwCtrlStyle = dwStyle;
    m_nArrowLength = ::GetSystemMetrics(IsVertical() ? SM_CYVTHUMB : SM_CXHTHUMB);
    Recalc();
}

BOOL CLuScrollBar::IsVertical() const { return (m_dwCtrlStyle & SBS_VERT) != 0; }

LuScrollGeometry CLuScrollBar::Geometry() const
{
    int track = 0;
    if (m_hWnd != nullptr) {
        CRect rc;
        GetClientRect(&rc);
        track = std::max(0, (IsVertical() ? rc.Height() : rc.Width()) - 2 * m_nArrowLength);
    }
    return LuScrollGeometry{m_nMin, m_nMax, m_nPage, track};
}

void CLuScrollBar::Recalc()
{
    const LuScrollGeometry g = Geometry();
    m_nThumbLength = g.ThumbLength();
    if (!m_bTracking)
        m_nThumbOffset = g.ThumbOffset(m_nPos);
    else
        m_nThumbOffset = std::clamp(m_nThumbOffset, 0, std::max(0, g.nTrack - m_nThumbLength));
}

void CLuScrollBar::Redraw()
{
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

// ---- Range, page and position ----

int CLuScrollBar::GetScrollPos() const { return m_nPos; }

int CLuScrollBar::SetScrollPos(int nPos, BOOL bRedraw)
{
    const int nOld = m_nPos;
    if (nPos < m_nMin)
        nPos = m_nMin;
    if (nPos + m_nPage > m_nMax)
        return nOld;  // the page would pass the end: refused
    m_nPos = nPos;
    Recalc();
    if (bRedraw)
        Redraw();
    return nOld;
}

void CLuScrollBar::GetScrollRange(int* pMin, int* pMax) const
{
    if (pMin != nullptr)
        *pMin = m_nMin;
    if (pMax != nullptr)
        *pMax = m_nMax;
}

void CLuScrollBar::SetScrollRange(int nMin, int nMax, BOOL bRedraw)
{
    m_nMin = nMin;
    m_nMax = nMax;
    // The page never exceeds the range and the position stays where its page fits.
    m_nPage = std::clamp(m_nPage, 0, std::max(0, m_nMax - m_nMin));
    m_nPos = std::clamp(m_nPos, m_nMin, std::max(m_nMin, m_nMax - m_nPage));
    Recalc();
    if (bRedraw)
        Redraw();
}

BOOL CLuScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    if (lpScrollInfo == nullptr)
        return FALSE;
    const UINT mask = lpScrollInfo->fMask;
    if (mask & SIF_PAGE)
        m_nPage = static_cast<int>(lpScrollInfo->nPage);
    if (mask & SIF_RANGE) {
        m_nMin = lpScrollInfo->nMin;
        m_nMax = lpScrollInfo->nMax;
    }
    m_nPage = std::clamp(m_nPage, 0, std::max(0, m_nMax - m_nMin));
    m_nPos = std::clamp(m_nPos, m_nMin, std::max(m_nMin, m_nMax - m_nPage));
    if (mask & SIF_TRACKPOS)
        m_nThumbOffset = lpScrollInfo->nTrackPos;
    if ((mask & SIF_DISABLENOSCROLL) && m_hWnd != nullptr)
        EnableWindow(FALSE);
    Recalc();
    if (mask & SIF_POS)
        SetScrollPos(lpScrollInfo->nPos, FALSE);
    if (bRedraw)
        Redraw();
    return TRUE;
}

BOOL CLuScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    if (lpScrollInfo == nullptr)
        return FALSE;
    if (nMask & SIF_PAGE)
        lpScrollInfo->nPage = static_cast<UINT>(m_nPage);
    if (nMask & SIF_POS)
        lpScrollInfo->nPos = m_nPos;
    if (nMask & SIF_RANGE) {
        lpScrollInfo->nMin = m_nMin;
        lpScrollInfo->nMax = m_nMax;
    }
    if (nMask & SIF_TRACKPOS)
        lpScrollInfo->nTrackPos = m_bTracking ? Geometry().PosFromOffset(m_nThumbOffset) : m_nPos;
    return TRUE;
}

int CLuScrollBar::GetScrollLimit() const { return m_nMax - m_nPage; }

void CLuScrollBar::ShowScrollBar(BOOL bShow)
{
    if (m_hWnd != nullptr)
        ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

BOOL CLuScrollBar::EnableScrollBar(UINT nArrowFlags)
{
    m_nArrowFlags = nArrowFlags & ESB_DISABLE_BOTH;
    Redraw();
    return TRUE;
}

// ---- Parts ----

CRect CLuScrollBar::GetArrowRect(BOOL bFirst) const
{
    CRect rc;
    GetClientRect(&rc);
    if (IsVertical())
        return bFirst ? CRect(rc.left, rc.top, rc.right, rc.top + m_nArrowLength)
                      : CRect(rc.left, rc.bottom - m_nArrowLength, rc.right, rc.bottom);
    return bFirst ? CRect(rc.left, rc.top, rc.left + m_nArrowLength, rc.bottom)
                  : CRect(rc.right - m_nArrowLength, rc.top, rc.right, rc.bottom);
}

CRect CLuScrollBar::GetTrackRect() const
{
    CRect rc;
    GetClientRect(&rc);
    if (IsVertical()) {
        rc.top += m_nArrowLength;
        rc.bottom = std::max(rc.top, rc.bottom - m_nArrowLength);
    } else {
        rc.left += m_nArrowLength;
        rc.right = std::max(rc.left, rc.right - m_nArrowLength);
    }
    return rc;
}

CRect CLuScrollBar::GetThumbRect() const
{
    CRect rc = GetTrackRect();
    if (m_nThumbLength <= 0)
        return CRect(rc.left, rc.top, rc.left, rc.top);
    if (IsVertical()) {
        rc.top += m_nThumbOffset;
        rc.bottom = rc.top + m_nThumbLength;
    } else {
        rc.left += m_nThumbOffset;
        rc.right = rc.left + m_nThumbLength;
    }
    return rc;
}

CLuScrollBar::Part CLuScrollBar::HitPart(CPoint pt) const
{
    CRect rc;
    GetClientRect(&rc);
    if (!rc.PtInRect(pt))
        return kNone;
    if (GetArrowRect(TRUE).PtInRect(pt))
        return kFirstArrow;
    if (GetArrowRect(FALSE).PtInRect(pt))
        return kSecondArrow;
    const CRect thumb = GetThumbRect();
    if (thumb.PtInRect(pt))
        return kThumb;
    const int along = IsVertical() ? pt.y : pt.x;
    return along < (IsVertical() ? thumb.top : thumb.left) ? kTrackBefore : kTrackAfter;
}

// ---- Mouse ----

void CLuScrollBar::Notify(UINT nCode)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent != nullptr)
        ::SendMessageW(hParent, IsVertical() ? WM_VSCROLL : WM_HSCROLL,
                       MAKEWPARAM(nCode, static_cast<WORD>(m_nPos)), 0);
}

void CLuScrollBar::PressAt(CPoint pt, BOOL bFirst)
{
    UINT code = 0xFFFF;
    switch (HitPart(pt)) {
    case kThumb:
        if (bFirst && m_nThumbLength > 0)
            m_bTracking = TRUE;
        break;
    case kFirstArrow:
        if (!(m_nArrowFlags & ESB_DISABLE_LTUP) && !m_bTracking && m_nPos >= m_nMin)
            code = SB_LINEUP;
        break;
    case kSecondArrow:
        if (!(m_nArrowFlags & ESB_DISABLE_RTDN) && m_nPos + m_nPage <= m_nMax)
            code = SB_LINEDOWN;
        break;
    case kTrackBefore:
    case kTrackAfter:
        if (!m_bTracking && m_nPos + m_nPage <= m_nMax && m_nPos >= m_nMin)
            code = HitPart(pt) == kTrackBefore ? SB_PAGEUP : SB_PAGEDOWN;
        break;
    default:
        break;
    }
    if (code == 0xFFFF)
        return;
    Notify(code);
    if (m_hWnd != nullptr && m_bMouseDown)
        SetTimer(LU_SCROLL_TIMER, LU_SCROLL_REPEAT_MS);
}

void CLuScrollBar::OnLButtonDown(UINT, CPoint point)
{
    if (!IsWindowEnabled())
        return;
    SetCapture();
    m_bMouseDown = TRUE;
    m_ptLast = point;
    PressAt(point, TRUE);
    Redraw();
}

void CLuScrollBar::OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }

void CLuScrollBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != LU_SCROLL_TIMER) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (!m_bMouseDown || m_bTracking) {
        KillTimer(LU_SCROLL_TIMER);
        return;
    }
    PressAt(m_ptLast, FALSE);
}

void CLuScrollBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking && m_bMouseDown) {
        CRect rc;
        GetClientRect(&rc);
        const bool inBand = IsVertical() ? (point.x >= rc.left && point.x < rc.right)
                                         : (point.y >= rc.top && point.y < rc.bottom);
        if (inBand) {
            const int delta = IsVertical() ? point.y - m_ptLast.y : point.x - m_ptLast.x;
            const LuScrollGeometry g = Geometry();
            m_nThumbOffset = std::clamp(m_nThumbOffset + delta, 0, std::max(0, g.nTrack - m_nThumbLength));
            m_ptLast = point;
            Redraw();
            HWND hParent = ::GetParent(m_hWnd);
            if (hParent != nullptr)
                ::SendMessageW(hParent, IsVertical() ? WM_VSCROLL : WM_HSCROLL,
                               MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(g.PosFromOffset(m_nThumbOffset))), 0);
        }
        return;
    }
    // Hover: arrows and thumb are drawn hot as the pointer enters and leaves them.
    const Part before = m_ptLast.x == -1 && m_ptLast.y == -1 ? kNone : HitPart(m_ptLast);
    m_ptLast = point;
    if (!m_bLeaveTracked && !m_bMouseDown) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
        m_bLeaveTracked = ::TrackMouseEvent(&tme);
    }
    if (HitPart(point) != before)
        Redraw();
    (void)nFlags;
}

LRESULT CLuScrollBar::OnMouseLeave(WPARAM, LPARAM)
{
    m_bLeaveTracked = FALSE;
    if (!m_bMouseDown) {
        m_ptLast = CPoint(-1, -1);
        Redraw();
    }
    return 0;
}

void CLuScrollBar::EndPress()
{
    m_bMouseDown = FALSE;
    m_bTracking = FALSE;
    m_ptLast = CPoint(-1, -1);
    if (m_hWnd != nullptr) {
        KillTimer(LU_SCROLL_TIMER);
        Recalc();
        Redraw();
    }
}

void CLuScrollBar::OnLButtonUp(UINT, CPoint)
{
    if (!m_bMouseDown)
        return;
    // Cleared before the capture goes, so losing it here is no interruption.
    EndPress();
    if (GetCapture() == this)
        ::ReleaseCapture();
}

void CLuScrollBar::OnCaptureChanged(CWnd* pWnd)
{
    // Taken away while pressed: the repeat stops as on a release.
    if (m_bMouseDown)
        EndPress();
    CWnd::OnCaptureChanged(pWnd);
}

void CLuScrollBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Recalc();
    Redraw();
}

// ---- Painting ----

void CLuScrollBar::PaintBar(CDC& dc)
{
    CLuTheme& t = Theme();
    const Part hover = m_ptLast.x == -1 && m_ptLast.y == -1 ? kNone : HitPart(m_ptLast);
    const BOOL bHorz = !IsVertical();
    for (BOOL bFirst : {TRUE, FALSE}) {
        _LUDRAW_PARAM p;
        p.rect = GetArrowRect(bFirst);
        p.bEnabled = !(m_nArrowFlags & (bFirst ? ESB_DISABLE_LTUP : ESB_DISABLE_RTDN)) && IsWindowEnabled();
        p.bPressed = m_bMouseDown;
        p.bHot = hover == (bFirst ? kFirstArrow : kSecondArrow);
        p.bHorz = bHorz;
        p.dwData = bFirst;
        t.DrawScrollBarArrow(dc, p);
    }
    const CRect track = GetTrackRect();
    const CRect thumb = GetThumbRect();
    _LUDRAW_PARAM tp;
    tp.bHorz = bHorz;
    tp.bEnabled = IsWindowEnabled();
    tp.rect = bHorz ? CRect(track.left, track.top, thumb.left, track.bottom)
                    : CRect(track.left, track.top, track.right, thumb.top);
    if (m_nThumbLength <= 0)
        tp.rect = track;
    t.DrawScrollBarTrack(dc, tp);
    if (m_nThumbLength <= 0)
        return;
    tp.rect = bHorz ? CRect(thumb.right, track.top, track.right, track.bottom)
                    : CRect(track.left, thumb.bottom, track.right, track.bottom);
    t.DrawScrollBarTrack(dc, tp);
    _LUDRAW_PARAM hp;
    hp.rect = thumb;
    hp.bHorz = bHorz;
    hp.bEnabled = IsWindowEnabled();
    hp.bPressed = m_bMouseDown;
    hp.bTracking = m_bTracking;
    hp.bHot = hover == kThumb;
    t.DrawScrollBarHandle(dc, hp);
}

void CLuScrollBar::OnPaint()
{
    CPaintDC dc(this);
    PaintBar(dc);
}

BOOL CLuScrollBar::OnEraseBkgnd(CDC*) { return TRUE; }
