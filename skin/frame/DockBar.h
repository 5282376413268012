// Docking of control bars: one CLuDockBar per side of the frame stacks the bars of that side in
// rows (columns on the left and right), and CLuDockBarMgr owns the dock bars, finds the one for
// a bar's side and places them around the frame's client area.
#pragma once

#include "skin/core/LuLibDefs.h"
#include "skin/frame/ControlBar.h"
#include "skin/theme/GdiWrappers.h"

#include <vector>

class LULIB_API CLuDockBar : public CLuControlBar, public CLuControlBase {
    DECLARE_DYNCREATE(CLuDockBar)
    LU_DECLARE_CONTROL(CLuDockBar, CLuControlBar)
public:
    CLuDockBar() = default;
    ~CLuDockBar() override = default;

    // A visible child of the frame with an empty rectangle and no ID; dwSide is its style.
    BOOL Create(CWnd* pFrame, DWORD dwSide);

    // FALSE when the bar belongs to another side; TRUE without change when already docked here.
    // The bar becomes a child of the dock bar.
    BOOL AddBar(CLuControlBar* pBar);
    // FALSE for a bar of another side.
    BOOL RemoveBar(CLuControlBar* pBar);
    int GetCount() const;
    CLuControlBar* GetControlBar(UINT nID) const;
    BOOL HasBar(const CLuControlBar* pBar) const;

    // (0, thickness) for top and bottom, (thickness, 0) for left and right.
    CSize CalcFixedLayout() override;
    UINT GetBarType() override { return LU_BAR_DOCKBAR; }
    void OnSizeType(UINT nType) override;
    void OnUpdateCmdUI(CLuFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The thickness of all rows: the sum of each row's thickest bar.
    int CalcSize();
    BOOL NeedLayout() const { return m_bNeedLayout; }
    // Places the bars row by row and records the parts of the rows no bar covers; repaints.
    void LayoutRows();
    // Paints the uncovered parts (theme colour 3); the bars paint themselves.
    void PaintDock(CDC& dc);

    BOOL IsHorz() const { return GetDockSide() == LU_DOCK_TOP || GetDockSide() == LU_DOCK_BOTTOM; }

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint() {}
    void PostNcDestroy() override {}

    std::vector<CLuControlBar*> m_bars;  // docked here, not owned
    UINT m_nSizeType = SIZE_RESTORED;
    BOOL m_bNeedLayout = TRUE;
    int m_nThickness = 0;
    CLuRectRgn m_rgnFree;  // the parts of the rows no bar covers

    DECLARE_MESSAGE_MAP()
};

// One dock bar in the manager's list, in the order the sides were first used.
struct DOCKBAR_NODE {
    CLuDockBar* pDockBar;
    DOCKBAR_NODE* pNext;
};

class LULIB_API CLuDockBarMgr {
public:
    CLuDockBarMgr() = default;
    // The dock bars go with the manager.
    ~CLuDockBarMgr();
    CLuDockBarMgr(const CLuDockBarMgr&) = delete;
    CLuDockBarMgr& operator=(const CLuDockBarMgr&) = delete;

    void InitDockBarMgr(CLuFrameWnd* pFrame);
    // Docks the bar on the side its style names (FALSE for side 4 or more), making the dock bar
    // of that side when there is none with a live window.
    BOOL AddBar(CLuControlBar* pBar);
    BOOL RemoveBar(CLuControlBar* pBar);
    // Places every visible dock bar on its side of rcFree (list order) and shrinks rcFree.
    void RecalcLayout(CRect& rcFree, UINT nSizeType, HDWP* phDwp, UINT nSwpFlags);
    // Every visible dock bar that needs it lays out and repaints its rows.
    void ForceLayout();
    void OnUpdateCmdUI(CLuFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    // The first bar with that control ID over all dock bars.
    CLuControlBar* GetControlBar(UINT nID) const;
    void ShowAllDockBar(BOOL bShow);
    // The dock bar of a side with a live window, or null.
    CLuDockBar* GetDockBar(UINT nSide) const;
    // Deletes every dock bar (their windows too) and empties the slots and the list.
    void DeleteDockBars();

    const DOCKBAR_NODE* GetFirstNode() const { return m_pFirst; }

private:
    void Unlink(CLuDockBar* pDockBar);

    CLuFrameWnd* m_pFrame = nullptr;
    CLuDockBar* m_pDockBars[LU_DOCK_SIDES] = {nullptr, nullptr, nullptr, nullptr};
    DOCKBAR_NODE* m_pFirst = nullptr;
};
