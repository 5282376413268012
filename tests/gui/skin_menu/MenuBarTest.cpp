// CLuMenuBar under Xvfb: made from a menu resource (items, height, icons), opened from the
// keyboard through OnMenuAccelator and from the mouse, moving between items with Left, Right
// and the pointer while a popup runs, keyboard mode after Alt, and its painting.
#include "skin/menu/MenuBar.h"
#include "skin/theme/Painter.h"
#include "tests/gui/skin_menu/MenuTestRes.h"
#include "tests/gui/skin_menu/MenuTestSupport.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

using menutest::COwnerWnd;
using menutest::PostKey;
using menutest::PostMouse;

namespace {

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pOwner = &menutest::Owner();
        ASSERT_TRUE(m_bar.Create(m_pOwner, WS_VISIBLE, IDR_TESTMENU));
        m_bar.SetWindowPos(nullptr, 0, 0, 500, m_bar.GetBarHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
        m_bar.UpdateWindow();
    }
    void TearDown() override
    {
        if (m_bar.GetSafeHwnd() != nullptr)
            m_bar.DestroyWindow();
    }
    // The open popup's menu handle (null when none is open).
    static HMENU OpenPopup()
    {
        CLuMenu* p = CLuMenu::GetTopLevelMenu();
        return p != nullptr ? p->GetSafeHmenu() : nullptr;
    }
    CPoint ItemCentre(int n)
    {
        CRect rc;
        m_bar.GetItemRect(n, &rc);
        return rc.CenterPoint();
    }

    COwnerWnd* m_pOwner = nullptr;
    CLuMenuBar m_bar;
    fxtest::ModalTimeout m_timeout{20000};
};

}  // namespace

TEST_F(MenuBarTest, MadeFromTheMenuResource)
{
    EXPECT_EQ(m_bar.GetMenuItemCount(), 3u);
    EXPECT_EQ(m_bar.GetDlgCtrlID(), IDR_TESTMENU);
    EXPECT_EQ(m_bar.GetBarType(), 1u);
    const int height = std::max(22, static_cast<int>(menutest::ThemeTextSize("A").cy) + 12);
    EXPECT_EQ(m_bar.GetBarHeight(), height);
    EXPECT_EQ(m_bar.CalcFixedLayout(), CSize(0x7FFF, height));
    EXPECT_TRUE(::IsMenu(m_bar.GetMenuHandle()));
    EXPECT_EQ(m_bar.GetCurSel(), -1);
    EXPECT_EQ(m_bar.GetMenuItemStatus(0), static_cast<UINT>(CLuMenuBar::stateNormal));
    EXPECT_EQ(m_bar.GetMenuItemStatus(3), 0u);
    // Items side by side, from the left.
    CRect rc0, rc1;
    ASSERT_TRUE(m_bar.GetItemRect(0, &rc0));
    ASSERT_TRUE(m_bar.GetItemRect(1, &rc1));
    EXPECT_EQ(rc1.left, rc0.right);
    EXPECT_EQ(rc0.Width(), menutest::ThemeTextSize("&File").cx + 16);
    // The icons of the same resource ID serve every popup of the bar.
    CLuMenu* pFile = m_bar.GetSubMenu(0);
    ASSERT_NE(pFile, nullptr);
    EXPECT_EQ(pFile->GetMenuIconList().CommandToIndex(ID_FILE_NEW), 0);
    EXPECT_EQ(pFile->GetMenuIconList().CommandToIndex(ID_FILE_OPEN), 1);
    EXPECT_EQ(m_bar.GetSubMenu(1)->GetMenuIconList().CommandToIndex(ID_EDIT_CUT), 2);
    EXPECT_EQ(pFile->GetMenuIconList().CommandToIndex(ID_FILE_EXIT), -1);
    EXPECT_EQ(pFile->GetMenuIconList().GetIconSize(), CSize(16, 16));
}

TEST_F(MenuBarTest, MissingMenuFailsWithoutAWindow)
{
    CLuMenuBar bar;
    EXPECT_FALSE(bar.Create(m_pOwner, WS_VISIBLE, 9999));
    EXPECT_EQ(bar.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(m_bar.LoadMenu(9999));
    EXPECT_EQ(m_bar.GetMenuItemCount(), 0u);
    EXPECT_TRUE(m_bar.LoadMenu(IDR_NOICONS));
    EXPECT_EQ(m_bar.GetMenuItemCount(), 1u);
}

TEST_F(MenuBarTest, AccessKeyOpensThePopupWithItsFirstItemSelected)
{
    HMENU hPopup = nullptr;
    int nSel = -2;
    UINT nState = 0;
    m_pOwner->During([&] {
        hPopup = OpenPopup();
        nState = m_bar.GetMenuItemStatus(0);
        if (CLuMenu* p = CLuMenu::GetTopLevelMenu())
            nSel = p->GetCurSel();
        PostKey(m_pOwner->m_hWnd, VK_RETURN);
    });
    EXPECT_TRUE(m_bar.OnMenuAccelator(WM_SYSKEYDOWN, 'F', 0));
    EXPECT_EQ(hPopup, m_bar.GetSubMenu(0)->GetSafeHmenu());
    EXPECT_EQ(nState, static_cast<UINT>(CLuMenuBar::statePressed));
    EXPECT_EQ(nSel, 0);
    ASSERT_TRUE(fxtest::PumpUntil([&] { return !m_pOwner->commands.empty(); }));
    EXPECT_EQ(m_pOwner->commands[0].wParam, static_cast<WPARAM>(ID_FILE_NEW));
    EXPECT_EQ(m_pOwner->commands[0].lParam, 0);
    EXPECT_EQ(m_bar.GetCurSel(), -1);
    // A letter no item uses is not the bar's.
    EXPECT_FALSE(m_bar.OnMenuAccelator(WM_SYSKEYDOWN, 'Z', 0));
    EXPECT_EQ(OpenPopup(), nullptr);
}

TEST_F(MenuBarTest, LeftAndRightMoveBetweenItemsUnlessASubMenuUsesThem)
{
    std::vector<HMENU> popups;
    std::vector<int> bars;
    auto record = [&] {
        popups.push_back(OpenPopup());
        bars.push_back(m_bar.GetCurSel());
    };
    auto subOpen = [] {
        CLuMenu* p = CLuMenu::GetTopLevelMenu();
        return p != nullptr && p->GetOpenSubMenu() != nullptr;
    };
    auto popupOf = [&](int n) { return [&, n] { return OpenPopup() == m_bar.GetSubMenu(n)->GetSafeHmenu() && !subOpen(); }; };
    m_pOwner->When(popupOf(0), [&] {
        record();
        PostKey(m_pOwner->m_hWnd, 'R');  // "Recent": its sub-menu opens
        m_pOwner->When(subOpen, [&] {
            popups.push_back(CLuMenu::GetTopLevelMenu()->GetOpenSubMenu()->GetSafeHmenu());
            PostKey(m_pOwner->m_hWnd, VK_LEFT);  // closes the sub-menu level only
            m_pOwner->When(popupOf(0), [&] {
                record();
                PostKey(m_pOwner->m_hWnd, VK_LEFT);  // to the previous item, wrapping to the last
                m_pOwner->When(popupOf(2), [&] {
                    record();
                    PostKey(m_pOwner->m_hWnd, VK_RIGHT);
                    m_pOwner->When(popupOf(0), [&] {
                        record();
                        PostKey(m_pOwner->m_hWnd, VK_MENU);
                    });
                });
            });
        });
    });
    EXPECT_TRUE(m_bar.OnMenuAccelator(WM_SYSKEYDOWN, 'F', 0));
    ASSERT_EQ(popups.size(), 5u);
    EXPECT_EQ(popups[0], m_bar.GetSubMenu(0)->GetSafeHmenu());
    EXPECT_EQ(popups[1], ::GetSubMenu(m_bar.GetSubMenu(0)->GetSafeHmenu(), 5));
    EXPECT_EQ(popups[2], m_bar.GetSubMenu(0)->GetSafeHmenu());
    EXPECT_EQ(popups[3], m_bar.GetSubMenu(2)->GetSafeHmenu());
    EXPECT_EQ(popups[4], m_bar.GetSubMenu(0)->GetSafeHmenu());
    EXPECT_EQ(bars, (std::vector<int>{0, 0, 2, 0}));
    // Alt closed everything without a command.
    fxtest::PumpPending();
    EXPECT_TRUE(m_pOwner->commands.empty());
    EXPECT_EQ(m_bar.GetCurSel(), -1);
}

TEST_F(MenuBarTest, AltReleaseEntersKeyboardModeAndEscKeepsTheItemHot)
{
    std::vector<UINT> states;
    auto editOpen = [&] {
        CLuMenu* p = CLuMenu::GetTopLevelMenu();
        return p != nullptr && p->GetSafeHmenu() == m_bar.GetSubMenu(1)->GetSafeHmenu() && p->GetCurSel() == 0;
    };
    m_pOwner->During([&] {
        states.push_back(m_bar.GetMenuItemStatus(0));
        PostKey(m_pOwner->m_hWnd, VK_RIGHT);
        m_pOwner->When([&] { return m_bar.GetCurSel() == 1; }, [&] {
            states.push_back(m_bar.GetMenuItemStatus(1));
            PostKey(m_pOwner->m_hWnd, VK_DOWN);  // opens Edit with its first item selected
            m_pOwner->When(editOpen, [&] {
                states.push_back(m_bar.GetMenuItemStatus(1));
                PostKey(m_pOwner->m_hWnd, VK_ESCAPE);  // closes the popup, the item stays hot
                m_pOwner->When([&] { return OpenPopup() == nullptr; }, [&] {
                    states.push_back(m_bar.GetMenuItemStatus(1));
                    PostKey(m_pOwner->m_hWnd, VK_RETURN);  // opens it again
                    m_pOwner->When(editOpen, [&] { PostKey(m_pOwner->m_hWnd, VK_RETURN); });
                });
            });
        });
    });
    EXPECT_TRUE(m_bar.OnMenuAccelator(WM_SYSKEYUP, VK_MENU, 0));
    const UINT hot = CLuMenuBar::stateHot, pressed = CLuMenuBar::statePressed;
    EXPECT_EQ(states, (std::vector<UINT>{hot, hot, pressed, hot}));
    ASSERT_TRUE(fxtest::PumpUntil([&] { return !m_pOwner->commands.empty(); }));
    EXPECT_EQ(m_pOwner->commands[0].wParam, static_cast<WPARAM>(ID_EDIT_CUT));
    // Alt released after Alt + another key was a shortcut: no keyboard mode.
    EXPECT_FALSE(m_bar.OnMenuAccelator(WM_SYSKEYDOWN, VK_MENU, 0));
    EXPECT_FALSE(m_bar.OnMenuAccelator(WM_SYSKEYDOWN, 'Q', 0));
    EXPECT_FALSE(m_bar.OnMenuAccelator(WM_SYSKEYUP, VK_MENU, 0));
}

TEST_F(MenuBarTest, PointerMovesTheOpenPopupToAnotherItem)
{
    std::vector<HMENU> popups;
    m_pOwner->When([&] { return OpenPopup() != nullptr; }, [&] {
        popups.push_back(OpenPopup());
        PostMouse(m_bar.m_hWnd, WM_MOUSEMOVE, ItemCentre(1));
        m_pOwner->When([&] { return OpenPopup() != nullptr && OpenPopup() != popups[0]; }, [&] {
            popups.push_back(OpenPopup());
            // A click on the open item's own title closes its popup.
            PostMouse(m_bar.m_hWnd, WM_LBUTTONDOWN, ItemCentre(1), MK_LBUTTON);
        });
    });
    PostMouse(m_bar.m_hWnd, WM_LBUTTONDOWN, ItemCentre(0), MK_LBUTTON);
    ASSERT_TRUE(fxtest::PumpUntil([&] { return popups.size() == 2 && OpenPopup() == nullptr; }, 10000));
    EXPECT_EQ(popups[0], m_bar.GetSubMenu(0)->GetSafeHmenu());
    EXPECT_EQ(popups[1], m_bar.GetSubMenu(1)->GetSafeHmenu());
    EXPECT_TRUE(m_pOwner->commands.empty());
}

TEST_F(MenuBarTest, PaintsItsBackgroundAndThePressedItem)
{
    CLuTheme* pTheme = CLuThemeManager::Instance()->GetTheme();
    const int cy = m_bar.GetBarHeight();
    skintest::Canvas canvas(500, cy);
    ::SendMessageW(m_bar.m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);
    // Left to right from the face colour to its 80 % lightening.
    EXPECT_TRUE(skintest::Near(canvas.At(0, cy / 2), pTheme->GetThemeColor(3), 2));
    EXPECT_TRUE(skintest::Near(canvas.At(499, cy / 2), CLuPainter::LightColor(pTheme->GetThemeColor(3), 80), 3));

    // While File's popup is open its item is drawn pressed: outlined in theme colour 0.
    CRect rc0;
    m_bar.GetItemRect(0, &rc0);
    COLORREF outline = 0, plain = 0;
    m_pOwner->During([&] {
        canvas.Clear(RGB(255, 255, 255));
        ::SendMessageW(m_bar.m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);
        outline = canvas.At(rc0.left + 8, rc0.top);
        CRect rc1;
        m_bar.GetItemRect(1, &rc1);
        plain = canvas.At(rc1.left + 8, rc1.top);
        PostKey(m_pOwner->m_hWnd, VK_ESCAPE);
        m_pOwner->When([&] { return OpenPopup() == nullptr; }, [&] { PostKey(m_pOwner->m_hWnd, VK_ESCAPE); });
    });
    m_bar.OnMenuAccelator(WM_SYSKEYDOWN, 'F', 0);
    EXPECT_EQ(outline, pTheme->GetThemeColor(0));
    EXPECT_NE(plain, pTheme->GetThemeColor(0));
}

TEST_F(MenuBarTest, MenuCharOpensTheItemOnceTheSystemMenuClosed)
{
    LRESULT lResult = 0;
    EXPECT_FALSE(m_bar.OnMenuChar('z', MF_POPUP, nullptr, lResult));
    EXPECT_TRUE(m_bar.OnMenuChar('e', MF_POPUP, nullptr, lResult));
    EXPECT_EQ(HIWORD(lResult), MNC_CLOSE);
    HMENU hOpened = nullptr;
    m_pOwner->When([] { return OpenPopup() != nullptr; }, [&] {
        hOpened = OpenPopup();
        PostKey(m_pOwner->m_hWnd, VK_ESCAPE);
        m_pOwner->When([] { return OpenPopup() == nullptr; }, [&] { PostKey(m_pOwner->m_hWnd, VK_ESCAPE); });
    });
    ASSERT_TRUE(fxtest::PumpUntil([&] { return hOpened != nullptr && m_bar.GetCurSel() == -1; }, 10000));
    EXPECT_EQ(hOpened, m_bar.GetSubMenu(1)->GetSafeHmenu());
}
