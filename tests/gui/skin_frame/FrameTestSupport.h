// What the frame tests share: the library started once for the program, a frame that records
// the system commands its caption buttons send instead of carrying them out, a menu bar that
// stands in for the real one, views and panels with command handlers and live counts, and
// helpers that post messages and count windows and GDI objects.
#pragma once

#include "fx/win/FrameWnd.h"
#include "skin/core/ControlBase.h"
#include "skin/core/CreateContext.h"
#include "skin/frame/ControlBar.h"
#include "skin/frame/FrameWnd.h"
#include "skin/frame/StatusBar.h"
#include "tests/gui/fx_win/GuiTestSupport.h"

#include <vector>
#include "tests/gui/fx_win/ResourceCounts.h"

// Commands the test windows handle.
#define ID_TEST_VIEW_CMD 33001
#define ID_TEST_FRAME_CMD 33002
#define ID_TEST_BOTH_CMD 33003
// String resources of the status bar tests.
#define IDS_TEST_CAP 34001
#define IDS_TEST_NUMLOCK 34002
// A captioned dialog template.
#define IDD_TEST_CAPTIONED 34100

class CTestFrame : public CLuFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
public:
    CTestFrame() { ++s_nLive; }
    ~CTestFrame() override { --s_nLive; }

    // A frame of the given size and style. Shown only when a test needs the screen: under Wine
    // without a window manager a shown frame takes about two seconds to go away again.
    static CTestFrame* Make(int cx = 400, int cy = 300, DWORD dwStyle = WS_OVERLAPPEDWINDOW, BOOL bShow = FALSE);

    std::vector<UINT> m_sysCommands;  // what WM_SYSCOMMAND asked for (not carried out)
    BOOL m_bPassSysCommands = FALSE;  // carry them out as well (maximise, restore)
    std::vector<UINT> m_handled;      // commands handled here
    std::vector<WPARAM> m_pageMessages;  // 0x1410 as it arrived
    static int s_nLive;

protected:
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnFrameCmd() { m_handled.push_back(ID_TEST_FRAME_CMD); }
    void OnBothCmd() { m_handled.push_back(ID_TEST_BOTH_CMD); }
    // The NUM pane is enabled, checked and titled; the CAP pane has no handler.
    void OnUpdateNum(CCmdUI* pCmdUI);
    LRESULT OnPageMessage(WPARAM wParam, LPARAM) { m_pageMessages.push_back(wParam); return 0x55; }
    DECLARE_MESSAGE_MAP()
};

// A child window standing in for a view or a bar's pane: records the 0x1406 notices, may name
// a floating rectangle, handles a command, and counts live objects.
class CTestPane : public CWnd {
    DECLARE_DYNCREATE(CTestPane)
public:
    CTestPane() { ++s_nLive; }
    ~CTestPane() override { --s_nLive; }
    // A hidden child of pParent.
    BOOL Make(CWnd* pParent, UINT nID = 0);

    std::vector<WPARAM> m_dockNotices;
    RECT m_rcFloat{0, 0, 0, 0};  // answered to a float notice when not empty
    std::vector<UINT> m_handled;
    BOOL m_bDeleteSelf = FALSE;  // heap objects the library made delete themselves
    static int s_nLive;

protected:
    LRESULT OnBarDock(WPARAM wParam, LPARAM lParam);
    void OnViewCmd() { m_handled.push_back(ID_TEST_VIEW_CMD); }
    void OnBothCmd() { m_handled.push_back(ID_TEST_BOTH_CMD); }
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()
};

// A pane whose window always fails to be created (its WM_CREATE answers -1).
class CFailingPane : public CTestPane {
    DECLARE_DYNCREATE(CFailingPane)
protected:
    int OnCreate(LPCREATESTRUCTW) { return -1; }
    DECLARE_MESSAGE_MAP()
};

// A create context that makes a CTestPane (or a failing one) as a library-owned child.
class CTestPaneContext : public CLuCContext {
public:
    explicit CTestPaneContext(CRuntimeClass* pClass) : CLuCContext(pClass) {}
    BOOL Create(CWnd* pWnd, CWnd* pParent) override;
};

// Stands in for the menu bar: a full-row bar of type 1 that records what the frame asks of it.
class CFakeMenuBar : public CLuControlBar, public CLuControlBase {
    DECLARE_DYNCREATE(CFakeMenuBar)
    LU_DECLARE_CONTROL(CFakeMenuBar, CLuControlBar)
public:
    CFakeMenuBar() { ++s_nLive; }
    ~CFakeMenuBar() override { --s_nLive; }

    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nIDMenu);
    void DestoryMenu() { ++m_nDestroyMenu; }
    HMENU GetMenuHandle() { return reinterpret_cast<HMENU>(static_cast<UINT_PTR>(0x5000 + m_nMenuID)); }
    BOOL OnMenuAccelator(UINT message, UINT wParam, LONG lParam);
    BOOL OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu, LRESULT& lResult);
    CSize CalcFixedLayout() override { return CSize(0x7FFF, 24); }
    UINT GetBarType() override { return LU_BAR_MENUBAR; }

    // The frame sees the bar by the menu bar's type.
    CLuMenuBar* AsMenuBar() { return reinterpret_cast<CLuMenuBar*>(static_cast<CLuControlBar*>(this)); }

    UINT m_nMenuID = 0;
    int m_nDestroyMenu = 0;
    std::vector<UINT> m_keys;
    static int s_nLive;
    static BOOL s_bFailCreate;
};

// A plain bar of a given size and style, for docking layouts.
class CTestBar : public CLuControlBar, public CLuControlBase {
    DECLARE_DYNCREATE(CTestBar)
    LU_DECLARE_CONTROL(CTestBar, CLuControlBar)
public:
    CTestBar() = default;
    CTestBar(CSize size, UINT nType = LU_BAR_TOOLBAR) : m_size(size), m_nType(nType) {}
    BOOL Make(CWnd* pParent, DWORD dwBarStyle, UINT nID = 0);
    CSize CalcFixedLayout() override { return m_size; }
    UINT GetBarType() override { return m_nType; }
    void OnSizeType(UINT nType) override { m_nLastSizeType = nType; }
    CRect RectIn(CWnd* pWnd) const;

    CSize m_size{100, 20};
    UINT m_nType = LU_BAR_TOOLBAR;
    UINT m_nLastSizeType = static_cast<UINT>(-1);
};

namespace frametest {

// Posts each message and dispatches the queue until it is empty (posted messages are there at
// once, so nothing is waited for).
void Post(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
void DispatchQueued();
// The rectangle of hWnd in the client coordinates of hParent.
CRect RectInParent(HWND hWnd, HWND hParent);
// WS_VISIBLE on the window itself (its frame may be hidden).
inline BOOL HasVisibleStyle(const CWnd& wnd) { return (wnd.GetStyle() & WS_VISIBLE) != 0; }
using fxtest::CountGdiObjects;
using fxtest::CountThreadWindows;

}  // namespace frametest
