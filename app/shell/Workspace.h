// CWorkspace: the application's level of the main window's workspace. It builds the window's
// interior in a fixed order (menu bar, control view in the frame's left bar, the book as the
// client window's main child, the page "视图拼接", the ribbon, the initial tab) and implements
// every menu and control-view command: scenes, power, online and offline, windows, the split
// menu, the settings dialogs with their role and offline refusals, matrix switching and the
// communication settings.
#pragma once

#include "app/shell/ControlView.h"
#include "app/shell/RibbonWorkspace.h"

#include <memory>

class CWallViewPage;

class CWorkspace : public CRibbonWorkspace {
public:
    enum {
        CONTROL_BAR_SIZE = 220,      // the frame's left bar holding the control view
        PAGE_IMAGE = 3,              // the page's image in the navigation pane
        WALL_MENU = 130,             // the menu holding the split popup "mpd"
        WALL_MENU_MPD = 2,           // its position there
        ID_WALL_ADD_WINDOW = 1075,   // the wall view control's own commands
        ID_WALL_DELETE_WINDOW = 1085
    };

    explicit CWorkspace(CMainFrame* pFrame);
    ~CWorkspace() override;

    BOOL Create() override;
    void Destroy() override;
    BOOL SetTabImages(int nTab, CLuToolBar* pToolBar) override;

    // ---- Commands (the menu's, and the control view's buttons) ----
    void NewScene();
    void SaveScene();
    void LoadScene();
    void PowerOn();
    void PowerOff();
    void SystemSettings();
    void CommSettings();
    void FactorySettings();
    void MatrixSwitch();
    // The frame's close, which asks the exit question.
    void CloseFrame();
    // The control view's 退出: the exit question itself.
    void Exit();
    void AddWindow();
    void DeleteWindow();
    // bOnlineChecked: whether 联机 is the checked radio button now.
    void ToggleOnline(bool bOnlineChecked);
    // The split menu at the focused window's bottom-right corner.
    void ShowSplitMenu();
    // Sets a split command's layout, makes a new scene and puts the five working values back.
    void RunSplit(UINT nID);

    CControlView& GetControlView() { return m_wndControlView; }
    CWallViewPage* GetWallViewPage() const { return m_pPage.get(); }

protected:
    // The page "视图拼接" (a test may give another).
    virtual std::unique_ptr<CWallViewPage> MakeWallViewPage();
    // The settings dialogs, modal; their refusals are decided before these are called.
    virtual void OpenSystemSettings();
    virtual void OpenFactorySettings();
    // Builds the split popup for the configured MPD count and shows it (apart, for tests).
    virtual void TrackSplitMenu(HMENU hPopup, CPoint ptScreen);
    // Shows a message in a plain message box (tests record instead).
    virtual void Tell(LPCSTR lpszText);

    BOOL CreateControlView();
    BOOL CreateBook();
    BOOL CreatePage();

    void OnSplitCommand(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    CControlView m_wndControlView;
    std::unique_ptr<CWallViewPage> m_pPage;
};
