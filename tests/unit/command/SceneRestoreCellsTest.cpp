// The scene restore for cell shapes the mixed wall does not have: a combined MPD region, a PIP
// window at the top level, a window without a device rectangle, and combined members of
// different input types. Each restores a list of its own, so the calls are only that cell's.
// The frames of the MPD assignment itself are pinned by SceneRestoreTest; here they are only
// placed between the combination and the windows.
#include "app/core/command/SceneRestoreCommand.h"
#include "tests/unit/command/WallFixture.h"

namespace {

const std::string kOpening = "NewScene(0) SetResolution(0,6)";

bool StartsWith(const std::string& text, const std::string& head) { return text.compare(0, head.size(), head) == 0; }

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class SceneRestoreCellsTest : public WallTest {
protected:
    std::string Restore(std::initializer_list<CCell*> cells)
    {
        CCellList list;
        for (CCell* cell : cells)
            list.AddTail(cell);
        link.Clear();
        CSceneRestoreCommand restore(list);
        EXPECT_EQ(RUN_OK, runDirect(restore)) << restore.Message();
        return link.Joined();
    }
};

TEST_F(SceneRestoreCellsTest, MemberLoopStopsAtTheFirstMemberWithoutAnInput)
{
    CCombineCell* combined = Combine({1, 2, 5, 6});
    ASSERT_NE(combined, nullptr);
    // Members in order 1, 2, 5, 6: DVI, CVBS, none, VGA.
    const int types[] = {6, 3, 12, 2};
    int i = 0;
    for (CCell* member : combined->members())
        member->setInputType(types[i++]);
    EXPECT_EQ(kOpening + " SetLayout(9,2,2,1) SetLayout(10,2,2,2) SetLayout(13,2,2,3) SetLayout(14,2,2,4)"
                         " SelectInput(9,6) SelectInput(10,3)",
              Restore({combined}));
}

TEST_F(SceneRestoreCellsTest, TopLevelPipWindowsAreSkippedMatrixAndAll)
{
    CPIPCell stray;
    stray.setNumber(3);
    stray.setInputType(6);
    stray.setInputNo(2);
    Panel(3)->setInputType(0);
    EXPECT_EQ(kOpening + " SetLayout(11,1,1,1) SelectInput(11,0)", Restore({&stray, Panel(3)}));
}

TEST_F(SceneRestoreCellsTest, WindowWithoutADeviceRectangleSkipsOnlyItsGeometry)
{
    CCell* region = Panel(4);
    region->setMpd(TRUE);
    CPIPCell* pip = AddPip(region, 6, 7);
    ASSERT_NE(pip, nullptr);
    // A region without width has no scale, so no device rectangle once the cache is unset.
    region->setRect({600, 0, 600, 200});
    pip->resetDeviceRect();
    const std::string calls = Restore({region});
    EXPECT_TRUE(StartsWith(calls, kOpening + " SetLayout(12,1,1,1) ")) << calls;
    EXPECT_TRUE(EndsWith(calls, " SelectInput(12,0) SetPip(2,0,1,85,85,85) SelectPipInput(2,6) SetPip(2,3,7,85,85,85)"))
        << calls;
    EXPECT_EQ(std::string::npos, calls.find("SetPip(2,2,")) << calls;
    EXPECT_EQ(std::string::npos, calls.find("SetPip(2,1,")) << calls;
}

TEST_F(SceneRestoreCellsTest, CombinedMpdRegionIsCombinedAssignedThenGivenItsWindows)
{
    CCombineCell* combined = Combine({2, 3});
    ASSERT_NE(combined, nullptr);
    combined->setMpd(TRUE);  // "设置CBD" on the combined cell
    CPIPCell* pip = AddPip(combined);
    ASSERT_NE(pip, nullptr);
    pip->setDeviceRect(100, 200, 640, 360);
    const std::string calls = Restore({combined});
    // Combined first; then the assignment, whose last frames put both members on the MPD
    // channel; then the window: size, position, on, transparency (no input of its own). No
    // member gets an input of its own.
    EXPECT_TRUE(StartsWith(calls, kOpening + " SetLayout(10,2,1,1) SetLayout(11,2,1,2) ")) << calls;
    EXPECT_TRUE(EndsWith(calls, " SelectInput(10,0) SelectInput(11,0) SetPip(2,2,2,128,1,104) SetPip(2,1,0,100,0,200)"
                                " SetPip(2,0,1,85,85,85) SetPip(2,3,0,85,85,85)"))
        << calls;
    EXPECT_EQ(std::string::npos, calls.find("SetLayout(10,1,1,1)")) << "a combined cell is not split";
}

}  // namespace
