// The Win32 serial-communications calls the port uses, in namespace SerialApi. On Windows they
// are the system's own; natively they are implemented over termios (SerialApi_posix.cpp) with
// the same time-out and error behaviour, so CSerialPort is one piece of code on both targets.
//
// Native port names: "\\.\COMn" opens the path in the environment variable TAVELO_COMn when it is
// set (tests and the simulator put a pseudo-terminal's slave path there), else /dev/ttyS<n-1>,
// the same device Wine gives COMn by default. Any other name is opened as a path.
#pragma once

#ifdef _WIN32
#include <windows.h>

namespace SerialApi {
using ::CloseHandle;
using ::COMMTIMEOUTS;
using ::CreateEventA;
using ::CreateFileA;
using ::DCB;
using ::FormatMessageA;
using ::GetCommState;
using ::GetLastError;
using ::PurgeComm;
using ::ReadFile;
using ::SetCommState;
using ::SetCommTimeouts;
using ::SetLastError;
using ::WriteFile;
// FormatMessageA's language for "the system default language".
const DWORD kSystemDefaultLanguage = MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT);
}  // namespace SerialApi

#else
#include "fx/seam/Win32Seam.h"

#include <cstdint>

typedef void* HANDLE;
#ifndef INVALID_HANDLE_VALUE
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1)))
#endif
#ifndef MAXDWORD
#define MAXDWORD 0xFFFFFFFFu
#endif

namespace SerialApi {

enum : DWORD {
    GENERIC_READ = 0x80000000u,
    GENERIC_WRITE = 0x40000000u,
    OPEN_EXISTING = 3,
    FILE_ATTRIBUTE_NORMAL = 0x80,
    FILE_FLAG_OVERLAPPED = 0x40000000u,
    PURGE_TXABORT = 0x1,
    PURGE_RXABORT = 0x2,
    PURGE_TXCLEAR = 0x4,
    PURGE_RXCLEAR = 0x8,
    FORMAT_MESSAGE_IGNORE_INSERTS = 0x200,
    FORMAT_MESSAGE_FROM_SYSTEM = 0x1000,
    ERROR_FILE_NOT_FOUND = 2,
    ERROR_ACCESS_DENIED = 5,
    ERROR_INVALID_HANDLE = 6,
    ERROR_NOT_ENOUGH_MEMORY = 8,
    ERROR_GEN_FAILURE = 31,
    ERROR_INVALID_PARAMETER = 87,
    ERROR_OPERATION_ABORTED = 995
};

enum : BYTE { NOPARITY = 0, ODDPARITY = 1, EVENPARITY = 2, MARKPARITY = 3, SPACEPARITY = 4 };
enum : BYTE { ONESTOPBIT = 0, ONE5STOPBITS = 1, TWOSTOPBITS = 2 };
enum : DWORD { DTR_CONTROL_DISABLE = 0, DTR_CONTROL_ENABLE = 1, DTR_CONTROL_HANDSHAKE = 2 };
enum : DWORD {
    RTS_CONTROL_DISABLE = 0,
    RTS_CONTROL_ENABLE = 1,
    RTS_CONTROL_HANDSHAKE = 2,
    RTS_CONTROL_TOGGLE = 3
};

// The line-settings block, with the fields the port uses.
struct DCB {
    DWORD DCBlength;
    DWORD BaudRate;
    DWORD fBinary : 1;
    DWORD fParity : 1;
    DWORD fOutxCtsFlow : 1;
    DWORD fOutxDsrFlow : 1;
    DWORD fDtrControl : 2;
    DWORD fDsrSensitivity : 1;
    DWORD fTXContinueOnXoff : 1;
    DWORD fOutX : 1;
    DWORD fInX : 1;
    DWORD fErrorChar : 1;
    DWORD fNull : 1;
    DWORD fRtsControl : 2;
    DWORD fAbortOnError : 1;
    DWORD fDummy2 : 17;
    WORD wReserved;
    WORD XonLim;
    WORD XoffLim;
    BYTE ByteSize;
    BYTE Parity;
    BYTE StopBits;
    char XonChar;
    char XoffChar;
    char ErrorChar;
    char EofChar;
    char EvtChar;
    WORD wReserved1;
};

struct COMMTIMEOUTS {
    DWORD ReadIntervalTimeout;
    DWORD ReadTotalTimeoutMultiplier;
    DWORD ReadTotalTimeoutConstant;
    DWORD WriteTotalTimeoutMultiplier;
    DWORD WriteTotalTimeoutConstant;
};

const DWORD kSystemDefaultLanguage = 0;

struct OVERLAPPED;
struct SECURITY_ATTRIBUTES;

HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                   DWORD disposition, DWORD flags, HANDLE templateFile);
HANDLE CreateEventA(SECURITY_ATTRIBUTES* security, BOOL manualReset, BOOL initialState,
                    LPCSTR name);
BOOL CloseHandle(HANDLE handle);
BOOL GetCommState(HANDLE handle, DCB* dcb);
BOOL SetCommState(HANDLE handle, DCB* dcb);
BOOL SetCommTimeouts(HANDLE handle, COMMTIMEOUTS* timeouts);
BOOL PurgeComm(HANDLE handle, DWORD flags);
BOOL ReadFile(HANDLE handle, void* buffer, DWORD count, DWORD* read, OVERLAPPED* overlapped);
BOOL WriteFile(HANDLE handle, const void* buffer, DWORD count, DWORD* written,
               OVERLAPPED* overlapped);
DWORD GetLastError();
void SetLastError(DWORD error);
// System text for the error codes above (English, with a trailing CRLF as on Windows).
DWORD FormatMessageA(DWORD flags, const void* source, DWORD messageId, DWORD languageId,
                     LPSTR buffer, DWORD size, void* arguments);

}  // namespace SerialApi

#endif
