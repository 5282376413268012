// The wall view control end to end: a real window, the progress window, TzComm loaded from the
// program's folder and a serial line to tzsim, which decodes every frame. A window added to the
// MPD region and dragged with posted mouse messages ends where tzsim's state says, with no
// anomaly in its trace; each edge dragged in turn and two double clicks reach tzsim as size and
// position frames in order, none for a press in place. One process per case under a fresh
// simulator (see CMakeLists.txt).
#include "app/core/command/CommandRunner.h"
#include "app/core/command/CommandState.h"
#include "app/core/command/CommandWallServices.h"
#include "app/core/command/DeviceLinkHolder.h"
#include "app/core/profile/ProfileState.h"
#include "app/core/view/TzCtrl.h"
#include "app/res/WallViewRes.h"
#include "comm/Comm.h"
#include "tests/integration/device/SimulatorLink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

using device_test::frameAnomalies;

void Pump(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (::GetTickCount() - start < ms);
}

void Send(HWND hWnd, UINT message, WPARAM wParam, int x, int y)
{
    ::SendMessageW(hWnd, message, wParam, MAKELPARAM(x, y));
}

// Whether every part appears in the text, each after the one before.
bool inOrder(const std::string& text, const std::vector<std::string>& parts)
{
    std::size_t at = 0;
    for (const std::string& part : parts) {
        at = text.find(part, at);
        if (at == std::string::npos)
            return false;
        at += part.size();
    }
    return true;
}

// Waits up to twenty seconds for tzsim's trace to hold the parts in order; returns the trace.
std::string waitForTraceInOrder(const std::vector<std::string>& parts)
{
    std::string trace;
    const DWORD start = ::GetTickCount();
    do {
        trace = device_test::simFile("TZSIM_TRACE");
        if (inOrder(trace, parts))
            break;
        ::Sleep(50);
    } while (::GetTickCount() - start < 20000);
    return trace;
}

// One gesture of the left button: press at `from`, two moves, release at `to`.
void Drag(HWND hWnd, int fromX, int fromY, int toX, int toY)
{
    Send(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, fromX, fromY);
    Send(hWnd, WM_MOUSEMOVE, MK_LBUTTON, (fromX + toX) / 2, (fromY + toY) / 2);
    Send(hWnd, WM_MOUSEMOVE, MK_LBUTTON, toX, toY);
    Send(hWnd, WM_LBUTTONUP, 0, toX, toY);
}

}  // namespace

class TzCtrlSimulator : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!device_test::underSimulator())
            GTEST_SKIP() << "runs only under tzsim (see CMakeLists.txt)";
        std::ofstream("com.ini") << "[comm]\r\ncommport=53\r\ntimeout=10\r\nbaudrate=115200\r\n";
        ASSERT_EQ(1, loadDeviceLink());
        ASSERT_EQ(0, deviceLink()->Connect("."));
        m_services = WallServices::install(&services);
        g_nOnline = 1;
        // tzsim's installation: MPD count 4 on a 1920 x 1080 MPD output; the program's one panel.
        SystemConfig& c = configuredSystem();
        c.wallRows = c.wallColumns = 1;
        c.mpdCount = 4;
        c.resolution = 6;
        c.mpdResolution = 6;
        workingSystem() = c;
        std::filesystem::create_directories("profiles");
    }
    void TearDown() override
    {
        if (m_frame != nullptr)
            ::DestroyWindow(m_frame);
        WallServices::install(m_services);
        unloadDeviceLink();
    }

    CommandWallServices services;
    HWND m_frame = nullptr;

private:
    WallServices* m_services = nullptr;
};

TEST_F(TzCtrlSimulator, AWindowAddedAndDraggedEndsWhereTheDeviceSaysIt)
{
    CTzCtrl::RegisterWindowClass();
    m_frame = ::CreateWindowExW(0, L"STATIC", L"wall view", WS_POPUP | WS_VISIBLE, 20, 20, 660, 500,
                                nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    CTzCtrl view(CString("profiles"));
    ASSERT_TRUE(view.Create(WS_CHILD | WS_VISIBLE, RECT{5, 5, 645, 485}, CWnd::FromHandle(m_frame),
                            IDC_WALL_VIEW));
    view.wall().setLayout(1, 1, view.clientRect());
    Pump(50);

    // The panel becomes the MPD region, a window is added in its middle ninth and dragged by
    // (+30, +20) view pixels: 90 x 45 device pixels on a 3 x 2.25 scale.
    Send(view.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 100, 100);
    Send(view.m_hWnd, WM_LBUTTONUP, 0, 100, 100);
    Send(view.m_hWnd, WM_COMMAND, ID_WALL_MPD, 0, 0);
    Send(view.m_hWnd, WM_COMMAND, ID_WALL_ADD_PIP, 0, 0);
    Send(view.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 300, 240);
    Send(view.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, 315, 250);
    Send(view.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, 330, 260);
    Send(view.m_hWnd, WM_LBUTTONUP, 0, 330, 260);

    const std::string trace = device_test::waitForTrace("position 728,406");
    EXPECT_TRUE(has(trace, "size 642x360")) << trace;
    EXPECT_TRUE(has(trace, "position 638,360")) << trace;
    EXPECT_EQ("", frameAnomalies(trace)) << trace;
    const std::string state = device_test::simFile("TZSIM_STATE");
    EXPECT_TRUE(has(state, "\"window\":2,\"on\":true,\"x\":728,\"y\":406,\"width\":642,\"height\":360"))
        << state;
}

TEST_F(TzCtrlSimulator, EachEdgeDraggedAndDoubleClicksReachTheDeviceInOrder)
{
    CTzCtrl::RegisterWindowClass();
    m_frame = ::CreateWindowExW(0, L"STATIC", L"wall view", WS_POPUP | WS_VISIBLE, 20, 20, 660, 500,
                                nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    CTzCtrl view(CString("profiles"));
    ASSERT_TRUE(view.Create(WS_CHILD | WS_VISIBLE, RECT{5, 5, 645, 485}, CWnd::FromHandle(m_frame),
                            IDC_WALL_VIEW));
    view.wall().setLayout(1, 1, view.clientRect());
    Pump(50);
    const HWND hView = view.m_hWnd;

    // The window starts in the middle ninth, (213,160)-(427,320) on the 3 x 2.25 scale.
    Send(hView, WM_LBUTTONDOWN, MK_LBUTTON, 100, 100);
    Send(hView, WM_LBUTTONUP, 0, 100, 100);
    Send(hView, WM_COMMAND, ID_WALL_MPD, 0, 0);
    Send(hView, WM_COMMAND, ID_WALL_ADD_PIP, 0, 0);
    // Each edge in turn: left to 183, top to 140, right to 457, bottom to 350.
    Drag(hView, 213, 240, 183, 240);
    Drag(hView, 300, 160, 300, 140);
    Drag(hView, 426, 240, 457, 240);
    Drag(hView, 300, 319, 300, 350);
    // A press and release in place sends nothing.
    Send(hView, WM_LBUTTONDOWN, MK_LBUTTON, 300, 240);
    Send(hView, WM_LBUTTONUP, 0, 300, 240);
    // A double click fills the region; a second one puts the window back in its slot.
    Send(hView, WM_LBUTTONDBLCLK, MK_LBUTTON, 300, 240);
    Send(hView, WM_LBUTTONDBLCLK, MK_LBUTTON, 300, 240);

    const std::vector<std::string> expected = {
        "size 642x360",   "position 638,360",  // added
        "size 732x360",   "position 548,360",  // left edge: odd 549 becomes 548
        "size 732x406",   "position 548,316",  // top edge: odd 315 becomes 316, 405 becomes 406
        "size 822x406",   "position 548,316",  // right edge
        "size 822x472",   "position 548,316",  // bottom edge: 472.5 truncated
        "size 1920x1080", "position 0,0",      // the whole region
        "size 642x360",   "position 638,360",  // its slot again
    };
    const std::string trace = waitForTraceInOrder(expected);
    EXPECT_TRUE(inOrder(trace, expected)) << trace;
    // The size goes before the position, so a window growing to the whole region is, for one
    // frame, the full size at its old place; tzsim notes that and nothing else.
    const std::string anomalies = frameAnomalies(trace);
    EXPECT_TRUE(has(anomalies, "PIP 548,316 1920x1080 reaches past the MPD region 1920x1080"))
        << anomalies;
    EXPECT_EQ(1, std::count(anomalies.begin(), anomalies.end(), '\n')) << anomalies;
    // One size frame per gesture that moved something, none for the press in place.
    std::size_t sizes = 0;
    std::size_t at = 0;
    while (at < trace.size()) {
        std::size_t end = trace.find('\n', at);
        if (end == std::string::npos)
            end = trace.size();
        const std::string line = trace.substr(at, end - at);
        if (has(line, "SetPip") && has(line, " size "))
            ++sizes;
        at = end + 1;
    }
    EXPECT_EQ(expected.size() / 2, sizes) << trace;
    const std::string state = device_test::simFile("TZSIM_STATE");
    EXPECT_TRUE(
        has(state, "\"window\":2,\"on\":true,\"x\":638,\"y\":360,\"width\":642,\"height\":360"))
        << state;
}
