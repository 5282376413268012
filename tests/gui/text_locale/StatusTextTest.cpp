// The program's status bar draws its pane texts (digits and Latin beside Chinese) as glyphs
// under any code page: the system's status font alone draws one of the scripts as boxes under
// code page 1252. The bar is the skin library's status bar with the theme's font, set up with
// the two panes the main frame gives it.
#include "GlyphInk.h"

#include "fx/win/TextFont.h"
#include "skin/core/LuLibAux.h"
#include "skin/frame/StatusBar.h"
#include "skin/theme/GdiWrappers.h"
#include "skin/theme/Theme.h"

#include <gtest/gtest.h>

using textcheck::Canvas;
using textcheck::InkMap;
using textcheck::kMinDistinctColumns;

TEST(StatusText, PanesDrawLatinDigitsAndChinese)
{
    ASSERT_TRUE(LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), nullptr));
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(WS_EX_TOOLWINDOW, nullptr, "TaveloPro", WS_POPUP, 0, 0, 640, 200, nullptr, nullptr));
    CLuStatusBar panes;
    ASSERT_TRUE(panes.Create(&parent, 0xE801));
    const UINT indicators[] = {0, 0};
    ASSERT_TRUE(panes.SetIndicators(indicators, 2));
    panes.MoveWindow(0, 170, 640, 30);
    panes.SetPaneText(0, "COM58 115200 Tavelo");
    panes.SetPaneText(1, "高清多画面分割器");

    CFont* pFont = CLuThemeManager::Instance()->GetTheme()->GetThemeFont();
    ASSERT_NE(pFont, nullptr);
    EXPECT_TRUE(fx::FontHasGlyphs(static_cast<HFONT>(pFont->GetSafeHandle()), fx::kTextFontSample));

    // The bar paints on any DC it is given: its background and both panes into a canvas.
    CRect bar;
    panes.GetClientRect(&bar);
    ASSERT_GT(bar.Width(), 0);
    ASSERT_GT(bar.Height(), 0);
    Canvas canvas(bar.Width(), bar.Height());
    {
        CLuAttachDC dc(canvas.dc());
        panes.PaintBackground(dc);
        for (int pane = 0; pane < 2; ++pane)
            panes.PaintPane(dc, pane);
    }
    const InkMap all = canvas.Ink();
    for (int pane = 0; pane < 2; ++pane) {
        RECT rc{};
        panes.GetItemRect(pane, &rc);
        ASSERT_GT(rc.right - rc.left, 24) << "pane " << pane;
        // Inside the pane's border, short of the gripper.
        const int right = pane == 1 ? rc.right - LU_SB_GRIPPER_WIDTH - 2 : rc.right - 2;
        const InkMap text = all.Columns(rc.left + 2, right);
        EXPECT_GE(text.DistinctColumns(rc.top + 2, rc.bottom - 2), kMinDistinctColumns)
            << "pane " << pane << " drawn as boxes or not at all";
    }
    panes.DestroyWindow();
    parent.DestroyWindow();
}
