// How windows meet their objects: the handle maps, the creation hook, subclassing, and the
// framework's window procedure with its clean-up after the last message.
#include "fx/win/Wnd.h"

#include "fx/core/Exception.h"
#include "fx/win/Text.h"
#include "fx/win/ThreadState.h"
#include "fx/win/WinApp.h"

#include <cwchar>
#include <exception>

using fx::detail::State;

// ---- Handle map ----

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    auto& map = State().permanentWnds;
    auto it = map.find(hWnd);
    return it != map.end() ? it->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* p = FromHandlePermanent(hWnd))
        return p;
    auto& temps = State().tempWnds;
    auto it = temps.find(hWnd);
    if (it != temps.end())
        return it->second;
    CWnd* p = new CWnd;
    p->m_hWnd = hWnd;
    temps.emplace(hWnd, p);
    return p;
}

void CWnd::DeleteTempMap() { fx::detail::DeleteTempMaps(); }

CWnd* fx::WndFromHandle(HWND hWnd) { return CWnd::FromHandle(hWnd); }

BOOL CWnd::Attach(HWND hWndNew)
{
    if (m_hWnd != nullptr || hWndNew == nullptr)
        return FALSE;
    auto& s = State();
    auto temp = s.tempWnds.find(hWndNew);
    if (temp != s.tempWnds.end()) {
        // The window now has a real object; its wrapper goes (nobody may hold it across
        // messages anyway).
        temp->second->m_hWnd = nullptr;
        delete temp->second;
        s.tempWnds.erase(temp);
    }
    s.permanentWnds[hWndNew] = this;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    if (h != nullptr) {
        auto& map = State().permanentWnds;
        auto it = map.find(h);
        if (it != map.end() && it->second == this)
            map.erase(it);
    }
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || FromHandlePermanent(hWnd) != nullptr || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    const auto old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc)
        m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hControl = ::GetDlgItem(SafeHwnd(pParent), static_cast<int>(nID));
    return hControl != nullptr && SubclassWindow(hControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

// ---- Creation hook ----

namespace {

// Windows the system makes by itself while another window is created (the input method's
// default windows) must not take the object meant for the program's window.
bool IsSystemHelperClass(LPCWSTR lpszClass)
{
    if (lpszClass == nullptr || IS_INTRESOURCE(lpszClass))
        return false;
    return _wcsnicmp(lpszClass, L"IME", 3) == 0 || _wcsnicmp(lpszClass, L"MSCTFIME", 8) == 0;
}

}  // namespace

LRESULT CALLBACK FxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    auto& s = State();
    if (code != HCBT_CREATEWND || s.pWndInit == nullptr)
        return ::CallNextHookEx(s.hCbtHook, code, wParam, lParam);
    const auto* cbt = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
    if (cbt != nullptr && cbt->lpcs != nullptr && IsSystemHelperClass(cbt->lpcs->lpszClass))
        return ::CallNextHookEx(s.hCbtHook, code, wParam, lParam);

    HWND hWnd = reinterpret_cast<HWND>(wParam);
    CWnd* pWnd = s.pWndInit;
    s.pWndInit = nullptr;
    pWnd->Attach(hWnd);
    pWnd->PreSubclassWindow();
    const auto old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc)
        pWnd->m_pfnSuper = old;
    return ::CallNextHookEx(s.hCbtHook, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    auto& s = State();
    s.pWndInit = pWnd;
    if (s.hCbtHook == nullptr)
        s.hCbtHook = ::SetWindowsHookExW(WH_CBT, &FxCbtFilterHook, nullptr, ::GetCurrentThreadId());
}

BOOL AfxUnhookWindowCreate()
{
    auto& s = State();
    if (s.hCbtHook != nullptr) {
        ::UnhookWindowsHookEx(s.hCbtHook);
        s.hCbtHook = nullptr;
    }
    const BOOL taken = s.pWndInit == nullptr;
    s.pWndInit = nullptr;
    return taken;
}

// ---- Window procedure ----

WNDPROC AfxGetAfxWndProc() { return &AfxWndProc; }

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    auto& s = State();
    const MSG saved = s.lastSent;
    s.lastSent.hwnd = hWnd;
    s.lastSent.message = nMsg;
    s.lastSent.wParam = wParam;
    s.lastSent.lParam = lParam;

    LRESULT result = 0;
    // An exception must not unwind through the system's frames: it is reported here and the
    // message counts as handled (a failed WM_CREATE fails the creation).
    try {
        result = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        // A user exception means the user has been told already.
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_OK | MB_ICONEXCLAMATION);
        e->Delete();
        result = nMsg == WM_CREATE ? -1 : 0;
    } catch (const std::exception& e) {
        AfxMessageBox(e.what(), MB_OK | MB_ICONEXCLAMATION);
        result = nMsg == WM_CREATE ? -1 : 0;
    }
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->FinishNcDestroy();  // may delete pWnd

    s.lastSent = saved;
    return result;
}

void CWnd::FinishNcDestroy()
{
    HWND hWnd = m_hWnd;
    const auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    if (m_pfnSuper != nullptr && current == &AfxWndProc)
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    // The main window going ends its thread's message loop.
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this) {
        pThread->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

// ---- Creation and destruction ----

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        // Only the calling thread may destroy its windows; another thread's window is let go.
        if (::GetWindowThreadProcessId(m_hWnd, nullptr) == ::GetCurrentThreadId())
            ::DestroyWindow(m_hWnd);
        Detach();
    }
    m_hWnd = nullptr;
}

LPCSTR CWnd::GetDefaultClassName()
{
    static const BOOL registered =
        RegisterClass("FxWnd", CS_DBLCLKS, ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)), nullptr);
    return registered ? "FxWnd" : nullptr;
}

BOOL CWnd::RegisterClass(LPCSTR lpszClassName, UINT nClassStyle, HCURSOR hCursor,
                         HBRUSH hbrBackground, HICON hIcon)
{
    const fx::WideArg name(lpszClassName);
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    WNDCLASSW existing{};
    if (::GetClassInfoW(hInst, name, &existing))
        return TRUE;
    WNDCLASSW wc{};
    wc.style = nClassStyle;
    wc.lpfnWndProc = &AfxWndProc;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    return ::RegisterClassW(&wc) != 0;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (cs.lpszClass == nullptr) {
        static const std::wstring defaultClass = fx::ToWide(GetDefaultClassName());
        cs.lpszClass = defaultClass.c_str();
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    const fx::WideArg className(lpszClassName);
    const fx::WideArg windowName(lpszWindowName);
    CREATESTRUCTW cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style),
                                  cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                  cs.lpCreateParams);
    // A window that failed before its first message never met the object: tell it now. One
    // that failed later was destroyed and has already been told.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, SafeHwnd(pParentWnd),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    pContext);
}

void CWnd::OnFinalRelease()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    else
        CCmdTarget::OnFinalRelease();
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    const BOOL result = ::DestroyWindow(hWnd);
    // A window whose messages did not run through the framework (Attach only) never saw its
    // WM_NCDESTROY here: let it go now.
    if (FromHandlePermanent(hWnd) == this)
        Detach();
    return result;
}
