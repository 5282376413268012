// The skinned caption, caption buttons and border that the frame (CLuFrameWnd) and every
// captioned dialog (CLuDialog) draw in their non-client area, from one routine so that both look
// and behave alike: a 25-pixel band (23 pixels below a 2-pixel border) filled with the glassy
// gradient of theme colour 1, the window's small icon and the bold caption text, the close /
// maximise / minimise buttons (CLuTButton kinds) at the right end, and a two-pixel border (theme
// colours 0 and 5) with rounded top corners. Everything is in window coordinates (origin at the
// window's top-left corner).
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/WinSink.h"
#include "skin/frame/TButton.h"

// Caption metrics in pixels (window coordinates).
#define LU_FRAME_BORDER 2    // border on the left, right and bottom
#define LU_FRAME_CAPTION 25  // top of the window down to the client area
#define LU_CAPBTN_WIDTH 25
#define LU_CAPBTN_HEIGHT 16
#define LU_CAPBTN_MARGIN 5  // right end of the close button from the window's right edge
#define LU_FRAME_ICON_X 5
#define LU_FRAME_CORNER 12  // corner ellipse of the window region

// Caption button numbers, as the sink reports them.
#define LU_CAPBTN_CLOSE 1
#define LU_CAPBTN_MIN 2
#define LU_CAPBTN_MAX 3

namespace luframe {

// Client rectangle of a captioned window whose window rectangle is rcWindow.
CRect CaptionClientRect(const CRect& rcWindow);
// The caption band: the top 25 pixels inset 2 at top, left and right.
CRect CaptionBandRect(const CRect& rcWindow);
// The band's glassy fill, also the background a caption button is repainted on.
void FillCaptionBand(CDC& dc, const CRect& rcBand);
// The window region with the rounded top corners of a restored captioned window (null when the
// system has no region to give).
HRGN CreateCaptionRegion(int cx, int cy);
// The icon a caption shows: the window's small icon, else its class's small or large icon.
HICON CaptionIcon(HWND hWnd);

class CaptionButtons;

// The whole non-client area of a captioned window of size rcWindow (origin 0, 0): border, band,
// icon, text (stopping short of the buttons), the buttons as laid out now, rounded corners.
void PaintCaptionFrame(CDC& dc, const CRect& rcWindow, HICON hIcon, const CString& strText,
                       CaptionButtons& buttons);

// The caption buttons of one host: close, and maximise and minimise when the host has their
// boxes. The host forwards its mouse messages in window coordinates.
class CaptionButtons {
public:
    explicit CaptionButtons(ILuWinSink* pSink);
    CaptionButtons(const CaptionButtons&) = delete;
    CaptionButtons& operator=(const CaptionButtons&) = delete;

    // Places the buttons for the host's current style and window size (none without a caption
    // and a system menu).
    void Layout(const CRect& rcWindow, DWORD dwStyle);
    CLuTButton* HitTest(CPoint pt);
    // The button with that number (LU_CAPBTN_*), null for another number.
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

}  // namespace luframe
