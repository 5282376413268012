#include "comm/ModulePath.h"

#include "fx/seam/Win32Seam.h"

bool FolderOfPath(const std::string& path, std::string& folder)
{
    std::string::size_type cut = path.rfind('\\');
    if (cut == std::string::npos)
        cut = path.rfind('/');
    if (cut == std::string::npos)
        return false;
    folder = path.substr(0, cut);
    return true;
}

bool ProgramFolder(std::string& folder)
{
    char path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    if (length == 0 || length >= sizeof(path))
        return false;
    if (!FolderOfPath(std::string(path, length), folder))
        return false;
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    return true;
}

std::string JoinPath(const std::string& folder, const char* name)
{
#ifdef _WIN32
    return folder + "\\" + name;
#else
    return folder + "/" + name;
#endif
}
