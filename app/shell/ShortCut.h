// CShortCut ("ssShortCut"): a hover button for shortcuts. Entering it lights it and tells the
// parent (WM_USER + 0x1011, itself in wParam); a press and release inside it sends its command
// to the main window.
#pragma once

#include "fx/win/Gdi.h"
#include "fx/win/ImageList.h"
#include "skin/core/ControlBase.h"

#define SHORTCUT_CLASS "ssShortCut"
#define WM_SHORTCUT_HOVER (WM_USER + 0x1011)

class CShortCut : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CShortCut)
    LU_DECLARE_CONTROL(CShortCut, CWnd)
public:
    CShortCut() = default;

    static BOOL Register();
    static void Unregister();

    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
    // Images for the normal, hot and pressed states (as many as the list has).
    CImageList& GetImages() { return m_images; }

    BOOL IsHover() const { return m_bHover; }
    BOOL IsPressed() const { return m_bPressed; }

    void DrawButton(CDC& dc);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void Redraw();

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bHover = FALSE;
    BOOL m_bPressed = FALSE;
    CImageList m_images;
};
