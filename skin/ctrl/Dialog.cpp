#include "skin/ctrl/Dialog.h"

#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "skin/core/LuLibAux.h"
#include "skin/frame/FrameWnd.h"
#include "skin/theme/Theme.h"

IMPLEMENT_DYNCREATE(CLuDialog, CDialog)

BEGIN_MESSAGE_MAP(CLuDialog, CDialog)
    ON_WM_CTLCOLOR()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_WM_NCHITTEST()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

using namespace luframe;

CLuDialog::CLuDialog() : m_captionButtons(this) {}

CLuDialog::CLuDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent), m_captionButtons(this) {}

CLuDialog::CLuDialog(LPCSTR lpszTemplateName, CWnd* pParent)
    : CDialog(lpszTemplateName, pParent), m_captionButtons(this)
{
}

CLuDialog::~CLuDialog() = default;

BOOL CLuDialog::OnInitDialog()
{
    const BOOL result = CDialog::OnInitDialog();
    if (LuLibAux::IsCBST()) {
        HINSTANCE hInst = AfxGetResourceHandle();
        for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
            const UINT nID = static_cast<UINT>(::GetDlgCtrlID(h)) & 0xFFFF;
            wchar_t probe[2];
            if (::LoadStringW(hInst, nID, probe, 2) > 0)
                CWnd::FromHandle(h)->SetWindowText(fx::LoadStringGbk(hInst, nID));
        }
    }
    return result;
}

// ---- Colours ----

HBRUSH CLuDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_STATIC && nCtlColor != CTLCOLOR_BTN && nCtlColor != CTLCOLOR_DLG)
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    CLuTheme* pTheme = CLuThemeManager::Instance()->GetTheme();
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetBkColor(pTheme->GetThemeColor(LUCLR_FACE));
    return static_cast<HBRUSH>(pTheme->GetBntFaceBrush()->GetSafeHandle());
}

// ---- Geometry ----

BOOL CLuDialog::HasSkinnedCaption() const { return (GetStyle() & WS_CAPTION) == WS_CAPTION; }

CRect CLuDialog::WindowRectAtOrigin() const
{
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    return rc;
}

CPoint CLuDialog::ScreenToWindowPoint(CPoint ptScreen) const
{
    CRect rc;
    GetWindowRect(&rc);
    return CPoint(ptScreen.x - rc.left, ptScreen.y - rc.top);
}

CPoint CLuDialog::ClientToWindowPoint(CPoint ptClient) const
{
    POINT pt = ptClient;
    ClientToScreen(&pt);
    return ScreenToWindowPoint(pt);
}

void CLuDialog::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!HasSkinnedCaption()) {
        CDialog::OnNcCalcSize(bCalcValidRects, lpncsp);
        return;
    }
    // With FALSE the parameter is one RECT, which is also where the first rectangle lies.
    RECT* pRect = &lpncsp->rgrc[0];
    *pRect = CaptionClientRect(CRect(*pRect));
}

void CLuDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (!HasSkinnedCaption())
        return;
    const CRect rc = WindowRectAtOrigin();
    if (nType == SIZE_RESTORED) {
        // Rounded top corners, as the main frame has.
        if (rc.Size() != m_sizeRegion) {
            m_sizeRegion = rc.Size();
            SetWindowRgn(CreateCaptionRegion(rc.Width(), rc.Height()), TRUE);
        }
    } else if (m_sizeRegion != CSize(0, 0)) {
        m_sizeRegion = CSize(0, 0);
        SetWindowRgn(nullptr, TRUE);
    }
}

// ---- Painting ----

void CLuDialog::PaintNonClient(CDC& dc)
{
    if (!HasSkinnedCaption())
        return;
    const CRect rc = WindowRectAtOrigin();
    m_captionButtons.Layout(rc, GetStyle());
    PaintCaptionFrame(dc, rc, CaptionIcon(m_hWnd), GetWindowText(), m_captionButtons);
}

void CLuDialog::OnNcPaint()
{
    if (!HasSkinnedCaption()) {
        CDialog::OnNcPaint();
        return;
    }
    CWindowDC dc(this);
    PaintNonClient(dc);
}

BOOL CLuDialog::OnNcActivate(BOOL bActive)
{
    if (!HasSkinnedCaption())
        return CDialog::OnNcActivate(bActive);
    // -1: the system records the state but leaves the painting to us.
    const BOOL result = static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, static_cast<WPARAM>(bActive), -1));
    if (IsWindowVisible()) {
        CWindowDC dc(this);
        PaintNonClient(dc);
    }
    return result;
}

LRESULT CLuDialog::OnSetText(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    // The system may have drawn its own caption for the new text: draw the frame again.
    if (HasSkinnedCaption() && IsWindowVisible())
        RedrawFrame();
    return result;
}

void CLuDialog::RedrawFrame()
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CLuDialog::RedrawSinkButton(UINT nButton)
{
    CLuTButton* pButton = m_captionButtons.Find(nButton);
    if (pButton == nullptr || !IsWindowVisible())
        return;
    CWindowDC dc(this);
    const CRect rcButton(*pButton->GetRect());
    CScopedSaveDC saved(dc.GetSafeHdc());
    dc.IntersectClipRect(&rcButton);
    FillCaptionBand(dc, CaptionBandRect(WindowRectAtOrigin()));
    pButton->OnPaint(dc);
}

// ---- Hit testing and the caption buttons' mouse ----

LRESULT CLuDialog::OnNcHitTest(CPoint point)
{
    if (!HasSkinnedCaption())
        return CDialog::OnNcHitTest(point);
    const CRect rc = WindowRectAtOrigin();
    const CPoint pt = ScreenToWindowPoint(point);
    if (!rc.PtInRect(pt))
        return HTNOWHERE;
    m_captionButtons.Layout(rc, GetStyle());
    if (CLuTButton* pButton = m_captionButtons.HitTest(pt)) {
        switch (pButton->GetButtonNumber()) {
        case LU_CAPBTN_CLOSE: return HTCLOSE;
        case LU_CAPBTN_MIN: return HTMINBUTTON;
        default: return HTMAXBUTTON;
        }
    }
    if (CaptionClientRect(rc).PtInRect(pt))
        return HTCLIENT;
    if (CaptionBandRect(rc).PtInRect(pt))
        return HTCAPTION;
    if (!(GetStyle() & WS_THICKFRAME))
        return HTBORDER;
    const bool left = pt.x < LU_FRAME_BORDER, right = pt.x >= rc.right - LU_FRAME_BORDER;
    const bool top = pt.y < LU_FRAME_BORDER, bottom = pt.y >= rc.bottom - LU_FRAME_BORDER;
    if (top)
        return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom)
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    return left ? HTLEFT : HTRIGHT;
}

static bool IsCaptionButtonHit(UINT nHitTest)
{
    return nHitTest == HTCLOSE || nHitTest == HTMINBUTTON || nHitTest == HTMAXBUTTON;
}

void CLuDialog::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    if (HasSkinnedCaption()) {
        m_captionButtons.Layout(WindowRectAtOrigin(), GetStyle());
        m_captionButtons.OnMouseMove(::GetKeyState(VK_LBUTTON) < 0 ? MK_LBUTTON : 0, ScreenToWindowPoint(point));
    }
    if (!IsCaptionButtonHit(nHitTest))
        CDialog::OnNcMouseMove(nHitTest, point);
}

void CLuDialog::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (HasSkinnedCaption() && IsCaptionButtonHit(nHitTest)) {
        m_captionButtons.Layout(WindowRectAtOrigin(), GetStyle());
        m_captionButtons.OnLButtonDown(ScreenToWindowPoint(point));
        return;
    }
    CDialog::OnNcLButtonDown(nHitTest, point);
}

void CLuDialog::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    // A quick second press on a caption button is a press of its own.
    if (HasSkinnedCaption() && IsCaptionButtonHit(nHitTest)) {
        m_captionButtons.OnLButtonDown(ScreenToWindowPoint(point));
        return;
    }
    CDialog::OnNcLButtonDblClk(nHitTest, point);
}

void CLuDialog::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bBtnCapture) {
        m_captionButtons.OnMouseMove(nFlags, ClientToWindowPoint(point));
        return;
    }
    CDialog::OnMouseMove(nFlags, point);
}

void CLuDialog::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bBtnCapture) {
        m_captionButtons.OnLButtonDown(ClientToWindowPoint(point));
        return;
    }
    CDialog::OnLButtonDown(nFlags, point);
}

void CLuDialog::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bBtnCapture) {
        m_captionButtons.OnLButtonUp(ClientToWindowPoint(point));
        return;
    }
    CDialog::OnLButtonUp(nFlags, point);
}

void CLuDialog::OnCaptureChanged(CWnd* pWnd)
{
    // Taken away (a released capture clears the flag first): the buttons let go.
    if (m_bBtnCapture) {
        m_bBtnCapture = FALSE;
        m_captionButtons.Reset();
    }
    CDialog::OnCaptureChanged(pWnd);
}

// ---- ILuWinSink ----

BOOL CLuDialog::IsCapture() { return GetCapture() == this; }

void CLuDialog::Capture()
{
    m_bBtnCapture = TRUE;
    SetCapture();
}

void CLuDialog::RelsCapture()
{
    m_bBtnCapture = FALSE;
    if (GetCapture() == this)
        ::ReleaseCapture();
}

void CLuDialog::OnClick(UINT nButton)
{
    switch (nButton) {
    case LU_CAPBTN_CLOSE:
        SendMessage(WM_SYSCOMMAND, SC_CLOSE);
        break;
    case LU_CAPBTN_MIN:
        SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        break;
    case LU_CAPBTN_MAX:
        SendMessage(WM_SYSCOMMAND, IsZoomed() ? SC_RESTORE : SC_MAXIMIZE);
        break;
    default:
        break;
    }
}

POINT CLuDialog::GetSinkCursorPos()
{
    POINT pt;
    ::GetCursorPos(&pt);
    return ScreenToWindowPoint(pt);
}
