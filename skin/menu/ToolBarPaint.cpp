// CLuToolBar's painting: the glassy background, each button in its state, and the tail.
#include "skin/menu/ToolBar.h"

#include "skin/menu/ToolBarMetrics.h"
#include <algorithm>
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"
#include "skin/menu/PlainNames.h"

using namespace lutoolbar;

namespace {

typedef CLuPainter P;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }
COLORREF Color(UINT n) { return Theme().GetThemeColor(n); }

VITREOUS_STYLE BarVitreousStyle(DWORD dwStyle)
{
    if (dwStyle & LU_TOOLBAR_VITREOUS_MIRROR)
        return VITREOUS_MIRROR;
    if (dwStyle & LU_TOOLBAR_VITREOUS_FOUR)
        return VITREOUS_FOUR;
    return VITREOUS_DEFAULT;
}

}  // namespace

void CLuToolBar::PaintBar(CDC& dc)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const BOOL bVert = IsVertical();
    // Each button's band runs across the whole bar; the bands side by side and the space after
    // the last button are one fill of the same gradient.
    P::DrawVitreousRect(dc, rcClient, Color(LUCLR_LIGHTBASE), Color(LUCLR_HIGHLIGHT), !bVert, 0,
                        BarVitreousStyle(LOWORD(m_dwCtrlStyle)));
    CScopedSelect font(dc, *Theme().GetThemeFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(Color(LUCLR_TEXT));
    for (size_t i = 0; i < m_buttons.size(); ++i)
        PaintButton(dc, *m_buttons[i], static_cast<int>(i));
}

void CLuToolBar::PaintButton(CDC& dc, const CTBButton& button, int nIndex)
{
    const CRect& rc = button.m_rect;
    if (button.IsSeparator()) {
        // A 2-pixel line across the middle of the slot, 3 pixels short at both ends.
        _LUDRAW_PARAM p;
        const BOOL bVert = IsVertical();
        p.rect = bVert ? CRect(rc.left + kSeparatorInset, rc.top + rc.Height() / 2 - 1, rc.right - kSeparatorInset,
                               rc.top + rc.Height() / 2 + 1)
                       : CRect(rc.left + rc.Width() / 2 - 1, rc.top + kSeparatorInset, rc.left + rc.Width() / 2 + 1,
                               rc.bottom - kSeparatorInset);
        p.bHorz = bVert;
        p.bEnabled = TRUE;
        p.dwData = Color(LUCLR_BORDER);
        p.dwData2 = Color(LUCLR_HIGHLIGHT);
        Theme().DrawSeparator(dc, p);
        return;
    }
    if (button.HasControl())
        return;  // the control paints itself
    if (!button.IsEnabled()) {
        if (button.IsChecked())
            P::DrawFillRect(dc, rc, Color(LUCLR_DISABLED), Color(LUCLR_FACE));
        PaintImageAndCaption(dc, button, FALSE);
        PaintDropArrow(dc, button, FALSE);
        return;
    }
    const BOOL bPressed = nIndex == m_nPressed && (button.m_nState & LUTBST_PRESSED);
    if (nIndex == m_nHot || bPressed || button.IsChecked()) {
        CRect rcBody = rc;
        rcBody.DeflateRect(1, 1);
        P::DrawButtonRect(dc, rcBody, LU_DEFAULT_COLOR, Color(LUCLR_BORDER), Color(LUCLR_HIGHLIGHT),
                          Color(LUCLR_BORDER), bPressed || button.IsChecked());
    }
    PaintImageAndCaption(dc, button, TRUE);
    PaintDropArrow(dc, button, TRUE);
}

void CLuToolBar::PaintImageAndCaption(CDC& dc, const CTBButton& button, BOOL bEnabled)
{
    const CRect& rc = button.m_rect;
    const int cxDrop = (button.m_nStyle & LUTBS_DROPDOWN) ? kDropWidth : 0;
    int xText = rc.left + kButtonPadding / 2;
    if (button.m_iImage >= 0 && m_imageList.GetSafeHandle() != nullptr) {
        const CPoint pt(rc.left + kButtonPadding / 2, rc.top + (rc.Height() - m_sizeImage.cy) / 2);
        if (bEnabled) {
            m_imageList.Draw(&dc, button.m_iImage, pt, ILD_TRANSPARENT);
        } else if (HICON hIcon = m_imageList.ExtractIcon(button.m_iImage)) {
            dc.DrawState(pt, m_sizeImage, hIcon, DSS_DISABLED, nullptr);
            ::DestroyIcon(hIcon);
        }
        xText = pt.x + m_sizeImage.cx + kCaptionGap;
    }
    if ((button.m_nStyle & LUTBS_SHOWTEXT) && !button.m_strCaption.IsEmpty()) {
        CRect rcText(xText, rc.top, rc.right - cxDrop, rc.bottom);
        dc.SetTextColor(Color(bEnabled ? LUCLR_TEXT : LUCLR_DISABLEDTEXT));
        dc.DrawText(button.m_strCaption, rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        dc.SetTextColor(Color(LUCLR_TEXT));
    }
}

void CLuToolBar::PaintDropArrow(CDC& dc, const CTBButton& button, BOOL bEnabled)
{
    if (!button.HasDropPart())
        return;
    const CRect rcDrop = (button.m_nStyle & LUTBS_DROPDOWN)
                             ? button.DropRect()
                             : CRect(button.m_rect.right - kDropWidth, button.m_rect.top, button.m_rect.right,
                                     button.m_rect.bottom);
    if (bEnabled && (button.m_nStyle & LUTBS_DROPDOWN)) {
        if (button.m_bDropPressed) {
            CRect rcBody = rcDrop;
            rcBody.DeflateRect(0, 1, 1, 1);
            P::DrawButtonRectEx(dc, rcBody, LU_DEFAULT_COLOR, Color(LUCLR_BORDER), Color(LUCLR_HIGHLIGHT),
                                Color(LUCLR_BORDER), TRUE, LU_CORNER_TR | LU_CORNER_BR);
        }
        P::DrawLine(dc, CPoint(rcDrop.left, rcDrop.top + 3), CPoint(rcDrop.left, rcDrop.bottom - 3),
                    Color(LUCLR_BORDER));
    }
    const CSize size = P::ArrowSize(LUARROW_DOWN);
    P::DrawArrow(dc, P::CenterPoint(rcDrop, size), Color(bEnabled ? LUCLR_BASE : LUCLR_DISABLEDTEXT), LUARROW_DOWN);
}

// ---- The tail ----

CRect CLuToolBar::TailRect() const
{
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    const int cx = rcWnd.Width(), cy = rcWnd.Height();
    return IsVertical() ? CRect(0, cy - kTailSize, cx, cy) : CRect(cx - kTailSize, 0, cx, cy);
}

void CLuToolBar::PaintTail(CDC& dc)
{
    const CRect rc = TailRect();
    if (rc.IsRectEmpty())
        return;
    const COLORREF clrBody = m_bTailHot ? P::LightColor(Color(LUCLR_LIGHTBASE), 10) : Color(LUCLR_LIGHTBASE);
    P::DrawVitreousRect(dc, rc, clrBody, P::LightColor(clrBody, 30), !IsVertical(), 0, VITREOUS_DEFAULT);
    if (m_bTailPressed || m_bTailHot)
        P::DrawButtonRect(dc, rc, LU_DEFAULT_COLOR, Color(LUCLR_BORDER), Color(LUCLR_HIGHLIGHT), Color(LUCLR_BORDER),
                          m_bTailPressed);
    // A double chevron pointing along the bar: more of the window's furniture lies that way.
    const LUARROW nKind = IsVertical() ? LUARROW_DOWN : LUARROW_RIGHT;
    P::DrawDArrow(dc, P::CenterPoint(rc, P::DArrowSize(nKind)), Color(LUCLR_BASE), nKind);
}

// ---- Messages ----

void CLuToolBar::OnPaint()
{
    CPaintDC dc(this);
    PaintBar(dc);
}

BOOL CLuToolBar::OnEraseBkgnd(CDC*) { return TRUE; }

void CLuToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rc = lpncsp->rgrc[0];
    if (IsVertical())
        rc.bottom = std::max(rc.top, rc.bottom - kTailSize);
    else
        rc.right = std::max(rc.left, rc.right - kTailSize);
}

void CLuToolBar::OnNcPaint()
{
    CWindowDC dc(this);
    PaintTail(dc);
}
