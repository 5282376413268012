// The program's status bar draws its pane texts (digits and Latin beside Chinese) as glyphs
// under any code page: the system's status font alone draws one of the scripts as boxes under
// code page 1252.
#include "GlyphInk.h"

#include "app/shell/StatusPanes.h"
#include "fx/win/TextFont.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using textcheck::Canvas;
using textcheck::InkMap;
using textcheck::kMinDistinctColumns;

TEST(StatusText, PanesDrawLatinDigitsAndChinese)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(WS_EX_TOOLWINDOW, nullptr, "TaveloPro", WS_POPUP, 0, 0, 640, 200, nullptr, nullptr));
    CStatusPanes panes;
    ASSERT_TRUE(panes.Create(&parent));
    const UINT indicators[] = {0, 0};
    ASSERT_TRUE(panes.SetIndicators(indicators, 2));
    panes.SetPaneText(0, "COM58 115200 Tavelo");
    panes.SetPaneText(1, "高清多画面分割器");

    HFONT hFont = reinterpret_cast<HFONT>(panes.SendMessage(WM_GETFONT));
    EXPECT_TRUE(fx::FontHasGlyphs(hFont, fx::kTextFontSample));

    // The status bar paints only for WM_PAINT: shown, painted, and read back from the screen.
    parent.ShowWindow(SW_SHOWNOACTIVATE);
    parent.UpdateWindow();
    panes.UpdateWindow();
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    panes.UpdateWindow();
    CRect bar;
    panes.GetClientRect(&bar);
    Canvas canvas(bar.Width(), bar.Height());
    HDC hBar = ::GetDC(panes.m_hWnd);
    ::BitBlt(canvas.dc(), 0, 0, bar.Width(), bar.Height(), hBar, 0, 0, SRCCOPY);
    ::ReleaseDC(panes.m_hWnd, hBar);
    const InkMap all = canvas.Ink();
    for (int pane = 0; pane < 2; ++pane) {
        RECT rc{};
        ASSERT_TRUE(panes.SendMessage(SB_GETRECT, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(&rc)));
        // Inside the pane's border, short of the size grip.
        const int right = pane == 1 ? rc.right - 20 : rc.right - 2;
        const InkMap text = all.Columns(rc.left + 2, right);
        EXPECT_GE(text.DistinctColumns(rc.top + 2, rc.bottom - 2), kMinDistinctColumns)
            << "pane " << pane << " drawn as boxes or not at all";
    }
    panes.DestroyWindow();
    parent.DestroyWindow();
}
