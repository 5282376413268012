// A white 32-bit memory bitmap with its DC, for drawing a primitive and reading pixels back.
#pragma once

#include "fx/win/Gdi.h"

#include <windows.h>

namespace skintest {

class Canvas {
public:
    Canvas(int cx, int cy) : m_cx(cx), m_cy(cy)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateDIBSection32(cx, cy);
        m_hOld = m_dc.SelectObject(&m_bitmap);
        Clear(RGB(255, 255, 255));
    }
    ~Canvas() { m_dc.SelectObject(m_hOld); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CDC& dc() { return m_dc; }
    void Clear(COLORREF clr) { m_dc.FillSolidRect(0, 0, m_cx, m_cy, clr); }
    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }
    // Pixels in [x0, x1) x [y0, y1) that differ from clr.
    int CountNot(COLORREF clr, int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += At(x, y) != clr;
        return n;
    }

private:
    int m_cx, m_cy;
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_hOld = nullptr;
};

// Colours equal within a tolerance per channel (system gradients round differently).
inline bool Near(COLORREF a, COLORREF b, int tol)
{
    auto d = [](int x, int y) { return x > y ? x - y : y - x; };
    return d(GetRValue(a), GetRValue(b)) <= tol && d(GetGValue(a), GetGValue(b)) <= tol &&
           d(GetBValue(a), GetBValue(b)) <= tol;
}

}  // namespace skintest
