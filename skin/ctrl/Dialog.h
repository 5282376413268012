// CLuDialog: the base of every dialog of the program. Its face and the backgrounds of its static
// texts and buttons are the theme's face colour; a dialog with a caption draws the skinned
// caption band, caption buttons and border of the main frame in its non-client area; with the
// library's string-table switch on, control captions come from the string table.
#pragma once

#include "fx/win/Dialog.h"
#include "skin/core/LuLibDefs.h"
#include "skin/core/WinSink.h"
#include "skin/frame/CaptionFrame.h"

class LULIB_API CLuDialog : public CDialog, public ILuWinSink {
    DECLARE_DYNCREATE(CLuDialog)
public:
    CLuDialog();
    CLuDialog(UINT nIDTemplate, CWnd* pParent);
    CLuDialog(LPCSTR lpszTemplateName, CWnd* pParent);
    ~CLuDialog() override;

    BOOL OnInitDialog() override;

    // ---- ILuWinSink: the caption buttons' host ----
    BOOL IsCapture() override;
    void Capture() override;
    void RelsCapture() override;
    void OnClick(UINT nButton) override;
    CWnd* GetSinkWnd() override { return this; }
    void RedrawSinkButton(UINT nButton) override;
    POINT GetSinkCursorPos() override;

    // Paints the caption band, caption buttons and border into a DC of the whole window
    // (window coordinates). Nothing for a dialog without a caption.
    void PaintNonClient(CDC& dc);
    // Whether the dialog draws the skinned caption (it has WS_CAPTION).
    BOOL HasSkinnedCaption() const;

protected:
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    BOOL OnNcActivate(BOOL bActive);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

private:
    CRect WindowRectAtOrigin() const;
    CPoint ScreenToWindowPoint(CPoint ptScreen) const;
    CPoint ClientToWindowPoint(CPoint ptClient) const;
    void RedrawFrame();

    luframe::CaptionButtons m_captionButtons;
    BOOL m_bBtnCapture = FALSE;  // the caption buttons hold the mouse capture
    CSize m_sizeRegion{0, 0};    // the window size the current region was made for

    DECLARE_MESSAGE_MAP()
};
