// What every gallery page needs to leave a picture of itself: 32-bit top-down bitmap files taken
// from a drawn section, from a device context (a window's own) or from the screen, and a pump
// that returns once the page has painted.
#pragma once

#include "fx/win/Gdi.h"

#include <windows.h>

namespace gallery {

// Writes cx x cy top-down 32-bit pixels as a .bmp file; false when the file cannot be written.
bool WriteBitmapFile(const void* pBits, int cx, int cy, const char* path);
// Copies cx x cy pixels at (x, y) of hSource into a bitmap file.
bool SaveDcRect(HDC hSource, int x, int y, int cx, int cy, const char* path);
// Copies a rectangle of the screen (what is shown there, menus on top included).
bool SaveScreenRect(const CRect& rc, const char* path);
// Copies a window as its own window DC holds it, non-client area included.
bool SaveWindowDc(HWND hWnd, const char* path);
// Dispatches what is queued until the queue stays empty for 300 ms (at most 10 s): painted.
void PumpUntilQuiet();

}  // namespace gallery
