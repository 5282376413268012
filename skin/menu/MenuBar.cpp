// CLuMenuBar: creation from a menu resource, the items' layout and state, and painting.
#include "skin/menu/MenuBar.h"

#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/core/LuLibAux.h"
#include "skin/frame/MenuBarLink.h"
#include "skin/menu/PlainNames.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CLuMenuBar, CLuControlBar)
LU_IMPLEMENT_CONTROL(CLuMenuBar)
LU_DEFAULT_INITCTRL(CLuMenuBar)
LU_PROVIDE_LIBRARY_CLASS(CLuMenuBar, LU_ROW_MENUBAR, LuNewClassProc)
// The frame makes, docks and keys its menu bar through this link.
LU_PROVIDE_MENUBAR(CLuMenuBar)

namespace {

typedef CLuPainter P;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }
COLORREF Color(UINT n) { return Theme().GetThemeColor(n); }

const int kBarTextExtra = 12;     // the bar is the text height of "A" plus this
const int kItemsLeft = 2;
const int kItemPaddingX = 8;      // each side of an item's text
const int kItemInsetY = 4;        // the item's band inside the bar
// Private message: open an item's popup from the keyboard (after WM_MENUCHAR).
const UINT kMsgOpenItem = WM_USER + 0x0101;

}  // namespace

BEGIN_MESSAGE_MAP(CLuMenuBar, CLuControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_MESSAGE(kMsgOpenItem, OnOpenItem)
END_MESSAGE_MAP()

CLuMenuBar::CLuMenuBar() = default;

CLuMenuBar::~CLuMenuBar()
{
    if (s_pTracking == this)
        s_pTracking = nullptr;
}

BOOL CLuMenuBar::Create(CWnd* pParent, DWORD dwStyle, UINT nIDMenu)
{
    if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
        return FALSE;
    {
        CLuCreateBlock block(this);
        // A visible child, as every bar the frame docks for itself.
        if (!CWnd::CreateEx(0, LU_WNDCLASS_NAME("MenuBar"), "", dwStyle | WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0),
                            pParent, nIDMenu, &block))
            return FALSE;
    }
    if (!LoadMenu(nIDMenu)) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL CLuMenuBar::LoadMenu(UINT nIDMenu)
{
    DestoryMenu();
    if (!m_menu.LoadMenu(nIDMenu))
        return FALSE;
    if (m_menu.GetMenuItemCount() == 0) {
        m_menu.DestroyMenu();
        return FALSE;
    }
    // Icons are optional: a menu without a toolbar resource of its ID shows none.
    m_menu.GetMenuIconList().LoadMenuIcons(nIDMenu);
    RecalcItems();
    return TRUE;
}

void CLuMenuBar::DestoryMenu()
{
    m_menu.DestroyMenu();
    m_menu.GetMenuIconList().DestoryMenuIcons();
    m_items.clear();
    m_nCurSel = -1;
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
}

void CLuMenuBar::SetBitmap(HBITMAP hBitmap) { m_menu.SetBitmap(hBitmap); }
HMENU CLuMenuBar::GetMenuHandle() const { return m_menu.GetSafeHmenu(); }
UINT CLuMenuBar::GetMenuItemCount() const { return static_cast<UINT>(m_items.size()); }
CLuMenu* CLuMenuBar::GetSubMenu(int nPos) { return m_menu.GetSubMenu(nPos); }
int CLuMenuBar::GetCurSel() const { return m_nCurSel; }

UINT CLuMenuBar::GetMenuItemStatus(UINT nPos) const
{
    return nPos < m_items.size() ? m_items[nPos].nState : 0;
}

CSize CLuMenuBar::CalcFixedLayout() { return CSize(0x7FFF, m_nBarHeight); }

BOOL CLuMenuBar::GetItemRect(int nPos, RECT* pRect) const
{
    if (pRect == nullptr || nPos < 0 || nPos >= static_cast<int>(m_items.size()))
        return FALSE;
    *pRect = m_items[static_cast<size_t>(nPos)].rect;
    return TRUE;
}

// ---- Layout and state ----

void CLuMenuBar::RecalcItems()
{
    HDC hScreen = ::GetDC(nullptr);
    {
        CLuAttachDC dc(hScreen);
        CScopedSelect font(dc, *Theme().GetThemeFont());
        m_nBarHeight = std::max(LU_BAR_DEFAULT_HEIGHT, static_cast<int>(dc.GetTextExtent("A", 1).cy) + kBarTextExtra);
        const int n = static_cast<int>(m_menu.GetMenuItemCount());
        m_items.assign(static_cast<size_t>(n), BarItem());
        int x = kItemsLeft;
        for (int i = 0; i < n; ++i) {
            BarItem& item = m_items[static_cast<size_t>(i)];
            m_menu.GetMenuString(static_cast<UINT>(i), item.strText, MF_BYPOSITION);
            item.cAccel = LuLibAux::CalcAccVKey(item.strText);
            CRect rcText(0, 0, 0, 0);
            dc.DrawText(item.strText, rcText, DT_CALCRECT | DT_SINGLELINE);
            const int cx = rcText.Width() + 2 * kItemPaddingX;
            item.rect = CRect(x, kItemInsetY, x + cx, m_nBarHeight - kItemInsetY);
            x += cx;
        }
    }
    ::ReleaseDC(nullptr, hScreen);
    m_nCurSel = -1;
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
}

int CLuMenuBar::HitTest(CPoint ptClient) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        const CRect& rc = m_items[i].rect;
        // The whole height of the bar counts, so the pointer need not hit the item's band.
        if (ptClient.x >= rc.left && ptClient.x < rc.right && ptClient.y >= 0 && ptClient.y < m_nBarHeight)
            return static_cast<int>(i);
    }
    return -1;
}

int CLuMenuBar::FindAccessKey(UINT nVirtKey) const
{
    const bool bKey = (nVirtKey >= '0' && nVirtKey <= '9') || (nVirtKey >= 'A' && nVirtKey <= 'Z');
    for (size_t i = 0; bKey && i < m_items.size(); ++i) {
        if (m_items[i].cAccel == static_cast<char>(nVirtKey))
            return static_cast<int>(i);
    }
    return -1;
}

void CLuMenuBar::SetItemState(int nPos, UINT nState)
{
    if (nPos < 0 || nPos >= static_cast<int>(m_items.size()))
        return;
    // One item at a time is hot or pressed.
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (static_cast<int>(i) != nPos && m_items[i].nState != stateNormal) {
            m_items[i].nState = stateNormal;
            InvalidateRect(m_items[i].rect, FALSE);
        }
    }
    m_nCurSel = nState == stateNormal ? -1 : nPos;
    if (m_items[static_cast<size_t>(nPos)].nState != nState) {
        m_items[static_cast<size_t>(nPos)].nState = nState;
        InvalidateRect(m_items[static_cast<size_t>(nPos)].rect, FALSE);
    }
    UpdateWindow();
}

void CLuMenuBar::ClearSelection()
{
    for (BarItem& item : m_items) {
        if (item.nState != stateNormal) {
            item.nState = stateNormal;
            InvalidateRect(item.rect, FALSE);
        }
    }
    m_nCurSel = -1;
    m_bKeyboardMode = FALSE;
}

// ---- Painting ----

void CLuMenuBar::PaintBar(CDC& dc)
{
    CRect rc;
    GetClientRect(&rc);
    const WORD wStyle = LOWORD(m_dwCtrlStyle);
    if (wStyle & LU_MENUBAR_GRADIENT)
        P::GradientFill(dc, rc, Color(LUCLR_HIGHLIGHT), Color(LUCLR_BORDER), FALSE);
    else if (wStyle & LU_MENUBAR_FLAT)
        dc.FillSolidRect(rc, Color(LUCLR_FACE));
    else
        P::GradientFill(dc, rc, Color(LUCLR_FACE), P::LightColor(Color(LUCLR_FACE), 80), TRUE);

    CScopedSelect font(dc, *Theme().GetThemeFont());
    dc.SetBkMode(TRANSPARENT);
    const int cyText = dc.GetTextExtent("A", 1).cy;
    for (size_t i = 0; i < m_items.size(); ++i) {
        const BarItem& item = m_items[i];
        if (item.nState == stateHot || item.nState == statePressed)
            P::DrawButtonRect(dc, item.rect, LU_DEFAULT_COLOR, Color(LUCLR_BASE), Color(LUCLR_HIGHLIGHT),
                              Color(LUCLR_BORDER), item.nState == statePressed);
        const UINT nMenuState = m_menu.GetMenuState(static_cast<UINT>(i), MF_BYPOSITION);
        dc.SetTextColor(Color((nMenuState & (MF_DISABLED | MF_GRAYED)) ? LUCLR_DISABLEDTEXT : LUCLR_TEXT));
        const int yText = item.rect.top + (m_nBarHeight - cyText) / 2 - kItemInsetY;
        CRect rcText(item.rect.left, yText, item.rect.right, yText + cyText);
        dc.DrawText(item.strText, rcText, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
}

void CLuMenuBar::OnPaint()
{
    CPaintDC dc(this);
    PaintBar(dc);
}

BOOL CLuMenuBar::OnEraseBkgnd(CDC*) { return TRUE; }

// ---- Mouse outside a popup ----

void CLuMenuBar::OnMouseMove(UINT, CPoint point)
{
    if (s_pTracking == this || m_bKeyboardMode)
        return;
    const int nPos = HitTest(point);
    if (nPos >= 0 && m_items[static_cast<size_t>(nPos)].nState == stateNormal)
        SetItemState(nPos, stateHot);
    else if (nPos < 0)
        ClearSelection();
    if (!m_bLeaveTracked) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
        m_bLeaveTracked = ::TrackMouseEvent(&tme);
    }
}

LRESULT CLuMenuBar::OnMouseLeave(WPARAM, LPARAM)
{
    m_bLeaveTracked = FALSE;
    if (s_pTracking != this && !m_bKeyboardMode)
        ClearSelection();
    return 0;
}

void CLuMenuBar::OnLButtonDown(UINT, CPoint point)
{
    const int nPos = HitTest(point);
    if (nPos >= 0)
        RunBarLoop(nPos, TRUE, FALSE);
}

LRESULT CLuMenuBar::OnOpenItem(WPARAM wParam, LPARAM)
{
    const int nPos = static_cast<int>(wParam);
    if (nPos >= 0 && nPos < static_cast<int>(m_items.size()))
        RunBarLoop(nPos, TRUE, TRUE);
    return 0;
}
