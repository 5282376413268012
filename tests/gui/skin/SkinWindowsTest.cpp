// Windows of skinned classes get their objects from the class procedures, appear in the control
// registry while they live and leave it when they go; create contexts and the command pumper.
#include "skin/core/CmdMsgPumper.h"
#include "skin/core/CreateContext.h"
#include "skin/core/LuLibAux.h"
#include "skin/ctrl/Button.h"
#include "fx/win/Dialog.h"
#include "tests/gui/skin/TestControls.h"

#include <gtest/gtest.h>

using skintest::g_registerCalls;

namespace {

// The library is started once for the program, with the program's registration callback.
class SkinEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_bInit = LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), &skintest::RegisterTestClasses);
    }
    void TearDown() override { LuLibAux::UninitLuLib(::GetModuleHandleW(nullptr), &skintest::RegisterTestClasses); }
    static BOOL m_bInit;
};
BOOL SkinEnvironment::m_bInit = FALSE;
::testing::Environment* const g_env = ::testing::AddGlobalTestEnvironment(new SkinEnvironment);

HWND MakeWindow(LPCWSTR cls, LPCWSTR text, DWORD style, HWND hParent = nullptr, LPVOID param = nullptr)
{
    return ::CreateWindowExW(0, cls, text, style, 0, 0, 80, 40, hParent, nullptr, ::GetModuleHandleW(nullptr), param);
}

CLuControlBase* BaseOf(CWnd* p)
{
    CTestPanel* panel = DYNAMIC_DOWNCAST(CTestPanel, p);
    return panel != nullptr ? static_cast<CLuControlBase*>(panel) : nullptr;
}

}  // namespace

TEST(SkinInit, CallbackRegistersTheProgramsClasses)
{
    ASSERT_TRUE(SkinEnvironment::m_bInit) << LuLibAux::GetErrorStr();
    EXPECT_EQ(LuLibAux::GetErrorCode(), 0);
    ASSERT_FALSE(g_registerCalls.empty());
    EXPECT_EQ(g_registerCalls.front(), 1);
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    ASSERT_TRUE(::GetClassInfoW(hInst, L"tstPanel", &wc));
    EXPECT_EQ(wc.lpfnWndProc, &LuNewClassProc<CTestPanel>);
    ASSERT_TRUE(::GetClassInfoW(hInst, L"STATIC", &wc));
    EXPECT_EQ(wc.lpfnWndProc, &LuCtrlClassProc<CTestStatic>);
    EXPECT_NE(CTestStatic::m_pfnLuClassOldProc, nullptr);

    // A second start and its end call the program both ways; the classes stay registered.
    g_registerCalls.clear();
    EXPECT_TRUE(LuLibAux::InitLuLib(hInst, &skintest::RegisterTestClasses));
    LuLibAux::UninitLuLib(hInst, &skintest::RegisterTestClasses);
    EXPECT_EQ(g_registerCalls, (std::vector<int>{1, 0}));
    EXPECT_TRUE(::GetClassInfoW(hInst, L"tstPanel", &wc));
    EXPECT_EQ(LuLibAux::m_nRefCount, 1);
}

TEST(SkinObjects, ClassProcedureGivesAWindowItsObject)
{
    const DWORD style = WS_POPUP | 0x0042;
    HWND h = MakeWindow(L"tstPanel", L"", style);
    ASSERT_NE(h, nullptr);
    CWnd* pWnd = CWnd::FromHandlePermanent(h);
    ASSERT_NE(pWnd, nullptr);
    CTestPanel* pPanel = DYNAMIC_DOWNCAST(CTestPanel, pWnd);
    ASSERT_NE(pPanel, nullptr);
    EXPECT_EQ(CTestPanel::s_nLive, 1);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(h), BaseOf(pWnd));
    EXPECT_TRUE(LuLibAux::IsFrameCreate(pWnd));
    EXPECT_EQ(pPanel->m_nInitCalls, 1);
    EXPECT_EQ(pPanel->GetCtrlStyleEx(), style);
    EXPECT_EQ(pPanel->GetCtrlStyle(), 0x0042);
    pPanel->AddCtrlStyle(0x0100);
    EXPECT_EQ(pPanel->GetCtrlStyle(), 0x0142);

    ::DestroyWindow(h);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(h), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
    EXPECT_EQ(CTestPanel::s_nLive, 0);          // the library's object went with its window
    EXPECT_FALSE(LuLibAux::IsFrameCreate(pWnd));
}

TEST(SkinObjects, ProgramOwnedObjectIsNotTheLibrarys)
{
    {
        CTestPanel panel;
        ASSERT_TRUE(panel.CreateEx(0, "tstPanel", "", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
        HWND h = panel.GetSafeHwnd();
        EXPECT_EQ(LuLibAux::CtrlFromHandle(h), static_cast<CLuControlBase*>(&panel));
        EXPECT_FALSE(LuLibAux::IsFrameCreate(&panel));
        EXPECT_EQ(panel.m_nInitCalls, 1);
        panel.DestroyWindow();
        EXPECT_EQ(LuLibAux::CtrlFromHandle(h), nullptr);
        EXPECT_EQ(CTestPanel::s_nLive, 1);     // still the program's to delete
    }
    EXPECT_EQ(CTestPanel::s_nLive, 0);

    // Made with new: an ordinary heap object, deleted by the program.
    CTestPanel* pPanel = new CTestPanel;
    ASSERT_TRUE(pPanel->CreateEx(0, "tstPanel", "", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    EXPECT_FALSE(LuLibAux::IsFrameCreate(pPanel));
    delete pPanel;
    EXPECT_EQ(CTestPanel::s_nLive, 0);
}

TEST(SkinObjects, CreationBlockNamesTheOwner)
{
    CTestPanel panel;
    HWND h = nullptr;
    {
        CLuCreateBlock block(&panel);
        h = MakeWindow(L"tstPanel", L"", WS_POPUP, nullptr, &block);
    }
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), &panel);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(h), static_cast<CLuControlBase*>(&panel));
    EXPECT_EQ(CTestPanel::s_nLive, 1);
    panel.DestroyWindow();
    EXPECT_EQ(LuLibAux::CtrlFromHandle(h), nullptr);
}

TEST(SkinObjects, SubclassedSystemControlKeepsItsBehaviour)
{
    HWND h = MakeWindow(L"STATIC", L"abc", WS_POPUP | SS_LEFT);
    ASSERT_NE(h, nullptr);
    CWnd* pWnd = CWnd::FromHandlePermanent(h);
    ASSERT_NE(pWnd, nullptr);
    EXPECT_TRUE(pWnd->IsKindOf(RUNTIME_CLASS(CTestStatic)));
    EXPECT_NE(LuLibAux::CtrlFromHandle(h), nullptr);
    EXPECT_EQ(CTestStatic::s_nLive, 1);
    // Text is kept by the system control behind the object.
    wchar_t text[16] = {0};
    ::GetWindowTextW(h, text, 16);
    EXPECT_STREQ(text, L"abc");
    ::SetWindowTextW(h, L"xyz");
    EXPECT_EQ(pWnd->GetWindowText(), "xyz");
    ::DestroyWindow(h);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(h), nullptr);
    EXPECT_EQ(CTestStatic::s_nLive, 0);
}

TEST(SkinObjects, ParentDecliningChildHooksKeepsPlainChildren)
{
    CTestPanel parent;
    parent.m_bHookChildren = FALSE;
    ASSERT_TRUE(parent.CreateEx(0, "tstPanel", "", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    HWND hPlain = MakeWindow(L"STATIC", L"plain", WS_CHILD, parent.GetSafeHwnd());
    ASSERT_NE(hPlain, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hPlain), nullptr);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(hPlain), nullptr);
    EXPECT_EQ(CTestStatic::s_nLive, 0);
    wchar_t text[16] = {0};
    ::GetWindowTextW(hPlain, text, 16);
    EXPECT_STREQ(text, L"plain");

    parent.m_bHookChildren = TRUE;
    HWND hSkinned = MakeWindow(L"STATIC", L"skinned", WS_CHILD, parent.GetSafeHwnd());
    EXPECT_NE(LuLibAux::CtrlFromHandle(hSkinned), nullptr);
    parent.DestroyWindow();  // children go with it
    EXPECT_EQ(LuLibAux::CtrlFromHandle(hSkinned), nullptr);
    EXPECT_EQ(CTestStatic::s_nLive, 0);
}

TEST(SkinContexts, CreateWndForEachKind)
{
    CTestPanel parent;
    ASSERT_TRUE(parent.CreateEx(0, "tstPanel", "", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));

    // Run-time class: a new view, created as a visible child with the context's ID.
    CLuViewCContext viewCtx(RUNTIME_CLASS(CTestView), 7);
    EXPECT_TRUE(viewCtx.IsView());
    EXPECT_TRUE(viewCtx.IsRuntime());
    int bCustom = -1;
    CWnd* pView = LuLibAux::CreateWnd(&viewCtx, &parent, bCustom);
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(bCustom, 0);
    EXPECT_EQ(pView->GetDlgCtrlID(), 7);
    EXPECT_TRUE(pView->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(static_cast<CTestView*>(pView)->m_nInitialUpdates, 1);
    EXPECT_EQ(CTestView::s_nLive, 1);
    LuLibAux::DestoryWnd(pView, bCustom);
    EXPECT_EQ(CTestView::s_nLive, 0);        // the view went with its window

    // Custom: the caller's window object, destroyed but not deleted.
    CTestPanel mine;
    CLuViewCContext customCtx(static_cast<CWnd*>(&mine), 9);
    CWnd* pMine = LuLibAux::CreateWnd(&customCtx, &parent, bCustom);
    EXPECT_EQ(pMine, &mine);
    EXPECT_EQ(bCustom, 1);
    EXPECT_EQ(mine.GetParent(), &parent);
    LuLibAux::DestoryWnd(pMine, bCustom);
    EXPECT_EQ(mine.GetSafeHwnd(), nullptr);

    // The base context creates nothing: no object is handed out without its window.
    CLuCContext plain(RUNTIME_CLASS(CTestPanel));
    EXPECT_FALSE(plain.IsView());
    const int before = CTestPanel::s_nLive;
    EXPECT_EQ(LuLibAux::CreateWnd(&plain, &parent, bCustom), nullptr);
    EXPECT_EQ(CTestPanel::s_nLive, before);
    LuLibAux::DestoryWnd(nullptr, TRUE);
}

namespace {

class CCountingTarget : public CTestPanel {
public:
    BOOL OnCmdMsg(UINT nID, int, void*, AFX_CMDHANDLERINFO*) override
    {
        ++m_nCalls;
        return nID == 100;
    }
    int m_nCalls = 0;
};

}  // namespace

TEST(SkinPumper, RoutesOnceAndRefusesReentry)
{
    CTestPanel owner;
    CCountingTarget target;
    ASSERT_TRUE(owner.CreateEx(0, "tstPanel", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    ASSERT_TRUE(target.CreateEx(0, "tstPanel", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    CLuCmdMsgPumper pumper;
    EXPECT_EQ(pumper.m_pOwner, nullptr);
    pumper.InitPumper(&owner);
    EXPECT_TRUE(pumper.Pump(&target, 100, 0, nullptr, nullptr));
    EXPECT_FALSE(pumper.Pump(&target, 101, 0, nullptr, nullptr));
    EXPECT_EQ(target.m_nCalls, 2);
    EXPECT_EQ(CLuCmdMsgPumper::m_pPumpStack, nullptr);  // restored after each pump

    // While the owner's pump runs, nothing is pumped again from it or back to the window
    // being pumped.
    CLuCmdMsgPumper::m_pPumpStack = &owner;
    EXPECT_FALSE(pumper.Pump(&target, 100, 0, nullptr, nullptr));
    CLuCmdMsgPumper::m_pPumpStack = &target;
    EXPECT_FALSE(pumper.Pump(&target, 100, 0, nullptr, nullptr));
    CLuCmdMsgPumper::m_pPumpStack = nullptr;
    EXPECT_EQ(target.m_nCalls, 2);

    target.DestroyWindow();
    EXPECT_FALSE(pumper.Pump(&target, 100, 0, nullptr, nullptr));  // no live window
    EXPECT_EQ(target.m_nCalls, 2);
}

TEST(SkinContexts, DialogPageFromTemplateWithLibraryButton)
{
    CTestPanel parent;
    ASSERT_TRUE(parent.CreateEx(0, "tstPanel", "", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
    CDialog page;
    CLuCDlgCContext ctx(&page, 100);
    int bCustom = 0;
    ASSERT_EQ(LuLibAux::CreateWnd(&ctx, &parent, bCustom), &page);
    EXPECT_EQ(bCustom, 1);
    ASSERT_NE(page.GetSafeHwnd(), nullptr);
    // A plain hidden child (the system keeps WS_CLIPSIBLINGS on what was a top-level window).
    EXPECT_EQ(page.GetStyle() & ~static_cast<DWORD>(WS_CLIPSIBLINGS), static_cast<DWORD>(WS_CHILD));
    EXPECT_EQ(page.GetExStyle(), static_cast<DWORD>(WS_EX_TOOLWINDOW));
    EXPECT_EQ(::GetParent(page.GetSafeHwnd()), parent.GetSafeHwnd());

    // The template's button got an object made by the class procedure: the library's own
    // button, freed when the dialog goes.
    HWND hButton = ::GetDlgItem(page.GetSafeHwnd(), 1001);
    ASSERT_NE(hButton, nullptr);
    CWnd* pButton = CWnd::FromHandlePermanent(hButton);
    ASSERT_NE(pButton, nullptr);
    EXPECT_TRUE(pButton->IsKindOf(RUNTIME_CLASS(CLuButton)));
    EXPECT_TRUE(LuLibAux::IsFrameCreate(pButton));
    EXPECT_NE(LuLibAux::CtrlFromHandle(hButton), nullptr);
    EXPECT_EQ(pButton->GetWindowText(), "OK");
    LuLibAux::DestoryWnd(&page, bCustom);
    EXPECT_EQ(page.GetSafeHwnd(), nullptr);
    EXPECT_EQ(::IsWindow(hButton), FALSE);
    EXPECT_EQ(LuLibAux::CtrlFromHandle(hButton), nullptr);
}

TEST(SkinHelpers, SysColorBitmapFollowsButtonColours)
{
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    HRSRC hRsrc = ::FindResourceW(hInst, MAKEINTRESOURCEW(200), reinterpret_cast<LPCWSTR>(RT_BITMAP));
    ASSERT_NE(hRsrc, nullptr);
    auto pixels = [](HBITMAP hBitmap) {
        std::vector<COLORREF> out;
        HDC hdc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(hdc, hBitmap);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                out.push_back(::GetPixel(hdc, x, y));
        ::SelectObject(hdc, old);
        ::DeleteDC(hdc);
        return out;
    };
    HBITMAP hColour = LuLibAux::LoadSysColorBitmap(hInst, hRsrc, FALSE);
    ASSERT_NE(hColour, nullptr);
    std::vector<COLORREF> p = pixels(hColour);
    EXPECT_EQ(p[0], ::GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(p[1], ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(p[2], ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(p[3], ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(p[4], RGB(0, 0, 255));  // colours outside the four greys stay
    ::DeleteObject(hColour);

    HBITMAP hMono = LuLibAux::LoadSysColorBitmap(hInst, hRsrc, TRUE);
    ASSERT_NE(hMono, nullptr);
    p = pixels(hMono);
    EXPECT_EQ(p[0], ::GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(p[1], RGB(255, 255, 255));
    EXPECT_EQ(p[2], RGB(255, 255, 255));
    EXPECT_EQ(p[4], RGB(0, 0, 255));
    ::DeleteObject(hMono);
    EXPECT_EQ(LuLibAux::LoadSysColorBitmap(hInst, nullptr, FALSE), nullptr);
}
