// The real TaveloPro.exe against tzsim, driven from outside: the workspace's commands as the
// device sees them. Power from the ribbon's commands and the control view's buttons; offline,
// the refusals of 系统设置 and 矩阵切换 and power without traffic; 工程设置 refused for a User and
// opened for the administrator; 系统设置 opened online, reading the device's clock and timers;
// the matrix switching dialog's rows reaching the matrices through the device link; the blank
// scene at start, a split command's new scene with its windows opened and placed on the device,
// and 删除窗口 reaching the wall view.
#include "tests/gui/shell/ProgramDriver.h"

#include <gtest/gtest.h>

using namespace shelltest;

namespace {

const char POWER_ON_FRAME[] = "AA BB 00 00 00 55 55 55 55 55 55 FE  SetPower on";
const char POWER_OFF_FRAME[] = "AA BB 00 00 01 55 55 55 55 55 55 FF  SetPower off";

size_t Count(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

// Waits until the trace holds `what` n times.
bool WaitForCount(const std::string& what, size_t n)
{
    return WaitUntil([&] { return Count(SimulatorFile("TZSIM_TRACE"), what) >= n; });
}

#define REQUIRE_SIMULATOR() \
    if (!UnderSimulator()) \
        GTEST_SKIP() << "runs under tzsim (see CMakeLists.txt)"

// The control view's hidden 联机/脱机 pair set as an operator's click would leave it, then the
// click's notification.
void ClickOnlineRadio(HWND view, bool bOnline)
{
    const int ONLINE = 1015, OFFLINE = 1016;
    ::SendMessageW(::GetDlgItem(view, ONLINE), BM_SETCHECK, bOnline ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageW(::GetDlgItem(view, OFFLINE), BM_SETCHECK, bOnline ? BST_UNCHECKED : BST_CHECKED, 0);
    PostClicked(view, bOnline ? ONLINE : OFFLINE);
}

}  // namespace

TEST(WorkspaceProgram, PowerCommandsAndButtonsSendTheirFrames)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    Program program(L"ws_power", SimulatorCom());
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    PostCommand(frame, 1003);  // 开机 of the 控制 tab
    ASSERT_TRUE(WaitForCount(POWER_ON_FRAME, 1)) << SimulatorFile("TZSIM_TRACE");
    PostCommand(frame, 1092);  // 关机
    ASSERT_TRUE(WaitForCount(POWER_OFF_FRAME, 1)) << SimulatorFile("TZSIM_TRACE");
    EXPECT_NE(SimulatorFile("TZSIM_STATE").find("\"power\":false"), std::string::npos);

    HWND view = FindControlView(frame);
    ASSERT_NE(view, nullptr);
    PostClicked(view, 32877);  // 开   机
    ASSERT_TRUE(WaitForCount(POWER_ON_FRAME, 2));
    PostClicked(view, 1009);   // 关   机
    ASSERT_TRUE(WaitForCount(POWER_OFF_FRAME, 2));
    const std::string trace = SimulatorFile("TZSIM_TRACE");
    EXPECT_EQ(trace.find("! "), std::string::npos) << "no anomaly: " << trace;
    std::wstring shown;
    EXPECT_EQ(program.FindMessageBox(&shown), nullptr) << "success shows nothing";
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}

TEST(WorkspaceProgram, OfflineRefusesSettingsAndMatrixAndPowersWithoutTraffic)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    Program program(L"ws_offline", SimulatorCom());
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    HWND view = FindControlView(frame);
    ASSERT_NE(view, nullptr);
    ClickOnlineRadio(view, false);

    const std::wstring refusal = Utf16("当前为脱机状态,请联机!");
    PostCommand(frame, 1098);  // 系统设置
    HWND box = program.WaitMessageBox(refusal);
    ASSERT_NE(box, nullptr) << "系统设置 is refused offline";
    ASSERT_TRUE(Program::Answer(box, IDOK));
    PostCommand(frame, 32817);  // 矩阵切换
    box = program.WaitMessageBox(refusal);
    ASSERT_NE(box, nullptr) << "矩阵切换 is refused offline";
    ASSERT_TRUE(Program::Answer(box, IDOK));
    EXPECT_EQ(program.Find(Utf16("矩陈切换")), nullptr);

    // Power offline reports success at once and sends nothing; the refusal after it marks
    // that it has been handled.
    PostCommand(frame, 1003);
    PostCommand(frame, 1098);
    box = program.WaitMessageBox(refusal);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Program::Answer(box, IDOK));
    EXPECT_EQ(Count(SimulatorFile("TZSIM_TRACE"), "SetPower"), 0u);

    // Online again: the link opens anew and power reaches the device.
    ClickOnlineRadio(view, true);
    PostCommand(frame, 1003);
    EXPECT_TRUE(WaitForCount(POWER_ON_FRAME, 1)) << SimulatorFile("TZSIM_TRACE");
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}

TEST(WorkspaceProgram, FactorySettingsAreRefusedToAUser)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    Program program(L"ws_user", SimulatorCom());
    ASSERT_TRUE(program.Start(L""));
    HWND login = program.WaitWindow(Utf16("登录"));
    ASSERT_NE(login, nullptr);
    PostClicked(login, 1003);  // User is chosen, the password empty
    HWND frame = program.WaitWindow(MAIN_TITLE, false, 60000);
    ASSERT_NE(frame, nullptr);
    PostCommand(frame, 32816);  // 工程设置
    HWND box = program.WaitMessageBox(Utf16("只有管理员身份才能对此进行操作！"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Program::Answer(box, IDOK));
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}

TEST(WorkspaceProgram, FactorySettingsAreOpenToTheAdministrator)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    Program program(L"ws_admin", SimulatorCom());
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    PostCommand(frame, 32816);
    // The factory settings dialog, and no refusal beside it.
    HWND dialog = program.WaitWindow(Utf16("工厂设置"));
    ASSERT_NE(dialog, nullptr);
    std::wstring shown;
    EXPECT_EQ(program.FindMessageBox(&shown), nullptr) << std::string(shown.begin(), shown.end());
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}

TEST(WorkspaceProgram, SystemSettingsOpenOnlineWithTheDevicesClockAndTimersRead)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    Program program(L"ws_system", SimulatorCom());
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    PostCommand(frame, 1098);  // 系统设置
    HWND dialog = program.WaitWindow(Utf16("系统设置"));
    ASSERT_NE(dialog, nullptr);
    // Opening read the clock and both timers from the device.
    EXPECT_TRUE(WaitForCount("ReadPowerOnTimer", 1)) << SimulatorFile("TZSIM_TRACE");
    const std::string trace = SimulatorFile("TZSIM_TRACE");
    EXPECT_LT(trace.find("ReadClock"), trace.find("ReadPowerOffTimer")) << trace;
    std::wstring shown;
    EXPECT_EQ(program.FindMessageBox(&shown), nullptr) << std::string(shown.begin(), shown.end());
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}

TEST(WorkspaceProgram, MatrixRowsSwitchTheirMatricesAndKeysDoNotCloseTheDialog)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    const std::string profile =
        "[application]\r\nmpdnums=3\r\nresolution=6\r\n"
        "[DVI_Matrix]\r\nnumofinput=4\r\ndevfactory=3\r\ndevno=5\r\ninput1=D1\r\ninput2=D2\r\ninput3=D3\r\ninput4=D4\r\n"
        "[VGA_Matrix]\r\nnumofinput=0\r\ndevfactory=3\r\ndevno=9\r\n"
        "[CVBS_Matrix]\r\nnumofinput=2\r\ndevfactory=3\r\ndevno=6\r\n"
        "[COMMON_Matrix]\r\nnumofinput=300\r\ndevfactory=3\r\ndevno=7\r\n";
    Program program(L"ws_matrix", SimulatorCom(), true, profile);
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    PostCommand(frame, 32817);
    HWND dialog = program.WaitWindow(Utf16("矩陈切换"));
    ASSERT_NE(dialog, nullptr);

    // The VGA row has no inputs: all of it disabled and empty; the common row lists 255 names.
    for (int nID : {32828, 1005, 1012})
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, nID))) << nID;
    EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog, 32828), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog, 1007), CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog, 1010), CB_GETCOUNT, 0, 0), 255);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog, 32832), CB_GETCOUNT, 0, 0), 255);
    EXPECT_EQ(WindowText(::GetDlgItem(dialog, 1007)), L"D1") << "the first input is chosen";
    EXPECT_EQ(WindowText(::GetDlgItem(dialog, 1010)), Utf16("输出 1"));

    // DVI input 3 to output 7: kind 2, the DVI matrix's maker and address.
    ::SendMessageW(::GetDlgItem(dialog, 1007), CB_SETCURSEL, 2, 0);
    ::SendMessageW(::GetDlgItem(dialog, 1010), CB_SETCURSEL, 6, 0);
    PostClicked(dialog, 1003);
    const std::string dvi = "{\"protocol\":\"tzb8\",\"address\":5,\"kind\":2,\"output\":7,\"input\":3}";
    EXPECT_TRUE(WaitUntil([&] { return SimulatorFile("TZSIM_STATE").find(dvi) != std::string::npos; }))
        << SimulatorFile("TZSIM_STATE");
    // VIDEO input 2 to output 1: kind 0 with its own address.
    ::SendMessageW(::GetDlgItem(dialog, 32831), CB_SETCURSEL, 1, 0);
    PostClicked(dialog, 1004);
    const std::string video = "{\"protocol\":\"tzb8\",\"address\":6,\"kind\":0,\"output\":1,\"input\":2}";
    EXPECT_TRUE(WaitUntil([&] { return SimulatorFile("TZSIM_STATE").find(video) != std::string::npos; }))
        << SimulatorFile("TZSIM_STATE");

    // Enter and Escape in the dialog leave it open; a switch after them still works.
    HWND list = ::GetDlgItem(dialog, 32832);
    for (WPARAM key : {static_cast<WPARAM>(VK_RETURN), static_cast<WPARAM>(VK_ESCAPE)}) {
        ::PostMessageW(list, WM_KEYDOWN, key, 0);
        ::PostMessageW(list, WM_KEYUP, key, 0);
    }
    PostClicked(dialog, 1006);  // common input 1 to output 1
    const std::string common = "{\"protocol\":\"tzb8\",\"address\":7,\"kind\":0,\"output\":1,\"input\":1}";
    EXPECT_TRUE(WaitUntil([&] { return SimulatorFile("TZSIM_STATE").find(common) != std::string::npos; }));
    EXPECT_TRUE(::IsWindow(dialog) && ::IsWindowVisible(dialog)) << "Enter and Escape do not close it";
    std::wstring shown;
    EXPECT_EQ(program.FindMessageBox(&shown), nullptr) << "no refusal";
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}

TEST(WorkspaceProgram, SplitCommandMakesANewSceneAndDeleteWindowReachesTheWallView)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    Program program(L"ws_split", SimulatorCom());
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    // Without a recent scene the wall page sets up the blank scene at start, sending nothing else.
    ASSERT_TRUE(WaitForCount("SetResolution", 1)) << SimulatorFile("TZSIM_TRACE");
    EXPECT_EQ(Count(SimulatorFile("TZSIM_TRACE"), "NewScene common"), 1u);
    EXPECT_EQ(Count(SimulatorFile("TZSIM_TRACE"), "SelectInput"), 0u);

    // 2x2分割: a new scene on the wall view with the MPD count 4, whose region opens windows 2 to 4.
    PostCommand(frame, 32830);
    ASSERT_TRUE(WaitForCount("SelectInput PIP 4 ", 1)) << SimulatorFile("TZSIM_TRACE");
    std::string trace = SimulatorFile("TZSIM_TRACE");
    EXPECT_EQ(Count(trace, "NewScene common"), 2u) << trace;
    EXPECT_EQ(Count(trace, "SelectInput PIP 2 "), 1u) << trace;
    EXPECT_EQ(Count(trace, "SelectInput PIP 3 "), 1u) << trace;
    EXPECT_LT(trace.rfind("NewScene common"), trace.find("SelectInput PIP 2 ")) << "the windows follow the new scene";
    // The region's windows are opened on the device and placed, one after the other: the wall
    // model reaches the device through the program's services.
    ASSERT_TRUE(WaitForCount("SetPip PIP 4 position", 1)) << SimulatorFile("TZSIM_TRACE");
    trace = SimulatorFile("TZSIM_TRACE");
    for (const char* pip : {"PIP 2 ", "PIP 3 ", "PIP 4 "}) {
        EXPECT_EQ(Count(trace, std::string("SetPip ") + pip + "on"), 1u) << pip << trace;
        EXPECT_EQ(Count(trace, std::string("SetPip ") + pip + "size"), 1u) << pip << trace;
        EXPECT_EQ(Count(trace, std::string("SetPip ") + pip + "position"), 1u) << pip << trace;
    }
    EXPECT_LT(trace.find("SetPip PIP 2 on"), trace.find("SetPip PIP 3 on")) << trace;
    EXPECT_EQ(Count(trace, "SetPip PIP 5 "), 0u) << "no window past the split's three" << trace;
    EXPECT_NE(SimulatorFile("TZSIM_STATE").find("\"window\":4,\"on\":true"), std::string::npos)
        << SimulatorFile("TZSIM_STATE");

    HWND view = FindControlView(frame);
    ASSERT_NE(view, nullptr);
    // 删除窗口 with no window chosen reaches the wall view, which asks for one.
    PostClicked(view, 1010);
    HWND box = program.WaitMessageBox(Utf16("请选中要删除的窗口"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Program::Answer(box, IDOK));
    trace = SimulatorFile("TZSIM_TRACE");
    EXPECT_EQ(trace.find("! "), std::string::npos) << "no anomaly: " << trace;
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}
