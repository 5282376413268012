// Native implementations of the module, sleep and clock calls of Win32Seam.h.
#include "Win32Seam.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

namespace {

DWORD copyPath(const std::string& path, LPSTR buffer, DWORD size)
{
    if (size == 0)
        return 0;
    const DWORD length = static_cast<DWORD>(path.size() < size ? path.size() : size - 1);
    std::memcpy(buffer, path.data(), length);
    buffer[length] = '\0';
    return length;
}

bool endsWithDll(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == ".dll";
}

}  // namespace

HMODULE LoadLibraryA(LPCSTR fileName)
{
    if (!fileName)
        return nullptr;
    const std::string name(fileName);
    if (void* module = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL))
        return module;
    if (!endsWithDll(name))
        return nullptr;
    const std::string::size_type slash = name.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string("./") : name.substr(0, slash + 1);
    const std::string base = name.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::string shared = folder + "lib" + base.substr(0, base.size() - 4) + ".so";
    return dlopen(shared.c_str(), RTLD_NOW | RTLD_LOCAL);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name)
{
    if (!module || !name)
        return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(module, name));
}

BOOL FreeLibrary(HMODULE module)
{
    return module && dlclose(module) == 0 ? TRUE : FALSE;
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size)
{
    if (!buffer)
        return 0;
    if (!module) {
        char path[4096];
        const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
        if (length <= 0)
            return 0;
        return copyPath(std::string(path, static_cast<size_t>(length)), buffer, size);
    }
    link_map* map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name)
        return 0;
    return copyPath(map->l_name, buffer, size);
}

void Sleep(DWORD milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

DWORD GetTickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}
