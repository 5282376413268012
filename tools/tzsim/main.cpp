// tzsim: the video wall processor on a pseudo-terminal. Prints the slave path on its first line,
// then serves the line until told to stop (a signal, --frames, --seconds, or the end of the
// command given after "--"). See README.md.
#include "tools/tzsim/Pty.h"
#include "tools/tzsim/Session.h"
#include "tools/tzsim/StateJson.h"
#include "tools/tzsim/WallSvg.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace tzsim;

volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_dump = 0;

void onStop(int) { g_stop = 1; }
void onDump(int) { g_dump = 1; }

struct Options {
    WallConfig wall;
    std::string linkPrefix;
    int linkCom = 0;
    std::string dir, tracePath, statePath, svgPath, controlPath;
    FailureMode failure;
    long maxFrames = -1;
    double maxSeconds = -1;
    double paceTolerance = 5.0;
    std::vector<std::string> command;
};

const char kUsage[] =
    "usage: tzsim [--wall COLSxROWS] [--mpd N] [--mpd-size WxH] [--link PREFIX:N] [--com N]\n"
    "             [--dir DIR] [--trace FILE] [--state FILE] [--svg FILE] [--control FILE]\n"
    "             [--fail none|noreply|late:MS|garbage|short|vanish] [--pace-tolerance MS]\n"
    "             [--frames N] [--seconds S] [-- COMMAND [ARG...]]\n"
    "       tzsim --help | -h\n"
    "Plays the video wall processor on a pseudo-terminal: prints the slave path, then reads,\n"
    "checks and answers the frames written to it (see tools/tzsim/README.md).\n";

// --help or -h before any "--" (what follows "--" belongs to the command).
bool wantsHelp(int argc, char** argv)
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return true;
    return false;
}

bool parsePair(const char* text, int& a, int& b)
{
    char sep = 0;
    return std::sscanf(text, "%d%c%d", &a, &sep, &b) == 3 && (sep == 'x' || sep == 'X') && a > 0 &&
           b > 0;
}

bool parseOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            o.command.assign(argv + i + 1, argv + argc);
            return !o.command.empty();
        }
        if (i + 1 >= argc)
            return false;
        const char* value = argv[++i];
        if (arg == "--wall") {
            if (!parsePair(value, o.wall.columns, o.wall.rows) || o.wall.panelCount() > 254)
                return false;
        } else if (arg == "--mpd") {
            o.wall.mpdCount = std::atoi(value);
            if (o.wall.mpdCount < 1 || o.wall.mpdCount > 128)
                return false;
        } else if (arg == "--mpd-size") {
            if (!parsePair(value, o.wall.mpdWidth, o.wall.mpdHeight))
                return false;
        } else if (arg == "--link") {
            const char* colon = std::strrchr(value, ':');
            if (!colon || (o.linkCom = std::atoi(colon + 1)) <= 0)
                return false;
            o.linkPrefix.assign(value, colon);
        } else if (arg == "--com") {
            if ((o.linkCom = std::atoi(value)) <= 0)
                return false;
        } else if (arg == "--dir") {
            o.dir = value;
        } else if (arg == "--trace") {
            o.tracePath = value;
        } else if (arg == "--state") {
            o.statePath = value;
        } else if (arg == "--svg") {
            o.svgPath = value;
        } else if (arg == "--control") {
            o.controlPath = value;
        } else if (arg == "--fail") {
            const auto mode = FailureMode::parse(value);
            if (!mode)
                return false;
            o.failure = *mode;
        } else if (arg == "--pace-tolerance") {
            o.paceTolerance = std::atof(value);
        } else if (arg == "--frames") {
            o.maxFrames = std::atol(value);
        } else if (arg == "--seconds") {
            o.maxSeconds = std::atof(value);
        } else {
            return false;
        }
    }
    return true;
}

double nowMs(const timespec& start)
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (t.tv_sec - start.tv_sec) * 1000.0 + (t.tv_nsec - start.tv_nsec) / 1e6;
}

// Written beside the target and renamed over it, so a reader never sees half a file.
void writeFile(const std::string& path, const std::string& content)
{
    if (path.empty())
        return;
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out << content;
    }
    std::rename(tmp.c_str(), path.c_str());
}

// The control file lets a test change the failure mode between operations: one line
// "fail MODE". It is read again whenever its modification time or size changes.
class ControlFile {
public:
    explicit ControlFile(std::string path) : path_(std::move(path)) {}
    void poll(Session& session, std::FILE* trace, double ms)
    {
        struct stat st{};
        if (path_.empty() || ::stat(path_.c_str(), &st) != 0)
            return;
        if (st.st_mtim.tv_sec == seen_.tv_sec && st.st_mtim.tv_nsec == seen_.tv_nsec &&
            st.st_size == size_)
            return;
        seen_ = st.st_mtim;
        size_ = st.st_size;
        std::ifstream in(path_);
        std::string word, mode;
        while (in >> word) {
            if (word == "fail" && in >> mode) {
                if (auto m = FailureMode::parse(mode)) {
                    session.setFailure(*m);
                    if (trace)
                        std::fprintf(trace, "%10.1f # failure mode %s\n", ms, m->name().c_str());
                }
            }
        }
    }

private:
    std::string path_;
    timespec seen_{};
    off_t size_ = -1;
};

DateTime hostClock()
{
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

pid_t startCommand(const Options& o, const Pty& pty)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    setenv("TZSIM_PTY", pty.slavePath().c_str(), 1);
    if (o.linkCom > 0) {
        // The native device link opens \\.\COMn at the path in TAVELO_COMn.
        setenv("TZSIM_COM", std::to_string(o.linkCom).c_str(), 1);
        setenv(("TAVELO_COM" + std::to_string(o.linkCom)).c_str(), pty.slavePath().c_str(), 1);
    }
    if (!o.tracePath.empty()) setenv("TZSIM_TRACE", o.tracePath.c_str(), 1);
    if (!o.statePath.empty()) setenv("TZSIM_STATE", o.statePath.c_str(), 1);
    if (!o.svgPath.empty()) setenv("TZSIM_SVG", o.svgPath.c_str(), 1);
    if (!o.controlPath.empty()) setenv("TZSIM_CONTROL", o.controlPath.c_str(), 1);
    std::vector<char*> args;
    for (const std::string& a : o.command)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    std::fprintf(stderr, "tzsim: cannot run %s: %s\n", args[0], std::strerror(errno));
    _exit(127);
}

}  // namespace

int main(int argc, char** argv)
{
    if (wantsHelp(argc, argv)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    Options o;
    if (!parseOptions(argc, argv, o)) {
        std::fputs(kUsage, stderr);
        return 64;
    }
    if (!o.dir.empty()) {
        ::mkdir(o.dir.c_str(), 0755);
        if (o.tracePath.empty()) o.tracePath = o.dir + "/trace.txt";
        if (o.statePath.empty()) o.statePath = o.dir + "/state.json";
        if (o.svgPath.empty()) o.svgPath = o.dir + "/wall.svg";
        if (o.controlPath.empty()) o.controlPath = o.dir + "/control";
    }

    Pty pty;
    if (!pty.ok()) {
        std::perror("tzsim: pseudo-terminal");
        return 1;
    }
    std::printf("%s\n", pty.slavePath().c_str());
    std::fflush(stdout);
    if (!o.linkPrefix.empty()) {
        std::string error;
        if (!pty.link(o.linkPrefix, o.linkCom, error)) {
            std::fprintf(stderr, "tzsim: cannot link: %s\n", error.c_str());
            return 1;
        }
    }

    std::signal(SIGINT, onStop);
    std::signal(SIGTERM, onStop);
    std::signal(SIGUSR1, onDump);
    std::signal(SIGPIPE, SIG_IGN);

    std::FILE* trace = o.tracePath.empty() ? nullptr : std::fopen(o.tracePath.c_str(), "w");
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    // A control file left by an earlier run must not set this run's failure mode.
    if (!o.controlPath.empty())
        ::unlink(o.controlPath.c_str());
    Session session(o.wall, hostClock(), o.paceTolerance);
    session.setFailure(o.failure);
    ControlFile control(o.controlPath);
    control.poll(session, trace, 0);
    if (trace)
        std::fprintf(trace, "%10.1f # tzsim on %s, wall %dx%d, MPD count %d, MPD %dx%d, failure %s\n",
                     0.0, pty.slavePath().c_str(), o.wall.columns, o.wall.rows, o.wall.mpdCount,
                     o.wall.mpdWidth, o.wall.mpdHeight, session.failure().name().c_str());
    // The trace's times count from this instant of the host's monotonic clock, so a driver that
    // notes its own actions on that clock can place them among the frames.
    if (trace)
        std::fprintf(trace, "%10.1f # monotonic start %lld.%09ld\n", 0.0,
                     static_cast<long long>(start.tv_sec), start.tv_nsec);

    const pid_t child = o.command.empty() ? -1 : startCommand(o, pty);
    int childStatus = 0;
    bool childDone = child < 0;
    std::vector<Reply> pending;

    const auto writeState = [&](double ms) {
        writeFile(o.statePath, stateJson(session.processor(), ms));
        writeFile(o.svgPath, wallSvg(session.processor()));
    };
    writeState(0);

    while (!g_stop) {
        const double ms = nowMs(start);
        if (o.maxSeconds >= 0 && ms >= o.maxSeconds * 1000)
            break;
        if (o.maxFrames >= 0 && static_cast<long>(session.frameCount()) >= o.maxFrames &&
            pending.empty())
            break;
        if (!childDone) {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                childDone = true;
                childStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
        }

        pollfd p{pty.master(), POLLIN, 0};
        const int ready = pty.ok() ? ::poll(&p, 1, 5) : (::usleep(5000), 0);
        const double at = nowMs(start);
        if (ready > 0 && (p.revents & POLLIN)) {
            control.poll(session, trace, at);
            std::uint8_t buffer[4096];
            const ssize_t n = ::read(pty.master(), buffer, sizeof buffer);
            if (n > 0)
                session.feed(buffer, static_cast<std::size_t>(n), at);
        } else {
            session.idle(at);
        }
        for (Reply& r : session.takeReplies())
            pending.push_back(std::move(r));
        for (auto it = pending.begin(); it != pending.end();) {
            if (it->atMs > at) {
                ++it;
                continue;
            }
            if (pty.ok() && ::write(pty.master(), it->bytes.data(), it->bytes.size()) < 0 && trace)
                std::fprintf(trace, "%10.1f ! reply not written: %s\n", at, std::strerror(errno));
            it = pending.erase(it);
        }
        for (const std::string& line : session.takeTrace())
            if (trace)
                std::fprintf(trace, "%s\n", line.c_str());
        if (trace)
            std::fflush(trace);
        if (session.vanished() && pty.ok()) {
            pty.close();
            pending.clear();
        }
        if (session.changed() || g_dump) {
            g_dump = 0;
            writeState(at);
        }
        if (childDone && child >= 0)
            break;   // what the command left on the line has been read above
    }

    writeState(nowMs(start));
    if (trace) {
        std::fprintf(trace, "%10.1f # end: %zu frames, %zu anomalies\n", nowMs(start),
                     session.frameCount(), session.anomalyCount());
        std::fclose(trace);
    }
    pty.close();
    if (!childDone) {
        kill(child, SIGTERM);
        int status = 0;
        waitpid(child, &status, 0);
        childStatus = 128 + SIGTERM;
    }
    return child < 0 ? 0 : childStatus;
}
