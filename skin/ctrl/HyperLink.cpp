#include "skin/ctrl/HyperLink.h"

#include "fx/win/WinApp.h"
#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CLuHyperLink, CWnd)
LU_IMPLEMENT_CONTROL(CLuHyperLink)
LU_PROVIDE_LIBRARY_CLASS(CLuHyperLink, LU_ROW_HYPERLINK, LuNewClassProc)

BEGIN_MESSAGE_MAP(CLuHyperLink, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {

constexpr UINT_PTR kTipTool = 1;
constexpr int kIconGap = 5;

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

}  // namespace

CLuHyperLink::CLuHyperLink()
    : m_clrLink(RGB(0, 0, 238)), m_clrVisited(RGB(85, 26, 139)), m_clrHover(::GetSysColor(COLOR_HIGHLIGHT)),
      m_hLinkCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)))
{
}

CLuHyperLink::~CLuHyperLink() = default;

BOOL CLuHyperLink::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    CLuCreateBlock block(this);
    return CreateEx(0, LU_WNDCLASS_NAME("HyperLink"), lpszText, dwStyle | WS_CHILD, rect, pParent, nID, &block);
}

void CLuHyperLink::OnInitCtrl(DWORD dwStyle)
{
    m_dwCtrlStyle = dwStyle;
    MakeFont();
    if (m_toolTip.GetSafeHwnd() == nullptr && m_toolTip.Create(this)) {
        m_toolTip.AddTool(this, m_strURL, nullptr, kTipTool);
        m_toolTip.Activate(TRUE);
    }
}

void CLuHyperLink::MakeFont()
{
    LOGFONTW lf{};
    if (m_font.GetSafeHandle() != nullptr || !Theme().GetThemeFont()->GetLogFont(&lf))
        return;
    lf.lfUnderline = TRUE;
    m_font.CreateFontIndirect(&lf);
}

// ---- Properties ----

void CLuHyperLink::SetLinkColor(COLORREF clr)
{
    m_clrLink = clr;
    Repaint();
}

void CLuHyperLink::SetVisitedColor(COLORREF clr)
{
    m_clrVisited = clr;
    Repaint();
}

void CLuHyperLink::SetHoverColor(COLORREF clr)
{
    m_clrHover = clr;
    Repaint();
}

void CLuHyperLink::SetVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    Repaint();
}

CString CLuHyperLink::GetURL() const { return m_strURL; }

void CLuHyperLink::SetURL(CString strURL)
{
    m_strURL = strURL;
    if (m_hWnd == nullptr)
        return;
    PositionWindow();
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.UpdateTipText(m_strURL, this, kTipTool);
}

void CLuHyperLink::SetLinkIcon(CBitmap* pBitmap, UINT nCount, COLORREF clrMask)
{
    m_imageList.DeleteImageList();
    if (pBitmap != nullptr && pBitmap->GetSafeHandle() != nullptr) {
        const CSize size = pBitmap->GetSize();
        const int count = nCount > 0 ? static_cast<int>(nCount) : 1;
        const int cx = size.cx / count;
        if (cx > 0 && size.cy > 0 && m_imageList.Create(cx, size.cy, ILC_COLOR32 | ILC_MASK, count, 1) &&
            m_imageList.Add(pBitmap, clrMask) < 0)
            m_imageList.DeleteImageList();
    }
    if (m_hWnd != nullptr)
        PositionWindow();
}

void CLuHyperLink::SetLinkIcon(UINT nIDBitmap, UINT nCount, COLORREF clrMask)
{
    CBitmap bitmap;
    SetLinkIcon(bitmap.LoadBitmap(nIDBitmap) ? &bitmap : nullptr, nCount, clrMask);
}

void CLuHyperLink::PositionWindow()
{
    if (m_hWnd == nullptr)
        return;
    CRect rc;
    GetWindowRect(&rc);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rc);
    CClientDC dc(this);
    CScopedSelect font(dc, m_font.GetSafeHandle() != nullptr ? static_cast<const CGdiObject&>(m_font)
                                                               : *Theme().GetThemeFont());
    int width = dc.GetTextExtent(GetWindowText()).cx;
    int height = rc.Height();
    if (m_imageList.GetSafeHandle() != nullptr) {
        const CSize icon = m_imageList.GetIconSize();
        width += icon.cx + kIconGap;
        height = std::max(height, static_cast<int>(icon.cy));
    }
    SetWindowPos(nullptr, rc.left, rc.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CLuHyperLink::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- Mouse ----

BOOL CLuHyperLink::InClient(CPoint pt) const
{
    CRect rc;
    GetClientRect(&rc);
    return rc.PtInRect(pt);
}

void CLuHyperLink::Repaint()
{
    if (m_hWnd != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CLuHyperLink::OnMouseMove(UINT, CPoint point)
{
    if (!m_bHover) {
        m_bHover = TRUE;
        Repaint();
        SetCapture();
    } else if (!InClient(point)) {
        // Cleared first: giving up the capture here is not a capture taken away.
        m_bHover = FALSE;
        ::ReleaseCapture();
        Repaint();
    }
}

void CLuHyperLink::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bHover && pWnd != this) {
        m_bHover = FALSE;
        Repaint();
    }
    CWnd::OnCaptureChanged(pWnd);
}

void CLuHyperLink::OnLButtonDown(UINT, CPoint point)
{
    if (InClient(point))
        SetFocus();
}

void CLuHyperLink::OnLButtonUp(UINT, CPoint point)
{
    m_bHover = FALSE;
    if (GetCapture() == this)
        ::ReleaseCapture();
    if (InClient(point)) {
        if (GetCtrlStyle() & LU_HLS_NOTIFY) {
            if (CWnd* pParent = GetParent())
                pParent->SendMessage(LU_WM_HYPERLINK_CLICKED, static_cast<WPARAM>(GetDlgCtrlID()), 0);
        } else {
            int nError = 0;
            if (OpenURL(m_strURL, SW_SHOW, &nError)) {
                m_bVisited = TRUE;
            } else {
                ::MessageBeep(MB_ICONEXCLAMATION);
                ReportError(nError);
            }
        }
    }
    if (m_hWnd != nullptr)
        Repaint();
}

BOOL CLuHyperLink::OnSetCursor(CWnd*, UINT, UINT)
{
    if (m_hLinkCursor == nullptr)
        return static_cast<BOOL>(Default());
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

void CLuHyperLink::OnSetFocus(CWnd*) { Repaint(); }
void CLuHyperLink::OnKillFocus(CWnd*) { Repaint(); }

void CLuHyperLink::ReportError(int nError)
{
    AfxMessageBox(ErrorText(nError), MB_ICONEXCLAMATION | MB_OK);
}

// ---- Painting ----

void CLuHyperLink::PaintLink(CDC& dc)
{
    CRect rc;
    GetClientRect(&rc);
    HWND hParent = ::GetParent(m_hWnd);
    HBRUSH hBrush = hParent != nullptr ? reinterpret_cast<HBRUSH>(::SendMessageW(
                                             hParent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                             reinterpret_cast<LPARAM>(m_hWnd)))
                                       : nullptr;
    if (hBrush != nullptr)
        dc.FillRect(&rc, hBrush);
    else
        dc.FillSolidRect(&rc, Theme().GetThemeColor(LUCLR_FACE));

    CRect rcText(rc);
    if (m_imageList.GetSafeHandle() != nullptr && m_imageList.GetImageCount() > 0) {
        const CSize icon = m_imageList.GetIconSize();
        m_imageList.Draw(&dc, 0, CPoint(rc.left, rc.top + (rc.Height() - icon.cy) / 2), ILD_TRANSPARENT);
        rcText.left += icon.cx + kIconGap;
    }
    CScopedSaveDC saved(dc.GetSafeHdc());
    if (m_font.GetSafeHandle() != nullptr)
        dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_bHover ? m_clrHover : m_bVisited ? m_clrVisited : m_clrLink);
    dc.DrawText(GetWindowText(), rcText, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (GetFocus() == this)
        dc.DrawFocusRect(&rc);
}

void CLuHyperLink::OnPaint()
{
    CPaintDC dc(this);
    PaintLink(dc);
}

BOOL CLuHyperLink::OnEraseBkgnd(CDC*) { return TRUE; }
