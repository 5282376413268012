// The base every dockable bar of this folder derives from. The frame's bar family supplies
// CLuControlBar (with its dock bars and CLuFrameWnd); a build without it gets the same base
// here, so the menu bar and the toolbar also work on their own inside any window.
#pragma once

#if __has_include("skin/frame/ControlBar.h")
#include "skin/frame/ControlBar.h"
#include "skin/frame/FrameWnd.h"
#define LU_HAVE_FRAME_BARS 1
// The frame as the target of the bars' command-state updates.
inline CCmdTarget* LuFrameTarget(CLuFrameWnd* pFrame) { return pFrame; }
#else
#include "fx/win/Wnd.h"
#include "skin/core/LuLibDefs.h"

class CLuFrameWnd;

// Bar styles: the low four bits name the dock side.
#define LU_BAR_SIDE_MASK 0x000F
#define LU_BAR_SIDE_TOP 0
#define LU_BAR_SIDE_LEFT 1
#define LU_BAR_SIDE_BOTTOM 2
#define LU_BAR_SIDE_RIGHT 3

// Passing the name through one more macro lets the Ow build's renaming reach the pasted names.
#define LU_BAR_DECLARE_DYNAMIC(theClass) DECLARE_DYNAMIC(theClass)

class LULIB_API CLuControlBar : public CWnd {
    LU_BAR_DECLARE_DYNAMIC(CLuControlBar)
public:
    CLuControlBar() = default;
    ~CLuControlBar() override = default;

    // The size the bar asks for in its dock bar's row.
    virtual CSize CalcFixedLayout() = 0;
    // 1 menu bar, 2 status bar, 3 toolbar, 4 dock bar.
    virtual UINT GetBarType() = 0;
    virtual void OnSizeType(UINT) {}
    virtual void OnUpdateCmdUI(CLuFrameWnd*, BOOL) {}

    BOOL SafeWnd() const { return ::IsWindow(m_hWnd); }
    BOOL SafeVisible() const { return SafeWnd() && (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }
    BOOL SafeShowBar(BOOL bShow);

    int m_nBarHeight = 22;
    BOOL m_bMaximized = FALSE;
};

// Without the frame's classes no frame can be handed to a bar.
inline CCmdTarget* LuFrameTarget(CLuFrameWnd*) { return nullptr; }
#endif
