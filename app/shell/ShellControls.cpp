#include "app/shell/ShellControls.h"

#include "app/shell/AnimateCtrl.h"
#include "app/shell/Navigation.h"
#include "app/shell/RibbonBar.h"
#include "app/shell/ShortCut.h"
#include "app/shell/SlideCtrl.h"
#include "skin/core/LuLibAux.h"

BOOL RegisterShellClass(LPCSTR lpszClassName, WNDPROC pfnWndProc)
{
    HCURSOR hArrow = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    return LuLibAux::RegisterWndClass(CS_HREDRAW | CS_VREDRAW, hArrow, nullptr, lpszClassName, pfnWndProc);
}

const ShellClassEntry* ShellClassTable(int* pnCount)
{
    static const ShellClassEntry table[] = {
        {"CRibbonBar", &CRibbonBar::Register, &CRibbonBar::Unregister},
        {"CNavigation", &CNavigation::Register, &CNavigation::Unregister},
        {"CSlideCtrl", &CSlideCtrl::Register, &CSlideCtrl::Unregister},
        {"CShortCut", &CShortCut::Register, &CShortCut::Unregister},
        {"CSSAnimateCtrl", &CSSAnimateCtrl::Register, &CSSAnimateCtrl::Unregister},
    };
    if (pnCount)
        *pnCount = static_cast<int>(sizeof(table) / sizeof(table[0]));
    return table;
}

int RunShellClassTable(const ShellClassEntry* pTable, int nCount, int bRegister)
{
    if (!bRegister) {
        for (int i = 0; i < nCount; ++i)
            pTable[i].pfnUnregister();
        return 1;
    }
    for (int i = 0; i < nCount; ++i) {
        if (!pTable[i].pfnRegister()) {
            CString text("Failed register ");
            text += pTable[i].lpszClassName;
            LuLibAux::SetErrorCode(LU_ERR_REGISTER);
            LuLibAux::SetErrorStr(text);
            return 0;
        }
    }
    return 1;
}

int RegisterShellControls(int bRegister)
{
    int nCount = 0;
    const ShellClassEntry* pTable = ShellClassTable(&nCount);
    return RunShellClassTable(pTable, nCount, bRegister);
}
