// The book control: pages adopted and created, selection with the dialog-navigation style
// following the visible page, invalid indexes, failed page windows, destroying caller-owned
// pages, commands to the visible page, private messages to the parent, and the title strip.
#include "skin/ctrl/BookCtrl.h"
#include "tests/gui/skin_ctrl/CtrlTestSupport.h"
#include "tests/gui/skin_ctrl/SkinCtrlTestRes.h"

#include <gtest/gtest.h>

using namespace ctrltest;

namespace {

constexpr UINT kPageActivation = WM_USER + 0x1010;
constexpr UINT kPageCommand = 0x7401;

// The book's parent: answers the page-activation message and counts it.
class CBookHost : public CWnd {
public:
    int m_nActivations = 0;
    WPARAM m_lastWParam = 0;

protected:
    LRESULT OnActivatePage(WPARAM wParam, LPARAM)
    {
        ++m_nActivations;
        m_lastWParam = wParam;
        return 77;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBookHost, CWnd)
    ON_MESSAGE(kPageActivation, OnActivatePage)
END_MESSAGE_MAP()

// A page window that handles one command.
class CCommandPage : public CWnd {
    DECLARE_DYNCREATE(CCommandPage)
public:
    CCommandPage() { ++s_nLive; }
    ~CCommandPage() override { --s_nLive; }
    int m_nCommands = 0;
    static int s_nLive;

protected:
    void OnPageCommand() { ++m_nCommands; }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CCommandPage, CWnd)
int CCommandPage::s_nLive = 0;
BEGIN_MESSAGE_MAP(CCommandPage, CWnd)
    ON_COMMAND(kPageCommand, OnPageCommand)
END_MESSAGE_MAP()

// A context whose window never comes.
class CFailingContext : public CLuCContext {
public:
    explicit CFailingContext(CWnd* pWnd) : CLuCContext(pWnd) {}
    explicit CFailingContext(CRuntimeClass* pClass) : CLuCContext(pClass) {}
    BOOL Create(CWnd*, CWnd*) override { return FALSE; }
};

// A context that creates a plain child window of the given object.
class CChildContext : public CLuCContext {
public:
    explicit CChildContext(CWnd* pWnd) : CLuCContext(pWnd) {}
    explicit CChildContext(CRuntimeClass* pClass) : CLuCContext(pClass) {}
    BOOL Create(CWnd* pWnd, CWnd* pParent) override
    {
        return pWnd->Create(nullptr, "page", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pParent, 0);
    }
};

class BookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MoveCursorAway();
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_POPUP | WS_CLIPCHILDREN, CRect(40, 40, 340, 260), nullptr, 0));
    }
    void TearDown() override { m_host.DestroyWindow(); }
    bool MakeBook(DWORD dwStyle)
    {
        return m_book.Create(WS_VISIBLE | dwStyle, CRect(0, 0, 300, 220), &m_host, 500) != FALSE;
    }
    static bool Visible(CWnd& w) { return (w.GetStyle() & WS_VISIBLE) != 0; }
    static bool ControlParent(CWnd& w) { return (w.GetExStyle() & WS_EX_CONTROLPARENT) != 0; }

    CBookHost m_host;
    CLuBookCtrl m_book;
};

}  // namespace

TEST_F(BookTest, SelectionShowsOnePageAndMovesTheNavigationStyle)
{
    ASSERT_TRUE(MakeBook(0));
    EXPECT_TRUE(ControlParent(m_book));
    EXPECT_EQ(LuLibAux::CtrlFromHandle(m_book.GetSafeHwnd()), static_cast<CLuControlBase*>(&m_book));
    CWnd a, b;
    ASSERT_TRUE(a.CreateEx(0, nullptr, "a", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &m_host, 0));
    ASSERT_TRUE(b.CreateEx(0, nullptr, "b", WS_CHILD, CRect(0, 0, 5, 5), &m_host, 0));
    EXPECT_EQ(m_book.AddPage("A", &a), 0);
    EXPECT_EQ(m_book.AddPage("B", &b), 1);
    EXPECT_EQ(::GetParent(a.GetSafeHwnd()), m_book.GetSafeHwnd());
    // Adopted pages stay hidden until selected.
    EXPECT_FALSE(Visible(a));
    EXPECT_EQ(m_book.GetCurSel(), -1);
    EXPECT_EQ(m_book.GetCurPageWnd(), nullptr);

    EXPECT_EQ(m_book.SetCurSel(0), -1);
    EXPECT_TRUE(Visible(a));
    EXPECT_TRUE(ControlParent(a));
    EXPECT_FALSE(Visible(b));
    EXPECT_EQ(m_book.SetCurSel(1), 0);
    EXPECT_FALSE(Visible(a));
    EXPECT_FALSE(ControlParent(a));
    EXPECT_TRUE(Visible(b));
    EXPECT_TRUE(ControlParent(b));
    EXPECT_EQ(m_book.GetCurPageWnd(), &b);

    // The page fills the client area below the 30-pixel title.
    CRect rc;
    b.GetWindowRect(&rc);
    m_book.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(0, 30, 300, 220));

    // An invalid index changes nothing.
    EXPECT_EQ(m_book.SetCurSel(5), -1);
    EXPECT_EQ(m_book.SetCurSel(-1), -1);
    EXPECT_EQ(m_book.GetCurSel(), 1);
    EXPECT_TRUE(Visible(b));
    EXPECT_EQ(m_book[5], nullptr);
    EXPECT_EQ(m_book.GetItemData(5).pWnd, nullptr);
    EXPECT_FALSE(m_book.DeletePage(2));
    EXPECT_FALSE(m_book.DestoryPage(-1));
    EXPECT_EQ(m_book.GetPageCount(), 2);
    EXPECT_EQ(m_book.GetItemData(1).strTitle, "B");
    EXPECT_EQ(m_book.GetItemData(1).bCustom, 1);

    // Deleting the current page keeps the index, which now names no page.
    EXPECT_TRUE(m_book.DeletePage(1));
    EXPECT_EQ(m_book.GetCurSel(), 1);
    EXPECT_EQ(m_book.GetCurPageWnd(), nullptr);
    EXPECT_TRUE(::IsWindow(b.GetSafeHwnd()));
    b.DestroyWindow();
    a.DestroyWindow();
}

TEST_F(BookTest, NoTitleStyleGivesThePageTheWholeClientArea)
{
    ASSERT_TRUE(MakeBook(LU_BOOK_NOTITLE));
    CWnd a;
    ASSERT_TRUE(a.CreateEx(0, nullptr, "a", WS_CHILD, CRect(0, 0, 5, 5), &m_host, 0));
    m_book.AddPage("A", &a);
    m_book.SetCurSel(0);
    CRect rc;
    a.GetWindowRect(&rc);
    m_book.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 300, 220));
    m_book.SetWindowPos(nullptr, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOMOVE);
    a.GetWindowRect(&rc);
    EXPECT_EQ(rc.Size(), CSize(200, 100));
    a.DestroyWindow();
}

TEST_F(BookTest, CreatedPagesAndFailedPageWindows)
{
    ASSERT_TRUE(MakeBook(0));
    // From a run-time class: the book's own object, hidden until selected.
    CChildContext byClass(RUNTIME_CLASS(CCommandPage));
    EXPECT_EQ(m_book.CreatePage("made", &byClass), 0);
    CWnd* pMade = m_book[0];
    ASSERT_NE(pMade, nullptr);
    EXPECT_FALSE(Visible(*pMade));
    EXPECT_EQ(m_book.GetItemData(0).bCustom, 0);
    EXPECT_EQ(::GetParent(pMade->GetSafeHwnd()), m_book.GetSafeHwnd());

    // A caller's object whose window fails: -1, nothing recorded, the object left alone.
    const int live = CCommandPage::s_nLive;
    {
        CCommandPage mine;
        CFailingContext failing(&mine);
        EXPECT_EQ(m_book.CreatePage("failed", &failing), -1);
        EXPECT_EQ(m_book.GetPageCount(), 1);
        EXPECT_EQ(CCommandPage::s_nLive, live + 1);
    }
    // A class whose window fails: -1, and the object made for it is gone again.
    CFailingContext failingClass(RUNTIME_CLASS(CCommandPage));
    EXPECT_EQ(m_book.CreatePage("nothing", &failingClass), -1);
    EXPECT_EQ(m_book.GetPageCount(), 1);
    EXPECT_EQ(CCommandPage::s_nLive, live);

    // A caller's page created through its context, then both destroyed: windows gone,
    // the caller's object kept.
    CCommandPage custom;
    CChildContext byObject(&custom);
    EXPECT_EQ(m_book.CreatePage("custom", &byObject), 1);
    EXPECT_EQ(m_book.GetItemData(1).bCustom, 1);
    const HWND hMade = pMade->GetSafeHwnd();
    EXPECT_TRUE(m_book.DestoryAllPages());
    EXPECT_EQ(m_book.GetPageCount(), 0);
    EXPECT_FALSE(::IsWindow(hMade));
    EXPECT_EQ(custom.GetSafeHwnd(), nullptr);
}

TEST_F(BookTest, CommandsGoToTheVisiblePageAndPrivateMessagesToTheParent)
{
    ASSERT_TRUE(MakeBook(0));
    CCommandPage page1, page2;
    ASSERT_TRUE(page1.CreateEx(0, nullptr, "1", WS_CHILD, CRect(0, 0, 5, 5), &m_book, 0));
    ASSERT_TRUE(page2.CreateEx(0, nullptr, "2", WS_CHILD, CRect(0, 0, 5, 5), &m_book, 0));
    m_book.AddPage("1", &page1);
    m_book.AddPage("2", &page2);
    m_book.SetCurSel(1);
    EXPECT_TRUE(m_book.OnCmdMsg(kPageCommand, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(page2.m_nCommands, 1);
    EXPECT_EQ(page1.m_nCommands, 0);
    m_book.SendMessage(WM_COMMAND, kPageCommand, 0);
    EXPECT_EQ(page2.m_nCommands, 2);

    // A page's 0x1410 reaches the book's parent and its answer comes back.
    EXPECT_EQ(page1.GetParent()->SendMessage(kPageActivation, 3, 0), 77);
    EXPECT_EQ(m_host.m_nActivations, 1);
    EXPECT_EQ(m_host.m_lastWParam, 3u);
    // Below 0x13FF nothing is passed on.
    m_book.SendMessage(WM_USER + 0xFFE, 0, 0);
    EXPECT_EQ(m_host.m_nActivations, 1);
    page1.DestroyWindow();
    page2.DestroyWindow();
}

TEST_F(BookTest, TitleStripAndEmptyPageInTheThemeColours)
{
    ASSERT_TRUE(MakeBook(WS_BORDER));
    CWnd a;
    ASSERT_TRUE(a.CreateEx(0, nullptr, "a", WS_CHILD, CRect(0, 0, 5, 5), &m_host, 0));
    m_book.AddPage("", &a);
    ShowAndPaint(m_host.GetSafeHwnd());
    // A one-pixel frame in the border colour; the client area starts inside it.
    EXPECT_EQ(WindowPixel(m_book.GetSafeHwnd(), 0, 0), ThemeColor(LUCLR_BORDER));
    EXPECT_EQ(WindowPixel(m_book.GetSafeHwnd(), 299, 219), ThemeColor(LUCLR_BORDER));
    CRect rcClient;
    m_book.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Size(), CSize(298, 218));
    // No page selected: the page area is the theme's client fill; the title strip is the
    // active caption gradient (dark at the top) with a face-coloured last row.
    const COLORREF dark = CLuPainter::BlendColors(ThemeColor(LUCLR_BORDER), ThemeColor(LUCLR_HIGHLIGHT), 50);
    EXPECT_EQ(ClientPixel(m_book.GetSafeHwnd(), 150, 100), ThemeColor(LUCLR_WINDOW));
    EXPECT_TRUE(Near(ClientPixel(m_book.GetSafeHwnd(), 250, 0), dark)) << std::hex << ClientPixel(m_book.GetSafeHwnd(), 250, 0);
    EXPECT_EQ(ClientPixel(m_book.GetSafeHwnd(), 250, 29), ThemeColor(LUCLR_FACE));

    // The inactive style turns the gradient round.
    m_book.SetCtrlStyleEx(m_book.GetCtrlStyleEx() | LU_BOOK_INACTIVE);
    m_book.RedrawWindow();
    const COLORREF light = CLuPainter::LightColor(ThemeColor(LUCLR_FACE), 80);
    EXPECT_TRUE(Near(ClientPixel(m_book.GetSafeHwnd(), 250, 0), light)) << std::hex << ClientPixel(m_book.GetSafeHwnd(), 250, 0);
    a.DestroyWindow();
}
