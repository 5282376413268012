#include "app/shell/ColorScheme.h"

#include "skin/theme/Theme.h"

namespace {

// Scheme 0 follows the system: each theme colour takes one system colour, then the theme
// rebuilds its brush and focus colour from the table.
void ApplySystemScheme(CLuTheme& theme)
{
    static const struct { UINT nIndex; int nSysColor; } table[] = {
        {LUCLR_BASE, COLOR_WINDOWFRAME},        {LUCLR_LIGHTBASE, COLOR_BTNFACE},
        {LUCLR_TEXT, COLOR_BTNTEXT},            {LUCLR_FACE, COLOR_BTNFACE},
        {LUCLR_BORDER, COLOR_BTNSHADOW},        {LUCLR_HIGHLIGHT, COLOR_BTNHIGHLIGHT},
        {LUCLR_DEFRING, COLOR_GRADIENTACTIVECAPTION}, {LUCLR_TEXT2, COLOR_HIGHLIGHTTEXT},
        {LUCLR_DISABLED, COLOR_INACTIVEBORDER}, {LUCLR_DISABLEDTEXT, COLOR_GRAYTEXT},
        {LUCLR_TRACK, COLOR_SCROLLBAR},         {LUCLR_CHECK, COLOR_SCROLLBAR},
        {LUCLR_FACE2, COLOR_BTNFACE},           {LUCLR_WINDOW, COLOR_3DLIGHT},
        {LUCLR_MENU, COLOR_MENU},               {LUCLR_MENUBACK, COLOR_MENU},
    };
    for (const auto& entry : table)
        theme.SetThemeColor(entry.nIndex, ::GetSysColor(entry.nSysColor));
    theme.BuildColorTheme();
}

}  // namespace

void ApplySchemeColors(CLuTheme& theme, int nScheme)
{
    switch (nScheme) {
    case SCHEME_SYSTEM:
        ApplySystemScheme(theme);
        break;
    case SCHEME_BLUE:
        theme.AutoBuildColorTheme(0xB45829, 0xF2ECDE, 0x000000, 0x808080, 0xFFFFFF);
        theme.SetThemeColor(LUCLR_BORDER, 0xC87A26);
        theme.SetThemeColor(LUCLR_HIGHLIGHT, 0xEED0B7);
        theme.SetThemeColor(LUCLR_LIGHTBASE, 0xD4831E);
        break;
    case SCHEME_SKY:
        theme.AutoBuildColorTheme(0xCE6108, 0xF5EBE1, 0x613622, 0x9A9998, 0xFAF2E9);
        theme.SetThemeColor(LUCLR_MENU, 0xFFF9F2);
        break;
    case SCHEME_DEFAULT:
        theme.AutoBuildColorTheme(0x8D6400, 0xE2D8D8, 0x000000, 0x808080, 0xF8E4C4);
        theme.SetThemeColor(LUCLR_LIGHTBASE, 0xCDAE61);
        theme.SetThemeColor(LUCLR_MENUBACK, 0xF6EAD2);
        theme.SetThemeColor(LUCLR_MENU, 0xFAFAFA);
        theme.SetThemeColor(LUCLR_BORDER, 0xAB8A3D);
        theme.SetThemeColor(LUCLR_HIGHLIGHT, 0xF8E28E);
        break;
    default:
        break;  // remembered and written back by the caller, nothing applied
    }
}
