// The program's four colour schemes and how one is applied to the theme. The scheme index is
// kept in the registry (section "THEME", value "COLOR" under the key "TAVELO"); the default is 3.
#pragma once

#include <windows.h>

class CLuTheme;

enum ColorScheme {
    SCHEME_SYSTEM = 0,
    SCHEME_BLUE = 1,
    SCHEME_SKY = 2,
    SCHEME_DEFAULT = 3
};

// Where start-up begins: not a valid scheme, so the stored one (or the default) is always applied.
const int SCHEME_NONE = -1;

// Makes the theme's colours those of scheme nScheme. Any other value changes nothing.
void ApplySchemeColors(CLuTheme& theme, int nScheme);
