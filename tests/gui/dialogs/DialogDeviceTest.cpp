// The dialogs against tzsim through TzComm and a serial line: the frames the simulator decodes
// for a quick click, a hold and a release outside the button; the clock's BCD bytes and the daily
// timers on their fixed date; the timed recall of presets 3 to 5 in a loop at its interval until
// 停止; the panel-size frames for boards typed in reverse and the power-up block 13 in its order.
// Each case runs in its own process under a fresh simulator.
#include "app/core/command/DeviceLinkHolder.h"
#include "app/core/profile/ProfileState.h"
#include "app/core/wall/Cell.h"
#include "app/shell/DialogItems.h"
#include "app/shell/dialogs/FactoryDlg.h"
#include "app/shell/dialogs/ParamDlg.h"
#include "app/shell/dialogs/SystemDlg.h"
#include "comm/Comm.h"
#include "tests/gui/dialogs/DialogTestSupport.h"
#include "tests/integration/device/SimulatorLink.h"

#include <commctrl.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace dlgtest;

namespace {

// Frames in the trace whose bytes 2.. start with `body` (replies excluded).
int CountFrames(const std::string& trace, const std::string& body)
{
    int n = 0;
    std::istringstream in(trace);
    std::string line;
    while (std::getline(in, line))
        if (line.find("> ") == std::string::npos && line.find("AA BB " + body) != std::string::npos)
            ++n;
    return n;
}

// Where in the trace a frame first appears, npos when it does not.
std::size_t FramePosition(const std::string& trace, const std::string& body, std::size_t from = 0)
{
    return trace.find("AA BB " + body, from);
}

// What tzsim found wrong in the frames themselves; its pacing notes are left out (a loaded
// machine delays frames in the pseudo-terminal; the link's own tests measure its pauses).
std::string FrameAnomalies(const std::string& trace)
{
    std::string kept;
    std::istringstream in(device_test::anomalies(trace));
    std::string line;
    while (std::getline(in, line))
        if (line.find("50 ms") == std::string::npos)
            kept += line + "\n";
    return kept;
}

// The recalls tzsim decoded, in order: the preset byte and tzsim's time of each (ms).
struct Recall {
    int preset;
    double ms;
};

std::vector<Recall> Recalls(const std::string& trace)
{
    std::vector<Recall> recalls;
    std::istringstream in(trace);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t at = line.find("AA BB 00 01 ");
        if (at == std::string::npos || line.find("> ") != std::string::npos)
            continue;
        recalls.push_back(
            {std::stoi(line.substr(at + 12, 2), nullptr, 16), std::stod(line.substr(0, at))});
    }
    return recalls;
}

// Waits, pumping messages, until the count of a frame in the trace has not changed for 400 ms.
int SettledCount(const std::string& body)
{
    int last = -1;
    DWORD since = ::GetTickCount();
    const DWORD start = since;
    while (::GetTickCount() - start < 15000) {
        const int now = CountFrames(device_test::simFile("TZSIM_TRACE"), body);
        if (now != last) {
            last = now;
            since = ::GetTickCount();
        } else if (::GetTickCount() - since >= 400) {
            break;
        }
        PumpFor(50);
    }
    return last;
}

class DialogDevice : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!device_test::underSimulator())
            GTEST_SKIP() << "runs only under tzsim (see CMakeLists.txt)";
        const char* com = std::getenv("TZSIM_COM");
        std::ofstream("com.ini", std::ios::trunc)
            << "[comm]\r\ncommport=" << com << "\r\ntimeout=10\r\nbaudrate=115200\r\n";
        ASSERT_EQ(1, loadDeviceLink());
        ASSERT_EQ(0, deviceLink()->Connect("."));
        // tzsim's installation: 4 x 2 panels, MPD count 4, 1920 x 1080.
        config.mpdCount = 4;
        m_previousConfig = CommandConfig::Install(&config);
        m_previousPresenter = ProgressPresenter::Install(&titles);
        m_saved = workingSystem();
        workingSystem().mpdCount = 4;
        workingSystem().wallColumns = 4;
        workingSystem().wallRows = 2;
        g_nOnline = 1;
        App().m_messages.clear();
        MoveCursorAway();
    }
    void TearDown() override
    {
        if (!device_test::underSimulator())
            return;
        workingSystem() = m_saved;
        ProgressPresenter::Install(m_previousPresenter);
        CommandConfig::Install(m_previousConfig);
        unloadDeviceLink();
    }

    TestConfig config;
    TitlePresenter titles;

private:
    const CommandConfig* m_previousConfig = nullptr;
    ProgressPresenter* m_previousPresenter = nullptr;
    SystemConfig m_saved;
};

const char* const kBrightnessUp = "02 02 03 01 01";    // window 2, PIP, one step up
const char* const kBrightnessDown = "02 02 03 01 00";  // one step down

}  // namespace

TEST_F(DialogDevice, ClickSendsOneStepAHoldOnePerPeriodAndReleaseOutsideStops)
{
    CPIPCell pip;
    pip.setNumber(2);
    CParamDlg dlg(nullptr, &pip);
    ASSERT_TRUE(dlg.Create(CParamDlg::IDD, nullptr));
    ShowAndPaint(dlg.GetSafeHwnd());

    // A quick click: exactly one frame, and none after it.
    HWND hUp = Item(dlg.GetSafeHwnd(), IDC_PARAM_BRIGHTNESS_UP);
    MoveCursorOnto(hUp);
    Click(dlg.GetSafeHwnd(), IDC_PARAM_BRIGHTNESS_UP);
    PumpFor(5 * CParamDlg::REPEAT_PERIOD);
    EXPECT_EQ(1, SettledCount(kBrightnessUp));

    // A hold: one at once, then one per period while held.
    HWND hDown = Item(dlg.GetSafeHwnd(), IDC_PARAM_BRIGHTNESS_DOWN);
    MoveCursorOnto(hDown);
    PumpFor(30);
    const auto start = std::chrono::steady_clock::now();
    ::SendMessageW(hDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    ASSERT_TRUE(dlg.IsRepeating());
    PumpFor(1200);
    // Released outside the button.
    MoveCursorAway();
    ::SendMessageW(hDown, WM_LBUTTONUP, 0, MAKELPARAM(-30, -30));
    const double heldMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_FALSE(dlg.IsRepeating());
    const int held = SettledCount(kBrightnessDown);
    EXPECT_GE(held, 3) << "the first step and at least two repetitions in " << heldMs << " ms";
    // Never faster than the period allows (a timer tick's granularity aside).
    EXPECT_LE(held, 1 + static_cast<int>(heldMs / (CParamDlg::REPEAT_PERIOD - 20))) << heldMs << " ms";

    // Nothing more once released.
    PumpFor(8 * CParamDlg::REPEAT_PERIOD);
    EXPECT_EQ(held, SettledCount(kBrightnessDown));
    EXPECT_EQ(1, CountFrames(device_test::simFile("TZSIM_TRACE"), kBrightnessUp));
    EXPECT_TRUE(App().m_messages.empty());
    EXPECT_EQ("", FrameAnomalies(device_test::simFile("TZSIM_TRACE")));
    dlg.DestroyWindow();
}

TEST_F(DialogDevice, ClockGoesAsBcdAndTimersOnTheirFixedDate)
{
    CSystemDlg dlg;
    ASSERT_TRUE(dlg.Create(CSystemDlg::IDD, nullptr));
    ShowAndPaint(dlg.GetSafeHwnd());
    HWND hDlg = dlg.GetSafeHwnd();
    ASSERT_TRUE(App().m_messages.empty()) << App().m_messages[0];

    auto setPicker = [&](int nID, int y, int mo, int d, int h, int mi, int s) {
        SYSTEMTIME t = {};
        t.wYear = static_cast<WORD>(y);
        t.wMonth = static_cast<WORD>(mo);
        t.wDay = static_cast<WORD>(d);
        t.wHour = static_cast<WORD>(h);
        t.wMinute = static_cast<WORD>(mi);
        t.wSecond = static_cast<WORD>(s);
        ::SendMessageW(Item(hDlg, nID), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
    };
    Click(hDlg, IDC_SYS_CLOCK_ON);
    setPicker(IDC_SYS_CLOCK_DATE, 2012, 1, 7, 0, 0, 0);
    setPicker(IDC_SYS_CLOCK_TIME, 2012, 1, 7, 3, 6, 33);
    Click(hDlg, IDC_SYS_CLOCK_SEND);
    Click(hDlg, IDC_SYS_POWEROFF_ON);
    setPicker(IDC_SYS_POWEROFF_TIME, 2030, 7, 9, 22, 15, 40);
    Click(hDlg, IDC_SYS_POWEROFF_SEND);
    Click(hDlg, IDC_SYS_POWERON_OFF);
    Click(hDlg, IDC_SYS_POWERON_SEND);
    EXPECT_TRUE(App().m_messages.empty());

    const std::string trace = device_test::waitForTrace("AA BB 00 06");
    EXPECT_NE(std::string::npos, FramePosition(trace, "00 04 01 33 06 03 07 01 12")) << trace;
    EXPECT_NE(std::string::npos, FramePosition(trace, "00 05 01 55 15 22 01 01 09")) << trace;
    EXPECT_NE(std::string::npos, FramePosition(trace, "00 06 00 55 00 00 00 00 00")) << trace;
    EXPECT_EQ("", FrameAnomalies(trace));
    dlg.DestroyWindow();
}

TEST_F(DialogDevice, TimedRecallLoopsOverThePresetsAtTheIntervalUntilStopped)
{
    CSystemDlg dlg;
    ASSERT_TRUE(dlg.Create(CSystemDlg::IDD, nullptr));
    ShowAndPaint(dlg.GetSafeHwnd());
    HWND hDlg = dlg.GetSafeHwnd();
    ASSERT_TRUE(App().m_messages.empty()) << App().m_messages[0];
    dlgitem::SetCurSel(hDlg, IDC_SYS_CYCLE_FIRST, 3);
    dlgitem::SetCurSel(hDlg, IDC_SYS_CYCLE_LAST, 5);
    ::SetWindowTextW(Item(hDlg, IDC_SYS_CYCLE_INTERVAL), L"1");
    KickIdle(hDlg);
    ASSERT_TRUE(::IsWindowEnabled(Item(hDlg, IDC_SYS_CYCLE_SEND)));

    Click(hDlg, IDC_SYS_CYCLE_SEND);
    ASSERT_TRUE(dlg.IsCycling());
    // Five recalls: 3 at once, then one a second around the range.
    ASSERT_TRUE(fxtest::PumpUntil(
        [] { return Recalls(device_test::simFile("TZSIM_TRACE")).size() >= 5; }, 20000))
        << device_test::simFile("TZSIM_TRACE");
    Click(hDlg, IDC_SYS_CYCLE_SEND);
    EXPECT_FALSE(dlg.IsCycling());
    EXPECT_EQ(CString("发送"), dlgitem::GetText(hDlg, IDC_SYS_CYCLE_SEND));
    const int stopped = SettledCount("00 01");

    // Nothing more after 停止, two intervals and more later.
    PumpFor(2500);
    const std::string trace = device_test::simFile("TZSIM_TRACE");
    const std::vector<Recall> recalls = Recalls(trace);
    EXPECT_EQ(static_cast<std::size_t>(stopped), recalls.size()) << trace;
    ASSERT_GE(recalls.size(), 5u) << trace;
    const int expected[] = {3, 4, 5, 3, 4, 5, 3};
    for (std::size_t i = 0; i < recalls.size() && i < 7; ++i)
        EXPECT_EQ(expected[i], recalls[i].preset) << "recall " << i << "\n" << trace;
    // One per interval, not one per frame pause: the line's delays aside, each recall comes well
    // after the one before.
    for (std::size_t i = 1; i < recalls.size(); ++i)
        EXPECT_GE(recalls[i].ms - recalls[i - 1].ms, 500.0) << "recall " << i << "\n" << trace;
    // Run directly: the progress window showed only the status read on opening. tzsim notes that
    // its presets hold nothing; only the order and the pace of the recalls count here.
    EXPECT_EQ(std::vector<std::string>{"读取状态信息"}, titles.titles);
    EXPECT_TRUE(App().m_messages.empty());
    dlg.DestroyWindow();
}

TEST_F(DialogDevice, PanelSizesGoToTheBoardsInAscendingOrderThenBlock13)
{
    wchar_t cwd[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, cwd);
    const CString dir = CString::FromWide(cwd);
    std::ofstream((dir + "\\TzView.ini").GetString(), std::ios::trunc) << "[manuset]\r\nwidth=1200\r\n";
    CFactoryDlg dlg(dir, nullptr);
    ASSERT_TRUE(dlg.Create(CFactoryDlg::IDD, nullptr));
    ShowAndPaint(dlg.GetSafeHwnd());
    HWND hDlg = dlg.GetSafeHwnd();
    const std::pair<int, const char*> typed[] = {
        {IDC_FAC_WIDTH, "1300"}, {IDC_FAC_HEIGHT, "675"},     {IDC_FAC_LEFT, "3"},     {IDC_FAC_RIGHT, "4"},
        {IDC_FAC_TOP, "2"},      {IDC_FAC_BOTTOM, "260"},     {IDC_FAC_BOARD_FROM, "7"}, {IDC_FAC_BOARD_TO, "5"}};
    for (const auto& t : typed)
        ::SetWindowTextW(Item(hDlg, t.first), CString(t.second).ToWide().c_str());
    KickIdle(hDlg);
    ASSERT_TRUE(::IsWindowEnabled(Item(hDlg, IDC_FAC_SEND)));
    Click(hDlg, IDC_FAC_SEND);
    EXPECT_TRUE(App().m_messages.empty());

    const std::string trace = device_test::waitForTrace("AA BB 00 09 04 00");
    std::size_t at = 0;
    for (const char* board : {"05", "06", "07"}) {
        for (const std::string& rest : {std::string(" 11 05 14 02 A3 00"), std::string(" 12 00 03 00 04 00"),
                                        std::string(" 13 00 02 01 04 01")}) {
            const std::string frame = std::string("02 ") + board + rest;
            const std::size_t found = FramePosition(trace, frame, at);
            ASSERT_NE(std::string::npos, found) << frame << "\n" << trace;
            at = found;
        }
    }
    // The block: opened, three frames to board 0 with the six values high byte first, closed.
    for (const char* frame : {"00 09 04 01", "02 00 11 05 14 02 A3 00", "02 00 12 00 03 00 04 00",
                              "02 00 13 00 02 01 04 00", "00 09 04 00"}) {
        const std::size_t found = FramePosition(trace, frame, at);
        ASSERT_NE(std::string::npos, found) << frame << "\n" << trace;
        at = found;
    }
    EXPECT_EQ(0, CountFrames(trace, "02 04 11")) << "board 4 is not in the range";
    EXPECT_EQ(0, CountFrames(trace, "02 08 11")) << "board 8 is not in the range";
    EXPECT_EQ("", FrameAnomalies(trace));
    dlg.DestroyWindow();
}
