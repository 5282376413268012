// The skinned caption band, caption buttons and border that every captioned dialog draws in its
// non-client area, with the main frame's metrics (LU_FRAME_*, LU_CAPBTN_* of skin/frame) and
// colours: a 25-pixel band (23 pixels below a 2-pixel border) filled with the glassy gradient
// of theme colour 1, the class icon and the bold caption text, the frame's close / maximise /
// minimise buttons (CLuTButton kinds) at the right end, and a two-pixel border (theme colours 0
// and 5) with rounded top corners. Everything is in window coordinates.
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/WinSink.h"
#include "skin/frame/TButton.h"

namespace luctrl {

// Client rectangle of a captioned window whose window rectangle is rcWindow.
CRect CaptionClientRect(const CRect& rcWindow);
// The caption band: the top 25 pixels inset 2 at top, left and right.
CRect CaptionBandRect(const CRect& rcWindow);
// The band's glassy fill, also the background a caption button is repainted on.
void FillCaptionBand(CDC& dc, const CRect& rcBand);
// Band, icon, text (up to xTextRight) and border for a window of size rcWindow (origin 0, 0).
void PaintCaptionFrame(CDC& dc, const CRect& rcWindow, HICON hIcon, const CString& strText, int xTextRight);
// The window region with the rounded top corners of a restored captioned window.
HRGN CreateCaptionRegion(int cx, int cy);

// The caption buttons of one host: close, and maximise and minimise when the host has their
// boxes. The host forwards its mouse messages in window coordinates.
class CaptionButtons {
public:
    explicit CaptionButtons(ILuWinSink* pSink);
    CaptionButtons(const CaptionButtons&) = delete;
    CaptionButtons& operator=(const CaptionButtons&) = delete;

    // Places the buttons for the host's current style and window size.
    void Layout(const CRect& rcWindow, DWORD dwStyle);
    CLuTButton* HitTest(CPoint pt);
    CLuTButton* Find(UINT nButton);
    void OnMouseMove(UINT nFlags, CPoint pt);
    void OnLButtonDown(CPoint pt);
    void OnLButtonUp(CPoint pt);
    // The capture went elsewhere: no button is hot or pressed any more.
    void Reset();
    void Paint(CDC& dc);
    // Where the caption text must stop: short of the leftmost button.
    int TextRight(const CRect& rcBand);

private:
    CLuTCloseBtn m_close;
    CLuMaxBoxBtn m_max;
    CLuMinBoxBtn m_min;
};

}  // namespace luctrl
