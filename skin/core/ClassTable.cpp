#include "skin/core/ClassTable.h"

#include "skin/core/LuLibAux.h"

namespace {

const LuClassRowInfo kRows[LU_ROW_COUNT] = {
    {LU_CLASS_NAME("ScrollBar"), LU_WNDCLASS_NAME("ScrollBar"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("TagCtrl"), LU_WNDCLASS_NAME("TagCtrl"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("BookCtrl"), LU_WNDCLASS_NAME("BookCtrl"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("TabCtrl"), LU_WNDCLASS_NAME("TabCtrl"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("Edit"), "EDIT", LU_CLASS_SUBCLASS, 0},
    {LU_CLASS_NAME("ComboBox"), "COMBOBOX", LU_CLASS_SUBCLASS, 0},
    {LU_CLASS_NAME("ListBox"), "LISTBOX", LU_CLASS_SUBCLASS, 0},
    {LU_CLASS_NAME("ListCtrl"), "SysListView32", LU_CLASS_CLASSPROC, 0x400},
    {LU_CLASS_NAME("Button"), "BUTTON", LU_CLASS_SUBCLASS, 0},
    {LU_CLASS_NAME("ClientWnd"), LU_WNDCLASS_NAME("ClientWnd"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("StatusBar"), LU_WNDCLASS_NAME("StatusBar"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("DockBar"), LU_WNDCLASS_NAME("DockBar"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("ToolBar"), LU_WNDCLASS_NAME("ToolBar"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("MenuBar"), LU_WNDCLASS_NAME("MenuBar"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("Menu"), LU_WNDCLASS_NAME("Menu"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("HyperLink"), LU_WNDCLASS_NAME("HyperLink"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("ScrollWnd"), LU_WNDCLASS_NAME("ScrollWnd"), LU_CLASS_NEW, 0},
    {LU_CLASS_NAME("TreeCtrl"), "SysTreeView32", LU_CLASS_CLASSPROC, 0x80},
    {LU_CLASS_NAME("RichEditCtrl"), "RICHEDIT", LU_CLASS_CLASSPROC, 0},
    {LU_CLASS_NAME("ShortcutCtrl"), LU_WNDCLASS_NAME("ShortcutCtrl"), LU_CLASS_NEW, 0},
};

// Constant-initialised, so classes may provide themselves from any file's static
// initialisation, in any order.
struct Provided {
    WNDPROC pfnProc;
    WNDPROC* ppfnOldProc;
};
Provided g_provided[LU_ROW_COUNT];

}  // namespace

const LuClassRowInfo& LuGetClassRow(int nRow) { return kRows[nRow - 1]; }

void LuProvideClass(int nRow, WNDPROC pfnProc, WNDPROC* ppfnOldProc)
{
    if (nRow >= 1 && nRow <= LU_ROW_COUNT)
        g_provided[nRow - 1] = Provided{pfnProc, ppfnOldProc};
}

BOOL LuIsClassProvided(int nRow)
{
    return nRow >= 1 && nRow <= LU_ROW_COUNT && g_provided[nRow - 1].pfnProc != nullptr;
}

void LuLibAux::RegisterLibraryClasses()
{
    HCURSOR hArrow = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    for (int row = 1; row <= LU_ROW_COUNT; ++row) {
        const LuClassRowInfo& info = kRows[row - 1];
        const Provided& p = g_provided[row - 1];
        if (p.pfnProc == nullptr)
            continue;  // not part of this build
        BOOL ok = FALSE;
        switch (info.nMode) {
        case LU_CLASS_NEW:
            ok = RegisterWndClass(CS_HREDRAW | CS_VREDRAW, hArrow, nullptr, info.lpszWndClass, p.pfnProc);
            break;
        case LU_CLASS_SUBCLASS:
            ok = RegisterCtrlClass(info.lpszWndClass, p.pfnProc, p.ppfnOldProc);
            break;
        case LU_CLASS_CLASSPROC:
            ok = RegisterCtrlClassEx(info.lpszWndClass, info.fAfxRegister, p.pfnProc, p.ppfnOldProc);
            break;
        }
        // Registration goes on after a failure; the text names the last one.
        if (!ok) {
            SetErrorCode(LU_ERR_REGISTER);
            SetErrorStr(CString("Failed register ") + info.lpszLibraryClass);
        }
    }
}

void LuUnregisterLibraryClasses()
{
    // Window classes live until the process ends, so there is nothing to undo per class.
}
