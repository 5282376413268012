// The scene operations over the program's own surroundings: the process-wide profile copies, a
// TzView.ini for the recent scene, and the command layer sending to a recording device link.
#include "app/core/profile/ProfileState.h"
#include "app/core/scene/ProgramSceneHost.h"
#include "app/core/scene/SceneController.h"
#include "tests/unit/command/CommandTestSupport.h"
#include "tests/unit/scene/SceneTestSupport.h"

namespace {

// The view's part, as the wall view control will give it.
class TestViewHost : public ProgramSceneHost {
public:
    explicit TestViewHost(const CString& directory) : ProgramSceneHost(directory) {}
    CCell* current = nullptr;
    WallRect clientRect() const override { return {0, 0, 400, 300}; }
    void clearInteraction() override { current = nullptr; }
    void setCurrentCell(CCell* cell) override { current = cell; }
    CCell* currentCell() const override { return current; }
    void repaintAll() override {}
};

class ProgramSceneTest : public CommandTest {
protected:
    ScratchFolder folder;
    TestViewHost host{CString(folder.file("").c_str())};
    CCellObjImp wall;
    SceneController scenes{wall, host};
    SystemConfig savedConfigured;
    SystemConfig savedWorking;

    void SetUp() override
    {
        CommandTest::SetUp();
        savedConfigured = configuredSystem();
        savedWorking = workingSystem();
        configuredSystem().wallRows = 2;
        configuredSystem().wallColumns = 2;
        configuredSystem().resolution = 6;
        configuredSystem().mpdCount = 4;
        config.mpdCount = 4;
    }
    void TearDown() override
    {
        configuredSystem() = savedConfigured;
        workingSystem() = savedWorking;
        CommandTest::TearDown();
    }
    CString recent()
    {
        char buffer[300] = {};
        GetPrivateProfileStringA("application", "recentfilename", "", buffer, sizeof buffer,
                                 folder.file("TzView.ini").c_str());
        return buffer;
    }
};

TEST_F(ProgramSceneTest, BlankSceneSendsNewScenePositionAndResolution)
{
    workingSystem().mpdCount = 9;
    scenes.resetScene();
    EXPECT_EQ(link.Joined(), "NewScene(0) SetLayout(0,1,1,1) SetResolution(0,6)");
    EXPECT_EQ(workingSystem().mpdCount, 4);
    EXPECT_EQ(wall.cells().GetCount(), 4);
    EXPECT_TRUE(Messages().empty());
    const CString path = recent();
    EXPECT_NE(path.Find("newmode.tzs"), -1) << static_cast<LPCSTR>(path);
}

TEST_F(ProgramSceneTest, RefusedPositionIsShownWithTheComposedMessage)
{
    FailCalls("SetLayout", 1);
    scenes.resetScene();
    EXPECT_EQ(link.Joined(), "NewScene(0) SetLayout(0,1,1,1)");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].first, "未联机;\n错误码:0X0001");
    EXPECT_TRUE(recent().IsEmpty());
}

TEST_F(ProgramSceneTest, LoadWithSendRestoresThroughTheCommandLayer)
{
    const std::string path = folder.file("mixed.tzs");
    writeBytes(path, goldenMixedScene());
    ASSERT_TRUE(scenes.loadScene(path.c_str(), TRUE));
    EXPECT_EQ(link.calls.at(0), "NewScene(0)");
    EXPECT_EQ(link.calls.at(1), "SetResolution(0,6)");
    EXPECT_NE(link.Joined().find("SetPip(3,3,5,85,85,85)"), std::string::npos) << link.Joined();
    EXPECT_EQ(recent(), CString(path.c_str()));
    EXPECT_EQ(workingSystem().mpdCount, 4);
}

TEST_F(ProgramSceneTest, StartUpLoadKeepsTheRecentEntry)
{
    const std::string path = folder.file("mixed.tzs");
    writeBytes(path, goldenMixedScene());
    WritePrivateProfileStringA("application", "recentfilename", path.c_str(),
                               folder.file("TzView.ini").c_str());
    scenes.loadAtStartup();
    EXPECT_EQ(wall.cells().GetCount(), 3);
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(recent(), CString(path.c_str()));
}

}  // namespace
