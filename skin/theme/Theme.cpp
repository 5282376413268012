// The theme's colour table, fonts and brush, and the manager that owns the one theme of the
// process. The drawing operations are in ThemeDraw.cpp.
#include "skin/theme/Theme.h"

#include "skin/theme/Painter.h"

#include <cstring>

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
    // The fonts follow the system's settings at this moment.
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) {
        m_font.CreateFontIndirect(&ncm.lfMessageFont);
        m_boldFont.CreateFontIndirect(&ncm.lfCaptionFont);
    }
    if (m_font.GetSafeHandle() == nullptr)
        m_font.Attach(::GetStockObject(DEFAULT_GUI_FONT)) ;
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
    c[1] = CLuPainter::LightColor(c[0], 70);
    c[4] = CLuPainter::ShadowColor(c[1], 40);
    c[5] = CLuPainter::LightColor(c[1], 60);
    c[7] = CLuPainter::LightColor(c[0], 30);
    c[8] = c[2];
    c[10] = c[9];
    c[11] = CLuPainter::LightColor(c[7], 80);
    c[13] = c[3];
    c[15] = c[14];
    c[16] = CLuPainter::LightColor(c[0], 90);
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
    font.DeleteObject();
    return font.CreateFont(-::MulDiv(nPointSize, dpi, 72), 0, 0, 0, nWeight, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, 0, 0, 0, 0, face);
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
