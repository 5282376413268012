#include "app/shell/Navigation.h"

#include "app/shell/ShellControls.h"
#include "skin/theme/Theme.h"

IMPLEMENT_DYNCREATE(CNavigation, CWnd)
LU_IMPLEMENT_CONTROL(CNavigation)
LU_DEFAULT_INITCTRL(CNavigation)

BEGIN_MESSAGE_MAP(CNavigation, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BOOL CNavigation::Register()
{
    return RegisterShellClass(NAVIGATION_CLASS, &LuNewClassProc<CNavigation>);
}

void CNavigation::Unregister()
{
    LuLibAux::UnregisterWndClass(NAVIGATION_CLASS);
}

BOOL CNavigation::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    return CreateEx(0, NAVIGATION_CLASS, "", dwStyle | WS_CHILD, rect, pParent, nID);
}

int CNavigation::AddItem(int nImage, LPCSTR lpszText, int nPage, BOOL bIndent, CWnd* pOwner, void* pPage,
                         BOOL bVisible)
{
    Item item;
    item.nImage = nImage;
    item.strText = lpszText;
    item.nPage = nPage;
    item.bIndent = bIndent;
    item.pOwner = pOwner;
    item.pPage = pPage;
    item.bVisible = bVisible;
    const int top = m_items.empty() ? 0 : m_items.back().rect.bottom;
    item.rect = CRect(0, top, ITEM_WIDTH, top + (bIndent ? INDENT_ITEM_HEIGHT : ITEM_HEIGHT));
    m_items.push_back(item);
    return GetItemCount() - 1;
}

void CNavigation::InvalidateItem(int nIndex)
{
    if (GetSafeHwnd() != nullptr && nIndex >= 0 && nIndex < GetItemCount())
        InvalidateRect(&m_items[nIndex].rect);
}

BOOL CNavigation::SelectItem(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount() || nIndex == m_nSel)
        return FALSE;
    const Item& item = m_items[nIndex];
    if (!item.bVisible || item.pPage == nullptr)
        return FALSE;
    const int nOld = m_nSel;
    m_nSel = nIndex;
    InvalidateItem(nOld);
    InvalidateItem(nIndex);
    if (item.pOwner != nullptr && item.pOwner->GetSafeHwnd() != nullptr)
        item.pOwner->SendMessage(WM_ACTIVATE_PAGE, static_cast<WPARAM>(item.nPage), reinterpret_cast<LPARAM>(item.pPage));
    return TRUE;
}

void CNavigation::OnLButtonDown(UINT, CPoint point)
{
    for (int i = 0; i < GetItemCount(); ++i) {
        if (m_items[i].rect.PtInRect(point)) {
            SelectItem(i);
            return;
        }
    }
}

void CNavigation::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_UP)
        SelectItem(m_nSel - 1);
    else if (nChar == VK_DOWN)
        SelectItem(m_nSel + 1);
}

BOOL CNavigation::PreTranslateMessage(MSG* pMsg)
{
    // Arrow keys move the selection before any dialog navigation sees them.
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == GetSafeHwnd()) {
        OnKeyDown(static_cast<UINT>(pMsg->wParam), LOWORD(pMsg->lParam), HIWORD(pMsg->lParam));
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CNavigation::OnPaint()
{
    CPaintDC dc(this);
    DrawItems(dc);
}

void CNavigation::DrawItems(CDC& dc)
{
    CLuTheme* pTheme = CLuThemeManager::Instance()->GetTheme();
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, pTheme->GetThemeColor(LUCLR_FACE));
    CScopedSelect font(dc, *pTheme->GetThemeFont());
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < GetItemCount(); ++i) {
        const Item& item = m_items[i];
        if (!item.bVisible)
            continue;
        if (i == m_nSel)
            dc.FillSolidRect(&item.rect, pTheme->GetThemeColor(LUCLR_HIGHLIGHT));
        CRect text(item.rect);
        text.left += item.bIndent ? 24 : 12;
        dc.SetTextColor(pTheme->GetThemeColor(LUCLR_TEXT));
        dc.DrawText(item.strText, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
}
