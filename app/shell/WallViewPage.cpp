#include "app/shell/WallViewPage.h"

#include "skin/ctrl/BookCtrl.h"

namespace {

const UINT WALL_ID = 130;
const UINT PRESET_ID = 131;

// The page's two parts as plain windows until the wall view control joins the build.
class CPlainChildContext : public CLuCContext {
public:
    CPlainChildContext(CWnd* pWnd, LPCSTR lpszText, UINT nID) : CLuCContext(pWnd), m_strText(lpszText), m_nID(nID) {}
    BOOL Create(CWnd* pWnd, CWnd* pParent) override
    {
        return pWnd->CreateEx(0, "Static", m_strText, WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(0, 0, 0, 0), pParent, m_nID);
    }

private:
    CString m_strText;
    UINT m_nID;
};

}  // namespace

CWallViewPage::CWallViewPage() = default;

CWallViewPage::~CWallViewPage() = default;

int CWallViewPage::CreatePage(CLuBookCtrl& book, LPCSTR lpszTitle)
{
    CLuCWCContext context(&m_wndClient, WS_CHILD | WS_VISIBLE, CLIENT_ID);
    const int nIndex = book.CreatePage(lpszTitle, &context);
    if (nIndex < 0)
        return -1;
    CPlainChildContext wall(&m_wndWall, "拼接视图", WALL_ID);
    CWnd* pOld = nullptr;
    if (m_wndClient.SetMainChild(&wall, pOld) == nullptr)
        return -1;
    if (!m_wndClient.CreateBar(BAR_BOTTOM, BAR_BOTTOM, PRESET_BAR_SIZE))
        return -1;
    CPlainChildContext presets(&m_wndPresets, "预设场景", PRESET_ID);
    if (m_wndClient.CreateBarChild(BAR_BOTTOM, &presets) == nullptr)
        return -1;
    m_wndWall.ShowWindow(SW_SHOW);
    m_wndPresets.ShowWindow(SW_SHOW);
    m_wndClient.ReCalcLayout(TRUE);
    return nIndex;
}

void CWallViewPage::OnPageLeave()
{
}

void CWallViewPage::NewScene()
{
}

BOOL CWallViewPage::SaveSceneAs()
{
    return FALSE;
}

BOOL CWallViewPage::LoadSceneAs()
{
    return FALSE;
}

void CWallViewPage::SendViewCommand(UINT)
{
}
