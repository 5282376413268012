#include "skin/ctrl/TagCtrl.h"

#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

IMPLEMENT_DYNCREATE(CLuTagCtrl, CWnd)
LU_IMPLEMENT_CONTROL(CLuTagCtrl)
LU_PROVIDE_LIBRARY_CLASS(CLuTagCtrl, LU_ROW_TAGCTRL, LuNewClassProc)

BEGIN_MESSAGE_MAP(CLuTagCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

namespace {

constexpr int kFirstTagX = 2;   // the first tag starts here
constexpr int kTagPadding = 16; // around a tag's text
constexpr int kImageGap = 4;    // between a tag's image and its text
constexpr int kTopGap = 3;      // tags stand this far below the strip's top

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

}  // namespace

CLuTagCtrl::CLuTagCtrl() = default;
CLuTagCtrl::~CLuTagCtrl() = default;

BOOL CLuTagCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    CLuCreateBlock block(this);
    return CreateEx(0, LU_WNDCLASS_NAME("TagCtrl"), nullptr, dwStyle | WS_CHILD, rect, pParent, nID, &block);
}

void CLuTagCtrl::OnInitCtrl(DWORD dwStyle)
{
    m_dwCtrlStyle = dwStyle;
    if (m_toolTip.GetSafeHwnd() == nullptr)
        m_toolTip.Create(this);
}

// ---- Items ----

int CLuTagCtrl::InsertItem(int nIndex, LPCSTR lpszText, LPCSTR lpszTip, int nImage)
{
    if (nIndex < 0 || nIndex > GetItemCount())
        nIndex = GetItemCount();
    m_items.insert(m_items.begin() + nIndex, Item{lpszText != nullptr ? lpszText : "", lpszTip != nullptr ? lpszTip : "", nImage});
    if (m_nCurSel >= nIndex)
        ++m_nCurSel;
    UpdateTips();
    if (m_hWnd != nullptr)
        Invalidate();
    return nIndex;
}

BOOL CLuTagCtrl::DeleteItem(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return FALSE;
    m_items.erase(m_items.begin() + nIndex);
    if (m_nCurSel == nIndex)
        m_nCurSel = -1;
    else if (m_nCurSel > nIndex)
        --m_nCurSel;
    UpdateTips();
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

void CLuTagCtrl::DeleteAllItems()
{
    m_items.clear();
    m_nCurSel = -1;
    UpdateTips();
    if (m_hWnd != nullptr)
        Invalidate();
}

CString CLuTagCtrl::GetItemText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_items[nIndex].strText : CString();
}

CString CLuTagCtrl::GetItemTip(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_items[nIndex].strTip : CString();
}

int CLuTagCtrl::GetCurSel() const { return m_nCurSel; }

int CLuTagCtrl::SetCurSel(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return -1;
    const int nOld = m_nCurSel;
    m_nCurSel = nIndex;
    if (m_hWnd != nullptr)
        Invalidate();
    return nOld;
}

BOOL CLuTagCtrl::LoadImageList(UINT nIDBitmap, CSize size, COLORREF clrMask)
{
    m_images.DeleteImageList();
    (void)size.cy;  // the strip's height is the images' height
    if (!m_images.Create(nIDBitmap, size.cx, 1, clrMask))
        return FALSE;
    UpdateTips();
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

// ---- Geometry ----

CRect CLuTagCtrl::GetItemRect(int nIndex) const
{
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetItemCount())
        return CRect(0, 0, 0, 0);
    CRect rc;
    GetClientRect(&rc);
    CClientDC dc(const_cast<CLuTagCtrl*>(this));
    CScopedSelect font(dc, *Theme().GetThemeFont());
    const int cxImage = m_images.GetSafeHandle() != nullptr ? m_images.GetIconSize().cx + kImageGap : 0;
    int x = kFirstTagX;
    for (int i = 0;; ++i) {
        int width = dc.GetTextExtent(m_items[i].strText).cx + 2 * kTagPadding;
        if (m_items[i].nImage >= 0)
            width += cxImage;
        if (i == nIndex)
            return CRect(x, rc.top + kTopGap, x + width, rc.bottom);
        x += width;
    }
}

int CLuTagCtrl::HitTest(CPoint pt) const
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (GetItemRect(i).PtInRect(pt))
            return i;
    return -1;
}

void CLuTagCtrl::UpdateTips()
{
    if (m_toolTip.GetSafeHwnd() == nullptr)
        return;
    for (int i = 0; i < m_nTips; ++i)
        m_toolTip.DelTool(this, static_cast<UINT_PTR>(i + 1));
    m_nTips = GetItemCount();
    for (int i = 0; i < m_nTips; ++i) {
        const CRect rc = GetItemRect(i);
        m_toolTip.AddTool(this, m_items[i].strTip, &rc, static_cast<UINT_PTR>(i + 1));
    }
}

// ---- Input ----

void CLuTagCtrl::SelectAndNotify(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount() || nIndex == m_nCurSel)
        return;
    SetCurSel(nIndex);
    NMHDR hdr{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), static_cast<UINT>(TCN_SELCHANGE)};
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

void CLuTagCtrl::OnLButtonDown(UINT, CPoint point) { SelectAndNotify(HitTest(point)); }

void CLuTagCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_LEFT)
        SelectAndNotify(m_nCurSel - 1);
    else if (nChar == VK_RIGHT)
        SelectAndNotify(m_nCurSel + 1);
    else
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CLuTagCtrl::OnGetDlgCode() { return DLGC_WANTARROWS; }

BOOL CLuTagCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- Painting ----

void CLuTagCtrl::PaintTags(CDC& dc)
{
    CLuTheme& t = Theme();
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, t.GetThemeColor(LUCLR_FACE));
    dc.FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, t.GetThemeColor(LUCLR_BASE));
    CScopedSaveDC saved(dc.GetSafeHdc());
    dc.SelectObject(t.GetThemeFont());
    for (int i = 0; i < GetItemCount(); ++i) {
        _LUDRAW_PARAM p;
        p.rect = GetItemRect(i);
        p.bItem = TRUE;
        p.bEnabled = IsWindowEnabled();
        p.dwData = i == m_nCurSel;
        p.strText = m_items[i].strText;
        CRect rcText(p.rect);
        rcText.DeflateRect(kTagPadding, 0);
        const bool bImage = m_items[i].nImage >= 0 && m_images.GetSafeHandle() != nullptr;
        const CSize icon = bImage ? m_images.GetIconSize() : CSize(0, 0);
        const CPoint ptImage(rcText.left, p.rect.top + (CRect(p.rect).Height() - icon.cy) / 2);
        if (bImage)
            rcText.left += icon.cx + kImageGap;
        p.rcText = rcText;
        t.DrawTab(dc, p);
        if (bImage)
            m_images.Draw(&dc, m_items[i].nImage, ptImage, ILD_TRANSPARENT);
    }
}

void CLuTagCtrl::OnPaint()
{
    CPaintDC dc(this);
    PaintTags(dc);
}

BOOL CLuTagCtrl::OnEraseBkgnd(CDC*) { return TRUE; }
