// frame_bench: what the skinned frame costs. Prints the median time to create and destroy a frame
// with a status bar and two side bars with children (beside that of one bare window, for scale), the median time of one full layout of such a
// frame (dock bars, client window, side bars), and of one paint of its caption, side bars and
// status bar into a memory bitmap. Frames stay hidden: the figures are the library's, not the
// display's.
#include "fx/win/Gdi.h"
#include "skin/core/CreateContext.h"
#include "skin/core/LuLibAux.h"
#include "skin/frame/FrameWnd.h"
#include "skin/frame/StatusBar.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class CPane : public CWnd {
protected:
    void PostNcDestroy() override { delete this; }
};

struct Frame {
    CLuFrameWnd* pFrame = nullptr;
    CLuStatusBar status;

    bool Build()
    {
        pFrame = new CLuFrameWnd;
        if (!pFrame->Create(nullptr, "bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 880, 760)))
            return false;
        const UINT ids[] = {0, 0};
        if (!status.Create(pFrame, LU_ID_VIEW_STATUS_BAR) || !status.SetIndicators(ids, 2) || !pFrame->SetStatusBar(&status))
            return false;
        CLuClientWnd& client = pFrame->GetClientWnd();
        const DWORD dwStyle = LU_CBS_SPLITTER | LU_CBS_CAPTION | LU_CBS_TITLE | LU_CBS_CLOSEBOX;
        client.CreateBar(BAR_LEFT, dwStyle, 220, TRUE, "控制视图");
        client.CreateBar(BAR_BOTTOM, LU_CBS_SPLITTER, 110);
        for (bar_pos nPos : {BAR_LEFT, BAR_BOTTOM}) {
            auto* pPane = new CPane;
            pPane->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), &client, 100 + nPos);
            CLuCContext context(pPane);
            client.CreateBarChild(nPos, &context);
        }
        return true;
    }
    ~Frame()
    {
        if (pFrame != nullptr && ::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
    }
};

// Median of n runs of f, in microseconds.
double MedianMicros(int n, const std::function<void()>& f)
{
    std::vector<double> times;
    for (int i = 0; i < n; ++i) {
        const auto start = Clock::now();
        f();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

// Measures with the library started; the frames are gone before it ends.
int Measure()
{
    // For scale: what the system takes for one bare top-level window.
    const double bare = MedianMicros(50, [] {
        CWnd wnd;
        wnd.CreateEx(0, nullptr, "bare", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
        wnd.DestroyWindow();
    });
    const double create = MedianMicros(50, [] {
        Frame frame;
        frame.Build();
    });
    Frame frame;
    if (!frame.Build()) {
        std::fprintf(stderr, "cannot build the frame\n");
        return 1;
    }
    const double layout = MedianMicros(1000, [&] {
        frame.pFrame->RecalcLayout();
        frame.pFrame->GetClientWnd().ReCalcLayout(TRUE);
    });
    CRect rc;
    frame.pFrame->GetWindowRect(&rc);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateDIBSection32(rc.Width(), rc.Height());
    HGDIOBJ hOld = dc.SelectObject(&bitmap);
    const double paint = MedianMicros(200, [&] {
        frame.pFrame->PaintNonClient(dc);
        frame.pFrame->GetClientWnd().PaintClient(dc);
        ::SendMessageW(frame.status.GetSafeHwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), PRF_CLIENT);
    });
    dc.SelectObject(hOld);
    std::printf("bare top-level window create+destroy:             %.0f us median of 50\n", bare);
    std::printf("frame create+destroy (status bar, two side bars): %.0f us median of 50\n", create);
    std::printf("full layout (frame and client window):           %.1f us median of 1000\n", layout);
    std::printf("paint of caption, side bars and status bar:       %.0f us median of 200\n", paint);
    return 0;
}

int main()
{
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    LuLibAux::InitLuLib(hInst, nullptr);
    const int result = Measure();
    LuLibAux::UninitLuLib(hInst, nullptr);
    return result;
}
