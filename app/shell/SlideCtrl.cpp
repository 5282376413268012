#include "app/shell/SlideCtrl.h"

#include "app/res/ShellRes.h"
#include "app/shell/ShellControls.h"

IMPLEMENT_DYNCREATE(CSlideCtrl, CWnd)
LU_IMPLEMENT_CONTROL(CSlideCtrl)

BEGIN_MESSAGE_MAP(CSlideCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CSlideCtrl::Register()
{
    return RegisterShellClass(SLIDE_CTRL_CLASS, &LuNewClassProc<CSlideCtrl>);
}

void CSlideCtrl::Unregister()
{
    LuLibAux::UnregisterWndClass(SLIDE_CTRL_CLASS);
}

void CSlideCtrl::OnInitCtrl(DWORD dwStyle)
{
    m_dwCtrlStyle = dwStyle;
    m_pumper.InitPumper(this);
    // The program's bitmaps; a module without them paints the face colour.
    m_bmBackground.LoadBitmap(IDB_SLIDE_BACK);
    m_bmFrame.LoadBitmap(IDB_SLIDE_FRAME);
}

BOOL CSlideCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    return CreateEx(0, SLIDE_CTRL_CLASS, "", dwStyle | WS_CHILD, rect, pParent, nID);
}

void CSlideCtrl::SetChild(CWnd* pChild)
{
    m_pChild = pChild;
    if (GetSafeHwnd() != nullptr)
        PlaceChild();
}

BOOL CSlideCtrl::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pChild != nullptr && m_pumper.Pump(m_pChild, nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CSlideCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    PlaceChild();
}

void CSlideCtrl::PlaceChild()
{
    // Nothing to ask without a live child.
    if (m_pChild == nullptr || m_pChild->GetSafeHwnd() == nullptr)
        return;
    SIZE size = {0, 0};
    m_pChild->SendMessage(WM_SLIDE_PREFERRED_SIZE, 0, reinterpret_cast<LPARAM>(&size));
    CRect rc;
    GetClientRect(&rc);
    m_pChild->SetWindowPos(nullptr, rc.left + (rc.Width() - size.cx) / 2, rc.top + (rc.Height() - size.cy) / 2,
                           size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CSlideCtrl::OnPaint()
{
    CPaintDC dc(this);
    DrawBackground(dc);
}

void CSlideCtrl::DrawBackground(CDC& dc)
{
    CRect rc;
    GetClientRect(&rc);
    if (m_bmBackground.GetSafeHandle() == nullptr) {
        dc.FillRect(&rc, ::GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    CDC memory;
    if (!memory.CreateCompatibleDC(dc.GetSafeHdc()))
        return;
    CScopedSelect select(memory, m_bmBackground);
    const CSize size = m_bmBackground.GetSize();
    dc.StretchBlt(rc.left, rc.top, rc.Width(), rc.Height(), memory.GetSafeHdc(), 0, 0, size.cx, size.cy, SRCCOPY);
}
