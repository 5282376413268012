// The program's own window classes and the callback through which the skin library registers
// them at start-up and unregisters them at exit.
#pragma once

#include <windows.h>

// Registers one class through the skin library: CS_HREDRAW | CS_VREDRAW, the arrow cursor, no
// background brush, the given class procedure.
BOOL RegisterShellClass(LPCSTR lpszClassName, WNDPROC pfnWndProc);

// One class of the table: its C++ name (for the error text) and its two operations.
struct ShellClassEntry {
    LPCSTR lpszClassName;
    BOOL (*pfnRegister)();
    void (*pfnUnregister)();
};

// The five classes in registration order: CRibbonBar, CNavigation, CSlideCtrl, CShortCut,
// CSSAnimateCtrl.
const ShellClassEntry* ShellClassTable(int* pnCount);

// With a non-zero flag: registers the table's classes in order and stops at the first failure,
// which sets the skin library's error code to 2 and its error text to
// "Failed register <class>"; 1 when all were registered, else 0. With flag 0: unregisters them
// all in the same order; 1.
int RunShellClassTable(const ShellClassEntry* pTable, int nCount, int bRegister);

// The registration callback handed to LuLibAux::InitLuLib and UninitLuLib.
int RegisterShellControls(int bRegister);
