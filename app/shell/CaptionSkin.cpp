#include "app/shell/CaptionSkin.h"

#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

namespace caption {

namespace {

CLuTheme* Theme() { return CLuThemeManager::Instance()->GetTheme(); }

// A window rectangle moved to the origin: non-client painting works in window coordinates.
CRect Origin(const CRect& rcWindow) { return CRect(0, 0, rcWindow.Width(), rcWindow.Height()); }

}  // namespace

bool HasSkinCaption(const CWnd& wnd)
{
    return wnd.GetSafeHwnd() != nullptr && (wnd.GetStyle() & WS_CAPTION) == WS_CAPTION;
}

CRect ClientFromWindow(const CRect& rcWindow)
{
    return CRect(rcWindow.left + BORDER, rcWindow.top + CAPTION_HEIGHT, rcWindow.right - BORDER, rcWindow.bottom - BORDER);
}

CRect BandRect(const CRect& rcWindow)
{
    const CRect rc = Origin(rcWindow);
    return CRect(rc.left + BORDER, rc.top + BORDER, rc.right - BORDER, rc.top + CAPTION_HEIGHT);
}

CRect ButtonRect(const CRect& rcWindow, DWORD dwStyle, Button button)
{
    if (!(dwStyle & WS_SYSMENU))
        return CRect(0, 0, 0, 0);
    const bool bBoxes = (dwStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    int nSlot = 0;
    switch (button) {
    case BUTTON_CLOSE: nSlot = 0; break;
    case BUTTON_MAXIMIZE: nSlot = 1; break;
    case BUTTON_MINIMIZE: nSlot = 2; break;
    default: return CRect(0, 0, 0, 0);
    }
    if (nSlot > 0 && !bBoxes)
        return CRect(0, 0, 0, 0);
    const CRect rc = Origin(rcWindow);
    const int right = rc.right - CLOSE_RIGHT - nSlot * BUTTON_WIDTH;
    const int top = rc.top + (CAPTION_HEIGHT - BUTTON_HEIGHT) / 2;
    return CRect(right - BUTTON_WIDTH, top, right, top + BUTTON_HEIGHT);
}

UINT HitTest(const CRect& rcWindow, DWORD dwStyle, CPoint ptWindow)
{
    static const struct { Button button; UINT code; } buttons[] = {
        {BUTTON_CLOSE, HTCLOSE}, {BUTTON_MAXIMIZE, HTMAXBUTTON}, {BUTTON_MINIMIZE, HTMINBUTTON}};
    for (const auto& b : buttons) {
        if (ButtonRect(rcWindow, dwStyle, b.button).PtInRect(ptWindow))
            return b.code;
    }
    CRect band = BandRect(rcWindow);
    band.bottom = band.top + BAND_HIT_HEIGHT;
    return band.PtInRect(ptWindow) ? HTCAPTION : HTNOWHERE;
}

UINT ButtonCommand(Button button, bool bZoomed)
{
    switch (button) {
    case BUTTON_CLOSE: return SC_CLOSE;
    case BUTTON_MINIMIZE: return SC_MINIMIZE;
    case BUTTON_MAXIMIZE: return bZoomed ? SC_RESTORE : SC_MAXIMIZE;
    default: return 0;
    }
}

void PaintBand(CDC& dc, CWnd& wnd, const CRect& rcWindow)
{
    CLuTheme* pTheme = Theme();
    const CRect band = BandRect(rcWindow);
    const COLORREF base = pTheme->GetThemeColor(LUCLR_LIGHTBASE);
    CLuPainter::DrawVitreousRect(dc, band, base, CLuPainter::LightColor(base, LIGHTEN), FALSE, 0);
    int x = band.left + ICON_X - BORDER;
    if (HICON hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(wnd.GetSafeHwnd(), GCLP_HICONSM))) {
        const int size = ::GetSystemMetrics(SM_CXSMICON);
        ::DrawIconEx(dc.GetSafeHdc(), ICON_X, band.top + (band.Height() - size) / 2, hIcon, size, size, 0, nullptr, DI_NORMAL);
        x = ICON_X + size + 4;
    } else if (HICON hBig = reinterpret_cast<HICON>(::GetClassLongPtrW(wnd.GetSafeHwnd(), GCLP_HICON))) {
        const int size = ::GetSystemMetrics(SM_CXSMICON);
        ::DrawIconEx(dc.GetSafeHdc(), ICON_X, band.top + (band.Height() - size) / 2, hBig, size, size, 0, nullptr, DI_NORMAL);
        x = ICON_X + size + 4;
    }
    CRect text(x, band.top, band.right - 3 * BUTTON_WIDTH - CLOSE_RIGHT, band.bottom);
    CScopedSelect font(dc, *pTheme->GetThemeBoldFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(pTheme->GetThemeColor(LUCLR_TEXT));
    dc.DrawText(wnd.GetWindowText(), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
}

void PaintButton(CDC& dc, CWnd& wnd, const CRect& rcWindow, Button button, bool bHot)
{
    const DWORD style = wnd.GetStyle();
    const CRect rc = ButtonRect(rcWindow, style, button);
    if (rc.IsRectEmpty())
        return;
    CLuTheme* pTheme = Theme();
    // The band's gradient goes under the button first, so a button redrawn alone blends in.
    const COLORREF base = pTheme->GetThemeColor(LUCLR_LIGHTBASE);
    {
        const int nSaved = ::SaveDC(dc.GetSafeHdc());
        CLuPainter::SetClipBoxRect(dc, rc);
        CLuPainter::DrawVitreousRect(dc, BandRect(rcWindow), base, CLuPainter::LightColor(base, LIGHTEN), FALSE, 0);
        ::RestoreDC(dc.GetSafeHdc(), nSaved);
    }
    _LUDRAW_PARAM p;
    p.rect = rc;
    p.bHot = bHot ? TRUE : FALSE;
    if (button == BUTTON_CLOSE) {
        p.bEnabled = TRUE;
        pTheme->DrawTCloseButton(dc, p);
        return;
    }
    const bool bEnabled = (style & (button == BUTTON_MINIMIZE ? WS_MINIMIZEBOX : WS_MAXIMIZEBOX)) != 0;
    const COLORREF glyph = pTheme->GetThemeColor(bEnabled ? LUCLR_BASE : LUCLR_DISABLEDTEXT);
    if (bHot && bEnabled)
        CLuPainter::DrawRect(dc, rc, pTheme->GetThemeColor(LUCLR_BASE));
    const CPoint c = rc.CenterPoint();
    if (button == BUTTON_MINIMIZE) {
        dc.FillSolidRect(c.x - 4, c.y + 2, 8, 2, glyph);
    } else if (wnd.IsZoomed()) {
        CLuPainter::DrawRect(dc, CRect(c.x - 2, c.y - 5, c.x + 5, c.y + 2), glyph);
        dc.FillSolidRect(c.x - 5, c.y - 2, 7, 7, base);
        CLuPainter::DrawRect(dc, CRect(c.x - 5, c.y - 2, c.x + 2, c.y + 5), glyph);
    } else {
        CLuPainter::DrawRect(dc, CRect(c.x - 4, c.y - 4, c.x + 4, c.y + 4), glyph);
        dc.FillSolidRect(c.x - 4, c.y - 3, 8, 1, glyph);
    }
}

void PaintBorder(CDC& dc, const CRect& rcWindow)
{
    CLuTheme* pTheme = Theme();
    const CRect rc = Origin(rcWindow);
    const COLORREF outer = pTheme->GetThemeColor(LUCLR_BASE);
    const COLORREF inner = pTheme->GetThemeColor(LUCLR_HIGHLIGHT);
    CLuPainter::DrawRect(dc, rc, outer);
    CRect in(rc);
    in.DeflateRect(1, 1);
    CLuPainter::DrawRect(dc, in, inner);
    CLuPainter::DrawTopRound(dc, CPoint(rc.left, rc.top), outer, inner, FALSE);
    CLuPainter::DrawTopRound(dc, CPoint(rc.right - 6, rc.top), outer, inner, TRUE);
}

void PaintNonClient(CDC& dc, CWnd& wnd, Button hotButton)
{
    CRect rcWindow;
    wnd.GetWindowRect(&rcWindow);
    PaintBand(dc, wnd, rcWindow);
    for (Button b : {BUTTON_CLOSE, BUTTON_MAXIMIZE, BUTTON_MINIMIZE})
        PaintButton(dc, wnd, rcWindow, b, b == hotButton);
    PaintBorder(dc, rcWindow);
}

}  // namespace caption
