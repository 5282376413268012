#include "app/core/preset/PresetFiles.h"

#include "fx/core/String.h"

#include <unistd.h>

bool removePresetFile(LPCSTR path)
{
    CString host(path);
    host.Replace('\\', '/');
    return ::unlink(host) == 0;
}
