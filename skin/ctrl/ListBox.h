// CLuListBox: every "LISTBOX" of the process: the platform's list box with the theme's
// one-pixel frame in place of its edges. Items, selection and scrolling stay the platform's.
#pragma once

#include "fx/win/Controls.h"
#include "skin/core/ControlBase.h"

class LULIB_API CLuListBox : public CListBox, public CLuControlBase {
    DECLARE_DYNCREATE(CLuListBox)
    LU_DECLARE_CONTROL(CLuListBox, CListBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

protected:
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};
