// The command layer through the real device link: TzComm loaded by the holder from the program's
// folder, a serial line to tzsim, and tzsim's strict checks of every frame. Each case runs in its
// own process under a fresh tzsim (see CMakeLists.txt).
#include "app/core/command/DeviceCommands.h"
#include "app/core/command/SceneRestoreCommand.h"
#include "app/core/scene/SceneFile.h"
#include "app/core/wall/Cell.h"
#include "comm/Comm.h"
#include "tests/integration/device/SimulatorLink.h"
#include "tests/unit/command/CommandTestSupport.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

using device_test::frameAnomalies;

// A profile folder naming the simulator's port, in the test's working folder.
std::string WriteComIni()
{
    std::ofstream("com.ini") << "[comm]\r\ncommport=51\r\ntimeout=10\r\nbaudrate=115200\r\n";
    return ".";
}

}  // namespace

class CommandChain : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!device_test::underSimulator())
            GTEST_SKIP() << "runs only under tzsim (see CMakeLists.txt)";
        ASSERT_EQ(1, loadDeviceLink());
        ASSERT_EQ(0, deviceLink()->Connect(WriteComIni().c_str()));
        m_previousConfig = CommandConfig::Install(&config);
        m_previousServices = WallServices::install(&services);
        m_previousPresenter = ProgressPresenter::Install(&presenter);
        g_nOnline = 1;
        // tzsim's default installation: 4 x 2 panels, MPD count 4, 1920 x 1080.
        config.mpdCount = 4;
        config.resolution = 5;
        config.makers[MATRIX_CVBS] = 3;   // the 8-byte protocol of TzCommFun
        config.addresses[MATRIX_CVBS] = 1;
        config.ports[MATRIX_CVBS].assign(510, 0);
        for (int i = 0; i < 510; ++i)
            config.ports[MATRIX_CVBS][i] = i % 255 + 1;
    }
    void TearDown() override
    {
        ProgressPresenter::Install(m_previousPresenter);
        WallServices::install(m_previousServices);
        CommandConfig::Install(m_previousConfig);
        unloadDeviceLink();
    }

    // The mixed wall: a CVBS panel through the matrix, a DVI pair, an MPD region with two
    // windows, and panels without input.
    void BuildWall()
    {
        wall.setLayout(4, 2, WallRect{0, 0, 800, 400});
        CCell* p[9] = {};
        for (CCell* cell : wall.cells())
            p[cell->number()] = cell;
        p[1]->setInputType(3);
        p[1]->setInputNo(2);
        p[4]->setMpd(TRUE);
        CPIPCell* a = new CPIPCell;
        a->setRect(WallRect{610, 10, 700, 100});
        a->setNumber(2);
        a->setInputType(2);
        a->setTransparency(3);
        p[4]->addPip(a);
        CPIPCell* b = new CPIPCell;
        b->setRect(WallRect{700, 100, 790, 190});
        b->setNumber(3);
        b->setInputType(6);
        p[4]->addPip(b);
        p[5]->setInputType(12);
        p[6]->setInputType(0);
        wall.select(p[2], FALSE);
        wall.select(p[3], TRUE);
        CCombineCell* dvi = wall.combineSelected(p[2]);
        ASSERT_TRUE(dvi != nullptr);
        dvi->setInputType(6);
        wall.deselectAll();
        g_nCurrentInputType = 3;
    }

    TestConfig config;
    CommandWallServices services;
    ThreadPresenter presenter;
    CCellObjImp wall;

private:
    const CommandConfig* m_previousConfig = nullptr;
    WallServices* m_previousServices = nullptr;
    ProgressPresenter* m_previousPresenter = nullptr;
};

TEST_F(CommandChain, MixedWallRestoredOnTheDevice)
{
    BuildWall();
    CSceneRestoreCommand restore(wall.cells());
    ASSERT_EQ(RUN_OK, runWithProgress(restore)) << restore.Message();

    const std::string trace = device_test::waitForTrace("SetPip");
    EXPECT_EQ("", frameAnomalies(trace)) << trace;
    // The restore has written every frame; tzsim may still be reading the last of them.
    const char* const kCombinedArea = "\"columns\":2,\"rows\":1,\"order\":2,\"input\":6";
    const char* const kMatrixOutput = "\"kind\":0,\"output\":1,\"input\":2";
    const char* const kRegionWithoutSource = "\"board\":1,\"name\":\"MPD region\",\"columns\":1,"
                                             "\"rows\":1,\"order\":1,\"input\":-1";
    const std::string state = device_test::waitForState(
        {"\"resolution\":5", "\"window\":2,\"on\":true", "\"window\":3,\"on\":true",
         "\"transparency\":3,\"input\":2", kCombinedArea, kMatrixOutput, kRegionWithoutSource});
    EXPECT_TRUE(has(state, "\"resolution\":5")) << state;
    EXPECT_TRUE(has(state, "\"window\":2,\"on\":true")) << state;
    EXPECT_TRUE(has(state, "\"window\":3,\"on\":true")) << state;
    EXPECT_TRUE(has(state, "\"transparency\":3,\"input\":2")) << state;
    // Panels 2 and 3 (boards 6 and 7) form one area of two columns.
    EXPECT_TRUE(has(state, "\"board\":6,")) << state;
    EXPECT_TRUE(has(state, kCombinedArea)) << state;
    // Panel 1's matrix output 1 now carries CVBS input 2.
    EXPECT_TRUE(has(state, kMatrixOutput)) << state;

    // The region (panel 4, no input of its own) gives its board type 12 between its panel's
    // layout and the first MPD channel board, and the device shows no source there.
    const std::size_t layout = trace.find("AA BB 02 08 0A 01 01 01 55 55 55 16");
    const std::size_t none = trace.find("AA BB 02 01 08 0C 55 55 55 55 55 C0");
    const std::size_t channel = trace.find("AA BB 02 02 08 04 55 55 55 55 55 B9");
    ASSERT_NE(std::string::npos, none) << trace;
    EXPECT_LT(layout, none) << trace;
    EXPECT_LT(none, channel) << trace;
    EXPECT_TRUE(has(state, kRegionWithoutSource)) << state;
}

// The frame bytes (and raw blocks) of tzsim's trace, or of tzscene's frame list, in order.
std::vector<std::string> HexFrames(const std::string& text)
{
    std::vector<std::string> frames;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t frame = line.find("AA BB ");
        const std::size_t raw = line.find(" raw ");
        if (frame != std::string::npos && line.find(" ! ") == std::string::npos)
            frames.push_back(line.substr(frame, 35));
        else if (raw != std::string::npos)
            frames.push_back(line.substr(raw + 1, line.find("  ", raw + 1) - raw - 1));
    }
    return frames;
}

TEST_F(CommandChain, ToolFramesOfTheSceneFileAreWhatTheRestoreSends)
{
    BuildWall();
    // The scene as the program saves it, and an installation whose profile says what the test's
    // configuration says: MPD count 4, resolution 5, MPD pixels 1920 x 1080, the CVBS matrix of
    // maker 3 at address 1 (port maps as the profile's defaults).
    const std::filesystem::path folder = std::filesystem::current_path() / "installation";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "TzView.ini", std::ios::binary | std::ios::trunc)
        << "[application]\r\nmpdnums=3\r\nresolution=5\r\nmpdresolution=5\r\n"
           "[CVBS_Matrix]\r\ndevfactory=3\r\ndevno=1\r\n";
    SceneHeader header;
    header.geometry.rows = 2;
    header.geometry.columns = 4;
    header.geometry.resolution = 5;
    header.geometry.mpdCount = 4;
    const std::string scene = (folder / "mixed.tzs").string();
    ASSERT_TRUE(saveSceneFile(scene.c_str(), header, wall));

    CSceneRestoreCommand restore(wall.cells());
    ASSERT_EQ(RUN_OK, runWithProgress(restore)) << restore.Message();
    const device_test::ToolRun frames = device_test::tool(
        "tzscene", "frames \"" + scene + "\" --profile \"" + folder.string() + "\" --matrix cvbs");
    ASSERT_EQ(0, frames.status) << frames.output;
    const std::vector<std::string> recorded = HexFrames(frames.output);
    ASSERT_GT(recorded.size(), 20u) << frames.output;
    const std::string trace = device_test::waitForTrace(recorded.back());
    EXPECT_EQ(recorded, HexFrames(trace)) << frames.output << trace;
}

TEST_F(CommandChain, PresetStoredBetweenItsBrackets)
{
    BuildWall();
    CSceneRestoreCommand store(wall.cells(), true, 3);
    ASSERT_EQ(RUN_OK, runDirect(store)) << store.Message();
    // The closing bracket is the store's last frame; tzsim may still be reading it.
    device_test::waitForTrace("AA BB 00 02 03 00");
    const std::string state = device_test::waitForState({"\"preset\":3,"});
    EXPECT_TRUE(has(state, "\"preset\":3,")) << state;
    EXPECT_TRUE(has(state, "\"recordingPreset\":-1") || has(state, "\"recordingPreset\":0"))
        << state;
    const std::string trace = device_test::simFile("TZSIM_TRACE");
    EXPECT_EQ("", frameAnomalies(trace));
    // Every frame between the brackets is one counted command, except the matrix frames and the
    // single-panel layouts, which the restore does not count; the region's type 12 is counted.
    const std::size_t open = trace.find("AA BB 00 02 03 01");
    const std::size_t close = trace.find("AA BB 00 02 03 00");
    ASSERT_NE(std::string::npos, open) << trace;
    ASSERT_NE(std::string::npos, close) << trace;
    int counted = 0;
    bool sawNone = false;
    std::istringstream lines(trace.substr(open, close - open));
    std::string line;
    std::getline(lines, line);  // the opening bracket
    while (std::getline(lines, line)) {
        const std::size_t at = line.find("AA BB ");
        if (at == std::string::npos)
            continue;
        const std::string frame = line.substr(at, 35);
        const bool matrix = frame.compare(6, 2, "01") == 0;
        const bool single = frame.compare(12, 11, "0A 01 01 01") == 0;
        counted += matrix || single ? 0 : 1;
        sawNone = sawNone || frame == "AA BB 02 01 08 0C 55 55 55 55 55 C0";
    }
    EXPECT_TRUE(sawNone) << trace;
    EXPECT_EQ(counted, g_nCommandCount) << trace;
}

TEST_F(CommandChain, ClockSetAndReadBackThroughTheStatusCommand)
{
    DeviceTime t;
    t.nEnabled = 1;
    t.nYear = 2012; t.nMonth = 1; t.nDay = 7; t.nHour = 3; t.nMinute = 6; t.nSecond = 33;
    CSetClockCommand set(t);
    ASSERT_EQ(RUN_OK, runWithProgress(set)) << set.Message();
    CReadStatusCommand status;
    ASSERT_EQ(RUN_OK, runWithProgress(status)) << status.Message();
    EXPECT_EQ(1, status.Clock().nEnabled);
    EXPECT_EQ(2012, status.Clock().nYear);
    EXPECT_EQ(7, status.Clock().nDay);
    EXPECT_EQ(6, status.Clock().nMinute);
    EXPECT_GE(status.Clock().nSecond, 33);
}

TEST_F(CommandChain, ClosedPortGivesNotConnectedAndPurgeInputRaises)
{
    std::unique_ptr<DeviceCommand> close = CreateCommand("关闭设备");
    ASSERT_EQ(RUN_OK, runDirect(*close));
    std::unique_ptr<DeviceCommand> on = CreateCommand("开机");
    EXPECT_EQ(RUN_FAILED, runWithProgress(*on));
    EXPECT_EQ(std::string("未联机;\n错误码:0X0001"), std::string(on->Message()));
    // PurgeInput on a closed port raises the serial port's exception out of TzComm.
    CReadStatusCommand status;
    EXPECT_EQ(RUN_FAILED, runWithProgress(status));
    EXPECT_EQ(std::string("通讯发生异常"), std::string(status.Message()));
}
