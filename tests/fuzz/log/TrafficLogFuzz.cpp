// libFuzzer target "traffic_log_reader": any bytes as a traffic log through tzlog's reader, its
// frame interpreter, its lines and its figures. A log reaches tzlog from a service engineer's
// copy of an operator's disk, cut off, edited or not a log at all, so any bytes must end in lines
// and figures: no crash, leak or undefined behaviour. Every record taken is one the link's own
// formatter writes back, and the lines are one per record and one per run of stray text.
#include "comm/CommLog.h"
#include "tools/tzlog/LogTools.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > (1u << 20))
        return 0;
    const LogContents log = readLog(std::string(reinterpret_cast<const char*>(data), size));
    for (const LogRecord& r : log.records) {
        char record[CCommLog::RECORD_BUFFER];
        const int length = FormatCommLogRecord(r.frame, r.time, record, sizeof(record));
        if (length <= 0 || length >= static_cast<int>(sizeof(record)))
            std::abort();
    }
    std::string lines;
    const int findings = logLines(log, lines);
    const std::size_t count =
        static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'));
    if (findings < 0 || count != log.records.size() + log.strays.size())
        std::abort();
    if (logStats(log).empty())
        std::abort();
    return 0;
}
