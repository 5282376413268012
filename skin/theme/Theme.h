// The theme: every skinned element is drawn by one process-wide CLuTheme from its table of 17
// colours, two fonts and one brush. A control fills a drawing record with its rectangle, state
// and text and calls the theme's operation for its kind of element; exchanging the theme or
// rebuilding its colours re-skins every control.
#pragma once

#include "fx/core/String.h"
#include "fx/win/Gdi.h"
#include "skin/core/LuLibDefs.h"
#include "skin/theme/GdiWrappers.h"

#include <windows.h>

// Colour index meaning "the element's default colour".
#define LU_DEFAULT_COLOR_INDEX 17
// The explicit colour meaning "the element's default colour".
#define LU_DEFAULT_COLOR 0xFFFFFFFFu
// dwStyle bit: the button is the dialog's default push button.
#define LU_STYLE_DEFBUTTON 0x10000000u

// The colour table's entries.
enum {
    LUCLR_BASE = 0, LUCLR_LIGHTBASE, LUCLR_TEXT, LUCLR_FACE, LUCLR_BORDER, LUCLR_HIGHLIGHT,
    LUCLR_HOT, LUCLR_DEFRING, LUCLR_TEXT2, LUCLR_DISABLED, LUCLR_DISABLEDTEXT, LUCLR_TRACK,
    LUCLR_CHECK, LUCLR_FACE2, LUCLR_WINDOW, LUCLR_MENU, LUCLR_MENUBACK,
    LUCLR_COUNT
};

// What a control tells the theme about the element it wants drawn.
struct LULIB_API _LUDRAW_PARAM {
    RECT rect{0, 0, 0, 0};
    BOOL bEnabled = FALSE;
    BOOL bPressed = FALSE;
    BOOL bHot = FALSE;
    BOOL bHorz = FALSE;
    BOOL bTracking = FALSE;
    BOOL bFocus = FALSE;
    BOOL bItem = FALSE;
    DWORD dwStyle = 0;
    DWORD_PTR dwData = 0;   // holds a handle for push buttons, so pointer-sized
    DWORD_PTR dwData2 = 0;  // holds a brush handle for buttons and boxes
    CString strText;
    RECT rcText{0, 0, 0, 0};
    UINT nBkColor = LU_DEFAULT_COLOR_INDEX;
    COLORREF clrColor = LU_DEFAULT_COLOR;
};

class LULIB_API CLuTheme {
public:
    CLuTheme();
    virtual ~CLuTheme();
    CLuTheme(const CLuTheme&) = delete;
    CLuTheme& operator=(const CLuTheme&) = delete;

    // The built-in scheme: five inputs, two fixed colours, the rest derived.
    void DefaultColorTheme();
    CFont* GetThemeFont();
    CFont* GetThemeBoldFont();
    // The spelling "GetBntFaceBrush" is part of the library's interface.
    CBrush* GetBntFaceBrush();
    // nPointSize in points for the screen; the face name is cut to 31 bytes (whole characters).
    BOOL SetThemeFont(LPCSTR lpszFace, int nPointSize);
    BOOL SetThemeBoldFont(LPCSTR lpszFace, int nPointSize);

    virtual COLORREF GetThemeColor(UINT nIndex);
    virtual COLORREF SetThemeColor(UINT nIndex, COLORREF clr);
    // 0xFFFFFFFF for face, text, disabled or window keeps the colour already there.
    virtual void AutoBuildColorTheme(COLORREF clrBase, COLORREF clrFace, COLORREF clrText,
                                     COLORREF clrDisabled, COLORREF clrWindow);
    // Rebuilds the face brush and the painter's focus colour from the table as it is.
    virtual void BuildColorTheme();

    virtual void DrawScrollBarArrow(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawScrollBarTrack(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawScrollBarHandle(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawButton(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawGroupBox(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawCheckBox(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawRadioBox(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawFrameRect(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawClientRect(CDC& dc, _LUDRAW_PARAM& p);
    virtual void FillClient(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawComboBoxArrow(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawSplitter(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawTButton(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawTCloseButton(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawCaption(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawCaption2(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawAButton(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawCButton(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawSeparator(CDC& dc, _LUDRAW_PARAM& p);
    virtual void FillPadding(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawFramePadding(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawTab(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawNcStatusBar(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawStatusBarGripper(CDC& dc, _LUDRAW_PARAM& p);
    virtual void DrawText(CDC& dc, _LUDRAW_PARAM& p);

protected:
    // Colour nIndex unless the record asks for a specific one (nBkColor below 17).
    COLORREF BkColor(const _LUDRAW_PARAM& p, UINT nDefault) const;
    // Fills with the record's background brush (dwData2) or, without one, colour nDefault.
    void FillBackground(CDC& dc, const CRect& rc, const _LUDRAW_PARAM& p, UINT nDefault);
    // Two 1-pixel lines along the long edges: top and bottom rows when horizontal, else the
    // left and right columns.
    static void EdgeLines(CDC& dc, const CRect& rc, BOOL bHorz, COLORREF clr1, COLORREF clr2);
    void DrawBoxText(CDC& dc, _LUDRAW_PARAM& p, CRect rcText, UINT nColor);
    void RebuildFaceBrush();
    void Derive();
    BOOL MakeFont(CLuFont& font, LPCSTR lpszFace, int nPointSize, int nWeight);

    COLORREF m_clrTable[LUCLR_COUNT];
    CLuFont m_font;
    CLuFont m_boldFont;
    CLuBrush m_brFace;
};

// Owns the one theme of the process.
class LULIB_API CLuThemeManager {
public:
    static CLuThemeManager* Instance();
    CLuTheme* GetTheme();
    // Installs pTheme (the manager owns it now) and hands back the previous one to the caller.
    CLuTheme* SetTheme(CLuTheme* pTheme);

    CLuThemeManager(const CLuThemeManager&) = delete;
    CLuThemeManager& operator=(const CLuThemeManager&) = delete;

private:
    CLuThemeManager();
    ~CLuThemeManager();

    CLuTheme* m_pTheme;
};
