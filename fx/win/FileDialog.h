// The standard open and save dialogs. The filter is written the usual way, pairs separated by
// '|' and ended by "||" ("场景文件 (*.tzs)|*.tzs|所有文件 (*.*)|*.*||"); names and paths are GBK.
#pragma once

#include "fx/core/String.h"

#include <windows.h>
#include <commdlg.h>

#include <string>

class CWnd;

class CFileDialog {
public:
    CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog() = default;
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK with a file chosen, IDCANCEL otherwise.
    virtual INT_PTR DoModal();

    void SetInitialDir(LPCSTR lpszDir);
    void SetTitle(LPCSTR lpszTitle);
    CString GetPathName() const;
    CString GetFileName() const;   // name with extension
    CString GetFileExt() const;    // extension without the dot
    CString GetFileTitle() const;  // name without extension

    // The system's record, for flags and fields not covered above (strings are UTF-16).
    OPENFILENAMEW m_ofn{};

    // The filter as the system wants it: '|' turned into the terminators between entries.
    static std::wstring ConvertFilter(LPCSTR lpszFilter);

private:
    BOOL m_bOpenFileDialog;
    std::wstring m_defExt;
    std::wstring m_filter;
    std::wstring m_initialDir;
    std::wstring m_title;
    wchar_t m_file[MAX_PATH * 4] = {};
    CWnd* m_pParentWnd;
};
