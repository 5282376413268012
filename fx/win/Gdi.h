// Device contexts and GDI objects. Each object owns the handle it holds and deletes it when it
// goes (move-only, never copied); selections are undone by CScopedSelect at the end of a scope,
// so no pen, brush, font or bitmap stays selected into a DC that outlives it. Text goes through
// the W functions, converted from GBK.
#pragma once

#include "fx/core/String.h"
#include "fx/win/Types.h"

#include <windows.h>

class CWnd;

// Owner of one GDI object handle (pen, brush, font, bitmap, region).
class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }  // NOLINT: hands the handle to the system
    // Takes ownership of h (FALSE when this object already holds one).
    BOOL Attach(HGDIOBJ h);
    // Gives the handle back without deleting it.
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const;

    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }  // NOLINT
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    BOOL CreatePatternBrush(HBITMAP hBitmap);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
};

class CFont : public CGdiObject {
public:
    // The face name of a LOGFONTA is GBK.
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                    BYTE nPitchAndFamily, LPCSTR lpszFacename);
    // nPointSize in tenths of a point, for the screen (or pDC) resolution.
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, HDC hDC = nullptr);
    BOOL GetLogFont(LOGFONTA* pLogFont) const;
    BOOL GetLogFont(LOGFONTW* pLogFont) const;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }  // NOLINT
};

class CBitmap : public CGdiObject {
public:
    // A bitmap resource of the resource module (palette-free: loaded as a DIB section).
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight);
    // A top-down 32-bit DIB section whose pixels (0x00RRGGBB) the caller may read and write.
    BOOL CreateDIBSection32(int nWidth, int nHeight, void** ppBits = nullptr);
    int GetBitmap(BITMAP* pBitMap) const;
    CSize GetSize() const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
};

class CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
    // Region operations on existing regions (this one must exist): RGN_AND, RGN_OR, ...
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
    int CopyRgn(const CRgn* pRgnSrc);
    void SetRectRgn(LPCRECT lpRect);
    int OffsetRgn(int x, int y);
    BOOL PtInRegion(POINT point) const;
    BOOL EqualRgn(const CRgn* pRgn) const;
    int GetRgnBox(LPRECT lpRect) const;
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }  // NOLINT
};

// A device context. Attached handles stay the caller's; a DC this object made itself
// (CreateCompatibleDC) is deleted with it. The paint, client and window DCs below release
// theirs the way they were obtained.
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(CDC&& other) noexcept;
    CDC& operator=(CDC&& other) noexcept;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }  // NOLINT: hands the handle to the system
    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL CreateCompatibleDC(HDC hDC);
    BOOL DeleteDC();

    // Selection. Returns the object that was selected before; prefer CScopedSelect.
    HGDIOBJ SelectObject(CGdiObject* pObject);
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    HGDIOBJ SelectStockObject(int nIndex);
    int SelectClipRgn(const CRgn* pRgn);
    int SelectClipRgn(const CRgn* pRgn, int nMode);
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect);
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT lpRect);
    int GetClipBox(LPRECT lpRect) const;
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);

    // Attributes.
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    int SetBkMode(int nBkMode);
    int SetMapMode(int nMapMode);
    int GetMapMode() const;
    int SetROP2(int nDrawMode);
    int GetDeviceCaps(int nIndex) const;
    CPoint SetWindowOrg(int x, int y);
    CPoint GetWindowOrg() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const;
    CPoint OffsetViewportOrg(int dx, int dy);
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
    void LPtoDP(LPSIZE lpSize) const;
    HGDIOBJ GetCurrentObject(UINT uObjectType) const;

    // Drawing.
    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    BOOL SetPixelV(int x, int y, COLORREF crColor);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    BOOL Polyline(const POINT* lpPoints, int nCount);
    BOOL Polygon(const POINT* lpPoints, int nCount);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    void FillRect(LPCRECT lpRect, HBRUSH hBrush);
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void FrameRect(LPCRECT lpRect, HBRUSH hBrush);
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void DrawFocusRect(LPCRECT lpRect);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    BOOL DrawIconEx(int x, int y, HICON hIcon, int cx, int cy);
    // An icon or bitmap in a state (DSS_DISABLED for disabled images).
    BOOL DrawState(POINT pt, SIZE size, HICON hIcon, UINT nFlags, HBRUSH hBrush = nullptr);
    BOOL DrawState(POINT pt, SIZE size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush = nullptr);
    BOOL FillRgn(const CRgn* pRgn, HBRUSH hBrush);
    BOOL FrameRgn(const CRgn* pRgn, HBRUSH hBrush, int nWidth, int nHeight);
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, HDC hSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, HDC hSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);

    // Text, GBK. nCount -1: up to the terminator.
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount = -1);
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, int nCount = -1);
    // Returns the height of the text; with DT_CALCRECT the rectangle is set to the text's extent.
    int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    CSize GetTextExtent(LPCSTR lpszString, int nCount = -1) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
    BOOL GetTextMetrics(LPTEXTMETRICW lpMetrics) const;

    HDC m_hDC = nullptr;

protected:
    bool m_bOwned = false;  // made by this object: DeleteDC when it goes
};

// The DC of a WM_PAINT. When the message being handled is WM_PRINTCLIENT it is the DC that
// message carries (the whole client area is "invalid" then), so one paint handler serves the
// screen and PrintWindow alike.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    CPaintDC(CPaintDC&&) = delete;

    PAINTSTRUCT m_ps{};
    // TRUE when painting for WM_PRINTCLIENT into the caller's DC.
    BOOL m_bPrinting = FALSE;

private:
    HWND m_hWnd;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;
    CClientDC(CClientDC&&) = delete;

private:
    HWND m_hWnd;
};

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;
    CWindowDC(CWindowDC&&) = delete;

private:
    HWND m_hWnd;
};

// Selects an object into a DC for one scope and puts back what was there before.
class CScopedSelect {
public:
    CScopedSelect(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObject)) {}
    CScopedSelect(CDC& dc, const CGdiObject& object) : CScopedSelect(dc.GetSafeHdc(), object.GetSafeHandle()) {}
    ~CScopedSelect()
    {
        if (m_hOld != nullptr && m_hOld != HGDI_ERROR)
            ::SelectObject(m_hDC, m_hOld);
    }
    CScopedSelect(const CScopedSelect&) = delete;
    CScopedSelect& operator=(const CScopedSelect&) = delete;
    HGDIOBJ Previous() const { return m_hOld; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// Saves a DC's whole state for one scope (clip region, origins, modes, selections).
class CScopedSaveDC {
public:
    explicit CScopedSaveDC(HDC hDC) : m_hDC(hDC), m_nSaved(::SaveDC(hDC)) {}
    ~CScopedSaveDC()
    {
        if (m_nSaved != 0)
            ::RestoreDC(m_hDC, m_nSaved);
    }
    CScopedSaveDC(const CScopedSaveDC&) = delete;
    CScopedSaveDC& operator=(const CScopedSaveDC&) = delete;

private:
    HDC m_hDC;
    int m_nSaved;
};
