// Frame windows and views. A frame owns the menu, accelerators and the layout of its client
// area; its bars and panes are children it places in RecalcLayout. Commands reach the frame
// first (from menus and accelerators) and are routed view -> frame -> application, so the view
// that has the user's attention gets the first chance.
#pragma once

#include "fx/win/Wnd.h"

class CView;
class CDocument;
class CDocTemplate;

// What a frame is told when it is created: the class of the view to make as its main child.
// The program has no documents; the document members stay null and exist for containers that
// ask whether any standard member is set.
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// Frame creation styles beyond the window styles.
#define FWS_ADDTOTITLE 0x00008000L

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    // Creates the frame from resource nIDResource: its menu, icon (class icon), accelerators
    // and title (the string resource, up to its first line feed).
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // The context (or the caller's extended creation block) arrives in OnCreate through
    // CREATESTRUCT::lpCreateParams.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);

    // Places the children: the base puts the pane AFX_IDW_PANE_FIRST over the whole client
    // area. Skinned frames override it to lay out their bars first.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Makes the main child when the frame is created; the base creates the context's view.
    virtual BOOL OnCreateClient(LPCREATESTRUCTW lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    // The view about to go: the frame forgets it.
    void OnViewDestroyed(CView* pView);

    // Runs the update handlers for every item of a popup that is opening.
    void UpdateMenuPopup(CMenu* pPopupMenu);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The title from the frame's resource (its first line).
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }

    HACCEL m_hAccelTable = nullptr;
    // Items without a command handler are disabled when their popup opens.
    BOOL m_bAutoMenuEnable = TRUE;
    UINT m_nIDHelp = 0;
    static const CRect rectDefault;

protected:
    int OnCreate(LPCREATESTRUCTW lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnSetFocus(CWnd* pOldWnd);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override;

    CView* m_pViewActive = nullptr;
    CString m_strTitle;

    DECLARE_MESSAGE_MAP()
};

// A frame's main child that paints through OnDraw; its commands are offered before the
// frame's. Views are made with new (by the frame from a run-time class) and delete themselves
// when their window goes.
class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView() = default;
    ~CView() override;

    // Draws the view on any DC: the screen (WM_PAINT), PrintWindow (WM_PRINTCLIENT), a bitmap.
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnInitialUpdate() {}
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;

protected:
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnSetFocus(CWnd* pOldWnd);
    void OnDestroy();
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()
};
