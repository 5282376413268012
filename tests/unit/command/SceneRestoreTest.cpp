// The scene restore ("恢复场景") and preset store ("存储预设场景"): a mixed wall call by call, the
// 270-command limit and its warning, sub-command failures and exceptions.
#include "app/core/command/SceneRestoreCommand.h"
#include "tests/unit/command/WallFixture.h"

#include <stdexcept>

namespace {

// The calls a mixed wall is restored with (8 MPD channels, 1920 x 1080, CVBS chosen last),
// between "设置分辨率" and the closing RecordPreset. One string per top-level cell.
const char* const kMixedWall[] = {
    // panel 1: CVBS input 2 through the matrix, then its own input
    "MatrixSwitch(21,0,1,1000,2) SetLayout(9,1,1,1) SelectInput(9,3)",
    // panel 4: the MPD region (no input of its own chosen: type 12 to its board), its
    // assignment, then its two windows
    "SetLayout(12,1,1,1) SelectInput(1,12) SelectInput(2,4) SelectInput(3,4) SelectInput(4,4) "
    "SelectInput(5,4) SelectInput(6,4) SelectInput(7,4) SelectInput(8,4) SelectInput(12,0) "
    "SetPip(2,2,2,128,1,104) SetPip(2,1,0,100,0,200) SetPip(2,0,1,85,85,85) SelectPipInput(2,2) "
    "SetPip(2,3,5,85,85,85) "
    "SetPip(3,2,2,140,1,112) SetPip(3,1,2,120,1,100) SetPip(3,0,1,85,85,85) "
    "SetPip(3,3,0,85,85,85)",
    // panel 5: no input chosen
    "SetLayout(13,1,1,1)",
    // panel 6: input type 0
    "SetLayout(14,1,1,1) SelectInput(14,0)",
    // panels 2 and 3 combined, DVI
    "SetLayout(10,2,1,1) SetLayout(11,2,1,2) SelectInput(10,6) SelectInput(11,6)",
    // panels 7 and 8 combined, no input: the member loop ends at once
    "SetLayout(15,2,1,1) SetLayout(16,2,1,2)",
};
const int kMixedWallCounted = 28;

std::string MixedWallCalls()
{
    std::string text;
    for (const char* part : kMixedWall) {
        text += ' ';
        text += part;
    }
    return text;
}

}  // namespace

class SceneRestoreTest : public WallTest {
protected:
    void SetUp() override
    {
        WallTest::SetUp();
        g_nCurrentInputType = 3;
        Panel(1)->setInputType(3);
        Panel(1)->setInputNo(2);
        Panel(4)->setMpd(TRUE);
        CPIPCell* pip2 = AddPip(Panel(4), 2, 5);
        pip2->setInputNo(4);   // a window's matrix input is not switched by the restore
        pip2->setDeviceRect(100, 200, 640, 360);
        AddPip(Panel(4));      // device rectangle from its place in the region
        Panel(5)->setInputType(12);
        Panel(6)->setInputType(0);
        CCombineCell* dvi = Combine({2, 3});
        dvi->setInputType(6);
        CCombineCell* none = Combine({7, 8});
        none->setInputType(12);
        link.Clear();
        g_nCommandCount = -5;
    }
};

TEST_F(SceneRestoreTest, MixedWallCallByCall)
{
    CSceneRestoreCommand restore(wall.cells());
    EXPECT_STREQ("恢复场景", restore.Title());
    EXPECT_EQ(RUN_OK, runWithProgress(restore));
    EXPECT_EQ("NewScene(0) SetResolution(0,6)" + MixedWallCalls(), link.Joined());
    EXPECT_EQ(kMixedWallCounted, g_nCommandCount);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SceneRestoreTest, StoringBracketsTheSceneWithRecordPreset)
{
    CSceneRestoreCommand store(wall.cells(), true, 5);
    EXPECT_STREQ("存储预设场景", store.Title());
    EXPECT_EQ(1, store.Execute());
    EXPECT_EQ("RecordPreset(5,1) NewScene(0) SetResolution(0,6)" + MixedWallCalls() +
                  " RecordPreset(5,0)",
              link.Joined());
    EXPECT_EQ(kMixedWallCounted, g_nCommandCount);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SceneRestoreTest, OpeningRecordPresetIsNotExaminedTheClosingOneIs)
{
    link.respond = [](const std::string& call, int) {
        return call == "RecordPreset(5,1)" ? 3 : 0;
    };
    CSceneRestoreCommand store(wall.cells(), true, 5);
    EXPECT_EQ(1, store.Execute());

    link.Clear();
    link.respond = [](const std::string& call, int) {
        return call == "RecordPreset(5,0)" ? 1 : 0;
    };
    CSceneRestoreCommand closing(wall.cells(), true, 5);
    EXPECT_EQ(RUN_FAILED, runDirect(closing));
    EXPECT_EQ(std::string("未联机;\n错误码:0X0001"), std::string(closing.Message()));
    EXPECT_EQ("RecordPreset(5,0)", link.calls.back());
}

TEST_F(SceneRestoreTest, AFailingSubCommandEndsTheRestoreWithItsMessage)
{
    FailCalls("SelectInput(14,0)", 3);
    CSceneRestoreCommand store(wall.cells(), true, 5);
    EXPECT_EQ(0, store.Execute());
    EXPECT_EQ(std::string("通讯失败;\n错误码:0X0003"), std::string(store.Message()));
    EXPECT_EQ("SelectInput(14,0)", link.calls.back());

    // The combination of a combined cell is a step that ends it too.
    link.Clear();
    FailCalls("SetLayout(11,2,1,2)", 2);
    CSceneRestoreCommand combined(wall.cells());
    EXPECT_EQ(0, combined.Execute());
    EXPECT_EQ(std::string("打开串口设备失败;\n错误码:0X0002"), std::string(combined.Message()));
    EXPECT_EQ("SetLayout(11,2,1,2)", link.calls.back());

    // So do the matrix and a new scene the device refuses.
    link.Clear();
    FailCalls("MatrixSwitch", 3);
    CSceneRestoreCommand matrix(wall.cells());
    EXPECT_EQ(0, matrix.Execute());
    EXPECT_EQ("NewScene(0) SetResolution(0,6) MatrixSwitch(21,0,1,1000,2)", link.Joined());
    link.Clear();
    FailCalls("NewScene", 3);
    CSceneRestoreCommand fresh(wall.cells());
    EXPECT_EQ(0, fresh.Execute());
    EXPECT_EQ("NewScene(0)", link.Joined());
}

TEST_F(SceneRestoreTest, StepsWhoseResultsDoNotEndTheRestore)
{
    // The single-panel layout, the resolution and everything sent for PIP windows.
    link.respond = [](const std::string& call, int) {
        return call.compare(0, 9, "SetLayout") == 0 && call.find(",1,1,1)") != std::string::npos
                       ? 3
                   : call.compare(0, 6, "SetPip") == 0 || call.compare(0, 13, "SetResolution") == 0 ||
                           call.compare(0, 14, "SelectPipInput") == 0
                       ? 3
                       : 0;
    };
    CSceneRestoreCommand restore(wall.cells());
    EXPECT_EQ(1, restore.Execute());
    EXPECT_EQ("NewScene(0) SetResolution(0,6)" + MixedWallCalls(), link.Joined());
    EXPECT_TRUE(restore.Message().IsEmpty());
}

TEST_F(SceneRestoreTest, AnExceptionInASubCommandEndsTheRestore)
{
    link.respond = [](const std::string& call, int) -> int {
        if (call == "SelectInput(9,3)")
            throw std::runtime_error("gone");
        return 0;
    };
    CSceneRestoreCommand restore(wall.cells());
    EXPECT_EQ(RUN_FAILED, runWithProgress(restore));
    EXPECT_EQ(std::string("通讯发生异常"), std::string(restore.Message()));
    EXPECT_EQ("SelectInput(9,3)", link.calls.back());
}

TEST_F(SceneRestoreTest, OfflineNothingIsSent)
{
    g_nOnline = 0;
    CSceneRestoreCommand store(wall.cells(), true, 5);
    EXPECT_EQ(RUN_OK, runWithProgress(store));
    EXPECT_TRUE(link.calls.empty());
    EXPECT_TRUE(Messages().empty());
}

class PresetLimitTest : public CommandTest {
protected:
    // A wall of n panels, each with input type 0: 2 + n counted commands.
    void StorePanels(int n)
    {
        CCellObjImp wall;
        wall.setLayout(n, 1, WallRect{0, 0, 10 * n, 10});
        for (CCell* cell : wall.cells())
            cell->setInputType(0);
        link.Clear();
        CSceneRestoreCommand store(wall.cells(), true, 19);
        EXPECT_EQ(RUN_OK, runWithProgress(store));
        EXPECT_EQ(2 + n, g_nCommandCount);
        EXPECT_EQ("RecordPreset(19,0)", link.calls.back());
    }
};

TEST_F(PresetLimitTest, TwoHundredSeventyCommandsAreStoredSilently)
{
    StorePanels(268);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PresetLimitTest, TwoHundredSeventyOneCommandsAreStoredWithAWarning)
{
    StorePanels(269);
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(std::string("该预设场景发送指令271条,超过最大条数270,可能设置无效!"),
              Messages()[0].first);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), Messages()[0].second);
}

TEST_F(PresetLimitTest, TheRegionsOwnBoardCountsTowardsTheLimit)
{
    // 268 panels, the first an MPD region without input on a one-channel device: NewScene,
    // SetResolution, SelectInput(1,12), SelectInput(2,0) for the region, 267 inputs: 271.
    config.mpdCount = 1;
    CCellObjImp wall;
    wall.setLayout(268, 1, WallRect{0, 0, 2680, 10});
    for (CCell* cell : wall.cells())
        cell->setInputType(0);
    wall.cells().GetHead()->setMpd(TRUE);
    link.Clear();
    CSceneRestoreCommand store(wall.cells(), true, 7);
    EXPECT_EQ(RUN_OK, runWithProgress(store));
    EXPECT_EQ("RecordPreset(7,1) NewScene(0) SetResolution(0,6) SetLayout(2,1,1,1) "
              "SelectInput(1,12) SelectInput(2,0) SetLayout(3,1,1,1) SelectInput(3,0)",
              link.Joined().substr(0, link.Joined().find(" SetLayout(4,")));
    EXPECT_EQ(271, g_nCommandCount);
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(std::string("该预设场景发送指令271条,超过最大条数270,可能设置无效!"),
              Messages()[0].first);
}

TEST_F(PresetLimitTest, RestoringWithoutStoringNeverWarns)
{
    CCellObjImp wall;
    wall.setLayout(300, 1, WallRect{0, 0, 3000, 10});
    for (CCell* cell : wall.cells())
        cell->setInputType(1);
    CSceneRestoreCommand restore(wall.cells());
    EXPECT_EQ(1, restore.Execute());
    EXPECT_EQ(302, g_nCommandCount);
    EXPECT_TRUE(Messages().empty());
}
