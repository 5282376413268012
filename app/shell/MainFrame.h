// CMainFrame: the program's main window, 880 x 760 at least, titled "高清多画面分割器". It owns
// the workspace (all of its interior and the first handler of every command), the slide control
// and the two-pane status bar, whose pane 1 follows com.ini, the machine's serial ports and the
// online flag once a second. It draws its own caption band, caption buttons and border, and asks
// before it closes.
#pragma once

#include "app/core/profile/ProfileStore.h"
#include "app/shell/CaptionSkin.h"
#include "app/shell/ShellBases.h"
#include "app/shell/SlideCtrl.h"
#include "app/shell/StatusPanes.h"

class CWorkspace;

class CMainFrame : public CShellFrameBase {
    DECLARE_DYNCREATE(CMainFrame)
public:
    enum {
        FRAME_WIDTH = 880,
        FRAME_HEIGHT = 760,
        STATUS_TIMER = 1,
        STATUS_PERIOD = 1000,   // ms
        PANE_WALL = 0,
        PANE_LINK = 1,
        ID_INDICATOR_EXT = 59136
    };

    CMainFrame();
    ~CMainFrame() override;

    // "是否要退出高清多画面分割器?" with Yes and No; Yes closes the frame.
    void ConfirmExit();
    // Re-reads com.ini and the port list; an unreadable port list leaves the pane as it was.
    void UpdateLinkPane();

    // The profiles the status texts come from (beside the program unless told otherwise).
    void UseProfiles(const ProfileStore& profiles) { m_profiles = profiles; }

    CStatusPanes& GetStatusBar() { return m_wndStatusBar; }
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
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnActivatePage(WPARAM wParam, LPARAM lParam);
    void OnUpdateIndicatorExt(CCmdUI* pCmdUI);

    // Own caption and border, while the window has WS_CAPTION.
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    BOOL OnNcActivate(BOOL bActive);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    void PaintCaption();
    BOOL CreateStatusBar();
    void DestroyWorkspace();

    DECLARE_MESSAGE_MAP()

private:
    ProfileStore m_profiles;
    CWorkspace* m_pWorkspace = nullptr;
    CStatusPanes m_wndStatusBar;
    CSlideCtrl m_wndSlide;
    caption::Button m_hotButton = caption::BUTTON_NONE;
    caption::Button m_pressedButton = caption::BUTTON_NONE;
};
