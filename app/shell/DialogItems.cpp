#include "app/shell/DialogItems.h"

#include <vector>

namespace dlgitem {

int AddString(HWND hDlg, int nID, LPCSTR lpszText, LPARAM data)
{
    const std::wstring text = CString(lpszText).ToWide();
    const int nIndex = static_cast<int>(::SendDlgItemMessageW(hDlg, nID, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (nIndex >= 0)
        ::SendDlgItemMessageW(hDlg, nID, CB_SETITEMDATA, static_cast<WPARAM>(nIndex), data);
    return nIndex;
}

int GetCurSel(HWND hDlg, int nID)
{
    return static_cast<int>(::SendDlgItemMessageW(hDlg, nID, CB_GETCURSEL, 0, 0));
}

int SetCurSel(HWND hDlg, int nID, int nIndex)
{
    return static_cast<int>(::SendDlgItemMessageW(hDlg, nID, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0));
}

LPARAM GetItemData(HWND hDlg, int nID, int nIndex)
{
    return static_cast<LPARAM>(::SendDlgItemMessageW(hDlg, nID, CB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}

int FindData(HWND hDlg, int nID, LPARAM data)
{
    const int nCount = static_cast<int>(::SendDlgItemMessageW(hDlg, nID, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        if (GetItemData(hDlg, nID, i) == data)
            return i;
    }
    return -1;
}

CString GetItemText(HWND hDlg, int nID, int nIndex)
{
    const LRESULT nLength = ::SendDlgItemMessageW(hDlg, nID, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0);
    if (nLength == CB_ERR || nLength < 0)
        return CString();
    std::vector<wchar_t> buffer(static_cast<size_t>(nLength) + 1, L'\0');
    ::SendDlgItemMessageW(hDlg, nID, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer.data()));
    return CString::FromWide(buffer.data());
}

CString GetText(HWND hDlg, int nID)
{
    HWND hItem = ::GetDlgItem(hDlg, nID);
    const int nLength = ::GetWindowTextLengthW(hItem);
    std::vector<wchar_t> buffer(static_cast<size_t>(nLength) + 1, L'\0');
    ::GetWindowTextW(hItem, buffer.data(), nLength + 1);
    return CString::FromWide(buffer.data());
}

void SetText(HWND hDlg, int nID, LPCSTR lpszText)
{
    ::SetDlgItemTextW(hDlg, nID, CString(lpszText).ToWide().c_str());
}

}  // namespace dlgitem
