#include "app/shell/MainFrame.h"

#include "app/core/command/CommandState.h"
#include "app/core/profile/ProfileState.h"
#include "app/shell/SerialPorts.h"
#include "app/shell/StatusText.h"
#include "app/shell/Workspace.h"
#include "fx/win/WinApp.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CShellFrameBase)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_GETMINMAXINFO()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_MESSAGE(WM_USER + 0x1010, OnActivatePage)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_EXT, OnUpdateIndicatorExt)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_WM_NCHITTEST()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

namespace {

const char FRAME_TITLE[] = "高清多画面分割器";
const char EXIT_PROMPT[] = "是否要退出高清多画面分割器?";

caption::Button ButtonFromHit(UINT nHitTest)
{
    switch (nHitTest) {
    case HTCLOSE: return caption::BUTTON_CLOSE;
    case HTMINBUTTON: return caption::BUTTON_MINIMIZE;
    case HTMAXBUTTON: return caption::BUTTON_MAXIMIZE;
    default: return caption::BUTTON_NONE;
    }
}

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
    m_pWorkspace->Destroy();
    delete m_pWorkspace;
    m_pWorkspace = nullptr;
}

int CMainFrame::OnCreate(LPCREATESTRUCTW lpcs)
{
    SetWindowPos(nullptr, 0, 0, FRAME_WIDTH, FRAME_HEIGHT, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (CShellFrameBase::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndSlide.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this))
        return -1;
    if (!CreateStatusBar())
        return -1;
    DestroyWorkspace();
    m_pWorkspace = MakeWorkspace();
    if (m_pWorkspace == nullptr || !m_pWorkspace->Create())
        return -1;
    CenterWindow();
    SetTimer(STATUS_TIMER, STATUS_PERIOD);
    SetWindowText(FRAME_TITLE);
    UpdateLinkPane();
    return 0;
}

BOOL CMainFrame::CreateStatusBar()
{
    static const UINT indicators[] = {0, ID_INDICATOR_EXT};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 2))
        return FALSE;
    m_wndStatusBar.SetPaneText(PANE_WALL, FormatWallPane(configuredSystem()));
    return TRUE;
}

void CMainFrame::OnDestroy()
{
    KillTimer(STATUS_TIMER);
    CShellFrameBase::OnDestroy();
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
    pInfo->ptMinTrackSize.x = FRAME_WIDTH;
    pInfo->ptMinTrackSize.y = FRAME_HEIGHT;
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CShellFrameBase::OnSize(nType, cx, cy);
    m_wndStatusBar.Relayout();
}

void CMainFrame::OnClose()
{
    ConfirmExit();
}

void CMainFrame::ConfirmExit()
{
    if (AfxMessageBox(EXIT_PROMPT, MB_YESNO | MB_ICONQUESTION) == IDYES)
        CShellFrameBase::OnClose();
}

LRESULT CMainFrame::OnActivatePage(WPARAM wParam, LPARAM lParam)
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->ActivatePage(static_cast<int>(wParam), reinterpret_cast<void*>(lParam));
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
    return CShellFrameBase::PreTranslateMessage(pMsg);
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pWorkspace != nullptr && m_pWorkspace->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CShellFrameBase::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMainFrame::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!caption::HasSkinCaption(*this)) {
        Default();
        return;
    }
    (void)bCalcValidRects;
    CRect& rc = *reinterpret_cast<CRect*>(&lpncsp->rgrc[0]);
    rc = caption::ClientFromWindow(rc);
}

void CMainFrame::PaintCaption()
{
    CWindowDC dc(this);
    caption::PaintNonClient(dc, *this, m_hotButton);
}

void CMainFrame::OnNcPaint()
{
    if (!caption::HasSkinCaption(*this)) {
        Default();
        return;
    }
    PaintCaption();
}

BOOL CMainFrame::OnNcActivate(BOOL bActive)
{
    if (!caption::HasSkinCaption(*this))
        return static_cast<BOOL>(Default());
    (void)bActive;
    PaintCaption();
    return TRUE;
}

LRESULT CMainFrame::OnNcHitTest(CPoint point)
{
    if (!caption::HasSkinCaption(*this))
        return Default();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const UINT code = caption::HitTest(rcWindow, GetStyle(), CPoint(point.x - rcWindow.left, point.y - rcWindow.top));
    if (code != HTNOWHERE)
        return code;
    const LRESULT def = Default();
    // The system would answer its own caption and buttons in our band; the band is ours.
    return def == HTCAPTION || def == HTSYSMENU || def == HTMINBUTTON || def == HTMAXBUTTON || def == HTCLOSE
               ? HTCLIENT : def;
}

void CMainFrame::OnNcMouseMove(UINT nHitTest, CPoint)
{
    const caption::Button hot = ButtonFromHit(nHitTest);
    if (hot != m_hotButton) {
        m_hotButton = hot;
        if (caption::HasSkinCaption(*this))
            PaintCaption();
    }
    Default();
}

void CMainFrame::OnNcLButtonDown(UINT nHitTest, CPoint)
{
    const caption::Button button = ButtonFromHit(nHitTest);
    if (button == caption::BUTTON_NONE || !caption::HasSkinCaption(*this)) {
        Default();
        return;
    }
    m_pressedButton = button;
}

void CMainFrame::OnNcLButtonUp(UINT nHitTest, CPoint)
{
    const caption::Button button = ButtonFromHit(nHitTest);
    const caption::Button pressed = m_pressedButton;
    m_pressedButton = caption::BUTTON_NONE;
    if (button != caption::BUTTON_NONE && button == pressed)
        SendMessage(WM_SYSCOMMAND, caption::ButtonCommand(button, IsZoomed() != FALSE), 0);
    else
        Default();
}

LRESULT CMainFrame::OnSetText(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    if (caption::HasSkinCaption(*this))
        PaintCaption();
    return result;
}
