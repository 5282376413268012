#include "skin/ctrl/CaptionFrame.h"

#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

namespace luctrl {

namespace {

typedef CLuPainter P;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

// The minimise bar, the maximise box and the restore double box, drawn by the buttons
// themselves in the colour of their state.
void DrawMinGlyph(CDC& dc, const CRect& rc, COLORREF clr)
{
    const CPoint pt = P::CenterPoint(rc, CSize(8, 8));
    dc.FillSolidRect(pt.x, pt.y + 6, 8, 2, clr);
}

void DrawMaxGlyph(CDC& dc, const CRect& rc, COLORREF clr)
{
    const CPoint pt = P::CenterPoint(rc, CSize(9, 8));
    const CRect box(pt.x, pt.y, pt.x + 9, pt.y + 8);
    P::DrawRect(dc, box, clr);
    dc.FillSolidRect(box.left, box.top + 1, box.Width(), 1, clr);
}

void DrawRestoreGlyph(CDC& dc, const CRect& rc, COLORREF clr)
{
    const CPoint pt = P::CenterPoint(rc, CSize(9, 8));
    const CRect back(pt.x + 2, pt.y, pt.x + 9, pt.y + 6);
    const CRect front(pt.x, pt.y + 2, pt.x + 7, pt.y + 8);
    P::DrawRect(dc, back, clr);
    dc.FillSolidRect(front, Theme().GetThemeColor(LUCLR_FACE));
    P::DrawRect(dc, front, clr);
    dc.FillSolidRect(front.left, front.top + 1, front.Width(), 1, clr);
}

class CloseButton : public CaptionButton {
public:
    using CaptionButton::CaptionButton;
    void OnPaint(CDC& dc) override
    {
        _LUDRAW_PARAM p;
        p.rect = m_rect;
        p.bEnabled = TRUE;
        PaintState(p.bPressed, p.bHot);
        Theme().DrawTCloseButton(dc, p);
    }
};

// Minimise and maximise: enabled when the host has the box, drawn like the close box.
class BoxButton : public CaptionButton {
public:
    BoxButton(UINT nButton, ILuWinSink* pSink) : CaptionButton(nButton, pSink) {}
    void OnPaint(CDC& dc) override
    {
        CLuTheme& t = Theme();
        const BOOL bEnabled = HostHasStyle(m_nButton == kButtonMinimize ? WS_MINIMIZEBOX : WS_MAXIMIZEBOX);
        BOOL bPressed = FALSE, bHot = FALSE;
        PaintState(bPressed, bHot);
        COLORREF clr = t.GetThemeColor(LUCLR_DISABLEDTEXT);
        if (bEnabled) {
            if (bPressed || bHot)
                P::DrawButtonRect(dc, m_rect, LU_DEFAULT_COLOR, t.GetThemeColor(LUCLR_BASE),
                                  t.GetThemeColor(LUCLR_HIGHLIGHT), t.GetThemeColor(LUCLR_HOT), bPressed);
            clr = t.GetThemeColor(LUCLR_BASE);
        }
        CWnd* pHost = m_pSink->GetSinkWnd();
        if (m_nButton == kButtonMinimize)
            DrawMinGlyph(dc, m_rect, clr);
        else if (pHost != nullptr && pHost->IsZoomed())
            DrawRestoreGlyph(dc, m_rect, clr);
        else
            DrawMaxGlyph(dc, m_rect, clr);
    }
};

}  // namespace

// ---- Geometry and painting ----

CRect CaptionClientRect(const CRect& rcWindow)
{
    return CRect(rcWindow.left + kFrameBorder, rcWindow.top + kCaptionHeight, rcWindow.right - kFrameBorder,
                 rcWindow.bottom - kFrameBorder);
}

CRect CaptionBandRect(const CRect& rcWindow)
{
    return CRect(rcWindow.left + kFrameBorder, rcWindow.top + kFrameBorder, rcWindow.right - kFrameBorder,
                 rcWindow.top + kCaptionHeight);
}

void FillCaptionBand(CDC& dc, const CRect& rcBand)
{
    const COLORREF body = Theme().GetThemeColor(LUCLR_LIGHTBASE);
    P::DrawVitreousRect(dc, rcBand, body, P::LightColor(body, 30), TRUE, 0);
}

void PaintCaptionFrame(CDC& dc, const CRect& rcWindow, HICON hIcon, const CString& strText)
{
    CLuTheme& t = Theme();
    const CRect band = CaptionBandRect(rcWindow);
    FillCaptionBand(dc, band);

    int x = band.left - kFrameBorder + kCaptionIconX;
    if (hIcon != nullptr) {
        const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
        ::DrawIconEx(dc.GetSafeHdc(), x, band.top + (band.Height() - cy) / 2, hIcon, cx, cy, 0, nullptr, DI_NORMAL);
        x += cx + 4;
    }
    {
        CScopedSaveDC saved(dc.GetSafeHdc());
        dc.SelectObject(t.GetThemeBoldFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(t.GetThemeColor(LUCLR_TEXT));
        // The text stops short of the caption buttons.
        CRect rcText(x, band.top, band.right - 3 * kCaptionButtonWidth - kCloseRightInset, band.bottom);
        dc.DrawText(strText, rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }

    CRect outer(rcWindow);
    P::DrawRect(dc, outer, t.GetThemeColor(LUCLR_BASE));
    outer.DeflateRect(1, 1);
    P::DrawRect(dc, outer, t.GetThemeColor(LUCLR_HIGHLIGHT));
    P::DrawTopRound(dc, CPoint(rcWindow.left, rcWindow.top), t.GetThemeColor(LUCLR_BASE), t.GetThemeColor(LUCLR_HIGHLIGHT), FALSE);
    P::DrawTopRound(dc, CPoint(rcWindow.right - 6, rcWindow.top), t.GetThemeColor(LUCLR_BASE),
                    t.GetThemeColor(LUCLR_HIGHLIGHT), TRUE);
}

HRGN CreateCaptionRegion(int cx, int cy)
{
    HRGN hRect = ::CreateRectRgn(0, 0, cx, cy);
    HRGN hRound = ::CreateRoundRectRgn(0, 0, cx + 1, cy + 10, 12, 12);
    if (hRect != nullptr && hRound != nullptr)
        ::CombineRgn(hRect, hRect, hRound, RGN_AND);
    if (hRound != nullptr)
        ::DeleteObject(hRound);
    return hRect;
}

// ---- One button ----

void CaptionButton::PaintState(BOOL& bPressed, BOOL& bHot) const
{
    const BOOL bInside = m_rect.PtInRect(m_pSink->GetSinkCursorPos());
    bPressed = m_bPressed && bInside;
    bHot = (m_bPressed && !bInside) || (!m_bPressed && bInside && m_bHot);
}

BOOL CaptionButton::HostHasStyle(DWORD dwStyle) const
{
    CWnd* pHost = m_pSink->GetSinkWnd();
    return pHost != nullptr && (pHost->GetStyle() & dwStyle) != 0;
}

void CaptionButton::OnMouseMove(CPoint pt)
{
    const BOOL bInside = m_rect.PtInRect(pt);
    const BOOL bWasInside = m_rect.PtInRect(m_ptLast);
    m_ptLast = pt;
    if (!m_bPressed && !m_bHot) {
        if (bInside && !m_pSink->IsCapture()) {
            m_pSink->Capture();
            m_bHot = TRUE;
            m_pSink->RedrawSinkButton(m_nButton);
        }
    } else if (m_bHot && !m_bPressed && !bInside) {
        m_bHot = FALSE;
        m_pSink->RedrawSinkButton(m_nButton);
        m_pSink->RelsCapture();
    } else if (m_bHot && bInside != bWasInside) {
        m_pSink->RedrawSinkButton(m_nButton);
    }
}

void CaptionButton::OnLButtonDown(CPoint pt)
{
    m_ptLast = pt;
    if (m_bHot) {
        m_bPressed = TRUE;
        m_pSink->RedrawSinkButton(m_nButton);
    } else if (!m_bPressed && !m_pSink->IsCapture() && m_rect.PtInRect(pt)) {
        m_pSink->Capture();
        m_bHot = TRUE;
        m_bPressed = TRUE;
        m_pSink->RedrawSinkButton(m_nButton);
    }
}

void CaptionButton::OnLButtonUp(CPoint pt)
{
    m_ptLast = pt;
    if (!m_bHot && !m_bPressed)
        return;
    const BOOL bClick = m_bPressed && m_rect.PtInRect(pt);
    m_bHot = FALSE;
    m_bPressed = FALSE;
    m_pSink->RelsCapture();
    m_pSink->RedrawSinkButton(m_nButton);
    // Last: the click may close the host.
    if (bClick)
        m_pSink->OnClick(m_nButton);
}

void CaptionButton::Reset()
{
    if (!m_bHot && !m_bPressed)
        return;
    m_bHot = FALSE;
    m_bPressed = FALSE;
    m_pSink->RedrawSinkButton(m_nButton);
}

// ---- The host's set ----

void CaptionButtons::Layout(const CRect& rcWindow, DWORD dwStyle)
{
    const DWORD relevant = dwStyle & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CAPTION);
    if (relevant != m_dwLayoutStyle) {
        m_dwLayoutStyle = relevant;
        m_buttons.clear();
        if ((dwStyle & WS_CAPTION) == WS_CAPTION && (dwStyle & WS_SYSMENU)) {
            m_buttons.push_back(std::make_unique<CloseButton>(kButtonClose, m_pSink));
            if (dwStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
                m_buttons.push_back(std::make_unique<BoxButton>(kButtonMaximize, m_pSink));
                m_buttons.push_back(std::make_unique<BoxButton>(kButtonMinimize, m_pSink));
            }
        }
    }
    const CRect band = CaptionBandRect(rcWindow);
    const int top = band.top + (band.Height() - kCaptionButtonHeight) / 2;
    int right = rcWindow.right - kCloseRightInset;
    for (auto& b : m_buttons) {
        b->SetRect(CRect(right - kCaptionButtonWidth, top, right, top + kCaptionButtonHeight));
        right -= kCaptionButtonWidth;
    }
}

CaptionButton* CaptionButtons::HitTest(CPoint pt) const
{
    for (const auto& b : m_buttons)
        if (CRect(*b->GetRect()).PtInRect(pt))
            return b.get();
    return nullptr;
}

CaptionButton* CaptionButtons::Find(UINT nButton) const
{
    for (const auto& b : m_buttons)
        if (b->GetButton() == nButton)
            return b.get();
    return nullptr;
}

void CaptionButtons::OnMouseMove(CPoint pt)
{
    for (auto& b : m_buttons)
        b->OnMouseMove(pt);
}

void CaptionButtons::OnLButtonDown(CPoint pt)
{
    for (auto& b : m_buttons)
        b->OnLButtonDown(pt);
}

void CaptionButtons::OnLButtonUp(CPoint pt)
{
    // The pressed button goes last: its click may destroy the host and these buttons with it.
    CaptionButton* pPressed = nullptr;
    for (auto& b : m_buttons) {
        if (b->IsPressed() && pPressed == nullptr)
            pPressed = b.get();
        else
            b->OnLButtonUp(pt);
    }
    if (pPressed != nullptr)
        pPressed->OnLButtonUp(pt);
}

void CaptionButtons::Reset()
{
    for (auto& b : m_buttons)
        b->Reset();
}

void CaptionButtons::Paint(CDC& dc)
{
    for (auto& b : m_buttons)
        b->OnPaint(dc);
}

}  // namespace luctrl
