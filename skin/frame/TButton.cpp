// Caption buttons and the splitter: their mouse behaviour through the host's sink, and their
// painting through the theme.
#include "skin/frame/TButton.h"

#include "skin/theme/Theme.h"

namespace {

typedef CLuPainter P;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

BOOL LeftButtonDown(UINT nFlags) { return (nFlags & MK_LBUTTON) != 0; }

// The host's style decides whether a minimise or maximise button works.
BOOL HostHasStyle(ILuWinSink* pSink, DWORD dwStyle)
{
    CWnd* pHost = pSink != nullptr ? pSink->GetSinkWnd() : nullptr;
    return pHost != nullptr && (::GetWindowLongW(pHost->GetSafeHwnd(), GWL_STYLE) & dwStyle) != 0;
}

// The look shared by the glyph buttons: a raised face while hot or pressed.
void DrawButtonFace(CDC& dc, const CRect& rc, BOOL bEnabled, BOOL bPressed, BOOL bHot)
{
    CLuTheme& t = Theme();
    if (bEnabled && (bPressed || bHot))
        P::DrawButtonRect(dc, rc, LU_DEFAULT_COLOR, t.GetThemeColor(LUCLR_BASE), t.GetThemeColor(LUCLR_HIGHLIGHT),
                          t.GetThemeColor(LUCLR_HOT), bPressed);
}

COLORREF GlyphColor(BOOL bEnabled)
{
    return Theme().GetThemeColor(bEnabled ? LUCLR_BASE : LUCLR_DISABLEDTEXT);
}

}  // namespace

// ---- Caption button ----

void CLuTButton::InitButton(ILuWinSink* pSink, UINT nButton, BOOL bHorz)
{
    m_pSink = pSink;
    m_nButton = nButton;
    m_bHorz = bHorz;
}

const RECT* CLuTButton::GetRect() const { return &m_rect; }

BOOL CLuTButton::Tracing() const { return m_bHot; }

void CLuTButton::OnSize(CPoint point) { m_rect.MoveToXY(point.x, point.y); }

void CLuTButton::Redraw()
{
    if (m_pSink != nullptr)
        m_pSink->RedrawSinkButton(m_nButton);
}

void CLuTButton::OnMoseMove(UINT nFlags, CPoint point)
{
    if (m_pSink == nullptr)
        return;
    const BOOL bInside = Inside(point);
    const BOOL bWasInside = Inside(m_ptLast);
    m_ptLast = point;
    if (m_bPressed && !LeftButtonDown(nFlags)) {
        // The button came up where the host never saw it: the press ends without a click.
        CancelTracking();
        if (m_pSink->IsCapture())
            m_pSink->RelsCapture();
        return;
    }
    if (!m_bPressed && !m_bHot) {
        if (bInside && !m_pSink->IsCapture()) {
            m_pSink->Capture();
            m_bHot = TRUE;
            Redraw();
        }
    } else if (m_bHot && !m_bPressed && !bInside) {
        m_bHot = FALSE;
        m_pSink->RelsCapture();
        Redraw();
    } else if (m_bHot && bInside != bWasInside) {
        Redraw();
    }
}

void CLuTButton::OnLButtonDown(UINT, CPoint point)
{
    m_ptLast = point;
    if (m_pSink == nullptr)
        return;
    if (m_bHot) {
        m_bPressed = TRUE;
        Redraw();
    } else if (!m_bPressed && Inside(point) && !m_pSink->IsCapture()) {
        m_pSink->Capture();
        m_bHot = TRUE;
        m_bPressed = TRUE;
        Redraw();
    }
}

void CLuTButton::OnLButtonUp(UINT, CPoint point)
{
    m_ptLast = point;
    if (m_pSink == nullptr || (!m_bHot && !m_bPressed))
        return;  // another widget's release
    const BOOL bClicked = m_bPressed && Inside(point);
    m_bHot = FALSE;
    m_bPressed = FALSE;
    m_pSink->RelsCapture();
    m_pSink->RedrawSinkButton(m_nButton);
    // Last: a click may close the host, and this button with it.
    if (bClicked)
        m_pSink->OnClick(m_nButton);
}

void CLuTButton::CancelTracking()
{
    if (!m_bHot && !m_bPressed)
        return;
    m_bHot = FALSE;
    m_bPressed = FALSE;
    Redraw();
}

void CLuTButton::GetDrawState(BOOL& bPressed, BOOL& bHot)
{
    const BOOL bInside = m_pSink != nullptr && Inside(m_pSink->GetSinkCursorPos());
    bPressed = m_bPressed && bInside;
    bHot = m_bPressed ? !bInside : bInside;
}

void CLuTCloseBtn::OnPaint(CDC& dc)
{
    _LUDRAW_PARAM p;
    p.rect = m_rect;
    p.bEnabled = TRUE;
    p.bHorz = m_bHorz;
    GetDrawState(p.bPressed, p.bHot);
    Theme().DrawTCloseButton(dc, p);
}

void CLuMinBoxBtn::OnPaint(CDC& dc)
{
    const BOOL bEnabled = HostHasStyle(m_pSink, WS_MINIMIZEBOX);
    BOOL bPressed = FALSE, bHot = FALSE;
    GetDrawState(bPressed, bHot);
    DrawButtonFace(dc, m_rect, bEnabled, bPressed, bHot);
    // A bar along the bottom of an 8 x 8 cell.
    const CPoint pt = P::CenterPoint(m_rect, CSize(8, 8));
    dc.FillSolidRect(pt.x, pt.y + 6, 8, 2, GlyphColor(bEnabled));
}

void CLuMaxBoxBtn::OnPaint(CDC& dc)
{
    const BOOL bEnabled = HostHasStyle(m_pSink, WS_MAXIMIZEBOX);
    BOOL bPressed = FALSE, bHot = FALSE;
    GetDrawState(bPressed, bHot);
    DrawButtonFace(dc, m_rect, bEnabled, bPressed, bHot);
    const COLORREF clr = GlyphColor(bEnabled);
    CWnd* pHost = m_pSink != nullptr ? m_pSink->GetSinkWnd() : nullptr;
    const CPoint pt = P::CenterPoint(m_rect, CSize(9, 9));
    // A box with a thick top; restore: two such boxes, the back one peeking out above right.
    auto box = [&](int x, int y, int cx, int cy) {
        P::DrawRect(dc, CRect(x, y, x + cx, y + cy), clr);
        dc.FillSolidRect(x, y + 1, cx, 1, clr);
    };
    if (pHost != nullptr && pHost->IsZoomed()) {
        box(pt.x + 3, pt.y, 6, 5);
        dc.FillSolidRect(pt.x + 1, pt.y + 4, 5, 4, Theme().GetThemeColor(LUCLR_LIGHTBASE));
        box(pt.x, pt.y + 3, 6, 6);
    } else {
        box(pt.x, pt.y, 9, 9);
    }
}

void CLuDArrowBtn::SetArrow(LUARROW nArrow)
{
    m_nArrow = nArrow;
    m_bInited = TRUE;
}

LUARROW CLuDArrowBtn::GetArrow() const { return m_nArrow; }

BOOL CLuDArrowBtn::IsInited() const { return m_bInited; }

void CLuDArrowBtn::OnPaint(CDC& dc)
{
    BOOL bPressed = FALSE, bHot = FALSE;
    GetDrawState(bPressed, bHot);
    DrawButtonFace(dc, m_rect, TRUE, bPressed, bHot);
    const CSize size = P::DArrowSize(m_nArrow);
    if (size.cx <= CRect(m_rect).Width() && size.cy <= CRect(m_rect).Height())
        P::DrawDArrow(dc, P::CenterPoint(m_rect, size), GlyphColor(TRUE), m_nArrow);
}

// ---- Splitter ----

CLuSplitter::CLuSplitter() : m_hArrowCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW))) {}

void CLuSplitter::InitSplitter(ILuWinSink* pSink, BOOL bHorz)
{
    m_pSink = pSink;
    m_bHorz = bHorz;
    m_hSizeCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(bHorz ? IDC_SIZENS : IDC_SIZEWE));
}

void CLuSplitter::OnMoseMove(UINT nFlags, CPoint point)
{
    if (m_pSink == nullptr)
        return;
    if (m_bDragging && !LeftButtonDown(nFlags)) {
        // The button came up where the host never saw it: the drag ends here.
        EndTracking();
        return;
    }
    const BOOL bInside = CRect(m_rect).PtInRect(point);
    if (!m_bHot) {
        if (bInside && !m_pSink->IsCapture()) {
            m_pSink->Capture();
            m_bHot = TRUE;
            ::SetCursor(m_hSizeCursor);
        }
    } else if (!m_bDragging) {
        if (!bInside) {
            m_bHot = FALSE;
            m_pSink->RelsCapture();
            ::SetCursor(m_hArrowCursor);
        }
    } else {
        m_pSink->OnReLayout(point);
    }
}

void CLuSplitter::OnLButtonDown(UINT, CPoint)
{
    if (m_bHot)
        m_bDragging = TRUE;
}

void CLuSplitter::OnLButtonUp(UINT, CPoint)
{
    if (m_bHot || m_bDragging)
        EndTracking();
}

void CLuSplitter::EndTracking()
{
    m_bDragging = FALSE;
    m_bHot = FALSE;
    ::SetCursor(m_hArrowCursor);
    if (m_pSink != nullptr && m_pSink->IsCapture())
        m_pSink->RelsCapture();
}

void CLuSplitter::CancelTracking()
{
    if (!m_bHot && !m_bDragging)
        return;
    m_bDragging = FALSE;
    m_bHot = FALSE;
    ::SetCursor(m_hArrowCursor);
}

void CLuSplitter::OnPaint(CDC& dc)
{
    _LUDRAW_PARAM p;
    p.rect = m_rect;
    p.bHorz = m_bHorz;
    p.bEnabled = TRUE;
    Theme().DrawSplitter(dc, p);
}
