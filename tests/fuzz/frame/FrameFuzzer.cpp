// Any bytes as a frame or reply: the checksum, the BCD read-back and the traffic log's record
// for them stay inside their buffers; any text as a tzctl script parses or is refused cleanly.
#include "comm/CommLog.h"
#include "comm/CommandFrame.h"
#include "tools/tzctl/CommandLine.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    unsigned char frame[FRAME_SIZE] = {};
    std::memcpy(frame, data, size < sizeof(frame) ? size : sizeof(frame));
    (void)FrameChecksum(frame);
    for (unsigned char b : frame)
        (void)FromBcd(b);
    const CommLogTime time = {9999, 12, 31, 23, 59, 59};
    char record[CCommLog::RECORD_BUFFER];
    const int length = FormatCommLogRecord(frame, time, record, sizeof(record));
    if (length <= 0 || length >= static_cast<int>(sizeof(record)))
        __builtin_trap();

    std::vector<Invocation> script;
    std::string error;
    ParseScript(std::string(reinterpret_cast<const char*>(data), size), script, error);
    return 0;
}
