#include "app/shell/Workspace.h"

#include "app/core/command/CommandRunner.h"
#include "app/core/command/CommandState.h"
#include "app/core/command/DeviceCommands.h"
#include "app/core/matrix/MatrixDlg.h"
#include "app/core/profile/ProfileState.h"
#include "app/res/ShellRes.h"
#include "app/shell/CommSettingsDlg.h"
#include "app/shell/MainFrame.h"
#include "app/shell/SettingsDialogs.h"
#include "app/shell/ShellState.h"
#include "app/shell/SplitMenu.h"
#include "app/shell/WallViewPage.h"
#include "fx/win/Menu.h"
#include "fx/win/WinApp.h"
#include "skin/menu/Menu.h"

namespace {

const char PAGE_TITLE[] = "视图拼接";
const char OFFLINE_REFUSAL[] = "当前为脱机状态,请联机!";
const char ROLE_REFUSAL[] = "只有管理员身份才能对此进行操作！";
const char SAVED[] = "保存成功!";
const UINT BOOK_ID = 0xE901;
const UINT SPLIT_RANGE_FIRST = 32830;
const UINT SPLIT_RANGE_LAST = 32847;

// Tab images by tab: 32 x 32 strips.
const UINT TAB_BITMAPS[] = {IDB_RIBBON_SCENE, IDB_RIBBON_CONTROL, IDB_RIBBON_ABOUT};

}  // namespace

BEGIN_MESSAGE_MAP(CWorkspace, CRibbonWorkspace)
    ON_COMMAND(ID_SCENE_NEW, NewScene)
    ON_COMMAND(ID_SCENE_SAVE, SaveScene)
    ON_COMMAND(ID_SCENE_LOAD, LoadScene)
    ON_COMMAND(ID_POWER_ON, PowerOn)
    ON_COMMAND(ID_POWER_OFF, PowerOff)
    ON_COMMAND(ID_SYSTEM_SETTINGS, SystemSettings)
    ON_COMMAND(ID_COMM_SETTINGS, CommSettings)
    ON_COMMAND(ID_FACTORY_SETTINGS, FactorySettings)
    ON_COMMAND(ID_MATRIX_SWITCH, MatrixSwitch)
    ON_COMMAND(ID_APP_EXIT, CloseFrame)
    ON_COMMAND_RANGE(SPLIT_FULL_FIRST, SPLIT_FULL_LAST, OnSplitCommand)
    ON_COMMAND_RANGE(SPLIT_RANGE_FIRST, SPLIT_RANGE_LAST, OnSplitCommand)
END_MESSAGE_MAP()

CWorkspace::CWorkspace(CMainFrame* pFrame) : CRibbonWorkspace(pFrame) {}

CWorkspace::~CWorkspace() = default;

std::unique_ptr<CWallViewPage> CWorkspace::MakeWallViewPage()
{
    const CString& folder = m_pFrame->GetProfileFolder();
    if (folder.IsEmpty())
        return std::unique_ptr<CWallViewPage>(new CWallViewPage);
    return std::unique_ptr<CWallViewPage>(new CWallViewPage(folder));
}

// ---- Building ----

BOOL CWorkspace::Create()
{
    if (!m_wndMenuBar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | WS_BORDER, IDR_MAINFRAME) || !m_pFrame->SetMenu(&m_wndMenuBar))
        return FALSE;
    if (!CreateControlView() || !CreateBook() || !CreatePage() || !BuildRibbon())
        return FALSE;
    // Tab 1 first, then tab 0: the 场景 tab ends selected, with its page laid out afresh.
    m_wndRibbon.SelectTab(1);
    m_wndBook.SetCurSel(0);
    m_wndRibbon.SelectTab(0);
    return CRibbonWorkspace::Create();
}

BOOL CWorkspace::CreateControlView()
{
    CLuClientWnd& client = m_pFrame->GetClientWnd();
    if (!client.CreateBar(BAR_LEFT, BAR_LEFT, CONTROL_BAR_SIZE))
        return FALSE;
    CScrollDialogContext context(&m_wndControlView, CControlView::IDD);
    if (client.CreateBarChild(BAR_LEFT, &context) == nullptr)
        return FALSE;
    m_wndControlView.SetWorkspace(this);
    m_wndControlView.ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CWorkspace::CreateBook()
{
    CLuClientWnd& client = m_pFrame->GetClientWnd();
    if (!m_wndBook.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &client, BOOK_ID))
        return FALSE;
    CWnd* pOld = nullptr;
    return m_pFrame->SetMainChild(&m_wndBook, pOld);
}

BOOL CWorkspace::CreatePage()
{
    m_pPage = MakeWallViewPage();
    if (m_pPage == nullptr)
        return FALSE;
    const int nIndex = m_pPage->CreatePage(m_wndBook, PAGE_TITLE);
    if (nIndex < 0)
        return FALSE;
    const int nPage = nIndex + PAGE_NUMBER_BASE;
    m_pPage->SetPageNumber(nPage);
    m_navigation.AddItem(PAGE_IMAGE, PAGE_TITLE, nPage, FALSE, m_pFrame, m_pPage.get(), TRUE);
    return TRUE;
}

BOOL CWorkspace::SetTabImages(int nTab, CLuToolBar* pToolBar)
{
    pToolBar->SetImageSize(CSize(TAB_IMAGE_SIZE, TAB_IMAGE_SIZE));
    if (nTab < 0 || nTab >= static_cast<int>(sizeof(TAB_BITMAPS) / sizeof(TAB_BITMAPS[0])))
        return TRUE;
    return pToolBar->LoadBitmap(TAB_BITMAPS[nTab]);
}

void CWorkspace::Destroy()
{
    if (m_pActivePage != nullptr) {
        m_pActivePage->OnPageActivate(FALSE);
        m_pActivePage = nullptr;
    }
    if (m_pPage != nullptr)
        m_pPage->OnPageLeave();
    CRibbonWorkspace::Destroy();
    // The workspace's own windows leave the frame's client window while both are whole.
    if (m_pFrame->GetSafeHwnd() == nullptr)
        return;
    CLuClientWnd& client = m_pFrame->GetClientWnd();
    if (client.GetSafeHwnd() == nullptr)
        return;
    client.DestoryBarChild(BAR_LEFT);
    if (client.GetMainChild() == &m_wndBook) {
        CWnd* pOld = nullptr;
        client.SetMainChild(static_cast<CWnd*>(nullptr), pOld);
    }
    m_wndBook.DestoryAllPages();
    if (m_wndBook.GetSafeHwnd() != nullptr)
        m_wndBook.DestroyWindow();
}

// ---- Commands ----

void CWorkspace::Tell(LPCSTR lpszText)
{
    AfxMessageBox(lpszText);
}

void CWorkspace::NewScene()
{
    if (m_pPage != nullptr)
        m_pPage->NewScene();
}

void CWorkspace::SaveScene()
{
    // The confirmation follows a real save only, not a cancelled dialog or a failed write.
    if (m_pPage != nullptr && m_pPage->SaveSceneAs())
        Tell(SAVED);
}

void CWorkspace::LoadScene()
{
    if (m_pPage != nullptr)
        m_pPage->LoadSceneAs();
}

namespace {

// A device-wide command behind the progress window; its message when it fails.
void RunWithProgressTelling(LPCSTR lpszTitle, CString* pMessage)
{
    std::unique_ptr<DeviceCommand> command = CreateCommand(lpszTitle);
    if (command != nullptr && runWithProgress(*command) != RUN_OK)
        *pMessage = command->Message();
}

}  // namespace

void CWorkspace::PowerOn()
{
    CString message;
    RunWithProgressTelling("开机", &message);
    if (!message.IsEmpty())
        Tell(message);
}

void CWorkspace::PowerOff()
{
    CString message;
    RunWithProgressTelling("关机", &message);
    if (!message.IsEmpty())
        Tell(message);
}

void CWorkspace::SystemSettings()
{
    if (g_nOnline == 0) {
        Tell(OFFLINE_REFUSAL);
        return;
    }
    OpenSystemSettings();
}

void CWorkspace::FactorySettings()
{
    if (g_nRole != ROLE_ADMINISTRATOR) {
        Tell(ROLE_REFUSAL);
        return;
    }
    OpenFactorySettings();
}

void CWorkspace::OpenSystemSettings()
{
    RunSystemSettingsDialog(m_pFrame);
}

void CWorkspace::OpenFactorySettings()
{
    RunFactorySettingsDialog(m_pFrame);
}

void CWorkspace::CommSettings()
{
    CCommSettingsDlg dialog(m_pFrame);
    dialog.DoModal();
}

void CWorkspace::MatrixSwitch()
{
    openMatrixDialog(m_pFrame);
}

void CWorkspace::CloseFrame()
{
    // Posted: the frame may end (and this workspace with it) once the question is answered.
    m_pFrame->PostMessage(WM_CLOSE);
}

void CWorkspace::Exit()
{
    // The button's handler must return before its window goes, so the question is asked from
    // the frame's close, which asks exactly the exit question.
    m_pFrame->PostMessage(WM_CLOSE);
}

void CWorkspace::AddWindow()
{
    if (m_pPage != nullptr)
        m_pPage->SendViewCommand(ID_WALL_ADD_WINDOW);
}

void CWorkspace::DeleteWindow()
{
    if (m_pPage != nullptr)
        m_pPage->SendViewCommand(ID_WALL_DELETE_WINDOW);
}

void CWorkspace::ToggleOnline(bool bOnlineChecked)
{
    if ((bOnlineChecked ? 1 : 0) == g_nOnline)
        return;
    g_nOnline = g_nOnline ? 0 : 1;
    std::unique_ptr<DeviceCommand> command = CreateCommand(bOnlineChecked ? "打开设备" : "关闭设备");
    if (runDirect(*command) == RUN_OK)
        return;
    Tell(command->Message());
    if (bOnlineChecked) {
        // A link that did not open leaves the program offline, as the radio buttons then say.
        g_nOnline = 0;
        if (m_wndControlView.GetSafeHwnd() != nullptr)
            m_wndControlView.CheckRadioButton(IDC_CV_ONLINE, IDC_CV_OFFLINE, IDC_CV_OFFLINE);
    }
}

// ---- The split menu ----

void CWorkspace::ShowSplitMenu()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == nullptr)
        return;
    CMenu menu;
    if (!menu.LoadMenu(WALL_MENU))
        return;
    HMENU hMpd = ::GetSubMenu(menu.GetSafeHmenu(), WALL_MENU_MPD);
    if (!BuildSplitMenu(hMpd, configuredSystem().mpdCount - 1))
        return;
    RECT rc;
    ::GetWindowRect(hFocus, &rc);
    TrackSplitMenu(hMpd, CPoint(rc.right, rc.bottom));
}

void CWorkspace::TrackSplitMenu(HMENU hPopup, CPoint ptScreen)
{
    CLuMenu popup;
    popup.AttachMenu(hPopup);
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, m_pFrame);
    popup.DetachMenu();
}

void CWorkspace::OnSplitCommand(UINT nID)
{
    RunSplit(nID);
}

void CWorkspace::RunSplit(UINT nID)
{
    SplitLayout layout;
    if (!SplitLayoutFor(nID, &layout) || m_pPage == nullptr)
        return;
    SystemConfig& working = workingSystem();
    MpdSubGrid& grid = mpdSubGrid();
    const SystemConfig savedWorking = working;
    const MpdSubGrid savedGrid = grid;
    working.mpdCount = layout.mpdCount;
    working.wallColumns = 1;
    working.wallRows = 1;
    grid.rows = layout.subRows;
    grid.columns = layout.subColumns;
    m_pPage->NewScene();
    working.mpdCount = savedWorking.mpdCount;
    working.wallColumns = savedWorking.wallColumns;
    working.wallRows = savedWorking.wallRows;
    grid = savedGrid;
}
