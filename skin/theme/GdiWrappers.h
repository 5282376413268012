// Thin owning wrappers around device contexts and GDI objects for one scope of drawing: each
// releases what it holds in its destructor, and the DC wrappers put back what they changed.
// They are move-free and copy-free on purpose: a drawing scope owns them outright. Every
// operation is defined in the library, so the program reaches each through the export table.
#pragma once

#include "fx/win/Gdi.h"
#include "skin/core/LuLibDefs.h"

#include <windows.h>

#include <vector>

class LULIB_API CLuBitmap : public CBitmap {
public:
    CLuBitmap();
    ~CLuBitmap() override;  // the bitmap goes with its owner
    CLuBitmap(const CLuBitmap&) = delete;
    CLuBitmap& operator=(const CLuBitmap&) = delete;
};

class LULIB_API CLuCompatibleBitmap : public CLuBitmap {
public:
    CLuCompatibleBitmap(CDC& dc, int cx, int cy);
    ~CLuCompatibleBitmap() override;
};

// A memory DC compatible with another, with an owned cx x cy bitmap selected into it.
class LULIB_API CLuCompatibleDC : public CDC {
public:
    CLuCompatibleDC(CDC& dc, int cx, int cy);
    // Re-selects the bitmap it replaced, deletes the DC, then the bitmap.
    ~CLuCompatibleDC() override;
    CLuCompatibleDC(const CLuCompatibleDC&) = delete;
    CLuCompatibleDC& operator=(const CLuCompatibleDC&) = delete;

    CLuBitmap* GetBitmap();

private:
    CLuCompatibleBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
};

// A DC object over a handle the caller keeps: attached here, detached (never released) at the end.
class LULIB_API CLuAttachDC : public CDC {
public:
    explicit CLuAttachDC(HDC hDC);
    ~CLuAttachDC() override;
    CLuAttachDC(const CLuAttachDC&) = delete;
    CLuAttachDC& operator=(const CLuAttachDC&) = delete;
};

// Clips a DC to a rectangle for one scope and restores the clipping it found.
class LULIB_API CLuClipDC : public CLuAttachDC {
public:
    CLuClipDC(CDC& dc, RECT* pRect);
    ~CLuClipDC() override;

private:
    CRect m_rcSaved;
    BOOL m_bSaved = FALSE;
};

class LULIB_API CLuPen : public CPen {
public:
    explicit CLuPen(COLORREF clr);
    CLuPen(int nStyle, int nWidth, COLORREF clr);
    ~CLuPen() override;
    CLuPen(const CLuPen&) = delete;
    CLuPen& operator=(const CLuPen&) = delete;
    COLORREF Color() const;
};

class LULIB_API CLuFont : public CFont {
public:
    CLuFont();
    ~CLuFont() override;
    CLuFont(const CLuFont&) = delete;
    CLuFont& operator=(const CLuFont&) = delete;
};

class LULIB_API CLuBrush : public CBrush {
public:
    CLuBrush();
    ~CLuBrush() override;
    CLuBrush(const CLuBrush&) = delete;
    CLuBrush& operator=(const CLuBrush&) = delete;
};

// An ordered list of rectangles written in one pass and read back in another.
class LULIB_API CLuRectRgn {
public:
    CLuRectRgn();
    ~CLuRectRgn();

    void BeginSetRect();
    BOOL SetRect(RECT* pRect);
    void EndSetRect();
    void BeginGetRect();
    BOOL GetRect(RECT* pRect);
    void EndGetRect();

private:
    std::vector<RECT> m_rects;
    size_t m_nCursor = 0;
};
