// The system's message box for GBK text. The system draws a message box in its own message
// font, which under some code pages has no glyphs for Chinese or none for Latin letters; while
// the box is shown, controls whose font cannot draw their text get a font that can (TextFont.h),
// and the box grows to the text measured in that font.
#pragma once

#include <windows.h>

namespace fx {

int MessageBoxGbk(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

}  // namespace fx
