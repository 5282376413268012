// libFuzzer target "profile_reader": any bytes as a profile file. The native private-profile
// functions list its sections and keys and read every key with several buffer sizes, then a
// write and a deletion edit the file and it is read again. The section reader must answer every
// key exactly as the functions do; any difference aborts, as does anything ASan or UBSan sees.
#include "app/core/profile/ProfileReader.h"
#include "fx/seam/Win32Seam.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The profile functions read and write real files, a few hundred times per input: the scratch
// file lives in RAM-backed /dev/shm where there is one, so the runs are not held up by a disk.
const std::string& scratchPath()
{
    static const std::string path = [] {
        struct stat st;
        const bool shm =
            stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) && access("/dev/shm", W_OK) == 0;
        return std::string(shm ? "/dev/shm" : "/tmp") + "/profile_reader_fuzz_" +
               std::to_string(getpid()) + ".ini";
    }();
    return path;
}

void writeBytes(const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(scratchPath().c_str(), "wb");
    if (!f)
        std::abort();
    if (size)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}

// Names from a NUL-separated list as the functions return it.
std::vector<std::string> splitList(const char* list, DWORD length)
{
    std::vector<std::string> names;
    for (DWORD i = 0; i < length;) {
        const std::string name(list + i);
        names.push_back(name);
        i += static_cast<DWORD>(name.size()) + 1;
    }
    return names;
}

void compareKey(SectionProfileReader& reader, const char* section, const char* key)
{
    const char* path = scratchPath().c_str();
    if (static_cast<int>(GetPrivateProfileIntA(section, key, -5, path)) != reader.readInt(section, key, -5))
        std::abort();
    static const DWORD sizes[] = {1, 3, 20, 300};
    for (DWORD size : sizes) {
        char a[320], b[320];
        std::memset(a, '#', sizeof(a));
        std::memset(b, '#', sizeof(b));
        const DWORD ra = GetPrivateProfileStringA(section, key, " d\"'", a, size, path);
        const DWORD rb = reader.readString(section, key, " d\"'", b, size);
        if (ra != rb || ra >= size || std::memcmp(a, b, size) != 0 || a[size] != '#')
            std::abort();
    }
}

void readAll(const std::string& bytes)
{
    const char* path = scratchPath().c_str();
    SectionProfileReader reader = SectionProfileReader::fromBytes(bytes);
    static char sections[1 << 16];
    const DWORD length = GetPrivateProfileStringA(nullptr, nullptr, "", sections, sizeof(sections), path);
    std::vector<std::string> names = splitList(sections, length);
    names.push_back("");
    names.push_back("comm");
    int budget = 24;
    for (const std::string& section : names) {
        static char keys[1 << 16];
        const DWORD n = GetPrivateProfileStringA(section.c_str(), nullptr, "", keys, sizeof(keys), path);
        std::vector<std::string> keyNames = splitList(keys, n);
        keyNames.push_back("commport");
        for (const std::string& key : keyNames) {
            if (--budget < 0)
                return;
            compareKey(reader, section.c_str(), key.c_str());
        }
    }
}

std::string fileBytes()
{
    std::string bytes;
    if (std::FILE* f = std::fopen(scratchPath().c_str(), "rb")) {
        char chunk[4096];
        std::size_t n;
        while ((n = std::fread(chunk, 1, sizeof(chunk), f)) > 0)
            bytes.append(chunk, n);
        std::fclose(f);
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeBytes(data, size);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    readAll(bytes);

    const char* path = scratchPath().c_str();
    // Names for the edits come from the first bytes, so edits hit sections the file has.
    const std::string section = size > 4 ? bytes.substr(1, 3) : std::string("s");
    const std::string key = size > 8 ? bytes.substr(5, 2) : std::string("k");
    if (section.find('\0') == std::string::npos && key.find('\0') == std::string::npos) {
        WritePrivateProfileStringA(section.c_str(), key.c_str(), "v\xD2\xBB", path);
        readAll(fileBytes());
        WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, path);
        WritePrivateProfileStringA("comm", nullptr, nullptr, path);
        readAll(fileBytes());
    }
    return 0;
}
