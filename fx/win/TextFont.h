// Fonts for the program's text. Every string the program shows is Chinese mixed with Latin
// letters, digits and punctuation, whatever the system's code page. Which font the system hands
// out for a face name depends on that code page and on what is installed: under code page 1252
// a font asked for with the GB2312 character set may be a Chinese-only font that draws Latin
// letters and "..." as empty boxes, and a Western face may draw Chinese as empty boxes. So a
// font is chosen by what it can draw, not by its name: the face asked for when it has glyphs
// for both scripts, else the same size and style in the first installed face that has them.
#pragma once

#include <windows.h>

namespace fx {

// Characters every text font must have: Latin letters, a digit, the dot of "..." and Chinese.
extern const wchar_t kTextFontSample[];

// TRUE when the font has a glyph of its own for every character of text that is drawn (line
// breaks, tabs and the '&' of mnemonics are not). Glyphs a system borrows from linked fonts do
// not count: whether linking happens differs from system to system.
bool FontHasGlyphs(HFONT hFont, LPCWSTR text, int length = -1);

// The logical font to create for the program's text: `wanted` when the font it gives has
// glyphs for kTextFontSample, else `wanted` with the face (and character set) of the first
// face that has them. With no such face installed, `wanted` unchanged.
LOGFONTW TextLogFont(const LOGFONTW& wanted);

// The system's user-interface fonts (the non-client metrics) made fit for the program's text
// through TextLogFont.
enum class SystemFont { Message, Caption, SmallCaption, Menu, Status };
LOGFONTW SystemTextFont(SystemFont which);

}  // namespace fx
