// The real menu bar as a skinned frame's own: made by SetMenuID from a menu resource, docked on
// its own row at the top, reached through the menu-bar link, and gone again with SetMenuID(0).
#include "skin/frame/FrameWnd.h"
#include "skin/frame/MenuBarLink.h"
#include "skin/menu/MenuBar.h"
#include "tests/gui/skin_menu/MenuTestRes.h"

#include <gtest/gtest.h>

TEST(FrameMenuBar, TheFramesOwnMenuBarIsARealDockedMenuBar)
{
    ASSERT_NE(LuGetMenuBarLink(), nullptr);
    auto* pFrame = new CLuFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    ASSERT_TRUE(pFrame->SetMenuID(IDR_TESTMENU));
    CLuMenuBar* pBar = pFrame->GetMenuBar();
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->GetMenuItemCount(), 3u);
    EXPECT_EQ(pBar->GetCtrlStyle(), LU_MENUBAR_STYLE);
    EXPECT_TRUE(pFrame->IsMainMenuBarVisible());
    EXPECT_TRUE(::IsMenu(pFrame->GetMenuHandle()));
    EXPECT_EQ(pFrame->GetMenuHandle(), pBar->GetMenuHandle());
    CLuDockBar* pTop = pFrame->GetDockBarMgr().GetDockBar(LU_DOCK_TOP);
    ASSERT_NE(pTop, nullptr);
    EXPECT_EQ(::GetParent(pBar->GetSafeHwnd()), pTop->GetSafeHwnd());
    auto clientTop = [&] {
        CRect rc;
        pFrame->GetClientWnd().GetWindowRect(&rc);
        pFrame->ScreenToClient(&rc);
        return rc.top;
    };
    EXPECT_EQ(clientTop(), pBar->GetBarHeight());
    // A key that is no access key stays the system's.
    MSG msg{pFrame->GetSafeHwnd(), WM_SYSKEYDOWN, 'Q', 0, 0, {0, 0}};
    EXPECT_FALSE(pFrame->OnMenuAccelator(&msg));

    EXPECT_TRUE(pFrame->ShowMainMenuBar(FALSE));
    EXPECT_EQ(clientTop(), 0);
    EXPECT_TRUE(pFrame->ShowMainMenuBar(TRUE));
    EXPECT_EQ(clientTop(), pBar->GetBarHeight());
    EXPECT_TRUE(pFrame->SetMenuID(0));
    EXPECT_EQ(pFrame->GetMenuBar(), nullptr);
    EXPECT_EQ(pFrame->GetMenuHandle(), nullptr);
    EXPECT_EQ(clientTop(), 0);
    pFrame->DestroyWindow();
}
