// The wall view control at the program's size, 640 x 480, with one MPD region holding 16 PIP
// windows (a 4 x 4 sub-grid): the time of one paint (double-buffered, every cell drawn) and the
// time per mouse move while a window is dragged, the move alone and with the repaint it causes.
// Goals: at most 2 ms per paint under Wine; a move far under 16 ms, so a drag holds 60 frames a
// second. Windows only (under Wine: wine64 view_bench.exe [ROUNDS]).
#include "app/core/view/TzCtrl.h"
#include "app/core/wall/WallServices.h"
#include "tests/unit/wall/QuietWallServices.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

const int kWindows = 16;
const int kDefaultRounds = 400;

typedef std::chrono::steady_clock Clock;

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Figures {
    double median = 0;
    double mean = 0;
    double worst = 0;
    double cpu = 0;   // processor time of this thread per round
};

// Processor time of the calling thread in ms: on a loaded machine the wall-clock figures include
// time spent waiting for a core; this one does not.
double ThreadCpuMs()
{
    FILETIME created, exited, kernel, user;
    if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0;
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

Figures Summarise(std::vector<double> samples, double cpuMs)
{
    Figures f;
    f.cpu = cpuMs / static_cast<double>(samples.size());
    std::sort(samples.begin(), samples.end());
    f.median = samples[samples.size() / 2];
    f.worst = samples.back();
    for (double s : samples)
        f.mean += s;
    f.mean /= static_cast<double>(samples.size());
    return f;
}

void Print(const char* what, const Figures& f, double goal)
{
    std::printf("%-40s median %6.3f  mean %6.3f  worst %7.3f  cpu %6.3f ms  (goal %s %.0f ms: %s)\n",
                what, f.median, f.mean, f.worst, f.cpu, goal < 16 ? "<=" : "far under", goal,
                f.median <= goal ? "met" : f.cpu <= goal ? "met in cpu time" : "MISSED");
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(10, std::atoi(argv[1])) : kDefaultRounds;
    QuietWallServices services(kWindows + 1);
    ScopedWallServices scope(&services);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tavelo_view_bench";
    std::filesystem::create_directories(dir);

    CTzCtrl::RegisterWindowClass();
    HWND frame = ::CreateWindowExW(0, L"STATIC", L"view bench", WS_POPUP | WS_VISIBLE, 0, 0, 660,
                                   500, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    CTzCtrl view(CString(dir.string().c_str()));
    if (frame == nullptr ||
        !view.Create(WS_CHILD | WS_VISIBLE, RECT{5, 5, 645, 485}, CWnd::FromHandle(frame), 1000)) {
        std::printf("view_bench: no window (is there a display?)\n");
        return 1;
    }
    CCellObjImp& wall = view.wall();
    wall.setLayout(1, 1, view.clientRect());
    CCell* region = wall.cells().GetHead();
    region->setMpd(TRUE);
    for (int i = 0; i < kWindows; ++i) {
        CPIPCell* pip = wall.addPipTo(region);
        pip->setInputType(6);
        pip->setInputNo(i + 1);
    }
    wall.select(static_cast<CPIPCell*>(region->pips().GetAt(5)), TRUE);
    view.UpdateWindow();
    Pump();

    // One paint of the whole control into the window's DC.
    std::vector<double> paints;
    double cpu = ThreadCpuMs();
    double paintCpu = 0;
    {
        CClientDC dc(&view);
        const RECT all{0, 0, 640, 480};
        for (int i = 0; i < rounds; ++i) {
            const Clock::time_point start = Clock::now();
            view.paintWall(dc, all);
            ::GdiFlush();
            paints.push_back(Millis(Clock::now() - start));
        }
    }
    paintCpu = ThreadCpuMs() - cpu;

    // The cells alone, drawn into a memory bitmap made once.
    std::vector<double> cellsOnly;
    cpu = ThreadCpuMs();
    double cellsCpu = 0;
    {
        CClientDC screen(&view);
        CDC memory;
        CBitmap bitmap;
        memory.CreateCompatibleDC(screen);
        bitmap.CreateCompatibleBitmap(screen, 640, 480);
        CScopedSelect selected(memory, bitmap);
        for (int i = 0; i < rounds; ++i) {
            const Clock::time_point start = Clock::now();
            wall.draw(&memory);
            ::GdiFlush();
            cellsOnly.push_back(Millis(Clock::now() - start));
        }
    }
    cellsCpu = ThreadCpuMs() - cpu;

    // The same through the system: invalidate everything, then WM_PAINT.
    std::vector<double> systemPaints;
    cpu = ThreadCpuMs();
    for (int i = 0; i < rounds; ++i) {
        const Clock::time_point start = Clock::now();
        view.Invalidate(FALSE);
        view.UpdateWindow();
        ::GdiFlush();
        systemPaints.push_back(Millis(Clock::now() - start));
    }
    const double systemCpu = ThreadCpuMs() - cpu;

    // A drag of the window in the middle of the grid, one pixel per move, back and forth.
    const WallRect& grabbed = region->pips().GetAt(5)->rect();
    const int x0 = (grabbed.left + grabbed.right) / 2;
    const int y0 = (grabbed.top + grabbed.bottom) / 2;
    ::SendMessageW(view.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, y0));
    auto moveTo = [&](int i) {
        const int dx = (i / 20) % 2 == 0 ? i % 20 : 20 - i % 20;
        ::SendMessageW(view.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x0 + dx, y0 + dx / 2));
    };
    std::vector<double> moves;
    cpu = ThreadCpuMs();
    for (int i = 0; i < rounds; ++i) {
        const Clock::time_point start = Clock::now();
        moveTo(i);
        moves.push_back(Millis(Clock::now() - start));
    }
    const double moveCpu = ThreadCpuMs() - cpu;
    view.UpdateWindow();
    std::vector<double> movesPainted;
    cpu = ThreadCpuMs();
    for (int i = 0; i < rounds; ++i) {
        const Clock::time_point start = Clock::now();
        moveTo(i);
        view.UpdateWindow();
        ::GdiFlush();
        movesPainted.push_back(Millis(Clock::now() - start));
    }
    const double movePaintCpu = ThreadCpuMs() - cpu;
    ::SendMessageW(view.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x0, y0));

    std::printf("wall view 640 x 480, one MPD region with %d PIP windows, %d rounds\n", kWindows,
                rounds);
    std::printf("(wall-clock median, mean and worst, and processor time per round)\n");
    Print("paint: paintWall into the window DC", Summarise(paints, paintCpu), 2.0);
    Print("  of which drawing the cells", Summarise(cellsOnly, cellsCpu), 2.0);
    Print("paint: invalidate + WM_PAINT", Summarise(systemPaints, systemCpu), 2.0);
    Print("drag: one mouse move", Summarise(moves, moveCpu), 16.0);
    Print("drag: one mouse move and its repaint", Summarise(movesPainted, movePaintCpu), 16.0);

    view.DestroyWindow();
    ::DestroyWindow(frame);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return 0;
}
