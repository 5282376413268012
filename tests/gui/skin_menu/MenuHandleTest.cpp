// CLuMenu's handle ownership (made or loaded: owned; attached and sub-menu wrappers: only
// borrowed), sub-menu wrappers across changes of the menu, icons stored with items, and the
// right button under TPM_RIGHTBUTTON.
#include "skin/menu/Menu.h"
#include "tests/gui/skin_menu/MenuTestRes.h"
#include "tests/gui/skin_menu/MenuTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using menutest::COwnerWnd;
using menutest::PostMouse;

TEST(SkinMenuHandles, MadeOrLoadedMenusAreOwnedAttachedOnesBorrowed)
{
    HMENU hLoaded = nullptr, hSub = nullptr;
    {
        CLuMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_TESTMENU));
        EXPECT_TRUE(menu.IsMenuOwner());
        hLoaded = menu.GetSafeHmenu();
        CLuMenu* pSub = menu.GetSubMenu(0);
        ASSERT_NE(pSub, nullptr);
        EXPECT_FALSE(pSub->IsMenuOwner());
        hSub = pSub->GetSafeHmenu();
        EXPECT_EQ(menu.GetSubMenu(0), pSub);  // made once, kept
        EXPECT_EQ(menu.GetSubMenu(7), nullptr);
    }
    EXPECT_FALSE(::IsMenu(hLoaded));
    EXPECT_FALSE(::IsMenu(hSub));

    // Attached handles outlive their wrapper, and so do their sub-menus.
    HMENU hMenu = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TESTMENU));
    ASSERT_NE(hMenu, nullptr);
    const HMENU hFile = ::GetSubMenu(hMenu, 0);
    {
        auto pMenu = std::make_unique<CLuMenu>();
        ASSERT_TRUE(pMenu->AttachMenu(hMenu));
        EXPECT_FALSE(pMenu->IsMenuOwner());
        ASSERT_NE(pMenu->GetSubMenu(0), nullptr);
        ASSERT_NE(pMenu->GetSubMenu(0)->GetSubMenu(5), nullptr);
        EXPECT_TRUE(pMenu->DestroyMenu());  // lets go of the borrowed handle
        EXPECT_EQ(pMenu->GetSafeHmenu(), nullptr);
        ASSERT_TRUE(pMenu->AttachMenu(hMenu));
        pMenu->GetSubMenu(0);
    }
    EXPECT_TRUE(::IsMenu(hMenu));
    EXPECT_TRUE(::IsMenu(hFile));
    EXPECT_EQ(::GetMenuItemCount(hFile), 7);

    // Detached: the caller has it, the object forgets it.
    CLuMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    HMENU hPopup = popup.DetachMenu();
    EXPECT_EQ(popup.GetSafeHmenu(), nullptr);
    EXPECT_FALSE(popup.DestroyMenu());
    EXPECT_TRUE(::IsMenu(hPopup));
    ::DestroyMenu(hPopup);
    ::DestroyMenu(hMenu);
}

TEST(SkinMenuHandles, SubMenuWrappersFollowChangesOfTheMenu)
{
    CLuMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TESTMENU));
    CLuMenu* pEdit = menu.GetSubMenu(1);
    ASSERT_NE(pEdit, nullptr);
    const HMENU hEdit = pEdit->GetSafeHmenu();
    // Removed (not deleted): the handle is the caller's now and the wrapper goes.
    ASSERT_TRUE(menu.RemoveMenu(1, MF_BYPOSITION));
    EXPECT_TRUE(::IsMenu(hEdit));
    CLuMenu* pNow = menu.GetSubMenu(1);
    ASSERT_NE(pNow, nullptr);
    EXPECT_NE(pNow->GetSafeHmenu(), hEdit);
    // Inserted again (the menu owns it once more) and deleted with the menu.
    ASSERT_TRUE(menu.InsertMenu(0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(hEdit), "&Edit"));
    EXPECT_EQ(menu.GetSubMenu(0)->GetSafeHmenu(), hEdit);
    ASSERT_TRUE(menu.DeleteMenu(0, MF_BYPOSITION));
    EXPECT_FALSE(::IsMenu(hEdit));
    EXPECT_EQ(menu.GetMenuItemCount(), 2u);
}

TEST(SkinMenuHandles, ItemsAddedWithImagesKeepThemUnderTheirCommand)
{
    CLuMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    HBITMAP hBitmap = static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TESTMENU), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(hBitmap, nullptr);
    HICON hIcon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 5001, "with bitmap", hBitmap));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 5002, "with icon", hIcon));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 5003, "plain"));
    CLuMenuIcon& icons = menu.GetMenuIconList();
    EXPECT_EQ(icons.CommandToIndex(5001), 0);
    EXPECT_EQ(icons.CommandToIndex(5002), 1);
    EXPECT_EQ(icons.CommandToIndex(5003), -1);
    EXPECT_EQ(icons.GetIconCount(), 2);
    // Modifying an item replaces its image; removing it shifts the later ones down.
    ASSERT_TRUE(menu.ModifyMenu(5001, MF_BYCOMMAND | MF_STRING, 5004, "renamed", hIcon));
    EXPECT_EQ(icons.CommandToIndex(5001), -1);
    EXPECT_EQ(icons.CommandToIndex(5004), 1);
    EXPECT_EQ(icons.CommandToIndex(5002), 0);
    EXPECT_EQ(icons.GetIconCount(), 2);
    menu.RemoveMenuItemIcon(5002);
    EXPECT_EQ(icons.CommandToIndex(5004), 0);
    EXPECT_EQ(icons.GetIconCount(), 1);
    // A menu sharing another's images sees its table.
    CLuMenu other;
    ASSERT_TRUE(other.CreatePopupMenu());
    ASSERT_TRUE(other.AttachImage(&menu));
    EXPECT_EQ(other.GetMenuIconList().CommandToIndex(5004), 0);
    ::DeleteObject(hBitmap);
}

TEST(SkinMenuCommands, RightButtonChoosesOnlyWhenTracked)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu root;
    ASSERT_TRUE(root.LoadMenu(IDR_TESTMENU));
    CLuMenu* pEdit = root.GetSubMenu(1);
    for (const UINT nFlags : {0u, static_cast<UINT>(TPM_RIGHTBUTTON)}) {
        owner.Reset();
        fxtest::ModalTimeout timeout(15000);
        owner.During([&] {
            CLuMenu* p = CLuMenu::GetTopLevelMenu();
            CRect rc;
            p->GetItemRect(1, &rc);
            PostMouse(p->GetSafeHwnd(), WM_MOUSEMOVE, rc.CenterPoint());
            PostMouse(p->GetSafeHwnd(), WM_RBUTTONUP, rc.CenterPoint());
            owner.During([&] { menutest::PostKey(owner.m_hWnd, VK_ESCAPE); });
        });
        ASSERT_TRUE(pEdit->TrackPopupMenu(nFlags, 100, 100, &owner));
        fxtest::PumpPending();
        if (nFlags == 0) {
            EXPECT_TRUE(owner.commands.empty());
        } else {
            ASSERT_EQ(owner.commands.size(), 1u);
            EXPECT_EQ(owner.commands[0].wParam, static_cast<WPARAM>(ID_EDIT_COPY));
        }
    }
}
