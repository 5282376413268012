// tzscene's command line: the commands, their options and exit codes.
#include "app/core/command/CommandState.h"
#include "tools/common/ToolOutput.h"
#include "tools/tzscene/SceneTools.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;
#endif

namespace {

const char kUsage[] =
    "usage: tzscene check FILE... [--profile DIR]\n"
    "       tzscene dump FILE [--profile DIR] [-o OUT.json]\n"
    "       tzscene diff A B [--profile DIR]\n"
    "       tzscene render FILE -o PICTURE.svg|PICTURE.png [--profile DIR]\n"
    "       tzscene frames FILE [--profile DIR] [--baud N] [--store PRESET] [--matrix "
    "cvbs|vga|dvi]\n"
    "       tzscene --help | -h\n"
    "Reads scene files (.tzs) exactly as TaveloPro does.\n"
    "  check   whether the program loads each file; if not, the message the operator sees and\n"
    "          why (the byte offset and field where reading stopped)\n"
    "  dump    the scene as JSON: header, cells, members, PIP windows with their device\n"
    "          rectangles and the size and position the restore sends\n"
    "  diff    the differences an operator cares about, one line each\n"
    "  render  the wall as the program draws it (PNG through rsvg-convert or ImageMagick)\n"
    "  frames  the exact frames a restore of the scene sends (recorded, nothing on a line),\n"
    "          with the operations and the protocol's floor time; --store records it as a\n"
    "          preset, --matrix picks the matrix as the last input button would (default cvbs)\n"
    "--profile DIR: the installation's folder with TzView.ini and com.ini (default: tzscene's\n"
    "own folder); TzCommFun.dll is loaded from tzscene's folder.\n"
    "Exit status: 0 fine, 1 a finding (a file the program refuses, a difference, a failed\n"
    "restore), 2 a usage or I/O error.\n";

struct Options {
    std::string command;
    std::vector<std::string> files;
    std::string profile;
    std::string output;
    int baud = -1;
    int store = -1;
    int inputType = 0;
};

bool number(const std::string& text, int& value)
{
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < 0 || v > 10000000)
        return false;
    value = static_cast<int>(v);
    return true;
}

// Parses the words after the command; an error message on failure.
std::string parse(const std::vector<std::string>& args, Options& o)
{
    o.command = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--profile" || a == "-o" || a == "--baud" || a == "--store" || a == "--matrix") {
            if (!hasValue)
                return a + " needs a value";
            const std::string& v = args[++i];
            if (a == "--profile") {
                o.profile = v;
            } else if (a == "-o") {
                o.output = v;
            } else if (a == "--baud") {
                if (!number(v, o.baud))
                    return "--baud needs a number";
            } else if (a == "--store") {
                if (!number(v, o.store) || o.store > 19)
                    return "--store needs a preset number 0..19";
            } else if (v == "cvbs" || v == "vga" || v == "dvi") {
                o.inputType = v == "vga" ? 2 : v == "dvi" ? 6 : 3;
            } else {
                return "--matrix is cvbs, vga or dvi";
            }
        } else if (a.size() > 1 && a[0] == '-') {
            return "unknown option " + a;
        } else {
            o.files.push_back(a);
        }
    }
    const std::size_t n = o.files.size();
    if (o.command == "check")
        return n >= 1 ? "" : "check needs at least one file";
    if (o.command == "dump" || o.command == "frames")
        return n == 1 ? "" : o.command + " takes one file";
    if (o.command == "diff")
        return n == 2 ? "" : "diff takes two files";
    if (o.command == "render")
        return n != 1 ? "render takes one file" : o.output.empty() ? "render needs -o PICTURE" : "";
    return "unknown command " + o.command;
}

bool endsWith(const std::string& text, const char* end)
{
    const std::string e(end);
    return text.size() >= e.size() && text.compare(text.size() - e.size(), e.size(), e) == 0;
}

bool writeFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    return static_cast<bool>(out);
}

// A refusal in one line for the commands that need a scene read whole.
std::string refusal(const SceneReport& r)
{
    return utf8Of(r.path.c_str()) + ": " +
           (r.readable ? "not a scene the program reads: " + r.why()
                       : std::string("cannot be read")) +
           "\n";
}

int check(const Options& o, const Installation& installation, std::string& out)
{
    int status = kExitFine;
    for (const std::string& file : o.files) {
        const SceneReport report = readSceneReport(file);
        const SceneVerdict verdict = programVerdict(file, report, installation);
        if (!checkText(report, verdict, installation, out) && status == kExitFine)
            status = kExitFinding;
        if (!report.readable)
            status = kExitTrouble;
    }
    return status;
}

// Runs a converter with its arguments, without a shell (so no character of a file name means
// anything but itself), its output and messages discarded; true when it ran and succeeded.
bool runConverter(std::vector<std::string> args)
{
#ifdef _WIN32
    // The C runtime joins the arguments with spaces: quote each (a Windows name has no '"').
    std::vector<std::string> quoted;
    for (const std::string& a : args)
        quoted.push_back("\"" + a + "\"");
    std::vector<const char*> argv;
    for (const std::string& a : quoted)
        argv.push_back(a.c_str());
    argv.push_back(nullptr);
    return _spawnvp(_P_WAIT, args[0].c_str(), argv.data()) == 0;
#else
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (started != 0)
        return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#endif
}

// The SVG as a PNG: librsvg's rsvg-convert where it is installed (it draws the labels in their
// colour with the system's CJK fonts), else ImageMagick, whose own SVG reader draws every label
// black and without CJK glyphs. "--" and the "svg:"/"png:" prefixes keep a name that starts with
// '-' or holds a colon a name.
bool convertToPng(const std::string& svg, const std::string& png)
{
    if (runConverter({"rsvg-convert", "-o", png, "--", svg}))
        return true;
#ifdef _WIN32
    return runConverter({"magick", "svg:" + svg, "png:" + png});
#else
    return runConverter({"convert", "svg:" + svg, "png:" + png});
#endif
}

int render(const Options& o, const SceneReport& report, std::string& err)
{
    const std::string svg = sceneSvg(report);
    if (!endsWith(o.output, ".png"))
        return writeFile(o.output, svg) ? kExitFine
                                        : (err += "cannot write " + o.output + "\n", kExitTrouble);
    const std::string temporary = o.output + ".svg";
    if (!writeFile(temporary, svg)) {
        err += "cannot write " + temporary + "\n";
        return kExitTrouble;
    }
    const bool converted = convertToPng(temporary, o.output);
    std::remove(temporary.c_str());
    if (!converted) {
        err += "no PNG: neither rsvg-convert nor ImageMagick is there, or it failed; write an "
               ".svg instead\n";
        return kExitTrouble;
    }
    return kExitFine;
}

int frames(const Options& o, const SceneReport& report, const Installation& installation,
           std::string& out)
{
    g_nCurrentInputType = o.inputType ? o.inputType : 3;
    const int baud = o.baud >= 0 ? o.baud : installation.baudRate();
    const SceneFrames f = sceneFrames(report, installation, baud, o.store);
    for (const std::string& line : f.lines)
        out += line + "\n";
    for (const std::string& note : f.notes)
        out += "note: " + note + "\n";
    char summary[320];
    std::snprintf(summary, sizeof summary,
                  "%d frames, %d writes; %d counted commands (a preset keeps %d); protocol floor "
                  "%.3f s%s\n",
                  f.frames, static_cast<int>(f.lines.size()), f.counted, MAX_PRESET_COMMANDS,
                  f.floorSeconds,
                  baud > 0 ? (" at " + std::to_string(baud) + " baud").c_str()
                           : " (pauses only: no baud rate)");
    out += summary;
    return f.ok ? kExitFine : kExitFinding;
}

int runOnScene(const Options& o, const Installation& installation, std::string& out,
               std::string& err)
{
    std::vector<SceneReport> reports;
    for (const std::string& file : o.files) {
        reports.push_back(readSceneReport(file));
        if (!reports.back().readable) {
            err += refusal(reports.back());
            return kExitTrouble;
        }
    }
    SceneReport& first = reports.front();
    // As loading does: the file's wall, resolution and MPD count become the working values.
    installation.takeSceneGeometry(first.header.geometry);
    if (o.command == "dump") {
        const std::string json = sceneJson(first, installation);
        if (o.output.empty())
            out += json;
        else if (!writeFile(o.output, json))
            return err += "cannot write " + o.output + "\n", kExitTrouble;
        return first.cellsComplete ? kExitFine : kExitFinding;
    }
    for (const SceneReport& r : reports) {
        if (!r.cellsComplete) {
            err += refusal(r);
            return o.command == "diff" ? kExitTrouble : kExitFinding;
        }
    }
    if (o.command == "diff") {
        const std::vector<std::string> lines = sceneDifferences(first, reports[1]);
        for (const std::string& line : lines)
            out += line + "\n";
        return lines.empty() ? kExitFine : kExitFinding;
    }
    if (o.command == "render")
        return render(o, first, err);
    return frames(o, first, installation, out);
}

}  // namespace

int runTzscene(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    for (const std::string& a : args) {
        if (isHelpOption(a)) {
            out += kUsage;
            return kExitFine;
        }
    }
    Options o;
    const std::string error = args.empty() ? "no command given" : parse(args, o);
    if (!error.empty()) {
        err += "tzscene: " + error + "\n\n" + kUsage;
        return kExitTrouble;
    }
    Installation installation(o.profile.empty() ? toolFolder() : o.profile);
    if (o.command == "check")
        return check(o, installation, out);
    return runOnScene(o, installation, out, err);
}
