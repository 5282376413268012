// The parameter dialog against the recording device link: each button's operation, arguments
// and progress title; press and hold (one step at once, then one per period, stopped by the
// click, a release outside, a lost capture, the button no longer drawn pushed, the first
// failure, or the window going away); offline behaviour; closing.
#include "app/core/wall/Cell.h"
#include "app/shell/dialogs/ParamDlg.h"
#include "app/shell/dialogs/PictureDialogs.h"
#include "skin/ctrl/Button.h"
#include "tests/gui/dialogs/DialogTestSupport.h"

#include <chrono>

using namespace dlgtest;

namespace {

class ParamDlgTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        pip.setNumber(3);
        panel.setNumber(2);
    }
    void TearDown() override
    {
        if (m_dlg && m_dlg->GetSafeHwnd())
            m_dlg->DestroyWindow();
        m_dlg.reset();
        DialogTest::TearDown();
    }

    HWND Open(CCell& target)
    {
        m_dlg = std::make_unique<CParamDlg>(nullptr, &target);
        EXPECT_TRUE(m_dlg->Create(CParamDlg::IDD, nullptr));
        ShowAndPaint(m_dlg->GetSafeHwnd());
        return m_dlg->GetSafeHwnd();
    }

    // Presses a button with the pointer over it, as an operator holding it does.
    void Press(HWND hDlg, int nID)
    {
        HWND hButton = Item(hDlg, nID);
        MoveCursorOnto(hButton);
        PumpFor(30);
        ::SendMessageW(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    }

    size_t Calls() const { return link.calls.size(); }

    CPIPCell pip;
    CCell panel;
    std::unique_ptr<CParamDlg> m_dlg;
};

const char* const kEdgeKey = "0,172,254,253,7,";

}  // namespace

TEST_F(ParamDlgTest, StepButtonsSendTheirOperationDirectlyForAPipWindowAndForAPanel)
{
    struct Case {
        int nID;
        const char* forPip;    // window 3
        const char* forPanel;  // panel 2 with 8 MPD boards before it
    };
    const Case cases[] = {
        {IDC_PARAM_BRIGHT_RED_UP, "SetColorBalance(3,0,1,0)", "SetColorBalance(10,0,1,0)"},
        {IDC_PARAM_BRIGHT_RED_DOWN, "SetColorBalance(3,0,0,0)", "SetColorBalance(10,0,0,0)"},
        {IDC_PARAM_BRIGHT_GREEN_UP, "SetColorBalance(3,1,1,0)", "SetColorBalance(10,1,1,0)"},
        {IDC_PARAM_BRIGHT_GREEN_DOWN, "SetColorBalance(3,1,0,0)", "SetColorBalance(10,1,0,0)"},
        {IDC_PARAM_BRIGHT_BLUE_UP, "SetColorBalance(3,2,1,0)", "SetColorBalance(10,2,1,0)"},
        {IDC_PARAM_BRIGHT_BLUE_DOWN, "SetColorBalance(3,2,0,0)", "SetColorBalance(10,2,0,0)"},
        {IDC_PARAM_DARK_RED_UP, "SetColorBalance(3,0,1,1)", "SetColorBalance(10,0,1,1)"},
        {IDC_PARAM_DARK_RED_DOWN, "SetColorBalance(3,0,0,1)", "SetColorBalance(10,0,0,1)"},
        {IDC_PARAM_DARK_GREEN_UP, "SetColorBalance(3,1,1,1)", "SetColorBalance(10,1,1,1)"},
        {IDC_PARAM_DARK_GREEN_DOWN, "SetColorBalance(3,1,0,1)", "SetColorBalance(10,1,0,1)"},
        {IDC_PARAM_DARK_BLUE_UP, "SetColorBalance(3,2,1,1)", "SetColorBalance(10,2,1,1)"},
        {IDC_PARAM_DARK_BLUE_DOWN, "SetColorBalance(3,2,0,1)", "SetColorBalance(10,2,0,1)"},
        {IDC_PARAM_BRIGHTNESS_UP, "SetBrightness(3,1,1)", "SetBrightness(10,0,1)"},
        {IDC_PARAM_BRIGHTNESS_DOWN, "SetBrightness(3,1,0)", "SetBrightness(10,0,0)"},
        {IDC_PARAM_CONTRAST_UP, "SetContrast(3,1,1)", "SetContrast(10,0,1)"},
        {IDC_PARAM_CONTRAST_DOWN, "SetContrast(3,1,0)", "SetContrast(10,0,0)"},
        {IDC_PARAM_SATURATION_UP, "SetSaturation(3,1,1)", "SetSaturation(10,0,1)"},
        {IDC_PARAM_SATURATION_DOWN, "SetSaturation(3,1,0)", "SetSaturation(10,0,0)"},
    };
    for (int pass = 0; pass < 2; ++pass) {
        HWND hDlg = Open(pass == 0 ? static_cast<CCell&>(pip) : panel);
        for (const Case& c : cases) {
            link.Clear();
            Click(hDlg, c.nID);
            EXPECT_EQ(pass == 0 ? c.forPip : c.forPanel, link.Joined()) << c.nID;
            EXPECT_FALSE(m_dlg->IsRepeating()) << c.nID;
        }
        m_dlg->DestroyWindow();
    }
    EXPECT_TRUE(titles.titles.empty()) << "steps never go behind the progress window";
    EXPECT_TRUE(App().m_messages.empty());
}

TEST_F(ParamDlgTest, SingleShotButtonsSendOnceBehindTheProgressWindow)
{
    HWND hDlg = Open(pip);
    struct Case {
        int nID;
        bool hidden;
        const char* title;
        std::string call;
    };
    const Case cases[] = {
        {IDC_PARAM_EDGE_ON, false, "打开边缘屏蔽", std::string("SetEdgeMask(") + kEdgeKey + "1)"},
        {IDC_PARAM_EDGE_OFF, false, "关闭边缘屏蔽", std::string("SetEdgeMask(") + kEdgeKey + "0)"},
        {IDC_PARAM_EDGE_SEND, true, "打开或关闭边缘屏蔽", std::string("SetEdgeMask(") + kEdgeKey + "4)"},
        {IDC_PARAM_AUTO_POSITION, false, "自动定位", "AutoPosition(3)"},
        {IDC_PARAM_BALANCE_RESET, false, "亮平衡复位", "SetColorBalance(3,2,0,2)"},
        {IDC_PARAM_PICTURE_RESET, false, "明暗调节复位", "ResetPicture(3,1)"},
        {IDC_PARAM_MENU_ON, false, "开菜单", "SetMenu(3,1)"},
        {IDC_PARAM_MENU_OFF, false, "关菜单", "SetMenu(3,0)"},
        {IDC_PARAM_BASEMAP_ON, true, "设置底图", "SetStartupImage(4)"},
        {IDC_PARAM_BASEMAP_OFF, true, "设置底图", "SetStartupImage(3)"},
        {IDC_PARAM_SPLASH_ON, true, "设置Splash", "SetStartupImage(1)"},
        {IDC_PARAM_SPLASH_OFF, true, "设置Splash", "SetStartupImage(0)"},
    };
    for (const Case& c : cases) {
        link.Clear();
        titles.titles.clear();
        EXPECT_EQ(c.hidden, !::IsWindowVisible(Item(hDlg, c.nID))) << c.nID;
        if (c.hidden)
            Command(hDlg, c.nID);
        else
            Click(hDlg, c.nID);
        EXPECT_EQ(c.call, link.Joined()) << c.nID;
        EXPECT_EQ(std::vector<std::string>{c.title}, titles.titles) << c.nID;
    }
    // The hidden choice sends the checked state, 4 with neither checked.
    link.Clear();
    ::CheckDlgButton(hDlg, IDC_PARAM_EDGE_RADIO_ON, BST_CHECKED);
    Command(hDlg, IDC_PARAM_EDGE_SEND);
    ::CheckDlgButton(hDlg, IDC_PARAM_EDGE_RADIO_ON, BST_UNCHECKED);
    ::CheckDlgButton(hDlg, IDC_PARAM_EDGE_RADIO_OFF, BST_CHECKED);
    Command(hDlg, IDC_PARAM_EDGE_SEND);
    EXPECT_EQ(std::string("SetEdgeMask(") + kEdgeKey + "1) SetEdgeMask(" + kEdgeKey + "0)", link.Joined());
    EXPECT_TRUE(App().m_messages.empty());
}

TEST_F(ParamDlgTest, AFailedOperationShowsItsMessageAndTheDialogStays)
{
    HWND hDlg = Open(panel);
    FailCalls("AutoPosition", 3);
    Click(hDlg, IDC_PARAM_AUTO_POSITION);
    ASSERT_EQ(1u, App().m_messages.size());
    EXPECT_EQ("通讯失败;\n错误码:0X0003", App().m_messages[0]);
    EXPECT_TRUE(::IsWindowVisible(hDlg));
}

TEST_F(ParamDlgTest, OfflineOnlyTheStepsReachTheDevice)
{
    HWND hDlg = Open(pip);
    g_nOnline = 0;
    Click(hDlg, IDC_PARAM_PICTURE_RESET);
    Click(hDlg, IDC_PARAM_MENU_ON);
    EXPECT_TRUE(link.calls.empty());
    Click(hDlg, IDC_PARAM_CONTRAST_UP);
    EXPECT_EQ("SetContrast(3,1,1)", link.Joined());
}

TEST_F(ParamDlgTest, HoldingRepeatsEveryPeriodUntilReleasedOutside)
{
    HWND hDlg = Open(pip);
    Press(hDlg, IDC_PARAM_BRIGHTNESS_UP);
    EXPECT_EQ(1u, Calls()) << "one step at once";
    EXPECT_TRUE(m_dlg->IsRepeating());
    EXPECT_EQ(UINT(IDC_PARAM_BRIGHTNESS_UP), m_dlg->HeldButton());
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(fxtest::PumpUntil([&] { return Calls() >= 5; }, 10000));
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // Four repetitions cannot come sooner than four periods (less a timer tick's granularity).
    EXPECT_GE(ms, 4 * CParamDlg::REPEAT_PERIOD - 30);
    for (const std::string& call : link.calls)
        EXPECT_EQ("SetBrightness(3,1,1)", call);

    // Released outside the button: no click, and nothing more is sent.
    MoveCursorAway();
    ::SendMessageW(Item(hDlg, IDC_PARAM_BRIGHTNESS_UP), WM_LBUTTONUP, 0, MAKELPARAM(-40, -40));
    const size_t atRelease = Calls();
    EXPECT_FALSE(m_dlg->IsRepeating());
    EXPECT_EQ(0u, m_dlg->HeldButton());
    PumpFor(5 * CParamDlg::REPEAT_PERIOD);
    EXPECT_EQ(atRelease, Calls());
    EXPECT_TRUE(App().m_messages.empty());
}

TEST_F(ParamDlgTest, RepetitionStopsWhenTheButtonIsNoLongerHeld)
{
    HWND hDlg = Open(pip);
    HWND hButton = Item(hDlg, IDC_PARAM_CONTRAST_DOWN);

    // Another window takes the capture (as a message box would).
    Press(hDlg, IDC_PARAM_CONTRAST_DOWN);
    ASSERT_TRUE(m_dlg->IsRepeating());
    ::SetCapture(hDlg);
    ::ReleaseCapture();
    const size_t afterCapture = Calls();
    EXPECT_FALSE(m_dlg->IsRepeating());
    PumpFor(4 * CParamDlg::REPEAT_PERIOD);
    EXPECT_EQ(afterCapture, Calls());

    // The button stops being drawn pushed without telling anyone: the next tick notices.
    link.Clear();
    Press(hDlg, IDC_PARAM_CONTRAST_DOWN);
    ASSERT_TRUE(m_dlg->IsRepeating());
    ::SendMessageW(hButton, BM_SETSTATE, FALSE, 0);
    ASSERT_TRUE(fxtest::PumpUntil([&] { return !m_dlg->IsRepeating(); }, 3000));
    EXPECT_EQ(1u, Calls()) << "the tick that found it released sent nothing";
    ::SendMessageW(hButton, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));

    // The window goes away while the button is held: its timer goes with it.
    link.Clear();
    Press(hDlg, IDC_PARAM_CONTRAST_DOWN);
    ASSERT_TRUE(m_dlg->IsRepeating());
    m_dlg->DestroyWindow();
    EXPECT_FALSE(m_dlg->IsRepeating());
    PumpFor(4 * CParamDlg::REPEAT_PERIOD);
    EXPECT_EQ(1u, Calls());
    EXPECT_TRUE(App().m_messages.empty());
}

TEST_F(ParamDlgTest, AFailingStepIsReportedOnceAndNeverRepeated)
{
    HWND hDlg = Open(pip);
    // The first step fails: one call, one message, no repetition.
    FailCalls("SetBrightness", 3);
    Press(hDlg, IDC_PARAM_BRIGHTNESS_DOWN);
    EXPECT_FALSE(m_dlg->IsRepeating());
    PumpFor(4 * CParamDlg::REPEAT_PERIOD);
    EXPECT_EQ(1u, Calls());
    ASSERT_EQ(1u, App().m_messages.size());
    EXPECT_EQ("通讯失败;\n错误码:0X0003", App().m_messages[0]);
    ::SendMessageW(Item(hDlg, IDC_PARAM_BRIGHTNESS_DOWN), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));

    // The third step fails: the repetition stops there, before its message.
    link.Clear();
    App().m_messages.clear();
    bool repeatingAtMessage = true;
    link.respond = [&](const std::string&, int index) {
        repeatingAtMessage = m_dlg->IsRepeating();
        return index == 2 ? 1 : 0;
    };
    Press(hDlg, IDC_PARAM_BRIGHTNESS_DOWN);
    ASSERT_TRUE(fxtest::PumpUntil([&] { return !App().m_messages.empty(); }, 5000));
    EXPECT_FALSE(m_dlg->IsRepeating());
    PumpFor(4 * CParamDlg::REPEAT_PERIOD);
    EXPECT_EQ(3u, Calls());
    ASSERT_EQ(1u, App().m_messages.size());
    EXPECT_EQ("未联机;\n错误码:0X0001", App().m_messages[0]);
    EXPECT_TRUE(repeatingAtMessage) << "the failing step itself ran under the repetition";
}

TEST_F(ParamDlgTest, ANonRepeatingButtonHeldRunsNothingUntilItsClick)
{
    HWND hDlg = Open(pip);
    Press(hDlg, IDC_PARAM_MENU_OFF);
    EXPECT_FALSE(m_dlg->IsRepeating());
    PumpFor(3 * CParamDlg::REPEAT_PERIOD);
    EXPECT_TRUE(link.calls.empty());
    ::SendMessageW(Item(hDlg, IDC_PARAM_MENU_OFF), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ("SetMenu(3,0)", link.Joined());
}

TEST_F(ParamDlgTest, CloseButtonEndsTheModalDialog)
{
    WhenDialogUp([](HWND hDlg) { Click(hDlg, IDC_PARAM_CLOSE); });
    fxtest::ModalTimeout guard(10000);
    EXPECT_EQ(IDOK, OpenParamDialog(nullptr, pip));
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(ParamDlgTest, Screenshot)
{
    HWND hDlg = Open(pip);
    EXPECT_TRUE(SaveScreenshot(hDlg, "dialog_param.bmp"));
}
