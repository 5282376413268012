#include "tests/integration/device/SimulatorLink.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace device_test {

namespace {

#ifdef _WIN32
const char kSlash = '\\';
#else
const char kSlash = '/';
#endif

// tzsim hands out Linux paths; under Wine they are reached through drive Z:.
std::string hostPath(const std::string& path)
{
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') {
        std::string p = "Z:" + path;
        for (char& c : p)
            if (c == '/')
                c = '\\';
        return p;
    }
#endif
    return path;
}

std::string ownFolder()
{
    char path[4096] = {};
#ifdef _WIN32
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
#else
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
#endif
    std::string folder(path, n > 0 ? static_cast<std::size_t>(n) : 0);
    const auto cut = folder.find_last_of("\\/");
    return cut == std::string::npos ? "." : folder.substr(0, cut);
}

std::string envText(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

// A profile folder beside the working folder whose com.ini names the simulator's port, with a
// 10 s time-out and the traffic log on.
std::string profileDir()
{
    const std::string dir = "profile";
#ifdef _WIN32
    CreateDirectoryA(dir.c_str(), nullptr);
#else
    std::system(("mkdir -p " + dir).c_str());
#endif
    std::ofstream ini(dir + kSlash + "com.ini", std::ios::trunc);
    ini << "[comm]\r\ncommport=" << envText("TZSIM_COM") << "\r\ntimeout=10\r\nbaudrate=115200\r\n"
        << "log=1\r\n";
    return dir;
}

ToolRun runCommand(const std::string& commandLine)
{
    ToolRun run;
    const auto start = std::chrono::steady_clock::now();
#ifdef _WIN32
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0))
        return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;
    const BOOL started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            run.output.append(buffer, got);
        WaitForSingleObject(pi.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        run.status = static_cast<int>(code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(readEnd);
#else
    std::FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

std::string toolPath(const std::string& name)
{
#ifdef _WIN32
    return "\"" + ownFolder() + "\\" + name + ".exe\"";
#else
    return "'" + ownFolder() + "/" + name + "'";
#endif
}

std::string tzctlPath() { return toolPath("tzctl"); }

}  // namespace

bool underSimulator() { return !envText("TZSIM_COM").empty() && !envText("TZSIM_TRACE").empty(); }

ToolRun tzctl(const std::string& args)
{
    return runCommand(tzctlPath() + " --dir " + profileDir() + " " + args);
}

ToolRun tool(const std::string& name, const std::string& args)
{
    return runCommand(toolPath(name) + " " + args);
}

ToolRun tzctlScript(const std::string& lines)
{
    const std::string dir = profileDir();
    const std::string script = dir + kSlash + "script.txt";
    std::ofstream(script, std::ios::trunc) << lines;
    return runCommand(tzctlPath() + " --dir " + dir + " --script " + script);
}

std::string simFile(const char* variable)
{
    std::ifstream in(hostPath(envText(variable)), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string waitForTrace(const std::string& text)
{
    std::string trace;
    // tzsim writes the trace as it reads; a loaded machine may keep it waiting a while.
    for (int i = 0; i < 500; ++i) {
        trace = simFile("TZSIM_TRACE");
        if (trace.find(text) != std::string::npos)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return trace;
}

std::string waitForState(const std::vector<std::string>& texts)
{
    std::string state;
    for (int i = 0; i < 500; ++i) {
        state = simFile("TZSIM_STATE");
        bool all = true;
        for (const std::string& text : texts)
            all = all && state.find(text) != std::string::npos;
        if (all)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return state;
}

std::string anomalies(const std::string& trace)
{
    std::istringstream in(trace);
    std::string line, out;
    while (std::getline(in, line))
        if (line.find(" ! ") != std::string::npos)
            out += line + "\n";
    return out;
}

std::string frameAnomalies(const std::string& trace)
{
    std::istringstream in(anomalies(trace));
    std::string line, out;
    while (std::getline(in, line))
        if (line.find("the link promises 50 ms") == std::string::npos)
            out += line + "\n";
    return out;
}

std::string trafficLog()
{
    std::ifstream in(ownFolder() + kSlash + "tzview.log", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void setFailure(const std::string& mode)
{
    std::ofstream(hostPath(envText("TZSIM_CONTROL")), std::ios::trunc) << "fail " << mode << "\n";
}

#ifndef _WIN32
int relaunchUnderSimulator(char** argv, const std::string& name,
                           const std::vector<std::string>& tzsimOptions)
{
    const std::string folder = ownFolder();
    const std::string tzsim = folder + "/tzsim";
    const std::string dir = folder + "/" + name + ".tzsim";
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return 1;
    std::vector<const char*> args{tzsim.c_str()};
    for (const std::string& option : tzsimOptions)
        args.push_back(option.c_str());
    for (const char* a : {"--dir", dir.c_str(), "--", static_cast<const char*>(self)})
        args.push_back(a);
    for (char** a = argv + 1; *a; ++a)
        args.push_back(*a);
    args.push_back(nullptr);
    // The run's files (com.ini, tzctl's profile folder, the traffic log) go into tzsim's folder,
    // not wherever the bench was started from.
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    if (chdir(dir.c_str()) != 0)
        return 1;
    execv(tzsim.c_str(), const_cast<char* const*>(args.data()));
    std::fprintf(stderr, "%s: cannot start %s\n", name.c_str(), tzsim.c_str());
    return 1;
}
#endif

}  // namespace device_test
