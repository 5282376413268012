#include "app/core/command/CommandRunner.h"

#include "app/core/command/CommandState.h"
#include "app/core/command/DeviceCommand.h"

#include <thread>

#ifdef _WIN32
#include "app/core/command/win/BusyDialog.h"
#endif

int runDirect(DeviceCommand& command)
{
    return command.Execute() ? RUN_OK : RUN_FAILED;
}

int runWithProgress(LPCSTR lpszTitle, DeviceCommand& command)
{
    if (g_nOnline == 0)
        return RUN_OK;
    return ProgressPresenter::Current().Present(lpszTitle, command);
}

int runWithProgress(DeviceCommand& command)
{
    return runWithProgress(command.Title(), command);
}

int executeOnWorker(DeviceCommand& command)
{
    Sleep(50);
    return command.Execute() ? RUN_OK : RUN_FAILED;
}

int ThreadPresenter::Present(LPCSTR, DeviceCommand& command)
{
    int result = RUN_FAILED;
    std::thread worker([&] { result = executeOnWorker(command); });
    worker.join();
    return result;
}

namespace {

ProgressPresenter& DefaultPresenter()
{
#ifdef _WIN32
    static BusyDialogPresenter presenter;
#else
    static ThreadPresenter presenter;
#endif
    return presenter;
}

ProgressPresenter* g_pPresenter = nullptr;

}  // namespace

ProgressPresenter* ProgressPresenter::Install(ProgressPresenter* pPresenter)
{
    ProgressPresenter* previous = g_pPresenter;
    g_pPresenter = pPresenter;
    return previous;
}

ProgressPresenter& ProgressPresenter::Current()
{
    return g_pPresenter ? *g_pPresenter : DefaultPresenter();
}
