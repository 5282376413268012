// The caption band, caption buttons and border that the main frame (and every captioned dialog of
// the program) draws in its non-client area instead of the system's: a vitreous band of theme
// colour 1 over the top 25 pixels, the icon and the title in the bold theme font, close,
// maximise and minimise buttons at the right, and a two-line border with rounded top corners.
#pragma once

#include "fx/win/Gdi.h"
#include "fx/win/Wnd.h"

namespace caption {

enum {
    BORDER = 2,           // left, right and bottom non-client width
    CAPTION_HEIGHT = 25,  // top non-client height
    BAND_HIT_HEIGHT = 23, // the band that answers HTCAPTION
    BUTTON_WIDTH = 25,
    BUTTON_HEIGHT = 16,
    CLOSE_RIGHT = 5,      // the close button ends 5 pixels from the right edge
    ICON_X = 5,
    LIGHTEN = 30          // the band's second colour: colour 1 lightened by this
};

// Caption buttons, numbered as the skin library numbers them.
enum Button {
    BUTTON_NONE = 0,
    BUTTON_CLOSE = 1,
    BUTTON_MINIMIZE = 2,
    BUTTON_MAXIMIZE = 3
};

// Whether the window draws its own caption (it has WS_CAPTION).
bool HasSkinCaption(const CWnd& wnd);
// The client rectangle within a window rectangle.
CRect ClientFromWindow(const CRect& rcWindow);
// The caption band in window coordinates.
CRect BandRect(const CRect& rcWindow);
// A caption button's rectangle in window coordinates (empty when the style has none).
CRect ButtonRect(const CRect& rcWindow, DWORD dwStyle, Button button);
// The hit-test code for a point in window coordinates, or HTNOWHERE when the point is not on
// the band or a button (the border and client are left to the caller).
UINT HitTest(const CRect& rcWindow, DWORD dwStyle, CPoint ptWindow);
// The system command a caption button sends (SC_RESTORE for maximise while maximised).
UINT ButtonCommand(Button button, bool bZoomed);

// Paints band, buttons and border into a DC of the whole window (origin at its top-left).
void PaintNonClient(CDC& dc, CWnd& wnd, Button hotButton);
void PaintBand(CDC& dc, CWnd& wnd, const CRect& rcWindow);
void PaintButton(CDC& dc, CWnd& wnd, const CRect& rcWindow, Button button, bool bHot);
void PaintBorder(CDC& dc, const CRect& rcWindow);

}  // namespace caption
