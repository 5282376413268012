#include "tools/common/ToolOutput.h"

#include "fx/seam/Win32Seam.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

std::string utf8Of(const CString& gbk) { return gbk.ToUtf8(); }

namespace {

void write(std::FILE* stream, const std::string& utf8)
{
#ifdef _WIN32
    HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        const int n =
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
        if (n > 0)
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0],
                                n);
        std::fflush(stream);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // Redirected: the same bytes as on every other system.
    _setmode(_fileno(stream), _O_BINARY);
#endif
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
    std::fflush(stream);
}

}  // namespace

void writeOut(const std::string& utf8) { write(stdout, utf8); }

void writeErr(const std::string& utf8) { write(stderr, utf8); }

std::string toolFolder()
{
    char path[4096] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    const std::string full(path, length < sizeof(path) ? length : 0);
    const std::string::size_type cut = full.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".") : full.substr(0, cut);
}
