#include "skin/ctrl/BookCtrl.h"

#include "fx/win/TextFont.h"
#include "fx/win/WinApp.h"
#include "skin/core/ClassTable.h"
#include "skin/core/LuLibAux.h"
#include "skin/theme/Theme.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CLuBookCtrl, CWnd)
LU_IMPLEMENT_CONTROL(CLuBookCtrl)
LU_PROVIDE_LIBRARY_CLASS(CLuBookCtrl, LU_ROW_BOOKCTRL, LuNewClassProc)

BEGIN_MESSAGE_MAP(CLuBookCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

namespace {

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

constexpr int kTitleTextInset = 8;

}  // namespace

CLuBookCtrl::CLuBookCtrl()
    : m_clrShadow(::GetSysColor(COLOR_BTNSHADOW)),
      m_clrWindow(::GetSysColor(COLOR_WINDOW)),
      m_clrWindow2(::GetSysColor(COLOR_WINDOW))
{
    m_pumper.InitPumper(this);
}

CLuBookCtrl::~CLuBookCtrl() = default;

BOOL CLuBookCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    CLuCreateBlock block(this);
    return CreateEx(0, LU_WNDCLASS_NAME("BookCtrl"), nullptr, dwStyle | WS_CHILD, rect, pParent, nID, &block);
}

void CLuBookCtrl::OnInitCtrl(DWORD dwStyle)
{
    m_dwCtrlStyle = dwStyle;
    if (m_font.GetSafeHandle() == nullptr) {
        // The small caption font in a face that draws the pages' Latin and Chinese alike.
        const LOGFONTW lf = fx::SystemTextFont(fx::SystemFont::SmallCaption);
        m_font.CreateFontIndirect(&lf);
    }
    // Dialog navigation (Tab) enters the visible page.
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
}

// ---- Pages ----

BOOL CLuBookCtrl::IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < static_cast<int>(m_pages.size()); }
int CLuBookCtrl::GetPageCount() const { return static_cast<int>(m_pages.size()); }
int CLuBookCtrl::GetCurSel() const { return m_nCurSel; }

CWnd* CLuBookCtrl::operator[](int nIndex) const { return IsValidIndex(nIndex) ? m_pages[nIndex]->pWnd : nullptr; }

CWnd* CLuBookCtrl::GetCurPageWnd() const { return (*this)[m_nCurSel]; }

_LuBookData& CLuBookCtrl::GetItemData(int nIndex)
{
    if (IsValidIndex(nIndex))
        return *m_pages[nIndex];
    m_invalid = _LuBookData();
    return m_invalid;
}

int CLuBookCtrl::AddPage(LPCSTR lpszTitle, CWnd* pPage)
{
    if (pPage == nullptr)
        return -1;
    auto page = std::make_unique<_LuBookData>();
    page->strTitle = lpszTitle != nullptr ? lpszTitle : "";
    page->pWnd = pPage;
    page->bCustom = 1;
    if (pPage->GetSafeHwnd() != nullptr) {
        pPage->ShowWindow(SW_HIDE);
        pPage->SetParent(this);
    }
    m_pages.push_back(std::move(page));
    return GetPageCount() - 1;
}

int CLuBookCtrl::CreatePage(LPCSTR lpszTitle, CLuCContext* pCtx)
{
    int bCustom = 0;
    CWnd* pWnd = LuLibAux::CreateWnd(pCtx, this, bCustom);
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) {
        // No window: an object made here goes again; the caller's stays the caller's.
        if (pWnd != nullptr && !bCustom)
            LuLibAux::DestoryWnd(pWnd, FALSE);
        return -1;
    }
    pWnd->ShowWindow(SW_HIDE);
    auto page = std::make_unique<_LuBookData>();
    page->strTitle = lpszTitle != nullptr ? lpszTitle : "";
    page->pWnd = pWnd;
    page->bCustom = bCustom;
    m_pages.push_back(std::move(page));
    return GetPageCount() - 1;
}

int CLuBookCtrl::SetCurSel(int nIndex)
{
    if (!IsValidIndex(nIndex))
        return -1;
    const int nOld = m_nCurSel;
    if (CWnd* pOld = (*this)[nOld]) {
        if (pOld->GetSafeHwnd() != nullptr) {
            pOld->ShowWindow(SW_HIDE);
            pOld->ModifyStyleEx(WS_EX_CONTROLPARENT, 0);
        }
    }
    CWnd* pNew = m_pages[nIndex]->pWnd;
    if (pNew->GetSafeHwnd() != nullptr) {
        pNew->ModifyStyleEx(0, WS_EX_CONTROLPARENT);
        pNew->ShowWindow(SW_SHOW);
    }
    m_nCurSel = nIndex;
    PositionPage();
    if (m_hWnd != nullptr)
        Invalidate();
    return nOld;
}

BOOL CLuBookCtrl::DeletePage(int nIndex)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    m_pages.erase(m_pages.begin() + nIndex);
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

BOOL CLuBookCtrl::DeleteAllPages()
{
    m_pages.clear();
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

BOOL CLuBookCtrl::DestoryPage(int nIndex)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    // Taken out of the list first, so nothing reached while the window goes finds it.
    std::unique_ptr<_LuBookData> page = std::move(m_pages[nIndex]);
    m_pages.erase(m_pages.begin() + nIndex);
    LuLibAux::DestoryWnd(page->pWnd, page->bCustom);
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

BOOL CLuBookCtrl::DestoryAllPages()
{
    while (!m_pages.empty())
        DestoryPage(GetPageCount() - 1);
    return TRUE;
}

// ---- Geometry ----

CRect CLuBookCtrl::GetTitleRect() const
{
    CRect rc;
    GetClientRect(&rc);
    if (GetCtrlStyle() & LU_BOOK_NOTITLE)
        return CRect(rc.left, rc.top, rc.right, rc.top);
    rc.bottom = std::min(rc.bottom, rc.top + m_nTitleHeight);
    return rc;
}

CRect CLuBookCtrl::GetPageRect() const
{
    CRect rc;
    GetClientRect(&rc);
    if (!(GetCtrlStyle() & LU_BOOK_NOTITLE))
        rc.top = std::min(rc.bottom, rc.top + m_nTitleHeight);
    return rc;
}

void CLuBookCtrl::PositionPage()
{
    CWnd* pPage = GetCurPageWnd();
    if (m_hWnd == nullptr || pPage == nullptr || pPage->GetSafeHwnd() == nullptr)
        return;
    const CRect rc = GetPageRect();
    pPage->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLuBookCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    PositionPage();
}

BOOL CLuBookCtrl::HasBorder() const { return (GetStyle() & WS_BORDER) || (GetExStyle() & WS_EX_CLIENTEDGE); }

void CLuBookCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!HasBorder()) {
        CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
        return;
    }
    ::InflateRect(&lpncsp->rgrc[0], -1, -1);
}

void CLuBookCtrl::OnNcPaint()
{
    if (!HasBorder()) {
        CWnd::OnNcPaint();
        return;
    }
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(&rc);
    _LUDRAW_PARAM p;
    p.rect = CRect(0, 0, rc.Width(), rc.Height());
    p.bEnabled = IsWindowEnabled();
    Theme().DrawFrameRect(dc, p);
}

// ---- Painting ----

void CLuBookCtrl::PaintTitle(CDC& dc, const CRect& rc)
{
    _LUDRAW_PARAM p;
    p.rect = rc;
    p.bHorz = (GetCtrlStyle() & LU_BOOK_HORZ) != 0;
    p.bPressed = (GetCtrlStyle() & LU_BOOK_INACTIVE) == 0;
    p.bEnabled = IsWindowEnabled();
    p.strText = IsValidIndex(m_nCurSel) ? m_pages[m_nCurSel]->strTitle : CString();
    CRect rcText(rc);
    rcText.DeflateRect(kTitleTextInset, 0);
    p.rcText = rcText;
    Theme().DrawCaption(dc, p);
}

void CLuBookCtrl::PaintBook(CDC& dc)
{
    if (!(GetCtrlStyle() & LU_BOOK_NOTITLE))
        PaintTitle(dc, GetTitleRect());
    if (GetCurPageWnd() == nullptr) {
        _LUDRAW_PARAM p;
        p.rect = GetPageRect();
        p.bEnabled = TRUE;
        Theme().FillClient(dc, p);
    }
}

void CLuBookCtrl::OnPaint()
{
    CPaintDC dc(this);
    PaintBook(dc);
}

BOOL CLuBookCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

// ---- Commands and private messages ----

BOOL CLuBookCtrl::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pumper.Pump(GetCurPageWnd(), nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (m_pumper.Pump(GetParent(), nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CLuBookCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= LU_WM_PASSON_FIRST && m_hWnd != nullptr) {
        HWND hParent = ::GetParent(m_hWnd);
        if (hParent != nullptr)
            return ::SendMessageW(hParent, message, wParam, lParam);
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}
