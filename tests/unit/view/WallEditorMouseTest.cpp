// Mouse gestures of the wall view against the real wall model and the command layer: selection,
// the rubber band and merging, moving and resizing PIP windows with the device rectangles sent on
// release, capture loss, double-click placement and the right button.
#include "app/core/view/WallEditor.h"
#include "tests/unit/view/ViewTestSupport.h"

namespace {

class FakeHost : public WallEditorHost {
public:
    std::vector<int> cursors;
    std::vector<WallRect> bands;
    bool captured = false;
    int releases = 0;

    void setCursor(int cursor) override { cursors.push_back(cursor); }
    void captureMouse() override { captured = true; }
    void releaseMouse() override
    {
        captured = false;
        ++releases;
    }
    void drawBand(const WallRect& rc) override { bands.push_back(rc); }
};

// The rectangles the wall asks its view to repaint.
class RepaintLog : public ICellInvalidate {
public:
    std::vector<WallRect> rects;
    void invalidateRect(const WallRect& rc, BOOL) override { rects.push_back(rc); }
};

}  // namespace

class WallEditorMouse : public ViewTest {
protected:
    FakeHost host;
    WallEditor editor{wall, host};

    void SetUp() override
    {
        ViewTest::SetUp();
        editor.reset();
    }

    // Panel 1 as an MPD region holding one window in its middle ninth: (66,66)-(134,134) in view
    // pixels, sent as x 632, y 356, 652 x 368 on the 1920 x 1080 output.
    CPIPCell* RegionWithWindow()
    {
        Panel(1)->setMpd(TRUE);
        CPIPCell* pip = AddPip(Panel(1));
        titles.titles.clear();
        return pip;
    }

    void Drag(WallPoint from, WallPoint to)
    {
        editor.press(from);
        editor.move(WallPoint{(from.x + to.x) / 2, (from.y + to.y) / 2});
        editor.move(to);
        editor.release(to);
    }
};

TEST_F(WallEditorMouse, PressSelectsTheCellAndStartsARubberBand)
{
    editor.press({250, 120});
    EXPECT_EQ(Panel(2), editor.currentCell());
    EXPECT_TRUE(Panel(2)->isSelected());
    EXPECT_EQ(DRAG_BAND, editor.dragMode());
    EXPECT_EQ(ZONE_OUTSIDE, editor.hitZone());
    EXPECT_TRUE(host.captured);
    EXPECT_EQ(250, WallEditor::band().anchor.x);

    // A press elsewhere moves the selection.
    editor.release({250, 120});
    editor.press({50, 350});
    EXPECT_FALSE(Panel(2)->isSelected());
    EXPECT_TRUE(Panel(5)->isSelected());
    editor.release({50, 350});
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(8, wall.cells().GetCount());
}

TEST_F(WallEditorMouse, RubberBandOverTwoPanelsMergesThemAndResendsTheInput)
{
    Panel(1)->setInputType(INPUT_CVBS);
    Panel(1)->setInputNo(2);
    editor.press({100, 100});
    editor.move({200, 120});
    editor.move({300, 150});
    // Each step erases the last rectangle by drawing it again.
    ASSERT_EQ(3u, host.bands.size());
    EXPECT_EQ((WallRect{100, 100, 200, 120}), host.bands[0]);
    EXPECT_EQ(host.bands[0], host.bands[1]);
    EXPECT_EQ((WallRect{100, 100, 300, 150}), host.bands[2]);
    editor.release({300, 150});

    EXPECT_EQ(4u, host.bands.size());   // erased on release
    EXPECT_FALSE(host.captured);
    EXPECT_EQ(7, wall.cells().GetCount());
    CCell* merged = wall.cells().GetTail();
    ASSERT_EQ(CELL_KIND_COMBINED, merged->kind());
    EXPECT_EQ(INPUT_CVBS, merged->inputType());
    EXPECT_EQ("SetLayout(9,2,1,1) SetLayout(10,2,1,2) SelectInput(9,3) SelectInput(10,3) "
              "MatrixSwitch(21,0,1,1000,2) MatrixSwitch(21,0,1,1001,2)",
              link.Joined());
    EXPECT_EQ((std::vector<std::string>{"合成屏幕", "选择输入", "切换矩阵通道"}), titles.titles);
    EXPECT_EQ(nullptr, editor.currentCell());
}

TEST_F(WallEditorMouse, RubberBandTouchingAnMpdRegionMergesNothing)
{
    Panel(2)->setMpd(TRUE);
    Drag({100, 100}, {300, 150});
    EXPECT_EQ(8, wall.cells().GetCount());
    EXPECT_FALSE(Panel(2)->isSelected());
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(WallEditorMouse, RefusedMergeLeavesNoCurrentCell)
{
    FailCalls("SetLayout", 3);
    Drag({100, 100}, {300, 150});
    EXPECT_EQ((std::vector<std::string>{"通讯失败;\n错误码:0X0003"}), Shown());
    // The merged cell stays in the model; the pressed panel is one of its hidden members now.
    EXPECT_EQ(7, wall.cells().GetCount());
    EXPECT_TRUE(Panel(1) == nullptr || Panel(1)->isMember());
    EXPECT_EQ(nullptr, editor.currentCell());
}

TEST_F(WallEditorMouse, DraggingAWindowSendsItsNewDeviceRectangleOnRelease)
{
    CPIPCell* pip = RegionWithWindow();
    ASSERT_EQ((WallRect{66, 66, 134, 134}), pip->rect());
    editor.press({100, 100});
    EXPECT_EQ(pip, editor.currentPip());
    EXPECT_EQ(Panel(1), editor.currentCell());
    EXPECT_EQ(DRAG_MOVE, editor.dragMode());
    EXPECT_EQ(CURSOR_HAND, host.cursors.back());
    editor.move({104, 102});
    editor.move({110, 105});
    EXPECT_TRUE(link.calls.empty()) << "nothing is sent while dragging";
    editor.release({110, 105});
    EXPECT_EQ((WallRect{76, 71, 144, 139}), pip->rect());
    // x 76 * 9.6 = 729 -> 728 (odd goes down), y 71 * 5.4 = 383 -> 384 (odd goes up).
    EXPECT_EQ("SetPip(2,2,2,140,1,112) SetPip(2,1,2,216,1,128)", link.Joined());
    EXPECT_TRUE(titles.titles.empty()) << "the geometry is sent without the progress window";
}

TEST_F(WallEditorMouse, PressAndReleaseWithoutMovingSendsNothing)
{
    RegionWithWindow();
    editor.press({100, 100});
    editor.release({100, 100});
    editor.press({66, 100});   // an edge
    editor.release({66, 100});
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(WallEditorMouse, EachEdgeResizesWithItsCursorAndSendsSizeThenPosition)
{
    struct Case {
        WallPoint grab, to;
        int zone, cursor;
        WallRect rect;
        const char* sent;
    } cases[] = {
        {{66, 100}, {40, 100}, ZONE_LEFT, CURSOR_SIZE_WE, {40, 66, 134, 134},
         "SetPip(2,2,3,134,1,112) SetPip(2,1,1,128,1,100)"},
        {{100, 66}, {100, 30}, ZONE_TOP, CURSOR_SIZE_NS, {66, 30, 134, 134},
         "SetPip(2,2,2,140,2,50) SetPip(2,1,2,120,0,162)"},
        {{133, 100}, {180, 100}, ZONE_RIGHT, CURSOR_SIZE_WE, {66, 66, 180, 134},
         "SetPip(2,2,4,70,1,112) SetPip(2,1,2,120,1,100)"},
        {{100, 133}, {100, 190}, ZONE_BOTTOM, CURSOR_SIZE_NS, {66, 66, 134, 190},
         "SetPip(2,2,2,140,2,158) SetPip(2,1,2,120,1,100)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone);
        CPIPCell* pip = RegionWithWindow();
        editor.press(c.grab);
        EXPECT_EQ(c.zone, editor.hitZone());
        EXPECT_EQ(DRAG_RESIZE, editor.dragMode());
        EXPECT_EQ(c.cursor, host.cursors.back());
        editor.move(c.to);
        editor.release(c.to);
        EXPECT_EQ(c.rect, pip->rect());
        EXPECT_EQ(c.sent, link.Joined());
        editor.reset();   // the window goes next, so it is current no more
        Panel(1)->removeAllPips(FALSE);
        Panel(1)->setMpd(FALSE);
        link.Clear();
    }
}

TEST_F(WallEditorMouse, AWindowDraggedOutOfItsRegionStaysWhereItWas)
{
    CPIPCell* pip = RegionWithWindow();
    Drag({100, 100}, {300, 100});
    EXPECT_EQ((WallRect{66, 66, 134, 134}), pip->rect());
    // The pointer moved, so the (unchanged) rectangle is sent again.
    EXPECT_EQ("SetPip(2,2,2,140,1,112) SetPip(2,1,2,120,1,100)", link.Joined());
}

TEST_F(WallEditorMouse, ADragRepaintsWhereTheWindowWasAndIsOnly)
{
    RepaintLog log;
    wall.setViewSink(&log);
    CPIPCell* pip = RegionWithWindow();
    editor.press({100, 100});
    log.rects.clear();
    editor.move({110, 105});
    EXPECT_EQ((std::vector<WallRect>{{66, 66, 144, 139}}), log.rects);
    // Out of the region: the window stays, nothing is repainted.
    log.rects.clear();
    editor.move({300, 105});
    EXPECT_EQ((WallRect{76, 71, 144, 139}), pip->rect());
    EXPECT_TRUE(log.rects.empty());
    editor.release({300, 105});

    // The right edge dragged out and then back in past the left edge's minimum.
    editor.press({143, 100});
    ASSERT_EQ(DRAG_RESIZE, editor.dragMode());
    log.rects.clear();
    editor.move({170, 100});
    editor.move({60, 100});
    EXPECT_EQ((std::vector<WallRect>{{76, 71, 170, 139}, {60, 71, 170, 139}}), log.rects);
    EXPECT_EQ((WallRect{60, 71, 76, 139}), pip->rect());
    editor.release({60, 100});
    wall.setViewSink(nullptr);
}

TEST_F(WallEditorMouse, LosingTheMouseMidDragFinishesTheDrag)
{
    CPIPCell* pip = RegionWithWindow();
    editor.press({100, 100});
    editor.move({110, 105});
    editor.captureLost();
    EXPECT_EQ(DRAG_NONE, editor.dragMode());
    EXPECT_EQ((WallRect{76, 71, 144, 139}), pip->rect());
    EXPECT_EQ("SetPip(2,2,2,140,1,112) SetPip(2,1,2,216,1,128)", link.Joined());

    // A rubber band is erased and merges nothing.
    link.Clear();
    editor.press({250, 250});
    editor.move({500, 300});
    const size_t drawn = host.bands.size();
    editor.captureLost();
    EXPECT_EQ(drawn + 1, host.bands.size());
    EXPECT_EQ(host.bands[drawn - 1], host.bands[drawn]);
    EXPECT_EQ(8, wall.cells().GetCount());
    EXPECT_FALSE(Panel(7)->isSelected());
    EXPECT_TRUE(link.calls.empty());
    // A later release without the capture changes nothing.
    editor.captureLost();
    EXPECT_EQ(drawn + 1, host.bands.size());
}

TEST_F(WallEditorMouse, DoubleClickPlacesAWindowInItsRegionOrItsSlot)
{
    CPIPCell* pip = RegionWithWindow();
    // A window smaller than its region fills it.
    editor.doubleClick({100, 100});
    EXPECT_EQ(pip, editor.currentPip());
    EXPECT_EQ((WallRect{0, 0, 200, 200}), pip->rect());
    EXPECT_EQ("SetPip(2,2,7,128,4,56) SetPip(2,1,0,0,0,0)", link.Joined());

    // Filling its region, it goes back to its slot: without a sub-grid the middle ninth.
    link.Clear();
    editor.doubleClick({100, 100});
    EXPECT_EQ((WallRect{66, 66, 134, 134}), pip->rect());
    EXPECT_EQ("SetPip(2,2,2,140,1,112) SetPip(2,1,2,120,1,100)", link.Joined());

    // With a 2 x 2 sub-grid the second window's slot is the top-right quarter.
    viewConfig.subRows = 2;
    viewConfig.subColumns = 2;
    CPIPCell* second = AddPip(Panel(1));
    ASSERT_EQ((WallRect{100, 0, 200, 100}), second->rect());
    editor.doubleClick({150, 50});
    EXPECT_EQ((WallRect{0, 0, 200, 200}), second->rect());
    editor.doubleClick({150, 50});
    EXPECT_EQ((WallRect{100, 0, 200, 100}), second->rect());
}

TEST_F(WallEditorMouse, DoubleClickSplitsAMergedCell)
{
    Combine({1, 2});
    link.Clear();
    editor.doubleClick({250, 100});
    EXPECT_EQ("SetLayout(9,1,1,1) SetLayout(10,1,1,1)", link.Joined());
    EXPECT_EQ((std::vector<std::string>{"屏幕分解"}), titles.titles);
    EXPECT_EQ(8, wall.cells().GetCount());
    EXPECT_EQ(nullptr, editor.currentCell());

    // A plain panel stays as it is, current.
    link.Clear();
    editor.doubleClick({250, 100});
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(Panel(2), editor.currentCell());
}

TEST_F(WallEditorMouse, RightButtonOpensTheMenuOnlyOverAWindow)
{
    CPIPCell* pip = RegionWithWindow();
    EXPECT_FALSE(editor.pointAt({300, 100}));
    EXPECT_EQ(Panel(2), editor.currentCell());
    EXPECT_TRUE(Panel(2)->isSelected());
    EXPECT_EQ(nullptr, editor.currentPip());

    EXPECT_TRUE(editor.pointAt({100, 100}));
    EXPECT_FALSE(Panel(2)->isSelected());
    EXPECT_EQ(Panel(1), editor.currentCell());
    EXPECT_EQ(pip, editor.currentPip());
    EXPECT_TRUE(pip->isSelected());

    EXPECT_FALSE(editor.pointAt({10, 10}));   // the region outside its window
    EXPECT_EQ(nullptr, editor.currentPip());
    EXPECT_FALSE(pip->isSelected());
}

TEST_F(WallEditorMouse, HoveringShowsTheCursorOfTheZone)
{
    RegionWithWindow();
    editor.move({66, 100});
    editor.move({100, 133});
    editor.move({100, 100});
    editor.move({300, 100});   // no window: the cursor is left alone
    EXPECT_EQ((std::vector<int>{CURSOR_SIZE_WE, CURSOR_SIZE_NS, CURSOR_HAND}), host.cursors);
    EXPECT_EQ(300, editor.lastPoint().x);
    // What the view answers the system's cursor question with.
    EXPECT_EQ(CURSOR_SIZE_WE, editor.hoverCursor({133, 100}));
    EXPECT_EQ(CURSOR_SIZE_NS, editor.hoverCursor({100, 67}));
    EXPECT_EQ(CURSOR_HAND, editor.hoverCursor({100, 100}));
    EXPECT_EQ(-1, editor.hoverCursor({20, 20}));
}

TEST_F(WallEditorMouse, OfflineTheModelChangesAndNothingIsSent)
{
    g_nOnline = 0;
    editor.pointAt({100, 100});
    editor.toggleMpd();
    editor.addWindow();
    ASSERT_EQ(1, Panel(1)->pipCount());
    CPIPCell* pip = static_cast<CPIPCell*>(Panel(1)->pips().GetHead());
    Drag({100, 100}, {110, 105});
    EXPECT_EQ((WallRect{76, 71, 144, 139}), pip->rect());
    editor.selectInput(INPUT_DVI, "选择HDMI");
    EXPECT_EQ(INPUT_DVI, pip->inputType());
    editor.doubleClick({100, 100});
    EXPECT_EQ((WallRect{0, 0, 200, 200}), pip->rect());
    EXPECT_TRUE(link.calls.empty()) << link.Joined();
    EXPECT_TRUE(Messages().empty());
}
