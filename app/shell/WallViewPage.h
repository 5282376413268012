// CWallViewPage: the workspace's one book page, "视图拼接". Its page window is a client window of
// the skin library whose main child is the wall page (the wall view control) and whose bottom
// bar, 110 pixels, holds the preset-scene panel. The workspace reaches the wall view through it.
#pragma once

#include "app/shell/WorkspacePage.h"
#include "skin/frame/ClientWnd.h"

class CWallViewPage : public CWorkspacePage {
public:
    enum {
        PRESET_BAR_SIZE = 110,
        CLIENT_ID = 0xE900       // the page window's control id in the book
    };

    CWallViewPage();
    ~CWallViewPage() override;

    int CreatePage(CLuBookCtrl& book, LPCSTR lpszTitle) override;
    CWnd* GetPageWnd() override { return &m_wndClient; }
    void OnPageLeave() override;

    // ---- The wall view's operations the workspace's commands use ----
    virtual void NewScene();
    // TRUE when a file was saved.
    virtual BOOL SaveSceneAs();
    virtual BOOL LoadSceneAs();
    // One of the wall view control's own commands (add or delete a window).
    virtual void SendViewCommand(UINT nID);

    CLuClientWnd& GetClientWnd() { return m_wndClient; }
    CWnd* GetWallWnd() { return &m_wndWall; }
    CWnd* GetPresetWnd() { return &m_wndPresets; }

private:
    CLuClientWnd m_wndClient;
    CWnd m_wndWall;
    CWnd m_wndPresets;
};
