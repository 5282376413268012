// Native: the program's paths use '\', which is read as '/'.
#include "app/core/profile/ProfilePaths.h"

#include <sys/stat.h>

namespace {

CString hostPath(LPCSTR path)
{
    CString host(path);
    host.Replace('\\', '/');
    return host;
}

}  // namespace

bool pathExists(LPCSTR path)
{
    struct stat st;
    return stat(hostPath(path), &st) == 0;
}

bool folderExists(LPCSTR path)
{
    struct stat st;
    return stat(hostPath(path), &st) == 0;
}

bool createFolder(LPCSTR path)
{
    return mkdir(hostPath(path), 0777) == 0;
}
