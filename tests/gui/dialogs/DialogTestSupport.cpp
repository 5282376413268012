// The dialog tests' program: the application object, the skin library started once, and the
// helpers of DialogTestSupport.h.
#include "tests/gui/dialogs/DialogTestSupport.h"

#include "skin/core/LuLibAux.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace dlgtest {

namespace {

CDialogTestApp theApp;

class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        theApp.m_hInstance = ::GetModuleHandleW(nullptr);
        AfxInitCommonControls();
        LuLibAux::InitLuLib(::GetModuleHandleW(nullptr), nullptr);
        MoveCursorAway();
    }
    void TearDown() override { LuLibAux::UninitLuLib(::GetModuleHandleW(nullptr), nullptr); }
};
::testing::Environment* const g_env = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

void (*g_pendingRun)(HWND) = nullptr;

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam)
{
    wchar_t cls[16] = {};
    ::GetClassNameW(hWnd, cls, 16);
    if (std::wstring(cls) == L"#32770" && ::IsWindowEnabled(hWnd) && ::IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK LookForDialog(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND hDlg = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&hDlg));
    if (hDlg == nullptr || g_pendingRun == nullptr)
        return;
    ::KillTimer(nullptr, id);
    void (*run)(HWND) = g_pendingRun;
    g_pendingRun = nullptr;
    run(hDlg);
}

}  // namespace

CDialogTestApp& App() { return theApp; }

void DialogTest::SetUp()
{
    CommandTest::SetUp();
    m_previous = ProgressPresenter::Install(&titles);
    App().m_messages.clear();
    MoveCursorAway();
}

void DialogTest::TearDown()
{
    ProgressPresenter::Install(m_previous);
    CommandTest::TearDown();
}

HWND Item(HWND hDlg, int nID) { return ::GetDlgItem(hDlg, nID); }

void Click(HWND hDlg, int nID)
{
    HWND hItem = Item(hDlg, nID);
    RECT rc;
    ::GetClientRect(hItem, &rc);
    const LPARAM pt = MAKELPARAM(rc.right / 2, rc.bottom / 2);
    ::SendMessageW(hItem, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    ::SendMessageW(hItem, WM_LBUTTONUP, 0, pt);
}

void Command(HWND hDlg, int nID, UINT nCode)
{
    ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(Item(hDlg, nID)));
}

void MoveCursorAway() { ::SetCursorPos(1270, 790); }

void MoveCursorOnto(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

void ShowAndPaint(HWND hWnd)
{
    ::SetWindowPos(hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    fxtest::PumpUntil([hWnd] { return ::IsWindowVisible(hWnd) != FALSE; });
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    fxtest::PumpPending();
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::GdiFlush();
}

void KickIdle(HWND hDlg) { ::SendMessageW(hDlg, WM_KICKIDLE, MSGF_DIALOGBOX, 0); }

void PumpFor(DWORD ms) { fxtest::PumpUntil([] { return false; }, ms); }

bool SaveScreenshot(HWND hWnd, const char* fileName)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    if (width <= 0 || height <= 0)
        return false;
    // The window's own DC reads what the window has painted; the screen may not have it yet.
    HDC hWindow = ::GetWindowDC(hWnd);
    HDC hMem = ::CreateCompatibleDC(hWindow);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hWindow, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, width, height, hWindow, 0, 0, SRCCOPY);
    ::GdiFlush();
    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u);
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + imageSize;
    info.bmiHeader.biSizeImage = imageSize;
    const std::string path = std::string(DIALOG_ARTIFACTS_DIR) + "/" + fileName;
    bool ok = false;
    if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
        ok = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
             std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
             std::fwrite(bits, imageSize, 1, out) == 1;
        ok = std::fclose(out) == 0 && ok;
    }
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(hWnd, hWindow);
    return ok;
}

void WhenDialogUp(void (*run)(HWND hDlg))
{
    g_pendingRun = run;
    ::SetTimer(nullptr, 0, 50, &LookForDialog);
}

}  // namespace dlgtest
