// Windows: the attribute query, and a folder opened for directory access with backup semantics.
#include "app/core/profile/ProfilePaths.h"

bool pathExists(LPCSTR path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool folderExists(LPCSTR path)
{
    HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(handle);
    return true;
}

bool createFolder(LPCSTR path)
{
    return CreateDirectoryA(path, nullptr) != FALSE;
}
