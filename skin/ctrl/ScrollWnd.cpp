#include "skin/ctrl/ScrollWnd.h"

#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/theme/Theme.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CLuScrollWnd, CWnd)
LU_IMPLEMENT_CONTROL(CLuScrollWnd)
LU_PROVIDE_LIBRARY_CLASS(CLuScrollWnd, LU_ROW_SCROLLWND, LuNewClassProc)

BEGIN_MESSAGE_MAP(CLuScrollWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_DESTROY()
    ON_MESSAGE(LU_WM_RECALCPARENT, OnRecalcParent)
END_MESSAGE_MAP()

namespace {

constexpr UINT kVertBarId = 1;
constexpr UINT kHorzBarId = 2;
constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

CLuScrollWnd::CLuScrollWnd() : m_pAlive(std::make_shared<bool>(true)) {}

CLuScrollWnd::~CLuScrollWnd()
{
    *m_pAlive = false;
    // Gone while the members still exist: the child's last messages may still reach HookMsg.
    m_bDestroying = TRUE;
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CLuScrollWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    CLuCreateBlock block(this);
    return CreateEx(0, LU_WNDCLASS_NAME("ScrollWnd"), nullptr, dwStyle | WS_CHILD, rect, pParent, nID, &block);
}

void CLuScrollWnd::OnInitCtrl(DWORD dwStyle)
{
    m_dwCtrlStyle = dwStyle;
    CreateBars();
}

void CLuScrollWnd::CreateBars()
{
    if (m_wndVert.GetSafeHwnd() == nullptr &&
        m_wndVert.Create(WS_CHILD | SBS_VERT | SBS_RIGHTALIGN, CRect(0, 0, 0, 0), this, kVertBarId)) {
        m_wndVert.SetScrollRange(0, 0, FALSE);
        m_wndVert.SetScrollPos(0, FALSE);
    }
    if (m_wndHorz.GetSafeHwnd() == nullptr &&
        m_wndHorz.Create(WS_CHILD | SBS_BOTTOMALIGN, CRect(0, 0, 0, 0), this, kHorzBarId)) {
        m_wndHorz.SetScrollRange(0, 0, FALSE);
        m_wndHorz.SetScrollPos(0, FALSE);
    }
}

void CLuScrollWnd::SetChild(CWnd* pChild)
{
    m_pChild = pChild;
    RecalcLayout();
}

// ---- The bars ----

CLuScrollBar* CLuScrollWnd::GetLuScrollBarCtrl(int nBar) { return nBar == SB_VERT ? &m_wndVert : &m_wndHorz; }
int CLuScrollWnd::GetScrollPos(int nBar) { return GetLuScrollBarCtrl(nBar)->GetScrollPos(); }
int CLuScrollWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    return GetLuScrollBarCtrl(nBar)->SetScrollPos(nPos, bRedraw);
}
void CLuScrollWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos)
{
    GetLuScrollBarCtrl(nBar)->GetScrollRange(lpMinPos, lpMaxPos);
}
void CLuScrollWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    GetLuScrollBarCtrl(nBar)->SetScrollRange(nMinPos, nMaxPos, bRedraw);
}
BOOL CLuScrollWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    return GetLuScrollBarCtrl(nBar)->SetScrollInfo(lpScrollInfo, bRedraw);
}
BOOL CLuScrollWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    return GetLuScrollBarCtrl(nBar)->GetScrollInfo(lpScrollInfo, nMask);
}
int CLuScrollWnd::GetScrollLimit(int nBar) { return GetLuScrollBarCtrl(nBar)->GetScrollLimit(); }

void CLuScrollWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    if (nBar == SB_VERT || nBar == SB_BOTH)
        m_wndVert.ShowScrollBar(bShow);
    if (nBar == SB_HORZ || nBar == SB_BOTH)
        m_wndHorz.ShowScrollBar(bShow);
    RecalcLayout();
}

void CLuScrollWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable)
{
    for (CLuScrollBar* pBar : {&m_wndVert, &m_wndHorz}) {
        const bool mine = nBar == SB_BOTH || (nBar == SB_VERT) == (pBar == &m_wndVert);
        if (!mine || pBar->GetSafeHwnd() == nullptr)
            continue;
        pBar->ShowScrollBar(bEnable);
        pBar->EnableWindow(bEnable);
        pBar->EnableScrollBar(bEnable ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
    }
    RecalcLayout();
}

BOOL CLuScrollWnd::BarShown(const CLuScrollBar& bar) const
{
    // The bar's own visibility, whether or not this window is shown at the moment.
    return bar.GetSafeHwnd() != nullptr && (bar.GetStyle() & WS_VISIBLE) != 0;
}

void CLuScrollWnd::GetScrollBarSizes(CSize& sz)
{
    sz.cx = BarShown(m_wndVert) ? LU_SCROLLBAR_SIZE : 0;
    sz.cy = BarShown(m_wndHorz) ? LU_SCROLLBAR_SIZE : 0;
}

// ---- Layout ----

void CLuScrollWnd::RecalcLayout()
{
    if (m_hWnd == nullptr || m_nLayoutDepth > 0)
        return;
    const std::shared_ptr<bool> alive = m_pAlive;
    ++m_nLayoutDepth;
    CRect rc;
    GetClientRect(&rc);
    CSize bars;
    GetScrollBarSizes(bars);
    // The child hears its size first (its bars may change on it), then gets its place.
    if (m_pChild != nullptr && m_pChild->GetSafeHwnd() != nullptr) {
        m_rcChildSizing = CRect(0, 0, std::max(0, rc.Width() - static_cast<int>(bars.cx)), std::max(0, rc.Height() - static_cast<int>(bars.cy)));
        m_bSizingChild = TRUE;
        m_bTellingChild = TRUE;
        m_pChild->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(m_rcChildSizing.Width(), m_rcChildSizing.Height()));
        if (!*alive)
            return;
        m_bTellingChild = FALSE;
        m_bSizingChild = FALSE;
        GetScrollBarSizes(bars);
    }
    if (BarShown(m_wndVert))
        m_wndVert.SetWindowPos(nullptr, rc.right - LU_SCROLLBAR_SIZE, rc.top, LU_SCROLLBAR_SIZE,
                               std::max(0, rc.Height() - static_cast<int>(bars.cy)), kPlace);
    if (BarShown(m_wndHorz))
        m_wndHorz.SetWindowPos(nullptr, rc.left, rc.bottom - LU_SCROLLBAR_SIZE, std::max(0, rc.Width() - static_cast<int>(bars.cx)),
                               LU_SCROLLBAR_SIZE, kPlace);
    m_rcCorner = bars.cx > 0 && bars.cy > 0
                     ? CRect(rc.right - LU_SCROLLBAR_SIZE, rc.bottom - LU_SCROLLBAR_SIZE, rc.right, rc.bottom)
                     : CRect(0, 0, 0, 0);
    if (m_pChild != nullptr && m_pChild->GetSafeHwnd() != nullptr) {
        m_bSizingChild = TRUE;
        m_pChild->SetWindowPos(nullptr, rc.left, rc.top, std::max(0, rc.Width() - static_cast<int>(bars.cx)),
                               std::max(0, rc.Height() - static_cast<int>(bars.cy)), kPlace);
        if (!*alive)
            return;
        m_bSizingChild = FALSE;
    }
    if (!m_rcCorner.IsRectEmpty())
        InvalidateRect(&m_rcCorner, FALSE);
    --m_nLayoutDepth;
}

void CLuScrollWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

LRESULT CLuScrollWnd::OnRecalcParent(WPARAM, LPARAM lParam)
{
    if (!m_bTellingChild || lParam == 0)
        return Default();
    *reinterpret_cast<RECT*>(lParam) = m_rcChildSizing;
    return TRUE;
}

// ---- Painting ----

void CLuScrollWnd::OnPaint()
{
    CPaintDC dc(this);
    const COLORREF face = CLuThemeManager::Instance()->GetTheme()->GetThemeColor(LUCLR_FACE);
    if (m_pChild == nullptr || m_pChild->GetSafeHwnd() == nullptr) {
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, face);
    } else if (!m_rcCorner.IsRectEmpty()) {
        dc.FillSolidRect(&m_rcCorner, face);
    }
}

BOOL CLuScrollWnd::OnEraseBkgnd(CDC*) { return TRUE; }

// ---- Scroll messages and the child's hook ----

void CLuScrollWnd::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    if ((GetCtrlStyle() & LU_SCROLLWND_CUSTOM) && m_pChild != nullptr && m_pChild->GetSafeHwnd() != nullptr) {
        m_pChild->SendMessage(WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), 0);
        return;
    }
    CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CLuScrollWnd::OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    if ((GetCtrlStyle() & LU_SCROLLWND_CUSTOM) && m_pChild != nullptr && m_pChild->GetSafeHwnd() != nullptr) {
        m_pChild->SendMessage(WM_VSCROLL, MAKEWPARAM(nSBCode, nPos), 0);
        return;
    }
    CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CLuScrollWnd::OnDestroy()
{
    m_bDestroying = TRUE;
    CWnd::OnDestroy();
}

BOOL CLuScrollWnd::HookPosChanging(WINDOWPOS* pPos)
{
    // The layout's own sizing of the child goes through; so does a change of neither place nor
    // size (z-order, showing).
    const UINT keep = pPos->flags & (SWP_NOMOVE | SWP_NOSIZE);
    if (m_bSizingChild || keep == (SWP_NOMOVE | SWP_NOSIZE))
        return FALSE;
    const std::shared_ptr<bool> alive = m_pAlive;
    // The child asked for a place: the scroll window takes it, and lays the child out inside.
    SetWindowPos(nullptr, pPos->x, pPos->y, pPos->cx, pPos->cy, kPlace | keep);
    if (!*alive)
        return FALSE;
    pPos->flags |= SWP_NOMOVE | SWP_NOSIZE;
    return TRUE;
}

BOOL CLuScrollWnd::HookMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_nHookDepth > 0 || m_hWnd == nullptr)
        return FALSE;
    const std::shared_ptr<bool> alive = m_pAlive;
    ++m_nHookDepth;
    BOOL handled = FALSE;
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        handled = HookPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_SHOWWINDOW:
        // Shown or hidden by a call (not because an owner was): the frame goes with it.
        if (lParam == 0) {
            ShowWindow(wParam ? SW_SHOW : SW_HIDE);
            handled = TRUE;
        }
        break;
    case WM_NCDESTROY:
        m_pChild = nullptr;
        if (!m_bDestroying)
            DestroyWindow();  // the bars go with it; this object may be gone afterwards
        break;
    default:
        break;
    }
    if (!*alive)
        return FALSE;
    --m_nHookDepth;
    if (handled && pResult != nullptr)
        *pResult = 0;
    return handled;
}
