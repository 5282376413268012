// Small helpers for the list and edit controls of the shell's dialogs, by control id, through
// the controls' own messages (GBK text in, GBK text out), whatever object the control has.
#pragma once

#include "fx/core/String.h"

#include <windows.h>

namespace dlgitem {

int AddString(HWND hDlg, int nID, LPCSTR lpszText, LPARAM data);
int GetCurSel(HWND hDlg, int nID);
int SetCurSel(HWND hDlg, int nID, int nIndex);
LPARAM GetItemData(HWND hDlg, int nID, int nIndex);
// The first item whose data is data, or -1.
int FindData(HWND hDlg, int nID, LPARAM data);
CString GetItemText(HWND hDlg, int nID, int nIndex);
CString GetText(HWND hDlg, int nID);
void SetText(HWND hDlg, int nID, LPCSTR lpszText);

}  // namespace dlgitem
