// Frames come and go without leaving windows, GDI objects, registry entries or objects behind:
// each cycle starts the library once more, builds a frame with its own menu bar, a status bar,
// side bars with children and a main child, paints it, destroys it and ends the library again.
// Some cycles float a bar's child first (not all: a floating window is a top-level window, and
// under Wine without a window manager each one takes about two seconds to go away).
#include "skin/core/LuLibAux.h"
#include "tests/gui/skin_frame/FrameTestSupport.h"
#include "tests/unit/skin/Canvas.h"

#include <gtest/gtest.h>

namespace {

void OneFrame(bool bFloat)
{
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    ASSERT_TRUE(LuLibAux::InitLuLib(hInst, nullptr));
    CTestFrame* pFrame = CTestFrame::Make(360, 260);
    ASSERT_NE(pFrame, nullptr);
    ASSERT_TRUE(pFrame->SetMenuID(128));
    CLuStatusBar status;
    ASSERT_TRUE(status.Create(pFrame, LU_ID_VIEW_STATUS_BAR));
    const UINT ids[] = {0, IDS_TEST_CAP};
    ASSERT_TRUE(status.SetIndicators(ids, 2));
    ASSERT_TRUE(pFrame->SetStatusBar(&status));
    CLuClientWnd& client = pFrame->GetClientWnd();
    const DWORD dwStyle = LU_CBS_SPLITTER | LU_CBS_CAPTION | LU_CBS_TITLE | LU_CBS_CLOSEBOX;
    ASSERT_TRUE(client.CreateBar(BAR_LEFT, dwStyle, 100, TRUE, "左"));
    ASSERT_TRUE(client.CreateBar(BAR_BOTTOM, dwStyle, 60));
    CTestPaneContext context(RUNTIME_CLASS(CTestPane));
    ASSERT_NE(client.CreateBarChild(BAR_LEFT, &context), nullptr);
    ASSERT_NE(client.CreateBarChild(BAR_BOTTOM, &context), nullptr);
    CWnd* pOld = nullptr;
    ASSERT_NE(client.SetMainChild(&context, pOld), nullptr);
    if (bFloat) {
        ASSERT_TRUE(client.DockBar(BAR_BOTTOM, FALSE));
    }
    CRect rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    skintest::Canvas canvas(rcWindow.Width(), rcWindow.Height());
    pFrame->PaintNonClient(canvas.dc());
    client.PaintClient(canvas.dc());
    ::SendMessageW(status.GetSafeHwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);
    pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    pFrame->DestroyWindow();
    frametest::DispatchQueued();
    LuLibAux::UninitLuLib(hInst, nullptr);
}

}  // namespace

TEST(FrameLifetime, NothingIsLeftAfterTwoHundredFrames)
{
    OneFrame(true);  // the first one makes the process-wide things: classes, fonts, caches
    const int nWindows = frametest::CountThreadWindows();
    const int nGdi = frametest::CountGdiObjects();
    const size_t nControls = LuLibAux::m_handleCtrlMap.size();
    const size_t nObjects = LuLibAux::m_wndObjectMap.size();
    const int nPanes = CTestPane::s_nLive, nFrames = CTestFrame::s_nLive, nMenus = CFakeMenuBar::s_nLive;
    for (int i = 0; i < 200; ++i) {
        OneFrame(i % 50 == 0);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    EXPECT_EQ(frametest::CountThreadWindows(), nWindows);
    // One object left per frame would show as 200. The system itself makes a few objects once,
    // at a moment of its own choosing (its cache of device contexts), which a fixed count can
    // not tell from a leak.
    EXPECT_LT(frametest::CountGdiObjects() - nGdi, 10);
    EXPECT_EQ(LuLibAux::m_handleCtrlMap.size(), nControls);
    EXPECT_EQ(LuLibAux::m_wndObjectMap.size(), nObjects);
    EXPECT_EQ(CTestPane::s_nLive, nPanes);
    EXPECT_EQ(CTestFrame::s_nLive, nFrames);
    EXPECT_EQ(CFakeMenuBar::s_nLive, nMenus);
    EXPECT_EQ(LuLibAux::m_nRefCount, 1);
}

TEST(FrameLifetime, AControlDeletedWhileItsWindowLivesLeavesTheRegistry)
{
    CTestFrame* pFrame = CTestFrame::Make(200, 150);
    ASSERT_NE(pFrame, nullptr);
    auto* pBar = new CTestBar(CSize(50, 20));
    ASSERT_TRUE(pBar->Make(pFrame, LU_DOCK_TOP));
    HWND hBar = pBar->GetSafeHwnd();
    ASSERT_EQ(LuLibAux::CtrlFromHandle(hBar), static_cast<CLuControlBase*>(pBar));
    delete pBar;
    EXPECT_FALSE(::IsWindow(hBar));
    EXPECT_EQ(LuLibAux::CtrlFromHandle(hBar), nullptr);
    pFrame->DestroyWindow();
}
