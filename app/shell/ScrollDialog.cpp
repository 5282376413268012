#include "app/shell/ScrollDialog.h"

#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CScrollDialog, CLuDialog)

BEGIN_MESSAGE_MAP(CScrollDialog, CLuDialog)
    ON_WM_SIZE()
    ON_WM_MOUSEWHEEL()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

namespace {

const int WHEEL_NOTCH = 120;
const UINT WHEEL_KEY_FLAGS = MK_SHIFT | MK_CONTROL;  // 0x0C: a wheel with these held is not ours

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

// Asks the system once; the answer is kept for the process.
int FindWheelScrollLines()
{
    const UINT msg = ::RegisterWindowMessageW(L"MSH_SCROLL_LINES_MSG");
    if (msg != 0) {
        if (HWND hWheel = ::FindWindowW(L"MouseZ", L"Magellan MSWHEEL"))
            return static_cast<int>(::SendMessageW(hWheel, msg, 0, 0));
    }
    UINT nLines = 3;
    if (::GetSystemMetrics(SM_MOUSEWHEELPRESENT) && ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0))
        return static_cast<int>(nLines);
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &hKey) == ERROR_SUCCESS) {
        char text[16] = {};
        DWORD nSize = sizeof(text) - 1;
        DWORD nType = 0;
        if (::RegQueryValueExA(hKey, "WheelScrollLines", nullptr, &nType, reinterpret_cast<BYTE*>(text), &nSize) == ERROR_SUCCESS &&
            nType == REG_SZ)
            nLines = static_cast<UINT>(std::strtol(text, nullptr, 10));
        ::RegCloseKey(hKey);
    }
    return static_cast<int>(nLines);
}

}  // namespace

CScrollDialog::~CScrollDialog()
{
    // The dialog's window goes first: its end takes the host window with it while every member
    // is still whole.
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

BOOL CScrollDialog::Create(UINT nIDTemplate, CWnd* pParent)
{
    if (!m_wndHost.Create(HOST_STYLE, CRect(0, 0, 0, 0), pParent, 0))
        return FALSE;
    if (!CLuDialog::Create(nIDTemplate, &m_wndHost)) {
        m_wndHost.DestroyWindow();
        return FALSE;
    }
    HWND hDlg = GetSafeHwnd();
    ::SetWindowLongPtrW(hDlg, GWL_STYLE, WS_CHILD);
    ::SetWindowLongPtrW(hDlg, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    ::SetParent(hDlg, m_wndHost.GetSafeHwnd());
    m_wndHost.SetChild(this);
    m_pVertBar = m_wndHost.GetLuScrollBarCtrl(SB_VERT);
    m_pHorzBar = m_wndHost.GetLuScrollBarCtrl(SB_HORZ);
    UpdateBars();
    return TRUE;
}

BOOL CScrollDialogContext::Create(CWnd* pWnd, CWnd* pParent)
{
    CScrollDialog* pDialog = dynamic_cast<CScrollDialog*>(pWnd);
    return pDialog != nullptr && pDialog->Create(m_nIDTemplate, pParent);
}

LRESULT CScrollDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_wndHost.GetSafeHwnd() != nullptr && m_wndHost.GetChild() == this &&
        m_wndHost.HookMsg(message, wParam, lParam, &result))
        return result;
    return CLuDialog::WindowProc(message, wParam, lParam);
}

BOOL CScrollDialog::OnInitDialog()
{
    const BOOL result = CLuDialog::OnInitDialog();
    CRect rc;
    GetWindowRect(&rc);
    m_sizeClient = rc.Size();
    SetScrollSizes(MM_TEXT, rc.Size());
    return result;
}

int CScrollDialog::GetWheelScrollLines()
{
    static const int nLines = FindWheelScrollLines();
    return nLines;
}

int CScrollDialog::WheelDistance(int nDelta, int nScrollLines, int nLine, int nPage)
{
    const int nSign = nDelta < 0 ? -1 : 1;
    // Page mode first: -1 lines would otherwise turn into a backwards scroll.
    if (nScrollLines == -1)
        return nSign * nPage;
    const long long distance = static_cast<long long>(nDelta) * nScrollLines / WHEEL_NOTCH * nLine;
    const long long cap = nPage;
    return static_cast<int>(distance > cap ? cap : (distance < -cap ? -cap : distance));
}

void CScrollDialog::SetScrollSizes(int nMapMode, SIZE sizeTotal, SIZE sizePage, SIZE sizeLine)
{
    const int nOldMode = m_nMapMode;
    m_nMapMode = nMapMode;
    m_totalDev = sizeTotal;
    m_pageDev = sizePage;
    m_lineDev = sizeLine;
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = m_pageDev.cy / 10;
    if (GetSafeHwnd() == nullptr)
        return;
    UpdateBars();
    if (nOldMode != nMapMode)
        Invalidate();
    // The host lays the bars and the dialog out for the new sizes.
    if (m_wndHost.GetSafeHwnd() != nullptr)
        m_wndHost.RecalcLayout();
}

CSize CScrollDialog::ScrollLimit() const
{
    const int cx = m_totalDev.cx - m_sizeClient.cx;
    const int cy = m_totalDev.cy - m_sizeClient.cy;
    return CSize(cx > 0 ? cx : 0, cy > 0 ? cy : 0);
}

bool CScrollDialog::BarEnabled(int nBar) const
{
    const CLuScrollBar* pBar = GetBar(nBar);
    if (pBar != nullptr && pBar->GetSafeHwnd() != nullptr)
        return (pBar->GetStyle() & WS_VISIBLE) != 0 && pBar->IsWindowEnabled();
    return (GetStyle() & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
}

void CScrollDialog::UpdateBars()
{
    if (m_bInsideUpdate || GetSafeHwnd() == nullptr)
        return;
    m_bInsideUpdate = TRUE;
    ScrollToPosition(m_ptPos);
    for (int nBar : {SB_HORZ, SB_VERT}) {
        const bool bHorz = nBar == SB_HORZ;
        const CSize limit = ScrollLimit();
        const int nLimit = bHorz ? limit.cx : limit.cy;
        const int nTotal = bHorz ? m_totalDev.cx : m_totalDev.cy;
        CLuScrollBar* pBar = GetBar(nBar);
        if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
            continue;
        // Showing or hiding a bar changes the client size: the host lays out again, and the
        // dialog hears its new size (the re-entry is kept out by the flag).
        if (BarEnabled(nBar) != (nLimit > 0))
            m_wndHost.EnableScrollBarCtrl(nBar, nLimit > 0 ? TRUE : FALSE);
        SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
        si.nMax = nLimit > 0 ? nTotal - 1 : 0;
        si.nPage = nLimit > 0 ? static_cast<UINT>(nTotal - nLimit) : 0;
        si.nPos = bHorz ? m_ptPos.x : m_ptPos.y;
        pBar->SetScrollInfo(&si, TRUE);
    }
    m_bInsideUpdate = FALSE;
}

void CScrollDialog::ScrollToPosition(CPoint pt)
{
    const CSize limit = ScrollLimit();
    const CPoint target(Clamp(pt.x, 0, limit.cx), Clamp(pt.y, 0, limit.cy));
    if (target == m_ptPos)
        return;
    const CPoint old = m_ptPos;
    m_ptPos = target;
    if (GetSafeHwnd() == nullptr)
        return;
    ScrollWindow(old.x - target.x, old.y - target.y);
    if (m_pHorzBar != nullptr && m_pHorzBar->GetSafeHwnd() != nullptr)
        m_pHorzBar->SetScrollPos(target.x, TRUE);
    if (m_pVertBar != nullptr && m_pVertBar->GetSafeHwnd() != nullptr)
        m_pVertBar->SetScrollPos(target.y, TRUE);
}

void CScrollDialog::OnSize(UINT nType, int cx, int cy)
{
    CLuDialog::OnSize(nType, cx, cy);
    m_sizeClient = CSize(cx, cy);
    UpdateBars();
}

BOOL CScrollDialog::OnMouseWheel(UINT nFlags, short zDelta, CPoint)
{
    if (nFlags & WHEEL_KEY_FLAGS)
        return FALSE;
    const int nLines = GetWheelScrollLines();
    CPoint target = m_ptPos;
    if (BarEnabled(SB_VERT))
        target.y -= WheelDistance(zDelta, nLines, m_lineDev.cy, m_pageDev.cy);
    else if (BarEnabled(SB_HORZ))
        target.x -= WheelDistance(zDelta, nLines, m_lineDev.cx, m_pageDev.cx);
    else
        return FALSE;
    ScrollToPosition(target);
    UpdateWindow();
    return TRUE;
}

int CScrollDialog::ScrollBarTarget(UINT nSBCode, UINT nThumb, int nCurrent, int nLine, int nPage, int nMax)
{
    switch (nSBCode) {
    case SB_LINEUP: return nCurrent - nLine;
    case SB_LINEDOWN: return nCurrent + nLine;
    case SB_PAGEUP: return nCurrent - nPage;
    case SB_PAGEDOWN: return nCurrent + nPage;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return static_cast<int>(nThumb);
    case SB_TOP: return 0;
    case SB_BOTTOM: return nMax;
    default: return nCurrent;
    }
}

void CScrollDialog::OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    // A bar that belongs to a child control is that control's business.
    if (pScrollBar != nullptr && pScrollBar->SendMessage(WM_REFLECT_BASE + WM_VSCROLL, MAKEWPARAM(nSBCode, nPos), 0))
        return;
    const int y = ScrollBarTarget(nSBCode, nPos, m_ptPos.y, m_lineDev.cy, m_pageDev.cy, ScrollLimit().cy);
    ScrollToPosition(CPoint(m_ptPos.x, y));
}

void CScrollDialog::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    if (pScrollBar != nullptr && pScrollBar->SendMessage(WM_REFLECT_BASE + WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), 0))
        return;
    const int x = ScrollBarTarget(nSBCode, nPos, m_ptPos.x, m_lineDev.cx, m_pageDev.cx, ScrollLimit().cx);
    ScrollToPosition(CPoint(x, m_ptPos.y));
}

BOOL CScrollDialog::OnScrollKey(UINT nChar)
{
    const CSize limit = ScrollLimit();
    CPoint target = m_ptPos;
    switch (nChar) {
    case VK_PRIOR: target.y -= m_pageDev.cy; break;
    case VK_NEXT: target.y += m_pageDev.cy; break;
    case VK_HOME: target.y = 0; break;
    case VK_END: target.y = limit.cy; break;
    case VK_LEFT: target.x -= m_lineDev.cx; break;
    case VK_RIGHT: target.x += m_lineDev.cx; break;
    case VK_UP: target.y -= m_lineDev.cy; break;
    case VK_DOWN: target.y += m_lineDev.cy; break;
    default: return FALSE;
    }
    const CPoint before = m_ptPos;
    ScrollToPosition(target);
    if (m_ptPos != before)
        UpdateWindow();
    return TRUE;
}

BOOL CScrollDialog::PreTranslateMessage(MSG* pMsg)
{
    // Scrolling keys aimed at the dialog itself (not at one of its controls).
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == GetSafeHwnd() && OnScrollKey(static_cast<UINT>(pMsg->wParam)))
        return TRUE;
    return CLuDialog::PreTranslateMessage(pMsg);
}

IMPLEMENT_DYNAMIC(CWorkBase, CScrollDialog)

BEGIN_MESSAGE_MAP(CWorkBase, CScrollDialog)
    ON_WM_ERASEBKGND()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

BOOL CWorkBase::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, CLuThemeManager::Instance()->GetTheme()->GetThemeColor(LUCLR_FACE));
    return TRUE;
}

void CWorkBase::OnNcPaint()
{
    Default();
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    CLuPainter::DrawRect(dc, rc, CLuThemeManager::Instance()->GetTheme()->GetThemeColor(LUCLR_BORDER));
}
