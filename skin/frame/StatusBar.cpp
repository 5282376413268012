// The status bar: panes, their layout and painting, the gripper, the window-text messages of
// the pane with ID 0, and the panes' command states.
#include "skin/frame/StatusBar.h"

#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/frame/FrameWnd.h"
#include "skin/theme/Theme.h"

#include <cwchar>
#include <string>

IMPLEMENT_DYNCREATE(CLuStatusBar, CLuControlBar)
LU_IMPLEMENT_CONTROL(CLuStatusBar)
LU_DEFAULT_INITCTRL(CLuStatusBar)
LU_PROVIDE_LIBRARY_CLASS(CLuStatusBar, LU_ROW_STATUSBAR, LuNewClassProc)

BEGIN_MESSAGE_MAP(CLuStatusBar, CLuControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

namespace {

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

}  // namespace

BOOL CLuStatusBar::Create(CWnd* pParent, UINT nID)
{
    CLuCreateBlock block(this);
    return CreateEx(0, LU_WNDCLASS_NAME("StatusBar"), nullptr, WS_CHILD | WS_VISIBLE | LU_STATUSBAR_STYLE,
                    CRect(0, 0, 0, 0), pParent, nID, &block);
}

BOOL CLuStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    BOOL bResult = TRUE;
    if (lpIDArray != nullptr) {
        HDC hScreen = ::GetDC(nullptr);
        {
            CLuAttachDC dc(hScreen);
            CScopedSelect font(dc, *Theme().GetThemeFont());
            for (int i = 0; i < nIDCount; ++i) {
                Pane pane;
                pane.nID = lpIDArray[i];
                if (pane.nID != 0) {
                    pane.strText = fx::LoadStringGbk(AfxGetResourceHandle(), pane.nID);
                    if (pane.strText.IsEmpty()) {
                        bResult = FALSE;
                        break;
                    }
                    pane.cxText = dc.GetTextExtent(pane.strText).cx + LU_SB_TEXT_PAD;
                } else {
                    pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
                    if (m_panes.empty())
                        pane.nStyle = LU_SBPS_STRETCH | LU_SBPS_NOBORDERS;
                }
                m_panes.push_back(pane);
            }
        }
        ::ReleaseDC(nullptr, hScreen);
    }
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

// ---- Pane queries ----

int CLuStatusBar::CommandToIndex(UINT nID) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (m_panes[i].nID == nID)
            return i;
    }
    return -1;
}

UINT CLuStatusBar::GetItemID(int nIndex) const { return IsValidIndex(nIndex) ? m_panes[nIndex].nID : 0; }

void CLuStatusBar::GetItemRect(int nIndex, RECT* pRect) const
{
    if (pRect == nullptr)
        return;
    *pRect = RECT{0, 0, 0, 0};
    if (!IsValidIndex(nIndex) || !SafeWnd())
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int left = nIndex == 0 ? rcClient.left : m_panes[nIndex - 1].xRight;
    *pRect = RECT{left, rcClient.top, m_panes[nIndex].xRight, rcClient.bottom};
}

void CLuStatusBar::GetPaneText(int nIndex, CString& rString) const
{
    rString = IsValidIndex(nIndex) ? m_panes[nIndex].strText : CString();
}

CString CLuStatusBar::GetPaneText(int nIndex) const
{
    CString text;
    GetPaneText(nIndex, text);
    return text;
}

void CLuStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    if (!IsValidIndex(nIndex)) {
        nID = 0;
        nStyle = 0;
        cxWidth = 0;
        return;
    }
    nID = m_panes[nIndex].nID;
    nStyle = m_panes[nIndex].nStyle;
    cxWidth = m_panes[nIndex].cxText;
}

UINT CLuStatusBar::GetPaneStyle(int nIndex) const { return IsValidIndex(nIndex) ? m_panes[nIndex].nStyle : 0; }

// ---- Pane changes ----

BOOL CLuStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    Pane& pane = m_panes[nIndex];
    const char* text = lpszNewText != nullptr ? lpszNewText : "";
    if (pane.strText == text)
        return TRUE;
    try {
        pane.strText = text;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    pane.bNeedRepaint = TRUE;
    if (bUpdate)
        RepaintPane(nIndex);
    return TRUE;
}

void CLuStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (!IsValidIndex(nIndex))
        return;
    Pane& pane = m_panes[nIndex];
    pane.nID = nID;
    const UINT nChanged = pane.nStyle ^ nStyle;
    const BOOL bWidth = pane.cxText != cxWidth;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    if ((nChanged & LU_SBPS_STRETCH) || bWidth)
        UpdateAllPanes(TRUE, FALSE);
    else if (nChanged != 0)
        RepaintPane(nIndex);
}

void CLuStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (!IsValidIndex(nIndex) || m_panes[nIndex].nStyle == nStyle)
        return;
    const UINT nChanged = m_panes[nIndex].nStyle ^ nStyle;
    m_panes[nIndex].nStyle = nStyle;
    if (nChanged & LU_SBPS_STRETCH)
        UpdateAllPanes(TRUE, FALSE);
    RepaintPane(nIndex);
}

// ---- Layout ----

void CLuStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (!SafeWnd())
        return;
    if (bUpdateRects) {
        CRect rc;
        GetClientRect(&rc);
        if (!m_bMaximized)
            rc.right -= LU_SB_GRIPPER_WIDTH;
        int nSpare = rc.Width();
        int nStretch = 0;
        for (const Pane& pane : m_panes) {
            nSpare -= pane.cxText + LU_SB_PANE_GAP;
            nStretch += (pane.nStyle & LU_SBPS_STRETCH) ? 1 : 0;
        }
        // The spare width is shared out as the stretch panes come; the rounding goes to the later ones.
        int x = rc.left;
        for (Pane& pane : m_panes) {
            x += pane.cxText + LU_SB_PANE_GAP;
            if ((pane.nStyle & LU_SBPS_STRETCH) && nStretch > 0) {
                const int nShare = nSpare / nStretch;
                x += nShare;
                nSpare -= nShare;
                --nStretch;
            }
            pane.xRight = x;
        }
        Invalidate(TRUE);
    }
    if (bUpdateText) {
        for (Pane& pane : m_panes)
            pane.bNeedRepaint = TRUE;
        Invalidate(FALSE);
    }
}

void CLuStatusBar::OnSizeType(UINT nType)
{
    const BOOL bMaximized = nType == SIZE_MAXIMIZED;
    if (bMaximized == m_bMaximized)
        return;
    m_bMaximized = bMaximized;
    UpdateAllPanes(TRUE, FALSE);
}

void CLuStatusBar::OnSize(UINT, int, int) { UpdateAllPanes(TRUE, FALSE); }

// ---- Painting ----

void CLuStatusBar::PaintBackground(CDC& dc)
{
    CRect rc;
    GetClientRect(&rc);
    _LUDRAW_PARAM p;
    if (!m_bMaximized) {
        p.rect = CRect(rc.right - LU_SB_GRIPPER_WIDTH, rc.top, rc.right, rc.bottom);
        Theme().DrawStatusBarGripper(dc, p);
        rc.right -= LU_SB_GRIPPER_WIDTH;
    }
    p.rect = rc;
    p.nBkColor = LUCLR_FACE;
    Theme().FillClient(dc, p);
}

void CLuStatusBar::PaintPane(CDC& dc, int nIndex)
{
    if (!IsValidIndex(nIndex))
        return;
    Pane& pane = m_panes[nIndex];
    pane.bNeedRepaint = FALSE;
    CRect rc;
    GetItemRect(nIndex, &rc);
    _LUDRAW_PARAM p;
    p.rect = rc;
    p.rcText = CRect(rc.left + 1, rc.top, rc.right - 4, rc.bottom);
    p.nBkColor = LUCLR_FACE;
    if (!(pane.nStyle & LU_SBPS_DISABLED))
        p.strText = pane.strText;
    Theme().DrawText(dc, p);
    if (nIndex + 1 < GetCount()) {
        _LUDRAW_PARAM sep;
        sep.rect = CRect(rc.right - 2, rc.top, rc.right, rc.bottom);
        Theme().DrawSeparator(dc, sep);
    }
}

void CLuStatusBar::PaintNonClient(CDC& dc)
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    _LUDRAW_PARAM p;
    p.rect = CRect(0, 0, rcWindow.Width(), rcWindow.Height());
    p.dwData = LU_SB_BORDER;
    Theme().DrawNcStatusBar(dc, p);
}

void CLuStatusBar::RepaintPane(int nIndex)
{
    if (!SafeVisible())
        return;
    CClientDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.IntersectClipRect(&rc);  // the class paints with its parent's clipping
    PaintPane(dc, nIndex);
}

void CLuStatusBar::OnPaint()
{
    CPaintDC dc(this);
    if (dc.m_bPrinting)
        PaintBackground(dc);
    for (int i = 0; i < GetCount(); ++i)
        PaintPane(dc, i);
}

BOOL CLuStatusBar::OnEraseBkgnd(CDC* pDC)
{
    PaintBackground(*pDC);
    return TRUE;
}

void CLuStatusBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rc = lpncsp->rgrc[0];
    rc.left += LU_SB_BORDER;
    rc.top += LU_SB_BORDER;
    rc.right -= LU_SB_BORDER;
    rc.bottom -= LU_SB_BORDER;
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
}

void CLuStatusBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    dc.ExcludeClipRect(&rcClient);
    PaintNonClient(dc);
}

// ---- Hit test and the gripper ----

LRESULT CLuStatusBar::OnNcHitTest(CPoint point)
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (!m_bMaximized && rcWindow.PtInRect(point) && point.x >= rcWindow.right - LU_SB_GRIPPER_HIT)
        return HTBOTTOMRIGHT;
    return HTCLIENT;
}

void CLuStatusBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    // The gripper sizes the frame the bar sits in, never the bar itself.
    if (nHitTest == HTBOTTOMRIGHT) {
        HWND hTop = LuLibAux::GetTopLevelParent(m_hWnd);
        if (hTop != m_hWnd && !::IsZoomed(hTop)) {
            ::SendMessageW(hTop, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, MAKELPARAM(point.x, point.y));
            return;
        }
    }
    Default();
}

// ---- The window text is the text of the pane with ID 0 ----

LRESULT CLuStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    const int nIndex = TextPaneIndex();
    if (nIndex < 0)
        return FALSE;
    const CString text = lParam != 0 ? fx::ToGbk(reinterpret_cast<LPCWSTR>(lParam)) : CString();
    return SetPaneText(nIndex, text, TRUE);
}

LRESULT CLuStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    auto* buffer = reinterpret_cast<LPWSTR>(lParam);
    const size_t nMax = wParam;
    if (buffer == nullptr || nMax == 0)
        return 0;
    const int nIndex = TextPaneIndex();
    const std::wstring text = nIndex >= 0 ? fx::ToWide(m_panes[nIndex].strText) : std::wstring();
    // At most nMax - 1 characters and the terminator; the result counts the characters only.
    const size_t nCopy = text.size() < nMax - 1 ? text.size() : nMax - 1;
    std::wmemcpy(buffer, text.c_str(), nCopy);
    buffer[nCopy] = L'\0';
    return static_cast<LRESULT>(nCopy);
}

LRESULT CLuStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    const int nIndex = TextPaneIndex();
    return nIndex >= 0 ? static_cast<LRESULT>(fx::ToWide(m_panes[nIndex].strText).size()) : 0;
}

// ---- Command states of the panes ----

void CLuStatusBar::OnUpdateCmdUI(CLuFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CLuStatusCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = m_panes[i].nID;
        // The text pane (ID 0) has no command: it is never disabled.
        if (state.m_nID == 0)
            continue;
        if (OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        if (pTarget != nullptr)
            state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

void CLuStatusCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    const int i = static_cast<int>(m_nIndex);
    if (m_pBar == nullptr || !m_pBar->IsValidIndex(i))
        return;
    const UINT nStyle = m_pBar->GetPaneStyle(i);
    m_pBar->SetPaneStyle(i, bOn ? (nStyle & ~LU_SBPS_DISABLED) : (nStyle | LU_SBPS_DISABLED));
}

void CLuStatusCmdUI::SetCheck(int nCheck)
{
    const int i = static_cast<int>(m_nIndex);
    if (m_pBar == nullptr || !m_pBar->IsValidIndex(i))
        return;
    const UINT nStyle = m_pBar->GetPaneStyle(i);
    m_pBar->SetPaneStyle(i, nCheck ? (nStyle | LU_SBPS_POPOUT) : (nStyle & ~LU_SBPS_POPOUT));
}

void CLuStatusCmdUI::SetText(LPCSTR lpszText)
{
    if (m_pBar != nullptr)
        m_pBar->SetPaneText(static_cast<int>(m_nIndex), lpszText, TRUE);
}
