#include "skin/ctrl/Button.h"

#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/theme/GdiWrappers.h"
#include "skin/theme/Theme.h"

IMPLEMENT_DYNCREATE(CLuButton, CButton)
LU_IMPLEMENT_CONTROL(CLuButton)
LU_PROVIDE_LIBRARY_CLASS(CLuButton, LU_ROW_BUTTON, LuCtrlClassProc)

BEGIN_MESSAGE_MAP(CLuButton, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_CAPTURECHANGED()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
END_MESSAGE_MAP()

namespace {

// Kinds by the low 4 bits of the style.
enum : UINT {
    kPush = BS_PUSHBUTTON, kDefPush = BS_DEFPUSHBUTTON, kCheck = BS_CHECKBOX, kAutoCheck = BS_AUTOCHECKBOX,
    kRadio = BS_RADIOBUTTON, k3State = BS_3STATE, kAuto3State = BS_AUTO3STATE, kGroup = BS_GROUPBOX,
    kUserButton = BS_USERBUTTON, kAutoRadio = BS_AUTORADIOBUTTON
};

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

// A group of a dialog starts at a control with WS_GROUP (or the first control) and runs up to
// the next one with WS_GROUP.
bool StartsGroup(HWND hWnd) { return (::GetWindowLongW(hWnd, GWL_STYLE) & WS_GROUP) != 0; }

}  // namespace

// ---- Kind ----

BOOL CLuButton::IsButton() const { return Kind() == kPush || Kind() == kDefPush || Kind() == kUserButton; }
BOOL CLuButton::IsCheckBox() const
{
    return Kind() == kCheck || Kind() == kAutoCheck || Kind() == k3State || Kind() == kAuto3State;
}
BOOL CLuButton::IsRadio() const { return Kind() == kRadio || Kind() == kAutoRadio; }
BOOL CLuButton::IsGroupBox() const { return Kind() == kGroup; }
BOOL CLuButton::IsThreeState() const { return Kind() == k3State || Kind() == kAuto3State; }
BOOL CLuButton::IsDefaultButton() const { return Kind() == kDefPush; }
BOOL CLuButton::IsSkinnedKind() const { return IsButton() || IsCheckBox() || IsRadio() || IsGroupBox(); }

// ---- Creation and set-up ----

BOOL CLuButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    CLuCreateBlock block(this);
    return CreateEx(0, "BUTTON", lpszCaption, dwStyle | WS_CHILD, rect, pParentWnd, nID, &block);
}

void CLuButton::OnInitCtrl(DWORD dwStyle)
{
    m_dwCtrlStyle = dwStyle;
    // Push buttons are drawn by DrawItem: the system asks for it once they are owner-drawn.
    if (IsButton())
        ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>((GetStyle() & ~BS_TYPEMASK) | BS_OWNERDRAW));
    if (IsCheckBox() || IsRadio())
        SetInCheck(static_cast<int>(::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0)));
}

BOOL CLuButton::SetButtonIcon(CBitmap* pBitmap, CSize size, COLORREF clrMask)
{
    if (pBitmap == nullptr || pBitmap->GetSafeHandle() == nullptr)
        return FALSE;
    m_imageList.DeleteImageList();
    if (!m_imageList.Create(size.cx, size.cy, ILC_COLOR32 | ILC_MASK, 1, 1))
        return FALSE;
    if (m_imageList.Add(pBitmap, clrMask) < 0) {
        m_imageList.DeleteImageList();
        return FALSE;
    }
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

// ---- State ----

UINT CLuButton::GetInState() const { return m_nInState; }
int CLuButton::GetInCheck() const { return m_nInCheck; }

void CLuButton::SetInState(UINT nState)
{
    m_nInState = nState;
}

void CLuButton::SetInCheck(int nCheck)
{
    if (IsThreeState()) {
        nCheck &= 3;
        if (nCheck == 3)
            nCheck = 0;
    } else {
        nCheck &= 1;
    }
    m_nInCheck = nCheck;
    RedrawState();
}

void CLuButton::SetInCheckBox(int nCheck)
{
    if (m_hWnd != nullptr)
        SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
    else
        SetInCheck(nCheck);
}

int CLuButton::NextCheck() const
{
    if (IsThreeState())
        return (m_nInCheck + 1) % 3;
    return m_nInCheck == 0 ? 1 : 0;
}

BOOL CLuButton::HitTest(CPoint pt) const
{
    CRect rc;
    GetClientRect(&rc);
    return rc.PtInRect(pt);
}

void CLuButton::Notify(UINT nCode)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent != nullptr)
        ::SendMessageW(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), reinterpret_cast<LPARAM>(m_hWnd));
}

void CLuButton::SendClickUpMsg() { Notify(LU_BN_CLICKED); }
void CLuButton::SendClickDownMsg() { Notify(LU_BN_PUSHED); }
void CLuButton::SendDbClickMsg() { Notify(LU_BN_DBLCLK); }
void CLuButton::SendReleaseMsg() { Notify(LU_BN_RELEASED); }

void CLuButton::SetPushedMark(BOOL bPushed)
{
    // Through the system control, so an owner-drawn button is drawn selected (ODS_SELECTED).
    SendMessage(BM_SETSTATE, static_cast<WPARAM>(bPushed));
}

void CLuButton::SetHot(BOOL bHot)
{
    const UINT old = m_nInState;
    m_nInState = bHot ? (m_nInState | LU_BTNSTATE_HOT) : (m_nInState & ~LU_BTNSTATE_HOT);
    if (old != m_nInState)
        RedrawState();
}

// ---- Messages that change the look ----

LRESULT CLuButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The focus bit must be right before the system asks an owner-drawn button to draw.
    if (message == WM_SETFOCUS)
        m_nInState |= LU_BTNSTATE_FOCUS;
    else if (message == WM_KILLFOCUS)
        m_nInState &= ~LU_BTNSTATE_FOCUS;

    const LRESULT result = CButton::WindowProc(message, wParam, lParam);
    if (m_hWnd == nullptr)
        return result;
    switch (message) {
    case BM_SETCHECK:
        SetInCheck(static_cast<int>(wParam));
        break;
    case BM_SETSTATE:
        // The pushed bit follows the highlight; the focus and hot bits stay what they are.
        SetInState((m_nInState & ~LU_BTNSTATE_PUSHED) | (wParam != 0 ? LU_BTNSTATE_PUSHED : 0));
        RedrawState();
        break;
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        // The system control draws these changes itself; draw over them.
        if (!IsButton())
            RedrawAll();
        break;
    default:
        break;
    }
    return result;
}

void CLuButton::RedrawState()
{
    if (m_hWnd == nullptr || !::IsWindowVisible(m_hWnd))
        return;
    if (IsCheckBox() || IsRadio()) {
        CClientDC dc(this);
        PaintBox(dc, FALSE);
    } else if (IsButton()) {
        Invalidate(FALSE);
    }
}

void CLuButton::RedrawAll()
{
    if (m_hWnd == nullptr || !::IsWindowVisible(m_hWnd))
        return;
    if (IsButton()) {
        Invalidate(FALSE);
        return;
    }
    CClientDC dc(this);
    if (IsGroupBox())
        PaintGroupBox(dc);
    else
        PaintBox(dc, TRUE);
}

// ---- Mouse ----

void CLuButton::OnLButtonDown(UINT, CPoint point)
{
    if (!IsSkinnedKind()) {
        Default();
        return;
    }
    if (m_bMouseDown || !HitTest(point) || GetCapture() == this || !IsWindowEnabled())
        return;
    SetCapture();
    m_bMouseDown = TRUE;
    SetPushedMark(TRUE);
    if (GetFocus() != this)
        SetFocus();
    SendClickDownMsg();
}

void CLuButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!IsSkinnedKind()) {
        Default();
        return;
    }
    // A quick second click is a click of its own.
    OnLButtonDown(nFlags, point);
    if (IsRadio() || (GetStyle() & BS_NOTIFY))
        SendDbClickMsg();
}

void CLuButton::OnLButtonUp(UINT, CPoint point)
{
    if (!IsSkinnedKind()) {
        Default();
        return;
    }
    if (!m_bMouseDown)
        return;
    // Cleared first: losing the capture below is not a capture taken away.
    m_bMouseDown = FALSE;
    ReleaseCapture();
    SetPushedMark(FALSE);
    if (!HitTest(point)) {
        SendReleaseMsg();
        return;
    }
    if (IsCheckBox()) {
        SendMessage(BM_SETCHECK, static_cast<WPARAM>(NextCheck()));
    } else if (IsRadio()) {
        SendMessage(BM_SETCHECK, BST_CHECKED);
        if (IsWindowEnabled())
            OnRadioChecked();
    }
    SendClickUpMsg();
}

void CLuButton::OnMouseMove(UINT, CPoint point)
{
    const BOOL bInside = HitTest(point);
    if (!m_bTracking && bInside) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
        m_bTracking = ::TrackMouseEvent(&tme);
    }
    SetHot(bInside);
    // While held, the button looks pushed only with the pointer over it, as system buttons do.
    if (m_bMouseDown && bInside != ((m_nInState & LU_BTNSTATE_PUSHED) != 0))
        SetPushedMark(bInside);
}

LRESULT CLuButton::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTracking = FALSE;
    if (!m_bMouseDown)
        SetHot(FALSE);
    return 0;
}

void CLuButton::OnCaptureChanged(CWnd*)
{
    if (!m_bMouseDown)
        return;
    // The capture was taken away while the button was held: it is no longer held, and the
    // parent hears so, as it would from a release outside.
    m_bMouseDown = FALSE;
    SetPushedMark(FALSE);
    SetHot(FALSE);
    SendReleaseMsg();
}

void CLuButton::OnDestroy()
{
    // A button going away while held tells nobody: its parent is being torn down.
    m_bMouseDown = FALSE;
    Default();
}

void CLuButton::OnRadioChecked()
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent == nullptr)
        return;
    HWND hFirst = m_hWnd;
    while (!StartsGroup(hFirst)) {
        HWND hPrev = ::GetWindow(hFirst, GW_HWNDPREV);
        if (hPrev == nullptr)
            break;
        hFirst = hPrev;
    }
    for (HWND h = hFirst; h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (h != hFirst && StartsGroup(h))
            break;
        if (h == m_hWnd)
            continue;
        CLuButton* pOther = DYNAMIC_DOWNCAST(CLuButton, CWnd::FromHandlePermanent(h));
        if (pOther != nullptr && pOther->IsRadio() && LuLibAux::CtrlFromHandle(h) != nullptr)
            ::SendMessageW(h, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

// ---- Keyboard and dialog manager ----

UINT CLuButton::OnGetDlgCode()
{
    // An owner-drawn button would count as a plain button; a push button still takes part in
    // the dialog's default-button handling (Enter, the default ring following the focus).
    if (IsButton())
        return DLGC_BUTTON | (IsDefaultButton() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    return static_cast<UINT>(Default());
}

LRESULT CLuButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    if (!IsButton())
        return Default();
    // The dialog manager moves the default ring by switching between the two push kinds: the
    // kind is ours to keep, the window stays owner-drawn.
    const UINT kind = static_cast<UINT>(wParam) & BS_TYPEMASK;
    if (kind == kPush || kind == kDefPush)
        m_dwCtrlStyle = (m_dwCtrlStyle & ~BS_TYPEMASK) | kind;
    const WPARAM style = (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
    const LRESULT result = DefWindowProc(BM_SETSTYLE, style, lParam);
    if (lParam != 0)
        Invalidate(FALSE);
    return result;
}

// ---- Painting ----

HBRUSH CLuButton::ParentBrush(CDC& dc, UINT nCtlColorMsg)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent == nullptr)
        return nullptr;
    return reinterpret_cast<HBRUSH>(
        ::SendMessageW(hParent, nCtlColorMsg, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), reinterpret_cast<LPARAM>(m_hWnd)));
}

void CLuButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CLuAttachDC dc(lpDrawItemStruct->hDC);
    CScopedSaveDC saved(dc.GetSafeHdc());
    HWND hParent = ::GetParent(m_hWnd);
    HFONT hFont = hParent != nullptr ? reinterpret_cast<HFONT>(::SendMessageW(hParent, WM_GETFONT, 0, 0)) : nullptr;
    if (hFont != nullptr)
        dc.SelectObject(hFont);

    _LUDRAW_PARAM p;
    p.rect = lpDrawItemStruct->rcItem;
    p.strText = GetWindowText();
    p.bEnabled = IsWindowEnabled();
    p.bPressed = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    POINT pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    p.bHot = CRect(p.rect).PtInRect(pt);
    p.bFocus = (m_nInState & LU_BTNSTATE_FOCUS) != 0;
    p.dwStyle = LOWORD(GetStyle()) | (IsDefaultButton() ? LU_STYLE_DEFBUTTON : 0);
    p.dwData = reinterpret_cast<DWORD_PTR>(m_imageList.GetSafeHandle());
    p.dwData2 = reinterpret_cast<DWORD_PTR>(ParentBrush(dc, WM_CTLCOLORBTN));
    Theme().DrawButton(dc, p);
}

void CLuButton::PaintBox(CDC& dc, BOOL bWithText)
{
    CScopedSaveDC saved(dc.GetSafeHdc());
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont != nullptr)
        dc.SelectObject(hFont);
    _LUDRAW_PARAM p;
    GetClientRect(&p.rect);
    p.strText = GetWindowText();
    p.bEnabled = IsWindowEnabled();
    p.bPressed = (m_nInState & LU_BTNSTATE_PUSHED) != 0;
    p.bHot = (m_nInState & LU_BTNSTATE_HOT) != 0;
    p.bFocus = (m_nInState & LU_BTNSTATE_FOCUS) != 0;
    p.dwStyle = GetStyle();
    p.dwData = MAKELONG(m_nInCheck, bWithText ? 1 : 0);
    p.dwData2 = reinterpret_cast<DWORD_PTR>(ParentBrush(dc, WM_CTLCOLORSTATIC));
    if (IsRadio())
        Theme().DrawRadioBox(dc, p);
    else
        Theme().DrawCheckBox(dc, p);
}

void CLuButton::PaintGroupBox(CDC& dc)
{
    CScopedSaveDC saved(dc.GetSafeHdc());
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont != nullptr)
        dc.SelectObject(hFont);
    _LUDRAW_PARAM p;
    GetClientRect(&p.rect);
    p.strText = GetWindowText();
    p.bEnabled = IsWindowEnabled();
    p.dwStyle = GetStyle();
    p.dwData2 = reinterpret_cast<DWORD_PTR>(ParentBrush(dc, WM_CTLCOLORSTATIC));
    Theme().DrawGroupBox(dc, p);
}

void CLuButton::OnPaint()
{
    if (!IsCheckBox() && !IsRadio() && !IsGroupBox()) {
        Default();  // the system sends WM_DRAWITEM, which comes back as DrawItem
        return;
    }
    CPaintDC dc(this);
    if (IsGroupBox())
        PaintGroupBox(dc);
    else
        PaintBox(dc, TRUE);
}

BOOL CLuButton::OnEraseBkgnd(CDC* pDC)
{
    // Boxes paint their whole face; a group box leaves what lies inside it to the parent.
    if (IsCheckBox() || IsRadio() || IsGroupBox())
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}
