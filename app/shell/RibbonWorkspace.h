// CRibbonWorkspace: the general level of the main window's workspace (CWorkspace builds on it).
// It owns the window's furniture made from the frame's menu resource: the ribbon whose tabs are
// the menu's top-level items (one CLuToolBar page each), a plain toolbar (hidden), the navigation
// pane (an object only), the book control that is the frame client window's main child, and the
// menu bar (hidden). It is the first handler of the frame's commands and keys: the active page
// sees commands before its own message map.
#pragma once

#include "app/shell/Navigation.h"
#include "app/shell/RibbonBar.h"
#include "fx/win/CmdTarget.h"
#include "skin/ctrl/BookCtrl.h"
#include "skin/menu/MenuBar.h"
#include "skin/menu/ToolBar.h"

#include <memory>

class CMainFrame;
class CMenu;
class CWorkspacePage;

class CRibbonWorkspace : public CCmdTarget {
public:
    enum {
        RIBBON_FIRST_COMMAND = 40960,  // 40960..41215 are the ribbon's own: accepted, nothing done
        RIBBON_LAST_COMMAND = 41215,
        TAB_TOOLBAR_FIRST_ID = 59424,  // tab i's toolbar is 59424 + i
        TAB_TOOLBAR_STYLE = 0x4400,
        TAB_IMAGE_SIZE = 32,
        TAB_TEXT_MAX = 63,             // a tab's caption, in bytes
        ITEM_TEXT_MAX = 255,           // a menu item's text, in bytes
        PAGE_NUMBER_BASE = 10          // page number = book index + 10
    };

    explicit CRibbonWorkspace(CMainFrame* pFrame);
    ~CRibbonWorkspace() override;

    // ---- The workspace's operations, in this order ----
    // Hides the plain toolbar, shows the ribbon, hides the menu bar.
    virtual BOOL Create();
    // Releases the tab toolbars' windows, takes the ribbon and the plain toolbar out of the
    // frame's docks and destroys them, then takes out and destroys the menu bar.
    virtual void Destroy();
    // A menu-character request (Alt + letter) for a visible ribbon; TRUE when a tab took it.
    virtual BOOL TranslateKey(UINT nChar, UINT nFlags);
    // Keyboard messages for a visible ribbon (Left and Right switch tabs); TRUE when consumed.
    virtual BOOL PreTranslate(MSG* pMsg);
    // The derived level's reaction to a page activation.
    virtual void OnPageActivated(CWorkspacePage* pPage) { (void)pPage; }
    // Images of tab nTab's toolbar; the general level has none.
    virtual BOOL SetTabImages(int nTab, CLuToolBar* pToolBar);
    // One button per item of the tab's sub-menu.
    virtual BOOL FillTab(CMenu* pSubMenu, CLuToolBar* pToolBar);
    virtual void OnCommandHook() {}

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // The navigation pane's page selection (WM_USER + 0x1010 through the frame).
    void ActivatePage(int nPage, CCmdTarget* pPage);

    CMainFrame* GetFrame() const { return m_pFrame; }
    CRibbonBar& GetRibbon() { return m_wndRibbon; }
    int GetTabCount() const { return m_nTabs; }
    CLuToolBar* GetTabToolBar(int nTab) const;
    CLuToolBar& GetPlainToolBar() { return m_wndToolBar; }
    CNavigation& GetNavigation() { return m_navigation; }
    CLuBookCtrl& GetBook() { return m_wndBook; }
    CLuMenuBar& GetMenuBar() { return m_wndMenuBar; }
    CWorkspacePage* GetActivePage() const { return m_pActivePage; }

protected:
    // Ribbon building: the bar, one toolbar per top-level item of the menu bar, the tabs.
    BOOL BuildRibbon();
    // A tab toolbar's drop-down: the button's sub-menu under it, owned by the main window.
    void OnTabDropDown(UINT nID, NMHDR* pNotify, LRESULT* pResult);
    void OnRibbonCommand(UINT nID);
    void OnUpdateRibbonCommand(CCmdUI* pCmdUI);
    // Shows a sub-menu as a popup (the tracking apart, so tests can see what would be shown).
    virtual void TrackDropDown(HMENU hMenu, CPoint ptScreen);

    DECLARE_MESSAGE_MAP()

    CMainFrame* m_pFrame;
    CRibbonBar m_wndRibbon;
    std::unique_ptr<CLuToolBar[]> m_pTabBars;  // one per top-level menu item
    int m_nTabs = 0;
    CLuToolBar m_wndToolBar;
    CNavigation m_navigation;
    CLuBookCtrl m_wndBook;
    CLuMenuBar m_wndMenuBar;
    UINT m_nFirstRibbonCommand = RIBBON_FIRST_COMMAND;
    CWorkspacePage* m_pActivePage = nullptr;
};
