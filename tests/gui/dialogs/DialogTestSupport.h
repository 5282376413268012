// Shared by the dialog tests: the program object (one per process, recording message boxes),
// a progress presenter that records the titles it is given and runs each command at once, the
// fixture that puts the recording device link behind the command layer, and helpers to press
// buttons, pump messages and save a dialog's picture.
#pragma once

#include "app/core/command/CommandRunner.h"
#include "fx/win/WinApp.h"
#include "tests/gui/fx_win/GuiTestSupport.h"
#include "tests/unit/command/CommandTestSupport.h"

#include <string>
#include <vector>

namespace dlgtest {

class CDialogTestApp : public CWinApp {
public:
    CDialogTestApp() : CWinApp("DialogTest") {}
    std::vector<std::string> m_messages;
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override
    {
        m_messages.emplace_back(lpszPrompt);
        return IDOK;
    }
};
CDialogTestApp& App();

// Records the progress window's title of every command and runs the command as the worker
// would (after its short pause), on the calling thread.
class TitlePresenter : public ProgressPresenter {
public:
    std::vector<std::string> titles;
    int Present(LPCSTR lpszTitle, DeviceCommand& command) override
    {
        titles.emplace_back(lpszTitle);
        return executeOnWorker(command);
    }
};

// The recording link behind the command layer, titles recorded, message boxes recorded.
class DialogTest : public CommandTest {
protected:
    void SetUp() override;
    void TearDown() override;

    TitlePresenter titles;

private:
    ProgressPresenter* m_previous = nullptr;
};

HWND Item(HWND hDlg, int nID);
// A click as the mouse makes it, in the middle of the control.
void Click(HWND hDlg, int nID);
// The command a control sends its dialog when clicked, without the mouse (hidden controls).
void Command(HWND hDlg, int nID, UINT nCode = BN_CLICKED);
// Keeps the pointer off the windows under test; puts it in the middle of a window.
void MoveCursorAway();
void MoveCursorOnto(HWND hWnd);
// Shows a top-level window above everything and waits until it has painted.
void ShowAndPaint(HWND hWnd);
// The modal loop's idle update, as it comes after each burst of messages.
void KickIdle(HWND hDlg);
// Dispatches messages for ms milliseconds.
void PumpFor(DWORD ms);
// Saves what the window shows on the screen as a 24-bit BMP in the build's artifacts folder.
bool SaveScreenshot(HWND hWnd, const char* fileName);
// Calls run (on this thread, from a timer) once a dialog of this thread is up and enabled;
// the modal loop of the dialog keeps running meanwhile.
void WhenDialogUp(void (*run)(HWND hDlg));

}  // namespace dlgtest
