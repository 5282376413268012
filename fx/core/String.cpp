#include "fx/core/String.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
bool InSet(char ch, LPCSTR set) { return ch != '\0' && std::strchr(set, ch) != nullptr; }
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

CString::CString(LPCSTR psz) : m_data(psz != nullptr ? psz : "") {}

CString::CString(LPCSTR pch, int nLength)
{
    if (pch != nullptr && nLength > 0)
        m_data.assign(pch, static_cast<std::size_t>(nLength));
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_data.assign(static_cast<std::size_t>(nRepeat), ch);
}

CString& CString::operator=(LPCSTR psz)
{
    // psz may point into this string's own buffer; assign copes with that.
    m_data.assign(psz != nullptr ? psz : "");
    return *this;
}

CString& CString::operator=(char ch)
{
    m_data.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& s) { m_data += s.m_data; return *this; }
CString& CString::operator+=(LPCSTR psz) { if (psz != nullptr) m_data += psz; return *this; }
CString& CString::operator+=(char ch) { m_data += ch; return *this; }

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, LPCSTR b) { CString r(a); r += b; return r; }
CString operator+(LPCSTR a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

int CString::Compare(LPCSTR psz) const { return std::strcmp(m_data.c_str(), psz ? psz : ""); }

int CString::CompareNoCase(LPCSTR psz) const
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_data.c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(psz ? psz : "");
    for (;; ++a, ++b) {
        const unsigned char ca = static_cast<unsigned char>(AsciiLower(static_cast<char>(*a)));
        const unsigned char cb = static_cast<unsigned char>(AsciiLower(static_cast<char>(*b)));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
        // The second byte of a GBK pair is compared as it is, never folded.
        if (IsLeadByte(ca) && a[1] != 0 && b[1] != 0) {
            ++a;
            ++b;
            if (*a != *b)
                return *a < *b ? -1 : 1;
        }
    }
}

bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
bool operator>(LPCSTR a, const CString& b) { return b.Compare(a) < 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator<=(const CString& a, LPCSTR b) { return a.Compare(b) <= 0; }
bool operator<=(LPCSTR a, const CString& b) { return b.Compare(a) >= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
bool operator>=(const CString& a, LPCSTR b) { return a.Compare(b) >= 0; }
bool operator>=(LPCSTR a, const CString& b) { return b.Compare(a) <= 0; }

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength() - nFirst); }

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    const int length = GetLength();
    if (nFirst > length)
        nFirst = length;
    if (nCount > length - nFirst)
        nCount = length - nFirst;
    return CString(m_data.data() + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    std::size_t i = 0;
    while (i < m_data.size() && InSet(m_data[i], pszCharSet))
        ++i;
    return Left(static_cast<int>(i));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    const int i = FindOneOf(pszCharSet);
    return i < 0 ? *this : Left(i);
}

std::size_t CString::CharLen(std::size_t i) const
{
    return (IsLeadByte(static_cast<unsigned char>(m_data[i])) && i + 1 < m_data.size()) ? 2 : 1;
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    for (std::size_t i = 0; i < m_data.size(); i += CharLen(i)) {
        if (static_cast<int>(i) >= nStart && m_data[i] == ch && CharLen(i) == 1)
            return static_cast<int>(i);
    }
    return -1;
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (pszSub == nullptr)
        return -1;
    if (nStart < 0)
        nStart = 0;
    const std::size_t n = std::strlen(pszSub);
    if (n == 0)
        return nStart <= GetLength() ? nStart : -1;
    for (std::size_t i = 0; i < m_data.size(); i += CharLen(i)) {
        if (static_cast<int>(i) >= nStart && m_data.compare(i, n, pszSub, n) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (std::size_t i = 0; i < m_data.size(); i += CharLen(i)) {
        if (m_data[i] == ch && CharLen(i) == 1)
            found = static_cast<int>(i);
    }
    return found;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    for (std::size_t i = 0; i < m_data.size(); i += CharLen(i)) {
        if (CharLen(i) == 1 && InSet(m_data[i], pszCharSet))
            return static_cast<int>(i);
    }
    return -1;
}

void CString::MakeUpper()
{
    for (std::size_t i = 0; i < m_data.size(); i += CharLen(i)) {
        if (CharLen(i) == 1)
            m_data[i] = AsciiUpper(m_data[i]);
    }
}

void CString::MakeLower()
{
    for (std::size_t i = 0; i < m_data.size(); i += CharLen(i)) {
        if (CharLen(i) == 1)
            m_data[i] = AsciiLower(m_data[i]);
    }
}

void CString::MakeReverse()
{
    // Reverse by characters, so each two-byte character keeps its byte order.
    std::string out;
    out.reserve(m_data.size());
    std::size_t i = 0;
    std::vector<std::pair<std::size_t, std::size_t>> chars;
    while (i < m_data.size()) {
        chars.emplace_back(i, CharLen(i));
        i += CharLen(i);
    }
    for (auto it = chars.rbegin(); it != chars.rend(); ++it)
        out.append(m_data, it->first, it->second);
    m_data.swap(out);
}

int CString::Replace(char chOld, char chNew)
{
    int count = 0;
    for (std::size_t i = 0; i < m_data.size(); i += CharLen(i)) {
        if (CharLen(i) == 1 && m_data[i] == chOld) {
            m_data[i] = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    if (pszOld == nullptr || *pszOld == '\0')
        return 0;
    const std::string oldText(pszOld);
    const std::string newText(pszNew != nullptr ? pszNew : "");
    std::string out;
    int count = 0;
    std::size_t i = 0;
    while (i < m_data.size()) {
        if (m_data.compare(i, oldText.size(), oldText) == 0) {
            out += newText;
            i += oldText.size();
            ++count;
        } else {
            const std::size_t len = CharLen(i);
            out.append(m_data, i, len);
            i += len;
        }
    }
    m_data.swap(out);
    return count;
}

int CString::Remove(char ch)
{
    std::string out;
    int count = 0;
    for (std::size_t i = 0; i < m_data.size();) {
        const std::size_t len = CharLen(i);
        if (len == 1 && m_data[i] == ch)
            ++count;
        else
            out.append(m_data, i, len);
        i += len;
    }
    m_data.swap(out);
    return count;
}

int CString::Insert(int nIndex, char ch)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_data.insert(static_cast<std::size_t>(nIndex), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    if (psz != nullptr)
        m_data.insert(static_cast<std::size_t>(nIndex), std::string(psz));
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < GetLength())
        m_data.erase(static_cast<std::size_t>(nIndex), static_cast<std::size_t>(nCount));
    return GetLength();
}

void CString::TrimLeft() { TrimLeft(" \t\r\n\v\f"); }
void CString::TrimRight() { TrimRight(" \t\r\n\v\f"); }

void CString::TrimLeft(char chTarget)
{
    const char set[2] = {chTarget, '\0'};
    TrimLeft(set);
}

void CString::TrimRight(char chTarget)
{
    const char set[2] = {chTarget, '\0'};
    TrimRight(set);
}

void CString::TrimLeft(LPCSTR pszTargets)
{
    std::size_t i = 0;
    while (i < m_data.size() && CharLen(i) == 1 && InSet(m_data[i], pszTargets))
        ++i;
    m_data.erase(0, i);
}

void CString::TrimRight(LPCSTR pszTargets)
{
    // Walk forward so that a trail byte equal to a target is never taken for a character.
    std::size_t keep = 0;
    for (std::size_t i = 0; i < m_data.size(); i += CharLen(i)) {
        if (!(CharLen(i) == 1 && InSet(m_data[i], pszTargets)))
            keep = i + CharLen(i);
    }
    m_data.resize(keep);
}

void CString::FormatArgs(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormatArgs(LPCSTR pszFormat, ...)
{
    CString tail;
    va_list args;
    va_start(args, pszFormat);
    tail.FormatV(pszFormat, args);
    va_end(args);
    *this += tail;
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int needed = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (needed <= 0) {
        m_data.clear();
        return;
    }
    std::string out(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(&out[0], out.size(), pszFormat, args);
    out.resize(static_cast<std::size_t>(needed));
    m_data.swap(out);
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_data.resize(static_cast<std::size_t>(nMinBufLength));
    return &m_data[0];
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    m_data.resize(static_cast<std::size_t>(std::max(nNewLength, 0)));
    return &m_data[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::strlen(m_data.c_str()));
    m_data.resize(std::min(static_cast<std::size_t>(nNewLength), m_data.size()));
}
