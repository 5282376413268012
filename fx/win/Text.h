// Text at the system boundary. The program's strings are GBK; every call that hands text to the
// system goes through the W functions with the text converted through code page 936, so Chinese
// shows whatever the system's ANSI code page is, and text read back is converted the same way.
#pragma once

#include "fx/core/String.h"

#include <windows.h>

#include <string>

namespace fx {

constexpr UINT kGbkCodePage = 936;

std::wstring ToWide(LPCSTR gbk, int length = -1);
CString ToGbk(LPCWSTR wide, int length = -1);

// A GBK argument on its way to a W function. A null pointer stays null and a resource number
// made with MAKEINTRESOURCE passes unchanged, so optional names and template ids work as well.
class WideArg {
public:
    explicit WideArg(LPCSTR gbk);
    WideArg(const WideArg&) = delete;
    WideArg& operator=(const WideArg&) = delete;
    LPCWSTR get() const { return m_ptr; }
    operator LPCWSTR() const { return m_ptr; }  // NOLINT: reads like the argument it replaces

private:
    std::wstring m_text;
    LPCWSTR m_ptr;
};

// The text of a window, read with the W function and converted to GBK.
CString GetWindowTextGbk(HWND hWnd);
// A string resource of the module converted to GBK; empty when absent.
CString LoadStringGbk(HINSTANCE hInstance, UINT nID);
// The bytes copied into a caller's buffer like GetWindowTextA: at most nMax - 1 bytes plus the
// terminator, never splitting a two-byte character. Returns the bytes copied.
int CopyToBuffer(const CString& text, LPSTR buffer, int nMax);

}  // namespace fx
