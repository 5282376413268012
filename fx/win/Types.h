// Points, sizes and rectangles as the windowing code passes them: thin value types over the
// system's POINT, SIZE and RECT, so they go to the W functions without copying.
#pragma once

#include <windows.h>

#include <utility>

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int x, int y) : SIZE{x, y} {}
    CSize(const SIZE& s) : SIZE(s) {}  // NOLINT: a SIZE is a CSize
    CSize operator+(const CSize& s) const { return CSize(cx + s.cx, cy + s.cy); }
    CSize operator-(const CSize& s) const { return CSize(cx - s.cx, cy - s.cy); }
    bool operator==(const SIZE& s) const { return cx == s.cx && cy == s.cy; }
    bool operator!=(const SIZE& s) const { return !(*this == s); }
};

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
    CPoint(const POINT& p) : POINT(p) {}  // NOLINT: a POINT is a CPoint
    // The signed coordinates packed into a mouse message's lParam.
    explicit CPoint(LPARAM lParam)
        : POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))} {}
    void Offset(int dx, int dy) { x += dx; y += dy; }
    CPoint operator+(const SIZE& s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(const SIZE& s) const { return CPoint(x - s.cx, y - s.cy); }
    CSize operator-(const POINT& p) const { return CSize(x - p.x, y - p.y); }
    bool operator==(const POINT& p) const { return x == p.x && y == p.y; }
    bool operator!=(const POINT& p) const { return !(*this == p); }
};

// Half-open like every system rectangle: right and bottom are outside.
class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& r) : RECT(r) {}  // NOLINT: a RECT is a CRect
    CRect(const RECT* r) : RECT(*r) {}  // NOLINT
    CRect(POINT topLeft, SIZE size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    BOOL IsRectEmpty() const { return left >= right || top >= bottom; }
    BOOL IsRectNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
    void OffsetRect(SIZE s) { OffsetRect(s.cx, s.cy); }
    void InflateRect(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
    void InflateRect(int l, int t, int r, int b) { left -= l; top -= t; right += r; bottom += b; }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void NormalizeRect()
    {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }
    BOOL IntersectRect(const RECT& a, const RECT& b) { return ::IntersectRect(this, &a, &b); }
    BOOL UnionRect(const RECT& a, const RECT& b) { return ::UnionRect(this, &a, &b); }
    void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }

    operator LPRECT() { return this; }              // NOLINT: passes to the system as is
    operator LPCRECT() const { return this; }       // NOLINT
    bool operator==(const RECT& r) const { return ::EqualRect(this, &r) != FALSE; }
    bool operator!=(const RECT& r) const { return !(*this == r); }
};
