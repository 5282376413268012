// The skinned frame: its bars and their layout around the client window, the bar toggles, and
// the routing of commands and keys. The caption and border are in FrameCaption.cpp.
#include "skin/frame/FrameWnd.h"

#include "fx/win/WinApp.h"
#include "skin/core/CreateContext.h"
#include "skin/core/LuWinApp.h"
#include "skin/frame/MenuBarLink.h"
#include "skin/frame/StatusBar.h"

IMPLEMENT_DYNCREATE(CLuFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CLuFrameWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_MENUCHAR()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_UPDATE_COMMAND_UI_RANGE(LU_ID_VIEW_TOOLBAR, LU_ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(LU_ID_VIEW_TOOLBAR, OnBarCheck)
    ON_COMMAND_EX(LU_ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_MESSAGE(LU_WM_TOGGLEMENUBAR, OnToggleMenuBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_WM_NCHITTEST()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_GETMINMAXINFO()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

namespace {

// The application's key hook for the frame's menu bar (CLuWinApp::PreTranslateMessage).
BOOL FrameMenuAccelator(CFrameWnd* pFrame, MSG* pMsg)
{
    CLuFrameWnd* pLuFrame = DYNAMIC_DOWNCAST(CLuFrameWnd, pFrame);
    return pLuFrame != nullptr && pLuFrame->OnMenuAccelator(pMsg);
}

const int kMenuAccelatorInstalled = (CLuWinApp::m_pfnMenuAccelator = &FrameMenuAccelator, 0);

// Whether a creation context names any of the framework's own members.
BOOL HasStandardMembers(const CCreateContext* pContext)
{
    return pContext != nullptr && (pContext->m_pNewViewClass != nullptr || pContext->m_pCurrentDoc != nullptr ||
                                   pContext->m_pNewDocTemplate != nullptr || pContext->m_pCurrentFrame != nullptr);
}

}  // namespace

CLuFrameWnd::CLuFrameWnd()
{
    (void)kMenuAccelatorInstalled;
    m_dockBarMgr.InitDockBarMgr(this);
    m_pumper.InitPumper(this);
}

CLuFrameWnd::~CLuFrameWnd() { DeleteOwnMenuBar(); }

// ---- Creation and destruction ----

int CLuFrameWnd::OnCreate(LPCREATESTRUCTW lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    // The menu is the menu bar's business: the window keeps none of its own.
    if (HMENU hMenu = ::GetMenu(m_hWnd)) {
        ::SetMenu(m_hWnd, nullptr);
        ::DestroyMenu(hMenu);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return 0;
}

BOOL CLuFrameWnd::OnCreateClient(LPCREATESTRUCTW lpcs, CCreateContext* pContext)
{
    if (!m_wndClient.Create(this, WS_CHILD | WS_VISIBLE | WS_BORDER, AFX_IDW_PANE_FIRST))
        return FALSE;
    if (HasStandardMembers(pContext))
        return m_wndClient.OnCreateClient(lpcs, pContext);
    const CLuCreateBlock* pBlock = CLuCreateBlock::FromParam(pContext);
    CLuCContext* pMainChild = pBlock != nullptr ? static_cast<CLuCContext*>(pBlock->m_pLuObject) : nullptr;
    return m_wndClient.OnCreateClient(lpcs, pMainChild);
}

void CLuFrameWnd::OnDestroy()
{
    // The bars the frame made go with it; the program's bars lose their windows with the dock bars.
    DeleteOwnMenuBar();
    m_pMenuBar = nullptr;
    m_pStatusBar = nullptr;
    m_dockBarMgr.DeleteDockBars();
    Default();
}

// ---- Layout ----

void CLuFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bPreview) {
        CFrameWnd::RecalcLayout(bNotify);
        return;
    }
    if (m_bInLayout || !::IsWindow(m_hWnd))
        return;
    m_bInLayout = TRUE;
    CRect rcFree;
    GetClientRect(&rcFree);
    const UINT nFlags = bNotify ? (SWP_NOZORDER | SWP_NOACTIVATE) : (SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    HDWP hDwp = ::BeginDeferWindowPos(8);
    m_dockBarMgr.RecalcLayout(rcFree, m_nSizeType, &hDwp, nFlags);
    if (::IsWindow(m_wndClient.GetSafeHwnd())) {
        // An empty client window paints its own face, so it must be redrawn.
        const UINT nClientFlags = m_wndClient.GetMainChild() != nullptr ? nFlags : (nFlags & ~SWP_NOREDRAW);
        const int cx = rcFree.Width() > 0 ? rcFree.Width() : 0;
        const int cy = rcFree.Height() > 0 ? rcFree.Height() : 0;
        if (hDwp != nullptr)
            hDwp = ::DeferWindowPos(hDwp, m_wndClient.GetSafeHwnd(), nullptr, rcFree.left, rcFree.top, cx, cy, nClientFlags);
        else
            ::SetWindowPos(m_wndClient.GetSafeHwnd(), nullptr, rcFree.left, rcFree.top, cx, cy, nClientFlags);
    }
    if (hDwp != nullptr)
        ::EndDeferWindowPos(hDwp);
    m_bInLayout = FALSE;
    m_dockBarMgr.ForceLayout();
}

void CLuFrameWnd::OnSize(UINT nType, int, int)
{
    m_nSizeType = nType;
    RecalcLayout(TRUE);
    Default();
    UpdateWindowRegion();
}

BOOL CLuFrameWnd::OnEraseBkgnd(CDC*) { return TRUE; }

// ---- Bars ----

void CLuFrameWnd::DeleteOwnMenuBar()
{
    CLuControlBar* pOwn = m_pOwnMenuBar;
    if (pOwn == nullptr)
        return;
    // Neither pointer may name the bar once it is gone.
    m_pOwnMenuBar = nullptr;
    if (m_pMenuBar == pOwn)
        m_pMenuBar = nullptr;
    m_dockBarMgr.RemoveBar(pOwn);
    // Only the menu bar's link made it, so there is one to delete it.
    const LuMenuBarLink* pLink = LuGetMenuBarLink();
    pLink->pfnDestoryMenu(pOwn);
    if (pOwn->SafeWnd())
        pOwn->DestroyWindow();  // while the object is whole, so its own hooks see the end
    pLink->pfnDelete(pOwn);
}

BOOL CLuFrameWnd::SetMenuID(UINT nIDMenu)
{
    const BOOL bHadOwn = m_pOwnMenuBar != nullptr;
    DeleteOwnMenuBar();
    if (nIDMenu == 0) {
        // The row the bar had closes up.
        if (bHadOwn)
            RecalcLayout(TRUE);
        return TRUE;
    }
    const LuMenuBarLink* pLink = LuGetMenuBarLink();
    if (pLink == nullptr)
        return FALSE;
    CLuControlBar* pBar = pLink->pfnNew();
    if (pBar == nullptr)
        return FALSE;
    // A visible child with the menu bar's bar style, as every bar the library makes itself.
    if (!pLink->pfnCreate(pBar, this, WS_VISIBLE | LU_MENUBAR_STYLE, nIDMenu)) {
        pLink->pfnDelete(pBar);
        return FALSE;
    }
    m_pOwnMenuBar = pBar;
    m_pMenuBar = pBar;
    if (!m_dockBarMgr.AddBar(pBar))
        return FALSE;
    RecalcLayout(TRUE);
    return TRUE;
}

BOOL CLuFrameWnd::SetMenu(CLuMenuBar* pMenuBar)
{
    CLuControlBar* pBar = CLuControlBar::FromMenuBar(pMenuBar);
    if (m_pMenuBar != nullptr)
        m_pMenuBar->SafeShowBar(FALSE);
    if (pBar != nullptr) {
        m_pMenuBar = pBar;
        if (pBar->SafeWnd() && !m_dockBarMgr.AddBar(pBar)) {
            m_pMenuBar = m_pOwnMenuBar;
            if (m_pMenuBar != nullptr)
                m_pMenuBar->SafeShowBar(TRUE);
            RecalcLayout(TRUE);
            return FALSE;
        }
    } else {
        // The program's bar leaves the docks; the frame's own stays docked, as it is the one shown now.
        if (m_pMenuBar != nullptr && m_pMenuBar != m_pOwnMenuBar)
            m_dockBarMgr.RemoveBar(m_pMenuBar);
        m_pMenuBar = m_pOwnMenuBar;
    }
    if (m_pMenuBar != nullptr)
        m_pMenuBar->SafeShowBar(TRUE);
    RecalcLayout(TRUE);
    return TRUE;
}

BOOL CLuFrameWnd::ShowMainMenuBar(BOOL bShow)
{
    if (!CLuControlBar::IsBarAlive(m_pMenuBar))
        return FALSE;
    if ((m_pMenuBar->SafeVisible() != FALSE) != (bShow != FALSE) && m_pMenuBar->SafeShowBar(bShow)) {
        RecalcLayout(TRUE);
        m_dockBarMgr.ForceLayout();
    }
    return TRUE;
}

BOOL CLuFrameWnd::IsMainMenuBarVisible() const { return CLuControlBar::IsBarVisible(m_pMenuBar); }

HMENU CLuFrameWnd::GetMenuHandle() const
{
    const LuMenuBarLink* pLink = LuGetMenuBarLink();
    return pLink != nullptr && m_pMenuBar != nullptr ? pLink->pfnGetMenuHandle(m_pMenuBar) : nullptr;
}

CLuMenuBar* CLuFrameWnd::GetMenuBar() const { return CLuControlBar::ToMenuBar(m_pMenuBar); }

CLuClientWnd& CLuFrameWnd::GetClientWnd() { return m_wndClient; }

CWnd* CLuFrameWnd::GetMainChild() { return m_wndClient.GetMainChild(); }

CWnd* CLuFrameWnd::SetMainChild(CLuCContext* pContext, CWnd*& pOld) { return m_wndClient.SetMainChild(pContext, pOld); }

BOOL CLuFrameWnd::SetMainChild(CWnd* pWnd, CWnd*& pOld, CLuSetParentAux* pAux)
{
    return m_wndClient.SetMainChild(pWnd, pOld, pAux);
}

BOOL CLuFrameWnd::SetStatusBar(CLuStatusBar* pBar)
{
    if (pBar == m_pStatusBar)
        return TRUE;
    m_pStatusBar = pBar;
    if (pBar != nullptr && pBar->SafeWnd() && m_dockBarMgr.AddBar(pBar)) {
        RecalcLayout(TRUE);
        return TRUE;
    }
    return FALSE;
}

BOOL CLuFrameWnd::AddToolBar(CLuToolBar* pBar) { return m_dockBarMgr.AddBar(CLuControlBar::FromToolBar(pBar)); }

BOOL CLuFrameWnd::ToggleBar(CLuControlBar* pBar)
{
    if (!pBar->SafeShowBar(!pBar->SafeVisible()))
        return FALSE;
    RecalcLayout(TRUE);
    m_dockBarMgr.ForceLayout();
    return TRUE;
}

void CLuFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CLuControlBar* pBar = m_dockBarMgr.GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck(pBar->SafeVisible() ? 1 : 0);
}

BOOL CLuFrameWnd::OnBarCheck(UINT nID)
{
    CLuControlBar* pBar = m_dockBarMgr.GetControlBar(nID);
    if (pBar == nullptr)
        return FALSE;
    ToggleBar(pBar);
    return TRUE;
}

LRESULT CLuFrameWnd::OnToggleMenuBar(WPARAM, LPARAM)
{
    if (CLuControlBar::IsBarAlive(m_pMenuBar))
        ToggleBar(m_pMenuBar);
    return 0;
}

LRESULT CLuFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!m_bPreview)
        m_dockBarMgr.OnUpdateCmdUI(this, static_cast<BOOL>(wParam));
    return 0;
}

void CLuFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState*)
{
    m_bPreview = bPreview;
    m_dockBarMgr.ShowAllDockBar(!bPreview);
    RecalcLayout(TRUE);
}

// ---- Commands and keys ----

BOOL CLuFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_bPreview)
        return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (m_pumper.Pump(&m_wndClient, nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CLuFrameWnd::OnMenuAccelator(MSG* pMsg)
{
    if (pMsg == nullptr || !IsMainMenuBarVisible() ||
        (pMsg->message != WM_SYSKEYDOWN && pMsg->message != WM_SYSKEYUP))
        return FALSE;
    const LuMenuBarLink* pLink = LuGetMenuBarLink();
    return pLink != nullptr && pLink->pfnOnMenuAccelator(m_pMenuBar, pMsg->message, static_cast<UINT>(pMsg->wParam),
                                                         static_cast<LONG>(pMsg->lParam));
}

LRESULT CLuFrameWnd::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    const LuMenuBarLink* pLink = LuGetMenuBarLink();
    LRESULT lResult = 0;
    if (pLink != nullptr && IsMainMenuBarVisible() && pLink->pfnOnMenuChar(m_pMenuBar, nChar, nFlags, pMenu, lResult))
        return lResult;
    return Default();
}

void CLuFrameWnd::SetTitle(LPCSTR lpszTitle)
{
    CString text = m_strTitle;
    if ((GetStyle() & FWS_ADDTOTITLE) && lpszTitle != nullptr && *lpszTitle != '\0')
        text = m_strTitle.IsEmpty() ? CString(lpszTitle) : m_strTitle + " - " + lpszTitle;
    if (::IsWindow(m_hWnd) && GetWindowText() != text)
        SetWindowText(text);
}
