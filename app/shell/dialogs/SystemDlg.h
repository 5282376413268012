// The system settings dialog "系统设置" (template 166): the device's real-time clock, its daily
// power-off and power-on times, recalling one preset scene, and recalling a range of presets in
// turn on a timer (timer 1000). A hidden group demonstrates the HD background (timer 10).
#pragma once

#include "app/res/SettingsRes.h"
#include "app/shell/dialogs/DialogRules.h"
#include "skin/ctrl/Dialog.h"

class CCmdUI;
struct DeviceTime;

class CSystemDlg : public CLuDialog {
public:
    enum {
        IDD = IDD_SYSTEM,
        CYCLE_TIMER = 1000,   // timed preset recall, the chosen interval
        DEMO_TIMER = 10,      // background demonstration, the chosen period
        DEMO_PAUSE = 5000     // ms the background stays on in each round of the demonstration
    };
    // Reads the device's clock and timers again.
    static const UINT WM_READ_STATUS = WM_USER + 0x100;

    explicit CSystemDlg(CWnd* pParent = nullptr);

    BOOL IsCycling() const { return m_nCycling != 0; }
    BOOL IsDemonstrating() const { return m_bDemo; }

    // The radio buttons and pickers of the clock or of a power timer.
    struct TimeGroup;

protected:
    BOOL OnInitDialog() override;
    // 关闭(&C) closes whatever the pickers hold.
    void OnOK() override;
    // The six pickers, read when a time is sent.
    void DoDataExchange(CDataExchange* pDX) override;

    LRESULT OnReadStatus(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    void OnRadioClicked();
    void OnSetClock();
    void OnSetPowerOff();
    void OnSetPowerOn();
    void OnCallPreset();
    void OnCycle();
    void OnUpdateCycle(CCmdUI* pCmdUI);
    void OnDemoOn();
    void OnDemoOff();
    void OnDemoToggle();

private:
    void FillLists();
    void ReadStatus();
    // Shows one record in its group; FALSE when the date picker refused the device's date.
    BOOL ShowRecord(const DeviceTime& time, const TimeGroup& group);
    // The pickers of a group are enabled only while its second radio button is checked.
    void UpdatePickers();
    void SendPowerTimer(bool bPowerOff);
    // Every control but `keep` and 关闭 enabled or disabled.
    void EnableOthers(BOOL bEnable, UINT nKeep);
    void StartCycling(int first, int last, int seconds);
    void StopCycling();
    void RecallDirect(int preset);
    void DemoRound();
    void StopDemo();
    BOOL IsChecked(UINT nID) const;

    SYSTEMTIME m_clockDate = {};
    SYSTEMTIME m_clockTime = {};
    SYSTEMTIME m_offDate = {};
    SYSTEMTIME m_offTime = {};
    SYSTEMTIME m_onDate = {};
    SYSTEMTIME m_onTime = {};
    int m_nCycling = 0;             // 0 idle, 1 recalling presets in turn
    dlgrules::PresetCycle m_cycle;  // first, last and next preset of the cycle
    BOOL m_bDemo = FALSE;

    DECLARE_MESSAGE_MAP()
};
