// The export CreateComm and the process-wide state behind it: the one device-link object, the
// matrix library TzCommFun and the matrix delay.
#include "comm/CommState.h"
#include "comm/ModulePath.h"
#include "comm/SerialComm.h"

#include <new>
#include <string>

#ifdef _WIN32
#define TZCOMM_EXPORT extern "C" __declspec(dllexport)
#else
#define TZCOMM_EXPORT extern "C" __attribute__((visibility("default")))
#endif

CommProcessState g_commState;

int ReadMatrixDelay()
{
    std::string folder;
    if (!ProgramFolder(folder))
        return 100;
    const std::string ini = JoinPath(folder, "com.ini");
    return static_cast<int>(GetPrivateProfileIntA("comm_delay", "maxtrix_delay", 100, ini.c_str()));
}

namespace {

// Loads TzCommFun from the program's folder and finds its export. A library without the export
// stays loaded (and so is not tried again) but gives nothing to call.
void LoadMatrixLibrary()
{
    std::string folder;
    if (!ProgramFolder(folder))
        return;
    if (!g_commState.matrixModule) {
        g_commState.matrixModule = LoadLibraryA(JoinPath(folder, TZCOMMFUN_DLL_NAME).c_str());
        if (!g_commState.matrixModule)
            return;
    }
    g_commState.dealMatrixSwitch = reinterpret_cast<DealMaxtrixSwitchProc>(
        reinterpret_cast<void*>(GetProcAddress(g_commState.matrixModule, TZCOMMFUN_EXPORT)));
}

}  // namespace

TZCOMM_EXPORT CComm* CreateComm()
{
    if (!g_commState.comm)
        g_commState.comm = new (std::nothrow) CSerialComm;
    if (g_commState.matrixModule)
        return g_commState.comm;
    LoadMatrixLibrary();
    g_commState.matrixDelayMs = ReadMatrixDelay();
    return g_commState.comm;
}
