// The two ways of running a command. runWithProgress is used for most operator actions: while
// online it shows the modal progress window with the command's title, runs the command on a
// short-lived worker thread and returns when the worker reports back. runDirect runs the command
// on the calling thread (opening and closing the device, the picture steps, nested commands).
// Both return 1 for success and 2 for failure; the caller shows the command's message then.
#pragma once

#include "fx/seam/Win32Seam.h"

class DeviceCommand;

enum RunResult {
    RUN_OK = 1,
    RUN_FAILED = 2
};

int runDirect(DeviceCommand& command);
// Not gated by anything but the online flag: while offline it returns 1 at once and nothing is
// executed or shown.
int runWithProgress(LPCSTR lpszTitle, DeviceCommand& command);
// The same with the command's own title.
int runWithProgress(DeviceCommand& command);

// The worker's part of a progress run: a 50 ms pause (so the progress window is up before the
// command starts talking to the device), then Execute. Returns RUN_OK or RUN_FAILED.
int executeOnWorker(DeviceCommand& command);

// Shows the progress of one command and returns RUN_OK or RUN_FAILED. On Windows the default is
// the modal progress window CBusyDialog; natively (and wherever no window is wanted) a plain
// worker thread that the caller waits for.
class ProgressPresenter {
public:
    virtual int Present(LPCSTR lpszTitle, DeviceCommand& command) = 0;

    // The presenter runWithProgress uses; Install(null) restores the default. Returns the
    // previous one.
    static ProgressPresenter* Install(ProgressPresenter* pPresenter);
    static ProgressPresenter& Current();

protected:
    ~ProgressPresenter() = default;
};

// Runs the worker thread and waits for it, showing nothing.
class ThreadPresenter : public ProgressPresenter {
public:
    int Present(LPCSTR lpszTitle, DeviceCommand& command) override;
};
