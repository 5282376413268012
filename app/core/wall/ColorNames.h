// The wall's table of named colours: sixteen names with their COLORREF values (0x00BBGGRR), in
// the order the program lists them. The table is constant data, ready before any code runs.
#pragma once

#include "fx/seam/Win32Seam.h"

struct ColorName {
    LPCSTR name;
    COLORREF color;
};

enum { COLOR_NAME_COUNT = 16 };

// The sixteen entries, "Black" first and "White" last ("Fushcia" is the table's own spelling).
const ColorName* colorNames();
// The colour of a name, compared without regard to ASCII case; false when the table has no
// such name (the colour is then left alone).
bool colorOfName(LPCSTR name, COLORREF* color);
// The first name of a colour, or null when the table has none for it.
LPCSTR nameOfColor(COLORREF color);
