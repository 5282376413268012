#include "app/shell/ControlView.h"

#include "app/core/command/CommandState.h"
#include "app/res/ShellRes.h"
#include "app/shell/Workspace.h"
#include "skin/theme/Painter.h"

IMPLEMENT_DYNAMIC(CControlView, CScrollDialog)

BEGIN_MESSAGE_MAP(CControlView, CScrollDialog)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_CV_NEW_SCENE, OnNewScene)
    ON_BN_CLICKED(IDC_CV_ADD_WINDOW, OnAddWindow)
    ON_BN_CLICKED(IDC_CV_DELETE_WINDOW, OnDeleteWindow)
    ON_BN_CLICKED(IDC_CV_POWER_ON, OnPowerOn)
    ON_BN_CLICKED(IDC_CV_POWER_OFF, OnPowerOff)
    ON_BN_CLICKED(IDC_CV_ONLINE, OnOnlineToggle)
    ON_BN_CLICKED(IDC_CV_OFFLINE, OnOnlineToggle)
    ON_BN_CLICKED(IDC_CV_SYSTEM_SETTINGS, OnSystemSettings)
    ON_BN_CLICKED(IDC_CV_LOAD_SCENE, OnLoadScene)
    ON_BN_CLICKED(IDC_CV_SAVE_SCENE, OnSaveScene)
    ON_BN_CLICKED(IDC_CV_EXIT, OnExit)
END_MESSAGE_MAP()

namespace {

// No colour of the logo is this one, so none of it turns transparent.
const COLORREF LOGO_MASK = RGB(255, 0, 255);

}  // namespace

CControlView::CControlView() : CScrollDialog(IDD, nullptr), m_brFace(FACE_COLOR)
{
}

BOOL CControlView::OnInitDialog()
{
    const BOOL result = CScrollDialog::OnInitDialog();
    // The logo is a link that only tells this view of a click, which nothing here answers.
    const CRect logo = LogoRect(GetTotalSize());
    if (m_wndLogo.Create("", WS_CHILD | WS_VISIBLE | LU_HLS_NOTIFY, logo, this, IDC_LOGO))
        m_wndLogo.SetLinkIcon(IDB_LOGO, 1, LOGO_MASK);
    // The hidden radio pair shows the link state the program starts with.
    CheckRadioButton(IDC_CV_ONLINE, IDC_CV_OFFLINE, g_nOnline ? IDC_CV_ONLINE : IDC_CV_OFFLINE);
    return result;
}

CRect CControlView::LogoRect(const CSize& sizeClient)
{
    const int bottom = sizeClient.cy - LOGO_BOTTOM_GAP;
    return CRect(LOGO_LEFT, bottom - LOGO_HEIGHT, LOGO_LEFT + LOGO_WIDTH, bottom);
}

void CControlView::PaintView(CDC& dc)
{
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, FACE_COLOR);
    CRect frame(rc.left + FRAME_INSET, rc.top + FRAME_INSET, rc.right - FRAME_INSET, rc.bottom - FRAME_INSET_BOTTOM);
    CLuPainter::DrawRoundRect(dc, frame, FRAME_COLOR);
    frame.DeflateRect(1, 1);
    CLuPainter::DrawRoundRect(dc, frame, INNER_FRAME_COLOR);
}

void CControlView::PlaceLogo(int cx, int cy)
{
    if (m_wndLogo.GetSafeHwnd() == nullptr)
        return;
    const CRect logo = LogoRect(CSize(cx, cy));
    m_wndLogo.SetWindowPos(nullptr, logo.left, logo.top, logo.Width(), logo.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CControlView::OnPaint()
{
    CPaintDC dc(this);
    PaintView(dc);
}

BOOL CControlView::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CControlView::OnSize(UINT nType, int cx, int cy)
{
    CScrollDialog::OnSize(nType, cx, cy);
    // The logo keeps its distance to the bottom, and the frame follows the edges.
    PlaceLogo(cx, cy);
    Invalidate(FALSE);
}

HBRUSH CControlView::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_DLG) {
        pDC->SetBkMode(TRANSPARENT);
        return m_brFace;
    }
    return CScrollDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CControlView::OnNewScene()
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->ShowSplitMenu();
}

void CControlView::OnAddWindow()
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->AddWindow();
}

void CControlView::OnDeleteWindow()
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->DeleteWindow();
}

void CControlView::OnPowerOn()
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->PowerOn();
}

void CControlView::OnPowerOff()
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->PowerOff();
}

void CControlView::OnOnlineToggle()
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->ToggleOnline(IsDlgButtonChecked(IDC_CV_ONLINE) == BST_CHECKED);
}

void CControlView::OnSystemSettings()
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->SystemSettings();
}

void CControlView::OnLoadScene()
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->LoadScene();
}

void CControlView::OnSaveScene()
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->SaveScene();
}

void CControlView::OnExit()
{
    if (m_pWorkspace != nullptr)
        m_pWorkspace->Exit();
}
