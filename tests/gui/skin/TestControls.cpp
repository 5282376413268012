#include "tests/gui/skin/TestControls.h"

#include "skin/theme/Theme.h"

IMPLEMENT_DYNCREATE(CTestPanel, CWnd)
LU_IMPLEMENT_CONTROL(CTestPanel)
int CTestPanel::s_nLive = 0;

void CTestPanel::OnInitCtrl(DWORD dwStyle)
{
    m_dwCtrlStyle = dwStyle;
    ++m_nInitCalls;
}

BEGIN_MESSAGE_MAP(CTestPanel, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CTestPanel::OnPaint()
{
    CPaintDC dc(this);
    _LUDRAW_PARAM p;
    GetClientRect(&p.rect);
    p.bEnabled = TRUE;
    CLuThemeManager::Instance()->GetTheme()->DrawClientRect(dc, p);
}

IMPLEMENT_DYNCREATE(CTestStatic, CWnd)
LU_IMPLEMENT_CONTROL(CTestStatic)
LU_DEFAULT_INITCTRL(CTestStatic)
int CTestStatic::s_nLive = 0;

BEGIN_MESSAGE_MAP(CTestStatic, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CTestStatic::OnPaint()
{
    CPaintDC dc(this);
    _LUDRAW_PARAM p;
    GetClientRect(&p.rect);
    p.rcText = p.rect;
    p.strText = GetWindowText();
    CLuThemeManager::Instance()->GetTheme()->DrawText(dc, p);
}

IMPLEMENT_DYNCREATE(CTestView, CView)
int CTestView::s_nLive = 0;

namespace skintest {

std::vector<int> g_registerCalls;

int RegisterTestClasses(int bRegister)
{
    g_registerCalls.push_back(bRegister);
    if (!bRegister)
        return 1;
    HCURSOR hArrow = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    if (!LuLibAux::RegisterWndClass(CS_HREDRAW | CS_VREDRAW, hArrow, nullptr, "tstPanel", &LuNewClassProc<CTestPanel>)) {
        LuLibAux::SetErrorCode(LU_ERR_REGISTER);
        LuLibAux::SetErrorStr("Failed register CTestPanel");
    }
    if (!LuLibAux::RegisterCtrlClass("STATIC", &LuCtrlClassProc<CTestStatic>, &CTestStatic::m_pfnLuClassOldProc)) {
        LuLibAux::SetErrorCode(LU_ERR_REGISTER);
        LuLibAux::SetErrorStr("Failed register CTestStatic");
    }
    return 1;
}

}  // namespace skintest
