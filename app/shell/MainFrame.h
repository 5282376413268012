// CMainFrame: the program's main window, a skinned frame of 880 x 760 at least, titled
// "高清多画面分割器" (the library draws its caption band, caption buttons and border). It owns the
// workspace (all of its interior and the first handler of every command and key), the slide
// control and the two-pane status bar, whose pane 1 follows com.ini, the machine's serial ports
// and the online flag once a second. It asks before it closes.
#pragma once

#include "app/core/profile/ProfileStore.h"
#include "app/shell/SlideCtrl.h"
#include "skin/frame/FrameWnd.h"
#include "skin/frame/StatusBar.h"

class CWorkspace;

class CMainFrame : public CLuFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    enum {
        FRAME_WIDTH = 880,
        FRAME_HEIGHT = 760,
        STATUS_TIMER = 1,
        STATUS_PERIOD = 1000,   // ms
        STATUS_BAR_ID = 59393,
        PANE_WALL = 0,
        PANE_LINK = 1,
        PANE_WIDTH = 100,
        ID_INDICATOR_EXT = 59136
    };

    CMainFrame();
    ~CMainFrame() override;

    // "是否要退出高清多画面分割器?" with Yes and No; Yes closes the frame.
    void ConfirmExit();
    // Re-reads com.ini and the port list; an unreadable port list leaves the pane as it was.
    void UpdateLinkPane();

    // The folder of the profiles the status texts and the wall view read (beside the program
    // unless told otherwise, before the frame is created).
    void UseProfiles(const CString& folder)
    {
        m_profiles = ProfileStore(folder);
        m_strProfileFolder = folder;
    }
    // Empty for the folder beside the program.
    const CString& GetProfileFolder() const { return m_strProfileFolder; }

    CLuStatusBar& GetStatusBarCtrl() { return m_wndStatusBar; }
    CSlideCtrl& GetSlideCtrl() { return m_wndSlide; }
    CWorkspace* GetWorkspace() const { return m_pWorkspace; }

    // Builds the workspace; a derived frame or a test may make another kind.
    virtual CWorkspace* MakeWorkspace();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    int OnCreate(LPCREATESTRUCTW lpcs);
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnGetMinMaxInfo(MINMAXINFO* pInfo);
    void OnClose();
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    LRESULT OnActivatePage(WPARAM wParam, LPARAM lParam);
    void OnUpdateIndicatorExt(CCmdUI* pCmdUI);

    BOOL CreateStatusBar();
    void DestroyWorkspace();

    DECLARE_MESSAGE_MAP()

private:
    ProfileStore m_profiles;
    CString m_strProfileFolder;
    CWorkspace* m_pWorkspace = nullptr;
    CLuStatusBar m_wndStatusBar;
    CSlideCtrl m_wndSlide;
};
