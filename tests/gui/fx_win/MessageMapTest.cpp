// Message maps on real windows: the order in which handlers run, typed arguments unpacked from
// the message, private and registered messages, a derived map hiding one base entry while the
// others still work, the handle map's permanent and temporary objects, and subclassing an
// existing control and giving it back.
#include "GuiTestSupport.h"
#include "TestApp.h"

#include "fx/win/Text.h"
#include "fx/win/ThreadState.h"
#include "fx/win/Wnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kRegistered = ::RegisterWindowMessageW(L"FxWinTestRegistered");

class CRecorder : public CWnd {
public:
    std::vector<std::string> log;
    int postNcDestroyCalls = 0;

protected:
    int OnCreate(LPCREATESTRUCTW lpcs)
    {
        log.push_back("create " + std::to_string(lpcs->cx) + "x" + std::to_string(lpcs->cy));
        return CWnd::OnCreate(lpcs);
    }
    void OnSize(UINT, int cx, int cy) { log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy)); }
    void OnTimer(UINT_PTR id)
    {
        KillTimer(id);
        log.push_back("timer " + std::to_string(id));
    }
    void OnLButtonDown(UINT flags, CPoint pt)
    {
        log.push_back("lbutton " + std::to_string(flags) + " " + std::to_string(pt.x) + "," + std::to_string(pt.y));
    }
    LRESULT OnLinkClicked(WPARAM wParam, LPARAM) { log.push_back("0x1403 " + std::to_string(wParam)); return 17; }
    LRESULT OnCommandDone(WPARAM wParam, LPARAM) { log.push_back("0x1413 " + std::to_string(wParam)); return 0; }
    LRESULT OnRegistered(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    void OnDestroy() { log.push_back("destroy"); CWnd::OnDestroy(); }
    void OnNcDestroy() { log.push_back("ncdestroy"); CWnd::OnNcDestroy(); }
    void PostNcDestroy() override { ++postNcDestroyCalls; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecorder, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
    ON_MESSAGE(WM_USER + 0x1003, OnLinkClicked)
    ON_MESSAGE(WM_USER + 0x1013, OnCommandDone)
    ON_REGISTERED_MESSAGE(kRegistered, OnRegistered)
END_MESSAGE_MAP()

// Replaces the timer handler only; every other entry comes from the base map.
class CDerivedRecorder : public CRecorder {
protected:
    void OnTimer(UINT_PTR id)
    {
        KillTimer(id);
        log.push_back("derived timer " + std::to_string(id));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedRecorder, CRecorder)
    ON_WM_TIMER()
END_MESSAGE_MAP()

bool Contains(const std::vector<std::string>& log, const std::string& entry)
{
    for (const auto& e : log)
        if (e == entry)
            return true;
    return false;
}

int IndexOf(const std::vector<std::string>& log, const std::string& entry)
{
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i] == entry)
            return static_cast<int>(i);
    return -1;
}

}  // namespace

TEST(FxMessageMap, HandlersRunInMessageOrderWithTypedArguments)
{
    CRecorder wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "recorder", WS_POPUP, 10, 10, 200, 120, nullptr, nullptr));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    ASSERT_FALSE(wnd.log.empty());
    EXPECT_EQ("create 200x120", wnd.log.front());

    wnd.MoveWindow(10, 10, 300, 150);
    EXPECT_EQ("size 300x150", wnd.log.back());

    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 40));
    EXPECT_EQ("lbutton 1 -5,40", wnd.log.back()) << "coordinates are signed";

    EXPECT_EQ(17, wnd.SendMessage(WM_USER + 0x1003, 1096));
    EXPECT_EQ("0x1403 1096", wnd.log.back());
    wnd.PostMessage(WM_USER + 0x1013, 2);
    EXPECT_TRUE(fxtest::PumpUntil([&] { return Contains(wnd.log, "0x1413 2"); }));
    EXPECT_EQ(30, wnd.SendMessage(kRegistered, 10, 20));

    wnd.SetTimer(1000, 20);
    EXPECT_TRUE(fxtest::PumpUntil([&] { return Contains(wnd.log, "timer 1000"); }));

    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(1, wnd.postNcDestroyCalls);
    EXPECT_LT(IndexOf(wnd.log, "destroy"), IndexOf(wnd.log, "ncdestroy"));
    EXPECT_EQ("ncdestroy", wnd.log.back());
}

TEST(FxMessageMap, DerivedEntryHidesBaseEntryOnly)
{
    CDerivedRecorder wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "derived", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
    wnd.SetTimer(7, 10);
    EXPECT_TRUE(fxtest::PumpUntil([&] { return Contains(wnd.log, "derived timer 7"); }));
    EXPECT_FALSE(Contains(wnd.log, "timer 7"));
    // Entries the derived map does not list still reach the base handlers.
    EXPECT_EQ(17, wnd.SendMessage(WM_USER + 0x1003, 5));
    EXPECT_EQ("create 50x40", wnd.log.front());
}

TEST(FxMessageMap, UnhandledMessagesGetDefaultProcessing)
{
    CRecorder wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "default", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
    // WM_SETTEXT/WM_GETTEXT have no entry: the system's default procedure keeps the text.
    wnd.SetWindowText("高清多画面分割器");
    wchar_t wide[64] = {};
    ::GetWindowTextW(wnd.m_hWnd, wide, 64);
    EXPECT_EQ(fx::ToWide("高清多画面分割器"), std::wstring(wide));
    EXPECT_EQ(CString("高清多画面分割器"), wnd.GetWindowText());
    EXPECT_EQ(16, wnd.GetWindowTextLength()) << "eight GBK characters are sixteen bytes";
    char small[6];
    EXPECT_EQ(4, wnd.GetWindowText(small, sizeof small)) << "a character is never cut in half";
    EXPECT_EQ(std::string("高清"), std::string(small));
}

TEST(FxHandleMap, TemporaryWrappersGoWhenTheThreadIsIdle)
{
    HWND hForeign = ::CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hForeign);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hForeign, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hForeign)) << "one wrapper per handle until idle";
    EXPECT_FALSE(TestApp().OnIdle(1));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    EXPECT_TRUE(::IsWindow(hForeign)) << "deleting the wrapper leaves the window alone";
    ::DestroyWindow(hForeign);
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
}

TEST(FxHandleMap, SystemControlsCreatedThroughTheHookKeepTheirBehaviour)
{
    CRecorder parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CWnd edit;
    ASSERT_TRUE(edit.Create("EDIT", "起始", WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 24), &parent, 1004));
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(edit.m_hWnd));
    EXPECT_EQ(AfxGetAfxWndProc(), reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit.m_hWnd, GWLP_WNDPROC)));
    EXPECT_EQ(CString("起始"), edit.GetWindowText());
    edit.SendMessage(EM_SETSEL, 0, -1);
    edit.SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"\u8fde\u63a5"));
    EXPECT_EQ(CString("连接"), edit.GetWindowText()) << "the edit control's own procedure still runs";
    EXPECT_EQ(&edit, parent.GetDlgItem(1004));
    parent.DestroyWindow();
    EXPECT_EQ(nullptr, edit.m_hWnd) << "a child destroyed with its parent lets its object go";
}

namespace {

class CCharSpy : public CWnd {
public:
    std::string typed;

protected:
    void OnChar(UINT nChar, UINT, UINT)
    {
        typed += static_cast<char>(nChar);
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCharSpy, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

}  // namespace

TEST(FxSubclassing, AnExistingControlIsTakenOverAndGivenBack)
{
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hEdit);
    const LONG_PTR original = ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC);

    CCharSpy spy;
    ASSERT_TRUE(spy.SubclassWindow(hEdit));
    EXPECT_FALSE(CCharSpy().SubclassWindow(hEdit)) << "a window has one object";
    ::SendMessageW(hEdit, WM_CHAR, 'a', 1);
    ::SendMessageW(hEdit, WM_CHAR, 'b', 1);
    EXPECT_EQ("ab", spy.typed);
    EXPECT_EQ(CString("ab"), spy.GetWindowText()) << "unhandled work reaches the edit's own procedure";

    EXPECT_EQ(hEdit, spy.UnsubclassWindow());
    EXPECT_EQ(original, ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    ::SendMessageW(hEdit, WM_CHAR, 'c', 1);
    EXPECT_EQ("ab", spy.typed);
    wchar_t text[8] = {};
    ::GetWindowTextW(hEdit, text, 8);
    EXPECT_EQ(std::wstring(L"abc"), text);
    ::DestroyWindow(hEdit);
}

TEST(FxHandleMap, WindowCountsDoNotGrowOverManyCycles)
{
    // Every create/destroy cycle must leave the maps and the system's tables as they were.
    const DWORD userBefore = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    const std::size_t objectsBefore = fx::detail::State().permanentWnds.size();
    for (int i = 0; i < 300; ++i) {
        CRecorder parent;
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "cycle", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
        CWnd child;
        ASSERT_TRUE(child.Create("BUTTON", "b", WS_CHILD, CRect(0, 0, 5, 5), &parent, 1));
        CWnd::FromHandle(::GetDesktopWindow());
        CWnd::DeleteTempMap();
    }
    // Windows counts the process's USER objects (Wine answers 0); the handle maps are ours.
    const DWORD userAfter = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    EXPECT_LE(userAfter, userBefore + 5);
    EXPECT_EQ(objectsBefore, fx::detail::State().permanentWnds.size());
    EXPECT_TRUE(fx::detail::State().tempWnds.empty());
    HWND probe = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(probe));
    ::DestroyWindow(probe);
}
