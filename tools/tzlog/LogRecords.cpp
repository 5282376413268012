#include "tools/tzlog/LogRecords.h"

#include <cstdio>
#include <cstring>

namespace {

// The log's lines with the offset each starts at; a line ends at "\r\n" (or a lone "\n").
struct Line {
    std::size_t begin, end, next;
};

std::vector<Line> linesOf(const std::string& bytes)
{
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        const std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos)
            end = bytes.size();
        const std::size_t textEnd = end > at && bytes[end - 1] == '\r' ? end - 1 : end;
        lines.push_back(Line{at, textEnd, next});
        at = next;
    }
    return lines;
}

std::string text(const std::string& bytes, const Line& l)
{
    return bytes.substr(l.begin, l.end - l.begin);
}

bool parseTime(const std::string& s, CommLogTime& t)
{
    char tail = 0;
    return s.size() == 17 && std::sscanf(s.c_str(), "%4d%2d%2d %2d:%2d:%2d%c", &t.year, &t.month,
                                         &t.day, &t.hour, &t.minute, &t.second, &tail) == 6;
}

bool byteValue(unsigned v, unsigned char& out)
{
    if (v > 0xFF)
        return false;
    out = static_cast<unsigned char>(v);
    return true;
}

// The three lines after the time stamp, into the frame; false when they are no record.
bool parseBody(const std::string& head, const std::string& params, const std::string& crc,
               unsigned char* f)
{
    unsigned m1, m2, dest, a, b, p[7], c;
    char tail = 0;
    bool ok = true;
    if (std::sscanf(head.c_str(), "magic:0x%x 0x%x dest:%u eventid:0x%x%c", &m1, &m2, &dest, &a,
                    &tail) == 4) {
        ok =
            std::sscanf(params.c_str(), "p1=0x%x p2=0x%x p3=0x%x p4=0x%x p5=0x%x p6=0x%x p7=0x%x%c",
                        &p[0], &p[1], &p[2], &p[3], &p[4], &p[5], &p[6], &tail) == 7;
        ok = ok && byteValue(a, f[3]);
        for (int i = 0; ok && i < 7; ++i)
            ok = byteValue(p[i], f[4 + i]);
    } else if (std::sscanf(head.c_str(), "magic:0x%x 0x%x dest:%u boardid:%u eventid:%u%c", &m1,
                           &m2, &dest, &a, &b, &tail) == 5) {
        ok = std::sscanf(params.c_str(), "p1=0x%x p2=0x%x p3=0x%x p4=0x%x p5=0x%x p6=0x%x%c", &p[0],
                         &p[1], &p[2], &p[3], &p[4], &p[5], &tail) == 6;
        ok = ok && byteValue(a, f[3]) && byteValue(b, f[4]);
        for (int i = 0; ok && i < 6; ++i)
            ok = byteValue(p[i], f[5 + i]);
    } else {
        return false;
    }
    return ok && std::sscanf(crc.c_str(), "crc=0x%x%c", &c, &tail) == 1 && byteValue(m1, f[0]) &&
           byteValue(m2, f[1]) && byteValue(dest, f[2]) && byteValue(c, f[11]);
}

}  // namespace

LogContents readLog(const std::string& bytes)
{
    LogContents log;
    const std::vector<Line> lines = linesOf(bytes);
    std::size_t i = 0;
    while (i < lines.size()) {
        LogRecord r;
        if (i + 3 < lines.size() && parseTime(text(bytes, lines[i]), r.time) &&
            parseBody(text(bytes, lines[i + 1]), text(bytes, lines[i + 2]),
                      text(bytes, lines[i + 3]), r.frame)) {
            r.line = static_cast<int>(i) + 1;
            // The record as written: from the line break before the time to the one after crc.
            const std::size_t begin = lines[i].begin >= 2 ? lines[i].begin - 2 : 0;
            const std::string written = bytes.substr(begin, lines[i + 3].next - begin);
            char formatted[CCommLog::RECORD_BUFFER];
            FormatCommLogRecord(r.frame, r.time, formatted, sizeof formatted);
            r.exactLayout = written == formatted;
            log.records.push_back(r);
            i += 4;
            continue;
        }
        const std::string t = text(bytes, lines[i]);
        const int number = static_cast<int>(i) + 1;
        if (!t.empty()) {
            // Consecutive lines of stray text are one finding.
            if (!log.strays.empty() && log.strays.back().lastLine + 1 == number) {
                log.strays.back().text += " | " + t;
                log.strays.back().lastLine = number;
            } else {
                log.strays.push_back(LogText{number, number, t});
            }
        }
        ++i;
    }
    return log;
}

bool isCalendarTime(const CommLogTime& t)
{
    static const int kDaysIn[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= kDaysIn[t.month - 1] &&
           t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
           t.second < 60;
}

long long logSeconds(const CommLogTime& t)
{
    // Days from the civil date (proleptic Gregorian), so gaps across months and years are right.
    const int y = t.year - (t.month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (t.month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + t.day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long days = static_cast<long long>(era) * 146097 + doe - 730425;  // 2000-01-01
    return days * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

std::string logTimeText(const CommLogTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}
