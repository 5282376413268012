// The skinned caption band, caption buttons and border that every captioned dialog draws in its
// non-client area, with the main frame's metrics and colours: a 25-pixel band (23 pixels below a
// 2-pixel border) filled with the glassy gradient of theme colour 1, the class icon and the
// bold caption text, close / maximise / minimise buttons at the right end, and a two-pixel
// border (theme colours 0 and 5) with rounded top corners. Everything is in window coordinates.
//
// The caption buttons are windowless: the host forwards its mouse messages in window
// coordinates and implements ILuWinSink (capture, repaint, click, cursor position).
#pragma once

#include "fx/win/Wnd.h"
#include "skin/core/WinSink.h"

#include <memory>
#include <vector>

namespace luctrl {

constexpr int kCaptionHeight = 25;   // top of the window to the top of the client area
constexpr int kFrameBorder = 2;      // left, right and bottom border, and the band's inset
constexpr int kCaptionButtonWidth = 25;
constexpr int kCaptionButtonHeight = 16;
constexpr int kCloseRightInset = 5;  // the close button ends 5 pixels from the right edge
constexpr int kCaptionIconX = 5;

// Button numbers passed back to ILuWinSink::OnClick.
enum CaptionButtonId : UINT { kButtonClose = 1, kButtonMinimize = 2, kButtonMaximize = 3 };

// Client rectangle of a captioned window whose window rectangle is rcWindow.
CRect CaptionClientRect(const CRect& rcWindow);
// The caption band: the top 25 pixels inset 2 at top, left and right.
CRect CaptionBandRect(const CRect& rcWindow);
// The band's glassy fill, also the background a caption button is repainted on.
void FillCaptionBand(CDC& dc, const CRect& rcBand);
// Band, icon, text and border for a window of size rcWindow (origin 0, 0).
void PaintCaptionFrame(CDC& dc, const CRect& rcWindow, HICON hIcon, const CString& strText);
// The window region with the rounded top corners of a restored captioned window.
HRGN CreateCaptionRegion(int cx, int cy);

// One windowless caption button.
class CaptionButton {
public:
    CaptionButton(UINT nButton, ILuWinSink* pSink) : m_nButton(nButton), m_pSink(pSink) {}
    virtual ~CaptionButton() = default;
    CaptionButton(const CaptionButton&) = delete;
    CaptionButton& operator=(const CaptionButton&) = delete;

    void OnMouseMove(CPoint pt);
    void OnLButtonDown(CPoint pt);
    void OnLButtonUp(CPoint pt);
    // The capture went elsewhere: neither hot nor pressed any more.
    void Reset();
    virtual void OnPaint(CDC& dc) = 0;

    void SetRect(const CRect& rc) { m_rect = rc; }
    const RECT* GetRect() const { return &m_rect; }
    UINT GetButton() const { return m_nButton; }
    BOOL Tracing() const { return m_bHot; }
    BOOL IsPressed() const { return m_bPressed; }

protected:
    // Drawn pressed, hot or plain, from the flags and where the cursor is now.
    void PaintState(BOOL& bPressed, BOOL& bHot) const;
    BOOL HostHasStyle(DWORD dwStyle) const;

    UINT m_nButton;
    ILuWinSink* m_pSink;
    CRect m_rect;
    BOOL m_bPressed = FALSE;
    BOOL m_bHot = FALSE;
    CPoint m_ptLast{-1, -1};
};

// The buttons of one host: close, and maximise and minimise when the host has their boxes.
class CaptionButtons {
public:
    explicit CaptionButtons(ILuWinSink* pSink) : m_pSink(pSink) {}

    // Places the buttons for the host's current style and window size.
    void Layout(const CRect& rcWindow, DWORD dwStyle);
    CaptionButton* HitTest(CPoint pt) const;
    CaptionButton* Find(UINT nButton) const;
    void OnMouseMove(CPoint pt);
    void OnLButtonDown(CPoint pt);
    void OnLButtonUp(CPoint pt);
    void Reset();
    void Paint(CDC& dc);
    bool Empty() const { return m_buttons.empty(); }

private:
    ILuWinSink* m_pSink;
    std::vector<std::unique_ptr<CaptionButton>> m_buttons;
    DWORD m_dwLayoutStyle = 0xFFFFFFFF;
};

}  // namespace luctrl
