// How a private-profile file's text is taken apart and handed back, shared by the native
// private-profile functions and the program's section reader so both read a file alike:
// GBK pairs count as one character (a trail byte is never folded as an ASCII letter), names
// and values are trimmed of white space, a value loses one pair of matching quotes, and a
// result is cut to whole characters as the platform cuts it.
#pragma once

#include "Win32Seam.h"

#include <cstddef>
#include <cstring>
#include <string>

namespace profile_text {

inline bool isLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
inline bool isTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// Bytes taken by the character starting at s[i]: 2 for a GBK pair, else 1.
inline std::size_t charLength(const std::string& s, std::size_t i)
{
    return i + 1 < s.size() && isLeadByte(static_cast<unsigned char>(s[i])) &&
                   isTrailByte(static_cast<unsigned char>(s[i + 1]))
               ? 2
               : 1;
}

// Number of characters in s.
inline std::size_t charCount(const std::string& s)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i))
        ++count;
    return count;
}

// The first n characters of s.
inline std::string headChars(const std::string& s, std::size_t n)
{
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < s.size(); ++k)
        i += charLength(s, i);
    return s.substr(0, i);
}

inline bool isBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0x1A;
}

inline std::string trimmed(const std::string& s, std::size_t begin, std::size_t end)
{
    while (begin < end && isBlank(static_cast<unsigned char>(s[begin])))
        ++begin;
    while (end > begin && isBlank(static_cast<unsigned char>(s[end - 1])))
        --end;
    return s.substr(begin, end - begin);
}

// A name or value ends at an embedded NUL, as a C string would.
inline std::string cutAtNul(std::string s)
{
    const std::size_t nul = s.find('\0');
    if (nul != std::string::npos)
        s.resize(nul);
    return s;
}

// Narrows [s, e) to the line without its surrounding white space.
inline void trimSpan(const std::string& bytes, std::size_t& s, std::size_t& e)
{
    while (s < e && isBlank(static_cast<unsigned char>(bytes[s])))
        ++s;
    while (e > s && isBlank(static_cast<unsigned char>(bytes[e - 1])))
        --e;
}

// Whether the trimmed, non-empty line [s, e) is a section header, and its name. The name runs
// to the last ']' of the line; a ']' inside a GBK pair does not count.
inline bool sectionHeader(const std::string& bytes, std::size_t s, std::size_t e, std::string& name)
{
    if (bytes[s] != '[')
        return false;
    std::size_t close = std::string::npos;
    for (std::size_t i = s + 1; i < e; i += charLength(bytes, i))
        if (bytes[i] == ']' && charLength(bytes, i) == 1)
            close = i;
    if (close == std::string::npos)
        return false;
    name = cutAtNul(trimmed(bytes, s + 1, close));
    return true;
}

// An entry line [s, e), trimmed: its name and, when it has an '=', the value after the first
// one. Returns whether it has a value.
inline bool entryParts(const std::string& bytes, std::size_t s, std::size_t e, std::string& name,
                       std::string& value)
{
    const std::size_t equals = bytes.find('=', s);
    if (equals == std::string::npos || equals >= e) {
        name = cutAtNul(bytes.substr(s, e - s));
        return false;
    }
    name = cutAtNul(trimmed(bytes, s, equals));
    value = cutAtNul(trimmed(bytes, equals + 1, e));
    return true;
}

inline char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The name as compared: ASCII letters folded, both bytes of a GBK pair kept. Two names match
// exactly when their folded forms are equal.
inline std::string folded(const std::string& name)
{
    std::string out(name);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t n = charLength(out, i);
        if (n == 1)
            out[i] = foldAscii(out[i]);
        i += n;
    }
    return out;
}

// Case-insensitive for ASCII letters only; the second byte of a GBK pair compares exactly.
inline bool sameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t n = charLength(a, i);
        if (n == 2) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
        } else if (foldAscii(a[i]) != foldAscii(b[i])) {
            return false;
        }
        i += n;
    }
    return true;
}

// A section or key name as the caller passes it: trimmed like the names in the file.
inline std::string requestName(const char* name) { return trimmed(name, 0, std::strlen(name)); }

// The text a lookup hands back for `value` in a buffer of `size` characters: one pair of
// matching quotes is removed and the text is cut to size - 1 characters. When the text had
// quotes and fills the buffer, one more character goes (the closing quote's place is dropped
// even when the quote itself was already cut off), as on the platform.
inline std::string copyEntry(std::string value, std::size_t size)
{
    bool quoted = false;
    if (value.size() > 1 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        quoted = true;
        value.erase(0, 1);
    }
    std::string out = headChars(value, size - 1);
    if (quoted && size >= charCount(value) && !out.empty())
        out = headChars(out, charCount(out) - 1);
    return out;
}

// A default loses its trailing spaces, but keeps at least its first character.
inline std::string trimDefault(const char* value)
{
    if (!value)
        return std::string();
    std::string s(value);
    std::size_t end = s.size();
    while (end > 1 && s[end - 1] == ' ')
        --end;
    s.resize(end);
    return s;
}

// Whole characters of `text` that fit in size - 1 bytes; when not all fit the result is
// size - 1 and the rest of the buffer is NUL, as the platform reports a cut result.
inline DWORD storeNarrow(const std::string& text, LPSTR buffer, DWORD size)
{
    const std::size_t room = size - 1;
    if (text.size() <= room) {
        std::memcpy(buffer, text.data(), text.size());
        buffer[text.size()] = '\0';
        return static_cast<DWORD>(text.size());
    }
    std::size_t fit = 0;
    while (fit < text.size() && fit + charLength(text, fit) <= room)
        fit += charLength(text, fit);
    std::memcpy(buffer, text.data(), fit);
    std::memset(buffer + fit, 0, size - fit);
    return static_cast<DWORD>(room);
}

// Leading white space (any byte up to ' '), an optional sign, then digits; "0x", "0o" and
// "0b" choose base 16, 8 or 2. Anything else ends the number; overflow wraps.
inline UINT parseInteger(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        const char p = text[i + 1];
        if (p == 'x' || p == 'o' || p == 'b') {
            base = p == 'x' ? 16 : p == 'o' ? 8 : 2;
            i += 2;
        }
    }
    UINT total = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit = 99;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'Z')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'z')
            digit = static_cast<unsigned>(c - 'a' + 10);
        if (digit >= base)
            break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

}  // namespace profile_text
