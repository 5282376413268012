// Rectangles are half-open like the system's and convert to and from RECT without copying.
#include "fx/win/Types.h"

#include <gtest/gtest.h>

TEST(FxTypes, RectangleArithmetic)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(100, r.Width());
    EXPECT_EQ(50, r.Height());
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20))) << "right edge is outside";
    EXPECT_FALSE(r.PtInRect(CPoint(10, 70))) << "bottom edge is outside";
    r.DeflateRect(2, 25, 2, 5);
    EXPECT_EQ(CRect(12, 45, 108, 65), r);
    r.InflateRect(2, 2);
    EXPECT_EQ(CRect(10, 43, 110, 67), r);
    r.OffsetRect(-10, 7);
    EXPECT_EQ(CPoint(0, 50), r.TopLeft());
    EXPECT_EQ(CSize(100, 24), r.Size());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    CRect overlap;
    EXPECT_TRUE(overlap.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(CRect(5, 5, 10, 10), overlap);
    CRect reversed(30, 40, 10, 20);
    reversed.NormalizeRect();
    EXPECT_EQ(CRect(10, 20, 30, 40), reversed);
}

TEST(FxTypes, MousePointsAreSigned)
{
    const CPoint p(static_cast<LPARAM>(MAKELPARAM(-3, -200)));
    EXPECT_EQ(-3, p.x);
    EXPECT_EQ(-200, p.y);
    EXPECT_EQ(CSize(5, -3), CPoint(7, 2) - CPoint(2, 5));
}
