// CLuHyperLink ("luHyperLink"): a clickable, underlined link label. A click opens its URL with
// the shell, or, when the shell cannot, with the browser registered for ".htm"; a link with the
// notify style only tells its parent (message 0x1403, the control id in wParam).
#pragma once

#include "fx/win/Controls.h"
#include "fx/win/ImageList.h"
#include "skin/core/ControlBase.h"
#include "skin/theme/GdiWrappers.h"

// Control style: a click notifies the parent instead of opening the URL.
#define LU_HLS_NOTIFY 0x0002
// Sent to the parent of a link with the notify style when it is clicked (wParam: control id).
#define LU_WM_HYPERLINK_CLICKED (WM_USER + 0x1003)

class LULIB_API CLuHyperLink : public CWnd, public CLuControlBase {
    DECLARE_DYNCREATE(CLuHyperLink)
    LU_DECLARE_CONTROL(CLuHyperLink, CWnd)
public:
    CLuHyperLink();
    ~CLuHyperLink() override;

    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

    void SetLinkColor(COLORREF clr);
    void SetVisitedColor(COLORREF clr);
    void SetHoverColor(COLORREF clr);
    COLORREF GetLinkColor() const { return m_clrLink; }
    COLORREF GetVisitedColor() const { return m_clrVisited; }
    COLORREF GetHoverColor() const { return m_clrHover; }
    void SetVisited(BOOL bVisited = TRUE);
    BOOL GetVisited() const { return m_bVisited; }
    BOOL IsHovering() const { return m_bHover; }
    CString GetURL() const;
    // Stores the URL; with a window, resizes it to its text and shows the URL as its tip.
    void SetURL(CString strURL);
    // The link icon: nCount images cut side by side from the bitmap, clrMask transparent; a
    // null bitmap leaves no icon.
    void SetLinkIcon(CBitmap* pBitmap, UINT nCount, COLORREF clrMask);
    void SetLinkIcon(UINT nIDBitmap, UINT nCount, COLORREF clrMask);
    // Keeps the top-left corner; the width follows the text (and icon), the height the icon
    // when that is taller.
    void PositionWindow();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void PaintLink(CDC& dc);

    // ---- Opening a URL ----
    // The shell's "open", else the ".htm" browser started with the URL. TRUE when either
    // worked; otherwise *pnError is the shell's error code.
    static BOOL OpenURL(LPCSTR lpszURL, int nShowCmd, int* pnError);
    // The command line that starts the browser registered as strRegCommand for lpszURL: the
    // command up to its first quoted "%1" (else its first bare %1, else all of it), a blank,
    // and the URL, in quotes when a quoted "%1" was cut.
    static CString BrowserCommandLine(const CString& strRegCommand, LPCSTR lpszURL);
    // The default value of a registry key (any length); ERROR_SUCCESS when read.
    static LONG GetRegKey(HKEY hKey, LPCSTR lpszSubKey, CString& strValue);
    // "Unable to open hyperlink:\n\n" and the text for a shell error code.
    static CString ErrorText(int nError);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnCaptureChanged(CWnd* pWnd);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);

private:
    void MakeFont();
    void Repaint();
    void ReportError(int nError);
    BOOL InClient(CPoint pt) const;

    COLORREF m_clrLink;
    COLORREF m_clrVisited;
    COLORREF m_clrHover;
    BOOL m_bHover = FALSE;
    BOOL m_bVisited = FALSE;
    CString m_strURL;
    CLuFont m_font;
    CToolTipCtrl m_toolTip;
    HCURSOR m_hLinkCursor = nullptr;
    CImageList m_imageList;

    DECLARE_MESSAGE_MAP()
};
