#include "app/shell/WallViewPage.h"

#include "app/shell/ShellState.h"
#include "fx/core/Exception.h"
#include "skin/ctrl/BookCtrl.h"

namespace {

// How the page's bar creates the preset panel: the modeless panel inside the bar.
class CPresetPanelContext : public CLuCContext {
public:
    explicit CPresetPanelContext(CPresetSceneDlg* pPanel) : CLuCContext(pPanel) {}
    BOOL Create(CWnd* pWnd, CWnd* pParent) override
    {
        CPresetSceneDlg* pPanel = dynamic_cast<CPresetSceneDlg*>(pWnd);
        return pPanel != nullptr && pPanel->Create(pParent);
    }
};

}  // namespace

CWallViewPage::CWallViewPage() : m_presetOps(m_wndWall.GetView()), m_wndPresets(m_presetOps) {}

CWallViewPage::CWallViewPage(const CString& profileDirectory)
    : m_wndWall(profileDirectory), m_presetOps(m_wndWall.GetView()), m_wndPresets(m_presetOps)
{
}

CWallViewPage::~CWallViewPage() = default;

int CWallViewPage::CreatePage(CLuBookCtrl& book, LPCSTR lpszTitle)
{
    // The wall page's template names the control's class, which must exist first.
    try {
        CTzCtrl::RegisterWindowClass();
    } catch (CException* e) {
        e->Delete();
        return -1;
    }
    CLuCWCContext context(&m_wndClient, WS_CHILD | WS_VISIBLE, CLIENT_ID);
    const int nIndex = book.CreatePage(lpszTitle, &context);
    if (nIndex < 0)
        return -1;
    CScrollDialogContext wall(&m_wndWall, CWallPage::IDD);
    CWnd* pOld = nullptr;
    if (m_wndClient.SetMainChild(&wall, pOld) == nullptr)
        return -1;
    if (!m_wndClient.CreateBar(PRESET_BAR, PRESET_BAR, PRESET_BAR_SIZE))
        return -1;
    m_wndPresets.SetRole(g_nRole);
    CPresetPanelContext presets(&m_wndPresets);
    if (m_wndClient.CreateBarChild(PRESET_BAR, &presets) == nullptr)
        return -1;
    // Showing the wall page shows its host scroll window as well.
    m_wndWall.ShowWindow(SW_SHOW);
    m_wndPresets.ShowWindow(SW_SHOW);
    m_wndClient.ReCalcLayout(TRUE);
    return nIndex;
}

void CWallViewPage::OnPageLeave()
{
    // Nothing of the page lives outside its own windows, which go with the book.
}

void CWallViewPage::NewScene()
{
    if (GetWallView().GetSafeHwnd() != nullptr)
        GetWallView().newScene();
}

BOOL CWallViewPage::SaveSceneAs()
{
    return GetWallView().GetSafeHwnd() != nullptr && GetWallView().saveSceneAs();
}

BOOL CWallViewPage::LoadSceneAs()
{
    return GetWallView().GetSafeHwnd() != nullptr && GetWallView().loadSceneAs();
}

void CWallViewPage::SendViewCommand(UINT nID)
{
    if (GetWallView().GetSafeHwnd() != nullptr)
        GetWallView().SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}
