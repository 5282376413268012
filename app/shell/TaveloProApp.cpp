#include "app/shell/TaveloProApp.h"

#include "app/core/command/DeviceLinkHolder.h"
#include "app/core/command/win/BusyDialog.h"
#include "app/core/profile/ProfileState.h"
#include "app/core/profile/ProfileStore.h"
#include "app/res/ShellRes.h"
#include "app/shell/AnimateCtrl.h"
#include "app/shell/ColorScheme.h"
#include "app/shell/LoginDlg.h"
#include "app/shell/LoginRules.h"
#include "app/shell/MainFrame.h"
#include "app/shell/ShellControls.h"
#include "app/shell/ShellState.h"
#include "skin/core/LuLibAux.h"
#include "skin/theme/Theme.h"

namespace {

const char REGISTRY_KEY[] = "TAVELO";
const char THEME_SECTION[] = "THEME";
const char COLOR_ENTRY[] = "COLOR";
const int MRU_FILES = 4;

}  // namespace

BEGIN_MESSAGE_MAP(CTaveloProApp, CLuWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

CTaveloProApp::CTaveloProApp() : m_nColorScheme(SCHEME_NONE)
{
}

CTaveloProApp::~CTaveloProApp()
{
    m_pWallScope.reset();
    if (m_bSkinStarted)
        LuLibAux::UninitLuLib(m_hInstance, &RegisterShellControls);
}

BOOL CTaveloProApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();
    LoadStdProfileSettings(MRU_FILES);
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);

    LuLibAux::InitLuLib(m_hInstance, &RegisterShellControls);
    m_bSkinStarted = true;
    // Without them the wall model's edits (a window added by 添加窗口 or a split, a window
    // closed, a merged cell taken apart) change nothing and reach no device, silently.
    m_pWallScope.reset(new ScopedWallServices(&m_wallServices));
    // The progress window animates through the program's own animation control.
    CBusyDialog::SetAnimationStarter(&StartBusyAnimation);

    SetRegistryKey(REGISTRY_KEY);
    SetColorScheme(static_cast<int>(GetProfileInt(THEME_SECTION, COLOR_ENTRY, SCHEME_DEFAULT)));

    if (!loadDeviceLink()) {
        AfxMessageBox("加载通讯库失败!");
        return FALSE;
    }
    ProfileStore store;
    readStartupProfiles(store);

    if (!LogIn())
        return FALSE;

    if (!CreateFrame(IDR_MAINFRAME, RUNTIME_CLASS(CMainFrame), nullptr)) {
        AfxMessageBox("创建主窗口失败");
        return FALSE;
    }
    m_pMainWnd->ShowWindow(SW_SHOWNORMAL);
    m_pMainWnd->SetActiveWindow();
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

BOOL CTaveloProApp::LogIn()
{
    // The administrator's name and password on the command line skip the dialog but not the
    // device: the link opens the same way, and the role is the administrator's.
    if (IsAdministratorCommandLine(GetCommandLineArgs()) && OpenDeviceWithFallback()) {
        g_nRole = ROLE_ADMINISTRATOR;
        return TRUE;
    }
    CLoginDlg login;
    return login.DoModal() == IDOK;
}

int CTaveloProApp::ExitInstance()
{
    m_pWallScope.reset();
    unloadDeviceLink();
    return CLuWinApp::ExitInstance();
}

void CTaveloProApp::SetColorScheme(int nScheme)
{
    if (nScheme == m_nColorScheme)
        return;
    m_nColorScheme = nScheme;
    if (CLuTheme* pTheme = CLuThemeManager::Instance()->GetTheme())
        ApplySchemeColors(*pTheme, nScheme);
    WriteProfileInt(THEME_SECTION, COLOR_ENTRY, nScheme);
    if (CWnd* pMain = m_pMainWnd; pMain != nullptr && pMain->GetSafeHwnd() != nullptr) {
        pMain->Invalidate();
        pMain->SendMessage(WM_NCPAINT, 1, 0);
    }
}

void CTaveloProApp::OnAppAbout()
{
    // A new login changes the operator; closing the dialog keeps role and link as they were.
    CLoginDlg login(m_pMainWnd);
    if (login.DoModal() != IDOK)
        return;
    // The preset buttons' menu follows the new operator's role.
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(m_pMainWnd))
        pFrame->OnOperatorChanged();
}
