// The system settings dialog: recalling one preset, recalling a range of presets in turn on a
// timer, and the hidden background demonstration.
#include "app/shell/dialogs/SystemDlg.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/DeviceCommands.h"
#include "app/shell/DialogItems.h"
#include "fx/win/WinApp.h"

#include <memory>

namespace {

const int MS_PER_SECOND = 1000;

// The first preset, the last preset and the interval text of the timed recall.
struct CycleChoice {
    int nFirst;
    int nLast;
    CString strInterval;
};

CycleChoice ReadCycleChoice(HWND hDlg)
{
    return {dlgitem::GetCurSel(hDlg, IDC_SYS_CYCLE_FIRST), dlgitem::GetCurSel(hDlg, IDC_SYS_CYCLE_LAST),
            dlgitem::GetText(hDlg, IDC_SYS_CYCLE_INTERVAL)};
}

// Runs a command behind the progress window; a failure is shown when asked.
void RunTitled(LPCSTR lpszTitle, bool bReport)
{
    std::unique_ptr<DeviceCommand> command = CreateCommand(lpszTitle);
    if (command && runWithProgress(*command) != RUN_OK && bReport)
        AfxMessageBox(command->Message());
}

}  // namespace

void CSystemDlg::OnCallPreset()
{
    const int nPreset = dlgitem::GetCurSel(m_hWnd, IDC_SYS_PRESET);
    if (nPreset < 0) {
        AfxMessageBox("请选择预设场景!");
        return;
    }
    CCallPresetCommand command(nPreset);
    if (runWithProgress(command) != RUN_OK)
        AfxMessageBox(command.Message());
}

// ---- Timed recall ----

void CSystemDlg::OnUpdateCycle(CCmdUI* pCmdUI)
{
    // While cycling the button reads 停止 and stays as it is.
    if (m_nCycling)
        return;
    const CycleChoice choice = ReadCycleChoice(m_hWnd);
    int seconds = 0;
    pCmdUI->Enable(dlgrules::CycleAllowed(choice.nFirst, choice.nLast, choice.strInterval, &seconds) ? TRUE : FALSE);
}

void CSystemDlg::OnCycle()
{
    if (m_nCycling) {
        StopCycling();
        return;
    }
    const CycleChoice choice = ReadCycleChoice(m_hWnd);
    int seconds = 0;
    if (!dlgrules::CycleAllowed(choice.nFirst, choice.nLast, choice.strInterval, &seconds))
        return;
    StartCycling(choice.nFirst, choice.nLast, seconds);
}

void CSystemDlg::StartCycling(int first, int last, int seconds)
{
    m_nCycling = 1;
    EnableOthers(FALSE, IDC_SYS_CYCLE_SEND);
    SetDlgItemText(IDC_SYS_CYCLE_SEND, "停止");
    RecallDirect(m_cycle.Start(first, last));
    SetTimer(CYCLE_TIMER, static_cast<UINT>(seconds) * MS_PER_SECOND);
}

void CSystemDlg::StopCycling()
{
    KillTimer(CYCLE_TIMER);
    m_nCycling = 0;
    EnableOthers(TRUE, IDC_SYS_CYCLE_SEND);
    SetDlgItemText(IDC_SYS_CYCLE_SEND, "发送");
}

void CSystemDlg::RecallDirect(int preset)
{
    // An unattended recall: a refusal is not reported, the next interval tries the next preset.
    CCallPresetCommand command(preset);
    runDirect(command);
}

void CSystemDlg::EnableOthers(BOOL bEnable, UINT nKeep)
{
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        const UINT nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
        if (nID != nKeep && nID != IDOK)
            ::EnableWindow(hChild, bEnable);
    }
    // The pickers come back under their radio buttons' rule.
    if (bEnable)
        UpdatePickers();
}

void CSystemDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == CYCLE_TIMER && m_nCycling) {
        RecallDirect(m_cycle.Next());
        return;
    }
    if (nIDEvent == DEMO_TIMER && m_bDemo) {
        DemoRound();
        return;
    }
    CLuDialog::OnTimer(nIDEvent);
}

// ---- Background demonstration (hidden group) ----

void CSystemDlg::OnDemoOn() { RunTitled("高清底图开", true); }
void CSystemDlg::OnDemoOff() { RunTitled("高清底图关", true); }

void CSystemDlg::OnDemoToggle()
{
    if (m_bDemo) {
        StopDemo();
        return;
    }
    const int nIndex = dlgitem::GetCurSel(m_hWnd, IDC_SYS_DEMO_PERIOD);
    const int seconds = dlgrules::DemoPeriodSeconds(dlgitem::GetItemText(m_hWnd, IDC_SYS_DEMO_PERIOD, nIndex));
    if (seconds <= 0)
        return;
    m_bDemo = TRUE;
    SetDlgItemText(IDC_SYS_DEMO_SEND, "关闭");
    EnableOthers(FALSE, IDC_SYS_DEMO_SEND);
    SetTimer(DEMO_TIMER, static_cast<UINT>(seconds) * MS_PER_SECOND);
    DemoRound();
}

void CSystemDlg::DemoRound()
{
    RunTitled("高清底图开", false);
    // The background stays on for a moment of each round; the dialog waits with it.
    ::Sleep(DEMO_PAUSE);
    RunTitled("高清底图关", false);
}

void CSystemDlg::StopDemo()
{
    SetDlgItemText(IDC_SYS_DEMO_SEND, "发送");
    RunTitled("高清底图关", false);
    KillTimer(DEMO_TIMER);
    m_bDemo = FALSE;
    EnableOthers(TRUE, IDC_SYS_DEMO_SEND);
}
