// Drawing the wall (Windows only). Every cell the same way, PIP windows included: a one-pixel
// black frame, the inside filled green when selected and grey otherwise, the label in white in
// the system's message font, centred in the rectangle less 10 px at the top; an MPD region's
// PIP windows over it in list order. Members of a combined cell are not drawn.
#include "app/core/wall/Cell.h"

#include "fx/win/Gdi.h"
#include "fx/win/TextFont.h"

namespace {

const COLORREF kFrameColor = RGB(0, 0, 0);
const COLORREF kSelectedColor = RGB(36, 106, 64);
const COLORREF kPlainColor = RGB(100, 100, 100);
const COLORREF kLabelColor = RGB(255, 255, 255);
// The label sits this far below the cell's top so the frame stays clear of it.
const int kLabelTopMargin = 10;

// The system's message font, made once: the wall may have thousands of cells per paint.
HFONT messageFont()
{
    static CFont font;
    if (font.GetSafeHandle() == nullptr) {
        // In a face that draws the label's digits and Chinese whatever the code page.
        const LOGFONTW message = fx::SystemTextFont(fx::SystemFont::Message);
        font.CreateFontIndirect(&message);
    }
    return static_cast<HFONT>(font.GetSafeHandle());
}

// The frame's brush, made once for the same reason.
HBRUSH frameBrush()
{
    static CBrush brush(kFrameColor);
    return brush;
}

}  // namespace

void CCell::draw(CDC* pDC)
{
    if (pDC == nullptr || isMember())
        return;
    const RECT rc = {m_rect.left, m_rect.top, m_rect.right, m_rect.bottom};
    pDC->FrameRect(&rc, frameBrush());
    const RECT inside = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    if (inside.right > inside.left && inside.bottom > inside.top)
        pDC->FillSolidRect(&inside, isSelected() ? kSelectedColor : kPlainColor);

    const CString text = label();
    if (!text.IsEmpty()) {
        CScopedSaveDC saved(pDC->GetSafeHdc());
        if (HFONT font = messageFont())
            pDC->SelectObject(font);
        pDC->SetTextColor(kLabelColor);
        pDC->SetBkMode(TRANSPARENT);
        RECT textRect = {rc.left, rc.top + kLabelTopMargin, rc.right, rc.bottom};
        pDC->DrawText(text, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

    for (CCell* pip : m_pips)
        pip->draw(pDC);
}

void CCellObjImp::draw(CDC* pDC)
{
    for (CCell* cell : m_cells)
        cell->draw(pDC);
}
