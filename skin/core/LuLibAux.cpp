// The facade's registries, error slot, start and end, and the class-procedure step that gives
// a new window its object.
#include "skin/core/LuLibAux.h"

#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "skin/core/ClassTable.h"
#include "skin/core/ControlBase.h"
#include "skin/core/CreateContext.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <cstdlib>
#include <vector>

HINSTANCE LuLibAux::m_hInst = nullptr;
LuLibAux::PFNUSERREG LuLibAux::m_pfnUserReg = nullptr;
int LuLibAux::m_nRefCount = 0;
// Success reads as 0 from the start: an error code of 1 at load would make every first
// InitLuLib report a failure that never happened.
int LuLibAux::m_nErrCode = LU_ERR_NONE;
CString LuLibAux::m_sErrStr;
BOOL LuLibAux::m_bCBST = FALSE;
std::map<void*, WORD> LuLibAux::m_wndObjectMap;
std::map<HWND, CLuControlBase*> LuLibAux::m_handleCtrlMap;

// ---- Start and end ----

namespace {

std::vector<void (*)()>& UninitHooks()
{
    static std::vector<void (*)()> hooks;
    return hooks;
}

}  // namespace

void LuAddUninitHook(void (*pfn)())
{
    if (pfn != nullptr)
        UninitHooks().push_back(pfn);
}

BOOL LuLibAux::InitLuLib(HINSTANCE hInst, PFNUSERREG pfnUserReg)
{
    if (m_nRefCount == 0) {
        CLuPainter::InitLuPainter();
        CLuThemeManager::Instance();
    }
    m_hInst = hInst;
    m_pfnUserReg = pfnUserReg;
    ++m_nRefCount;
    // The result speaks for this call: a failure recorded by an earlier one does not linger.
    m_nErrCode = LU_ERR_NONE;
    RegisterLibraryClasses();
    if (m_pfnUserReg != nullptr)
        m_pfnUserReg(1);
    return m_nErrCode == LU_ERR_NONE;
}

void LuLibAux::UninitLuLib(HINSTANCE hInst, PFNUSERREG pfnUserReg)
{
    // An unbalanced call must not drive the count below zero, or the next InitLuLib would
    // skip setting up the painter.
    if (m_nRefCount > 0) {
        --m_nRefCount;
        if (m_nRefCount == 0) {
            for (void (*pfn)() : UninitHooks())
                pfn();
            CLuPainter::UnInitLuPainter();
        }
    }
    m_hInst = hInst;
    m_pfnUserReg = pfnUserReg;
    LuUnregisterLibraryClasses();
    if (m_pfnUserReg != nullptr)
        m_pfnUserReg(0);
}

HINSTANCE LuLibAux::ClassInstance()
{
    if (m_hInst != nullptr)
        return m_hInst;
    HMODULE hSelf = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&LuLibAux::ClassInstance), &hSelf);
    return hSelf;
}

// ---- Window classes ----

BOOL LuLibAux::RegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                LPCSTR lpszClassName, WNDPROC pfnWndProc)
{
    if (lpszClassName == nullptr)
        return FALSE;
    const fx::WideArg name(lpszClassName);
    HINSTANCE hInst = ClassInstance();
    WNDCLASSW wc{};
    if (::GetClassInfoW(hInst, name, &wc))
        return TRUE;
    wc = WNDCLASSW{};
    wc.style = nClassStyle | CS_DBLCLKS | CS_PARENTDC | CS_GLOBALCLASS;
    wc.lpfnWndProc = pfnWndProc;
    wc.hInstance = hInst;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    return ::RegisterClassW(&wc) != 0;
}

BOOL LuLibAux::RegisterCtrlClass(LPCSTR lpszClassName, WNDPROC pfnNewProc, WNDPROC* ppfnOldProc)
{
    if (lpszClassName == nullptr)
        return FALSE;
    const fx::WideArg name(lpszClassName);
    HINSTANCE hInst = ClassInstance();
    WNDCLASSW wc{};
    if (!::GetClassInfoW(hInst, name, &wc) && !::GetClassInfoW(nullptr, name, &wc))
        return FALSE;
    if (wc.lpfnWndProc == pfnNewProc)
        return TRUE;
    if (ppfnOldProc != nullptr)
        *ppfnOldProc = wc.lpfnWndProc;
    // The same class again, local to the owner instance: windows the program and its dialog
    // templates create under the system name with that instance find it before the system's.
    // (A global class of a system name is refused by some systems as already existing.)
    wc.lpfnWndProc = pfnNewProc;
    wc.hInstance = hInst;
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    wc.lpszClassName = name;
    return ::RegisterClassW(&wc) != 0;
}

BOOL LuLibAux::RegisterCtrlClassEx(LPCSTR lpszClassName, LONG fAfxRegister, WNDPROC pfnNewProc,
                                   WNDPROC* ppfnOldProc)
{
    if (lpszClassName == nullptr)
        return FALSE;
    const fx::WideArg name(lpszClassName);
    WNDCLASSW wc{};
    if (::GetClassInfoW(ClassInstance(), name, &wc) && wc.lpfnWndProc == pfnNewProc)
        return TRUE;
    // The common-control classes exist once the framework has had them registered.
    if (fAfxRegister != 0 && !AfxDeferRegisterClass(fAfxRegister))
        return FALSE;
    HWND hWnd = ::CreateWindowExW(0, name, L"", 0, 0, 0, 0, 0, nullptr, nullptr, ClassInstance(), nullptr);
    if (hWnd == nullptr)
        return FALSE;
    ::SetLastError(ERROR_SUCCESS);
    const auto old = reinterpret_cast<WNDPROC>(
        ::SetClassLongPtrW(hWnd, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnNewProc)));
    const DWORD error = ::GetLastError();
    if (old != nullptr && ppfnOldProc != nullptr)
        *ppfnOldProc = old;
    ::DestroyWindow(hWnd);
    return old != nullptr && error == ERROR_SUCCESS;
}

void LuLibAux::UnregisterWndClass(LPCSTR) {}

// ---- Window objects ----

void* LuLibAux::AllocWndObject(WORD nSize)
{
    void* p = ::operator new(nSize, std::nothrow);
    if (p != nullptr)
        m_wndObjectMap[p] = nSize;
    return p;
}

void LuLibAux::FreeWndObject(void* p, WORD)
{
    if (p == nullptr)
        return;
    m_wndObjectMap.erase(p);
    ::operator delete(p);
}

BOOL LuLibAux::IsFrameCreate(void* p) { return m_wndObjectMap.count(p) != 0; }

// ---- Live controls ----

void LuLibAux::AddCtrlHandle(HWND hWnd, CLuControlBase* pCtrl)
{
    if (hWnd != nullptr)
        m_handleCtrlMap[hWnd] = pCtrl;
}

void LuLibAux::RemoveCtrlHandle(HWND hWnd)
{
    if (hWnd != nullptr)
        m_handleCtrlMap.erase(hWnd);
}

CLuControlBase* LuLibAux::CtrlFromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    auto it = m_handleCtrlMap.find(hWnd);
    return it != m_handleCtrlMap.end() ? it->second : nullptr;
}

// ---- Error slot ----

int LuLibAux::SetErrorCode(int nCode)
{
    const int old = m_nErrCode;
    m_nErrCode = nCode;
    return old;
}

void LuLibAux::SetErrorStr(LPCSTR lpszText) { m_sErrStr = lpszText != nullptr ? lpszText : ""; }

int LuLibAux::GetErrorCode() { return m_nErrCode; }

LPCSTR LuLibAux::GetErrorStr() { return m_sErrStr; }

void LuLibAux::SetCBST(BOOL bSet) { m_bCBST = bSet; }

BOOL LuLibAux::IsCBST() { return m_bCBST; }

LuLibAux& LuLibAux::operator=(const LuLibAux&) { return *this; }

// ---- The class procedures' work at WM_NCCREATE ----

LRESULT LuLibAux::ClassProcNcCreate(HWND hWnd, WPARAM wParam, LPARAM lParam, const ClassInfo& info)
{
    const bool bSubclass = info.ppfnOldProc != nullptr;
    WNDPROC pfnOld = bSubclass ? *info.ppfnOldProc : nullptr;
    auto passOn = [&]() -> LRESULT {
        return pfnOld != nullptr ? ::CallWindowProcW(pfnOld, hWnd, WM_NCCREATE, wParam, lParam)
                                 : ::DefWindowProcW(hWnd, WM_NCCREATE, wParam, lParam);
    };
    const WNDPROC pfnCurrent = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));

    // A skinned parent that declines child hooking keeps its children plain system windows.
    if (bSubclass) {
        CLuControlBase* pParent = CtrlFromHandle(::GetParent(hWnd));
        if (pParent != nullptr && !pParent->_NeedHookChildMsg() && CWnd::FromHandlePermanent(hWnd) == nullptr) {
            if (pfnOld != nullptr)
                ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOld));
            return passOn();
        }
    }

    // The object was tied to the window by the framework's creation hook (a library control
    // creating its own window): it already has the message; only its default procedure is set.
    if (CWnd* pHooked = CWnd::FromHandlePermanent(hWnd)) {
        *pHooked->GetSuperWndProcAddr() = pfnOld;
        if (pHooked->IsKindOf(info.pClass))
            info.pfnControlBase(pHooked)->m_pfnCtrlOldProc = pfnOld;
        return passOn();
    }

    const auto* pcs = reinterpret_cast<LPCREATESTRUCTW>(lParam);
    CWnd* pObject = OwnerFromCreateParam(pcs != nullptr ? pcs->lpCreateParams : nullptr);
    if (pObject == nullptr) {
        void* pMemory = AllocWndObject(info.nSize);
        if (pMemory == nullptr)
            return FALSE;
        try {
            pObject = info.pfnConstruct(pMemory);
        } catch (...) {
            FreeWndObject(pMemory, info.nSize);
            return FALSE;
        }
    }
    if (!pObject->SubclassWindow(hWnd))
        return passOn();
    *pObject->GetSuperWndProcAddr() = pfnOld;
    if (pObject->IsKindOf(info.pClass))
        info.pfnControlBase(pObject)->m_pfnCtrlOldProc = bSubclass ? pfnOld : pfnCurrent;
    return ::CallWindowProcW(AfxGetAfxWndProc(), hWnd, WM_NCCREATE, wParam, lParam);
}

CWnd* LuLibAux::OwnerFromCreateParam(LPVOID lpCreateParams)
{
    const CLuCreateBlock* pBlock = CLuCreateBlock::FromParam(lpCreateParams);
    return pBlock != nullptr ? static_cast<CWnd*>(pBlock->m_pLuObject) : nullptr;
}

// ---- Control base ----

void* CLuControlBase::operator new(size_t nSize) { return ::operator new(nSize); }

void CLuControlBase::operator delete(void* p)
{
    if (LuLibAux::IsFrameCreate(p))
        LuLibAux::FreeWndObject(p, 0);
    else
        ::operator delete(p);
}

CLuControlBase::~CLuControlBase()
{
    auto& map = LuLibAux::m_handleCtrlMap;
    for (auto it = map.begin(); it != map.end();) {
        if (it->second == this)
            it = map.erase(it);
        else
            ++it;
    }
}

BOOL CLuControlBase::HookCtrlMsg(CWnd* pWnd, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* pcs = reinterpret_cast<LPCREATESTRUCTW>(lParam);
        if (pcs != nullptr)
            m_dwCtrlStyle = static_cast<DWORD>(pcs->style);
        LuLibAux::AddCtrlHandle(pWnd->GetSafeHwnd(), this);
    } else if (message == WM_NCDESTROY) {
        LuLibAux::RemoveCtrlHandle(pWnd->GetSafeHwnd());
    }
    return FALSE;
}

void LuMoveWindow(CWnd* pWnd, const RECT& rc, HDWP* phDwp)
{
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (phDwp != nullptr && *phDwp != nullptr)
        *phDwp = ::DeferWindowPos(*phDwp, pWnd->GetSafeHwnd(), nullptr, rc.left, rc.top,
                                  rc.right - rc.left, rc.bottom - rc.top, flags);
    else
        ::SetWindowPos(pWnd->GetSafeHwnd(), nullptr, rc.left, rc.top, rc.right - rc.left,
                       rc.bottom - rc.top, flags);
}
