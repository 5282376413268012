#include "tests/gui/skin_frame/FrameTestSupport.h"

#include "skin/core/CreateContext.h"
#include "skin/core/LuLibAux.h"
#include "skin/frame/MenuBarLink.h"

#include <gtest/gtest.h>

namespace {

// The library lives for the whole program, as in the application.
class FrameEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), nullptr);
        // Far from every test window, so the real pointer never lands on one.
        ::SetCursorPos(1279, 799);
    }
    void TearDown() override { LuLibAux::UninitLuLib(::GetModuleHandleW(nullptr), nullptr); }
};
::testing::Environment* const g_env = ::testing::AddGlobalTestEnvironment(new FrameEnvironment);

}  // namespace

// ---- Frame ----

IMPLEMENT_DYNCREATE(CTestFrame, CLuFrameWnd)
int CTestFrame::s_nLive = 0;

BEGIN_MESSAGE_MAP(CTestFrame, CLuFrameWnd)
    ON_WM_SYSCOMMAND()
    ON_COMMAND(ID_TEST_FRAME_CMD, OnFrameCmd)
    ON_COMMAND(ID_TEST_BOTH_CMD, OnBothCmd)
    ON_UPDATE_COMMAND_UI(IDS_TEST_NUMLOCK, OnUpdateNum)
    ON_MESSAGE(WM_USER + 0x1010, OnPageMessage)
END_MESSAGE_MAP()

void CTestFrame::OnUpdateNum(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(1);
    pCmdUI->SetText("NUMX");
}

CTestFrame* CTestFrame::Make(int cx, int cy, DWORD dwStyle, BOOL bShow)
{
    auto* pFrame = new CTestFrame;
    if (!pFrame->Create(nullptr, "Frame test", dwStyle, CRect(40, 40, 40 + cx - 1, 40 + cy)))
        return nullptr;
    // Sized once, as a shown frame is: WM_SIZE tells it its size type.
    pFrame->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (bShow) {
        pFrame->ShowWindow(SW_SHOW);
        fxtest::PumpUntil([&] { return ::IsWindowVisible(pFrame->GetSafeHwnd()) != FALSE; });
    }
    frametest::DispatchQueued();
    return pFrame;
}

void CTestFrame::OnSysCommand(UINT nID, LPARAM)
{
    m_sysCommands.push_back(nID);
    if (m_bPassSysCommands)
        Default();
}

// ---- Panes ----

IMPLEMENT_DYNCREATE(CTestPane, CWnd)
int CTestPane::s_nLive = 0;

BEGIN_MESSAGE_MAP(CTestPane, CWnd)
    ON_MESSAGE(LU_WM_BARDOCK, OnBarDock)
    ON_COMMAND(ID_TEST_VIEW_CMD, OnViewCmd)
    ON_COMMAND(ID_TEST_BOTH_CMD, OnBothCmd)
END_MESSAGE_MAP()

BOOL CTestPane::Make(CWnd* pParent, UINT nID)
{
    return Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 10, 10), pParent, nID);
}

LRESULT CTestPane::OnBarDock(WPARAM wParam, LPARAM lParam)
{
    m_dockNotices.push_back(wParam);
    auto* pRect = reinterpret_cast<RECT*>(lParam);
    EXPECT_NE(pRect, nullptr);
    if (pRect != nullptr) {
        EXPECT_TRUE(::IsRectEmpty(pRect));  // empty on entry
        if (wParam == 0 && !::IsRectEmpty(&m_rcFloat))
            *pRect = m_rcFloat;
    }
    return 0;
}

void CTestPane::PostNcDestroy()
{
    if (m_bDeleteSelf)
        delete this;
}

IMPLEMENT_DYNCREATE(CFailingPane, CTestPane)

BEGIN_MESSAGE_MAP(CFailingPane, CTestPane)
    ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CTestPaneContext::Create(CWnd* pWnd, CWnd* pParent)
{
    auto* pPane = DYNAMIC_DOWNCAST(CTestPane, pWnd);
    if (pPane == nullptr)
        return FALSE;
    if (!pPane->Make(pParent, 77))
        return FALSE;  // the library deletes what it made
    pPane->m_bDeleteSelf = TRUE;
    return TRUE;
}

// ---- Bars ----

IMPLEMENT_DYNCREATE(CFakeMenuBar, CLuControlBar)
LU_IMPLEMENT_CONTROL(CFakeMenuBar)
LU_DEFAULT_INITCTRL(CFakeMenuBar)
LU_PROVIDE_MENUBAR(CFakeMenuBar)
int CFakeMenuBar::s_nLive = 0;
BOOL CFakeMenuBar::s_bFailCreate = FALSE;

BOOL CFakeMenuBar::Create(CWnd* pParent, DWORD dwStyle, UINT nIDMenu)
{
    if (s_bFailCreate)
        return FALSE;
    m_nMenuID = nIDMenu;
    return CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | (dwStyle & 0xFFFF), CRect(0, 0, 0, 0), pParent, nIDMenu);
}

BOOL CFakeMenuBar::OnMenuAccelator(UINT message, UINT wParam, LONG)
{
    m_keys.push_back(message);
    return wParam == 'F';
}

BOOL CFakeMenuBar::OnMenuChar(UINT nChar, UINT, CMenu*, LRESULT& lResult)
{
    lResult = MAKELRESULT(nChar, MNC_CLOSE);
    return TRUE;
}

IMPLEMENT_DYNCREATE(CTestBar, CLuControlBar)
LU_IMPLEMENT_CONTROL(CTestBar)
LU_DEFAULT_INITCTRL(CTestBar)

BOOL CTestBar::Make(CWnd* pParent, DWORD dwBarStyle, UINT nID)
{
    return CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | (dwBarStyle & 0xFFFF), CRect(0, 0, 0, 0), pParent, nID);
}

CRect CTestBar::RectIn(CWnd* pWnd) const { return frametest::RectInParent(m_hWnd, pWnd->GetSafeHwnd()); }

// ---- Helpers ----

namespace frametest {

void DispatchQueued()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void Post(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ::PostMessageW(hWnd, message, wParam, lParam);
    DispatchQueued();
}

CRect RectInParent(HWND hWnd, HWND hParent)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<LPPOINT>(&rc), 2);
    return rc;
}

}  // namespace frametest
