// How a hyperlink opens its URL: the shell's "open" first, then the browser registered for
// ".htm", started with a command line built from its registered command.
#include "skin/ctrl/HyperLink.h"

#include "fx/win/Text.h"

#include <shellapi.h>

#include <vector>

namespace {

// A process handle and its first thread's handle, closed when they go.
class ProcessHandles {
public:
    PROCESS_INFORMATION pi{};
    ~ProcessHandles()
    {
        if (pi.hThread != nullptr)
            ::CloseHandle(pi.hThread);
        if (pi.hProcess != nullptr)
            ::CloseHandle(pi.hProcess);
    }
};

// A registry key opened for reading, closed when it goes.
class RegKey {
public:
    RegKey(HKEY hParent, LPCWSTR lpszSubKey) : m_result(::RegOpenKeyExW(hParent, lpszSubKey, 0, KEY_QUERY_VALUE, &m_hKey)) {}
    ~RegKey()
    {
        if (m_result == ERROR_SUCCESS)
            ::RegCloseKey(m_hKey);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    LONG Result() const { return m_result; }
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
    LONG m_result;
};

BOOL StartBrowser(const CString& strCommandLine, int nShowCmd)
{
    std::wstring line = fx::ToWide(strCommandLine);
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');  // CreateProcessW may write into its command line
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(nShowCmd);
    ProcessHandles process;
    return ::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process.pi);
}

}  // namespace

LONG CLuHyperLink::GetRegKey(HKEY hKey, LPCSTR lpszSubKey, CString& strValue)
{
    strValue.Empty();
    RegKey key(hKey, fx::WideArg(lpszSubKey));
    if (key.Result() != ERROR_SUCCESS)
        return key.Result();
    // The buffer is sized from the value itself, whatever its length.
    DWORD type = 0, bytes = 0;
    LONG result = ::RegQueryValueExW(key.Get(), nullptr, nullptr, &type, nullptr, &bytes);
    if (result != ERROR_SUCCESS)
        return result;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return ERROR_INVALID_DATA;
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    result = ::RegQueryValueExW(key.Get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (result == ERROR_SUCCESS)
        strValue = fx::ToGbk(buffer.data());
    return result;
}

CString CLuHyperLink::BrowserCommandLine(const CString& strRegCommand, LPCSTR lpszURL)
{
    const CString url = lpszURL != nullptr ? lpszURL : "";
    int cut = strRegCommand.Find("\"%1\"");
    const bool quoted = cut >= 0;
    if (!quoted)
        cut = strRegCommand.Find("%1");
    CString line = cut >= 0 ? strRegCommand.Left(cut) : strRegCommand;
    line += " ";
    line += quoted ? CString("\"") + url + "\"" : url;
    return line;
}

BOOL CLuHyperLink::OpenURL(LPCSTR lpszURL, int nShowCmd, int* pnError)
{
    const std::wstring url = fx::ToWide(lpszURL != nullptr ? lpszURL : "");
    const INT_PTR shell = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, nShowCmd));
    if (shell > 32)
        return TRUE;
    if (pnError != nullptr)
        *pnError = static_cast<int>(shell);
    CString strClass, strCommand;
    if (GetRegKey(HKEY_CLASSES_ROOT, ".htm", strClass) != ERROR_SUCCESS || strClass.IsEmpty())
        return FALSE;
    if (GetRegKey(HKEY_CLASSES_ROOT, strClass + "\\shell\\open\\command", strCommand) != ERROR_SUCCESS ||
        strCommand.IsEmpty())
        return FALSE;
    return StartBrowser(BrowserCommandLine(strCommand, lpszURL), nShowCmd);
}

CString CLuHyperLink::ErrorText(int nError)
{
    CString text;
    switch (nError) {
    case 0: text = "The operating system is out\nof memory or resources."; break;
    case SE_ERR_FNF: text = "The specified file was not found."; break;
    case SE_ERR_PNF: text = "The specified path was not found."; break;
    case SE_ERR_ACCESSDENIED: text = "The operating system denied\naccess to the specified file."; break;
    case SE_ERR_OOM: text = "There was not enough memory to complete the operation."; break;
    case ERROR_BAD_FORMAT: text = "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."; break;
    case SE_ERR_SHARE: text = "A sharing violation occurred. "; break;
    case SE_ERR_ASSOCINCOMPLETE: text = "The filename association is\nincomplete or invalid."; break;
    case SE_ERR_DDETIMEOUT: text = "The DDE transaction could not\nbe completed because the request timed out."; break;
    case SE_ERR_DDEFAIL: text = "The DDE transaction failed."; break;
    case SE_ERR_DDEBUSY:
        text = "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
        break;
    case SE_ERR_NOASSOC: text = "There is no application associated\nwith the given filename extension."; break;
    case SE_ERR_DLLNOTFOUND: text = "The specified dynamic-link library was not found."; break;
    default: text.Format("Unknown Error (%d) occurred.", nError); break;
    }
    return CString("Unable to open hyperlink:\n\n") + text;
}
