#include "skin/ctrl/ComboBox.h"

#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/theme/Theme.h"

IMPLEMENT_DYNCREATE(CLuComboBox, CComboBox)
LU_IMPLEMENT_CONTROL(CLuComboBox)
LU_DEFAULT_INITCTRL(CLuComboBox)
LU_PROVIDE_LIBRARY_CLASS(CLuComboBox, LU_ROW_COMBOBOX, LuCtrlClassProc)

IMPLEMENT_DYNCREATE(CLuComboBoxEx, CComboBox)
LU_IMPLEMENT_CONTROL(CLuComboBoxEx)
LU_DEFAULT_INITCTRL(CLuComboBoxEx)

BEGIN_MESSAGE_MAP(CLuComboBox, CComboBox)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

CLuTheme& Theme() { return *CLuThemeManager::Instance()->GetTheme(); }

}  // namespace

BOOL CLuComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    CLuCreateBlock block(this);
    return CreateEx(0, "COMBOBOX", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID, &block);
}

// ---- Painting ----

void CLuComboBox::DrawArrow(CDC& dc, const RECT& rcButton, BOOL bHot, BOOL bPressed)
{
    _LUDRAW_PARAM p;
    p.rect = rcButton;
    p.bEnabled = IsWindowEnabled();
    p.bHot = bHot;
    p.bPressed = bPressed;
    Theme().DrawComboBoxArrow(dc, p);
}

void CLuComboBox::PaintCombo(CDC& dc)
{
    COMBOBOXINFO cbi{};
    if (!GetComboBoxInfo(&cbi))
        return;
    CLuTheme& t = Theme();
    _LUDRAW_PARAM face;
    GetClientRect(&face.rect);
    face.bEnabled = IsWindowEnabled();
    t.DrawClientRect(dc, face);

    // A drop-down list shows its selected text itself; an edit part paints its own.
    const bool bDropList = (GetStyle() & 0x3) == CBS_DROPDOWNLIST;
    const int nSel = GetCurSel();
    if (bDropList && nSel >= 0) {
        CString text;
        GetLBText(nSel, text);  // sized from the item's own length
        CScopedSaveDC saved(dc.GetSafeHdc());
        HWND hParent = ::GetParent(m_hWnd);
        HFONT hFont = hParent != nullptr ? reinterpret_cast<HFONT>(::SendMessageW(hParent, WM_GETFONT, 0, 0)) : nullptr;
        if (hFont != nullptr)
            dc.SelectObject(hFont);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(t.GetThemeColor(IsWindowEnabled() ? LUCLR_TEXT : LUCLR_DISABLEDTEXT));
        CRect rcItem(cbi.rcItem);
        dc.DrawText(text, rcItem, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (!(cbi.stateButton & STATE_SYSTEM_INVISIBLE))
        DrawArrow(dc, cbi.rcButton, m_bHot, (cbi.stateButton & STATE_SYSTEM_PRESSED) != 0);
}

void CLuComboBox::OnPaint()
{
    COMBOBOXINFO cbi{};
    if (!GetComboBoxInfo(&cbi)) {
        Default();
        return;
    }
    CPaintDC dc(this);
    PaintCombo(dc);
}

BOOL CLuComboBox::OnEraseBkgnd(CDC*) { return TRUE; }

void CLuComboBox::DrawArrowNow(BOOL bHot)
{
    COMBOBOXINFO cbi{};
    if (!GetComboBoxInfo(&cbi) || (cbi.stateButton & STATE_SYSTEM_INVISIBLE) || !IsWindowVisible())
        return;
    CClientDC dc(this);
    DrawArrow(dc, cbi.rcButton, bHot, FALSE);
}

// ---- Hover over the button ----

void CLuComboBox::OnMouseMove(UINT nFlags, CPoint point)
{
    CComboBox::OnMouseMove(nFlags, point);
    COMBOBOXINFO cbi{};
    if (m_hWnd == nullptr || !GetComboBoxInfo(&cbi))
        return;
    const bool inButton = CRect(cbi.rcButton).PtInRect(point) != FALSE;
    const bool holds = GetCapture() == this;
    if (!m_bPressing && !holds && inButton) {
        SetCapture();
        m_bHoverCapture = TRUE;
        m_bHot = TRUE;
        DrawArrowNow(TRUE);
    } else if (!m_bPressing && holds && !inButton) {
        DropHover();
        ::ReleaseCapture();
    }
}

void CLuComboBox::DropHover()
{
    m_bHoverCapture = FALSE;
    m_bHot = FALSE;
    DrawArrowNow(FALSE);
}

void CLuComboBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bPressing = TRUE;
    if (m_bHoverCapture) {
        // The list is about to open and take the mouse: the hover capture goes first.
        m_bHoverCapture = FALSE;
        m_bHot = FALSE;
        ::ReleaseCapture();
    }
    CComboBox::OnLButtonDown(nFlags, point);
}

void CLuComboBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bPressing = FALSE;
    CComboBox::OnLButtonUp(nFlags, point);
}

void CLuComboBox::OnCaptureChanged(CWnd* pWnd)
{
    // Someone else took the mouse while the button was hot: it is not hot any more.
    if (m_bHoverCapture && pWnd != this)
        DropHover();
    CComboBox::OnCaptureChanged(pWnd);
}

// ---- Extended combo box ----

BOOL CLuComboBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&icc);
    CLuCreateBlock block(this);
    return CreateEx(0, "ComboBoxEx32", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID, &block);
}

LRESULT CLuComboBoxEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_DELETEITEM)
        return DefWindowProc(message, wParam, lParam);
    return CComboBox::WindowProc(message, wParam, lParam);
}
