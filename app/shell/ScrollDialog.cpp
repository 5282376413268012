#include "app/shell/ScrollDialog.h"

#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CScrollDialog, CDialog)

BEGIN_MESSAGE_MAP(CScrollDialog, CShellDialogBase)
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

BOOL CScrollDialog::Create(UINT nIDTemplate, CWnd* pParent)
{
    if (!CShellDialogBase::Create(nIDTemplate, pParent))
        return FALSE;
    ::SetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE, WS_CHILD);
    ::SetWindowLongPtrW(GetSafeHwnd(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    SetParent(pParent);
    return TRUE;
}

BOOL CScrollDialog::OnInitDialog()
{
    const BOOL result = CShellDialogBase::OnInitDialog();
    CRect rc;
    GetWindowRect(&rc);
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
}

CSize CScrollDialog::ScrollLimit() const
{
    CRect rc(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rc);
    const int cx = m_totalDev.cx - rc.Width();
    const int cy = m_totalDev.cy - rc.Height();
    return CSize(cx > 0 ? cx : 0, cy > 0 ? cy : 0);
}

void CScrollDialog::UpdateBars()
{
    if (m_bInsideUpdate || GetSafeHwnd() == nullptr)
        return;
    m_bInsideUpdate = TRUE;
    const CSize limit = ScrollLimit();
    ScrollToPosition(m_ptPos);
    for (int nBar = SB_HORZ; nBar <= SB_VERT; ++nBar) {
        SCROLLINFO si = {sizeof(si), SIF_ALL | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
        const bool bHorz = nBar == SB_HORZ;
        const int nLimit = bHorz ? limit.cx : limit.cy;
        si.nMax = nLimit > 0 ? (bHorz ? m_totalDev.cx : m_totalDev.cy) - 1 : 0;
        si.nPage = nLimit > 0 ? static_cast<UINT>((bHorz ? m_totalDev.cx : m_totalDev.cy) - nLimit) : 0;
        si.nPos = bHorz ? m_ptPos.x : m_ptPos.y;
        SetScrollInfo(nBar, &si, TRUE);
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
    SetScrollPos(SB_HORZ, target.x, TRUE);
    SetScrollPos(SB_VERT, target.y, TRUE);
}

void CScrollDialog::OnSize(UINT nType, int cx, int cy)
{
    CShellDialogBase::OnSize(nType, cx, cy);
    UpdateBars();
}

BOOL CScrollDialog::OnMouseWheel(UINT nFlags, short zDelta, CPoint)
{
    if (nFlags & WHEEL_KEY_FLAGS)
        return FALSE;
    const DWORD style = GetStyle();
    const CSize limit = ScrollLimit();
    const int nLines = GetWheelScrollLines();
    CPoint target = m_ptPos;
    if (limit.cy > 0 || (style & WS_VSCROLL))
        target.y -= WheelDistance(zDelta, nLines, m_lineDev.cy, m_pageDev.cy);
    else if (limit.cx > 0 || (style & WS_HSCROLL))
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
    return CShellDialogBase::PreTranslateMessage(pMsg);
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
