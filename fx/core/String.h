// CString: the program's narrow string. Text is GBK (code page 936): a byte 0x81..0xFE starts a
// two-byte character whose second byte may look like ASCII ('\\', '|', '@'...), so searching and
// case changes step over whole characters. Lengths and positions are in bytes.
#pragma once

#include "fx/seam/Win32Seam.h"

#include <cstdarg>
#include <string>
#include <type_traits>
#include <utility>

class CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(LPCSTR psz);  // NOLINT: converts like a C string, as the program expects
    CString(LPCSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);
    ~CString() = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCSTR psz);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_data.size()); }
    BOOL IsEmpty() const { return m_data.empty(); }
    void Empty() { m_data.clear(); }
    char GetAt(int nIndex) const { return m_data[static_cast<std::size_t>(nIndex)]; }
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch) { m_data[static_cast<std::size_t>(nIndex)] = ch; }
    operator LPCSTR() const { return m_data.c_str(); }  // NOLINT: passes as a C string
    LPCSTR GetString() const { return m_data.c_str(); }

    CString& operator+=(const CString& s);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCSTR b);
    friend CString operator+(LPCSTR a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

    // Byte-wise comparison like strcmp: < 0, 0, > 0.
    int Compare(LPCSTR psz) const;
    // The same with ASCII letters folded; two-byte characters compare as they are.
    int CompareNoCase(LPCSTR psz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;

    // Positions of whole characters only; -1 when not found.
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    int Delete(int nIndex, int nCount = 1);
    void TrimLeft();
    void TrimRight();
    void TrimLeft(char chTarget);
    void TrimRight(char chTarget);
    void TrimLeft(LPCSTR pszTargets);
    void TrimRight(LPCSTR pszTargets);
    void Trim() { TrimRight(); TrimLeft(); }

    // printf-style formatting (the message texts use %d, %s, %X, %04X ...). A CString argument
    // is handed on as its text, so "%s" takes a CString as it takes a C string.
    template <class... Args>
    void Format(LPCSTR pszFormat, Args&&... args);
    template <class... Args>
    void AppendFormat(LPCSTR pszFormat, Args&&... args);
    void FormatV(LPCSTR pszFormat, va_list args);

    // A writable buffer of at least nMinBufLength bytes (plus terminator) holding the current
    // text; ReleaseBuffer ends the writing at nNewLength, or at the first zero byte with -1.
    LPSTR GetBuffer(int nMinBufLength);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

    // GBK <-> UTF-16 at the system boundary (W functions, file dialogs, tests). Unconvertible
    // input gives the platform's replacement characters rather than failing.
    std::u16string ToUtf16() const;
    static CString FromUtf16(const char16_t* psz, int nLength = -1);
    std::string ToUtf8() const;
    static CString FromUtf8(const char* psz, int nLength = -1);
#ifdef _WIN32
    std::wstring ToWide() const;
    static CString FromWide(const wchar_t* psz, int nLength = -1);
#endif

    // GBK: does this byte start a two-byte character?
    static bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

private:
    void FormatArgs(LPCSTR pszFormat, ...);
    void AppendFormatArgs(LPCSTR pszFormat, ...);

    // Length in bytes of the character starting at i (2 for a complete GBK pair).
    std::size_t CharLen(std::size_t i) const;

    std::string m_data;
};

namespace fxdetail {
template <class T,
          std::enable_if_t<!std::is_base_of<CString, std::decay_t<T>>::value, int> = 0>
T&& FormatArg(T&& value)
{
    return std::forward<T>(value);
}
inline LPCSTR FormatArg(const CString& s) { return s.GetString(); }
}  // namespace fxdetail

template <class... Args>
void CString::Format(LPCSTR pszFormat, Args&&... args)
{
    FormatArgs(pszFormat, fxdetail::FormatArg(std::forward<Args>(args))...);
}

template <class... Args>
void CString::AppendFormat(LPCSTR pszFormat, Args&&... args)
{
    AppendFormatArgs(pszFormat, fxdetail::FormatArg(std::forward<Args>(args))...);
}

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCSTR b);
bool operator==(LPCSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCSTR b);
bool operator!=(LPCSTR a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator<(const CString& a, LPCSTR b);
bool operator<(LPCSTR a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator>(const CString& a, LPCSTR b);
bool operator>(LPCSTR a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator<=(const CString& a, LPCSTR b);
bool operator<=(LPCSTR a, const CString& b);
bool operator>=(const CString& a, const CString& b);
bool operator>=(const CString& a, LPCSTR b);
bool operator>=(LPCSTR a, const CString& b);
