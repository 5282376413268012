// The wall view's commands against the real wall model and the command layer: input choices with
// their titles and input types, windows added and deleted, the MPD toggle, splitting, the
// dialogs' targets, the state of the menu items, and the input sub-menus.
#include "app/core/view/InputMenu.h"
#include "app/core/view/WallEditor.h"
#include "app/res/WallViewRes.h"
#include "tests/unit/view/ViewTestSupport.h"

namespace {

class NoHost : public WallEditorHost {
public:
    void setCursor(int) override {}
    void captureMouse() override {}
    void releaseMouse() override {}
    void drawBand(const WallRect&) override {}
};

class RecordingDialogs : public WallViewDialogs {
public:
    std::vector<std::pair<std::string, const CCell*>> opened;
    void pipTransparency(CPIPCell& pip) override { opened.emplace_back("transparency", &pip); }
    void pictureParameters(CCell& target) override { opened.emplace_back("parameters", &target); }
    void pipFineAdjust(CPIPCell& pip) override { opened.emplace_back("fine", &pip); }
    void edgeMask(CCell* cell) override { opened.emplace_back("edge", cell); }
};

}  // namespace

class WallEditorCommand : public ViewTest {
protected:
    NoHost host;
    WallEditor editor{wall, host};

    void SetUp() override
    {
        ViewTest::SetUp();
        editor.reset();
    }
    // Panel 1 as an MPD region with one window (number 2), the window current.
    CPIPCell* CurrentWindow()
    {
        Panel(1)->setMpd(TRUE);
        CPIPCell* pip = AddPip(Panel(1));
        titles.titles.clear();
        editor.pointAt({100, 100});
        return pip;
    }
};

TEST_F(WallEditorCommand, EachLocalInputHasItsTitleAndType)
{
    CPIPCell* pip = CurrentWindow();
    const std::pair<int, const char*> cases[] = {
        {INPUT_VGA, "选择EXTVGA"}, {INPUT_MPD_CHANNEL, "选择INTVGA"}, {INPUT_CVBS, "选择CVBS"},
        {INPUT_DVI, "选择HDMI"},   {INPUT_YUV, "选择YUV"},
    };
    for (const auto& c : cases) {
        link.Clear();
        titles.titles.clear();
        editor.selectInput(c.first, c.second);
        EXPECT_EQ(c.first, pip->inputType());
        EXPECT_EQ(0, pip->inputNo());
        EXPECT_EQ(c.first, g_nCurrentInputType);
        EXPECT_EQ((std::vector<std::string>{c.second}), titles.titles);
        EXPECT_EQ("SelectPipInput(2," + std::to_string(c.first) + ")", link.Joined());
    }
    // Without a window the current cell takes it; the region is board 1.
    editor.pointAt({10, 10});
    link.Clear();
    editor.selectInput(INPUT_DVI, "选择HDMI");
    EXPECT_EQ("SelectInput(1,6)", link.Joined());
}

TEST_F(WallEditorCommand, MatrixInputsSelectThenSwitchTheMatrix)
{
    workingSystem().vgaInputs = 5;
    workingSystem().cvbsInputs = 100;
    workingSystem().dviInputs = 3;
    CPIPCell* pip = CurrentWindow();
    editor.selectMatrixInput(ID_WALL_VGA_BASE + 3);
    EXPECT_EQ(INPUT_VGA, pip->inputType());
    EXPECT_EQ(3, pip->inputNo());
    // VGA matrix (kind 1, maker 22, address 2), MPD output of window 2: port entry 255 + 1.
    EXPECT_EQ("SelectPipInput(2,2) MatrixSwitch(22,1,2,2256,3)", link.Joined());
    EXPECT_EQ((std::vector<std::string>{"选择VGA", "切换矩阵通道"}), titles.titles);

    link.Clear();
    titles.titles.clear();
    editor.selectMatrixInput(ID_WALL_CVBS_BASE + 100);
    editor.selectMatrixInput(ID_WALL_DVI_BASE + 1);
    EXPECT_EQ("SelectPipInput(2,3) MatrixSwitch(21,0,1,1256,100) SelectPipInput(2,6) "
              "MatrixSwitch(23,2,3,3256,1)",
              link.Joined());
    EXPECT_EQ((std::vector<std::string>{"选择CVBS", "切换矩阵通道", "选择DVI1", "切换矩阵通道"}),
              titles.titles);

    // Beyond the working count nothing happens.
    link.Clear();
    editor.selectMatrixInput(ID_WALL_VGA_BASE + 6);
    editor.selectMatrixInput(ID_WALL_DVI_BASE + 4);
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(INPUT_DVI, pip->inputType());
    EXPECT_EQ(1, pip->inputNo());
}

TEST_F(WallEditorCommand, RefusedInputIsShownAndKeptInTheModel)
{
    CPIPCell* pip = CurrentWindow();
    FailCalls("SelectPipInput", 1);
    editor.selectInput(INPUT_YUV, "选择YUV");
    EXPECT_EQ(INPUT_YUV, pip->inputType());
    EXPECT_EQ((std::vector<std::string>{"未联机;\n错误码:0X0001"}), Shown());
}

TEST_F(WallEditorCommand, CommandsWithoutATargetDoNothing)
{
    editor.selectInput(INPUT_VGA, "选择EXTVGA");
    editor.selectMatrixInput(ID_WALL_VGA_BASE + 1);
    editor.addWindow();
    editor.toggleMpd();
    editor.split();
    editor.combine();
    RecordingDialogs dialogs;
    editor.setDialogs(&dialogs);
    for (UINT id : {ID_WALL_TRANSPARENCY, ID_WALL_PARAMETERS, ID_WALL_PIP_PARAMETERS,
                    ID_WALL_FINE_ADJUST})
        editor.openDialog(id);
    EXPECT_TRUE(link.calls.empty());
    EXPECT_TRUE(titles.titles.empty());
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(WallEditorCommand, AddingAWindowNeedsAnMpdRegion)
{
    editor.pointAt({100, 100});   // a plain panel
    editor.addWindow();
    EXPECT_EQ(0, Panel(1)->pipCount());
    EXPECT_TRUE(link.calls.empty());

    Panel(1)->setMpd(TRUE);
    editor.addWindow();
    ASSERT_EQ(1, Panel(1)->pipCount());
    EXPECT_EQ("SetPip(2,0,1,85,85,85) SetPip(2,2,2,140,1,112) SetPip(2,1,2,120,1,100)",
              link.Joined());
    EXPECT_EQ((std::vector<std::string>{"开PIP"}), titles.titles);
}

TEST_F(WallEditorCommand, DeletingAWindowSwitchesItOffOrAsksForOne)
{
    editor.deleteWindow();
    EXPECT_EQ((std::vector<std::string>{"请选中要删除的窗口"}), Shown());

    CurrentWindow();
    editor.deleteWindow();
    EXPECT_EQ("SetPip(2,0,0,85,85,85)", link.Joined());
    EXPECT_EQ((std::vector<std::string>{"关PIP"}), titles.titles);
    EXPECT_EQ(0, Panel(1)->pipCount());
    EXPECT_EQ(nullptr, editor.currentPip());
}

TEST_F(WallEditorCommand, MpdToggleAssignsAndCancelsTheRegion)
{
    editor.pointAt({300, 100});
    editor.toggleMpd();
    EXPECT_TRUE(Panel(2)->isMpd());
    EXPECT_EQ(INPUT_NONE, Panel(2)->inputType());
    EXPECT_EQ((std::vector<std::string>{"设置CBD"}), titles.titles);
    EXPECT_EQ("SelectInput(2,4) SelectInput(3,4) SelectInput(4,4) SelectInput(5,4) "
              "SelectInput(6,4) SelectInput(7,4) SelectInput(8,4) SelectInput(10,0)",
              link.Joined());

    // Off again with its window current: the window goes with "关PIP", then "取消CBD".
    editor.addWindow();
    editor.pointAt({300, 100});
    ASSERT_NE(nullptr, editor.currentPip());
    link.Clear();
    titles.titles.clear();
    editor.toggleMpd();
    EXPECT_FALSE(Panel(2)->isMpd());
    EXPECT_EQ(nullptr, editor.currentPip());
    EXPECT_EQ("SetPip(2,0,0,85,85,85)", link.Joined());
    EXPECT_EQ((std::vector<std::string>{"关PIP", "取消CBD"}), titles.titles);
}

TEST_F(WallEditorCommand, SplitWorksOnAMergedCellOnly)
{
    CCombineCell* merged = Combine({5, 6});
    link.Clear();
    editor.pointAt({300, 300});
    ASSERT_EQ(merged, editor.currentCell());
    FailCalls("SetLayout", 3);
    editor.split();
    EXPECT_EQ(merged, editor.currentCell()) << "a refused split changes nothing";
    EXPECT_EQ((std::vector<std::string>{"通讯失败;\n错误码:0X0003"}), Shown());
    link.respond = nullptr;
    editor.split();
    EXPECT_EQ(nullptr, editor.currentCell());
    EXPECT_EQ(8, wall.cells().GetCount());
}

TEST_F(WallEditorCommand, DialogsReceiveTheCurrentWindowOrCell)
{
    RecordingDialogs dialogs;
    editor.setDialogs(&dialogs);
    CPIPCell* pip = CurrentWindow();
    for (UINT id : {ID_WALL_TRANSPARENCY, ID_WALL_PARAMETERS, ID_WALL_PIP_PARAMETERS,
                    ID_WALL_FINE_ADJUST})
        editor.openDialog(id);
    editor.pointAt({300, 100});
    editor.openDialog(ID_WALL_PARAMETERS);
    editor.openDialog(ID_WALL_PIP_PARAMETERS);   // needs a window: nothing
    editor.openDialog(ID_WALL_EDGE_MASK);
    const std::vector<std::pair<std::string, const CCell*>> expected = {
        {"transparency", pip}, {"parameters", pip}, {"parameters", pip}, {"fine", pip},
        {"parameters", Panel(2)}, {"edge", Panel(2)}};
    EXPECT_EQ(expected, dialogs.opened);
}

TEST_F(WallEditorCommand, PositionAllIsSentBehindTheProgressWindow)
{
    editor.positionAll();
    EXPECT_EQ("AutoPosition(0)", link.Joined());
    EXPECT_EQ((std::vector<std::string>{"全体定位"}), titles.titles);
}

TEST_F(WallEditorCommand, MenuItemStatesFollowTheCurrentCell)
{
    auto enabled = [&](UINT id) { return editor.commandState(id).enabled; };
    auto checked = [&](UINT id) { return editor.commandState(id).checked; };

    // A merged cell current.
    Combine({5, 6});
    editor.pointAt({300, 300});
    EXPECT_TRUE(enabled(ID_WALL_SPLIT));
    EXPECT_TRUE(enabled(ID_WALL_EDGE_MASK));
    EXPECT_FALSE(enabled(ID_WALL_ADD_PIP));
    EXPECT_FALSE(enabled(ID_WALL_DELETE_PIP));
    EXPECT_TRUE(enabled(ID_WALL_MPD));
    EXPECT_FALSE(checked(ID_WALL_MPD));
    EXPECT_FALSE(enabled(ID_WALL_MERGE));

    // A region with its window current.
    CurrentWindow();
    EXPECT_FALSE(enabled(ID_WALL_SPLIT));
    EXPECT_FALSE(enabled(ID_WALL_EDGE_MASK));
    EXPECT_TRUE(enabled(ID_WALL_ADD_PIP));
    for (UINT id : {ID_WALL_DELETE_PIP, ID_WALL_TRANSPARENCY, ID_WALL_PIP_PARAMETERS,
                    ID_WALL_FINE_ADJUST})
        EXPECT_TRUE(enabled(id)) << id;
    EXPECT_TRUE(enabled(ID_WALL_MPD));
    EXPECT_TRUE(checked(ID_WALL_MPD));
    EXPECT_FALSE(enabled(ID_WALL_INT_VGA));

    // A plain panel while a region exists: no second region.
    editor.pointAt({700, 100});
    EXPECT_FALSE(enabled(ID_WALL_MPD));
    EXPECT_TRUE(enabled(ID_WALL_INT_VGA));
    EXPECT_FALSE(enabled(ID_WALL_SPLIT));

    // Two panels selected: merging is offered.
    wall.select(Panel(3), TRUE);
    EXPECT_TRUE(enabled(ID_WALL_MERGE));

    // No MPD channels at all: no region.
    viewConfig.mpdCount = 0;
    Panel(1)->setMpd(FALSE);
    EXPECT_FALSE(enabled(ID_WALL_MPD));
}

TEST_F(WallEditorCommand, TheCurrentInputCarriesTheCheckMark)
{
    auto checked = [&](UINT id) { return editor.commandState(id).checked; };
    editor.pointAt({300, 100});
    Panel(2)->setInputType(INPUT_VGA);
    EXPECT_TRUE(checked(ID_WALL_LOCAL_VGA)) << "no VGA matrix inputs: the local entry";
    workingSystem().vgaInputs = 4;
    Panel(2)->setInputNo(3);
    EXPECT_FALSE(checked(ID_WALL_LOCAL_VGA));
    EXPECT_TRUE(checked(ID_WALL_VGA_BASE + 3));
    EXPECT_FALSE(checked(ID_WALL_VGA_BASE + 2));
    Panel(2)->setInputType(INPUT_CVBS);
    EXPECT_TRUE(checked(ID_WALL_LOCAL_CVBS));
    Panel(2)->setInputType(INPUT_DVI);
    EXPECT_TRUE(checked(ID_WALL_LOCAL_DVI));
    Panel(2)->setInputType(INPUT_MPD_CHANNEL);
    EXPECT_TRUE(checked(ID_WALL_INT_VGA));
    Panel(2)->setInputType(INPUT_YUV);
    EXPECT_FALSE(checked(ID_WALL_LOCAL_YUV)) << "other types mark nothing";

    // Nothing is marked while the current cell is an MPD region.
    Panel(2)->setInputType(INPUT_MPD_CHANNEL);
    Panel(2)->setMpd(TRUE);
    Panel(2)->setInputType(INPUT_MPD_CHANNEL);
    EXPECT_FALSE(checked(ID_WALL_INT_VGA));
}

TEST_F(WallEditorCommand, InputSubMenusListTheMatrixInputsByName)
{
    EXPECT_TRUE(matrixInputItems(INPUT_DVI).empty());
    workingSystem().cvbsInputs = 100;
    workingSystem().dviInputs = 300;   // more than a menu holds
    const std::vector<InputMenuItem> cvbs = matrixInputItems(INPUT_CVBS);
    ASSERT_EQ(100u, cvbs.size());
    EXPECT_EQ(ID_WALL_CVBS_BASE + 1, cvbs[0].id);
    EXPECT_EQ(CString("视频1"), cvbs[0].text);
    EXPECT_EQ(CString("视频100"), cvbs[99].text);
    std::vector<int> breaks;
    for (const InputMenuItem& item : cvbs)
        if (item.columnBreak)
            breaks.push_back(static_cast<int>(item.id - ID_WALL_CVBS_BASE));
    EXPECT_EQ((std::vector<int>{1, 41, 81}), breaks);
    const std::vector<InputMenuItem> dvi = matrixInputItems(INPUT_DVI);
    ASSERT_EQ(255u, dvi.size());
    EXPECT_EQ(ID_WALL_DVI_BASE + 255, dvi.back().id);
    EXPECT_FALSE(dvi[40].columnBreak) << "only the video list is cut into columns";

    int n = 0;
    EXPECT_EQ(INPUT_DVI, matrixInputOf(ID_WALL_DVI_BASE + 7, &n));
    EXPECT_EQ(7, n);
    EXPECT_EQ(0, matrixInputOf(ID_WALL_VGA_BASE, &n));
}
