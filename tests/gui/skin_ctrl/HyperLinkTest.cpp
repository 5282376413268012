// The hyperlink: the browser command line it would start, registry values of any length, the
// error texts, the parent notification of a notify-style link (and nothing opened), its colours
// for link, visited and hover, and its size following text and icon.
#include "skin/ctrl/HyperLink.h"
#include "tests/gui/skin_ctrl/CtrlTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace ctrltest;

TEST(SkinHyperLinkUrl, BrowserCommandLineKeepsTheCommandBeforeTheCut)
{
    const char* url = "http://example.com/a b";
    // A quoted "%1": the command before it, a blank and the URL in quotes; what followed goes.
    EXPECT_EQ(CLuHyperLink::BrowserCommandLine("\"C:\\Web\\browser.exe\" -nohome \"%1\" -x", url),
              "\"C:\\Web\\browser.exe\" -nohome  \"http://example.com/a b\"");
    // A bare %1: the same without quotes.
    EXPECT_EQ(CLuHyperLink::BrowserCommandLine("C:\\browser.exe %1 -new", url), "C:\\browser.exe  http://example.com/a b");
    // A quoted "%1" wins over an earlier bare one.
    EXPECT_EQ(CLuHyperLink::BrowserCommandLine("b.exe %1 \"%1\"", "u"), "b.exe %1  \"u\"");
    // No %1: the whole command, a blank and the URL.
    EXPECT_EQ(CLuHyperLink::BrowserCommandLine("C:\\browser.exe", "u"), "C:\\browser.exe u");
    EXPECT_EQ(CLuHyperLink::BrowserCommandLine("", "u"), " u");
}

TEST(SkinHyperLinkUrl, RegistryValuesOfAnyLength)
{
    const std::wstring value(1000, L'x');
    HKEY hKey = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TaveloSkinCtrlTest", 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(hKey);
    CString read;
    EXPECT_EQ(CLuHyperLink::GetRegKey(HKEY_CURRENT_USER, "Software\\TaveloSkinCtrlTest", read), ERROR_SUCCESS);
    EXPECT_EQ(read.GetLength(), 1000);
    EXPECT_EQ(read, CString(std::string(1000, 'x').c_str()));
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TaveloSkinCtrlTest");
    EXPECT_NE(CLuHyperLink::GetRegKey(HKEY_CURRENT_USER, "Software\\TaveloSkinCtrlTest", read), ERROR_SUCCESS);
    EXPECT_TRUE(read.IsEmpty());
}

TEST(SkinHyperLinkUrl, ErrorTexts)
{
    EXPECT_EQ(CLuHyperLink::ErrorText(0), "Unable to open hyperlink:\n\nThe operating system is out\nof memory or resources.");
    EXPECT_EQ(CLuHyperLink::ErrorText(2), "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(CLuHyperLink::ErrorText(26), "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(CLuHyperLink::ErrorText(31),
              "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
    EXPECT_EQ(CLuHyperLink::ErrorText(32), "Unable to open hyperlink:\n\nThe specified dynamic-link library was not found.");
    EXPECT_EQ(CLuHyperLink::ErrorText(99), "Unable to open hyperlink:\n\nUnknown Error (99) occurred.");
    EXPECT_EQ(CLuHyperLink::ErrorText(-7), "Unable to open hyperlink:\n\nUnknown Error (-7) occurred.");
}

namespace {

class CLinkHost : public CWnd {
public:
    std::vector<WPARAM> m_clicks;

protected:
    LRESULT OnLinkClicked(WPARAM wParam, LPARAM lParam)
    {
        m_clicks.push_back(wParam);
        EXPECT_EQ(lParam, 0);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLinkHost, CWnd)
    ON_MESSAGE(0x1403, OnLinkClicked)
END_MESSAGE_MAP()

class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MoveCursorAway();
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_POPUP, CRect(60, 60, 360, 200), nullptr, 0));
    }
    void TearDown() override { m_host.DestroyWindow(); }
    // Whether any pixel of the link shows exactly this colour (the underline does).
    bool Shows(COLORREF clr)
    {
        CRect rc;
        m_link.GetClientRect(&rc);
        HDC hdc = ::GetDC(m_link.GetSafeHwnd());
        bool found = false;
        for (int y = 0; y < rc.bottom && !found; ++y)
            for (int x = 0; x < rc.right && !found; ++x)
                found = ::GetPixel(hdc, x, y) == clr;
        ::ReleaseDC(m_link.GetSafeHwnd(), hdc);
        return found;
    }
    CLinkHost m_host;
    CLuHyperLink m_link;
};

}  // namespace

TEST_F(HyperLinkTest, NotifyStyleTellsTheParentAndOpensNothing)
{
    ASSERT_TRUE(m_link.Create("通知", WS_VISIBLE | LU_HLS_NOTIFY, CRect(10, 10, 110, 30), &m_host, 321));
    m_link.SetURL("http://example.com/");
    const size_t boxes = App().m_messages.size();
    m_link.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    m_link.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    ASSERT_TRUE(fxtest::PumpUntil([&] { return !m_host.m_clicks.empty(); }));
    EXPECT_EQ(m_host.m_clicks, std::vector<WPARAM>{321});
    EXPECT_FALSE(m_link.GetVisited());
    EXPECT_EQ(App().m_messages.size(), boxes);
    EXPECT_EQ(CWnd::GetFocus(), &m_link);
    // A release outside is no click.
    m_link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(500, 3));
    EXPECT_EQ(m_host.m_clicks.size(), 1u);
}

TEST_F(HyperLinkTest, LinkVisitedAndHoverColours)
{
    ASSERT_TRUE(m_link.Create("链接 link", WS_VISIBLE | LU_HLS_NOTIFY, CRect(10, 10, 200, 40), &m_host, 322));
    EXPECT_EQ(m_link.GetLinkColor(), RGB(0, 0, 238));
    EXPECT_EQ(m_link.GetVisitedColor(), RGB(85, 26, 139));
    EXPECT_EQ(m_link.GetHoverColor(), ::GetSysColor(COLOR_HIGHLIGHT));
    m_link.SetHoverColor(RGB(200, 0, 0));
    ShowAndPaint(m_host.GetSafeHwnd());
    EXPECT_TRUE(Shows(RGB(0, 0, 238)));
    m_link.SetVisited(TRUE);
    EXPECT_TRUE(Shows(RGB(85, 26, 139)));
    EXPECT_FALSE(Shows(RGB(0, 0, 238)));

    m_link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(m_link.IsHovering());
    EXPECT_EQ(CWnd::GetCapture(), &m_link);
    EXPECT_TRUE(Shows(RGB(200, 0, 0)));
    m_link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    EXPECT_FALSE(m_link.IsHovering());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(Shows(RGB(85, 26, 139)));
}

TEST_F(HyperLinkTest, SizeFollowsTextAndIcon)
{
    ASSERT_TRUE(m_link.Create("Some link text", WS_VISIBLE, CRect(12, 14, 300, 24), &m_host, 323));
    m_link.SetURL("http://example.com/");
    EXPECT_EQ(m_link.GetURL(), "http://example.com/");
    // The text's width in the underlined theme font.
    LOGFONTW lf{};
    CLuThemeManager::Instance()->GetTheme()->GetThemeFont()->GetLogFont(&lf);
    lf.lfUnderline = TRUE;
    CFont font;
    font.CreateFontIndirect(&lf);
    CClientDC dc(&m_link);
    int textWidth = 0;
    {
        CScopedSelect select(dc, font);
        textWidth = dc.GetTextExtent("Some link text").cx;
    }
    CRect rc;
    m_link.GetWindowRect(&rc);
    m_host.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(12, 14, 12 + textWidth, 24));

    // Two 16 x 20 images: the width grows by the icon and a 5-pixel gap, the height to 20.
    CBitmap strip;
    ASSERT_TRUE(strip.CreateCompatibleBitmap(dc.GetSafeHdc(), 32, 20));
    m_link.SetLinkIcon(&strip, 2, RGB(255, 0, 255));
    m_link.GetWindowRect(&rc);
    m_host.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(12, 14, 12 + textWidth + 16 + 5, 34));
    // No bitmap: no icon.
    m_link.SetLinkIcon(static_cast<CBitmap*>(nullptr), 2, RGB(255, 0, 255));
    m_link.GetWindowRect(&rc);
    EXPECT_EQ(rc.Width(), textWidth);
}
