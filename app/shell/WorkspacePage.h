// CWorkspacePage: a page of the workspace's book. The page is a command target (it sees the
// workspace's commands first while it is the active page) that owns its page window; the
// workspace tells it when it is activated, deactivated and leaving.
#pragma once

#include "fx/win/CmdTarget.h"

class CWnd;
class CLuBookCtrl;

class CWorkspacePage : public CCmdTarget {
public:
    CWorkspacePage() = default;
    ~CWorkspacePage() override = default;
    CWorkspacePage(const CWorkspacePage&) = delete;
    CWorkspacePage& operator=(const CWorkspacePage&) = delete;

    // Makes the page window in the book; its index there, or -1.
    virtual int CreatePage(CLuBookCtrl& book, LPCSTR lpszTitle) = 0;
    virtual CWnd* GetPageWnd() = 0;
    virtual void OnPageActivate(BOOL bActive) { (void)bActive; }
    // The workspace is going: the page lets go of what it holds in others.
    virtual void OnPageLeave() {}

    // The number the navigation pane and page activation know the page by (book index + 10).
    void SetPageNumber(int nPage) { m_nPage = nPage; }
    int GetPageNumber() const { return m_nPage; }

private:
    int m_nPage = -1;
};
