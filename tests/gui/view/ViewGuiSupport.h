// The wall view control in a real window under Wine and Xvfb: a test frame holding the wall page
// (dialog 130 of WallView.rc) whose control 1000 is subclassed by CTzCtrl and placed at (5, 5),
// 640 x 480, as the program's page does. Device commands go to a recording link, progress titles
// to a recorder, messages to the command tests' recorder; profiles live in a scratch folder.
#pragma once

#include "app/core/profile/ProfileState.h"
#include "app/core/view/TzCtrl.h"
#include "app/res/WallViewRes.h"
#include "fx/win/Dialog.h"
#include "tests/gui/fx_win/GuiTestSupport.h"
#include "tests/unit/command/CommandTestSupport.h"
#include "tests/unit/view/ViewTestSupport.h"

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

namespace viewtest {

// Dispatches queued messages until done() holds or timeoutMs pass; returns done(). The wall
// view's tests wait longer by default than the framework's: a scene restore runs through the
// progress window first.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000)
{
    return fxtest::PumpUntil(done, timeoutMs);
}

// Posts a message and dispatches until the queue holds nothing more for the window: posted
// mouse messages then arrive in order, each handled before the test looks.
inline void Post(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ::PostMessageW(hWnd, message, wParam, lParam);
    PumpUntil([hWnd] {
        MSG msg;
        return !::PeekMessageW(&msg, hWnd, 0, 0, PM_NOREMOVE);
    });
}

inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// The two window-geometry commands for a device rectangle, as the recording link writes them.
inline std::string Geometry(int window, int x, int y, int w, int h)
{
    auto call = [window](int what, int a, int b) {
        return "SetPip(" + std::to_string(window) + "," + std::to_string(what) + "," +
               std::to_string(a >> 8) + "," + std::to_string(a & 0xFF) + "," +
               std::to_string(b >> 8) + "," + std::to_string(b & 0xFF) + ")";
    };
    return call(2, w, h) + " " + call(1, x, y);
}

// A scratch folder named after the running test, removed afterwards.
class Scratch {
public:
    Scratch()
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 (std::string("tavelo_view_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~Scratch()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::string path() const { return m_path.string(); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

}  // namespace viewtest

// The page of the program: dialog 130 holding the control.
class CTestWallPage : public CDialog {
public:
    CTestWallPage() : CDialog(IDD_WALL_PAGE) {}
};

class ViewGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_link = DeviceLinkHolder::Instance().Attach(&link);
        m_config = CommandConfig::Install(&config);
        m_services = WallServices::install(&services);
        m_presenter = ProgressPresenter::Install(&titles);
        m_message = SetCommandMessageProc(&Record);
        Shown().clear();
        // The pointer away from the test's windows, so no real mouse message reaches them.
        ::SetCursorPos(1279, 799);
        g_nOnline = 1;
        g_nCurrentInputType = 0;
        m_configured = configuredSystem();
        m_working = workingSystem();
        // The program's wall as its profile describes it: one panel, 8 MPD channels at 1080p.
        SystemConfig& c = configuredSystem();
        c.wallRows = 1;
        c.wallColumns = 1;
        c.mpdCount = 8;
        c.resolution = 6;
        c.mpdResolution = 6;
        c.vgaInputs = c.cvbsInputs = c.dviInputs = 0;
        workingSystem() = c;
    }
    void TearDown() override
    {
        DestroyFrame();
        configuredSystem() = m_configured;
        workingSystem() = m_working;
        SetCommandMessageProc(m_message);
        ProgressPresenter::Install(m_presenter);
        WallServices::install(m_services);
        CommandConfig::Install(m_config);
        DeviceLinkHolder::Instance().Attach(m_link);
    }

    // The frame (unless it is there already), the page and the control; the control starts with
    // a blank scene.
    void CreateFrame(CTzCtrl& control)
    {
        CTzCtrl::RegisterWindowClass();
        if (m_frame == nullptr)
            m_frame =
                ::CreateWindowExW(0, L"STATIC", L"wall view test", WS_POPUP | WS_VISIBLE, 20, 20,
                                  660, 500, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, m_frame);
        ASSERT_TRUE(page.Create(IDD_WALL_PAGE, CWnd::FromHandle(m_frame)));
        page.MoveWindow(0, 0, 660, 500);
        page.ShowWindow(SW_SHOW);
        ASSERT_TRUE(control.SubclassDlgItem(IDC_WALL_VIEW, &page));
        control.MoveWindow(5, 5, 640, 480);
        m_control = &control;
        control.resetScene();
        viewtest::PumpUntil([&] { return !::GetUpdateRect(control.m_hWnd, nullptr, FALSE); });
        link.Clear();
        titles.titles.clear();
    }
    // The page and its control only: Wine without a window manager takes two seconds to take a
    // top-level window off the screen, a child goes at once.
    void DestroyPage()
    {
        if (page.m_hWnd != nullptr)
            page.DestroyWindow();
    }
    void DestroyFrame()
    {
        if (page.m_hWnd != nullptr)
            page.DestroyWindow();
        if (m_frame != nullptr)
            ::DestroyWindow(m_frame);
        m_frame = nullptr;
    }

    HWND View() const { return m_control->m_hWnd; }
    void Press(int x, int y) { viewtest::Post(View(), WM_LBUTTONDOWN, MK_LBUTTON, viewtest::At(x, y)); }
    void MoveTo(int x, int y) { viewtest::Post(View(), WM_MOUSEMOVE, MK_LBUTTON, viewtest::At(x, y)); }
    void Release(int x, int y) { viewtest::Post(View(), WM_LBUTTONUP, 0, viewtest::At(x, y)); }
    void Command(UINT id) { viewtest::Post(View(), WM_COMMAND, id, 0); }

    static std::vector<std::string>& Shown()
    {
        static std::vector<std::string> shown;
        return shown;
    }

    RecordingComm link;
    ViewConfig config;
    CommandWallServices services;
    TitleRecorder titles;
    viewtest::Scratch scratch;
    CTestWallPage page;

private:
    static void Record(LPCSTR text, UINT) { Shown().emplace_back(text); }

    HWND m_frame = nullptr;
    CTzCtrl* m_control = nullptr;
    CComm* m_link = nullptr;
    const CommandConfig* m_config = nullptr;
    WallServices* m_services = nullptr;
    ProgressPresenter* m_presenter = nullptr;
    CommandMessageProc m_message = nullptr;
    SystemConfig m_configured;
    SystemConfig m_working;
};
