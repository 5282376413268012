#include "fx/win/TextFont.h"

#include <cwchar>
#include <vector>

namespace fx {

// "Ag0." and "确定" (the OK of every dialog).
const wchar_t kTextFontSample[] = L"Ag0.\x786E\x5B9A";

namespace {

// Faces that carry both Latin and Chinese glyphs, best first: the Chinese user-interface fonts
// of Windows, then the Chinese fonts a Linux system running the program under Wine has.
const wchar_t* const kTextFaces[] = {
    L"Microsoft YaHei UI", L"Microsoft YaHei", L"SimSun", L"NSimSun", L"SimHei",
    L"WenQuanYi Micro Hei", L"Noto Sans CJK SC", L"Source Han Sans SC", L"Noto Sans SC",
    L"WenQuanYi Zen Hei", L"AR PL UMing CN",
};

bool IsDrawn(wchar_t ch) { return ch >= L' ' && ch != L'&'; }

// A memory DC for looking at fonts, deleted with the object.
class FontDC {
public:
    FontDC() : m_hDC(::CreateCompatibleDC(nullptr)) {}
    ~FontDC()
    {
        if (m_hDC != nullptr)
            ::DeleteDC(m_hDC);
    }
    FontDC(const FontDC&) = delete;
    FontDC& operator=(const FontDC&) = delete;
    HDC get() const { return m_hDC; }

private:
    HDC m_hDC;
};

bool LogFontHasGlyphs(const LOGFONTW& lf)
{
    HFONT hFont = ::CreateFontIndirectW(&lf);
    if (hFont == nullptr)
        return false;
    const bool ok = FontHasGlyphs(hFont, kTextFontSample);
    ::DeleteObject(hFont);
    return ok;
}

}  // namespace

bool FontHasGlyphs(HFONT hFont, LPCWSTR text, int length)
{
    if (hFont == nullptr || text == nullptr)
        return false;
    if (length < 0)
        length = static_cast<int>(std::wcslen(text));
    std::vector<wchar_t> drawn;
    drawn.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i)
        if (IsDrawn(text[i]))
            drawn.push_back(text[i]);
    if (drawn.empty())
        return true;
    FontDC dc;
    if (dc.get() == nullptr)
        return false;
    HGDIOBJ old = ::SelectObject(dc.get(), hFont);
    std::vector<WORD> glyphs(drawn.size());
    // Raster fonts cannot answer and count as lacking the glyphs.
    const DWORD n = ::GetGlyphIndicesW(dc.get(), drawn.data(), static_cast<int>(drawn.size()), glyphs.data(),
                                       GGI_MARK_NONEXISTING_GLYPHS);
    ::SelectObject(dc.get(), old);
    if (n == GDI_ERROR || n != drawn.size())
        return false;
    for (WORD g : glyphs)
        if (g == 0xFFFF)
            return false;
    return true;
}

LOGFONTW TextLogFont(const LOGFONTW& wanted)
{
    if (LogFontHasGlyphs(wanted))
        return wanted;
    LOGFONTW lf = wanted;
    // The face name decides once it names an installed font; DEFAULT_CHARSET keeps the
    // character set from steering the choice towards one script.
    lf.lfCharSet = DEFAULT_CHARSET;
    for (const wchar_t* face : kTextFaces) {
        wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
        lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
        if (LogFontHasGlyphs(lf))
            return lf;
    }
    return wanted;
}

LOGFONTW SystemTextFont(SystemFont which)
{
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    LOGFONTW lf{};
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) {
        switch (which) {
        case SystemFont::Message: lf = ncm.lfMessageFont; break;
        case SystemFont::Caption: lf = ncm.lfCaptionFont; break;
        case SystemFont::SmallCaption: lf = ncm.lfSmCaptionFont; break;
        case SystemFont::Menu: lf = ncm.lfMenuFont; break;
        case SystemFont::Status: lf = ncm.lfStatusFont; break;
        }
    } else {
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        if (which == SystemFont::Caption)
            lf.lfWeight = FW_BOLD;
    }
    return TextLogFont(lf);
}

}  // namespace fx
