#include "fx/win/FrameWnd.h"

#include "fx/win/Menu.h"
#include "fx/win/Text.h"
#include "fx/win/WinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)
IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_INITMENUPOPUP()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    HINSTANCE hRes = AfxGetResourceHandle();
    const LPCWSTR resource = MAKEINTRESOURCEW(nIDResource);
    // The title is the resource string up to its first line feed (later parts name files).
    CString title = fx::LoadStringGbk(hRes, nIDResource);
    const int lineFeed = title.Find('\n');
    if (lineFeed >= 0)
        title = title.Left(lineFeed);
    m_strTitle = title;

    // One class per frame resource, so the class icon is the frame's icon.
    CString className;
    className.Format("FxFrame%u", nIDResource);
    HICON hIcon = ::LoadIconW(hRes, resource);
    if (!RegisterClass(className, CS_DBLCLKS, ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)),
                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon))
        return FALSE;

    HMENU hMenu = ::LoadMenuW(hRes, resource);
    m_hAccelTable = ::LoadAcceleratorsW(hRes, resource);
    const RECT& r = rectDefault;
    if (!CreateEx(0, className, title, dwDefaultStyle, r.left, r.top, CW_USEDEFAULT, CW_USEDEFAULT,
                  CWnd::SafeHwnd(pParentWnd), hMenu, pContext)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr)
        hMenu = ::LoadMenuW(AfxGetResourceHandle(), fx::WideArg(lpszMenuName));
    const bool useDefault = CRect(rect) == rectDefault;
    const BOOL created =
        CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, useDefault ? CW_USEDEFAULT : rect.left,
                 useDefault ? CW_USEDEFAULT : rect.top, useDefault ? CW_USEDEFAULT : rect.right - rect.left,
                 useDefault ? CW_USEDEFAULT : rect.bottom - rect.top, CWnd::SafeHwnd(pParentWnd), hMenu, pContext);
    if (!created && hMenu != nullptr)
        ::DestroyMenu(hMenu);
    return created;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTW lpcs)
{
    if (Default() == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCTW, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return nullptr;
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CWnd* pView = DYNAMIC_DOWNCAST(CWnd, pObject);
    if (pView == nullptr) {
        delete pObject;
        return nullptr;
    }
    // A view that fails to create deletes itself (PostNcDestroy).
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    if (m_pViewActive == nullptr && pView->IsKindOf(RUNTIME_CLASS(CView)))
        SetActiveView(static_cast<CView*>(pView), FALSE);
    return pView;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (hPane == nullptr)
        return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    ::SetWindowPos(hPane, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != nullptr && pViewNew->m_hWnd != nullptr)
        ::SetFocus(pViewNew->m_hWnd);
}

void CFrameWnd::OnViewDestroyed(CView* pView)
{
    if (m_pViewActive == pView)
        m_pViewActive = nullptr;
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::OnSetFocus(CWnd*)
{
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        ::SetFocus(m_pViewActive->m_hWnd);
    else
        Default();
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pPopupMenu == nullptr) {
        Default();
        return;
    }
    UpdateMenuPopup(pPopupMenu);
}

void CFrameWnd::UpdateMenuPopup(CMenu* pPopupMenu)
{
    CCmdUI state;
    state.m_hMenu = pPopupMenu->GetSafeHmenu();
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (UINT i = 0; i < state.m_nIndexMax; ++i) {
        state.m_nIndex = i;
        state.m_nID = ::GetMenuItemID(state.m_hMenu, static_cast<int>(i));
        if (state.m_nID == 0)
            continue;  // separator
        if (state.m_nID == static_cast<UINT>(-1)) {
            state.m_hSubMenu = ::GetSubMenu(state.m_hMenu, static_cast<int>(i));
            continue;  // a cascade: its items are updated when it opens
        }
        state.m_hSubMenu = nullptr;
        // System commands are the system's to enable.
        state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
    }
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) { return 0; }

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelTable != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

void CFrameWnd::PostNcDestroy() { delete this; }

// ---- CView ----

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_WM_SETFOCUS()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CView::~CView() = default;

BOOL CView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                   CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd*, UINT, UINT)
{
    const int result = static_cast<int>(Default());
    if (result != MA_NOACTIVATE && result != MA_NOACTIVATEANDEAT) {
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->SetActiveView(this);
    }
    return result;
}

void CView::OnSetFocus(CWnd*)
{
    Default();
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SetActiveView(this, FALSE);
}

void CView::OnDestroy()
{
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->OnViewDestroyed(this);
    Default();
}

void CView::PostNcDestroy() { delete this; }
