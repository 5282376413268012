#include "skin/ctrl/ListBox.h"

#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/ctrl/ThemedFrame.h"

IMPLEMENT_DYNCREATE(CLuListBox, CListBox)
LU_IMPLEMENT_CONTROL(CLuListBox)
LU_DEFAULT_INITCTRL(CLuListBox)
LU_PROVIDE_LIBRARY_CLASS(CLuListBox, LU_ROW_LISTBOX, LuCtrlClassProc)

BEGIN_MESSAGE_MAP(CLuListBox, CListBox)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CLuListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    CLuCreateBlock block(this);
    return CreateEx(0, "LISTBOX", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID, &block);
}

void CLuListBox::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    luctrl::WidenForThinEdge(*this, lpncsp);
    Default();
}

void CLuListBox::OnNcPaint()
{
    Default();
    // A plain WS_BORDER of a list box is drawn by the platform.
    if (luctrl::HasExEdge(*this))
        luctrl::PaintThemedFrame(*this);
}

void CLuListBox::OnPaint()
{
    Default();
    if (GetStyle() & WS_BORDER)
        luctrl::PaintThemedFrame(*this);
}
