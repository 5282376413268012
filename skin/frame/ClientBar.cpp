// A side bar of the client window: its slice of the client area, caption strip, close box and
// splitter, its child, and the taking out and docking back of that child as a floating window.
#include "skin/frame/ClientWnd.h"

#include "skin/core/CreateContext.h"
#include "skin/core/LuLibAux.h"
#include "skin/theme/Theme.h"

#include <algorithm>
#include <set>

namespace {

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

// Bars whose child floats. A floating window is a top-level window the library made out of a
// child, so it goes with the library at the latest.
// Never destroyed: bars of objects that live until the process ends still leave it then.
std::set<CLuClientBar*>& FloatingBars()
{
    static auto* bars = new std::set<CLuClientBar*>;
    return *bars;
}

void CloseFloatingBars()
{
    const std::set<CLuClientBar*> bars = FloatingBars();
    for (CLuClientBar* pBar : bars)
        pBar->DestroyChild();
    FloatingBars().clear();
}

void WatchFloating(CLuClientBar* pBar, bool bFloating)
{
    static const bool bHooked = (LuAddUninitHook(&CloseFloatingBars), true);
    (void)bHooked;
    if (bFloating)
        FloatingBars().insert(pBar);
    else
        FloatingBars().erase(pBar);
}

BOOL IsLive(const CWnd* pWnd) { return pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd()); }

}  // namespace

BOOL CLuClientBar::IsAlive(const CWnd* pWnd, HWND hWnd)
{
    return pWnd != nullptr && hWnd != nullptr && ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pWnd;
}

BOOL CLuSetParentAux::SetParentWnd(CWnd* pWnd, CWnd* pNewParent)
{
    return pWnd != nullptr && ::SetParent(pWnd->GetSafeHwnd(), CWnd::SafeHwnd(pNewParent)) != nullptr;
}

CLuClientBar::~CLuClientBar() { FloatingBars().erase(this); }

void CLuClientBar::ResetBar()
{
    DestroyChild();
    CancelTracking();
    CRect rcNone;
    m_splitter.OnSize(rcNone);
    m_closeBox.OnSize(rcNone);
    m_pNext = nullptr;
    m_dwStyle = 0;
    m_nCurSize = 0;
    m_rcBar.SetRectEmpty();
    m_rcCaption.SetRectEmpty();
    m_rcTitle.SetRectEmpty();
    m_rcChild.SetRectEmpty();
    m_strTitle = "";
    m_pOwner = nullptr;
    m_bVisible = FALSE;
    m_nRestoreSize = 0;
    m_bDocked = TRUE;
    m_splitter.InitSplitter(nullptr, FALSE);
    m_closeBox.InitButton(nullptr, LU_CB_CLOSEBOX_ID);
}

void CLuClientBar::InitBar(CLuClientWnd* pOwner, bar_pos nPos, DWORD dwStyle, int nSize, LPCSTR lpszTitle)
{
    m_pOwner = pOwner;
    m_dwStyle = (dwStyle & ~static_cast<DWORD>(LU_CBS_SIDE_MASK)) | static_cast<DWORD>(nPos);
    m_nCurSize = nSize;
    m_strTitle = lpszTitle != nullptr ? lpszTitle : "";
    m_splitter.InitSplitter(this, IsHorz());
    m_closeBox.InitButton(this, LU_CB_CLOSEBOX_ID, IsHorz());
}

// ---- State ----

int CLuClientBar::GetCurSize() const { return m_nCurSize; }
BOOL CLuClientBar::IsSizable() const { return (m_dwStyle & LU_CBS_SPLITTER) != 0; }
BOOL CLuClientBar::IsVisual() const { return m_bVisible; }
BOOL CLuClientBar::HasChild() const { return ChildAlive(); }
CWnd* CLuClientBar::GetChild() const { return ChildAlive() ? m_pChild : nullptr; }
BOOL CLuClientBar::IsDocked() const { return m_bDocked; }
CString CLuClientBar::GetTitle() const { return m_strTitle; }

void CLuClientBar::Relayout()
{
    if (m_pOwner == nullptr || !IsLive(m_pOwner))
        return;
    m_pOwner->ReCalcLayout(TRUE);
    m_pOwner->Invalidate(FALSE);
}

void CLuClientBar::ShowClientBar(BOOL bShow)
{
    m_bVisible = bShow;
    if (ChildAlive())
        ::ShowWindow(m_hChild, bShow ? SW_SHOWNA : SW_HIDE);
    Relayout();
}

void CLuClientBar::SetCurSize(int nSize)
{
    if (!m_bDocked) {
        m_nRestoreSize = nSize;
        return;
    }
    if (nSize == m_nCurSize)
        return;
    m_nCurSize = nSize;
    Relayout();
}

BOOL CLuClientBar::IsFloatBarVisual() const
{
    return !m_bDocked && FloatAlive() && ::IsWindowVisible(m_hFloat);
}

void CLuClientBar::ShowFloatBar(BOOL bShow)
{
    if (FloatAlive())
        ::ShowWindow(m_hFloat, bShow ? SW_SHOW : SW_HIDE);
}

void CLuClientBar::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle != nullptr ? lpszTitle : "";
    if (IsLive(m_pOwner))
        m_pOwner->InvalidateRect(&m_rcCaption, FALSE);
}

// ---- Child ----

CWnd* CLuClientBar::CreateChild(CLuCContext* pContext)
{
    if (ChildAlive() || FloatAlive() || m_pOwner == nullptr)
        return GetChild();
    int bCustom = 0;
    CWnd* pWnd = LuLibAux::CreateWnd(pContext, m_pOwner, bCustom);
    // A window that did not come leaves nothing: the library's objects without one are gone
    // already, the caller's stay the caller's.
    if (!IsLive(pWnd))
        return nullptr;
    SetChild(pWnd);
    m_bCustom = bCustom != 0;
    HWND hWnd = m_hChild;
    ::SetWindowLongW(hWnd, GWL_EXSTYLE, ::GetWindowLongW(hWnd, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    if (m_bVisible)
        ::SetWindowPos(hWnd, nullptr, m_rcChild.left, m_rcChild.top, m_rcChild.Width(), m_rcChild.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    else
        ::ShowWindow(hWnd, SW_HIDE);
    RECT rcFloat{0, 0, 0, 0};
    ::SendMessageW(hWnd, LU_WM_BARDOCK, 1, reinterpret_cast<LPARAM>(&rcFloat));
    if (IsLive(m_pOwner))
        m_pOwner->InvalidateRect(&m_rcChild, FALSE);
    return GetChild();
}

void CLuClientBar::DestroyChild()
{
    const BOOL bFloating = m_pFloatWnd != nullptr;
    CWnd* pWnd = bFloating ? m_pFloatWnd : m_pChild;
    const BOOL bAlive = bFloating ? FloatAlive() : ChildAlive();
    if (pWnd == nullptr)
        return;
    if (bFloating) {
        // Gone while floating: the bar is a docked, empty bar of its old size again (still hidden).
        m_bDocked = TRUE;
        m_nCurSize = m_nRestoreSize;
        WatchFloating(this, false);
    }
    SetChild(nullptr);
    SetFloat(nullptr);
    if (m_pOwner != nullptr)
        m_pOwner->ForgetChild(pWnd);
    const BOOL bCustom = m_bCustom;
    m_bCustom = FALSE;
    // A window that went by itself may have taken its object along: only a live one is touched.
    if (bAlive)
        LuLibAux::DestoryWnd(pWnd, bCustom);
    if (IsLive(m_pOwner))
        m_pOwner->InvalidateRect(&m_rcBar, FALSE);
}

BOOL CLuClientBar::DockClientBar(BOOL bDock)
{
    if ((bDock != FALSE) == (m_bDocked != FALSE))
        return TRUE;
    RECT rcFloat{0, 0, 0, 0};
    if (!bDock) {
        if (!ChildAlive())
            return FALSE;
        CWnd* pWnd = m_pChild;
        HWND hWnd = m_hChild;
        SetFloat(pWnd);
        SetChild(nullptr);
        m_bDocked = FALSE;
        m_nRestoreSize = m_nCurSize;
        m_nCurSize = 0;
        WatchFloating(this, true);
        ::SendMessageW(hWnd, LU_WM_BARDOCK, 0, reinterpret_cast<LPARAM>(&rcFloat));
        // A child that names no place floats where it is on the screen now.
        if (::IsRectEmpty(&rcFloat))
            ::GetWindowRect(hWnd, &rcFloat);
        ::SetWindowLongW(hWnd, GWL_STYLE, (::GetWindowLongW(hWnd, GWL_STYLE) & ~WS_CHILD) | WS_VISIBLE);
        ::SetParent(hWnd, nullptr);
        ::SetWindowPos(hWnd, nullptr, rcFloat.left, rcFloat.top, rcFloat.right - rcFloat.left,
                       rcFloat.bottom - rcFloat.top, SWP_NOZORDER | SWP_SHOWWINDOW);
        m_pOwner->ForgetChild(pWnd);
        ShowClientBar(FALSE);
    } else {
        if (!FloatAlive() || ChildAlive())
            return FALSE;
        CWnd* pWnd = m_pFloatWnd;
        HWND hWnd = m_hFloat;
        SetChild(pWnd);
        SetFloat(nullptr);
        m_bDocked = TRUE;
        m_nCurSize = m_nRestoreSize;
        WatchFloating(this, false);
        ::SendMessageW(hWnd, LU_WM_BARDOCK, 1, reinterpret_cast<LPARAM>(&rcFloat));
        ::SetWindowLongW(hWnd, GWL_STYLE, ::GetWindowLongW(hWnd, GWL_STYLE) | WS_CHILD | WS_VISIBLE);
        ::SetParent(hWnd, m_pOwner->GetSafeHwnd());
        ShowClientBar(TRUE);
    }
    if (CWnd* pTop = m_pOwner->GetTopLevelParent())
        ::SetActiveWindow(pTop->GetSafeHwnd());
    return TRUE;
}

// ---- Layout ----

void CLuClientBar::Layout(CRect& rcFree, BOOL bRedraw)
{
    const bar_pos nPos = GetPos();
    const int nExtent = IsHorz() ? rcFree.Height() : rcFree.Width();
    const int nSize = std::clamp(m_nCurSize, 0, std::max(0, nExtent));
    CRect rc(rcFree);
    switch (nPos) {
    case BAR_TOP: rc.bottom = rc.top + nSize; rcFree.top += nSize; break;
    case BAR_LEFT: rc.right = rc.left + nSize; rcFree.left += nSize; break;
    case BAR_BOTTOM: rc.top = rc.bottom - nSize; rcFree.bottom -= nSize; break;
    default: rc.left = rc.right - nSize; rcFree.right -= nSize; break;
    }
    m_rcBar = rc;

    // The splitter on the edge facing the main area; the caption strip never covers it.
    CRect inner(rc), rcSplit(0, 0, 0, 0);
    if (IsSizable()) {
        const int s = std::min(LU_CB_SPLITTER, nSize);
        switch (nPos) {
        case BAR_TOP: rcSplit = CRect(rc.left, rc.bottom - s, rc.right, rc.bottom); inner.bottom -= s; break;
        case BAR_LEFT: rcSplit = CRect(rc.right - s, rc.top, rc.right, rc.bottom); inner.right -= s; break;
        case BAR_BOTTOM: rcSplit = CRect(rc.left, rc.top, rc.right, rc.top + s); inner.top += s; break;
        default: rcSplit = CRect(rc.left, rc.top, rc.left + s, rc.bottom); inner.left += s; break;
        }
    }
    m_splitter.OnSize(rcSplit);

    m_rcCaption.SetRectEmpty();
    m_rcTitle.SetRectEmpty();
    CRect rcClose(0, 0, 0, 0);
    m_rcChild = inner;
    if (m_dwStyle & LU_CBS_CAPTION) {
        m_rcCaption = inner;
        if (IsHorz()) {
            m_rcCaption.right = std::min(inner.right, inner.left + LU_CB_CAPTION);
            m_rcChild.left = m_rcCaption.right;
        } else {
            m_rcCaption.bottom = std::min(inner.bottom, inner.top + LU_CB_CAPTION);
            m_rcChild.top = m_rcCaption.bottom;
        }
        CRect cd(m_rcCaption);
        cd.DeflateRect(2, 2);
        if (HasCloseBox()) {
            rcClose = IsHorz() ? CRect(cd.left + (cd.Width() - LU_CB_CLOSEBOX) / 2, cd.top, 0, 0)
                               : CRect(cd.right - LU_CB_CLOSEBOX, cd.top + (cd.Height() - LU_CB_CLOSEBOX) / 2, 0, 0);
            rcClose.right = rcClose.left + LU_CB_CLOSEBOX;
            rcClose.bottom = rcClose.top + LU_CB_CLOSEBOX;
        }
        if ((m_dwStyle & LU_CBS_TITLE) && !IsHorz())
            m_rcTitle = CRect(cd.left + 5, cd.top, cd.right - LU_CB_CLOSEBOX, cd.bottom);
    }
    m_closeBox.OnSize(rcClose);
    if (ChildAlive())
        m_pOwner->MoveChild(m_pChild, m_rcChild, bRedraw);
}

// ---- Painting ----

void CLuClientBar::PaintCaption(CDC& dc)
{
    if (!(m_dwStyle & LU_CBS_CAPTION) || m_rcCaption.IsRectEmpty())
        return;
    _LUDRAW_PARAM p;
    p.rect = m_rcCaption;
    p.bHorz = IsHorz();
    p.bEnabled = TRUE;
    if (!m_rcTitle.IsRectEmpty()) {
        p.rcText = m_rcTitle;
        p.strText = m_strTitle;
    }
    Theme().DrawCaption2(dc, p);
    if (HasCloseBox() && CloseBoxPainted())
        m_closeBox.OnPaint(dc);
}

void CLuClientBar::Paint(CDC& dc)
{
    if (!m_bVisible || m_rcBar.IsRectEmpty())
        return;
    PaintCaption(dc);
    if (!ChildAlive()) {
        _LUDRAW_PARAM p;
        p.rect = m_rcChild;
        p.nBkColor = LUCLR_FACE;
        Theme().FillClient(dc, p);
    }
    if (IsSizable())
        m_splitter.OnPaint(dc);
}

// ---- Mouse ----

void CLuClientBar::OnMouseMessage(UINT message, UINT nFlags, CPoint point)
{
    if (!m_bVisible)
        return;
    auto relay = [&](auto& widget) {
        switch (message) {
        case WM_MOUSEMOVE: widget.OnMoseMove(nFlags, point); break;
        case WM_LBUTTONDOWN: widget.OnLButtonDown(nFlags, point); break;
        case WM_LBUTTONUP: widget.OnLButtonUp(nFlags, point); break;
        case WM_RBUTTONDOWN: widget.OnRButtonDown(nFlags, point); break;
        case WM_RBUTTONUP: widget.OnRButtonUp(nFlags, point); break;
        default: break;
        }
    };
    if (IsSizable())
        relay(m_splitter);
    if (HasCloseBox() && m_bVisible)
        relay(m_closeBox);
}

void CLuClientBar::CancelTracking()
{
    m_splitter.CancelTracking();
    m_closeBox.CancelTracking();
}

// ---- Sink ----

void CLuClientBar::OnReLayout(POINT pt)
{
    if (m_pOwner == nullptr)
        return;
    int nSize = m_nCurSize;
    switch (GetPos()) {
    case BAR_LEFT: nSize = pt.x - m_rcBar.left + 2; break;
    case BAR_BOTTOM: nSize = m_rcBar.bottom - pt.y + 2; break;
    case BAR_RIGHT: nSize = m_rcBar.right - pt.x + 2; break;
    default: nSize = pt.y - m_rcBar.top + 2; break;
    }
    nSize = std::max(nSize, m_nMinSize);
    nSize = std::min(nSize, m_pOwner->GetMaxSize(GetPos()));
    if (nSize != m_nCurSize) {
        m_nCurSize = nSize;
        Relayout();
    }
}

BOOL CLuClientBar::IsCapture() { return m_pOwner != nullptr && ::GetCapture() == m_pOwner->GetSafeHwnd(); }

void CLuClientBar::Capture()
{
    if (m_pOwner != nullptr)
        ::SetCapture(m_pOwner->GetSafeHwnd());
}

void CLuClientBar::RelsCapture()
{
    if (IsCapture())
        ::ReleaseCapture();
}

void CLuClientBar::OnClick(UINT) { ShowClientBar(FALSE); }

CWnd* CLuClientBar::GetSinkWnd() { return m_pOwner; }

void CLuClientBar::RedrawSinkButton(UINT)
{
    if (!IsLive(m_pOwner) || !m_bVisible)
        return;
    CClientDC dc(m_pOwner);
    CRect rcClient;
    m_pOwner->GetClientRect(&rcClient);
    dc.IntersectClipRect(&rcClient);  // the class paints with its parent's clipping
    PaintCaption(dc);
}

POINT CLuClientBar::GetSinkCursorPos()
{
    POINT pt{0, 0};
    ::GetCursorPos(&pt);
    if (m_pOwner != nullptr)
        ::ScreenToClient(m_pOwner->GetSafeHwnd(), &pt);
    return pt;
}
