// The system settings dialog against the recording device link: the device status shown on
// opening (or everything off after a failed read, or a date the picker refuses), the pickers'
// rule, the clock with its year rule, the daily timers on their fixed date, the preset lists and
// recall, and the timed recall with its rule, its order, its interval and its end.
#include "app/shell/DialogItems.h"
#include "app/shell/dialogs/SettingsDialogs.h"
#include "app/shell/dialogs/SystemDlg.h"
#include "tests/gui/dialogs/DialogTestSupport.h"

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <fstream>

using namespace dlgtest;

namespace {

class SystemDlgTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        // Preset 3 has a caption of its own; the others show their numbers.
        std::ofstream(".\\button.ini", std::ios::trunc) << "[quick2_text]\r\npreset_button3=大厅\r\n";
    }
    void TearDown() override
    {
        if (m_dlg && m_dlg->GetSafeHwnd())
            m_dlg->DestroyWindow();
        std::remove(".\\button.ini");
        DialogTest::TearDown();
    }

    HWND Open()
    {
        m_dlg = std::make_unique<CSystemDlg>();
        EXPECT_TRUE(m_dlg->Create(CSystemDlg::IDD, nullptr));
        ShowAndPaint(m_dlg->GetSafeHwnd());
        return m_dlg->GetSafeHwnd();
    }
    HWND Dlg() const { return m_dlg->GetSafeHwnd(); }

    SYSTEMTIME Picker(int nID) const
    {
        SYSTEMTIME t = {};
        ::SendMessageW(Item(Dlg(), nID), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
        return t;
    }
    void SetPicker(int nID, int year, int month, int day, int hour, int minute, int second)
    {
        SYSTEMTIME t = {};
        t.wYear = static_cast<WORD>(year);
        t.wMonth = static_cast<WORD>(month);
        t.wDay = static_cast<WORD>(day);
        t.wHour = static_cast<WORD>(hour);
        t.wMinute = static_cast<WORD>(minute);
        t.wSecond = static_cast<WORD>(second);
        ASSERT_TRUE(::SendMessageW(Item(Dlg(), nID), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t)));
    }
    bool Checked(int nID) const { return ::IsDlgButtonChecked(Dlg(), nID) == BST_CHECKED; }
    bool Enabled(int nID) const { return ::IsWindowEnabled(Item(Dlg(), nID)) != FALSE; }
    void Choose(int nID)
    {
        Click(Dlg(), nID);
        EXPECT_TRUE(Checked(nID)) << nID;
    }
    bool CycleAllowedNow()
    {
        KickIdle(Dlg());
        return Enabled(IDC_SYS_CYCLE_SEND);
    }
    void SetInterval(const char* text)
    {
        ::SetWindowTextW(Item(Dlg(), IDC_SYS_CYCLE_INTERVAL), CString(text).ToWide().c_str());
    }

    std::unique_ptr<CSystemDlg> m_dlg;
};

void ExpectDate(const SYSTEMTIME& t, int year, int month, int day)
{
    EXPECT_EQ(year, t.wYear);
    EXPECT_EQ(month, t.wMonth);
    EXPECT_EQ(day, t.wDay);
}

void ExpectTime(const SYSTEMTIME& t, int hour, int minute, int second)
{
    EXPECT_EQ(hour, t.wHour);
    EXPECT_EQ(minute, t.wMinute);
    EXPECT_EQ(second, t.wSecond);
}

}  // namespace

TEST_F(SystemDlgTest, OpeningShowsTheDeviceClockAndTimers)
{
    // Clock 2012-01-07 03:06:33 set, power-off 08:30 on 2012-06-15 set, power-on off.
    SYSTEMTIME before = {};
    ::GetLocalTime(&before);
    Open();
    SYSTEMTIME after = {};
    ::GetLocalTime(&after);
    EXPECT_EQ("PurgeInput() ReadClock() ReadPowerOffTimer() ReadPowerOnTimer()", link.Joined());
    EXPECT_EQ(std::vector<std::string>{"读取状态信息"}, titles.titles);
    EXPECT_TRUE(App().m_messages.empty());

    EXPECT_TRUE(Checked(IDC_SYS_CLOCK_ON));
    EXPECT_FALSE(Checked(IDC_SYS_CLOCK_OFF));
    ExpectDate(Picker(IDC_SYS_CLOCK_DATE), 2012, 1, 7);
    ExpectTime(Picker(IDC_SYS_CLOCK_TIME), 3, 6, 33);
    EXPECT_TRUE(Enabled(IDC_SYS_CLOCK_DATE));
    EXPECT_TRUE(Enabled(IDC_SYS_CLOCK_TIME));

    EXPECT_TRUE(Checked(IDC_SYS_POWEROFF_ON));
    ExpectDate(Picker(IDC_SYS_POWEROFF_DATE), 2012, 6, 15);
    ExpectTime(Picker(IDC_SYS_POWEROFF_TIME), 8, 30, 0);
    EXPECT_TRUE(Enabled(IDC_SYS_POWEROFF_TIME));
    EXPECT_FALSE(::IsWindowVisible(Item(Dlg(), IDC_SYS_POWEROFF_DATE)));

    // Switched off: the pickers show the operator's local time and are disabled. The test runs
    // east of UTC (CMakeLists.txt), so UTC would show other hours.
    SYSTEMTIME utc = {};
    ::GetSystemTime(&utc);
    EXPECT_NE(utc.wHour, after.wHour) << "the test needs a local time other than UTC";
    EXPECT_TRUE(Checked(IDC_SYS_POWERON_OFF));
    EXPECT_FALSE(Checked(IDC_SYS_POWERON_ON));
    EXPECT_FALSE(Enabled(IDC_SYS_POWERON_DATE));
    EXPECT_FALSE(Enabled(IDC_SYS_POWERON_TIME));
    const SYSTEMTIME shown = Picker(IDC_SYS_POWERON_DATE);
    const bool sameDay = (shown.wYear == before.wYear && shown.wMonth == before.wMonth && shown.wDay == before.wDay) ||
                         (shown.wYear == after.wYear && shown.wMonth == after.wMonth && shown.wDay == after.wDay);
    EXPECT_TRUE(sameDay);
    const SYSTEMTIME shownTime = Picker(IDC_SYS_POWERON_TIME);
    const int minuteShown = shownTime.wHour * 60 + shownTime.wMinute;
    EXPECT_TRUE(minuteShown == before.wHour * 60 + before.wMinute || minuteShown == after.wHour * 60 + after.wMinute);
}

TEST_F(SystemDlgTest, PresetListsShowTheButtonsCaptionsAndTheIntervals)
{
    Open();
    for (int nID : {IDC_SYS_PRESET, IDC_SYS_CYCLE_FIRST, IDC_SYS_CYCLE_LAST}) {
        ASSERT_EQ(20, ::SendDlgItemMessageW(Dlg(), nID, CB_GETCOUNT, 0, 0)) << nID;
        for (int n = 0; n < 20; ++n) {
            const CString expected = n == 3 ? CString("大厅") : CString(std::to_string(n).c_str());
            EXPECT_EQ(expected, dlgitem::GetItemText(Dlg(), nID, n)) << nID << " " << n;
        }
    }
    EXPECT_EQ(-1, dlgitem::GetCurSel(Dlg(), IDC_SYS_PRESET));
    EXPECT_EQ(0, dlgitem::GetCurSel(Dlg(), IDC_SYS_CYCLE_FIRST));
    EXPECT_EQ(19, dlgitem::GetCurSel(Dlg(), IDC_SYS_CYCLE_LAST));
    ASSERT_EQ(10, ::SendDlgItemMessageW(Dlg(), IDC_SYS_CYCLE_INTERVAL, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(CString(std::to_string(6 + 2 * i).c_str()), dlgitem::GetItemText(Dlg(), IDC_SYS_CYCLE_INTERVAL, i));
    EXPECT_EQ(CString("6"), dlgitem::GetText(Dlg(), IDC_SYS_CYCLE_INTERVAL));
    EXPECT_EQ(0, dlgitem::GetCurSel(Dlg(), IDC_SYS_DEMO_PERIOD));
    EXPECT_FALSE(::IsWindowVisible(Item(Dlg(), IDC_SYS_DEMO_SEND)));
    EXPECT_TRUE(CycleAllowedNow());
}

TEST_F(SystemDlgTest, AFailedStatusReadIsShownAndSwitchesEveryGroupOff)
{
    FailCalls("ReadPowerOffTimer", 3);
    Open();
    ASSERT_EQ(1u, App().m_messages.size());
    EXPECT_EQ("通讯失败;\n错误码:0X0003", App().m_messages[0]);
    for (int nID : {IDC_SYS_CLOCK_OFF, IDC_SYS_POWEROFF_OFF, IDC_SYS_POWERON_OFF})
        EXPECT_TRUE(Checked(nID)) << nID;
    for (int nID : {IDC_SYS_CLOCK_TIME, IDC_SYS_POWEROFF_TIME, IDC_SYS_POWERON_TIME})
        EXPECT_FALSE(Enabled(nID)) << nID;
}

TEST_F(SystemDlgTest, ADeviceDateThePickerRefusesIsReported)
{
    link.clock[5] = 13;  // month 13
    Open();
    ASSERT_EQ(1u, App().m_messages.size());
    EXPECT_EQ("读取状态错误", App().m_messages[0]);
}

TEST_F(SystemDlgTest, ReadStatusMessageReadsTheDeviceAgain)
{
    Open();
    link.Clear();
    link.clock[0] = 0;
    ::SendMessageW(Dlg(), CSystemDlg::WM_READ_STATUS, 0, 0);
    EXPECT_EQ("PurgeInput() ReadClock() ReadPowerOffTimer() ReadPowerOnTimer()", link.Joined());
    EXPECT_TRUE(Checked(IDC_SYS_CLOCK_OFF));
    EXPECT_FALSE(Enabled(IDC_SYS_CLOCK_DATE));
}

TEST_F(SystemDlgTest, RadioButtonsSwitchTheirGroupsPickers)
{
    Open();
    Choose(IDC_SYS_CLOCK_OFF);
    EXPECT_FALSE(Checked(IDC_SYS_CLOCK_ON));
    EXPECT_FALSE(Enabled(IDC_SYS_CLOCK_DATE));
    EXPECT_FALSE(Enabled(IDC_SYS_CLOCK_TIME));
    EXPECT_TRUE(Enabled(IDC_SYS_POWEROFF_TIME)) << "other groups keep theirs";
    Choose(IDC_SYS_POWERON_ON);
    EXPECT_TRUE(Enabled(IDC_SYS_POWERON_TIME));
    EXPECT_TRUE(Enabled(IDC_SYS_POWERON_DATE));
    Choose(IDC_SYS_CLOCK_ON);
    EXPECT_TRUE(Enabled(IDC_SYS_CLOCK_DATE));
}

TEST_F(SystemDlgTest, ClockIsSentFromThePickersWithinItsYears)
{
    Open();
    link.Clear();
    SetPicker(IDC_SYS_CLOCK_DATE, 2019, 5, 4, 0, 0, 0);
    SetPicker(IDC_SYS_CLOCK_TIME, 2019, 5, 4, 10, 20, 30);
    Click(Dlg(), IDC_SYS_CLOCK_SEND);
    EXPECT_EQ("SetClock(1,30,20,10,4,5,19)", link.Joined());
    EXPECT_EQ("设置时钟", titles.titles.back());

    for (int year : {1999, 2100}) {
        link.Clear();
        App().m_messages.clear();
        SetPicker(IDC_SYS_CLOCK_DATE, year, 5, 4, 0, 0, 0);
        Click(Dlg(), IDC_SYS_CLOCK_SEND);
        EXPECT_TRUE(link.calls.empty()) << year;
        ASSERT_EQ(1u, App().m_messages.size()) << year;
        EXPECT_EQ("时间输入不合法(2000~2099年)!", App().m_messages[0]);
    }
    SetPicker(IDC_SYS_CLOCK_DATE, 2099, 12, 31, 0, 0, 0);
    link.Clear();
    Click(Dlg(), IDC_SYS_CLOCK_SEND);
    EXPECT_EQ("SetClock(1,30,20,10,31,12,99)", link.Joined());

    // Switched off, the year does not matter and six zeros go.
    SetPicker(IDC_SYS_CLOCK_DATE, 1999, 5, 4, 0, 0, 0);
    Choose(IDC_SYS_CLOCK_OFF);
    link.Clear();
    App().m_messages.clear();
    Click(Dlg(), IDC_SYS_CLOCK_SEND);
    EXPECT_EQ("SetClock(0,0,0,0,0,0,0)", link.Joined());
    EXPECT_TRUE(App().m_messages.empty());
}

TEST_F(SystemDlgTest, DailyTimersGoOnTheFixedDateWithThePickersTime)
{
    Open();
    link.Clear();
    SetPicker(IDC_SYS_POWEROFF_TIME, 2030, 7, 9, 22, 15, 40);
    Click(Dlg(), IDC_SYS_POWEROFF_SEND);
    EXPECT_EQ("SetPowerOffTimer(1,15,22,1,1,9)", link.Joined());
    EXPECT_EQ("设置定时关机", titles.titles.back());

    link.Clear();
    Click(Dlg(), IDC_SYS_POWERON_SEND);
    EXPECT_EQ("SetPowerOnTimer(0,0,0,0,0,0)", link.Joined()) << "switched off";
    EXPECT_EQ("设置定时开机", titles.titles.back());
    Choose(IDC_SYS_POWERON_ON);
    SetPicker(IDC_SYS_POWERON_TIME, 2012, 1, 1, 6, 5, 0);
    link.Clear();
    Click(Dlg(), IDC_SYS_POWERON_SEND);
    EXPECT_EQ("SetPowerOnTimer(1,5,6,1,1,9)", link.Joined());

    // The hidden date picker's year is checked as the clock's is.
    SetPicker(IDC_SYS_POWEROFF_DATE, 1990, 1, 1, 0, 0, 0);
    link.Clear();
    Click(Dlg(), IDC_SYS_POWEROFF_SEND);
    EXPECT_TRUE(link.calls.empty());
    ASSERT_EQ(1u, App().m_messages.size());
    EXPECT_EQ("时间输入不合法(2000~2099年)!", App().m_messages[0]);
}

TEST_F(SystemDlgTest, PresetRecallNeedsAChoice)
{
    Open();
    link.Clear();
    Click(Dlg(), IDC_SYS_PRESET_SEND);
    EXPECT_TRUE(link.calls.empty());
    ASSERT_EQ(1u, App().m_messages.size());
    EXPECT_EQ("请选择预设场景!", App().m_messages[0]);
    dlgitem::SetCurSel(Dlg(), IDC_SYS_PRESET, 5);
    Click(Dlg(), IDC_SYS_PRESET_SEND);
    EXPECT_EQ("CallPreset(5)", link.Joined());
    EXPECT_EQ("设置预设场景", titles.titles.back());
    FailCalls("CallPreset", 1);
    Click(Dlg(), IDC_SYS_PRESET_SEND);
    ASSERT_EQ(2u, App().m_messages.size());
    EXPECT_EQ("未联机;\n错误码:0X0001", App().m_messages[1]);
}

TEST_F(SystemDlgTest, TimedRecallNeedsAnOrderedRangeAndAnInterval)
{
    Open();
    dlgitem::SetCurSel(Dlg(), IDC_SYS_CYCLE_FIRST, 4);
    dlgitem::SetCurSel(Dlg(), IDC_SYS_CYCLE_LAST, 4);
    EXPECT_FALSE(CycleAllowedNow()) << "same first and last";
    dlgitem::SetCurSel(Dlg(), IDC_SYS_CYCLE_LAST, 3);
    EXPECT_FALSE(CycleAllowedNow()) << "first after last";
    dlgitem::SetCurSel(Dlg(), IDC_SYS_CYCLE_LAST, 5);
    EXPECT_TRUE(CycleAllowedNow());
    for (const char* bad : {"0", "259200", "", "4294967302"}) {
        SetInterval(bad);
        EXPECT_FALSE(CycleAllowedNow()) << bad;
    }
    SetInterval("259199");
    EXPECT_TRUE(CycleAllowedNow());
}

TEST_F(SystemDlgTest, TimedRecallCyclesAtTheIntervalUntilStopped)
{
    Open();
    link.Clear();
    titles.titles.clear();
    dlgitem::SetCurSel(Dlg(), IDC_SYS_CYCLE_FIRST, 3);
    dlgitem::SetCurSel(Dlg(), IDC_SYS_CYCLE_LAST, 5);
    SetInterval("1");
    ASSERT_TRUE(CycleAllowedNow());
    Click(Dlg(), IDC_SYS_CYCLE_SEND);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(m_dlg->IsCycling());
    EXPECT_EQ("CallPreset(3)", link.Joined()) << "the first at once";
    EXPECT_TRUE(titles.titles.empty()) << "run directly, without the progress window";
    EXPECT_EQ(CString("停止"), dlgitem::GetText(Dlg(), IDC_SYS_CYCLE_SEND));
    for (int nID : {IDC_SYS_CLOCK_SEND, IDC_SYS_CLOCK_ON, IDC_SYS_POWEROFF_TIME, IDC_SYS_PRESET, IDC_SYS_PRESET_SEND,
                    IDC_SYS_CYCLE_FIRST, IDC_SYS_CYCLE_INTERVAL})
        EXPECT_FALSE(Enabled(nID)) << nID;
    EXPECT_TRUE(Enabled(IDOK));
    SetInterval("0");
    EXPECT_TRUE(CycleAllowedNow()) << "while cycling the rule leaves 停止 alone";

    // The next preset comes one interval later.
    ASSERT_TRUE(fxtest::PumpUntil([&] { return link.calls.size() >= 2; }, 5000));
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(ms, 1000 - 30);
    // Then one per tick, around the range.
    for (int i = 0; i < 4; ++i)
        ::SendMessageW(Dlg(), WM_TIMER, CSystemDlg::CYCLE_TIMER, 0);
    EXPECT_EQ("CallPreset(3) CallPreset(4) CallPreset(5) CallPreset(3) CallPreset(4) CallPreset(5)", link.Joined());
    // A refused recall is not reported; the cycle goes on.
    FailCalls("CallPreset", 3);
    ::SendMessageW(Dlg(), WM_TIMER, CSystemDlg::CYCLE_TIMER, 0);
    EXPECT_EQ("CallPreset(3)", link.calls.back());
    EXPECT_TRUE(App().m_messages.empty());

    Click(Dlg(), IDC_SYS_CYCLE_SEND);
    EXPECT_FALSE(m_dlg->IsCycling());
    EXPECT_EQ(CString("发送"), dlgitem::GetText(Dlg(), IDC_SYS_CYCLE_SEND));
    EXPECT_TRUE(Enabled(IDC_SYS_PRESET_SEND));
    EXPECT_TRUE(Enabled(IDC_SYS_CLOCK_TIME));
    EXPECT_FALSE(Enabled(IDC_SYS_POWERON_TIME)) << "the pickers follow their radio buttons again";
    const size_t stopped = link.calls.size();
    PumpFor(1300);
    EXPECT_EQ(stopped, link.calls.size());
}

TEST_F(SystemDlgTest, ClosingEndsTheTimedRecall)
{
    Open();
    dlgitem::SetCurSel(Dlg(), IDC_SYS_CYCLE_FIRST, 0);
    dlgitem::SetCurSel(Dlg(), IDC_SYS_CYCLE_LAST, 1);
    SetInterval("1");
    Click(Dlg(), IDC_SYS_CYCLE_SEND);
    ASSERT_TRUE(m_dlg->IsCycling());
    link.Clear();
    m_dlg->DestroyWindow();
    EXPECT_FALSE(m_dlg->IsCycling());
    PumpFor(1300);
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(SystemDlgTest, HiddenBackgroundButtonsSwitchTheBoardMode)
{
    Open();
    link.Clear();
    Command(Dlg(), IDC_SYS_DEMO_ON);
    Command(Dlg(), IDC_SYS_DEMO_OFF);
    EXPECT_EQ("SetBoardMode(0,5,1) SetBoardMode(0,5,0)", link.Joined());
    EXPECT_EQ("高清底图开", titles.titles[titles.titles.size() - 2]);
    EXPECT_EQ("高清底图关", titles.titles.back());
}

TEST_F(SystemDlgTest, EntryPointRunsTheDialogModally)
{
    WhenDialogUp([](HWND hDlg) {
        ShowAndPaint(hDlg);
        EXPECT_TRUE(SaveScreenshot(hDlg, "dialog_system.bmp"));
        Click(hDlg, IDOK);
    });
    fxtest::ModalTimeout guard(10000);
    EXPECT_EQ(IDOK, OpenSystemSettings(nullptr));
    EXPECT_EQ("PurgeInput() ReadClock() ReadPowerOffTimer() ReadPowerOnTimer()", link.Joined());
}
