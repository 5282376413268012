// Start-up of the real program: process start to main window shown, and the working set after
// start-up, against tzsim (the program's link opens on the simulator's port). Prints figures
// against their goals, and one run's time line (each window of the program as it comes and goes).
#include "bench/startup/BenchSupport.h"
#include "tests/gui/shell/ProgramDriver.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace shelltest;

namespace {

// Goals for the program on an operator's machine.
constexpr double kGoalStartupMs = 1000.0;
constexpr double kGoalWorkingSetMb = 30.0;
// The main window must come within this; anything slower counts as a failed run.
constexpr DWORD kStartTimeoutMs = 60000;
// The working set is read once start-up has settled: the first status refresh has run by then.
constexpr DWORD kSettleMs = 1500;

struct RunFigures {
    double msToWindow = 0;
    double mbWorkingSet = 0;
    double mbPeakWorkingSet = 0;
    double mbPrivate = 0;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

double Mb(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

void ReadMemory(DWORD pid, RunFigures* pFigures)
{
    HANDLE hProcess = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (hProcess == nullptr)
        return;
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (::GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                               sizeof(counters))) {
        pFigures->mbWorkingSet = Mb(counters.WorkingSetSize);
        pFigures->mbPeakWorkingSet = Mb(counters.PeakWorkingSetSize);
        pFigures->mbPrivate = Mb(counters.PrivateUsage);
    }
    ::CloseHandle(hProcess);
}

bool MeasureOnce(int nRun, RunFigures* pFigures)
{
    Program program(L"startup_run" + std::to_wstring(nRun), SimulatorCom());
    const HighResClock clock;
    if (!program.Start(L"Administrator 807162"))
        return false;
    HWND frame = nullptr;
    while ((frame = program.Find(MAIN_TITLE, false)) == nullptr) {
        if (clock.Ms() > kStartTimeoutMs)
            return false;
        ::Sleep(2);
    }
    pFigures->msToWindow = clock.Ms();
    ::Sleep(kSettleMs);
    ReadMemory(program.ProcessId(), pFigures);
    return program.CloseThroughPrompt(frame);
}

// One more run, watched closely: every top-level window of the program with the time it became
// visible and the time it went, up to the main window. Shows where start-up spends its time.
bool TraceOnce(const char* lpszMode)
{
    Program program(L"startup_trace", SimulatorCom());
    const HighResClock clock;
    if (!program.Start(L"Administrator 807162"))
        return false;
    WindowTimeline timeline(program.ProcessId());
    HWND frame = nullptr;
    while ((frame = program.Find(MAIN_TITLE, false)) == nullptr) {
        if (clock.Ms() > kStartTimeoutMs)
            return false;
        timeline.Poll(clock.Ms());
        ::Sleep(1);
    }
    timeline.Poll(clock.Ms());
    std::printf("%s, time line of one run (ms from process start):\n", lpszMode);
    timeline.Print();
    return program.CloseThroughPrompt(frame);
}

void PrintAgainstGoal(const char* lpszMode, const char* lpszWhat, double value,
                      const char* lpszUnit, double goal)
{
    std::printf("%s: %s %.1f %s, goal at most %.0f %s: %s\n", lpszMode, lpszWhat, value, lpszUnit,
                goal, lpszUnit, value <= goal ? "met" : "NOT met");
}

// The warm-up, then nRuns timed runs and the traced run; false when one failed.
bool MeasureSeries(const char* lpszMode, int nRuns)
{
    RunFigures warm;
    if (!MeasureOnce(0, &warm)) {
        std::printf("%s: the warm-up run did not reach the main window\n", lpszMode);
        return false;
    }
    std::printf("%s, warm-up: %.0f ms to the main window\n", lpszMode, warm.msToWindow);
    std::vector<double> times, sets, peaks, privates;
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
        privates.push_back(f.mbPrivate);
    }
    std::printf("%s, median of %d runs:\n", lpszMode, nRuns);
    PrintAgainstGoal(lpszMode, "process start to main window shown", Median(times), "ms",
                     kGoalStartupMs);
    PrintAgainstGoal(lpszMode, "working set after start-up", Median(sets), "MB", kGoalWorkingSetMb);
    std::printf("%s: peak working set %.1f MB", lpszMode, Median(peaks));
    // Wine answers 0 for private bytes; Windows gives the figure.
    if (Median(privates) > 0)
        std::printf(", private bytes %.1f MB", Median(privates));
    std::printf("\n");
    if (!TraceOnce(lpszMode)) {
        std::printf("%s: the traced run did not reach the main window\n", lpszMode);
        return false;
    }
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
    // The program folders of the runs live in a folder of their own, removed at the end.
    ScratchFolder scratch(L"tavelo_startup");
    if (!scratch.Entered()) {
        std::printf("startup_bench: no temporary folder\n");
        return 1;
    }
    {
        X11Managed managed(L"N");
        if (!MeasureSeries("windows drawn and managed by Wine itself (Managed=N)", nRuns))
            return 1;
    }
    X11Managed managed(L"Y");
    return MeasureSeries("windows handed to a window manager (Managed=Y)", nRuns) ? 0 : 1;
}
