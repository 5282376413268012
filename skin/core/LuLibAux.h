// LuLibAux: the library's static facade. The application calls InitLuLib once at start (with
// its own control-registration callback) and UninitLuLib once at exit; in between every window
// of a skinned class gets a window object of the matching library class, and the facade keeps
// the process-wide registries: window objects the library allocated, live skinned controls by
// handle, and the last error.
#pragma once

#include "fx/core/String.h"
#include "skin/core/LuLibDefs.h"

#include <windows.h>

#include <map>

class CWnd;
class CLuControlBase;
class CLuCContext;
struct CCreateContext;

// Error codes of the error slot.
#define LU_ERR_NONE 0
#define LU_ERR_REGISTER 2

class LULIB_API LuLibAux {
public:
    typedef int (*PFNUSERREG)(int bRegister);

    // Copying the facade copies nothing: all of it is static.
    LuLibAux& operator=(const LuLibAux&);

    // ---- Start and end ----
    // Registers the library's window classes, then calls pfnUserReg(1). TRUE when no
    // registration failed during this call (the error slot reads 0 afterwards).
    static BOOL InitLuLib(HINSTANCE hInst, PFNUSERREG pfnUserReg);
    // Calls pfnUserReg(0); the painter is released with the last balancing call.
    static void UninitLuLib(HINSTANCE hInst, PFNUSERREG pfnUserReg);

    // ---- Window classes ----
    static BOOL RegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                 LPCSTR lpszClassName, WNDPROC pfnWndProc);
    static BOOL RegisterCtrlClass(LPCSTR lpszClassName, WNDPROC pfnNewProc, WNDPROC* ppfnOldProc);
    static BOOL RegisterCtrlClassEx(LPCSTR lpszClassName, LONG fAfxRegister, WNDPROC pfnNewProc,
                                    WNDPROC* ppfnOldProc);
    // Classes stay registered until the process ends.
    static void UnregisterWndClass(LPCSTR lpszClassName);

    // ---- Window objects made by the class procedures ----
    static void* AllocWndObject(WORD nSize);
    static void FreeWndObject(void* p, WORD nSize);
    static BOOL IsFrameCreate(void* p);

    // ---- Live skinned controls ----
    static void AddCtrlHandle(HWND hWnd, CLuControlBase* pCtrl);
    static void RemoveCtrlHandle(HWND hWnd);
    static CLuControlBase* CtrlFromHandle(HWND hWnd);

    // ---- Error slot ----
    static int SetErrorCode(int nCode);
    static int GetErrorCode();
    static void SetErrorStr(LPCSTR lpszText);
    static LPCSTR GetErrorStr();

    // ---- Dialog captions from the string table ----
    static void SetCBST(BOOL bSet);
    static BOOL IsCBST();

    // ---- Helpers ----
    // The upper-cased character after the first '&' (GBK aware); 0 when there is none.
    static char CalcAccVKey(CString& str);
    static HWND GetTopLevelParent(HWND hWnd);
    static HBITMAP LoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc, BOOL bMono);
    static CWnd* CreateView(CCreateContext* pContext, UINT nID, CWnd* pParent);
    static CWnd* CreateWnd(CLuCContext* pCtx, CWnd* pParent, int& bCustom);
    // The spelling "DestoryWnd" is part of the library's interface.
    static void DestoryWnd(CWnd* pWnd, BOOL bDestroyWindow);

    // ---- Class procedures (used through the templates of ControlBase.h) ----
    struct ClassInfo {
        const struct CRuntimeClass* pClass;
        WORD nSize;
        CWnd* (*pfnConstruct)(void* pMemory);
        CLuControlBase* (*pfnControlBase)(CWnd* pWnd);
        WNDPROC* ppfnOldProc;  // null for classes of their own (mode new)
    };
    static LRESULT ClassProcNcCreate(HWND hWnd, WPARAM wParam, LPARAM lParam, const ClassInfo& info);
    // The window object named by a creation block passed as the creation parameter, or null.
    static CWnd* OwnerFromCreateParam(LPVOID lpCreateParams);

    static HINSTANCE m_hInst;
    static PFNUSERREG m_pfnUserReg;
    static int m_nRefCount;
    static int m_nErrCode;
    static CString m_sErrStr;
    static BOOL m_bCBST;
    static std::map<void*, WORD> m_wndObjectMap;
    static std::map<HWND, CLuControlBase*> m_handleCtrlMap;

private:
    static void RegisterLibraryClasses();
    static HINSTANCE ClassInstance();
};

// Runs pfn when the last UninitLuLib ends the library, before the painter goes: parts of the
// library that keep top-level windows of their own (floating bars) close them there.
LULIB_API void LuAddUninitHook(void (*pfn)());
