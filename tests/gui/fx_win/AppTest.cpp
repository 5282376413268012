// The application's side: the message loop with its idle work (command states of the main
// window and its bars), the pre-translation chain from a control up to the application, a
// frame loaded from one resource id (title, menu, accelerators), and the message box captioned
// with the application's name from string resource 57344.
#include "FxWinTestRes.h"
#include "GuiTestSupport.h"
#include "TestApp.h"

#include "fx/win/FrameWnd.h"
#include "fx/win/Menu.h"
#include "fx/win/MessageBox.h"
#include "fx/win/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A bar-like child that counts the idle updates it is asked for.
class CIdleBar : public CWnd {
public:
    int updates = 0;
    WPARAM lastDisableFlag = 0;

protected:
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
    {
        ++updates;
        lastDisableFlag = wParam;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class CMainFrameUnderTest : public CFrameWnd {
public:
    int newScenes = 0;
    std::vector<std::string>* order = nullptr;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (order != nullptr && pMsg->message == WM_APP + 7)
            order->push_back("frame");
        return CFrameWnd::PreTranslateMessage(pMsg);
    }

protected:
    void OnNewScene() { ++newScenes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainFrameUnderTest, CFrameWnd)
    ON_COMMAND(ID_SCENE_NEW, OnNewScene)
END_MESSAGE_MAP()

class CPreTranslateChild : public CWnd {
public:
    std::vector<std::string>* order = nullptr;
    bool consume = false;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_APP + 7)
            return FALSE;
        order->push_back("child");
        return consume;
    }
};

// Resets the application's main window however the test ends.
struct MainWindowScope {
    explicit MainWindowScope(CWnd* pWnd) { TestApp().m_pMainWnd = pWnd; }
    ~MainWindowScope() { TestApp().m_pMainWnd = nullptr; }
};

}  // namespace

TEST(FxApp, RunDoesIdleWorkAndEndsWithTheQuitCode)
{
    auto* frame = new CMainFrameUnderTest;
    ASSERT_TRUE(frame->Create(nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200)));
    CIdleBar bar;
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), frame, 59393));
    {
        MainWindowScope scope(frame);
        // Some activity, then the end of the program with code 3.
        frame->PostMessage(WM_COMMAND, ID_SCENE_NEW);
        ::SetTimer(frame->m_hWnd, 1, 200, [](HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(3); });
        EXPECT_EQ(3, TestApp().Run());
        ::KillTimer(frame->m_hWnd, 1);
    }
    EXPECT_EQ(1, frame->newScenes);
    EXPECT_GE(bar.updates, 1) << "bars of the main window get their idle update";
    EXPECT_EQ(static_cast<WPARAM>(TRUE), bar.lastDisableFlag);
    frame->DestroyWindow();
}

TEST(FxApp, PreTranslationWalksFromTheControlUpToItsFrame)
{
    std::vector<std::string> order;
    auto* frame = new CMainFrameUnderTest;
    ASSERT_TRUE(frame->Create(nullptr, "main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    frame->order = &order;
    CPreTranslateChild child;
    child.order = &order;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 10, 10), frame, 1));

    MSG msg{child.m_hWnd, WM_APP + 7, 0, 0, 0, {0, 0}};
    EXPECT_FALSE(TestApp().PreTranslateMessage(&msg));
    EXPECT_EQ((std::vector<std::string>{"child", "frame"}), order);

    order.clear();
    child.consume = true;
    EXPECT_TRUE(TestApp().PreTranslateMessage(&msg));
    EXPECT_EQ(std::vector<std::string>{"child"}, order) << "a window that takes the message ends the walk";
    frame->DestroyWindow();
}

TEST(FxApp, FrameLoadsTitleMenuAndAcceleratorsFromOneResource)
{
    auto* frame = new CMainFrameUnderTest;
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    EXPECT_EQ(CString("高清多画面分割器"), frame->GetWindowText()) << "the title ends at the line feed";
    CMenu* pMenu = frame->GetMenu();
    ASSERT_NE(nullptr, pMenu);
    EXPECT_EQ(2u, pMenu->GetMenuItemCount());
    CString tab;
    pMenu->GetMenuString(0, tab, MF_BYPOSITION);
    EXPECT_EQ(CString("场景(&F)"), tab);
    CString item;
    pMenu->GetSubMenu(0)->GetMenuString(ID_SCENE_SAVE, item, MF_BYCOMMAND);
    EXPECT_EQ(CString("保存场景(&S)"), item);
    ASSERT_NE(nullptr, frame->m_hAccelTable);

    // F5 is the new-scene accelerator: pre-translation turns the key into the command.
    MSG key{frame->m_hWnd, WM_KEYDOWN, VK_F5, 0x003F0001, 0, {0, 0}};
    EXPECT_TRUE(TestApp().PreTranslateMessage(&key));
    EXPECT_EQ(1, frame->newScenes);
    MSG other{frame->m_hWnd, WM_KEYDOWN, VK_F6, 0x00400001, 0, {0, 0}};
    EXPECT_FALSE(TestApp().PreTranslateMessage(&other));

    HWND hFrame = frame->m_hWnd;
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hFrame)) << "closing a frame destroys it (and the object)";
}

namespace {

std::wstring g_boxCaption;
std::wstring g_boxText;

// Reads the message box that the calling thread shows and presses its OK button.
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR id, DWORD)
{
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM) -> BOOL {
            wchar_t cls[16] = {};
            ::GetClassNameW(hWnd, cls, 16);
            if (std::wstring(cls) != L"#32770" || !::IsWindowVisible(hWnd))
                return TRUE;
            wchar_t text[128] = {};
            ::GetWindowTextW(hWnd, text, 128);
            g_boxCaption = text;
            wchar_t body[128] = {};
            ::GetDlgItemTextW(hWnd, 0xFFFF, body, 128);
            g_boxText = body;
            ::PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
            return FALSE;
        },
        0);
    if (!g_boxCaption.empty())
        ::KillTimer(nullptr, id);
}

}  // namespace

TEST(FxApp, MessageBoxesAreCaptionedWithTheApplicationName)
{
    EXPECT_STREQ("TaveloPro测试", AfxGetAppName()) << "string resource 57344";
    g_boxCaption.clear();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &AnswerMessageBox);
    fxtest::ModalTimeout guard(60000);
    const int answer = TestApp().CWinApp::DoMessageBox("加载通讯库失败!", MB_OK | MB_ICONEXCLAMATION, 0);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(IDOK, answer);
    EXPECT_EQ(fx::ToWide("TaveloPro测试"), g_boxCaption);
    EXPECT_EQ(fx::ToWide("加载通讯库失败!"), g_boxText);
}

namespace {

// What the box did with a skinned button's press and release notifications, and its answer.
struct PressLog {
    bool bStillShownAfterPress = false;
    bool bDone = false;
};
PressLog g_press;

// Presses Yes the way a skinned button reports it: pushed (2) on the way down, released (3)
// when the pointer leaves, and finally the click (0).
void CALLBACK PressYesLikeASkinnedButton(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lp) -> BOOL {
            wchar_t cls[16] = {};
            ::GetClassNameW(hWnd, cls, 16);
            if (std::wstring(cls) != L"#32770" || !::IsWindowVisible(hWnd))
                return TRUE;
            *reinterpret_cast<HWND*>(lp) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (box == nullptr || g_press.bDone)
        return;
    g_press.bDone = true;
    ::KillTimer(nullptr, id);
    HWND yes = ::GetDlgItem(box, IDYES);
    ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, 2), reinterpret_cast<LPARAM>(yes));
    ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, 3), reinterpret_cast<LPARAM>(yes));
    g_press.bStillShownAfterPress = ::IsWindow(box) && ::IsWindowVisible(box);
    ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(yes));
}

}  // namespace

TEST(FxApp, AMessageBoxAnswersTheClickNotThePressOfItsButton)
{
    g_press = PressLog();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &PressYesLikeASkinnedButton);
    fxtest::ModalTimeout guard(60000);
    const int answer = fx::MessageBoxGbk(nullptr, "是否要退出高清多画面分割器?", "TaveloPro",
                                         MB_YESNO | MB_ICONQUESTION);
    ::KillTimer(nullptr, timer);
    ASSERT_TRUE(g_press.bDone);
    EXPECT_TRUE(g_press.bStillShownAfterPress)
        << "pushed and released notifications leave the box open";
    EXPECT_EQ(IDYES, answer) << "the click answers with the button's id alone";
}

TEST(FxApp, ProfileValuesLiveUnderTheRegistryKey)
{
    CTestApp& app = TestApp();
    app.SetRegistryKey("TAVELO");
    const std::wstring key = L"Software\\TAVELO\\" + fx::ToWide(app.GetAppName());
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());

    EXPECT_EQ(3u, app.GetProfileInt("THEME", "COLOR", 3)) << "the default while nothing is stored";
    ASSERT_TRUE(app.WriteProfileInt("THEME", "COLOR", 7));
    EXPECT_EQ(7u, app.GetProfileInt("THEME", "COLOR", 3));
    DWORD raw = 0;
    DWORD size = sizeof raw;
    ASSERT_EQ(ERROR_SUCCESS, ::RegGetValueW(HKEY_CURRENT_USER, (key + L"\\THEME").c_str(), L"COLOR",
                                            RRF_RT_REG_DWORD, nullptr, &raw, &size));
    EXPECT_EQ(7u, raw);

    ASSERT_TRUE(app.WriteProfileString("Recent", "File", "D:\\场景\\新建.tzs"));
    EXPECT_EQ(CString("D:\\场景\\新建.tzs"), app.GetProfileString("Recent", "File"));
    EXPECT_EQ(CString("无"), app.GetProfileString("Recent", "Missing", "无"));

    ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    app.SetRegistryKey("");
    EXPECT_EQ(5u, app.GetProfileInt("THEME", "COLOR", 5)) << "no key named: nothing is read";
}

TEST(FxApp, CommandLineArgumentsArriveAsGbk)
{
    const std::vector<CString> args = TestApp().GetCommandLineArgs();
    ASSERT_FALSE(args.empty());
    EXPECT_NE(-1, args[0].Find("fxwin_gui_test")) << "element 0 is the program";
    CCommandLineInfo info;
    TestApp().ParseCommandLine(info);
    // The test runner passes gtest flags ("--gtest_filter=..."), which count as flags.
    EXPECT_EQ(args.size() - 1, info.m_flags.size() + (info.m_strFileName.IsEmpty() ? 0 : 1));
}
