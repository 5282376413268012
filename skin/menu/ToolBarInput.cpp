// CLuToolBar's input and routing: button presses and releases, drop-down notifications, hot
// tracking, the tail's clicks, tooltips, command states and commands of hosted controls.
#include "skin/menu/ToolBar.h"

#include "fx/win/FrameWnd.h"
#include "fx/win/WinApp.h"
#include "skin/core/LuLibAux.h"
#include "skin/frame/FrameWnd.h"
#include "skin/menu/ToolBarMetrics.h"
#include "skin/menu/PlainNames.h"

using namespace lutoolbar;

BEGIN_MESSAGE_MAP(CLuToolBar, CLuControlBar)
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_CAPTURECHANGED()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_MESSAGE(WM_NCMOUSELEAVE, OnNcMouseLeave)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {

// Command states of the bar's buttons.
class CToolCmdUI : public CCmdUI {
public:
    explicit CToolCmdUI(CLuToolBar* pBar) : m_pBar(pBar) {}
    void Enable(BOOL bOn) override
    {
        m_pBar->EnableButton(static_cast<int>(m_nIndex), bOn);
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override { m_pBar->CheckedButton(static_cast<int>(m_nIndex), nCheck != 0); }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(LPCSTR) override {}

private:
    CLuToolBar* m_pBar;
};

}  // namespace

// ---- Buttons and the mouse ----

int CLuToolBar::HitTestButton(CPoint pt) const
{
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->m_rect.PtInRect(pt))
            return static_cast<int>(i);
    }
    return -1;
}

void CLuToolBar::InvalidateButton(int nIndex)
{
    const CTBButton* p = Button(nIndex);
    if (p != nullptr && m_hWnd != nullptr)
        InvalidateRect(p->m_rect, FALSE);
}

void CLuToolBar::OnLButtonDown(UINT, CPoint point)
{
    m_ptLast = point;
    // Every button is offered the press; only one can take it.
    for (size_t i = 0; i < m_buttons.size(); ++i)
        ButtonDown(static_cast<int>(i), point);
}

void CLuToolBar::ButtonDown(int nIndex, CPoint pt)
{
    CTBButton& b = *m_buttons[static_cast<size_t>(nIndex)];
    if (!b.IsEnabled() || b.IsSeparator() || (b.m_nStyle & LUTBS_CONTROL) || !b.m_rect.PtInRect(pt) ||
        m_bCapture || m_nPressed >= 0)
        return;
    m_bCapture = TRUE;
    SetCapture();
    m_ptPressed = pt;
    if (b.HasDropPart() && b.DropRect().PtInRect(pt)) {
        b.m_bDropPressed = TRUE;
        InvalidateButton(nIndex);
        UpdateWindow();
        const HWND hBar = m_hWnd;
        SendDropDown(b);
        if (!::IsWindow(hBar))
            return;
        m_bCapture = FALSE;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        // The drop-down's handler may have changed the buttons.
        if (CTBButton* p = Button(nIndex)) {
            p->m_bDropPressed = FALSE;
            InvalidateButton(nIndex);
        }
        PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        return;
    }
    m_nPressed = nIndex;
    b.m_nState |= LUTBST_PRESSED;
    InvalidateButton(nIndex);
}

void CLuToolBar::SendDropDown(const CTBButton& button)
{
    // The platform's toolbar record: sender, code TBN_DROPDOWN and the command, nothing else.
    NMTOOLBARA nm{};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nm.hdr.code = static_cast<UINT>(TBN_DROPDOWN);
    nm.iItem = static_cast<int>(button.m_nID);
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

void CLuToolBar::OnLButtonUp(UINT, CPoint point)
{
    m_ptLast = point;
    const int nIndex = m_nPressed;
    CTBButton* p = Button(nIndex);
    if (p == nullptr)
        return;
    const BOOL bWasPressed = (p->m_nState & LUTBST_PRESSED) != 0;
    m_nPressed = -1;
    m_bCapture = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    p->m_nState &= ~LUTBST_PRESSED;
    InvalidateButton(nIndex);
    // A release in the drop-down part is no click (a whole-button drop-down never clicks).
    const BOOL bInDrop = p->HasDropPart() && p->DropRect().PtInRect(point);
    if (bWasPressed && p->m_rect.PtInRect(point) && p->IsEnabled() && !bInDrop) {
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_COMMAND, MAKEWPARAM(p->m_nID, 0), reinterpret_cast<LPARAM>(m_hWnd));
    }
}

void CLuToolBar::OnCaptureChanged(CWnd* pWnd)
{
    // Capture taken away (a dialog, a menu): the press is over without a click.
    if (pWnd != this && m_nPressed >= 0 && ::GetCapture() != m_hWnd) {
        if (CTBButton* p = Button(m_nPressed))
            p->m_nState &= ~LUTBST_PRESSED;
        InvalidateButton(m_nPressed);
        m_nPressed = -1;
        m_bCapture = FALSE;
    }
}

void CLuToolBar::SetHot(int nIndex)
{
    if (nIndex == m_nHot)
        return;
    InvalidateButton(m_nHot);
    m_nHot = nIndex;
    InvalidateButton(m_nHot);
}

void CLuToolBar::OnMouseMove(UINT, CPoint point)
{
    m_ptLast = point;
    const int nIndex = HitTestButton(point);
    const CTBButton* p = Button(nIndex);
    const BOOL bHotCapable = p != nullptr && p->IsEnabled() && !p->IsSeparator() && !(p->m_nStyle & LUTBS_CONTROL);
    SetHot(bHotCapable ? nIndex : -1);
    if (!m_bLeaveTracked) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
        m_bLeaveTracked = ::TrackMouseEvent(&tme);
    }
}

LRESULT CLuToolBar::OnMouseLeave(WPARAM, LPARAM)
{
    m_bLeaveTracked = FALSE;
    SetHot(-1);
    return 0;
}

// ---- The tail ----

LRESULT CLuToolBar::OnNcHitTest(CPoint point)
{
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    CRect rcTail = TailRect();
    rcTail.OffsetRect(rcWnd.left, rcWnd.top);
    return rcTail.PtInRect(point) ? HTBORDER : HTCLIENT;
}

void CLuToolBar::OnNcMouseMove(UINT nHitTest, CPoint)
{
    const BOOL bHot = nHitTest == HTBORDER;
    if (bHot != m_bTailHot) {
        m_bTailHot = bHot;
        SendMessage(WM_NCPAINT, 1);
    }
    if (bHot) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE | TME_NONCLIENT, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
}

LRESULT CLuToolBar::OnNcMouseLeave(WPARAM, LPARAM)
{
    if (m_bTailHot || m_bTailPressed) {
        m_bTailHot = m_bTailPressed = FALSE;
        SendMessage(WM_NCPAINT, 1);
    }
    return 0;
}

void CLuToolBar::OnNcLButtonDown(UINT nHitTest, CPoint)
{
    if (nHitTest != HTBORDER)
        return;
    m_bTailPressed = TRUE;
    SendMessage(WM_NCPAINT, 1);
}

void CLuToolBar::OnNcLButtonUp(UINT nHitTest, CPoint)
{
    const BOOL bClick = m_bTailPressed && nHitTest == HTBORDER;
    m_bTailPressed = FALSE;
    SendMessage(WM_NCPAINT, 1);
    if (bClick)
        ToggleMenuBar();
}

void CLuToolBar::ToggleMenuBar()
{
    CWnd* pMain = AfxGetMainWnd();
    HWND hMain = pMain != nullptr ? pMain->GetSafeHwnd() : LuLibAux::GetTopLevelParent(m_hWnd);
    if (hMain != nullptr)
        ::SendMessageW(hMain, LU_WM_TOGGLEMENUBAR, 0, 0);
}

// ---- Command states, tooltips and routing ----

void CLuToolBar::OnUpdateCmdUI(CLuFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateButtonStates(pTarget, bDisableIfNoHndler);
}

void CLuToolBar::UpdateButtonStates(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state(this);
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_buttons.size());
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        const CTBButton& b = *m_buttons[i];
        if (b.IsSeparator() || (b.m_nStyle & LUTBS_CONTROL))
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = b.m_nID;
        // The bar's own handlers first, then the frame's routing.
        if (!state.DoUpdate(static_cast<CWnd*>(this), FALSE) && pTarget != nullptr)
            state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

LRESULT CLuToolBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!IsWindowVisible())
        return 0;
    CWnd* pTarget = GetTopLevelFrame();
    if (pTarget == nullptr)
        pTarget = GetParent();
    UpdateButtonStates(pTarget, static_cast<BOOL>(wParam));
    return 0;
}

BOOL CLuToolBar::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.RelayEvent(pMsg);
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    CFrameWnd* pTop = GetTopLevelFrame();
    if (pTop == nullptr || pTop->IsWindowEnabled()) {
        for (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr; pFrame = pFrame->GetParentFrame()) {
            if (pFrame->PreTranslateMessage(pMsg))
                return TRUE;
        }
    }
    // Tab and arrows among hosted controls, as in a dialog.
    bool bHosts = false;
    for (auto& p : m_buttons)
        bHosts = bHosts || p->HasControl();
    if (bHosts && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::IsDialogMessageW(m_hWnd, pMsg);
    return FALSE;
}

BOOL CLuToolBar::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    for (auto& p : m_buttons) {
        if (p->HasControl() && m_pumper.Pump(p->m_pControl, nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWnd* pMain = AfxGetMainWnd();
    return pMain != nullptr && m_pumper.Pump(pMain, nID, nCode, pExtra, pHandlerInfo);
}

BOOL CLuToolBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hCtrl = reinterpret_cast<HWND>(lParam);
    for (auto& p : m_buttons) {
        if (!p->HasControl() || p->m_pControl->GetSafeHwnd() != hCtrl)
            continue;
        // A hosted control's notification: the control first, then the bar's owner.
        LRESULT result = 0;
        if (ReflectMsg(hCtrl, WM_COMMAND, wParam, lParam, &result))
            return TRUE;
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}
