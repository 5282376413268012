// The application object and the user-interface thread's message loop: idle processing (command
// states of menus and bars, clean-up of temporary objects), the pre-translation chain that lets
// windows and the application see a queued message before it is dispatched, and the module,
// resource, name and command line of the program.
#pragma once

#include "fx/core/String.h"
#include "fx/win/CmdTarget.h"
#include "fx/win/MessageMap.h"

#include <windows.h>

#include <vector>

class CWnd;

// What the standard command-line parsing records: the first plain argument as a file name and
// whether flags were present. The program keeps its own reading of the arguments (the login
// shortcut); this record exists because start-up fills it.
class CCommandLineInfo {
public:
    virtual ~CCommandLineInfo() = default;
    // One argument (GBK) without its leading '/' or '-' when bFlag.
    virtual void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast);
    CString m_strFileName;
    std::vector<CString> m_flags;
};

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;
    DWORD m_nThreadID = 0;
    MSG m_msgCur{};

    virtual BOOL InitInstance() { return FALSE; }
    // The message loop: idle work while the queue is empty, then each message through
    // PreTranslateMessage, TranslateMessage and DispatchMessageW; ends at WM_QUIT with
    // ExitInstance's result.
    virtual int Run();
    // Offers a queued message to the windows under it (up to their top-level window); TRUE
    // when one of them consumed it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Gets, pre-translates and dispatches one message; FALSE at WM_QUIT.
    virtual BOOL PumpMessage();
    // lCount 0: update the command states of the main window's bars (WM_IDLEUPDATECMDUI);
    // 1: delete temporary handle wrappers. TRUE while more idle work remains.
    virtual BOOL OnIdle(LONG lCount);
    // Whether a message counts as activity that starts a new idle phase afterwards (a repeated
    // mouse move, a paint or a caret blink does not).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }

private:
    POINT m_ptLastMouse{-1, -1};
};

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // lpszAppName null: the name comes from string resource 57344 (the application title).
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    CString m_strAppName;
    CString m_strRegistryKey;
    int m_nCmdShow = SW_SHOWNORMAL;

    // The command line as the system gives it (GetCommandLineW), split into GBK arguments;
    // element 0 is the program.
    std::vector<CString> GetCommandLineArgs() const;
    // Hands every argument after the program's name to rCmdInfo.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo) const;
    // Start-up steps kept for the program's start-up sequence: controls and their 3-D look need
    // no enabling on the systems the program runs on, and no recent-file list is kept.
    BOOL Enable3dControls() { return TRUE; }
    void LoadStdProfileSettings(UINT nMaxMRU = 4) { m_nMaxMRU = nMaxMRU; }
    UINT m_nMaxMRU = 0;
    LPCSTR GetAppName() const { return m_strAppName; }

    // Profile values under HKEY_CURRENT_USER\Software\<registry key>\<app name>\<section>
    // once SetRegistryKey has named the key.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) const;
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr) const;
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);

    // The message box every AfxMessageBox ends in: captioned with the application name, owned
    // by the active window of the program (or its main window).
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // The commands the application itself handles come last in the routing.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Runs a program from its WinMain: InitInstance, then Run or ExitInstance.
    int Main(HINSTANCE hInstance, int nCmdShow);
};

// String resource id of the application's name.
#define AFX_IDS_APP_TITLE 57344

CWinApp* AfxGetApp();
// The CWinThread of the calling thread (the application on its own thread), or null.
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
LPCSTR AfxGetAppName();
// A message box captioned with the application name; text GBK.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
// One message through the calling thread's pre-translation and dispatch; FALSE at WM_QUIT.
BOOL AfxPumpMessage();
// Registers the common control classes the program uses (up-down, date-time, bars, lists).
BOOL AfxInitCommonControls();
// Completes the registration of a common-control class family before a window of it is made:
// list views and tree views, asked for by the skin library before it takes their classes over.
#define AFX_WNDCOMMCTL_TREEVIEW_REG 0x00080
#define AFX_WNDCOMMCTL_LISTVIEW_REG 0x00400
BOOL AfxDeferRegisterClass(LONG fToRegister);
// Nothing to enable: the program hosts no ActiveX controls.
inline void AfxEnableControlContainer() {}
