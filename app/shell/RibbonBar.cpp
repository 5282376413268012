#include "app/shell/RibbonBar.h"

#include "app/shell/ShellControls.h"
#include "skin/core/CreateContext.h"
#include "skin/frame/FrameWnd.h"
#include "skin/menu/ToolBar.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

IMPLEMENT_DYNCREATE(CRibbonBar, CLuControlBar)
LU_IMPLEMENT_CONTROL(CRibbonBar)
LU_DEFAULT_INITCTRL(CRibbonBar)

BEGIN_MESSAGE_MAP(CRibbonBar, CLuControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

CLuTheme* Theme() { return CLuThemeManager::Instance()->GetTheme(); }

}  // namespace

BOOL CRibbonBar::Register()
{
    return RegisterShellClass(RIBBON_BAR_CLASS, &LuNewClassProc<CRibbonBar>);
}

void CRibbonBar::Unregister()
{
    LuLibAux::UnregisterWndClass(RIBBON_BAR_CLASS);
}

BOOL CRibbonBar::Create(CWnd* pParent, UINT nID, DWORD dwStyle, int nFixedPageHeight)
{
    m_nFixedPageHeight = nFixedPageHeight;
    m_nPageHeight = nFixedPageHeight;
    m_hNotify = CWnd::SafeHwnd(pParent);
    CLuCreateBlock block(this);
    return CreateEx(0, RIBBON_BAR_CLASS, "", dwStyle | WS_CHILD, CRect(0, 0, 0, 0), pParent, nID, &block);
}

void CRibbonBar::OnUpdateCmdUI(CLuFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    for (const Tab& tab : m_tabs) {
        CLuToolBar* pBar = dynamic_cast<CLuToolBar*>(tab.pPage);
        if (pBar != nullptr && pBar->GetSafeHwnd() != nullptr)
            pBar->OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    }
}

BOOL CRibbonBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_hNotify == nullptr || !::IsWindow(m_hNotify))
        return CLuControlBar::OnCommand(wParam, lParam);
    ::SendMessageW(m_hNotify, WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CRibbonBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_hNotify == nullptr || !::IsWindow(m_hNotify))
        return CLuControlBar::OnNotify(wParam, lParam, pResult);
    *pResult = ::SendMessageW(m_hNotify, WM_NOTIFY, wParam, lParam);
    return TRUE;
}

// The height a page asks for: a bar's own layout, else its window's height.
static int PageHeight(CWnd* pPage)
{
    if (CLuControlBar* pBar = dynamic_cast<CLuControlBar*>(pPage))
        return pBar->CalcFixedLayout().cy;
    CRect rc;
    pPage->GetWindowRect(&rc);
    return rc.Height();
}

int CRibbonBar::AddTab(LPCSTR lpszCaption, CWnd* pToolBar)
{
    Tab tab;
    CString caption(lpszCaption != nullptr ? lpszCaption : "");
    tab.chAccel = LuLibAux::CalcAccVKey(caption);
    {
        CClientDC dc(nullptr);
        CScopedSelect font(dc, *Theme()->GetThemeFont());
        CLuPainter::MakeShortString(dc, caption, tab.strCaption, TAB_MAX_CAPTION);
        tab.nWidth = dc.GetTextExtent(tab.strCaption).cx + TAB_PADDING;
    }
    tab.pPage = pToolBar;
    if (pToolBar != nullptr && pToolBar->GetSafeHwnd() != nullptr) {
        pToolBar->SetParent(this);
        pToolBar->ShowWindow(SW_HIDE);
        if (m_nFixedPageHeight == 0 && PageHeight(pToolBar) > m_nPageHeight)
            m_nPageHeight = PageHeight(pToolBar);
    }
    m_nStripTotal += tab.nWidth;
    m_tabs.push_back(tab);
    RecalcLayout();
    if (GetSafeHwnd() != nullptr)
        Invalidate();
    return GetTabCount() - 1;
}

CWnd* CRibbonBar::GetTabPage(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetTabCount() ? m_tabs[nIndex].pPage : nullptr;
}

CString CRibbonBar::GetTabCaption(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetTabCount() ? m_tabs[nIndex].strCaption : CString();
}

char CRibbonBar::GetTabAccelerator(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetTabCount() ? m_tabs[nIndex].chAccel : 0;
}

void CRibbonBar::SelectTab(int nIndex, BOOL bForce)
{
    if (m_tabs.empty())
        return;
    if (nIndex < 0)
        nIndex = 0;
    else if (nIndex >= GetTabCount())
        nIndex = GetTabCount() - 1;
    if (nIndex == m_nSel && !bForce)
        return;
    const int nPrevious = m_nSel;
    m_nSel = nIndex;
    OnTabChanged(nPrevious);
    if (CWnd* pOld = GetTabPage(nPrevious); pOld != nullptr && nPrevious != m_nSel && pOld->GetSafeHwnd())
        pOld->ShowWindow(SW_HIDE);
    RecalcLayout();
    if (GetSafeHwnd() != nullptr) {
        Invalidate();
        // The selected page takes the keyboard, as a tab of a property sheet would.
        if (CWnd* pPage = GetTabPage(m_nSel); pPage != nullptr && pPage->GetSafeHwnd() != nullptr && IsWindowVisible())
            pPage->SetFocus();
    }
}

CRect CRibbonBar::StripRect() const
{
    CRect rc(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rc);
    rc.bottom = rc.top + STRIP_HEIGHT;
    return rc;
}

CRect CRibbonBar::GetTabRect(int nIndex) const
{
    const CRect strip = StripRect();
    int x = strip.left + FIRST_TAB_OFFSET + m_nScrollOffset;
    for (int i = 0; i < nIndex && i < GetTabCount(); ++i)
        x += m_tabs[i].nWidth;
    const int nWidth = nIndex >= 0 && nIndex < GetTabCount() ? m_tabs[nIndex].nWidth : 0;
    return CRect(x, strip.top + 1, x + nWidth, strip.bottom - STRIP_LINE);
}

CRect CRibbonBar::ScrollButtonRect(int nButton) const
{
    const CRect strip = StripRect();
    const int left = strip.right - SCROLL_BUTTONS_WIDTH + (nButton == 2 ? SCROLL_BUTTON : 0);
    const int top = strip.top + (strip.Height() - SCROLL_BUTTON) / 2;
    return CRect(left, top, left + SCROLL_BUTTON, top + SCROLL_BUTTON);
}

void CRibbonBar::RecalcLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CWnd* pPage = GetTabPage(m_nSel);
    if (pPage == nullptr || pPage->GetSafeHwnd() == nullptr)
        return;
    CRect rc;
    GetClientRect(&rc);
    pPage->SetWindowPos(nullptr, rc.left, rc.top + STRIP_HEIGHT, rc.Width(), m_nPageHeight,
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CRibbonBar::OnSize(UINT nType, int cx, int cy)
{
    CLuControlBar::OnSize(nType, cx, cy);
    RecalcLayout();
}

int CRibbonBar::TabFromPoint(CPoint point) const
{
    const CRect strip = StripRect();
    if (!strip.PtInRect(point) || point.x >= strip.right - SCROLL_BUTTONS_WIDTH)
        return -1;
    for (int i = 0; i < GetTabCount(); ++i) {
        if (GetTabRect(i).PtInRect(CPoint(point.x, strip.top + 1)))
            return i;
    }
    return -1;
}

int CRibbonBar::ScrollButtonFromPoint(CPoint point) const
{
    if (ScrollButtonRect(1).PtInRect(point))
        return 1;
    if (ScrollButtonRect(2).PtInRect(point))
        return 2;
    return 0;
}

void CRibbonBar::ScrollTabs(int nButton)
{
    const CRect strip = StripRect();
    const int room = strip.Width() - SCROLL_BUTTONS_WIDTH - FIRST_TAB_OFFSET;
    const int lowest = room < m_nStripTotal ? room - m_nStripTotal : 0;
    int offset = m_nScrollOffset + (nButton == 1 ? SCROLL_STEP : -SCROLL_STEP);
    offset = offset > 0 ? 0 : (offset < lowest ? lowest : offset);
    if (offset != m_nScrollOffset) {
        m_nScrollOffset = offset;
        Invalidate();
    }
}

void CRibbonBar::OnLButtonDown(UINT, CPoint point)
{
    SetCapture();
    const CRect strip = StripRect();
    // The tabs scroll only while they are wider than the strip's room.
    const bool bScrolling = m_nStripTotal > strip.Width() - SCROLL_BUTTONS_WIDTH - FIRST_TAB_OFFSET;
    if (const int nButton = ScrollButtonFromPoint(point); nButton != 0 && bScrolling) {
        m_nScrollPressed = nButton;
        ScrollTabs(nButton);
        SetTimer(SCROLL_TIMER, SCROLL_PERIOD);
        return;
    }
    const int nTab = TabFromPoint(point);
    if (nTab >= 0 && nTab != m_nSel)
        SelectTab(nTab);
}

void CRibbonBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != SCROLL_TIMER)
        return;
    POINT pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (m_nScrollPressed != 0 && ScrollButtonFromPoint(pt) == m_nScrollPressed)
        ScrollTabs(m_nScrollPressed);
}

void CRibbonBar::OnLButtonUp(UINT, CPoint)
{
    ::ReleaseCapture();
}

void CRibbonBar::OnCaptureChanged(CWnd*)
{
    if (m_nScrollPressed != 0)
        KillTimer(SCROLL_TIMER);
    m_nScrollPressed = 0;
}

int CRibbonBar::SelectByAccelerator(UINT nChar)
{
    const char ch = static_cast<char>(nChar >= 'a' && nChar <= 'z' ? nChar - ('a' - 'A') : nChar);
    for (int i = 0; i < GetTabCount(); ++i) {
        if (m_tabs[i].chAccel != 0 && m_tabs[i].chAccel == ch) {
            SelectTab(i);
            return i;
        }
    }
    return -1;
}

BOOL CRibbonBar::TranslateKey(const MSG* pMsg)
{
    if (pMsg == nullptr || m_tabs.empty() || GetSafeHwnd() == nullptr || !IsWindowVisible())
        return FALSE;
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_RIGHT)) {
        const int n = GetTabCount();
        const int cur = m_nSel < 0 ? 0 : m_nSel;
        SelectTab(pMsg->wParam == VK_LEFT ? (cur + n - 1) % n : (cur + 1) % n);
        return TRUE;
    }
    if (pMsg->message == WM_SYSKEYDOWN) {
        const UINT key = static_cast<UINT>(pMsg->wParam);
        if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
            return SelectByAccelerator(key) >= 0;
    }
    return FALSE;
}

BOOL CRibbonBar::TranslateMenuChar(UINT nChar, LRESULT* pResult)
{
    if (m_tabs.empty() || GetSafeHwnd() == nullptr || !IsWindowVisible())
        return FALSE;
    if (SelectByAccelerator(nChar) < 0)
        return FALSE;
    if (pResult)
        *pResult = MAKELRESULT(0, MNC_CLOSE);
    return TRUE;
}

void CRibbonBar::OnPaint()
{
    CPaintDC dc(this);
    DrawStrip(dc);
}

void CRibbonBar::DrawStrip(CDC& dc)
{
    CLuTheme* pTheme = Theme();
    const CRect strip = StripRect();
    CRect area(strip);
    area.OffsetRect(0, 1);
    const COLORREF face = pTheme->GetThemeColor(LUCLR_FACE);
    CLuPainter::GradientFill(dc, area, face, CLuPainter::LightColor(face, 80), FALSE);
    {
        const int nSaved = ::SaveDC(dc.GetSafeHdc());
        CLuPainter::SetClipBoxRect(dc, area);
        CScopedSelect font(dc, *pTheme->GetThemeFont());
        dc.SetBkMode(TRANSPARENT);
        for (int i = 0; i < GetTabCount(); ++i) {
            const CRect rc = GetTabRect(i);
            if (rc.left >= area.right)
                break;
            if (rc.right <= area.left)
                continue;
            CRect rcText(rc);
            rcText.InflateRect(TAB_PADDING, 0);
            DrawTab(dc, rc, rcText, m_tabs[i].strCaption, i == m_nSel);
        }
        ::RestoreDC(dc.GetSafeHdc(), nSaved);
    }
    dc.FillSolidRect(strip.left, strip.bottom - 2, strip.Width(), 1, pTheme->GetThemeColor(LUCLR_BORDER));
    dc.FillSolidRect(strip.left, strip.bottom - 1, strip.Width(), 1, pTheme->GetThemeColor(LUCLR_HIGHLIGHT));
    const COLORREF arrow = pTheme->GetThemeColor(LUCLR_TEXT);
    for (int nButton = 1; nButton <= 2; ++nButton) {
        const CRect rc = ScrollButtonRect(nButton);
        dc.FillSolidRect(rc.left, rc.top, rc.Width(), rc.Height(), face);
        const LUARROW kind = nButton == 1 ? LUARROW_LEFT : LUARROW_RIGHT;
        CLuPainter::DrawArrow(dc, CLuPainter::CenterPoint(rc, CLuPainter::ArrowSize(kind)), arrow, kind);
    }
}

void CRibbonBar::DrawTab(CDC& dc, const CRect& rc, const CRect& rcText, const CString& caption, BOOL bSelected)
{
    CLuTheme* pTheme = Theme();
    if (bSelected) {
        CLuPainter::DrawFillRect(dc, CRect(rc.left, rc.top + 2, rc.right, rc.bottom + STRIP_LINE),
                                 pTheme->GetThemeColor(LUCLR_BORDER), pTheme->GetThemeColor(LUCLR_WINDOW));
    }
    dc.SetTextColor(pTheme->GetThemeColor(LUCLR_TEXT));
    CRect text(rcText);
    dc.DrawText(caption, &text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
