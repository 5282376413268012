// CWorkspace: everything inside the main frame (ribbon, control view, book with the wall page) and
// the first handler of every command. The frame creates it in OnCreate, offers it every command
// and keyboard message first and destroys it with itself. This is the frame's side of the
// contract; the workspace's furniture and commands are built on these operations.
#pragma once

#include "fx/win/CmdTarget.h"

#include <windows.h>

class CMainFrame;
class CMenu;
class CWnd;

class CWorkspace : public CCmdTarget {
public:
    explicit CWorkspace(CMainFrame* pFrame) : m_pFrame(pFrame) {}
    ~CWorkspace() override = default;
    CWorkspace(const CWorkspace&) = delete;
    CWorkspace& operator=(const CWorkspace&) = delete;

    // Builds the furniture; FALSE fails the frame's creation.
    virtual BOOL Create() { return TRUE; }
    virtual void Destroy() {}
    // A menu-character request (Alt + letter); TRUE when taken.
    virtual BOOL TranslateKey(UINT nChar, UINT nFlags) { (void)nChar; (void)nFlags; return FALSE; }
    // Keyboard messages (WM_KEYFIRST..WM_KEYLAST) before the frame sees them; TRUE when consumed.
    virtual BOOL PreTranslate(MSG* pMsg) { (void)pMsg; return FALSE; }
    virtual void OnWorkspaceHook() {}
    virtual BOOL SetTabImages(int nTab, CWnd* pToolBar) { (void)nTab; (void)pToolBar; return FALSE; }
    virtual BOOL FillTab(CMenu* pSubMenu, CWnd* pToolBar) { (void)pSubMenu; (void)pToolBar; return FALSE; }
    virtual void OnCommandHook() {}

    // The navigation pane's page selection, forwarded by the frame (WM_USER + 0x1010).
    virtual void ActivatePage(int nPage, void* pPage) { (void)nPage; (void)pPage; }

    CMainFrame* GetFrame() const { return m_pFrame; }

protected:
    CMainFrame* m_pFrame;
};
