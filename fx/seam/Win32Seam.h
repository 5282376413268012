// The few Windows calls that portable code makes (private-profile files, module loading,
// sleeping, tick counts). On Windows this is <windows.h> itself; on the native build the same
// names are declared here and implemented to behave as the Windows ones do for every case the
// program meets, so portable code is written once against the real platform API.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

typedef int BOOL;
typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef unsigned int UINT;
typedef int INT;
typedef std::int32_t LONG;  // 32 bits, as on Windows
typedef char CHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef void* HMODULE;
typedef HMODULE HINSTANCE;
typedef std::intptr_t (*FARPROC)();
typedef DWORD COLORREF;  // 0x00BBGGRR

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#define MAX_PATH 260
#define WINAPI

// Private-profile files: case-insensitive section and key names, first match wins, values trimmed
// of surrounding spaces and one pair of quotes, ';' comment lines, GBK bytes and CRLF kept as
// they are when writing. A null key deletes a section, a null value deletes a key.
UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR fileName);
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);

// Modules: a name ending in ".dll" that does not load as given is tried as "lib<name>.so" in the
// same folder, so "TzCommFun.dll" beside a native program finds "libTzCommFun.so".
HMODULE LoadLibraryA(LPCSTR fileName);
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
BOOL FreeLibrary(HMODULE module);
// Null module: the running program's path. Returns the length copied, 0 on failure; a path that
// does not fit is cut and terminated, as on Windows.
DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size);

void Sleep(DWORD milliseconds);
DWORD GetTickCount();
#endif
