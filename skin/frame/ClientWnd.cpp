// The client window: main child and side bars, their layout and painting, the mouse for the
// bars' splitters and close boxes, and the routing of commands to the child that has the focus.
#include "skin/frame/ClientWnd.h"

#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/core/LuLibAux.h"
#include "skin/theme/Theme.h"

IMPLEMENT_DYNCREATE(CLuClientWnd, CWnd)
LU_IMPLEMENT_CONTROL(CLuClientWnd)
LU_DEFAULT_INITCTRL(CLuClientWnd)
LU_PROVIDE_LIBRARY_CLASS(CLuClientWnd, LU_ROW_CLIENTWND, LuNewClassProc)

BEGIN_MESSAGE_MAP(CLuClientWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

BOOL IsOrContains(HWND hOuter, HWND hInner) { return hOuter == hInner || ::IsChild(hOuter, hInner); }

}  // namespace

CLuClientWnd::CLuClientWnd() { m_pumper.InitPumper(this); }

CLuClientWnd::~CLuClientWnd()
{
    // Destroyed here, while the object is still a client window, so its children go its way.
    if (::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    for (CLuClientBar& bar : m_bars)
        bar.DestroyChild();
}

CWnd* CLuClientWnd::GetMainChild() const
{
    return CLuClientBar::IsAlive(m_pMainChild, m_hMainChild) ? m_pMainChild : nullptr;
}

BOOL CLuClientWnd::Create(CWnd* pParent, DWORD dwStyle, UINT nID)
{
    CLuCreateBlock block(this);
    if (!CreateEx(0, LU_WNDCLASS_NAME("ClientWnd"), nullptr, dwStyle | WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0),
                  pParent, nID, &block))
        return FALSE;
    if (pParent != nullptr && (pParent->GetExStyle() & WS_EX_CLIENTEDGE))
        pParent->ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return TRUE;
}

BOOL CLuClientWnd::OnCreateClient(LPCREATESTRUCTW, CLuCContext* pContext)
{
    int bCustom = 0;
    CWnd* pWnd = LuLibAux::CreateWnd(pContext, this, bCustom);
    SetMain(pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd()) ? pWnd : nullptr);
    return TRUE;
}

BOOL CLuClientWnd::OnCreateClient(LPCREATESTRUCTW, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        SetMain(LuLibAux::CreateView(pContext, AFX_IDW_PANE_FIRST, this));
    return TRUE;
}

// ---- Bars ----

CLuClientBar* CLuClientWnd::GetBar(bar_pos nPos) { return ValidPos(nPos) ? &m_bars[nPos] : nullptr; }

CLuClientBar* CLuClientWnd::ValidBar(bar_pos nPos)
{
    CLuClientBar* pBar = GetBar(nPos);
    return pBar != nullptr && pBar->IsValid() ? pBar : nullptr;
}

BOOL CLuClientWnd::CreateBar(bar_pos nPos, DWORD dwStyle, int nSize, BOOL bShow, LPCSTR lpszTitle)
{
    CLuClientBar* pBar = GetBar(nPos);
    if (pBar == nullptr)
        return FALSE;
    if (pBar->IsValid())
        return TRUE;
    pBar->InitBar(this, nPos, dwStyle, nSize, lpszTitle);
    CLuClientBar** ppLast = &m_pFirstBar;
    while (*ppLast != nullptr)
        ppLast = &(*ppLast)->m_pNext;
    *ppLast = pBar;
    pBar->ShowClientBar(bShow);
    return TRUE;
}

CWnd* CLuClientWnd::CreateBarChild(bar_pos nPos, CLuCContext* pContext)
{
    CLuClientBar* pBar = ValidBar(nPos);
    return pBar != nullptr ? pBar->CreateChild(pContext) : nullptr;
}

void CLuClientWnd::DestoryBarChild(bar_pos nPos)
{
    if (CLuClientBar* pBar = ValidBar(nPos))
        pBar->DestroyChild();
}

CWnd* CLuClientWnd::GetBarChild(bar_pos nPos)
{
    CLuClientBar* pBar = ValidBar(nPos);
    return pBar != nullptr ? pBar->GetChild() : nullptr;
}

void CLuClientWnd::SetBarTitle(bar_pos nPos, LPCSTR lpszTitle)
{
    if (CLuClientBar* pBar = ValidBar(nPos))
        pBar->SetTitle(lpszTitle);
}

BOOL CLuClientWnd::IsBarShow(bar_pos nPos)
{
    CLuClientBar* pBar = ValidBar(nPos);
    return pBar != nullptr && pBar->IsVisual();
}

void CLuClientWnd::ShowBar(bar_pos nPos, BOOL bShow)
{
    if (CLuClientBar* pBar = ValidBar(nPos))
        pBar->ShowClientBar(bShow);
}

void CLuClientWnd::SetBarWidth(bar_pos nPos, int nWidth)
{
    if (CLuClientBar* pBar = ValidBar(nPos))
        pBar->SetCurSize(nWidth);
}

int CLuClientWnd::GetBarWidth(bar_pos nPos)
{
    CLuClientBar* pBar = ValidBar(nPos);
    return pBar != nullptr ? pBar->GetCurSize() : -1;
}

BOOL CLuClientWnd::DockBar(bar_pos nPos, BOOL bDock)
{
    CLuClientBar* pBar = ValidBar(nPos);
    return pBar != nullptr && pBar->DockClientBar(bDock);
}

BOOL CLuClientWnd::IsBarDock(bar_pos nPos)
{
    CLuClientBar* pBar = ValidBar(nPos);
    return pBar != nullptr && pBar->IsDocked();
}

BOOL CLuClientWnd::IsFloatBarShow(bar_pos nPos)
{
    CLuClientBar* pBar = ValidBar(nPos);
    return pBar != nullptr && pBar->IsFloatBarVisual();
}

void CLuClientWnd::ShowFloatBar(bar_pos nPos, BOOL bShow)
{
    if (CLuClientBar* pBar = ValidBar(nPos))
        pBar->ShowFloatBar(bShow);
}

int CLuClientWnd::GetMaxSize(bar_pos nPos)
{
    CRect rc;
    GetClientRect(&rc);
    const BOOL bHorz = nPos == BAR_TOP || nPos == BAR_BOTTOM;
    int nMax = (bHorz ? rc.Height() : rc.Width()) - LU_CB_MAINMIN;
    const CLuClientBar& opposite = m_bars[(nPos + 2) % LU_BAR_COUNT];
    if (opposite.IsValid() && opposite.IsVisual())
        nMax -= opposite.GetCurSize();
    return nMax;
}

void CLuClientWnd::SetBoderColor(COLORREF clr)
{
    m_clrBorder = clr;
    if (::IsWindow(m_hWnd))
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

// ---- Main child ----

CWnd* CLuClientWnd::SetMainChild(CLuCContext* pContext, CWnd*& pOld)
{
    int bCustom = 0;
    CWnd* pNew = LuLibAux::CreateWnd(pContext, this, bCustom);
    // A child that did not come leaves everything as it was.
    if (pNew == nullptr || !::IsWindow(pNew->GetSafeHwnd()))
        return nullptr;
    pOld = GetMainChild();
    ForgetChild(pOld);
    SetMain(pNew);
    ::SetWindowPos(pNew->GetSafeHwnd(), nullptr, m_rcMain.left, m_rcMain.top, m_rcMain.Width(), m_rcMain.Height(),
                   SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    return pNew;
}

BOOL CLuClientWnd::SetMainChild(CWnd* pWnd, CWnd*& pOld, CLuSetParentAux* pAux)
{
    if (pWnd == GetMainChild())
        return FALSE;
    pOld = GetMainChild();
    ForgetChild(pOld);
    SetMain(pWnd);
    if (pWnd == nullptr) {
        Invalidate(FALSE);
        return TRUE;
    }
    HWND hWnd = pWnd->GetSafeHwnd();
    if (::IsWindow(hWnd)) {
        if (pAux != nullptr)
            pAux->SetParentWnd(pWnd, this);
        else
            ::SetParent(hWnd, m_hWnd);
        ::SetWindowPos(hWnd, nullptr, m_rcMain.left, m_rcMain.top, m_rcMain.Width(), m_rcMain.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::ShowWindow(hWnd, SW_SHOW);
    }
    return TRUE;
}

void CLuClientWnd::ForgetChild(CWnd* pWnd)
{
    if (pWnd != nullptr && pWnd == m_pActiveChild) {
        m_pActiveChild = nullptr;
        m_hActiveChild = nullptr;
    }
}

CWnd* CLuClientWnd::GetActiveChild()
{
    CWnd* pRemembered = CLuClientBar::IsAlive(m_pActiveChild, m_hActiveChild) ? m_pActiveChild : nullptr;
    HWND hFocus = ::GetFocus();
    if (hFocus == nullptr || LuLibAux::GetTopLevelParent(hFocus) != LuLibAux::GetTopLevelParent(m_hWnd))
        return pRemembered;
    if (pRemembered != nullptr && hFocus == m_hActiveChild)
        return pRemembered;
    CWnd* pAnswer = nullptr;
    CWnd* pMain = GetMainChild();
    if (pMain != nullptr && IsOrContains(pMain->GetSafeHwnd(), hFocus)) {
        pAnswer = pMain;
    } else {
        for (CLuClientBar* pBar = m_pFirstBar; pBar != nullptr; pBar = pBar->m_pNext) {
            CWnd* pChild = pBar->GetChild();
            if (pChild != nullptr && IsOrContains(pChild->GetSafeHwnd(), hFocus)) {
                pAnswer = pChild;
                break;
            }
        }
    }
    m_pActiveChild = pAnswer;
    m_hActiveChild = CWnd::SafeHwnd(pAnswer);
    return pAnswer;
}

BOOL CLuClientWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CWnd* pActive = GetActiveChild();
    if (pActive != nullptr && m_pumper.Pump(pActive, nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    return pParent != nullptr && m_pumper.Pump(pParent, nID, nCode, pExtra, pHandlerInfo);
}

// ---- Layout ----

void CLuClientWnd::MoveChild(CWnd* pWnd, const CRect& rc, BOOL bRedraw)
{
    HWND hWnd = pWnd->GetSafeHwnd();
    CRect rcNow;
    ::GetWindowRect(hWnd, &rcNow);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(&rcNow), 2);
    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (rcNow.TopLeft() == rc.TopLeft())
        nFlags |= SWP_NOMOVE;
    if (rcNow.Size() == rc.Size())
        nFlags |= SWP_NOSIZE;
    if ((nFlags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE))
        return;
    if (!bRedraw)
        nFlags |= SWP_NOREDRAW;
    ::SetWindowPos(hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), nFlags);
}

void CLuClientWnd::ReCalcLayout(BOOL bRedraw)
{
    if (m_bInLayout || !::IsWindow(m_hWnd))
        return;
    m_bInLayout = TRUE;
    CRect rc;
    GetClientRect(&rc);
    for (CLuClientBar* pBar = m_pFirstBar; pBar != nullptr; pBar = pBar->m_pNext) {
        if (pBar->IsVisual())
            pBar->Layout(rc, bRedraw);
    }
    m_rcMain = rc;
    if (CWnd* pMain = GetMainChild())
        MoveChild(pMain, m_rcMain, bRedraw);
    m_bInLayout = FALSE;
}

void CLuClientWnd::OnSize(UINT, int, int) { ReCalcLayout(TRUE); }

// ---- Painting ----

void CLuClientWnd::PaintClient(CDC& dc)
{
    for (CLuClientBar* pBar = m_pFirstBar; pBar != nullptr; pBar = pBar->m_pNext)
        pBar->Paint(dc);
    if (GetMainChild() == nullptr) {
        _LUDRAW_PARAM p;
        p.rect = m_rcMain;
        p.nBkColor = LUCLR_FACE;
        Theme().FillClient(dc, p);
    }
}

void CLuClientWnd::OnPaint()
{
    CPaintDC dc(this);
    PaintClient(dc);
}

BOOL CLuClientWnd::OnEraseBkgnd(CDC*) { return TRUE; }

BOOL CLuClientWnd::HasBorder() const { return (GetStyle() & WS_BORDER) || (GetExStyle() & WS_EX_CLIENTEDGE); }

void CLuClientWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!HasBorder())
        return;
    RECT& rc = lpncsp->rgrc[0];
    ::InflateRect(&rc, -1, -1);
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
}

void CLuClientWnd::OnNcPaint()
{
    if (!HasBorder())
        return;
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    // The colour given to SetBoderColor, else the face colour.
    const COLORREF clr = m_clrBorder != 0xFFFFFFFF ? m_clrBorder : Theme().GetThemeColor(LUCLR_FACE);
    CLuPainter::DrawRect(dc, rc, clr);
}

// ---- Messages ----

void CLuClientWnd::RelayMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint point(lParam);
    for (CLuClientBar* pBar = m_pFirstBar; pBar != nullptr; pBar = pBar->m_pNext)
        pBar->OnMouseMessage(message, static_cast<UINT>(wParam), point);
}

LRESULT CLuClientWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        RelayMouse(message, wParam, lParam);
        break;
    default:
        break;
    }
    if (message >= LU_WM_FIRST_PASSED) {
        // The program's own messages go up to whoever understands them (a page to its frame).
        LRESULT result = 0;
        if (OnWndMsg(message, wParam, lParam, &result))
            return result;
        HWND hParent = ::GetParent(m_hWnd);
        return hParent != nullptr ? ::SendMessageW(hParent, message, wParam, lParam)
                                  : DefWindowProc(message, wParam, lParam);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CLuClientWnd::OnCaptureChanged(CWnd* pWnd)
{
    // A drag or press whose capture went elsewhere ends without a click or a resize.
    if (pWnd == nullptr || pWnd->GetSafeHwnd() != m_hWnd) {
        for (CLuClientBar* pBar = m_pFirstBar; pBar != nullptr; pBar = pBar->m_pNext)
            pBar->CancelTracking();
    }
    Default();
}

void CLuClientWnd::OnDestroy()
{
    // Bar children (floating ones too, which are not children any more) go with the window.
    for (CLuClientBar& bar : m_bars)
        bar.ResetBar();
    m_pFirstBar = nullptr;
    SetMain(nullptr);
    m_pActiveChild = nullptr;
    m_hActiveChild = nullptr;
    Default();
}
