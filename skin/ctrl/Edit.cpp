#include "skin/ctrl/Edit.h"

#include "skin/core/ClassTable.h"
#include "skin/core/CreateContext.h"
#include "skin/ctrl/ThemedFrame.h"

IMPLEMENT_DYNCREATE(CLuEdit, CEdit)
LU_IMPLEMENT_CONTROL(CLuEdit)
LU_DEFAULT_INITCTRL(CLuEdit)
LU_PROVIDE_LIBRARY_CLASS(CLuEdit, LU_ROW_EDIT, LuCtrlClassProc)

BEGIN_MESSAGE_MAP(CLuEdit, CEdit)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CLuEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    CLuCreateBlock block(this);
    return CreateEx(0, "EDIT", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID, &block);
}

void CLuEdit::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    luctrl::WidenForThinEdge(*this, lpncsp);
    Default();
}

void CLuEdit::OnNcPaint()
{
    Default();
    if (luctrl::HasAnyEdge(*this))
        luctrl::PaintThemedFrame(*this);
}

void CLuEdit::OnPaint()
{
    Default();
    if (GetStyle() & WS_BORDER)
        luctrl::PaintThemedFrame(*this);
}
