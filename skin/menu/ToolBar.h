// CLuToolBar: a dockable bar (bar type 3) whose buttons are objects of the library (CTBButton),
// not system toolbar buttons. A button shows an image of the bar's image list, optionally its
// caption beside the image, a tooltip, a drop-down arrow, or hosts a child control instead.
// Clicks go to the bar's parent as WM_COMMAND (lParam the bar), drop-downs as TBN_DROPDOWN;
// button states follow the command-UI update. The bar paints a glassy background and a tail
// at its end that asks the main window to toggle its menu bar (0x1404).
#pragma once

#include "fx/win/Controls.h"
#include "fx/win/ImageList.h"
#include "skin/core/CmdMsgPumper.h"
#include "skin/core/ControlBase.h"
#include "skin/core/CreateContext.h"
#include "skin/frame/ControlBar.h"

#include <memory>
#include <utility>
#include <vector>

#pragma push_macro("LoadBitmap")
#undef LoadBitmap

// Button styles (GetButtonStyle, SetButtonStyle).
#define LUTBS_SEPARATOR 0x0001
#define LUTBS_CHECK 0x0002
#define LUTBS_GROUP 0x0004
#define LUTBS_DROPDOWN 0x0008       // an arrow part at the button's end
#define LUTBS_SHOWTEXT 0x0040       // the caption is shown beside the image
#define LUTBS_WHOLEDROPDOWN 0x0080  // the whole button drops down
#define LUTBS_CONTROL 0x0100        // the button hosts a child control

// Button states.
#define LUTBST_CHECKED 0x01
#define LUTBST_PRESSED 0x02
#define LUTBST_ENABLED 0x04

// Bar style bits of the background: four glassy bands, or two mirrored ones.
#define LU_TOOLBAR_VITREOUS_FOUR 0x4000
#define LU_TOOLBAR_VITREOUS_MIRROR 0x8000

// Private message to the application's main window: show or hide its menu bar (the frame's
// header names it too).
#ifndef LU_WM_TOGGLEMENUBAR
#define LU_WM_TOGGLEMENUBAR (WM_USER + 0x1004)
#endif

// What InsertButton is given.
struct LUTBBUTTON {
    int iBitmap;    // index in the bar's image list
    int idCommand;  // 0 makes the button a separator
    BYTE fsState;   // set to 0 by InsertButton
    BYTE fsStyle;   // set by InsertButton: LUTBS_SEPARATOR for ID 0, else 0
    DWORD dwData;   // the application's value
    LPCSTR pszText; // "tooltip\ncaption"; without a line feed all of it is the caption
};

// One button of a CLuToolBar (owned by the bar).
class LULIB_API CTBButton {
public:
    CTBButton() = default;
    CTBButton(const CTBButton&) = delete;
    CTBButton& operator=(const CTBButton&) = delete;

    BOOL IsSeparator() const { return (m_nStyle & LUTBS_SEPARATOR) != 0; }
    BOOL HasControl() const { return (m_nStyle & LUTBS_CONTROL) != 0 && m_pControl != nullptr; }
    BOOL IsEnabled() const { return (m_nState & LUTBST_ENABLED) != 0; }
    BOOL IsChecked() const { return (m_nState & LUTBST_CHECKED) != 0; }
    // Whether the button has a drop-down part, and where it is.
    BOOL HasDropPart() const { return (m_nStyle & (LUTBS_DROPDOWN | LUTBS_WHOLEDROPDOWN)) != 0; }
    CRect DropRect() const;
    // Takes "tooltip\ncaption" apart.
    void SetText(LPCSTR lpszText);

    int m_nIndex = 0;
    UINT m_nID = 0;
    UINT m_nStyle = 0;
    UINT m_nState = LUTBST_ENABLED;
    CRect m_rect;
    DWORD m_dwData = 0;
    int m_iImage = -1;
    CString m_strCaption;
    CString m_strToolTip;
    int m_cxCaption = 0;
    int m_cyCaption = 0;
    CWnd* m_pControl = nullptr;
    CSize m_sizeControl;
    int m_bCustomControl = 0;          // the control object is the caller's (destroyed, not deleted)
    BOOL m_bDestroyControl = FALSE;    // the control goes with its button
    BOOL m_bToolRegistered = FALSE;
    BOOL m_bDropPressed = FALSE;
    UINT_PTR m_nToolID = 0;
};

class LULIB_API CLuToolBar : public CLuControlBar, public CLuControlBase {
    DECLARE_DYNCREATE(CLuToolBar)
    LU_DECLARE_CONTROL(CLuToolBar, CLuControlBar)
public:
    CLuToolBar();
    ~CLuToolBar() override;

    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID);

    // ---- Images and buttons from resources ----
    // A toolbar resource: its image size, a button per ID (separators for 0) and the bitmap
    // of the same name.
    BOOL LoadToolBar(UINT nIDResource);
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    // A bitmap resource (its greys follow the system's button colours) as the image strip.
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    template <class... Args>
    BOOL LoadBitmapA(Args&&... args) { return LoadBitmap(std::forward<Args>(args)...); }
    // A strip of images of the current image size; its top-left pixel is the transparent colour.
    BOOL SetBitmap(HBITMAP hBitmap);
    void SetImageSize(SIZE size);
    CSize GetImageSize() const;
    // Removes every button and the images. The spelling is part of the library's interface.
    void DestoryToolBar();

    // ---- Buttons ----
    BOOL InsertButton(int nIndex, LUTBBUTTON* pButton);
    BOOL AddButtons(int nCount, LUTBBUTTON* pButtons);
    // A button hosting a child control of the given size, made from the context (or given).
    // bDestroy: the control is destroyed with its button.
    BOOL InsertButtonEx(int nIndex, LUTBBUTTON* pButton, CLuCContext* pContext, SIZE* pSize, BOOL bDestroy);
    BOOL InsertButtonEx(int nIndex, LUTBBUTTON* pButton, CWnd* pWnd, SIZE* pSize, BOOL bDestroy);
    BOOL DeleteButton(int nIndex);

    int CommandToIndex(UINT nID) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, RECT* pRect) const;
    void GetButtonRect(UINT nID, RECT* pRect) const;
    int GetButtonCount() const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCSTR lpszText);
    CString GetButtonText(int nIndex) const;
    CString GetButtonToolTip(int nIndex) const;
    DWORD GetButtonData(int nIndex) const;
    BOOL SetButtonData(int nIndex, DWORD dwData);
    void EnableButton(int nIndex, BOOL bEnable);
    // The spelling is part of the library's interface.
    BOOL IsButtonEnable(int nIndex) const;
    void CheckedButton(int nIndex, BOOL bChecked);
    BOOL IsButtonChecked(int nIndex) const;
    BOOL SetButtonShowText(int nIndex, BOOL bShow);
    BOOL SetButtonDropDown(int nIndex, BOOL bDropDown);
    const CTBButton* GetButton(int nIndex) const;

    // ---- The bar ----
    CSize CalcFixedLayout() override;
    UINT GetBarType() override { return LU_BAR_TOOLBAR; }
    // The length the buttons and the tail need in the bar's direction. The spelling is part of
    // the library's interface.
    int GetStrecthSize() const;
    BOOL IsVertical() const;
    void OnUpdateCmdUI(CLuFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // Each button's state asked of the bar's own handlers first, then of pTarget.
    void UpdateButtonStates(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    CToolTipCtrl& GetToolTip() { return m_toolTip; }
    // The tail's action: asks the main window to show or hide its menu bar.
    virtual void ToggleMenuBar();
    // Buttons and background into any DC of the client area; the tail into a window DC.
    void PaintBar(CDC& dc);
    void PaintTail(CDC& dc);

protected:
    // ---- Layout (ToolBar.cpp) ----
    CSize MeasureButton(CDC& dc, CTBButton& button) const;
    void RecalcLayout();
    void UpdateToolRects();
    void RegisterTool(CTBButton& button);
    void ReleaseButton(CTBButton& button);
    BOOL InsertButtonObject(int nIndex, std::unique_ptr<CTBButton> pButton);
    CTBButton* Button(int nIndex) const;
    CRect TailRect() const;  // window coordinates

    // ---- Painting (ToolBarPaint.cpp) ----
    void PaintButton(CDC& dc, const CTBButton& button, int nIndex);
    void PaintImageAndCaption(CDC& dc, const CTBButton& button, BOOL bEnabled);
    void PaintDropArrow(CDC& dc, const CTBButton& button, BOOL bEnabled);

    // ---- Input (ToolBarInput.cpp) ----
    void ButtonDown(int nIndex, CPoint pt);
    void SendDropDown(const CTBButton& button);
    int HitTestButton(CPoint pt) const;
    void SetHot(int nIndex);
    void InvalidateButton(int nIndex);

    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    void OnCaptureChanged(CWnd* pWnd);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    LRESULT OnNcMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    std::vector<std::unique_ptr<CTBButton>> m_buttons;
    CToolTipCtrl m_toolTip;
    CImageList m_imageList;
    CSize m_sizeImage{16, 16};
    CSize m_sizeBar;
    BOOL m_bNeedLayout = TRUE;
    int m_nHot = -1;
    int m_nPressed = -1;
    BOOL m_bCapture = FALSE;
    CPoint m_ptLast{-1, -1};
    int m_nStretch = 0;
    CLuCmdMsgPumper m_pumper;
    CPoint m_ptPressed{-1, -1};
    // The tail's mouse state, and the next tooltip tool's ID.
    BOOL m_bTailHot = FALSE;
    BOOL m_bTailPressed = FALSE;
    BOOL m_bLeaveTracked = FALSE;
    UINT_PTR m_nNextToolID = 1;

    DECLARE_MESSAGE_MAP()
};

#pragma pop_macro("LoadBitmap")
