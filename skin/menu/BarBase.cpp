// The bars' own base, for builds without the frame's bar family (see BarBase.h).
#include "skin/menu/BarBase.h"

#ifndef LU_HAVE_FRAME_BARS
IMPLEMENT_DYNAMIC(CLuControlBar, CWnd)

BOOL CLuControlBar::SafeShowBar(BOOL bShow)
{
    if (!SafeWnd())
        return FALSE;
    ::ShowWindow(m_hWnd, bShow ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}
#endif
