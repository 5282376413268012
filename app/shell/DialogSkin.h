// A dialog window made without the framework (the command layer's progress window, on the
// system's dialog procedure) gets the skinned caption band and border of every dialog of the
// program: a library dialog object takes the window over for the rest of its life.
#pragma once

#include <windows.h>

// TRUE when the window wears the skin from now on.
bool SkinDialogWindow(HWND hDlg);
