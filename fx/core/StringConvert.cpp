// GBK <-> UTF-16 and UTF-8 for CString. On Windows the system converts with code page 936, as
// the program's text is GBK whatever the machine's own ANSI code page is; natively iconv does it.
#include "fx/core/String.h"

#include <cstring>

#ifdef _WIN32
namespace {
const UINT kGbk = 936;

std::wstring MultiToWide(UINT codePage, const char* p, int n)
{
    if (n <= 0)
        return std::wstring();
    const int size = MultiByteToWideChar(codePage, 0, p, n, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        MultiByteToWideChar(codePage, 0, p, n, &out[0], size);
    return out;
}

std::string WideToMulti(UINT codePage, const wchar_t* p, int n)
{
    if (n <= 0)
        return std::string();
    const int size = WideCharToMultiByte(codePage, 0, p, n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(codePage, 0, p, n, &out[0], size, nullptr, nullptr);
    return out;
}
}  // namespace

std::wstring CString::ToWide() const { return MultiToWide(kGbk, m_data.data(), GetLength()); }

CString CString::FromWide(const wchar_t* psz, int nLength)
{
    if (psz == nullptr)
        return CString();
    if (nLength < 0)
        nLength = static_cast<int>(std::wcslen(psz));
    const std::string s = WideToMulti(kGbk, psz, nLength);
    return CString(s.data(), static_cast<int>(s.size()));
}

std::u16string CString::ToUtf16() const
{
    const std::wstring w = ToWide();
    return std::u16string(w.begin(), w.end());
}

CString CString::FromUtf16(const char16_t* psz, int nLength)
{
    if (psz == nullptr)
        return CString();
    return FromWide(reinterpret_cast<const wchar_t*>(psz), nLength < 0
                        ? static_cast<int>(std::char_traits<char16_t>::length(psz)) : nLength);
}

std::string CString::ToUtf8() const
{
    const std::wstring w = ToWide();
    return WideToMulti(CP_UTF8, w.data(), static_cast<int>(w.size()));
}

CString CString::FromUtf8(const char* psz, int nLength)
{
    if (psz == nullptr)
        return CString();
    if (nLength < 0)
        nLength = static_cast<int>(std::strlen(psz));
    const std::wstring w = MultiToWide(CP_UTF8, psz, nLength);
    return FromWide(w.data(), static_cast<int>(w.size()));
}

#else
#include <iconv.h>

#include <cerrno>

namespace {
// Converts bytes between two iconv encodings; a byte sequence that cannot be converted becomes
// the target's replacement ('?' or U+FFFD) and conversion goes on, like the Windows calls.
std::string Convert(const char* to, const char* from, const char* p, std::size_t n,
                    const std::string& replacement, std::size_t inputUnit)
{
    std::string out;
    if (n == 0)
        return out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return out;
    char* in = const_cast<char*>(p);
    std::size_t inLeft = n;
    char buffer[512];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (a cut character at the end): skip one unit and go on.
            out += replacement;
            const std::size_t skip = inLeft < inputUnit ? inLeft : inputUnit;
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(cd);
    return out;
}

const char* GbkName()
{
    static const char* name = [] {
        iconv_t cd = iconv_open("UTF-16LE", "CP936");
        if (cd == reinterpret_cast<iconv_t>(-1))
            return "GBK";
        iconv_close(cd);
        return "CP936";
    }();
    return name;
}

const std::string kUtf16Replacement("\xFD\xFF", 2);
}  // namespace

std::u16string CString::ToUtf16() const
{
    const std::string bytes =
        Convert("UTF-16LE", GbkName(), m_data.data(), m_data.size(), kUtf16Replacement, 1);
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return out;
}

CString CString::FromUtf16(const char16_t* psz, int nLength)
{
    if (psz == nullptr)
        return CString();
    const std::size_t n = nLength < 0 ? std::char_traits<char16_t>::length(psz)
                                      : static_cast<std::size_t>(nLength);
    std::string bytes(n * 2, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        bytes[2 * i] = static_cast<char>(psz[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(psz[i] >> 8);
    }
    const std::string s = Convert(GbkName(), "UTF-16LE", bytes.data(), bytes.size(), "?", 2);
    return CString(s.data(), static_cast<int>(s.size()));
}

std::string CString::ToUtf8() const
{
    return Convert("UTF-8", GbkName(), m_data.data(), m_data.size(), "\xEF\xBF\xBD", 1);
}

CString CString::FromUtf8(const char* psz, int nLength)
{
    if (psz == nullptr)
        return CString();
    const std::size_t n = nLength < 0 ? std::strlen(psz) : static_cast<std::size_t>(nLength);
    const std::string s = Convert(GbkName(), "UTF-8", psz, n, "?", 1);
    return CString(s.data(), static_cast<int>(s.size()));
}
#endif
