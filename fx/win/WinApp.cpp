#include "fx/win/WinApp.h"

#include "fx/core/Exception.h"
#include "fx/win/MessageBox.h"
#include "fx/win/Text.h"
#include "fx/win/ThreadState.h"
#include "fx/win/Wnd.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

// The one application object of the process and the module its resources come from; both are
// process-wide by nature (there is one program).
CWinApp* g_pApp = nullptr;
HINSTANCE g_hResource = nullptr;

int ReportThroughMessageBox(LPCSTR lpszText, UINT nType) { return AfxMessageBox(lpszText, nType); }

}  // namespace

// ---- CWinThread ----

CWinThread::CWinThread() : m_nThreadID(::GetCurrentThreadId())
{
    fx::detail::State().pThread = this;
}

CWinThread::~CWinThread()
{
    auto& s = fx::detail::State();
    if (s.pThread == this)
        s.pThread = nullptr;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG peek;
    for (;;) {
        while (bIdle && !::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    const BOOL got = ::GetMessageW(&m_msgCur, nullptr, 0, 0);
    if (got == 0)
        return FALSE;  // WM_QUIT
    if (got == -1)
        return TRUE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::WalkPreTranslateTree(pMsg))
        return TRUE;
    // Keys in a modeless top-level window (a floating pane) may still be the main window's
    // accelerators; while the main window is disabled by a modal dialog they are not.
    CWnd* pMain = GetMainWnd();
    if (pMain != nullptr && pMain->m_hWnd != nullptr && pMsg->message >= WM_KEYFIRST &&
        pMsg->message <= WM_KEYLAST && ::IsWindowEnabled(pMain->m_hWnd)) {
        HWND hTop = pMsg->hwnd;
        while (hTop != nullptr && (::GetWindowLongW(hTop, GWL_STYLE) & WS_CHILD))
            hTop = ::GetParent(hTop);
        if (hTop != pMain->m_hWnd && hTop != nullptr)
            return pMain->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        CWnd* pMain = GetMainWnd();
        if (pMain != nullptr && pMain->m_hWnd != nullptr && ::IsWindowVisible(pMain->m_hWnd) &&
            !::IsIconic(pMain->m_hWnd)) {
            AfxCallWndProc(pMain, pMain->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMain->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    } else if (lCount == 1) {
        fx::detail::DeleteTempMaps();
    }
    return lCount < 1;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (pMsg->pt.x == m_ptLastMouse.x && pMsg->pt.y == m_ptLastMouse.y)
            return FALSE;
        m_ptLastMouse = pMsg->pt;
        return TRUE;
    }
    constexpr UINT kSysTimer = 0x0118;  // caret blinking
    return pMsg->message != WM_PAINT && pMsg->message != kSysTimer;
}

int CWinThread::ExitInstance()
{
    fx::detail::DeleteTempMaps();
    return static_cast<int>(m_msgCur.wParam);
}

// ---- CWinApp ----

CWinApp::CWinApp(LPCSTR lpszAppName) : m_hInstance(::GetModuleHandleW(nullptr))
{
    g_pApp = this;
    if (lpszAppName != nullptr)
        m_strAppName = lpszAppName;
    else
        m_strAppName = fx::LoadStringGbk(m_hInstance, AFX_IDS_APP_TITLE);
    if (m_strAppName.IsEmpty()) {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        CString name = fx::ToGbk(path);
        name = name.Mid(name.ReverseFind('\\') + 1);
        const int dot = name.ReverseFind('.');
        m_strAppName = dot > 0 ? name.Left(dot) : name;
    }
    FxSetReportErrorProc(&ReportThroughMessageBox);
}

CWinApp::~CWinApp()
{
    FxSetReportErrorProc(nullptr);
    if (g_pApp == this)
        g_pApp = nullptr;
}

std::vector<CString> CWinApp::GetCommandLineArgs() const
{
    std::vector<CString> args;
    int count = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (argv == nullptr)
        return args;
    for (int i = 0; i < count; ++i)
        args.push_back(fx::ToGbk(argv[i]));
    ::LocalFree(argv);
    return args;
}

namespace {

// HKEY_CURRENT_USER\Software\<key>\<app>\<section>, opened for reading or created for writing.
HKEY OpenSectionKey(const CWinApp& app, LPCSTR lpszSection, bool create)
{
    if (app.m_strRegistryKey.IsEmpty())
        return nullptr;
    CString path = "Software\\";
    path += app.m_strRegistryKey;
    path += "\\";
    path += app.m_strAppName;
    path += "\\";
    path += lpszSection;
    const std::wstring wide = path.ToWide();
    HKEY hKey = nullptr;
    const LONG rc = create ? ::RegCreateKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, nullptr, 0,
                                               KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr)
                           : ::RegOpenKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, KEY_READ, &hKey);
    return rc == ERROR_SUCCESS ? hKey : nullptr;
}

}  // namespace

void CCommandLineInfo::ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL)
{
    if (bFlag)
        m_flags.emplace_back(pszParam);
    else if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) const
{
    const std::vector<CString> args = GetCommandLineArgs();
    for (std::size_t i = 1; i < args.size(); ++i) {
        const CString& arg = args[i];
        const BOOL bFlag = !arg.IsEmpty() && (arg[0] == '/' || arg[0] == '-');
        rCmdInfo.ParseParam(bFlag ? arg.Mid(1) : arg, bFlag, i + 1 == args.size());
    }
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) { m_strRegistryKey = lpszRegistryKey; }

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) const
{
    HKEY hKey = OpenSectionKey(*this, lpszSection, false);
    if (hKey == nullptr)
        return static_cast<UINT>(nDefault);
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof(value);
    const LONG rc = ::RegQueryValueExW(hKey, fx::WideArg(lpszEntry), nullptr, &type,
                                       reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS && type == REG_DWORD ? value : static_cast<UINT>(nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    HKEY hKey = OpenSectionKey(*this, lpszSection, true);
    if (hKey == nullptr)
        return FALSE;
    const DWORD value = static_cast<DWORD>(nValue);
    const LONG rc = ::RegSetValueExW(hKey, fx::WideArg(lpszEntry), 0, REG_DWORD,
                                     reinterpret_cast<const BYTE*>(&value), sizeof(value));
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) const
{
    const CString fallback = lpszDefault != nullptr ? CString(lpszDefault) : CString();
    HKEY hKey = OpenSectionKey(*this, lpszSection, false);
    if (hKey == nullptr)
        return fallback;
    const fx::WideArg name(lpszEntry);
    DWORD type = 0;
    DWORD size = 0;
    CString result = fallback;
    if (::RegQueryValueExW(hKey, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        if (::RegQueryValueExW(hKey, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
            ERROR_SUCCESS)
            result = fx::ToGbk(buffer.data());
    }
    ::RegCloseKey(hKey);
    return result;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    HKEY hKey = OpenSectionKey(*this, lpszSection, true);
    if (hKey == nullptr)
        return FALSE;
    const std::wstring value = fx::ToWide(lpszValue != nullptr ? lpszValue : "");
    const LONG rc = ::RegSetValueExW(hKey, fx::WideArg(lpszEntry), 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    // Owned by the program's active window so it is modal to it; else by the main window.
    HWND hOwner = ::GetActiveWindow();
    if (hOwner == nullptr && m_pMainWnd != nullptr)
        hOwner = m_pMainWnd->m_hWnd;
    return fx::MessageBoxGbk(hOwner, lpszPrompt, m_strAppName, nType);
}

BOOL CWinApp::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

int CWinApp::Main(HINSTANCE hInstance, int nCmdShow)
{
    m_hInstance = hInstance;
    m_nCmdShow = nCmdShow;
    AfxInitCommonControls();
    if (!InitInstance())
        return ExitInstance();
    return Run();
}

// ---- Global access ----

CWinApp* AfxGetApp() { return g_pApp; }

CWinThread* AfxGetThread()
{
    CWinThread* pThread = fx::detail::State().pThread;
    return pThread != nullptr ? pThread : nullptr;
}

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread == nullptr)
        pThread = g_pApp;
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

HINSTANCE AfxGetInstanceHandle() { return g_pApp != nullptr ? g_pApp->m_hInstance : ::GetModuleHandleW(nullptr); }
HINSTANCE AfxGetResourceHandle() { return g_hResource != nullptr ? g_hResource : AfxGetInstanceHandle(); }
void AfxSetResourceHandle(HINSTANCE hInstResource) { g_hResource = hInstResource; }
LPCSTR AfxGetAppName() { return g_pApp != nullptr ? g_pApp->GetAppName() : ""; }

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (g_pApp != nullptr)
        return g_pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return fx::MessageBoxGbk(::GetActiveWindow(), lpszText, "", nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    const CString text = fx::LoadStringGbk(AfxGetResourceHandle(), nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

BOOL AfxPumpMessage()
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PumpMessage();
    MSG msg;
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0)
        return FALSE;
    if (got != -1 && !CWnd::WalkPreTranslateTree(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

BOOL AfxDeferRegisterClass(LONG fToRegister)
{
    DWORD icc = 0;
    if (fToRegister & AFX_WNDCOMMCTL_TREEVIEW_REG)
        icc |= ICC_TREEVIEW_CLASSES;
    if (fToRegister & AFX_WNDCOMMCTL_LISTVIEW_REG)
        icc |= ICC_LISTVIEW_CLASSES;
    if (icc == 0)
        return TRUE;
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof(init);
    init.dwICC = icc;
    return ::InitCommonControlsEx(&init);
}

BOOL AfxInitCommonControls()
{
    static const BOOL done = [] {
        INITCOMMONCONTROLSEX icc{};
        icc.dwSize = sizeof(icc);
        icc.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES |
                    ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES;
        return ::InitCommonControlsEx(&icc);
    }();
    return done;
}
