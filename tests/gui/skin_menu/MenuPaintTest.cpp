// CLuMenu's pixels against the theme colours (icon column, selected item, separator, check
// mark, icon, frame), the sub-menu hover delay, and handle counts over many open/close cycles.
#include "skin/menu/Menu.h"
#include "skin/theme/Painter.h"
#include "tests/gui/skin_menu/MenuTestRes.h"
#include "tests/gui/skin_menu/MenuTestSupport.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

using menutest::COwnerWnd;
using menutest::PostKey;
using menutest::PostMouse;

namespace {

COLORREF Theme(UINT n) { return CLuThemeManager::Instance()->GetTheme()->GetThemeColor(n); }

CRect ItemRect(CLuMenu* p, int n)
{
    CRect rc;
    p->GetItemRect(n, &rc);
    return rc;
}

}  // namespace

TEST(SkinMenuPaint, ItemsPaintInTheThemeColours)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu root;
    ASSERT_TRUE(root.LoadMenu(IDR_TESTMENU));
    ASSERT_TRUE(root.GetMenuIconList().LoadMenuIcons(IDR_TESTMENU));
    CLuMenu* pFile = root.GetSubMenu(0);
    ASSERT_NE(pFile, nullptr);
    // Items: 0 New (icon), 1 Open (selected), 2 separator, 3 Locked, 4 Checked, 5 Recent, 6 Exit.
    struct Seen {
        COLORREF iconColumn, body, outlineTop, outlineLeft, separator, beforeSeparator, check, icon, frame;
    } seen{};
    CRect r0, r1, r2, r4;
    fxtest::ModalTimeout timeout(15000);
    PostKey(owner.m_hWnd, VK_DOWN);
    PostKey(owner.m_hWnd, VK_DOWN);
    owner.When([] { return CLuMenu::GetTopLevelMenu() != nullptr && CLuMenu::GetTopLevelMenu()->GetCurSel() == 1; },
               [&] {
                   CLuMenu* p = CLuMenu::GetTopLevelMenu();
                   const CSize size = p->GetMenuSize();
                   skintest::Canvas canvas(size.cx, size.cy);
                   ::SendMessageW(p->GetSafeHwnd(), WM_PRINTCLIENT,
                                  reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);
                   r0 = ItemRect(p, 0), r1 = ItemRect(p, 1), r2 = ItemRect(p, 2), r4 = ItemRect(p, 4);
                   seen.iconColumn = canvas.At(5, r0.top + 1);
                   seen.body = canvas.At(40, r0.top + 1);
                   // The selected item's body: narrowed by 1 at the left, outlined in colour 0
                   // (edges 3 pixels short of the corners).
                   seen.outlineTop = canvas.At(r1.left + 1 + 10, r1.top);
                   seen.outlineLeft = canvas.At(r1.left + 1, r1.top + r1.Height() / 2);
                   const int ySep = r2.top + r2.Height() / 2 - 2;
                   seen.separator = canvas.At(26 + 5 + 3, ySep);
                   seen.beforeSeparator = canvas.At(26 + 2, ySep);
                   // The check mark, centred in the icon column less 3 (left, top) and 4.
                   const CRect rcMark(r4.left + 3, r4.top + 3, r4.left + 22, r4.bottom - 4);
                   const CPoint ptMark = CLuPainter::CenterPoint(rcMark, CLuPainter::CheckMarkSize());
                   seen.check = canvas.At(ptMark.x + 6, ptMark.y);
                   // New's icon: the strip's first image, red inside a masked border.
                   const CRect rcIcon(r0.left + 3, r0.top + 3, r0.left + 22, r0.bottom - 4);
                   const CPoint ptIcon = CLuPainter::CenterPoint(rcIcon, CSize(16, 16));
                   seen.icon = canvas.At(ptIcon.x + 8, ptIcon.y + 8);
                   CRect rcWnd;
                   p->GetWindowRect(&rcWnd);
                   skintest::Canvas whole(rcWnd.Width(), rcWnd.Height());
                   p->PaintFrame(whole.dc());
                   seen.frame = whole.At(0, rcWnd.Height() / 2);
                   PostKey(owner.m_hWnd, VK_ESCAPE);
               });
    ASSERT_TRUE(pFile->TrackPopupMenu(0, 100, 100, &owner));
    EXPECT_EQ(seen.iconColumn, Theme(16));
    EXPECT_EQ(seen.body, Theme(15));
    EXPECT_EQ(seen.outlineTop, Theme(0));
    EXPECT_EQ(seen.outlineLeft, Theme(0));
    EXPECT_EQ(seen.separator, Theme(4));
    EXPECT_EQ(seen.beforeSeparator, Theme(15));
    EXPECT_EQ(seen.check, Theme(12));
    EXPECT_EQ(seen.icon, RGB(200, 0, 0));
    EXPECT_EQ(seen.frame, Theme(0));
}

TEST(SkinMenuHover, RestingOnASubMenuItemOpensItAfterTheDelay)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu root;
    ASSERT_TRUE(root.LoadMenu(IDR_TESTMENU));
    CLuMenu* pFile = root.GetSubMenu(0);
    const int kRecent = 5, kExit = 6;
    DWORD tMove = 0, tOpen = 0, tLeave = 0, tClosed = 0;
    auto open = [] { return CLuMenu::GetTopLevelMenu() != nullptr && CLuMenu::GetTopLevelMenu()->GetOpenSubMenu() != nullptr; };
    fxtest::ModalTimeout timeout(15000);
    owner.During([&] {
        CLuMenu* p = CLuMenu::GetTopLevelMenu();
        tMove = ::GetTickCount();
        PostMouse(p->GetSafeHwnd(), WM_MOUSEMOVE, ItemRect(p, kRecent).CenterPoint());
        owner.When(open, [&] {
            tOpen = ::GetTickCount();
            CLuMenu* pTop = CLuMenu::GetTopLevelMenu();
            tLeave = ::GetTickCount();
            PostMouse(pTop->GetSafeHwnd(), WM_MOUSEMOVE, ItemRect(pTop, kExit).CenterPoint());
            owner.When([&] { return !open(); }, [&] {
                tClosed = ::GetTickCount();
                PostKey(owner.m_hWnd, VK_ESCAPE);
            });
        });
    });
    ASSERT_TRUE(pFile->TrackPopupMenu(0, 100, 100, &owner));
    ASSERT_NE(tOpen, 0u);
    ASSERT_NE(tClosed, 0u);
    // Both measured on the clock the menu uses, from before the pointer moved.
    EXPECT_GE(tOpen - tMove, 400u);
    EXPECT_GE(tClosed - tLeave, 400u);
    fxtest::PumpPending();
    EXPECT_TRUE(owner.commands.empty());
}

TEST(SkinMenuHandles, NothingIsLeftAfterManyOpenAndCloseCycles)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu root;
    ASSERT_TRUE(root.LoadMenu(IDR_TESTMENU));
    ASSERT_TRUE(root.GetMenuIconList().LoadMenuIcons(IDR_TESTMENU));
    CLuMenu* pFile = root.GetSubMenu(0);
    const HMENU hRecent = ::GetSubMenu(pFile->GetSafeHmenu(), 5);
    auto cycle = [&](int i) {
        // Every other cycle opens the sub-menu too, and half of them end in a command.
        PostKey(owner.m_hWnd, i % 2 ? 'R' : VK_DOWN);
        PostKey(owner.m_hWnd, i % 4 < 2 ? VK_ESCAPE : VK_RETURN);
        return pFile->TrackPopupMenu(0, 100, 100, &owner);
    };
    fxtest::ModalTimeout timeout(60000);
    ASSERT_TRUE(cycle(1));
    fxtest::PumpPending();
    const int gdiBefore = menutest::CountGdiObjects();
    const int wndBefore = menutest::CountThreadWindows();
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(cycle(i)) << "cycle " << i;
    fxtest::PumpPending();
    EXPECT_LE(menutest::CountGdiObjects(), gdiBefore + 2);
    EXPECT_EQ(menutest::CountThreadWindows(), wndBefore);
    EXPECT_EQ(::FindWindowW(L"luMenu", nullptr), nullptr);
    // The menus themselves are untouched: the loaded menu and its sub-menus still exist.
    EXPECT_TRUE(::IsMenu(root.GetSafeHmenu()));
    EXPECT_TRUE(::IsMenu(pFile->GetSafeHmenu()));
    EXPECT_TRUE(::IsMenu(hRecent));
    EXPECT_EQ(::GetMenuItemCount(pFile->GetSafeHmenu()), 7);
}
