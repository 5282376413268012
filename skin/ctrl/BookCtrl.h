// CLuBookCtrl: a container of page windows of which one at a time is shown, under an optional
// title strip in the theme's caption look. Pages are made from create contexts or adopted from
// existing windows; commands go to the visible page first, and every message from 0x13FF up
// that the book does not handle itself goes on to its parent (page activation 0x1410, say).
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/CmdMsgPumper.h"
#include "skin/core/ControlBase.h"
#include "skin/core/CreateContext.h"
#include "skin/theme/GdiWrappers.h"

#include <memory>
#include <vector>

// Control style bits (low word of the window style).
#define LU_BOOK_NOTITLE 0x0001   // no title strip: pages fill the client area
#define LU_BOOK_HORZ 0x0010      // the title's gradient runs left to right
#define LU_BOOK_INACTIVE 0x0020  // the title in the inactive caption colours

// The first private message the book passes on to its parent when it does not handle it.
#define LU_WM_PASSON_FIRST 0x13FF

// One page.
struct LULIB_API _LuBookData {
    CString strTitle;
    CWnd* pWnd = nullptr;
    int bCustom = 0;  // the window object is the caller's (as CreateWnd reported)
};

class LULIB_API CLuBookCtrl : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CLuBookCtrl)
    LU_DECLARE_CONTROL(CLuBookCtrl, CWnd)
public:
    CLuBookCtrl();
    ~CLuBookCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

    // Adopts an existing window as a page (the window stays the caller's); returns its index.
    // The page stays hidden until selected.
    int AddPage(LPCSTR lpszTitle, CWnd* pPage);
    // Creates the page's window from the context, the book as its parent; -1 when no window
    // came of it (an object the book made is gone again, a caller's object is left alone).
    int CreatePage(LPCSTR lpszTitle, CLuCContext* pCtx);
    // Shows page nIndex and hides the previous one; the previous index, or -1 (and nothing
    // changes) for an invalid index.
    int SetCurSel(int nIndex);
    int GetCurSel() const;
    CWnd* GetCurPageWnd() const;
    int GetPageCount() const;
    // The page window, null for an invalid index.
    CWnd* operator[](int nIndex) const;
    // The page record; an empty record for an invalid index.
    _LuBookData& GetItemData(int nIndex);
    BOOL IsValidIndex(int nIndex) const;
    // Forget pages without touching their windows. The current index stays as it is.
    BOOL DeletePage(int nIndex);
    BOOL DeleteAllPages();
    // Destroy the pages' windows first (caller-owned objects are not deleted).
    // The spelling is part of the library's interface.
    BOOL DestoryPage(int nIndex);
    // The spelling is part of the library's interface.
    BOOL DestoryAllPages();

    virtual void PaintTitle(CDC& dc, const CRect& rc);
    // Title and, without a valid page, the empty page area.
    void PaintBook(CDC& dc);
    CRect GetTitleRect() const;
    CRect GetPageRect() const;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    // Messages from 0x13FF up that nothing here handled are answered by the parent.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();

private:
    BOOL HasBorder() const;
    void PositionPage();

    std::vector<std::unique_ptr<_LuBookData>> m_pages;
    int m_nTitleHeight = 30;
    int m_nCurSel = -1;
    CLuFont m_font;
    COLORREF m_clrShadow;
    COLORREF m_clrWindow;
    COLORREF m_clrWindow2;
    CLuCmdMsgPumper m_pumper;
    _LuBookData m_invalid;  // what GetItemData gives for an invalid index

    DECLARE_MESSAGE_MAP()
};
