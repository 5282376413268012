// The blank scene, the new scene with its paced PIP windows, start-up load and exit save.
#include "tests/unit/scene/SceneTestSupport.h"

namespace {

class SceneSequenceTest : public SceneTest {};

TEST_F(SceneSequenceTest, BlankSceneLaysOutTheConfiguredWallAndSendsIt)
{
    host.working = {5, 5, 1, 9};
    buildMixedWall();
    scenes.resetScene();
    EXPECT_EQ(host.working.rows, 2);
    EXPECT_EQ(host.working.mpdCount, 4);
    ASSERT_EQ(wall.cells().GetCount(), 4);
    for (CCell* c : wall.cells()) {
        EXPECT_EQ(c->kind(), CELL_KIND_PLAIN);
        EXPECT_FALSE(c->isMpd());
    }
    // Same grid over the same area: reset in place, the combined cell's members back at the end.
    EXPECT_EQ(wall.cells().GetAt(3)->number(), 2);
    EXPECT_EQ(wall.cells().GetAt(3)->rect(), (WallRect{200, 0, 400, 150}));
    EXPECT_EQ(wall.cellAt({300, 250})->number(), 4);
    EXPECT_EQ(services.log, blankSceneLog(4));
    EXPECT_EQ(host.interactionClears, 1);
}

TEST_F(SceneSequenceTest, RefusedNewSceneGoesOnRefusedPositionEndsIt)
{
    host.refuseNewScene = true;
    scenes.resetScene();
    EXPECT_EQ(services.log, (std::vector<std::string>{
                                "新建场景", "message 未联机;\n错误码:0X0001", "设置位置",
                                "设置分辨率 6 4", "recent insidemode-newmode.tzs"}));

    services.log.clear();
    host.refuseNewScene = false;
    host.refusePosition = true;
    host.recent = "kept.tzs";
    scenes.resetScene();
    EXPECT_EQ(services.log, (std::vector<std::string>{
                                "新建场景", "设置位置", "message 未联机;\n错误码:0X0001"}));
    EXPECT_EQ(host.recent, CString("kept.tzs"));
}

TEST_F(SceneSequenceTest, NewSceneFillsTheRegionUnderTheProbePointWithPausedWindows)
{
    // The split command asked for four windows: with four channels configured, three fit and
    // the fourth call reports the limit.
    host.working.mpdCount = 4;
    scenes.newScene();
    const std::vector<std::string> expected = {
        "新建场景", "设置位置", "设置分辨率 6 4",
        "设置CBD 4",
        "开PIP 2", "geometry 2 0 0 960 540", "pause 100",
        "开PIP 3", "geometry 3 960 0 960 540", "pause 100",
        "开PIP 4", "geometry 4 0 540 960 540", "pause 100",
        "message MPD窗口已添加至最大", "pause 100",
        "recent insidemode-newmode.tzs"};
    EXPECT_EQ(services.log, expected);
    CCell* region = wall.cellAt({280, 200});
    ASSERT_NE(region, nullptr);
    EXPECT_EQ(region->number(), 4);
    EXPECT_TRUE(region->isMpd());
    EXPECT_EQ(region->pipCount(), 3);
    EXPECT_EQ(host.current, region);
}

TEST_F(SceneSequenceTest, NewSceneWithoutACellAtTheProbePointAddsNothing)
{
    host.client = {0, 0, 200, 150};
    host.working.mpdCount = 4;
    scenes.newScene();
    EXPECT_EQ(services.log, (std::vector<std::string>{"新建场景", "设置位置", "设置分辨率 6 4",
                                                      "recent insidemode-newmode.tzs"}));
}

TEST_F(SceneSequenceTest, StartUpLoadsTheRecentSceneWithoutSendingOrBlanksTheWall)
{
    const std::string path = folder.file("recent.tzs");
    writeBytes(path, goldenMixedScene());
    host.recent = path.c_str();
    scenes.loadAtStartup();
    EXPECT_EQ(wall.cells().GetCount(), 3);
    EXPECT_TRUE(services.log.empty());
    EXPECT_EQ(host.recent, CString(path.c_str()));

    // A recent scene whose file is gone counts as none.
    host.recent = folder.file("gone.tzs").c_str();
    scenes.loadAtStartup();
    EXPECT_EQ(services.log, blankSceneLog(4));
}

TEST_F(SceneSequenceTest, ExitSavesToTheRecentSceneOrTheDefaultSilently)
{
    const std::string recent = folder.file("recent.tzs");
    writeBytes(recent, Bytes{1, 2, 3});
    host.recent = recent.c_str();
    buildMixedWall();
    scenes.saveAtExit();
    EXPECT_EQ(readBytes(recent), goldenMixedScene());

    const std::string fallback = folder.file("newmode.tzs");
    host.defaultPath = fallback.c_str();
    host.recent.Empty();
    services.log.clear();
    scenes.saveAtExit();
    EXPECT_EQ(readBytes(fallback), goldenMixedScene());
    EXPECT_EQ(services.log, (std::vector<std::string>{"recent " + fallback}));

    // Nowhere to write: nothing is said.
    host.defaultPath = (folder.file("no") + "/newmode.tzs").c_str();
    host.recent.Empty();
    services.log.clear();
    scenes.saveAtExit();
    EXPECT_TRUE(services.log.empty());
}

TEST_F(SceneSequenceTest, DialogFolderIsThePathUpToItsLastBackslash)
{
    scenes.rememberFolder("C:\\scenes\\day\\a.tzs");
    EXPECT_EQ(scenes.lastFolder(), CString("C:\\scenes\\day"));
    // A GBK character whose second byte is '\' is not a separator.
    scenes.rememberFolder("C:\\\xD5\x5C.tzs");
    EXPECT_EQ(scenes.lastFolder(), CString("C:"));
}

}  // namespace
