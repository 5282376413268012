#include "skin/ctrl/ThemedFrame.h"

#include "skin/theme/Theme.h"

namespace luctrl {

bool HasExEdge(const CWnd& wnd) { return (wnd.GetExStyle() & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) != 0; }

bool HasAnyEdge(const CWnd& wnd) { return HasExEdge(wnd) || (wnd.GetStyle() & WS_BORDER) != 0; }

void WidenForThinEdge(const CWnd& wnd, NCCALCSIZE_PARAMS* lpncsp)
{
    if (HasAnyEdge(wnd) && !(wnd.GetStyle() & WS_BORDER))
        ::InflateRect(&lpncsp->rgrc[0], 1, 1);
}

void PaintThemedFrame(CWnd& wnd)
{
    CRect rc;
    wnd.GetWindowRect(&rc);
    CWindowDC dc(&wnd);
    _LUDRAW_PARAM p;
    p.rect = CRect(0, 0, rc.Width(), rc.Height());
    p.bEnabled = wnd.IsWindowEnabled();
    CLuThemeManager::Instance()->GetTheme()->DrawFrameRect(dc, p);
}

}  // namespace luctrl
