#include "app/shell/ShortCut.h"

#include "app/shell/ShellControls.h"
#include "fx/win/WinApp.h"

IMPLEMENT_DYNCREATE(CShortCut, CWnd)
LU_IMPLEMENT_CONTROL(CShortCut)
LU_DEFAULT_INITCTRL(CShortCut)

BEGIN_MESSAGE_MAP(CShortCut, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

BOOL CShortCut::Register()
{
    return RegisterShellClass(SHORTCUT_CLASS, &LuNewClassProc<CShortCut>);
}

void CShortCut::Unregister()
{
    LuLibAux::UnregisterWndClass(SHORTCUT_CLASS);
}

BOOL CShortCut::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    return CreateEx(0, SHORTCUT_CLASS, lpszText, dwStyle | WS_CHILD, rect, pParent, nID);
}

void CShortCut::Redraw()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CShortCut::OnMouseMove(UINT, CPoint point)
{
    if (!IsWindowEnabled())
        return;
    CRect rc;
    GetClientRect(&rc);
    if (!m_bHover) {
        m_bHover = TRUE;
        SetCapture();
        Redraw();
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_SHORTCUT_HOVER, reinterpret_cast<WPARAM>(GetSafeHwnd()), 0);
    } else if (!rc.PtInRect(point)) {
        m_bHover = FALSE;
        ::ReleaseCapture();
        Redraw();
    }
}

void CShortCut::OnLButtonDown(UINT, CPoint)
{
    if (IsWindowEnabled())
        m_bPressed = TRUE;
}

void CShortCut::OnLButtonUp(UINT, CPoint point)
{
    ::ReleaseCapture();
    CRect rc;
    GetClientRect(&rc);
    if (rc.PtInRect(point) && m_bPressed) {
        if (CWnd* pMain = AfxGetMainWnd())
            pMain->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(GetSafeHwnd()));
    }
    m_bHover = FALSE;
    m_bPressed = FALSE;
    Redraw();
}

void CShortCut::OnPaint()
{
    CPaintDC dc(this);
    DrawButton(dc);
}

void CShortCut::DrawButton(CDC& dc)
{
    CRect rc;
    GetClientRect(&rc);
    dc.FillRect(&rc, ::GetSysColorBrush(m_bHover ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
    const int nImages = m_images.GetSafeHandle() != nullptr ? m_images.GetImageCount() : 0;
    if (nImages > 0) {
        const int nImage = m_bPressed && nImages > 2 ? 2 : (m_bHover && nImages > 1 ? 1 : 0);
        const CSize size = m_images.GetIconSize();
        m_images.Draw(&dc, nImage, CPoint(rc.left + (rc.Width() - size.cx) / 2, rc.top + (rc.Height() - size.cy) / 2),
                      ILD_TRANSPARENT);
    }
}
