// Process-wide state of the command layer: the online flag, the counter of counted commands of a
// scene restore and the input type last chosen by the operator. Plain integers without locks: the
// user-interface thread and the one progress worker never touch them at the same time, because the
// progress window is modal.
#pragma once

#include "fx/core/Exception.h"  // MB_OK and MB_ICONEXCLAMATION on the native build
#include "fx/seam/Win32Seam.h"

// 1 online (the initial value), 0 offline. While 0, the progress runner reports success without
// running anything.
extern int g_nOnline;
// Reset when a scene restore starts; one more after each device call of a counted command.
extern int g_nCommandCount;
// The input type last chosen by an input-selection action (2 VGA, 3 CVBS, 6 DVI); picks the matrix
// of "切换矩阵通道".
extern int g_nCurrentInputType;

// Most commands the device stores for one preset scene.
const int MAX_PRESET_COMMANDS = 270;

// How the command layer shows the one message it shows itself (the preset-size warning; every other
// failure is shown by the caller). The default is a plain message box captioned "TaveloPro" on
// Windows and a line on stderr natively; tests install a recorder. Returns the previous procedure.
typedef void (*CommandMessageProc)(LPCSTR lpszText, UINT nType);
CommandMessageProc SetCommandMessageProc(CommandMessageProc proc);
void ShowCommandMessage(LPCSTR lpszText, UINT nType);
