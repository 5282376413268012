// Start-up of the real program: process start to main window shown, and the working set after
// start-up, against tzsim (the program's link opens on the simulator's port). Prints figures.
#include "tests/gui/shell/ProgramDriver.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace shelltest;

namespace {

struct RunFigures {
    double msToWindow = 0;
    double mbWorkingSet = 0;
    double mbPeakWorkingSet = 0;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

bool MeasureOnce(int nRun, RunFigures* pFigures)
{
    Program program(L"startup_run" + std::to_wstring(nRun), SimulatorCom());
    LARGE_INTEGER frequency, start, shown;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    if (!program.Start(L"Administrator 807162"))
        return false;
    HWND frame = nullptr;
    const DWORD began = ::GetTickCount();
    while ((frame = program.Find(MAIN_TITLE, false)) == nullptr) {
        if (::GetTickCount() - began > 60000)
            return false;
        ::Sleep(2);
    }
    ::QueryPerformanceCounter(&shown);
    pFigures->msToWindow = 1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);

    // The working set once start-up has settled: the first status refresh has run by then.
    ::Sleep(1500);
    HANDLE hProcess = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.ProcessId());
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (hProcess != nullptr && ::GetProcessMemoryInfo(hProcess, &counters, sizeof(counters))) {
        pFigures->mbWorkingSet = static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
        pFigures->mbPeakWorkingSet = static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }
    if (hProcess != nullptr)
        ::CloseHandle(hProcess);
    return program.CloseThroughPrompt(frame);
}

// Wine's X11 driver, for windows it hands to a window manager, waits up to two seconds for one to
// take back each window that goes; without a window manager (Xvfb) the start-up pays that once,
// for the progress window of "打开设备". Runs are made both ways: as Wine is set up, and with
// Wine managing no windows itself (the registry value is put back afterwards).
class UnmanagedWindows {
public:
    UnmanagedWindows()
    {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr);
        DWORD size = sizeof(m_previous) - 1;
        m_bHadValue = ::RegQueryValueExA(m_hKey, "Managed", nullptr, nullptr, reinterpret_cast<BYTE*>(m_previous), &size) ==
                      ERROR_SUCCESS;
        ::RegSetValueExA(m_hKey, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    }
    ~UnmanagedWindows()
    {
        if (m_bHadValue)
            ::RegSetValueExA(m_hKey, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(m_previous),
                             static_cast<DWORD>(std::strlen(m_previous) + 1));
        else
            ::RegDeleteValueA(m_hKey, "Managed");
        ::RegCloseKey(m_hKey);
    }

private:
    static constexpr const char* KEY = "Software\\Wine\\X11 Driver";
    HKEY m_hKey = nullptr;
    char m_previous[16] = {};
    bool m_bHadValue = false;
};

// The warm-up, then nRuns timed runs; false when one failed.
bool MeasureSeries(const char* lpszMode, int nRuns)
{
    RunFigures warm;
    if (!MeasureOnce(0, &warm)) {
        std::printf("%s: the warm-up run did not reach the main window\n", lpszMode);
        return false;
    }
    std::printf("%s, warm-up: %.0f ms to the main window\n", lpszMode, warm.msToWindow);
    std::vector<double> times, sets, peaks;
    for (int i = 1; i <= nRuns; ++i) {
        RunFigures f;
        if (!MeasureOnce(i, &f)) {
            std::printf("%s, run %d: the main window did not appear or the program did not end\n", lpszMode, i);
            return false;
        }
        std::printf("%s, run %d: %.0f ms to the main window, working set %.1f MB (peak %.1f MB)\n", lpszMode, i,
                    f.msToWindow, f.mbWorkingSet, f.mbPeakWorkingSet);
        times.push_back(f.msToWindow);
        sets.push_back(f.mbWorkingSet);
        peaks.push_back(f.mbPeakWorkingSet);
    }
    std::printf("%s, median of %d: %.0f ms from process start to the main window shown; working set %.1f MB "
                "(peak %.1f MB)\n",
                lpszMode, nRuns, Median(times), Median(sets), Median(peaks));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (SimulatorCom() == 0) {
        std::printf("startup_bench: run it under tzsim with --link (see bench/startup/README.md)\n");
        return 2;
    }
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    ListSimulatorPort();
    if (!MeasureSeries("windows managed by Wine", nRuns))
        return 1;
    UnmanagedWindows unmanaged;
    return MeasureSeries("windows not managed", nRuns) ? 0 : 1;
}
