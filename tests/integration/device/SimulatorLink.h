// The test's view of a run against tzsim: runs tzctl beside the test program on the serial line
// tzsim serves, reads tzsim's trace and state, and asks tzsim to misbehave. tzsim starts each test
// program (see CMakeLists.txt) and tells it where its files are through the environment.
#pragma once

#include <string>
#include <vector>

namespace device_test {

struct ToolRun {
    int status = -1;
    std::string output;
    double seconds = 0;
};

// tzctl --dir PROFILE ARGS, with a com.ini naming the simulator's port.
ToolRun tzctl(const std::string& args);
// Another tool beside the test program ("tzscene", "tzlog"), with its arguments as given.
ToolRun tool(const std::string& name, const std::string& args);
// tzctl --dir PROFILE --script FILE with these lines.
ToolRun tzctlScript(const std::string& lines);

// Contents of the file tzsim names in the environment variable (TZSIM_TRACE, TZSIM_STATE).
std::string simFile(const char* variable);
// Waits up to ten seconds for the trace to contain text; returns the trace.
std::string waitForTrace(const std::string& text);
// Lines of the trace that report an anomaly.
std::string anomalies(const std::string& trace);
// The anomalies in the frames themselves, leaving out late frames: the 50 ms pacing is the device
// link's own promise, checked by its tests, and a loaded machine may delay a frame in the
// pseudo-terminal, which command-level checks must not count.
std::string frameAnomalies(const std::string& trace);
// tzsim's state once it holds every one of the texts (tzsim writes it after the frames it has
// read, so a loaded machine may show an earlier state for a while), or as it stands after 10 s.
std::string waitForState(const std::vector<std::string>& texts);
// Writes "fail MODE" to the control file; tzsim applies it before the next frame.
void setFailure(const std::string& mode);
// The traffic log "tzview.log" that TzComm keeps beside tzctl (and this program), as it stands.
std::string trafficLog();
// Whether the test runs under tzsim at all.
bool underSimulator();

#ifndef _WIN32
// Replaces this program by the tzsim beside it, started with these options (the port and the
// wall, say) and a folder NAME.tzsim beside the program, which runs this program again under it
// with the same arguments. Returns 1 only when tzsim could not be started.
int relaunchUnderSimulator(char** argv, const std::string& name,
                           const std::vector<std::string>& tzsimOptions);
#endif

}  // namespace device_test
