// Without a test configuration, commands read the program's profile records: the working copy's
// MPD count, resolution and MPD pixel size, and the matrix configuration.
#include "app/core/command/DeviceCommands.h"
#include "app/core/command/MatrixCommand.h"
#include "app/core/command/PipCommands.h"
#include "app/core/command/TargetCommands.h"
#include "app/core/profile/ProfileState.h"
#include "tests/unit/command/WallFixture.h"

class ProfileConfigTest : public WallTest {
protected:
    void SetUp() override
    {
        WallTest::SetUp();
        CommandConfig::Install(nullptr);
        m_working = workingSystem();
        m_configured = configuredSystem();
        m_matrices = new MatrixConfig(matrixConfig());
    }
    void TearDown() override
    {
        workingSystem() = m_working;
        configuredSystem() = m_configured;
        matrixConfig() = *m_matrices;
        delete m_matrices;
        WallTest::TearDown();
    }

private:
    SystemConfig m_working;
    SystemConfig m_configured;
    MatrixConfig* m_matrices = nullptr;   // large: kept off the stack
};

TEST_F(ProfileConfigTest, CommandsFollowTheWorkingCopy)
{
    workingSystem().mpdCount = 5;
    workingSystem().resolution = 3;
    workingSystem().mpdResolution = 0;   // 1024 x 768
    // The configured copy is not what commands read.
    configuredSystem().mpdCount = 9;
    configuredSystem().resolution = 1;

    CreateCommand("设置分辨率")->Execute();
    CMenuCommand(Panel(2), true).Execute();
    SendPipGeometry(2, 1000, 760, 100, 100);
    EXPECT_EQ("SetResolution(0,3) SetMenu(7,1) SetPip(2,2,0,100,0,100) SetPip(2,1,3,156,2,156)",
              link.Joined());
}

TEST_F(ProfileConfigTest, MatrixSwitchUsesTheMatrixProfile)
{
    MatrixBlock& dvi = matrixConfig()[MATRIX_DVI];
    dvi.devFactory = 7;
    dvi.devNo = 12;
    dvi.portMap[3] = 40;          // driver board 4
    dvi.portMap[255 + 0] = 50;    // MPD channel 1
    g_nCurrentInputType = 6;
    CMatrixSwitchCommand(Panel(4), 3).Execute();
    Panel(1)->setMpd(TRUE);
    link.Clear();
    CMatrixSwitchCommand(Panel(1), 11).Execute();
    EXPECT_EQ("MatrixSwitch(7,2,12,50,11)", link.Joined());
    link.Clear();
    Panel(1)->setMpd(FALSE);
    link.Clear();
    CMatrixSwitchCommand(Panel(4), 3).Execute();
    EXPECT_EQ("MatrixSwitch(7,2,12,40,3)", link.Joined());
}

TEST_F(ProfileConfigTest, WallServicesNameMatrixInputsFromTheProfile)
{
    copyGbkCut(matrixConfig()[MATRIX_VGA].inputNames[4], kMatrixNameSlot, "会议室电脑");
    EXPECT_EQ(std::string("会议室电脑"), std::string(services.matrixInputName(2, 5)));
    mpdSubGrid().rows = 2;
    mpdSubGrid().columns = 3;
    int rows = 0, columns = 0;
    services.subGrid(&rows, &columns);
    EXPECT_EQ(2, rows);
    EXPECT_EQ(3, columns);
    mpdSubGrid() = MpdSubGrid();
}
