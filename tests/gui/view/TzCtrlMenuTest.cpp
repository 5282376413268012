// The popup "POP" on the real control: it opens (tracked by the system) only over a PIP window or,
// from the keyboard, with a current cell; its items and input sub-menus follow the matrices, the
// video list in columns of 40; its items' states follow the current window; and each chosen entry
// sends its title with its input type.
#include "tests/gui/view/ViewGuiSupport.h"

#include "fx/win/Text.h"

namespace {

// What the open menu showed, read while the system tracks it.
struct SeenMenu {
    bool opened = false;
    std::vector<UINT> ids;                       // POP, by position (-1 for sub-menus)
    std::vector<std::vector<UINT>> subIds;       // each sub-menu's ids
    std::vector<std::vector<bool>> subBreaks;    // each sub-menu item's column break
    std::vector<std::string> subTexts;           // first and last caption of each sub-menu
    bool splitEnabled = true;
    bool yuvChecked = false;
    UINT choose = 0;                             // posted once the menu has closed
};

SeenMenu g_seen;
HMENU g_popup = nullptr;
HWND g_view = nullptr;

std::string TextOf(HMENU menu, int position)
{
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return std::string(fx::ToGbk(text));
}

void CALLBACK ReadMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    if (g_popup == nullptr)
        return;
    g_seen.opened = true;
    const int count = ::GetMenuItemCount(g_popup);
    for (int i = 0; i < count; ++i) {
        g_seen.ids.push_back(::GetMenuItemID(g_popup, i));
        HMENU sub = ::GetSubMenu(g_popup, i);
        if (sub == nullptr)
            continue;
        std::vector<UINT> ids;
        std::vector<bool> breaks;
        const int n = ::GetMenuItemCount(sub);
        for (int k = 0; k < n; ++k) {
            ids.push_back(::GetMenuItemID(sub, k));
            breaks.push_back((::GetMenuState(sub, static_cast<UINT>(k), MF_BYPOSITION) & MF_MENUBARBREAK) != 0);
        }
        g_seen.subIds.push_back(ids);
        g_seen.subBreaks.push_back(breaks);
        g_seen.subTexts.push_back(TextOf(sub, 0) + ".." + TextOf(sub, n - 1));
    }
    g_seen.splitEnabled = (::GetMenuState(g_popup, ID_WALL_SPLIT, MF_BYCOMMAND) & MF_GRAYED) == 0;
    g_seen.yuvChecked = (::GetMenuState(g_popup, ID_WALL_LOCAL_YUV, MF_BYCOMMAND) & MF_CHECKED) != 0;
    ::EndMenu();
    if (g_seen.choose != 0)
        ::PostMessageW(g_view, WM_COMMAND, g_seen.choose, 0);
}

// The control, with the popup it tracks made visible to the test.
class MenuSpyCtrl : public CTzCtrl {
public:
    using CTzCtrl::CTzCtrl;

protected:
    void trackContextMenu(CMenu& popup, CPoint screen) override
    {
        g_popup = popup.m_hMenu;
        lastPoint = screen;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &ReadMenu);
        CTzCtrl::trackContextMenu(popup, screen);
        ::KillTimer(nullptr, timer);
        g_popup = nullptr;
    }

public:
    CPoint lastPoint;
};

}  // namespace

class TzCtrlMenu : public ViewGuiTest {
protected:
    void SetUp() override
    {
        ViewGuiTest::SetUp();
        g_seen = SeenMenu();
    }
    void OpenWindow(MenuSpyCtrl& control)
    {
        CreateFrame(control);
        g_view = View();
        Press(100, 100);
        Release(100, 100);
        Command(ID_WALL_MPD);
        Command(ID_WALL_ADD_PIP);
        link.Clear();
        titles.titles.clear();
    }
    // Right button up at a point, sent: it returns once any menu has closed again.
    void RightClick(int x, int y)
    {
        ::SendMessageW(View(), WM_RBUTTONUP, 0, viewtest::At(x, y));
        viewtest::PumpUntil([] { return false; }, 50);
    }
};

TEST_F(TzCtrlMenu, OverAWindowThePopupListsTheMatrixInputs)
{
    // A blank scene copies the configured inputs into the working copy the menus read.
    configuredSystem().vgaInputs = 3;
    configuredSystem().cvbsInputs = 100;
    MenuSpyCtrl control(scratch.path().c_str());
    OpenWindow(control);
    g_seen.choose = ID_WALL_CVBS_BASE + 5;
    RightClick(300, 240);
    ASSERT_TRUE(g_seen.opened);
    const UINT sub = static_cast<UINT>(-1);
    EXPECT_EQ((std::vector<UINT>{ID_WALL_SPLIT, 0, sub, sub, sub, ID_WALL_LOCAL_YUV, 0,
                                 ID_WALL_PARAMETERS}),
              g_seen.ids);
    ASSERT_EQ(3u, g_seen.subIds.size());
    EXPECT_EQ((std::vector<UINT>{1281, 1282, 1283}), g_seen.subIds[0]);
    EXPECT_EQ("VGA1..VGA3", g_seen.subTexts[0]);
    ASSERT_EQ(100u, g_seen.subIds[1].size());
    EXPECT_EQ(1537u, g_seen.subIds[1].front());
    EXPECT_EQ(1636u, g_seen.subIds[1].back());
    EXPECT_EQ("视频1..视频100", g_seen.subTexts[1]);
    std::vector<int> columns;
    for (size_t i = 0; i < g_seen.subBreaks[1].size(); ++i)
        if (g_seen.subBreaks[1][i])
            columns.push_back(static_cast<int>(i) + 1);
    EXPECT_EQ((std::vector<int>{1, 41, 81}), columns) << "columns 1-40, 41-80, 81-100";
    EXPECT_EQ((std::vector<UINT>{ID_WALL_LOCAL_DVI}), g_seen.subIds[2]) << "no DVI inputs";
    EXPECT_EQ("本地DVI..本地DVI", g_seen.subTexts[2]);
    EXPECT_FALSE(g_seen.splitEnabled) << "a window is current";

    // The chosen input, once the menu closed.
    viewtest::PumpUntil([&] { return !link.calls.empty(); });
    EXPECT_EQ("SelectPipInput(2,3) MatrixSwitch(21,0,1,1256,5)", link.Joined());
    EXPECT_EQ((std::vector<std::string>{"选择CVBS", "切换矩阵通道"}), titles.titles);
}

TEST_F(TzCtrlMenu, EachLocalEntrySendsItsTitleAndType)
{
    MenuSpyCtrl control(scratch.path().c_str());
    OpenWindow(control);
    const struct {
        UINT id;
        const char* title;
        int type;
    } entries[] = {{ID_WALL_LOCAL_VGA, "选择EXTVGA", 2},
                   {ID_WALL_LOCAL_CVBS, "选择CVBS", 3},
                   {ID_WALL_LOCAL_DVI, "选择HDMI", 6},
                   {ID_WALL_LOCAL_YUV, "选择YUV", 5}};
    for (const auto& e : entries) {
        SCOPED_TRACE(e.title);
        g_seen = SeenMenu();
        g_seen.choose = e.id;
        link.Clear();
        titles.titles.clear();
        RightClick(300, 240);
        ASSERT_TRUE(g_seen.opened);
        viewtest::PumpUntil([&] { return !link.calls.empty(); });
        EXPECT_EQ((std::vector<std::string>{e.title}), titles.titles);
        EXPECT_EQ("SelectPipInput(2," + std::to_string(e.type) + ")", link.Joined());
        EXPECT_EQ(e.type, g_nCurrentInputType);
        EXPECT_EQ(e.type, control.editor().currentPip()->inputType());
    }
}

TEST_F(TzCtrlMenu, NoMenuOverACellWithoutAWindowOrWithoutACurrentCell)
{
    configuredSystem().wallRows = 1;
    configuredSystem().wallColumns = 2;
    MenuSpyCtrl control(scratch.path().c_str());
    OpenWindow(control);
    // The second panel has no window: it is selected, no menu opens.
    RightClick(500, 240);
    EXPECT_FALSE(g_seen.opened);
    EXPECT_EQ(control.wall().cells().GetAt(1), control.editor().currentCell());
    EXPECT_TRUE(control.wall().cells().GetAt(1)->isSelected());

    // From the keyboard: with a current cell at its middle, without one not at all.
    ::SendMessageW(View(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(View()), MAKELPARAM(-1, -1));
    EXPECT_TRUE(g_seen.opened);
    CPoint middle(480, 240);
    ::ClientToScreen(View(), &middle);
    EXPECT_EQ(middle.x, control.lastPoint.x);
    EXPECT_EQ(middle.y, control.lastPoint.y);

    g_seen = SeenMenu();
    control.clearInteraction();
    ::SendMessageW(View(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(View()), MAKELPARAM(-1, -1));
    EXPECT_FALSE(g_seen.opened);
}

TEST_F(TzCtrlMenu, ItemStatesAreSetWhenThePopupOpens)
{
    MenuSpyCtrl control(scratch.path().c_str());
    CreateFrame(control);
    CMenu menu;
    ASSERT_TRUE(control.buildContextMenu(menu));
    CMenu* popup = menu.GetSubMenu(WALL_MENU_POP);
    // A window with the YUV input current in a region: nothing checked, split disabled.
    Press(100, 100);
    Release(100, 100);
    Command(ID_WALL_MPD);
    Command(ID_WALL_ADD_PIP);
    Press(300, 240);
    Release(300, 240);
    control.editor().currentPip()->setInputType(INPUT_YUV);
    ::SendMessageW(View(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup->m_hMenu), 0);
    EXPECT_NE(0u, popup->GetMenuState(ID_WALL_SPLIT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, popup->GetMenuState(ID_WALL_PARAMETERS, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, popup->GetMenuState(ID_WALL_LOCAL_YUV, MF_BYCOMMAND) & MF_CHECKED);

    // A merged cell current with the local DVI input: split enabled, the DVI entry checked.
    configuredSystem().wallColumns = 2;
    control.resetScene();
    Press(100, 100);
    MoveTo(500, 300);
    Release(500, 300);
    Press(100, 100);
    Release(100, 100);
    Command(ID_WALL_LOCAL_DVI);
    ::SendMessageW(View(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup->m_hMenu), 0);
    EXPECT_EQ(0u, popup->GetMenuState(ID_WALL_SPLIT, MF_BYCOMMAND) & MF_GRAYED);
    CMenu* dvi = popup->GetSubMenu(POP_MENU_DVI);
    ::SendMessageW(View(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(dvi->m_hMenu), POP_MENU_DVI);
    EXPECT_NE(0u, dvi->GetMenuState(ID_WALL_LOCAL_DVI, MF_BYCOMMAND) & MF_CHECKED);
}

TEST(WallMenuResource, SplitPopupHoldsTheEightGroupsInOrder)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_WALL_MENU));
    HMENU split = ::GetSubMenu(menu.m_hMenu, WALL_MENU_MPD);
    ASSERT_NE(nullptr, split);
    const char* groups[] = {"单画面全屏", "双画面分割", "三画面分割", "四画面分割",
                            "六画面分割", "九画面分割", "十二画面分割", "十六画面分割"};
    ASSERT_EQ(8, ::GetMenuItemCount(split));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(groups[i], TextOf(split, i));
        EXPECT_NE(nullptr, ::GetSubMenu(split, i)) << groups[i];
    }
    // The four-way group: 2x2 and 1x4 first, two more that the split menu removes.
    HMENU four = ::GetSubMenu(split, 3);
    ASSERT_EQ(4, ::GetMenuItemCount(four));
    EXPECT_EQ(static_cast<UINT>(ID_SPLIT_2X2), ::GetMenuItemID(four, 0));
    EXPECT_EQ(static_cast<UINT>(ID_SPLIT_1X4), ::GetMenuItemID(four, 1));
    const UINT twelve[] = {ID_SPLIT_3X4, ID_SPLIT_4X3, ID_SPLIT_2X6};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(twelve[i], ::GetMenuItemID(::GetSubMenu(split, 6), i));
    // The single-screen group's one template item.
    EXPECT_EQ(1, ::GetMenuItemCount(::GetSubMenu(split, 0)));
    // "btnpop" in its order.
    HMENU buttons = ::GetSubMenu(menu.m_hMenu, WALL_MENU_BTNPOP);
    const UINT order[] = {ID_PRESET_LOAD, ID_PRESET_SAVE_SEND, 0, ID_PRESET_DELETE, 0, ID_PRESET_RENAME};
    ASSERT_EQ(6, ::GetMenuItemCount(buttons));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(order[i], ::GetMenuItemID(buttons, i));
    EXPECT_EQ("加载(&L)", TextOf(buttons, 0));
    EXPECT_EQ("保存并发送预设场景", TextOf(buttons, 1));
    EXPECT_EQ("删除(&D)", TextOf(buttons, 3));
    EXPECT_EQ("重命名", TextOf(buttons, 5));
}
