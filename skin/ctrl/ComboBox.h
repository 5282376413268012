// CLuComboBox: every "COMBOBOX" of the process: the platform's combo box with a themed face
// and drop-down button that is drawn hot while the pointer is over it. Its edit and list parts
// stay plain system windows. CLuComboBoxEx: the extended combo box of the library.
#pragma once

#include "fx/win/Controls.h"
#include "skin/core/ControlBase.h"

class LULIB_API CLuComboBox : public CComboBox, public CLuControlBase {
    DECLARE_DYNCREATE(CLuComboBox)
    LU_DECLARE_CONTROL(CLuComboBox, CComboBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // The edit and list parts keep their system behaviour.
    BOOL _NeedHookChildMsg() override { return FALSE; }

    // Face, selected text (drop-down lists) and button, into dc.
    void PaintCombo(CDC& dc);
    BOOL IsHot() const { return m_bHot; }
    BOOL HasHoverCapture() const { return m_bHoverCapture; }

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);

private:
    void DrawArrow(CDC& dc, const RECT& rcButton, BOOL bHot, BOOL bPressed);
    void DrawArrowNow(BOOL bHot);
    void DropHover();

    BOOL m_bPressing = FALSE;      // the left button went down on the control and is not up yet
    BOOL m_bHoverCapture = FALSE;  // captured because the pointer is over the button
    BOOL m_bHot = FALSE;           // the button is drawn in its mouse-over state

    DECLARE_MESSAGE_MAP()
};

class LULIB_API CLuComboBoxEx : public CComboBox, public CLuControlBase {
    DECLARE_DYNCREATE(CLuComboBoxEx)
    LU_DECLARE_CONTROL(CLuComboBoxEx, CComboBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // The owner-draw notifications go straight to the system control.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
