// CRibbonBar ("luRibbonBar"): the bar of command tabs across the top of the main window. Each tab
// is a caption on the tab strip and a toolbar page shown below it while the tab is selected.
// Left and Right step through the tabs; Alt with a tab's accelerator letter selects that tab.
// The ribbon is a bar of the frame's top dock; what its toolbar pages send (clicks as WM_COMMAND,
// drop-downs as WM_NOTIFY) goes on to the window it was created for, so the frame's command
// routing sees them as if the toolbars were its own.
#pragma once

#include "fx/win/Gdi.h"
#include "skin/core/ControlBase.h"
#include "skin/frame/ControlBar.h"

#include <vector>

#define RIBBON_BAR_CLASS "luRibbonBar"

class CRibbonBar : public CLuControlBar, public CLuControlBase {
    DECLARE_DYNCREATE(CRibbonBar)
    LU_DECLARE_CONTROL(CRibbonBar, CLuControlBar)
public:
    enum {
        RIBBON_ID = 1024,
        STRIP_HEIGHT = 24,         // the tab strip
        STRIP_LINE = 2,            // its bottom line
        TAB_PADDING = 8,           // added to a caption's width
        TAB_MAX_CAPTION = 200,     // longest caption, in pixels, before it is shortened
        FIRST_TAB_OFFSET = 16,
        SCROLL_BUTTONS_WIDTH = 32, // two 16 x 16 buttons at the right end of the strip
        SCROLL_BUTTON = 16,
        SCROLL_STEP = 50,
        SCROLL_TIMER = 100,
        SCROLL_PERIOD = 50
    };

    CRibbonBar() = default;

    static BOOL Register();
    static void Unregister();

    // nFixedPageHeight 0: the page is as high as the highest toolbar added. The bar docks at the
    // top in a row of its own; pParent also receives what the toolbar pages send.
    BOOL Create(CWnd* pParent, UINT nID = RIBBON_ID, DWORD dwStyle = WS_CHILD | WS_VISIBLE | LU_CBRS_NEWROW,
                int nFixedPageHeight = 0);

    // Adds a tab with the caption and its toolbar page (re-parented to the ribbon); its index.
    int AddTab(LPCSTR lpszCaption, CWnd* pToolBar);
    // Out-of-range indexes select the first (negative) or last tab; the selected tab again only
    // when forced. Does nothing without tabs.
    void SelectTab(int nIndex, BOOL bForce = FALSE);
    int GetCurSel() const { return m_nSel; }
    int GetTabCount() const { return static_cast<int>(m_tabs.size()); }
    CWnd* GetTabPage(int nIndex) const;
    CString GetTabCaption(int nIndex) const;
    char GetTabAccelerator(int nIndex) const;
    CRect GetTabRect(int nIndex) const;
    int GetScrollOffset() const { return m_nScrollOffset; }
    // Strip plus page.
    int GetBarHeight() const { return STRIP_HEIGHT + m_nPageHeight; }

    // Keyboard messages offered while the ribbon is visible; TRUE when consumed.
    BOOL TranslateKey(const MSG* pMsg);
    // A menu-character request (Alt + letter): TRUE and *pResult MNC_CLOSE when a tab took it.
    BOOL TranslateMenuChar(UINT nChar, LRESULT* pResult);

    void DrawStrip(CDC& dc);

    // ---- The bar in the frame's dock ----
    CSize CalcFixedLayout() override { return CSize(0x7FFF, GetBarHeight()); }
    UINT GetBarType() override { return LU_BAR_TOOLBAR; }
    // The toolbar pages bring their buttons up to date as well.
    void OnUpdateCmdUI(CLuFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    // Hook for derived bars: the selection changed from nPrevious.
    virtual void OnTabChanged(int nPrevious) { (void)nPrevious; }
    // One tab on the strip: rc its rectangle, rcText where the caption goes.
    virtual void DrawTab(CDC& dc, const CRect& rc, const CRect& rcText, const CString& caption, BOOL bSelected);

    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnCaptureChanged(CWnd* pWnd);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    void RecalcLayout();
    int TabFromPoint(CPoint point) const;
    // 1 left scroll button, 2 right, 0 neither.
    int ScrollButtonFromPoint(CPoint point) const;
    void ScrollTabs(int nButton);
    CRect StripRect() const;
    CRect ScrollButtonRect(int nButton) const;
    int SelectByAccelerator(UINT nChar);

    DECLARE_MESSAGE_MAP()

private:
    struct Tab {
        CString strCaption;
        int nWidth = 0;
        char chAccel = 0;
        CWnd* pPage = nullptr;
    };
    std::vector<Tab> m_tabs;
    int m_nSel = -1;
    int m_nStripTotal = 0;
    int m_nScrollOffset = 0;
    int m_nPageHeight = 0;
    int m_nFixedPageHeight = 0;
    int m_nScrollPressed = 0;
    HWND m_hNotify = nullptr;  // the window the pages' clicks and drop-downs go on to
};
