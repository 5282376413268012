// The themed one-pixel frame that edit fields and list boxes draw instead of the platform's
// edges: how much non-client room it takes and how it is painted.
#pragma once

#include "fx/win/Wnd.h"

namespace luctrl {

// Whether the window has any edge: WS_EX_CLIENTEDGE, WS_EX_STATICEDGE or WS_BORDER.
bool HasAnyEdge(const CWnd& wnd);
bool HasExEdge(const CWnd& wnd);
// WM_NCCALCSIZE, before the default computation: an edged window without WS_BORDER gets one
// pixel more room on every side, so a client edge takes one pixel instead of two.
void WidenForThinEdge(const CWnd& wnd, NCCALCSIZE_PARAMS* lpncsp);
// The theme's frame over the whole window rectangle (window coordinates).
void PaintThemedFrame(CWnd& wnd);

}  // namespace luctrl
