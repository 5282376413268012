// The per-side dock bar: rows of control bars, their placing and the paint of what they leave
// uncovered.
#include "skin/frame/DockBar.h"

#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/frame/FrameWnd.h"
#include "skin/theme/Theme.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CLuDockBar, CLuControlBar)
LU_IMPLEMENT_CONTROL(CLuDockBar)
LU_DEFAULT_INITCTRL(CLuDockBar)
LU_PROVIDE_LIBRARY_CLASS(CLuDockBar, LU_ROW_DOCKBAR, LuNewClassProc)

BEGIN_MESSAGE_MAP(CLuDockBar, CLuControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

namespace {

// A bar's extent along the dock bar (length) and across it (thickness).
struct BarExtent {
    int nLength;
    int nThick;
};

BarExtent ExtentOf(CLuControlBar* pBar, BOOL bHorz)
{
    const CSize size = pBar->CalcFixedLayout();
    return bHorz ? BarExtent{size.cx, size.cy} : BarExtent{size.cy, size.cx};
}

// Menu bars and status bars always have a row of their own.
BOOL EndsRow(CLuControlBar* pBar)
{
    const UINT type = pBar->GetBarType();
    return type == LU_BAR_MENUBAR || type == LU_BAR_STATUSBAR;
}

// Splits the bars into rows of their visible bars. An invisible bar takes no
// space and starts nothing, but a menu or status bar still ends the row it is in.
std::vector<std::vector<CLuControlBar*>> SplitRows(const std::vector<CLuControlBar*>& bars)
{
    std::vector<std::vector<CLuControlBar*>> rows;
    bool bBreak = true;
    for (CLuControlBar* pBar : bars) {
        const BOOL bVisible = CLuControlBar::IsBarVisible(pBar);
        if (bVisible) {
            if (bBreak || (pBar->GetBarStyle() & LU_CBRS_NEWROW))
                rows.emplace_back();
            rows.back().push_back(pBar);
            bBreak = false;
        }
        if (pBar != nullptr && EndsRow(pBar))
            bBreak = true;
    }
    return rows;
}

}  // namespace

BOOL CLuDockBar::Create(CWnd* pFrame, DWORD dwSide)
{
    CLuCreateBlock block(this);
    return CreateEx(0, LU_WNDCLASS_NAME("DockBar"), nullptr, WS_CHILD | WS_VISIBLE | (dwSide & LU_CBRS_SIDE_MASK),
                    CRect(0, 0, 0, 0), pFrame, 0, &block);
}

BOOL CLuDockBar::HasBar(const CLuControlBar* pBar) const
{
    return std::find(m_bars.begin(), m_bars.end(), pBar) != m_bars.end();
}

BOOL CLuDockBar::AddBar(CLuControlBar* pBar)
{
    if (pBar == nullptr || pBar->GetDockSide() != GetDockSide())
        return FALSE;
    if (HasBar(pBar))
        return TRUE;
    m_bars.push_back(pBar);
    if (pBar->SafeWnd())
        ::SetParent(pBar->m_hWnd, m_hWnd);
    m_bNeedLayout = TRUE;
    return TRUE;
}

BOOL CLuDockBar::RemoveBar(CLuControlBar* pBar)
{
    if (pBar == nullptr || pBar->GetDockSide() != GetDockSide())
        return FALSE;
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), pBar), m_bars.end());
    m_bNeedLayout = TRUE;
    return TRUE;
}

int CLuDockBar::GetCount() const { return static_cast<int>(m_bars.size()); }

CLuControlBar* CLuDockBar::GetControlBar(UINT nID) const
{
    for (CLuControlBar* pBar : m_bars) {
        if (pBar->SafeWnd() && static_cast<UINT>(::GetDlgCtrlID(pBar->m_hWnd)) == nID)
            return pBar;
    }
    return nullptr;
}

int CLuDockBar::CalcSize()
{
    int nThickness = 0;
    for (const auto& row : SplitRows(m_bars)) {
        int nRow = 0;
        for (CLuControlBar* pBar : row)
            nRow = std::max(nRow, ExtentOf(pBar, IsHorz()).nThick);
        nThickness += nRow;
    }
    m_nThickness = nThickness;
    return nThickness;
}

CSize CLuDockBar::CalcFixedLayout()
{
    const int n = CalcSize();
    return IsHorz() ? CSize(0, n) : CSize(n, 0);
}

void CLuDockBar::OnSizeType(UINT nType)
{
    m_nSizeType = nType;
    m_bNeedLayout = TRUE;
    if (nType == SIZE_MINIMIZED) {
        m_rgnFree.BeginSetRect();
        m_rgnFree.EndSetRect();
    }
}

void CLuDockBar::LayoutRows()
{
    m_bNeedLayout = FALSE;
    if (!SafeWnd())
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const BOOL bHorz = IsHorz();
    const int nDockLength = bHorz ? rcClient.Width() : rcClient.Height();
    m_rgnFree.BeginSetRect();
    if (m_bars.empty())
        m_rgnFree.SetRect(&rcClient);
    int nRowStart = 0;  // offset of the row across the dock bar
    for (const auto& row : SplitRows(m_bars)) {
        int nThick = 0, nSum = 0, nSharing = 0;
        for (CLuControlBar* pBar : row) {
            const BarExtent e = ExtentOf(pBar, bHorz);
            nThick = std::max(nThick, e.nThick);
            nSum += e.nLength;
            nSharing += (pBar->GetBarStyle() & LU_CBRS_FIXEDLEN) ? 0 : 1;
        }
        const int nSpare = nSharing > 0 ? (nDockLength - nSum) / nSharing : 0;
        int nPos = 0;
        for (CLuControlBar* pBar : row) {
            int nLength = ExtentOf(pBar, bHorz).nLength;
            if (!(pBar->GetBarStyle() & LU_CBRS_FIXEDLEN))
                nLength += nSpare;
            nLength = std::clamp(nLength, 0, std::max(0, nDockLength - nPos));
            pBar->OnSizeType(m_nSizeType);
            const CRect rc = bHorz ? CRect(nPos, nRowStart, nPos + nLength, nRowStart + nThick)
                                   : CRect(nRowStart, nPos, nRowStart + nThick, nPos + nLength);
            ::SetWindowPos(pBar->m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            nPos += nLength;
        }
        if (nPos < nDockLength) {
            CRect rcRest = bHorz ? CRect(nPos, nRowStart, nDockLength, nRowStart + nThick)
                                 : CRect(nRowStart, nPos, nRowStart + nThick, nDockLength);
            m_rgnFree.SetRect(&rcRest);
        }
        nRowStart += nThick;
    }
    m_rgnFree.EndSetRect();
    Invalidate(FALSE);
}

void CLuDockBar::PaintDock(CDC& dc)
{
    const COLORREF clrFace = CLuThemeManager::Instance()->GetTheme()->GetThemeColor(LUCLR_FACE);
    RECT rc;
    m_rgnFree.BeginGetRect();
    while (m_rgnFree.GetRect(&rc))
        dc.FillSolidRect(&rc, clrFace);
    m_rgnFree.EndGetRect();
}

void CLuDockBar::OnPaint()
{
    CPaintDC dc(this);
    PaintDock(dc);
}

BOOL CLuDockBar::OnEraseBkgnd(CDC*) { return TRUE; }

void CLuDockBar::OnSize(UINT, int, int) { LayoutRows(); }

void CLuDockBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    // No non-client area: the client rectangle is the window rectangle.
}

void CLuDockBar::OnUpdateCmdUI(CLuFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    // A copy: an update handler may dock or remove bars.
    const std::vector<CLuControlBar*> bars = m_bars;
    for (CLuControlBar* pBar : bars) {
        if (HasBar(pBar) && CLuControlBar::IsBarVisible(pBar))
            pBar->OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    }
}

BOOL CLuDockBar::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    for (CLuControlBar* pBar : m_bars) {
        if (pBar->SafeWnd() && pBar->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    return CLuControlBar::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- The manager ----

CLuDockBarMgr::~CLuDockBarMgr() { DeleteDockBars(); }

void CLuDockBarMgr::InitDockBarMgr(CLuFrameWnd* pFrame) { m_pFrame = pFrame; }

CLuDockBar* CLuDockBarMgr::GetDockBar(UINT nSide) const
{
    if (nSide >= LU_DOCK_SIDES)
        return nullptr;
    CLuDockBar* pDock = m_pDockBars[nSide];
    return CLuControlBar::IsBarAlive(pDock) ? pDock : nullptr;
}

void CLuDockBarMgr::Unlink(CLuDockBar* pDockBar)
{
    for (DOCKBAR_NODE** pp = &m_pFirst; *pp != nullptr; pp = &(*pp)->pNext) {
        if ((*pp)->pDockBar == pDockBar) {
            DOCKBAR_NODE* pNode = *pp;
            *pp = pNode->pNext;
            delete pNode;
            return;
        }
    }
}

BOOL CLuDockBarMgr::AddBar(CLuControlBar* pBar)
{
    if (pBar == nullptr)
        return FALSE;
    const UINT nSide = pBar->GetDockSide();
    if (nSide >= LU_DOCK_SIDES)
        return FALSE;
    CLuDockBar* pDock = GetDockBar(nSide);
    if (pDock == nullptr) {
        if (m_pFrame == nullptr || !::IsWindow(m_pFrame->GetSafeHwnd()))
            return FALSE;
        // A dock bar whose window is gone gives its slot and its place in the list to the new one.
        if (m_pDockBars[nSide] != nullptr) {
            Unlink(m_pDockBars[nSide]);
            delete m_pDockBars[nSide];
            m_pDockBars[nSide] = nullptr;
        }
        pDock = new CLuDockBar;
        if (!pDock->Create(m_pFrame, nSide)) {
            delete pDock;
            return FALSE;
        }
        m_pDockBars[nSide] = pDock;
        DOCKBAR_NODE** ppLast = &m_pFirst;
        while (*ppLast != nullptr)
            ppLast = &(*ppLast)->pNext;
        *ppLast = new DOCKBAR_NODE{pDock, nullptr};
    }
    return pDock->AddBar(pBar);
}

BOOL CLuDockBarMgr::RemoveBar(CLuControlBar* pBar)
{
    if (pBar == nullptr)
        return FALSE;
    CLuDockBar* pDock = GetDockBar(pBar->GetDockSide());
    return pDock != nullptr && pDock->RemoveBar(pBar);
}

void CLuDockBarMgr::RecalcLayout(CRect& rcFree, UINT nSizeType, HDWP* phDwp, UINT nSwpFlags)
{
    for (DOCKBAR_NODE* pNode = m_pFirst; pNode != nullptr; pNode = pNode->pNext) {
        CLuDockBar* pDock = pNode->pDockBar;
        if (!CLuControlBar::IsBarVisible(pDock))
            continue;
        const CSize size = pDock->CalcFixedLayout();
        CRect rc(rcFree);
        switch (pDock->GetDockSide()) {
        case LU_DOCK_TOP:
            rc.bottom = rc.top + size.cy;
            rcFree.top += size.cy;
            break;
        case LU_DOCK_LEFT:
            rc.right = rc.left + size.cx;
            rcFree.left += size.cx;
            break;
        case LU_DOCK_BOTTOM:
            rc.top = rc.bottom - size.cy;
            rcFree.bottom -= size.cy;
            break;
        default:
            rc.left = rc.right - size.cx;
            rcFree.right -= size.cx;
            break;
        }
        pDock->OnSizeType(nSizeType);
        if (phDwp != nullptr && *phDwp != nullptr)
            *phDwp = ::DeferWindowPos(*phDwp, pDock->m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), nSwpFlags);
        else
            ::SetWindowPos(pDock->m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), nSwpFlags);
    }
}

void CLuDockBarMgr::ForceLayout()
{
    for (DOCKBAR_NODE* pNode = m_pFirst; pNode != nullptr; pNode = pNode->pNext) {
        CLuDockBar* pDock = pNode->pDockBar;
        if (CLuControlBar::IsBarVisible(pDock) && pDock->NeedLayout())
            pDock->LayoutRows();
    }
}

void CLuDockBarMgr::OnUpdateCmdUI(CLuFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    for (DOCKBAR_NODE* pNode = m_pFirst; pNode != nullptr; pNode = pNode->pNext) {
        if (CLuControlBar::IsBarVisible(pNode->pDockBar))
            pNode->pDockBar->OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    }
}

CLuControlBar* CLuDockBarMgr::GetControlBar(UINT nID) const
{
    for (DOCKBAR_NODE* pNode = m_pFirst; pNode != nullptr; pNode = pNode->pNext) {
        if (CLuControlBar* pBar = pNode->pDockBar->GetControlBar(nID))
            return pBar;
    }
    return nullptr;
}

void CLuDockBarMgr::ShowAllDockBar(BOOL bShow)
{
    for (DOCKBAR_NODE* pNode = m_pFirst; pNode != nullptr; pNode = pNode->pNext)
        pNode->pDockBar->SafeShowBar(bShow);
}

void CLuDockBarMgr::DeleteDockBars()
{
    while (m_pFirst != nullptr) {
        DOCKBAR_NODE* pNode = m_pFirst;
        m_pFirst = pNode->pNext;
        // The window goes while the object is whole, so its own hooks see the end.
        if (pNode->pDockBar->SafeWnd())
            pNode->pDockBar->DestroyWindow();
        delete pNode->pDockBar;
        delete pNode;
    }
    for (CLuDockBar*& pDock : m_pDockBars)
        pDock = nullptr;
}
