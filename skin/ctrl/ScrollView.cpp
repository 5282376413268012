#include "skin/ctrl/ScrollView.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CLuScrollView, CView)

BEGIN_MESSAGE_MAP(CLuScrollView, CView)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace {

constexpr int kWheelLines = 3;

}  // namespace

CLuScrollView::CLuScrollView() = default;

CLuScrollView::~CLuScrollView()
{
    // Whatever is left of the window is no longer offered to the scroll window.
    m_bHooked = FALSE;
}

LRESULT CLuScrollView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_bHooked && m_scrollWnd.HookMsg(message, wParam, lParam, &result))
        return result;
    if (message == WM_NCDESTROY)
        m_bHooked = FALSE;
    return CView::WindowProc(message, wParam, lParam);
}

int CLuScrollView::OnCreate(LPCREATESTRUCTW lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The scroll window takes the view's place in its parent, and the view moves inside it.
    CWnd* pParent = GetParent();
    CRect rc(lpCreateStruct->x, lpCreateStruct->y, lpCreateStruct->x + lpCreateStruct->cx,
             lpCreateStruct->y + lpCreateStruct->cy);
    const DWORD visible = lpCreateStruct->style & WS_VISIBLE;
    if (!m_scrollWnd.Create(visible | LU_SCROLLWND_CUSTOM, rc, pParent, 0))
        return -1;
    SetParent(&m_scrollWnd);
    m_scrollWnd.SetChild(this);
    m_bHooked = TRUE;
    return 0;
}

// ---- Sizes and positions ----

void CLuScrollView::SetScrollSizes(CSize sizeTotal, CSize sizePage, CSize sizeLine)
{
    m_sizeTotal = CSize(std::max(0L, sizeTotal.cx), std::max(0L, sizeTotal.cy));
    m_sizePage = CSize(sizePage.cx > 0 ? sizePage.cx : m_sizeTotal.cx / 10, sizePage.cy > 0 ? sizePage.cy : m_sizeTotal.cy / 10);
    m_sizeLine = CSize(sizeLine.cx > 0 ? sizeLine.cx : m_sizePage.cx / 10, sizeLine.cy > 0 ? sizeLine.cy : m_sizePage.cy / 10);
    UpdateBars();
}

int CLuScrollView::Limit(int nBar) const
{
    CRect rc;
    GetClientRect(&rc);
    return nBar == SB_VERT ? std::max(0L, m_sizeTotal.cy - rc.Height()) : std::max(0L, m_sizeTotal.cx - rc.Width());
}

CPoint CLuScrollView::GetScrollPosition() const
{
    CLuScrollWnd& wnd = const_cast<CLuScrollWnd&>(m_scrollWnd);
    if (wnd.GetSafeHwnd() == nullptr)
        return CPoint(0, 0);
    return CPoint(wnd.GetScrollPos(SB_HORZ), wnd.GetScrollPos(SB_VERT));
}

void CLuScrollView::ScrollToPosition(CPoint pt)
{
    if (m_scrollWnd.GetSafeHwnd() == nullptr)
        return;
    const CPoint old = GetScrollPosition();
    pt.x = std::clamp(pt.x, 0L, static_cast<LONG>(Limit(SB_HORZ)));
    pt.y = std::clamp(pt.y, 0L, static_cast<LONG>(Limit(SB_VERT)));
    m_scrollWnd.SetScrollPos(SB_HORZ, pt.x);
    m_scrollWnd.SetScrollPos(SB_VERT, pt.y);
    const CPoint now = GetScrollPosition();
    if (now != old)
        ScrollWindow(old.x - now.x, old.y - now.y);
}

void CLuScrollView::UpdateBars()
{
    if (m_bInUpdate || m_scrollWnd.GetSafeHwnd() == nullptr)
        return;
    m_bInUpdate = TRUE;
    // The view's size with no bars decides which bars are needed; a needed bar takes room from
    // the other direction.
    CRect rcScroll;
    m_scrollWnd.GetClientRect(&rcScroll);
    bool needV = m_sizeTotal.cy > rcScroll.Height();
    bool needH = m_sizeTotal.cx > rcScroll.Width() - (needV ? LU_SCROLLBAR_SIZE : 0);
    needV = m_sizeTotal.cy > rcScroll.Height() - (needH ? LU_SCROLLBAR_SIZE : 0);
    const CSize client(rcScroll.Width() - (needV ? LU_SCROLLBAR_SIZE : 0), rcScroll.Height() - (needH ? LU_SCROLLBAR_SIZE : 0));
    const CPoint pos = GetScrollPosition();
    for (int nBar : {SB_HORZ, SB_VERT}) {
        const bool need = nBar == SB_VERT ? needV : needH;
        const int total = nBar == SB_VERT ? m_sizeTotal.cy : m_sizeTotal.cx;
        const int view = nBar == SB_VERT ? client.cy : client.cx;
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = need ? total : 0;
        si.nPage = need ? static_cast<UINT>(view) : 0;
        si.nPos = need ? std::clamp(nBar == SB_VERT ? pos.y : pos.x, 0L, static_cast<LONG>(std::max(0, total - view))) : 0;
        m_scrollWnd.EnableScrollBarCtrl(nBar, need);
        m_scrollWnd.SetScrollInfo(nBar, &si);
    }
    m_bInUpdate = FALSE;
    if (GetScrollPosition() != pos)
        Invalidate();
}

// ---- Messages ----

void CLuScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CLuScrollView::ScrollBy(int nBar, UINT nSBCode, UINT nPos)
{
    const CPoint pos = GetScrollPosition();
    const int current = nBar == SB_VERT ? pos.y : pos.x;
    const int line = nBar == SB_VERT ? m_sizeLine.cy : m_sizeLine.cx;
    const int page = nBar == SB_VERT ? m_sizePage.cy : m_sizePage.cx;
    int next = current;
    switch (nSBCode) {
    case SB_LINEUP: next = current - line; break;
    case SB_LINEDOWN: next = current + line; break;
    case SB_PAGEUP: next = current - page; break;
    case SB_PAGEDOWN: next = current + page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: next = static_cast<int>(nPos); break;
    case SB_TOP: next = 0; break;
    case SB_BOTTOM: next = Limit(nBar); break;
    default: return;
    }
    ScrollToPosition(nBar == SB_VERT ? CPoint(pos.x, next) : CPoint(next, pos.y));
}

void CLuScrollView::OnHScroll(UINT nSBCode, UINT nPos, CWnd*) { ScrollBy(SB_HORZ, nSBCode, nPos); }
void CLuScrollView::OnVScroll(UINT nSBCode, UINT nPos, CWnd*) { ScrollBy(SB_VERT, nSBCode, nPos); }

BOOL CLuScrollView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    const CPoint pos = GetScrollPosition();
    ScrollToPosition(CPoint(pos.x, pos.y - zDelta * kWheelLines * m_sizeLine.cy / WHEEL_DELTA));
    return TRUE;
}

void CLuScrollView::OnPaint()
{
    CPaintDC dc(this);
    const CPoint pos = GetScrollPosition();
    dc.SetViewportOrg(-pos.x, -pos.y);
    OnDraw(&dc);
}
