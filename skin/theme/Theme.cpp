// The theme's colour table, fonts and brush, and the manager that owns the one theme of the
// process. The drawing operations are in ThemeDraw.cpp.
#include "skin/theme/Theme.h"

#include "fx/win/Text.h"
#include "fx/win/TextFont.h"
#include "skin/theme/Painter.h"

#include <cstring>
#include <cwchar>
#include <string>

namespace {

// The built-in scheme's inputs.
const COLORREF kDefaultBase = RGB(63, 63, 71);
const COLORREF kDefaultText = RGB(0, 0, 0);
const COLORREF kDefaultFace = RGB(239, 236, 222);
const COLORREF kDefaultDisabled = RGB(128, 128, 128);
const COLORREF kDefaultWindow = RGB(255, 255, 255);
// Colours every scheme keeps.
const COLORREF kHotRing = RGB(230, 139, 44);
const COLORREF kCheckMark = RGB(33, 161, 33);

}  // namespace

CLuTheme::CLuTheme()
{
    std::memset(m_clrTable, 0, sizeof(m_clrTable));
    // The fonts follow the system's settings at this moment, in a face that draws Latin and
    // Chinese alike whatever the system's code page.
    const LOGFONTW message = fx::SystemTextFont(fx::SystemFont::Message);
    const LOGFONTW caption = fx::SystemTextFont(fx::SystemFont::Caption);
    m_font.CreateFontIndirect(&message);
    m_boldFont.CreateFontIndirect(&caption);
    if (m_font.GetSafeHandle() == nullptr)
        MakeFont(m_font, nullptr, 9, FW_NORMAL);
    if (m_boldFont.GetSafeHandle() == nullptr)
        MakeFont(m_boldFont, nullptr, 9, FW_BOLD);
    DefaultColorTheme();
}

CLuTheme::~CLuTheme() = default;

void CLuTheme::DefaultColorTheme()
{
    m_clrTable[LUCLR_BASE] = kDefaultBase;
    m_clrTable[LUCLR_FACE] = kDefaultFace;
    m_clrTable[LUCLR_TEXT] = kDefaultText;
    m_clrTable[LUCLR_DISABLED] = kDefaultDisabled;
    m_clrTable[LUCLR_WINDOW] = kDefaultWindow;
    Derive();
    BuildColorTheme();
}

void CLuTheme::AutoBuildColorTheme(COLORREF clrBase, COLORREF clrFace, COLORREF clrText,
                                   COLORREF clrDisabled, COLORREF clrWindow)
{
    m_clrTable[LUCLR_BASE] = clrBase;
    if (clrFace != LU_DEFAULT_COLOR)
        m_clrTable[LUCLR_FACE] = clrFace;
    if (clrText != LU_DEFAULT_COLOR)
        m_clrTable[LUCLR_TEXT] = clrText;
    if (clrDisabled != LU_DEFAULT_COLOR)
        m_clrTable[LUCLR_DISABLED] = clrDisabled;
    if (clrWindow != LU_DEFAULT_COLOR)
        m_clrTable[LUCLR_WINDOW] = clrWindow;
    Derive();
    BuildColorTheme();
}

void CLuTheme::Derive()
{
    COLORREF* c = m_clrTable;
    c[LUCLR_HOT] = kHotRing;
    c[LUCLR_CHECK] = kCheckMark;
    c[LUCLR_LIGHTBASE] = CLuPainter::LightColor(c[LUCLR_BASE], 70);
    c[LUCLR_BORDER] = CLuPainter::ShadowColor(c[LUCLR_LIGHTBASE], 40);
    c[LUCLR_HIGHLIGHT] = CLuPainter::LightColor(c[LUCLR_LIGHTBASE], 60);
    c[LUCLR_DEFRING] = CLuPainter::LightColor(c[LUCLR_BASE], 30);
    c[LUCLR_TEXT2] = c[LUCLR_TEXT];
    c[LUCLR_DISABLEDTEXT] = c[LUCLR_DISABLED];
    c[LUCLR_TRACK] = CLuPainter::LightColor(c[LUCLR_DEFRING], 80);
    c[LUCLR_FACE2] = c[LUCLR_FACE];
    c[LUCLR_MENU] = c[LUCLR_WINDOW];
    c[LUCLR_MENUBACK] = CLuPainter::LightColor(c[LUCLR_BASE], 90);
}

void CLuTheme::BuildColorTheme()
{
    RebuildFaceBrush();
    CLuPainter::SetFocusColor(m_clrTable[LUCLR_BASE]);
}

void CLuTheme::RebuildFaceBrush()
{
    m_brFace.DeleteObject();
    m_brFace.CreateSolidBrush(m_clrTable[LUCLR_FACE]);
}

COLORREF CLuTheme::GetThemeColor(UINT nIndex)
{
    // Indexes beyond the table read as the default colour rather than past its end.
    return nIndex < LUCLR_COUNT ? m_clrTable[nIndex] : CLR_INVALID;
}

COLORREF CLuTheme::SetThemeColor(UINT nIndex, COLORREF clr)
{
    if (nIndex >= LUCLR_COUNT)
        return CLR_INVALID;
    const COLORREF old = m_clrTable[nIndex];
    m_clrTable[nIndex] = clr;
    return old;
}

CFont* CLuTheme::GetThemeFont() { return &m_font; }

CFont* CLuTheme::GetThemeBoldFont() { return &m_boldFont; }

CBrush* CLuTheme::GetBntFaceBrush() { return &m_brFace; }

BOOL CLuTheme::SetThemeFont(LPCSTR lpszFace, int nPointSize)
{
    return MakeFont(m_font, lpszFace, nPointSize, FW_NORMAL);
}

BOOL CLuTheme::SetThemeBoldFont(LPCSTR lpszFace, int nPointSize)
{
    return MakeFont(m_boldFont, lpszFace, nPointSize, FW_BOLD);
}

BOOL CLuTheme::MakeFont(CLuFont& font, LPCSTR lpszFace, int nPointSize, int nWeight)
{
    // A face name holds at most 31 bytes; a two-byte character that would not fit whole is
    // left out rather than cut in half.
    char face[32] = {0};
    if (lpszFace != nullptr) {
        int n = 0;
        while (lpszFace[n] != '\0') {
            const int len = CString::IsLeadByte(static_cast<unsigned char>(lpszFace[n])) && lpszFace[n + 1] != '\0' ? 2 : 1;
            if (n + len > 31)
                break;
            std::memcpy(face + n, lpszFace + n, static_cast<size_t>(len));
            n += len;
        }
    }
    HDC hScreen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    LOGFONTW lf{};
    lf.lfHeight = -::MulDiv(nPointSize, dpi, 72);
    lf.lfWeight = nWeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    const std::wstring wide = fx::ToWide(face);
    wcsncpy(lf.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
    // A face that cannot draw both Latin and Chinese gives way to one that can, at the size
    // and weight asked for.
    const LOGFONTW chosen = fx::TextLogFont(lf);
    font.DeleteObject();
    return font.CreateFontIndirect(&chosen);
}

COLORREF CLuTheme::BkColor(const _LUDRAW_PARAM& p, UINT nDefault) const
{
    const UINT index = p.nBkColor < LUCLR_COUNT ? p.nBkColor : nDefault;
    return m_clrTable[index];
}

// ---- The manager ----

CLuThemeManager* CLuThemeManager::Instance()
{
    // Made on first use and gone at process exit, taking the current theme with it.
    static CLuThemeManager manager;
    return &manager;
}

CLuThemeManager::CLuThemeManager() : m_pTheme(new CLuTheme) {}

CLuThemeManager::~CLuThemeManager() { delete m_pTheme; }

CLuTheme* CLuThemeManager::GetTheme() { return m_pTheme; }

CLuTheme* CLuThemeManager::SetTheme(CLuTheme* pTheme)
{
    CLuTheme* old = m_pTheme;
    m_pTheme = pTheme;
    return old;
}
