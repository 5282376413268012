#include "fx/win/Gdi.h"

#include "fx/win/Text.h"
#include "fx/win/ThreadState.h"
#include "fx/win/WinApp.h"
#include "fx/win/Wnd.h"

#include <cstring>
#include <string>
#include <utility>

// ---- CGdiObject and kinds ----

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept
{
    if (this != &other) {
        DeleteObject();
        m_hObject = other.Detach();
    }
    return *this;
}

BOOL CGdiObject::Attach(HGDIOBJ h)
{
    if (m_hObject != nullptr || h == nullptr)
        return FALSE;
    m_hObject = h;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    HGDIOBJ h = Detach();
    return ::DeleteObject(h);
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectW(m_hObject, nCount, lpObject);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) { return Attach(::CreateHatchBrush(nIndex, crColor)); }
BOOL CBrush::CreatePatternBrush(HBITMAP hBitmap) { return Attach(::CreatePatternBrush(hBitmap)); }

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    if (lpLogFont == nullptr)
        return FALSE;
    LOGFONTW lf{};
    static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(LOGFONTW, lfFaceName), "LOGFONT layout");
    std::memcpy(&lf, lpLogFont, offsetof(LOGFONTA, lfFaceName));
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, lpLogFont->lfFaceName, LF_FACESIZE);
    const std::wstring wide = fx::ToWide(face);
    wcsncpy(lf.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont)
{
    return lpLogFont != nullptr && Attach(::CreateFontIndirectW(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCSTR lpszFacename)
{
    return Attach(::CreateFontW(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                nQuality, nPitchAndFamily, fx::WideArg(lpszFacename)));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, HDC hDC)
{
    HDC hScreen = hDC != nullptr ? hDC : ::GetDC(nullptr);
    const int height = -MulDiv(nPointSize, ::GetDeviceCaps(hScreen, LOGPIXELSY), 720);
    if (hDC == nullptr)
        ::ReleaseDC(nullptr, hScreen);
    return CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, lpszFaceName);
}

BOOL CFont::GetLogFont(LOGFONTW* pLogFont) const
{
    return GetObject(sizeof(LOGFONTW), pLogFont) == static_cast<int>(sizeof(LOGFONTW));
}

BOOL CFont::GetLogFont(LOGFONTA* pLogFont) const
{
    LOGFONTW lf{};
    if (!GetLogFont(&lf))
        return FALSE;
    std::memcpy(pLogFont, &lf, offsetof(LOGFONTA, lfFaceName));
    const CString face = fx::ToGbk(lf.lfFaceName);
    fx::CopyToBuffer(face, pLogFont->lfFaceName, LF_FACESIZE);
    return TRUE;
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    return Attach(::LoadImageW(AfxGetResourceHandle(), fx::WideArg(lpszResourceName), IMAGE_BITMAP,
                               0, 0, LR_CREATEDIBSECTION));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDIBSection32(int nWidth, int nHeight, void** ppBits)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight;  // top-down: row 0 first
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP h = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (ppBits != nullptr)
        *ppBits = h != nullptr ? bits : nullptr;
    return Attach(h);
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }

CSize CBitmap::GetSize() const
{
    BITMAP bm{};
    if (!GetBitmap(&bm))
        return CSize();
    return CSize(bm.bmWidth, bm.bmHeight);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateRectRgn(x1, y1, x2, y2)); }
BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }
BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}
BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateEllipticRgn(x1, y1, x2, y2)); }
BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode)
{
    return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
}
int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    return ::CombineRgn(*this, pRgn1 != nullptr ? static_cast<HRGN>(*pRgn1) : nullptr,
                        pRgn2 != nullptr ? static_cast<HRGN>(*pRgn2) : nullptr, nCombineMode);
}
int CRgn::CopyRgn(const CRgn* pRgnSrc) { return ::CombineRgn(*this, *pRgnSrc, nullptr, RGN_COPY); }
void CRgn::SetRectRgn(LPCRECT r) { ::SetRectRgn(*this, r->left, r->top, r->right, r->bottom); }
int CRgn::OffsetRgn(int x, int y) { return ::OffsetRgn(*this, x, y); }
BOOL CRgn::PtInRegion(POINT point) const { return ::PtInRegion(*this, point.x, point.y); }
BOOL CRgn::EqualRgn(const CRgn* pRgn) const { return ::EqualRgn(*this, *pRgn); }
int CRgn::GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox(*this, lpRect); }

// ---- CDC ----

CDC::~CDC() { DeleteDC(); }

CDC::CDC(CDC&& other) noexcept : m_hDC(other.m_hDC), m_bOwned(other.m_bOwned)
{
    other.m_hDC = nullptr;
    other.m_bOwned = false;
}

CDC& CDC::operator=(CDC&& other) noexcept
{
    if (this != &other) {
        DeleteDC();
        m_hDC = std::exchange(other.m_hDC, nullptr);
        m_bOwned = std::exchange(other.m_bOwned, false);
    }
    return *this;
}

BOOL CDC::Attach(HDC hDC)
{
    if (m_hDC != nullptr || hDC == nullptr)
        return FALSE;
    m_hDC = hDC;
    m_bOwned = false;
    return TRUE;
}

HDC CDC::Detach()
{
    m_bOwned = false;
    return std::exchange(m_hDC, nullptr);
}

BOOL CDC::CreateCompatibleDC(HDC hDC)
{
    if (m_hDC != nullptr)
        return FALSE;
    m_hDC = ::CreateCompatibleDC(hDC);
    m_bOwned = m_hDC != nullptr;
    return m_hDC != nullptr;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    const bool owned = m_bOwned;
    HDC h = Detach();
    return owned ? ::DeleteDC(h) : TRUE;
}

HGDIOBJ CDC::SelectObject(CGdiObject* pObject)
{
    return pObject != nullptr ? ::SelectObject(m_hDC, pObject->GetSafeHandle()) : nullptr;
}
HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) { return hObject != nullptr ? ::SelectObject(m_hDC, hObject) : nullptr; }
HGDIOBJ CDC::SelectStockObject(int nIndex) { return ::SelectObject(m_hDC, ::GetStockObject(nIndex)); }
int CDC::SelectClipRgn(const CRgn* pRgn)
{
    return ::SelectClipRgn(m_hDC, pRgn != nullptr ? static_cast<HRGN>(*pRgn) : nullptr);
}
int CDC::SelectClipRgn(const CRgn* pRgn, int nMode)
{
    return ::ExtSelectClipRgn(m_hDC, pRgn != nullptr ? static_cast<HRGN>(*pRgn) : nullptr, nMode);
}
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) { return ::IntersectClipRect(m_hDC, x1, y1, x2, y2); }
int CDC::IntersectClipRect(LPCRECT r) { return IntersectClipRect(r->left, r->top, r->right, r->bottom); }
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) { return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2); }
int CDC::ExcludeClipRect(LPCRECT r) { return ExcludeClipRect(r->left, r->top, r->right, r->bottom); }
int CDC::GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }
int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }

COLORREF CDC::SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
COLORREF CDC::SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
int CDC::SetMapMode(int nMapMode) { return ::SetMapMode(m_hDC, nMapMode); }
int CDC::GetMapMode() const { return ::GetMapMode(m_hDC); }
int CDC::SetROP2(int nDrawMode) { return ::SetROP2(m_hDC, nDrawMode); }
int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT old{};
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return old;
}
CPoint CDC::GetWindowOrg() const
{
    POINT p{};
    ::GetWindowOrgEx(m_hDC, &p);
    return p;
}
CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT old{};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return old;
}
CPoint CDC::GetViewportOrg() const
{
    POINT p{};
    ::GetViewportOrgEx(m_hDC, &p);
    return p;
}
CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    POINT old{};
    ::OffsetViewportOrgEx(m_hDC, dx, dy, &old);
    return old;
}
void CDC::LPtoDP(LPPOINT p, int n) const { ::LPtoDP(m_hDC, p, n); }
void CDC::DPtoLP(LPPOINT p, int n) const { ::DPtoLP(m_hDC, p, n); }
void CDC::LPtoDP(LPSIZE lpSize) const
{
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::LPtoDP(m_hDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}
HGDIOBJ CDC::GetCurrentObject(UINT uObjectType) const { return ::GetCurrentObject(m_hDC, uObjectType); }

COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }
BOOL CDC::SetPixelV(int x, int y, COLORREF c) { return ::SetPixelV(m_hDC, x, y, c); }
CPoint CDC::MoveTo(int x, int y)
{
    POINT old{};
    ::MoveToEx(m_hDC, x, y, &old);
    return old;
}
BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::Polyline(const POINT* p, int n) { return ::Polyline(m_hDC, p, n); }
BOOL CDC::Polygon(const POINT* p, int n) { return ::Polygon(m_hDC, p, n); }
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) { return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3); }
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
void CDC::FillRect(LPCRECT r, HBRUSH hBrush) { ::FillRect(m_hDC, r, hBrush); }

void CDC::FillSolidRect(LPCRECT r, COLORREF clr)
{
    // ExtTextOut with an opaque rectangle fills without creating a brush.
    const COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, r, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    const RECT r{x, y, x + cx, y + cy};
    FillSolidRect(&r, clr);
}

void CDC::FrameRect(LPCRECT r, HBRUSH hBrush) { ::FrameRect(m_hDC, r, hBrush); }

void CDC::Draw3dRect(LPCRECT r, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

void CDC::DrawFocusRect(LPCRECT r) { ::DrawFocusRect(m_hDC, r); }
BOOL CDC::DrawEdge(LPRECT r, UINT nEdge, UINT nFlags) { return ::DrawEdge(m_hDC, r, nEdge, nFlags); }
BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
BOOL CDC::DrawIconEx(int x, int y, HICON hIcon, int cx, int cy)
{
    return ::DrawIconEx(m_hDC, x, y, hIcon, cx, cy, 0, nullptr, DI_NORMAL);
}
BOOL CDC::DrawState(POINT pt, SIZE size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_ICON);
}
BOOL CDC::DrawState(POINT pt, SIZE size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y, size.cx,
                        size.cy, nFlags | DST_BITMAP);
}
BOOL CDC::FillRgn(const CRgn* pRgn, HBRUSH hBrush) { return ::FillRgn(m_hDC, *pRgn, hBrush); }
BOOL CDC::FrameRgn(const CRgn* pRgn, HBRUSH hBrush, int w, int h) { return ::FrameRgn(m_hDC, *pRgn, hBrush, w, h); }
BOOL CDC::PatBlt(int x, int y, int w, int h, DWORD rop) { return ::PatBlt(m_hDC, x, y, w, h, rop); }
BOOL CDC::BitBlt(int x, int y, int w, int h, HDC src, int xs, int ys, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, w, h, src, xs, ys, rop);
}
BOOL CDC::StretchBlt(int x, int y, int w, int h, HDC src, int xs, int ys, int ws, int hs, DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, w, h, src, xs, ys, ws, hs, rop);
}

BOOL CDC::TextOut(int x, int y, LPCSTR s, int nCount)
{
    const std::wstring w = fx::ToWide(s, nCount);
    return ::TextOutW(m_hDC, x, y, w.c_str(), static_cast<int>(w.size()));
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR s, int nCount)
{
    const std::wstring w = fx::ToWide(s, nCount);
    return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

int CDC::DrawText(LPCSTR s, int nCount, LPRECT lpRect, UINT nFormat)
{
    std::wstring w = fx::ToWide(s, nCount);
    // The wide copy is ours, so DT_MODIFYSTRING could not hand a change back: drop it.
    nFormat &= ~static_cast<UINT>(DT_MODIFYSTRING);
    return ::DrawTextW(m_hDC, w.data(), static_cast<int>(w.size()), lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText(str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCSTR s, int nCount) const
{
    const std::wstring w = fx::ToWide(s, nCount);
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(m_hDC, w.c_str(), static_cast<int>(w.size()), &size);
    return size;
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICW lpMetrics) const { return ::GetTextMetricsW(m_hDC, lpMetrics); }

// ---- DCs tied to a window ----

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    const MSG& current = fx::detail::State().lastSent;
    if (current.message == WM_PRINTCLIENT && current.hwnd == m_hWnd) {
        m_bPrinting = TRUE;
        Attach(reinterpret_cast<HDC>(current.wParam));
        m_ps.hdc = m_hDC;
        ::GetClientRect(m_hWnd, &m_ps.rcPaint);
        m_ps.fErase = FALSE;
        return;
    }
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    Detach();
    if (!m_bPrinting)
        ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    HDC h = Detach();
    if (h != nullptr)
        ::ReleaseDC(m_hWnd, h);
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr)
{
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    HDC h = Detach();
    if (h != nullptr)
        ::ReleaseDC(m_hWnd, h);
}
