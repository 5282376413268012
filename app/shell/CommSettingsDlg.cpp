#include "app/shell/CommSettingsDlg.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/DeviceCommands.h"
#include "app/core/profile/ProfileStore.h"
#include "app/res/ShellRes.h"
#include "app/shell/DialogItems.h"
#include "app/shell/SerialPorts.h"
#include "fx/win/WinApp.h"

#include <cstdlib>

namespace {

const int TIMEOUT_MIN = 10;
const int TIMEOUT_MAX = 60;
const int TIMEOUT_DIGITS = 3;

}  // namespace

const int CCommSettingsDlg::BAUD_RATES[5] = {9600, 19200, 38400, 57600, 115200};

bool CommConfirmAllowed(const CString& strTimeout, bool bPortChosen, bool bBaudChosen)
{
    if (strTimeout.IsEmpty() || !bPortChosen || !bBaudChosen)
        return false;
    const long value = std::strtol(strTimeout, nullptr, 10);
    return value >= TIMEOUT_MIN && value <= TIMEOUT_MAX;
}

BEGIN_MESSAGE_MAP(CCommSettingsDlg, CLuDialog)
    ON_UPDATE_COMMAND_UI(IDOK, OnUpdateConfirm)
    ON_EN_CHANGE(IDC_COMM_TIMEOUT, OnInputChanged)
    ON_CBN_SELCHANGE(IDC_COMM_PORT, OnInputChanged)
    ON_CBN_SELCHANGE(IDC_COMM_BAUD, OnInputChanged)
END_MESSAGE_MAP()

CCommSettingsDlg::CCommSettingsDlg(CWnd* pParent) : CLuDialog(IDD_COMM_SETTINGS, pParent)
{
}

BOOL CCommSettingsDlg::OnInitDialog()
{
    CLuDialog::OnInitDialog();
    HWND hDlg = GetSafeHwnd();
    std::vector<SerialPortEntry> ports;
    enumerateSerialPorts(ports);  // an unreadable register leaves the list empty
    for (const SerialPortEntry& port : ports)
        dlgitem::AddString(hDlg, IDC_COMM_PORT, port.strName, port.nPort);
    for (int rate : BAUD_RATES) {
        CString text;
        text.Format("%d", rate);
        dlgitem::AddString(hDlg, IDC_COMM_BAUD, text, rate);
    }
    ::SendDlgItemMessageW(hDlg, IDC_COMM_TIMEOUT, EM_LIMITTEXT, TIMEOUT_DIGITS, 0);
    CommSettings settings;
    ProfileStore().readComm(settings);
    CString timeout;
    timeout.Format("%d", settings.timeout);
    dlgitem::SetText(hDlg, IDC_COMM_TIMEOUT, timeout);
    dlgitem::SetCurSel(hDlg, IDC_COMM_PORT, dlgitem::FindData(hDlg, IDC_COMM_PORT, settings.commPort));
    dlgitem::SetCurSel(hDlg, IDC_COMM_BAUD, dlgitem::FindData(hDlg, IDC_COMM_BAUD, settings.baudRate));
    UpdateConfirm();
    return TRUE;
}

bool CCommSettingsDlg::CanConfirm() const
{
    HWND hDlg = GetSafeHwnd();
    return CommConfirmAllowed(dlgitem::GetText(hDlg, IDC_COMM_TIMEOUT), dlgitem::GetCurSel(hDlg, IDC_COMM_PORT) >= 0,
                              dlgitem::GetCurSel(hDlg, IDC_COMM_BAUD) >= 0);
}

void CCommSettingsDlg::UpdateConfirm()
{
    ::EnableWindow(::GetDlgItem(GetSafeHwnd(), IDOK), CanConfirm() ? TRUE : FALSE);
}

void CCommSettingsDlg::OnUpdateConfirm(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanConfirm() ? TRUE : FALSE);
}

void CCommSettingsDlg::OnInputChanged()
{
    UpdateConfirm();
}

void CCommSettingsDlg::OnOK()
{
    HWND hDlg = GetSafeHwnd();
    const CString timeout = dlgitem::GetText(hDlg, IDC_COMM_TIMEOUT);
    const int nPort = dlgitem::GetCurSel(hDlg, IDC_COMM_PORT);
    const int nBaud = dlgitem::GetCurSel(hDlg, IDC_COMM_BAUD);
    if (timeout.IsEmpty() || nPort < 0 || nBaud < 0)
        return;
    CommSettings settings;
    settings.timeout = static_cast<int>(std::strtol(timeout, nullptr, 10));
    settings.commPort = static_cast<int>(dlgitem::GetItemData(hDlg, IDC_COMM_PORT, nPort));
    settings.baudRate = static_cast<int>(dlgitem::GetItemData(hDlg, IDC_COMM_BAUD, nBaud));
    ProfileStore().writeComm(settings);
    std::unique_ptr<DeviceCommand> command = CreateCommand("连接设备");
    if (runWithProgress(*command) == RUN_OK) {
        EndDialog(IDOK);
        return;
    }
    // The settings stay written; the operator may correct them and try again.
    AfxMessageBox(command->Message());
}
