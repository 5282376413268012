// The main frame's workspace as real windows in this process: what it builds from menu 128 and
// in which order and state, where commands from the ribbon, the menu and the control view lead,
// the split commands' layouts and the values they put back, the split popup cut for an MPD count,
// the online toggle's failure, page activation, keys, and what is left after the frame is gone.
#include "app/core/command/CommandState.h"
#include "app/core/command/DeviceLinkHolder.h"
#include "app/core/profile/ProfileState.h"
#include "app/res/ShellRes.h"
#include "app/shell/MainFrame.h"
#include "app/shell/ShellControls.h"
#include "app/shell/ShellState.h"
#include "app/shell/SplitMenu.h"
#include "app/shell/WallViewPage.h"
#include "app/core/preset/PresetScenes.h"
#include "app/shell/Workspace.h"
#include "fx/win/Menu.h"
#include "skin/core/LuLibAux.h"
#include "tests/unit/command/RecordingComm.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// What the wall view was asked to do, with the working layout it saw at a new scene.
class CRecordingPage : public CWallViewPage {
public:
    using CWallViewPage::CWallViewPage;
    struct SceneSeen {
        int mpdCount, wallColumns, wallRows, subRows, subColumns;
    };
    void NewScene() override
    {
        const SystemConfig& w = workingSystem();
        scenes.push_back({w.mpdCount, w.wallColumns, w.wallRows, mpdSubGrid().rows, mpdSubGrid().columns});
    }
    BOOL SaveSceneAs() override { ++saves; return saveResult; }
    BOOL LoadSceneAs() override { ++loads; return TRUE; }
    void SendViewCommand(UINT nID) override { viewCommands.push_back(nID); }
    void OnPageActivate(BOOL bActive) override { activations.push_back(bActive); }

    std::vector<SceneSeen> scenes;
    int saves = 0;
    int loads = 0;
    BOOL saveResult = TRUE;
    std::vector<UINT> viewCommands;
    std::vector<BOOL> activations;
};

// The wall view's profiles: a folder of the tests' own, with no recent scene at the start of a
// test, so the page always sets up the blank scene.
const char PROFILE_FOLDER[] = "workspace_profiles";

class CTestWorkspace : public CWorkspace {
public:
    explicit CTestWorkspace(CMainFrame* pFrame) : CWorkspace(pFrame) {}

    CRecordingPage& Page() { return *static_cast<CRecordingPage*>(GetWallViewPage()); }

    std::vector<std::string> told;
    int systemOpened = 0;
    int factoryOpened = 0;
    HMENU hDropDown = nullptr;
    CPoint ptDropDown{-1, -1};

protected:
    std::unique_ptr<CWallViewPage> MakeWallViewPage() override
    {
        return std::unique_ptr<CWallViewPage>(new CRecordingPage(PROFILE_FOLDER));
    }
    void OpenSystemSettings() override { ++systemOpened; }
    void OpenFactorySettings() override { ++factoryOpened; }
    void Tell(LPCSTR lpszText) override { told.push_back(lpszText); }
    void TrackDropDown(HMENU hMenu, CPoint pt) override
    {
        hDropDown = hMenu;
        ptDropDown = pt;
    }
};

class CTestFrame : public CMainFrame {
public:
    CWorkspace* MakeWorkspace() override { return new CTestWorkspace(this); }
    CTestWorkspace& Workspace() { return *static_cast<CTestWorkspace*>(GetWorkspace()); }
};

class WorkspaceWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() { LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), &RegisterShellControls); }

    void SetUp() override
    {
        g_nOnline = 1;
        g_nRole = ROLE_ADMINISTRATOR;
        configuredSystem().mpdCount = 4;
        ::CreateDirectoryA(PROFILE_FOLDER, nullptr);
        ::DeleteFileA((std::string(PROFILE_FOLDER) + "\\TzView.ini").c_str());
        m_pFrame = new CTestFrame;
        m_pFrame->UseProfiles(PROFILE_FOLDER);
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        m_pFrame->ShowWindow(SW_SHOWNORMAL);
        m_pFrame->UpdateWindow();
        PumpPending();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_hFrame()))
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    HWND m_hFrame() const { return m_pFrame->GetSafeHwnd(); }
    CTestWorkspace& Ws() { return m_pFrame->Workspace(); }
    void Command(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0); }
    void ViewButton(int nID)
    {
        CControlView& view = Ws().GetControlView();
        view.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(view, nID)));
    }

    CTestFrame* m_pFrame = nullptr;
};

}  // namespace

TEST_F(WorkspaceWindows, RibbonTabsAreMenu128sItemsWithTheSceneTabSelected)
{
    CRibbonBar& ribbon = Ws().GetRibbon();
    ASSERT_EQ(ribbon.GetTabCount(), 3);
    EXPECT_EQ(ribbon.GetDlgCtrlID(), 1024);
    EXPECT_STREQ(ribbon.GetTabCaption(0), "场景(&F)");
    EXPECT_STREQ(ribbon.GetTabCaption(1), "控制(&T)");
    EXPECT_STREQ(ribbon.GetTabCaption(2), "关于(&H)");
    EXPECT_EQ(ribbon.GetCurSel(), 0);
    EXPECT_TRUE(ribbon.IsWindowVisible());
    for (int i = 0; i < 3; ++i) {
        CLuToolBar* pBar = Ws().GetTabToolBar(i);
        ASSERT_NE(pBar, nullptr);
        EXPECT_EQ(pBar->GetDlgCtrlID(), 59424 + i);
        EXPECT_EQ(pBar->GetParent(), &ribbon);
        EXPECT_EQ(pBar->IsWindowVisible() != FALSE, i == 0) << i;
        EXPECT_EQ(pBar->GetImageSize(), CSize(32, 32));
    }
    // 场景: the three scene commands, a separator, 退出; captions from the prompt strings.
    CLuToolBar& scene = *Ws().GetTabToolBar(0);
    const UINT ids[] = {1004, 1006, 1002, 0, 57665};
    const char* captions[] = {"新建场景", "保存场景", "加载场景", "", "退出"};
    ASSERT_EQ(scene.GetButtonCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(scene.GetItemID(i), ids[i]) << i;
        EXPECT_STREQ(scene.GetButtonText(i), captions[i]) << i;
        EXPECT_EQ((scene.GetButtonStyle(i) & LUTBS_SEPARATOR) != 0, ids[i] == 0) << i;
    }
    EXPECT_STREQ(scene.GetButtonToolTip(0), "按分割方式新建一个场景");
    EXPECT_EQ(scene.GetButton(4)->m_iImage, 3) << "images count the buttons, not the separator";
    EXPECT_EQ(Ws().GetTabToolBar(1)->GetButtonCount(), 10) << "six commands and four separators";
    ASSERT_EQ(Ws().GetTabToolBar(2)->GetButtonCount(), 1);
    EXPECT_EQ(Ws().GetTabToolBar(2)->GetItemID(0), 57664u) << "关于 holds the about button alone";

    // The menu bar and the plain toolbar exist but are hidden.
    EXPECT_EQ(m_pFrame->GetMenuBar(), &Ws().GetMenuBar());
    EXPECT_FALSE(m_pFrame->IsMainMenuBarVisible());
    EXPECT_NE(Ws().GetPlainToolBar().GetSafeHwnd(), nullptr);
    EXPECT_FALSE(Ws().GetPlainToolBar().IsWindowVisible());
}

TEST_F(WorkspaceWindows, ControlViewBookAndPageSitWhereTheFrameHasThem)
{
    CLuClientWnd& client = m_pFrame->GetClientWnd();
    EXPECT_EQ(client.GetBarChild(BAR_LEFT), &Ws().GetControlView());
    EXPECT_EQ(client.GetBarWidth(BAR_LEFT), 220);
    EXPECT_EQ(m_pFrame->GetMainChild(), &Ws().GetBook());
    CControlView& view = Ws().GetControlView();
    EXPECT_TRUE(view.IsWindowVisible());
    for (int nID : {1096, 32875, 32879, 1010, 32877, 1009})
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(view, nID))) << nID;
    for (int nID : {1015, 1016, 1008, 32876, 1007, 32878}) {
        ASSERT_NE(::GetDlgItem(view, nID), nullptr) << nID;
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(view, nID))) << nID;
    }
    CLuBookCtrl& book = Ws().GetBook();
    ASSERT_EQ(book.GetPageCount(), 1);
    EXPECT_EQ(book.GetCurSel(), 0);
    EXPECT_STREQ(book.GetItemData(0).strTitle, "视图拼接");
    CWallViewPage* pPage = Ws().GetWallViewPage();
    EXPECT_EQ(pPage->GetPageNumber(), 10);
    EXPECT_EQ(book[0], pPage->GetPageWnd());
    EXPECT_EQ(pPage->GetClientWnd().GetBarWidth(BAR_BOTTOM), 110);
    ASSERT_EQ(Ws().GetNavigation().GetItemCount(), 1);
    const CNavigation::Item& item = Ws().GetNavigation().GetItem(0);
    EXPECT_STREQ(item.strText, "视图拼接");
    EXPECT_EQ(item.nImage, 3);
    EXPECT_EQ(item.nPage, 10);
    EXPECT_EQ(Ws().GetActivePage(), nullptr) << "no page becomes the active one at start";
}

TEST_F(WorkspaceWindows, CommandsFromMenuRibbonAndControlViewReachTheirActions)
{
    CRecordingPage& page = Ws().Page();
    Command(1004);
    EXPECT_EQ(page.scenes.size(), 1u);
    page.saveResult = FALSE;
    Command(1006);
    EXPECT_TRUE(Ws().told.empty()) << "no confirmation without a save";
    page.saveResult = TRUE;
    ViewButton(1007);  // the control view's 保存场景
    ASSERT_EQ(Ws().told.size(), 1u);
    EXPECT_EQ(Ws().told[0], "保存成功!");
    EXPECT_EQ(page.saves, 2);
    Command(1002);
    ViewButton(32876);
    EXPECT_EQ(page.loads, 2);
    ViewButton(32879);
    ViewButton(1010);
    EXPECT_EQ(page.viewCommands, (std::vector<UINT>{1075, 1085}));

    // A click on a ribbon button: the toolbar tells the ribbon, the ribbon the frame.
    CLuToolBar& scene = *Ws().GetTabToolBar(0);
    Ws().GetRibbon().SendMessage(WM_COMMAND, MAKEWPARAM(1004, 0), reinterpret_cast<LPARAM>(scene.GetSafeHwnd()));
    EXPECT_EQ(page.scenes.size(), 2u);

    // The ribbon's own command ids are taken and do nothing.
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    EXPECT_TRUE(Ws().OnCmdMsg(40960, CN_COMMAND, nullptr, &info));
    EXPECT_TRUE(Ws().OnCmdMsg(41215, CN_COMMAND, nullptr, &info));
    EXPECT_FALSE(Ws().OnCmdMsg(41216, CN_COMMAND, nullptr, &info));
    Command(40961);
    EXPECT_EQ(page.scenes.size(), 2u);
    EXPECT_EQ(Ws().told.size(), 1u);
}

TEST_F(WorkspaceWindows, SettingsKeepTheirOfflineAndRoleRefusals)
{
    Command(1098);
    EXPECT_EQ(Ws().systemOpened, 1);
    g_nOnline = 0;
    Command(1098);
    ViewButton(1008);
    EXPECT_EQ(Ws().systemOpened, 1);
    EXPECT_EQ(Ws().told, (std::vector<std::string>{"当前为脱机状态,请联机!", "当前为脱机状态,请联机!"}));
    g_nOnline = 1;
    Command(32816);
    EXPECT_EQ(Ws().factoryOpened, 1) << "open to the administrator";
    g_nRole = ROLE_USER;
    Command(32816);
    EXPECT_EQ(Ws().factoryOpened, 1);
    ASSERT_EQ(Ws().told.size(), 3u);
    EXPECT_EQ(Ws().told[2], "只有管理员身份才能对此进行操作！");
    g_nOnline = 0;
    Command(32816);
    EXPECT_EQ(Ws().told.size(), 4u) << "offline, a User is still refused for the role";
    g_nOnline = 1;
}

TEST_F(WorkspaceWindows, SplitCommandsSetTheirLayoutAndPutTheFiveValuesBack)
{
    SystemConfig& working = workingSystem();
    working.mpdCount = 7;
    working.wallColumns = 3;
    working.wallRows = 2;
    mpdSubGrid().rows = 5;
    mpdSubGrid().columns = 6;
    const struct { UINT nID; int mpd, rows, columns; } table[] = {
        {32846, 2, 1, 2},  {32847, 3, 2, 2},  {32830, 4, 2, 2},  {32831, 4, 1, 4},  {32835, 6, 2, 3},
        {32836, 6, 3, 2},  {32837, 9, 3, 3},  {32838, 12, 3, 4}, {32839, 12, 4, 3}, {32840, 12, 2, 6},
        {32841, 16, 4, 4}, {32842, 16, 2, 8}, {2048, 1, 1, 1},   {2052, 5, 1, 1},   {2063, 16, 1, 1},
        {2064, 1, 1, 1}};
    CRecordingPage& page = Ws().Page();
    for (const auto& row : table) {
        page.scenes.clear();
        Command(row.nID);
        ASSERT_EQ(page.scenes.size(), 1u) << row.nID;
        const CRecordingPage::SceneSeen& seen = page.scenes[0];
        EXPECT_EQ(seen.mpdCount, row.mpd) << row.nID;
        EXPECT_EQ(seen.wallColumns, 1) << row.nID;
        EXPECT_EQ(seen.wallRows, 1) << row.nID;
        EXPECT_EQ(seen.subRows, row.rows) << row.nID;
        EXPECT_EQ(seen.subColumns, row.columns) << row.nID;
        EXPECT_EQ(working.mpdCount, 7) << row.nID;
        EXPECT_EQ(working.wallColumns, 3) << row.nID;
        EXPECT_EQ(working.wallRows, 2) << row.nID;
        EXPECT_EQ(mpdSubGrid().rows, 5) << row.nID;
        EXPECT_EQ(mpdSubGrid().columns, 6) << row.nID;
    }
    page.scenes.clear();
    for (UINT nID : {2065u, 32832u, 32833u})
        Command(nID);
    EXPECT_TRUE(page.scenes.empty()) << "ids past MPD 17 and the removed items do nothing";
}

TEST_F(WorkspaceWindows, FailingToGoOnlineLeavesTheProgramOffline)
{
    RecordingComm comm;
    comm.respond = [](const std::string& call, int) { return call.rfind("Connect", 0) == 0 ? 2 : 0; };
    CComm* pPrevious = DeviceLinkHolder::Instance().Attach(&comm);
    CControlView& view = Ws().GetControlView();
    EXPECT_EQ(view.IsDlgButtonChecked(1015), static_cast<UINT>(BST_CHECKED)) << "the radios start online";

    // 脱机: the link closes.
    view.CheckRadioButton(1015, 1016, 1016);
    ViewButton(1016);
    EXPECT_EQ(g_nOnline, 0);
    EXPECT_NE(comm.Joined().find("Disconnect"), std::string::npos);
    // 联机 with a link that will not open: its message, the radios back on 脱机, still offline.
    view.CheckRadioButton(1015, 1016, 1015);
    ViewButton(1015);
    EXPECT_NE(comm.Joined().find("Connect"), std::string::npos);
    ASSERT_EQ(Ws().told.size(), 1u);
    EXPECT_NE(Ws().told[0].find("打开串口设备失败"), std::string::npos) << Ws().told[0];
    EXPECT_EQ(view.IsDlgButtonChecked(1016), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(view.IsDlgButtonChecked(1015), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(g_nOnline, 0) << "the flag follows the radios";
    // A click that changes nothing does nothing.
    const size_t calls = comm.calls.size();
    ViewButton(1016);
    EXPECT_EQ(comm.calls.size(), calls);
    DeviceLinkHolder::Instance().Attach(pPrevious);
    g_nOnline = 1;
}

TEST_F(WorkspaceWindows, PageActivationKeysAndTheDropDownGoThroughTheFrame)
{
    CWallViewPage* pPage = Ws().GetWallViewPage();
    m_pFrame->SendMessage(WM_USER + 0x1010, 10, reinterpret_cast<LPARAM>(static_cast<CCmdTarget*>(pPage)));
    EXPECT_EQ(Ws().GetActivePage(), pPage);
    EXPECT_EQ(Ws().Page().activations, (std::vector<BOOL>{TRUE}));
    EXPECT_EQ(Ws().GetBook().GetCurSel(), 0);

    // Left from the first tab selects the last; Alt+T the 控制 tab.
    MSG left = {m_pFrame->GetSafeHwnd(), WM_KEYDOWN, VK_LEFT, 0, 0, {0, 0}};
    EXPECT_TRUE(m_pFrame->PreTranslateMessage(&left));
    EXPECT_EQ(Ws().GetRibbon().GetCurSel(), 2);
    EXPECT_EQ(HIWORD(m_pFrame->SendMessage(WM_MENUCHAR, MAKEWPARAM('t', MF_POPUP), 0)), MNC_CLOSE);
    EXPECT_EQ(Ws().GetRibbon().GetCurSel(), 1);

    // A tab button with a sub-menu drops it down under itself.
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    CMenu sub;
    ASSERT_TRUE(sub.CreatePopupMenu());
    sub.AppendMenu(MF_STRING, 1004, "新建");
    HMENU hSub = sub.Detach();
    popup.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), "更多");
    CLuToolBar& bar = *Ws().GetTabToolBar(2);
    const int nBefore = bar.GetButtonCount();
    ASSERT_TRUE(Ws().FillTab(&popup, &bar));
    ASSERT_EQ(bar.GetButtonCount(), nBefore + 1);
    EXPECT_STREQ(bar.GetButtonText(nBefore), "更多");
    EXPECT_TRUE(bar.GetButton(nBefore)->HasDropPart());
    Ws().GetRibbon().SelectTab(2);
    PumpPending();
    NMTOOLBARA notify = {};
    notify.hdr.hwndFrom = bar.GetSafeHwnd();
    notify.hdr.idFrom = 59426;
    notify.hdr.code = static_cast<UINT>(TBN_DROPDOWN);
    notify.iItem = static_cast<int>(bar.GetItemID(nBefore));
    Ws().GetRibbon().SendMessage(WM_NOTIFY, 59426, reinterpret_cast<LPARAM>(&notify));
    EXPECT_EQ(Ws().hDropDown, hSub);
    CRect rc;
    bar.GetItemRect(nBefore, &rc);
    bar.ClientToScreen(&rc);
    EXPECT_EQ(Ws().ptDropDown, CPoint(rc.left, rc.bottom + 1));
}

TEST_F(WorkspaceWindows, TeardownLeavesNoneOfTheWorkspacesWindows)
{
    std::vector<HWND> windows = {Ws().GetRibbon().GetSafeHwnd(), Ws().GetPlainToolBar().GetSafeHwnd(),
                                 Ws().GetMenuBar().GetSafeHwnd(), Ws().GetControlView().GetSafeHwnd(),
                                 Ws().GetBook().GetSafeHwnd(), Ws().GetWallViewPage()->GetPageWnd()->GetSafeHwnd()};
    for (int i = 0; i < 3; ++i)
        windows.push_back(Ws().GetTabToolBar(i)->GetSafeHwnd());
    for (HWND h : windows)
        ASSERT_TRUE(::IsWindow(h));
    m_pFrame->DestroyWindow();
    PumpPending();
    for (HWND h : windows)
        EXPECT_FALSE(::IsWindow(h));
}

TEST_F(WorkspaceWindows, WallPageHostsTheWallViewAtItsPlaceAndThePresetPanelInBarTwo)
{
    CWallViewPage& page = *Ws().GetWallViewPage();
    CWallPage& wall = page.GetWallPage();
    EXPECT_EQ(page.GetClientWnd().GetMainChild(), &wall);
    CTzCtrl& view = page.GetWallView();
    ASSERT_NE(view.GetSafeHwnd(), nullptr);
    EXPECT_EQ(view.GetParent(), &wall);
    EXPECT_EQ(view.GetDlgCtrlID(), 1000);
    char className[32] = {};
    ::GetClassNameA(view.GetSafeHwnd(), className, sizeof(className));
    EXPECT_STREQ(className, "TzViewCtrl");
    EXPECT_EQ(CWnd::FromHandlePermanent(view.GetSafeHwnd()), &view) << "the page's control object owns the window";
    CRect rc;
    view.GetWindowRect(&rc);
    wall.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(5, 5, 645, 485));
    EXPECT_TRUE(view.IsWindowVisible());
    EXPECT_GT(view.wall().cells().GetCount(), 0) << "the blank scene is set up without a recent scene";

    // The preset panel: dialog 131 in bar 2, its twenty buttons, the operator's role.
    CPresetSceneDlg& panel = page.GetPresetPanel();
    EXPECT_EQ(page.GetClientWnd().GetBarChild(BAR_BOTTOM), &panel);
    EXPECT_EQ(page.GetClientWnd().GetBarWidth(BAR_BOTTOM), 110);
    EXPECT_TRUE(panel.IsWindowVisible());
    for (UINT nID : kPresetButtonIds)
        EXPECT_NE(::GetDlgItem(panel, static_cast<int>(nID)), nullptr) << nID;
    EXPECT_EQ(panel.Presets().role(), ROLE_ADMINISTRATOR);

    // The page's face with the double rounded frame inset 0, 0, 5, 12, painted on a bitmap.
    CRect client;
    wall.GetClientRect(&client);
    ASSERT_GT(client.Height(), 40);
    CClientDC screen(nullptr);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(screen.GetSafeHdc()));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateDIBSection32(client.Width(), client.Height()));
    CScopedSelect select(memory, bitmap);
    wall.PaintPage(memory);
    const int y = client.Height() / 2;
    EXPECT_EQ(memory.GetPixel(0, y), CWallPage::FRAME_COLOR);
    EXPECT_EQ(memory.GetPixel(1, y), CWallPage::INNER_FRAME_COLOR);
    EXPECT_EQ(memory.GetPixel(3, y), CWallPage::FACE_COLOR);
    EXPECT_EQ(memory.GetPixel(client.Width() - 6, y), CWallPage::FRAME_COLOR);
    EXPECT_EQ(memory.GetPixel(client.Width() - 3, y), CWallPage::FACE_COLOR) << "outside the frame";
    EXPECT_EQ(memory.GetPixel(client.Width() / 2, client.Height() - 13), CWallPage::FRAME_COLOR);
    EXPECT_EQ(memory.GetPixel(client.Width() / 2, client.Height() - 6), CWallPage::FACE_COLOR);
}

namespace {

// The "mpd" popup as menu 130 has it: eight groups, the first with its template item, the
// four-way group with four items.
HMENU MakeMpdPopup()
{
    HMENU hMpd = ::CreatePopupMenu();
    const wchar_t* groups[] = {L"单画面全屏", L"双画面分割", L"三画面分割", L"四画面分割",
                               L"六画面分割", L"九画面分割", L"十二画面分割", L"十六画面分割"};
    for (int g = 0; g < 8; ++g) {
        HMENU hGroup = ::CreatePopupMenu();
        if (g == 0)
            ::AppendMenuW(hGroup, MF_STRING, 2048, L"MPD全屏");
        else if (g == 3) {
            ::AppendMenuW(hGroup, MF_STRING, 32830, L"2x2分割");
            ::AppendMenuW(hGroup, MF_STRING, 32831, L"1x4分割");
            ::AppendMenuW(hGroup, MF_STRING, 32832, L"4x1分割");
            ::AppendMenuW(hGroup, MF_STRING, 32833, L"1+3分割");
        } else {
            ::AppendMenuW(hGroup, MF_STRING, 32846 + static_cast<UINT>(g), L"x");
        }
        ::AppendMenuW(hMpd, MF_POPUP, reinterpret_cast<UINT_PTR>(hGroup), groups[g]);
    }
    return hMpd;
}

std::wstring ItemText(HMENU hMenu, int nPos)
{
    wchar_t text[64] = {};
    ::GetMenuStringW(hMenu, static_cast<UINT>(nPos), text, 64, MF_BYPOSITION);
    return text;
}

}  // namespace

TEST(SplitMenu, GroupsFollowTheMpdCountAndTheFullScreenItemsAreNumbered)
{
    const struct { int m; int groups; } cases[] = {{16, 8}, {15, 7}, {12, 7}, {11, 6}, {9, 6}, {8, 5},
                                                    {6, 5}, {5, 4}, {4, 4}, {3, 8}, {0, 8}, {20, 8}};
    for (const auto& c : cases) {
        HMENU hMpd = MakeMpdPopup();
        ASSERT_TRUE(BuildSplitMenu(hMpd, c.m));
        EXPECT_EQ(::GetMenuItemCount(hMpd), c.groups) << "M = " << c.m;
        HMENU hFull = ::GetSubMenu(hMpd, 0);
        const int nFull = c.m > 0 ? c.m : 0;
        ASSERT_EQ(::GetMenuItemCount(hFull), nFull) << "M = " << c.m;
        for (int n = 1; n <= nFull; ++n) {
            EXPECT_EQ(::GetMenuItemID(hFull, n - 1), 2048u + static_cast<UINT>(n - 1));
            EXPECT_EQ(ItemText(hFull, n - 1), L"MPD" + std::to_wstring(n) + L"全屏");
        }
        HMENU hFour = ::GetSubMenu(hMpd, 3);
        ASSERT_EQ(::GetMenuItemCount(hFour), 2);
        EXPECT_EQ(ItemText(hFour, 0), L"2x2分割");
        EXPECT_EQ(ItemText(hFour, 1), L"1x4分割");
        ::DestroyMenu(hMpd);
    }
    EXPECT_FALSE(BuildSplitMenu(nullptr, 3));
    HMENU hShort = ::CreatePopupMenu();
    EXPECT_FALSE(BuildSplitMenu(hShort, 3)) << "not the eight groups";
    ::DestroyMenu(hShort);
}
