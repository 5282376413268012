// Commands without a wall cell: what each title sends, result messages, the always-succeeds and
// counted rules, exceptions from the link, and the two runners with the online flag.
#include "app/core/command/DeviceCommands.h"
#include "tests/unit/command/CommandTestSupport.h"

#include <stdexcept>

namespace {

std::string Sent(RecordingComm& link, LPCSTR title)
{
    link.Clear();
    std::unique_ptr<DeviceCommand> command = CreateCommand(title);
    EXPECT_TRUE(command != nullptr) << title;
    if (!command)
        return std::string();
    EXPECT_EQ(1, command->Execute()) << title;
    EXPECT_STREQ(title, command->Title());
    return link.Joined();
}

}  // namespace

class DeviceCommandTest : public CommandTest {};

TEST_F(DeviceCommandTest, TitlesSendTheirOperations)
{
    EXPECT_EQ("Connect()", Sent(link, "打开设备"));
    EXPECT_EQ("Disconnect()", Sent(link, "关闭设备"));
    EXPECT_EQ("Reconnect()", Sent(link, "连接设备"));
    EXPECT_EQ("SetPower(0)", Sent(link, "开机"));
    EXPECT_EQ("SetPower(1)", Sent(link, "关机"));
    EXPECT_EQ("EnterUpgradeMode()", Sent(link, "进入升级模式"));
    EXPECT_EQ("FactorySettings(0,0)", Sent(link, "恢复出厂设置"));
    EXPECT_EQ("FactorySettings(0,1)", Sent(link, "保存出厂设置"));
    EXPECT_EQ("SetBoardMode(0,6,0)", Sent(link, "自然场景"));
    EXPECT_EQ("SetBoardMode(0,6,1)", Sent(link, "监控场景"));
    EXPECT_EQ("SetBoardMode(0,5,0)", Sent(link, "高清底图关"));
    EXPECT_EQ("SetBoardMode(0,5,1)", Sent(link, "高清底图开"));
    EXPECT_EQ("NewScene(0)", Sent(link, "新建场景"));
    EXPECT_EQ("AutoPosition(0)", Sent(link, "全体定位"));
    EXPECT_EQ("SetResolution(0,6)", Sent(link, "设置分辨率"));
    EXPECT_EQ("SetLayout(0,1,1,1)", Sent(link, "设置位置"));
    EXPECT_EQ("", Sent(link, "取消CBD"));
    EXPECT_EQ("SetEdgeMask(0,172,254,253,7,1)", Sent(link, "打开边缘屏蔽"));
    EXPECT_EQ("SetEdgeMask(0,172,254,253,7,0)", Sent(link, "关闭边缘屏蔽"));
    EXPECT_TRUE(CreateCommand("无此命令") == nullptr);
}

TEST_F(DeviceCommandTest, CommandsWithArguments)
{
    CCallPresetCommand preset(7);
    EXPECT_EQ(1, preset.Execute());
    CStartupImageCommand logoOff(3);
    EXPECT_STREQ("设置底图", logoOff.Title());
    logoOff.Execute();
    CStartupImageCommand splashOn(1);
    EXPECT_STREQ("设置Splash", splashOn.Title());
    splashOn.Execute();
    CEdgeMaskCommand chosen("打开或关闭边缘屏蔽", 4);
    chosen.Execute();
    EXPECT_EQ("CallPreset(7) SetStartupImage(3) SetStartupImage(1) SetEdgeMask(0,172,254,253,7,4)",
              link.Joined());
}

TEST_F(DeviceCommandTest, FailureMessagesAreComposedFromTheResultCode)
{
    const struct { int code; const char* text; } cases[] = {
        {1, "未联机;\n错误码:0X0001"},
        {2, "打开串口设备失败;\n错误码:0X0002"},
        {3, "通讯失败;\n错误码:0X0003"},
        {7, "发生未知错误;\n错误码:0X0007"},
        {0x1234, "发生未知错误;\n错误码:0X1234"},
    };
    for (const auto& c : cases) {
        FailCalls("SetPower", c.code);
        std::unique_ptr<DeviceCommand> command = CreateCommand("开机");
        EXPECT_EQ(0, command->Execute());
        EXPECT_EQ(c.code, command->Result());
        EXPECT_EQ(std::string(c.text), std::string(command->Message()));
    }
    EXPECT_STREQ("操作成功", DeviceCommand::ResultText(0));
    // A message that already holds text gets the result on a new line.
    CString message = "组合错误";
    DeviceCommand::ComposeMessage(message, 3);
    EXPECT_EQ(std::string("组合错误\n通讯失败;\n错误码:0X0003"), std::string(message));
}

TEST_F(DeviceCommandTest, WithoutALinkCommandsReportNotConnected)
{
    DeviceLinkHolder::Instance().Attach(nullptr);
    std::unique_ptr<DeviceCommand> command = CreateCommand("关机");
    EXPECT_EQ(0, command->Execute());
    EXPECT_EQ(std::string("未联机;\n错误码:0X0001"), std::string(command->Message()));
}

TEST_F(DeviceCommandTest, AlwaysSucceedingCommandsKeepTheirResult)
{
    FailCalls("Set", 3);
    for (const char* title : {"设置分辨率", "打开边缘屏蔽", "关闭边缘屏蔽"}) {
        std::unique_ptr<DeviceCommand> command = CreateCommand(title);
        EXPECT_EQ(1, command->Execute()) << title;
        EXPECT_EQ(3, command->Result()) << title;
        EXPECT_TRUE(command->Message().IsEmpty()) << title;
    }
    // New scene is counted but not always successful.
    FailCalls("NewScene", 3);
    EXPECT_EQ(0, CreateCommand("新建场景")->Execute());
}

TEST_F(DeviceCommandTest, CountedCommandsCountEachCall)
{
    g_nCommandCount = 0;
    CreateCommand("新建场景")->Execute();
    CreateCommand("设置分辨率")->Execute();
    CreateCommand("打开边缘屏蔽")->Execute();
    EXPECT_EQ(3, g_nCommandCount);
    CreateCommand("开机")->Execute();
    CreateCommand("设置位置")->Execute();
    CCallPresetCommand(2).Execute();
    EXPECT_EQ(3, g_nCommandCount);
    // A failing counted call still counts: it went out.
    FailCalls("NewScene", 3);
    CreateCommand("新建场景")->Execute();
    EXPECT_EQ(4, g_nCommandCount);
}

TEST_F(DeviceCommandTest, ClockAndTimers)
{
    DeviceTime t;
    t.nEnabled = 1;
    t.nYear = 2012; t.nMonth = 1; t.nDay = 7; t.nHour = 3; t.nMinute = 6; t.nSecond = 33;
    CSetClockCommand set(t);
    EXPECT_EQ(1, set.Execute());
    t.nEnabled = 0;
    CSetClockCommand off(t);
    off.Execute();
    DeviceTime daily;
    daily.nEnabled = 1;
    daily.nYear = 2009; daily.nMonth = 1; daily.nDay = 1; daily.nHour = 22; daily.nMinute = 15;
    CPowerTimerCommand powerOff(true, daily);
    EXPECT_STREQ("设置定时关机", powerOff.Title());
    powerOff.Execute();
    daily.nEnabled = 0;
    CPowerTimerCommand powerOn(false, daily);
    EXPECT_STREQ("设置定时开机", powerOn.Title());
    powerOn.Execute();
    EXPECT_EQ("SetClock(1,33,6,3,7,1,12) SetClock(0,0,0,0,0,0,0) "
              "SetPowerOffTimer(1,15,22,1,1,9) SetPowerOnTimer(0,0,0,0,0,0)",
              link.Joined());
}

TEST_F(DeviceCommandTest, StatusReadFillsOnlyEnabledRecords)
{
    CReadStatusCommand status;
    EXPECT_EQ(1, status.Execute());
    EXPECT_EQ("PurgeInput() ReadClock() ReadPowerOffTimer() ReadPowerOnTimer()", link.Joined());
    EXPECT_EQ(1, status.Clock().nEnabled);
    EXPECT_EQ(2012, status.Clock().nYear);
    EXPECT_EQ(1, status.Clock().nMonth);
    EXPECT_EQ(7, status.Clock().nDay);
    EXPECT_EQ(3, status.Clock().nHour);
    EXPECT_EQ(6, status.Clock().nMinute);
    EXPECT_EQ(33, status.Clock().nSecond);
    EXPECT_EQ(1, status.PowerOff().nEnabled);
    EXPECT_EQ(8, status.PowerOff().nHour);
    EXPECT_EQ(30, status.PowerOff().nMinute);
    EXPECT_EQ(15, status.PowerOff().nDay);
    EXPECT_EQ(6, status.PowerOff().nMonth);
    EXPECT_EQ(2012, status.PowerOff().nYear);
    EXPECT_EQ(0, status.PowerOn().nEnabled);
    EXPECT_EQ(0, status.PowerOn().nYear);
}

TEST_F(DeviceCommandTest, StatusReadStopsAtTheFirstFailedRead)
{
    FailCalls("ReadPowerOffTimer", 3);
    CReadStatusCommand status;
    EXPECT_EQ(0, status.Execute());
    EXPECT_EQ("PurgeInput() ReadClock() ReadPowerOffTimer()", link.Joined());
    EXPECT_EQ(std::string("通讯失败;\n错误码:0X0003"), std::string(status.Message()));
}

TEST_F(DeviceCommandTest, AnExceptionFromPurgeInputFailsTheCommand)
{
    link.throwOnPurge = true;
    CReadStatusCommand status;
    EXPECT_EQ(0, status.Execute());
    EXPECT_EQ(std::string("通讯发生异常"), std::string(status.Message()));
    EXPECT_EQ("PurgeInput()", link.Joined());

    link.Clear();
    const unsigned char data[1] = {2};
    CTransferCommand transfer(10, data, 1);
    EXPECT_EQ(2, runDirect(transfer));
    EXPECT_EQ(std::string("通讯发生异常"), std::string(transfer.Message()));
    EXPECT_EQ("PurgeInput()", link.Joined());
}

TEST_F(DeviceCommandTest, AnyOtherExceptionFromTheLinkIsACommunicationFault)
{
    link.respond = [](const std::string&, int) -> int { throw std::runtime_error("port gone"); };
    std::unique_ptr<DeviceCommand> command = CreateCommand("开机");
    EXPECT_EQ(0, command->Execute());
    EXPECT_EQ(std::string("通讯发生异常"), std::string(command->Message()));
}

TEST_F(DeviceCommandTest, TransfersAreBracketedByPurges)
{
    const unsigned char one[1] = {5};
    CTransferCommand drv(10, one, 1);
    EXPECT_STREQ("DRV", drv.Title());
    EXPECT_EQ(1, drv.Execute());
    EXPECT_EQ("PurgeInput() Transfer(10,0) PurgeInput()", link.Joined());
    EXPECT_EQ(std::vector<unsigned char>({5}), link.lastTransfer);

    const unsigned char block[12] = {0x01, 0x2C, 0x00, 0xC8, 0, 3, 0, 4, 0, 5, 0, 6};
    CTransferCommand edge(13, block, 12);
    EXPECT_STREQ("Modify InitCmd_ShieldEdge", edge.Title());
    EXPECT_EQ(1, edge.Execute());
    EXPECT_EQ(std::vector<unsigned char>(block, block + 12), link.lastTransfer);
    EXPECT_STREQ("MPD", CTransferCommand::TitleOf(11));
    EXPECT_STREQ("Subtitle", CTransferCommand::TitleOf(12));

    // The transfer's own result decides, not the closing purge.
    link.Clear();
    FailCalls("Transfer", 3);
    CTransferCommand failing(12, one, 1);
    EXPECT_EQ(0, failing.Execute());
    EXPECT_EQ("PurgeInput() Transfer(12,0) PurgeInput()", link.Joined());
    EXPECT_EQ(3, failing.Result());
}

TEST_F(DeviceCommandTest, PanelSizeGoesToEveryBoardOfTheRange)
{
    PanelSizeValues v;
    v.nWidth = 1210; v.nHeight = 680; v.nLeft = 3; v.nRight = 4; v.nTop = 0x102; v.nBottom = 6;
    CPanelSizeCommand size(5, 6, v);
    EXPECT_EQ(1, size.Execute());
    EXPECT_EQ("SetPanelSize11(5,4,186,2,168,0) SetPanelSize12(5,0,3,0,4,0) "
              "SetPanelSize13(5,1,2,0,6,1) "
              "SetPanelSize11(6,4,186,2,168,0) SetPanelSize12(6,0,3,0,4,0) "
              "SetPanelSize13(6,1,2,0,6,1)",
              link.Joined());
    link.Clear();
    FailCalls("SetPanelSize12", 3);
    CPanelSizeCommand failing(5, 6, v);
    EXPECT_EQ(0, failing.Execute());
    EXPECT_EQ("SetPanelSize11(5,4,186,2,168,0) SetPanelSize12(5,0,3,0,4,0)", link.Joined());
}

TEST_F(DeviceCommandTest, RunnersReportOneOrTwo)
{
    std::unique_ptr<DeviceCommand> on = CreateCommand("开机");
    EXPECT_EQ(RUN_OK, runDirect(*on));
    EXPECT_EQ(RUN_OK, runWithProgress(*on));
    FailCalls("SetPower", 3);
    EXPECT_EQ(RUN_FAILED, runDirect(*on));
    std::unique_ptr<DeviceCommand> again = CreateCommand("开机");
    EXPECT_EQ(RUN_FAILED, runWithProgress("开机", *again));
    EXPECT_EQ(std::string("通讯失败;\n错误码:0X0003"), std::string(again->Message()));
}

TEST_F(DeviceCommandTest, OfflineTheProgressRunnerDoesNothing)
{
    g_nOnline = 0;
    link.respond = [](const std::string&, int) { return 3; };
    std::unique_ptr<DeviceCommand> on = CreateCommand("开机");
    EXPECT_EQ(RUN_OK, runWithProgress(*on));
    EXPECT_TRUE(link.calls.empty());
    EXPECT_TRUE(on->Message().IsEmpty());
    // The direct runner is not gated: opening the device works while going online.
    std::unique_ptr<DeviceCommand> open = CreateCommand("打开设备");
    EXPECT_EQ(RUN_FAILED, runDirect(*open));
    EXPECT_EQ("Connect()", link.Joined());
}

TEST_F(DeviceCommandTest, RecordPresetComposesButSucceeds)
{
    FailCalls("RecordPreset", 3);
    CRecordPresetCommand record(4, 1);
    EXPECT_EQ(1, record.Execute());
    EXPECT_EQ(3, record.Result());
    EXPECT_EQ(std::string("通讯失败;\n错误码:0X0003"), std::string(record.Message()));
}

TEST(DeviceLinkHolderTest, UnloadReleasesTheLinkOnceAndEmptiesTheHolder)
{
    RecordingComm link;
    DeviceLinkHolder holder;
    EXPECT_TRUE(holder.Comm() == nullptr);
    holder.Attach(&link);
    // Already holding a link: loading does not look for the library again.
    EXPECT_EQ(1, holder.Load());
    EXPECT_TRUE(holder.Module() == nullptr);
    holder.Unload();
    EXPECT_EQ(1, link.released);
    EXPECT_TRUE(holder.Comm() == nullptr);
    holder.Unload();
    EXPECT_EQ(1, link.released);
}

TEST(DeviceLinkHolderTest, ProgramPathsAreFormedInTheProgramsFolder)
{
    const CString folder = ProgramDirectory();
    EXPECT_FALSE(folder.IsEmpty());
    EXPECT_NE('\\', folder[folder.GetLength() - 1]);
    EXPECT_NE('/', folder[folder.GetLength() - 1]);
    const CString path = JoinProgramPath("C:\\TaveloPro", "TzComm.dll");
#ifdef _WIN32
    EXPECT_EQ(std::string("C:\\TaveloPro\\TzComm.dll"), std::string(path));
#else
    EXPECT_EQ(std::string("C:\\TaveloPro/TzComm.dll"), std::string(path));
#endif
}
