// The traffic log "tzview.log" read back: each record's time and the 12 bytes it was made from,
// in either of the link's two record layouts (device frames, and everything else). A record is
// taken as the link's only when the link's own formatter, given those bytes and that time, writes
// it back exactly; text that is no record is kept as such, with its line number.
#pragma once

#include "comm/CommLog.h"

#include <string>
#include <vector>

struct LogRecord {
    int line = 0;  // line of the record's time stamp (1-based)
    CommLogTime time{};
    unsigned char frame[12] = {};
    bool exactLayout = true;  // the link writes this record for these bytes exactly so
};

struct LogText {
    int line = 0;  // first line of text that is no record
    int lastLine = 0;
    std::string text;  // its lines joined by " | "
};

struct LogContents {
    std::vector<LogRecord> records;
    std::vector<LogText> strays;
};

LogContents readLog(const std::string& bytes);

// Whether a record's time is one a clock can show (month 1..12, a day the month has, 00:00:00 to
// 23:59:59); the link writes the PC's clock, so anything else is a damaged or edited log.
bool isCalendarTime(const CommLogTime& t);
// Seconds since 2000-01-01 00:00:00 of a record's time (for gaps and the busiest second).
long long logSeconds(const CommLogTime& t);
// "2012-01-07 03:06:33".
std::string logTimeText(const CommLogTime& t);
