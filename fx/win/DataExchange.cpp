#include "fx/win/DataExchange.h"

#include "fx/core/Exception.h"
#include "fx/win/Text.h"
#include "fx/win/WinApp.h"
#include "fx/win/Wnd.h"

#include <commctrl.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_bEditLastControl = FALSE;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWnd = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWnd;
}

void CDataExchange::Fail(UINT nIDPrompt, LPCSTR lpszFallback)
{
    if (nIDPrompt != 0) {
        CString prompt = fx::LoadStringGbk(AfxGetResourceHandle(), nIDPrompt);
        if (prompt.IsEmpty() && lpszFallback != nullptr)
            prompt = lpszFallback;
        AfxMessageBox(prompt, MB_OK | MB_ICONEXCLAMATION);
    }
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = fx::GetWindowTextGbk(hWnd);
    else
        ::SetWindowTextW(hWnd, fx::WideArg(value));
}

namespace {

// A whole decimal number, surrounding blanks allowed; nothing else.
bool ParseLong(const CString& text, long long& out)
{
    CString t = text;
    t.Trim();
    if (t.IsEmpty())
        return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtoll(t, &end, 10);
    return errno == 0 && end != nullptr && *end == '\0';
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format("%d", value);
        ::SetWindowTextW(hWnd, fx::WideArg(text));
        return;
    }
    long long parsed = 0;
    if (!ParseLong(fx::GetWindowTextGbk(hWnd), parsed) || parsed < INT_MIN || parsed > INT_MAX)
        pDX->Fail(AFX_IDP_PARSE_INT, "请输入一个整数。");
    value = static_cast<int>(parsed);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format("%u", value);
        ::SetWindowTextW(hWnd, fx::WideArg(text));
        return;
    }
    long long parsed = 0;
    if (!ParseLong(fx::GetWindowTextGbk(hWnd), parsed) || parsed < 0 || parsed > UINT_MAX)
        pDX->Fail(AFX_IDP_PARSE_INT, "请输入一个正整数。");
    value = static_cast<UINT>(parsed);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hWnd, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(hWnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hFirst = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC to the next control with WS_GROUP.
    int index = 0;
    HWND hWnd = hFirst;
    do {
        if (::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageW(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            } else {
                ::SendMessageW(hWnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
    } while (hWnd != nullptr && !(::GetWindowLongW(hWnd, GWL_STYLE) & WS_GROUP));
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(hWnd, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        // A drop-down list has no edit text of its own: read the selected item.
        const int sel = static_cast<int>(::SendMessageW(hWnd, CB_GETCURSEL, 0, 0));
        if ((::GetWindowLongW(hWnd, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST && sel != CB_ERR) {
            const int n = static_cast<int>(::SendMessageW(hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel), 0));
            std::vector<wchar_t> buffer(static_cast<std::size_t>(n > 0 ? n : 0) + 1, L'\0');
            ::SendMessageW(hWnd, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(buffer.data()));
            value = fx::ToGbk(buffer.data());
        } else {
            value = fx::GetWindowTextGbk(hWnd);
        }
        return;
    }
    const std::wstring wide = fx::ToWide(value);
    if (::SendMessageW(hWnd, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str())) ==
        CB_ERR)
        ::SetWindowTextW(hWnd, wide.c_str());
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(hWnd, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, SYSTEMTIME& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SendMessageW(hWnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
        return;
    }
    SYSTEMTIME read{};
    if (::SendMessageW(hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&read)) != GDT_VALID)
        pDX->Fail(AFX_IDP_PARSE_DATETIME, "时间输入不合法!");
    value = read;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (hWnd == nullptr || !rControl.SubclassWindow(hWnd))
        pDX->Fail();
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString fallback;
    fallback.Format("请输入一个介于 %d 和 %d 之间的整数。", minVal, maxVal);
    pDX->Fail(AFX_IDP_PARSE_INT_RANGE, fallback);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
        CString fallback;
        fallback.Format("最多输入 %d 个字符。", nChars);
        pDX->Fail(AFX_IDP_PARSE_STRING_SIZE, fallback);
    }
}
