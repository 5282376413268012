// The theme's drawing operations, one per kind of element. Colours come only from the table,
// by the entry names of Theme.h.
#include "skin/theme/Theme.h"

#include "skin/theme/Painter.h"

#include <commctrl.h>

namespace {

typedef CLuPainter P;

CRect Deflated(const RECT& rc, int n)
{
    CRect r(rc);
    r.DeflateRect(n, n);
    return r;
}

// The control's own style bits in a drawing record's dwStyle: text alignment and multi-line.
const DWORD kAlignMask = 0x300;
const DWORD kAlignLeft = 0x100;
const DWORD kAlignRight = 0x200;
const DWORD kAlignCentre = 0x300;
const DWORD kMultiLine = 0x2000;
// Border and mark of a disabled check box: the blue-grey of the disabled radio glyph.
const COLORREF kDisabledBoxColor = RGB(169, 178, 230);

// Text alignment of buttons and boxes from the control's style bits.
UINT AlignFormat(DWORD dwStyle, UINT nDefault)
{
    switch (dwStyle & kAlignMask) {
    case kAlignLeft: return DT_LEFT;
    case kAlignRight: return DT_RIGHT;
    case kAlignCentre: return DT_CENTER;
    default: return nDefault;
    }
}

bool IsMultiLine(DWORD dwStyle) { return (dwStyle & kMultiLine) != 0; }

// Transparent text in one colour for one scope.
class TextScope {
public:
    TextScope(CDC& dc, COLORREF clr) : m_dc(dc), m_oldMode(dc.SetBkMode(TRANSPARENT)), m_oldColor(dc.SetTextColor(clr)) {}
    ~TextScope()
    {
        m_dc.SetTextColor(m_oldColor);
        m_dc.SetBkMode(m_oldMode);
    }
    TextScope(const TextScope&) = delete;
    TextScope& operator=(const TextScope&) = delete;

private:
    CDC& m_dc;
    int m_oldMode;
    COLORREF m_oldColor;
};

}  // namespace

void CLuTheme::FillBackground(CDC& dc, const CRect& rc, const _LUDRAW_PARAM& p, UINT nDefault)
{
    if (p.dwData2 != 0)
        dc.FillRect(rc, reinterpret_cast<HBRUSH>(p.dwData2));
    else
        dc.FillSolidRect(rc, m_clrTable[nDefault]);
}

void CLuTheme::EdgeLines(CDC& dc, const CRect& rc, BOOL bHorz, COLORREF clr1, COLORREF clr2)
{
    if (bHorz) {
        dc.FillSolidRect(rc.left, rc.top, rc.Width(), 1, clr1);
        dc.FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, clr2);
    } else {
        dc.FillSolidRect(rc.left, rc.top, 1, rc.Height(), clr1);
        dc.FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), clr2);
    }
}

// ---- Scroll bars ----

void CLuTheme::DrawScrollBarArrow(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    const bool first = p.dwData != 0;
    const LUARROW kind = p.bHorz ? (first ? LUARROW_LEFT : LUARROW_RIGHT) : (first ? LUARROW_UP : LUARROW_DOWN);
    COLORREF clrArrow = m_clrTable[LUCLR_DISABLED];
    if (p.bEnabled) {
        const bool pressedHot = p.bPressed && p.bHot;
        const COLORREF body = pressedHot ? m_clrTable[LUCLR_BORDER]
                              : p.bHot   ? P::LightColor(m_clrTable[LUCLR_LIGHTBASE], 10)
                                         : m_clrTable[LUCLR_LIGHTBASE];
        P::DrawVitreousRect(dc, Deflated(rc, 2), body, P::LightColor(body, 30), p.bHorz, 0);
        dc.Draw3dRect(Deflated(rc, 1), m_clrTable[LUCLR_HIGHLIGHT], m_clrTable[LUCLR_LIGHTBASE]);
        P::DrawRect(dc, rc, m_clrTable[LUCLR_BORDER]);
        clrArrow = pressedHot ? m_clrTable[LUCLR_HOT]
                   : p.bHot   ? m_clrTable[LUCLR_DEFRING]
                              : m_clrTable[LUCLR_BASE];
    } else {
        P::DrawFillRect(dc, rc, m_clrTable[LUCLR_DISABLED], m_clrTable[LUCLR_FACE]);
    }
    P::DrawArrow(dc, P::CenterPoint(rc, P::ArrowSize(kind)), clrArrow, kind);
}

void CLuTheme::DrawScrollBarTrack(CDC& dc, _LUDRAW_PARAM& p)
{
    P::GradientFill(dc, CRect(p.rect), m_clrTable[LUCLR_TRACK], m_clrTable[LUCLR_FACE], !p.bHorz);
}

void CLuTheme::DrawScrollBarHandle(CDC& dc, _LUDRAW_PARAM& p)
{
    if (!p.bEnabled) {
        DrawScrollBarTrack(dc, p);
        return;
    }
    const CRect rc(p.rect);
    const COLORREF body = p.bPressed && p.bTracking ? m_clrTable[LUCLR_BORDER]
                          : p.bHot                   ? P::LightColor(m_clrTable[LUCLR_LIGHTBASE], 10)
                                                     : m_clrTable[LUCLR_LIGHTBASE];
    P::DrawVitreousRect(dc, Deflated(rc, 2), body, P::LightColor(body, 30), p.bHorz, 0);
    const LUGRIPPER kind = p.bHorz ? LUGRIPPER_HORZ : LUGRIPPER_VERT;
    const CSize grip = P::ScrollBarGripperSize(kind);
    const int length = p.bHorz ? rc.Width() : rc.Height();
    if (length >= (p.bHorz ? grip.cx : grip.cy) + 10)
        P::DrawScrollBarGripper(dc, P::CenterPoint(rc, grip), m_clrTable[LUCLR_BASE], kind);
    dc.Draw3dRect(Deflated(rc, 1), m_clrTable[LUCLR_HIGHLIGHT], m_clrTable[LUCLR_LIGHTBASE]);
    P::DrawRect(dc, rc, m_clrTable[LUCLR_BORDER]);
}

// ---- Buttons and boxes ----

void CLuTheme::DrawButton(CDC& dc, _LUDRAW_PARAM& p)
{
    TextScope text(dc, p.bEnabled ? m_clrTable[LUCLR_TEXT] : m_clrTable[LUCLR_DISABLEDTEXT]);
    CRect rc(p.rect);
    P::DrawRoundRect(dc, rc, m_clrTable[LUCLR_FACE]);
    const COLORREF face = m_clrTable[LUCLR_FACE];
    const int l = rc.left, t = rc.top, r = rc.right - 1, b = rc.bottom - 1;
    const POINT corners[12] = {{l, t}, {l + 1, t}, {l, t + 1}, {r, t}, {r - 1, t}, {r, t + 1},
                               {l, b}, {l + 1, b}, {l, b - 1}, {r, b}, {r - 1, b}, {r, b - 1}};
    for (const POINT& pt : corners)
        dc.SetPixelV(pt.x, pt.y, face);
    rc.DeflateRect(1, 1);

    if (p.dwData2 != 0)
        dc.FillRect(rc, reinterpret_cast<HBRUSH>(p.dwData2));
    CRect rcText(rc);
    HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(p.dwData);
    int cxImage = 0, cyImage = 0;
    if (hImages != nullptr)
        ImageList_GetIconSize(hImages, &cxImage, &cyImage);
    const int yImage = rc.top + (rc.Height() - cyImage) / 2;
    if (p.bEnabled) {
        P::DrawButtonRect(dc, rc, LU_DEFAULT_COLOR, m_clrTable[LUCLR_BASE], m_clrTable[LUCLR_HIGHLIGHT],
                          m_clrTable[LUCLR_BORDER], p.bPressed);
        if (hImages != nullptr)
            ImageList_Draw(hImages, 0, dc.GetSafeHdc(), rc.left + 5, yImage, ILD_TRANSPARENT);
        if (p.bHot)
            P::DrawRoundRect(dc, Deflated(rc, 1), m_clrTable[LUCLR_HOT]);
        else if (p.dwStyle & LU_STYLE_DEFBUTTON)
            P::DrawRoundRect(dc, Deflated(rc, 1), m_clrTable[LUCLR_DEFRING]);
        if (p.bFocus)
            P::DrawFocusRect(dc, Deflated(rc, 3));
    } else {
        P::DrawRoundRect(dc, rc, m_clrTable[LUCLR_BASE]);
        if (hImages != nullptr) {
            HICON hIcon = ImageList_GetIcon(hImages, 0, ILD_NORMAL);
            if (hIcon != nullptr) {
                ::DrawStateW(dc.GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(hIcon), 0,
                             rc.left + 5, yImage, cxImage, cyImage, DST_ICON | DSS_DISABLED);
                ::DestroyIcon(hIcon);
            }
        }
    }
    if (hImages != nullptr)
        rcText.left += cxImage + 5;
    rcText.DeflateRect(1, 1);
    UINT format = AlignFormat(p.dwStyle, DT_CENTER);
    format |= IsMultiLine(p.dwStyle) ? DT_WORDBREAK : (DT_VCENTER | DT_SINGLELINE);
    dc.DrawText(p.strText, rcText, format);
}

void CLuTheme::DrawGroupBox(CDC& dc, _LUDRAW_PARAM& p)
{
    TextScope text(dc, m_clrTable[LUCLR_TEXT]);
    const CRect rc(p.rect);
    const CSize ext = p.strText.IsEmpty() ? CSize(0, dc.GetTextExtent("A", 1).cy) : dc.GetTextExtent(p.strText);
    CRect frame = Deflated(rc, 1);
    frame.top += ext.cy / 2;
    P::DrawRoundRect(dc, frame, m_clrTable[LUCLR_BORDER]);
    if (p.strText.IsEmpty())
        return;
    int x = rc.left + 5;
    if ((p.dwStyle & kAlignMask) == kAlignRight)
        x = rc.right - ext.cx - 5;
    else if ((p.dwStyle & kAlignMask) == kAlignCentre)
        x = rc.left + (rc.Width() - ext.cx - 10) / 2;
    const CRect box(x, rc.top, x + ext.cx, rc.top + ext.cy);
    FillBackground(dc, box, p, LUCLR_FACE);
    dc.TextOut(box.left, box.top, p.strText);
}

void CLuTheme::DrawBoxText(CDC& dc, _LUDRAW_PARAM& p, CRect rcText, UINT nColor)
{
    TextScope text(dc, m_clrTable[nColor]);
    UINT format = AlignFormat(p.dwStyle, DT_LEFT);
    format |= IsMultiLine(p.dwStyle) ? DT_WORDBREAK : (DT_VCENTER | DT_SINGLELINE);
    // Measured first, then centred vertically in the space beside the box.
    CRect measure(rcText);
    dc.DrawText(p.strText, measure, format | DT_CALCRECT);
    const int h = measure.Height();
    CRect out(rcText);
    out.top = rcText.top + (rcText.Height() - h) / 2;
    out.bottom = out.top + h;
    dc.DrawText(p.strText, out, format);
}

void CLuTheme::DrawCheckBox(CDC& dc, _LUDRAW_PARAM& p)
{
    const UINT state = LOWORD(p.dwData);
    const bool hasText = HIWORD(p.dwData) != 0;
    CRect rc(p.rect);
    if (hasText)
        FillBackground(dc, rc, p, LUCLR_FACE);
    rc.DeflateRect(1, 1);
    const CRect box(rc.left, rc.top + (rc.Height() - 13) / 2, rc.left + 13, rc.top + (rc.Height() - 13) / 2 + 13);
    const CPoint ptMark = P::CenterPoint(box, P::CheckMarkSize());
    if (p.bEnabled) {
        if (p.bPressed) {
            P::GradientFill(dc, Deflated(box, 1), m_clrTable[LUCLR_BORDER], m_clrTable[LUCLR_HIGHLIGHT], FALSE);
        } else {
            P::GradientFill(dc, Deflated(box, 1), m_clrTable[LUCLR_HIGHLIGHT], m_clrTable[LUCLR_BORDER], FALSE);
            if (p.bHot)
                P::DrawRect(dc, Deflated(box, 1), m_clrTable[LUCLR_HOT]);
        }
        P::DrawRect(dc, box, m_clrTable[LUCLR_BASE]);
        if (state == 1)
            P::DrawCheckMark(dc, ptMark, m_clrTable[LUCLR_CHECK]);
        else if (state == 2)
            P::DrawCheckMark(dc, ptMark, m_clrTable[LUCLR_DISABLED]);
    } else {
        P::DrawRect(dc, box, kDisabledBoxColor);
        if (state == 1)
            P::DrawCheckMark(dc, ptMark, kDisabledBoxColor);
    }
    if (hasText)
        DrawBoxText(dc, p, CRect(box.right + 5, rc.top, rc.right, rc.bottom),
                    p.bEnabled ? LUCLR_TEXT : LUCLR_DISABLEDTEXT);
}

void CLuTheme::DrawRadioBox(CDC& dc, _LUDRAW_PARAM& p)
{
    const UINT state = LOWORD(p.dwData);
    const bool hasText = HIWORD(p.dwData) != 0;
    CRect rc(p.rect);
    if (hasText)
        FillBackground(dc, rc, p, LUCLR_FACE);
    rc.DeflateRect(1, 1);
    const CSize size = P::RadioSize();
    const CPoint pt(rc.left, rc.top + (rc.Height() - size.cy) / 2);
    UINT flags = 0;
    if (p.bEnabled) {
        if (p.bPressed)
            flags |= LU_RADIO_PRESSED;
        else if (p.bHot)
            flags |= LU_RADIO_HOT;
    } else {
        flags |= LU_RADIO_DISABLED;
    }
    if (state == 1 || state == 2)
        flags |= LU_RADIO_CHECKED;
    P::DrawRadio(dc, pt, flags);
    if (hasText)
        DrawBoxText(dc, p, CRect(rc.left + size.cx + 5, rc.top, rc.right, rc.bottom),
                    p.bEnabled ? LUCLR_TEXT : LUCLR_DISABLEDTEXT);
}

// ---- Frames and client areas ----

void CLuTheme::DrawFrameRect(CDC& dc, _LUDRAW_PARAM& p)
{
    COLORREF clr = p.clrColor != LU_DEFAULT_COLOR ? p.clrColor : m_clrTable[LUCLR_BORDER];
    if (!p.bEnabled)
        clr = m_clrTable[LUCLR_DISABLED];
    P::DrawRect(dc, CRect(p.rect), clr);
}

void CLuTheme::DrawClientRect(CDC& dc, _LUDRAW_PARAM& p)
{
    if (p.bEnabled)
        P::DrawFillRect(dc, CRect(p.rect), m_clrTable[LUCLR_BORDER], BkColor(p, LUCLR_WINDOW));
    else
        P::DrawFillRect(dc, CRect(p.rect), m_clrTable[LUCLR_DISABLED], BkColor(p, LUCLR_FACE));
}

void CLuTheme::FillClient(CDC& dc, _LUDRAW_PARAM& p) { dc.FillSolidRect(&p.rect, BkColor(p, LUCLR_WINDOW)); }

void CLuTheme::DrawComboBoxArrow(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    COLORREF frame = m_clrTable[LUCLR_DISABLED], arrow = m_clrTable[LUCLR_DISABLED];
    if (p.bEnabled) {
        frame = m_clrTable[LUCLR_BORDER];
        COLORREF body = m_clrTable[LUCLR_LIGHTBASE];
        arrow = m_clrTable[LUCLR_BORDER];
        if (p.bPressed) {
            body = m_clrTable[LUCLR_BORDER];
            arrow = m_clrTable[LUCLR_HOT];
        } else if (p.bHot) {
            body = P::LightColor(m_clrTable[LUCLR_LIGHTBASE], 10);
            arrow = m_clrTable[LUCLR_DEFRING];
        }
        P::DrawVitreousRect(dc, rc, body, P::LightColor(body, 30), TRUE, 0);
    }
    P::DrawArrow(dc, P::CenterPoint(rc, P::ArrowSize(LUARROW_DOWN)), arrow, LUARROW_DOWN);
    P::DrawRect(dc, rc, frame);
}

void CLuTheme::DrawSplitter(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    P::GradientFill(dc, rc, m_clrTable[LUCLR_HIGHLIGHT], m_clrTable[LUCLR_HIGHLIGHT], p.bHorz);
    const LUGRIPPER kind = p.bHorz ? LUGRIPPER_HORZ : LUGRIPPER_VERT;
    const CSize grip = P::ToolBarGripperSize(10, kind);
    if (grip.cx <= rc.Width() && grip.cy <= rc.Height())
        P::DrawToolBarGripper(dc, P::CenterPoint(rc, grip), m_clrTable[LUCLR_BORDER], 10, kind);
    const COLORREF line = P::LightColor(m_clrTable[LUCLR_BASE], 20);
    EdgeLines(dc, rc, p.bHorz, line, line);
}

void CLuTheme::DrawTButton(CDC&, _LUDRAW_PARAM&) {}

void CLuTheme::DrawTCloseButton(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    const CSize mark = P::CloseMarkSize();
    if (rc.Width() < mark.cx || rc.Height() < mark.cy)
        return;
    if (p.bEnabled) {
        if (p.bPressed || p.bHot)
            P::DrawButtonRect(dc, rc, LU_DEFAULT_COLOR, m_clrTable[LUCLR_BASE], m_clrTable[LUCLR_HIGHLIGHT],
                              m_clrTable[LUCLR_HOT], p.bPressed);
        P::DrawCloseMark(dc, P::CenterPoint(rc, mark), m_clrTable[LUCLR_BASE]);
    } else {
        P::DrawCloseMark(dc, P::CenterPoint(rc, mark), m_clrTable[LUCLR_DISABLEDTEXT]);
    }
}

// ---- Captions ----

void CLuTheme::DrawCaption(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    const COLORREF dark = P::BlendColors(m_clrTable[LUCLR_BORDER], m_clrTable[LUCLR_HIGHLIGHT], 50);
    const COLORREF light = P::LightColor(m_clrTable[LUCLR_FACE], 80);
    if (p.bPressed)
        P::GradientFill(dc, rc, dark, light, p.bHorz);
    else
        P::GradientFill(dc, rc, light, dark, p.bHorz);
    if (p.bHorz)
        dc.FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), m_clrTable[LUCLR_FACE]);
    else
        dc.FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, m_clrTable[LUCLR_FACE]);
    CScopedSelect font(dc, m_boldFont);
    TextScope text(dc, m_clrTable[LUCLR_TEXT]);
    CRect rcText(p.rcText);
    P::DrawHorizText(dc, p.strText, rcText, TRUE);
}

void CLuTheme::DrawCaption2(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    const COLORREF body = p.clrColor != LU_DEFAULT_COLOR ? p.clrColor : m_clrTable[LUCLR_LIGHTBASE];
    P::DrawVitreousRect(dc, rc, body, P::LightColor(body, 30), !p.bHorz, 0);
    if (p.bHorz)
        dc.FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), m_clrTable[LUCLR_BASE]);
    else
        dc.FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, m_clrTable[LUCLR_BASE]);
    CScopedSelect font(dc, m_boldFont);
    TextScope text(dc, m_clrTable[LUCLR_TEXT]);
    CRect rcText(p.rcText);
    P::DrawHorizText(dc, p.strText, rcText, TRUE);
}

// ---- Small buttons ----

void CLuTheme::DrawAButton(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    const LUARROW kind = static_cast<LUARROW>(p.dwData);
    const CSize size = P::ArrowSize(kind);
    if (rc.Width() < size.cx || rc.Height() < size.cy)
        return;
    if (p.bEnabled) {
        P::DrawButtonRect(dc, rc, LU_DEFAULT_COLOR, m_clrTable[LUCLR_BASE], m_clrTable[LUCLR_HIGHLIGHT],
                          m_clrTable[LUCLR_BORDER], p.bPressed);
        P::DrawArrow(dc, P::CenterPoint(rc, size), m_clrTable[LUCLR_BASE], kind);
    } else {
        P::DrawRoundRect(dc, rc, m_clrTable[LUCLR_DISABLED]);
        P::DrawArrow(dc, P::CenterPoint(rc, size), m_clrTable[LUCLR_DISABLEDTEXT], kind);
    }
}

void CLuTheme::DrawCButton(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    const CSize size = P::CloseMarkSize();
    if (rc.Width() < size.cx || rc.Height() < size.cy)
        return;
    if (p.bEnabled) {
        P::DrawButtonRect(dc, rc, LU_DEFAULT_COLOR, m_clrTable[LUCLR_BASE], m_clrTable[LUCLR_HIGHLIGHT],
                          m_clrTable[LUCLR_BORDER], p.bPressed);
        P::DrawCloseMark(dc, P::CenterPoint(rc, size), m_clrTable[LUCLR_BASE]);
    } else {
        P::DrawRoundRect(dc, rc, m_clrTable[LUCLR_DISABLED]);
        P::DrawCloseMark(dc, P::CenterPoint(rc, size), m_clrTable[LUCLR_DISABLEDTEXT]);
    }
}

// ---- Separators, padding, tabs, status bar, text ----

void CLuTheme::DrawSeparator(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    if (rc.Width() < 3 || rc.Height() < 3) {
        if (rc.Width() == 2 || rc.Height() == 2)
            dc.Draw3dRect(rc, m_clrTable[LUCLR_BORDER], m_clrTable[LUCLR_HIGHLIGHT]);
        else
            dc.Draw3dRect(rc, m_clrTable[LUCLR_BORDER], m_clrTable[LUCLR_BORDER]);
        return;
    }
    P::GradientFill(dc, rc, m_clrTable[LUCLR_LIGHTBASE], m_clrTable[LUCLR_BORDER], !p.bHorz);
    EdgeLines(dc, rc, p.bHorz, static_cast<COLORREF>(p.dwData), static_cast<COLORREF>(p.dwData2));
}

void CLuTheme::FillPadding(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect), in(p.rcText);
    const COLORREF clr = BkColor(p, LUCLR_LIGHTBASE);
    if (in.top > rc.top)
        dc.FillSolidRect(CRect(rc.left, rc.top, rc.right, in.top), clr);
    if (in.bottom < rc.bottom)
        dc.FillSolidRect(CRect(rc.left, in.bottom, rc.right, rc.bottom), clr);
    if (in.left > rc.left)
        dc.FillSolidRect(CRect(rc.left, in.top, in.left, in.bottom), clr);
    if (in.right < rc.right)
        dc.FillSolidRect(CRect(in.right, in.top, rc.right, in.bottom), clr);
}

void CLuTheme::DrawFramePadding(CDC& dc, _LUDRAW_PARAM& p)
{
    FillPadding(dc, p);
    const CRect rc(p.rect), in(p.rcText);
    const COLORREF clr = m_clrTable[LUCLR_BORDER];
    if (in.top > rc.top)
        dc.FillSolidRect(rc.left, rc.top, rc.Width(), 1, clr);
    if (in.bottom < rc.bottom)
        dc.FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, clr);
    if (in.left > rc.left)
        dc.FillSolidRect(rc.left, rc.top, 1, rc.Height(), clr);
    if (in.right < rc.right)
        dc.FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), clr);
}

void CLuTheme::DrawTab(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    const COLORREF line = m_clrTable[LUCLR_BASE];
    if (!p.bItem) {
        dc.FillSolidRect(rc.right - 1, rc.top + 6, 1, rc.Height() - 12, line);
        return;
    }
    const int shift = rc.Width() - 1;
    if (p.dwData != 0) {
        // Selected: opens towards the page below.
        P::GradientFill(dc, CRect(rc.left, rc.top, rc.right, rc.bottom + 1), m_clrTable[LUCLR_HIGHLIGHT],
                        m_clrTable[LUCLR_LIGHTBASE], FALSE);
        dc.FillSolidRect(rc.left + 3, rc.top, rc.Width() - 6, 1, line);
        dc.FillSolidRect(rc.left, rc.top + 3, 1, rc.Height() - 6, line);
        dc.FillSolidRect(rc.right - 1, rc.top + 3, 1, rc.Height() - 6, line);
        P::BlurCornerPoints(dc, rc, LUBLUR_TOPLEFT);
        P::BlurCornerPoints(dc, rc, LUBLUR_TOPRIGHT);
        CRect moved(rc);
        moved.OffsetRect(shift, 0);
        P::BlurCornerPoints(dc, moved, LUBLUR_BOTTOMLEFT);
        moved.OffsetRect(-2 * shift, 0);
        P::BlurCornerPoints(dc, moved, LUBLUR_BOTTOMRIGHT);
    } else {
        P::GradientFill(dc, CRect(rc.left, rc.top - 1, rc.right, rc.bottom), m_clrTable[LUCLR_BORDER],
                        m_clrTable[LUCLR_HIGHLIGHT], FALSE);
        dc.FillSolidRect(rc.left + 3, rc.bottom - 1, rc.Width() - 6, 1, line);
        dc.FillSolidRect(rc.left, rc.top + 3, 1, rc.Height() - 6, line);
        dc.FillSolidRect(rc.right - 1, rc.top + 3, 1, rc.Height() - 6, line);
        P::BlurCornerPoints(dc, rc, LUBLUR_BOTTOMLEFT);
        P::BlurCornerPoints(dc, rc, LUBLUR_BOTTOMRIGHT);
        CRect moved(rc);
        moved.OffsetRect(shift, 0);
        P::BlurCornerPoints(dc, moved, LUBLUR_TOPLEFT);
        moved.OffsetRect(-2 * shift, 0);
        P::BlurCornerPoints(dc, moved, LUBLUR_TOPRIGHT);
    }
    TextScope text(dc, m_clrTable[LUCLR_TEXT]);
    CRect rcText(p.rcText);
    P::DrawHorizText(dc, p.strText, rcText, TRUE);
}

void CLuTheme::DrawNcStatusBar(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    const int b = static_cast<int>(p.dwData);
    P::GradientFill(dc, CRect(rc.left, rc.top, rc.right, rc.top + b), m_clrTable[LUCLR_BORDER],
                    m_clrTable[LUCLR_FACE], FALSE);
    dc.FillSolidRect(CRect(rc.left, rc.top + b, rc.left + b, rc.bottom), m_clrTable[LUCLR_FACE]);
    dc.FillSolidRect(CRect(rc.right - b, rc.top + b, rc.right, rc.bottom), m_clrTable[LUCLR_FACE]);
    dc.FillSolidRect(CRect(rc.left + b, rc.bottom - b, rc.right - b, rc.bottom), m_clrTable[LUCLR_FACE]);
}

void CLuTheme::DrawStatusBarGripper(CDC& dc, _LUDRAW_PARAM& p)
{
    const CRect rc(p.rect);
    dc.FillSolidRect(rc, m_clrTable[LUCLR_FACE]);
    const CSize size = P::StatusBarGripperSize();
    P::DrawStatusBarGripper(dc, CPoint(rc.right - size.cx, rc.bottom - size.cy), m_clrTable[LUCLR_BASE]);
}

void CLuTheme::DrawText(CDC& dc, _LUDRAW_PARAM& p)
{
    CScopedSelect font(dc, m_font);
    TextScope text(dc, m_clrTable[LUCLR_TEXT]);
    CRect rcText(p.rcText);
    dc.FillSolidRect(rcText, BkColor(p, LUCLR_FACE));
    P::DrawHorizText(dc, p.strText, rcText, TRUE);
}
