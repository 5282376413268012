// The program's control classes and main frame as real windows under Wine and Xvfb: class names
// registered through the skin library's callback, the animation's frames, the slide control's
// centring, the ribbon's keys, the serial-port register and the frame's status panes.
#include "app/core/command/CommandState.h"
#include "app/core/profile/ProfileState.h"
#include "app/core/profile/ProfileStore.h"
#include "app/res/ShellRes.h"
#include "app/shell/AnimateCtrl.h"
#include "app/shell/MainFrame.h"
#include "app/shell/Navigation.h"
#include "app/shell/RibbonBar.h"
#include "app/shell/SerialPorts.h"
#include "app/shell/ShellControls.h"
#include "app/shell/ShortCut.h"
#include "app/shell/SlideCtrl.h"
#include "skin/core/LuLibAux.h"
#include "skin/theme/Painter.h"
#include "skin/theme/Theme.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

class ShellWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() { LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), &RegisterShellControls); }

    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300),
                                      nullptr, 0));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CWnd m_parent;
};

// A child that wants 120 x 80 when the slide control asks.
class CSizedChild : public CWnd {
public:
    LRESULT OnPreferredSize(WPARAM, LPARAM lParam)
    {
        ++m_nAsked;
        SIZE* pSize = reinterpret_cast<SIZE*>(lParam);
        m_bZeroed = pSize->cx == 0 && pSize->cy == 0;
        pSize->cx = 120;
        pSize->cy = 80;
        return 0;
    }
    int m_nAsked = 0;
    bool m_bZeroed = false;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSizedChild, CWnd)
    ON_MESSAGE(WM_SLIDE_PREFERRED_SIZE, OnPreferredSize)
END_MESSAGE_MAP()

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace

TEST_F(ShellWindows, ProgramClassesGiveWindowsTheirObjects)
{
    struct { const char* name; CRuntimeClass* pClass; } classes[] = {
        {"luRibbonBar", RUNTIME_CLASS(CRibbonBar)}, {"ssiNavigation", RUNTIME_CLASS(CNavigation)},
        {"SildeCtrl", RUNTIME_CLASS(CSlideCtrl)},   {"ssShortCut", RUNTIME_CLASS(CShortCut)},
        {"emAnimateCtrl", RUNTIME_CLASS(CSSAnimateCtrl)}};
    for (const auto& c : classes) {
        const std::wstring name = CString(c.name).ToWide();
        HWND hWnd = ::CreateWindowExW(0, name.c_str(), L"", WS_CHILD, 0, 0, 10, 10, m_parent.GetSafeHwnd(), nullptr,
                                      ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(hWnd, nullptr) << c.name;
        CWnd* pObject = CWnd::FromHandlePermanent(hWnd);
        ASSERT_NE(pObject, nullptr) << c.name;
        EXPECT_TRUE(pObject->IsKindOf(c.pClass)) << c.name;
        ::DestroyWindow(hWnd);
    }
}

TEST_F(ShellWindows, AnimationCutsTheStripAndWrapsAfterTheLastFrame)
{
    CSSAnimateCtrl animate;
    ASSERT_TRUE(animate.Create(CRect(0, 0, 60, 60), &m_parent, 1000));
    ASSERT_TRUE(animate.Load(IDB_BUSY_STRIP, 8));
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(IDB_BUSY_STRIP));
    EXPECT_EQ(animate.GetFrameSize().cx, strip.GetSize().cx / 8);
    EXPECT_EQ(animate.GetFrameSize().cy, strip.GetSize().cy);
    EXPECT_EQ(animate.GetFrameCount(), 8);
    for (int i = 1; i <= 7; ++i) {
        animate.SendMessage(WM_TIMER, CSSAnimateCtrl::ANIMATION_TIMER, 0);
        EXPECT_EQ(animate.GetCurrentFrame(), i);
    }
    animate.SendMessage(WM_TIMER, CSSAnimateCtrl::ANIMATION_TIMER, 0);
    EXPECT_EQ(animate.GetCurrentFrame(), 0) << "after frame 7 comes frame 0";
    EXPECT_TRUE(animate.Start());
    EXPECT_TRUE(animate.IsPlaying());
    animate.DestroyWindow();
    EXPECT_FALSE(animate.IsPlaying()) << "the timer stops with the window";
}

TEST_F(ShellWindows, AnimationRefusesAnEmptyStripAndThenDoesNotStep)
{
    CSSAnimateCtrl animate;
    ASSERT_TRUE(animate.Create(CRect(0, 0, 60, 60), &m_parent, 1000));
    EXPECT_FALSE(animate.Load(IDB_BUSY_STRIP, 0));
    EXPECT_FALSE(animate.Load(0x7FF0, 8)) << "no such bitmap";
    EXPECT_EQ(animate.GetFrameCount(), 0);
    animate.SendMessage(WM_TIMER, CSSAnimateCtrl::ANIMATION_TIMER, 0);
    EXPECT_EQ(animate.GetCurrentFrame(), 0);
    animate.DestroyWindow();
}

TEST_F(ShellWindows, SlideControlAsksItsChildAndCentresIt)
{
    CSlideCtrl slide;
    ASSERT_TRUE(slide.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &m_parent));
    // Without a child a resize asks nobody.
    slide.SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOZORDER);
    CSizedChild child;
    ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 1, 1), &slide, 7));
    slide.SetChild(&child);
    slide.SetWindowPos(nullptr, 0, 0, 320, 240, SWP_NOZORDER);
    EXPECT_GE(child.m_nAsked, 1);
    EXPECT_TRUE(child.m_bZeroed) << "the size is zeroed before the child is asked";
    CRect rc;
    child.GetWindowRect(&rc);
    slide.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(100, 80, 220, 160));
    EXPECT_TRUE(child.IsWindowVisible());
    slide.DestroyWindow();
}

TEST_F(ShellWindows, RibbonArrowsWrapAndAnEmptyRibbonIgnoresThem)
{
    CRibbonBar ribbon;
    ASSERT_TRUE(ribbon.Create(&m_parent));
    ribbon.SetWindowPos(nullptr, 0, 0, 400, 100, SWP_NOZORDER | SWP_SHOWWINDOW);
    MSG left = {ribbon.GetSafeHwnd(), WM_KEYDOWN, VK_LEFT, 0, 0, {0, 0}};
    EXPECT_FALSE(ribbon.TranslateKey(&left));
    ribbon.SelectTab(2);
    EXPECT_EQ(ribbon.GetCurSel(), -1);

    CWnd pages[3];
    const char* captions[] = {"场景(&F)", "控制(&T)", "关于(&H)"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(pages[i].CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 300, 40 + 10 * i), &m_parent, 100 + i));
        EXPECT_EQ(ribbon.AddTab(captions[i], &pages[i]), i);
    }
    EXPECT_EQ(ribbon.GetBarHeight(), CRibbonBar::STRIP_HEIGHT + 60) << "the page is as high as the highest toolbar";
    EXPECT_EQ(ribbon.GetTabAccelerator(1), 'T');
    ribbon.SelectTab(0);
    EXPECT_TRUE(ribbon.TranslateKey(&left));
    EXPECT_EQ(ribbon.GetCurSel(), 2) << "Left from the first tab selects the last";
    EXPECT_TRUE(pages[2].IsWindowVisible());
    EXPECT_FALSE(pages[0].IsWindowVisible());
    MSG right = {ribbon.GetSafeHwnd(), WM_KEYDOWN, VK_RIGHT, 0, 0, {0, 0}};
    EXPECT_TRUE(ribbon.TranslateKey(&right));
    EXPECT_EQ(ribbon.GetCurSel(), 0) << "Right from the last tab selects the first";
    LRESULT result = 0;
    EXPECT_TRUE(ribbon.TranslateMenuChar('h', &result));
    EXPECT_EQ(ribbon.GetCurSel(), 2);
    EXPECT_EQ(HIWORD(result), MNC_CLOSE);
    ribbon.SelectTab(-5);
    EXPECT_EQ(ribbon.GetCurSel(), 0);
    ribbon.SelectTab(99);
    EXPECT_EQ(ribbon.GetCurSel(), 2);
    ribbon.DestroyWindow();
}

TEST_F(ShellWindows, ShortcutReleasedOutsideSendsNoCommand)
{
    CShortCut shortcut;
    ASSERT_TRUE(shortcut.Create("", WS_VISIBLE, CRect(10, 10, 50, 40), &m_parent, 321));
    shortcut.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(shortcut.IsHover());
    shortcut.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(shortcut.IsPressed());
    shortcut.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    EXPECT_FALSE(shortcut.IsPressed());
    EXPECT_FALSE(shortcut.IsHover());
    shortcut.DestroyWindow();
}

namespace {

// Values added to the machine's serial-port register for one test, removed afterwards.
class SerialRegister {
public:
    SerialRegister()
    {
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr, REG_OPTION_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr);
    }
    ~SerialRegister()
    {
        for (const std::string& name : m_names)
            ::RegDeleteValueA(m_hKey, name.c_str());
        if (m_hKey)
            ::RegCloseKey(m_hKey);
    }
    void Add(const char* name, const char* data)
    {
        m_names.push_back(name);
        ::RegSetValueExA(m_hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), static_cast<DWORD>(strlen(data) + 1));
    }
    bool Ok() const { return m_hKey != nullptr; }

private:
    HKEY m_hKey = nullptr;
    std::vector<std::string> m_names;
};

const SerialPortEntry* FindPort(const std::vector<SerialPortEntry>& ports, const char* name)
{
    for (const SerialPortEntry& p : ports) {
        if (p.strName.Compare(name) == 0)
            return &p;
    }
    return nullptr;
}

}  // namespace

TEST(ShellSerialRegister, ListsOneAndTwoDigitPortsKeepingTheirCase)
{
    SerialRegister reg;
    ASSERT_TRUE(reg.Ok());
    reg.Add("\\Device\\ShellTest12", "COM12");
    reg.Add("\\Device\\ShellTest123", "COM123");
    reg.Add("\\Device\\ShellTest4", "com4");
    std::vector<SerialPortEntry> ports;
    ASSERT_EQ(enumerateSerialPorts(ports), 1);
    const SerialPortEntry* com12 = FindPort(ports, "COM12");
    ASSERT_NE(com12, nullptr);
    EXPECT_EQ(com12->nPort, 12);
    const SerialPortEntry* com4 = FindPort(ports, "com4");
    ASSERT_NE(com4, nullptr);
    EXPECT_EQ(com4->nPort, 4);
    EXPECT_EQ(FindPort(ports, "COM123"), nullptr);
}

namespace {

// The frame's profiles in a folder of the test's own.
CString WriteComIni(const char* folder, int port)
{
    ::CreateDirectoryA(folder, nullptr);
    // No recent scene from an earlier run: the frame's wall page sets up the blank scene.
    ::DeleteFileA((std::string(folder) + "\\TzView.ini").c_str());
    std::ofstream out(std::string(folder) + "\\com.ini", std::ios::binary);
    out << "[comm]\r\ncommport=" << port << "\r\ntimeout=20\r\nbaudrate=57600\r\n";
    return CString(folder);
}

}  // namespace

TEST_F(ShellWindows, FrameStatusPanesFollowTheWallThePortAndTheOnlineFlag)
{
    SerialRegister reg;
    reg.Add("\\Device\\ShellTest57", "COM57");
    SystemConfig& configured = configuredSystem();
    configured.mpdCount = 4;
    configured.resolution = 5;
    g_nOnline = 1;
    const CString folder = WriteComIni("frame_profiles", 57);

    CMainFrame* pFrame = new CMainFrame;
    pFrame->UseProfiles(folder);
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    CRect rc;
    pFrame->GetWindowRect(&rc);
    EXPECT_EQ(rc.Width(), CMainFrame::FRAME_WIDTH);
    EXPECT_EQ(rc.Height(), CMainFrame::FRAME_HEIGHT);
    EXPECT_STREQ(pFrame->GetWindowText(), "高清多画面分割器");
    CLuStatusBar& bar = pFrame->GetStatusBarCtrl();
    EXPECT_EQ(bar.GetDlgCtrlID(), 59393);
    EXPECT_STREQ(bar.GetPaneText(0), "   MPD区路数为:4.  拼接屏数目:1x1.  分辨率为:1080i");
    EXPECT_STREQ(bar.GetPaneText(1), "串口：COM57. 波特率：57600. 超时时间：20. 连接状态：连接");

    g_nOnline = 0;
    pFrame->SendMessage(WM_TIMER, CMainFrame::STATUS_TIMER, 0);
    EXPECT_STREQ(bar.GetPaneText(1), "串口：COM57. 波特率：57600. 超时时间：20. 连接状态：断开");
    g_nOnline = 1;
    WriteComIni("frame_profiles", 58);  // a port the machine does not have
    pFrame->SendMessage(WM_TIMER, CMainFrame::STATUS_TIMER, 0);
    EXPECT_STREQ(bar.GetPaneText(1), "串口：COM58. 波特率：57600. 超时时间：20. 连接状态：断开");

    MINMAXINFO info = {};
    pFrame->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 880);
    EXPECT_EQ(info.ptMinTrackSize.y, 760);
    pFrame->DestroyWindow();
    PumpPending();
}

TEST_F(ShellWindows, MainFrameShowsCaptionBandButtonsAndBorderInThemeColours)
{
    CLuTheme* pTheme = CLuThemeManager::Instance()->GetTheme();
    CMainFrame* pFrame = new CMainFrame;
    pFrame->UseProfiles(WriteComIni("caption_profiles", 57));
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->UpdateWindow();
    PumpPending();
    CRect rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    const int cx = rcWindow.Width(), cy = rcWindow.Height();

    // The client area leaves 2 pixels of border and the 25-pixel band.
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);
    EXPECT_EQ(rcClient.left - rcWindow.left, 2);
    EXPECT_EQ(rcClient.top - rcWindow.top, 25);
    EXPECT_EQ(rcWindow.right - rcClient.right, 2);
    EXPECT_EQ(rcWindow.bottom - rcClient.bottom, 2);

    CClientDC screen(nullptr);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(screen.GetSafeHdc()));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateDIBSection32(cx, cy));
    CScopedSelect select(memory, bitmap);
    memory.FillSolidRect(0, 0, cx, cy, RGB(1, 2, 3));
    pFrame->PaintNonClient(memory);

    const COLORREF outer = pTheme->GetThemeColor(LUCLR_BASE);
    const COLORREF inner = pTheme->GetThemeColor(LUCLR_HIGHLIGHT);
    EXPECT_EQ(memory.GetPixel(0, 300), outer);
    EXPECT_EQ(memory.GetPixel(1, 300), inner);
    EXPECT_EQ(memory.GetPixel(cx - 1, 300), outer);
    EXPECT_EQ(memory.GetPixel(400, cy - 1), outer);
    EXPECT_EQ(memory.GetPixel(400, cy - 2), inner);
    // The band (away from the title) lies between theme colour 1 and that colour lightened by 30.
    const COLORREF band = memory.GetPixel(cx / 2 + 100, 12);
    const COLORREF from = pTheme->GetThemeColor(LUCLR_LIGHTBASE);
    const COLORREF to = CLuPainter::LightColor(from, 30);
    for (int shift : {0, 8, 16}) {
        const int c = (band >> shift) & 0xFF, a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        EXPECT_GE(c, (a < b ? a : b) - 2) << shift;
        EXPECT_LE(c, (a > b ? a : b) + 2) << shift;
    }
    // Close from right - 30 to right - 5, 16 high and centred in the band; the other two to its left.
    const CRect close(pFrame->GetCaptionButton(LU_CAPBTN_CLOSE).GetRect());
    EXPECT_EQ(close.left, cx - 30);
    EXPECT_EQ(close.right, cx - 5);
    EXPECT_EQ(close.Height(), 16);
    EXPECT_EQ(CRect(pFrame->GetCaptionButton(LU_CAPBTN_MAX).GetRect()).right, cx - 30);
    EXPECT_EQ(CRect(pFrame->GetCaptionButton(LU_CAPBTN_MIN).GetRect()).right, cx - 55);
    // The band answers the caption, the close button its own code.
    const LRESULT hitClose = pFrame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcWindow.left + close.CenterPoint().x,
                                                                          rcWindow.top + close.CenterPoint().y));
    EXPECT_EQ(hitClose, HTCLOSE);
    EXPECT_EQ(pFrame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcWindow.left + 300, rcWindow.top + 12)), HTCAPTION);
    pFrame->DestroyWindow();
    PumpPending();
}
