// CLuControlBase, the second base of every skinned control (the first is the framework window
// class it extends), and the class-procedure pattern by which every window of a skinned class
// gets its object: the library's own classes and the application's control classes use the
// same templates below.
//
//     class CLuEdit : public CEdit, public CLuControlBase {
//         LU_DECLARE_CONTROL(CLuEdit, CEdit)
//     };
//     LU_IMPLEMENT_CONTROL(CLuEdit)
//     void CLuEdit::OnInitCtrl(DWORD dwStyle) { m_dwCtrlStyle = dwStyle; ... }
//     ... RegisterCtrlClass("EDIT", &LuCtrlClassProc<CLuEdit>, &CLuEdit::m_pfnLuClassOldProc);
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/LuLibAux.h"
#include "skin/core/LuLibDefs.h"

#include <new>

class LULIB_API CLuControlBase {
public:
    // Whether children of this control that belong to subclassed system classes are skinned
    // as well. A combo box declines, so its edit and list parts stay system windows.
    virtual BOOL _NeedHookChildMsg() { return TRUE; }

    DWORD m_dwCtrlStyle = 0;      // the creation style, captured at WM_NCCREATE
    DWORD m_dwCtrlState = 0;      // per-control state word, free for the control's own use
    WNDPROC m_pfnCtrlOldProc = nullptr;  // the procedure the window had before its object took over

    // Objects the class procedures made live in memory from AllocWndObject and go back there;
    // objects the application makes with new are ordinary heap objects.
    static void* operator new(size_t nSize);
    static void* operator new(size_t, void* p) noexcept { return p; }
    static void operator delete(void* p);
    static void operator delete(void*, void*) noexcept {}

    // The hooks every control runs before its message maps: the style and the registry at
    // WM_NCCREATE, the registry at WM_NCDESTROY. FALSE: dispatch goes on.
    BOOL HookCtrlMsg(CWnd* pWnd, UINT message, LPARAM lParam);

protected:
    CLuControlBase() = default;
    // An object that goes while its window lives (its window is then destroyed by the framework
    // base, past the control's own message hooks) takes its registry entry with it, so the
    // registry never names a deleted control.
    ~CLuControlBase();
};

// Declares the operations every control class adds after the framework's, in this order, and
// the message hook. theClass is the control, theBase its framework window class. The class
// defines OnInitCtrl itself (its set-up once the window exists); LU_DEFAULT_INITCTRL gives the
// plain one that only stores the style.
#define LU_DECLARE_CONTROL(theClass, theBase) \
public: \
    virtual void OnInitCtrl(DWORD dwStyle); \
    virtual WORD GetCtrlStyle() const { return LOWORD(m_dwCtrlStyle); } \
    virtual void AddCtrlStyle(WORD wStyle) { m_dwCtrlStyle |= wStyle; } \
    virtual DWORD GetCtrlStyleEx() const { return m_dwCtrlStyle; } \
    virtual void SetCtrlStyleEx(DWORD dwStyle) { m_dwCtrlStyle = dwStyle; } \
    virtual void MoveCtrl(const RECT& rc, HDWP* phDwp = nullptr) { LuMoveWindow(this, rc, phDwp); } \
    virtual void OnCtrlHook() {} \
    virtual HWND Detach() { return theBase::Detach(); } \
    static WNDPROC m_pfnLuClassOldProc; \
    static CRuntimeClass* LuRuntimeClass() { return RUNTIME_CLASS(theClass); } \
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override \
    { \
        if (message == WM_CREATE) { \
            const LRESULT r = Default(); \
            if (r != -1) \
                OnInitCtrl(static_cast<DWORD>(reinterpret_cast<LPCREATESTRUCTW>(lParam)->style)); \
            *pResult = r == -1 ? -1 : 0; \
            return TRUE; \
        } \
        HookCtrlMsg(this, message, lParam); \
        return theBase::OnWndMsg(message, wParam, lParam, pResult); \
    }

#define LU_IMPLEMENT_CONTROL(theClass) WNDPROC theClass::m_pfnLuClassOldProc = nullptr;
#define LU_DEFAULT_INITCTRL(theClass) \
    void theClass::OnInitCtrl(DWORD dwStyle) { m_dwCtrlStyle = dwStyle; }

// Positions a window at once, or into the pending batch *phDwp when one is given.
LULIB_API void LuMoveWindow(CWnd* pWnd, const RECT& rc, HDWP* phDwp);

// The object a class procedure makes for a window that has none: it belongs to the library and
// goes away with its window.
template <class T>
class CLuAutoObject final : public T {
protected:
    void PostNcDestroy() override
    {
        T::PostNcDestroy();
        delete this;
    }
};

template <class T>
const LuLibAux::ClassInfo& LuClassInfo(bool bSubclass)
{
    struct Make {
        static CWnd* Construct(void* p) { return new (p) CLuAutoObject<T>; }
        static CLuControlBase* Base(CWnd* pWnd) { return static_cast<CLuControlBase*>(static_cast<T*>(pWnd)); }
    };
    static const LuLibAux::ClassInfo ownClass = {T::LuRuntimeClass(), static_cast<WORD>(sizeof(CLuAutoObject<T>)),
                                                 &Make::Construct, &Make::Base, nullptr};
    static const LuLibAux::ClassInfo subclass = {T::LuRuntimeClass(), static_cast<WORD>(sizeof(CLuAutoObject<T>)),
                                                 &Make::Construct, &Make::Base, &T::m_pfnLuClassOldProc};
    return bSubclass ? subclass : ownClass;
}

// Class procedure of a class of the library's own (registered with RegisterWndClass): only
// WM_NCCREATE is its business; from then on the framework's procedure has the window.
template <class T>
LRESULT CALLBACK LuNewClassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_NCCREATE)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return LuLibAux::ClassProcNcCreate(hWnd, wParam, lParam, LuClassInfo<T>(false));
}

// Class procedure of a subclassed system class (RegisterCtrlClass, RegisterCtrlClassEx): the
// system control keeps doing the work for every message the object leaves alone.
template <class T>
LRESULT CALLBACK LuCtrlClassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_NCCREATE) {
        // Messages before WM_NCCREATE (WM_GETMINMAXINFO of a top-level window) belong to the
        // system control as well.
        WNDPROC old = T::m_pfnLuClassOldProc;
        return old != nullptr ? ::CallWindowProcW(old, hWnd, message, wParam, lParam)
                              : ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
    return LuLibAux::ClassProcNcCreate(hWnd, wParam, lParam, LuClassInfo<T>(true));
}
