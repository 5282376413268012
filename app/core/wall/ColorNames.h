// The wall model's table of named colours (COLORREF values, 0x00BBGGRR), in its fixed order. The
// names are the ones the profiles and dialogs use, spellings included ("Fushcia"). The table is
// constant data, complete before any code of the program runs.
#pragma once

#include "fx/seam/Win32Seam.h"

#ifndef _WIN32
typedef DWORD COLORREF;
#endif

struct NamedColor {
    LPCSTR name;
    COLORREF color;
};

const int kNamedColorCount = 16;

// The table in its order: Black, Maroon, Green, Olive, Navy, Purple, Teal, Grey, Silver, Red,
// Lime, Yellow, Blue, Fushcia, Aqua, White.
const NamedColor* namedColors();
// The colour of a name (compared without regard to letter case); FALSE when the table has none.
BOOL colorByName(LPCSTR name, COLORREF* color);
// The first name of a colour, or null when the table has none.
LPCSTR nameOfColor(COLORREF color);
