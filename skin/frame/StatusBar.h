// CLuStatusBar: the skinned status bar, a full-width bar docked at the bottom of the frame, with
// text panes laid out from the left (stretch panes share the spare width) and a size gripper at
// the right end unless the frame is maximised. The pane whose command ID is 0 answers the
// window's text messages, so the bar's text is that pane's.
#pragma once

#include "fx/core/String.h"
#include "skin/core/LuLibDefs.h"
#include "skin/frame/ControlBar.h"

#include <vector>

// Pane styles.
#define LU_SBPS_NOBORDERS 0x00000100
#define LU_SBPS_POPOUT 0x00000200     // set while the pane's command is checked
#define LU_SBPS_DISABLED 0x04000000   // the text is not shown
#define LU_SBPS_STRETCH 0x08000000    // takes a share of the spare width
// The same styles under the names the framework's status bar gives them.
#ifndef SBPS_NORMAL
#define SBPS_NORMAL 0x00000000
#define SBPS_NOBORDERS LU_SBPS_NOBORDERS
#define SBPS_POPOUT LU_SBPS_POPOUT
#define SBPS_DISABLED LU_SBPS_DISABLED
#define SBPS_STRETCH LU_SBPS_STRETCH
#endif

// Bar style of a status bar: bottom side, a row of its own.
#define LU_STATUSBAR_STYLE 0x0102

// Geometry: room for the gripper, the part of it that sizes the frame, the non-client border,
// the gap a pane keeps besides its text width, and the text insets.
#define LU_SB_GRIPPER_WIDTH 12
#define LU_SB_GRIPPER_HIT 15
#define LU_SB_BORDER 3
#define LU_SB_PANE_GAP 4
#define LU_SB_TEXT_PAD 3

class CLuStatusBar;

// The command-UI object of one pane: enabling, checking and text change the pane.
class LULIB_API CLuStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCSTR lpszText) override;

    CLuStatusBar* m_pBar = nullptr;
};

class LULIB_API CLuStatusBar : public CLuControlBar, public CLuControlBase {
    DECLARE_DYNCREATE(CLuStatusBar)
    LU_DECLARE_CONTROL(CLuStatusBar, CLuControlBar)
public:
    struct Pane {
        UINT nID = 0;
        int cxText = 0;      // text width
        int xRight = 0;      // right edge, computed by the layout
        UINT nStyle = 0;
        CString strText;
        BOOL bNeedRepaint = FALSE;
    };

    CLuStatusBar() = default;
    ~CLuStatusBar() override = default;

    // A visible child with bar style 0x102 and an empty rectangle.
    BOOL Create(CWnd* pParent, UINT nID);
    // One pane per ID: a non-zero ID's text is its string resource (a missing one ends the list
    // and gives FALSE), an ID of 0 an empty pane a quarter of the screen wide (the first such
    // pane stretches and has no borders).
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int CommandToIndex(UINT nID) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, RECT* pRect) const;
    void GetPaneText(int nIndex, CString& rString) const;
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    int GetCount() const { return static_cast<int>(m_panes.size()); }
    BOOL IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < GetCount(); }

    // Lays the panes out again (bUpdateRects) and paints them (bUpdateText).
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);

    CSize CalcFixedLayout() override { return CSize(0x7FFF, m_nBarHeight); }
    UINT GetBarType() override { return LU_BAR_STATUSBAR; }
    void OnSizeType(UINT nType) override;
    void OnUpdateCmdUI(CLuFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // Painting on any DC: the background with the gripper, the panes, the border.
    void PaintBackground(CDC& dc);
    void PaintPane(CDC& dc, int nIndex);
    void PaintNonClient(CDC& dc);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);

    // Paints one pane now, in a client DC.
    void RepaintPane(int nIndex);
    int TextPaneIndex() const { return CommandToIndex(0); }

    std::vector<Pane> m_panes;

    DECLARE_MESSAGE_MAP()
};
