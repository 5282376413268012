// The traffic log "tzview.log" beside the program: one record per frame sent and per status reply
// read, in the device layout (byte 2 is 0 or 3) or the board layout (anything else).
#pragma once

#include <cstddef>
#include <cstdio>

struct CommLogTime {
    int year, month, day, hour, minute, second;
};

// The current local date and time.
CommLogTime CommLogNow();

// Formats the record of one 12-byte frame; returns its length as snprintf does.
int FormatCommLogRecord(const unsigned char* frame, const CommLogTime& time, char* out,
                        std::size_t size);

// The log file. The first frame decides, once for the whole process, whether there is a log: a
// switch of 0 then keeps it off even if the profile changes later. An existing file above 2 MiB
// is emptied at that first opening; otherwise records are appended.
class CCommLog {
public:
    enum { MAX_SIZE = 2097152, RECORD_BUFFER = 1024 };

    CCommLog() = default;
    ~CCommLog();
    CCommLog(const CCommLog&) = delete;
    CCommLog& operator=(const CCommLog&) = delete;

    // The first call opens (or not) the log beside programPath; later calls do nothing.
    void Begin(int logSwitch, const char* programPath);
    bool IsBegun() const { return begun_; }
    bool IsOpen() const { return file_ != nullptr; }

    // Appends the frame's record and flushes; nothing when the log is not open.
    void Record(const unsigned char* frame);
    void Record(const unsigned char* frame, const CommLogTime& time);

    // The process-wide log. Its first Record begins it with the link's log switch and the
    // running program's path.
    static CCommLog& Instance();
    static void RecordFrame(const unsigned char* frame);

private:
    void Open(const char* path);

    std::FILE* file_ = nullptr;
    bool begun_ = false;
    char record_[RECORD_BUFFER] = {};
};

// The log switch read from "com.ini" by the last Connect (default 0).
extern int g_commLogSwitch;
