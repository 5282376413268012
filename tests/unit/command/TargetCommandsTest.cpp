// Commands aimed at wall cells: board addressing per target kind, the MPD assignment,
// combining and splitting, PIP windows and matrix switching.
#include "app/core/command/MatrixCommand.h"
#include "app/core/command/PipCommands.h"
#include "app/core/command/TargetCommands.h"
#include "tests/unit/command/WallFixture.h"

class TargetCommandTest : public WallTest {};

TEST_F(TargetCommandTest, EachTargetKindHasItsBoards)
{
    // A plain panel: its number plus the MPD count (8).
    CMenuCommand(Panel(3), true).Execute();
    EXPECT_EQ("SetMenu(11,1)", link.Joined());

    // A combined cell: every member in order, by top then left edge.
    CCombineCell* combined = Combine({6, 2, 1, 5});
    link.Clear();
    CAutoPositionCommand(combined).Execute();
    EXPECT_EQ("AutoPosition(9) AutoPosition(10) AutoPosition(13) AutoPosition(14)", link.Joined());

    // An MPD region is board 1, whatever its panels.
    Panel(4)->setMpd(TRUE);
    link.Clear();
    CMenuCommand(Panel(4), false).Execute();
    EXPECT_EQ("SetMenu(1,0)", link.Joined());

    // A PIP window is its window number.
    CPIPCell* pip = AddPip(Panel(4));
    ASSERT_TRUE(pip != nullptr);
    EXPECT_EQ(2, pip->number());
    CAutoPositionCommand(pip).Execute();
    EXPECT_EQ("AutoPosition(2)", link.Joined());

    // Nothing to address: the command fails without a call.
    link.Clear();
    CAutoPositionCommand none(nullptr);
    EXPECT_EQ(0, none.Execute());
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(TargetCommandTest, CombinedCellStopsAtTheFirstFailingMember)
{
    CCombineCell* combined = Combine({1, 2, 3});
    link.Clear();
    FailCalls("SetColorBalance(10", 3);
    CColorBalanceCommand balance("亮平衡", combined, 0, 1, 0);
    EXPECT_EQ(0, balance.Execute());
    EXPECT_EQ("SetColorBalance(9,0,1,0) SetColorBalance(10,0,1,0)", link.Joined());
    EXPECT_EQ(10, balance.Board());
    EXPECT_EQ(std::string("通讯失败;\n错误码:0X0003"), std::string(balance.Message()));
}

TEST_F(TargetCommandTest, PictureCommandsTellThePipFlag)
{
    Panel(1)->setMpd(TRUE);
    CPIPCell* pip = AddPip(Panel(1));
    CPictureStepCommand(Panel(2), CPictureStepCommand::BRIGHTNESS, true).Execute();
    CPictureStepCommand(pip, CPictureStepCommand::CONTRAST, false).Execute();
    CPictureStepCommand saturation(pip, CPictureStepCommand::SATURATION, true);
    EXPECT_STREQ("调整饱合度", saturation.Title());
    saturation.Execute();
    CResetPictureCommand(pip).Execute();
    CResetPictureCommand(Panel(2)).Execute();
    EXPECT_EQ("SetBrightness(10,0,1) SetContrast(2,1,0) SetSaturation(2,1,1) ResetPicture(2,1) "
              "ResetPicture(10,0)",
              link.Joined());
}

TEST_F(TargetCommandTest, InputSelectionUsesTheWindowsInputType)
{
    Panel(1)->setMpd(TRUE);
    CPIPCell* pip = AddPip(Panel(1), 3);
    g_nCommandCount = 0;
    Panel(2)->setInputType(6);
    CSelectInputCommand(Panel(2), "选择HDMI").Execute();
    CSelectInputCommand input(pip, "选择CVBS");
    EXPECT_STREQ("选择CVBS", input.Title());
    input.Execute();
    EXPECT_EQ("SelectInput(10,6) SelectPipInput(2,3)", link.Joined());
    EXPECT_EQ(2, g_nCommandCount);
}

TEST_F(TargetCommandTest, MpdAssignmentOfAPlainCell)
{
    config.mpdCount = 4;
    Panel(3)->setMpd(TRUE);
    Panel(3)->setInputType(5);
    CMpdAssignCommand byHand(Panel(3), false);
    EXPECT_EQ(1, byHand.Execute());
    EXPECT_EQ("SelectInput(2,4) SelectInput(3,4) SelectInput(4,4) SelectInput(7,0)", link.Joined());
    link.Clear();
    CMpdAssignCommand restoring(Panel(3), true);
    EXPECT_EQ(1, restoring.Execute());
    EXPECT_EQ("SelectInput(1,5) SelectInput(2,4) SelectInput(3,4) SelectInput(4,4) SelectInput(7,0)",
              link.Joined());
    EXPECT_EQ(9, g_nCommandCount);
}

TEST_F(TargetCommandTest, MpdAssignmentOfACombinedCellAndItsFailures)
{
    config.mpdCount = 3;
    CCombineCell* combined = Combine({1, 2});
    combined->setMpd(TRUE);
    link.Clear();
    // A region without a chosen input gives its own board type 12 ("none") as it stands.
    CMpdAssignCommand noInput(combined, true);
    EXPECT_EQ(1, noInput.Execute());
    EXPECT_EQ("SelectInput(1,12) SelectInput(2,4) SelectInput(3,4) SelectInput(4,0) "
              "SelectInput(5,0)",
              link.Joined());
    // Made by hand (no input flag), board 1 gets nothing whatever the type.
    link.Clear();
    CMpdAssignCommand byHand(combined, false);
    EXPECT_EQ(1, byHand.Execute());
    EXPECT_EQ("SelectInput(2,4) SelectInput(3,4) SelectInput(4,0) SelectInput(5,0)", link.Joined());
    // The region's own board may fail; the assignment goes on.
    combined->setInputType(0);
    link.Clear();
    FailCalls("SelectInput(1,", 3);
    CMpdAssignCommand assign(combined, true);
    EXPECT_EQ(1, assign.Execute());
    EXPECT_EQ("SelectInput(1,0) SelectInput(2,4) SelectInput(3,4) SelectInput(4,0) SelectInput(5,0)",
              link.Joined());
    // A later MPD board ends it.
    link.Clear();
    FailCalls("SelectInput(2,", 1);
    CMpdAssignCommand failing(combined, false);
    EXPECT_EQ(0, failing.Execute());
    EXPECT_EQ("SelectInput(2,4)", link.Joined());
    EXPECT_EQ(std::string("未联机;\n错误码:0X0001"), std::string(failing.Message()));
    // So does a member.
    link.Clear();
    FailCalls("SelectInput(4,", 3);
    CMpdAssignCommand member(combined, false);
    EXPECT_EQ(0, member.Execute());
    EXPECT_EQ("SelectInput(2,4) SelectInput(3,4) SelectInput(4,0)", link.Joined());
}

TEST_F(TargetCommandTest, CombiningSixPanelsSendsTheAreaAndEachOrder)
{
    CCombineCell* combined = Combine({2, 3, 4, 6, 7, 8});
    link.Clear();
    int columns = 0, rows = 0;
    CCombineCommand::CountColumnsRows(*combined, &columns, &rows);
    EXPECT_EQ(3, columns);
    EXPECT_EQ(2, rows);
    CCombineCommand combine(combined);
    EXPECT_EQ(1, combine.Execute());
    EXPECT_EQ("SetLayout(10,3,2,1) SetLayout(11,3,2,2) SetLayout(12,3,2,3) SetLayout(14,3,2,4) "
              "SetLayout(15,3,2,5) SetLayout(16,3,2,6)",
              link.Joined());
    EXPECT_EQ(6, g_nCommandCount);

    link.Clear();
    FailCalls("SetLayout(11", 3);
    CCombineCommand failing(combined);
    EXPECT_EQ(0, failing.Execute());
    EXPECT_EQ("SetLayout(10,3,2,1) SetLayout(11,3,2,2)", link.Joined());

    link.Clear();
    link.respond = nullptr;
    CDecomposeCommand split(combined);
    EXPECT_EQ(1, split.Execute());
    EXPECT_EQ("SetLayout(10,1,1,1) SetLayout(11,1,1,1) SetLayout(12,1,1,1) SetLayout(14,1,1,1) "
              "SetLayout(15,1,1,1) SetLayout(16,1,1,1)",
              link.Joined());
}

TEST_F(TargetCommandTest, CombiningWithoutMembersIsACombinationError)
{
    CCombineCell empty;
    CCombineCommand combine(&empty);
    EXPECT_EQ(0, combine.Execute());
    EXPECT_EQ(std::string("组合错误"), std::string(combine.Message()));
    EXPECT_TRUE(link.calls.empty());
    CCombineCommand plain(Panel(1));
    EXPECT_EQ(0, plain.Execute());
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(TargetCommandTest, PipSwitchAndTransparencyAlwaysSucceed)
{
    FailCalls("SetPip", 3);
    CPipSwitchCommand on(5, true);
    EXPECT_EQ(1, on.Execute());
    CPipSwitchCommand off(5, false);
    EXPECT_STREQ("关PIP", off.Title());
    EXPECT_EQ(1, off.Execute());
    CPipTransparencyCommand level(5, 9);
    EXPECT_EQ(1, level.Execute());
    EXPECT_EQ(3, level.Result());
    EXPECT_EQ("SetPip(5,0,1,85,85,85) SetPip(5,0,0,85,85,85) SetPip(5,3,9,85,85,85)", link.Joined());
    EXPECT_EQ(3, g_nCommandCount);
}

TEST_F(TargetCommandTest, PipGeometryLimits)
{
    // Too small: raised to 48 x 48.
    EXPECT_EQ(1, SendPipGeometry(3, 100, 200, 20, 30));
    EXPECT_EQ("SetPip(3,2,0,48,0,48) SetPip(3,1,0,100,0,200)", link.Joined());
    // Past the right and bottom edges of 1920 x 1080: moved back so the window ends at them.
    link.Clear();
    EXPECT_EQ(1, SendPipGeometry(4, 1800, 1000, 400, 300));
    EXPECT_EQ("SetPip(4,2,1,144,1,44) SetPip(4,1,5,240,3,12)", link.Joined());
    // Larger than the output: the size is the output; the position starts at 0, never below.
    link.Clear();
    EXPECT_EQ(1, SendPipGeometry(5, 100, 50, 2500, 1200));
    EXPECT_EQ("SetPip(5,2,7,128,4,56) SetPip(5,1,0,0,0,0)", link.Joined());
    EXPECT_EQ(6, g_nCommandCount);

    // A refused size is reported, and the position still goes out.
    link.Clear();
    FailCalls("SetPip(6,2", 3);
    CString message;
    EXPECT_EQ(0, SendPipGeometry(6, 0, 0, 100, 100, &message));
    EXPECT_EQ("SetPip(6,2,0,100,0,100) SetPip(6,1,0,0,0,0)", link.Joined());
    EXPECT_EQ(std::string("通讯失败;\n错误码:0X0003"), std::string(message));
}

TEST_F(TargetCommandTest, FineAdjustmentSendsTheNewGeometry)
{
    config.pixelWidth = 1024;
    config.pixelHeight = 768;
    Panel(1)->setMpd(TRUE);
    CPIPCell* pip = AddPip(Panel(1));
    pip->setDeviceRect(100, 100, 200, 150);
    CPipFineAdjustCommand right(pip, CPIPCell::MOVE_RIGHT, 4);
    EXPECT_STREQ("位置微调", right.Title());
    EXPECT_EQ(RUN_OK, runWithProgress(right));
    EXPECT_EQ("SetPip(2,2,0,200,0,150) SetPip(2,1,0,104,0,100)", link.Joined());

    link.Clear();
    CPipFineAdjustCommand grow(pip, CPIPCell::WIDTH_GROW, 10);
    EXPECT_STREQ("PIP大小微调", grow.Title());
    EXPECT_EQ(RUN_OK, runWithProgress(grow));
    EXPECT_EQ("SetPip(2,2,0,210,0,150) SetPip(2,1,0,104,0,100)", link.Joined());

    link.Clear();
    FailCalls("SetPip(2,1", 3);
    CPipFineAdjustCommand down(pip, CPIPCell::MOVE_DOWN, 2);
    EXPECT_EQ(RUN_FAILED, runWithProgress(down));
    EXPECT_EQ(std::string("通讯失败;\n错误码:0X0003"), std::string(down.Message()));
    // The installed services are back once the command has run.
    EXPECT_EQ(static_cast<WallServices*>(&services), WallServices::current());
}

TEST_F(TargetCommandTest, MatrixSwitchFollowsTheCurrentInputType)
{
    Panel(5)->setMpd(TRUE);
    CPIPCell* pip2 = AddPip(Panel(5));
    CPIPCell* pip3 = AddPip(Panel(5));
    ASSERT_EQ(3, pip3->number());
    (void)pip2;
    config.ports[MATRIX_VGA].assign(510, 0);
    config.ports[MATRIX_VGA][255 + 2] = 77;   // MPD entry 3
    g_nCurrentInputType = 2;
    CMatrixSwitchCommand vga(pip3, 9);
    EXPECT_EQ(1, vga.Execute());
    EXPECT_EQ("MatrixSwitch(22,1,2,77,9)", link.Joined());

    // DVI: an MPD region uses MPD entry 1; a plain panel its driver-board entry.
    link.Clear();
    g_nCurrentInputType = 6;
    CMatrixSwitchCommand(Panel(5), 4).Execute();
    CMatrixSwitchCommand(Panel(2), 4).Execute();
    EXPECT_EQ("MatrixSwitch(23,2,3,3255,4) MatrixSwitch(23,2,3,3001,4)", link.Joined());

    // Anything else is the CVBS matrix; a combined cell switches every member.
    link.Clear();
    g_nCurrentInputType = 3;
    CCombineCell* combined = Combine({1, 2});
    link.Clear();
    CMatrixSwitchCommand(combined, 2).Execute();
    EXPECT_EQ("MatrixSwitch(21,0,1,1000,2) MatrixSwitch(21,0,1,1001,2)", link.Joined());

    // Numbers outside 1..254 are not looked up.
    EXPECT_EQ(255, CMatrixSwitchCommand::DriverOutput(MATRIX_CVBS, 255));
    EXPECT_EQ(0, CMatrixSwitchCommand::MpdOutput(MATRIX_CVBS, 0));
    EXPECT_EQ(1253, CMatrixSwitchCommand::DriverOutput(MATRIX_CVBS, 254));
}
