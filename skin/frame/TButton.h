// Caption buttons and splitters: windowless widgets that live inside a host window (a frame's
// caption, a side bar's caption strip and edge) and talk to it through ILuWinSink. The host
// passes its mouse messages on; a widget captures the mouse through the host while the pointer
// is over it or while it is pressed or dragged, and asks the host to repaint or act.
#pragma once

#include "fx/win/Gdi.h"
#include "fx/win/Types.h"
#include "skin/core/LuLibDefs.h"
#include "skin/core/WinSink.h"
#include "skin/theme/Painter.h"

// A caption button: close box, minimise, maximise or restore, double arrow.
class LULIB_API CLuTButton {
public:
    CLuTButton() = default;
    virtual ~CLuTButton() = default;
    CLuTButton(const CLuTButton&) = delete;
    CLuTButton& operator=(const CLuTButton&) = delete;

    // The spelling "OnMoseMove" is part of the library's interface.
    virtual void OnMoseMove(UINT nFlags, CPoint point);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT, CPoint) {}
    virtual void OnRButtonUp(UINT, CPoint) {}
    virtual void OnPaint(CDC&) {}
    // Moves the rectangle's top-left corner to the point.
    virtual void OnSize(CPoint point);
    virtual void OnSize(CRect& rect) { m_rect = rect; }

    // Which sink and button number the button reports to (and whether it sits in a horizontal strip).
    void InitButton(ILuWinSink* pSink, UINT nButton, BOOL bHorz = FALSE);
    const RECT* GetRect() const;
    // The pointer is over the button (it holds the capture for that).
    BOOL Tracing() const;
    BOOL IsPressed() const { return m_bPressed; }
    UINT GetButtonNumber() const { return m_nButton; }
    // Ends a press or hover that lost its capture: nothing is clicked.
    void CancelTracking();

    // How the button looks now: pressed, hot, from the sink's cursor position.
    void GetDrawState(BOOL& bPressed, BOOL& bHot);

protected:
    void Redraw();
    BOOL Inside(CPoint point) const { return CRect(m_rect).PtInRect(point); }

    UINT m_nButton = 0;
    BOOL m_bPressed = FALSE;
    BOOL m_bHot = FALSE;
    CRect m_rect;
    ILuWinSink* m_pSink = nullptr;
    CPoint m_ptLast;
    BOOL m_bHorz = FALSE;
};

// The close box: the theme's close button.
class LULIB_API CLuTCloseBtn : public CLuTButton {
public:
    void OnPaint(CDC& dc) override;
};

// Minimise: enabled when the host has WS_MINIMIZEBOX; a bar glyph.
class LULIB_API CLuMinBoxBtn : public CLuTButton {
public:
    void OnPaint(CDC& dc) override;
};

// Maximise or restore: enabled when the host has WS_MAXIMIZEBOX; a box, or two boxes while the
// host is maximised.
class LULIB_API CLuMaxBoxBtn : public CLuTButton {
public:
    void OnPaint(CDC& dc) override;
};

// A double arrow pointing the way SetArrow says.
class LULIB_API CLuDArrowBtn : public CLuTButton {
public:
    void OnPaint(CDC& dc) override;
    void SetArrow(LUARROW nArrow);
    LUARROW GetArrow() const;
    // Whether an arrow was set.
    BOOL IsInited() const;

private:
    LUARROW m_nArrow = LUARROW_LEFT;
    BOOL m_bInited = FALSE;
};

// A splitter: the strip at a side bar's edge that the user drags to resize the bar.
class LULIB_API CLuSplitter {
public:
    CLuSplitter();
    virtual ~CLuSplitter() = default;
    CLuSplitter(const CLuSplitter&) = delete;
    CLuSplitter& operator=(const CLuSplitter&) = delete;

    // The spelling "OnMoseMove" is part of the library's interface.
    virtual void OnMoseMove(UINT nFlags, CPoint point);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT, CPoint) {}
    virtual void OnRButtonUp(UINT, CPoint) {}
    virtual void OnPaint(CDC& dc);
    virtual void OnSize(CRect& rect) { m_rect = rect; }

    // A horizontal splitter (top and bottom bars) drags up and down.
    void InitSplitter(ILuWinSink* pSink, BOOL bHorz);
    const RECT* GetRect() const { return &m_rect; }
    BOOL IsDragging() const { return m_bDragging; }
    BOOL IsHot() const { return m_bHot; }
    // Ends a drag or hover that lost its capture.
    void CancelTracking();

protected:
    void EndTracking();

    HCURSOR m_hSizeCursor = nullptr;
    HCURSOR m_hArrowCursor = nullptr;
    BOOL m_bHorz = FALSE;
    CRect m_rect;
    BOOL m_bDragging = FALSE;
    BOOL m_bHot = FALSE;
    ILuWinSink* m_pSink = nullptr;
};
