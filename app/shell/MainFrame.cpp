#include "app/shell/MainFrame.h"

#include "app/core/command/CommandState.h"
#include "app/core/profile/ProfileState.h"
#include "app/shell/SerialPorts.h"
#include "app/shell/StatusText.h"
#include "app/shell/Workspace.h"
#include "fx/win/WinApp.h"

IMPLEMENT_DYNCREATE(CMainFrame, CLuFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CLuFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_GETMINMAXINFO()
    ON_WM_CLOSE()
    ON_WM_MENUCHAR()
    ON_MESSAGE(WM_USER + 0x1010, OnActivatePage)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_EXT, OnUpdateIndicatorExt)
END_MESSAGE_MAP()

namespace {

const char FRAME_TITLE[] = "高清多画面分割器";
const char EXIT_PROMPT[] = "是否要退出高清多画面分割器?";

}  // namespace

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame()
{
    DestroyWorkspace();
}

CWorkspace* CMainFrame::MakeWorkspace()
{
    return new CWorkspace(this);
}

void CMainFrame::DestroyWorkspace()
{
    if (m_pWorkspace == nullptr)
        return;
    // The pointer goes first, so nothing routes a command into a workspace being torn down.
    CWorkspace* pWorkspace = m_pWorkspace;
    m_pWorkspace = nullptr;
    pWorkspace->Destroy();
    delete pWorkspace;
}

int CMainFrame::OnCreate(LPCREATESTRUCTW lpcs)
{
    SetWindowPos(nullptr, 0, 0, FRAME_WIDTH, FRAME_HEIGHT, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (CLuFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndSlide.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this))
        return -1;
    if (!CreateStatusBar())
        return -1;
    DestroyWorkspace();
    CWorkspace* pWorkspace = MakeWorkspace();
    if (pWorkspace == nullptr)
        return -1;
    if (!pWorkspace->Create()) {
        pWorkspace->Destroy();
        delete pWorkspace;
        return -1;
    }
    m_pWorkspace = pWorkspace;
    CenterWindow();
    SetTimer(STATUS_TIMER, STATUS_PERIOD);
    SetWindowText(FRAME_TITLE);
    UpdateLinkPane();
    return 0;
}

BOOL CMainFrame::CreateStatusBar()
{
    static const UINT indicators[] = {0, ID_INDICATOR_EXT};
    if (!m_wndStatusBar.Create(this, STATUS_BAR_ID) || !m_wndStatusBar.SetIndicators(indicators, 2))
        return FALSE;
    for (int i = PANE_WALL; i <= PANE_LINK; ++i)
        m_wndStatusBar.SetPaneInfo(i, m_wndStatusBar.GetItemID(i), LU_SBPS_STRETCH | LU_SBPS_POPOUT, PANE_WIDTH);
    m_wndStatusBar.SetPaneText(PANE_WALL, FormatWallPane(configuredSystem()));
    return SetStatusBar(&m_wndStatusBar);
}

void CMainFrame::OnDestroy()
{
    KillTimer(STATUS_TIMER);
    // The workspace's windows are children of this frame: they go while it is still whole.
    DestroyWorkspace();
    CLuFrameWnd::OnDestroy();
}

void CMainFrame::UpdateLinkPane()
{
    CommSettings settings;
    m_profiles.readComm(settings);
    std::vector<SerialPortEntry> ports;
    if (!enumerateSerialPorts(ports))
        return;
    m_wndStatusBar.SetPaneText(PANE_LINK, FormatLinkPane(settings, ports, g_nOnline != 0));
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == STATUS_TIMER)
        UpdateLinkPane();
}

void CMainFrame::OnGetMinMaxInfo(MINMAXINFO* pInfo)
{
    CLuFrameWnd::OnGetMinMaxInfo(pInfo);
    pInfo->ptMinTrackSize.x = FRAME_WIDTH;
    pInfo->ptMinTrackSize.y = FRAME_HEIGHT;
}

void CMainFrame::OnClose()
{
    ConfirmExit();
}

void CMainFrame::ConfirmExit()
{
    if (AfxMessageBox(EXIT_PROMPT, MB_YESNO | MB_ICONQUESTION) == IDYES)
        CLuFrameWnd::OnClose();
}

LRESULT CMainFrame::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    // Alt with a tab's letter selects that ribbon tab.
    if (m_pWorkspace != nullptr && m_pWorkspace->TranslateKey(nChar, nFlags))
        return MAKELRESULT(0, MNC_CLOSE);
    return CLuFrameWnd::OnMenuChar(nChar, nFlags, pMenu);
}

LRESULT CMainFrame::OnActivatePage(WPARAM wParam, LPARAM lParam)
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->ActivatePage(static_cast<int>(wParam), reinterpret_cast<CCmdTarget*>(lParam));
    return 0;
}

void CMainFrame::OnUpdateIndicatorExt(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_pWorkspace != nullptr &&
        m_pWorkspace->PreTranslate(pMsg))
        return TRUE;
    return CLuFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pWorkspace != nullptr && m_pWorkspace->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CLuFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
