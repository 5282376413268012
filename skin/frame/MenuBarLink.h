// How the frame reaches the menu bar's own operations. The frame makes, docks and lays out its
// menu bar like any control bar; for the few things only a menu bar does (loading its menu, its
// menu handle, its keyboard and menu-character handling) it goes through this link, which the
// menu bar's source file provides with one line:
//
//     LU_PROVIDE_MENUBAR(CLuMenuBar)
//
// so the frame needs no more of the menu bar than its declaration. Without a provided link
// SetMenuID fails and the menu bar's keys and menu characters are left to the system.
#pragma once

#include "skin/core/LuLibDefs.h"
#include "skin/frame/ControlBar.h"

#include <type_traits>

class CMenu;

struct LuMenuBarLink {
    CLuControlBar* (*pfnNew)();
    void (*pfnDelete)(CLuControlBar* pBar);
    BOOL (*pfnCreate)(CLuControlBar* pBar, CWnd* pParent, DWORD dwStyle, UINT nIDMenu);
    void (*pfnDestoryMenu)(CLuControlBar* pBar);  // the menu bar's spelling, part of its interface
    HMENU (*pfnGetMenuHandle)(CLuControlBar* pBar);
    BOOL (*pfnOnMenuAccelator)(CLuControlBar* pBar, UINT message, UINT wParam, LONG lParam);
    BOOL (*pfnOnMenuChar)(CLuControlBar* pBar, UINT nChar, UINT nFlags, CMenu* pMenu, LRESULT& lResult);
    // Where the control bar sits inside the menu bar object (0 when it is the first base).
    ptrdiff_t nBarOffset;
};

LULIB_API void LuProvideMenuBar(const LuMenuBarLink* pLink);
// The provided link, or null.
LULIB_API const LuMenuBarLink* LuGetMenuBarLink();

template <class T>
const LuMenuBarLink* LuMenuBarLinkOf()
{
    static_assert(std::is_base_of<CLuControlBar, T>::value, "a menu bar is a control bar");
    struct Ops {
        static T* Of(CLuControlBar* p) { return static_cast<T*>(p); }
        static CLuControlBar* New() { return new T; }
        static void Delete(CLuControlBar* p) { delete Of(p); }
        static BOOL Create(CLuControlBar* p, CWnd* pParent, DWORD dwStyle, UINT nID)
        {
            return Of(p)->Create(pParent, dwStyle, nID);
        }
        static void DestoryMenu(CLuControlBar* p) { Of(p)->DestoryMenu(); }
        static HMENU GetMenuHandle(CLuControlBar* p) { return Of(p)->GetMenuHandle(); }
        static BOOL OnMenuAccelator(CLuControlBar* p, UINT m, UINT w, LONG l) { return Of(p)->OnMenuAccelator(m, w, l); }
        static BOOL OnMenuChar(CLuControlBar* p, UINT c, UINT f, CMenu* pMenu, LRESULT& r)
        {
            return Of(p)->OnMenuChar(c, f, pMenu, r);
        }
        static ptrdiff_t Offset()
        {
            // Any well-aligned address does: only the difference between the two views counts.
            alignas(T) static char probe[sizeof(T)];
            T* pObject = reinterpret_cast<T*>(probe);
            return reinterpret_cast<char*>(static_cast<CLuControlBar*>(pObject)) - probe;
        }
    };
    static const LuMenuBarLink link = {&Ops::New,           &Ops::Delete,           &Ops::Create,
                                       &Ops::DestoryMenu,   &Ops::GetMenuHandle,    &Ops::OnMenuAccelator,
                                       &Ops::OnMenuChar,    Ops::Offset()};
    return &link;
}

#define LU_PROVIDE_MENUBAR(theClass) \
    static const int luMenuBarProvided_##theClass = (LuProvideMenuBar(LuMenuBarLinkOf<theClass>()), 0);
