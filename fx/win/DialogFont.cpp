#include "fx/win/DialogFont.h"

#include "fx/win/TextFont.h"

#include <cstring>
#include <cwchar>
#include <string>

namespace fx::detail {

namespace {

// Where the parts of a template lie, in bytes from its start.
struct TemplateLayout {
    bool ex = false;
    DWORD style = 0;
    std::size_t fontOffset = 0;  // the point size; weight, italic and character set follow in EX
    std::size_t faceOffset = 0;
    std::size_t faceEnd = 0;     // just after the face's terminator
    std::size_t itemsOffset = 0;
    std::size_t size = 0;        // up to the end of the last item
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charSet = DEFAULT_CHARSET;
    std::wstring face;
};

std::size_t AlignTo4(std::size_t n) { return (n + 3) & ~static_cast<std::size_t>(3); }

class Reader {
public:
    explicit Reader(const BYTE* base) : m_base(base) {}
    WORD Word(std::size_t at) const
    {
        WORD w;
        std::memcpy(&w, m_base + at, sizeof w);
        return w;
    }
    DWORD Dword(std::size_t at) const
    {
        DWORD d;
        std::memcpy(&d, m_base + at, sizeof d);
        return d;
    }
    // A zero-terminated UTF-16 string at `at`; returns the offset after its terminator.
    std::size_t SkipString(std::size_t at) const
    {
        while (Word(at) != 0)
            at += 2;
        return at + 2;
    }
    // A name or an ordinal: 0 for none, 0xFFFF followed by a number, else a string.
    std::size_t SkipNameOrOrdinal(std::size_t at) const
    {
        const WORD w = Word(at);
        if (w == 0)
            return at + 2;
        if (w == 0xFFFF)
            return at + 4;
        return SkipString(at);
    }

private:
    const BYTE* m_base;
};

// Walks the controls to find the template's end.
std::size_t ItemsEnd(const Reader& r, std::size_t at, WORD count, bool ex)
{
    for (WORD i = 0; i < count; ++i) {
        at = AlignTo4(at);
        at += ex ? 24 : 18;  // the fixed part of one item
        at = r.SkipNameOrOrdinal(at);  // class
        at = r.SkipNameOrOrdinal(at);  // title
        const WORD extra = r.Word(at);
        at += 2 + extra;
    }
    return at;
}

TemplateLayout Parse(LPCDLGTEMPLATEW source)
{
    const Reader r(reinterpret_cast<const BYTE*>(source));
    TemplateLayout t;
    t.ex = r.Word(0) == 1 && r.Word(2) == 0xFFFF;
    std::size_t at = 0;
    WORD count = 0;
    if (t.ex) {
        t.style = r.Dword(12);
        count = r.Word(16);
        at = 26;
    } else {
        t.style = r.Dword(0);
        count = r.Word(8);
        at = 18;
    }
    at = r.SkipNameOrOrdinal(at);  // menu
    at = r.SkipNameOrOrdinal(at);  // window class
    at = r.SkipString(at);         // title
    if (t.style & DS_SETFONT) {
        t.fontOffset = at;
        t.pointSize = r.Word(at);
        at += 2;
        if (t.ex) {
            t.weight = r.Word(at);
            t.italic = static_cast<BYTE>(r.Word(at + 2) & 0xFF);
            t.charSet = static_cast<BYTE>(r.Word(at + 2) >> 8);
            at += 4;
        }
        t.faceOffset = at;
        at = r.SkipString(at);
        t.faceEnd = at;
        t.face.assign(reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(source) + t.faceOffset),
                      (t.faceEnd - t.faceOffset) / 2 - 1);
    }
    t.itemsOffset = AlignTo4(at);
    t.size = ItemsEnd(r, t.itemsOffset, count, t.ex);
    return t;
}

LOGFONTW TemplateLogFont(const TemplateLayout& t)
{
    LOGFONTW lf{};
    HDC hScreen = ::GetDC(nullptr);
    lf.lfHeight = -::MulDiv(t.pointSize, ::GetDeviceCaps(hScreen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, hScreen);
    lf.lfWeight = t.weight;
    lf.lfItalic = t.italic;
    lf.lfCharSet = t.charSet;
    wcsncpy(lf.lfFaceName, t.face.c_str(), LF_FACESIZE - 1);
    return lf;
}

}  // namespace

DialogFontTemplate::DialogFontTemplate(LPCDLGTEMPLATEW source) : m_source(source)
{
    if (source == nullptr)
        return;
    const TemplateLayout t = Parse(source);
    // 0x7FFF asks for the system's message font, which the dialog manager picks itself.
    if (!(t.style & DS_SETFONT) || t.pointSize == 0x7FFF)
        return;
    const LOGFONTW wanted = TemplateLogFont(t);
    const LOGFONTW chosen = TextLogFont(wanted);
    if (std::wcscmp(chosen.lfFaceName, wanted.lfFaceName) == 0 && chosen.lfCharSet == wanted.lfCharSet)
        return;

    // Header up to the face, the new face, then the controls from the next DWORD boundary on
    // (each control starts on one, counted from the template's start).
    const BYTE* src = reinterpret_cast<const BYTE*>(source);
    const std::size_t faceBytes = (std::wcslen(chosen.lfFaceName) + 1) * sizeof(wchar_t);
    const std::size_t newItems = AlignTo4(t.faceOffset + faceBytes);
    const std::size_t total = newItems + (t.size - t.itemsOffset);
    m_copy.assign((total + 3) / 4, 0);
    BYTE* dst = reinterpret_cast<BYTE*>(m_copy.data());
    std::memcpy(dst, src, t.faceOffset);
    if (t.ex)
        dst[t.fontOffset + 5] = chosen.lfCharSet;
    std::memcpy(dst + t.faceOffset, chosen.lfFaceName, faceBytes);
    std::memcpy(dst + newItems, src + t.itemsOffset, t.size - t.itemsOffset);
}

LPCDLGTEMPLATEW DialogFontTemplate::get() const
{
    return m_copy.empty() ? m_source : reinterpret_cast<LPCDLGTEMPLATEW>(m_copy.data());
}

}  // namespace fx::detail
