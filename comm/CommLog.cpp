#include "comm/CommLog.h"

#include "comm/ModulePath.h"
#include "fx/seam/Win32Seam.h"

#include <cstring>
#include <ctime>
#include <string>

#ifdef _WIN32
#include <share.h>
#endif

int g_commLogSwitch = 0;

namespace {

// Opens for writing, creating the file when missing; "ab" keeps what is there. Other writers
// are shut out while the log is open.
std::FILE* OpenShared(const char* path, const char* mode)
{
#ifdef _WIN32
    return _fsopen(path, mode, _SH_DENYWR);
#else
    return std::fopen(path, mode);
#endif
}

}  // namespace

CommLogTime CommLogNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return CommLogTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                       local.tm_hour, local.tm_min, local.tm_sec};
}

int FormatCommLogRecord(const unsigned char* f, const CommLogTime& t, char* out, std::size_t size)
{
    if (f[2] == 0 || f[2] == 3) {
        return std::snprintf(out, size,
            "\r\n%04d%02d%02d %02d:%02d:%02d\r\n"
            "magic:0x%02x 0x%02x dest:%d eventid:0x%02x\r\n"
            "p1=0x%02x p2=0x%02x p3=0x%02x p4=0x%02x p5=0x%02x p6=0x%02x p7=0x%02x\r\n"
            "crc=0x%02x\r\n",
            t.year, t.month, t.day, t.hour, t.minute, t.second, f[0], f[1], f[2], f[3], f[4],
            f[5], f[6], f[7], f[8], f[9], f[10], f[11]);
    }
    return std::snprintf(out, size,
        "\r\n%04d%02d%02d %02d:%02d:%02d\r\n"
        "magic:0x%02x 0x%02x dest:%d boardid:%d eventid:%d\r\n"
        "p1=0x%02x p2=0x%02x p3=0x%02x p4=0x%02x p5=0x%02x p6=0x%02x\r\n"
        "crc=0x%02x\r\n",
        t.year, t.month, t.day, t.hour, t.minute, t.second, f[0], f[1], f[2], f[3], f[4], f[5],
        f[6], f[7], f[8], f[9], f[10], f[11]);
}

CCommLog::~CCommLog()
{
    if (file_)
        std::fclose(file_);
}

void CCommLog::Begin(int logSwitch, const char* programPath)
{
    if (begun_)
        return;
    begun_ = true;
    if (logSwitch == 0 || !programPath)
        return;
    std::string folder;
    if (!FolderOfPath(programPath, folder))
        return;
    Open(JoinPath(folder, "tzview.log").c_str());
}

void CCommLog::Open(const char* path)
{
    file_ = OpenShared(path, "ab");
    if (!file_)
        return;
    // Only a file strictly longer than 2 MiB starts over, and only at this first opening.
    if (std::fseek(file_, 0, SEEK_END) == 0 && std::ftell(file_) > MAX_SIZE) {
        std::fclose(file_);
        file_ = OpenShared(path, "wb");
        if (!file_)
            return;
    }
    std::fseek(file_, 0, SEEK_END);
}

void CCommLog::Record(const unsigned char* frame)
{
    if (file_)
        Record(frame, CommLogNow());
}

void CCommLog::Record(const unsigned char* frame, const CommLogTime& time)
{
    if (!file_)
        return;
    std::memset(record_, 0, sizeof(record_));
    const int length = FormatCommLogRecord(frame, time, record_, sizeof(record_));
    if (length <= 0 || length >= RECORD_BUFFER)
        return;
    std::fwrite(record_, 1, static_cast<std::size_t>(length), file_);
    std::fflush(file_);
}

CCommLog& CCommLog::Instance()
{
    static CCommLog log;
    return log;
}

void CCommLog::RecordFrame(const unsigned char* frame)
{
    CCommLog& log = Instance();
    if (!log.IsBegun()) {
        char path[MAX_PATH * 4] = {};
        const DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
        log.Begin(g_commLogSwitch, length > 0 && length < sizeof(path) ? path : nullptr);
    }
    log.Record(frame);
}
