// CBusyDialog (Windows only): the modal progress window of runWithProgress. It shows the command's
// title over a frame-strip animation while a short-lived worker thread runs the command, and ends
// its modal loop with the worker's outcome. Being modal, it keeps the operator from starting a
// second device operation while one is under way.
//
// Resources it expects in the program: dialog 218 with a static text IDC_BUSY_TEXT for the title
// and an owner-drawn static IDC_BUSY_ANIMATE for the animation, and bitmap 150, a strip of eight
// frames of equal width on magenta (0xFF00FF, transparent). BusyDialog.rc in this folder holds
// both.
//
// Built directly on the Win32 dialog API; it moves onto the framework's dialog class once that
// exists, keeping this interface.
#pragma once

#define IDD_BUSY 218
#define IDB_BUSY_FRAMES 150
#define IDC_BUSY_ANIMATE 1000
#define IDC_BUSY_TEXT 1001

// The resource compiler reads only the ids above.
#ifndef RC_INVOKED

#include "app/core/command/CommandRunner.h"
#include "fx/core/String.h"

#include <windows.h>
#include <commctrl.h>

class DeviceCommand;

class CBusyDialog {
public:
    enum {
        IDD = IDD_BUSY,
        FRAME_COUNT = 8,
        ANIMATION_TIMER = 100,     // timer id
        ANIMATION_PERIOD = 100     // ms per frame
    };
    // Posted by the worker when the command has ended: wParam RUN_OK or RUN_FAILED.
    static const UINT WM_COMMAND_ENDED = 0x1413;

    CBusyDialog(LPCSTR lpszTitle, DeviceCommand& command);
    ~CBusyDialog();
    CBusyDialog(const CBusyDialog&) = delete;
    CBusyDialog& operator=(const CBusyDialog&) = delete;

    // Shows the window, runs the command and returns RUN_OK or RUN_FAILED; -1 when the window
    // could not be made (the command has not run then).
    INT_PTR DoModal(HWND hParent);

    HWND GetSafeHwnd() const { return m_hWnd; }

    // A program whose template holds an animation control of its own installs a starter: it is
    // given the control (IDC_BUSY_ANIMATE) and returns true when it loaded and started the
    // strip, and the dialog then draws no frames itself. Returns the previous starter.
    typedef bool (*AnimationStarter)(HWND hAnimate);
    static AnimationStarter SetAnimationStarter(AnimationStarter pfnStarter);
    int CurrentFrame() const { return m_nFrame; }

private:
    static AnimationStarter s_pfnStarter;
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static DWORD WINAPI WorkerProc(LPVOID pParam);

    BOOL OnInitDialog();
    void OnTimer(UINT_PTR nId);
    void OnDrawItem(const DRAWITEMSTRUCT* pDraw);
    void OnDestroy();
    bool LoadFrames();

    CString m_strTitle;
    DeviceCommand& m_command;
    HWND m_hWnd;
    HANDLE m_hThread;
    HIMAGELIST m_hFrames;
    int m_nFrameWidth;
    int m_nFrameHeight;
    int m_nFrame;
};

// runWithProgress's presenter on Windows: the busy dialog over the active window. When the window
// cannot be made (no template in the program), the command still runs on a worker thread.
class BusyDialogPresenter : public ProgressPresenter {
public:
    int Present(LPCSTR lpszTitle, DeviceCommand& command) override;
};

#endif  // RC_INVOKED
