#include "skin/theme/GdiWrappers.h"

// The GDI base classes delete their object in their own destructors.
CLuBitmap::CLuBitmap() = default;
CLuBitmap::~CLuBitmap() = default;

CLuCompatibleBitmap::CLuCompatibleBitmap(CDC& dc, int cx, int cy)
{
    CreateCompatibleBitmap(dc.GetSafeHdc(), cx, cy);
}

CLuCompatibleBitmap::~CLuCompatibleBitmap() = default;

CLuCompatibleDC::CLuCompatibleDC(CDC& dc, int cx, int cy) : m_bitmap(dc, cx, cy)
{
    if (CreateCompatibleDC(dc.GetSafeHdc()) && m_bitmap.GetSafeHandle() != nullptr)
        m_hOldBitmap = SelectObject(m_bitmap.GetSafeHandle());
}

CLuCompatibleDC::~CLuCompatibleDC()
{
    if (m_hOldBitmap != nullptr && m_hOldBitmap != HGDI_ERROR)
        SelectObject(m_hOldBitmap);
    DeleteDC();
    // m_bitmap goes after this body, no longer selected anywhere.
}

CLuBitmap* CLuCompatibleDC::GetBitmap() { return &m_bitmap; }

CLuAttachDC::CLuAttachDC(HDC hDC) { Attach(hDC); }

CLuAttachDC::~CLuAttachDC() { Detach(); }

CLuClipDC::CLuClipDC(CDC& dc, RECT* pRect) : CLuAttachDC(dc.GetSafeHdc())
{
    // Clip regions are in device units: shift the rectangles by the window origin.
    const CPoint org = GetWindowOrg();
    HRGN hCurrent = ::CreateRectRgn(0, 0, 0, 0);
    if (hCurrent != nullptr && ::GetClipRgn(m_hDC, hCurrent) == 1) {
        ::GetRgnBox(hCurrent, &m_rcSaved);
        m_bSaved = TRUE;
    }
    if (hCurrent != nullptr)
        ::DeleteObject(hCurrent);
    if (pRect != nullptr) {
        CRect rc(*pRect);
        rc.OffsetRect(-org.x, -org.y);
        HRGN hClip = ::CreateRectRgnIndirect(&rc);
        if (hClip != nullptr) {
            ::SelectClipRgn(m_hDC, hClip);
            ::DeleteObject(hClip);
        }
    }
}

CLuClipDC::~CLuClipDC()
{
    if (m_hDC == nullptr)
        return;
    if (m_bSaved) {
        HRGN hRgn = ::CreateRectRgnIndirect(&m_rcSaved);
        if (hRgn != nullptr) {
            ::SelectClipRgn(m_hDC, hRgn);
            ::DeleteObject(hRgn);
        }
    } else {
        // There was no clipping before this scope: leave none behind.
        ::SelectClipRgn(m_hDC, nullptr);
    }
}

CLuPen::CLuPen(COLORREF clr) : CPen(PS_SOLID, 1, clr) {}

CLuPen::CLuPen(int nStyle, int nWidth, COLORREF clr) : CPen(nStyle, nWidth, clr) {}

CLuPen::~CLuPen() = default;

CLuFont::CLuFont() = default;
CLuFont::~CLuFont() = default;

CLuBrush::CLuBrush() = default;
CLuBrush::~CLuBrush() = default;

COLORREF CLuPen::Color() const
{
    LOGPEN lp{};
    return GetObject(sizeof(lp), &lp) != 0 ? lp.lopnColor : CLR_INVALID;
}

CLuRectRgn::CLuRectRgn() = default;
CLuRectRgn::~CLuRectRgn() = default;

void CLuRectRgn::BeginSetRect() { m_rects.clear(); }

void CLuRectRgn::EndSetRect() {}

void CLuRectRgn::BeginGetRect() { m_nCursor = 0; }

void CLuRectRgn::EndGetRect() {}

BOOL CLuRectRgn::SetRect(RECT* pRect)
{
    if (pRect != nullptr)
        m_rects.push_back(*pRect);
    return TRUE;
}

BOOL CLuRectRgn::GetRect(RECT* pRect)
{
    if (m_nCursor >= m_rects.size())
        return FALSE;
    if (pRect != nullptr)
        *pRect = m_rects[m_nCursor];
    ++m_nCursor;
    return TRUE;
}
