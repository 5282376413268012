// CLuEdit: every "EDIT" of the process: the platform's edit field with the theme's one-pixel
// frame in place of its edges. Text, caret and selection stay the platform's.
#pragma once

#include "fx/win/Controls.h"
#include "skin/core/ControlBase.h"

class LULIB_API CLuEdit : public CEdit, public CLuControlBase {
    DECLARE_DYNCREATE(CLuEdit)
    LU_DECLARE_CONTROL(CLuEdit, CEdit)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

protected:
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};
