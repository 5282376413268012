// CLuMenu popups under Xvfb: sizes from the item metrics, where the popup and its sub-menus
// open, commands chosen by a posted click or by keys arriving as WM_COMMAND (lParam 0), and
// disabled items never chosen, whichever way they are reached.
#include "skin/menu/Menu.h"
#include "tests/gui/skin_menu/MenuTestRes.h"
#include "tests/gui/skin_menu/MenuTestSupport.h"

#include <gtest/gtest.h>

using menutest::COwnerWnd;
using menutest::PostKey;
using menutest::PostMouse;
using menutest::ThemeTextSize;

namespace {

// Guards every modal menu of a test: a loop still running after 15 s ends (the test then fails
// on its expectations instead of hanging).
struct MenuGuard {
    fxtest::ModalTimeout timeout{15000};
};

// The open top-level menu; a step that runs when no menu is open fails the test.
CLuMenu* OpenMenu()
{
    CLuMenu* pMenu = CLuMenu::GetTopLevelMenu();
    if (pMenu == nullptr)
        ADD_FAILURE() << "no menu is open";
    return pMenu;
}

// The popup's window while the menu runs.
HWND OpenMenuWindow()
{
    CLuMenu* pMenu = OpenMenu();
    return pMenu != nullptr ? pMenu->GetSafeHwnd() : nullptr;
}

// The centre of item nPos of an open menu, in its client coordinates.
CPoint ItemCentre(CLuMenu* pMenu, int nPos)
{
    CRect rc;
    pMenu->GetItemRect(nPos, &rc);
    return rc.CenterPoint();
}

// Builds File-like popup: New, Open, separator, Locked (greyed), Checked, Recent >, Exit.
void LoadFileMenu(CLuMenu& root, CLuMenu*& pFile)
{
    ASSERT_TRUE(root.LoadMenu(IDR_TESTMENU));
    pFile = root.GetSubMenu(0);
    ASSERT_NE(pFile, nullptr);
}

}  // namespace

TEST(SkinMenuMetrics, TextItemAndSeparatorGiveTheStatedSizes)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 5001, "Properties"));
    ASSERT_TRUE(menu.AppendMenu(MF_SEPARATOR));
    const CSize text = ThemeTextSize("Properties");
    CSize sizeMenu, sizeClient, sizeWindow;
    CRect rcItem0, rcItem1;
    MenuGuard guard;
    owner.During([&] {
        CLuMenu* p = OpenMenu();
        if (p == nullptr)
            return;
        sizeMenu = p->GetMenuSize();
        CRect rc;
        p->GetClientRect(&rc);
        sizeClient = rc.Size();
        p->GetWindowRect(&rc);
        sizeWindow = rc.Size();
        p->GetItemRect(0, &rcItem0);
        p->GetItemRect(1, &rcItem1);
        PostKey(owner.m_hWnd, VK_ESCAPE);
    });
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 100, 100, &owner));
    // Item: (w + 52) x (2h + 11); separator 46 x 10; the menu 2 wider and 6 higher than its items.
    EXPECT_EQ(sizeMenu, CSize(text.cx + 54, 2 * text.cy + 11 + 10 + 6));
    EXPECT_EQ(rcItem0, CRect(0, 2, text.cx + 54, 2 + 2 * text.cy + 11));
    EXPECT_EQ(rcItem1, CRect(0, rcItem0.bottom, text.cx + 54, rcItem0.bottom + 10));
    // The window adds a 1-pixel frame and a 4-pixel shadow: 6 across and 4 down.
    EXPECT_EQ(sizeWindow, CSize(sizeMenu.cx + 6, sizeMenu.cy + 4));
    EXPECT_EQ(sizeClient, CSize(sizeMenu.cx, sizeMenu.cy - 2));
    EXPECT_TRUE(owner.commands.empty());
}

TEST(SkinMenuMetrics, EveryItemIsMeasuredWithItsWholeText)
{
    // A short item before a long one: the long one keeps its whole text.
    COwnerWnd& owner = menutest::Owner();
    CLuMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 5001, "A");
    menu.AppendMenu(MF_STRING, 5002, "A considerably longer item text");
    menu.AppendMenu(MF_STRING | MF_DEFAULT, 5003, "Bold");
    menu.SetDefaultItem(5003);
    const CSize longText = ThemeTextSize("A considerably longer item text");
    CSize sizeMenu;
    MenuGuard guard;
    owner.During([&] {
        if (CLuMenu* p = OpenMenu())
            sizeMenu = p->GetMenuSize();
        PostKey(owner.m_hWnd, VK_ESCAPE);
    });
    ASSERT_TRUE(menu.TrackPopupMenu(0, 50, 50, &owner));
    EXPECT_GE(sizeMenu.cx, longText.cx + 54);
    CString text;
    menu.GetMenuString(1, text, MF_BYPOSITION);
    EXPECT_STREQ(text, "A considerably longer item text");
}

TEST(SkinMenuPosition, OpensAboveTheClickNearTheBottom)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    for (int i = 0; i < 4; ++i)
        menu.AppendMenu(MF_STRING, 5001 + i, "Item");
    const CRect work = menutest::WorkArea();
    const CPoint click(200, work.bottom - 10);
    CRect rcWnd;
    CSize sizeMenu;
    MenuGuard guard;
    owner.During([&] {
        ::GetWindowRect(OpenMenuWindow(), &rcWnd);
        if (CLuMenu* p = OpenMenu())
            sizeMenu = p->GetMenuSize();
        PostKey(owner.m_hWnd, VK_ESCAPE);
    });
    ASSERT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, click.x, click.y, &owner));
    // Above the anchor by its height plus 4: the window ends exactly at the click.
    EXPECT_EQ(rcWnd.top, click.y - sizeMenu.cy - 4);
    EXPECT_EQ(rcWnd.bottom, click.y);
    EXPECT_EQ(rcWnd.left, click.x);
}

TEST(SkinMenuPosition, ReservedAnchorAndHorizontalAlignment)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 5001, "Item");
    const CRect work = menutest::WorkArea();
    struct Case {
        UINT nFlags;
        CPoint pt;
        CPoint reserve;
    };
    std::vector<CRect> got;
    CSize sizeMenu;
    const Case cases[] = {
        {TPM_LEFTALIGN, CPoint(300, 200), CPoint(-1, -1)},
        {TPM_RIGHTALIGN, CPoint(300, 200), CPoint(-1, -1)},
        {TPM_CENTERALIGN, CPoint(300, 200), CPoint(-1, -1)},
        {TPM_RIGHTALIGN, CPoint(10, 200), CPoint(-1, -1)},           // would go negative: back to x
        {TPM_LEFTALIGN, CPoint(work.right - 5, 200), CPoint(-1, -1)}, // right edge: to the left of x
        {TPM_LEFTALIGN, CPoint(300, work.bottom - 5), CPoint(300, 150)},  // upwards from the reserve
    };
    for (const Case& c : cases) {
        menu.SetReservePopPos(c.reserve.x, c.reserve.y);
        MenuGuard guard;
        owner.During([&] {
            CRect rc;
            ::GetWindowRect(OpenMenuWindow(), &rc);
            got.push_back(rc);
            if (CLuMenu* p = OpenMenu())
                sizeMenu = p->GetMenuSize();
            PostKey(owner.m_hWnd, VK_ESCAPE);
        });
        ASSERT_TRUE(menu.TrackPopupMenu(c.nFlags, c.pt.x, c.pt.y, &owner));
    }
    ASSERT_EQ(got.size(), 6u);
    const int cx = sizeMenu.cx;
    EXPECT_EQ(got[0].TopLeft(), CPoint(300, 200));
    EXPECT_EQ(got[1].TopLeft(), CPoint(300 - cx, 200));
    EXPECT_EQ(got[2].TopLeft(), CPoint(300 - cx / 2, 200));
    EXPECT_EQ(got[3].TopLeft(), CPoint(10, 200));
    EXPECT_EQ(got[4].left, work.right - 5 - cx);
    EXPECT_EQ(got[5].top, 150 - sizeMenu.cy - 4);
}

TEST(SkinMenuPosition, SubMenuOpensBesideItsItemAndFlipsAtTheRightEdge)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu root;
    CLuMenu* pFile = nullptr;
    LoadFileMenu(root, pFile);
    const int kRecent = 5;
    const CRect work = menutest::WorkArea();
    for (const bool bAtEdge : {false, true}) {
        CRect rcItem, rcSub;
        CSize sizeSub;
        MenuGuard guard;
        owner.During([&] {
            // Select "Recent" by its access key: the sub-menu opens with its first item.
            PostKey(owner.m_hWnd, 'R');
            owner.During([&] {
                CLuMenu* pTop = OpenMenu();
                CLuMenu* pSub = pTop != nullptr ? pTop->GetOpenSubMenu() : nullptr;
                ASSERT_NE(pSub, nullptr);
                pTop->GetItemRect(kRecent, &rcItem);
                pTop->ClientToScreen(&rcItem);
                ::GetWindowRect(pSub->GetSafeHwnd(), &rcSub);
                sizeSub = pSub->GetMenuSize();
                EXPECT_EQ(pSub->GetCurSel(), 0);
                PostKey(owner.m_hWnd, VK_ESCAPE);
            });
        });
        const int x = bAtEdge ? work.right - 120 : 100;
        ASSERT_TRUE(pFile->TrackPopupMenu(TPM_LEFTALIGN, x, 100, &owner));
        ASSERT_FALSE(rcSub.IsRectEmpty());
        EXPECT_EQ(rcSub.top, rcItem.top);
        if (!bAtEdge)
            EXPECT_EQ(rcSub.left, rcItem.right - 4);
        else
            EXPECT_EQ(rcSub.left, rcItem.right - 4 - rcItem.Width() + 8 - sizeSub.cx);
    }
    EXPECT_TRUE(owner.commands.empty());
}

TEST(SkinMenuCommands, PostedClickChoosesTheItemUnderIt)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu root;
    CLuMenu* pFile = nullptr;
    LoadFileMenu(root, pFile);
    MenuGuard guard;
    owner.During([&] {
        CLuMenu* p = OpenMenu();
        if (p == nullptr)
            return;
        PostMouse(p->GetSafeHwnd(), WM_MOUSEMOVE, ItemCentre(p, 1));
        PostMouse(p->GetSafeHwnd(), WM_LBUTTONUP, ItemCentre(p, 1));
    });
    EXPECT_TRUE(pFile->TrackPopupMenu(TPM_LEFTALIGN, 100, 100, &owner));
    EXPECT_EQ(CLuMenu::GetTopLevelMenu(), nullptr);
    // The command is posted after the menu closed; nothing arrived while it was open.
    EXPECT_TRUE(owner.commands.empty());
    ASSERT_TRUE(fxtest::PumpUntil([&] { return !owner.commands.empty(); }));
    ASSERT_EQ(owner.commands.size(), 1u);
    EXPECT_EQ(owner.commands[0].wParam, static_cast<WPARAM>(ID_FILE_OPEN));
    EXPECT_EQ(owner.commands[0].lParam, 0);
    // The owner was asked to prepare the popup first.
    ASSERT_FALSE(owner.initPopups.empty());
    EXPECT_EQ(owner.initPopups[0], static_cast<UINT>(reinterpret_cast<UINT_PTR>(pFile->GetSafeHmenu())));
}

TEST(SkinMenuCommands, KeysChooseCommandsInSubMenus)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu root;
    CLuMenu* pFile = nullptr;
    LoadFileMenu(root, pFile);
    struct Script {
        std::vector<UINT> keys;
        WPARAM expected;
    };
    const Script scripts[] = {
        {{VK_DOWN, VK_DOWN, VK_RETURN}, ID_FILE_OPEN},
        {{VK_UP, VK_RETURN}, ID_FILE_EXIT},                 // wraps to the last item
        {{'O'}, ID_FILE_OPEN},                               // access key
        {{'R', VK_DOWN, VK_RETURN}, ID_RECENT_TWO},          // into the sub-menu
        {{'R', VK_LEFT, VK_DOWN, VK_RETURN}, ID_FILE_EXIT},  // Left closes the sub-menu level
        {{'Q', VK_DOWN, VK_RETURN}, ID_FILE_NEW},            // an unused letter changes nothing
    };
    for (const Script& s : scripts) {
        owner.commands.clear();
        MenuGuard guard;
        for (UINT vk : s.keys)
            PostKey(owner.m_hWnd, vk);
        ASSERT_TRUE(pFile->TrackPopupMenu(TPM_LEFTALIGN, 100, 100, &owner));
        ASSERT_TRUE(fxtest::PumpUntil([&] { return !owner.commands.empty(); })) << "first key " << s.keys[0];
        EXPECT_EQ(owner.commands[0].wParam, s.expected) << "first key " << s.keys[0];
        EXPECT_EQ(owner.commands[0].lParam, 0);
    }
}

TEST(SkinMenuCommands, DisabledItemIsNeverChosen)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu root;
    CLuMenu* pFile = nullptr;
    LoadFileMenu(root, pFile);
    const int kLocked = 3;
    // By the mouse, by Enter and Right after the pointer selected it, and by its access key.
    const std::vector<std::vector<UINT>> keyScripts = {{VK_RETURN}, {VK_RIGHT}, {'L'}};
    for (const auto& keys : keyScripts) {
        owner.commands.clear();
        int nSelected = -2;
        MenuGuard guard;
        owner.During([&] {
            CLuMenu* p = OpenMenu();
            if (p == nullptr)
                return;
            PostMouse(p->GetSafeHwnd(), WM_MOUSEMOVE, ItemCentre(p, kLocked));
            PostMouse(p->GetSafeHwnd(), WM_LBUTTONUP, ItemCentre(p, kLocked));
            for (UINT vk : keys)
                PostKey(owner.m_hWnd, vk);
            owner.During([&] {
                CLuMenu* pOpen = OpenMenu();
                if (pOpen == nullptr)
                    return;
                nSelected = pOpen->GetCurSel();
                PostKey(owner.m_hWnd, VK_ESCAPE);
            });
        });
        ASSERT_TRUE(pFile->TrackPopupMenu(TPM_LEFTALIGN, 100, 100, &owner));
        fxtest::PumpPending();
        EXPECT_TRUE(owner.commands.empty()) << "key " << keys[0];
        EXPECT_EQ(nSelected, kLocked) << "the menu stayed open on the disabled item";
    }
}

TEST(SkinMenuCommands, ArrowsInAMenuWithoutSelectableItemsReturn)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING | MF_GRAYED, 5001, "Off");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, 5002, "Off too");
    MenuGuard guard;
    for (UINT vk : {VK_DOWN, VK_UP, VK_DOWN, VK_RETURN, VK_ESCAPE})
        PostKey(owner.m_hWnd, vk);
    EXPECT_TRUE(menu.TrackPopupMenu(0, 100, 100, &owner));
    fxtest::PumpPending();
    EXPECT_TRUE(owner.commands.empty());
}

TEST(SkinMenuCommands, ClickOutsideEndsWithoutCommand)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu root;
    CLuMenu* pFile = nullptr;
    LoadFileMenu(root, pFile);
    MenuGuard guard;
    owner.During([&] { PostMouse(owner.m_hWnd, WM_LBUTTONDOWN, CPoint(550, 250)); });
    EXPECT_TRUE(pFile->TrackPopupMenu(TPM_LEFTALIGN, 100, 100, &owner));
    fxtest::PumpPending();
    EXPECT_TRUE(owner.commands.empty());
    EXPECT_EQ(::FindWindowW(L"luMenu", nullptr), nullptr);
}

TEST(SkinMenuCommands, MessageFilterHookSeesTheLoopsMessages)
{
    static int s_nMenuMessages = 0;
    static HHOOK s_hHook = nullptr;
    struct Hook {
        static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
        {
            const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
            if (nCode == MSGF_MENU && pMsg->message == WM_KEYDOWN) {
                ++s_nMenuMessages;
                if (pMsg->wParam == VK_DOWN)
                    return 1;  // consumed: the menu never sees it
            }
            return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
        }
    };
    COwnerWnd& owner = menutest::Owner();
    CLuMenu root;
    CLuMenu* pFile = nullptr;
    LoadFileMenu(root, pFile);
    s_hHook = ::SetWindowsHookExW(WH_MSGFILTER, &Hook::Proc, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(s_hHook, nullptr);
    MenuGuard guard;
    for (UINT vk : {VK_DOWN, VK_DOWN, VK_UP, VK_RETURN})
        PostKey(owner.m_hWnd, vk);
    EXPECT_TRUE(pFile->TrackPopupMenu(0, 100, 100, &owner));
    ::UnhookWindowsHookEx(s_hHook);
    EXPECT_EQ(s_nMenuMessages, 4);
    // Only Up reached the menu: from no selection it wraps to the last item.
    ASSERT_TRUE(fxtest::PumpUntil([&] { return !owner.commands.empty(); }));
    EXPECT_EQ(owner.commands[0].wParam, static_cast<WPARAM>(ID_FILE_EXIT));
}

TEST(SkinMenuCommands, TrackingFailsWithoutItemsOrHandle)
{
    COwnerWnd& owner = menutest::Owner();
    CLuMenu none;
    EXPECT_FALSE(none.TrackPopupMenu(0, 10, 10, &owner));
    CLuMenu empty;
    ASSERT_TRUE(empty.CreatePopupMenu());
    EXPECT_FALSE(empty.TrackPopupMenu(0, 10, 10, &owner));
    EXPECT_EQ(::FindWindowW(L"luMenu", nullptr), nullptr);
    EXPECT_FALSE(empty.LoadMenu(9999));
    EXPECT_NE(empty.GetSafeHmenu(), nullptr);  // a failed load keeps the menu held
}
