// Drawing cells into a memory bitmap (Windows only): frame, fill by selection, PIP windows over
// their region, members of a combined cell left out.
#include "fx/win/Gdi.h"
#include "tests/unit/wall/FakeWallServices.h"

#include <gtest/gtest.h>

namespace {

class CellDrawTest : public ::testing::Test {
protected:
    FakeWallServices services;
    ScopedWallServices installed{&services};
    CCellObjImp wall;
    CDC dc;
    CBitmap bitmap;
    void* bits = nullptr;
    static const int kWidth = 200;
    static const int kHeight = 100;

    void SetUp() override
    {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(bitmap.CreateDIBSection32(kWidth, kHeight, &bits));
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(1, 2, 3));
    }
    // Pixel as 0x00RRGGBB.
    unsigned pixel(int x, int y) const
    {
        GdiFlush();
        return static_cast<const unsigned*>(bits)[y * kWidth + x] & 0xFFFFFFu;
    }
};

TEST_F(CellDrawTest, FrameFillSelectionAndPipWindowsOnTop)
{
    wall.setLayout(2, 1, {0, 0, 200, 100});
    CCell* left = wall.cells().GetAt(0);
    CCell* right = wall.cells().GetAt(1);
    wall.select(right, FALSE);
    left->setMpd(TRUE);
    CPIPCell* pip = wall.addPipTo(left);  // the middle ninth: {33, 33, 67, 67}
    ASSERT_NE(pip, nullptr);
    pip->setSelected(TRUE);
    wall.draw(&dc);

    EXPECT_EQ(pixel(0, 50), 0x000000u) << "frame";
    EXPECT_EQ(pixel(99, 5), 0x000000u) << "frame, right edge";
    EXPECT_EQ(pixel(3, 3), 0x646464u) << "plain fill";
    EXPECT_EQ(pixel(103, 3), 0x246A40u) << "selected fill";
    EXPECT_EQ(pixel(33, 38), 0x000000u) << "window frame over the region";
    EXPECT_EQ(pixel(36, 36), 0x246A40u) << "selected window";
}

TEST_F(CellDrawTest, MembersOfACombinedCellAreNotDrawn)
{
    wall.setLayout(2, 1, {0, 0, 200, 100});
    CCell* left = wall.cells().GetAt(0);
    wall.select(left, FALSE);
    wall.select(wall.cells().GetAt(1), TRUE);
    CCombineCell* combined = wall.combineSelected(left);
    ASSERT_NE(combined, nullptr);
    wall.draw(&dc);
    EXPECT_EQ(pixel(100, 3), 0x646464u) << "no member frame inside the combined cell";
    EXPECT_EQ(pixel(199, 3), 0x000000u);
}

}  // namespace
