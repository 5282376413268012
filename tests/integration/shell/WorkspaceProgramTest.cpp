// The real TaveloPro.exe against tzsim, driven from outside: the workspace's commands as the
// device sees them. Power from the ribbon's commands and the control view's buttons; offline,
// the refusals of 系统设置 and 矩阵切换 and power without traffic; 工程设置 refused for a User and
// opened for the administrator; 系统设置 opened online, reading the device's clock and timers;
// the matrix switching dialog's rows reaching the matrices through the device link; the blank
// scene at start, a split command's new scene with its windows opened and placed on the device,
// 删除窗口 reaching the wall view, 添加窗口 after a split and a message, and scenes saved and
// loaded through the file dialogs.
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

// The program's file dialog (the common dialog with its file name field), once shown.
HWND WaitFileDialog(const Program& program)
{
    struct Ctx { DWORD pid; HWND found; } ctx = {program.ProcessId(), nullptr};
    WaitUntil([&] {
        ctx.found = nullptr;
        ::EnumWindows([](HWND h, LPARAM lp) -> BOOL {
            Ctx* c = reinterpret_cast<Ctx*>(lp);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(h, &pid);
            if (pid != c->pid || !::IsWindowVisible(h) || ClassName(h) != L"#32770")
                return TRUE;
            if (FindDescendant(h, 0x047C) == nullptr && FindDescendant(h, 0x0480) == nullptr)
                return TRUE;
            c->found = h;
            return FALSE;
        }, reinterpret_cast<LPARAM>(&ctx));
        return ctx.found != nullptr;
    });
    return ctx.found;
}

// Types a path into the file dialog and confirms it.
void AnswerFileDialog(HWND dialog, const std::wstring& path)
{
    const int NAME_COMBO = 0x047C, NAME_EDIT = 0x0480;
    ::SetDlgItemTextW(dialog, NAME_COMBO, path.c_str());
    ::SetDlgItemTextW(dialog, NAME_EDIT, path.c_str());
    ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
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
    // The region (the current cell) then gets a window per split part: windows 2 to 4 open and
    // are placed, one after the other, and the fourth part finds the region full, which the
    // operator is told.
    HWND full = program.WaitMessageBox(Utf16("MPD窗口已添加至最大"));
    ASSERT_NE(full, nullptr) << SimulatorFile("TZSIM_TRACE");
    ASSERT_TRUE(Program::Answer(full, IDOK));
    ASSERT_TRUE(WaitForCount("SetPip PIP 4 position", 1)) << SimulatorFile("TZSIM_TRACE");
    trace = SimulatorFile("TZSIM_TRACE");
    for (const char* pip : {"PIP 2 ", "PIP 3 ", "PIP 4 "}) {
        EXPECT_EQ(Count(trace, std::string("SetPip ") + pip + "on"), 1u) << pip << trace;
        EXPECT_EQ(Count(trace, std::string("SetPip ") + pip + "size"), 1u) << pip << trace;
        EXPECT_EQ(Count(trace, std::string("SetPip ") + pip + "position"), 1u) << pip << trace;
    }
    EXPECT_LT(trace.rfind("SelectInput"), trace.find("SetPip PIP 2 on")) << "windows open in the new region";
    EXPECT_LT(trace.find("SetPip PIP 2 on"), trace.find("SetPip PIP 3 on")) << trace;
    EXPECT_EQ(Count(trace, "SetPip PIP 5 "), 0u) << "no window past the split's three" << trace;
    EXPECT_EQ(Count(trace, "SetPip panel"), 0u) << trace;
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

TEST(WorkspaceProgram, SaveAndLoadSceneGoThroughTheFileDialogsAndOnlyARealSaveIsConfirmed)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    Program program(L"ws_scenes", SimulatorCom());
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(WaitForCount("SetResolution", 1)) << SimulatorFile("TZSIM_TRACE");
    const std::wstring saved = Utf16("保存成功!");

    // 保存场景 cancelled: no confirmation. The next command's dialog shows only after the first
    // command has been handled whole.
    PostCommand(frame, 1006);
    HWND dialog = WaitFileDialog(program);
    ASSERT_NE(dialog, nullptr);
    ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    PostCommand(frame, 1006);
    dialog = WaitFileDialog(program);
    ASSERT_NE(dialog, nullptr);
    std::wstring shown;
    EXPECT_EQ(program.FindMessageBox(&shown), nullptr) << "a cancelled save is not confirmed";

    // A real save: the file is written and confirmed. The program folder outlives the run, and a
    // scene left there by an earlier run would bring the dialog's overwrite question instead.
    const std::wstring path = program.Folder() + L"\\kept.tzs";
    ::DeleteFileW(path.c_str());
    AnswerFileDialog(dialog, path);
    HWND box = program.WaitMessageBox(saved);
    ASSERT_NE(box, nullptr) << "保存成功! after the file was written";
    ASSERT_TRUE(Program::Answer(box, IDOK));
    EXPECT_NE(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);

    // 加载场景 with that file restores it to the device: its frames follow the load.
    const size_t before = Count(SimulatorFile("TZSIM_TRACE"), "AA BB");
    PostCommand(frame, 1002);
    dialog = WaitFileDialog(program);
    ASSERT_NE(dialog, nullptr);
    AnswerFileDialog(dialog, path);
    EXPECT_TRUE(WaitUntil([&] { return Count(SimulatorFile("TZSIM_TRACE"), "NewScene common") >= 2; }))
        << SimulatorFile("TZSIM_TRACE");
    EXPECT_GT(Count(SimulatorFile("TZSIM_TRACE"), "AA BB"), before);
    EXPECT_EQ(program.FindMessageBox(&shown), nullptr) << "a load confirms nothing";
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}

TEST(WorkspaceProgram, AddWindowAfterASplitAndAMessageAddsAWindowUntilTheRegionIsFull)
{
    REQUIRE_SIMULATOR();
    ListSimulatorPort();
    // An MPD count of 4 (the profile's 3 plus one), the device's: a region holds windows 2 to 4.
    Program program(L"ws_add", SimulatorCom());
    HWND frame = program.StartAsAdministrator();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(WaitForCount("SetResolution", 1)) << SimulatorFile("TZSIM_TRACE");

    // 1x2分割: the new scene's region opens windows 2 and 3 and stays the current cell.
    PostCommand(frame, 32846);
    ASSERT_TRUE(WaitForCount("SetPip PIP 3 position", 1)) << SimulatorFile("TZSIM_TRACE");
    EXPECT_EQ(Count(SimulatorFile("TZSIM_TRACE"), "SetPip PIP 2 on"), 1u);
    HWND view = FindControlView(frame);
    ASSERT_NE(view, nullptr);
    // A message in between (删除窗口 without a chosen window) leaves the region current.
    PostClicked(view, 1010);
    HWND box = program.WaitMessageBox(Utf16("请选中要删除的窗口"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Program::Answer(box, IDOK));

    // 添加窗口: window 4 opens with its size and place in the region.
    PostClicked(view, 32879);
    ASSERT_TRUE(WaitForCount("SetPip PIP 4 position", 1)) << SimulatorFile("TZSIM_TRACE");
    std::string trace = SimulatorFile("TZSIM_TRACE");
    EXPECT_EQ(Count(trace, "SetPip PIP 4 on"), 1u) << trace;
    EXPECT_LT(trace.find("SetPip PIP 4 on"), trace.find("SetPip PIP 4 size")) << trace;

    // Once more: the region is full, which the operator is told; nothing is sent.
    const size_t frames = Count(trace, "AA BB");
    PostClicked(view, 32879);
    box = program.WaitMessageBox(Utf16("MPD窗口已添加至最大"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Program::Answer(box, IDOK));
    trace = SimulatorFile("TZSIM_TRACE");
    EXPECT_EQ(Count(trace, "AA BB"), frames) << trace;
    EXPECT_EQ(trace.find("! "), std::string::npos) << "no anomaly: " << trace;
    EXPECT_TRUE(program.CloseThroughPrompt(frame));
}
