// CNavigation ("ssiNavigation"): the pane that lists the workspace's pages, one item each,
// stacked from the top. Selecting an item tells the owner (WM_USER + 0x1010 with the page number
// and the page). The program keeps it as an object inside the workspace and creates no window.
#pragma once

#include "fx/win/Gdi.h"
#include "skin/core/ControlBase.h"

#include <vector>

#define NAVIGATION_CLASS "ssiNavigation"
#define WM_ACTIVATE_PAGE (WM_USER + 0x1010)

class CNavigation : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CNavigation)
    LU_DECLARE_CONTROL(CNavigation, CWnd)
public:
    enum {
        ITEM_HEIGHT = 40,
        INDENT_ITEM_HEIGHT = 30,
        ITEM_WIDTH = 187
    };

    struct Item {
        int nImage = -1;
        CString strText;
        int nPage = 0;
        BOOL bIndent = FALSE;
        CWnd* pOwner = nullptr;
        void* pPage = nullptr;
        BOOL bVisible = TRUE;
        CRect rect;
    };

    CNavigation() = default;

    static BOOL Register();
    static void Unregister();

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

    // Appends an item below the previous one; its index.
    int AddItem(int nImage, LPCSTR lpszText, int nPage, BOOL bIndent, CWnd* pOwner, void* pPage,
                BOOL bVisible = TRUE);
    // An index outside the list, the selected one, or an item that is hidden or has no page
    // changes nothing; otherwise both items repaint and the owner is told. TRUE when it changed.
    BOOL SelectItem(int nIndex);
    int GetCurSel() const { return m_nSel; }
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    const Item& GetItem(int nIndex) const { return m_items[nIndex]; }

    void DrawItems(CDC& dc);

protected:
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void InvalidateItem(int nIndex);

    DECLARE_MESSAGE_MAP()

private:
    std::vector<Item> m_items;
    int m_nSel = -1;
};
