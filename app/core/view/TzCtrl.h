// CTzCtrl (Windows only): the wall view control, the window on which the operator sees and edits
// the wall. It owns the wall model, paints it double-buffered, hands mouse gestures and commands
// to the WallEditor (which changes the model and sends the device commands), opens the popup
// "POP" of menu 130, and owns the scene operations (SceneController), whose surroundings it
// provides as a ProgramSceneHost. In the program it is control 1000 of the wall page (dialog
// 130, window class "TzViewCtrl"), subclassed by the page; tests create it directly.
#pragma once

#include "app/core/scene/ProgramSceneHost.h"
#include "app/core/scene/SceneController.h"
#include "app/core/view/BackBuffer_win.h"
#include "app/core/view/WallEditor.h"
#include "app/core/wall/Cell.h"
#include "fx/win/Menu.h"
#include "fx/win/Wnd.h"

class CTzCtrl : public CWnd,
                public ProgramSceneHost,
                private WallEditorHost,
                private ICellInvalidate {
    DECLARE_DYNAMIC(CTzCtrl)
public:
    // The control's window class, registered once per process.
    static LPCSTR WindowClassName() { return "TzViewCtrl"; }
    // Registers "TzViewCtrl" unless it exists; throws the framework's resource exception when the
    // system refuses. Called before a template holding the control is created.
    static void RegisterWindowClass();

    // Profiles beside the program.
    CTzCtrl();
    // Profiles in another folder (tests).
    explicit CTzCtrl(const CString& profileDirectory);
    ~CTzCtrl() override;

    // A child window of the class at rc (tests and hosts without a template).
    BOOL Create(DWORD dwStyle, const RECT& rc, CWnd* pParentWnd, UINT nID);
    using CWnd::Create;

    // ---- Scene operations ----
    // The file dialogs ("Tavelo Scene(*.tzs)", default extension "tzs", the folder last used);
    // each keeps the process's current directory. saveSceneAs returns TRUE when a file was saved.
    BOOL saveSceneAs();
    BOOL loadSceneAs();
    BOOL saveScene(LPCSTR path);
    BOOL loadScene(LPCSTR path, BOOL send);
    void newScene();
    void resetScene();
    // Start-up: the recent scene without sending it, else the blank scene.
    void loadAtStartup();
    // Stores the whole wall as preset n ("存储预设场景"); a refusal is shown. TRUE on success.
    BOOL storePreset(int n);

    // ---- Parts, for the page and for tests ----
    CCellObjImp& wall() { return m_wall; }
    WallEditor& editor() { return m_editor; }
    SceneController& scenes() { return m_scenes; }
    void setDialogs(WallViewDialogs* dialogs) { m_editor.setDialogs(dialogs); }

    // Paints the part `area` of the client area into dc, through a memory bitmap.
    void paintWall(CDC& dc, const RECT& area);
    // Loads menu 130 and builds its "POP" popup for the current state (the input sub-menus from
    // the matrices). FALSE without the menu resource.
    BOOL buildContextMenu(CMenu& menu);
    // Applies the items' enabled and checked states to a popup about to open.
    void applyCommandStates(CMenu& popup);

    // ---- SceneHost: the view's part ----
    WallRect clientRect() const override;
    void clearInteraction() override;
    void setCurrentCell(CCell* cell) override;
    CCell* currentCell() const override;
    void repaintAll() override;

protected:
    void PreSubclassWindow() override;
    // The scene file the operator picks; FALSE when the dialog was cancelled.
    virtual BOOL askScenePath(BOOL bOpen, CString* path);
    // Shows the built popup at a screen point (the menu building stays apart from tracking).
    virtual void trackContextMenu(CMenu& popup, CPoint screen);

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnCaptureChanged(CWnd* pWnd);
    void OnCancelMode();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

    void OnMerge() { m_editor.combine(); }
    void OnSplit() { m_editor.split(); }
    void OnAddWindow() { m_editor.addWindow(); }
    void OnDeleteWindow() { m_editor.deleteWindow(); }
    void OnMpdToggle() { m_editor.toggleMpd(); }
    void OnLocalVga() { m_editor.selectInput(INPUT_VGA, "选择EXTVGA"); }
    void OnInternalVga() { m_editor.selectInput(INPUT_MPD_CHANNEL, "选择INTVGA"); }
    void OnLocalCvbs() { m_editor.selectInput(INPUT_CVBS, "选择CVBS"); }
    void OnLocalDvi() { m_editor.selectInput(INPUT_DVI, "选择HDMI"); }
    void OnLocalYuv() { m_editor.selectInput(INPUT_YUV, "选择YUV"); }
    void OnMatrixInput(UINT nID) { m_editor.selectMatrixInput(nID); }
    void OnDialogCommand(UINT nID) { m_editor.openDialog(nID); }
    void OnPositionAll() { m_editor.positionAll(); }

    DECLARE_MESSAGE_MAP()

private:
    // WallEditorHost
    void setCursor(int cellCursor) override;
    void captureMouse() override;
    void releaseMouse() override;
    void drawBand(const WallRect& rc) override;
    // ICellInvalidate: the wall's repaint requests.
    void invalidateRect(const WallRect& rc, BOOL erase) override;

    void attachWall();
    // Replaces the template item of an input sub-menu by the matrix inputs.
    static void fillInputMenu(CMenu* submenu, int inputType);

    CCellObjImp m_wall;
    WallEditor m_editor;
    SceneController m_scenes;
    CBackBuffer m_backBuffer;
    BOOL m_bInSize;
};
