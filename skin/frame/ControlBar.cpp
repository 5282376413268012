#include "skin/frame/ControlBar.h"

#include "skin/frame/MenuBarLink.h"

IMPLEMENT_DYNAMIC(CLuControlBar, CWnd)

namespace {

// Constant-initialised, so the menu bar may provide itself from any file's static initialisation.
const LuMenuBarLink* g_pMenuBarLink = nullptr;

ptrdiff_t MenuBarOffset() { return g_pMenuBarLink != nullptr ? g_pMenuBarLink->nBarOffset : 0; }

}  // namespace

void LuProvideMenuBar(const LuMenuBarLink* pLink) { g_pMenuBarLink = pLink; }

const LuMenuBarLink* LuGetMenuBarLink() { return g_pMenuBarLink; }

BOOL CLuControlBar::SafeWnd() const { return ::IsWindow(m_hWnd); }

BOOL CLuControlBar::SafeVisible() const
{
    return SafeWnd() && (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

BOOL CLuControlBar::SafeShowBar(BOOL bShow)
{
    if (!SafeWnd())
        return FALSE;
    // Shown without activation; the frame's layout places it and repaints the rows afterwards.
    ::ShowWindow(m_hWnd, bShow ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}

CLuControlBar* CLuControlBar::FromMenuBar(CLuMenuBar* pBar)
{
    return pBar != nullptr ? reinterpret_cast<CLuControlBar*>(reinterpret_cast<char*>(pBar) + MenuBarOffset())
                           : nullptr;
}

CLuMenuBar* CLuControlBar::ToMenuBar(CLuControlBar* pBar)
{
    return pBar != nullptr ? reinterpret_cast<CLuMenuBar*>(reinterpret_cast<char*>(pBar) - MenuBarOffset())
                           : nullptr;
}
