// CWallViewPage: the workspace's one book page, "视图拼接". Its page window is a client window of
// the skin library whose main child is the wall page (CWallPage, template 130, with the wall view
// control) and whose bar 2, 110 pixels, holds the preset-scene panel (template 131). The page
// gives the panel the wall view's three operations (load a scene, save a scene, store a preset)
// and the operator's role. The workspace reaches the wall view through it.
#pragma once

#include "app/core/preset/PresetSceneDlg.h"
#include "app/core/view/TzCtrlPresetOps.h"
#include "app/shell/WallPage.h"
#include "app/shell/WorkspacePage.h"
#include "skin/frame/ClientWnd.h"

class CWallViewPage : public CWorkspacePage {
public:
    static const bar_pos PRESET_BAR = BAR_BOTTOM;  // bar 2 of the page's client window
    enum {
        PRESET_BAR_SIZE = 110,
        CLIENT_ID = 0xE900        // the page window's control id in the book
    };

    // The wall view's profiles beside the program.
    CWallViewPage();
    // The wall view's profiles in another folder (tests).
    explicit CWallViewPage(const CString& profileDirectory);
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
    CWallPage& GetWallPage() { return m_wndWall; }
    CTzCtrl& GetWallView() { return m_wndWall.GetView(); }
    CPresetSceneDlg& GetPresetPanel() { return m_wndPresets; }

private:
    CLuClientWnd m_wndClient;
    CWallPage m_wndWall;
    CTzCtrlPresetOps m_presetOps;
    CPresetSceneDlg m_wndPresets;
};
