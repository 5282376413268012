#include "fx/win/Text.h"

#include <cstring>
#include <vector>

namespace fx {

std::wstring ToWide(LPCSTR gbk, int length)
{
    if (gbk == nullptr || length == 0)
        return std::wstring();
    const int n = MultiByteToWideChar(kGbkCodePage, 0, gbk, length, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, gbk, length, wide.data(), n);
    if (length < 0 && !wide.empty())
        wide.pop_back();  // the converted terminator
    return wide;
}

CString ToGbk(LPCWSTR wide, int length)
{
    if (wide == nullptr || length == 0)
        return CString();
    return CString::FromWide(wide, length);
}

WideArg::WideArg(LPCSTR gbk)
{
    if (gbk == nullptr || IS_INTRESOURCE(gbk)) {
        m_ptr = reinterpret_cast<LPCWSTR>(gbk);
        return;
    }
    m_text = ToWide(gbk);
    m_ptr = m_text.c_str();
}

CString GetWindowTextGbk(HWND hWnd)
{
    const int n = GetWindowTextLengthW(hWnd);
    if (n <= 0)
        return CString();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(n) + 1);
    const int got = GetWindowTextW(hWnd, buffer.data(), n + 1);
    return ToGbk(buffer.data(), got);
}

CString LoadStringGbk(HINSTANCE hInstance, UINT nID)
{
    // With a zero buffer size LoadStringW hands back a pointer into the resource itself.
    LPCWSTR text = nullptr;
    const int n = LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&text), 0);
    if (n <= 0 || text == nullptr)
        return CString();
    return ToGbk(text, n);
}

int CopyToBuffer(const CString& text, LPSTR buffer, int nMax)
{
    if (buffer == nullptr || nMax <= 0)
        return 0;
    int n = text.GetLength() < nMax - 1 ? text.GetLength() : nMax - 1;
    // Do not leave half of a two-byte character at the end.
    int i = 0;
    while (i < n) {
        const int step = CString::IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + step > n)
            break;
        i += step;
    }
    n = i;
    memcpy(buffer, text.GetString(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

}  // namespace fx
