// The factory settings dialog against the recording device link and a profile folder of its
// own: the board range and sizes shown, the rule of 保存并发送, the panel-size frames for the
// boards in ascending order, the profile written and block 13 sent even after a refusal, the
// scene modes and the hidden power-up blocks.
#include "app/core/profile/ProfileState.h"
#include "app/core/profile/ProfileStore.h"
#include "app/shell/DialogItems.h"
#include "app/shell/dialogs/FactoryDlg.h"
#include "app/shell/dialogs/SettingsDialogs.h"
#include "tests/gui/dialogs/DialogTestSupport.h"

#include <fstream>
#include <sstream>

using namespace dlgtest;

namespace {

const int kGeometry[] = {IDC_FAC_WIDTH, IDC_FAC_HEIGHT, IDC_FAC_LEFT, IDC_FAC_RIGHT, IDC_FAC_TOP, IDC_FAC_BOTTOM};

class FactoryDlgTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        wchar_t cwd[MAX_PATH] = {};
        ::GetCurrentDirectoryW(MAX_PATH, cwd);
        m_dir = CString::FromWide(cwd) + "\\factory_profile";
        ::CreateDirectoryW(m_dir.ToWide().c_str(), nullptr);
        std::ofstream(Ini().GetString(), std::ios::trunc)
            << "[manuset]\r\nmanumode=7\r\nwidth=1200\r\nheight=675\r\nleftedge=3\r\nrightedge=4\r\n"
               "topedge=2\r\nbottomedge=1\r\n";
        m_saved = workingSystem();
        workingSystem().mpdCount = 4;
        workingSystem().wallColumns = 4;
        workingSystem().wallRows = 2;
    }
    void TearDown() override
    {
        if (m_dlg && m_dlg->GetSafeHwnd())
            m_dlg->DestroyWindow();
        workingSystem() = m_saved;
        ::DeleteFileW(Ini().ToWide().c_str());
        ::RemoveDirectoryW(m_dir.ToWide().c_str());
        DialogTest::TearDown();
    }

    CString Ini() const { return m_dir + "\\TzView.ini"; }
    HWND Open()
    {
        m_dlg = std::make_unique<CFactoryDlg>(m_dir, nullptr);
        EXPECT_TRUE(m_dlg->Create(CFactoryDlg::IDD, nullptr));
        ShowAndPaint(m_dlg->GetSafeHwnd());
        return m_dlg->GetSafeHwnd();
    }
    HWND Dlg() const { return m_dlg->GetSafeHwnd(); }
    void Type(int nID, const char* text) { ::SetWindowTextW(Item(Dlg(), nID), CString(text).ToWide().c_str()); }
    bool SendAllowed()
    {
        KickIdle(Dlg());
        return ::IsWindowEnabled(Item(Dlg(), IDC_FAC_SEND)) != FALSE;
    }
    std::string IniText() const
    {
        std::ifstream in(Ini().GetString());
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    CString m_dir;
    SystemConfig m_saved;
    std::unique_ptr<CFactoryDlg> m_dlg;
};

}  // namespace

TEST_F(FactoryDlgTest, OpeningShowsTheDriverBoardsAndTheProfilesSizes)
{
    Open();
    EXPECT_EQ(5, m_dlg->FirstBoard());
    EXPECT_EQ(12, m_dlg->LastBoard());
    EXPECT_EQ(CString("5"), dlgitem::GetText(Dlg(), IDC_FAC_BOARD_FROM));
    EXPECT_EQ(CString("12"), dlgitem::GetText(Dlg(), IDC_FAC_BOARD_TO));
    const char* expected[] = {"1200", "675", "3", "4", "2", "1"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(CString(expected[i]), dlgitem::GetText(Dlg(), kGeometry[i])) << i;
    EXPECT_TRUE(SendAllowed());
    EXPECT_FALSE(::IsWindowVisible(Item(Dlg(), IDC_FAC_DRV_SEND)));
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(FactoryDlgTest, SaveAndSendNeedsSizesUpTo5000AndBoardsOfTheWall)
{
    Open();
    for (int nID : kGeometry) {
        Type(nID, "5001");
        EXPECT_FALSE(SendAllowed()) << nID;
        Type(nID, "4294967297");
        EXPECT_FALSE(SendAllowed()) << nID << " overflow";
        Type(nID, "5000");
        EXPECT_TRUE(SendAllowed()) << nID;
        Type(nID, "");
        EXPECT_TRUE(SendAllowed()) << nID << " empty counts as 0";
    }
    for (int nID : {IDC_FAC_BOARD_FROM, IDC_FAC_BOARD_TO}) {
        for (const char* bad : {"4", "13", "", "4294967301"}) {
            Type(nID, bad);
            EXPECT_FALSE(SendAllowed()) << nID << " " << bad;
        }
        Type(nID, "8");
        EXPECT_TRUE(SendAllowed()) << nID;
    }
}

TEST_F(FactoryDlgTest, BoardsTypedInReverseAreSentAscendingThenProfileAndBlock)
{
    Open();
    Type(IDC_FAC_WIDTH, "1300");
    Type(IDC_FAC_BOTTOM, "260");
    Type(IDC_FAC_BOARD_FROM, "9");
    Type(IDC_FAC_BOARD_TO, "6");
    ASSERT_TRUE(SendAllowed());
    Click(Dlg(), IDC_FAC_SEND);
    std::string expected;
    for (int board = 6; board <= 9; ++board) {
        const std::string b = std::to_string(board);
        expected += "SetPanelSize11(" + b + ",5,20,2,163,0) SetPanelSize12(" + b + ",0,3,0,4,0) SetPanelSize13(" + b +
                    ",0,2,1,4,1) ";
    }
    expected += "PurgeInput() Transfer(13,0) PurgeInput()";
    EXPECT_EQ(expected, link.Joined());
    EXPECT_EQ((std::vector<unsigned char>{0x05, 0x14, 0x02, 0xA3, 0x00, 0x03, 0x00, 0x04, 0x00, 0x02, 0x01, 0x04}),
              link.lastTransfer);
    EXPECT_EQ((std::vector<std::string>{"设置屏幕物理尺寸", "Modify InitCmd_ShieldEdge"}), titles.titles);
    PanelGeometry written;
    ProfileStore(m_dir).readPanel(written);
    EXPECT_EQ(1300, written.width);
    EXPECT_EQ(675, written.height);
    EXPECT_EQ(260, written.bottomEdge);
    EXPECT_EQ(7, written.manualMode) << "the mode is never written";
    EXPECT_TRUE(App().m_messages.empty());
}

TEST_F(FactoryDlgTest, ARefusedPanelSizeIsShownAndTheProfileAndBlockFollowAnyway)
{
    Open();
    Type(IDC_FAC_HEIGHT, "700");
    FailCalls("SetPanelSize11", 3);
    Click(Dlg(), IDC_FAC_SEND);
    ASSERT_EQ(1u, App().m_messages.size());
    EXPECT_EQ("通讯失败;\n错误码:0X0003", App().m_messages[0]);
    EXPECT_EQ("SetPanelSize11(5,4,176,2,188,0) PurgeInput() Transfer(13,0) PurgeInput()", link.Joined())
        << "the first refusal ends the boards; the block still goes";
    PanelGeometry written;
    ProfileStore(m_dir).readPanel(written);
    EXPECT_EQ(700, written.height);
}

TEST_F(FactoryDlgTest, SceneModesAndHiddenPowerUpBlocks)
{
    Open();
    Click(Dlg(), IDC_FAC_MONITOR);
    Click(Dlg(), IDC_FAC_NATURAL);
    EXPECT_EQ("SetBoardMode(0,6,1) SetBoardMode(0,6,0)", link.Joined());
    EXPECT_EQ((std::vector<std::string>{"监控场景", "自然场景"}), titles.titles);

    for (int nID : {IDC_FAC_DRV_RESOLUTION, IDC_FAC_MPD_RESOLUTION, IDC_FAC_SUBTITLE_SOURCE})
        for (const char* item : {"a", "b", "c"})
            dlgitem::AddString(Dlg(), nID, item, 0);
    struct Case {
        int list, button, index;
        const char* title;
        const char* call;
        unsigned char data;
    };
    const Case cases[] = {
        {IDC_FAC_DRV_RESOLUTION, IDC_FAC_DRV_SEND, 2, "DRV", "Transfer(10,0)", 2},
        {IDC_FAC_MPD_RESOLUTION, IDC_FAC_MPD_SEND, 0, "MPD", "Transfer(11,0)", 1},
        {IDC_FAC_MPD_RESOLUTION, IDC_FAC_MPD_SEND, 2, "MPD", "Transfer(11,0)", 7},
        {IDC_FAC_SUBTITLE_SOURCE, IDC_FAC_SUBTITLE_SEND, 1, "Subtitle", "Transfer(12,0)", 1},
    };
    for (const Case& c : cases) {
        link.Clear();
        titles.titles.clear();
        dlgitem::SetCurSel(Dlg(), c.list, c.index);
        Command(Dlg(), c.button);
        EXPECT_EQ(std::string("PurgeInput() ") + c.call + " PurgeInput()", link.Joined()) << c.title;
        EXPECT_EQ(std::vector<std::string>{c.title}, titles.titles);
        ASSERT_FALSE(link.lastTransfer.empty());
        EXPECT_EQ(c.data, link.lastTransfer[0]) << c.title << " " << c.index;
    }
}

TEST_F(FactoryDlgTest, EntryPointRunsTheDialogModally)
{
    WhenDialogUp([](HWND hDlg) {
        ShowAndPaint(hDlg);
        EXPECT_TRUE(SaveScreenshot(hDlg, "dialog_factory.bmp"));
        Click(hDlg, IDOK);
    });
    fxtest::ModalTimeout guard(10000);
    EXPECT_EQ(IDOK, OpenFactorySettings(nullptr));
    EXPECT_TRUE(link.calls.empty());
}
