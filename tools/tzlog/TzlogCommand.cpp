#include "tools/common/FrameMeaning.h"
#include "tools/common/ToolOutput.h"
#include "tools/tzlog/LogTools.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const char kUsage[] =
    "usage: tzlog [--stats] FILE\n"
    "       tzlog --help | -h\n"
    "Decodes a traffic log (tzview.log) written by TzComm into one line per frame: time,\n"
    "destination, board, the operation and its arguments in plain numbers (dates decoded from\n"
    "BCD); a frame whose checksum or layout is wrong, and text that is no record, are flagged\n"
    "with '!'. --stats gives frames per operation, the gaps between frames and the busiest\n"
    "second instead.\n"
    "Exit status: 0 fine, 1 something flagged, 2 a usage or I/O error.\n";

std::string lineOf(const LogRecord& r, const FrameMeaning& m)
{
    char head[64];
    std::snprintf(head, sizeof head, "%s  %-6s %3s  ", logTimeText(r.time).c_str(), m.destName(),
                  m.board >= 0 ? std::to_string(m.board).c_str() : "-");
    std::string line = head + m.text();
    for (const std::string& problem : m.problems)
        line += "  ! " + problem;
    if (!r.exactLayout)
        line += "  ! the record is not in the layout the link writes for this frame";
    if (!isCalendarTime(r.time))
        line += "  ! the time is no calendar time";
    return line;
}

// The operation a frame counts under in the figures.
std::string operationOf(const FrameMeaning& m)
{
    switch (m.kind) {
    case FrameMeaning::kReply: return m.operation + " reply";
    case FrameMeaning::kBracket: return "Transfer " + m.detail;
    case FrameMeaning::kBlockData: return "Transfer data";
    default: return m.operation;
    }
}

}  // namespace

int logLines(const LogContents& log, std::string& out)
{
    // Records and stray text in line order.
    std::size_t s = 0;
    int findings = 0;
    FrameInterpreter interpreter;
    for (const LogRecord& r : log.records) {
        for (; s < log.strays.size() && log.strays[s].line < r.line; ++s, ++findings)
            out += "! line " + std::to_string(log.strays[s].line) +
                   " is no record: " + log.strays[s].text + "\n";
        const FrameMeaning m = interpreter.next(r.frame);
        if (!m.problems.empty() || !r.exactLayout || !isCalendarTime(r.time))
            ++findings;
        out += lineOf(r, m) + "\n";
    }
    for (; s < log.strays.size(); ++s, ++findings)
        out += "! line " + std::to_string(log.strays[s].line) +
               " is no record: " + log.strays[s].text + "\n";
    return findings;
}

std::string logStats(const LogContents& log)
{
    std::ostringstream out;
    if (log.records.empty()) {
        out << "no frames\n";
        return out.str();
    }
    std::map<std::string, int> perOperation;
    std::map<long long, int> perSecond;
    FrameInterpreter interpreter;
    int flagged = 0;
    for (const LogRecord& r : log.records) {
        const FrameMeaning m = interpreter.next(r.frame);
        ++perOperation[operationOf(m)];
        ++perSecond[logSeconds(r.time)];
        if (!m.problems.empty() || !r.exactLayout || !isCalendarTime(r.time))
            ++flagged;
    }
    const LogRecord& first = log.records.front();
    const LogRecord& last = log.records.back();
    out << log.records.size() << " frames from " << logTimeText(first.time) << " to "
        << logTimeText(last.time) << " (" << logSeconds(last.time) - logSeconds(first.time)
        << " s)\n";

    std::vector<std::pair<std::string, int>> ops(perOperation.begin(), perOperation.end());
    std::stable_sort(ops.begin(), ops.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    out << "frames per operation:\n";
    for (const auto& [name, count] : ops) {
        char row[96];
        std::snprintf(row, sizeof row, "  %6d  %s\n", count, name.c_str());
        out << row;
    }

    // The log keeps whole seconds, so gaps are whole seconds too.
    // A frame stamped earlier than the one before it (the PC's clock was set back between two
    // sessions, or logs were joined) is no gap at all: counted apart.
    int gaps[4] = {0, 0, 0, 0};  // 0 s, 1 s, 2..9 s, 10 s and more
    int backwards = 0;
    std::size_t firstBackwards = 0;
    long long longest = -1;
    std::size_t longestAt = 0;
    for (std::size_t i = 1; i < log.records.size(); ++i) {
        const long long gap = logSeconds(log.records[i].time) - logSeconds(log.records[i - 1].time);
        if (gap < 0) {
            if (backwards++ == 0)
                firstBackwards = i;
            continue;
        }
        ++gaps[gap == 0 ? 0 : gap == 1 ? 1 : gap < 10 ? 2 : 3];
        if (gap > longest) {
            longest = gap;
            longestAt = i;
        }
    }
    out << "gaps between frames: " << gaps[0] << " within the same second, " << gaps[1]
        << " of 1 s, " << gaps[2] << " of 2..9 s, " << gaps[3] << " of 10 s or more\n";
    if (backwards > 0)
        out << "clock set back: " << backwards
            << " frame(s) stamped earlier than the frame before, "
            << "first at " << logTimeText(log.records[firstBackwards].time) << " (line "
            << log.records[firstBackwards].line << ")\n";
    if (longest >= 0)
        out << "longest gap: " << longest << " s, before the frame at "
            << logTimeText(log.records[longestAt].time) << " (line " << log.records[longestAt].line
            << ")\n";
    const auto busiest =
        std::max_element(perSecond.begin(), perSecond.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const LogRecord& r : log.records) {
        if (logSeconds(r.time) == busiest->first) {
            out << "busiest second: " << logTimeText(r.time) << " with " << busiest->second
                << " frames\n";
            break;
        }
    }
    out << "flagged frames: " << flagged << "; text that is no record: " << log.strays.size()
        << "\n";
    return out.str();
}

int runTzlog(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    bool stats = false;
    std::string path;
    for (const std::string& a : args) {
        if (isHelpOption(a)) {
            out += kUsage;
            return kExitFine;
        }
    }
    for (const std::string& a : args) {
        if (a == "--stats") {
            stats = true;
        } else if (a.size() > 1 && a[0] == '-') {
            err += "tzlog: unknown option " + a + "\n\n" + kUsage;
            return kExitTrouble;
        } else if (path.empty()) {
            path = a;
        } else {
            err += "tzlog: one log at a time\n\n" + std::string(kUsage);
            return kExitTrouble;
        }
    }
    if (path.empty()) {
        err += "tzlog: no log given\n\n" + std::string(kUsage);
        return kExitTrouble;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err += "tzlog: cannot read " + path + "\n";
        return kExitTrouble;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const LogContents log = readLog(bytes.str());
    if (stats) {
        out += logStats(log);
        std::string ignored;
        return logLines(log, ignored) > 0 ? kExitFinding : kExitFine;
    }
    return logLines(log, out) > 0 ? kExitFinding : kExitFine;
}
