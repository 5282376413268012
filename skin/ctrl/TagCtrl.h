// CLuTagCtrl ("luTagCtrl"): a strip of tags (tabs) in the theme's tab look, one of them
// selected; each tag has a text, a tip and an optional image. Clicking a tag (or Left and
// Right with the focus) selects it and sends the parent WM_NOTIFY with TCN_SELCHANGE. The
// property sheet selects its pages with it.
#pragma once

#include "fx/win/Controls.h"
#include "fx/win/ImageList.h"
#include "skin/core/ControlBase.h"

#include <vector>

class LULIB_API CLuTagCtrl : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CLuTagCtrl)
    LU_DECLARE_CONTROL(CLuTagCtrl, CWnd)
public:
    CLuTagCtrl();
    ~CLuTagCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
    // Inserts a tag before nIndex (at the end when out of range); returns its index.
    int InsertItem(int nIndex, LPCSTR lpszText, LPCSTR lpszTip, int nImage = -1);
    BOOL DeleteItem(int nIndex);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    CString GetItemText(int nIndex) const;
    CString GetItemTip(int nIndex) const;
    int GetCurSel() const;
    // Selects without notifying; the previous selection, or -1 for an invalid index.
    int SetCurSel(int nIndex);
    // Images of cx x cy cut from a bitmap resource, clrMask transparent.
    BOOL LoadImageList(UINT nIDBitmap, CSize size, COLORREF clrMask);
    CRect GetItemRect(int nIndex) const;
    int HitTest(CPoint pt) const;

    void PaintTags(CDC& dc);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    BOOL PreTranslateMessage(MSG* pMsg) override;

private:
    struct Item {
        CString strText;
        CString strTip;
        int nImage;
    };
    void SelectAndNotify(int nIndex);
    void UpdateTips();

    std::vector<Item> m_items;
    int m_nCurSel = -1;
    CImageList m_images;
    CToolTipCtrl m_toolTip;
    int m_nTips = 0;  // tools registered with the tooltip, ids 1..m_nTips

    DECLARE_MESSAGE_MAP()
};
