// CLuPainter: the static drawing primitives that give every skinned window its look: colour
// arithmetic in percent, two-colour gradients, the glassy band fill, rounded rectangles whose
// corners are softened by blending neighbouring pixels, pixel-pattern glyphs, a drop shadow
// and text helpers. Everything draws into a CDC given by the caller, so the same code serves
// WM_PAINT, WM_PRINTCLIENT and memory bitmaps.
#pragma once

#include "fx/win/Gdi.h"
#include "skin/core/LuLibDefs.h"

#include <windows.h>

// Arrow direction as stored.
enum LUARROW { LUARROW_UP = 0, LUARROW_DOWN = 1, LUARROW_LEFT = 2, LUARROW_RIGHT = 3 };
// Gripper orientation: 0 a vertical item (horizontal ridges or a column of dots), else horizontal.
enum LUGRIPPER { LUGRIPPER_VERT = 0, LUGRIPPER_HORZ = 1 };
// The corner a blur step smooths.
enum LUBLUR { LUBLUR_TOPLEFT = 0, LUBLUR_TOPRIGHT = 1, LUBLUR_BOTTOMLEFT = 2, LUBLUR_BOTTOMRIGHT = 3 };
// Bands of the glassy fill: two (default), four, or two mirrored.
enum VITREOUS_STYLE { VITREOUS_DEFAULT = 0, VITREOUS_FOUR = 1, VITREOUS_MIRROR = 2 };

// Corner bits of the rounded-rectangle and button operations.
#define LU_CORNER_TL 0x0001
#define LU_CORNER_TR 0x0002
#define LU_CORNER_BL 0x0004
#define LU_CORNER_BR 0x0008

// Radio glyph state bits.
#define LU_RADIO_CHECKED 0x0001
#define LU_RADIO_HOT 0x0010
#define LU_RADIO_PRESSED 0x0030
#define LU_RADIO_DISABLED 0x1000

class LULIB_API CLuPainter {
public:
    typedef BOOL(WINAPI* PFNGRADIENTFILL)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    typedef BOOL(WINAPI* PFNALPHABLEND)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    typedef BOOL(WINAPI* PFNSETLAYEREDWINDOWATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);

    static HMODULE m_hMsImgDll;
    static PFNGRADIENTFILL m_pfnFastGradientFill;
    static PFNALPHABLEND m_pfnAlphaBlend;
    static BOOL m_bIsLowColorQuality;
    static COLORREF m_clrFocus;

    // ---- Set-up ----
    // Loads "msimg32.dll" once and takes its gradient and alpha entry points; notes a
    // low-colour screen. Without the library gradients fall back to line fills and alpha
    // blending is skipped.
    static void InitLuPainter();
    static void UnInitLuPainter();
    static void SetFocusColor(COLORREF clr);
    // 1 to 8 bits per pixel on pDC (the screen when null).
    static BOOL IsLowColorQuality(CDC* pDC);
    static BOOL IsSupportAlphaBlend();
    // Layered-window attributes through the User32 entry point looked up at run time;
    // FALSE when the system has none.
    static BOOL SetLayeredAttributes(HWND hWnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags);

    // ---- Colour arithmetic (percentages, integer division) ----
    static COLORREF LightColor(COLORREF clr, int nPercent);
    static COLORREF ShadowColor(COLORREF clr, int nPercent);
    static COLORREF BlendColors(COLORREF clrA, COLORREF clrB, int nPercentA);

    // ---- Fills and outlines (rectangles are half-open) ----
    static void DrawRect(CDC& dc, const CRect& rc, COLORREF clr);
    static void DrawFillRect(CDC& dc, const CRect& rc, COLORREF clrBorder, COLORREF clrFill);
    static void GradientFill(CDC& dc, const CRect& rc, COLORREF clrFrom, COLORREF clrTo, BOOL bHorz);
    static void DrawVitreousRect(CDC& dc, const CRect& rc, COLORREF clrA, COLORREF clrB,
                                 BOOL bHorzBands, int nReserved, VITREOUS_STYLE nStyle = VITREOUS_DEFAULT);
    static void DrawRoundRect(CDC& dc, const CRect& rc, COLORREF clr);
    static void DrawRoundRectEx(CDC& dc, const CRect& rc, COLORREF clr, WORD wCorners);
    static void BlurCornerPoints(CDC& dc, const CRect& rc, LUBLUR nCorner);
    static void DrawButtonRect(CDC& dc, const CRect& rc, COLORREF clrCorner, COLORREF clrOutline,
                               COLORREF clrLight, COLORREF clrDark, BOOL bPressed);
    static void DrawButtonRectEx(CDC& dc, const CRect& rc, COLORREF clrCorner, COLORREF clrOutline,
                                 COLORREF clrLight, COLORREF clrDark, BOOL bPressed, WORD wCorners);
    static void DrawShadowRect(CDC& dc, const CRect& rc, COLORREF clr);
    static void DrawLine(CDC& dc, POINT ptFrom, POINT ptTo, COLORREF clr);
    static void DrawAlphaLine(CDC& dc, POINT ptFrom, POINT ptTo, COLORREF clr, short nAlpha);
    static void DrawFocusRect(CDC& dc, const CRect& rc);
    static BOOL SetClipBoxRect(CDC& dc, const RECT& rc);
    static void AlphaBlend(CDC& dcDst, const CRect& rcDst, CDC& dcSrc, const CRect& rcSrc, BLENDFUNCTION bf);

    // ---- Glyphs: each drawn at its top-left point; the size operation centres it ----
    static CSize ArrowSize(LUARROW nKind);
    static void DrawArrow(CDC& dc, POINT pt, COLORREF clr, LUARROW nKind);
    static CSize DArrowSize(LUARROW nKind);
    static void DrawDArrow(CDC& dc, POINT pt, COLORREF clr, LUARROW nKind);
    static CSize CheckMarkSize();
    static void DrawCheckMark(CDC& dc, POINT pt, COLORREF clr);
    static CSize CloseMarkSize();
    static void DrawCloseMark(CDC& dc, POINT pt, COLORREF clr);
    static CSize ScrollBarGripperSize(LUGRIPPER nKind);
    static void DrawScrollBarGripper(CDC& dc, POINT pt, COLORREF clr, LUGRIPPER nKind);
    static CSize ToolBarGripperSize(int nCount, LUGRIPPER nKind);
    static void DrawToolBarGripper(CDC& dc, POINT pt, COLORREF clr, int nCount, LUGRIPPER nKind);
    static CSize StatusBarGripperSize();
    static void DrawStatusBarGripper(CDC& dc, POINT pt, COLORREF clr);
    static CSize RadioSize();
    static void DrawRadio(CDC& dc, POINT pt, UINT nState);
    static void DrawTopRound(CDC& dc, CPoint pt, COLORREF clr1, COLORREF clr2, BOOL bRight);

    // ---- Text ----
    static void DrawHorizText(CDC& dc, const CString& str, CRect& rc, BOOL bLeft);
    static int MakeShortString(CDC& dc, LPCSTR lpsz, CString& strOut, int nWidth);

    // Top-left point that centres an item of the given size in rc.
    static CPoint CenterPoint(const CRect& rc, CSize size);
};
