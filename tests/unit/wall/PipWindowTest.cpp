// PIP windows: placement, limit, commands, device rectangle, edges, moves and fine adjustment.
#include "tests/unit/wall/FakeWallServices.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class PipWindowTest : public ::testing::Test {
protected:
    FakeWallServices services;
    ScopedWallServices installed{&services};
    CCellObjImp wall;
    CCell* region = nullptr;

    // One region of 300 x 200 view pixels at (100, 50).
    void SetUp() override
    {
        wall.setLayout(1, 1, {0, 0, 300, 200});
        region = wall.cells().GetAt(0);
        region->setRect({100, 50, 400, 250});
        region->setMpd(TRUE);
    }

    CPIPCell* pip(int i) const { return static_cast<CPIPCell*>(region->pips().GetAt(i)); }
};

TEST_F(PipWindowTest, WithoutSubGridTheWindowTakesTheMiddleNinth)
{
    CPIPCell* p = wall.addPipTo(region);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->rect(), (WallRect{200, 116, 300, 184}));
    EXPECT_EQ(p->number(), 2);
    EXPECT_EQ(p->parent(), region);
    EXPECT_EQ(p->kind(), CELL_KIND_PIP);
    EXPECT_EQ(p->inputType(), INPUT_NONE);
    EXPECT_EQ(p->transparency(), 0);
}

TEST_F(PipWindowTest, SubGridSlotsWrapAndShrinkFromTheRegionEdges)
{
    services.subRows = 2;
    services.subColumns = 2;
    region->setRect({0, 0, 301, 201});
    for (int i = 0; i < 5; ++i)
        ASSERT_NE(wall.addPipTo(region), nullptr);
    // cw = 150, ch = 100; each slot is the region shrunk by whole sub-cells, so the division's
    // remainder pixel stays with every slot's far edge.
    EXPECT_EQ(pip(0)->rect(), (WallRect{0, 0, 151, 101}));
    EXPECT_EQ(pip(1)->rect(), (WallRect{150, 0, 301, 101}));
    EXPECT_EQ(pip(2)->rect(), (WallRect{0, 100, 151, 201}));
    EXPECT_EQ(pip(3)->rect(), (WallRect{150, 100, 301, 201}));
    EXPECT_EQ(pip(4)->rect(), pip(0)->rect()) << "the fifth lands top-left again";
}

TEST_F(PipWindowTest, AddingSendsOpenThenGeometryOfTheDeviceRectangle)
{
    // 300 x 200 view pixels onto 1920 x 1080: sx 6.4, sy 5.4.
    CPIPCell* p = wall.addPipTo(region);
    ASSERT_NE(p, nullptr);
    // x = 100 * 6.4 = 640, y = 66 * 5.4 = 356.4 -> 356, w = 640, h = 68 * 5.4 = 367.2 -> 367 -> 368.
    EXPECT_EQ(services.log, (std::vector<std::string>{"开PIP 2", "geometry 2 640 356 640 368"}));
    int x, y, w, h;
    p->deviceRect(&x, &y, &w, &h);
    EXPECT_EQ(x, 640);
    EXPECT_EQ(h, 368);
}

TEST_F(PipWindowTest, RefusedOpenIsShownAndTheWindowStays)
{
    services.refuseOpen = true;
    CPIPCell* p = wall.addPipTo(region);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(services.log.size(), 3u);
    EXPECT_EQ(services.log[0], "开PIP 2");
    EXPECT_EQ(services.log[1], "message 通讯失败;\n错误码:0X0003");
    EXPECT_EQ(services.log[2].rfind("geometry 2 ", 0), 0u);
    EXPECT_EQ(region->pipCount(), 1);
}

TEST_F(PipWindowTest, LimitIsMpdCountMinusOneAndNumbersReuseTheSmallestFree)
{
    services.mpd = 4;
    ASSERT_NE(wall.addPipTo(region), nullptr);
    ASSERT_NE(wall.addPipTo(region), nullptr);
    ASSERT_NE(wall.addPipTo(region), nullptr);
    EXPECT_EQ(pip(2)->number(), 4);
    services.log.clear();
    EXPECT_EQ(wall.addPipTo(region), nullptr);
    EXPECT_EQ(services.log, (std::vector<std::string>{"message MPD窗口已添加至最大"}));

    services.log.clear();
    wall.removePipFrom(region, pip(0));
    EXPECT_EQ(services.log, (std::vector<std::string>{"关PIP 2"}));
    CPIPCell* again = wall.addPipTo(region);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->number(), 2);
    EXPECT_EQ(region->pipOrdinal(again), 3);
}

TEST_F(PipWindowTest, NoWindowWithOneChannelOrAboveTheHardLimit)
{
    services.mpd = 1;
    EXPECT_FALSE(region->canAddPip());
    EXPECT_EQ(wall.addPipTo(region), nullptr);
    EXPECT_EQ(services.log, (std::vector<std::string>{"message MPD窗口已添加至最大"}));

    services.mpd = 130;  // more than 128 windows can never be placed
    EXPECT_FALSE(region->canAddPip());
    services.mpd = 129;
    EXPECT_TRUE(region->canAddPip());
}

TEST_F(PipWindowTest, DeviceRectangleSnapsToEdgesAndEvenPixels)
{
    services.pixelWidth = 1000;
    services.pixelHeight = 1000;
    region->setRect({0, 0, 1000, 1000});  // one view pixel is one device pixel
    CPIPCell* p = new CPIPCell;
    region->addPip(p);
    int x, y, w, h;

    // Starts 7 px from the left: x = 0.
    p->setRect({7, 20, 500, 121});
    ASSERT_TRUE(region->deviceRectOf(p, &x, &y, &w, &h));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 20);
    EXPECT_EQ(w, 492) << "odd width rounds down";
    EXPECT_EQ(h, 102) << "odd height rounds up";

    // Ends 10 px short of the right edge: kept; 8 px short: widened to the edge.
    p->resetDeviceRect();
    p->setRect({20, 20, 991, 121});
    ASSERT_TRUE(region->deviceRectOf(p, &x, &y, &w, &h));
    EXPECT_EQ(w, 970);
    p->resetDeviceRect();
    p->setRect({20, 20, 992, 992});
    ASSERT_TRUE(region->deviceRectOf(p, &x, &y, &w, &h));
    EXPECT_EQ(w, 980);
    EXPECT_EQ(h, 980);

    // Odd x rounds down, odd y up; 11 px from the edges stays.
    p->resetDeviceRect();
    p->setRect({15, 13, 15 + 975, 13 + 975});
    ASSERT_TRUE(region->deviceRectOf(p, &x, &y, &w, &h));
    EXPECT_EQ(x, 14);
    EXPECT_EQ(y, 14);
    EXPECT_EQ(w, 974);
    EXPECT_EQ(h, 976);

    // The cache answers until the window moves.
    p->setRect({100, 100, 200, 200});
    ASSERT_TRUE(p->deviceRectNow(&x, &y, &w, &h));
    EXPECT_EQ(x, 14);
    ASSERT_TRUE(p->moveTo({100, 100, 200, 200}));
    ASSERT_TRUE(p->deviceRectNow(&x, &y, &w, &h));
    EXPECT_EQ(x, 100);
    EXPECT_EQ(w, 100);

    // Not for a PIP window asking another.
    CPIPCell other;
    EXPECT_FALSE(p->deviceRectOf(&other, &x, &y, &w, &h));
    EXPECT_FALSE(region->deviceRectOf(nullptr, &x, &y, &w, &h));
}

TEST_F(PipWindowTest, HitZonesAndCursors)
{
    CPIPCell* p = wall.addPipTo(region);  // {200, 116, 300, 184}
    EXPECT_EQ(p->hitTest(199, 150), ZONE_LEFT);
    EXPECT_EQ(p->hitTest(201, 117), ZONE_LEFT) << "left is tested before top";
    EXPECT_EQ(p->hitTest(250, 115), ZONE_TOP);
    EXPECT_EQ(p->hitTest(301, 150), ZONE_RIGHT);
    EXPECT_EQ(p->hitTest(250, 185), ZONE_BOTTOM);
    EXPECT_EQ(p->hitTest(250, 150), ZONE_INSIDE);
    EXPECT_EQ(p->hitTest(150, 150), ZONE_OUTSIDE);
    EXPECT_EQ(p->cursorFor(ZONE_LEFT), CURSOR_SIZE_WE);
    EXPECT_EQ(p->cursorFor(ZONE_BOTTOM), CURSOR_SIZE_NS);
    EXPECT_EQ(p->cursorFor(ZONE_INSIDE), CURSOR_HAND);
    EXPECT_EQ(p->cursorFor(ZONE_OUTSIDE), CURSOR_ARROW);
    EXPECT_EQ(region->hitTest(250, 150), ZONE_OUTSIDE);
    EXPECT_EQ(region->pipAt({250, 150}), p);
    EXPECT_EQ(region->pipAt({120, 60}), nullptr);
}

TEST_F(PipWindowTest, EdgeDragKeepsEightPixelsAndStaysInsideTheRegion)
{
    CPIPCell* p = wall.addPipTo(region);  // {200, 116, 300, 184}
    ASSERT_TRUE(p->hasDeviceRect());
    ASSERT_TRUE(p->resizeEdge(ZONE_RIGHT, 203, 0));
    EXPECT_EQ(p->rect(), (WallRect{200, 116, 208, 184}));
    EXPECT_FALSE(p->hasDeviceRect()) << "an edge drag resets the device rectangle";

    // Dragged past the opposite edge: normalised.
    ASSERT_TRUE(p->resizeEdge(ZONE_TOP, 0, 190));
    EXPECT_EQ(p->rect(), (WallRect{200, 184, 208, 192}));

    // Out of the region: refused.
    EXPECT_FALSE(p->resizeEdge(ZONE_LEFT, 90, 0));
    EXPECT_EQ(p->rect(), (WallRect{200, 184, 208, 192}));
    EXPECT_FALSE(p->moveTo({390, 60, 410, 80}));
    EXPECT_EQ(p->rect(), (WallRect{200, 184, 208, 192}));
}

TEST_F(PipWindowTest, FineAdjustmentMovesBothRectanglesWithinLimits)
{
    services.pixelWidth = 1000;
    services.pixelHeight = 1000;
    region->setRect({0, 0, 1000, 1000});
    CPIPCell* p = new CPIPCell;
    p->setNumber(2);
    region->addPip(p);
    p->setRect({500, 500, 600, 600});
    p->setDeviceRect(500, 500, 100, 100);

    p->fineAdjust(CPIPCell::MOVE_RIGHT, 4);
    EXPECT_EQ(p->rect(), (WallRect{504, 500, 604, 600}));
    EXPECT_EQ(services.log.back(), "geometry 2 504 500 100 100");
    EXPECT_TRUE(p->hasDeviceRect()) << "fine adjustment keeps the device rectangle";

    // Moving right into the last 10 device pixels puts the window at the edge.
    p->setDeviceRect(895, 500, 100, 100);
    p->fineAdjust(CPIPCell::MOVE_RIGHT, 1);
    EXPECT_EQ(services.log.back(), "geometry 2 900 500 100 100");

    // A view move that would leave the region is not applied; the device one still is.
    p->setRect({0, 0, 100, 100});
    p->setDeviceRect(20, 20, 100, 100);
    p->fineAdjust(CPIPCell::MOVE_UP, 30);
    EXPECT_EQ(p->rect(), (WallRect{0, 0, 100, 100}));
    EXPECT_EQ(services.log.back(), "geometry 2 20 0 100 100") << "negative y stored as 0";

    p->setDeviceRect(950, 900, 100, 100);
    p->fineAdjust(CPIPCell::WIDTH_GROW, 10);
    EXPECT_EQ(p->rect(), (WallRect{0, 0, 110, 100}));
    EXPECT_EQ(services.log.back(), "geometry 2 950 900 50 100") << "w limited to W - x";

    p->fineAdjust(CPIPCell::HEIGHT_SHRINK, 95);
    EXPECT_EQ(p->rect(), (WallRect{0, 0, 110, 8})) << "8 view pixels at least";
}

}  // namespace

// A damaged scene file can carry any coordinates; sizes saturate rather than overflow.
TEST(WallRectSize, ExtremeCoordinatesSaturate)
{
    EXPECT_EQ(INT_MAX, (WallRect{INT_MIN, 0, 800, 10}).width());
    EXPECT_EQ(INT_MIN, (WallRect{INT_MAX, 0, -2, 10}).width());
    EXPECT_EQ(INT_MAX, (WallRect{0, -5, 10, INT_MAX}).height());
    EXPECT_EQ(600, (WallRect{100, 0, 700, 10}).width());
}
