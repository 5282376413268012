// The serial calls of SerialApi.h over termios. A handle is a small record holding the file
// descriptor and the time-outs last set, because Windows keeps the time-outs with the handle and
// applies them to every ReadFile and WriteFile.
#include "comm/SerialApi.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace SerialApi {
namespace {

thread_local DWORD t_lastError = 0;

enum HandleKind { PORT_HANDLE = 0x504f5254, EVENT_HANDLE = 0x45564e54 };

struct NativeHandle {
    int kind;
    int fd;
    COMMTIMEOUTS timeouts;
};

NativeHandle* PortOf(HANDLE handle)
{
    NativeHandle* h = static_cast<NativeHandle*>(handle);
    if (!h || handle == INVALID_HANDLE_VALUE || h->kind != PORT_HANDLE) {
        t_lastError = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    return h;
}

DWORD ErrorFromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
    case ENOTDIR:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EBUSY:
    case EWOULDBLOCK:
        return ERROR_ACCESS_DENIED;  // what Windows reports for a port in use
    case EBADF:
    case ENOTTY:
        return ERROR_INVALID_HANDLE;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_GEN_FAILURE;
    }
}

BOOL Fail(DWORD error)
{
    t_lastError = error;
    return FALSE;
}

// "\\.\COMn" -> TAVELO_COMn or /dev/ttyS<n-1>; other names unchanged.
std::string DevicePath(const char* name)
{
    static const char prefix[] = "\\\\.\\COM";
    if (std::strncmp(name, prefix, sizeof(prefix) - 1) != 0)
        return name;
    const char* digits = name + sizeof(prefix) - 1;
    char* end = nullptr;
    const long number = std::strtol(digits, &end, 10);
    if (end == digits || *end != '\0' || number < 1)
        return std::string();
    const std::string variable = "TAVELO_COM" + std::to_string(number);
    if (const char* path = std::getenv(variable.c_str()))
        return path;
    return "/dev/ttyS" + std::to_string(number - 1);
}

struct BaudEntry {
    DWORD baud;
    speed_t speed;
};

const BaudEntry kBauds[] = {
    {110, B110},       {300, B300},       {600, B600},       {1200, B1200},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},
    {38400, B38400},   {57600, B57600},   {115200, B115200}, {230400, B230400},
    {460800, B460800}, {921600, B921600},
};

bool SpeedOf(DWORD baud, speed_t& speed)
{
    for (const BaudEntry& entry : kBauds) {
        if (entry.baud == baud) {
            speed = entry.speed;
            return true;
        }
    }
    return false;
}

DWORD BaudOf(speed_t speed)
{
    for (const BaudEntry& entry : kBauds) {
        if (entry.speed == speed)
            return entry.baud;
    }
    return 9600;
}

long long NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Waits until fd is ready for events or the deadline (ms, -1 none) passes; false on time-out.
bool WaitReady(int fd, short events, long long deadline, bool& failed)
{
    failed = false;
    for (;;) {
        int wait = -1;
        if (deadline >= 0) {
            const long long left = deadline - NowMs();
            if (left <= 0)
                return false;
            wait = static_cast<int>(left);
        }
        pollfd p{fd, events, 0};
        const int ready = poll(&p, 1, wait);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0) {
            failed = true;
            return false;
        }
        if (ready == 0)
            continue;  // re-check the deadline
        if (p.revents & events)
            return true;
        if (p.revents & (POLLERR | POLLHUP | POLLNVAL)) {
            failed = true;
            errno = EIO;
            return false;
        }
    }
}

}  // namespace

HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD, SECURITY_ATTRIBUTES*, DWORD disposition,
                   DWORD, HANDLE)
{
    if (!name || disposition != OPEN_EXISTING) {
        t_lastError = ERROR_INVALID_PARAMETER;
        return INVALID_HANDLE_VALUE;
    }
    const std::string path = DevicePath(name);
    if (path.empty()) {
        t_lastError = ERROR_FILE_NOT_FOUND;
        return INVALID_HANDLE_VALUE;
    }
    const bool read = access & GENERIC_READ;
    const bool write = access & GENERIC_WRITE;
    const int mode = read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY;
    const int fd = open(path.c_str(), mode | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        t_lastError = ErrorFromErrno(errno);
        return INVALID_HANDLE_VALUE;
    }
    // No sharing: a second opener of the same device is refused, as Windows refuses a port
    // that is already open. The lock goes with the descriptor.
    if (!isatty(fd) || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        t_lastError = isatty(fd) ? ERROR_ACCESS_DENIED : ERROR_INVALID_HANDLE;
        close(fd);
        return INVALID_HANDLE_VALUE;
    }
    NativeHandle* handle = new NativeHandle{PORT_HANDLE, fd, COMMTIMEOUTS{}};
    return handle;
}

HANDLE CreateEventA(SECURITY_ATTRIBUTES*, BOOL, BOOL, LPCSTR)
{
    // Transfers never wait on the event; it only has to exist and be closed again.
    return new NativeHandle{EVENT_HANDLE, -1, COMMTIMEOUTS{}};
}

BOOL CloseHandle(HANDLE handle)
{
    NativeHandle* h = static_cast<NativeHandle*>(handle);
    if (!h || handle == INVALID_HANDLE_VALUE || (h->kind != PORT_HANDLE && h->kind != EVENT_HANDLE))
        return Fail(ERROR_INVALID_HANDLE);
    if (h->kind == PORT_HANDLE)
        close(h->fd);
    h->kind = 0;
    delete h;
    return TRUE;
}

BOOL GetCommState(HANDLE handle, DCB* dcb)
{
    NativeHandle* h = PortOf(handle);
    if (!h)
        return FALSE;
    termios tio{};
    if (tcgetattr(h->fd, &tio) != 0)
        return Fail(ErrorFromErrno(errno));
    std::memset(dcb, 0, sizeof(*dcb));
    dcb->DCBlength = sizeof(*dcb);
    dcb->BaudRate = BaudOf(cfgetospeed(&tio));
    dcb->fBinary = 1;
    switch (tio.c_cflag & CSIZE) {
    case CS5: dcb->ByteSize = 5; break;
    case CS6: dcb->ByteSize = 6; break;
    case CS7: dcb->ByteSize = 7; break;
    default: dcb->ByteSize = 8; break;
    }
    if (!(tio.c_cflag & PARENB))
        dcb->Parity = NOPARITY;
    else if (tio.c_cflag & CMSPAR)
        dcb->Parity = (tio.c_cflag & PARODD) ? MARKPARITY : SPACEPARITY;
    else
        dcb->Parity = (tio.c_cflag & PARODD) ? ODDPARITY : EVENPARITY;
    dcb->fParity = (tio.c_cflag & PARENB) ? 1 : 0;
    dcb->StopBits = (tio.c_cflag & CSTOPB) ? TWOSTOPBITS : ONESTOPBIT;
    dcb->fOutxCtsFlow = (tio.c_cflag & CRTSCTS) ? 1 : 0;
    dcb->fRtsControl = (tio.c_cflag & CRTSCTS) ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
    dcb->fDtrControl = DTR_CONTROL_ENABLE;
    dcb->fOutX = (tio.c_iflag & IXON) ? 1 : 0;
    dcb->fInX = (tio.c_iflag & IXOFF) ? 1 : 0;
    dcb->XonChar = static_cast<char>(tio.c_cc[VSTART]);
    dcb->XoffChar = static_cast<char>(tio.c_cc[VSTOP]);
    return TRUE;
}

BOOL SetCommState(HANDLE handle, DCB* dcb)
{
    NativeHandle* h = PortOf(handle);
    if (!h)
        return FALSE;
    speed_t speed;
    if (!SpeedOf(dcb->BaudRate, speed) || dcb->ByteSize < 5 || dcb->ByteSize > 8 ||
        dcb->Parity > SPACEPARITY || dcb->StopBits > TWOSTOPBITS)
        return Fail(ERROR_INVALID_PARAMETER);
    termios tio{};
    if (tcgetattr(h->fd, &tio) != 0)
        return Fail(ErrorFromErrno(errno));
    cfmakeraw(&tio);
    cfsetispeed(&tio, speed);
    cfsetospeed(&tio, speed);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= CREAD | CLOCAL;
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= sizes[dcb->ByteSize - 5];
    switch (dcb->Parity) {
    case ODDPARITY: tio.c_cflag |= PARENB | PARODD; break;
    case EVENPARITY: tio.c_cflag |= PARENB; break;
    case MARKPARITY: tio.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case SPACEPARITY: tio.c_cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    if (dcb->StopBits != ONESTOPBIT)
        tio.c_cflag |= CSTOPB;  // termios knows no 1.5 stop bits; two is the nearest
    if (dcb->fOutxCtsFlow || dcb->fRtsControl == RTS_CONTROL_HANDSHAKE)
        tio.c_cflag |= CRTSCTS;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (dcb->fOutX)
        tio.c_iflag |= IXON;
    if (dcb->fInX)
        tio.c_iflag |= IXOFF;
    tio.c_cc[VSTART] = static_cast<cc_t>(dcb->XonChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(dcb->XoffChar);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (tcsetattr(h->fd, TCSANOW, &tio) != 0)
        return Fail(ErrorFromErrno(errno));
    return TRUE;
}

BOOL SetCommTimeouts(HANDLE handle, COMMTIMEOUTS* timeouts)
{
    NativeHandle* h = PortOf(handle);
    if (!h || !timeouts)
        return h ? Fail(ERROR_INVALID_PARAMETER) : FALSE;
    h->timeouts = *timeouts;
    return TRUE;
}

BOOL PurgeComm(HANDLE handle, DWORD flags)
{
    NativeHandle* h = PortOf(handle);
    if (!h)
        return FALSE;
    const bool input = flags & PURGE_RXCLEAR;
    const bool output = flags & PURGE_TXCLEAR;
    if ((input || output) && tcflush(h->fd, input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH) != 0)
        return Fail(ErrorFromErrno(errno));
    return TRUE;
}

// Follows the COMMTIMEOUTS rules: interval MAXDWORD with both totals 0 returns at once; interval
// and multiplier MAXDWORD with a constant returns what is waiting, else waits up to the constant
// for the first byte; otherwise the read ends when the count is reached or the total time
// (multiplier x count + constant, 0 = none) or the gap between bytes (interval) runs out.
BOOL ReadFile(HANDLE handle, void* buffer, DWORD count, DWORD* read, OVERLAPPED*)
{
    NativeHandle* h = PortOf(handle);
    if (read)
        *read = 0;
    if (!h)
        return FALSE;
    const COMMTIMEOUTS& t = h->timeouts;
    const long long start = NowMs();
    long long deadline = -1;
    bool returnOnFirst = false;
    if (t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == 0 &&
        t.ReadTotalTimeoutConstant == 0) {
        deadline = start;
    } else if (t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == MAXDWORD &&
               t.ReadTotalTimeoutConstant != 0 && t.ReadTotalTimeoutConstant != MAXDWORD) {
        deadline = start + t.ReadTotalTimeoutConstant;
        returnOnFirst = true;
    } else if (t.ReadTotalTimeoutMultiplier != 0 || t.ReadTotalTimeoutConstant != 0) {
        deadline = start + static_cast<long long>(t.ReadTotalTimeoutMultiplier) * count +
                   t.ReadTotalTimeoutConstant;
    }
    const bool interval = t.ReadIntervalTimeout != 0 && t.ReadIntervalTimeout != MAXDWORD;
    unsigned char* out = static_cast<unsigned char*>(buffer);
    DWORD done = 0;
    while (done < count) {
        long long wait = deadline;
        if (interval && done > 0) {
            const long long gap = NowMs() + t.ReadIntervalTimeout;
            wait = deadline < 0 || gap < deadline ? gap : deadline;
        }
        const ssize_t got = ::read(h->fd, out + done, count - done);
        if (got > 0) {
            done += static_cast<DWORD>(got);
            if (returnOnFirst)
                break;
            continue;
        }
        // A raw tty with VMIN 0 answers "nothing yet" with 0 rather than EAGAIN; a line that
        // hung up shows as POLLHUP below.
        if (got < 0 && errno != EAGAIN && errno != EINTR) {
            if (read)
                *read = done;
            return Fail(ErrorFromErrno(errno));
        }
        if (wait >= 0 && wait <= NowMs() && (done > 0 || deadline == start))
            break;
        bool failed = false;
        if (!WaitReady(h->fd, POLLIN, wait, failed)) {
            if (failed) {
                if (read)
                    *read = done;
                return Fail(ErrorFromErrno(errno));
            }
            break;
        }
    }
    if (read)
        *read = done;
    return TRUE;
}

// The write ends when all bytes are out or multiplier x count + constant ms (0 = none) pass.
BOOL WriteFile(HANDLE handle, const void* buffer, DWORD count, DWORD* written, OVERLAPPED*)
{
    NativeHandle* h = PortOf(handle);
    if (written)
        *written = 0;
    if (!h)
        return FALSE;
    const COMMTIMEOUTS& t = h->timeouts;
    long long deadline = -1;
    if (t.WriteTotalTimeoutMultiplier != 0 || t.WriteTotalTimeoutConstant != 0)
        deadline = NowMs() + static_cast<long long>(t.WriteTotalTimeoutMultiplier) * count +
                   t.WriteTotalTimeoutConstant;
    const unsigned char* in = static_cast<const unsigned char*>(buffer);
    DWORD done = 0;
    while (done < count) {
        const ssize_t put = ::write(h->fd, in + done, count - done);
        if (put > 0) {
            done += static_cast<DWORD>(put);
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR) {
            if (written)
                *written = done;
            return Fail(ErrorFromErrno(errno));
        }
        bool failed = false;
        if (!WaitReady(h->fd, POLLOUT, deadline, failed)) {
            if (failed) {
                if (written)
                    *written = done;
                return Fail(ErrorFromErrno(errno));
            }
            break;
        }
    }
    if (written)
        *written = done;
    return TRUE;
}

DWORD GetLastError()
{
    return t_lastError;
}

void SetLastError(DWORD error)
{
    t_lastError = error;
}

DWORD FormatMessageA(DWORD, const void*, DWORD messageId, DWORD, LPSTR buffer, DWORD size, void*)
{
    const char* text = nullptr;
    switch (messageId) {
    case ERROR_FILE_NOT_FOUND: text = "The system cannot find the file specified.\r\n"; break;
    case ERROR_ACCESS_DENIED: text = "Access is denied.\r\n"; break;
    case ERROR_INVALID_HANDLE: text = "The handle is invalid.\r\n"; break;
    case ERROR_NOT_ENOUGH_MEMORY:
        text = "Not enough memory resources are available to process this command.\r\n";
        break;
    case ERROR_GEN_FAILURE: text = "A device attached to the system is not functioning.\r\n"; break;
    case ERROR_INVALID_PARAMETER: text = "The parameter is incorrect.\r\n"; break;
    case ERROR_OPERATION_ABORTED:
        text = "The I/O operation has been aborted because of either a thread exit or an "
               "application request.\r\n";
        break;
    default: break;
    }
    if (!text || !buffer || size == 0) {
        t_lastError = 317;  // ERROR_MR_MID_NOT_FOUND: no text for this code
        return 0;
    }
    const std::size_t length = std::strlen(text);
    if (length >= size) {
        t_lastError = 122;  // ERROR_INSUFFICIENT_BUFFER
        return 0;
    }
    std::memcpy(buffer, text, length + 1);
    return static_cast<DWORD>(length);
}

}  // namespace SerialApi
