// Set-up, colour arithmetic, fills, outlines and text of the painter. Glyphs are in
// PainterGlyphs.cpp.
#include "skin/theme/Painter.h"

#include "skin/theme/GdiWrappers.h"

#include <algorithm>
#include <cstring>

HMODULE CLuPainter::m_hMsImgDll = nullptr;
CLuPainter::PFNGRADIENTFILL CLuPainter::m_pfnFastGradientFill = nullptr;
CLuPainter::PFNALPHABLEND CLuPainter::m_pfnAlphaBlend = nullptr;
BOOL CLuPainter::m_bIsLowColorQuality = FALSE;
COLORREF CLuPainter::m_clrFocus = RGB(63, 63, 71);

// ---- Set-up ----

void CLuPainter::InitLuPainter()
{
    if (m_hMsImgDll == nullptr) {
        m_hMsImgDll = ::LoadLibraryW(L"msimg32.dll");
        if (m_hMsImgDll != nullptr) {
            m_pfnFastGradientFill = reinterpret_cast<PFNGRADIENTFILL>(
                reinterpret_cast<void*>(::GetProcAddress(m_hMsImgDll, "GradientFill")));
            m_pfnAlphaBlend = reinterpret_cast<PFNALPHABLEND>(
                reinterpret_cast<void*>(::GetProcAddress(m_hMsImgDll, "AlphaBlend")));
        }
    }
    m_bIsLowColorQuality = IsLowColorQuality(nullptr);
}

void CLuPainter::SetFocusColor(COLORREF clr) { m_clrFocus = clr; }

void CLuPainter::UnInitLuPainter()
{
    // The entry points go with the library, so nothing calls into an unloaded module.
    m_pfnFastGradientFill = nullptr;
    m_pfnAlphaBlend = nullptr;
    if (m_hMsImgDll != nullptr) {
        ::FreeLibrary(m_hMsImgDll);
        m_hMsImgDll = nullptr;
    }
}

BOOL CLuPainter::IsLowColorQuality(CDC* pDC)
{
    int bits = 0;
    if (pDC != nullptr && pDC->GetSafeHdc() != nullptr) {
        bits = pDC->GetDeviceCaps(BITSPIXEL);
    } else {
        HDC hScreen = ::GetDC(nullptr);
        bits = ::GetDeviceCaps(hScreen, BITSPIXEL);
        ::ReleaseDC(nullptr, hScreen);
    }
    return bits >= 1 && bits <= 8;
}

BOOL CLuPainter::IsSupportAlphaBlend() { return m_pfnAlphaBlend != nullptr && !m_bIsLowColorQuality; }

BOOL CLuPainter::SetLayeredAttributes(HWND hWnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags)
{
    // Looked up once: systems without layered windows simply do without the effect.
    static const PFNSETLAYEREDWINDOWATTRIBUTES pfn = [] {
        HMODULE hUser = ::GetModuleHandleW(L"User32.DLL");
        return hUser == nullptr ? nullptr
                                : reinterpret_cast<PFNSETLAYEREDWINDOWATTRIBUTES>(reinterpret_cast<void*>(
                                      ::GetProcAddress(hUser, "SetLayeredWindowAttributes")));
    }();
    return pfn != nullptr && pfn(hWnd, crKey, bAlpha, dwFlags);
}

// ---- Colour arithmetic ----

namespace {

int Channel(COLORREF clr, int shift) { return static_cast<int>((clr >> shift) & 0xFF); }

COLORREF MakeColor(int r, int g, int b)
{
    return RGB(static_cast<BYTE>(r & 0xFF), static_cast<BYTE>(g & 0xFF), static_cast<BYTE>(b & 0xFF));
}

}  // namespace

COLORREF CLuPainter::LightColor(COLORREF clr, int p)
{
    auto up = [p](int v) { return v + p * (255 - v) / 100; };
    return MakeColor(up(Channel(clr, 0)), up(Channel(clr, 8)), up(Channel(clr, 16)));
}

COLORREF CLuPainter::ShadowColor(COLORREF clr, int p)
{
    // The step is a fraction of the distance to white; a dark channel with a large percentage
    // wraps, which the built-in scheme never asks for.
    auto down = [p](int v) { return v - (255 - v) * p / 100; };
    return MakeColor(down(Channel(clr, 0)), down(Channel(clr, 8)), down(Channel(clr, 16)));
}

COLORREF CLuPainter::BlendColors(COLORREF a, COLORREF b, int p)
{
    auto mix = [p](int va, int vb) { return std::clamp((p * va + (100 - p) * vb) / 100, 0, 255); };
    return RGB(mix(Channel(a, 0), Channel(b, 0)), mix(Channel(a, 8), Channel(b, 8)),
               mix(Channel(a, 16), Channel(b, 16)));
}

// ---- Fills and outlines ----

void CLuPainter::DrawRect(CDC& dc, const CRect& rc, COLORREF clr) { dc.Draw3dRect(rc, clr, clr); }

void CLuPainter::DrawFillRect(CDC& dc, const CRect& rc, COLORREF clrBorder, COLORREF clrFill)
{
    DrawRect(dc, rc, clrBorder);
    CRect inner(rc);
    inner.DeflateRect(1, 1);
    if (!inner.IsRectEmpty())
        dc.FillSolidRect(inner, clrFill);
}

void CLuPainter::GradientFill(CDC& dc, const CRect& rc, COLORREF clrFrom, COLORREF clrTo, BOOL bHorz)
{
    if (rc.IsRectEmpty())
        return;
    if (m_bIsLowColorQuality || clrFrom == clrTo) {
        dc.FillSolidRect(rc, clrFrom);
        return;
    }
    if (m_pfnFastGradientFill != nullptr) {
        TRIVERTEX v[2]{};
        v[0].x = rc.left;
        v[0].y = rc.top;
        v[0].Red = static_cast<COLOR16>(GetRValue(clrFrom) << 8);
        v[0].Green = static_cast<COLOR16>(GetGValue(clrFrom) << 8);
        v[0].Blue = static_cast<COLOR16>(GetBValue(clrFrom) << 8);
        v[1].x = rc.right;
        v[1].y = rc.bottom;
        v[1].Red = static_cast<COLOR16>(GetRValue(clrTo) << 8);
        v[1].Green = static_cast<COLOR16>(GetGValue(clrTo) << 8);
        v[1].Blue = static_cast<COLOR16>(GetBValue(clrTo) << 8);
        GRADIENT_RECT r{0, 1};
        if (m_pfnFastGradientFill(dc.GetSafeHdc(), v, 2, &r, 1,
                                  bHorz ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V))
            return;
    }
    // One solid line per column (horizontal) or row.
    const int n = std::max(1, bHorz ? rc.Width() : rc.Height());
    for (int i = 0; i < n; ++i) {
        const COLORREF clr = BlendColors(clrFrom, clrTo, 100 - i * 100 / n);
        if (bHorz)
            dc.FillSolidRect(rc.left + i, rc.top, 1, rc.Height(), clr);
        else
            dc.FillSolidRect(rc.left, rc.top + i, rc.Width(), 1, clr);
    }
}

void CLuPainter::DrawVitreousRect(CDC& dc, const CRect& rc, COLORREF clrA, COLORREF clrB,
                                  BOOL bHorzBands, int, VITREOUS_STYLE nStyle)
{
    if (rc.IsRectEmpty())
        return;
    // Bands stacked along one axis; each band is a gradient across that axis.
    const int start = bHorzBands ? rc.top : rc.left;
    const int end = bHorzBands ? rc.bottom : rc.right;
    const int h = end - start;
    auto band = [&](int from, int to, COLORREF c1, COLORREF c2) {
        CRect r(rc);
        if (bHorzBands) {
            r.top = from;
            r.bottom = to;
        } else {
            r.left = from;
            r.right = to;
        }
        GradientFill(dc, r, c1, c2, !bHorzBands);
    };
    const int mid = end - h / 2;
    switch (nStyle) {
    case VITREOUS_FOUR: {
        const int b1 = start + h / 5, b2 = start + h / 3, b3 = end - h / 4;
        band(start, b1, clrB, BlendColors(clrA, clrB, 40));
        band(b1, b2, BlendColors(clrA, clrB, 70), BlendColors(clrA, clrB, 50));
        band(b2, b3, BlendColors(clrA, clrB, 50), BlendColors(clrA, clrB, 80));
        band(b3, end, BlendColors(clrA, clrB, 80), clrA);
        break;
    }
    case VITREOUS_MIRROR:
        band(start, mid, clrB, clrA);
        band(mid, end, clrA, clrB);
        break;
    default:
        band(start, mid, clrB, BlendColors(clrA, clrB, 40));
        band(mid, end, clrA, BlendColors(clrA, clrB, 30));
        break;
    }
}

void CLuPainter::DrawRoundRect(CDC& dc, const CRect& rc, COLORREF clr)
{
    DrawRoundRectEx(dc, rc, clr, LU_CORNER_TL | LU_CORNER_TR | LU_CORNER_BL | LU_CORNER_BR);
}

void CLuPainter::DrawRoundRectEx(CDC& dc, const CRect& rc, COLORREF clr, WORD c)
{
    auto both = [c](WORD a, WORD b) { return (c & a) != 0 && (c & b) != 0; };
    if (both(LU_CORNER_TL, LU_CORNER_TR))
        dc.FillSolidRect(rc.left + 3, rc.top, rc.Width() - 6, 1, clr);
    if (both(LU_CORNER_BL, LU_CORNER_BR))
        dc.FillSolidRect(rc.left + 3, rc.bottom - 1, rc.Width() - 6, 1, clr);
    if (both(LU_CORNER_TL, LU_CORNER_BL))
        dc.FillSolidRect(rc.left, rc.top + 3, 1, rc.Height() - 6, clr);
    if (both(LU_CORNER_TR, LU_CORNER_BR))
        dc.FillSolidRect(rc.right - 1, rc.top + 3, 1, rc.Height() - 6, clr);
    if (c & LU_CORNER_TL)
        BlurCornerPoints(dc, rc, LUBLUR_TOPLEFT);
    if (c & LU_CORNER_TR)
        BlurCornerPoints(dc, rc, LUBLUR_TOPRIGHT);
    if (c & LU_CORNER_BL)
        BlurCornerPoints(dc, rc, LUBLUR_BOTTOMLEFT);
    if (c & LU_CORNER_BR)
        BlurCornerPoints(dc, rc, LUBLUR_BOTTOMRIGHT);
}

void CLuPainter::BlurCornerPoints(CDC& dc, const CRect& rc, LUBLUR nCorner)
{
    struct Step {
        int sx, sy, tx, ty, keep;
    };
    static const Step steps[] = {{3, 0, 2, 0, 20}, {3, 0, 1, 1, 20}, {0, 3, 0, 2, 20}, {2, 0, 1, 0, 60},
                                 {0, 2, 0, 1, 60}, {2, 0, 2, 1, 60}, {0, 2, 1, 2, 60}};
    auto at = [&](int dx, int dy) {
        switch (nCorner) {
        case LUBLUR_TOPRIGHT: return CPoint(rc.right - dx - 1, rc.top + dy);
        case LUBLUR_BOTTOMLEFT: return CPoint(rc.left + dx, rc.bottom - dy - 1);
        case LUBLUR_BOTTOMRIGHT: return CPoint(rc.right - dx - 1, rc.bottom - dy - 1);
        default: return CPoint(rc.left + dx, rc.top + dy);
        }
    };
    for (const Step& s : steps) {
        const CPoint src = at(s.sx, s.sy), dst = at(s.tx, s.ty);
        const COLORREF clrSrc = dc.GetPixel(src.x, src.y);
        const COLORREF clrDst = dc.GetPixel(dst.x, dst.y);
        if (clrSrc == CLR_INVALID || clrDst == CLR_INVALID)
            continue;  // outside the clip area: nothing to soften
        dc.SetPixelV(dst.x, dst.y, BlendColors(clrDst, clrSrc, s.keep));
    }
}

void CLuPainter::DrawButtonRect(CDC& dc, const CRect& rc, COLORREF clrCorner, COLORREF clrOutline,
                                COLORREF clrLight, COLORREF clrDark, BOOL bPressed)
{
    DrawButtonRectEx(dc, rc, clrCorner, clrOutline, clrLight, clrDark, bPressed,
                     LU_CORNER_TL | LU_CORNER_TR | LU_CORNER_BL | LU_CORNER_BR);
}

void CLuPainter::DrawButtonRectEx(CDC& dc, const CRect& rc, COLORREF clrCorner, COLORREF clrOutline,
                                  COLORREF clrLight, COLORREF clrDark, BOOL bPressed, WORD c)
{
    if (rc.IsRectEmpty())
        return;
    const COLORREF L = LightColor(clrLight, 10), D = LightColor(clrDark, 10);
    const int e = bPressed ? 50 : 20;
    const COLORREF L2 = LightColor(L, e), D2 = LightColor(D, e);
    auto both = [c](WORD a, WORD b) { return (c & a) != 0 && (c & b) != 0; };
    const bool all = (c & 0x0F) == 0x0F;
    const bool top = both(LU_CORNER_TL, LU_CORNER_TR), bottom = both(LU_CORNER_BL, LU_CORNER_BR);
    const bool left = both(LU_CORNER_TL, LU_CORNER_BL), right = both(LU_CORNER_TR, LU_CORNER_BR);

    // (1) the body, inset on the rounded sides only
    CRect body(rc);
    if (all)
        body.DeflateRect(1, 1);
    else if (top)
        body.DeflateRect(1, 1, 1, 0);
    else if (left)
        body.DeflateRect(1, 1, 0, 1);
    else if (right)
        body.DeflateRect(0, 1, 1, 1);
    else if (bottom)
        body.DeflateRect(1, 0, 1, 1);
    DrawVitreousRect(dc, body, D2, L2, TRUE, 0, VITREOUS_DEFAULT);

    // (2) corner pixels: the corner and its neighbour along each edge
    if (clrCorner != 0xFFFFFFFF) {
        auto corner = [&](int x, int y, int dx, int dy) {
            dc.SetPixelV(x, y, clrCorner);
            dc.SetPixelV(x + dx, y, clrCorner);
            dc.SetPixelV(x, y + dy, clrCorner);
        };
        if (c & LU_CORNER_TL) corner(rc.left, rc.top, 1, 1);
        if (c & LU_CORNER_TR) corner(rc.right - 1, rc.top, -1, 1);
        if (c & LU_CORNER_BL) corner(rc.left, rc.bottom - 1, 1, -1);
        if (c & LU_CORNER_BR) corner(rc.right - 1, rc.bottom - 1, -1, -1);
    }
    // (3) (4) the light and dark rows under the top and above the bottom edge
    const CRect rowTop(rc.left + 2, rc.top + 1, rc.right - 2, rc.top + 2);
    const CRect rowBottom(rc.left + 2, rc.bottom - 2, rc.right - 2, rc.bottom - 1);
    if (bPressed) {
        GradientFill(dc, rowTop, D, D2, FALSE);
        GradientFill(dc, rowBottom, L2, L, FALSE);
    } else {
        GradientFill(dc, rowTop, L, L2, FALSE);
        GradientFill(dc, rowBottom, D2, D, FALSE);
    }
    // (5) side columns
    const int h = rc.Height() - 8;
    if (h > 0) {
        if (all || left)
            dc.FillSolidRect(rc.left + 1, rc.top + 4, 1, h, L);
        if (all || right)
            dc.FillSolidRect(rc.right - 2, rc.top + 4, 1, h, L);
    }
    // (6) the outline
    DrawRoundRectEx(dc, rc, clrOutline, c);
}

void CLuPainter::DrawShadowRect(CDC& dc, const CRect& rc, COLORREF clr)
{
    DrawRect(dc, CRect(rc.left, rc.top, rc.right - 2, rc.bottom - 2), clr);
    const COLORREF shade = RGB(80, 80, 80);
    DrawAlphaLine(dc, CPoint(rc.right - 2, rc.top + 1), CPoint(rc.right - 2, rc.bottom - 1), shade, 75);
    DrawAlphaLine(dc, CPoint(rc.right - 1, rc.top + 2), CPoint(rc.right - 1, rc.bottom - 2), shade, 30);
    DrawAlphaLine(dc, CPoint(rc.left + 1, rc.bottom - 2), CPoint(rc.right - 1, rc.bottom - 2), shade, 75);
    DrawAlphaLine(dc, CPoint(rc.left + 2, rc.bottom - 1), CPoint(rc.right - 2, rc.bottom - 1), shade, 30);
}

void CLuPainter::DrawLine(CDC& dc, POINT ptFrom, POINT ptTo, COLORREF clr)
{
    CLuPen pen(clr);
    CScopedSelect select(dc, pen);
    dc.MoveTo(ptFrom);
    dc.LineTo(ptTo);
}

void CLuPainter::DrawAlphaLine(CDC& dc, POINT a, POINT b, COLORREF clr, short nAlpha)
{
    auto blend = [&](int x, int y) {
        const COLORREF old = dc.GetPixel(x, y);
        if (old != CLR_INVALID)
            dc.SetPixelV(x, y, BlendColors(clr, old, nAlpha));
    };
    if (a.x == b.x && a.y == b.y) {
        blend(a.x, a.y);
    } else if (a.y == b.y) {
        for (int x = std::min(a.x, b.x); x < std::max(a.x, b.x); ++x)
            blend(x, a.y);
    } else if (a.x == b.x) {
        for (int y = std::min(a.y, b.y); y < std::max(a.y, b.y); ++y)
            blend(a.x, y);
    }
}

void CLuPainter::DrawFocusRect(CDC& dc, const CRect& rc) { dc.DrawFocusRect(rc); }

BOOL CLuPainter::SetClipBoxRect(CDC& dc, const RECT& rc)
{
    CRgn rgn;
    if (!rgn.CreateRectRgnIndirect(&rc))
        return FALSE;
    // The DC keeps a copy of the region, so ours goes with this scope.
    return dc.SelectClipRgn(&rgn) != ERROR;
}

void CLuPainter::AlphaBlend(CDC& dcDst, const CRect& rcDst, CDC& dcSrc, const CRect& rcSrc, BLENDFUNCTION bf)
{
    if (m_pfnAlphaBlend == nullptr)
        return;
    m_pfnAlphaBlend(dcDst.GetSafeHdc(), rcDst.left, rcDst.top, rcDst.Width(), rcDst.Height(),
                    dcSrc.GetSafeHdc(), rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(), bf);
}

// ---- Text ----

void CLuPainter::DrawHorizText(CDC& dc, const CString& str, CRect& rc, BOOL bLeft)
{
    dc.DrawText(str, rc, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | (bLeft ? DT_LEFT : DT_CENTER));
}

int CLuPainter::MakeShortString(CDC& dc, LPCSTR lpsz, CString& strOut, int nWidth)
{
    const int nLength = lpsz != nullptr ? static_cast<int>(std::strlen(lpsz)) : 0;
    if (nLength == 0 || dc.GetTextExtent(lpsz, nLength).cx <= nWidth) {
        strOut = lpsz != nullptr ? lpsz : "";
        return nLength;
    }
    const int dotsWidth = dc.GetTextExtent("...", 3).cx;
    auto charLen = [&](int i) {
        return CString::IsLeadByte(static_cast<unsigned char>(lpsz[i])) && i + 1 < nLength ? 2 : 1;
    };
    // Built character by character, so a two-byte character is never split, and at most 259
    // bytes long.
    const int kMax = 259;
    int used = charLen(0);
    int lastLen = used;
    while (used < nLength) {
        const int next = charLen(used);
        if (used + next > kMax)
            break;
        used += next;
        lastLen = next;
        if (dc.GetTextExtent(lpsz, used).cx + dotsWidth > nWidth) {
            // The last character gives way to the dots (all of it, so no half character is
            // left in front of them).
            strOut = CString(lpsz, used - lastLen) + "...";
            return strOut.GetLength();
        }
    }
    strOut = CString(lpsz, used);
    return strOut.GetLength();
}

CPoint CLuPainter::CenterPoint(const CRect& rc, CSize size)
{
    return CPoint((rc.Width() - size.cx) / 2 + rc.left, (rc.Height() - size.cy) / 2 + rc.top);
}
