#include "app/shell/LoginDlg.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/DeviceCommands.h"
#include "app/res/ShellRes.h"
#include "app/shell/CommSettingsDlg.h"
#include "app/shell/DialogItems.h"
#include "app/shell/LoginRules.h"
#include "app/shell/ShellState.h"
#include "fx/win/WinApp.h"

bool OpenDeviceWithFallback()
{
    std::unique_ptr<DeviceCommand> command = CreateCommand("打开设备");
    if (runWithProgress(*command) == RUN_OK)
        return true;
    AfxMessageBox(command->Message());
    CCommSettingsDlg settings;
    return settings.DoModal() == IDOK;
}

BEGIN_MESSAGE_MAP(CLoginDlg, CLuDialog)
    ON_BN_CLICKED(IDC_LOGIN_BUTTON, OnLogin)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CLoginDlg::CLoginDlg(CWnd* pParent) : CLuDialog(IDD_LOGIN, pParent)
{
}

BOOL CLoginDlg::OnInitDialog()
{
    CLuDialog::OnInitDialog();
    HWND hDlg = GetSafeHwnd();
    dlgitem::AddString(hDlg, IDC_LOGIN_USER, LOGIN_ADMINISTRATOR, 0);
    const int nUser = dlgitem::AddString(hDlg, IDC_LOGIN_USER, LOGIN_USER, 0);
    dlgitem::SetCurSel(hDlg, IDC_LOGIN_USER, nUser);
    return TRUE;
}

BOOL CLoginDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_SPACE))
        return TRUE;
    return CLuDialog::PreTranslateMessage(pMsg);
}

void CLoginDlg::OnLogin()
{
    HWND hDlg = GetSafeHwnd();
    const CString user = dlgitem::GetItemText(hDlg, IDC_LOGIN_USER, dlgitem::GetCurSel(hDlg, IDC_LOGIN_USER));
    const CString password = dlgitem::GetText(hDlg, IDC_LOGIN_PASSWORD);
    const int nRole = CheckLogin(user, password);
    if (nRole < 0) {
        AfxMessageBox("密码错误，请重试！");
        return;
    }
    // A cancelled fall-back leaves the operator in the login dialog.
    if (!OpenDeviceWithFallback())
        return;
    g_nRole = nRole;
    EndDialog(IDOK);
}

void CLoginDlg::OnOK()
{
    // Enter anywhere in the dialog logs in.
    OnLogin();
}

void CLoginDlg::OnCancel()
{
    // No Cancel: only the caption's close button ends the dialog without a login.
}

void CLoginDlg::OnClose()
{
    EndDialog(IDCANCEL);
}
