#include "fx/win/FileDialog.h"

#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "fx/win/Wnd.h"

#include <cwchar>

namespace {

typedef BOOL(WINAPI* FileDialogProc)(OPENFILENAMEW*);

// The common dialog library is loaded the first time a file dialog opens, not with the program:
// it brings the print spooler and its libraries along, which under Wine alone are about 6 MB of
// working set and a noticeable part of start-up, for a dialog many sessions never open. Once
// loaded it stays for the rest of the process.
FileDialogProc CommonDialogProc(const char* lpszName)
{
    HMODULE hModule = ::GetModuleHandleW(L"comdlg32.dll");
    if (hModule == nullptr)
        hModule = ::LoadLibraryW(L"comdlg32.dll");
    return hModule != nullptr ? reinterpret_cast<FileDialogProc>(
                                    reinterpret_cast<void*>(::GetProcAddress(hModule, lpszName)))
                              : nullptr;
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_defExt(fx::ToWide(lpszDefExt)), m_filter(ConvertFilter(lpszFilter)),
      m_pParentWnd(pParentWnd)
{
    if (lpszFileName != nullptr)
        wcsncpy(m_file, fx::ToWide(lpszFileName).c_str(), sizeof m_file / sizeof m_file[0] - 1);
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_NOCHANGEDIR;
    m_ofn.nFilterIndex = 1;
}

std::wstring CFileDialog::ConvertFilter(LPCSTR lpszFilter)
{
    if (lpszFilter == nullptr)
        return std::wstring();
    // Converted first, then split: a '|' byte can never be the second byte of a GBK character
    // once the text is UTF-16.
    std::wstring filter = fx::ToWide(lpszFilter);
    for (wchar_t& c : filter)
        if (c == L'|')
            c = L'\0';
    filter.push_back(L'\0');  // the list ends with an empty entry
    return filter;
}

void CFileDialog::SetInitialDir(LPCSTR lpszDir) { m_initialDir = fx::ToWide(lpszDir); }
void CFileDialog::SetTitle(LPCSTR lpszTitle) { m_title = fx::ToWide(lpszTitle); }

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = CWnd::SafeHwnd(m_pParentWnd);
    if (m_ofn.hwndOwner == nullptr && AfxGetMainWnd() != nullptr)
        m_ofn.hwndOwner = AfxGetMainWnd()->m_hWnd;
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.lpstrFile = m_file;
    m_ofn.nMaxFile = sizeof m_file / sizeof m_file[0];
    m_ofn.lpstrDefExt = m_defExt.empty() ? nullptr : m_defExt.c_str();
    m_ofn.lpstrInitialDir = m_initialDir.empty() ? nullptr : m_initialDir.c_str();
    m_ofn.lpstrTitle = m_title.empty() ? nullptr : m_title.c_str();
    const FileDialogProc pfnShow =
        CommonDialogProc(m_bOpenFileDialog ? "GetOpenFileNameW" : "GetSaveFileNameW");
    // Without the library no file can be chosen: the same answer as a cancelled dialog.
    const BOOL ok = pfnShow != nullptr && pfnShow(&m_ofn);
    return ok ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return fx::ToGbk(m_file); }

CString CFileDialog::GetFileName() const
{
    const CString path = GetPathName();
    return path.Mid(path.ReverseFind('\\') + 1);
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Mid(dot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}
