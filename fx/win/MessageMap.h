// Message-map tables: the macros a class uses to list its handlers, and the small functions
// (thunks) that unpack a message's parameters into a handler's typed arguments. Included by
// Wnd.h; a class declares DECLARE_MESSAGE_MAP() and its .cpp lists
//
//     BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
//         ON_WM_CREATE()
//         ON_WM_TIMER()
//         ON_COMMAND(1004, OnNewScene)
//         ON_MESSAGE(WM_USER + 0x1010, OnActivatePage)
//     END_MESSAGE_MAP()
//
// Every thunk is instantiated for the handler named, so a handler of the wrong signature fails
// to compile instead of being called with the wrong arguments.
#pragma once

#include "fx/win/CmdTarget.h"
#include "fx/win/Gdi.h"
#include "fx/win/Types.h"

class CMenu;

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP() \
            {0, 0, 0, 0, nullptr, nullptr}}; \
        static_assert(sizeof(ThisClass) > 0, "message map of an incomplete class"); \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &entries[0]}; \
        return &messageMap; \
    }

namespace fx {

// The window the thunks hand to handlers as CWnd*: the permanent object or a temporary one.
CWnd* WndFromHandle(HWND hWnd);
CMenu* MenuFromHandle(HMENU hMenu);

namespace thunk {

#define FX_THUNK(name, call_expr) \
    template <class T, auto F> \
    BOOL name(CCmdTarget* target, MsgCall& c) \
    { \
        T* p = static_cast<T*>(target); \
        (void)c; \
        call_expr; \
        return TRUE; \
    }

// Plain window messages.
FX_THUNK(v_v, (p->*F)())
FX_THUNK(create, c.result = (p->*F)(reinterpret_cast<LPCREATESTRUCTW>(c.lParam)))
FX_THUNK(size, (p->*F)(static_cast<UINT>(c.wParam), static_cast<short>(LOWORD(c.lParam)),
                       static_cast<short>(HIWORD(c.lParam))))
FX_THUNK(move, (p->*F)(static_cast<short>(LOWORD(c.lParam)), static_cast<short>(HIWORD(c.lParam))))
FX_THUNK(timer, (p->*F)(static_cast<UINT_PTR>(c.wParam)))
FX_THUNK(mouse, (p->*F)(static_cast<UINT>(c.wParam), CPoint(c.lParam)))
FX_THUNK(wheel, c.result = (p->*F)(static_cast<UINT>(LOWORD(c.wParam)),
                                   static_cast<short>(HIWORD(c.wParam)), CPoint(c.lParam)))
FX_THUNK(key, (p->*F)(static_cast<UINT>(c.wParam), static_cast<UINT>(LOWORD(c.lParam)),
                      static_cast<UINT>(HIWORD(c.lParam))))
FX_THUNK(focus, (p->*F)(WndFromHandle(reinterpret_cast<HWND>(c.wParam))))
FX_THUNK(scroll, (p->*F)(static_cast<UINT>(LOWORD(c.wParam)), static_cast<UINT>(HIWORD(c.wParam)),
                         WndFromHandle(reinterpret_cast<HWND>(c.lParam))))
FX_THUNK(minmax, (p->*F)(reinterpret_cast<MINMAXINFO*>(c.lParam)))
FX_THUNK(erase, CDC dc; dc.Attach(reinterpret_cast<HDC>(c.wParam));
         c.result = (p->*F)(&dc); dc.Detach())
FX_THUNK(ctlcolor, CDC dc; dc.Attach(reinterpret_cast<HDC>(c.wParam));
         c.result = reinterpret_cast<LRESULT>((p->*F)(&dc, WndFromHandle(reinterpret_cast<HWND>(c.lParam)),
                                                      c.message - WM_CTLCOLORMSGBOX));
         dc.Detach())
FX_THUNK(drawitem, (p->*F)(static_cast<int>(c.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam)); c.result = TRUE)
FX_THUNK(measureitem, (p->*F)(static_cast<int>(c.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam)); c.result = TRUE)
FX_THUNK(nccalcsize, (p->*F)(static_cast<BOOL>(c.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(c.lParam)))
FX_THUNK(nchittest, c.result = (p->*F)(CPoint(c.lParam)))
FX_THUNK(ncmouse, (p->*F)(static_cast<UINT>(c.wParam), CPoint(c.lParam)))
FX_THUNK(b_b, c.result = (p->*F)(static_cast<BOOL>(c.wParam)))
FX_THUNK(v_b, (p->*F)(static_cast<BOOL>(c.wParam)))
FX_THUNK(activate, (p->*F)(static_cast<UINT>(LOWORD(c.wParam)), WndFromHandle(reinterpret_cast<HWND>(c.lParam)),
                           static_cast<BOOL>(HIWORD(c.wParam))))
FX_THUNK(mouseactivate, c.result = (p->*F)(WndFromHandle(reinterpret_cast<HWND>(c.wParam)),
                                           static_cast<UINT>(LOWORD(c.lParam)), static_cast<UINT>(HIWORD(c.lParam))))
FX_THUNK(setcursor, c.result = (p->*F)(WndFromHandle(reinterpret_cast<HWND>(c.wParam)),
                                       static_cast<UINT>(LOWORD(c.lParam)), static_cast<UINT>(HIWORD(c.lParam))))
FX_THUNK(showwindow, (p->*F)(static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam)))
FX_THUNK(winpos, (p->*F)(reinterpret_cast<WINDOWPOS*>(c.lParam)))
FX_THUNK(syscommand, (p->*F)(static_cast<UINT>(c.wParam), c.lParam))
FX_THUNK(initmenupopup, (p->*F)(MenuFromHandle(reinterpret_cast<HMENU>(c.wParam)),
                                static_cast<UINT>(LOWORD(c.lParam)), static_cast<BOOL>(HIWORD(c.lParam))))
FX_THUNK(menuchar, c.result = (p->*F)(static_cast<UINT>(LOWORD(c.wParam)), static_cast<UINT>(HIWORD(c.wParam)),
                                      MenuFromHandle(reinterpret_cast<HMENU>(c.lParam))))
FX_THUNK(capture, (p->*F)(WndFromHandle(reinterpret_cast<HWND>(c.lParam))))
FX_THUNK(contextmenu, (p->*F)(WndFromHandle(reinterpret_cast<HWND>(c.wParam)), CPoint(c.lParam)))
FX_THUNK(u_v, c.result = static_cast<LRESULT>((p->*F)()))
FX_THUNK(ncp, c.result = (p->*F)(reinterpret_cast<LPCREATESTRUCTW>(c.lParam)))
FX_THUNK(message, c.result = (p->*F)(c.wParam, c.lParam))

// Reflected notifications, handled by the control that sent them.
FX_THUNK(ctlcolor_reflect, CDC dc; dc.Attach(reinterpret_cast<HDC>(c.wParam));
         c.result = reinterpret_cast<LRESULT>((p->*F)(&dc, c.message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX));
         dc.Detach())
FX_THUNK(drawitem_reflect, (p->*F)(reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam)); c.result = TRUE)
FX_THUNK(measureitem_reflect, (p->*F)(reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam)); c.result = TRUE)
FX_THUNK(notify_reflect, (p->*F)(reinterpret_cast<NMHDR*>(c.lParam), &c.result))

// Commands and notifications routed through OnCmdMsg.
FX_THUNK(command, (p->*F)())
FX_THUNK(command_range, (p->*F)(c.nID))
FX_THUNK(notify, (p->*F)(static_cast<AFX_NOTIFY*>(c.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(c.pExtra)->pResult))
FX_THUNK(notify_range, (p->*F)(c.nID, static_cast<AFX_NOTIFY*>(c.pExtra)->pNMHDR,
                               static_cast<AFX_NOTIFY*>(c.pExtra)->pResult))

#undef FX_THUNK

// Handlers that may decline: routing goes on when they return FALSE.
template <class T, auto F>
BOOL command_ex(CCmdTarget* target, MsgCall& c) { return (static_cast<T*>(target)->*F)(c.nID); }
template <class T, auto F>
BOOL notify_ex(CCmdTarget* target, MsgCall& c)
{
    AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra);
    return (static_cast<T*>(target)->*F)(c.nID, n->pNMHDR, n->pResult);
}
template <class T, auto F>
BOOL control_reflect_ex(CCmdTarget* target, MsgCall&) { return (static_cast<T*>(target)->*F)(); }
// An update handler that calls ContinueRouting lets the next target decide as well.
template <class T, auto F>
BOOL update(CCmdTarget* target, MsgCall& c)
{
    CCmdUI* pCmdUI = static_cast<CCmdUI*>(c.pExtra);
    pCmdUI->m_bContinueRouting = FALSE;
    (static_cast<T*>(target)->*F)(pCmdUI);
    const BOOL handled = !pCmdUI->m_bContinueRouting;
    pCmdUI->m_bContinueRouting = FALSE;
    return handled;
}
template <class T, auto F>
BOOL update_range(CCmdTarget* target, MsgCall& c) { return update<T, F>(target, c); }

}  // namespace thunk
}  // namespace fx

#define FX_ENTRY(msg, th, fn) {static_cast<UINT>(msg), 0, 0, 0, nullptr, &fx::thunk::th<ThisClass, &ThisClass::fn>},

#define ON_WM_CREATE() FX_ENTRY(WM_CREATE, create, OnCreate)
#define ON_WM_NCCREATE() FX_ENTRY(WM_NCCREATE, ncp, OnNcCreate)
#define ON_WM_DESTROY() FX_ENTRY(WM_DESTROY, v_v, OnDestroy)
#define ON_WM_NCDESTROY() FX_ENTRY(WM_NCDESTROY, v_v, OnNcDestroy)
#define ON_WM_CLOSE() FX_ENTRY(WM_CLOSE, v_v, OnClose)
#define ON_WM_PAINT() FX_ENTRY(WM_PAINT, v_v, OnPaint)
#define ON_WM_NCPAINT() FX_ENTRY(WM_NCPAINT, v_v, OnNcPaint)
#define ON_WM_ERASEBKGND() FX_ENTRY(WM_ERASEBKGND, erase, OnEraseBkgnd)
#define ON_WM_SIZE() FX_ENTRY(WM_SIZE, size, OnSize)
#define ON_WM_MOVE() FX_ENTRY(WM_MOVE, move, OnMove)
#define ON_WM_TIMER() FX_ENTRY(WM_TIMER, timer, OnTimer)
#define ON_WM_MOUSEMOVE() FX_ENTRY(WM_MOUSEMOVE, mouse, OnMouseMove)
#define ON_WM_LBUTTONDOWN() FX_ENTRY(WM_LBUTTONDOWN, mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() FX_ENTRY(WM_LBUTTONUP, mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() FX_ENTRY(WM_LBUTTONDBLCLK, mouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() FX_ENTRY(WM_RBUTTONDOWN, mouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() FX_ENTRY(WM_RBUTTONUP, mouse, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() FX_ENTRY(WM_RBUTTONDBLCLK, mouse, OnRButtonDblClk)
#define ON_WM_MOUSEWHEEL() FX_ENTRY(WM_MOUSEWHEEL, wheel, OnMouseWheel)
#define ON_WM_KEYDOWN() FX_ENTRY(WM_KEYDOWN, key, OnKeyDown)
#define ON_WM_KEYUP() FX_ENTRY(WM_KEYUP, key, OnKeyUp)
#define ON_WM_SYSKEYDOWN() FX_ENTRY(WM_SYSKEYDOWN, key, OnSysKeyDown)
#define ON_WM_SYSKEYUP() FX_ENTRY(WM_SYSKEYUP, key, OnSysKeyUp)
#define ON_WM_CHAR() FX_ENTRY(WM_CHAR, key, OnChar)
#define ON_WM_SETFOCUS() FX_ENTRY(WM_SETFOCUS, focus, OnSetFocus)
#define ON_WM_KILLFOCUS() FX_ENTRY(WM_KILLFOCUS, focus, OnKillFocus)
#define ON_WM_HSCROLL() FX_ENTRY(WM_HSCROLL, scroll, OnHScroll)
#define ON_WM_VSCROLL() FX_ENTRY(WM_VSCROLL, scroll, OnVScroll)
#define ON_WM_GETMINMAXINFO() FX_ENTRY(WM_GETMINMAXINFO, minmax, OnGetMinMaxInfo)
#define ON_WM_CTLCOLOR() FX_ENTRY(WM_CTLCOLOR, ctlcolor, OnCtlColor)
#define ON_WM_DRAWITEM() FX_ENTRY(WM_DRAWITEM, drawitem, OnDrawItem)
#define ON_WM_MEASUREITEM() FX_ENTRY(WM_MEASUREITEM, measureitem, OnMeasureItem)
#define ON_WM_NCCALCSIZE() FX_ENTRY(WM_NCCALCSIZE, nccalcsize, OnNcCalcSize)
#define ON_WM_NCHITTEST() FX_ENTRY(WM_NCHITTEST, nchittest, OnNcHitTest)
#define ON_WM_NCMOUSEMOVE() FX_ENTRY(WM_NCMOUSEMOVE, ncmouse, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() FX_ENTRY(WM_NCLBUTTONDOWN, ncmouse, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() FX_ENTRY(WM_NCLBUTTONUP, ncmouse, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() FX_ENTRY(WM_NCLBUTTONDBLCLK, ncmouse, OnNcLButtonDblClk)
#define ON_WM_NCACTIVATE() FX_ENTRY(WM_NCACTIVATE, b_b, OnNcActivate)
#define ON_WM_ENABLE() FX_ENTRY(WM_ENABLE, v_b, OnEnable)
#define ON_WM_ACTIVATE() FX_ENTRY(WM_ACTIVATE, activate, OnActivate)
#define ON_WM_MOUSEACTIVATE() FX_ENTRY(WM_MOUSEACTIVATE, mouseactivate, OnMouseActivate)
#define ON_WM_SETCURSOR() FX_ENTRY(WM_SETCURSOR, setcursor, OnSetCursor)
#define ON_WM_SHOWWINDOW() FX_ENTRY(WM_SHOWWINDOW, showwindow, OnShowWindow)
#define ON_WM_WINDOWPOSCHANGING() FX_ENTRY(WM_WINDOWPOSCHANGING, winpos, OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() FX_ENTRY(WM_WINDOWPOSCHANGED, winpos, OnWindowPosChanged)
#define ON_WM_SYSCOMMAND() FX_ENTRY(WM_SYSCOMMAND, syscommand, OnSysCommand)
#define ON_WM_INITMENUPOPUP() FX_ENTRY(WM_INITMENUPOPUP, initmenupopup, OnInitMenuPopup)
#define ON_WM_MENUCHAR() FX_ENTRY(WM_MENUCHAR, menuchar, OnMenuChar)
#define ON_WM_CAPTURECHANGED() FX_ENTRY(WM_CAPTURECHANGED, capture, OnCaptureChanged)
#define ON_WM_CANCELMODE() FX_ENTRY(WM_CANCELMODE, v_v, OnCancelMode)
#define ON_WM_CONTEXTMENU() FX_ENTRY(WM_CONTEXTMENU, contextmenu, OnContextMenu)
#define ON_WM_GETDLGCODE() FX_ENTRY(WM_GETDLGCODE, u_v, OnGetDlgCode)

// A message of the program's own (WM_USER + n, the 0x1403..0x1413 family): LRESULT fn(WPARAM, LPARAM).
#define ON_MESSAGE(msg, fn) FX_ENTRY(msg, message, fn)
// A message registered at run time; var is the UINT that holds its number.
#define ON_REGISTERED_MESSAGE(var, fn) \
    {0, 0, 0, 0, &(var), &fx::thunk::message<ThisClass, &ThisClass::fn>},

// Commands: void fn(); ranges void fn(UINT id); _EX: BOOL fn(UINT id), FALSE routes on.
#define ON_COMMAND(id, fn) \
    {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id), nullptr, &fx::thunk::command<ThisClass, &ThisClass::fn>},
#define ON_COMMAND_EX(id, fn) \
    {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id), nullptr, &fx::thunk::command_ex<ThisClass, &ThisClass::fn>},
#define ON_COMMAND_RANGE(first, last, fn) \
    {WM_COMMAND, CN_COMMAND, static_cast<UINT>(first), static_cast<UINT>(last), nullptr, &fx::thunk::command_range<ThisClass, &ThisClass::fn>},
// Update handlers: void fn(CCmdUI*).
#define ON_UPDATE_COMMAND_UI(id, fn) \
    {WM_COMMAND, static_cast<UINT>(CN_UPDATE_COMMAND_UI), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, &fx::thunk::update<ThisClass, &ThisClass::fn>},
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn) \
    {WM_COMMAND, static_cast<UINT>(CN_UPDATE_COMMAND_UI), static_cast<UINT>(first), static_cast<UINT>(last), nullptr, &fx::thunk::update_range<ThisClass, &ThisClass::fn>},
// Control notifications arriving as WM_COMMAND: void fn(), ranges void fn(UINT id).
#define ON_CONTROL(code, id, fn) \
    {WM_COMMAND, static_cast<WORD>(code), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, &fx::thunk::command<ThisClass, &ThisClass::fn>},
#define ON_CONTROL_RANGE(code, first, last, fn) \
    {WM_COMMAND, static_cast<WORD>(code), static_cast<UINT>(first), static_cast<UINT>(last), nullptr, &fx::thunk::command_range<ThisClass, &ThisClass::fn>},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
// WM_NOTIFY: void fn(NMHDR*, LRESULT*); ranges void fn(UINT id, NMHDR*, LRESULT*);
// _EX: BOOL fn(UINT id, NMHDR*, LRESULT*).
#define ON_NOTIFY(code, id, fn) \
    {WM_NOTIFY, static_cast<WORD>(code), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, &fx::thunk::notify<ThisClass, &ThisClass::fn>},
#define ON_NOTIFY_RANGE(code, first, last, fn) \
    {WM_NOTIFY, static_cast<WORD>(code), static_cast<UINT>(first), static_cast<UINT>(last), nullptr, &fx::thunk::notify_range<ThisClass, &ThisClass::fn>},
#define ON_NOTIFY_EX(code, id, fn) \
    {WM_NOTIFY, static_cast<WORD>(code), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, &fx::thunk::notify_ex<ThisClass, &ThisClass::fn>},

// Reflected to the control that sent them: WM_COMMAND codes void fn() (or BOOL fn() for _EX),
// WM_NOTIFY codes void fn(NMHDR*, LRESULT*), colours HBRUSH fn(CDC*, UINT nCtlColor) (null:
// not handled), owner drawing void fn(LPDRAWITEMSTRUCT) / void fn(LPMEASUREITEMSTRUCT).
#define ON_CONTROL_REFLECT(code, fn) \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<WORD>(code), 0, 0, nullptr, &fx::thunk::command<ThisClass, &ThisClass::fn>},
#define ON_CONTROL_REFLECT_EX(code, fn) \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<WORD>(code), 0, 0, nullptr, &fx::thunk::control_reflect_ex<ThisClass, &ThisClass::fn>},
#define ON_NOTIFY_REFLECT(code, fn) \
    {WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(code), 0, 0, nullptr, &fx::thunk::notify_reflect<ThisClass, &ThisClass::fn>},
#define ON_WM_CTLCOLOR_REFLECT() FX_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, ctlcolor_reflect, CtlColor)
#define ON_WM_DRAWITEM_REFLECT() FX_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, drawitem_reflect, DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() FX_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, measureitem_reflect, MeasureItem)
