// Dialog data exchange: moving values between a dialog's members and its controls in one
// function (DoDataExchange) for both directions. A value the user typed that cannot be taken
// is reported, the control gets the focus and the exchange stops (UpdateData returns FALSE).
#pragma once

#include "fx/core/String.h"

#include <windows.h>

class CWnd;

// Prompts (string resources of the program) shown when a typed value is refused.
#define AFX_IDP_PARSE_INT 61440
#define AFX_IDP_PARSE_INT_RANGE 61441
#define AFX_IDP_PARSE_STRING_SIZE 61442
#define AFX_IDP_PARSE_DATETIME 61446

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls -> members
    CWnd* m_pDlgWnd;

    // The control about to be exchanged (remembered for Fail).
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Shows the prompt (string resource, or the fallback text when the program has none),
    // gives the last control the focus and ends the exchange.
    [[noreturn]] void Fail(UINT nIDPrompt = 0, LPCSTR lpszFallback = nullptr);

private:
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The index of the checked button in the group that starts at nIDC (-1 for none).
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, SYSTEMTIME& value);
// Ties a control object to the dialog's control the first time (subclassing it).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
