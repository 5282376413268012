// The progress window under Wine: it is up with the command's title while the worker runs the
// command, animates, and ends with the command's outcome; offline nothing is shown.
#include "app/core/command/DeviceCommands.h"
#include "app/core/command/win/BusyDialog.h"
#include "tests/unit/command/CommandTestSupport.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>

namespace {

struct Seen {
    DWORD uiThread = 0;
    HWND dialog = nullptr;
    std::wstring text;
    BOOL visible = FALSE;
    int firstFrame = -1;
    int laterFrame = -1;
};

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam)
{
    wchar_t cls[32] = {};
    GetClassNameW(hWnd, cls, 32);
    if (std::wstring(cls) == L"#32770") {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND BusyWindowOf(DWORD thread)
{
    HWND found = nullptr;
    EnumThreadWindows(thread, FindDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Looks at the progress window from the worker thread, while the command runs.
void LookAtProgress(Seen& seen)
{
    seen.dialog = BusyWindowOf(seen.uiThread);
    if (!seen.dialog)
        return;
    wchar_t text[64] = {};
    GetDlgItemTextW(seen.dialog, IDC_BUSY_TEXT, text, 64);
    seen.text = text;
    // The window shows itself once its initialisation returns, which on a loaded machine may come
    // after the worker's first call; give it up to two seconds, and the animation as long to move.
    for (int i = 0; i < 40 && !IsWindowVisible(seen.dialog); ++i)
        Sleep(50);
    seen.visible = IsWindowVisible(seen.dialog);
    const CBusyDialog* busy =
        reinterpret_cast<const CBusyDialog*>(GetWindowLongPtrW(seen.dialog, DWLP_USER));
    seen.firstFrame = busy->CurrentFrame();
    for (int i = 0; i < 20 && busy->CurrentFrame() == seen.firstFrame; ++i)
        Sleep(100);
    seen.laterFrame = busy->CurrentFrame();
}

}  // namespace

class BusyDialogTest : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        // The window, not the plain worker thread of the portable tests.
        ProgressPresenter::Install(nullptr);
        seen.uiThread = GetCurrentThreadId();
        link.onCall = [this](const std::string&) { LookAtProgress(seen); };
    }

    Seen seen;
};

TEST_F(BusyDialogTest, AFailingCommandEndsTheWindowWithItsComposedMessage)
{
    FailCalls("SetPower", 3);
    std::unique_ptr<DeviceCommand> off = CreateCommand("关机");
    EXPECT_EQ(RUN_FAILED, runWithProgress(*off));
    EXPECT_EQ(std::string("通讯失败;\n错误码:0X0003"), std::string(off->Message()));
    EXPECT_EQ("SetPower(1)", link.Joined());

    ASSERT_TRUE(seen.dialog != nullptr);
    EXPECT_EQ(std::wstring(L"关机"), seen.text);
    EXPECT_TRUE(seen.visible);
    // 100 ms per frame: the strip moves on while the command runs.
    EXPECT_NE(seen.firstFrame, seen.laterFrame);
    EXPECT_TRUE(seen.laterFrame >= 0 && seen.laterFrame < CBusyDialog::FRAME_COUNT);
    // The window is gone once the runner returns.
    EXPECT_TRUE(BusyWindowOf(seen.uiThread) == nullptr);
}

TEST_F(BusyDialogTest, ASucceedingCommandReportsOne)
{
    std::unique_ptr<DeviceCommand> on = CreateCommand("开机");
    EXPECT_EQ(RUN_OK, runWithProgress("开机", *on));
    EXPECT_TRUE(on->Message().IsEmpty());
    EXPECT_EQ(std::wstring(L"开机"), seen.text);
    EXPECT_TRUE(BusyWindowOf(seen.uiThread) == nullptr);
}

TEST_F(BusyDialogTest, AnExceptionThroughTheWindowIsACommunicationFault)
{
    link.throwOnPurge = true;
    CReadStatusCommand status;
    EXPECT_EQ(RUN_FAILED, runWithProgress(status));
    EXPECT_EQ(std::string("通讯发生异常"), std::string(status.Message()));
    EXPECT_EQ(std::wstring(L"读取状态信息"), seen.text);
}

TEST_F(BusyDialogTest, OfflineNoWindowAndNoCall)
{
    g_nOnline = 0;
    std::unique_ptr<DeviceCommand> on = CreateCommand("开机");
    EXPECT_EQ(RUN_OK, runWithProgress(*on));
    EXPECT_TRUE(link.calls.empty());
    EXPECT_TRUE(seen.dialog == nullptr);
}

// The worker waits 50 ms before it runs the command, so the window is up first. Measured with a
// high-resolution clock; Sleep may end up to one system tick (16 ms) early.
TEST_F(BusyDialogTest, TheWorkerPausesBeforeTheCommand)
{
    const auto start = std::chrono::steady_clock::now();
    double startedAfterMs = -1;
    link.onCall = [&](const std::string&) {
        if (startedAfterMs < 0)
            startedAfterMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    std::unique_ptr<DeviceCommand> on = CreateCommand("开机");
    EXPECT_EQ(RUN_OK, runWithProgress(*on));
    EXPECT_GE(startedAfterMs, 50.0 - 16.0);
}

// Every run closes its worker thread's handle with the window. The system hands out the lowest
// free handle slot, so an event made after each run gets the same handle again and again when
// nothing leaks, and a handle one slot further on after every run when the thread's stays open.
TEST_F(BusyDialogTest, EachRunReleasesItsThreadHandle)
{
    link.onCall = nullptr;
    std::unique_ptr<DeviceCommand> on = CreateCommand("开机");
    ASSERT_EQ(RUN_OK, runWithProgress(*on));  // first-use allocations out of the way
    const int runs = 10;
    UINT_PTR lowest = ~UINT_PTR(0), highest = 0;
    for (int i = 0; i < runs; ++i) {
        ASSERT_EQ(RUN_OK, runWithProgress(*on));
        const HANDLE probe = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        ASSERT_TRUE(probe != nullptr);
        const UINT_PTR value = reinterpret_cast<UINT_PTR>(probe);
        lowest = value < lowest ? value : lowest;
        highest = value > highest ? value : highest;
        CloseHandle(probe);
    }
    // Handle values step by 4; a few slots of drift are allowed, a leak drifts by one per run.
    EXPECT_LE(highest - lowest, UINT_PTR(4 * 4)) << std::hex << lowest << " .. " << highest;
}
