// The library's window classes in the order InitLuLib registers them. The table names every
// class; each class's own file provides its class procedure and previous-procedure slot with
// LU_PROVIDE_LIBRARY_CLASS, so the core registers exactly the classes the library contains.
#pragma once

#include "skin/core/LuLibDefs.h"

#include <windows.h>

enum LuClassMode {
    LU_CLASS_NEW,        // registered under its own name with the library's procedure
    LU_CLASS_SUBCLASS,   // a system class registered again with a new procedure
    LU_CLASS_CLASSPROC   // a common-control class whose class procedure is replaced
};

// Rows of the registration table.
enum LuClassRow {
    LU_ROW_SCROLLBAR = 1, LU_ROW_TAGCTRL, LU_ROW_BOOKCTRL, LU_ROW_TABCTRL, LU_ROW_EDIT,
    LU_ROW_COMBOBOX, LU_ROW_LISTBOX, LU_ROW_LISTCTRL, LU_ROW_BUTTON, LU_ROW_CLIENTWND,
    LU_ROW_STATUSBAR, LU_ROW_DOCKBAR, LU_ROW_TOOLBAR, LU_ROW_MENUBAR, LU_ROW_MENU,
    LU_ROW_HYPERLINK, LU_ROW_SCROLLWND, LU_ROW_TREECTRL, LU_ROW_RICHEDITCTRL, LU_ROW_SHORTCUTCTRL,
    LU_ROW_COUNT = LU_ROW_SHORTCUTCTRL
};

struct LuClassRowInfo {
    LPCSTR lpszLibraryClass;  // "CLuScrollBar": named in the error text when registration fails
    LPCSTR lpszWndClass;      // the window class name
    LuClassMode nMode;
    LONG fAfxRegister;        // class-proc rows: the common controls to register first
};

// The fixed part of row nRow (1-based).
LULIB_API const LuClassRowInfo& LuGetClassRow(int nRow);
// Records the procedure and slot of row nRow; called at load time by the class's own file.
LULIB_API void LuProvideClass(int nRow, WNDPROC pfnProc, WNDPROC* ppfnOldProc);
// Whether row nRow's class is part of this build.
LULIB_API BOOL LuIsClassProvided(int nRow);
// Runs each class's unregistration hook (classes themselves stay registered).
void LuUnregisterLibraryClasses();

// In a library class's .cpp: LU_PROVIDE_LIBRARY_CLASS(CLuEdit, LU_ROW_EDIT, LuCtrlClassProc)
#define LU_PROVIDE_LIBRARY_CLASS(theClass, row, procTemplate) \
    static const int luProvided_##theClass = \
        (LuProvideClass((row), &procTemplate<theClass>, &theClass::m_pfnLuClassOldProc), 0);
