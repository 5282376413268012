// CLuMenu's items: records read from the menu handle, their metrics, and the popup's painting
// (items, frame and drop shadow). Everything paints into a DC it is given.
#include "skin/menu/Menu.h"

#include "fx/win/Text.h"
#include "skin/core/LuLibAux.h"
#include "skin/menu/MenuMetrics.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <algorithm>
#include "skin/menu/PlainNames.h"

using namespace lumenu;

namespace {

typedef CLuPainter P;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }
COLORREF Color(UINT n) { return Theme().GetThemeColor(n); }

// A screen DC for measuring, released at the end of the scope.
class CScreenDC : public CDC {
public:
    CScreenDC() { Attach(::GetDC(nullptr)); }
    ~CScreenDC() override { ::ReleaseDC(nullptr, Detach()); }
};

// Percent of brightness each shadow column (or row) keeps, from the menu's edge outwards.
const int kShadowKeep[kShadowWidth] = {55, 68, 80, 91};

}  // namespace

BEGIN_MESSAGE_MAP(CLuMenu, CWnd)
    ON_WM_MOUSEACTIVATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// ---- Items ----

BOOL CLuMenu::BuildItems()
{
    m_items.clear();
    const int n = m_hMenu != nullptr ? ::GetMenuItemCount(m_hMenu) : -1;
    if (n <= 0)
        return FALSE;
    CScreenDC dc;
    m_items.resize(static_cast<size_t>(n));
    int y = kMenuMarginY;
    int cxMax = 0;
    for (int i = 0; i < n; ++i) {
        // A fresh record and buffer length for every item: a length left from the previous
        // item would cut a longer text.
        wchar_t buffer[kItemTextBuffer] = {0};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
        info.dwTypeData = buffer;
        info.cch = kItemTextBuffer;
        if (!::GetMenuItemInfoW(m_hMenu, static_cast<UINT>(i), TRUE, &info)) {
            m_items.clear();
            return FALSE;
        }
        MenuItem& item = m_items[static_cast<size_t>(i)];
        item.fType = info.fType & (MFT_MENUBARBREAK | MFT_MENUBREAK | MFT_RADIOCHECK);
        item.fState = info.fState;
        item.nID = info.wID;
        item.hSubMenu = info.hSubMenu;
        item.dwItemData = info.dwItemData;
        if (info.fType & MFT_SEPARATOR)
            item.nKind = MenuItem::kSeparator;
        else if (info.fType & (MFT_OWNERDRAW | MFT_BITMAP))
            item.nKind = MenuItem::kOwnerDraw;
        if (item.nKind == MenuItem::kText) {
            CString text = fx::ToGbk(buffer);
            item.cAccel = LuLibAux::CalcAccVKey(text);
            CScopedSelect font(dc, (item.fState & MFS_DEFAULT) ? *Theme().GetThemeBoldFont() : *Theme().GetThemeFont());
            P::MakeShortString(dc, text, item.strText, kMaxTextWidth);
        }
        if (item.nKind != MenuItem::kSeparator && item.hSubMenu == nullptr)
            item.nIcon = m_icons.CommandToIndex(item.nID);
        const CSize size = MeasureItem(dc, item);
        item.rect = CRect(0, y, size.cx, y + size.cy);
        y += size.cy;
        cxMax = std::max(cxMax, static_cast<int>(size.cx));
    }
    m_szMenu = CSize(cxMax + kMenuExtraX, y - kMenuMarginY + kMenuExtraY);
    for (MenuItem& item : m_items)
        item.rect.right = m_szMenu.cx;
    return TRUE;
}

CSize CLuMenu::MeasureItem(CDC& dc, MenuItem& item)
{
    if (item.nKind == MenuItem::kSeparator)
        return CSize(kSeparatorWidth, kSeparatorHeight);
    if (item.nKind == MenuItem::kOwnerDraw) {
        MEASUREITEMSTRUCT mis{};
        mis.CtlType = ODT_MENU;
        mis.itemID = item.nID;
        mis.itemData = item.dwItemData;
        if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
            m_pOwner->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
        return CSize(static_cast<int>(mis.itemWidth) + kIconColumn, static_cast<int>(mis.itemHeight));
    }
    CScopedSelect font(dc, (item.fState & MFS_DEFAULT) ? *Theme().GetThemeBoldFont() : *Theme().GetThemeFont());
    CRect rc(0, 0, 0, 0);
    dc.DrawText(item.strText, rc, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_LEFT);
    return CSize(rc.Width() + kTextItemExtraX, 2 * rc.Height() + kTextItemExtraY);
}

int CLuMenu::HitTest(CPoint ptClient) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].rect.PtInRect(ptClient))
            return static_cast<int>(i);
    }
    return -1;
}

BOOL CLuMenu::GetItemRect(int nPos, RECT* pRect) const
{
    if (pRect == nullptr)
        return FALSE;
    if (nPos < 0 || nPos >= static_cast<int>(m_items.size())) {
        ::SetRectEmpty(pRect);
        return FALSE;
    }
    *pRect = m_items[static_cast<size_t>(nPos)].rect;
    return TRUE;
}

// ---- Painting the items ----

void CLuMenu::PaintMenu(CDC& dc, BOOL bAll)
{
    CScopedSelect font(dc, *Theme().GetThemeFont());
    dc.SetBkMode(TRANSPARENT);
    if (bAll) {
        const int cx = m_szMenu.cx;
        const int cyClient = m_szMenu.cy - (kMenuExtraY - 2 * kMenuMarginY);
        dc.FillSolidRect(0, 0, cx, kMenuMarginY, Color(LUCLR_MENU));
        dc.FillSolidRect(0, cyClient - kMenuMarginY, cx, kMenuMarginY, Color(LUCLR_MENU));
    }
    for (size_t i = 0; i < m_items.size(); ++i) {
        MenuItem& item = m_items[i];
        if (bAll || item.bDirty)
            PaintItem(dc, item, static_cast<int>(i) == m_nCurSel);
    }
}

void CLuMenu::PaintItem(CDC& dc, MenuItem& item, BOOL bSelected)
{
    item.bDirty = FALSE;
    const CRect& rc = item.rect;
    dc.FillSolidRect(rc.left, rc.top, kIconColumn, rc.Height(), Color(LUCLR_MENUBACK));
    dc.FillSolidRect(rc.left + kIconColumn, rc.top, rc.Width() - kIconColumn, rc.Height(), Color(LUCLR_MENU));
    if (item.nKind == MenuItem::kSeparator) {
        const int y = rc.top + rc.Height() / 2 - 2;
        P::DrawLine(dc, CPoint(rc.left + kIconColumn + 5, y), CPoint(rc.right - 5, y), Color(LUCLR_BORDER));
        return;
    }
    if (item.nKind == MenuItem::kOwnerDraw) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_MENU;
        dis.itemID = item.nID;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (bSelected ? ODS_SELECTED : 0) | (item.IsEnabled() ? 0 : ODS_GRAYED) |
                        ((item.fState & MFS_CHECKED) ? ODS_CHECKED : 0);
        dis.hwndItem = reinterpret_cast<HWND>(m_hMenu);
        dis.hDC = dc.GetSafeHdc();
        dis.rcItem = rc;
        dis.itemData = item.dwItemData;
        if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
            m_pOwner->SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    if (bSelected) {
        CRect rcSel(rc.left + 1, rc.top, rc.right - 3, rc.bottom);
        P::DrawButtonRect(dc, rcSel, LU_DEFAULT_COLOR, Color(LUCLR_BASE), Color(LUCLR_HIGHLIGHT), Color(LUCLR_BORDER), FALSE);
    }
    UINT nArrow = LUCLR_BASE, nText = LUCLR_TEXT, nMark = LUCLR_CHECK;
    if (!item.IsEnabled())
        nArrow = nText = nMark = LUCLR_DISABLEDTEXT;
    else if (bSelected)
        nArrow = LUCLR_WINDOW;
    PaintItemText(dc, item, Color(nText), Color(nArrow));
    PaintItemMark(dc, item, Color(nMark));
}

void CLuMenu::PaintItemText(CDC& dc, const MenuItem& item, COLORREF clrText, COLORREF clrArrow)
{
    const CRect& rc = item.rect;
    CRect rcText(rc.left + kIconColumn + kTextGap, rc.top, rc.right - kTextGap, rc.bottom);
    if (item.hSubMenu != nullptr) {
        const CSize size = P::ArrowSize(LUARROW_RIGHT);
        const CPoint pt(rc.right - kArrowRight - 3, rc.top + (rc.Height() - size.cy) / 2 - 1);
        P::DrawArrow(dc, pt, clrArrow, LUARROW_RIGHT);
        rcText.right -= kArrowColumn;
    }
    CScopedSelect font(dc, (item.fState & MFS_DEFAULT) ? *Theme().GetThemeBoldFont() : *Theme().GetThemeFont());
    dc.SetTextColor(clrText);
    dc.DrawText(item.strText, rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_EXPANDTABS);
}

void CLuMenu::PaintItemMark(CDC& dc, const MenuItem& item, COLORREF clrMark)
{
    const CRect& rc = item.rect;
    CRect rcIcon(rc.left + 3, rc.top + 3, rc.left + kIconColumn - 4, rc.bottom - 4);
    if (item.nIcon >= 0) {
        const CPoint pt = P::CenterPoint(rcIcon, m_icons.GetIconSize());
        m_icons.DrawIconStatus(&dc, item.nIcon, pt, item.IsEnabled() ? 0 : MF_DISABLED, nullptr);
    } else if (item.fState & MFS_CHECKED) {
        if (item.fType & MFT_RADIOCHECK) {
            const UINT nState = LU_RADIO_CHECKED | (item.IsEnabled() ? 0 : LU_RADIO_DISABLED);
            P::DrawRadio(dc, P::CenterPoint(rcIcon, P::RadioSize()), nState);
        } else {
            P::DrawCheckMark(dc, P::CenterPoint(rcIcon, P::CheckMarkSize()), clrMark);
        }
    }
}

// ---- Frame and shadow ----

void CLuMenu::MakeShadow()
{
    m_bmShadow.DeleteObject();
    BITMAP bm{};
    if (m_bmScreen.GetSafeHandle() == nullptr || m_bmScreen.GetBitmap(&bm) == 0 || bm.bmBitsPixel != 32 ||
        bm.bmBits == nullptr)
        return;
    void* pBits = nullptr;
    if (!m_bmShadow.CreateDIBSection32(bm.bmWidth, bm.bmHeight, &pBits) || pBits == nullptr)
        return;
    ::GdiFlush();
    const int cx = bm.bmWidth, cy = bm.bmHeight;
    const auto* pSrc = static_cast<const DWORD*>(bm.bmBits);
    auto* pDst = static_cast<DWORD*>(pBits);
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            // Distance into the shadow band: the right strip below its top corner, the bottom
            // strip right of its left corner.
            const int dx = x - (cx - kShadowWidth), dy = y - (cy - kShadowWidth);
            int keep = 100;
            if (dx >= 0 && y >= kShadowWidth)
                keep = kShadowKeep[dx];
            if (dy >= 0 && x >= kShadowWidth)
                keep = std::max(keep == 100 ? 0 : keep, kShadowKeep[dy]);
            const DWORD p = pSrc[y * cx + x];
            const DWORD r = ((p >> 16) & 0xFF) * keep / 100, g = ((p >> 8) & 0xFF) * keep / 100, b = (p & 0xFF) * keep / 100;
            pDst[y * cx + x] = (r << 16) | (g << 8) | b;
        }
    }
}

void CLuMenu::PaintFrame(CDC& dc)
{
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    const int cx = rcWnd.Width(), cy = rcWnd.Height();
    if (cx < 5 || cy < 5)
        return;
    P::DrawRect(dc, CRect(0, 0, cx - kShadowWidth, cy - kShadowWidth), Color(LUCLR_BASE));
    const CRect strips[2] = {CRect(cx - kShadowWidth, 0, cx, cy), CRect(0, cy - kShadowWidth, cx - kShadowWidth, cy)};
    if (m_bmShadow.GetSafeHandle() != nullptr) {
        CDC mem;
        mem.CreateCompatibleDC(dc.GetSafeHdc());
        CScopedSelect sel(mem, m_bmShadow);
        for (const CRect& rc : strips)
            dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), mem, rc.left, rc.top, SRCCOPY);
    } else {
        // Nothing was saved (painted off screen): the shadow falls on the menu background.
        for (const CRect& rc : strips)
            dc.FillSolidRect(rc, Color(LUCLR_MENU));
    }
}

// ---- Messages ----

int CLuMenu::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

void CLuMenu::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rc = lpncsp->rgrc[0];
    rc.left += kFrameLeft;
    rc.top += kFrameTop;
    rc.right -= kFrameRight;
    rc.bottom -= kFrameBottom;
}

void CLuMenu::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    rcClient.OffsetRect(kFrameLeft, kFrameTop);
    dc.ExcludeClipRect(rcClient);
    PaintFrame(dc);
}

void CLuMenu::OnPaint()
{
    CPaintDC dc(this);
    PaintMenu(dc, TRUE);
}

BOOL CLuMenu::OnEraseBkgnd(CDC*) { return TRUE; }
