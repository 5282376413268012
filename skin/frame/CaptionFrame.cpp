// One caption for the frame and the dialogs: geometry, painting, region and buttons.
#include "skin/frame/CaptionFrame.h"

#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

namespace luframe {

namespace {

typedef CLuPainter P;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

}  // namespace

// ---- Geometry and painting ----

CRect CaptionClientRect(const CRect& rcWindow)
{
    return CRect(rcWindow.left + LU_FRAME_BORDER, rcWindow.top + LU_FRAME_CAPTION,
                 rcWindow.right - LU_FRAME_BORDER, rcWindow.bottom - LU_FRAME_BORDER);
}

CRect CaptionBandRect(const CRect& rcWindow)
{
    return CRect(rcWindow.left + LU_FRAME_BORDER, rcWindow.top + LU_FRAME_BORDER,
                 rcWindow.right - LU_FRAME_BORDER, rcWindow.top + LU_FRAME_CAPTION);
}

void FillCaptionBand(CDC& dc, const CRect& rcBand)
{
    const COLORREF body = Theme().GetThemeColor(LUCLR_LIGHTBASE);
    P::DrawVitreousRect(dc, rcBand, body, P::LightColor(body, 30), TRUE, 0);
}

void PaintCaptionFrame(CDC& dc, const CRect& rcWindow, HICON hIcon, const CString& strText,
                       CaptionButtons& buttons)
{
    CLuTheme& t = Theme();
    const COLORREF outer = t.GetThemeColor(LUCLR_BASE), inner = t.GetThemeColor(LUCLR_HIGHLIGHT);
    P::DrawRect(dc, rcWindow, outer);
    P::DrawRect(dc,
                CRect(rcWindow.left + 1, rcWindow.top + 1, rcWindow.right - 1, rcWindow.bottom - 1),
                inner);

    const CRect band = CaptionBandRect(rcWindow);
    FillCaptionBand(dc, band);
    int xText = LU_FRAME_ICON_X;
    if (hIcon != nullptr) {
        const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
        dc.DrawIconEx(LU_FRAME_ICON_X, band.top + (band.Height() - cy) / 2, hIcon, cx, cy);
        xText += cx + LU_FRAME_ICON_X;
    }
    {
        CScopedSelect font(dc, *t.GetThemeBoldFont());
        const int nOldMode = dc.SetBkMode(TRANSPARENT);
        const COLORREF clrOld = dc.SetTextColor(t.GetThemeColor(LUCLR_TEXT));
        CRect rcText(xText, band.top, buttons.TextRight(band), band.bottom);
        if (rcText.Width() > 0)
            P::DrawHorizText(dc, strText, rcText, TRUE);
        dc.SetTextColor(clrOld);
        dc.SetBkMode(nOldMode);
    }
    buttons.Paint(dc);
    // The rounded corners (the window region cuts off what lies outside them).
    P::DrawTopRound(dc, CPoint(rcWindow.left, rcWindow.top), outer, inner, TRUE);
    P::DrawTopRound(dc, CPoint(rcWindow.right - 6, rcWindow.top), outer, inner, FALSE);
}

HICON CaptionIcon(HWND hWnd)
{
    auto hIcon = reinterpret_cast<HICON>(::SendMessageW(hWnd, WM_GETICON, ICON_SMALL, 0));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(hWnd, GCLP_HICONSM));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(hWnd, GCLP_HICON));
    return hIcon;
}

HRGN CreateCaptionRegion(int cx, int cy)
{
    CRgn rgnWindow, rgnRound;
    if (!rgnWindow.CreateRectRgn(0, 0, cx, cy) ||
        !rgnRound.CreateRoundRectRgn(0, 0, cx + 1, cy + 10, LU_FRAME_CORNER, LU_FRAME_CORNER))
        return nullptr;
    rgnWindow.CombineRgn(&rgnWindow, &rgnRound, RGN_AND);
    return static_cast<HRGN>(rgnWindow.Detach());
}

// ---- The buttons ----

CaptionButtons::CaptionButtons(ILuWinSink* pSink)
{
    // The band is a horizontal strip.
    m_close.InitButton(pSink, LU_CAPBTN_CLOSE, TRUE);
    m_max.InitButton(pSink, LU_CAPBTN_MAX, TRUE);
    m_min.InitButton(pSink, LU_CAPBTN_MIN, TRUE);
}

void CaptionButtons::Layout(const CRect& rcWindow, DWORD dwStyle)
{
    CRect rcClose, rcMax, rcMin;
    if ((dwStyle & WS_CAPTION) == WS_CAPTION && (dwStyle & WS_SYSMENU)) {
        const CRect band = CaptionBandRect(rcWindow);
        const int top = band.top + (band.Height() - LU_CAPBTN_HEIGHT) / 2;
        const int right = rcWindow.right - LU_CAPBTN_MARGIN;
        rcClose = CRect(right - LU_CAPBTN_WIDTH, top, right, top + LU_CAPBTN_HEIGHT);
        if (dwStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
            rcMax = rcClose;
            rcMax.OffsetRect(-LU_CAPBTN_WIDTH, 0);
            rcMin = rcMax;
            rcMin.OffsetRect(-LU_CAPBTN_WIDTH, 0);
        }
    }
    m_close.OnSize(rcClose);
    m_max.OnSize(rcMax);
    m_min.OnSize(rcMin);
}

CLuTButton* CaptionButtons::HitTest(CPoint pt)
{
    for (CLuTButton* p : {static_cast<CLuTButton*>(&m_close), static_cast<CLuTButton*>(&m_max),
                          static_cast<CLuTButton*>(&m_min)})
        if (CRect(p->GetRect()).PtInRect(pt))
            return p;
    return nullptr;
}

CLuTButton* CaptionButtons::Find(UINT nButton)
{
    switch (nButton) {
    case LU_CAPBTN_CLOSE: return &m_close;
    case LU_CAPBTN_MAX: return &m_max;
    case LU_CAPBTN_MIN: return &m_min;
    default: return nullptr;
    }
}

void CaptionButtons::OnMouseMove(UINT nFlags, CPoint pt)
{
    for (CLuTButton* p : {static_cast<CLuTButton*>(&m_min), static_cast<CLuTButton*>(&m_max),
                          static_cast<CLuTButton*>(&m_close)})
        if (!CRect(p->GetRect()).IsRectEmpty())
            p->OnMoseMove(nFlags, pt);
}

void CaptionButtons::OnLButtonDown(CPoint pt)
{
    for (CLuTButton* p : {static_cast<CLuTButton*>(&m_min), static_cast<CLuTButton*>(&m_max),
                          static_cast<CLuTButton*>(&m_close)})
        if (!CRect(p->GetRect()).IsRectEmpty())
            p->OnLButtonDown(MK_LBUTTON, pt);
}

void CaptionButtons::OnLButtonUp(CPoint pt)
{
    // Only the button that took the press or the hover hears the release: its click may end
    // the host, these buttons with it.
    for (CLuTButton* p : {static_cast<CLuTButton*>(&m_min), static_cast<CLuTButton*>(&m_max),
                          static_cast<CLuTButton*>(&m_close)}) {
        if (p->Tracing() || p->IsPressed()) {
            p->OnLButtonUp(0, pt);
            return;
        }
    }
}

void CaptionButtons::Reset()
{
    m_close.CancelTracking();
    m_max.CancelTracking();
    m_min.CancelTracking();
}

void CaptionButtons::Paint(CDC& dc)
{
    m_min.OnPaint(dc);
    m_max.OnPaint(dc);
    m_close.OnPaint(dc);
}

int CaptionButtons::TextRight(const CRect& rcBand)
{
    for (CLuTButton* p : {static_cast<CLuTButton*>(&m_min), static_cast<CLuTButton*>(&m_max),
                          static_cast<CLuTButton*>(&m_close)}) {
        const CRect rc(p->GetRect());
        if (!rc.IsRectEmpty())
            return rc.left - LU_CAPBTN_MARGIN;
    }
    return rcBand.right - LU_CAPBTN_MARGIN;
}

}  // namespace luframe
