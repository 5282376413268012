// Wall-clock time of N frames through the whole chain -- tzctl, TzComm, the serial line, tzsim --
// against the protocol's floor of 50 ms after every frame.
//   native:  chain_bench [N]            (starts the tzsim beside it on its own pseudo-terminal)
//   Windows: tzsim --link PREFIX:59 --dir DIR -- wine64 chain_bench.exe [N]
#include "tests/integration/device/SimulatorLink.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Arrival times of the frames whose trace line contains marker.
std::vector<double> frameTimes(const std::string& trace, const std::string& marker)
{
    std::vector<double> times;
    std::istringstream in(trace);
    std::string line;
    while (std::getline(in, line))
        if (line.find(marker) != std::string::npos)
            times.push_back(std::atof(line.c_str()));
    return times;
}


}  // namespace

int main(int argc, char** argv)
{
    using namespace device_test;
    if (!underSimulator()) {
#ifdef _WIN32
        std::fprintf(stderr, "run under tzsim: tzsim --link PREFIX:59 --dir DIR -- wine64 chain_bench.exe [N]\n");
        return 64;
#else
        return device_test::relaunchUnderSimulator(argv, "chain_bench", {"--com", "59"});
#endif
    }
    const int frames = argc > 1 ? std::max(2, std::atoi(argv[1])) : 100;
    std::string script;
    for (int i = 0; i < frames; ++i)
        script += "SetResolution 0 5\n";
    const ToolRun run = tzctlScript(script);
    if (run.status != 0) {
        std::fprintf(stderr, "chain_bench: tzctl failed (%d):\n%s", run.status, run.output.c_str());
        return 1;
    }
    std::string trace;
    std::vector<double> times;
    for (int attempt = 0; attempt < 50 && times.size() < static_cast<std::size_t>(frames); ++attempt) {
        trace = waitForTrace("SetResolution 5");
        times = frameTimes(trace, "SetResolution 5");
    }
    if (times.size() != static_cast<std::size_t>(frames)) {
        std::fprintf(stderr, "chain_bench: tzsim saw %zu of %d frames\n", times.size(), frames);
        return 1;
    }
    double minGap = 1e9, maxGap = 0;
    for (std::size_t i = 1; i < times.size(); ++i) {
        minGap = std::min(minGap, times[i] - times[i - 1]);
        maxGap = std::max(maxGap, times[i] - times[i - 1]);
    }
    const double span = times.back() - times.front();
    const double floorMs = frames * 50.0;
    std::printf("chain: %d frames, tzctl -> TzComm -> serial line -> tzsim\n", frames);
    std::printf("  wall clock of the run:   %9.1f ms (with start-up and Connect)\n", run.seconds * 1000);
    std::printf("  floor N x 50 ms:         %9.1f ms\n", floorMs);
    std::printf("  first to last frame:     %9.1f ms (floor %.1f ms)\n", span, floorMs - 50.0);
    std::printf("  per frame beyond 50 ms:  %9.2f ms\n", span / (frames - 1) - 50.0);
    std::printf("  gap between frames:      min %.1f ms, max %.1f ms\n", minGap, maxGap);
    std::printf("  start-up and Connect:    %9.1f ms\n", run.seconds * 1000 - span - 50.0);
    const std::string odd = anomalies(trace);
    std::printf("  anomalies seen by tzsim: %9zu\n",
                static_cast<std::size_t>(std::count(odd.begin(), odd.end(), '\n')));
    return 0;
}
