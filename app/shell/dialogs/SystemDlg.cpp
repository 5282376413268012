// The system settings dialog: set-up, the device's clock and power timers, the picker rule.
// Preset recall, timed recall and the demonstration are in SystemDlgPresets.cpp.
#include "app/shell/dialogs/SystemDlg.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/DeviceCommands.h"
#include "app/core/profile/ProfileStore.h"
#include "app/shell/DialogItems.h"
#include "fx/win/WinApp.h"

#include <commctrl.h>

// The radio buttons and pickers of one time group: the first radio button switches the function
// off, the second sets it with the date and time of the pickers.
struct CSystemDlg::TimeGroup {
    UINT nOffRadio;
    UINT nOnRadio;
    UINT nDate;
    UINT nTime;
};

BEGIN_MESSAGE_MAP(CSystemDlg, CLuDialog)
    ON_MESSAGE(CSystemDlg::WM_READ_STATUS, OnReadStatus)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_SYS_CLOCK_OFF, OnRadioClicked)
    ON_BN_CLICKED(IDC_SYS_CLOCK_ON, OnRadioClicked)
    ON_BN_CLICKED(IDC_SYS_POWEROFF_OFF, OnRadioClicked)
    ON_BN_CLICKED(IDC_SYS_POWEROFF_ON, OnRadioClicked)
    ON_BN_CLICKED(IDC_SYS_POWERON_OFF, OnRadioClicked)
    ON_BN_CLICKED(IDC_SYS_POWERON_ON, OnRadioClicked)
    ON_BN_CLICKED(IDC_SYS_CLOCK_SEND, OnSetClock)
    ON_BN_CLICKED(IDC_SYS_POWEROFF_SEND, OnSetPowerOff)
    ON_BN_CLICKED(IDC_SYS_POWERON_SEND, OnSetPowerOn)
    ON_BN_CLICKED(IDC_SYS_PRESET_SEND, OnCallPreset)
    ON_BN_CLICKED(IDC_SYS_CYCLE_SEND, OnCycle)
    ON_UPDATE_COMMAND_UI(IDC_SYS_CYCLE_SEND, OnUpdateCycle)
    ON_BN_CLICKED(IDC_SYS_DEMO_ON, OnDemoOn)
    ON_BN_CLICKED(IDC_SYS_DEMO_OFF, OnDemoOff)
    ON_BN_CLICKED(IDC_SYS_DEMO_SEND, OnDemoToggle)
END_MESSAGE_MAP()

namespace {

const CSystemDlg::TimeGroup kGroups[3] = {
    {IDC_SYS_CLOCK_OFF, IDC_SYS_CLOCK_ON, IDC_SYS_CLOCK_DATE, IDC_SYS_CLOCK_TIME},
    {IDC_SYS_POWEROFF_OFF, IDC_SYS_POWEROFF_ON, IDC_SYS_POWEROFF_DATE, IDC_SYS_POWEROFF_TIME},
    {IDC_SYS_POWERON_OFF, IDC_SYS_POWERON_ON, IDC_SYS_POWERON_DATE, IDC_SYS_POWERON_TIME},
};
enum { GROUP_CLOCK, GROUP_POWER_OFF, GROUP_POWER_ON };

const int INTERVAL_FIRST = 6;
const int INTERVAL_LAST = 24;
const int INTERVAL_STEP = 2;
const char* const kDemoPeriods[] = {"30秒", "5分", "10分", "20分", "40分", "80分", "160分"};

BOOL SetPickerTime(HWND hPicker, const SYSTEMTIME& time)
{
    return ::SendMessageW(hPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) != 0;
}

}  // namespace

CSystemDlg::CSystemDlg(CWnd* pParent) : CLuDialog(IDD, pParent) {}

BOOL CSystemDlg::OnInitDialog()
{
    CLuDialog::OnInitDialog();
    FillLists();
    ReadStatus();
    // The panel geometry is read as the dialog always has, though nothing here shows it.
    PanelGeometry panel;
    ProfileStore().readPanel(panel);
    CenterWindow();
    return TRUE;
}

void CSystemDlg::FillLists()
{
    HWND hDlg = m_hWnd;
    for (const char* period : kDemoPeriods)
        dlgitem::AddString(hDlg, IDC_SYS_DEMO_PERIOD, period, 0);
    dlgitem::SetCurSel(hDlg, IDC_SYS_DEMO_PERIOD, 0);
    ProfileStore store;
    for (int n = 0; n < dlgrules::PRESET_COUNT; ++n) {
        // The captions the preset buttons show; a preset without one shows its number.
        CString caption;
        store.readPresetCaption(n, caption);
        for (UINT nID : {UINT(IDC_SYS_PRESET), UINT(IDC_SYS_CYCLE_FIRST), UINT(IDC_SYS_CYCLE_LAST)})
            dlgitem::AddString(hDlg, static_cast<int>(nID), caption, n);
    }
    dlgitem::SetCurSel(hDlg, IDC_SYS_CYCLE_FIRST, 0);
    dlgitem::SetCurSel(hDlg, IDC_SYS_CYCLE_LAST, dlgrules::PRESET_COUNT - 1);
    for (int seconds = INTERVAL_FIRST; seconds <= INTERVAL_LAST; seconds += INTERVAL_STEP) {
        CString text;
        text.Format("%d", seconds);
        dlgitem::AddString(hDlg, IDC_SYS_CYCLE_INTERVAL, text, seconds);
    }
    dlgitem::SetCurSel(hDlg, IDC_SYS_CYCLE_INTERVAL, 0);
}

LRESULT CSystemDlg::OnReadStatus(WPARAM, LPARAM)
{
    ReadStatus();
    return 0;
}

void CSystemDlg::ReadStatus()
{
    CReadStatusCommand command;
    DeviceTime records[3];  // disabled unless the device says otherwise
    if (runWithProgress(command) == RUN_OK) {
        records[GROUP_CLOCK] = command.Clock();
        records[GROUP_POWER_OFF] = command.PowerOff();
        records[GROUP_POWER_ON] = command.PowerOn();
    } else {
        AfxMessageBox(command.Message());
    }
    if (!ShowRecord(records[GROUP_CLOCK], kGroups[GROUP_CLOCK]))
        AfxMessageBox("读取状态错误");
    ShowRecord(records[GROUP_POWER_OFF], kGroups[GROUP_POWER_OFF]);
    ShowRecord(records[GROUP_POWER_ON], kGroups[GROUP_POWER_ON]);
    UpdatePickers();
}

BOOL CSystemDlg::ShowRecord(const DeviceTime& time, const TimeGroup& group)
{
    const bool bEnabled = time.nEnabled == 1;
    SYSTEMTIME shown = {};
    if (bEnabled) {
        shown.wYear = static_cast<WORD>(time.nYear);
        shown.wMonth = static_cast<WORD>(time.nMonth);
        shown.wDay = static_cast<WORD>(time.nDay);
        shown.wHour = static_cast<WORD>(time.nHour);
        shown.wMinute = static_cast<WORD>(time.nMinute);
        shown.wSecond = static_cast<WORD>(time.nSecond);
    } else {
        // The operator's own clock: the device keeps local time.
        ::GetLocalTime(&shown);
    }
    const BOOL bDateTaken = SetPickerTime(::GetDlgItem(m_hWnd, static_cast<int>(group.nDate)), shown);
    SetPickerTime(::GetDlgItem(m_hWnd, static_cast<int>(group.nTime)), shown);
    CheckDlgButton(static_cast<int>(group.nOnRadio), bEnabled ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(static_cast<int>(group.nOffRadio), bEnabled ? BST_UNCHECKED : BST_CHECKED);
    return bDateTaken;
}

BOOL CSystemDlg::IsChecked(UINT nID) const
{
    return IsDlgButtonChecked(static_cast<int>(nID)) == BST_CHECKED;
}

void CSystemDlg::UpdatePickers()
{
    for (const TimeGroup& group : kGroups) {
        const BOOL bOn = IsChecked(group.nOnRadio);
        ::EnableWindow(::GetDlgItem(m_hWnd, static_cast<int>(group.nDate)), bOn);
        ::EnableWindow(::GetDlgItem(m_hWnd, static_cast<int>(group.nTime)), bOn);
    }
}

void CSystemDlg::OnRadioClicked() { UpdatePickers(); }

void CSystemDlg::DoDataExchange(CDataExchange* pDX)
{
    // The pickers are filled by ReadStatus; only their values are taken here.
    if (!pDX->m_bSaveAndValidate)
        return;
    DDX_DateTimeCtrl(pDX, IDC_SYS_CLOCK_DATE, m_clockDate);
    DDX_DateTimeCtrl(pDX, IDC_SYS_CLOCK_TIME, m_clockTime);
    DDX_DateTimeCtrl(pDX, IDC_SYS_POWEROFF_DATE, m_offDate);
    DDX_DateTimeCtrl(pDX, IDC_SYS_POWEROFF_TIME, m_offTime);
    DDX_DateTimeCtrl(pDX, IDC_SYS_POWERON_DATE, m_onDate);
    DDX_DateTimeCtrl(pDX, IDC_SYS_POWERON_TIME, m_onTime);
}

void CSystemDlg::OnOK() { EndDialog(IDOK); }

void CSystemDlg::OnSetClock()
{
    // A picker without a value is reported by the exchange with the same prompt.
    if (!UpdateData(TRUE))
        return;
    const bool bOn = IsChecked(IDC_SYS_CLOCK_ON) != FALSE;
    if (bOn && !dlgrules::ClockYearValid(m_clockDate.wYear)) {
        AfxMessageBox(IDS_DATETIME_INVALID, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    DeviceTime time;
    time.nEnabled = bOn ? 1 : 0;
    if (bOn) {
        time.nYear = m_clockDate.wYear;
        time.nMonth = m_clockDate.wMonth;
        time.nDay = m_clockDate.wDay;
        time.nHour = m_clockTime.wHour;
        time.nMinute = m_clockTime.wMinute;
        time.nSecond = m_clockTime.wSecond;
    }
    CSetClockCommand command(time);
    if (runWithProgress(command) != RUN_OK)
        AfxMessageBox(command.Message());
}

void CSystemDlg::OnSetPowerOff() { SendPowerTimer(true); }
void CSystemDlg::OnSetPowerOn() { SendPowerTimer(false); }

void CSystemDlg::SendPowerTimer(bool bPowerOff)
{
    if (!UpdateData(TRUE))
        return;
    const bool bOn = IsChecked(bPowerOff ? IDC_SYS_POWEROFF_ON : IDC_SYS_POWERON_ON) != FALSE;
    const SYSTEMTIME& date = bPowerOff ? m_offDate : m_onDate;
    const SYSTEMTIME& clock = bPowerOff ? m_offTime : m_onTime;
    if (bOn && !dlgrules::ClockYearValid(date.wYear)) {
        AfxMessageBox(IDS_DATETIME_INVALID, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // A daily time: the device is given a fixed date and the picker's time of day.
    DeviceTime time;
    time.nEnabled = bOn ? 1 : 0;
    time.nYear = dlgrules::TIMER_YEAR;
    time.nMonth = dlgrules::TIMER_MONTH;
    time.nDay = dlgrules::TIMER_DAY;
    time.nHour = clock.wHour;
    time.nMinute = clock.wMinute;
    time.nSecond = clock.wSecond;
    CPowerTimerCommand command(bPowerOff, time);
    if (runWithProgress(command) != RUN_OK)
        AfxMessageBox(command.Message());
}

void CSystemDlg::OnDestroy()
{
    // Closing ends the timed recall and the demonstration with the window.
    KillTimer(CYCLE_TIMER);
    KillTimer(DEMO_TIMER);
    m_nCycling = 0;
    m_bDemo = FALSE;
    CLuDialog::OnDestroy();
}
