// The skinned frame's non-client area: caption band with icon and title, caption buttons
// (close, minimise, maximise/restore) driven through the frame's sink, the two-line border with
// rounded top corners, and the window region that rounds them. All of it applies only while the
// frame has a caption.
#include "skin/frame/FrameWnd.h"

#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

namespace {

typedef CLuPainter P;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

// How far from a corner the sizing border counts as the corner.
const int kCornerGrip = 8;

BOOL IsCaptionButtonHit(UINT nHitTest)
{
    return nHitTest == HTCLOSE || nHitTest == HTMINBUTTON || nHitTest == HTMAXBUTTON;
}

CSize WindowSize(HWND hWnd)
{
    RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    return CSize(rc.right - rc.left, rc.bottom - rc.top);
}

}  // namespace

// ---- Geometry ----

CRect CLuFrameWnd::GetCaptionRect() const
{
    const CSize size = WindowSize(m_hWnd);
    return CRect(LU_FRAME_BORDER, LU_FRAME_BORDER, size.cx - LU_FRAME_BORDER, LU_FRAME_CAPTION);
}

CLuTButton& CLuFrameWnd::GetCaptionButton(UINT nButton)
{
    LayoutCaptionButtons();
    switch (nButton) {
    case LU_CAPBTN_MIN: return m_btnMin;
    case LU_CAPBTN_MAX: return m_btnMax;
    default: return m_btnClose;
    }
}

void CLuFrameWnd::LayoutCaptionButtons()
{
    const CRect band = GetCaptionRect();
    const DWORD dwStyle = GetStyle();
    CRect rcClose, rcMax, rcMin;
    if ((dwStyle & WS_SYSMENU) && HasSkinCaption()) {
        const int top = band.top + (band.Height() - LU_CAPBTN_HEIGHT) / 2;
        const int right = band.right + LU_FRAME_BORDER - LU_CAPBTN_MARGIN;
        rcClose = CRect(right - LU_CAPBTN_WIDTH, top, right, top + LU_CAPBTN_HEIGHT);
        if (dwStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
            rcMax = rcClose;
            rcMax.OffsetRect(-LU_CAPBTN_WIDTH, 0);
            rcMin = rcMax;
            rcMin.OffsetRect(-LU_CAPBTN_WIDTH, 0);
        }
    }
    m_btnClose.OnSize(rcClose);
    m_btnMax.OnSize(rcMax);
    m_btnMin.OnSize(rcMin);
}

CPoint CLuFrameWnd::ScreenToWindow(CPoint ptScreen) const
{
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    return CPoint(ptScreen.x - rc.left, ptScreen.y - rc.top);
}

CPoint CLuFrameWnd::ClientToWindow(CPoint ptClient) const
{
    ::ClientToScreen(m_hWnd, &ptClient);
    return ScreenToWindow(ptClient);
}

void CLuFrameWnd::UpdateWindowRegion()
{
    if (!::IsWindow(m_hWnd))
        return;
    if (!HasSkinCaption() || m_nSizeType != SIZE_RESTORED) {
        SetWindowRgn(nullptr, TRUE);
        return;
    }
    // Only the top corners are round: the rounded rectangle reaches below the window.
    const CSize size = WindowSize(m_hWnd);
    CRgn rgnWindow, rgnRound;
    if (!rgnWindow.CreateRectRgn(0, 0, size.cx, size.cy) ||
        !rgnRound.CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 10, LU_FRAME_CORNER, LU_FRAME_CORNER))
        return;
    rgnWindow.CombineRgn(&rgnWindow, &rgnRound, RGN_AND);
    SetWindowRgn(static_cast<HRGN>(rgnWindow.Detach()), TRUE);
}

// ---- Painting ----

void CLuFrameWnd::PaintCaptionBand(CDC& dc, const CRect& rcBand)
{
    const COLORREF body = Theme().GetThemeColor(LUCLR_LIGHTBASE);
    P::DrawVitreousRect(dc, rcBand, body, P::LightColor(body, 30), TRUE, 0);
}

void CLuFrameWnd::PaintNonClient(CDC& dc)
{
    CLuTheme& t = Theme();
    LayoutCaptionButtons();
    const CSize size = WindowSize(m_hWnd);
    const COLORREF clrOuter = t.GetThemeColor(LUCLR_BASE), clrInner = t.GetThemeColor(LUCLR_HIGHLIGHT);
    P::DrawRect(dc, CRect(0, 0, size.cx, size.cy), clrOuter);
    P::DrawRect(dc, CRect(1, 1, size.cx - 1, size.cy - 1), clrInner);

    const CRect band = GetCaptionRect();
    PaintCaptionBand(dc, band);
    int xText = LU_FRAME_ICON_X;
    auto hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(m_hWnd, GCLP_HICONSM));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(m_hWnd, GCLP_HICON));
    if (hIcon != nullptr) {
        const int cxIcon = ::GetSystemMetrics(SM_CXSMICON), cyIcon = ::GetSystemMetrics(SM_CYSMICON);
        dc.DrawIconEx(LU_FRAME_ICON_X, band.top + (band.Height() - cyIcon) / 2, hIcon, cxIcon, cyIcon);
        xText += cxIcon + LU_FRAME_ICON_X;
    }
    int xRight = band.right - LU_CAPBTN_MARGIN;
    for (const CLuTButton* pButton : {static_cast<const CLuTButton*>(&m_btnMin), static_cast<const CLuTButton*>(&m_btnMax),
                                      static_cast<const CLuTButton*>(&m_btnClose)}) {
        const CRect rc(pButton->GetRect());
        if (!rc.IsRectEmpty()) {
            xRight = rc.left - LU_CAPBTN_MARGIN;
            break;
        }
    }
    {
        CScopedSelect font(dc, *t.GetThemeBoldFont());
        const int nOldMode = dc.SetBkMode(TRANSPARENT);
        const COLORREF clrOld = dc.SetTextColor(t.GetThemeColor(LUCLR_TEXT));
        CRect rcText(xText, band.top, xRight, band.bottom);
        if (rcText.Width() > 0)
            P::DrawHorizText(dc, GetWindowText(), rcText, TRUE);
        dc.SetTextColor(clrOld);
        dc.SetBkMode(nOldMode);
    }
    m_btnMin.OnPaint(dc);
    m_btnMax.OnPaint(dc);
    m_btnClose.OnPaint(dc);

    // The rounded corners (the window region cuts off what lies outside them).
    P::DrawTopRound(dc, CPoint(0, 0), clrOuter, clrInner, TRUE);
    P::DrawTopRound(dc, CPoint(size.cx - 6, 0), clrOuter, clrInner, FALSE);
}

void CLuFrameWnd::RedrawCaption()
{
    if (!::IsWindow(m_hWnd) || !HasSkinCaption())
        return;
    CWindowDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    const CPoint origin = ClientToWindow(CPoint(0, 0));
    rcClient.OffsetRect(origin.x, origin.y);
    dc.ExcludeClipRect(&rcClient);
    PaintNonClient(dc);
}

void CLuFrameWnd::RedrawSinkButton(UINT nButton)
{
    if (!::IsWindow(m_hWnd) || !HasSkinCaption())
        return;
    CLuTButton& button = GetCaptionButton(nButton);
    const CRect rc(button.GetRect());
    if (rc.IsRectEmpty())
        return;
    CWindowDC dc(this);
    dc.IntersectClipRect(&rc);
    PaintCaptionBand(dc, GetCaptionRect());
    button.OnPaint(dc);
}

// ---- Non-client messages ----

void CLuFrameWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!HasSkinCaption()) {
        Default();
        return;
    }
    RECT& rc = lpncsp->rgrc[0];
    rc.left += LU_FRAME_BORDER;
    rc.right -= LU_FRAME_BORDER;
    rc.top += LU_FRAME_CAPTION;
    rc.bottom -= LU_FRAME_BORDER;
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
}

void CLuFrameWnd::OnNcPaint()
{
    if (!HasSkinCaption()) {
        Default();
        return;
    }
    RedrawCaption();
}

BOOL CLuFrameWnd::OnNcActivate(BOOL bActive)
{
    if (!HasSkinCaption())
        return static_cast<BOOL>(Default());
    // The system would paint its own caption here.
    m_bActive = bActive;
    RedrawCaption();
    return TRUE;
}

LRESULT CLuFrameWnd::OnSetText(WPARAM, LPARAM)
{
    if (!HasSkinCaption())
        return Default();
    // The system repaints a caption of its own after storing the text; without the caption
    // style for that moment it only stores it, and the skinned caption is painted instead.
    const LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE);
    ::SetWindowLongW(m_hWnd, GWL_STYLE, style & ~WS_CAPTION);
    const LRESULT result = Default();
    ::SetWindowLongW(m_hWnd, GWL_STYLE, style);
    RedrawCaption();
    return result;
}

LRESULT CLuFrameWnd::OnNcHitTest(CPoint point)
{
    if (!HasSkinCaption())
        return Default();
    const CPoint pt = ScreenToWindow(point);
    const CSize size = WindowSize(m_hWnd);
    if (!CRect(0, 0, size.cx, size.cy).PtInRect(pt))
        return HTNOWHERE;
    LayoutCaptionButtons();
    const DWORD dwStyle = GetStyle();
    if (CRect(m_btnClose.GetRect()).PtInRect(pt))
        return HTCLOSE;
    // A box the window does not have is drawn disabled and is part of the caption.
    if (CRect(m_btnMax.GetRect()).PtInRect(pt))
        return (dwStyle & WS_MAXIMIZEBOX) ? HTMAXBUTTON : HTCAPTION;
    if (CRect(m_btnMin.GetRect()).PtInRect(pt))
        return (dwStyle & WS_MINIMIZEBOX) ? HTMINBUTTON : HTCAPTION;
    if ((dwStyle & WS_THICKFRAME) && !IsZoomed() && !IsIconic()) {
        const int b = LU_FRAME_BORDER;
        const bool l = pt.x < b, r = pt.x >= size.cx - b, t = pt.y < b, bo = pt.y >= size.cy - b;
        const bool nl = pt.x < kCornerGrip, nr = pt.x >= size.cx - kCornerGrip;
        const bool nt = pt.y < kCornerGrip, nb = pt.y >= size.cy - kCornerGrip;
        if ((t && nl) || (l && nt)) return HTTOPLEFT;
        if ((t && nr) || (r && nt)) return HTTOPRIGHT;
        if ((bo && nl) || (l && nb)) return HTBOTTOMLEFT;
        if ((bo && nr) || (r && nb)) return HTBOTTOMRIGHT;
        if (l) return HTLEFT;
        if (r) return HTRIGHT;
        if (t) return HTTOP;
        if (bo) return HTBOTTOM;
    }
    if (pt.y < LU_FRAME_CAPTION)
        return HTCAPTION;
    if (CRect(LU_FRAME_BORDER, LU_FRAME_CAPTION, size.cx - LU_FRAME_BORDER, size.cy - LU_FRAME_BORDER).PtInRect(pt))
        return HTCLIENT;
    return HTBORDER;
}

void CLuFrameWnd::RelayToButtons(UINT message, UINT nFlags, CPoint ptWindow)
{
    CLuTButton* buttons[] = {&m_btnMin, &m_btnMax, &m_btnClose};
    if (message == WM_LBUTTONUP) {
        // Only the button that took the press hears the release; its click may end the frame.
        for (CLuTButton* pButton : buttons) {
            if (pButton->Tracing() || pButton->IsPressed()) {
                pButton->OnLButtonUp(nFlags, ptWindow);
                return;
            }
        }
        return;
    }
    for (CLuTButton* pButton : buttons) {
        if (CRect(pButton->GetRect()).IsRectEmpty())
            continue;
        if (message == WM_MOUSEMOVE)
            pButton->OnMoseMove(nFlags, ptWindow);
        else if (message == WM_LBUTTONDOWN)
            pButton->OnLButtonDown(nFlags, ptWindow);
    }
}

void CLuFrameWnd::OnNcMouseMove(UINT, CPoint point)
{
    if (HasSkinCaption()) {
        LayoutCaptionButtons();
        RelayToButtons(WM_MOUSEMOVE, 0, ScreenToWindow(point));
    }
    Default();
}

void CLuFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (HasSkinCaption() && IsCaptionButtonHit(nHitTest)) {
        // The system would track (and draw) buttons of its own.
        LayoutCaptionButtons();
        RelayToButtons(WM_LBUTTONDOWN, MK_LBUTTON, ScreenToWindow(point));
        return;
    }
    Default();
}

void CLuFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    if (HasSkinCaption() && IsCaptionButtonHit(nHitTest)) {
        LayoutCaptionButtons();
        RelayToButtons(WM_LBUTTONDOWN, MK_LBUTTON, ScreenToWindow(point));
        return;
    }
    Default();
}

void CLuFrameWnd::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    if (HasSkinCaption() && (m_bBtnCapture || IsCaptionButtonHit(nHitTest))) {
        RelayToButtons(WM_LBUTTONUP, 0, ScreenToWindow(point));
        return;
    }
    Default();
}

void CLuFrameWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bBtnCapture)
        RelayToButtons(WM_MOUSEMOVE, nFlags, ClientToWindow(point));
    else
        Default();
}

// A caption button that the pointer entered holds the capture while it is hot, so the press
// that follows arrives as a client message, not as WM_NCLBUTTONDOWN: it belongs to the buttons.
void CLuFrameWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bBtnCapture)
        RelayToButtons(WM_LBUTTONDOWN, nFlags, ClientToWindow(point));
    else
        Default();
}

void CLuFrameWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bBtnCapture)
        RelayToButtons(WM_LBUTTONUP, nFlags, ClientToWindow(point));
    else
        Default();
}

void CLuFrameWnd::OnCaptureChanged(CWnd* pWnd)
{
    // A press or hover whose capture went elsewhere ends without a click.
    if (m_bBtnCapture && (pWnd == nullptr || pWnd->GetSafeHwnd() != m_hWnd)) {
        m_bBtnCapture = FALSE;
        m_btnMin.CancelTracking();
        m_btnMax.CancelTracking();
        m_btnClose.CancelTracking();
    }
    Default();
}

void CLuFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    Default();
    if (!HasSkinCaption())
        return;
    // Maximised, the thin skinned border stays on the work area instead of hanging off the
    // screen as a system frame would.
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &info)) {
        lpMMI->ptMaxPosition.x = info.rcWork.left - info.rcMonitor.left;
        lpMMI->ptMaxPosition.y = info.rcWork.top - info.rcMonitor.top;
        lpMMI->ptMaxSize.x = info.rcWork.right - info.rcWork.left;
        lpMMI->ptMaxSize.y = info.rcWork.bottom - info.rcWork.top;
    }
}

// ---- The caption buttons' sink ----

BOOL CLuFrameWnd::IsCapture() { return ::GetCapture() == m_hWnd; }

void CLuFrameWnd::Capture()
{
    m_bBtnCapture = TRUE;
    ::SetCapture(m_hWnd);
}

void CLuFrameWnd::RelsCapture()
{
    m_bBtnCapture = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CLuFrameWnd::OnClick(UINT nButton)
{
    UINT nCommand = 0;
    switch (nButton) {
    case LU_CAPBTN_CLOSE: nCommand = SC_CLOSE; break;
    case LU_CAPBTN_MIN: nCommand = SC_MINIMIZE; break;
    case LU_CAPBTN_MAX: nCommand = IsZoomed() ? SC_RESTORE : SC_MAXIMIZE; break;
    default: return;
    }
    SendMessage(WM_SYSCOMMAND, nCommand, 0);
}

POINT CLuFrameWnd::GetSinkCursorPos()
{
    POINT pt{0, 0};
    ::GetCursorPos(&pt);
    return ScreenToWindow(pt);
}
