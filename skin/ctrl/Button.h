// CLuButton: every push button, check box, radio button and group box of the process, drawn by
// the theme. The system's "BUTTON" class keeps the control's state and keyboard behaviour; the
// object takes over the mouse (so each click notifies exactly once) and the drawing: push
// buttons become owner-drawn and draw in DrawItem, the other kinds paint themselves.
#pragma once

#include "fx/win/Controls.h"
#include "fx/win/ImageList.h"
#include "skin/core/ControlBase.h"

// Notifications to the parent: WM_COMMAND, control id in the low word of wParam, this code in
// the high word, the button's window handle in lParam.
#define LU_BN_CLICKED 0   // a click completed: pressed and released over the button
#define LU_BN_PUSHED 2    // the left button went down on the button
// The button left its pushed state without a click: released outside itself, or the mouse
// capture was taken away while it was held (a message box, another window capturing). Exactly
// one of LU_BN_CLICKED or LU_BN_RELEASED follows every LU_BN_PUSHED, so a holder that repeats
// while a button is held can stop on either.
#define LU_BN_RELEASED 3
#define LU_BN_DBLCLK 5    // double-click (radio buttons, and buttons with BS_NOTIFY)

// Bits of the inner state.
#define LU_BTNSTATE_PUSHED 0x0001  // drawn pushed (the system's BM_SETSTATE highlight)
#define LU_BTNSTATE_HOT 0x0002     // the pointer is over the button
#define LU_BTNSTATE_FOCUS 0x0008   // the button has the keyboard focus (BST_FOCUS)

class LULIB_API CLuButton : public CButton, public CLuControlBase {
    DECLARE_DYNCREATE(CLuButton)
    LU_DECLARE_CONTROL(CLuButton, CButton)
public:
    CLuButton() = default;
    ~CLuButton() override = default;

    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // The icon drawn at the left of a push button: an image list of images of that size cut
    // from the bitmap, clrMask transparent. FALSE without a bitmap.
    BOOL SetButtonIcon(CBitmap* pBitmap, CSize size, COLORREF clrMask);

    // The kind, from the low 4 bits of the creation style.
    BOOL IsButton() const;
    BOOL IsCheckBox() const;
    BOOL IsRadio() const;
    BOOL IsGroupBox() const;
    BOOL IsThreeState() const;
    BOOL IsDefaultButton() const;
    // Kinds outside the table (owner-drawn, split buttons ...) keep the system's behaviour.
    BOOL IsSkinnedKind() const;

    UINT GetInState() const;
    void SetInState(UINT nState);
    int GetInCheck() const;
    // Stores the check state (0..2 for three-state kinds, 3 read as 0; 0..1 for the others)
    // and redraws the box or dot.
    void SetInCheck(int nCheck);
    // Sets the check state through the system control (BM_SETCHECK), so both agree.
    void SetInCheckBox(int nCheck);
    BOOL HitTest(CPoint pt) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Paints a check box or radio button into dc; without text only the box or dot changes.
    void PaintBox(CDC& dc, BOOL bWithText);
    void PaintGroupBox(CDC& dc);

protected:
    void SendClickUpMsg();
    void SendClickDownMsg();
    void SendDbClickMsg();
    void SendReleaseMsg();
    // Unchecks every other library radio button of this button's dialog group.
    void OnRadioChecked();

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    void OnCaptureChanged(CWnd* pWnd);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    UINT OnGetDlgCode();
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);

private:
    UINT Kind() const { return m_dwCtrlStyle & 0x0F; }
    void Notify(UINT nCode);
    // Redraws after a state change: the box or dot only for check boxes and radio buttons.
    void RedrawState();
    void RedrawAll();
    void SetHot(BOOL bHot);
    void SetPushedMark(BOOL bPushed);
    // The next check state a click gives.
    int NextCheck() const;
    HBRUSH ParentBrush(CDC& dc, UINT nCtlColorMsg);

    UINT m_nInState = 0;
    int m_nInCheck = 0;
    BOOL m_bMouseDown = FALSE;  // pressed with the left button and holding the capture
    BOOL m_bTracking = FALSE;   // a WM_MOUSELEAVE is requested
    CImageList m_imageList;

    DECLARE_MESSAGE_MAP()
};
