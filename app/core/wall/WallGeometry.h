// Rectangles and points of the wall model, in view pixels (the client area of the wall view).
// The model is portable, so it keeps its own plain records; the view converts to and from the
// platform's RECT and POINT at its boundary.
#pragma once

#include <algorithm>
#include <climits>

struct WallPoint {
    int x = 0;
    int y = 0;
};

struct WallRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Sizes saturate instead of overflowing: a damaged scene file can hold any coordinates.
    int width() const { return saturated(static_cast<long long>(right) - left); }
    int height() const { return saturated(static_cast<long long>(bottom) - top); }
    bool isEmpty() const { return right <= left || bottom <= top; }

    // The same rectangle with left <= right and top <= bottom.
    WallRect normalized() const
    {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }
    WallRect inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }
    WallRect deflated(int dl, int dt, int dr, int db) const
    {
        return {left + dl, top + dt, right - dr, bottom - db};
    }
    WallRect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    // Both normalised rectangles share at least one pixel.
    bool intersects(const WallRect& other) const
    {
        const WallRect a = normalized();
        const WallRect b = other.normalized();
        return std::max(a.left, b.left) < std::min(a.right, b.right) &&
               std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
    }
    // This rectangle lies wholly within other.
    bool within(const WallRect& other) const
    {
        return left >= other.left && top >= other.top && right <= other.right &&
               bottom <= other.bottom;
    }
    bool contains(WallPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    // The smallest rectangle holding both; an empty one does not count.
    WallRect united(const WallRect& other) const
    {
        if (isEmpty())
            return other;
        if (other.isEmpty())
            return *this;
        return {std::min(left, other.left), std::min(top, other.top),
                std::max(right, other.right), std::max(bottom, other.bottom)};
    }
    static int saturated(long long value)
    {
        return static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, value)));
    }
    bool operator==(const WallRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const WallRect& o) const { return !(*this == o); }
};
