// Scratch profile files for the tests, named with '\' as the program names them; the C
// runtime is handed the same path with the separator the host uses.
#pragma once

#include <cstdio>
#include <string>

namespace profiletest {

inline std::string profilePath(const std::string& name) { return ".\\" + name + ".ini"; }

inline std::string hostPath(std::string path)
{
#ifndef _WIN32
    for (char& c : path)
        if (c == '\\')
            c = '/';
#endif
    return path;
}

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::FILE* f = std::fopen(hostPath(path).c_str(), "wb");
    if (!f)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// The file's bytes, or "<none>" when it does not exist.
inline std::string readFile(const std::string& path)
{
    std::FILE* f = std::fopen(hostPath(path).c_str(), "rb");
    if (!f)
        return "<none>";
    std::string bytes;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof(chunk), f)) > 0)
        bytes.append(chunk, n);
    std::fclose(f);
    return bytes;
}

inline void removeFile(const std::string& path) { std::remove(hostPath(path).c_str()); }

// Bytes shown with escapes, so a failing comparison is readable.
inline std::string escaped(const std::string& bytes)
{
    std::string out;
    char hex[8];
    for (unsigned char c : bytes) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c < 32 || c > 126) {
            std::snprintf(hex, sizeof(hex), "\\x%02X", c);
            out += hex;
        } else
            out += static_cast<char>(c);
    }
    return out;
}

}  // namespace profiletest
